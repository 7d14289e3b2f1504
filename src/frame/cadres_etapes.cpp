// Steps of the site frame generator whose pages come with later work: each is called in its
// place by faire_cadres and writes nothing until then (docs/ARCHITECTURE.md lists them).

#include "app/fiche.h"
#include "app/programme.h"
#include "frame/menu_gauche.h"
#include "frame/voir_menu.h"

namespace frame {

void Tvoir_menu1::faire_liste_rapide(ValeursCadres&) {}
// The help page comes with later work; the home link it leaves for the left menu is set now.
void Tvoir_menu1::faire_mode_emploi(ValeursCadres& v) {
  v.lienAccueil = lienAccueil(frames(), p_.main().accueilHTM);
}
void Tvoir_menu1::faire_menu_dynamique(ValeursCadres&) {}
void Tvoir_menu1::debut_top(ValeursCadres&) {}
void Tvoir_menu1::faire_boutons_top(ValeursCadres&) {}
void Tvoir_menu1::fin_top(ValeursCadres&) {}
void Tvoir_menu1::faire_index_page_unique(ValeursCadres&) {}
void Tvoir_menu1::faire_bon_commande(ValeursCadres&) {}
void Tvoir_menu1::ouvre_menudyn() {}

void adapterPagesImport(const platform::DataFolder&) {}

}  // namespace frame
