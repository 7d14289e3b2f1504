#include "modele/app/renommage.h"

#include <algorithm>
#include <functional>
#include <set>
#include <utility>

#include "modele/app/dossier_catalogue.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/ref_gen.h"
#include "modele/app/renommage_journal.h"
#include "modele/app/texte_prix.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace app {

namespace {

using platform::DataFolder;
using platform::FileError;
using platform::LineList;

using Sorte = EtapeRenommage::Sorte;

// Everything a rename will do, gathered before anything is written.
struct Plan {
  std::vector<EtapeRenommage> etapes;
  std::vector<std::string> fiches;  // the sheets rewritten
  std::vector<TEntreeRefGen> index;
};

std::string messageFichierExiste(const std::string& nom) {
  return "Le fichier " + nom + " existe déjà : le nom n'a pas été changé";
}

std::string messageFichierBloque(const std::string& nom) {
  return "Le fichier " + nom + " ne peut pas être modifié : le nom n'a pas été changé";
}

std::string messageAnnulation(const std::string& erreur) {
  return "Le changement de nom n'a pas pu se faire : " + erreur + "\nLe nom n'a pas été changé.";
}

std::string messageInterruption(const std::string& erreur) {
  return "Le changement de nom s'est arrêté en cours de route : " + erreur +
         "\nLancez Construction > Réparation pour l'achever.";
}

EtapeRenommage deplacement(Sorte sorte, std::string de, std::string vers) {
  EtapeRenommage e;
  e.sorte = sorte;
  e.fichier = std::move(de);
  e.cible = std::move(vers);
  return e;
}

// A file's `cle` lines taking the new value, its new lines in hand.
EtapeRenommage changementValeur(const std::string& fichier, std::string_view cle,
                                const std::string& ancienne, const std::string& nouvelle,
                                const LineList& lignes) {
  EtapeRenommage e;
  e.sorte = Sorte::valeur;
  e.fichier = fichier;
  e.cle = cle;
  e.ancienne = ancienne;
  e.nouvelle = nouvelle;
  e.contenu = lignes;
  return e;
}

bool prevu(const Plan& plan, const std::string& nom) {
  return std::any_of(plan.etapes.begin(), plan.etapes.end(), [&](const EtapeRenommage& e) {
    return e.sorte != Sorte::valeur && platform::fileNamesEqual(e.fichier, nom);
  });
}

// Plans the rename of a listed file when it exists (a copy when another category or theme still
// names it); the message when another file holds the new name in any letter case (the file
// itself may change its case).
std::optional<std::string> prevoir(const DossierCatalogue& vue, const std::string& ancien,
                                   const std::string& nouveau,
                                   const std::set<std::string>& autres, Plan& plan) {
  auto source = vue.trouver(ancien);
  if (!source) return std::nullopt;
  auto cible = vue.trouver(nouveau);
  if (cible && !platform::fileNamesEqual(*cible, *source)) return messageFichierExiste(*cible);
  if (prevu(plan, *source) || *source == nouveau) return std::nullopt;
  const bool partage = autres.count(platform::foldFileName(*source)) > 0;
  plan.etapes.push_back(deplacement(partage ? Sorte::copier : Sorte::renommer, *source, nouveau));
  return std::nullopt;
}

// prevoir over names taken pairwise; the first refusal is kept.
void prevoirNoms(const DossierCatalogue& vue, const std::vector<std::string>& anciens,
                 const std::vector<std::string>& nouveaux, const std::set<std::string>& autres,
                 Plan& plan, std::optional<std::string>& refus) {
  for (size_t i = 0; i < anciens.size(); ++i)
    if (auto m = prevoir(vue, anciens[i], nouveaux[i], autres, plan); m && !refus) refus = std::move(m);
}

// The same for a file below the data folder (no listing of its own: a few names only).
std::optional<std::string> prevoirAnnexe(const DataFolder& dossier, const std::string& ancien,
                                         const std::string& nouveau, Plan& plan) {
  if (!dossier.exists(ancien)) return std::nullopt;
  if (dossier.exists(nouveau) && !platform::fileNamesEqual(dossier.path(nouveau).filename().string(),
                                                           dossier.path(ancien).filename().string()))
    return messageFichierExiste(nouveau);
  plan.etapes.push_back(deplacement(Sorte::renommer, ancien, nouveau));
  return std::nullopt;
}

// One reading of every sheet: `changer` rewrites the lines of a sheet concerned and gives the
// value it replaced; the index takes every sheet as it will be.
template <class Changer>
void passerFiches(const DossierCatalogue& vue, Plan& plan, const ProgressionFiches& progression,
                  std::string_view cle, const std::string& valeur, Changer changer) {
  const auto fiches = vue.fiches();
  const int total = static_cast<int>(fiches.size());
  int n = 0;
  for (const auto& nom : fiches) {
    if (progression) progression(++n, total);
    LineList lignes = vue.lire(nom);
    if (auto ancienne = changer(lignes)) {
      plan.etapes.push_back(changementValeur(nom, cle, *ancienne, valeur, lignes));
      plan.fiches.push_back(nom);
    }
    plan.index.push_back(entreeRefGenDeFiche(lignes));
  }
}

// The promotion entries of the sheets rewritten follow them (as a sheet save does).
void prevoirPromos(const DossierCatalogue& vue, Plan& plan, const std::string& cle,
                   const std::string& valeur) {
  for (const auto& fiche : plan.fiches) {
    const std::string pro = fiche.substr(0, fiche.size() - 4) + ".pro";
    auto nom = vue.trouver(pro);
    if (!nom) continue;
    LineList lignes = vue.lire(*nom);
    const auto ancienne = valeurFiche(lignes, cle);
    if (!ancienne || remplacerValeurFiche(lignes, cle, valeur) == 0) continue;
    plan.etapes.push_back(changementValeur(*nom, cle, *ancienne, valeur, lignes));
  }
}

EtapeRenommage liste(std::string fichier, std::vector<std::string> avant,
                     std::vector<std::string> apres) {
  EtapeRenommage e;
  e.sorte = Sorte::liste;
  e.fichier = std::move(fichier);
  e.avant = std::move(avant);
  e.apres = std::move(apres);
  return e;
}

std::optional<std::string> fichierBloque(const DataFolder& dossier, const Plan& plan,
                                         std::initializer_list<std::string> autres) {
  auto bloque = [&](const std::filesystem::path& chemin) { return !platform::canModify(chemin); };
  if (bloque(dossier.root())) return messageFichierBloque(dossier.root().filename().string());
  for (const auto& e : plan.etapes)
    if (e.sorte != Sorte::copier && bloque(dossier.path(e.fichier)))
      return messageFichierBloque(e.fichier);
  for (const auto& nom : autres)
    if (bloque(dossier.path(nom))) return messageFichierBloque(nom);
  return std::nullopt;
}

// The files named after a category and one of its themes: the order lists (both separator
// forms), the theme's style, its card style and the frame corners the build names after that.
std::vector<std::string> nomsTheme(const std::string& categorie, const std::string& theme,
                                   char sepurl) {
  const std::string style = nomListeTheme(categorie, theme, '_');
  std::vector<std::string> noms{style, nomListeTheme(categorie, theme, '-'),
                                nomStyleTheme(categorie, theme), style + ".typ"};
  for (const char* coin : {"_hg.gif", "_hd.gif", "_bg.gif", "_bd.gif"})
    noms.push_back(nomURL(style, sepurl) + coin);
  return noms;
}

// The themes a category's files may be named after: those of its sheets and of its list.
void ajouterTheme(std::vector<std::string>& themes, std::set<std::string>& vus, std::string theme) {
  theme = platform::trim(theme);
  if (!theme.empty() && vus.insert(platform::foldFileName(theme)).second)
    themes.push_back(std::move(theme));
}

// The files that a category names through its themes (and its wrap texts), folded: a rename of
// another category or theme copies them rather than take them away. `themeExclu` is the theme
// being renamed.
void ajouterNomsCategorie(std::set<std::string>& noms, const DossierCatalogue& vue,
                          const std::string& categorie, char sepurl, bool textes,
                          std::string_view themeExclu = {}) {
  auto ajouter = [&](const std::string& nom) { noms.insert(platform::foldFileName(nom)); };
  if (textes)
    if (const std::string url = nomURL(categorie, sepurl); !url.empty()) {
      ajouter(url + ".txt");
      ajouter(url + "d.txt");
    }
  const auto cto = vue.trouver(categorie + ".cto");
  if (!cto) return;
  for (const auto& ligne : vue.lire(*cto)) {
    const std::string theme = platform::trim(ligne);
    if (theme.empty() || (!themeExclu.empty() && memeNomTaxonomie(theme, themeExclu))) continue;
    for (const auto& nom : nomsTheme(categorie, theme, sepurl)) ajouter(nom);
  }
}

}  // namespace

