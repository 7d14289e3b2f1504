// The main window's Index tab: the meta data of the site's entry page (index.opt and its two
// list files), the key word editor with its character counter, and the box "Import" that puts
// the shop's own entry page in place of the generated one.

#include <algorithm>
#include <chrono>
#include <ctime>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "modele/infopages/moteur_mots.h"
#include "ui/services.h"

namespace app {

namespace {

struct CleIndex {
  const char* cle;
  ui::Edit Tmain::*edit;
};
constexpr CleIndex kCles[] = {{"titre", &Tmain::titreE},  {"creation", &Tmain::dateCE},
                              {"langue", &Tmain::langueE}, {"auteur", &Tmain::auteurE},
                              {"copy", &Tmain::copyE},     {"visite", &Tmain::visiteE},
                              {"categ", &Tmain::catE}};

// dd/mm/yy, as the date edits show it.
std::string dateDuJour(std::chrono::system_clock::time_point t) {
  const std::time_t secondes = std::chrono::system_clock::to_time_t(t);
  std::tm jour{};
  localtime_r(&secondes, &jour);
  char texte[16];
  std::strftime(texte, sizeof texte, "%d/%m/%y", &jour);
  return texte;
}

}  // namespace

void Tmain::lierIndex() {
  titreE.maxLength = 90;
  descriptionM.maxLength = 190;
  for (ui::Edit* date : {&dateCE, &dateRE}) date->setEditMask("!99/99/00;1;_");
  activerBoutonsMots(false);
  importC.onClick = [this] { importCClick(); };
  Bajout.onClick = [this] { ajouterMotIndex(); };
  motsE.onKeyDown = [this](int& key, ui::Shift) {
    if (key == ui::key::Enter) ajouterMotIndex();
  };
  panierR.onClick = [this] { panierRClick(); };
  monte.onClick = [this] { monteClick(); };
  descend.onClick = [this] { descendClick(); };
  motsL.onClick = [this] { motsLClick(); };
  BitBtn16.onClick = [this] { sauverIndex(); };
}

void Tmain::activerBoutonsMots(bool actifs) {
  for (ui::Button* b : {&monte, &descend, &panierR}) b->setEnabled(actifs);
}

void Tmain::ouvrirIndex() {
  const std::string aujourdhui = dateDuJour(p_.environment().clock.now());
  dateCE.setText(aujourdhui);
  dateRE.setText(aujourdhui);
  importC.setChecked(false);
  descriptionM.clear();
  motsL.clearItems();
  activerBoutonsMots(false);
  const platform::DataFolder& donnees = p_.donnees();
  if (donnees.exists("index.opt")) {
    const platform::LineList index = platform::LineList::load(donnees.path("index.opt"));
    for (const CleIndex& c : kCles)
      if (!index.value(c.cle).empty()) (this->*c.edit).setText(index.value(c.cle));
    // Ticking runs the import check, which may untick it again.
    if (index.value("import") == "oui") importC.setChecked(true);
  }
  if (donnees.exists("index_description.opt"))
    descriptionM.setLines(platform::LineList::load(donnees.path("index_description.opt")));
  if (donnees.exists("index_mots.opt"))
    motsL.setItems(platform::LineList::load(donnees.path("index_mots.opt")).lines());
  compterMotsIndex();
}

void Tmain::sauverIndex() {
  platform::LineList index;
  for (const CleIndex& c : kCles) index.add(std::string(c.cle) + "=" + (this->*c.edit).text());
  index.add(importC.checked() ? "import=oui" : "import=non");
  index.save(p_.chemin("index.opt"));
  descriptionM.lines().save(p_.chemin("index_description.opt"));
  platform::LineList(motsL.items()).save(p_.chemin("index_mots.opt"));
}

void Tmain::ajouterMotIndex() {
  const std::string mot = motsE.text();
  if (mot.empty()) {
    dialogs().showMessage("Aucun mot-clé à ajouter à la liste");
  } else if (std::ranges::find(motsL.items(), mot) != motsL.items().end()) {
    dialogs().showMessage("Mot-clé déjà inscrit");
  } else {
    std::vector<std::string> mots = motsL.items();
    mots.push_back(mot);
    motsL.setItems(std::move(mots));
    compterMotsIndex();
  }
  motsE.setText("");
  if (!motsL.items().empty()) activerBoutonsMots(true);
}

void Tmain::compterMotsIndex() {
  const size_t total = infopages::caracteresMotsCles(motsL.items());
  carL.setCaption(std::to_string(total) + (total < 2 ? " caractère " : " caractères"));
}

void Tmain::panierRClick() {
  const int i = motsL.itemIndex();
  if (i < 0) return;
  std::vector<std::string> mots = motsL.items();
  mots.erase(mots.begin() + i);
  motsL.setItems(std::move(mots));
  compterMotsIndex();
  if (motsL.items().empty())
    activerBoutonsMots(false);
  else
    motsL.setItemIndex(0);
}

void Tmain::monteClick() {
  const int i = motsL.itemIndex();
  if (i <= 0) return;
  std::vector<std::string> mots = motsL.items();
  std::swap(mots[i], mots[i - 1]);
  motsL.setItems(std::move(mots));
  motsL.setItemIndex(i - 1);
}

void Tmain::descendClick() {
  const int i = motsL.itemIndex();
  if (i < 0 || i + 1 >= static_cast<int>(motsL.items().size())) return;
  std::vector<std::string> mots = motsL.items();
  std::swap(mots[i], mots[i + 1]);
  motsL.setItems(std::move(mots));
  motsL.setItemIndex(i + 1);
}

void Tmain::motsLClick() {
  if (motsL.itemIndex() >= 0) activerBoutonsMots(true);
}

void Tmain::importCClick() {
  if (importC.checked() && !p_.donnees().exists("import/index.htm")) {
    dialogs().showMessage("Aucune page d'index à importer n'est présente dans le répertoire " +
                          p_.chemin("import/index.htm").string());
    importC.setChecked(false);  // comes back here unticked
    return;
  }
  // The shop's own entry page needs the frameset; without it the saved layout holds again.
  options.frames = importC.checked() ? "oui" : chargerOptionsDemarrage(p_.donnees()).frames;
}

}  // namespace app
