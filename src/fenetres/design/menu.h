#pragma once
// The window `Tmenu1`: menu and top-banner editor. It holds the menu options (`options`) that
// the site generators read, loads them with chargerMenu and writes them with sauverMenu. The
// user picks one element of the menu or the top frame in `style`; the shared style controls and
// the previews show that element and write back into its keys.
// Its methods live in menu*.cpp by concern: menu.cpp (controls, load and save), menu_affichage
// (the display of the current element), menu_styles (the element-style handlers and previews of
// the site), menu_familles (the family lists), menu_barre (top bar, sizes and backgrounds),
// menu_images (the button and bullet renderer), menu_images_commandes (the image group's
// handlers).

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "modele/design/menu_elements.h"
#include "modele/design/menu_options.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class Tmenu1 : public ui::Form {
 public:
  explicit Tmenu1(app::Programme& programme);

  // For each family title of the menu, in menu order, its family number ("0" to "3").
  ui::ListBox famille_order{*this, "famille_order"};

  // --- the element, save and preview ---
  ui::Panel ligneBoutons{*this, "ligneBoutons"};
  ui::ComboBox style{ligneBoutons, "style"};
  ui::Button ok_bouton{ligneBoutons, "ok_bouton", "OK"};
  ui::Button BitBtn2{ligneBoutons, "BitBtn2", "Aperçu"};
  ui::Button listerB{ligneBoutons, "listerB", "Liste Recherche"};
  ui::Button BitBtn1{ligneBoutons, "BitBtn1", "Ajouter Modèle"};
  ui::Button Button2{ligneBoutons, "Button2", "Ouvrir Modèle"};
  ui::Label modeleN{ligneBoutons, "modeleN"};
  ui::Label Llien{*this, "Llien"};

  // --- the style controls of the current element ---
  ui::GroupBox overG{*this, "overG", "Eléments"};
  ui::Button titre1{overG, "titre1", "Couleur"};
  ui::Button titre2{overG, "titre2", "Fond"};
  ui::Button titre4{overG, "titre4", "G"};
  ui::Button titre5{overG, "titre5", "I"};
  ui::Button titre6{overG, "titre6", "S"};
  ui::RadioGroup alignement{overG, "alignement", "Alignement"};
  ui::Panel policeP{overG, "policeP"};
  ui::ComboBox police{policeP, "police"};
  ui::RadioButton web{policeP, "web", "Web"};
  ui::RadioButton toutes{policeP, "toutes", "Windows"};
  ui::Panel tailleP{overG, "tailleP"};
  ui::Label tailleL{tailleP, "tailleL", "Taille"};
  ui::Edit taille_num{tailleP, "taille_num"};
  ui::UpDown Taille{tailleP, "Taille", 10, 99};
  ui::Button speed_trait{tailleP, "speed_trait", "Trait"};
  ui::Shape shape_trait{tailleP, "shape_trait"};
  ui::RadioGroup encadrement{overG, "encadrement", "Encadrement"};
  ui::CheckBox Rover{overG, "Rover", "Roll Over"};
  ui::CheckBox deroulante{overG, "deroulante", "Déroulant simple"};
  ui::GroupBox tirets1{overG, "tirets1", "Pointillés"};
  ui::Edit tirets{tirets1, "tirets"};
  ui::CheckBox dynamique{overG, "dynamique", "Menu dynamique"};
  ui::Button styleD{overG, "styleD", "Style Dynamique"};
  ui::ColorDialog ColorDialog{*this, "ColorDialog"};

  // --- previews of the element, family lists, text, widths and images ---
  ui::Panel apercusP{*this, "apercusP"};
  ui::GroupBox GroupBox6{apercusP, "GroupBox6", "Titres"};
  ui::ListBox familles{GroupBox6, "familles"};
  ui::Button haut{GroupBox6, "haut", "Haut"};
  ui::Button bas{GroupBox6, "bas", "Bas"};
  ui::CheckBox titres{GroupBox6, "titres", "Insérer Titres Famille"};
  ui::Panel nfam{GroupBox6, "nfam"};
  ui::GroupBox GroupBox9{apercusP, "GroupBox9", "Catégories"};
  ui::ListBox fitems{GroupBox9, "fitems"};
  ui::Panel fam{GroupBox9, "fam"};
  ui::Panel panelover{apercusP, "panelover"};
  ui::Label over_texte{panelover, "over_texte"};
  ui::Panel top_panel{apercusP, "top_panel"};
  ui::Button av_mod{apercusP, "av_mod", "Top -Textes"};
  ui::GroupBox texteBOX{apercusP, "texteBOX", "Texte"};
  ui::Edit top_texte{texteBOX, "top_texte"};
  ui::GroupBox largeB{apercusP, "largeB", "Bandeau"};
  ui::Edit largeur_B{largeB, "largeur_B"};
  ui::CheckBox colleBOX{largeB, "colleBOX", "Collé"};
  ui::GroupBox groupe{apercusP, "groupe", "Image"};
  ui::RadioGroup imageT{groupe, "imageT", "Type"};
  ui::RadioGroup appli_menu{groupe, "appli_menu", "Applicable à"};
  ui::Button im1{groupe, "im1", "Choisir"};
  ui::Button overB{groupe, "overB"};
  ui::CheckBox rollover{groupe, "rollover", "Roll Out"};
  ui::Button gear{groupe, "gear", "Générer"};
  ui::CheckBox transpar{groupe, "transpar", "Transparent"};
  ui::GroupBox alignT{groupe, "alignT", "Alignement Texte"};
  ui::Edit horizontal{alignT, "horizontal"};
  ui::Edit vertical{alignT, "vertical"};
  ui::Button absX{alignT, "absX", "Centré"};
  ui::CheckBox imtexte{alignT, "imtexte", "Texte"};
  ui::Image ImageGIF{apercusP, "ImageGIF"};
  ui::Label texte{apercusP, "texte"};
  ui::Image ImageGIF2{apercusP, "ImageGIF2"};

  // --- top bar and menu frame switches and sizes ---
  ui::GroupBox topBOX{*this, "topBOX", "Top"};
  ui::CheckBox Tadresse{topBOX, "Tadresse", "Adresse"};
  ui::Shape Tadresse_color{topBOX, "Tadresse_color"};
  ui::CheckBox Tdate{topBOX, "Tdate", "Date"};
  ui::Shape Tdate_color{topBOX, "Tdate_color"};
  ui::CheckBox Tbandeau{topBOX, "Tbandeau", "Bandeau"};
  ui::CheckBox Tdelais{topBOX, "Tdelais", "Délais"};
  ui::CheckBox Tconditions{topBOX, "Tconditions", "Conditions"};
  ui::CheckBox Tecrire{topBOX, "Tecrire", "Ecrire"};
  ui::CheckBox Tsecur{topBOX, "Tsecur", "Sécurité"};
  ui::CheckBox Temploi{topBOX, "Temploi", "Emploi"};
  ui::CheckBox az{topBOX, "az", "Produits A-Z"};
  ui::CheckBox Tcentre{topBOX, "Tcentre", "Top Centré"};
  ui::CheckBox logotop{topBOX, "logotop", "Logo Top"};
  ui::Edit hauteur_num{topBOX, "hauteur_num"};
  ui::GroupBox menuBOX{*this, "menuBOX", "Menu"};
  ui::CheckBox Mcentre{menuBOX, "Mcentre", "Menu Centré"};
  ui::Edit largeur_num{menuBOX, "largeur_num"};
  ui::CheckBox accueilC{menuBOX, "accueilC", "Accueil Menu"};
  ui::Button styleAMb{menuBOX, "styleAMb", "Style -->"};
  ui::GroupBox importerG{*this, "importerG", "Importer"};
  ui::CheckBox importHTM{importerG, "importHTM", "Menu"};
  ui::CheckBox importTOP{importerG, "importTOP", "Top"};
  ui::RadioGroup recherche{*this, "recherche", "Recherche"};
  ui::GroupBox cadresG{*this, "cadresG", "Taille des cadres"};
  ui::Edit hauteur_frameE{cadresG, "hauteur_frameE"};
  ui::Edit largeur_frameE{cadresG, "largeur_frameE"};
  ui::GroupBox fondBOX{*this, "fondBOX", "Arrière-plan"};
  ui::RadioButton Rmenu{fondBOX, "Rmenu", "Menu"};
  ui::RadioButton Rtop{fondBOX, "Rtop", "Top"};
  ui::Button SpeedButton2{fondBOX, "SpeedButton2", "Image"};
  ui::Button SpeedButton1{fondBOX, "SpeedButton1", "Fond"};
  ui::Button SpeedButton3{fondBOX, "SpeedButton3", "Défaut"};
  ui::CheckBox fixe{fondBOX, "fixe", "Fixe"};
  ui::Image cadre{fondBOX, "cadre"};

  ui::SaveDialog SaveModele{*this, "SaveModele", "Modèles [mnl]|*.mnl"};
  ui::OpenDialog OuvreModele{*this, "OuvreModele", "Modèles [mnl]|*.mnl"};

  // --- the menu options and the one-shot model requests ---
  TOptionsMenu options;
  bool sauverModele = false;            // the next sauverMenu writes the file of SaveModele
  std::filesystem::path fichierModele;  // the next chargerMenu reads this file

  // --- the editor's state ---
  std::string elementCourant;  // the name of the element shown (elementDeLigne of `style`)
  std::string imageModele;     // the template of the image slot rendered last
  bool policesWindowsDemandees = false;  // one-shot: "Top -Textes" lets a button choose any font
  bool retourSelecteur = false;  // an image picker closed: the next set-up keeps the unsaved state
  // fam1 to fam4: the categories of families 0 to 3, in the order of `categories`.
  std::array<std::vector<std::string>, 4> categoriesFamille;

  // Loads menu.opt (or fichierModele) and menuG.inf into the options, the home-entry dialog and
  // the controls of this window. A file that cannot be read is reported; false then.
  bool chargerMenu();
  // Writes menu.opt (or the requested model) from the options and the controls, then the corner
  // images of the menu, logo, banner and top texts. Throws platform::FileError; the corners are
  // not drawn and the frame sizes not taken then.
  void sauverMenu();
  // Before the options are loaded again or the program ends: edits not saved are saved or
  // dropped, as the user answers.
  void proposerEnregistrement();
  // The editor's set-up before it is shown.
  void preparerMenu();
  // The set-up again when the category list changed since (the main window's rechargerMenu).
  void rechargerSiDemande();
  // Shows the option values of elementCourant in the controls and the previews. A colour or a
  // size that is not a number stops it with platform::IntegerError.
  void afficherMenu();
  // The top texts' look on top_panel and the style controls (Top - Textes and the sections).
  void apercuElement();

  // The image renderer (menu_images.cpp): renders the current slot; applies the kind of imageT
  // to it; stores the text position into the slot, then renders.
  void genererBouton();
  void choisirImagesItems();
  void regenererBouton();
  // The template picker's choice: into the slot, the text back to the top-left corner, rendered.
  void modeleChoisi(const std::string& nom);
  // The template picker closes; `choisi` when a template was clicked.
  void selecteurFerme(bool choisi, bool bouton);
  void imageTClick();
  void im1Click();
  void overBClick();
  void rolloverClick();
  void fitemsClick();
  void appli_menuClick();
  void horizontalChange();
  void verticalChange();
  void absXClick();
  void transparClick();
  void imtexteClick();
  void gearClick();
  // After a category rename: its buttons that show a name are drawn again with the new one.
  void redessinerBoutonsCategorie(const std::string& categorie);

  static constexpr const char* libelleRollOut = "  Roll Out";
  static constexpr const char* libelleRollOver = "   Roll Over";
  std::string decalageX = "0", decalageY = "0";  // the text position of the render
  bool centrageDemande = false;     // "Centré" renders
  bool repositionnerTexte = false;  // a new template: the next render starts at the corner
  std::string etatModele;           // "new" once the picker chose a template
  int largeurMenuNum = 0, hauteurMenuNum = 0;  // the menu sizes when the picker opened
  // The family lists (menu_familles.cpp): the titles of the families that have categories and
  // their categories; fitems from the selected title; famille_order from familles; the lists,
  // then the menu options and their title order.
  void remplirFamilles();
  void remplirItems();
  // The family number (0 to 3) of the title at position, kept with the title; 0 for no title.
  int familleDuTitre(int position) const;
  void afficherFamilles();
  void chargerFamillesMenu();
  void famillesClick();
  void hautClick();
  void basClick();
  void FormShow();
  void FormActivate();
  void FormDeactivate();

  // The top bar, menu frame and backgrounds (menu_barre.cpp).
  void titresClick();
  void Tadresse_colorMouseDown();
  void Tdate_colorMouseDown();
  void largeur_numChange();
  void hauteur_numChange();
  void largeur_BChange();
  void logotopClick();
  void importHTMClick();
  void importTOPClick();
  void rechercheClick();
  void RmenuClick();
  void RtopClick();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void fixeClick();
  void av_modClick();
  // The background picker's choice for the menu or the top frame: the image replaces the colour.
  void imageFondChoisie(bool top, const std::string& nom);

  void FormPaint();
  void styleChange();
  void titre1Click();
  void titre2Click();
  void speed_traitClick();
  void titre4Click();
  void titre5Click();
  void titre6Click();
  void alignementClick();
  void policeChange();
  void TailleClick();
  void encadrementClick();
  void top_texteChange();
  void RoverClick();
  void deroulanteClick();
  void dynamiqueClick();
  void webClick();
  void toutesClick();
  void tiretsChange();
  void styleDClick();
  void ok_boutonClick();
  void BitBtn2Click();
  void BitBtn1Click();
  void Button2Click();
  void styleAMbClick();
  void listerBClick();
  void accueilCClick();

 private:
  // Sizes for the automatic layout.
  void disposer();
  // Display steps of afficherMenu.
  void afficherInterrupteurs();
  void afficherLienEtCommandes();
  void afficherGroupesMenu();
  void afficherApercuMenu(ui::Panel& apercu, const StyleMenu& s);
  void afficherRollOver();
  void afficherListes();
  void afficherSection(const SectionTop& section);
  void afficherLogoBandeau();
  void afficherTopTextes();
  void afficherTopRollOver();
  void afficherRecherche();
  void afficherTaillesEtFonds();
  void afficherFond();
  void afficherTexteSurImage();
  // The look of an element on a preview: font colour, colour, font, emphasis with its buttons,
  // size (also the element's size) when not empty, alignment when the style has one.
  void montrerStyle(ui::Panel& apercu, const StyleMenu& s);
  // The font as a preview shows it; the stored name also into `police` when asked.
  void montrerPolice(ui::Control& apercu, const std::string& nom, bool dansLaListe);
  // "oui" adds the emphasis, "non" removes it, another value leaves it; the buttons show it.
  void montrerEmphase(ui::Control& apercu, const std::string& gras, const std::string& italique,
                      const std::string& souligne);
  // "Windows" fonts offered: with the main settings on Windows fonts, or, when `bouton` allows
  // it, for a button drawn from a chosen template.
  void choisirPolicesPermises(bool bouton);
  void rendreSiModele();
  // Selects the item when there is one (a value the list does not know leaves it).
  static void selectionner(ui::ItemsControl& liste, int rang);
  // The title moved by one line up or down, with its image settings and the GIFs drawn from them.
  void deplacerTitre(int vers);
  void echangerTitres(int a, int b);
  void echangerImagesFamilles(int a, int b);
  void abandonnerDeplacements();
  // The handlers of the top bar and the backgrounds; the keys of the checked background target.
  void lierBarre();
  struct FondCible {
    std::string& image;
    std::string& couleur;
    std::string& fixe;
  };
  FondCible fondCible();
  void couleurTop(std::string TOptionsMenu::*cle);
  void importer(ui::CheckBox& boite, std::string& cle, const char* fichier, const char* message);

  // The style handlers: the value into the keys of the current element, then the display.
  void ecrireReglage(ReglageMenu reglage, const std::string& valeur);
  void couleurReglage(ReglageMenu reglage);
  void basculerReglage(ReglageMenu reglage);

  // The image slot of the editor's selection: its keys and files, normal ([0]) and over ([1]).
  struct EmplacementImage {
    enum class Genre { Aucun, Categorie, Titre, Bas, Top } genre = Genre::Aucun;
    std::string nomTop;  // "logo", "delais", ... for a top element
    std::string* sorte = nullptr;
    std::array<std::string*, 2> bouton{}, x{}, y{}, puce{};
    std::string *longueur = nullptr, *hauteur = nullptr, *longueurp = nullptr,
                *hauteurp = nullptr, *texteVoir = nullptr;
    std::array<std::string, 2> fichierBouton, fichierPuce;
    ui::Panel* apercu = nullptr;  // whose caption and font are drawn
    bool survol() const { return bouton[1] && bouton[1] != bouton[0]; }
  };
  EmplacementImage emplacement();
  int etatImage(const EmplacementImage& e) const;  // 1 while overB shows the over image
  // The template of the slot for the kind (1 button, 2 bullet) and the image shown; "" for none.
  std::string modeleEmplacement(const EmplacementImage& e, int sorte) const;
  void stockerPosition(const EmplacementImage& e, int etat);
  void rendreBoutonModele(const EmplacementImage& e, int etat);
  void rendrePuceModele(const EmplacementImage& e, int etat);
  void finRendu();
  void positionChange(ui::Edit& champ, std::string& decalage);

  // Held while the program fills the controls: their handlers then store nothing.
  class Remplissage {
   public:
    explicit Remplissage(bool& drapeau) : drapeau_(drapeau), avant_(drapeau) { drapeau_ = true; }
    ~Remplissage() { drapeau_ = avant_; }
    Remplissage(const Remplissage&) = delete;
    Remplissage& operator=(const Remplissage&) = delete;

   private:
    bool& drapeau_;
    bool avant_;
  };

  // What sauverMenu would write; the same as last loaded or saved, when nothing was edited.
  platform::LineList lignesEditees() const;
  bool menuModifie() const { return retenu_ && !(*retenu_ == lignesEditees()); }
  void retenirMenu() {
    retenu_ = lignesEditees();
    deplacements_.clear();
  }
  // For the length of a display routine, which may fill in defaults: they are no edit of the
  // user's.
  class Affichage {
   public:
    explicit Affichage(Tmenu1& m) : m_(m), avant_(m.menuModifie()) {}
    ~Affichage() {
      if (!avant_) m_.retenirMenu();
    }
    Affichage(const Affichage&) = delete;
    Affichage& operator=(const Affichage&) = delete;

   private:
    Tmenu1& m_;
    bool avant_;
  };
  std::optional<platform::LineList> retenu_;
  // The title moves since the menu was last loaded or saved, in their order.
  std::vector<std::pair<int, int>> deplacements_;

  app::Programme& p_;
  bool renduEnCours = false;  // a render's own changes do not render again
  bool preparationEnCours = false;  // the set-up's "Aucune" is no choice of the user's
  std::string tailleElement;  // the size the display shows for the element
  std::vector<int> numerosTitres;  // the family number of each line of familles
  bool affichageEnCours = false;  // the program fills the controls: their handlers stay still
  bool operationImpossibleDite = false;  // told once until a category is selected again
};

}  // namespace design
