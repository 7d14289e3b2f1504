#include "modele/publish/comparateurs.h"

#include "modele/app/texte_prix.h"
#include "platform/text.h"

namespace publish {

namespace {

bool commencePar(std::string_view texte, std::string_view debut) {
  return texte.substr(0, debut.size()) == debut;
}

}  // namespace

std::string urlBoutique(const platform::LineList& kelkooIni, std::string_view login) {
  return login.empty() ? std::string() : kelkooIni.value(login);
}

void appliquerOptionsComparateurs(const platform::LineList& lignes, TOptionsComparateurs& options) {
  for (auto [cle, coche] : {std::pair{"kelkooC", &options.kelkooC},
                            std::pair{"webmarchandC", &options.webmarchandC},
                            std::pair{"googleC", &options.googleC}})
    if (lignes.value(cle) == "non") *coche = false;
  options.repertoire_serveur = lignes.value("repertoire_serveur");
}

platform::LineList lignesOptionsComparateurs(const TOptionsComparateurs& o) {
  auto ouiNon = [](bool b) { return std::string(b ? "oui" : "non"); };
  return {"kelkooC=" + ouiNon(o.kelkooC), "webmarchandC=" + ouiNon(o.webmarchandC),
          "googleC=" + ouiNon(o.googleC), "repertoire_serveur=" + o.repertoire_serveur};
}

void appliquerSelectionFlux(const platform::LineList& lignes, TSelectionFlux& s) {
  for (auto [cle, coche] : {std::pair{"catC", &s.catC}, std::pair{"themeTC", &s.themeTC},
                            std::pair{"themeC", &s.themeC}})
    if (lignes.value(cle) == "oui") *coche = true;
  s.exclues.clear();
  for (const auto& ligne : lignes) s.exclues.push_back(platform::trim(ligne));
}

platform::LineList lignesSelectionFlux(const TSelectionFlux& s) {
  auto ouiNon = [](bool b) { return std::string(b ? "oui" : "non"); };
  platform::LineList lignes{"catC=" + ouiNon(s.catC), "themeTC=" + ouiNon(s.themeTC),
                            "themeC=" + ouiNon(s.themeC)};
  for (const auto& nom : s.exclues) lignes.add(nom);
  return lignes;
}

TSurchargeFlux lireSurchargeFlux(const platform::LineList& lignes) {
  TSurchargeFlux s;
  if (lignes.empty()) return s;
  const size_t egal = lignes[0].find('=');
  if (egal != std::string::npos) s.titre = lignes[0].substr(egal + 1);
  for (size_t i = 1; i < lignes.size(); ++i) {
    if (commencePar(lignes[i], "categorie=")) {
      s.categorie = lignes[i].substr(10);
      s.aCategorie = true;
    } else {
      s.description.push_back(lignes[i]);
    }
  }
  return s;
}

platform::LineList lignesSurchargeFlux(const TSurchargeFlux& s) {
  platform::LineList lignes{"titre=" + s.titre};
  for (const auto& ligne : s.description) lignes.add(ligne);
  lignes.add("categorie=" + s.categorie);
  return lignes;
}

std::string sansPoids(std::string_view texte) {
  // Only the prefix the sheet editor writes: "(w" inside a title is the title's own text.
  if (!commencePar(texte, "(w:")) return std::string(texte);
  const size_t fin = texte.find(')');
  return fin == std::string_view::npos ? std::string(texte) : platform::trim(texte.substr(fin + 1));
}

std::string sansBalises(std::string_view texte) {
  if (texte.find('<') == std::string_view::npos) return std::string(texte);
  std::string resultat;
  bool dansBalise = false;
  for (char c : texte) {
    if (c == '<') dansBalise = true;
    else if (c == '>') dansBalise = false;
    else if (!dansBalise) resultat += c;
  }
  return resultat;
}

std::string prixFlux(std::string_view prix, std::string_view devise) {
  const auto carte = app::prixCarte(prix, devise);
  return carte ? app::nettoyerPrix(app::formaterPrix(app::nettoyerPrix(*carte))) : "0.00";
}

std::string prixPromoFlux(std::string_view prix, std::string_view prixpromo,
                          std::string_view devise) {
  const std::string p = prixFlux(prix, devise);
  const auto promo = app::promotionCarte(prixpromo, devise);
  return promo && p != "0.00" ? prixFlux(*promo, devise) : p;
}

std::string titreFlux(std::string_view categorie, std::string_view theme, std::string_view texte,
                      std::string_view auteur, bool sansCategorie, bool avecTheme) {
  std::string prefixe = sansCategorie ? std::string() : std::string(categorie) + " ";
  if (avecTheme) prefixe += std::string(theme) + " ";
  return platform::trim(prefixe + std::string(texte) + " " + std::string(auteur));
}

std::string descriptionFlux(std::string_view theme, const std::vector<std::string>& commentaires,
                            bool sansTheme, bool pourApercu) {
  std::string description = sansTheme ? std::string() : std::string(theme);
  int compte = 0;
  for (const auto& valeur : commentaires) {
    const bool tableau = commencePar(valeur, "<AUTRE");
    if (tableau && sansTheme) description = std::string(theme);
    if (tableau && !pourApercu) break;
    if (pourApercu || ++compte <= 6) description += " " + valeur;
  }
  return description;
}

}  // namespace publish
