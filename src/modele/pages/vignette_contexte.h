#pragma once
// What the card writer reads from the data folder besides the sheet itself. Within a run of
// cards (a site build) each settings or side file is read once, at its first use, and kept: none
// of them changes while the site is built. Outside a run a fresh context serves one card. The
// writers of one run share it from several threads: what it keeps is filled under its lock and
// never changed after, so a reference it gives stays true; the identity is fixed before.

#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "modele/app/identite.h"
#include "modele/design/style_fiche.h"
#include "modele/pages/dossier_construction.h"
#include "modele/pages/vignette_entete.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace pages {

// modcomp.inf: the order forms of the linked-products table.
struct ModeleLies {
  bool present = false;
  std::string quantite, texte_quantite, cadre, bouton, reference;
};

class ContexteCartes {
 public:
  explicit ContexteCartes(const platform::DataFolder& donnees);

  // A name of the data folder, found without regard to case as the platform finds it, but
  // through listings taken once per run: a name that is missing costs no scan of its folder.
  // nullopt when the name would lead outside the data folder.
  std::optional<std::filesystem::path> chemin(std::string_view nom);
  bool existe(std::string_view nom);
  // The lines of a file of the data folder, nullopt when it is missing.
  std::optional<platform::LineList> charger(std::string_view nom);
  // Writes a whole file (its folder created when missing), replacing it at once. Throws
  // platform::FileError.
  void ecrire(std::string_view nom, std::string_view octets);
  void supprimer(std::string_view nom);

  // The shop identity, as the caller loaded it for the first card of the context.
  const app::TIdentite& identite() const { return identite_; }
  bool identiteChargee() const { return identiteChargee_; }
  void fixerIdentite(const app::TIdentite& identite);
  // Built-in values, then defaut.typ, <themeStyle>.typ and <referenceStyle>.typ.
  design::TStyleFiche styleFiche(const std::string& themeStyle, const std::string& referenceStyle);
  // qmulti.ini: nullopt when it is missing, else its maxi trimmed and cleaned as a price.
  const std::optional<std::string>& maxiQmulti();
  // The shop's default quantity of a reference (<login>.qmn), nullopt when none.
  std::optional<std::string> quantiteClient(std::string_view reference);
  // The *.pro files, in the order of the folder listing.
  const std::vector<std::string>& fichiersPromo();
  // style_fiche of <nom>.stl, exact key, later line winning; "" without file.
  const std::string& styleTheme(const std::string& nom);
  // The thumbnail vig.conf gives a reference, nullopt when none (or no vig.conf).
  std::optional<std::string> vignetteLiee(std::string_view reference);
  const ModeleLies& modeleLies();
  bool urlBoutique();  // kelkoo.ini exists
  // The trimmed lines of bache.ini.
  const std::set<std::string>& bache();
  const TOptionsArticles& optionsArticles(const std::string& police_defaut);
  // promo_prix.opt, nullopt when missing.
  const std::optional<platform::LineList>& promoPrix();
  // nkat.inc and ncto.inc values of a category, "" when missing.
  std::string nombreFiches(std::string_view categorie);
  std::string nombreThemes(std::string_view categorie);
  // The lines of <categorie>.fic, nullopt without that file.
  const std::optional<std::vector<std::string>>& pagesCategorie(const std::string& categorie);
  // The pager of those pages, built once per category and colour; nullptr without the file.
  const PagerCategorie* pagerCategorie(const std::string& categorie, const TOptionsArticles& o,
                                       const std::string& couleurEtat);

  // True the first time a run meets the wrong qmulti.ini: it is told once.
  bool premiereErreurQmulti();
  // Held by a writer whose check and write must not be split by another thread's.
  std::unique_lock<std::recursive_mutex> verrouiller() { return std::unique_lock(verrou_); }

  // Copies a file of the data folder to ftp/ under the same relative name, overwriting, creating
  // its folder; a missing source is skipped, a failed copy throws platform::FileError. Each name
  // is copied once per run.
  void copierVersFtp(const std::string& nom) { copier(nom, "ftp/" + nom); }
  // The same between any two names of the data folder; each destination once per run.
  void copier(const std::string& source, const std::string& destination);
  // Under verrouiller(): the corners drawn in this run, by prefix, with the place of the card
  // that drew them (EntreesCarte::ordre).
  std::map<std::string, size_t>& coinsDessines() { return coinsDessines_; }
  // copierVersFtp again, for a file redrawn since its copy.
  void recopierVersFtp(const std::string& nom);

 private:
  using Lignes = std::optional<std::vector<std::pair<std::string, std::string>>>;

  const Lignes& lignesTyp(const std::string& nom);
  // The value kept in `cache`, made by `faire` at the first call, under the lock.
  template <typename T, typename Faire>
  const T& uneFois(std::optional<T>& cache, Faire faire) {
    std::lock_guard garde(verrou_);
    if (!cache) cache.emplace(faire());
    return *cache;
  }
  const platform::ValueIndex& index(std::optional<platform::ValueIndex>& cache, std::string_view nom);

  const platform::DataFolder& donnees_;
  DossierConstruction dossier_;
  bool identiteChargee_ = false;
  app::TIdentite identite_;
  std::map<std::string, Lignes> typ_;
  std::optional<std::optional<std::string>> maxi_;
  std::optional<platform::ValueIndex> quantites_;
  std::optional<std::vector<std::string>> promos_;
  std::map<std::string, std::string> stl_;
  std::optional<platform::ValueIndex> vigConf_;
  std::optional<ModeleLies> modcomp_;
  std::optional<bool> kelkoo_;
  std::optional<std::set<std::string>> bache_;
  std::optional<TOptionsArticles> articles_;
  std::optional<std::optional<platform::LineList>> promoPrix_;
  std::optional<platform::ValueIndex> nkat_, ncto_;
  std::map<std::string, std::optional<std::vector<std::string>>> fic_;
  std::map<std::string, PagerCategorie> pagers_;  // by category, NUL, colour
  std::set<std::string> copies_;
  std::map<std::string, size_t> coinsDessines_;
  bool erreurQmulti_ = false;
  std::recursive_mutex verrou_;
};

}  // namespace pages
