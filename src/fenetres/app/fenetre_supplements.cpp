#include "fenetres/app/fenetre_supplements.h"

namespace app {

Tsupp::Tsupp(app::Programme& programme)
    : EditeurListePrix(programme, {.classe = "Tsupp",
                                   .unite = "supp",
                                   .titre = "Supplement Prix Supp.",
                                   .extension = ".sup",
                                   .modele = "Type de Cordage=prix supp.",
                                   .note = "",
                                   .question =
                                       "Enregistrer les modifications des suppléments ?"}) {}

}  // namespace app
