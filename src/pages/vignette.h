#pragma once
// The window `Tvignette1`: routine holder of the product card writer. Never shown. `faireVignette`
// writes the card of one product into vignette.htm of the data folder; every caller takes the
// lines of that file (no file: no card).
//
// A caller sets the inputs below, then calls faireVignette(). The inputs keep their values for the
// next caller, except carteFenetre, which every call sets back to false. A site build opens a
// SerieCartes around its list pages, so that settings and side files are read once per build
// rather than once per card; open it once the build's work files (nkat.inc, ncto.inc, the .fic
// lists) are written and ftp/ is emptied.

#include <memory>
#include <string>
#include <vector>

#include "design/style_fiche.h"
#include "pages/vignette_valeurs.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

class ContexteCartes;

// In the shared text's way: every "-" and "_" becomes "t" (names of order forms and detail pages).
std::string nomFormulaire(std::string_view texte);

// A title or a variant label without its weight group: when it begins with "(w:", the text after
// its first ")", trimmed.
std::string sansPoids(const std::string& texte);

class Tvignette1 : public ui::Form {
 public:
  explicit Tvignette1(app::Programme& programme);
  ~Tvignette1() override;

  // The promotion files of the data folder, in listing order.
  ui::FileListBox proF{*this, "proF", "*.pro"};

  // --- inputs, set by the caller ---
  std::string referenceCarte;     // base name of the sheet file, <referenceCarte>.ref
  bool carteFenetre = false;      // the card goes into a window of its own (linked-product pop-up)
  std::string themeStyle;         // "<categorie>_<theme>": the middle file of the style cascade
  std::string referenceStyle;     // the reference: the last file of the style cascade
  std::string nomCadre;           // the frame name; nomURL of it prefixes the corner images
  bool indicateurCarteA = false;  // first card of its list page: the list header goes above it
  bool indicateurCarteB = false;  // last card of its list page: the list footer goes below it
  std::string pageCourante;       // "<page>.tmp" of the list page being written
  bool apercuArticles = false;    // the list-page options window previews a card
  std::string motCleFiche;        // the theme of the card, for the order form's description

  // --- the card last written ---
  TValeursCarte valeurs;
  design::TStyleFiche style;  // its sheet style

  // Writes vignette.htm (its text passed through the entity converter). Throws
  // platform::FileError when the card cannot be saved; every other missing file is skipped.
  void faireVignette();

  // The layouts and the order block; they append to valeurs.lignesCarte.
  void vignetteStandard();
  void vignetteTableau();
  void vignetteLignes();
  void formulaireCommande();

  // A run of cards: while open, read-once data is kept between cards. Runs nest: an inner run
  // joins the outer one.
  void ouvrirSerie();
  void fermerSerie();

 private:
  ContexteCartes& contexte();
  void lireFiche(const platform::LineList& lignes, bool multiples);
  void imagePanier();
  void pageDetail();
  void promotions();
  void tableauProduitsLies();
  void coinsCadre(std::vector<std::string>& coins);
  void entete();
  void pied();
  void contenuTexte();
  void celluleImage();
  void bandeTitres();
  void bandePrix();
  std::string nomLienDetail() const;
  // Copies a file of the data folder into ftp/ under the same relative name, overwriting; a
  // missing source or a failed copy is skipped.
  void copierVersFtp(const std::string& nom);

  std::unique_ptr<ContexteCartes> serie_;  // the open run, if any
  std::unique_ptr<ContexteCartes> carte_;  // the context of a card written outside a run
  int profondeurSerie_ = 0;
  bool erreurQmultiSignalee_ = false;  // within the open run
  app::Programme& p_;
};

// Opens a run of cards for its lifetime.
class SerieCartes {
 public:
  explicit SerieCartes(Tvignette1& vignette) : vignette_(vignette) { vignette_.ouvrirSerie(); }
  ~SerieCartes() { vignette_.fermerSerie(); }
  SerieCartes(const SerieCartes&) = delete;
  SerieCartes& operator=(const SerieCartes&) = delete;

 private:
  Tvignette1& vignette_;
};

}  // namespace pages
