// The second pass of the build: ftp/ emptied, every theme cut into pages, the work files of the
// list pages written (page lists, side lists, author lists, category counts, thumbnails).

#include <unordered_map>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/pages/data.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/texte_prix.h"
#include "modele/pages/pages_nouveautes.h"
#include "modele/pages/vignette.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/text.h"

namespace pages {

namespace {

// Products per page of a theme from ref_page of <categorie>_<theme>.stl (exact key, the last
// line wins); 2 without file, key or theme. Kept per file for the build.
class ProduitsParPage {
 public:
  ProduitsParPage(Construction& c, ui::Dialogs& dialogs) : c_(c), dialogs_(dialogs) {}

  int pour(const app::TFicheProduit& fiche) {
    if (fiche.mot_cle.empty()) return 2;
    const std::string nom = fiche.categorie + "_" + fiche.mot_cle + ".stl";
    auto [place, nouveau] = parFichier_.try_emplace(platform::foldFileName(nom), 2);
    if (nouveau) place->second = lire(nom);
    return place->second;
  }

 private:
  int lire(const std::string& nom) {
    auto lignes = c_.dossier.lire(nom);
    if (!lignes) return 2;
    std::optional<std::string> valeur;
    platform::forEachKeyValue(*lignes, [&](std::string_view cle, std::string_view v) {
      if (cle == "ref_page") valeur = platform::trim(v);
    });
    if (!valeur || valeur->empty()) return 2;
    auto n = platform::toInteger(*valeur);
    if (!n) {
      // A count that is not a number would stop the build halfway, with ftp/ already emptied:
      // the theme keeps the built-in count and the user hears which file to mend.
      dialogs_.showMessage("Le nombre de produits par page de " + nom + " (" + *valeur +
                           ") n'est pas un nombre entier : 2 produits par page sont utilisés");
      return 2;
    }
    return *n < 1 ? 1 : static_cast<int>(std::min<long long>(*n, 1000000));
  }

