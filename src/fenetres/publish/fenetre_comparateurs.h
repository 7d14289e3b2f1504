#pragma once
// The window `Tkelkoo2` ("Interface Comparateurs Kelkoo, Webmarchand..."): the sheets the feeds
// leave out, how titles and descriptions are composed, each product's preview and override, the
// comparators chosen; the build and upload start from here.

#include <string>

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace publish {

class Tkelkoo2 : public ui::Form {
 public:
  explicit Tkelkoo2(app::Programme& programme);

  ui::GroupBox refG{*this, "refG", "Décocher les références à enlever"};
  ui::CheckListBox refL{refG, "refL"};
  ui::Panel apercuP{*this, "apercuP"};
  ui::GroupBox titreG{apercuP, "titreG", "Titre"};
  ui::Edit titreE{titreG, "titreE"};
  ui::Button modiftB{titreG, "modiftB", "Modifier"};
  ui::Label Lhtm{apercuP, "Lhtm", "URL:"};
  ui::Label prixL{apercuP, "prixL", "Prix:"};
  ui::Label categoriex{apercuP, "categoriex", "Catégorie:"};
  ui::Edit KategorieL{apercuP, "KategorieL"};
  ui::Button modifC{apercuP, "modifC", "Modifier"};
  ui::GroupBox descriptionG{apercuP, "descriptionG", "Description"};
  ui::Memo memo{descriptionG, "memo"};
  ui::Button modifK{descriptionG, "modifK", "Modifier"};
  ui::Button iniB{apercuP, "iniB", "Défaut"};
  ui::Button initT{apercuP, "initT", "Toutes par défaut"};
  ui::CheckBox catC{apercuP, "catC", "Exclure la catégorie dans le titre"};
  ui::CheckBox themeC{apercuP, "themeC", "Exclure le thème dans la description"};
  ui::CheckBox themeTC{apercuP, "themeTC", "Inclure le thème dans le titre"};
  ui::CheckBox kelkooC{apercuP, "kelkooC", "Kelkoo"};
  ui::CheckBox webmarchandC{apercuP, "webmarchandC", "Webmarchand"};
  ui::CheckBox googleC{apercuP, "googleC", "Sitemap"};
  ui::CheckBox multiC{apercuP, "multiC", "Multi"};
  ui::Edit repE{apercuP, "repE"};
  ui::Button goftp{apercuP, "goftp", "Construire et transférer (ordinateur connecté)"};
  ui::Button fermerB{apercuP, "fermerB", "Fermer / Enregistrer"};
  ui::Button autresB{apercuP, "autresB", "AUTRES"};
  ui::Button BitBtn1{apercuP, "BitBtn1", "Initialise Sitemap"};
  ui::Gauge Gauge{apercuP, "Gauge"};
  ui::Panel messageB{apercuP, "messageB", "Enregistrement en cours..."};
  ui::Memo memoK{*this, "memoK"};
  ui::FileListBox listeKel{*this, "listeKel", "*.kel"};
  ui::FileListBox ListeCox{*this, "ListeCox", "*.cox"};

  void FormActivate();
  void FormClose();
  void voir();
  void sauvemodif();
  void ouvreK();
  void sauverK();
  void refLClick();
  void modiftBClick();
  void titreEKeyDown(int& key);
  void memoKeyDown(int& key);
  void iniBClick();
  void initTClick();
  void fermerBClick();
  void autresBClick();
  void BitBtn1Click();
  void goftpClick();

 private:
  bool construireFlux();
  void fusionnerFlux();
  bool envoyerFlux(std::string& resultat, std::string& raison);
  app::Programme& p_;
  bool aRemplir_ = true;  // the lists are refilled once per showing, not after each dialog
};

}  // namespace publish
