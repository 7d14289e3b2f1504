#include "fenetres/infopages/motsmoteur.h"

#include <algorithm>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "modele/infopages/moteur_mots.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace infopages {

namespace {

void ajouterTrie(ui::ListBox& liste, std::string item) {
  std::vector<std::string> items = liste.items();
  items.push_back(std::move(item));
  platform::sortFrench(items);
  liste.setItems(std::move(items));
}

}  // namespace

Tmoteur::Tmoteur(app::Programme& programme) : ui::Form(programme.application(), "Tmoteur", "moteur"), p_(programme) {
  setCaption("Moteur de recherche interne Mots à ajouter");
  using ui::setSize;
  setBounds(left(), top(), 520, 420);
  setSize(monhtm, 230);
  setSize(maliste, 215, 300);
  setSize(ajoutG, 260);
  setSize(motsE, 150);
  setSize(poids, 50);
  setSize(motsL, 245, 240);
  maliste.sorted = motsL.sorted = true;
  poids.dropDownList = true;
  poids.setItems({"1", "2", "3"});
  panierR.setEnabled(false);
  Gauge.hide();
  onShow = [this] { FormShow(); };
  Bajout.onClick = [this] { ajout_mots(); };
  motsE.onKeyDown = [this](int& key, ui::Shift) {
    if (key == ui::key::Enter) ajout_mots();
  };
  panierR.onClick = [this] { panierRClick(); };
  Button2.onClick = [this] { Button2Click(); };
  Button3.onClick = [this] { motsL.clearItems(); };
  BitBtn1.onClick = [this] { dialogs().showMessage("Mot très important = 3"); };
  Button1.onClick = [this] { close(); };
}

void Tmoteur::FormShow() {
  maliste.clearItems();
  motsL.clearItems();
  poids.setItemIndex(0);
  monhtm.setCaption(p_.main().Lhtm.caption());
  const platform::DataFolder& donnees = p_.donnees();
  if (donnees.exists("mots.bdd")) {
    const platform::LineList base = platform::LineList::load(donnees.path("mots.bdd"));
    Gauge.setRange(0, static_cast<int>(base.size()));
    Gauge.show();
    std::vector<std::string> mots = motsDeLaPage(base, monhtm.caption());
    platform::sortFrench(mots);
    maliste.setItems(std::move(mots));
  }
  const std::string ajm = fichierMotsPage(monhtm.caption());
  if (platform::safeRelativePath(ajm) && donnees.exists(ajm)) {
    std::vector<std::string> mots = platform::LineList::load(donnees.path(ajm)).lines();
    platform::sortFrench(mots);
    motsL.setItems(std::move(mots));
    if (!motsL.items().empty()) panierR.setEnabled(true);
  }
  Gauge.hide();
}

void Tmoteur::ajout_mots() {
  if (motsE.text().empty()) {
    dialogs().showMessage("Aucun mot à ajouter à la liste");
    return;
  }
  motsE.setText(motRetenu(motsE.text()));
  const std::string mot = platform::trim(motsE.text());
  if (mot.empty()) {
    dialogs().showMessage("Mot trop court ou non accepté");
    return;
  }
  const bool ajoute = std::ranges::any_of(motsL.items(), [&](const std::string& item) {
    return item.substr(0, item.find('<')) == motsE.text();
  });
  const bool base = std::ranges::find(maliste.items(), motsE.text()) != maliste.items().end();
  if (ajoute || base)
    dialogs().showMessage("Mot-clé déjà inscrit");
  else
    ajouterTrie(motsL, motsE.text() + "<" + std::to_string(poids.itemIndex() + 1) + ">");
  motsE.setText("");
  if (!motsL.items().empty()) panierR.setEnabled(true);
}

void Tmoteur::panierRClick() {
  const int i = motsL.itemIndex();
  if (i < 0) return;
  std::vector<std::string> mots = motsL.items();
  mots.erase(mots.begin() + i);
  motsL.setItems(std::move(mots));
  if (motsL.items().empty())
    panierR.setEnabled(false);
  else
    motsL.setItemIndex(0);
}

void Tmoteur::Button2Click() {
  if (motsL.items().empty()) {
    dialogs().showMessage("Aucun mot dans la liste");
    return;
  }
  const std::string page = monhtm.caption();
  const std::string ajm = fichierMotsPage(page);
  // The page label always names a generated page; anything else is said, not ignored.
  if (page.find('.') == std::string::npos || !platform::safeRelativePath(ajm)) {
    dialogs().showMessage("Aucune page pour ces mots : " + page);
    return;
  }
  platform::LineList(motsL.items()).save(p_.chemin(ajm));
  close();
}

}  // namespace infopages
