#pragma once
// The main site settings (`TStylePrincipal`, file styleP), the frameset choice (frames.inf) and the
// window `TstyleP` that edits them. The page generators read the window's edits and variables
// directly.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/lines.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

// The addresses of the order-form and cart scripts on the maker's server, and the older ones
// that a load turns into them.
inline constexpr const char* kUrlCgiDefaut = "https://www.tarvio.fr/cgi/ecomm.php";
inline constexpr const char* kUrlPanierDefaut = "https://www.tarvio.fr/cgi/commande.php";
inline constexpr const char* kAnciensUrlCgi[] = {"http://www.tarvio.fr/cgi/ecomm.php",
                                                 "http://cgi.tarvio.fr/ecomm.php"};
inline constexpr const char* kAnciensUrlPanier[] = {"http://www.tarvio.fr/cgi/commande.php",
                                                    "http://cgi.tarvio.fr/commande.php"};

// One field per line of styleP, named after its key, with the value a load leaves when the file
// or the key is missing. Yes/no options are "oui"/"non", except securus ("yes"/"no").
struct TStylePrincipal {
  std::string produit = "Produits";
  std::string livres = "Livres";
  std::string audio = "Audio";
  std::string services = "Services";
  std::string auteur = "Auteur";
  std::string chanteur = "Interprète";
  std::string articles = "Articles";
  std::string auteurs = "Auteurs";
  std::string plan = "Voir plan du site";
  std::string plan_size = "1";
  std::string texte_suite = "Suite";
  std::string texte_haut_page = "Haut de Page";
  std::string texte_accueilP = "Accueil";
  std::string texte_themesP = "Thèmes";
  std::string texte_detailsP = "Détails";
  std::string texte_detailhP = "En savoir plus";
  std::string police = "0";  // 0 "Web", 1 "Windows"
  std::string fond_page = "#FFFFFF";
  std::string couleur_liens;
  std::string couleur_cat;
  std::string couleur_theme;
  std::string couleur_copyr;
  std::string image_page;  // a file of fonds/
  std::string fixe_page = "non";
  std::string suivante = "non";
  std::string liens_internes = "non";
  std::string moteur_recherche = "non";
  std::string retour_multi = "non";
  std::string themes_d = "non";
  std::string themescat_d = "non";
  std::string themes_c = "oui";
  std::string menubp_c = "oui";
  std::string titret_c = "oui";
  std::string tableau_c = "non";
  std::string ecotaxe = "non";
  std::string poids = "non";
  std::string imagespanier = "non";
  std::string fleche_c = "oui";
  std::string scrm_c = "non";
  std::string scrt_c = "non";
  std::string url_cgi = kUrlCgiDefaut;
  std::string url_panier = kUrlPanierDefaut;
  std::string url_moteur_recherche = "moteur.php";
  std::string targetS = "_top";
  std::string url_retour_multi;
  std::string securus = "no";

  bool operator==(const TStylePrincipal&) const = default;
};

// How a line of the file changes its field.
enum class RegleStyleP {
  NonVide,  // a non-empty value replaces the field
  Toujours, // the value replaces the field even when empty (plan)
  Police,   // the index of the font choice: "0" or "1"
  Oui,      // only "yes" counts (securus)
};

struct CleStyleP {
  const char* cle;
  std::string TStylePrincipal::*champ;
  RegleStyleP regle;
};
// The 46 keys in the order of the file.
std::span<const CleStyleP> clesStyleP();

// The font choice a stored value gives: 1 for "1", otherwise 0 (a value that is not one of the
// two choices must not stop the load).
int indexPolice(std::string_view valeur);

// The lines of a styleP file over the fields: split at the first "=", keys compared exactly, a
// later line wins; also the older keys liste_complete (for plan) and angle_fond (ignored), and
// the older script addresses mapped to the current ones.
void lireStyleP(const platform::LineList& lignes, TStylePrincipal& style);

// depart read over by styleP of the data folder; a missing file leaves depart as it is. Throws
// platform::FileError when the file exists but cannot be read.
TStylePrincipal chargerStyleP(const platform::DataFolder& dossier, TStylePrincipal depart = {});

