#pragma once
// The program object: the environment (data folder, dialogs, shell, exit, clock) and every window,
// created once in the program's creation order, the main window first. Windows reach each other
// through it (`p_.menu1().chargerMenu()`). Kept light: forward declarations only.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "ui/form.h"

namespace ui {
class Dialogs;
class Shell;
class ProcessExit;
class Clock;
}

namespace app {
class Tmain;
class Torga;
class Tauteurs;
class Tmodifcat1;
class Tmodiftheme1;
class Tlivre1;
class Tfamille1;
class Ttri_cat;
class Ttri_thems;
class Tident;
class TprixF;
class Ttarvioini;
class Tsupp;
class Tprixdiff;
class Tcategotxt;
}
namespace pages {
class Tdata1;
class Tvignette1;
class Tpage;
class Tetiq1;
class Tliensm;
class TarticlesT;
}
namespace design {
class TForm1;
class TForm2;
class TstyleP;
class Tmenu1;
class Tboutons_view;
class Tfonds;
class Tgif_titres;
class Thexa1;
class Tmetacat;
class TmenuG;
class TstyleMDyn;
}
namespace frame {
class Taccents1;
class Tvoir_menu1;
class Tcatal_ini;
}
namespace publish {
class Ttransfert1;
class TForm3;
class Texport_ref;
class Ttarvioupdate;
class Tkelkoo2;
class Tautres_comp;
}
namespace infopages {
class Taccueil1;
class Tfaire_accueil;
class Tcvente1;
class Tfaire_cv1;
class Tmoteur;
class Tliste_recherche;
}

namespace app {

struct Environment {
  std::filesystem::path dataFolder;
  ui::Dialogs& dialogs;
  ui::Shell& shell;
  ui::ProcessExit& exit;
  ui::Clock& clock;
  // The executable's file name with its extension; the main window shows it as its caption.
  std::string executableName = "tarvio";
  // Every FTP connection passes its host and port through this first: tests point the shop's
  // account and the fixed outside accounts at their loopback server. Empty in the program.
  std::function<void(std::string& host, int& port)> redirigerFtp = {};
  // Run every 50 ms while a network call waits, and as long work (the site build, a rename)
  // moves on: the front end processes its events there, so that its windows stay painted.
  std::function<void()> patienter = {};
  // The desktop program brings the files it ships into a data folder that lacks them at start-up
  // (modele/publish/fournitures.h); tests start on the folder they made.
  bool apporterFournitures = false;
};

class Programme {
 public:
  explicit Programme(Environment environment);
  ~Programme();
  Programme(const Programme&) = delete;
  Programme& operator=(const Programme&) = delete;

  const Environment& environment() const { return env_; }
  // The shop's data folder: every catalogue, settings and working file lives there.
  const platform::DataFolder& donnees() const { return donnees_; }
  std::filesystem::path chemin(std::string_view name) const { return donnees_.path(name); }
  ui::Application& application() { return application_; }
  ui::Dialogs& dialogs() const { return env_.dialogs; }
  ui::Shell& shell() const { return env_.shell; }
  // Long work calls this as it moves on (the environment's patienter).
  void patienter() const {
    if (env_.patienter) env_.patienter();
  }

  // The start-up of the main program: the shipped files the data folder lacks brought in (when
  // the environment asks), the main window shown (and so activated), then painted.
  void demarrer();

  // A window by its class name (`Tmain`), for scripts; nullptr when none.
  ui::Form* fenetre(std::string_view className) const;

