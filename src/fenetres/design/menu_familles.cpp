// The family lists of the menu editor: the family titles in menu order (`familles`), the family
// number of each title (`famille_order`, written as fam0 to fam3) and the categories of the
// selected title (`fitems`).

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "modele/app/categories_fichiers.h"
#include "platform/files.h"
#include "platform/text.h"

#include <algorithm>

namespace design {

void Tmenu1::remplirFamilles() {
  familles.clearItems();
  numerosTitres.clear();
  for (auto& liste : categoriesFamille) liste.clear();
  // One family per category, read as the sheet reads it: a file with two lines files it once.
  for (const std::string& categorie : app::chargerListeCategories(p_.donnees())) {
    if (categorie.empty()) continue;
    auto n = app::chargerFamilleCategorie(p_.donnees(), categorie);
    if (n && *n >= 0 && *n <= 3) categoriesFamille[static_cast<size_t>(*n)].push_back(categorie);
  }
  const std::vector<std::string>& titres = p_.main().famille.items();
  for (int n = 0; n < 4; ++n) {
    if (categoriesFamille[static_cast<size_t>(n)].empty()) continue;
    familles.addItem(n < static_cast<int>(titres.size()) ? titres[static_cast<size_t>(n)] : "");
    numerosTitres.push_back(n);
  }
}

// Each title keeps its family number, so two families with the same name stay two entries.
int Tmenu1::familleDuTitre(int position) const {
  if (position < 0 || position >= familles.count()) return 0;
  if (static_cast<size_t>(position) < numerosTitres.size() &&
      numerosTitres.size() == static_cast<size_t>(familles.count()))
    return numerosTitres[static_cast<size_t>(position)];
  int trouvee = 0;
  const std::vector<std::string>& titres = p_.main().famille.items();
  for (int n = 0; n < 4 && n < static_cast<int>(titres.size()); ++n)
    if (titres[static_cast<size_t>(n)] == familles.items()[static_cast<size_t>(position)])
      trouvee = n;
  return trouvee;
}

void Tmenu1::afficherFamilles() {
  if (familles.count() == 0) {
    const std::vector<std::string>& titres = p_.main().famille.items();
    if (titres.empty()) {
      famille_order.clearItems();
      return;
    }
    familles.addItem(titres.front());
    numerosTitres.assign(1, 0);
  }
  std::vector<std::string> ordre;
  for (int p = 0; p < 4 && p < familles.count(); ++p)
    ordre.push_back(std::to_string(familleDuTitre(p)));
  famille_order.setItems(std::move(ordre));
}

// The saved order (fam0 to fam3) places the families that hold categories; a family it names
// that has none left, or names twice, is dropped, and a family it does not name follows in its
// own order, so every category stays in the menu.
void Tmenu1::chargerFamillesMenu() {
  // Asked before the lists are filled again: a dropped move is undone on the lines it was made on.
  proposerEnregistrement();
  remplirFamilles();
  if (!chargerMenu()) return;
  if (!options.fam[0].empty()) {
    p_.main().libellesFamille();
    const std::vector<std::string>& titres = p_.main().famille.items();
    std::vector<int> ordre;
    auto placer = [&](int n) {
      if (categoriesFamille[static_cast<size_t>(n)].empty() ||
          std::find(ordre.begin(), ordre.end(), n) != ordre.end())
        return;
      ordre.push_back(n);
    };
    for (const std::string& entree : options.fam) {
      if (entree.empty()) break;
      auto n = platform::toInteger(entree);
      if (n && *n >= 0 && *n <= 3) placer(static_cast<int>(*n));
    }
    for (int n = 0; n < 4; ++n) placer(n);
    std::vector<std::string> lignes;
    for (int n : ordre)
      lignes.push_back(static_cast<size_t>(n) < titres.size() ? titres[static_cast<size_t>(n)] : "");
    familles.setItems(std::move(lignes));
    numerosTitres = std::move(ordre);
  }
  afficherFamilles();
  if (familles.count() > 0) {
    if (familles.itemIndex() < 0) familles.setItemIndex(0);
    nfam.setCaption(familles.selected());
  }
}

void Tmenu1::remplirItems() {
  const int n = familles.itemIndex() < 0 ? 0 : familleDuTitre(familles.itemIndex());
  fitems.setItems(categoriesFamille[static_cast<size_t>(n)]);
}

void Tmenu1::deplacerTitre(int vers) {
  const int i = familles.itemIndex();
  const int j = i + vers;
  if (i < 0 || j < 0 || j >= familles.count()) return;
  echangerTitres(i, j);
  deplacements_.emplace_back(i, j);
  afficherFamilles();
}

// The selection stays on the family it was on.
void Tmenu1::echangerTitres(int a, int b) {
  std::vector<std::string> lignes = familles.items();
  std::swap(lignes[static_cast<size_t>(a)], lignes[static_cast<size_t>(b)]);
  if (numerosTitres.size() == lignes.size())
    std::swap(numerosTitres[static_cast<size_t>(a)], numerosTitres[static_cast<size_t>(b)]);
  const int choisie = familles.itemIndex();
  familles.setItems(std::move(lignes));
  familles.setItemIndex(choisie == a ? b : choisie == b ? a : choisie);
  echangerImagesFamilles(a, b);
}

// The GIFs moved on disc at the click: a move the user does not keep puts them back.
void Tmenu1::abandonnerDeplacements() {
  if (deplacements_.empty()) return;
  for (auto d = deplacements_.rbegin(); d != deplacements_.rend(); ++d)
    echangerTitres(d->second, d->first);
  deplacements_.clear();
  afficherFamilles();
}

// The image settings and their GIFs are filed by the family's place in the list, so they go where
// the family goes; the files are swapped through a third name (renames never replace).
void Tmenu1::echangerImagesFamilles(int a, int b) {
  const size_t A = static_cast<size_t>(a), B = static_cast<size_t>(b);
  for (const CleParFamille& c : clesParFamille()) std::swap((options.*c.champ)[A], (options.*c.champ)[B]);
  for (const CleParCategorie& c : clesParCategorie()) std::swap((options.*c.champ)[A], (options.*c.champ)[B]);
  std::vector<std::string> suffixes = {".gif"};
  for (int i = 0; i < kCategoriesParFamille; ++i) suffixes.push_back("-" + std::to_string(i) + ".gif");
  const auto& donnees = p_.donnees();
  auto renommer = [&](const std::string& de, const std::string& vers) {
    if (donnees.exists(de) && !platform::renameFile(donnees.path(de), donnees.root() / vers))
      throw platform::FileError("Impossible de renommer " + de + " en " + vers);
  };
  for (const std::string& suffixe : suffixes)
    for (const char* prefixe : {"btout", "btover", "pout", "pover", "bas"}) {
      const std::string x = prefixe + std::to_string(a) + suffixe;
      const std::string y = prefixe + std::to_string(b) + suffixe;
      const std::string tiers = "echange-" + x;
      renommer(x, tiers);
      renommer(y, x);
      renommer(tiers, y);
    }
}

void Tmenu1::hautClick() { deplacerTitre(-1); }
void Tmenu1::basClick() { deplacerTitre(1); }

void Tmenu1::famillesClick() {
  nfam.setCaption(familles.selected());
  remplirItems();
  elementCourant = "Menu - Titres";
  style.setItemIndex(style.indexOf(elementCourant));
  if (fitems.count() > 0) fitems.setItemIndex(0);
  fam.setCaption(fitems.selected());
  over_texte.setCaption(fam.caption());
  appli_menu.setItemIndex(1);
  const int p = familles.itemIndex();
  const std::string image =
      p >= 0 && p < 4 ? options.image_menu_titre[static_cast<size_t>(p)] : std::string();
  imageT.setItemIndex(image == "bouton" ? 1 : image == "puce" ? 2 : 0);
  afficherMenu();
  choisirImagesItems();
}

}  // namespace design
