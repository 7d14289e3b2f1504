// The main window's page frame: see modele/frame/cadre_page.h.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "modele/frame/cadre_page.h"
#include "platform/lines.h"

#include <utility>

namespace app {

platform::LineList Tmain::ecrireCadrePage() {
  frame::EntreesCadrePage e;
  e.menu = p_.menu1().options;
  e.image_page = p_.styleP().image_page;
  e.esp_G = options.options.espacement(&app::TOptionsProgramme::esp_G);
  e.esp_M = options.options.espacement(&app::TOptionsProgramme::esp_M);
  e.esp_P = options.options.espacement(&app::TOptionsProgramme::esp_P);
  e.top = frame::pageTop(options.options.TOP_distant, p_.menu1().options.topHTM);
  // Each request serves one call: cadreSansMenu always goes, cadreAttributsContenu once the
  // content cell has taken it; a failed call drops both, so that no later page inherits them.
  e.cadreSansMenu = std::exchange(cadreSansMenu, {});
  e.cadreAttributsContenu = std::exchange(cadreAttributsContenu, {});
  platform::LineList cadre = frame::ecrireCadrePage(e, p_.donnees());
  if (!e.cadreSansMenu.empty()) cadreAttributsContenu = e.cadreAttributsContenu;
  skin.setLines(cadre);
  return cadre;
}

}  // namespace app
