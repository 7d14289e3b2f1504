#pragma once
// The window `TForm1`: product-sheet style editor. It holds the program-wide product-sheet style
// (the fields of TStyleFiche and the names of its files) that the sheet editor and the card
// writer load through TForm2 and read here. The user picks an element in `style`; the shared
// controls show that element's fields (elements()) and write back into them.
// Its methods live in style.cpp (activation, order button, scopes, saves and models) and
// style_elements.cpp (the element table, the display and the element handlers).

#include <optional>
#include <string>
#include <string_view>

#include "modele/design/coins.h"
#include "modele/design/style_fiche.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

// The element list's items: the internal name of the element (elementCourant) by item index.
std::string elementDeListe(int index, std::string_view texte);

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
  std::string themeImpose;    // set by "Thème": the editor's loads of that theme read it last
  std::string fichierModele;  // a model read last by the next load
  std::string nomCadre;       // name of the saved style and prefix of its corner images
  bool sauverModele = false;  // the next save writes the file chosen in SaveModele
  Coins coins;                // the frame-corner tiles of the last drawing, shown in hg ... bd
  std::string elementCourant;  // internal name of the element being edited
  // Set by the order-button picker when it closes: the next activation keeps the edits.
  bool retourBoutons = false;

  // --- the element and its style ---
  ui::ComboBox style_{*this, "style"};
  // The live preview of the element, with the frame's corner tiles at its corners.
  ui::Panel apercuP{*this, "apercuP"};
  ui::Image hg{apercuP, "hg"};
  ui::Panel titre{apercuP, "titre"};
  ui::Image hd{apercuP, "hd"};
  ui::Image bg{apercuP, "bg"};
  ui::Image bd{apercuP, "bd"};
  ui::GroupBox elementsG{*this, "elementsG", "Eléments"};
  ui::Button titre1{elementsG, "titre1", "Couleur"};
  ui::Button titre2{elementsG, "titre2", "Fond"};
  ui::Button titre4{elementsG, "titre4", "G"};
  ui::Button titre5{elementsG, "titre5", "I"};
  ui::Button titre6{elementsG, "titre6", "S"};
  ui::Panel policeP{elementsG, "policeP"};
  ui::ComboBox police{policeP, "police"};
  ui::RadioButton web{policeP, "web", "Web"};
  ui::RadioButton toutes{policeP, "toutes", "Windows"};
  ui::Panel tailleP{elementsG, "tailleP"};
  ui::Label tailleL{tailleP, "tailleL", "Taille"};
  ui::Edit taille_num{tailleP, "taille_num"};
  ui::UpDown Taille{tailleP, "Taille", 10, 99};
  ui::GroupBox alignementG{elementsG, "alignementG", "Alignement"};
  ui::RadioButton agauche{alignementG, "agauche", "Gauche"};
  ui::RadioButton acentre{alignementG, "acentre", "Centré"};
  ui::RadioButton adroite{alignementG, "adroite", "Droite"};
  ui::RadioButton justif{alignementG, "justif", "Justifié"};

  // --- the frame ---
  ui::GroupBox cadreG{*this, "cadreG", "Cadre"};
  ui::RadioGroup encadrement{cadreG, "encadrement", "Encadrement"};
  ui::RadioGroup texteBOX{cadreG, "texteBOX", "Position du texte"};
  ui::Label largeurL{cadreG, "largeurL", "Largeur"};
  ui::Edit largeur_num{cadreG, "largeur_num"};
  ui::Button speed_trait{cadreG, "speed_trait", "Trait"};
  ui::Shape shape_trait{cadreG, "shape_trait"};

  // --- the order button ---
  ui::GroupBox bouton_commande{*this, "bouton_commande", "Bouton de Commande"};
  ui::RadioButton jcimage{bouton_commande, "jcimage", "Image"};
  ui::RadioButton jcsoumission{bouton_commande, "jcsoumission", "Soumission"};
  ui::RadioButton jctexte{bouton_commande, "jctexte", "Texte"};
  ui::ComboBox type_boxe{bouton_commande, "type_boxe"};
  ui::Panel fondprix{bouton_commande, "fondprix"};
  ui::Image Image1{fondprix, "Image1"};
  ui::Button imjc{bouton_commande, "imjc", "Choisir"};
  ui::Edit textejc{bouton_commande, "textejc"};
  ui::CheckBox quantiteB{bouton_commande, "quantiteB", "Quantité"};

  // --- the sheet, the scope, saves and models ---
  ui::Label type_fiche{*this, "type_fiche"};
  ui::Label nom_style{*this, "nom_style"};
  ui::Label ref{*this, "ref"};
  ui::RadioGroup appli{*this, "appli", "Applicable à"};
  ui::Panel boutonsP{*this, "boutonsP"};
  ui::Button ok_bouton{boutonsP, "ok_bouton", "OK"};
  ui::Button BitBtn2{boutonsP, "BitBtn2", "Aperçu"};
  ui::Button Button3{boutonsP, "Button3", "Thème"};
  ui::Button Button2{boutonsP, "Button2", "Modèles"};
  ui::Button BitBtn1{boutonsP, "BitBtn1", "Ajouter Modèle"};
  ui::Button tarvioB{boutonsP, "tarvioB", "Options"};
  ui::ColorDialog ColorDialog{*this, "ColorDialog"};
  ui::OpenDialog OuvreModele{*this, "OuvreModele", "Modèles [mdl]|*.mdl"};
  ui::SaveDialog SaveModele{*this, "SaveModele", "Modèles [mdl]|*.mdl"};

  // Shows the fields of elementCourant on the editor and redraws the frame corners from them.
  void elements();
  // The editor's save (OK, "Aperçu", "Ajouter Modèle"): the scope of `appli`, the "Quantité" box
  // and the order-button radios go into the style, which is written to <nomCadre>.typ (or to the
  // model when sauverModele is set) with its corner images. False, once the user has been told
  // why, when nothing could be saved.
  bool sauverStyleFiche();
  // The style shown is the one stored for the sheet it names: what the next edits are measured
  // against.
  void retenirStyle();
  // Before the editor's style is loaded again or the program ends: edits not saved are saved
  // under the sheet they were made for, or dropped, as the user answers.
  void proposerEnregistrement();

  // --- handlers ---
  void FormActivate();
  void FormDeactivate();
  void FormPaint();
  void styleChange();
  void titre1Click();
  void titre2Click();
  void speed_traitClick();
  void emphaseClick(int bouton);  // titre4, titre5, titre6
  void policeChange();
  void TailleClick();
  void alignementClick(const char* valeur);
  void encadrementClick();
  // The four tiles drawn again from the style, shown on the page's colour.
  void dessinerCoinsApercu();
  void texteBOXClick();
  void largeur_numChange();
  void webClick();
  void toutesClick();
  void jcimageClick();
  void jcTexteClick(const char* typePrix);  // jcsoumission, jctexte
  void type_boxeChange();
  void textejcChange();
  void imjcClick();
  void appliClick();
  void ok_boutonClick();
  void BitBtn2Click();
  void Button3Click();
  void Button2Click();
  void BitBtn1Click();
  void tarvioBClick();

  // The order-button picker's choice for the variant of type_boxe, shown in Image1.
  void boutonChoisi(const std::string& nom);

 private:
  void disposer();
  // nomCadre from the scope: the theme, the sheet, "defaut"; "Toutes" leaves it.
  void nomCadreDePortee();
  void chargerEtAfficher();
  void afficherBouton();
  void quantiteDuStyle();

  // The style as last loaded or saved, and the names it was loaded for.
  struct StyleRetenu {
    TStyleFiche style;
    std::string theme, reference, cadre;
  };
  std::optional<StyleRetenu> retenu_;
  bool styleModifie() const { return retenu_ && !(retenu_->style == style); }

  app::Programme& p_;
  bool affichage_ = false;  // elements() is showing the fields: the radios it ticks store nothing
};

}  // namespace design