  app::Tmain& main() { return *main_; }
  app::Torga& orga() { return *orga_; }
  app::Tauteurs& auteurs() { return *auteurs_; }
  app::Tmodifcat1& modifcat1() { return *modifcat1_; }
  app::Tmodiftheme1& modiftheme1() { return *modiftheme1_; }
  pages::Tdata1& data1() { return *data1_; }
  app::Tlivre1& livre1() { return *livre1_; }
  pages::Tvignette1& vignette1() { return *vignette1_; }
  design::TForm1& Form1() { return *Form1_; }
  design::TForm2& Form2() { return *Form2_; }
  frame::Taccents1& accents1() { return *accents1_; }
  design::TstyleP& styleP() { return *styleP_; }
  design::Tmenu1& menu1() { return *menu1_; }
  app::Tfamille1& famille1() { return *famille1_; }
  app::Ttri_cat& tri_cat() { return *tri_cat_; }
  app::Ttri_thems& tri_thems() { return *tri_thems_; }
  design::Tboutons_view& boutons_view() { return *boutons_view_; }
  frame::Tvoir_menu1& voir_menu1() { return *voir_menu1_; }
  design::Tfonds& fonds() { return *fonds_; }
  design::Tgif_titres& gif_titres() { return *gif_titres_; }
  app::Tident& ident() { return *ident_; }
  design::Thexa1& hexa1() { return *hexa1_; }
  publish::Ttransfert1& transfert1() { return *transfert1_; }
  infopages::Taccueil1& accueil1() { return *accueil1_; }
  infopages::Tfaire_accueil& faire_accueil() { return *faire_accueil_; }
  infopages::Tcvente1& cvente1() { return *cvente1_; }
  infopages::Tfaire_cv1& faire_cv1() { return *faire_cv1_; }
  pages::Tpage& page() { return *page_; }
  pages::Tetiq1& etiq1() { return *etiq1_; }
  frame::Tcatal_ini& catal_ini() { return *catal_ini_; }
  app::TprixF& prixF() { return *prixF_; }
  publish::TForm3& Form3() { return *Form3_; }
  publish::Texport_ref& export_ref() { return *export_ref_; }
  infopages::Tmoteur& moteur() { return *moteur_; }
  app::Ttarvioini& tarvioini() { return *tarvioini_; }
  publish::Ttarvioupdate& tarvioupdate() { return *tarvioupdate_; }
  publish::Tkelkoo2& kelkoo2() { return *kelkoo2_; }
  design::Tmetacat& metacat() { return *metacat_; }
  pages::Tliensm& liensm() { return *liensm_; }
  pages::TarticlesT& articlesT() { return *articlesT_; }
  design::TmenuG& menuG() { return *menuG_; }
  app::Tsupp& supp() { return *supp_; }
  app::Tprixdiff& prixdiff() { return *prixdiff_; }
  publish::Tautres_comp& autres_comp() { return *autres_comp_; }
  infopages::Tliste_recherche& liste_recherche() { return *liste_recherche_; }
  app::Tcategotxt& categotxt() { return *categotxt_; }
  design::TstyleMDyn& styleMDyn() { return *styleMDyn_; }

 private:
  Environment env_;
  platform::DataFolder donnees_;
  ui::Application application_;
  std::unique_ptr<app::Tmain> main_;
  std::unique_ptr<app::Torga> orga_;
  std::unique_ptr<app::Tauteurs> auteurs_;
  std::unique_ptr<app::Tmodifcat1> modifcat1_;
  std::unique_ptr<app::Tmodiftheme1> modiftheme1_;
  std::unique_ptr<pages::Tdata1> data1_;
  std::unique_ptr<app::Tlivre1> livre1_;
  std::unique_ptr<pages::Tvignette1> vignette1_;
  std::unique_ptr<design::TForm1> Form1_;
  std::unique_ptr<design::TForm2> Form2_;
  std::unique_ptr<frame::Taccents1> accents1_;
  std::unique_ptr<design::TstyleP> styleP_;
  std::unique_ptr<design::Tmenu1> menu1_;
  std::unique_ptr<app::Tfamille1> famille1_;
  std::unique_ptr<app::Ttri_cat> tri_cat_;
  std::unique_ptr<app::Ttri_thems> tri_thems_;
  std::unique_ptr<design::Tboutons_view> boutons_view_;
  std::unique_ptr<frame::Tvoir_menu1> voir_menu1_;
  std::unique_ptr<design::Tfonds> fonds_;
  std::unique_ptr<design::Tgif_titres> gif_titres_;
  std::unique_ptr<app::Tident> ident_;
  std::unique_ptr<design::Thexa1> hexa1_;
  std::unique_ptr<publish::Ttransfert1> transfert1_;
  std::unique_ptr<infopages::Taccueil1> accueil1_;
  std::unique_ptr<infopages::Tfaire_accueil> faire_accueil_;
  std::unique_ptr<infopages::Tcvente1> cvente1_;
  std::unique_ptr<infopages::Tfaire_cv1> faire_cv1_;
  std::unique_ptr<pages::Tpage> page_;
  std::unique_ptr<pages::Tetiq1> etiq1_;
  std::unique_ptr<frame::Tcatal_ini> catal_ini_;
  std::unique_ptr<app::TprixF> prixF_;
  std::unique_ptr<publish::TForm3> Form3_;
  std::unique_ptr<publish::Texport_ref> export_ref_;
  std::unique_ptr<infopages::Tmoteur> moteur_;
  std::unique_ptr<app::Ttarvioini> tarvioini_;
  std::unique_ptr<publish::Ttarvioupdate> tarvioupdate_;
  std::unique_ptr<publish::Tkelkoo2> kelkoo2_;
  std::unique_ptr<design::Tmetacat> metacat_;
  std::unique_ptr<pages::Tliensm> liensm_;
  std::unique_ptr<pages::TarticlesT> articlesT_;
  std::unique_ptr<design::TmenuG> menuG_;
  std::unique_ptr<app::Tsupp> supp_;
  std::unique_ptr<app::Tprixdiff> prixdiff_;
  std::unique_ptr<publish::Tautres_comp> autres_comp_;
  std::unique_ptr<infopages::Tliste_recherche> liste_recherche_;
  std::unique_ptr<app::Tcategotxt> categotxt_;
  std::unique_ptr<design::TstyleMDyn> styleMDyn_;
};

}  // namespace app
