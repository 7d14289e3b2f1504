#pragma once
// The default texts of the fifteen built-in conditions-of-sale sections.

#include <string>
#include <string_view>

#include "modele/app/identite.h"
#include "platform/lines.h"

namespace infopages {

// What the texts are made of: the shop identity and the editor's fields as they stand.
struct EntreesTexteConditions {
  app::TIdentite identite;
  std::string denomination;  // D
  std::string produits;      // P
  std::string livraison;     // L
  std::string delai;         // T
  std::string moyen;         // M
  bool livraisonYES = false;
  bool cb = false;
  bool cc = false;
  bool cheque = false;
  bool mandat = false;
  bool cr = false;
  std::string adressePaiement;  // the secure card-payment script
};

// The default text of a section: the lines of a built-in one, none for any other. Headings (the
// first line but in "Titre" and "Bulle") are upper-cased, ASCII letters only.
platform::LineList texteParDefaut(std::string_view rubrique, const EntreesTexteConditions& e);

}  // namespace infopages
