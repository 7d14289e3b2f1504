#include "fenetres/design/fenetre_meta_categories.h"

#include "fenetres/app/programme.h"
#include "fenetres/design/fond.h"
#include "fenetres/design/saisie_couleur.h"
#include "fenetres/design/style_principal.h"
#include "modele/app/categories_fichiers.h"
#include "modele/design/fond_categorie.h"
#include "platform/files.h"
#include "platform/text.h"

namespace design {

Tmetacat::Tmetacat(app::Programme& programme)
    : ui::Form(programme.application(), "Tmetacat", "metacat"), p_(programme) {
  setCaption("Meta description catégories");
  catL.sorted = true;
  memo.maxLength = static_cast<int>(kDescriptionCategorieMax);
  fondE.labelCaption = "Fond: ";
  onShow = [this] { FormShow(); };
  catL.onClick = [this] { catLClick(); };
  enrB.onClick = [this] { enrBClick(); };
  effaceB.onClick = [this] { effaceBClick(); };
  SpeedButton1.onClick = [this] { SpeedButton1Click(); };
  SpeedButton2.onClick = [this] { SpeedButton2Click(); };
  SpeedButton3.onClick = [this] { SpeedButton3Click(); };
  fermerB.onClick = [this] { close(); };
}

std::string Tmetacat::fichier(const char* extension) const {
  return "tmp/" + catL.selected() + extension;
}

// Only a name inside fonds/ is shown: a stored name may not reach out of the folder.
void Tmetacat::montrerImage(const std::string& nom) {
  if (!nom.empty() && platform::safeRelativePath(nom) && p_.donnees().exists("fonds/" + nom))
    cadre.loadPicture(p_.chemin("fonds/" + nom));
}

void Tmetacat::FormShow() {
  cadre.clearPicture();
  fond_cat.setCaption("Arrière-plan");
  const TstyleP& style = p_.styleP();
  fond_defaut.setCaption("Défaut: " + style.fond_page);
  image_defaut.setCaption("Défaut: " + style.image_page);
  fondE.setText("");
  imageE.setCaption("");
  std::vector<std::string> categories;
  for (const std::string& c : app::chargerListeCategories(p_.donnees()))
    if (!platform::trim(c).empty()) categories.push_back(platform::trim(c));
  platform::sortFrench(categories);
  catL.setItems(std::move(categories));
}

void Tmetacat::catLClick() {
  cadre.clearPicture();
  memo.clear();
  info.setCaption("");
  enrB.setEnabled(false);
  effaceB.setEnabled(false);
  fondE.setText("");
  imageE.setCaption("");
  fixe.setChecked(false);
  if (catL.itemIndex() < 0) return;
  const std::string nom = catL.selected();
  if (p_.donnees().exists(fichier(".fnd"))) {
    const TFondCategorie f = lireFondCategorie(platform::LineList::load(p_.chemin(fichier(".fnd"))));
    fondE.setText(f.fond_page);
    if (!f.fond_page.empty()) cadre.setColour(couleurUi(f.fond_page));
    imageE.setCaption(f.image_page);
    montrerImage(f.image_page);
    fixe.setChecked(f.fixe);
  }
  info.setCaption("Description pour la catégorie " + nom);
  fond_cat.setCaption("Arrière-plan " + nom);
  enrB.setEnabled(true);
  effaceB.setEnabled(true);
  if (p_.donnees().exists(fichier(".txt")))
    memo.setLines(platform::LineList::load(p_.chemin(fichier(".txt"))));
}

void Tmetacat::enrBClick() {
  if (catL.itemIndex() < 0) return;
  // The description is one meta line: no more than the memo lets the user type.
  platform::LineList description = memo.lines();
  if (memo.text().size() > kDescriptionCategorieMax)
    description = platform::LineList::fromText(memo.text().substr(0, kDescriptionCategorieMax));
  description.save(p_.chemin(fichier(".txt")));
  fondE.setText(platform::trim(fondE.text()));
  imageE.setCaption(platform::trim(imageE.caption()));
  lignesFondCategorie({fondE.text(), imageE.caption(), fixe.checked()})
      .save(p_.chemin(fichier(".fnd")));
  dialogs().showMessage("description " + catL.selected() + " enregistrée");
}

void Tmetacat::effaceBClick() {
  memo.clear();
  if (catL.itemIndex() >= 0 && p_.donnees().exists(fichier(".txt")))
    platform::removeFile(p_.chemin(fichier(".txt")));
}

// The chooser alone, without the typed colour of the other editors.
void Tmetacat::SpeedButton1Click() {
  const std::string couleur = platform::trim(fondE.text());
  if (!couleur.empty() && couleur[0] == '#') ColorDialog1.color = couleurUi(couleur);
  if (ColorDialog1.execute()) {
    cadre.clearPicture();
    cadre.setColour(ColorDialog1.color);
    fondE.setText(couleurEnTexte(ColorDialog1.color));
  }
  imageE.setCaption("");
}

void Tmetacat::SpeedButton2Click() {
  p_.fonds().appelantImage = "fondcat";
  p_.fonds().show();
}

void Tmetacat::SpeedButton3Click() {
  fondE.setText("");
  imageE.setCaption("");
  cadre.clearPicture();
  if (catL.itemIndex() < 0 || !p_.donnees().exists(fichier(".fnd"))) return;
  const std::filesystem::path chemin = p_.chemin(fichier(".fnd"));
  platform::removeFile(chemin);
  dialogs().showMessage(chemin.string() + " supprimé");
  enrB.setEnabled(false);
}

void Tmetacat::imageFondChoisie(const std::string& nom) {
  imageE.setCaption(nom);
  fondE.setText("");
  cadre.clearPicture();
  montrerImage(nom);
}

}  // namespace design
