// Steps of the site frame generator whose pages come with later work: each is called in its
// place by faire_cadres and writes nothing until then (docs/ARCHITECTURE.md lists them). The top
// frame's steps are in page_top_cadres.cpp.

#include "app/fiche.h"
#include "app/programme.h"
#include "frame/menu_gauche.h"
#include "frame/voir_menu.h"

namespace frame {

void Tvoir_menu1::faire_bon_commande(ValeursCadres&) {}

}  // namespace frame
