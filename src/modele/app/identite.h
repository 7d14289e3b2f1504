#pragma once
// The shop identity: company and shop data shown by the site, the two currencies with their rate,
// the account with the order service, and which fields the address block shows (ident.opt).

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/lines.h"

namespace app {

struct TIdentite {
  std::string nomE;
  std::string capital;
  std::string nomB;
  std::string rue;
  std::string codepostal;
  std::string pays;
  std::string tel;
  std::string fax;
  std::string email;
  std::string siret;
  std::string ape;
  std::string dev1;  // main currency label
  std::string dev2;  // second currency label; empty: no second currency
  std::string taux;  // one unit of the second currency in the main one, as typed ("0,152449")
  std::string login;
  std::string ext;
  // "oui": the address block of the site shows the field.
  std::string entADR;
  std::string capADR;
  std::string boutiqueADR;
  std::string rueADR;
  std::string cpADR;
  std::string paysADR;
  std::string telADR;
  std::string faxADR;
  std::string eADR;
  std::string siretADR;
  std::string apeADR;

  bool operator==(const TIdentite&) const = default;
};

// What a load tells the identity window beside the record.
struct LectureIdent {
  bool lu = false;                   // the file existed with more than one line
  std::optional<bool> secondeDevise;  // set when the file gave dev2: whether it is not empty
  std::string url_base;              // the file's site address when not empty
};

// Loads ident.opt into the record. The currencies, the rate and seven address flags get their
// defaults first; a missing or one-line file changes nothing else. Never throws for a missing
// file; an existing file that cannot be read throws platform::FileError.
LectureIdent chargerIdent(const platform::DataFolder& dossier, TIdentite& ident);
LectureIdent chargerIdent(const platform::LineList& lignes, TIdentite& ident);

// The rate as it is saved: cleaned by nettoyerPrix, and "1" when it is not a number above zero,
// so that no conversion divides by zero.
std::string tauxEnregistre(std::string_view taux);
// The refusal of a typed rate: no number, below 0, 0 or empty ("Le taux -5 ne peut pas être
// négatif", "Le taux 0 doit être supérieur à zéro"); none when it is accepted.
std::optional<std::string> refusTauxDevise(std::string_view taux);
// True when a stored rate is a number above zero; otherwise no amount is converted with it.
bool tauxLisible(std::string_view taux);
// The rate as the window shows it, with a decimal comma ("0,152449" whichever way it is stored).
std::string tauxAffiche(std::string_view taux);

// The 28 lines of ident.opt, the rate as tauxEnregistre gives it.
platform::LineList lignesIdent(const TIdentite& ident, std::string_view url_base);
// Rewrites ident.opt whole. Throws platform::FileError.
void sauverIdent(const platform::DataFolder& dossier, const TIdentite& ident,
                 std::string_view url_base);

// The conversion example of the identity window: an amount of the main currency in the second
// one, "655,96 FF" for "100" at "0,152449".
std::string convertirExemple(std::string_view prix, std::string_view taux, std::string_view dev2);
// The refusal of the example's price or rate, read as every amount and as OK reads the rate
// ("Le prix 1e3 n'est pas un nombre"); none when both are accepted.
std::optional<std::string> refusConversion(std::string_view prix, std::string_view taux);

}  // namespace app
