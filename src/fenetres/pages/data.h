#pragma once
// The window `Tdata1`: routine holder of the whole-site build. Never shown. `construireSite` runs
// the theme count, the two passes over the product sheets and the catalogue page writer; the lists
// of one build live in a `Construction`, handed from each stage to the next and dropped when the
// build ends, however it ends.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "modele/app/options_programme.h"
#include "modele/pages/dossier_construction.h"
#include "platform/lines.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

// The lists and settings of one build.
struct Construction {
  explicit Construction(std::filesystem::path racine) : dossier(std::move(racine)) {}

  DossierConstruction dossier;
  char sep = '-';  // the URL separator
  // A copy of the program options: the page writer may turn theme_enpremier on for the rest of
  // the build, and a second build must start again from the options as loaded.
  app::TOptionsProgramme options;

  // --- build settings ---
  bool nouveautesActives = false;
  std::string puceNouveaute;
  std::string fichierMulti;
  std::string prefixeAuteurs;
  std::string prefixeArticles;
  std::string couleurTraitIndex = "#1781B3";
  std::string couleurFondIndex = "#fcefbc";
  std::string couleurFondIndex2 = "#FFFFFF";
  bool erreurFiches = false;  // a sheet's category and theme are not listed: "ERREUR 1"
  bool arretee = false;       // the passes stopped on a failed rename

  // --- build lists ---
  std::vector<std::string> listeCategories;  // lines of `categories`, empty ones too
  std::vector<std::string> listeThemes;      // "<categorie><sep><theme>"
  // "<sheet file>=<bullet>": folded sheet file name -> bullet, the first one kept.
  std::unordered_map<std::string, std::string> pucesFiches;
  std::unordered_set<std::string> listeNouveautes;  // trimmed references of the *.new lists
  std::vector<std::string> listePages;              // "<page>.tmp", in creation order
  std::vector<std::string> indexThemes;             // "<L>_<K trimmed>#<page>.htm"
  std::vector<std::string> indexThemesPages;        // "<L>_<K as read>#<page>.htm"
  std::vector<std::string> listeAuteurs;            // sorted when the second pass ends
  std::vector<std::string> listeObjets;             // "<title> <author>#<page>.htm", sorted
  std::vector<std::string> indexPagesProduits;      // "<reference>=<page>.htm", one per card

  // --- the work files as the second pass wrote them, for the page writer ---
  std::unordered_map<std::string, std::vector<std::string>> pagesTravail;  // "<page>.tmp" -> lines
  // Folded "<K trimmed>.nth" -> the theme's side-list lines.
  std::unordered_map<std::string, std::vector<std::string>> listesLaterales;

  // Filled by the page writer: pages whose text differs from the previous build's copy in tmp/.
  std::vector<std::string> pagesModifiees;
  // Files already copied into ftp/ by this build.
  std::unordered_set<std::string> copiesFtp;
};

// An upload copies ftp/ while the build would empty it.
inline constexpr const char* kPublicationEnCours =
    "Une publication est en cours : attendez la fin du transfert avant de construire le site.";

class Tdata1 : public ui::Form {
 public:
  explicit Tdata1(app::Programme& programme);

  ui::ListBox multiL{*this, "multiL"};                   // names of the new-products lists
  ui::FileListBox fichierL{*this, "fichierL", "*.new"};  // the new-products lists

  // The whole build. False when it stopped before its end ("ERREUR 1", a failed rename, an
  // upload running, a setting that is not a number): the caller then leaves the published site
  // and the index alone. File errors go to the caller. `suite` writes what the caller adds to the
  // site once the pages are built: the build counts as ended only after it.
  bool construireSite(const std::function<void()>& suite = {});
  bool enCours() const { return enCours_; }

  // The stages, each calling the next as the build runs them.
  void compterThemes(Construction& c);
  void traiterFiches(Construction& c);
  void analyserFiches(Construction& c);
  // ftp/<name> from the data folder's file of that name, overwriting; nothing when it is missing.
  void copierVersFtp(Construction& c, const std::string& fichierACopier);

  // The category bar catego.txt, then the list pages of every category and theme.
  void ecrireCatego(Construction& c);
  void construirePages(Construction& c);

  // Pages that come with their own work; called in their place.
  void pagesAuteurs(Construction& c);     // author index and letter pages
  void pagesObjets(Construction& c);      // object letter pages and site plan
  void pagesNouveautes(Construction& c);  // new-products pages, after listeHTM.tmp

  // Progress: the caption and, when ligne is not negative, one memo line of the progress window,
  // shown at most every 100 ms unless forced (the last value of a stage always is).
  void progres(std::string legende, int ligne = -1, std::string texte = {}, bool forcer = false);
  void montrerProgres();

 private:
  bool construire(Construction& c);

  app::Programme& p_;
  bool enCours_ = false;
  std::string legende_;
  std::vector<std::pair<size_t, std::string>> lignes_;
  std::chrono::steady_clock::time_point dernierAffichage_{};
};

}  // namespace pages
