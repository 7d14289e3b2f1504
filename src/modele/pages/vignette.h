#pragma once
// The product card writer `faireVignette`: writes the card of one product into vignette.htm of
// the data folder and returns its lines (nullopt, and no file, when there is no card).
//
// The caller gathers its inputs into an EntreesCarte at the moment of the call: the values it
// sets for the card and what the card reads of the windows (program options, main settings,
// labels). Some inputs are also outputs, the way the caller's fields were: the trimmed
// reference, the page a list header or footer leaves, the import copy done. A site build opens a
// run of cards around its list pages, so that settings and side files are read once per build
// rather than once per card; open it once the build's work files (nkat.inc, ncto.inc, the .fic
// lists) are written and ftp/ is emptied.

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "modele/app/identite.h"
#include "modele/app/options_programme.h"
#include "modele/design/style_fiche.h"
#include "modele/frame/table_accents.h"
#include "modele/pages/vignette_valeurs.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace pages {

class ContexteCartes;

// In the shared text's way: every "-" and "_" becomes "t" (names of order forms and detail pages).
std::string nomFormulaire(std::string_view texte);

// A title or a variant label without its weight group: when it begins with "(w:", the text after
// its first ")", trimmed.
std::string sansPoids(const std::string& texte);

// "<font face=..." + "<span style=\"FONT-SIZE:...px\">": the font of a text of the card.
std::string police(const std::string& face, const std::string& couleur, const std::string& taille);
// The STYLE attribute of an order button's text, from the sheet style's "_jc" keys.
std::string styleBouton(const design::TStyleFiche& s);

// What a card reads of the windows: the same for every card of a run.
struct FenetresCarte {
  app::OptionsDemarrage options;  // the program options
  std::optional<app::TIdentite> identite;  // the shop identity, when identiteAttendue()
  bool horsLigne = false;                  // offline catalogue: no entities
  // Main settings.
  std::string imagespanier, couleur_liens, couleur_theme, targetS;
  std::string url_cgi;   // the order-form address edit
  std::string detailsP;  // the "Détails" label edit
  std::string detailhP;  // the "En savoir plus" label edit
  std::string url_retour;  // the multi-shop return address edit
  std::string themes_d, themescat_d;
  std::string titret_c = "oui", tableau_c = "non";  // title and price-list place of table cards
};

// What one card reads besides the data folder.
struct EntreesCarte : FenetresCarte {
  std::string referenceCarte;     // base name of the sheet file; given back trimmed
  bool carteFenetre = false;      // the card goes into a window of its own (linked-product pop-up)
  std::string themeStyle;         // "<categorie>_<theme>": the middle file of the style cascade
  std::string referenceStyle;     // the reference: the last file of the style cascade
  std::string nomCadre;           // the frame name; nomURL of it prefixes the corner images
  bool indicateurCarteA = false;  // first card of its list page: the list header goes above it
  bool indicateurCarteB = false;  // last card of its list page: the list footer goes below it
  std::string pageCourante;       // "<page>.tmp" of the list page; given back as the header left it
  bool apercuArticles = false;    // the list-page options window previews a card
  std::string motCleFiche;        // the theme of the card, for the order form's description
  // The shop's import/ files still go to ftp/ (once per build); given back false once copied.
  bool copierImport = false;
  // The card's place among those asked of a team (from 1); 0 for a card its run writes itself,
  // before the team opens or after it closes.
  size_t ordre = 0;
};

// The promotion display settings (promo_prix.opt), with the promotion window's two boxes.
struct TStylePromo {
  std::string ok_PROMO_PRIX, image_PROMO_PRIX = "promo.gif", largeur_image_PROMO_PRIX,
      hauteur_image_PROMO_PRIX, couleur_texte_PROMO_PRIX = "#FF0000";
  bool ligneC = false;     // old and new price on one line
  bool pourcentC = false;  // the rate is not shown
  bool arrondi = false;    // promotional prices rounded to the tenth
};
TStylePromo lireStylePromo(const std::optional<platform::LineList>& fichier);

// The stock-state script of the maker's server.
inline constexpr const char* kScriptEtat = "https://www.tarvio.example/cgi/etat.php";

class ContexteCartes;

class EcrivainCartes {
 public:
  // signaler tells the user a message (a file with a wrong value) while the card is written.
  EcrivainCartes(const platform::DataFolder& donnees,
                 std::function<void(const std::string&)> signaler);
  ~EcrivainCartes();

  // Writes vignette.htm (its text passed through the entity converter) and returns its lines;
  // nullopt without a card. Throws platform::FileError when the card or one of its pictures
  // cannot be written; every missing file is skipped.
  std::optional<platform::LineList> faireVignette(EntreesCarte entrees);
  // The inputs of the last card, with what the writer gave back.
  const EntreesCarte& entrees() const { return e_; }
  // The next card reads the identity: the caller then loads it into EntreesCarte::identite.
  bool identiteAttendue() const;

  // --- the card last written ---
  TValeursCarte valeurs;
  design::TStyleFiche style;  // its sheet style
  TStylePromo stylePromo;     // read with the sheet style

  // The layouts and the order block; they append to valeurs.lignesCarte.
  void vignetteStandard();
  void vignetteTableau();
  void vignetteLignes();
  void formulaireCommande();
  // Pieces of the order blocks, shared with the table layout and the comment rows.
  void champRetour();     // into lignesCarte
  void champRetourBis();  // into lignesTableau
  // The promotion's picture before the new price, copied to the site; empty without one.
  std::string imagePromo();
  void champQuantiteEtat();  // into lignesCarte
  void champQuantite();      // into lignesTableau

