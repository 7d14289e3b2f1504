#pragma once
// The comparator feed settings: the shop's base URL (kelkoo.ini), the comparators chosen
// (tmp/comp.ini), the sheets left out and the composition options (tmp/kelkoo.ref), the
// per-product overrides (tmp/<ref>.kel); and the feed values that the editor previews and the
// feed build writes.

#include <string>
#include <string_view>
#include <vector>

#include "platform/lines.h"

namespace publish {

// `TUrlBoutique`: the base URL of the shop's login in kelkoo.ini; "" when none.
std::string urlBoutique(const platform::LineList& kelkooIni, std::string_view login);

// `TOptionsComparateurs`, tmp/comp.ini.
struct TOptionsComparateurs {
  bool kelkooC = true;
  bool webmarchandC = true;
  bool googleC = true;
  std::string repertoire_serveur;
};
// Unticks each box whose key holds "non"; a box is never ticked here.
void appliquerOptionsComparateurs(const platform::LineList& lignes, TOptionsComparateurs& options);
platform::LineList lignesOptionsComparateurs(const TOptionsComparateurs& options);

// `TSelectionFlux`, tmp/kelkoo.ref: the options, then the sheet files left out of the feeds.
struct TSelectionFlux {
  bool catC = false;    // leave the category out of the title
  bool themeTC = false;  // put the theme into the title
  bool themeC = false;   // leave the theme out of the description
  std::vector<std::string> exclues;
};
// Ticks each option whose key holds "oui" (never unticks); exclues = every line, trimmed.
void appliquerSelectionFlux(const platform::LineList& lignes, TSelectionFlux& selection);
platform::LineList lignesSelectionFlux(const TSelectionFlux& selection);

// `TSurchargeFlux`, tmp/<ref>.kel: a product's own title, description lines and category.
struct TSurchargeFlux {
  std::string titre;
  std::vector<std::string> description;
  std::string categorie;
  bool aCategorie = false;
};
TSurchargeFlux lireSurchargeFlux(const platform::LineList& lignes);
platform::LineList lignesSurchargeFlux(const TSurchargeFlux& surcharge);

// Feed values.
// A description without its weight prefix: the text after the first ")" when it begins "(w:".
std::string sansPoids(std::string_view texte);
// When the text holds a "<": every tag from "<" to ">" dropped, a lone ">" too; an unclosed "<"
// drops the rest.
std::string sansBalises(std::string_view texte);
// A price as the feeds write it, the amount its card sells: "10" gives "10.00", "12,999" gives
// "13.00"; "0.00" (not fed) for a price the card does not sell ("-5", "abc", "45 francs" in a
// shop whose currency `devise` is "€").
std::string prixFlux(std::string_view prix, std::string_view devise);
// The price with its promotion, as the card applies it: a promotion that is no amount, below 0,
// or on a product without a price is none.
std::string prixPromoFlux(std::string_view prix, std::string_view prixpromo,
                          std::string_view devise);
// The computed title: [category] [theme] text author, trimmed.
std::string titreFlux(std::string_view categorie, std::string_view theme, std::string_view texte,
                      std::string_view auteur, bool sansCategorie, bool avecTheme);
// The description from the theme and the comment lines. The preview shows every comment; the
// feed keeps six and stops at the one that starts a rows table ("<AUTRE"). At that line, with
// themeC ticked, the description so far becomes the theme alone.
std::string descriptionFlux(std::string_view theme, const std::vector<std::string>& commentaires,
                            bool sansTheme, bool pourApercu);

}  // namespace publish
