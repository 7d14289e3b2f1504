#pragma once
// The shared page frame of the single-page layout (`TCadrePage`): ecrireCadrePage returns its
// lines (body, top banner, layout table, menu column, opened content cell). A page writer starts
// its page with "<HTML><HEAD>", its head lines and "</HEAD>", appends the frame, then its
// content, then "</td></tr></table>", what follows the frame and "</BODY></HTML>". The main
// window's `Tmain::ecrireCadrePage` gathers the inputs and keeps the frame in its memo skin. The
// pieces below serve the entry pages as well.

#include <string>
#include <string_view>

#include "modele/design/menu_options.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace frame {

// The maker's security page, framed by ftp/securf.htm with the shop's name in its query.
inline constexpr const char* kPageSecurite = "https://www.tarvio.fr/cgi/secur.php";
inline constexpr const char* kPageSecuriteAnglais = "https://www.tarvio.fr/cgi/securus.php";

// The top banner page: "top2.htm", "top.htm" when the shop has its own (topHTM "oui"), or the
// remote address TOP_distant when it is not empty after trimming; TOP_distant is stored back
// trimmed.
std::string pageTop(std::string& TOP_distant, std::string_view topHTM);

// The menu column: the whole number of largeur_menu (0 when it is not one) plus 30.
int largeurColonne(std::string_view largeur_menu);

// ALLOWTRANSPARENCY="true" when an inline frame's background image is the page's (two empty
// names are the same), else nothing.
std::string transparence(std::string_view image, std::string_view imagePage);

// A transparent spacer of the given height, ended by a line break.
std::string espaceur(std::string_view hauteur);

// What the frame reads besides the data folder.
struct EntreesCadrePage {
  design::TOptionsMenu menu;        // the menu options
  std::string image_page;           // the main settings' page background image
  std::string esp_G, esp_M, esp_P;  // program options: layout, menu and page spacings (pixels)
  std::string top;                  // pageTop
  // Requests of the page writer: stop after the layout table (no menu column, no content cell);
  // attributes of the content cell's tag.
  std::string cadreSansMenu;
  std::string cadreAttributsContenu;
};

// The frame's lines; writes ftp/body_top.txt (the body tag and the top banner). Reads menu.htm,
// menu_fin.txt and liste_recherche.ini for the drop-down menu. Throws platform::FileError.
platform::LineList ecrireCadrePage(const EntreesCadrePage& e,
                                   const platform::DataFolder& donnees);

}  // namespace frame
