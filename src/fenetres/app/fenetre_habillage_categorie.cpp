#include "fenetres/app/fenetre_habillage_categorie.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "modele/app/annexes_fiche.h"
#include "modele/app/texte_prix.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace app {

Tcategotxt::Tcategotxt(app::Programme& programme)
    : ui::Form(programme.application(), "Tcategotxt", "categotxt"), p_(programme) {
  setCaption("Habillage categorie");
  disposer();
  onActivate = [this] { FormActivate(); };
  categoL.onClick = [this] { categoLClick(); };
  enrGB.onClick = [this] { enrGBClick(); };
  enrDB.onClick = [this] { enrDBClick(); };
  effacerGB.onClick = [this] { effacerGBClick(); };
  effacerDB.onClick = [this] { effacerDBClick(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
}

// The category list above, its file name, then the two texts side by side.
void Tcategotxt::disposer() {
  using ui::setSize;
  setBounds(left(), top(), 640, height());
  setSize(categoL, 620, 120);
  setSize(categL, 620, ui::kLineHeight);
  for (ui::GroupBox* g : {&gaucheG, &droiteG}) setSize(*g, 300);
  for (ui::Memo* m : {&memoG, &memoD}) setSize(*m, 288, 220);
  for (ui::Button* b : {&enrGB, &enrDB}) setSize(*b, 150);
  for (ui::Button* b : {&effacerGB, &effacerDB}) setSize(*b, 100);
  setSize(BitBtn1, 100);
}

void Tcategotxt::FormActivate() {
  // The list is read again each time; a category still listed stays chosen with the texts being
  // typed, so that a look at another window loses nothing.
  const std::string choisie = categoL.itemIndex() >= 0 ? categoL.selected() : std::string();
  categoL.clearItems();
  const auto& dossier = p_.donnees();
  if (dossier.exists("categories"))
    for (const std::string& ligne : platform::LineList::load(dossier.path("categories"))) {
      std::string categorie = platform::trim(ligne);
      if (!categorie.empty()) categoL.addItem(std::move(categorie));
    }
  const int index = choisie.empty() ? -1 : categoL.indexOf(choisie);
  categoL.setItemIndex(index);
  if (index < 0) {
    categL.setCaption("");
    memoG.clear();
    memoD.clear();
  }
}

std::string Tcategotxt::nomChoisi() {
  if (categoL.itemIndex() < 0) return "";
  std::string nom = nomURL(categoL.selected(), p_.main().options.options.separateur());
  categL.setCaption(nom);
  return nom;
}

void Tcategotxt::categoLClick() {
  memoG.clear();
  memoD.clear();
  const std::string nom = nomChoisi();
  if (nom.empty()) return;
  memoG.setLines(chargerAnnexe(p_.donnees(), fichierHabillageGauche(nom)));
  memoD.setLines(chargerAnnexe(p_.donnees(), fichierHabillageDroite(nom)));
}

void Tcategotxt::enregistrer(ui::Memo& memo, std::string (*fichier)(std::string_view)) {
  const std::string nom = nomChoisi();
  if (nom.empty()) return;
  dialogs().showMessage(sauverHabillage(p_.donnees(), fichier(nom), memo.lines()));
}

void Tcategotxt::enrGBClick() { enregistrer(memoG, fichierHabillageGauche); }
void Tcategotxt::enrDBClick() { enregistrer(memoD, fichierHabillageDroite); }
void Tcategotxt::effacerGBClick() { memoG.clear(); }
void Tcategotxt::effacerDBClick() { memoD.clear(); }
void Tcategotxt::BitBtn1Click() { close(); }

}  // namespace app
