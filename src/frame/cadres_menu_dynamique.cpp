// The drop-down menu's style as the frame generator and the style dialog read it.

#include "app/fiche.h"
#include "app/programme.h"
#include "design/menu.h"
#include "design/menu_dynamique.h"
#include "design/stylemdyn1.h"
#include "frame/voir_menu.h"

namespace frame {

// The record lives with its dialog; the menu options must be loaded already.
void Tvoir_menu1::ouvre_menudyn() {
  design::chargerMenuDynamique(p_.styleMDyn().style, p_.chemin("menudyn.inf"), p_.menu1().options,
                               p_.main().options.options.marges_mg);
}

}  // namespace frame
