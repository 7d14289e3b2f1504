#pragma once
// The top frame page ftp/top2.htm: the banner strip above every page of the
// shop, in the frameset's top frame and in the single-page layout's top IFRAME.
// Its head carries the link styles, the drop-down handler and the tooltip the
// navigation bar (modele/frame/barre_top.h) calls. Values in, lines out: the generator
// window gathers the inputs when its step starts.

#include <array>
#include <string>

#include "modele/app/identite.h"
#include "modele/design/menu_options.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace frame {

// The webmaster's logo at the right of the strip; no logo when the file is
// missing.
struct LogoWebmaster {
  std::string fichier;           // name of the file in menu_boutons/
  std::string site;              // address the logo opens
  int position = 1;              // 0 top, 1 middle, 2 bottom of its cell
  int largeur = 0, hauteur = 0;  // the picture's own size
};

struct EntreesTop {
  design::TOptionsMenu menu;
  app::TIdentite ident;
  bool frames = false;                // the frameset layout
  std::string cibleLiens;             // target of the bar's links
  std::string largeurMenuInterieure;  // width of the logo box
  std::string texteBulle;             // tooltip of the delivery-times link
  // Program options.
  std::string menuh_titre, police_defaut, coul_scroll, mot_recherche;
  // Main settings; articles, listeP and themesP as their edits stand.
  std::string image_page, url_panier, targetS, moteur_recherche, url_moteur_recherche;
  std::string articles, listeP, themesP;
  bool securus = false;  // the English security page
  bool catalC = false;   // offline catalogue: the cart opens the printable order form
  std::string accueilHTM, cv_popup;
  std::array<platform::LineList, 3> pubs;  // advertising fragments Pub#1 to Pub#3 (debutTop)
  LogoWebmaster webmaster;                 // (finTop)
};

// The head, the opening of the strip, the logo cell, the address line and the
// banner; the page is emptied first. Copies the images it names into ftp/.
void debutTop(const EntreesTop& e, const platform::DataFolder& donnees, platform::LineList& page);
// The date line, the webmaster's logo and the closing; saves the page as
// ftp/top2.htm. Throws platform::FileError.
void finTop(const EntreesTop& e, const platform::DataFolder& donnees, platform::LineList& page);

// The shop's address as the identity's display flags choose it.
std::string adresseTop(const app::TIdentite& i);

// The tooltip that follows the mouse: pop(msg,bak) shows msg in a box of colour
// bak, kill() hides it.
const platform::LineList& scriptBulle();

}  // namespace frame
