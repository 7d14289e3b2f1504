#include "modele/infopages/recherche_base.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "platform/text.h"

namespace infopages {

using platform::LineList;
using platform::trim;

LienRecherche lireLien(std::string_view ligne) {
  LienRecherche lien;
  const size_t egal = ligne.find('=');
  if (egal == std::string_view::npos) {
    lien.valeur = trim(ligne);
  } else {
    lien.mot = trim(ligne.substr(0, egal));
    lien.valeur = trim(ligne.substr(egal + 1));
  }
  lien.reference = lien.valeur;
  const size_t fin = lien.valeur.find(']');
  if (lien.valeur.find('[') != std::string::npos && fin != std::string::npos)
    lien.reference = trim(lien.valeur.substr(fin + 1));
  return lien;
}

std::string refusMot(std::string_view mot) {
  if (trim(mot).empty()) return "Il faut écrire un mot";
  if (mot.find('=') != std::string_view::npos || mot.find('"') != std::string_view::npos)
    return "Un mot ne peut contenir ni le signe = ni de guillemet";
  return "";
}

bool motEnregistre(const LineList& base, std::string_view mot) {
  return std::any_of(base.begin(), base.end(), [mot](const std::string& ligne) {
    const size_t egal = ligne.find('=');
    return egal != std::string::npos && std::string_view(ligne).substr(0, egal) == mot;
  });
}

LineList ajouterMot(LineList base, std::string_view mot) {
  base.add(std::string(mot) + "=NULL");
  base.sort();
  return base;
}

MotsBase motsBase(const LineList& base, std::string_view reference) {
  std::set<std::string, std::less<>> coches;
  MotsBase resultat;
  for (const std::string& ligne : base) {
    const LienRecherche lien = lireLien(ligne);
    if (lien.mot.empty()) continue;
    if (!reference.empty() && lien.reference == reference) coches.insert(lien.mot);
    if (std::find(resultat.mots.begin(), resultat.mots.end(), lien.mot) == resultat.mots.end())
      resultat.mots.push_back(lien.mot);
  }
  for (const std::string& mot : resultat.mots) resultat.coches.push_back(coches.count(mot) > 0);
  return resultat;
}

std::vector<std::string> produitsDuMot(const LineList& base, std::string_view mot) {
  std::vector<std::string> references;
  for (const std::string& ligne : base) {
    const LienRecherche lien = lireLien(ligne);
    if (lien.mot == mot && lien.reference != "NULL") references.push_back(lien.reference);
  }
  return references;
}

namespace {

template <typename Garder>
LineList filtrer(const LineList& base, Garder garder) {
  LineList gardees;
  for (const std::string& ligne : base)
    if (garder(lireLien(ligne))) gardees.add(ligne);
  return gardees;
}

std::string rang(size_t k) {
  char texte[24];
  std::snprintf(texte, sizeof texte, "%02zX", k);
  return texte;
}

}  // namespace

LineList enregistrerMots(const LineList& base, std::string_view reference,
                         const std::vector<std::string>& mots) {
  LineList resultat =
      filtrer(base, [reference](const LienRecherche& l) { return l.reference != reference; });
  for (const std::string& mot : mots) resultat.add(mot + "=[00]" + std::string(reference));
  resultat.sort();
  return resultat;
}

LineList supprimerMot(const LineList& base, std::string_view mot) {
  const std::string cherche = trim(mot);
  return filtrer(base, [&](const LienRecherche& l) { return !l.mot.empty() && l.mot != cherche; });
}

LineList renommerMot(const LineList& base, std::string_view ancien, std::string_view nouveau) {
  LineList resultat;
  for (const std::string& ligne : base) {
    const size_t egal = ligne.find('=');
    if (egal != std::string::npos && lireLien(ligne).mot == ancien)
      resultat.add(std::string(nouveau) + trim(std::string_view(ligne).substr(egal)));
    else
      resultat.add(ligne);
  }
  resultat.sort();
  return resultat;
}

LineList ordonnerProduits(const LineList& base, std::string_view mot,
                          const std::vector<std::string>& references) {
  LineList resultat = filtrer(base, [mot](const LienRecherche& l) { return l.mot != mot; });
  for (size_t k = 0; k < references.size(); ++k)
    resultat.add(std::string(mot) + "=[" + rang(k + 1) + "]" + references[k]);
  resultat.sort();
  return resultat;
}

LineList retirerLien(const LineList& base, std::string_view mot, std::string_view reference) {
  return filtrer(base, [&](const LienRecherche& l) {
    return !(l.mot == mot && l.reference == reference);
  });
}

LineList purgerBase(const LineList& base, const std::vector<std::string>& fichiers) {
  std::vector<std::string> noms;
  for (const std::string& fichier : fichiers) noms.push_back(fichier.substr(0, fichier.find('.')));
  return filtrer(base, [&](const LienRecherche& l) {
    if (l.valeur == "NULL") return true;
    return std::any_of(noms.begin(), noms.end(), [&](const std::string& nom) {
      return platform::fileNamesEqual(nom, l.reference);
    });
  });
}

}  // namespace infopages