namespace {

// The new name is taken already: it is the old one, or another line of the list.
bool nomPris(const std::vector<std::string>& liste, int position, const std::string& nom) {
  if (platform::trim(liste[static_cast<size_t>(position)]) == nom) return true;
  for (int i = 0; i < static_cast<int>(liste.size()); ++i)
    if (i != position && memeNomTaxonomie(liste[static_cast<size_t>(i)], nom)) return true;
  return false;
}

// The writes of a checked plan, recorded first: done, undone after a file error, or stopped with
// the record left for the repair.
ResultatRenommage& executer(ResultatRenommage& r, const DataFolder& dossier, const Plan& plan,
                            const std::function<void()>& avantEcriture) {
  const ResultatEcritures fin = ecrireRenommage(dossier, plan.etapes, plan.index, avantEcriture);
  switch (fin.issue) {
    case IssueEcritures::faites:
      r.issue = IssueRenommage::fait;
      r.fiches = plan.fiches;
      r.message = fin.erreur;
      break;
    case IssueEcritures::annulees:
      r.issue = IssueRenommage::refuse;
      r.message = messageAnnulation(fin.erreur);
      break;
    case IssueEcritures::interrompues:
      r.issue = IssueRenommage::interrompu;
      r.message = messageInterruption(fin.erreur);
      break;
  }
  return r;
}

}  // namespace

