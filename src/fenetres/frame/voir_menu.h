#pragma once
// The window `Tvoir_menu1`: routine holder of the site frame generator. Never shown. `faire_cadres`
// rewrites the frame of the site in ftp/ in one fixed run of steps; the unit's small routines
// serve those steps and the menu editors.

#include <functional>
#include <string>
#include <string_view>

#include "modele/frame/menu_gauche.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace frame {

// A setting that must be a whole number is not one; it ends the generation run.
using ErreurEntier = platform::IntegerError;

// The whole text, trimmed, as an optional sign and decimal digits; throws ErreurEntier otherwise.
long long entierStrict(std::string_view texte);

// Every double quote becomes a blank (before a text goes into a script string or an attribute).
std::string enleve_guillemets(std::string_view texte);

// The values of one run of faire_cadres, shared by its steps; none survives the run.
struct ValeursCadres {
  std::string cibleLiens;  // link target: "principal" in the frameset, "_top" otherwise
  std::string texteBulle;  // lines of the conditions section "Bulle", each followed by "<br>"
  std::string styleItems;
  std::string styleItemsSurvol;
  std::string largeurMenuInterieure;  // decimal text
  int largeurColonneMenu = 0;
  int hauteurCadreTop = 0;
  // The menu settings as this run uses them. The left menu empties liste_dynamique here in the
  // frameset layout and lister_categories_famille sets famille_titre here: the menu editor's
  // options stay as loaded, so its next save cannot store what the run changed.
  std::string liste_dynamique;
  std::string famille_titre;
  // Left by the help page for the left menu's home entry.
  std::string lienAccueil;
  // The left menu's inputs, gathered when its step starts, and its lists (new products included).
  EntreesMenuGauche entreesMenu;
  EtatMenuGauche menuGauche;
  // The payment-means count of the order form.
  int compteurPaiements = 0;
  // The page lists: top frame (reused by the single-page pages and the order form), frameset
  // pages (also the import step); optional text files; files of the quick-choice list.
  platform::LineList pageTop;
  platform::LineList pageCadres;
  platform::LineList fichierOptionnel;
  platform::LineList lecture;
};

class Tvoir_menu1 : public ui::Form {
 public:
  explicit Tvoir_menu1(app::Programme& programme);

  // Scratch list of category names for the menu steps.
  ui::ListBox fitems{*this, "fitems"};

  // Unit values: each is set by the caller right before the routine that reads it.
  std::string fichierVersFtp;    // read by copie_vers_ftp
  int positionFamilleMenu = 0;   // read by lister_categories_famille
  // Read by premiere_page_categorie; this text means that no category is chosen yet.
  static constexpr const char* kAucuneCategorie = "aaaaaaaaaaaaaaaaaaaaaaaa";
  std::string categorieCourante = kAucuneCategorie;
  std::string tableauPremierePage;  // its result, never cleared between calls

  // Called with the name of each step as it starts and of each settings reload; empty in the
  // program.
  std::function<void(std::string_view)> suivi;

  // The generator. Shows nothing and asks nothing; a file or conversion error ends the run there
  // and goes on to the caller, the files already written staying as they are.
  void faire_cadres();

  // Copies the data-folder file fichierVersFtp to ftp/ under the same name when it exists.
  void copie_vers_ftp();
  // tableauPremierePage := the first theme page of categorieCourante; kept when there is none.
  void premiere_page_categorie();
  // The first theme page of a category ("livres-romans-0.htm"), "" when it has none.
  std::string premierePage(const std::string& categorie);
  // fitems := the categories of the family at positionFamilleMenu (titles inserted) or every
  // category; sets the run's famille_titre to "0" or "1".
  void lister_categories_famille(ValeursCadres& v);

  // The steps, in the order of the run.
  void faire_liste_rapide(ValeursCadres& v);
  void recharger_options(ValeursCadres& v);
  void faire_mode_emploi(ValeursCadres& v);
  void preparer_styles(ValeursCadres& v);
  void faire_index_cadres(ValeursCadres& v);
  void importer_index(ValeursCadres& v);
  void faire_menu_gauche(ValeursCadres& v);
  void faire_top(ValeursCadres& v);
  void faire_index_page_unique(ValeursCadres& v);
  void faire_bon_commande(ValeursCadres& v);

  // Stages of the left menu: head, logo box, quick list, new products and home entry; the static
  // or the drop-down category menu; the selection form, category bar and advertisement; the
  // style sheet, script and menu files.
  void debut_menu_gauche(ValeursCadres& v);
  void faire_menu_statique(ValeursCadres& v);
  void faire_menu_dynamique(ValeursCadres& v);
  void faire_selection_menu(ValeursCadres& v);
  void faire_fichiers_menu(ValeursCadres& v);
  // Stages of the top frame: head, logo, address and banner; the navigation buttons; date and
  // save.
  void debut_top(ValeursCadres& v);
  void faire_boutons_top(ValeursCadres& v);
  void fin_top(ValeursCadres& v);

  // The dynamic-menu style loader.
  void ouvre_menudyn();

 private:
  bool frames() const;  // the frameset layout is chosen
  void noter(std::string_view quoi) const {
    if (suivi) suivi(quoi);
  }
  using Etape = void (Tvoir_menu1::*)(ValeursCadres&);
  void jouer(const char* nom, Etape etape, ValeursCadres& v);
  // "principal" in the frameset, "_top" otherwise.
  std::string cibleSelonFrames() const;

  app::Programme& p_;
};

}  // namespace frame
