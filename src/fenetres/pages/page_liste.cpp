// The catalogue pages of the build: the category bar catego.txt, then every list page with its
// cards between their markers (ecrivain_pages makes the page around them), saved into ftp/ and
// compared with the previous build's copy in tmp/.

#include <algorithm>
#include <deque>
#include <functional>
#include <iterator>
#include <optional>
#include <unordered_map>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/pages/data.h"
#include "fenetres/pages/ecrivain_pages.h"
#include "fenetres/pages/faire_vignette.h"
#include "modele/app/fiche_produit.h"
#include "modele/pages/ecrivain_fond.h"
#include "modele/pages/empreintes_pages.h"
#include "modele/pages/pages_index.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/text.h"

namespace pages {

namespace {

using Lignes = std::vector<std::string>;

// A card asked for a list page, with what the page writes around it.
struct CarteDemandee {
  std::string reference;
  size_t compteur;  // its sheet's line on the page, from 1
  bool premiere, derniere;
  std::optional<std::optional<platform::LineList>> faite;  // once written or taken
};

// A list page whose sheets were read and whose cards were asked.
struct PagePreparee {
  std::vector<CarteDemandee> cartes;
  DerniereFiche fiche;  // the last sheet met so far, as the page takes it
  std::string referenceCarte;
};

// Cards asked and not taken: enough for every writer to have some, few enough to keep little.
constexpr size_t kCartesEnAvance = 16;
// The memory the threads freed is given back every so many pages: at 30,000 sheets, where a page
// weighs 400 KB, it keeps the build some 60 MB smaller.
constexpr size_t kPagesEntreRestitutions = 512;

}  // namespace

void Tdata1::ecrireCatego(Construction& c) {
  const design::TstyleP& s = p_.styleP();
  if (s.menubp_c == "non") {
    c.dossier.supprimer("catego.txt");
    return;
  }
  const app::TOptionsProgramme& o = c.options;
  std::string accueil = p_.main().accueilHTM == "oui" ? "accueil.htm" : "accueil2.htm";
  if (p_.main().options.frames != "oui") accueil = "index.htm";
  const std::string police = o.cartouche_taille.empty()
                                 ? "<font face=" + o.police_defaut + " size=1 color=\"navy\">"
                                 : "<font face=" + o.police_defaut + " size=" + o.cartouche_taille +
                                       " color=\"" + platform::htmlAttribute(o.cartouche_couleur) +
                                       "\">";
  const bool sansSouligne = o.cartouche_souligne == "non";
  std::string span;
  if (!o.cartouche_fond.empty())
    span = "<SPAN STYLE=\"background-color: " + platform::htmlAttribute(o.cartouche_fond) + "; " +
           (sansSouligne ? "text-decoration: none;" : "") + "\">";
  else if (sansSouligne)
    span = "<SPAN STYLE=\"text-decoration: none;\">";
  const std::string finSpan = span.empty() ? "" : "</SPAN>";
  const std::string u = sansSouligne ? "" : "<u>", finU = sansSouligne ? "" : "</u>";
  auto lien = [&](const std::string& cible, const std::string& texte) {
    return "<A href=\"" + platform::htmlAttribute(cible) + "\" target=\"_self\"><noBR>" + police +
           span + u + texte + finU + finSpan + "</font></noBR></a>&nbsp;";
  };

  std::unordered_map<std::string, std::string> premieres;  // category key -> first theme page
  for (const std::string& ligne : c.indexThemes)
    if (EntreeIndexTheme e; lireIndexTheme(ligne, e))
      premieres.try_emplace(cleCategorie(e.categorie), platform::trim(e.cible));
  platform::LineList barre{lien(accueil, s.accueilP.text())};
  for (const std::string& categorie : c.listeCategories) {
    auto premiere = premieres.find(cleCategorie(categorie));
    if (premiere != premieres.end()) barre.add(lien(premiere->second, categorie));
  }
  c.dossier.ecrire("catego.txt", barre);
}

void Tdata1::construirePages(Construction& c) {
  if (c.listePages.empty()) {
    dialogs().showMessage("Construction impossible");
    return;
  }
  c.pagesModifiees.clear();
  c.dossier.creerDossier("tmp");
  if (c.nouveautesActives)
    for (int i = 0; i < multiL.count(); ++i) {
      const std::string nom = platform::trim(multiL.items()[static_cast<size_t>(i)]);
      if (nom != multiL.items()[static_cast<size_t>(i)]) {
        multiL.deleteItem(static_cast<size_t>(i));
        multiL.insertItem(static_cast<size_t>(i), nom);
      }
    }
  EcrivainPages ecrivain(p_, c);
  EmpreintesPages empreintes(c.dossier);
  EcrivainFond fond;
  Tvignette1& vignette = p_.vignette1();
  const std::string dernierePage = std::to_string(c.listePages.size() - 1);
  // The running values the pages take from the last sheet met, pages without sheets included.
  DerniereFiche fiche;
  std::string referenceCarte;
  std::deque<PagePreparee> preparees;
  size_t enAttente = 0;  // cards asked and not taken
  {
    SerieCartes serie(vignette);

    // The style files asked about: a theme's is asked for each of its sheets.
    std::unordered_map<std::string, bool> typ;
    const std::function<bool(const std::string&)> typExiste = [&](const std::string& nom) {
      auto [place, nouveau] = typ.try_emplace(nom);
      if (nouveau) place->second = c.dossier.existe(nom);
      return place->second;
    };

    auto annoncerCarte = [&](size_t index, const std::string& reference) {
      progres("Traitement " + std::to_string(index) + "/" + dernierePage + " [" + reference + "]");
    };

    // Reads the sheets of a page and asks for their cards.
    auto preparer = [&](size_t index) {
      const std::string& entree = c.listePages[index];
      const std::string nomPage = entree.substr(0, entree.find('.'));
      const std::vector<std::string>& travail = c.pagesTravail[entree];
      std::vector<bool> existe(travail.size());
      size_t existantes = 0;
      for (size_t k = 0; k < travail.size(); ++k)
        if ((existe[k] = c.dossier.existe(travail[k] + ".ref"))) ++existantes;

      PagePreparee& page = preparees.emplace_back();
      for (size_t k = 0; k < travail.size(); ++k) {
        if (!existe[k]) continue;
        const std::string& ligne = travail[k];
        c.indexPagesProduits.push_back(ligne + "=" + nomPage + ".htm");
        app::TFicheProduit lue;
        if (auto lignes = c.dossier.lire(ligne + ".ref")) app::lireFicheProduit(*lignes, lue);
        fiche = {lue.categorie, lue.reference, lue.mot_cle};
        referenceCarte = platform::trim(lue.reference);

        vignette.styleDeFiche(lue.categorie, lue.mot_cle, lue.reference, typExiste);
        vignette.referenceCarte = lue.reference;
        vignette.pageCourante = entree;
        vignette.apercuArticles = false;
        vignette.motCleFiche = lue.mot_cle;
        // The flags follow the line numbers, missing sheets included, as the anchors do.
        const size_t compteur = k + 1;
        CarteDemandee& carte = page.cartes.emplace_back(
            CarteDemandee{lue.reference, compteur, compteur == 1, existantes <= compteur, {}});
        vignette.indicateurCarteA = carte.premiere;
        vignette.indicateurCarteB = carte.derniere;
        if (vignette.equipeOuverte()) {
          vignette.demanderVignette();
          ++enAttente;
          continue;
        }
        // The first card loads the identity and copies the shop's import/ files for the run;
        // the others are written ahead on other threads.
        annoncerCarte(index, lue.reference);
        carte.faite = vignette.faireVignette();
        vignette.ouvrirEquipe(EquipeCartes::ouvriersConstruction());
      }
      page.fiche = fiche;
      page.referenceCarte = referenceCarte;
    };

    size_t aPreparer = 0;
    for (size_t index = 0; index < c.listePages.size(); ++index) {
      // Cards are asked some pages ahead, so that every writer has one to write.
      while (aPreparer < c.listePages.size() &&
             (aPreparer <= index || (vignette.equipeOuverte() && enAttente < kCartesEnAvance)))
        preparer(aPreparer++);
      PagePreparee prete = std::move(preparees.front());
      preparees.pop_front();

      Lignes cartes;
      for (CarteDemandee& carte : prete.cartes) {
        cartes.push_back("<a name=\"" + std::to_string(carte.compteur) + "\"></a>");
        cartes.push_back("<!--//DEBUT//" + carte.reference + "*" + (carte.premiere ? "Y" : "N") +
                         "//DEBUT//-->");
        if (!carte.faite) {
          annoncerCarte(index, carte.reference);
          carte.faite = vignette.prendreVignette();
          --enAttente;
        }
        if (auto& lignes = *carte.faite)
          cartes.insert(cartes.end(), std::make_move_iterator(lignes->lines().begin()),
                        std::make_move_iterator(lignes->lines().end()));
        cartes.push_back("<!--//FIN//" + carte.reference + "*" + (carte.derniere ? "Y" : "N") +
                         "//FIN//-->");
      }

      std::string nomSortie;
      Lignes page = ecrivain.page(index, prete.fiche, std::move(cartes),
                                  vignette.derniereCarte().styleFicheTheme == "tableau",
                                  prete.referenceCarte, nomSortie);
      // The rest of the page is done on the page writer's thread while the next one is made.
      fond.confier([&c, &empreintes, page = std::move(page), nomSortie]() mutable {
        // Lines holding a line break compare as the lines read back would: only by reading.
        const bool coupees = std::any_of(page.begin(), page.end(), [](const std::string& l) {
          return l.find('\n') != std::string::npos || l.find('\r') != std::string::npos;
        });
        const platform::LineList contenu(std::move(page));
        const std::string texte = contenu.text();
        const auto octets = EmpreintesPages::mesurer(texte);
        const std::string pageFtp = "ftp/" + nomSortie + ".htm", copie = "tmp/" + nomSortie + ".htm";
        auto etat = coupees ? EmpreintesPages::Copie::inconnue : empreintes.comparer(copie, octets);
        if (etat == EmpreintesPages::Copie::inconnue) {
          auto ancienne = c.dossier.lire(copie);
          etat = ancienne && *ancienne == contenu ? EmpreintesPages::Copie::identique
                                                  : EmpreintesPages::Copie::differente;
        }
        c.dossier.ecrireOctets(pageFtp, texte);
        // An unchanged copy is left as it is: the same bytes as rewriting it. A changed one is
        // the page's own file under a second name.
        if (etat == EmpreintesPages::Copie::differente) {
          c.pagesModifiees.push_back(nomSortie);
          c.dossier.doubler(pageFtp, copie);
        }
        if (!coupees) {
          empreintes.noter(copie, octets);
          // The publication compares the page with its mirror copy by this hash.
          empreintes.noter(pageFtp, octets);
        }
      });
      if (index % kPagesEntreRestitutions == kPagesEntreRestitutions - 1)
        platform::releaseFreeMemory();
      progres(legende_, 2, "3.Construction de la page " + nomSortie + ".htm",
              index + 1 == c.listePages.size());
    }
    serie.terminer();
  }
  p_.patienter();
  fond.attendre();
  empreintes.enregistrer();
  p_.patienter();
  pagesAuteurs(c);
  p_.patienter();
  pagesObjets(c);
  p_.patienter();
  c.dossier.ecrire("transfert.tri", platform::LineList(c.pagesModifiees));
}

}  // namespace pages