ResultatRenommage renommerCategorie(const DataFolder& dossier, const EntreesRenommageCategorie& e,
                                    const ProgressionFiches& progression,
                                    const std::function<void()>& avantEcriture) {
  ResultatRenommage r;
  if (e.position < 0 || e.position >= static_cast<int>(e.categories.size())) return r;
  const std::string ancien = e.categories[e.position];
  r.nom = platform::trim(e.nouveau);
  if (r.nom.empty() || categorieReservee(r.nom)) {
    r.message = "Opération Impossible";
    return r;
  }
  if (nomPris(e.categories, e.position, r.nom)) {
    r.message = messageCategorieExiste;
    return r;
  }
  if (!nomCategorieValide(dossier, r.nom)) {
    r.message = messageCategorieRefusee;
    return r;
  }

  DossierCatalogue vue(dossier);
  Plan plan;
  for (const char* ext : {".cto", ".fam"}) {
    auto source = vue.trouver(ancien + ext);
    auto cible = vue.trouver(r.nom + ext);
    if (cible && !(source && platform::fileNamesEqual(*cible, *source))) {
      r.message = messageCategorieExiste;  // a category of that name whose line was lost
      return r;
    }
    if (source && *source != r.nom + ext)
      plan.etapes.push_back(deplacement(Sorte::renommer, *source, r.nom + ext));
  }

  std::vector<std::string> themes;
  std::set<std::string> vus;
  passerFiches(vue, plan, progression, "categorie", r.nom,
               [&](LineList& lignes) -> std::optional<std::string> {
                 auto categorie = valeurFiche(lignes, "categorie");
                 if (!categorie || !memeNomTaxonomie(*categorie, ancien)) return std::nullopt;
                 remplacerValeurFiche(lignes, "categorie", r.nom);
                 if (auto theme = valeurFiche(lignes, "mot_cle")) ajouterTheme(themes, vus, *theme);
                 return categorie;
               });
  prevoirPromos(vue, plan, "categorie", r.nom);
  if (auto cto = vue.trouver(ancien + ".cto"))
    for (const auto& theme : vue.lire(*cto)) ajouterTheme(themes, vus, theme);

  std::set<std::string> autres;
  for (int i = 0; i < static_cast<int>(e.categories.size()); ++i)
    if (const std::string c = platform::trim(e.categories[static_cast<size_t>(i)]);
        i != e.position && !c.empty())
      ajouterNomsCategorie(autres, vue, c, e.sepurl, true);
  std::optional<std::string> refus;
  auto garder = [&](std::optional<std::string> m) {
    if (m && !refus) refus = std::move(m);
  };
  for (const auto& t : themes)
    prevoirNoms(vue, nomsTheme(ancien, t, e.sepurl), nomsTheme(r.nom, t, e.sepurl), autres, plan,
                refus);
  const std::string urlAncien = nomURL(ancien, e.sepurl), urlNouveau = nomURL(r.nom, e.sepurl);
  if (!urlAncien.empty() && urlAncien != urlNouveau)
    for (const char* suffixe : {".txt", "d.txt"})
      garder(prevoir(vue, urlAncien + suffixe, urlNouveau + suffixe, autres, plan));
  for (const char* ext : {".fnd", ".txt"})
    garder(prevoirAnnexe(dossier, "tmp/" + ancien + ext, "tmp/" + r.nom + ext, plan));
  if (!refus) refus = fichierBloque(dossier, plan, {"categories", "ref.gen"});
  if (refus) {
    r.message = *refus;
    return r;
  }

  for (const auto& c : e.categories)
    if (!c.empty()) r.liste.push_back(&c == &e.categories[e.position] ? r.nom : c);
  plan.etapes.push_back(liste("categories", chargerListeCategories(dossier), r.liste));
  return executer(r, dossier, plan, avantEcriture);
}

