#include "design/style.h"

#include "app/fiche.h"
#include "app/programme.h"

namespace design {

TForm1::TForm1(app::Programme& programme)
    : ui::Form(programme.application(), "TForm1", "Form1"), p_(programme) {
  panelOver = &p_.main().PageControl1;
  appli.setItems({"Thème", "Fiche seule", "Défaut", "Toutes"});
  SaveModele.options.defaultExt = "mdl";
}

void TForm1::elements() { coins = coinsStyleFiche(style); }

bool TForm1::sauverStyleFiche() {
  const int index = appli.itemIndex();
  // Without a chosen scope the save is the plain one of the name in force: nothing is deleted.
  const Portee portee = index >= 0 && index <= 3 ? static_cast<Portee>(index) : Portee::FicheSeule;
  if (portee == Portee::Toutes) nomCadre = "defaut";
  elements();
  style.quantite_style = quantiteB.checked() ? "oui" : "";
  if (jcimage.checked())
    style.type_prix = "image";
  else if (jcsoumission.checked())
    style.type_prix = "soumission";
  else if (jctexte.checked())
    style.type_prix = "texte";
  SauvegardeStyle sauvegarde{portee, referenceStyle, nomCadre,
                             sauverModele ? SaveModele.fileName : std::filesystem::path(),
                             p_.main().options.options.separateur()};
  try {
    design::sauverStyleFiche(style, p_.donnees(), sauvegarde);
  } catch (const platform::FileError& e) {
    reportError(e);
    return false;
  }
  return true;
}

}  // namespace design
