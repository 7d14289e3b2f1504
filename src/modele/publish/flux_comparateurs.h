#pragma once
// The comparator feeds `TFluxComparateur`: three "#" lines, a TAB-separated column header and one
// row per product with a price. The window gathers each ticked sheet's values; rows come out here.

#include <string>
#include <string_view>
#include <vector>

#include "platform/lines.h"

namespace platform {
class DataFolder;
}

namespace publish {

// One product's sheet values, as read from <ref>.ref, <ref>.pro, listeHTM.tmp and tmp/<ref>.kel.
struct ProduitFlux {
  std::string reference, description, categorie, theme, auteur;
  std::string prix, cdPrix, prixPromo, pecotaxe, image, page;
  std::vector<std::string> commentaires;
  platform::LineList surcharge;
};

struct EntreeFlux {
  std::string urlBase;  // with the "Rep." folder already added
  bool catC = false, themeTC = false, themeC = false;
  std::string scriptSuivi;  // merged multi-shop feeds: rows point at this tracking script
  std::string devise;       // the shop's currency, as the cards read prices with it
  std::vector<ProduitFlux> produits;
};

struct Flux {
  platform::LineList kelkoo, webmarchand;
};

// The four header lines; the eighth column is "D3E" for Webmarchand and merged lists.
platform::LineList enteteFlux(bool d3e);
// False when the sheet file is missing.
bool lireProduitFlux(const platform::DataFolder& dossier, const std::string& fiche, ProduitFlux& p);
Flux construireFlux(const EntreeFlux& entree);
// A copy of a feed with each "<cle>" value replaced by the account's tracking code.
platform::LineList fluxSuivi(const platform::LineList& flux, const std::string& cle,
                             const std::string& tracking);

// A user account's tracking code: letters a to z only, at least one, and not the name of one of
// the comparators' own feeds in tmp/, which its copy would overwrite.
bool trackingValide(std::string_view tracking);

}  // namespace publish
