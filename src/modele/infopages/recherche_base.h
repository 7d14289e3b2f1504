#pragma once
// The search key word base `TBaseRecherche` (recherche_base.bdd): one line per link, word "="
// value, where the value is "NULL" (a word without product) or "[" rank "]" reference. Each
// operation takes the lines and gives the lines to save; those that add or rewrite lines give
// them sorted in the French order, those that only remove lines keep the order found.

#include <string>
#include <string_view>
#include <vector>

#include "platform/lines.h"

namespace infopages {

inline constexpr const char* kFichierBaseRecherche = "recherche_base.bdd";

// A line as readers take it: split at its first "=", both parts trimmed; the reference is the
// trimmed text after the first "]" when the value holds "[", else the whole value.
struct LienRecherche {
  std::string mot;
  std::string valeur;
  std::string reference;
};
LienRecherche lireLien(std::string_view ligne);

// Why a word typed for an add or a rename cannot be stored (a separator or a quote would
// change what the base and the site's list read back); "" when it can.
std::string refusMot(std::string_view mot);

// True when a line has exactly this text (blanks and case count) before its first "=".
bool motEnregistre(const platform::LineList& base, std::string_view mot);
platform::LineList ajouterMot(platform::LineList base, std::string_view mot);

// The words in order of first appearance, and for each whether it leads to reference.
struct MotsBase {
  std::vector<std::string> mots;
  std::vector<bool> coches;
};
MotsBase motsBase(const platform::LineList& base, std::string_view reference);

// The references the word leads to, in file order.
std::vector<std::string> produitsDuMot(const platform::LineList& base, std::string_view mot);

// The reference's links replaced by one rank-00 link per word.
platform::LineList enregistrerMots(const platform::LineList& base, std::string_view reference,
                                   const std::vector<std::string>& mots);
// Drops the word's lines and every line without a word.
platform::LineList supprimerMot(const platform::LineList& base, std::string_view mot);
platform::LineList renommerMot(const platform::LineList& base, std::string_view ancien,
                               std::string_view nouveau);
// The word's lines rewritten with ranks 01, 02, ... in the order given; its "NULL" line goes.
platform::LineList ordonnerProduits(const platform::LineList& base, std::string_view mot,
                                    const std::vector<std::string>& references);
// Drops one link; the other ranks stay as they are.
platform::LineList retirerLien(const platform::LineList& base, std::string_view mot,
                               std::string_view reference);
// Keeps the "NULL" lines and the links to a sheet file of the list (names before their first
// ".", without regard to case).
platform::LineList purgerBase(const platform::LineList& base,
                              const std::vector<std::string>& fichiers);

}  // namespace infopages
