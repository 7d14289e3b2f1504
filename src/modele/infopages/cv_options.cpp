#include "modele/infopages/cv_options.h"

#include <algorithm>
#include <map>
#include <optional>

#include "modele/app/texte_prix.h"
#include "platform/text.h"

namespace infopages {

namespace {

using O = TOptionsConditions;

const char* const kFichier = "cv.opt";

struct Cle {
  const char* cle;
  std::string O::*champ;
};

// The fourteen keys in file order.
constexpr Cle kCles[] = {
    {"cvHTM", &O::cvHTM},
    {"cvente_titre_color", &O::cvente_titre_color},
    {"cvente_texte_color", &O::cvente_texte_color},
    {"cvente_denomination", &O::cvente_denomination},
    {"cvente_produits", &O::cvente_produits},
    {"cvente_livraison", &O::cvente_livraison},
    {"cvente_livraisonYES", &O::cvente_livraisonYES},
    {"cvente_delai", &O::cvente_delai},
    {"cvente_moyen", &O::cvente_moyen},
    {"cvente_cb", &O::cvente_cb},
    {"cvente_cc", &O::cvente_cc},
    {"cvente_cheque", &O::cvente_cheque},
    {"cvente_mandat", &O::cvente_mandat},
    {"cvente_cr", &O::cvente_cr},
};

}  // namespace

const std::vector<std::string>& rubriquesOrigine() {
  static const std::vector<std::string> noms = {
      "Titre",   "Catalogue", "Commandes",     "Prix",     "Bulle",
      "Délai",   "Frais",     "Réserves",      "Disponibilité", "Retours",
      "Force majeure", "Paiement", "Garantie", "Info",     "Litiges"};
  return noms;
}

bool estRubriqueOrigine(std::string_view nom) {
  for (const std::string& n : rubriquesOrigine())
    if (n == nom) return true;
  return false;
}

TOptionsConditions conditionsParDefaut(std::string_view nomE) {
  TOptionsConditions options;
  options.cvente_denomination = nomE;
  for (const std::string& nom : rubriquesOrigine())
    options.rubriques.push_back({nom, nom != "Bulle" && nom != "Frais"});
  return options;
}

platform::LineList lignesConditions(const TOptionsConditions& options) {
  platform::LineList lignes;
  for (const Cle& c : kCles) lignes.add(std::string(c.cle) + "=" + options.*c.champ);
  if (options.rubriques.empty()) return lignes;
  lignes.add("cvente_rubriques_index=" + platform::fromInteger(static_cast<long long>(options.rubriques.size())));
  for (size_t i = 0; i < options.rubriques.size(); ++i) {
    const std::string n = platform::fromInteger(static_cast<long long>(i));
    lignes.add("rubrique" + n + "=" + options.rubriques[i].nom);
    lignes.add("checked" + n + "=" + (options.rubriques[i].cochee ? "oui" : "non"));
  }
  return lignes;
}

bool lireConditions(const platform::LineList& lignes, TOptionsConditions& options) {
  if (lignes.empty()) return false;
  for (const Cle& c : kCles) {
    std::string valeur = lignes.value(c.cle);
    if (!valeur.empty()) options.*c.champ = valeur;
  }
  const std::string index = lignes.value("cvente_rubriques_index");
  if (index.empty()) return true;
  // A count that is no whole number is unreadable: the list stays as it was.
  std::optional<long long> n = platform::toInteger(index);
  if (!n || *n < 0) return true;
  // No file holds more sections than lines: a damaged count cannot fill the memory.
  const long long compte = std::min(*n, static_cast<long long>(lignes.size()));
  // Each key once: the lookups stay linear in a long list.
  std::map<std::string, std::string> valeurs;
  for (const std::string& ligne : lignes) {
    size_t egal = ligne.find('=');
    if (egal == std::string::npos) continue;
    valeurs.try_emplace(platform::lowerAscii(ligne.substr(0, egal)), ligne.substr(egal + 1));
  }
  auto valeur = [&valeurs](const std::string& cle) {
    auto it = valeurs.find(cle);
    return it == valeurs.end() ? std::string() : it->second;
  };
  options.rubriques.clear();
  for (long long i = 0; i < compte; ++i) {
    const std::string k = platform::fromInteger(i);
    options.rubriques.push_back({valeur("rubrique" + k), valeur("checked" + k) != "non"});
  }
  return true;
}

std::string cvPopup(const std::vector<RubriqueConditions>& rubriques) {
  for (const RubriqueConditions& r : rubriques)
    if (r.nom == "Bulle" && r.cochee) return "oui";
  return "non";
}

std::string fichierRubrique(std::string_view nom, char separateur) {
  return app::nomURL(nom, separateur) + ".vub";
}

bool chargerConditions(const platform::DataFolder& dossier, TOptionsConditions& options) {
  if (!dossier.exists(kFichier)) return false;
  return lireConditions(platform::LineList::load(dossier.path(kFichier)), options);
}

void sauverConditions(const platform::DataFolder& dossier, const TOptionsConditions& options) {
  lignesConditions(options).save(dossier.path(kFichier));
}

}  // namespace infopages
