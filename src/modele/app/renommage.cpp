#include "modele/app/renommage.h"

#include <functional>
#include <set>
#include <utility>

#include "modele/app/dossier_catalogue.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/ref_gen.h"
#include "modele/app/texte_prix.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace app {

namespace {

using platform::DataFolder;
using platform::FileError;
using platform::LineList;

struct Renommage {
  std::string ancien, nouveau;
};

struct Fichier {
  std::string nom;
  LineList lignes;
};

// Everything a rename will do, gathered before anything is written.
struct Plan {
  std::vector<Renommage> avant;    // the category's own files, before its sheets
  std::vector<Fichier> fiches;     // sheets rewritten
  std::vector<Fichier> promos;     // their promotion entries
  std::vector<Renommage> apres;    // theme-style files and sheet-order lists
  std::vector<Renommage> annexes;  // side files under tmp/ (paths relative to the data folder)
  std::vector<TEntreeRefGen> index;
};

std::string messageFichierExiste(const std::string& nom) {
  return "Le fichier " + nom + " existe déjà : le nom n'a pas été changé";
}

std::string messageFichierBloque(const std::string& nom) {
  return "Le fichier " + nom + " ne peut pas être modifié : le nom n'a pas été changé";
}

std::string messageInterruption(const char* erreur) {
  return std::string("Le changement de nom s'est arrêté en cours de route : ") + erreur +
         "\nLancez Construction > Réparation pour remettre le catalogue en ordre.";
}

// Plans the rename of a listed file when it exists; the message when another file holds the new
// name in any letter case (the file itself may change its case).
std::optional<std::string> prevoir(const DossierCatalogue& vue, const std::string& ancien,
                                   const std::string& nouveau, std::vector<Renommage>& plan) {
  auto source = vue.trouver(ancien);
  if (!source) return std::nullopt;
  auto cible = vue.trouver(nouveau);
  if (cible && !platform::fileNamesEqual(*cible, *source)) return messageFichierExiste(*cible);
  for (const auto& r : plan)
    if (platform::fileNamesEqual(r.ancien, *source)) return std::nullopt;  // planned already
  if (*source != nouveau) plan.push_back({*source, nouveau});
  return std::nullopt;
}

// The same for a file below the data folder (no listing of its own: a few names only).
std::optional<std::string> prevoirAnnexe(const DataFolder& dossier, const std::string& ancien,
                                         const std::string& nouveau, std::vector<Renommage>& plan) {
  if (!dossier.exists(ancien)) return std::nullopt;
  if (dossier.exists(nouveau) && !platform::fileNamesEqual(dossier.path(nouveau).filename().string(),
                                                           dossier.path(ancien).filename().string()))
    return messageFichierExiste(nouveau);
  plan.push_back({ancien, nouveau});
  return std::nullopt;
}

// One reading of every sheet: `changer` rewrites the lines of a sheet concerned and says so; the
// index takes every sheet as it will be.
template <class Changer>
void passerFiches(const DossierCatalogue& vue, Plan& plan, const ProgressionFiches& progression,
                  Changer changer) {
  const auto fiches = vue.fiches();
  const int total = static_cast<int>(fiches.size());
  int n = 0;
  for (const auto& nom : fiches) {
    if (progression) progression(++n, total);
    LineList lignes = vue.lire(nom);
    if (changer(lignes)) plan.fiches.push_back({nom, lignes});
    plan.index.push_back(entreeRefGenDeFiche(lignes));
  }
}

// The promotion entries of the sheets rewritten follow them (as a sheet save does).
void prevoirPromos(const DossierCatalogue& vue, Plan& plan, std::string_view cle,
                   std::string_view valeur) {
  for (const auto& fiche : plan.fiches) {
    const std::string pro = fiche.nom.substr(0, fiche.nom.size() - 4) + ".pro";
    auto nom = vue.trouver(pro);
    if (!nom) continue;
    LineList lignes = vue.lire(*nom);
    if (remplacerValeurFiche(lignes, cle, valeur) > 0) plan.promos.push_back({*nom, lignes});
  }
}

std::optional<std::string> fichierBloque(const DataFolder& dossier, const Plan& plan,
                                         std::initializer_list<std::string> autres) {
  auto bloque = [&](const std::filesystem::path& chemin) { return !platform::canModify(chemin); };
  if (bloque(dossier.root())) return messageFichierBloque(dossier.root().filename().string());
  for (const auto* liste : {&plan.avant, &plan.apres})
    for (const auto& r : *liste)
      if (bloque(dossier.root() / r.ancien)) return messageFichierBloque(r.ancien);
  for (const auto& r : plan.annexes)
    if (bloque(dossier.path(r.ancien))) return messageFichierBloque(r.ancien);
  for (const auto* liste : {&plan.fiches, &plan.promos})
    for (const auto& f : *liste)
      if (bloque(dossier.root() / f.nom)) return messageFichierBloque(f.nom);
  for (const auto& nom : autres)
    if (bloque(dossier.path(nom))) return messageFichierBloque(nom);
  return std::nullopt;
}

void renommer(DossierCatalogue& vue, const std::vector<Renommage>& plan) {
  for (const auto& r : plan)
    if (!vue.renommer(r.ancien, r.nouveau))
      throw FileError("impossible de renommer " + r.ancien + " en " + r.nouveau);
}

void ecrire(const DataFolder& dossier, const std::vector<Fichier>& fichiers) {
  for (const auto& f : fichiers) f.lignes.saveExact(dossier.root() / f.nom);
}

std::vector<std::string> nomsFiches(const Plan& plan) {
  std::vector<std::string> noms;
  for (const auto& f : plan.fiches) noms.push_back(f.nom);
  return noms;
}

// The themes a category's files may be named after: those of its sheets and of its list.
void ajouterTheme(std::vector<std::string>& themes, std::set<std::string>& vus, std::string theme) {
  theme = platform::trim(theme);
  if (!theme.empty() && vus.insert(platform::foldFileName(theme)).second)
    themes.push_back(std::move(theme));
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

// The writes of a checked plan: done, or stopped by a file error that the repair can mend.
ResultatRenommage& executer(ResultatRenommage& r, const Plan& plan,
                            const std::function<void()>& ecritures) {
  try {
    ecritures();
  } catch (const FileError& erreur) {
    r.issue = IssueRenommage::interrompu;
    r.message = messageInterruption(erreur.what());
    return r;
  }
  r.issue = IssueRenommage::fait;
  r.fiches = nomsFiches(plan);
  return r;
}

}  // namespace

ResultatRenommage renommerCategorie(const DataFolder& dossier, const EntreesRenommageCategorie& e,
                                    const ProgressionFiches& progression) {
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
    if (source && *source != r.nom + ext) plan.avant.push_back({*source, r.nom + ext});
  }

