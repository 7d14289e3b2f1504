#include "fenetres/frame/voir_menu.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/frame/cadres_voisins.h"
#include "fenetres/frame/catal_index.h"
#include "modele/app/categories_fichiers.h"
#include "modele/app/texte_prix.h"
#include "modele/frame/boite_encadree.h"
#include "modele/frame/liste_rapide.h"
#include "modele/frame/menu_fichiers.h"
#include "modele/infopages/cv_options.h"
#include "platform/text.h"

namespace frame {

long long entierStrict(std::string_view texte) {
  std::optional<long long> n = platform::toInteger(texte);
  if (!n) throw ErreurEntier(texte);
  return *n;
}

std::string enleve_guillemets(std::string_view texte) {
  std::string s(texte);
  for (char& c : s)
    if (c == '"') c = ' ';
  return s;
}

Tvoir_menu1::Tvoir_menu1(app::Programme& programme)
    : ui::Form(programme.application(), "Tvoir_menu1", "voir_menu1"), p_(programme) {
  fitems.hide();
}

bool Tvoir_menu1::frames() const { return p_.main().options.frames == "oui"; }

std::string Tvoir_menu1::cibleSelonFrames() const { return frames() ? "principal" : "_top"; }

void Tvoir_menu1::jouer(const char* nom, Etape etape, ValeursCadres& v) {
  noter(nom);
  (this->*etape)(v);
}

void Tvoir_menu1::faire_cadres() {
  app::Tmain& main = p_.main();
  const platform::DataFolder& donnees = p_.donnees();
  const design::TOptionsMenu& menu = p_.menu1().options;
  platform::makeFolder(p_.chemin("ftp"));

  ValeursCadres v;  // released on every way out
  if (donnees.exists("choix_liste.php") && donnees.exists("recherche_base.bdd"))
    jouer("faire_liste_rapide", &Tvoir_menu1::faire_liste_rapide, v);
  else
    oublierListeRapide(donnees);
  jouer("recharger_options", &Tvoir_menu1::recharger_options, v);
  jouer("faire_mode_emploi", &Tvoir_menu1::faire_mode_emploi, v);
  jouer("preparer_styles", &Tvoir_menu1::preparer_styles, v);
  if (frames()) jouer("faire_index_cadres", &Tvoir_menu1::faire_index_cadres, v);
  if (main.importC.checked()) jouer("importer_index", &Tvoir_menu1::importer_index, v);
  if (menu.menuHTM != "oui") jouer("faire_menu_gauche", &Tvoir_menu1::faire_menu_gauche, v);
  if (menu.topHTM != "oui") jouer("faire_top", &Tvoir_menu1::faire_top, v);
  if (!frames()) jouer("faire_index_page_unique", &Tvoir_menu1::faire_index_page_unique, v);
  if (main.catalC.checked()) jouer("faire_bon_commande", &Tvoir_menu1::faire_bon_commande, v);
}

void Tvoir_menu1::recharger_options(ValeursCadres& v) {
  v.texteBulle.clear();
  v.menuGauche = {};
  v.compteurPaiements = 0;
  p_.main().styleTitreCategorie.clear();
  noter("chargerMenu");
  // The menu editor tells the user itself when menu.opt cannot be read; the run ends there.
  if (!p_.menu1().chargerMenu())
    throw platform::FileError("Le style du menu n'a pas pu être relu");
  noter("afficherMenu");
  p_.menu1().afficherMenu();
  noter("chargerIdent");
  p_.ident().chargerIdent();
  noter("Taccueil1.ouvre");
  rechargerAccueil(p_);
  noter("Tcvente1.ouvre");
  rechargerConditions(p_);
  if (p_.main().catalC.checked()) {
    noter("Tcatal_ini.ouvre");
    p_.catal_ini().ouvre();
  }
}

void Tvoir_menu1::preparer_styles(ValeursCadres& v) {
  const platform::DataFolder& donnees = p_.donnees();
  const app::TOptionsProgramme& options = p_.main().options.options;
  const design::TOptionsMenu& m = p_.menu1().options;

  // The user's own files replace what the earlier steps wrote; sub-folders are not copied and a
  // failed copy is passed over.
  for (const std::string& nom : platform::listFiles(p_.chemin("import")))
    app::copierFichier(p_.chemin("import/" + nom), p_.chemin("ftp/" + nom), false);

  const std::string bulle = infopages::fichierRubrique("Bulle", options.separateur());
  if (donnees.exists(bulle))
    for (const std::string& ligne : platform::LineList::load(donnees.path(bulle)))
      v.texteBulle += platform::trim(ligne) + "<br>";

  long long interieure = entierStrict(m.largeur_menu) - 2;
  if (!options.marges_mg.empty()) interieure -= entierStrict(options.marges_mg);
  v.largeurMenuInterieure = platform::fromInteger(interieure);

  v.styleItemsSurvol = "FONT-FAMILY: " + m.police_over + "; " + "FONT-SIZE: " + m.taille_over +
                       "px; " + "BACKGROUND-COLOR: " + m.fond_over + "; " + "COLOR: " +
                       m.coul_over_items + "; " +
                       drapeauxCss(m.gras_over, m.souligne_over, m.italique_over);
  v.styleItems = "FONT-FAMILY: " + m.police_items + "; " + "FONT-SIZE: " + m.taille_items + "px; " +
                 "COLOR: " + m.coul_items + "; ";
  if (m.encadrement_menu != "transparent")
    v.styleItems += "BACKGROUND-COLOR: " + m.fond_items + "; ";
  v.styleItems += drapeauxCss(m.gras_items, m.souligne_items, m.italique_items);

  v.pageTop.clear();
  v.pageCadres.clear();
  v.fichierOptionnel.clear();

  v.largeurColonneMenu = static_cast<int>(platform::toInteger(m.largeur_menu).value_or(0)) + 30;
  v.hauteurCadreTop = static_cast<int>(platform::toInteger(m.hauteur_top).value_or(0));
}

void Tvoir_menu1::faire_menu_gauche(ValeursCadres& v) {
  v.cibleLiens = cibleSelonFrames();
  const design::TOptionsMenu& m = p_.menu1().options;
  v.liste_dynamique = m.liste_dynamique;
  v.famille_titre = m.famille_titre;
  jouer("debut_menu_gauche", &Tvoir_menu1::debut_menu_gauche, v);
  // A frameset never gets the drop-down menu.
  if (frames()) v.liste_dynamique.clear();
  if (v.liste_dynamique != "oui")
    jouer("faire_menu_statique", &Tvoir_menu1::faire_menu_statique, v);
  else
    jouer("faire_menu_dynamique", &Tvoir_menu1::faire_menu_dynamique, v);
  jouer("faire_selection_menu", &Tvoir_menu1::faire_selection_menu, v);
  jouer("faire_fichiers_menu", &Tvoir_menu1::faire_fichiers_menu, v);
}

void Tvoir_menu1::faire_top(ValeursCadres& v) {
  v.cibleLiens = cibleSelonFrames();
  jouer("debut_top", &Tvoir_menu1::debut_top, v);
  jouer("faire_boutons_top", &Tvoir_menu1::faire_boutons_top, v);
  jouer("fin_top", &Tvoir_menu1::fin_top, v);
}

void Tvoir_menu1::copie_vers_ftp() { copieVersFtp(p_.donnees(), fichierVersFtp); }

std::string Tvoir_menu1::premierePage(const std::string& categorie) {
  const platform::DataFolder& donnees = p_.donnees();
  const char sep = p_.main().options.options.separateur();
  for (const std::string& ligne : app::chargerListeCategories(donnees)) {
    if (ligne != categorie) continue;
    std::optional<app::TThemesCategorie> themes = app::chargerThemesCategorie(donnees, ligne);
    if (!themes) continue;
    // Named as the build names the pages it writes, from the theme line as it stands; a theme
    // that names nothing (a blank line) has no page.
    for (const std::string& theme : *themes) {
      if (app::nomURL(theme, sep).empty()) continue;
      std::string nom = app::pageTheme(ligne + sep + theme, sep, 0);
      if (!nom.empty()) return nom + ".htm";
    }
  }
  return {};
}

void Tvoir_menu1::premiere_page_categorie() {
  app::TListeCategories categories = app::chargerListeCategories(p_.donnees());
  if (categories.empty()) return;
  if (categorieCourante == kAucuneCategorie) categorieCourante = categories.front();
  std::string page = premierePage(categorieCourante);
  if (!page.empty()) tableauPremierePage = page;
}

void Tvoir_menu1::lister_categories_famille(ValeursCadres& v) {
  fitems.clearItems();
  FamillesMenu familles = famillesMenu(p_);
  if (familles.titres) {
    v.famille_titre = "0";
    const int p = familleALaPosition(familles.numeros, positionFamilleMenu);
    fitems.setItems(familles.categories[static_cast<size_t>(p)]);
  } else {
    fitems.setItems(p_.main().catego.items());
    v.famille_titre = "1";
  }
}

}  // namespace frame
