#pragma once
// The last stage of the left menu: the style sheet ftp/menucss.css, the script ftp/menujs.js,
// the menu page ftp/menu2.htm, and the working copies menu.htm (menu body) and menu_fin.txt
// (menu end) that the single-page layout pastes into its pages.

#include <string>

#include "modele/frame/menu_gauche.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace frame {

// Closes the lists, then writes the five files. Throws platform::FileError.
void fichiersMenu(const EntreesMenuGauche& e, const platform::DataFolder& donnees,
                  EtatMenuGauche& m);

// The style flags as CSS declarations, weight, underline, italic: "oui" gives the property,
// "non" its negation ("FONT-WEIGHT: normal; "), any other value nothing.
std::string drapeauxCss(const std::string& gras, const std::string& souligne,
                        const std::string& italique);

// The declarations of the classes .t1 (drop-down lists) and .rech (search field).
std::string declarationsListes(const design::TOptionsMenu& o);
std::string declarationsRecherche(const design::TOptionsMenu& o);

// The script of every drop-down list of links: charge_URL(formName,popupName,target).
const platform::LineList& scriptListes();

}  // namespace frame
