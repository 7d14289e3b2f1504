#include "fenetres/app/livre.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "modele/app/ref_gen.h"
#include "platform/text.h"
#include "ui/layout.h"

namespace app {

Tlivre1::Tlivre1(app::Programme& programme)
    : ui::Form(programme.application(), "Tlivre1", "livre1"), p_(programme) {
  setCaption("Liste des Produits");
  setBounds(left(), top(), 420, height());
  ui::setSize(nombre, 400, ui::kLineHeight);
  ui::setSize(liste, 400, 400);
  ui::setSize(BitBtn1, 100);
  Tligne.hide();
  onShow = [this] { FormShow(); };
  liste.onClick = [this] { listeClick(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  auto echap = [this](int& key, ui::Shift) {
    if (key == ui::key::Escape) hide();
  };
  onKeyDown = echap;
  liste.onKeyDown = echap;
}

void Tlivre1::FormShow() {
  Tligne.clearItems();
  liste.clearItems();
  const platform::DataFolder& dossier = p_.donnees();
  if (!dossier.exists("ref.gen")) return;
  const platform::LineList lignes = platform::LineList::load(dossier.path("ref.gen"));
  if (lignes.size() > 0)
    nombre.setCaption("Nombre total de références : " + std::to_string(lignes.size()));
  std::vector<std::string> entrees;
  for (const std::string& ligne : lignes) {
    auto entree = lireEntreeRefGen(ligne);
    if (entree && !entree->titre.empty())
      entrees.push_back(entree->titre + "#" + entree->reference + ".ref");
  }
  platform::sortFrench(entrees);
  std::vector<std::string> titres;
  titres.reserve(entrees.size());
  for (const std::string& e : entrees) titres.push_back(e.substr(0, e.find('#')));
  Tligne.setItems(std::move(entrees));
  liste.setItems(std::move(titres));
}

void Tlivre1::listeClick() {
  const int i = liste.itemIndex();
  if (i < 0 || i >= Tligne.count()) return;
  const std::string& entree = Tligne.items()[i];
  p_.main().ouvrirFicheListee(entree.substr(entree.find('#') + 1));
}

void Tlivre1::BitBtn1Click() { hide(); }

}  // namespace app
