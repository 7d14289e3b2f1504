#pragma once
// The drop-down left menu of the single-page layout: the families with their titles and, for each
// category, a box whose pop-up lists the category's theme pages. Written twice, as HTML lines of
// the menu body after the marker and as ftp/menu_dyn.js, which draws the same markup in every
// framed page; with its style sheets, its show-and-hide script and its images.

#include <string>
#include <vector>

#include "modele/design/menu_dynamique.h"
#include "modele/design/menu_options.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace frame {

// The line after which the framed pages stop copying the menu body.
inline constexpr const char* kMarqueurMenuDynamique = "<!-- Menu dynamique -->";

struct CategorieDynamique {
  std::string nom;
  std::string page;                 // its first theme page, "" when it has none
  std::vector<std::string> themes;  // the lines of its .cto as stored
};

struct BlocDynamique {
  bool titre = false;  // the family title goes before the block
  std::vector<CategorieDynamique> categories;
};

struct EntreesMenuDynamique {
  design::TStyleMenuDynamique style;
  design::TOptionsMenu menu;          // search field and image kinds
  std::vector<std::string> familles;  // the family titles in menu order
  std::vector<std::string> famillesScript;  // the same, double quotes made blanks
  std::vector<BlocDynamique> blocs;   // one per family position written
  char sepurl = '-';
};

// Writes ftp/rech.css, ftp/menu_fleche.<ext>, ftp/menu_dyn_css.css, ftp/menu_dyn.js and
// ftp/menu_dyn_js.js, copies the images named, appends the menu to corps. Returns the class of
// the last family title written ("" when none). A file error goes on to the caller.
std::string menuDynamique(const EntreesMenuDynamique& e, const platform::DataFolder& donnees,
                          platform::LineList& corps);

// The style sheet of the menu.
platform::LineList feuilleMenuDynamique(const design::TStyleMenuDynamique& s);

// The extension of the arrow copy: after the first ".", trimmed, lower case; the whole name in
// lower case when it has no ".".
std::string extensionFleche(const std::string& fleche);

}  // namespace frame
