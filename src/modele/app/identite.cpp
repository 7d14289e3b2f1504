#include "modele/app/identite.h"

#include <algorithm>
#include <cmath>

#include "modele/app/texte_prix.h"
#include "platform/text.h"

namespace app {

namespace {

using Champ = std::string TIdentite::*;

enum class Regle {
  Texte,    // a parsed file gives the value, even empty; a missing key empties the field
  Defaut,   // back to its default at each load, then the file's value when not empty
  Toujours, // back to its default at each load, then the file's value even empty
  Garde,    // keeps its earlier value unless the file gives a non-empty one
};

struct Cle {
  const char* cle;
  Champ champ;
  Regle regle;
  const char* defaut;
};

// ident.opt in file order; url_base, kept by the window only, closes the file.
const Cle cles[] = {
    {"nomE", &TIdentite::nomE, Regle::Texte, ""},
    {"capital", &TIdentite::capital, Regle::Texte, ""},
    {"nomB", &TIdentite::nomB, Regle::Texte, ""},
    {"rue", &TIdentite::rue, Regle::Texte, ""},
    {"codepostal", &TIdentite::codepostal, Regle::Texte, ""},
    {"pays", &TIdentite::pays, Regle::Texte, ""},
    {"tel", &TIdentite::tel, Regle::Texte, ""},
    {"fax", &TIdentite::fax, Regle::Texte, ""},
    {"email", &TIdentite::email, Regle::Texte, ""},
    {"siret", &TIdentite::siret, Regle::Texte, ""},
    {"ape", &TIdentite::ape, Regle::Texte, ""},
    {"dev1", &TIdentite::dev1, Regle::Defaut, "EUR"},
    {"dev2", &TIdentite::dev2, Regle::Toujours, "FF"},
    {"taux", &TIdentite::taux, Regle::Defaut, "0,152449"},
    {"login", &TIdentite::login, Regle::Texte, ""},
    {"ext", &TIdentite::ext, Regle::Texte, ""},
    {"entADR", &TIdentite::entADR, Regle::Defaut, "oui"},
    {"capADR", &TIdentite::capADR, Regle::Garde, ""},
    {"boutiqueADR", &TIdentite::boutiqueADR, Regle::Garde, ""},
    {"rueADR", &TIdentite::rueADR, Regle::Defaut, "oui"},
    {"cpADR", &TIdentite::cpADR, Regle::Defaut, "oui"},
    {"paysADR", &TIdentite::paysADR, Regle::Defaut, "oui"},
    {"telADR", &TIdentite::telADR, Regle::Defaut, "oui"},
    {"faxADR", &TIdentite::faxADR, Regle::Defaut, "oui"},
    {"eADR", &TIdentite::eADR, Regle::Garde, ""},
    {"siretADR", &TIdentite::siretADR, Regle::Defaut, "oui"},
    {"apeADR", &TIdentite::apeADR, Regle::Garde, ""},
};

const char* const cleUrlBase = "url_base";

}  // namespace

LectureIdent chargerIdent(const platform::LineList& lignes, TIdentite& ident) {
  for (const auto& c : cles)
    if (c.regle == Regle::Defaut || c.regle == Regle::Toujours) ident.*c.champ = c.defaut;

  LectureIdent r;
  if (lignes.size() <= 1) return r;
  r.lu = true;
  // An emptied field must stay empty: an earlier value would come back at the next save.
  for (const auto& c : cles)
    if (c.regle == Regle::Texte) (ident.*c.champ).clear();

  platform::forEachKeyValue(lignes, [&](std::string_view cle, std::string_view valeur) {
    if (cle == cleUrlBase) {
      if (!valeur.empty()) r.url_base = valeur;
      return;
    }
    for (const auto& c : cles) {
      if (cle != c.cle) continue;
      if (c.regle == Regle::Texte || c.regle == Regle::Toujours || !valeur.empty())
        ident.*c.champ = valeur;
      if (c.regle == Regle::Toujours) r.secondeDevise = !valeur.empty();
      return;
    }
  });
  return r;
}

LectureIdent chargerIdent(const platform::DataFolder& dossier, TIdentite& ident) {
  platform::LineList lignes;
  if (dossier.exists("ident.opt")) lignes = platform::LineList::load(dossier.path("ident.opt"));
  return chargerIdent(lignes, ident);
}

std::string tauxEnregistre(std::string_view taux) {
  std::string propre = nettoyerPrix(taux);
  platform::Conversion c = platform::val(propre);
  return (c.ok() && c.value > 0) ? propre : "1";
}

std::optional<std::string> refusTauxDevise(std::string_view taux) {
  if (auto refus = refusNombre("Le taux", taux, Signe::positif, {}, Decimales::libres)) return refus;
  if (tauxLisible(taux)) return std::nullopt;
  const std::string t = platform::trim(taux);
  return "Le taux " + (t.empty() ? "" : t + " ") + "doit être supérieur à zéro";
}

bool tauxLisible(std::string_view taux) {
  const auto t = lireMontant(taux);
  return t && platform::val(*t).value > 0;
}

std::string tauxAffiche(std::string_view taux) {
  std::string texte(taux);
  std::replace(texte.begin(), texte.end(), '.', ',');
  return texte;
}

platform::LineList lignesIdent(const TIdentite& ident, std::string_view url_base) {
  platform::LineList lignes;
  for (const auto& c : cles) {
    std::string valeur = ident.*c.champ;
    if (c.champ == &TIdentite::taux) valeur = tauxEnregistre(valeur);
    lignes.add(std::string(c.cle) + "=" + valeur);
  }
  lignes.add(std::string(cleUrlBase) + "=" + std::string(url_base));
  return lignes;
}

void sauverIdent(const platform::DataFolder& dossier, const TIdentite& ident,
                 std::string_view url_base) {
  lignesIdent(ident, url_base).save(dossier.path("ident.opt"));
}

std::string convertirExemple(std::string_view prix, std::string_view taux, std::string_view dev2) {
  // Computed as the cards and the order form compute it, so that it shows their cent; a rate
  // that is not above zero counts as 1.
  const auto montant = lireMontant(prix);
  const PrixDevise converti =
      prixDevise(montant.value_or("0"), {}, {}, tauxDevise(taux) ? taux : "1");
  return platform::trim(platform::trim(converti.texteCommun) + " " + platform::trim(dev2));
}

std::optional<std::string> refusConversion(std::string_view prix, std::string_view taux) {
  if (auto refus = refusNombre("Le prix", prix, Signe::positif)) return refus;
  return refusTauxDevise(taux);
}

}  // namespace app
