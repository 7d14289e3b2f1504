#include "modele/publish/flux_comparateurs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "modele/app/fiche_produit.h"
#include "modele/app/texte_prix.h"
#include "modele/publish/comparateurs.h"
#include "platform/files.h"
#include "platform/text.h"

namespace publish {

namespace {

double nombre(const std::string& texte) {
  if (texte.empty()) return 0;
  char* fin = nullptr;
  const double valeur = std::strtod(texte.c_str(), &fin);
  return *fin == '\0' ? valeur : 0;
}

std::string premiers(const std::string& texte, size_t n) { return texte.substr(0, n); }

// A field of the tab-separated feed: a TAB or a line break inside it would shift the columns
// or cut the row, so each becomes a blank.
std::string champ(std::string texte) {
  std::replace_if(texte.begin(), texte.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; },
                  ' ');
  return texte;
}

}  // namespace

platform::LineList enteteFlux(bool d3e) {
  return {"#country=fr", "#type=basic", "#currency=EUR",
          std::string("url\ttitle\tdescription\tprice\tofferid\timage\tcategory\t") +
              (d3e ? "D3E" : "écotaxe")};
}

bool lireProduitFlux(const platform::DataFolder& dossier, const std::string& nomFiche,
                     ProduitFlux& p) {
  if (!dossier.exists(nomFiche)) return false;
  const platform::LineList fiche = platform::LineList::load(dossier.path(nomFiche));
  p.reference = fiche.value("reference");
  p.description = fiche.value("description");
  p.categorie = fiche.value("categorie");
  p.theme = fiche.value("mot_cle");
  p.auteur = fiche.value("auteur");
  p.prix = fiche.value("prix");
  p.cdPrix = fiche.value("CD_prix");
  p.pecotaxe = fiche.value("pecotaxe");
  p.image = fiche.value("image");
  for (const auto& ligne : fiche)
    if (ligne.rfind("commentaires=", 0) == 0) p.commentaires.push_back(ligne.substr(13));
  if (dossier.exists(p.reference + ".pro"))
    p.prixPromo = platform::LineList::load(dossier.path(p.reference + ".pro")).value("prixpromo");
  p.page = app::pageDuProduit(dossier, p.reference);
  if (dossier.exists("tmp/" + p.reference + ".kel"))
    p.surcharge = platform::LineList::load(dossier.path("tmp/" + p.reference + ".kel"));
  return true;
}

Flux construireFlux(const EntreeFlux& e) {
  Flux flux{enteteFlux(false), enteteFlux(true)};
  for (const ProduitFlux& p : e.produits) {
    std::string categorie = p.categorie + " ";
    std::string titre = titreFlux(p.categorie, p.theme, sansPoids(p.description), p.auteur, e.catC,
                                  e.themeTC);
    const platform::LineList& k = p.surcharge;
    if (!k.empty() && !k[0].empty() && k[0].find('=') != std::string::npos)
      titre = k[0].substr(k[0].find('=') + 1);
    titre = premiers(platform::trim(titre), 79);
    categorie = premiers(platform::trim(categorie), 79);

    std::string prix = prixPromoFlux(p.prix, p.prixPromo, e.devise);
    if (prix == "0.00") prix = prixFlux(p.cdPrix, e.devise);
    const std::string ecotaxe = app::nettoyerPrix(p.pecotaxe + " ");
    if (nombre(prix) > nombre(ecotaxe)) {
      char tampon[64];
      std::snprintf(tampon, sizeof tampon, "%.2f", nombre(prix) - nombre(ecotaxe));
      prix = prixFlux(tampon, e.devise);
    }

    std::string description = descriptionFlux(p.theme, p.commentaires, e.themeC, false);
    if (!k.empty()) {
      description.clear();
      for (size_t i = 1; i < k.size(); ++i) {
        if (k[i].rfind("categorie=", 0) == 0) categorie = k[i].substr(10);
        else description += " " + k[i];
      }
    }
    description = premiers(sansBalises(platform::trim(description)), 159);
    std::string image = p.image.empty() ? std::string() : e.urlBase + "/" + p.image;
    image = platform::trim(image);

    std::string urlK = e.urlBase + "/index2.php?track=k&url_principal=" + p.page;
    std::string urlW = e.urlBase + "/index2.php?track=w&url_principal=" + p.page;
    if (!e.scriptSuivi.empty()) {
      urlK = e.scriptSuivi + "?tracking=k&url=" + e.urlBase + "/" + p.page;
      urlW = e.scriptSuivi + "?tracking=w&url=" + e.urlBase + "/" + p.page;
    }
    if (prix == "0.00") continue;
    std::string reste;
    for (const std::string& c : {titre, description, prix, p.reference, image, categorie, ecotaxe})
      reste += "\t" + champ(c);
    flux.kelkoo.add(champ(platform::trim(urlK)) + reste);
    flux.webmarchand.add(champ(platform::trim(urlW)) + reste);
  }
  return flux;
}

platform::LineList fluxSuivi(const platform::LineList& flux, const std::string& cle,
                             const std::string& tracking) {
  platform::LineList copie;
  for (const auto& ligne : flux) {
    const size_t debut = ligne.find(cle);
    if (debut == std::string::npos) {
      copie.add(ligne);
      continue;
    }
    const size_t et = ligne.find('&');
    const std::string suite = et == std::string::npos ? std::string() : platform::trim(ligne.substr(et));
    copie.add(ligne.substr(0, debut) + cle + tracking + suite);
  }
  return copie;
}

bool trackingValide(std::string_view tracking) {
  for (const char* reserve : {"kelkoo", "webmarchand", "kelkoom", "webmarchandm"})
    if (tracking == reserve) return false;
  return !tracking.empty() &&
         std::all_of(tracking.begin(), tracking.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace publish
