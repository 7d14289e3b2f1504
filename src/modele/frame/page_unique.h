#pragma once
// The entry pages of the single-page layout: ftp/index.htm as one page (the left menu in a cell,
// the home page in the content cell, the category bar, copyright and credit lines), the shop's
// own home page framed in ftp/accueil2.htm, and the two small framesets ftp/index2.htm and
// ftp/index3.html that the preview and the one-card refresh open.

#include <string>

#include "platform/files.h"
#include "platform/lines.h"

namespace frame {

struct EntreesPageUnique {
  platform::LineList entete;       // the entry page head, up to its meta lines
  std::string commentaireVersion;  // written after "</HEAD>"
  platform::LineList cadre;        // the shared page frame without its menu column
  int largeurColonneMenu = 0;
  std::string hauteur_frame, fond_couleur_menu, image_menu, image_page, esp_M, esp_P;
  bool menuPropre = false;  // the shop's own menu (menuHTM "oui"): ftp/menu.htm is framed
  std::string accueilHTM, accueilLf, accueilHf, menubp_c;
  std::string copyright, couleur_copyr, police_defaut, coul_liens;
  std::string adresseCredit;  // the program's web site
  std::string pageFiche;      // the page holding the open product's card, "" when none
};

// ftp/index.htm.
platform::LineList pageIndexUnique(const EntreesPageUnique& e,
                                   const platform::DataFolder& donnees);
// ftp/accueil2.htm (written only when accueilHTM is "oui").
platform::LineList pageAccueilEncadre(const EntreesPageUnique& e,
                                      const platform::DataFolder& donnees);
// ftp/index2.htm (principal = "index.htm") and ftp/index3.html (principal = pageFiche).
platform::LineList cadreUnique(const std::string& titre, const std::string& principal);

// Writes the four pages in their order and copies the menu background image into ftp/. A
// missing input file (menu.htm, ftp/accueil_iframe.htm included) leaves its part out; a file that
// cannot be read or written throws platform::FileError.
void ecrirePagesUniques(const EntreesPageUnique& e, const platform::DataFolder& donnees);

}  // namespace frame