  std::vector<std::string> themes;
  std::set<std::string> vus;
  passerFiches(vue, plan, progression, [&](LineList& lignes) {
    auto categorie = valeurFiche(lignes, "categorie");
    if (!categorie || !memeNomTaxonomie(*categorie, ancien)) return false;
    remplacerValeurFiche(lignes, "categorie", r.nom);
    if (auto theme = valeurFiche(lignes, "mot_cle")) ajouterTheme(themes, vus, *theme);
    return true;
  });
  prevoirPromos(vue, plan, "categorie", r.nom);
  if (auto cto = vue.trouver(ancien + ".cto"))
    for (const auto& theme : vue.lire(*cto)) ajouterTheme(themes, vus, theme);

  std::optional<std::string> refus;
  auto garder = [&](std::optional<std::string> m) {
    if (m && !refus) refus = std::move(m);
  };
  for (const auto& t : themes) {
    for (char sep : {'_', '-'})
      garder(prevoir(vue, nomListeTheme(ancien, t, sep), nomListeTheme(r.nom, t, sep), plan.apres));
    garder(prevoir(vue, nomStyleTheme(ancien, t), nomStyleTheme(r.nom, t), plan.apres));
  }
  const std::string urlAncien = nomURL(ancien, e.sepurl), urlNouveau = nomURL(r.nom, e.sepurl);
  if (!urlAncien.empty() && urlAncien != urlNouveau)
    for (const char* suffixe : {".txt", "d.txt"})
      garder(prevoir(vue, urlAncien + suffixe, urlNouveau + suffixe, plan.apres));
  for (const char* ext : {".fnd", ".txt"})
    garder(prevoirAnnexe(dossier, "tmp/" + ancien + ext, "tmp/" + r.nom + ext, plan.annexes));
  if (!refus) refus = fichierBloque(dossier, plan, {"categories", "ref.gen"});
  if (refus) {
    r.message = *refus;
    return r;
  }

  for (const auto& c : e.categories)
    if (!c.empty()) r.liste.push_back(&c == &e.categories[e.position] ? r.nom : c);
  return executer(r, plan, [&] {
    renommer(vue, plan.avant);
    ecrire(dossier, plan.fiches);
    ecrire(dossier, plan.promos);
    renommer(vue, plan.apres);
    for (const auto& a : plan.annexes)
      if (!platform::renameFile(dossier.path(a.ancien), dossier.path(a.nouveau)))
        throw FileError("impossible de renommer " + a.ancien + " en " + a.nouveau);
    sauverListeCategories(dossier, r.liste);
    sauverRefGen(dossier, plan.index);
  });
}

ResultatRenommage renommerTheme(const DataFolder& dossier, const EntreesRenommageTheme& e,
                                const ProgressionFiches& progression) {
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
  passerFiches(vue, plan, progression, [&](LineList& lignes) {
    auto categorie = valeurFiche(lignes, "categorie");
    auto theme = valeurFiche(lignes, "mot_cle");
    if (!categorie || !theme || !memeNomTaxonomie(*categorie, e.categorie) || !memeNomTaxonomie(*theme, ancien))
      return false;
    remplacerValeurFiche(lignes, "mot_cle", r.nom);
    return true;
  });
  prevoirPromos(vue, plan, "mot_cle", r.nom);
  std::optional<std::string> refus;
  for (char sep : {'_', '-'})
    if (!refus)
      refus = prevoir(vue, nomListeTheme(e.categorie, ancien, sep),
                      nomListeTheme(e.categorie, r.nom, sep), plan.apres);
  if (!refus)
    refus = prevoir(vue, nomStyleTheme(e.categorie, ancien), nomStyleTheme(e.categorie, r.nom),
                    plan.apres);
  const auto cto = vue.trouver(e.categorie + ".cto");
  if (!refus) refus = fichierBloque(dossier, plan, {"ref.gen"});
  if (!refus && cto && !platform::canModify(dossier.root() / *cto)) refus = messageFichierBloque(*cto);
  if (refus) {
    r.message = *refus;
    return r;
  }

  r.liste = e.themes;
  r.liste[e.position] = r.nom;
  return executer(r, plan, [&] {
    ecrire(dossier, plan.fiches);
    ecrire(dossier, plan.promos);
    if (cto) LineList(r.liste).saveExact(dossier.root() / *cto);
    renommer(vue, plan.apres);
    sauverRefGen(dossier, plan.index);
  });
}

}  // namespace app
