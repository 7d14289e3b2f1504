#pragma once
// The window `Taccueil1`: home-page editor. It holds the home-page settings: the simple values in
// `options`, the introduction text, the showcase, the section list and the products per row in
// its controls, gathered into the record when it is saved.

#include <filesystem>
#include <functional>
#include <string>

#include "modele/infopages/accueil_options.h"
#include "modele/infopages/accueil_rubrique.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Taccueil1 : public ui::Form {
 public:
  explicit Taccueil1(app::Programme& programme);

  ui::PageControl PageControl1{*this, "PageControl1"};
  ui::TabSheet Tab_intro{PageControl1, "Tab_intro", "Introduction"};
  ui::TabSheet Tab_promo{PageControl1, "Tab_promo", "Vitrine"};
  ui::TabSheet Tab_rubriques{PageControl1, "Tab_rubriques", "Rubriques"};
  ui::Button ok_bouton{*this, "ok_bouton", "OK"};
  ui::Button voirB{*this, "voirB", "Aperçu"};
  ui::CheckBox importACCUEIL{*this, "importACCUEIL", "Import"};
  ui::Button ajoutM{*this, "ajoutM", "Ajouter Modèle"};
  ui::Button ouvrirM{*this, "ouvrirM", "Ouvrir Modèle"};
  ui::Label modeleN{*this, "modeleN"};

  // Introduction
  ui::GroupBox imagesG{Tab_intro, "imagesG", "Images [accueil]"};
  ui::FileListBox imageL{imagesG, "imageL", "*.gif;*.jpg;*.jpeg"};
  ui::Button efface{imagesG, "efface", "Effacer"};
  ui::Button optionB{imagesG, "optionB", "Options"};
  ui::Button BitBtn18{imagesG, "BitBtn18", "Importer"};
  ui::Image imageINTRO{imagesG, "imageINTRO"};
  ui::Label lien_image_introL{imagesG, "lien_image_introL"};
  ui::Panel optionG{Tab_intro, "optionG", "Options Image Intro"};
  ui::Edit alt_image_introE{optionG, "alt_image_introE"};
  ui::Edit lien_image_introE{optionG, "lien_image_introE"};
  ui::Edit target_image_introE{optionG, "target_image_introE"};
  ui::Button effLB{optionG, "effLB", "Effacer"};
  ui::Button BitBtn2{optionG, "BitBtn2", "Fermer"};
  ui::GroupBox TitreBox{Tab_intro, "TitreBox", "Titre"};
  ui::Edit titreEDIT{TitreBox, "titreEDIT"};
  ui::Button effacer{TitreBox, "effacer", "Effacer"};
  ui::Button gras_titreB{TitreBox, "gras_titreB", "G"};
  ui::Button italique_titre_introB{TitreBox, "italique_titre_introB", "I"};
  ui::Button souligne_titre_introB{TitreBox, "souligne_titre_introB", "S"};
  ui::Button coultitreB{TitreBox, "coultitreB", "Couleur"};
  ui::Button fdtitreB{TitreBox, "fdtitreB", "Fond"};
  ui::Edit taille_num_titre{TitreBox, "taille_num_titre"};
  ui::UpDown Taille_titre{TitreBox, "Taille_titre", 10, 99};
  ui::Panel fondpage{Tab_intro, "fondpage"};
  ui::Memo MemoTexte{fondpage, "MemoTexte"};
  ui::Button poub{fondpage, "poub", "Vider"};
  ui::GroupBox TexteBox{Tab_intro, "TexteBox", "Texte"};
  ui::Button grasB{TexteBox, "grasB", "G"};
  ui::Button italiqueB{TexteBox, "italiqueB", "I"};
  ui::Button souligneB{TexteBox, "souligneB", "S"};
  ui::Button coulB{TexteBox, "coulB", "Couleur"};
  ui::Button fondB{TexteBox, "fondB", "Fond"};
  ui::Edit taille_num{TexteBox, "taille_num"};
  ui::UpDown Taille{TexteBox, "Taille", 10, 99};
  ui::GroupBox PoliceBox{Tab_intro, "PoliceBox", "Police"};
  ui::ComboBox police{PoliceBox, "police"};
  ui::RadioButton web{PoliceBox, "web", "Web"};
  ui::RadioButton toutes{PoliceBox, "toutes", "Windows"};
  ui::RadioGroup aligne{Tab_intro, "aligne", "Alignement"};
  ui::RadioGroup encadrement{Tab_intro, "encadrement", "Encadrement"};
  ui::Button speed_trait{Tab_intro, "speed_trait", "Trait"};
  ui::Shape shape_trait{Tab_intro, "shape_trait"};
  ui::Edit largeur_num{Tab_intro, "largeur_num"};

  // Showcase
  ui::GroupBox listeB{Tab_promo, "listeB", "Liste des produits d'accueil"};
  ui::ListBox listepromo{listeB, "listepromo"};
  ui::ListBox listeref{listeB, "listeref"};
  ui::ListBox listetitres{listeB, "listetitres"};
  ui::Button Bhaut{listeB, "Bhaut", "Monter"};
  ui::Button Bbas{listeB, "Bbas", "Descendre"};
  ui::Button Befface{listeB, "Befface", "Retirer"};
  ui::GroupBox Bfiche{Tab_promo, "Bfiche", "Fiche"};
  ui::Label Lcat{Bfiche, "Lcat"};
  ui::Label Ltheme{Bfiche, "Ltheme"};
  ui::Image ImageFiche{Bfiche, "ImageFiche"};
  ui::Button Bok{Bfiche, "Bok", "Ajouter"};
  ui::GroupBox BoxTitre{Tab_promo, "BoxTitre", "Titre"};
  ui::Edit Etitre{BoxTitre, "Etitre"};
  ui::Button BeffT{BoxTitre, "BeffT", "Effacer"};
  ui::CheckBox BMAJ{BoxTitre, "BMAJ", "MAJ"};
  ui::CheckBox Btitre{BoxTitre, "Btitre", "Titre"};
  ui::RadioButton RtitreG{BoxTitre, "RtitreG", "Gauche"};
  ui::RadioButton RtitreC{BoxTitre, "RtitreC", "Centré"};
  ui::RadioButton RtitreD{BoxTitre, "RtitreD", "Droite"};
  ui::Button grasPT{BoxTitre, "grasPT", "G"};
  ui::Button italiquePT{BoxTitre, "italiquePT", "I"};
  ui::Button soulignePT{BoxTitre, "soulignePT", "S"};
  ui::Button coulPT{BoxTitre, "coulPT", "Couleur"};
  ui::Button fondPT{BoxTitre, "fondPT", "Fond"};
  ui::Edit taille_numPT{BoxTitre, "taille_numPT"};
  ui::UpDown TaillePT{BoxTitre, "TaillePT", 10, 99};
  ui::GroupBox BoxTexte{Tab_promo, "BoxTexte", "Texte"};
  ui::Memo Mtexte{BoxTexte, "Mtexte"};
  ui::Button BeffTexte{BoxTexte, "BeffTexte", "Effacer"};
  ui::RadioButton RtexteG{BoxTexte, "RtexteG", "Gauche"};
  ui::RadioButton RtexteC{BoxTexte, "RtexteC", "Centré"};
  ui::RadioButton RtexteD{BoxTexte, "RtexteD", "Droite"};
  ui::Button grasP{BoxTexte, "grasP", "G"};
  ui::Button italiqueP{BoxTexte, "italiqueP", "I"};
  ui::Button souligneP{BoxTexte, "souligneP", "S"};
  ui::Button coulP{BoxTexte, "coulP", "Couleur"};
  ui::Button fondP{BoxTexte, "fondP", "Fond"};
  ui::Edit taille_numP{BoxTexte, "taille_numP"};
  ui::UpDown TailleP{BoxTexte, "TailleP", 10, 99};
  ui::Label image{Tab_promo, "image"};
  ui::Button bimage{Tab_promo, "bimage", "Changer l'image"};
  ui::Label url_promo{Tab_promo, "url_promo"};
  ui::Button btc{Tab_promo, "btc", ">"};
  ui::Panel choix{Tab_promo, "choix"};
  ui::FileListBox imagesL{choix, "imagesL", "*.jpg;*.jpeg;*img.gif"};
  ui::Button appliquer{choix, "appliquer", "Appliquer"};
  ui::Button fermer{choix, "fermer", "Annuler"};
  ui::GroupBox PoliceBoxP{Tab_promo, "PoliceBoxP", "Police"};
  ui::ComboBox policeP{PoliceBoxP, "policeP"};
  ui::RadioButton webP{PoliceBoxP, "webP", "Web"};
  ui::RadioButton toutesP{PoliceBoxP, "toutesP", "Windows"};
  ui::Edit ColPT{Tab_promo, "ColPT", "2"};
  ui::RadioGroup Rencadrement{Tab_promo, "Rencadrement", "Encadrement"};
  ui::RadioGroup texteBOX{Tab_promo, "texteBOX", "Position Texte"};
  ui::Button speed_traitP{Tab_promo, "speed_traitP", "Trait"};
  ui::Shape shape_traitP{Tab_promo, "shape_traitP"};
  ui::Edit largeur_numP{Tab_promo, "largeur_numP"};
  ui::Edit hauteur_numP{Tab_promo, "hauteur_numP"};

  // Sections
  ui::CheckListBox rubriques{Tab_rubriques, "rubriques"};
  ui::Edit ajouter{Tab_rubriques, "ajouter"};
  ui::Button Bajout{Tab_rubriques, "Bajout", "Ajouter"};
  ui::Button monte{Tab_rubriques, "monte", "Monter"};
  ui::Button descend{Tab_rubriques, "descend", "Descendre"};
  ui::Button saut{Tab_rubriques, "saut", "ESPACE"};
  ui::Button ligne{Tab_rubriques, "ligne", "---"};
  ui::Button panierR{Tab_rubriques, "panierR", "Supprimer"};
  ui::Memo memoR{Tab_rubriques, "memoR"};
  ui::GroupBox pucesG{Tab_rubriques, "pucesG", "Images [puces]"};
  ui::FileListBox ImageP{pucesG, "ImageP", "*.gif;*.jpg;*.jpeg"};
  ui::Image ImageESPACE{pucesG, "ImageESPACE"};
  ui::Button effacePuce{pucesG, "effacePuce", "Effacer"};
  ui::Button BitBtn1{pucesG, "BitBtn1", "Importer"};
  ui::GroupBox rubriqueG{Tab_rubriques, "rubriqueG", "Rubrique"};
  ui::Edit lienT{rubriqueG, "lienT"};
  ui::Edit targetT{rubriqueG, "targetT", "_self"};
  ui::Button grasBR{rubriqueG, "grasBR", "G"};
  ui::Button italiqueBR{rubriqueG, "italiqueBR", "I"};
  ui::Button souligneBR{rubriqueG, "souligneBR", "S"};
  ui::Button SpeedButton2{rubriqueG, "SpeedButton2", "Couleur"};
  ui::Edit taille_numR{rubriqueG, "taille_numR"};
  ui::UpDown taille_R{rubriqueG, "taille_R", 10, 99};
  ui::RadioGroup aligneTR{rubriqueG, "aligneTR", "Alignement"};
  ui::CheckBox rBOX{Tab_rubriques, "rBOX", "Rubriques"};
  ui::RadioGroup cadreR{Tab_rubriques, "cadreR", "Encadrement"};
  ui::Edit largeur_numR{Tab_rubriques, "largeur_numR"};
  ui::Button SpeedButton1{Tab_rubriques, "SpeedButton1", "Fond"};
  ui::Button SpeedButton6{Tab_rubriques, "SpeedButton6", "Fd Titre"};
  ui::Button speed_traitR{Tab_rubriques, "speed_traitR", "Trait"};
  ui::Shape shape_traitR{Tab_rubriques, "shape_traitR"};
  ui::GroupBox PoliceBoxR{Tab_rubriques, "PoliceBoxR", "Police"};
  ui::ComboBox policeR{PoliceBoxR, "policeR"};
  ui::RadioButton webR{PoliceBoxR, "webR", "Web"};
  ui::RadioButton toutesR{PoliceBoxR, "toutesR", "Windows"};

  ui::SaveDialog SaveModele{*this, "SaveModele", "Modèles [amd]|*.amd"};
  ui::OpenDialog OpenModele{*this, "OpenModele", "Modèles [amd]|*.amd"};
  ui::OpenDialog OpenImage{*this, "OpenImage", "Images|*.gif;*.jpg;*.jpeg"};
  ui::ColorDialog ColorDialog1{*this, "ColorDialog1"};

  // The simple settings; the lists of the record are those of the controls above.
  TOptionsAccueil options;
  // The section loaded last (its eleven values).
  TRubriqueAccueil rubrique;
  // The sheet shown in the main window, copied there by the sheet reader.
  std::string refVitrine, descriptionVitrine, imageVitrine;
  bool sauverModele = false;           // the next save writes the file of SaveModele
  std::filesystem::path fichierModele;  // the next load reads this file, once

  // Places the window over the main window's tabs and loads the settings and the first section,
  // unless edits of an earlier visit are not saved yet.
  void FormActivate();
  // Gives the edits of the window to the record when the user leaves it.
  void FormDeactivate();
  // The "Windows" fonts are offered only when the main settings allow them.
  void FormPaint();
  // Loads accueil.opt (or fichierModele) into the options and the controls, then elements. While
  // the editor holds unsaved edits, a load of accueil.opt keeps them (writers see the screen).
  void ouvre();
  // Writes accueil.opt (or the model) and, unless it is a model, the corner tiles.
  void sauver();
  // After it paccueil_encadrement is never "rond", and the introduction picture's and the
  // section bullet's natural sizes are measured when their files exist; then the display.
  void elements();
  // Loads the section named texteCommun (the same as the one selected in rubriques) and fixes
  // the link of a built-in section.
  void ouvrerubrique(const std::string& texteCommun);
  void sauverubrique();
  // The three side files of the showcase product selected in listepromo.
  void sauve_texte();
  void appliquerClick();
  void btcClick();
  void importACCUEILClick();
  // Shows the sheet of refVitrine in the box Bfiche.
  void fiches();

  void ok_boutonClick();
  void voirBClick();
  void ajoutMClick();
  void ouvrirMClick();
  // Introduction
  void imageLClick();
  void effaceClick();
  void titreEDITChange();
  void effacerClick();
  void poubClick();
  void optionBClick();
  void BitBtn2Click();
  void effLBClick();
  void BitBtn18Click();
  // Showcase
  void BokClick();
  void listepromoClick();
  void BhautClick();
  void BbasClick();
  void BeffaceClick();
  void EtitreChange();
  void EtitreExit();
  void BeffTClick();
  void MtexteExit();
  void BeffTexteClick();
  void bimageClick();
  void imagesLClick();
  // Sections
  void rubriquesClick();
  void BajoutClick();
  void panierRClick();
  void sautClick();
  void ligneClick();
  void monteClick();
  void descendClick();
  void memoRExit();
  void ImagePClick();
  void effacePuceClick();
  void BitBtn1Click();

  // The record as the controls hold it now.
  TOptionsAccueil valeurs() const;
  // Edits of the settings not written yet.
  bool modifie() const { return modifie_; }
  // Before the edits not written yet are dropped: asks, and "Oui" saves them.
  void proposerEnregistrement();

 private:
  void lier();
  void afficherOptions();
  void afficherIntroduction();
  void afficherVitrine();
  void afficherRubrique();
  // A setting of the record changed by a control: kept in memory until the next save.
  void changerOption(std::string TOptionsAccueil::*cle, std::string valeur);
  // A setting of the selected section: saved at once, then the section is loaded again.
  void changerRubrique(std::string TRubriqueAccueil::*cle, std::string valeur);
  void choisirCouleur(const std::string& stockee, const std::function<void(std::string)>& garder);
  void policesWeb(ui::ComboBox& combo);
  void policesSysteme(ui::ComboBox& combo);
  void activerProduit(bool actif);
  void deplacerProduit(int ecart);
  void deplacerRubrique(int ecart);
  void insererRubrique(const std::string& nom);
  void importerImage(ui::FileListBox& liste);
  // The selected showcase reference, "" when none; tells the user when it is no file name.
  std::string referenceChoisie();

  app::Programme& p_;
  bool miseAJour_ = false;  // the program sets the controls: their handlers wait
  bool modifie_ = false;
};

}  // namespace infopages
