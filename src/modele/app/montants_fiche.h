#pragma once
// The amounts a sheet and its price lists hold, each with the words that name it in a message,
// so that the sheet's save, the list editors and the build read them by one rule (lireMontant).

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "modele/app/fiche_produit.h"
#include "modele/app/texte_prix.h"

namespace app {

struct MontantFiche {
  std::string lieu;   // what it belongs to: "de la variante 2"; empty for the sheet's price
  std::string texte;  // as typed or stored
  Signe signe;
  bool etiquette = false;  // a list line: without an amount or a digit, a label charged nothing
};

// A sheet's quantity multiple: 0 when empty (sold by units), a whole number from 1; none for
// anything else ("abc", "-2", "1e2", "0,5").
std::optional<int> lireMultiple(std::string_view texte);

// The price, the three variant prices (ticked or not), the comment rows' prices and the
// "<CHOIX>" amounts of the titles.
std::vector<MontantFiche> montantsFiche(const TFicheProduit& fiche);
// The amounts of a price list with the extension ".sup" (supplements, which may take off) or
// ".dif" (models' prices); a line's amount is after its last "=", where the cart reads it.
std::vector<MontantFiche> montantsListe(std::span<const std::string> lignes,
                                        std::string_view extension);
// The promotional price of each reference of the sheet (its own, the variants', the comment
// rows') that `prixPromo` finds one for (empty when none): "en promotion BOL01V".
std::vector<MontantFiche> montantsPromotions(
    const TFicheProduit& fiche, const std::function<std::string(const std::string&)>& prixPromo);
// Each amount that refusNombre refuses in the shop's currency `devise`, labels left aside, named
// once for a message: "BOL01 de la variante 1 (abc)", "BOL01 du choix Relié (1O)".
std::vector<std::string> montantsIllisibles(std::string_view reference,
                                            const std::vector<MontantFiche>& montants,
                                            std::string_view devise = {});
// The build's word on the stored amounts it names (montantsIllisibles, a tariff's lines).
// The names one after the other, as a message lists them: "a, b, c".
std::string listeNoms(const std::vector<std::string>& noms);
std::string messagePrixIllisibles(const std::vector<std::string>& noms);
// The refusal of the first amount that refusNombre refuses, a label left aside, and a list line
// without an amount that `deja` (what was stored before) holds as it is; none when all pass.
std::optional<std::string> refusMontants(const std::vector<MontantFiche>& montants,
                                         const std::vector<MontantFiche>& deja = {},
                                         std::string_view devise = {});

}  // namespace app
