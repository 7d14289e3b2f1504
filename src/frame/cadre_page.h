#pragma once
// The shared page frame of the single-page layout (`TCadrePage`): `Tmain::ecrireCadrePage` builds
// it into the main window's memo skin. A page writer starts its page with "<HTML><HEAD>", its head
// lines and "</HEAD>", sets cadreSansMenu or cadreAttributsContenu when it needs them, calls
// ecrireCadrePage, appends the lines of skin, then its content, then "</td></tr></table>", what
// follows the frame and "</BODY></HTML>". The pieces below serve the entry pages as well.

#include <string>
#include <string_view>

namespace app {
class Programme;
}

namespace frame {

// The top banner page: "top2.htm", "top.htm" when the shop has its own, or the remote address
// TOP_distant when it is not empty after trimming; TOP_distant is stored back trimmed.
std::string pageTop(app::Programme& programme);

// The menu column: the whole number of largeur_menu (0 when it is not one) plus 30.
int largeurColonne(std::string_view largeur_menu);

// ALLOWTRANSPARENCY="true" when an inline frame's background image is the page's (two empty
// names are the same), else nothing.
std::string transparence(std::string_view image, std::string_view imagePage);

// A transparent spacer of the given height, ended by a line break.
std::string espaceur(std::string_view hauteur);

}  // namespace frame
