#pragma once
// The window `TprixF`: price changes and promotions, one entry per orderable reference.

#include <string>
#include <vector>

#include "modele/app/promotions.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class TprixF : public ui::Form {
 public:
  explicit TprixF(app::Programme& programme);

  ui::CheckListBox listeB{*this, "listeB"};
  ui::GroupBox article{*this, "article", "Article"};
  ui::Label categorieL{article, "categorieL"};
  ui::Label themeL{article, "themeL"};
  ui::Label ref{article, "ref"};
  ui::Label refcomm{article, "refcomm"};
  ui::Label titre{article, "titre"};
  ui::Edit prixini{article, "prixini"};
  ui::Button mBT{article, "mBT", "OK"};
  ui::Label remise{article, "remise"};
  ui::Label prixpromoL{article, "prixpromoL"};
  ui::Label okL{article, "okL"};
  ui::GroupBox tauxG{*this, "tauxG",
                     "Taux à appliquer (mettre le signe moins pour un prix en baisse)"};
  ui::Edit tauxE{tauxG, "tauxE", "0"};
  ui::Edit calcT{tauxG, "calcT"};
  ui::Button BitBtn1{tauxG, "BitBtn1", "Appliquer"};
  ui::Button BitBtn2{tauxG, "BitBtn2", "Initialiser"};
  ui::Button BitBtn3{tauxG, "BitBtn3", "Tous"};
  ui::Button BitBtn4{tauxG, "BitBtn4", "Aucune"};
  ui::Button selection{tauxG, "selection", "Thème"};
  ui::Button BitBtn7{tauxG, "BitBtn7", "Définitif"};
  ui::Button BitBtn9{tauxG, "BitBtn9", "Supprime promo"};
  ui::Button BitBtn5{tauxG, "BitBtn5", "Fermer"};
  ui::Gauge Gauge1{tauxG, "Gauge1"};
  ui::GroupBox styleG{*this, "styleG", "Style Promo"};
  ui::FileListBox imageL{styleG, "imageL", "*.gif;*.jpg;*.jpeg"};
  ui::Image imagePROMO{styleG, "imagePROMO"};
  ui::Button efface{styleG, "efface", "Effacer"};
  ui::Label couleurL{styleG, "couleurL", "Couleur nouveau prix"};
  ui::Shape Ttexte_color{styleG, "Ttexte_color"};
  ui::CheckBox afficheP{styleG, "afficheP", "Affichage Promo"};
  ui::CheckBox arrondiC{styleG, "arrondiC", "Prix arrondis"};
  ui::CheckBox ligneC{styleG, "ligneC", "Même ligne"};
  ui::CheckBox pourcentC{styleG, "pourcentC", "Non affichage %"};
  ui::Button BitBtn6{styleG, "BitBtn6", "OK"};
  ui::Button BitBtn22{*this, "BitBtn22", "Aide"};
  ui::ColorDialog ColorDialog1{*this, "ColorDialog1"};

  // The promotion display style, as the card writer reads it after charge_style.
  TStylePromo style;

  void FormActivate();
  void initiale();
  ResultatRepertoire repertoire();
  void fairefichier();
  void prepare();
  void MYclick();
  void charge_style();
  void image_show();
  void couleur_show();
  // The shown entry: its labels and prices from its .pro file.
  void ok();

  void listeBClick();
  // A right click on an entry: its promotion is deleted after a question.
  void listeBMouseDown(int index);
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void selectionClick();
  void BitBtn7Click();
  void BitBtn9Click();
  void BitBtn5Click();
  void mBTClick();
  void prixiniKeyDown(int& key, ui::Shift shift);
  void changeprix();
  void tauxEChange();
  void calcTChange();
  void imageLClick();
  void effaceClick();
  void Ttexte_colorMouseDown();
  void BitBtn6Click();
  void BitBtn22Click();

 private:
  void viderArticle();
  std::vector<std::string> cochees() const;
  int nombreCochees() const;
  std::string entreeMontree() const;
  double prixMontre() const;

  app::Programme& p_;
  bool reset_ = false;  // set before a rebuild that parks the unticked entries
  bool calculEnCours_ = false;  // the two live calculations do not trigger each other
};

}  // namespace app