ResultatRenommage renommerTheme(const DataFolder& dossier, const EntreesRenommageTheme& e,
                                const ProgressionFiches& progression,
                                const std::function<void()>& avantEcriture) {
  ResultatRenommage r;
  if (e.position < 0 || e.position >= static_cast<int>(e.themes.size())) return r;
  const std::string ancien = e.themes[e.position];
  r.nom = platform::trim(e.nouveau);
  if (r.nom.empty()) {
    r.message = messageThemeVide;
    return r;
  }
  if (nomPris(e.themes, e.position, r.nom)) {
    r.message = messageThemeExiste;
    return r;
  }
  if (!nomThemeValide(dossier, r.nom)) {
    r.message = messageThemeRefuse;
    return r;
  }

  DossierCatalogue vue(dossier);
  Plan plan;
  passerFiches(vue, plan, progression, "mot_cle", r.nom,
               [&](LineList& lignes) -> std::optional<std::string> {
                 auto categorie = valeurFiche(lignes, "categorie");
                 auto theme = valeurFiche(lignes, "mot_cle");
                 if (!categorie || !theme || !memeNomTaxonomie(*categorie, e.categorie) ||
                     !memeNomTaxonomie(*theme, ancien))
                   return std::nullopt;
                 remplacerValeurFiche(lignes, "mot_cle", r.nom);
                 return theme;
               });
  prevoirPromos(vue, plan, "mot_cle", r.nom);
  std::set<std::string> autres;
  for (const auto& c : chargerListeCategories(dossier))
    if (const std::string nom = platform::trim(c); !nom.empty() && !memeNomTaxonomie(nom, e.categorie))
      ajouterNomsCategorie(autres, vue, nom, e.sepurl, false);
  ajouterNomsCategorie(autres, vue, e.categorie, e.sepurl, false, ancien);
  std::optional<std::string> refus;
  prevoirNoms(vue, nomsTheme(e.categorie, ancien, e.sepurl), nomsTheme(e.categorie, r.nom, e.sepurl),
              autres, plan, refus);
  const auto cto = vue.trouver(e.categorie + ".cto");
  if (!refus) refus = fichierBloque(dossier, plan, {"ref.gen"});
  if (!refus && cto && !platform::canModify(dossier.root() / *cto)) refus = messageFichierBloque(*cto);
  if (refus) {
    r.message = *refus;
    return r;
  }

  r.liste = e.themes;
  r.liste[e.position] = r.nom;
  // The list goes before the files named after the theme, as the sheets do.
  if (cto) {
    auto premier = std::find_if(plan.etapes.begin(), plan.etapes.end(),
                                [](const EtapeRenommage& x) { return x.sorte != Sorte::valeur; });
    plan.etapes.insert(premier, liste(*cto, vue.lire(*cto).lines(), r.liste));
  }
  return executer(r, dossier, plan, avantEcriture);
}

}  // namespace app
