#pragma once
// The shared text, price and file helpers: file and URL names, typed prices, French amounts,
// prices in the shop's two currencies, the accepted name characters, and the file copy.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// A title as a file and URL name: accents dropped, lower case, blanks at both ends removed,
// every other character than a digit or a letter turned into the separator, one for one.
std::string nomURL(std::string_view titre, char separateur);

// Page `numero` of a theme's list pages, without extension: nomURL of "<categorie><sep><theme>",
// the theme as its list holds it, then the number, after the separator unless that is "_".
// Every writer and every link names theme pages with it. Empty when no name can be made.
std::string pageTheme(std::string_view categorieTheme, char separateur, int numero);

// A typed price as digits, "-" and "." only; "0" when nothing is left.
std::string nettoyerPrix(std::string_view prix);

// The one reading of an amount, typed or stored: digits with at most one decimal comma or point,
// blanks between groups of three digits ("1 234,50") or points before a decimal comma
// ("1.234,50"), a sign before the digits, one currency mark before or after them ("€", "EUR",
// "F", "FF"), or after them a currency word ("euros", "francs") or the shop's currency `devise`
// ("€ TTC"). The number with a point ("1234.50", "-5"), every decimal kept; "0" for a blank
// text; none for a letter among the digits, two decimal marks or a second number, and for a mark
// or word of another currency than `devise` ("45 francs" in a shop in "€"; any when it is empty).
std::optional<std::string> lireMontant(std::string_view texte, std::string_view devise = {});

// A product's price never goes below 0; a supplement or a choice may take off.
enum class Signe { positif, libre };

// A price is in cents; a rate keeps every decimal it has.
enum class Decimales { deux, libres };

// The refusal of a typed price, rate or amount that lireMontant refuses, that is below 0 when
// `signe` is positif, or that has more than two decimals unless they are libres: "Le taux abc
// n'est pas un nombre" for the label "Le taux", "Le prix -5 de la variante 2 ne peut pas être
// négatif" with the box's name in `lieu`, "Le prix 12,999 a plus de deux décimales"; none when it
// is accepted.
std::optional<std::string> refusNombre(std::string_view libelle, std::string_view texte,
                                       Signe signe, std::string_view lieu = {},
                                       Decimales decimales = Decimales::deux,
                                       std::string_view devise = {});

// A stored amount as a card shows and sends it: as stored when the order form reads it as
// lireMontant does, rounded to the cent with a point when it has more decimals ("12,999" gives
// "13.00"), the number alone when only lireMontant reads it ("30 euros" gives "30"); none when it
// is no amount ("rouge", "1950-1960").
std::optional<std::string> montantCarte(std::string_view texte, std::string_view devise = {});

// A stored price as a card shows and sends it: montantCarte's; none when it is no amount or below
// 0, and then the card shows no price and takes no order. An empty price stays empty.
std::optional<std::string> prixCarte(std::string_view prix, std::string_view devise = {});

// A stored promotional price as a card applies it: prixCarte's; none when it is empty (no
// promotion), and then the sheet's price stands.
std::optional<std::string> promotionCarte(std::string_view prixpromo, std::string_view devise = {});

// An amount written with a point as the French way: "1234.5" gives "1 234,50" (decimals cut).
std::string formaterPrix(std::string_view montant);

// The second currency's rate as a fraction: its digits as a whole number over a power of ten
// ("0,8" gives {8, 1}); none when it is no number above zero. It keeps at most 15 digits, rounded
// half up beyond, so that the order form's script divides by it exactly as the card does.
struct TauxDevise {
  long long chiffres;
  int decimales;
};
std::optional<TauxDevise> tauxDevise(std::string_view taux);

// An amount in whole cents ("-1250") in the second currency, in whole cents: divided by the
// rate on its digits, an exact half of a cent rounded away from zero.
std::string centimesDevise(std::string_view centimes, const TauxDevise& taux);

// Texts of a page: the currencies are escaped as page text.
struct PrixDevise {
  std::string prixPrincipalTexte;  // amount and main currency; may begin with blanks
  std::string prixDeviseTexte;     // amount and second currency, empty without one
  std::string texteCommun;         // the second-currency amount alone
};
// dev1, dev2 and taux are the identity's currencies and rate (one unit of the second currency in
// the main currency, as typed: "0,152449"); a rate that is no number above zero gives no second
// amount.
PrixDevise prixDevise(std::string_view prix, std::string_view dev1, std::string_view dev2,
                      std::string_view taux);

// True when every character may stand in a file name part of the catalogue.
bool nomValide(std::string_view nom);

bool copierFichier(const std::filesystem::path& source, const std::filesystem::path& destination,
                   bool nePasRemplacer);

}  // namespace app
