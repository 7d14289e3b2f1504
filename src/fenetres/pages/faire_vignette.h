#pragma once
// The window `Tvignette1`: routine holder of the product card writer. Never shown. A caller sets
// the inputs below, then calls faireVignette(), which gathers them with what the card reads of
// the other windows and runs the writer (modele/pages/vignette.h). The inputs keep their values for the
// next caller, except carteFenetre, which every call sets back to false.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "modele/pages/equipe_cartes.h"
#include "modele/pages/vignette.h"
#include "platform/lines.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

class Tvignette1 : public ui::Form {
  EcrivainCartes ecrivain_;

 public:
  explicit Tvignette1(app::Programme& programme);

  // The promotion files of the data folder, in listing order.
  ui::FileListBox proF{*this, "proF", "*.pro"};

  // --- inputs, set by the caller (see EntreesCarte) ---
  std::string referenceCarte;
  bool carteFenetre = false;
  std::string themeStyle;
  std::string referenceStyle;
  std::string nomCadre;
  bool indicateurCarteA = false;
  bool indicateurCarteB = false;
  std::string pageCourante;
  bool apercuArticles = false;
  std::string motCleFiche;

  // --- the card last written ---
  TValeursCarte& valeurs;
  design::TStyleFiche& style;

  // The card's lines, also written to vignette.htm; nullopt without a card. Throws
  // platform::FileError when the card cannot be saved.
  std::optional<platform::LineList> faireVignette();

  // The style of a product's own sheet: the cascade ends with <categorie>_<theme> and the
  // reference, and the frame is named after the most particular .typ file there is.
  void styleDeFiche(const std::string& categorie, const std::string& theme,
                    const std::string& reference,
                    const std::function<bool(const std::string&)>& existe);

  // The same cards written ahead on other threads (EquipeCartes over this writer), once the
  // open run's first card is written: asked with the inputs set above, taken in the order asked.
  // Closed with the run, the window then stands as after the last card taken.
  void ouvrirEquipe(int ouvriers);
  bool equipeOuverte() const { return equipe_ != nullptr; }
  void demanderVignette();
  std::optional<platform::LineList> prendreVignette();
  // The values of the last card written or taken.
  const TValeursCarte& derniereCarte() const;

  void ouvrirSerie() { ecrivain_.ouvrirSerie(); }
  void fermerSerie(bool ecrire = true);

 private:
  EntreesCarte entrees();
  EntreesCarte entreesPropres();  // the inputs set above
  FenetresCarte fenetres();       // what the card reads of the windows
  void fermerEquipe();

  app::Programme& p_;
  std::unique_ptr<EquipeCartes> equipe_;
};

// Opens a run of cards for its lifetime. terminer() closes it whole (vignette.htm written);
// a run left by an exception closes without writing it.
class SerieCartes {
 public:
  explicit SerieCartes(Tvignette1& vignette) : vignette_(vignette) { vignette_.ouvrirSerie(); }
  ~SerieCartes() {
    if (ouverte_) vignette_.fermerSerie(false);
  }
  void terminer() {
    ouverte_ = false;
    vignette_.fermerSerie();
  }
  SerieCartes(const SerieCartes&) = delete;
  SerieCartes& operator=(const SerieCartes&) = delete;

 private:
  Tvignette1& vignette_;
  bool ouverte_ = true;
};

}  // namespace pages
