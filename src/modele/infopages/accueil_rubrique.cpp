#include "modele/infopages/accueil_rubrique.h"

#include "modele/frame/valeur_script.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace infopages {

namespace {

using R = TRubriqueAccueil;
const CleRubrique kCles[] = {
    {"puce_rubrique", &R::puce_rubrique}, {"puce_largeur", &R::puce_largeur},
    {"puce_hauteur", &R::puce_hauteur},   {"lien", &R::lien},
    {"target", &R::target},               {"couleurR", &R::couleurR},
    {"tailleR", &R::tailleR},             {"alignementR", &R::alignementR},
    {"grasR", &R::grasR},                 {"italiqueR", &R::italiqueR},
    {"souligneR", &R::souligneR},
};

// A value of the query; the link also sits in a quoted script string.
std::string encode(std::string_view valeur) {
  std::string v = platform::urlQueryValue(valeur);
  std::string r;
  for (char c : v) {
    if (c == '\'') r += "%27";
    else if (c == ' ') r += "%20";
    else r += c;
  }
  return r;
}

}  // namespace

std::span<const CleRubrique> clesRubrique() { return kCles; }

RubriqueLue chargerRubriqueAccueil(const platform::DataFolder& donnees, std::string_view slug) {
  RubriqueLue r;
  const std::string nom(slug);
  if (donnees.exists(nom + ".rub")) r.texte = platform::LineList::load(donnees.path(nom + ".rub"));
  if (donnees.exists(nom + ".acc")) {
    platform::LineList lignes = platform::LineList::load(donnees.path(nom + ".acc"));
    for (const CleRubrique& c : kCles)
      if (std::string v = lignes.value(c.cle); !v.empty()) r.reglages.*c.champ = v;
  }
  if (r.reglages.target == "principal") r.reglages.target = "_self";
  return r;
}

void sauverRubriqueAccueil(const platform::DataFolder& donnees, std::string_view slug,
                           const TRubriqueAccueil& reglages, const platform::LineList& texte) {
  const std::string nom(slug);
  platform::LineList lignes;
  for (const CleRubrique& c : kCles) lignes.add(std::string(c.cle) + "=" + reglages.*c.champ);
  lignes.save(donnees.path(nom + ".acc"));
  texte.save(donnees.path(nom + ".rub"));
}

std::optional<LienFixe> lienRubriqueFixe(std::string_view nom, const EntreesLienRubrique& e) {
  auto lien = [](std::string l) { return LienFixe{std::move(l), std::nullopt}; };
  if (nom == "Titre" || nom == "ESPACE" || nom == "LIGNE") return LienFixe{};
  if (nom == "Visite") return lien(e.premierePage);
  if (nom == "Produits") return lien(e.articles + "A.html");
  if (nom == "Thèmes") return lien("themes_" + e.articles + ".html");
  if (nom == "Auteurs") return lien(e.listeP + "A.html");
  if (nom == "Panier")
    return LienFixe{"JavaScript:document.location.href='" + e.url_panier + "?login=" +
                        encode(e.login) + "&ext=" + encode(e.ext) +
                        "&session=oui&session_client='+" + frame::valeurSure("top.session_client") + "+''",
                    e.targetS};
  if (nom == "Paiement sécurisé")
    return lien(e.frames ? e.scriptPaiement + "?boutique=" + encode(e.nomE) + "&frame=oui"
                         : std::string("securf.htm"));
  if (nom == "FAQ") return lien(e.frames ? "emploi.htm" : "emploif.htm");
  if (nom == "Conditions de vente") return lien(e.frames ? "cv.htm" : "cvf.htm");
  if (nom == "Livraison") return lien(e.frames ? "cv.htm#delai" : "cvf.htm#delai");
  if (nom == "Contact") return lien("mailto:" + e.email);
  return std::nullopt;
}

bool rubriqueOrigine(std::string_view nom) {
  return nom != "ESPACE" && nom != "LIGNE" && lienRubriqueFixe(nom, {}).has_value();
}

}  // namespace infopages