// The file: the 45 settings in order, then "securus=yes" or "securus=no".
platform::LineList lignesStyleP(const TStylePrincipal& style);
// Replaces styleP atomically. Throws platform::FileError.
void sauveP(const platform::DataFolder& dossier, const TStylePrincipal& style);

// frames.inf: the one line "frames=oui" (frameset) or "frames=non" (single pages). Throws
// platform::FileError.
void sauverFrames(const platform::DataFolder& dossier, std::string_view frames);

class TstyleP : public ui::Form {
 public:
  explicit TstyleP(app::Programme& programme);

  // --- names and link texts (the generators read these edits) ---
  ui::GroupBox famillesG{*this, "famillesG", "Familles"};
  ui::Edit produits{famillesG, "produits", "Produits"};
  ui::Edit livres{famillesG, "livres", "Livres"};
  ui::Edit audio{famillesG, "audio", "Audio"};
  ui::Edit services{famillesG, "services", "Services"};
  ui::GroupBox libellesG{*this, "libellesG", "Libellés et liens"};
  ui::Edit auteur{libellesG, "auteur", "Auteur"};
  ui::Edit chanteur{libellesG, "chanteur", "Interprète"};
  ui::Edit articles{libellesG, "articles", "Articles"};
  ui::Edit listeP{libellesG, "listeP", "Auteurs"};
  ui::Edit completeP{libellesG, "completeP", "Voir plan du site"};
  ui::Edit plan_sizeP{libellesG, "plan_sizeP", "1"};
  ui::Edit suiteP{libellesG, "suiteP", "Suite"};
  ui::Edit hautP{libellesG, "hautP", "Haut de Page"};
  ui::Edit accueilP{libellesG, "accueilP", "Accueil"};
  ui::Edit themesP{libellesG, "themesP", "Thèmes"};
  ui::Edit detailsP{libellesG, "detailsP", "Détails"};
  ui::Edit detailhP{libellesG, "detailhP", "En savoir plus"};
  ui::RadioGroup web{*this, "web", "Polices"};

  // --- page background and text colours ---
  ui::GroupBox fondG{*this, "fondG", "Arrière-plan"};
  ui::Image cadre{fondG, "cadre"};
  ui::Button SpeedButton1{fondG, "SpeedButton1", "Fond"};
  ui::Button SpeedButton2{fondG, "SpeedButton2", "Image"};
  ui::Button SpeedButton3{fondG, "SpeedButton3", "Défaut"};
  ui::CheckBox fixe{fondG, "fixe", "Fixe"};
  ui::GroupBox couleursG{*this, "couleursG", "Couleurs des textes"};
  ui::CheckBox Tliens{couleursG, "Tliens", "Liens"};
  ui::Shape Tliens_color{couleursG, "Tliens_color"};
  ui::CheckBox Tcat{couleursG, "Tcat", "Catégorie"};
  ui::Shape Tcat_color{couleursG, "Tcat_color"};
  ui::CheckBox Ttheme{couleursG, "Ttheme", "Thème"};
  ui::Shape Ttheme_color{couleursG, "Ttheme_color"};
  ui::CheckBox Tcopyr{couleursG, "Tcopyr", "CopyRight"};
  ui::Shape Tcopyr_color{couleursG, "Tcopyr_color"};

