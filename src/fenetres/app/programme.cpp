#include "fenetres/app/programme.h"

#include "fenetres/app/famille.h"
#include "fenetres/app/fenetre_auteurs.h"
#include "fenetres/app/fenetre_habillage_categorie.h"
#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fenetre_options_programme.h"
#include "fenetres/app/fenetre_prix_differents.h"
#include "fenetres/app/fenetre_prix_promotions.h"
#include "fenetres/app/fenetre_supplements.h"
#include "fenetres/app/fenetre_tri_categories.h"
#include "fenetres/app/fenetre_tri_themes.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/livre.h"
#include "fenetres/app/modifcat.h"
#include "fenetres/app/modiftheme.h"
#include "fenetres/app/organigramme.h"
#include "fenetres/design/boutons.h"
#include "fenetres/design/fenetre_calcul_hexa.h"
#include "fenetres/design/fenetre_menu_gauche.h"
#include "fenetres/design/fenetre_meta_categories.h"
#include "fenetres/design/fenetre_style_menu_dynamique.h"
#include "fenetres/design/fond.h"
#include "fenetres/design/gif_titre.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/ouvre.h"
#include "fenetres/design/style.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/accent.h"
#include "fenetres/frame/catal_index.h"
#include "fenetres/frame/voir_menu.h"
#include "fenetres/infopages/accueil.h"
#include "fenetres/infopages/cvente.h"
#include "fenetres/infopages/faire_accueil.h"
#include "fenetres/infopages/fairecv.h"
#include "fenetres/infopages/fenetre_liste_recherche.h"
#include "fenetres/infopages/motsmoteur.h"
#include "fenetres/pages/data.h"
#include "fenetres/pages/etiq.h"
#include "fenetres/pages/faire_vignette.h"
#include "fenetres/pages/fenetre_liens_multiples.h"
#include "fenetres/pages/fenetre_options_articles.h"
#include "fenetres/pages/rafraichir_carte.h"
#include "fenetres/publish/fenetre_autres_comparateurs.h"
#include "fenetres/publish/fenetre_brouillage.h"
#include "fenetres/publish/fenetre_comparateurs.h"
#include "fenetres/publish/fenetre_export_references.h"
#include "fenetres/publish/fenetre_mise_a_jour.h"
#include "fenetres/publish/transfert.h"
#include "modele/publish/fournitures.h"
#include "ui/dialogs.h"

namespace app {

Programme::Programme(Environment environment)
    : env_(std::move(environment)), donnees_(env_.dataFolder), application_(env_.dialogs) {
  application_.setTitle(env_.executableName);
  main_ = std::make_unique<app::Tmain>(*this);
  orga_ = std::make_unique<app::Torga>(*this);
  auteurs_ = std::make_unique<app::Tauteurs>(*this);
  modifcat1_ = std::make_unique<app::Tmodifcat1>(*this);
  modiftheme1_ = std::make_unique<app::Tmodiftheme1>(*this);
  data1_ = std::make_unique<pages::Tdata1>(*this);
  livre1_ = std::make_unique<app::Tlivre1>(*this);
  vignette1_ = std::make_unique<pages::Tvignette1>(*this);
  Form1_ = std::make_unique<design::TForm1>(*this);
  Form2_ = std::make_unique<design::TForm2>(*this);
  accents1_ = std::make_unique<frame::Taccents1>(*this);
  styleP_ = std::make_unique<design::TstyleP>(*this);
  menu1_ = std::make_unique<design::Tmenu1>(*this);
  famille1_ = std::make_unique<app::Tfamille1>(*this);
  tri_cat_ = std::make_unique<app::Ttri_cat>(*this);
  tri_thems_ = std::make_unique<app::Ttri_thems>(*this);
  boutons_view_ = std::make_unique<design::Tboutons_view>(*this);
  voir_menu1_ = std::make_unique<frame::Tvoir_menu1>(*this);
  fonds_ = std::make_unique<design::Tfonds>(*this);
  gif_titres_ = std::make_unique<design::Tgif_titres>(*this);
  ident_ = std::make_unique<app::Tident>(*this);
  hexa1_ = std::make_unique<design::Thexa1>(*this);
  transfert1_ = std::make_unique<publish::Ttransfert1>(*this);
  accueil1_ = std::make_unique<infopages::Taccueil1>(*this);
  faire_accueil_ = std::make_unique<infopages::Tfaire_accueil>(*this);
  cvente1_ = std::make_unique<infopages::Tcvente1>(*this);
  faire_cv1_ = std::make_unique<infopages::Tfaire_cv1>(*this);
  page_ = std::make_unique<pages::Tpage>(*this);
  etiq1_ = std::make_unique<pages::Tetiq1>(*this);
  catal_ini_ = std::make_unique<frame::Tcatal_ini>(*this);
  prixF_ = std::make_unique<app::TprixF>(*this);
  Form3_ = std::make_unique<publish::TForm3>(*this);
  export_ref_ = std::make_unique<publish::Texport_ref>(*this);
  moteur_ = std::make_unique<infopages::Tmoteur>(*this);
  tarvioini_ = std::make_unique<app::Ttarvioini>(*this);
  tarvioupdate_ = std::make_unique<publish::Ttarvioupdate>(*this);
  kelkoo2_ = std::make_unique<publish::Tkelkoo2>(*this);
  metacat_ = std::make_unique<design::Tmetacat>(*this);
  liensm_ = std::make_unique<pages::Tliensm>(*this);
  articlesT_ = std::make_unique<pages::TarticlesT>(*this);
  menuG_ = std::make_unique<design::TmenuG>(*this);
  supp_ = std::make_unique<app::Tsupp>(*this);
  prixdiff_ = std::make_unique<app::Tprixdiff>(*this);
  autres_comp_ = std::make_unique<publish::Tautres_comp>(*this);
  liste_recherche_ = std::make_unique<infopages::Tliste_recherche>(*this);
  categotxt_ = std::make_unique<app::Tcategotxt>(*this);
  styleMDyn_ = std::make_unique<design::TstyleMDyn>(*this);
}

Programme::~Programme() = default;

void Programme::demarrer() {
  if (env_.apporterFournitures) {
    try {
      publish::apporterFournitures(donnees_);
    } catch (const platform::FileError& e) {
      // The update offers them again: the program starts all the same.
      main_->reportError(e);
    }
  }
  main_->show();
  main_->paint();
}

ui::Form* Programme::fenetre(std::string_view className) const {
  return const_cast<ui::Application&>(application_).findForm(className);
}

}  // namespace app
