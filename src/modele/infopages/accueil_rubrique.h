#pragma once
// A section of the home page's column (`TRubriqueAccueil`): its settings <slug>.acc and its text
// <slug>.rub, and the links fixed for the built-in sections.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/lines.h"

namespace infopages {

struct TRubriqueAccueil {
  std::string puce_rubrique, puce_largeur, puce_hauteur, lien, target = "_self",
      couleurR = "#0000FF", tailleR = "11", alignementR = "left", grasR = "non", italiqueR = "non",
      souligneR = "oui";
  bool operator==(const TRubriqueAccueil&) const = default;
};

struct CleRubrique {
  const char* cle;
  std::string TRubriqueAccueil::*champ;
};
// The eleven keys in the order of the file.
std::span<const CleRubrique> clesRubrique();

struct RubriqueLue {
  TRubriqueAccueil reglages;
  platform::LineList texte;
};
// <slug>.acc (non-empty values, key case ignored; a target "principal" is read as "_self") and
// <slug>.rub; a missing file leaves the defaults and an empty text.
RubriqueLue chargerRubriqueAccueil(const platform::DataFolder& donnees, std::string_view slug);
void sauverRubriqueAccueil(const platform::DataFolder& donnees, std::string_view slug,
                           const TRubriqueAccueil& reglages, const platform::LineList& texte);

// What the fixed links of the built-in sections are made of.
struct EntreesLienRubrique {
  bool frames = true;          // frameset layout
  std::string premierePage;    // first theme page of the first category, "" when none
  std::string articles;        // product index name
  std::string listeP;          // author index name
  std::string url_panier, targetS;
  std::string scriptPaiement;  // the secure-payment script of the maker's server
  std::string login, ext, nomE, email;
};
// The link of a built-in or layout section: nullopt for a section of the user's (its edits stay
// open); otherwise the link to show (nullopt: unchanged) and, for "Panier", the target. The
// shop's names go into the query encoded, so that "&" or a quote in them cannot break the link.
struct LienFixe {
  std::optional<std::string> lien;
  std::optional<std::string> target;
};
std::optional<LienFixe> lienRubriqueFixe(std::string_view nom, const EntreesLienRubrique& e);
// One of the eleven sections every home page has; the user may untick it, not remove it.
bool rubriqueOrigine(std::string_view nom);

}  // namespace infopages