  // --- options of the generated pages ---
  ui::GroupBox optionsG{*this, "optionsG", "Options"};
  ui::CheckBox suite{optionsG, "suite", "Page Suivante en bas des pages"};
  ui::CheckBox internes{optionsG, "internes", "Liens Internes"};
  ui::CheckBox mrB{optionsG, "mrB", "Moteur de recherche interne"};
  ui::CheckBox themes{optionsG, "themes", "Thème + Description (bon de commande)"};
  ui::CheckBox themescat{optionsG, "themescat", "Catégorie + Thème + Description"};
  ui::CheckBox thC{optionsG, "thC", "Thème centré"};
  ui::CheckBox menubpC{optionsG, "menubpC", "Menu bas de page"};
  ui::CheckBox titreTC{optionsG, "titreTC", "Titre dans tableau"};
  ui::CheckBox multC{optionsG, "multC", "Prix mult. hors col. prix"};
  ui::CheckBox ecotaxeC{optionsG, "ecotaxeC", "Ecotaxe"};
  ui::CheckBox poidsC{optionsG, "poidsC", "Poids"};
  ui::CheckBox imagespanierC{optionsG, "imagespanierC", "Images Panier"};
  ui::CheckBox flecheTC{optionsG, "flecheTC", "Flèches"};
  ui::CheckBox scrmC{optionsG, "scrmC", "Scrolling Menu"};
  ui::CheckBox scrtC{optionsG, "scrtC", "Scrolling Top"};
  ui::CheckBox framesC{optionsG, "framesC", "Sans frames"};
  ui::CheckBox securus{optionsG, "securus", "Page sécurité en anglais"};

  // --- script addresses ---
  ui::GroupBox adressesG{*this, "adressesG", "Adresses"};
  // The order-form address is held by its edit alone: readers take url_cgi.text().
  ui::Edit url_cgi{adressesG, "Turl_cgi", kUrlCgiDefaut};
  ui::Edit Turl_panier{adressesG, "Turl_panier", kUrlPanierDefaut};
  ui::Edit Turl_mr{adressesG, "Turl_mr", "moteur.php"};
  ui::Edit Turl_retour{adressesG, "Turl_retour"};
  ui::Edit targetE{adressesG, "targetE", "_top"};

  ui::Button bshow{*this, "bshow", "?"};
  ui::Button tarvioB{*this, "tarvioB", "Options"};
  ui::Button BitBtn1{*this, "BitBtn1", "OK"};
  ui::ColorDialog ColorDialog1{*this, "ColorDialog1"};

  // --- settings held outside the edits (rows of styleP without an edit of their own); every
  // load, the first at creation, gives them their defaults before reading the file ---
  std::string fond_page;  // empty when an image is the background
  std::string couleur_liens, couleur_cat, couleur_theme, couleur_copyr;  // empty: not set
  std::string image_page;  // a file of fonds/, empty when a colour is the background
  std::string fixe_page, suivante, liens_internes, moteur_recherche, retour_multi;
  std::string themes_d, themescat_d, themes_c, menubp_c, titret_c, tableau_c;
  std::string ecotaxe, poids, imagespanier, fleche_c, scrm_c, scrt_c;
  std::string url_panier, url_moteur_recherche, targetS, url_retour_multi;
  bool avertissementActif = false;  // the font warning is shown only once the window was shown
  std::string indicateurPageCatalogue = "non";  // working flag of the catalogue page writer

  // The settings as the window holds them now.
  TStylePrincipal valeurs() const;
  // Reads styleP into the edits, the variables and the boxes. A file that cannot be read is
  // reported; the values read so far stay.
  void chargerStyleP();
  // Writes styleP from the window. Throws platform::FileError.
  void sauveP();
  // The background picker's choice of an image of fonds/: it replaces the colour.
  void imageFondChoisie(const std::string& nom);

  void FormShow();
  void FormActivate();
  void FormDeactivate();
  void BitBtn1Click();
  void auteurChange();
  void webClick();
  void framesCClick();
  void bshowClick();
  void tarvioBClick();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();

 private:
  void disposer();
  // A text colour: its variable, its box and its swatch, and what the swatch shows when unset.
  struct CouleurTexte {
    std::string TstyleP::*couleur;
    ui::CheckBox TstyleP::*boite;
    ui::Shape TstyleP::*nuancier;
    ui::Colour neutre;
  };
  static std::span<const CouleurTexte> couleursTexte();
  void choisirCouleurTexte(const CouleurTexte& c);
  void decocherCouleurTexte(const CouleurTexte& c);
  void appliquer(const TStylePrincipal& style);
  void montrerFond();
  std::filesystem::path cheminFond(const std::string& nom) const;

  app::Programme& p_;
};

}  // namespace design
