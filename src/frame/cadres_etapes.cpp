// Steps of the site frame generator whose pages come with later work: each is called in its
// place by faire_cadres and writes nothing until then (docs/ARCHITECTURE.md lists them).

#include "app/fiche.h"
#include "app/programme.h"
#include "frame/menu_gauche.h"
#include "frame/voir_menu.h"

namespace frame {

void Tvoir_menu1::faire_menu_dynamique(ValeursCadres&) {}
void Tvoir_menu1::debut_top(ValeursCadres&) {}
void Tvoir_menu1::faire_boutons_top(ValeursCadres&) {}
void Tvoir_menu1::fin_top(ValeursCadres&) {}
void Tvoir_menu1::faire_bon_commande(ValeursCadres&) {}
void Tvoir_menu1::ouvre_menudyn() {}

}  // namespace frame
