#include "modele/pages/pages_nouveautes.h"

#include "modele/app/fiche_produit.h"
#include "modele/app/nouveautes.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace pages {

namespace {

std::string attr(std::string_view v) { return platform::htmlAttribute(v); }

}  // namespace

TOptionsNouveautes lireOptionsNouveautes(const platform::LineList& ini,
                                         const std::string& coul_liens,
                                         const std::string& police_defaut) {
  auto valeur = [&](const char* cle) { return platform::trim(ini.value(cle)); };
  TOptionsNouveautes o;
  // A count that is no whole number stops the build; one that fills no row keeps 3.
  if (const std::string texte = valeur("col"); !texte.empty()) {
    const std::optional<long long> col = platform::toInteger(texte);
    if (!col) throw platform::IntegerError(texte);
    if (*col > 0 && *col < 1000) o.col = static_cast<int>(*col);
  }
  o.ref = valeur("ref") != "non";
  o.fond = valeur("fond");
  o.liens = valeur("liens");
  if (o.liens == "defaut") o.liens = coul_liens;
  o.police = valeur("police");
  if (o.police == "defaut") o.police = police_defaut;
  o.police_taille = valeur("police_taille");
  if (o.police_taille == "defaut") o.police_taille = "2";
  o.coul_ref = valeur("coul_ref");
  if (o.coul_ref == "defaut") o.coul_ref = "gray";
  return o;
}

std::string chercherVignette(DossierConstruction& d, const std::string& image) {
  const std::string base = image.substr(0, image.find('.'));
  std::string vignette;
  for (const char* suffixe : {"-v.jpg", "-v.jpeg", "-v.png", "-v.gif", "-v.swf"})
    if (d.existe("vignettes/" + base + suffixe)) vignette = base + suffixe;
  return vignette;
}

std::vector<std::string> ecrirePagesNouveautes(const EntreesNouveautes& e, DossierConstruction& d) {
  const TOptionsNouveautes& o = e.options;
  std::vector<std::string> noms;
  if (!e.multi) noms.push_back("");
  for (const std::string& nom : e.noms)
    if (e.multi && !nom.empty()) noms.push_back(nom);
  std::vector<std::string> ecrites;
  for (const std::string& nom : noms) {
    auto modele = d.lire("tmp/" + nom + "NEWPROD.HTM");
    if (!modele) continue;
    const std::string cle = "***  " + (nom.empty() ? std::string("NEWPROD") : nom);
    size_t marque = modele->size();
    for (size_t i = 0; i < modele->size(); ++i) {
      const std::string& l = (*modele)[i];
      if (l.substr(0, l.find('=')) == cle && l.find('=') != std::string::npos) marque = i;
    }
    // Without a marker there is no page to write: the template stays as it is.
    if (marque == modele->size()) continue;
    const std::string& ligneMarque = (*modele)[marque];
    const std::string cible = platform::trim(ligneMarque.substr(ligneMarque.find('=') + 1));
    const std::string base = cible.substr(0, cible.find('.'));
    if (base.empty()) continue;

    platform::LineList page;
    for (size_t i = 0; i < marque; ++i) page.add((*modele)[i]);
    if (auto refs = d.lire(app::fichierListeNouveautes(nom))) {
      page.add("<center><table border=0 width=\"100%\"><tr valign=\"top\">");
      int cellules = 0;
      for (size_t i = refs->size(); i-- > 0;) {
        if (cellules == o.col) {
          page.add("</tr><tr valign=\"top\">");
          cellules = 0;
        }
        ++cellules;
        const std::string reference = platform::trim((*refs)[i]);
        auto lignes = d.lire(reference + ".ref");
        if (!lignes) continue;
        const app::TFicheProduit fiche = app::lireFicheProduit(*lignes);
        std::string image = platform::trim(fiche.image);
        if (e.vig_visual && !image.empty())
          if (std::string vignette = chercherVignette(d, image); !vignette.empty()) {
            d.copier("vignettes/" + vignette, "ftp/" + vignette);
            image = vignette;
          }
        std::string titre = fiche.description;
        if (platform::startsWith(titre, "(w:") && titre.find(')') != std::string::npos)
          titre = titre.substr(titre.find(')') + 1);
        titre = platform::trim(titre);
        auto p = e.pagesProduits.find(platform::lowerAscii(reference));
        const std::string cible = p == e.pagesProduits.end() ? "" : p->second;
        // A product without a card this build gets no link rather than one to nowhere.
        const std::string ouvre =
            cible.empty() ? "" : "<a href=\"" + attr(cible) + "\" target=\"_top\">";
        const std::string ferme = cible.empty() ? "" : "</a>";
        page.add("<td valign=\"top\" align=\"center\" bgcolor=\"" + attr(o.fond) + "\">" +
                 (image.empty() ? "" : ouvre + "<IMG SRC=\"" + attr(image) + "\" border=0>" + ferme) +
                 "<br>");
        if (!ouvre.empty()) page.add(ouvre);
        page.add("<font face=\"" + attr(e.police_defaut) + "\" size=" + o.police_taille +
                 " color=\"" + attr(o.liens) + "\">" + titre + "</font>" + ferme + "&nbsp;");
        if (o.ref)
          page.add("<font face=\"" + attr(o.police) + "\" size=1 color=\"" + attr(o.coul_ref) +
                   "\">[" + reference + "]</font>");
        page.add("</td>");
      }
      page.add("</tr></table></center>");
    }
    for (size_t i = marque + 1; i < modele->size(); ++i) page.add((*modele)[i]);
    if (page.empty()) continue;
    d.ecrire("ftp/" + base + ".htm", page);
    d.ecrire("tmp/" + base + ".htm", page);
    ecrites.push_back(base);
  }
  return ecrites;
}

}  // namespace pages
