#include "fenetres/infopages/fairecv.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/accent.h"
#include "fenetres/infopages/cvente.h"

namespace infopages {

Tfaire_cv1::Tfaire_cv1(app::Programme& programme)
    : ui::Form(programme.application(), "Tfaire_cv1", "faire_cv1"), p_(programme) {}

EntreesPageConditions Tfaire_cv1::entrees() const {
  const Tcvente1& cv = p_.cvente1();
  const design::TstyleP& style = p_.styleP();
  const app::TOptionsProgramme& programme = p_.main().options.options;
  return {cv.options.cvHTM,        cv.options.cvente_titre_color, cv.options.cvente_texte_color,
          cv.listeRubriques(),     programme.police_defaut,       style.fond_page,
          style.image_page,        style.fixe_page,               programme.separateur()};
}

void Tfaire_cv1::faire_cv() {
  ecrireConditions(entrees(), p_.donnees(), [this] {
    frame::Taccents1& accents = p_.accents1();
    accents.fichierEntree = "cv2.htm";
    accents.fichierSortie = "cv.htm";
    accents.convertirAccents();
  });
}

}  // namespace infopages
