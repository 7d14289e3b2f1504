// The command "Construire le site" and the build driver: the checks, the new-products settings,
// the theme count and the first pass over the sheets, then, after the pages, the product index,
// the new-products pages and the preview.

#include <algorithm>
#include <unordered_map>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/apercu.h"
#include "fenetres/frame/catal_index.h"
#include "fenetres/frame/voir_menu.h"
#include "fenetres/infopages/accueil.h"
#include "fenetres/infopages/faire_accueil.h"
#include "fenetres/pages/data.h"
#include "fenetres/pages/etiq.h"
#include "fenetres/pages/fenetre_liens_multiples.h"
#include "fenetres/pages/marque_construction.h"
#include "fenetres/publish/transfert.h"
#include "modele/app/categories_fichiers.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/fiches_catalogue.h"
#include "modele/app/montants_fiche.h"
#include "modele/app/promotions.h"
#include "platform/files.h"
#include "platform/text.h"

namespace pages {

bool Tdata1::construireSite(const std::function<void()>& suite) {
  if (p_.transfert1().enCours()) {
    dialogs().showMessage(kPublicationEnCours);
    return false;
  }
  if (enCours_) return false;
  enCours_ = true;
  struct Fin {
    Tdata1& d;
    ~Fin() {
      d.montrerProgres();
      d.enCours_ = false;
    }
  } fin{*this};
  try {
    const bool dejaInachevee = constructionInachevee(p_.donnees());
    marquerDebutConstruction(p_.donnees());
    // A stop told to the user comes before ftp/ is emptied: the previous site is as it was, whole
    // unless an earlier build was cut short. Only a build cut short after that (killed, a failed
    // write) leaves the mark.
    bool terminee;
    {
      Construction c(p_.donnees().root());
      terminee = construire(c);
      if (terminee && suite) suite();
    }  // the old files it set aside in ftp/ go with it, before the site is marked whole
    if (terminee || !dejaInachevee) marquerFinConstruction(p_.donnees());
    return terminee;
  } catch (const frame::ErreurEntier& e) {
    // A setting of the frame generator that must be a whole number: the build stops there.
    reportError(e);
    return false;
  }
}

bool Tdata1::construire(Construction& c) {
  app::Tmain& main = p_.main();
  // A sheet whose price changed outside the program, or in an older version, keeps a promotion
  // computed on its old price: every page written below reads the promotion files.
  app::recalculerPromotions(p_.donnees());
  main.cartesInitialisees = false;
  c.nouveautesActives = false;
  c.options = main.options.options;
  c.sep = c.options.separateur();

  if (auto nouveautes = c.dossier.lire("newprod.ini")) {
    c.nouveautesActives = true;
    c.puceNouveaute = platform::trim(nouveautes->value("puce"));
    c.fichierMulti = platform::trim(nouveautes->value("multi"));
    multiL.clearItems();
    if (!c.fichierMulti.empty())
      if (auto listes = c.dossier.lire(c.fichierMulti)) multiL.setItems(listes->lines());
  }

  c.erreurFiches = false;
  p_.ident().chargerIdent();
  // The category bar, written before the home page and the frame, leads to the home page that
  // accueil.opt names, not to the one the program held before this build.
  p_.accueil1().ouvre();
  c.prefixeAuteurs = p_.styleP().listeP.text();
  c.prefixeArticles = p_.styleP().articles.text();

  if (!c.puceNouveaute.empty()) {
    fichierL.setDirectory(c.dossier.racine());
    for (const std::string& fichier : fichierL.items())
      if (auto lignes = c.dossier.lire(fichier))
        for (const std::string& ligne : *lignes) {
          std::string reference = platform::trim(ligne);
          if (!reference.empty()) c.listeNouveautes.insert(std::move(reference));
        }
  }

  // The page frame of the list pages shows the dynamic menu: it must exist before them.
  if (p_.menu1().options.liste_dynamique == "oui") {
    p_.faire_accueil().accueilHTM();
    p_.voir_menu1().faire_cadres();
  }

  c.listePages.clear();
  if (auto categories = c.dossier.lire("categories")) {
    c.listeCategories = categories->lines();
    // Otherwise every sheet would seem to name an unknown theme, and the first one be blamed.
    if (auto ligne = app::ligneCategoriesEndommagee(c.listeCategories)) {
      dialogs().showMessage(app::messageCategoriesEndommagees(*ligne));
      return false;
    }
    compterThemes(c);
    if (c.erreurFiches) {
      dialogs().showMessage("ERREUR 1");
      return false;
    }
    // A failed rename was told; the previous index and site stay as they were.
    if (c.arretee) return false;
  }

  c.dossier.ecrire("listeHTM.tmp", platform::LineList(c.indexPagesProduits));
  if (c.nouveautesActives) pagesNouveautes(c);

  main.cartesInitialisees = false;
  main.siteConstruit = 1;
  frame::apercuSite(p_);
  return true;
}

void Tdata1::compterThemes(Construction& c) {
  c.listeThemes.clear();
  platform::LineList comptes;
  for (const std::string& categorie : c.listeCategories) {
    auto themes = c.dossier.lire(categorie + ".cto");
    if (!themes) continue;
    for (const std::string& theme : *themes) c.listeThemes.push_back(categorie + c.sep + theme);
    comptes.add(categorie + "=" + std::to_string(themes->size()));
  }
  if (c.options.articles_trouves == "oui") c.dossier.ecrire("ncto.inc", comptes);
  traiterFiches(c);
}

namespace {

// A theme's sheet-order list as the first pass keeps it: read once, appended to in memory and
// written when the pass ends (or stops), which leaves the same files as appending sheet by sheet.
struct ListeOrdre {
  std::string nom;
  platform::LineList lignes;
  std::unordered_map<std::string, bool> fiches;  // lower-cased trimmed lines
  bool modifiee = false;
};

std::string cleFiche(std::string_view nom) { return platform::lowerAscii(platform::trim(nom)); }

// Amounts stored that would be refused if typed (an older version's, a hand edit's): the build
// goes on and the user hears of them all at once.
struct PrixIllisibles {
  std::vector<std::string> noms;
  void add(const app::TFicheProduit& fiche, DossierConstruction& dossier, std::string_view devise) {
    std::vector<app::MontantFiche> montants = app::montantsFiche(fiche);
    if (!fiche.reference.empty())
      for (const char* extension : {".sup", ".dif"})
        if (auto lignes = dossier.lire(fiche.reference + extension))
          for (auto& m : app::montantsListe(lignes->lines(), extension)) montants.push_back(m);
    for (auto& m : app::montantsPromotions(fiche, [&](const std::string& entree) {
           auto pro = app::nomValide(entree) ? dossier.lire(entree + ".pro") : std::nullopt;
           return pro ? pro->value("prixpromo") : std::string();
         }))
      montants.push_back(m);
    for (auto& nom : app::montantsIllisibles(fiche.reference, montants, devise))
      noms.push_back(nom);
  }
  // The shop's own amounts that the pages and the order form read.
  void reglages(app::Programme& p) {
    const app::TIdentite& id = p.ident().identite;
    if (p.ident().secondeDevise && !app::tauxLisible(id.taux))
      noms.push_back("le taux de la seconde devise (" + platform::trim(id.taux) + ")");
    if (!p.main().catalC.checked()) return;
    frame::TOptionsCatalogue catalogue;
    frame::chargerCatalogue(p.donnees(), catalogue);
    for (auto& nom : frame::catalogueIllisible(catalogue, id.dev1)) noms.push_back(nom);
  }
  void signaler(ui::Dialogs& dialogs) const {
    if (!noms.empty()) dialogs.showMessage(app::messagePrixIllisibles(noms));
  }
};

}  // namespace

void Tdata1::traiterFiches(Construction& c) {
  const std::vector<std::string> fichiers =
      app::sansMarqueurs(p_.donnees(), c.dossier.lister("", "*.ref"));
  const size_t total = fichiers.size();
  std::unordered_map<std::string, bool> themesConnus;
  for (const std::string& theme : c.listeThemes) themesConnus.emplace(cleFiche(theme), true);

  PrixIllisibles illisibles;
  std::unordered_map<std::string, ListeOrdre> listes;  // by folded file name
  std::vector<ListeOrdre*> ordre;
  auto ecrireListes = [&] {
    for (ListeOrdre* liste : ordre)
      if (liste->modifiee) c.dossier.ecrire(liste->nom, liste->lignes);
  };

  for (size_t i = 0; i < total; ++i) {
    const std::string& fichier = fichiers[i];
    // The rule of the sheet save: a line break in a name would split the theme's order list.
    if (!platform::isWindowsFileName(fichier)) {
      ecrireListes();
      std::string nom = fichier;
      for (char& octet : nom)
        if (static_cast<unsigned char>(octet) < 32 || octet == 127) octet = '?';
      dialogs().showMessage("Erreur sur " + nom +
                            " : ce nom de fichier n'est pas accepté, renommez la fiche");
      c.erreurFiches = true;
      return;
    }
    app::TFicheProduit fiche;  // each sheet starts afresh: no value leaks from the one before
    if (auto lignes = c.dossier.lire(fichier)) app::lireFicheProduit(*lignes, fiche);
    illisibles.add(fiche, c.dossier, p_.ident().identite.dev1);
    const std::string puce = platform::trim(fiche.puce_image);
    if (!puce.empty()) c.pucesFiches.emplace(platform::foldFileName(fichier), puce);

    const std::string cle = fiche.categorie + c.sep + fiche.mot_cle;
    if (!themesConnus.count(cleFiche(cle))) {
      ecrireListes();
      dialogs().showMessage("Erreur sur " + fichier + " de " + cle +
                            " : fiche à enregistrer de nouveau");
      c.erreurFiches = true;
      return;
    }

    auto [place, nouvelle] = listes.try_emplace(platform::foldFileName(cle));
    ListeOrdre& liste = place->second;
    if (nouvelle) {
      if (auto erreur = app::adopterNomListeTheme(
              fiche.categorie, fiche.mot_cle, c.sep,
              [&](const std::string& nom) { return c.dossier.existe(nom); },
              [&](const std::string& a, const std::string& n) { return c.dossier.renommer(a, n); })) {
        ecrireListes();
        dialogs().showMessage(*erreur);
        c.arretee = true;
        return;
      }
      liste.nom = cle;
      if (auto existantes = c.dossier.lire(cle)) liste.lignes = std::move(*existantes);
      for (const std::string& l : liste.lignes) liste.fiches.emplace(cleFiche(l), true);
      ordre.push_back(&liste);
    }
    if (liste.fiches.emplace(cleFiche(fichier), true).second) {
      liste.lignes.add(fichier);
      liste.modifiee = true;
    }

    const std::string& suivant = i + 1 < total ? fichiers[i + 1] : fichier;
    progres("Traitement " + std::to_string(i + 1) + "/" + std::to_string(total), 0,
            "1.Traitement de " + suivant, i + 1 == total);
  }
  ecrireListes();
  illisibles.reglages(p_);
  illisibles.signaler(dialogs());
  analyserFiches(c);
}

void Tdata1::copierVersFtp(Construction& c, const std::string& fichierACopier) {
  if (fichierACopier.empty() || !c.copiesFtp.insert(platform::foldFileName(fichierACopier)).second)
    return;
  c.dossier.copier(fichierACopier, "ftp/" + fichierACopier);
}

}  // namespace pages
