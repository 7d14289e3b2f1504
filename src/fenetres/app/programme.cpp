#include "app/programme.h"

#include "app/auteurs1.h"
#include "app/categotxt1.h"
#include "app/famille.h"
#include "app/fiche.h"
#include "app/ident1.h"
#include "app/livre.h"
#include "app/modifcat.h"
#include "app/modiftheme.h"
#include "app/organigramme.h"
#include "app/prixdiff1.h"
#include "app/promo1.h"
#include "app/supp1.h"
#include "app/tarvioini1.h"
#include "app/tri_catego1.h"
#include "app/tri_theme1.h"
#include "design/boutons.h"
#include "design/fond.h"
#include "design/gif_titre.h"
#include "design/hexa1.h"
#include "design/menu.h"
#include "design/menuG1.h"
#include "design/metacat4.h"
#include "design/ouvre.h"
#include "design/style.h"
#include "design/style_principal.h"
#include "design/stylemdyn1.h"
#include "frame/accent.h"
#include "frame/catal_index.h"
#include "frame/voir_menu.h"
#include "infopages/accueil.h"
#include "infopages/cvente.h"
#include "infopages/faire_accueil1.h"
#include "infopages/fairecv.h"
#include "infopages/liste_recherche1.h"
#include "infopages/motsmoteur.h"
#include "pages/articles1.h"
#include "pages/data.h"
#include "pages/etiq.h"
#include "pages/liensm1.h"
#include "pages/page1.h"
#include "pages/vignette1.h"
#include "publish/Unit3.h"
#include "publish/autres_comp1.h"
#include "publish/export_ref1.h"
#include "publish/kelkoo3.h"
#include "publish/tarvioupdate4.h"
#include "publish/transfert.h"
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
  main_->show();
  main_->paint();
}

ui::Form* Programme::fenetre(std::string_view className) const {
  return const_cast<ui::Application&>(application_).findForm(className);
}

}  // namespace app
