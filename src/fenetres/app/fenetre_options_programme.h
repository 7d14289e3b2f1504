#pragma once
// The window `Ttarvioini`: program options dialog. It shows the options and the file, and changes
// the program's options only when the user saves.

#include <string>

#include "modele/app/options_programme.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Ttarvioini : public ui::Form {
 public:
  explicit Ttarvioini(app::Programme& programme);

  // Layout: two columns of groups, each field on a row with its label; the buttons below.
  ui::Panel colonneGauche{*this, "colonneGauche"};
  ui::Panel colonneDroite{*this, "colonneDroite"};

  ui::GroupBox titresG{colonneGauche, "titresG", "Titres des pages (frames)"};
  ui::Label themesL{titresG, "themesL", "Page thèmes"};
  ui::Edit themesE{titresG, "themesE"};
  ui::Label accueilL{titresG, "accueilL", "Accueil"};
  ui::Edit accueilE{titresG, "accueilE"};
  ui::Label menuL{titresG, "menuL", "Menu gauche"};
  ui::Edit menuE{titresG, "menuE"};
  ui::Label menuhL{titresG, "menuhL", "Menu haut"};
  ui::Edit menuhE{titresG, "menuhE"};
  ui::Panel ligneSep{colonneGauche, "ligneSep"};
  ui::Label sepL{ligneSep, "sepL", "Sép. URL"};
  ui::ComboBox sepC{ligneSep, "sepC"};

  ui::GroupBox cartoucheG{colonneGauche, "cartoucheG", "Barre des catégories"};
  ui::Label baspFL{cartoucheG, "baspFL", "Fond"};
  ui::Edit baspF{cartoucheG, "baspF"};
  ui::Label baspCL{cartoucheG, "baspCL", "Couleur"};
  ui::Edit baspC{cartoucheG, "baspC"};
  ui::CheckBox baspS{cartoucheG, "baspS", "Souligné"};
  ui::ComboBox baspT{cartoucheG, "baspT"};

  ui::GroupBox rechercheG{colonneGauche, "rechercheG", "Pages de recherche"};
  ui::Label rechFL{rechercheG, "rechFL", "Fond"};
  ui::Edit rechF{rechercheG, "rechF"};
  ui::Label rechTL{rechercheG, "rechTL", "Titre"};
  ui::Edit rechT{rechercheG, "rechT"};
  ui::Label rechLL{rechercheG, "rechLL", "Liens"};
  ui::Edit rechL{rechercheG, "rechL"};
  ui::Label rechXL{rechercheG, "rechXL", "Texte"};
  ui::Edit rechX{rechercheG, "rechX"};

  ui::Panel ligneListe{colonneGauche, "ligneListe"};
  ui::Label listeL{ligneListe, "listeL", "Liste des articles"};
  ui::ComboBox listeC{ligneListe, "listeC"};
  ui::CheckBox listeRC{ligneListe, "listeRC", "Retour à la ligne"};
  ui::CheckBox theme_enpremierC{ligneListe, "theme_enpremierC",
                                "Thème en premier (articles à gauche)"};

  ui::GroupBox rappelG{colonneGauche, "rappelG", "Rappel catégorie et article"};
  ui::Label fondL{rappelG, "fondL", "Fond"};
  ui::Edit fondC{rappelG, "fondC"};
  ui::Label titreL{rappelG, "titreL", "Titre"};
  ui::Edit titreC{rappelG, "titreC"};

  ui::Panel ligneLargeur{colonneDroite, "ligneLargeur"};
  ui::Label largeurL{ligneLargeur, "largeurL", "Largeur Tableau"};
  ui::Edit largeurTE{ligneLargeur, "largeurTE"};
  ui::Button BitBtn3{ligneLargeur, "BitBtn3", "Init"};

  ui::GroupBox taillesG{colonneDroite, "taillesG", "Tailles de police"};
  ui::Label menutailleL{taillesG, "menutailleL", "Taille Items"};
  ui::Edit menutailleE{taillesG, "menutailleE"};
  ui::Label menutailleL_T{taillesG, "menutailleL_T", "Taille Titre"};
  ui::Edit menutailleE_T{taillesG, "menutailleE_T"};
  ui::Label menutailleL_V{taillesG, "menutailleL_V", "Taille Titre Fiche"};
  ui::Edit menutailleE_V{taillesG, "menutailleE_V"};
  ui::Label menutailleL_S{taillesG, "menutailleL_S", "Taille Suivant"};
  ui::Edit menutailleE_S{taillesG, "menutailleE_S"};

  ui::Panel lignePolice{colonneDroite, "lignePolice"};
  ui::Label policeL{lignePolice, "policeL", "Police par défaut"};
  ui::ComboBox police{lignePolice, "police"};
  ui::CheckBox articles{lignePolice, "articles", "Indiquer nbre d'articles trouvés"};
  ui::Button optarticles{lignePolice, "optarticles", "Options"};

  ui::GroupBox lieeG{colonneDroite, "lieeG", "Produits liés"};
  ui::Label couleur_lieeL{lieeG, "couleur_lieeL", "Couleur"};
  ui::Edit couleur_lieeE{lieeG, "couleur_lieeE"};
  ui::Label taille_lieeL{lieeG, "taille_lieeL", "Taille"};
  ui::Edit taille_lieeE{lieeG, "taille_lieeE"};
  ui::CheckBox gras_lieeC{lieeG, "gras_lieeC", "Gras"};
  ui::Label phrase_pcL{lieeG, "phrase_pcL", "Phrase"};
  ui::Edit phrase_pcE{lieeG, "phrase_pcE"};
  ui::Label couleur_lieeTL{lieeG, "couleur_lieeTL", "Couleur Titre"};
  ui::Edit couleur_lieeTE{lieeG, "couleur_lieeTE"};
  ui::Label taille_lieeTL{lieeG, "taille_lieeTL", "Taille Titre"};
  ui::Edit taille_lieeTE{lieeG, "taille_lieeTE"};
  ui::CheckBox gras_lieeTC{lieeG, "gras_lieeTC", "Gras Titre"};

  ui::GroupBox espacesG{colonneDroite, "espacesG", "Espacements"};
  ui::Label espL{espacesG, "espL", "Esp. Produits :"};
  ui::Edit espE{espacesG, "espE"};
  ui::Label espML{espacesG, "espML", "H. Menu"};
  ui::Edit espME{espacesG, "espME"};
  ui::Label espGL{espacesG, "espGL", "Gauche"};
  ui::Edit espGE{espacesG, "espGE"};
  ui::Label espPL{espacesG, "espPL", "Principal"};
  ui::Edit espPE{espacesG, "espPE"};

  ui::Panel ligneDivers{colonneDroite, "ligneDivers"};
  ui::CheckBox refC{ligneDivers, "refC", "Ne pas inscrire les références"};
  ui::Label TOP_distantL{ligneDivers, "TOP_distantL", "URL TOP distant:"};
  ui::Edit TOP_distantE{ligneDivers, "TOP_distantE"};
  ui::Label titre_deroulantL{ligneDivers, "titre_deroulantL", "Titre déroulant: "};
  ui::Edit titre_deroulantE{ligneDivers, "titre_deroulantE"};

  ui::GroupBox metaG{colonneDroite, "metaG", "Meta - divers"};
  ui::Button BitBtn4{metaG, "BitBtn4", "Modifier"};

  ui::Button BitBtn1{*this, "BitBtn1", "Enregistrer"};
  ui::Button BitBtn2{*this, "BitBtn2", "Annuler"};

  void FormShow();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void optarticlesClick();

 private:
  void disposer();
  // What the dialog shows of the main settings.
  struct ReglagesStyle {
    std::string themesP;
    std::string couleur_liens;
    std::string couleur_theme;
  };
  ReglagesStyle reglagesStyle();
  TOptionsProgramme& options();

  app::Programme& p_;
};

}  // namespace app
