#pragma once
// The window `TForm1`: product-sheet style editor. It holds the program-wide product-sheet style
// (the fields of TStyleFiche and the names of its files) that the sheet editor and the card
// writer load through TForm2 and read here.

#include <string>

#include "design/coins.h"
#include "design/style_fiche.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class TForm1 : public ui::Form {
 public:
  explicit TForm1(app::Programme& programme);

  // The names the editor shows for the sheet it styles.
  std::string themeStyle;
  std::string libelleTitre;
  std::string libelleAuteur;
  std::string referenceStyle;

  // --- the product-sheet style ---
  TStyleFiche style;
  std::string themeImpose;    // set by "Thème", then part of every load of the run
  std::string fichierModele;  // a model read last by the next load
  std::string nomCadre;       // name of the saved style and prefix of its corner images
  bool sauverModele = false;  // the next save writes the file chosen in SaveModele
  Coins coins;                // the frame-corner tiles hg, hd, bg, bd of the last drawing

  // --- controls the style's load and save read ---
  ui::CheckBox quantiteB{*this, "quantiteB", "Quantité"};
  ui::GroupBox bouton_commande{*this, "bouton_commande", "Bouton de Commande"};
  ui::RadioButton jcimage{bouton_commande, "jcimage", "Image"};
  ui::RadioButton jcsoumission{bouton_commande, "jcsoumission", "Soumission"};
  ui::RadioButton jctexte{bouton_commande, "jctexte", "Texte"};
  ui::RadioGroup appli{*this, "appli", "Applicable à"};
  ui::SaveDialog SaveModele{*this, "SaveModele", "Modèles [mdl]|*.mdl"};

  // Shows the fields on the editor and redraws the frame corners from them.
  void elements();
  // The editor's save (OK, "Aperçu", "Ajouter Modèle"): the scope of `appli`, the "Quantité" box
  // and the order-button radios go into the style, which is written to <nomCadre>.typ (or to the
  // model when sauverModele is set) with its corner images. False, once the user has been told
  // why, when nothing could be saved.
  bool sauverStyleFiche();

 private:
  app::Programme& p_;
};

}  // namespace design