  Construction& c_;
  ui::Dialogs& dialogs_;
  std::unordered_map<std::string, int> parFichier_;
};

// A work file written once the pass ends, in the order its entries were met.
struct FichierTravail {
  std::string nom;
  platform::LineList lignes;
};

}  // namespace

void Tdata1::analyserFiches(Construction& c) {
  const bool articlesTrouves = c.options.articles_trouves == "oui";
  const bool vignettes = c.options.vig_visual == "oui";
  c.dossier.ecrireEnPlace();

  // Thousands of files at each step: the front end is let in between (it paints no more often).
  for (const char* masque : {"*.tmp", "*.aut", "*.nth"})
    for (const std::string& nom : c.dossier.lister("", masque)) {
      c.dossier.supprimer(nom);
      p_.patienter();
    }
  c.dossier.creerDossier("ftp");
  // Left by a write killed midway; listings do not show them.
  platform::removeOwnTemporaries(c.dossier.racine() / "ftp");
  for (const std::string& nom : c.dossier.lister("ftp", "*")) {
    if (nom != "sitemap.xml") c.dossier.supprimer("ftp/" + nom);
    p_.patienter();
  }
  if (p_.main().catalC.checked())
    for (const std::string& nom : c.dossier.lister("catalogue", "*"))
      c.dossier.supprimer("catalogue/" + nom);

  for (const char* fichier : {"pix1x1.gif", "son.gif", "fleche.gif", "flecho.gif"})
    copierVersFtp(c, fichier);

  ProduitsParPage produitsParPage(c, dialogs());
  int page = 0, surPage = 0;
  std::string slugPrecedent, categoriePrecedente, pagePrecedente;
  int compteCategorie = 0;
  platform::LineList nkat, pagesCategorie, vigConf;
  std::vector<std::string> fichiersNth;  // folded names, in creation order
  std::unordered_map<std::string, FichierTravail> auteurs;
  std::vector<std::string> fichiersAut;
  auto enregistrerCategorie = [&] {
    nkat.add(categoriePrecedente + "=" + std::to_string(compteCategorie));
    c.dossier.ecrire(categoriePrecedente + ".fic", pagesCategorie);
    pagesCategorie.clear();
    compteCategorie = 0;
  };

  const size_t dernierTheme = c.listeThemes.empty() ? 0 : c.listeThemes.size() - 1;
  for (size_t i = 0; i < c.listeThemes.size(); ++i) {
    const std::string& theme = c.listeThemes[i];
    const std::string themeNet = platform::trim(theme);
    const std::string cleTheme = platform::lowerAscii(themeNet);
    const std::string slug = app::nomURL(theme, c.sep);
    const std::string nomNth = themeNet + ".nth";
    const std::string cleNth = platform::foldFileName(nomNth);

    std::optional<platform::LineList> ordre = c.dossier.lire(theme);
    for (const std::string& ligne : ordre ? *ordre : platform::LineList{}) {
      p_.patienter();
      auto lignesFiche = c.dossier.lire(platform::trim(ligne));
      if (!lignesFiche) continue;
      const app::TFicheProduit fiche = app::lireFicheProduit(*lignesFiche);
      const int n = produitsParPage.pour(fiche);
      // A sheet listed here but saved since under another theme is left to that theme.
      if (platform::lowerAscii(platform::trim(fiche.categorie + c.sep + fiche.mot_cle)) != cleTheme)
        continue;

      // The first sheet of a theme starts page 0 without counting, so each page holds n sheets.
      if (slug != slugPrecedent) {
        page = 0;
        surPage = 0;
      } else if (++surPage >= n) {
        ++page;
        surPage = 0;
      }
      slugPrecedent = slug;
      const std::string nomPage = app::pageTheme(theme, c.sep, page);
      const std::string cible = nomPage + ".htm";

      auto [travail, nouvellePage] = c.pagesTravail.try_emplace(nomPage + ".tmp");
      if (nouvellePage) c.listePages.push_back(nomPage + ".tmp");
      travail->second.push_back(fiche.reference);

      std::string vignette;
      const std::string image = platform::trim(fiche.image);
      if (vignettes && !image.empty()) {
        vignette = chercherVignette(c.dossier, image);
        if (!vignette.empty()) {
          vigConf.add(fiche.reference + "=" + vignette);
          c.dossier.copier("vignettes/" + vignette, "ftp/" + vignette);
        }
      }

      // The title may hold the shopkeeper's markup; the author is plain text.
      const std::string titre = sansPoids(fiche.description);
      const std::string titreAuteur = titre + " " + platform::htmlText(fiche.auteur);
      c.listeObjets.push_back(titreAuteur + "#" + cible);

      const std::string ligneNth = (vignette.empty() ? "" : vignette + "]") + "|" +
                                   fiche.reference + "||" + titreAuteur + "#" + cible;
      auto [laterale, nouveauTheme] = c.listesLaterales.try_emplace(cleNth);
      if (nouveauTheme) {
        fichiersNth.push_back(nomNth);
        const std::string longueur = std::to_string(fiche.categorie.size());
        c.indexThemes.push_back(longueur + "_" + themeNet + "#" + cible);
        c.indexThemesPages.push_back(longueur + "_" + theme + "#" + cible);
      }
      laterale->second.push_back(ligneNth);

      if (!fiche.auteur.empty()) {
        const std::string nomAut = app::nomURL(fiche.auteur, c.sep) + ".aut";
        auto [aut, nouvelAuteur] = auteurs.try_emplace(nomAut);
        if (nouvelAuteur) {
          aut->second.nom = nomAut;
          fichiersAut.push_back(nomAut);
          c.listeAuteurs.push_back(fiche.auteur);
        }
        aut->second.lignes.add(titre + "#" + cible);
      }

      const std::string categorie = platform::trim(fiche.categorie);
      if (articlesTrouves && !categorie.empty()) {
        if (!categoriePrecedente.empty() && categoriePrecedente != categorie)
          enregistrerCategorie();
        if (nomPage != pagePrecedente) pagesCategorie.add(nomPage);
        pagePrecedente = nomPage;
        ++compteCategorie;
        categoriePrecedente = categorie;
      }
    }
    progres("Traitement " + std::to_string(i) + "/" + std::to_string(dernierTheme), 1,
            "2.Analyse de " + theme, i == dernierTheme);
  }
  if (articlesTrouves && !categoriePrecedente.empty()) enregistrerCategorie();

  platform::sortFrench(c.listeAuteurs);
  platform::sortFrench(c.listeObjets);
  c.dossier.supprimer("vig.conf");
  if (!vigConf.empty()) c.dossier.ecrire("vig.conf", vigConf);
  if (articlesTrouves) c.dossier.ecrire("nkat.inc", nkat);

  // The previous build's work files were deleted above, so writing each one whole now leaves
  // what appending line by line would.
  for (const std::string& nom : c.listePages) {
    c.dossier.ecrire(nom, platform::LineList(c.pagesTravail[nom]));
    p_.patienter();
  }
  for (const std::string& nom : fichiersNth)
    c.dossier.ecrire(nom, platform::LineList(c.listesLaterales[platform::foldFileName(nom)]));
  for (const std::string& nom : fichiersAut) c.dossier.ecrire(nom, auteurs[nom].lignes);

  ecrireCatego(c);
  construirePages(c);
}

}  // namespace pages