  // A card written on another thread by a writer sharing the open run (EquipeCartes), with what
  // the run's own writer keeps of its last card.
  struct Carte {
    std::optional<platform::LineList> lignes;  // nullopt without a card
    std::optional<std::string> page;           // its vignette.htm, nullopt when it left none
    EntreesCarte entrees;
    TValeursCarte valeurs;
    design::TStyleFiche style;
    TStylePromo stylePromo;
    std::vector<std::pair<std::string, std::string>> pagesDetail;  // ftp name, bytes
  };
  // A writer sharing the open run of `principal` (which must outlive it), starting from the last
  // card principal wrote; the messages of its cards go to `signaler`.
  EcrivainCartes(EcrivainCartes& principal, std::function<void(const std::string&)> signaler);
  Carte ecrireCarte(EntreesCarte entrees);
  // A sharing writer leaves the detail page of its card with the card: the run's writer writes
  // it when the card is taken, so that cards whose references name one page leave it as cards
  // written in turn do (the last one's), whatever the threads' timing.
  void ecrirePagesDetail(const Carte& carte);
  // The run's writer takes a card written by a sharing writer as its last one.
  void reprendre(Carte carte);

  // A run of cards: while open, read-once data is kept between cards, and vignette.htm, a
  // scratch page no card of the run reads back, is written once when the outermost run closes
  // whole (ecrire), left as it was when the run is abandoned. Runs nest: an inner run joins the
  // outer one.
  void ouvrirSerie();
  void fermerSerie(bool ecrire = true);

 private:
  ContexteCartes& contexte();
  void lireFiche(const platform::LineList& lignes, bool multiples);
  void imagePanier();
  void pageDetail();
  void promotions();
  void tableauProduitsLies();
  void coinsCadre(std::vector<std::string>& coins);
  void entete();
  // tableau: below a table of cards, into the card itself after a 4-pixel row.
  void pied(bool tableau = false);
  void celluleDescription(const Balises& titre);
  void cellulePrixTableau(const std::string& ecotaxe);
  void celluleCommande(const std::string& ecotaxe);
  void contenuTexte();
  void celluleImage();
  void bandeTitres();
  void bandePrix();
  std::string nomLienDetail() const;
  // The order block's pieces (formulaire_commande.cpp).
  std::string ecotaxeLigne() const;
  std::string ligneEcotaxe(const std::string& ecotaxe);  // "" without ecotax
  std::string taillePrixDevise() const;
  std::string nomFormulaireLigne() const;
  std::string ligneFormulaire() const;
  std::string description(bool rangee) const;
  // The script writing the shopper's session (and the tracking code) into the order form.
  void scriptSession(std::vector<std::string>& L);
  // supplements: the line's .sup list goes in too (a comment row or a table card).
  void champsCaches(std::vector<std::string>& L, bool rangee, const std::string& ecotaxe,
                   bool supplements = false);
  std::string prixPromo(bool rangee);
  void quantite(std::vector<std::string>& L, bool rangee);
  // taux: the promotion's rate, which every amount of the list then follows.
  std::vector<std::string> listeChoix(const std::string& fichier, const std::string& nom,
                                      const std::string& lien, const std::string& prefixe,
                                      std::optional<double> taux = std::nullopt);
  // The sizes list ("refclient" and the SELECT of "ref"), from <reference>tailles.txt.
  std::vector<std::string> selectTailles(const platform::LineList& tailles) const;
  std::vector<std::string> liste(const std::string& nom, std::span<const std::string> lignes,
                                 const std::string& lien, const std::string& prefixe,
                                 std::optional<double> taux = std::nullopt);
  // The promotion file of a reference, named exactly, as the card's own promotions are.
  std::optional<platform::LineList> fichierPromotion(const std::string& reference);
  // The models of the line's reference (its .dif), at the rate of its promotion when it has one.
  std::vector<std::string> listeModeles();
  // The supplements of a reference (its .sup file), led by the line that declines them.
  std::vector<std::string> listeSupplements(const std::string& reference,
                                            const std::string& prefixe);
  std::vector<std::string> listeTitresChoix();  // the "<CHOIX>" titles list, when there is one
  std::string controleCommande(bool rangee, bool gauche) const;
  std::string cadrePrixPro(const std::string& ecotaxe);
  bool rupture(std::vector<std::string>& L);
  void tableauLignes();  // the comment rows table (vignette_lignes.cpp)
  // Copies a picture of the data folder into ftp/ under the same relative name, overwriting; a
  // missing source is skipped, a failed copy throws platform::FileError. Any other file is never
  // copied: a sheet naming var.opt or an account file would publish its passwords.
  void copierVersFtp(const std::string& nom);

  const platform::DataFolder& donnees_;
  std::function<void(const std::string&)> signaler_;
  frame::TTableAccents accents_;
  EntreesCarte e_;
  std::unique_ptr<ContexteCartes> serie_;  // the open run, if any
  ContexteCartes* partage_ = nullptr;      // the run shared with another writer
  std::unique_ptr<ContexteCartes> carte_;  // the context of a card written outside a run
  int profondeurSerie_ = 0;
  // Within a run, once a card was begun: the last card's vignette.htm, nullopt when it left none.
  std::optional<std::optional<std::string>> vignetteDifferee_;
  std::vector<std::pair<std::string, std::string>> pagesDetail_;  // a sharing writer's card's
};

}  // namespace pages
