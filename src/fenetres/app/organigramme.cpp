#include "fenetres/app/organigramme.h"

#include <utility>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "modele/app/categories_fichiers.h"
#include "modele/app/organigramme_fiches.h"
#include "modele/app/ref_gen.h"
#include "platform/files.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace app {

Torga::Torga(app::Programme& programme) : ui::Form(programme.application(), "Torga", "orga"), p_(programme) {
  setCaption("Organigramme et Tri des Fiches");
  disposer();
  tri_orga.hide();
  tri_ref.hide();
  label_tri_fiches.setEnabled(false);
  onShow = [this] { FormShow(); };
  onHide = [this] { FormHide(); };
  orga_catego.onClick = [this] { lireFamille(); };
  orga_themes.onClick = [this] { listerFiches(); };
  orga_fiches.onClick = [this] { orga_fichesClick(); };
  orga_fiches.onDblClick = [this] { orga_fichesDblClick(); };
  label_tri_fiches.onClick = [this] { label_tri_fichesClick(); };
  alpha_tri.onClick = [this] { alpha_triClick(); };
  haut_tri.onClick = [this] { haut_triClick(); };
  bas_tri.onClick = [this] { bas_triClick(); };
  ok_tri_fiches.onClick = [this] { ok_tri_fichesClick(); };
  annuler_tri.onClick = [this] { annuler_triClick(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  lierTouches();
}

// Three columns, the sorting buttons and the family below, the sorting group under them.
void Torga::disposer() {
  using ui::setSize;
  setBounds(left(), top(), 800, 600);  // room for the sorting group below
  for (ui::GroupBox* g : {&categoriesG, &themesG}) setSize(*g, 170);
  setSize(fichesG, 390);
  for (ui::ListBox* l : {&orga_catego, &orga_themes}) setSize(*l, 158, 230);
  setSize(orga_fiches, 378, 230);
  setSize(label_tri_fiches, 120);
  setSize(typeG, 200);
  setSize(famille, 180, ui::kLineHeight);
  setSize(auteurC, 120);
  setSize(BitBtn1, 100);
  setSize(tri_orga, 760);
  setSize(tri_fiches, 748, 170);
  for (ui::Button* b : {&alpha_tri, &haut_tri, &bas_tri, &ok_tri_fiches, &annuler_tri})
    setSize(*b, 90);
}

void Torga::lierTouches() {
  auto echap = [](std::function<void()> action) {
    return [action = std::move(action)](int& key, ui::Shift) {
      if (key == ui::key::Escape) action();
    };
  };
  onKeyDown = echap([this] { hide(); });
  for (ui::ListBox* l : {&orga_catego, &orga_themes, &orga_fiches})
    l->onKeyDown = echap([this] { close(); });
  tri_fiches.onKeyDown = echap([this] { tri_orga.hide(); });
  ok_tri_fiches.onKeyDown = tri_fiches.onKeyDown;
  label_tri_fiches.onKeyDown = tri_fiches.onKeyDown;
}

void Torga::FormShow() {
  orga_catego.clearItems();
  orga_themes.clearItems();
  orga_fiches.clearItems();
  fichesListees_.clear();
  if (!p_.donnees().exists("categories")) return;
  orga_catego.setItems(chargerListeCategories(p_.donnees()));
  orga_catego.setItemIndex(0);
  famille.setCaption(p_.main().famille.items().at(0));
  lireFamille();
}

void Torga::FormHide() {
  label_tri_fiches.setEnabled(false);
  tri_orga.hide();
}

void Torga::lireFamille() {
  if (orga_catego.itemIndex() < 0) return;
  // Only a family the radio group has changes the label; "famille=-1" or a stray text does not.
  if (auto f = chargerFamilleCategorie(p_.donnees(), orga_catego.selected()))
    famille.setCaption(p_.main().famille.items().at(*f));
  listerThemes();
}

void Torga::listerThemes() {
  orga_themes.clearItems();
  orga_fiches.clearItems();
  fichesListees_.clear();
  // The sorting lists belong to the theme listed before: nothing of it may be saved under another.
  tri_fiches.clearItems();
  tri_ref.clearItems();
  tri_orga.hide();
  label_tri_fiches.setEnabled(false);
  if (auto themes = chargerThemesCategorie(p_.donnees(), orga_catego.selected()))
    orga_themes.setItems(std::move(*themes));
}

std::string Torga::nomListe() const {
  return nomListeTheme(orga_catego.selected(), orga_themes.selected(),
                       p_.main().options.options.separateur());
}

void Torga::listerFiches() {
  label_tri_fiches.setEnabled(false);
  orga_fiches.clearItems();
  tri_fiches.clearItems();
  tri_ref.clearItems();
  fichesListees_.clear();
  if (orga_catego.itemIndex() < 0 || orga_themes.itemIndex() < 0) return;
  const platform::DataFolder& dossier = p_.donnees();
  const EntreesFichesTheme entrees{orga_catego.selected(), orga_themes.selected(),
                                   p_.main().options.options.separateur(), auteurC.checked()};

  auto existe = [&](const std::string& nom) {
    return platform::safeRelativePath(nom) && dossier.exists(nom);
  };
  auto renommer = [&](const std::string& ancien, const std::string& nouveau) {
    return platform::renameFile(dossier.path(ancien), dossier.path(nouveau));
  };
  if (auto erreur =
          adopterNomListeTheme(entrees.categorie, entrees.theme, entrees.sepurl, existe, renommer))
    dialogs().showMessage(*erreur);

  std::vector<std::string> libelles, tri;
  for (FicheTheme& f : listerFichesTheme(dossier, entrees, chargerRefGen(dossier))) {
    libelles.push_back(std::move(f.libelle));
    tri.push_back(std::move(f.tri));
    fichesListees_.push_back(std::move(f.fichier));
  }
  orga_fiches.setItems(std::move(libelles));
  tri_fiches.setItems(std::move(tri));
  tri_ref.setItems(fichesListees_);
  label_tri_fiches.setEnabled(orga_fiches.count() > 0);
}

void Torga::orga_fichesClick() {
  const int i = orga_fiches.itemIndex();
  if (i < 0 || i >= static_cast<int>(fichesListees_.size())) return;
  p_.main().ouvrirFicheListee(fichesListees_[i]);
}

void Torga::orga_fichesDblClick() {
  close();
  orga_fichesClick();
}

void Torga::label_tri_fichesClick() {
  tri_orga.show();
  tri_fiches.setItemIndex(0);
}

void Torga::deplacer(int pas) {
  const int i = tri_fiches.itemIndex();
  const int j = i + pas;
  if (i < 0 || j < 0 || j >= tri_fiches.count() || j >= tri_ref.count()) return;
  for (ui::ListBox* l : {&tri_fiches, &tri_ref}) {
    std::vector<std::string> lignes = l->items();
    std::swap(lignes[i], lignes[j]);
    l->setItems(std::move(lignes));
  }
  tri_fiches.setItemIndex(j);
}

void Torga::haut_triClick() { deplacer(-1); }
void Torga::bas_triClick() { deplacer(1); }

void Torga::alpha_triClick() {
  std::vector<std::string> tri = tri_fiches.items(), fichiers = tri_ref.items();
  if (tri.size() != fichiers.size()) {
    dialogs().showMessage("Une erreur s'est produite dans la réalisation du tri " +
                          std::to_string(fichiers.size()) + " " + std::to_string(tri.size()));
    return;
  }
  trierFichesAlpha(tri, fichiers);
  tri_fiches.setItems(std::move(tri));
  tri_ref.setItems(std::move(fichiers));
  tri_fiches.setItemIndex(0);
}

void Torga::ok_tri_fichesClick() {
  if (orga_catego.itemIndex() < 0 || orga_themes.itemIndex() < 0) return;
  const std::string nom = nomListe();
  if (!p_.donnees().exists(nom) && !nomThemeValide(p_.donnees(), nom)) {
    dialogs().showMessage(messageThemeRefuse);
    return;
  }
  sauverListeTheme(p_.donnees(), orga_catego.selected(), orga_themes.selected(),
                   p_.main().options.options.separateur(), tri_ref.items());
  tri_orga.hide();
  listerFiches();
}

void Torga::annuler_triClick() { tri_orga.hide(); }
void Torga::BitBtn1Click() { hide(); }

}  // namespace app
