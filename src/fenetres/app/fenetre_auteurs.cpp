#include "fenetres/app/fenetre_auteurs.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_set>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "modele/app/categories_fichiers.h"
#include "modele/app/ref_gen.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace app {

Tauteurs::Tauteurs(app::Programme& programme)
    : ui::Form(programme.application(), "Tauteurs", "auteurs"), p_(programme) {
  disposer();
  liste_gen.hide();
  liste_ref.hide();
  liste_auteurs.onClick = [this] { liste_auteursClick(); };
  liste_titres.onClick = [this] { liste_titresClick(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  auto echap = [this](int& key, ui::Shift) {
    if (key == ui::key::Escape) close();
  };
  onKeyDown = echap;
  liste_auteurs.onKeyDown = echap;
  liste_titres.onKeyDown = echap;
}

void Tauteurs::disposer() {
  using ui::setSize;
  setBounds(left(), top(), 560, height());
  setSize(nomA, 540, ui::kLineHeight);
  setSize(liste_auteurs, 200, 360);
  setSize(titresL, 60, ui::kLineHeight);
  setSize(liste_titres, 270, 360);
  setSize(BitBtn1, 100);
}

void Tauteurs::ouvrir() {
  const bool interpretes = p_.main().modeAuteurs == "2";
  nomA.setCaption("Liste " + (interpretes ? p_.styleP().chanteur.text() : p_.styleP().auteur.text()));
  chargerAuteurs();
  if (liste_auteurs.count() == 0) {
    close();
    dialogs().warning("Aucun élément n'a été trouvé");
    return;
  }
  show();
  setBounds(left(), 11, width(), height());
  std::vector<std::string> auteurs = liste_auteurs.items();
  platform::sortFrench(auteurs);
  liste_auteurs.setItems(std::move(auteurs));
  liste_auteurs.setItemIndex(0);
  listerTitres();
  liste_titres.setItemIndex(0);
  chargerTitre();
}

void Tauteurs::chargerAuteurs() {
  liste_auteurs.clearItems();
  liste_gen.clearItems();
  const platform::DataFolder& dossier = p_.donnees();
  if (!dossier.exists("ref.gen")) return;
  const platform::LineList lignes = platform::LineList::load(dossier.path("ref.gen"));
  const std::string& mode = p_.main().modeAuteurs;
  const int premiere = mode == "1" ? 0 : mode == "2" ? 2 : -1;  // the mode's two families
  std::map<std::string, std::optional<int>> familles;  // each family file read once per load
  std::unordered_set<std::string> vus;
  std::vector<std::string> gardees, auteurs;
  const std::string total = std::to_string(lignes.size());
  for (size_t n = 0; n < lignes.size(); ++n) {
    p_.main().stats.setPanelText(
        2, "Traitement de " + std::to_string(n + 1) + " sur " + total + " fiches");
    const std::string& ligne = lignes[n];
    if (std::count(ligne.begin(), ligne.end(), '#') < 2) continue;
    const TEntreeRefGen entree = *lireEntreeRefGen(ligne);
    const std::string categorie = platform::trim(entree.categorie);
    auto [place, nouvelle] = familles.try_emplace(categorie);
    if (nouvelle) place->second = chargerFamilleCategorie(dossier, categorie);
    const std::optional<int> f = place->second;
    if (!f || (*f != premiere && *f != premiere + 1) || entree.auteur.empty()) continue;
    gardees.push_back(ligne);
    if (vus.insert(entree.auteur).second) auteurs.push_back(entree.auteur);
  }
  liste_gen.setItems(std::move(gardees));
  liste_auteurs.setItems(std::move(auteurs));
}

void Tauteurs::listerTitres() {
  liste_titres.clearItems();
  liste_ref.clearItems();
  const std::string choisi = platform::lowerAscii(platform::trim(liste_auteurs.selected()));
  std::vector<std::string> titres, fichiers;
  for (const std::string& ligne : liste_gen.items()) {
    auto entree = lireEntreeRefGen(ligne);
    if (!entree || platform::lowerAscii(platform::trim(entree->auteur)) != choisi) continue;
    titres.push_back(entree->titre);
    fichiers.push_back(entree->reference + ".ref");
  }
  liste_titres.setItems(std::move(titres));
  liste_ref.setItems(std::move(fichiers));
}

void Tauteurs::chargerTitre() {
  const int i = liste_titres.itemIndex();
  if (i < 0 || i >= liste_ref.count()) return;
  p_.main().ouvrirFicheListee(liste_ref.items()[i]);
}

void Tauteurs::liste_auteursClick() {
  listerTitres();
  liste_titres.setItemIndex(0);
  chargerTitre();
}

void Tauteurs::liste_titresClick() { chargerTitre(); }
void Tauteurs::BitBtn1Click() { close(); }

}  // namespace app
