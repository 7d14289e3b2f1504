#pragma once
// The site preview: rewrites the home page, the frame of the site and the conditions of sale,
// wraps the plain pages into the page frame in the single-page layout, and opens the site in the
// browser. Also the end of a whole-site build (Tmain::siteConstruit set to 1 before the call).

#include <functional>

#include "modele/frame/cadre_page.h"  // kPageSecurite

namespace app {
class Programme;
}

namespace frame {


// The writers the preview runs first, in this order.
struct EcrivainsApercu {
  std::function<void()> pageAccueil;  // Tfaire_accueil::accueilHTM
  std::function<void()> cadres;       // Tvoir_menu1::faire_cadres
  std::function<void()> conditions;   // Tfaire_cv1::faire_cv
};
EcrivainsApercu ecrivainsApercu(app::Programme& programme);

// Errors of the writers and of the wrappers go to the caller (platform::FileError, or
// ErreurEntier from the frame generator); nothing is opened then. siteConstruit is back to 0
// however the call ends.
void apercuSite(app::Programme& programme);
void apercuSite(app::Programme& programme, const EcrivainsApercu& ecrivains);

// ftp/cvf.htm, ftp/emploif.htm and ftp/securf.htm: the conditions of sale, the help page and the
// maker's security page inside the page frame. Throws platform::FileError.
void ecrireEnveloppes(app::Programme& programme);

}  // namespace frame
