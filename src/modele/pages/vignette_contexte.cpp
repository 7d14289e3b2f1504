#include "modele/pages/vignette_contexte.h"

#include <fstream>
#include <utility>
#include <unordered_map>

#include "modele/app/texte_prix.h"
#include "platform/files.h"
#include "platform/text.h"

namespace pages {

namespace fs = std::filesystem;

namespace {
const std::string kDefaut = "defaut";
}  // namespace

ContexteCartes::ContexteCartes(const platform::DataFolder& donnees)
    : donnees_(donnees), dossier_(donnees.root()) {}

std::optional<fs::path> ContexteCartes::chemin(std::string_view nom) { return dossier_.chemin(nom); }

bool ContexteCartes::existe(std::string_view nom) { return dossier_.existe(nom); }

std::optional<platform::LineList> ContexteCartes::charger(std::string_view nom) {
  return dossier_.lire(nom);
}

void ContexteCartes::ecrire(std::string_view nom, std::string_view octets) {
  dossier_.ecrireOctets(nom, octets);
}

void ContexteCartes::supprimer(std::string_view nom) { dossier_.supprimer(nom); }

void ContexteCartes::fixerIdentite(const app::TIdentite& identite) {
  std::lock_guard garde(verrou_);
  identite_ = identite;
  identiteChargee_ = true;
}

const ContexteCartes::Lignes& ContexteCartes::lignesTyp(const std::string& nom) {
  std::lock_guard garde(verrou_);
  auto it = typ_.find(nom);
  if (it != typ_.end()) return it->second;
  Lignes lignes;
  if (auto fichier = charger(nom + ".typ")) {
    lignes.emplace();
    platform::forEachKeyValue(*fichier, [&](std::string_view cle, std::string_view valeur) {
      lignes->emplace_back(std::string(cle), std::string(valeur));
    });
  }
  return typ_.emplace(nom, std::move(lignes)).first->second;
}

design::TStyleFiche ContexteCartes::styleFiche(const std::string& themeStyle,
                                               const std::string& referenceStyle) {
  static const auto champs = [] {
    std::unordered_map<std::string_view, std::string design::TStyleFiche::*> m;
    for (const auto& c : design::clesStyleFiche())
      if (c.defaut) m.emplace(c.cle, c.champ);
    return m;
  }();
  design::TStyleFiche style;
  design::mettreDefautsStyleFiche(style);
  for (const std::string* nom : {&kDefaut, &themeStyle, &referenceStyle}) {
    const Lignes& lignes = lignesTyp(*nom);
    if (!lignes) continue;
    for (const auto& [cle, valeur] : *lignes) {
      if (valeur.empty()) continue;
      if (auto it = champs.find(cle); it != champs.end()) style.*(it->second) = valeur;
    }
  }
  return style;
}

const std::optional<std::string>& ContexteCartes::maxiQmulti() {
  return uneFois(maxi_, [this] {
    std::optional<std::string> maxi;
    if (auto fichier = charger("qmulti.ini"))
      maxi = app::nettoyerPrix(platform::trim(fichier->value("maxi")));
    return maxi;
  });
}

const platform::ValueIndex& ContexteCartes::index(std::optional<platform::ValueIndex>& cache,
                                                  std::string_view nom) {
  return uneFois(cache, [&] {
    auto fichier = charger(nom);
    return fichier ? platform::ValueIndex(*fichier) : platform::ValueIndex();
  });
}

std::optional<std::string> ContexteCartes::quantiteClient(std::string_view reference) {
  return index(quantites_, identite().login + ".qmn").find(reference);
}

const std::vector<std::string>& ContexteCartes::fichiersPromo() {
  return uneFois(promos_, [this] { return platform::listFiles(donnees_.root(), "*.pro"); });
}

const std::string& ContexteCartes::styleTheme(const std::string& nom) {
  std::lock_guard garde(verrou_);
  auto it = stl_.find(nom);
  if (it != stl_.end()) return it->second;
  std::string style;
  if (auto fichier = charger(nom + ".stl"))
    platform::forEachKeyValue(*fichier, [&](std::string_view cle, std::string_view valeur) {
      if (cle == "style_fiche") style = std::string(valeur);
    });
  return stl_.emplace(nom, std::move(style)).first->second;
}

std::optional<std::string> ContexteCartes::vignetteLiee(std::string_view reference) {
  return index(vigConf_, "vig.conf").find(reference);
}

const ModeleLies& ContexteCartes::modeleLies() {
  return uneFois(modcomp_, [this] {
    ModeleLies m;
    if (auto fichier = charger("modcomp.inf")) {
      m.present = true;
      m.quantite = fichier->value("quantite");
      m.texte_quantite = fichier->value("texte_quantite");
      m.cadre = fichier->value("cadre");
      m.bouton = fichier->value("bouton");
      m.reference = fichier->value("reference");
    }
    return m;
  });
}

bool ContexteCartes::urlBoutique() {
  return uneFois(kelkoo_, [this] { return existe("kelkoo.ini"); });
}

const std::set<std::string>& ContexteCartes::bache() {
  return uneFois(bache_, [this] {
    std::set<std::string> lignes;
    if (auto fichier = charger("bache.ini"))
      for (const auto& l : *fichier) lignes.insert(platform::trim(l));
    return lignes;
  });
}

const TOptionsArticles& ContexteCartes::optionsArticles(const std::string& police_defaut) {
  return uneFois(articles_, [&] { return chargerOptionsArticles(donnees_, police_defaut); });
}

const std::optional<platform::LineList>& ContexteCartes::promoPrix() {
  return uneFois(promoPrix_, [this] { return charger("promo_prix.opt"); });
}

std::string ContexteCartes::nombreFiches(std::string_view categorie) {
  return index(nkat_, "nkat.inc").value(categorie);
}

std::string ContexteCartes::nombreThemes(std::string_view categorie) {
  return index(ncto_, "ncto.inc").value(categorie);
}

const PagerCategorie* ContexteCartes::pagerCategorie(const std::string& categorie,
                                                     const TOptionsArticles& o,
                                                     const std::string& couleurEtat) {
  std::lock_guard garde(verrou_);
  const auto& pages = pagesCategorie(categorie);
  if (!pages) return nullptr;
  const std::string cle = categorie + '\0' + couleurEtat;
  auto it = pagers_.find(cle);
  if (it == pagers_.end()) it = pagers_.emplace(cle, PagerCategorie(*pages, o, couleurEtat)).first;
  return &it->second;
}

const std::optional<std::vector<std::string>>& ContexteCartes::pagesCategorie(
    const std::string& categorie) {
  std::lock_guard garde(verrou_);
  auto it = fic_.find(categorie);
  if (it != fic_.end()) return it->second;
  std::optional<std::vector<std::string>> pages;
  if (auto fichier = charger(categorie + ".fic")) pages = fichier->lines();
  return fic_.emplace(categorie, std::move(pages)).first->second;
}

bool ContexteCartes::premiereErreurQmulti() {
  std::lock_guard garde(verrou_);
  return !std::exchange(erreurQmulti_, true);
}

void ContexteCartes::recopierVersFtp(const std::string& nom) {
  {
    std::lock_guard garde(verrou_);
    copies_.insert("ftp/" + nom);
  }
  dossier_.copierOuEchouer(nom, "ftp/" + nom);
}

void ContexteCartes::copier(const std::string& nomSource, const std::string& nomDestination) {
  if (platform::trim(nomSource).empty()) return;
  {
    std::lock_guard garde(verrou_);
    if (copies_.contains(nomDestination)) return;
  }
  if (!existe(nomSource)) return;
  {
    std::lock_guard garde(verrou_);
    if (!copies_.insert(nomDestination).second) return;
  }
  // An image kept in a sub-folder keeps it in ftp/. A copy that fails stops the card: a site
  // published without its pictures would be a silent loss.
  dossier_.copierOuEchouer(nomSource, nomDestination);
}

}  // namespace pages
