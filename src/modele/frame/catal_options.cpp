#include "modele/frame/catal_options.h"

#include "modele/app/texte_prix.h"
#include "platform/text.h"

#include <algorithm>

namespace frame {

std::string montantPort(const TOptionsCatalogue& c, std::string_view devise) {
  if (!c.port) return "0";
  const auto montant = app::prixCarte(c.portE, devise);
  if (!montant) return "0";
  // The number alone: a currency mark could be other than the shop's as the form reads it ("€"
  // for "€ TTC"). With the French comma that the shopper's box shows.
  std::string propre = app::nettoyerPrix(*montant);
  std::replace(propre.begin(), propre.end(), '.', ',');
  return propre;
}

namespace {

// The whole number a text begins with, from 1; none otherwise.
std::optional<long long> entierDebut(std::string_view texte, bool seul) {
  const std::string t = platform::trim(texte);
  size_t fin = 0;
  while (fin < t.size() && fin < 9 && t[fin] >= '0' && t[fin] <= '9') ++fin;
  if (fin == 0 || (seul && fin != t.size())) return std::nullopt;
  const long long n = std::stoll(t.substr(0, fin));
  if (n < 1) return std::nullopt;
  return n;
}

}  // namespace

std::string quantiteDefaut(const TOptionsCatalogue& c) {
  return std::to_string(entierDebut(c.quantiteE, false).value_or(1));
}

std::optional<std::string> refusCatalogue(const TOptionsCatalogue& c, std::string_view devise) {
  if (!entierDebut(c.quantiteE, true))
    return "La quantité " + platform::trim(c.quantiteE) + " n'est pas un nombre entier d'articles";
  return app::refusNombre("Le montant des frais de port", c.portE, app::Signe::positif, {},
                          app::Decimales::deux, devise);
}

std::vector<std::string> catalogueIllisible(const TOptionsCatalogue& c, std::string_view devise) {
  std::vector<std::string> noms;
  if (!entierDebut(c.quantiteE, true))
    noms.push_back("la quantité du catalogue hors ligne (" + platform::trim(c.quantiteE) + ")");
  if (c.port && app::refusNombre({}, c.portE, app::Signe::positif, {}, app::Decimales::deux, devise))
    noms.push_back("les frais de port du catalogue hors ligne (" + platform::trim(c.portE) + ")");
  return noms;
}

}  // namespace frame
