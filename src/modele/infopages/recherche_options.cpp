#include "modele/infopages/recherche_options.h"

#include "platform/text.h"

namespace infopages {

namespace {

using O = TOptionsRecherche;
using platform::trim;

enum class Regle { Texte, OuiSeul, SiNonVide, OuiOuNon };

struct Cle {
  const char* cle;
  std::string O::*champ;
  Regle regle;
};

constexpr Cle kCles[] = {
    {"titre", &O::titre, Regle::Texte},       {"col", &O::col, Regle::Texte},
    {"menuG", &O::menuG, Regle::OuiSeul},     {"desac", &O::desac, Regle::OuiSeul},
    {"centrer", &O::centrer, Regle::OuiOuNon}, {"gras", &O::gras, Regle::OuiOuNon},
    {"police", &O::police, Regle::SiNonVide}, {"couleur", &O::couleur, Regle::SiNonVide},
    {"taille", &O::taille, Regle::SiNonVide},
};

}  // namespace

platform::LineList lignesOptionsRecherche(const TOptionsRecherche& options) {
  platform::LineList lignes;
  for (const Cle& c : kCles) {
    const std::string& valeur = options.*c.champ;
    lignes.add(std::string(c.cle) + "=" + (c.regle == Regle::Texte ? trim(valeur) : valeur));
  }
  return lignes;
}

void lireOptionsRecherche(const platform::LineList& lignes, TOptionsRecherche& options) {
  for (const Cle& c : kCles) {
    const std::string brute = lignes.value(c.cle);
    const std::string valeur = trim(brute);
    std::string& champ = options.*c.champ;
    switch (c.regle) {
      case Regle::Texte: champ = brute; break;
      case Regle::OuiSeul: champ = valeur == "oui" ? "oui" : "non"; break;
      case Regle::SiNonVide: if (!valeur.empty()) champ = valeur; break;
      case Regle::OuiOuNon: if (valeur == "oui" || valeur == "non") champ = valeur; break;
    }
  }
}

}  // namespace infopages
