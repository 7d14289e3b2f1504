#pragma once
// The window `Torga`: catalogue organiser and sheet order. Categories, the themes of the chosen
// category and the sheets of the chosen theme in three columns; a sheet opens in the main
// window's editor; the sorting group fixes the order of a theme's sheets in its order list.

#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Torga : public ui::Form {
 public:
  explicit Torga(app::Programme& programme);

  ui::GroupBox categoriesG{*this, "categoriesG", "Catégories"};
  ui::ListBox orga_catego{categoriesG, "orga_catego"};
  ui::GroupBox themesG{*this, "themesG", "Thèmes"};
  ui::ListBox orga_themes{themesG, "orga_themes"};
  ui::GroupBox fichesG{*this, "fichesG", "Fiches"};
  ui::ListBox orga_fiches{fichesG, "orga_fiches"};
  ui::Button label_tri_fiches{*this, "label_tri_fiches", "Trier Fiches"};
  ui::GroupBox typeG{*this, "typeG", "Type"};
  ui::Label famille{typeG, "famille"};
  ui::CheckBox auteurC{*this, "auteurC", "Par auteur"};
  ui::GroupBox tri_orga{*this, "tri_orga", "Trier l'ordre des fiches"};
  ui::ListBox tri_fiches{tri_orga, "tri_fiches"};
  ui::Button alpha_tri{tri_orga, "alpha_tri", "Alpha"};
  ui::Button haut_tri{tri_orga, "haut_tri", "Haut"};
  ui::Button bas_tri{tri_orga, "bas_tri", "Bas"};
  ui::Button ok_tri_fiches{tri_orga, "ok_tri_fiches", "OK"};
  ui::Button annuler_tri{tri_orga, "annuler_tri", "Annuler"};
  ui::ListBox tri_ref{*this, "tri_ref"};
  ui::Button BitBtn1{*this, "BitBtn1", "Fermer"};

  void FormShow();
  void FormHide();
  void lireFamille();
  void listerThemes();
  void listerFiches();
  void orga_fichesClick();
  void orga_fichesDblClick();
  void label_tri_fichesClick();
  void alpha_triClick();
  void haut_triClick();
  void bas_triClick();
  void ok_tri_fichesClick();
  void annuler_triClick();
  void BitBtn1Click();

 private:
  void disposer();
  void lierTouches();
  // Exchanges the selected line of the sorting lists with the one `pas` lines away.
  void deplacer(int pas);
  std::string nomListe() const;

  // The file of each line of orga_fiches as listed: tri_ref follows the sorting, the sheet list
  // does not.
  std::vector<std::string> fichesListees_;
  app::Programme& p_;
};

}  // namespace app
