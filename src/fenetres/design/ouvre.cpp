#include "fenetres/design/ouvre.h"

#include "fenetres/app/programme.h"
#include "fenetres/design/style.h"
#include "modele/design/style_fiche.h"

namespace design {

TForm2::TForm2(app::Programme& programme)
    : ui::Form(programme.application(), "TForm2", "Form2"), p_(programme) {}

void TForm2::chargerStyleFiche(bool editeur_) {
  const bool imposer = editeur_;
  TForm1& editeur = p_.Form1();
  editeur.quantiteB.setChecked(false);
  design::chargerStyleFiche(
      editeur.style, p_.donnees(),
      {editeur.themeStyle, editeur.referenceStyle, imposer ? editeur.themeImpose : std::string(),
       editeur.fichierModele});
}

}  // namespace design
