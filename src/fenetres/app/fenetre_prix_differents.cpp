#include "fenetres/app/fenetre_prix_differents.h"

namespace app {

Tprixdiff::Tprixdiff(app::Programme& programme)
    : EditeurListePrix(programme, {.classe = "Tprixdiff",
                                   .unite = "prixdiff",
                                   .titre = "Prix différents",
                                   .extension = ".dif",
                                   .modele = "Modele A=prix ",
                                   .note = "Fonctionne avec bouton de commande à droite",
                                   .question =
                                       "Enregistrer les modifications des prix différents ?"}) {}

}  // namespace app
