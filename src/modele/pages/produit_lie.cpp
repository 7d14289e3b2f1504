#include "modele/pages/produit_lie.h"

#include "platform/text.h"

namespace pages {

std::optional<ProduitLie> lireProduitLie(std::string_view ligne) {
  size_t debut;
  if (platform::startsWith(ligne, "ref=")) {
    debut = 4;
  } else {
    size_t ref = ligne.find(" ref=");
    if (ref == std::string_view::npos) return std::nullopt;
    debut = ref + 5;
  }
  ProduitLie p;
  size_t nom = ligne.find(" nom=", debut);
  if (nom == std::string_view::npos) {
    p.reference = platform::trim(ligne.substr(debut));
  } else {
    p.reference = platform::trim(ligne.substr(debut, nom - debut));
    p.nom = platform::trim(ligne.substr(nom + 5));
  }
  if (p.reference.empty()) return std::nullopt;
  return p;
}

}  // namespace pages
