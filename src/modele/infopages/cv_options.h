#pragma once
// The conditions of sale: the record `TOptionsConditions` with its file cv.opt and its ordered,
// ticked section list, and the section text files `<slug>.vub` (`TRubriqueConditions`).

#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/lines.h"

namespace infopages {

struct RubriqueConditions {
  std::string nom;
  bool cochee = true;
  bool operator==(const RubriqueConditions&) const = default;
};

// Yes/no values are "oui" and "non"; member initialisers are the built-in values but for the
// seller's name, which comes from the identity (conditionsParDefaut).
struct TOptionsConditions {
  std::string cvHTM = "non";
  std::string cvente_titre_color = "#FFA500";
  std::string cvente_texte_color = "#000000";
  std::string cvente_denomination;
  std::string cvente_produits = "produits et services";
  std::string cvente_livraison = "frais de livraison";
  std::string cvente_livraisonYES = "oui";
  std::string cvente_delai = "3 à 5 jours ouvrables";
  std::string cvente_moyen = "Colissimo";
  std::string cvente_cb = "non";
  std::string cvente_cc = "non";
  std::string cvente_cheque = "oui";
  std::string cvente_mandat = "non";
  std::string cvente_cr = "non";
  std::vector<RubriqueConditions> rubriques;
  bool operator==(const TOptionsConditions&) const = default;
};

// The fifteen built-in sections, in their built-in order.
const std::vector<std::string>& rubriquesOrigine();
bool estRubriqueOrigine(std::string_view nom);

// The built-in values: the seller is the shop's nomE; every built-in section ticked but "Bulle"
// and "Frais".
TOptionsConditions conditionsParDefaut(std::string_view nomE);

// The lines of cv.opt: the fourteen keys, then the sections when there are any.
platform::LineList lignesConditions(const TOptionsConditions& options);

// Applies the lines of cv.opt (key case ignored, first line wins): a non-empty value replaces
// the value; a non-empty section count replaces the list ("0" empties it; a count that is no
// whole number keeps the list). False, with nothing changed, when there are no lines.
bool lireConditions(const platform::LineList& lignes, TOptionsConditions& options);

// "oui" when a section named "Bulle" is ticked, else "non".
std::string cvPopup(const std::vector<RubriqueConditions>& rubriques);

// The section's file: nomURL of its name and ".vub".
std::string fichierRubrique(std::string_view nom, char separateur);

// True when cv.opt was read. Throws platform::FileError.
bool chargerConditions(const platform::DataFolder& dossier, TOptionsConditions& options);
void sauverConditions(const platform::DataFolder& dossier, const TOptionsConditions& options);

}  // namespace infopages
