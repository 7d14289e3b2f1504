// The top frame stages of the site frame generator: the window side gathers
// what the page reads of the settings and the main window, and runs the model
// (modele/frame/page_top.h, barre_top.h).

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/voir_menu.h"
#include "fenetres/infopages/cvente.h"
#include "modele/frame/barre_top.h"
#include "modele/frame/page_top.h"
#include "platform/image.h"

namespace frame {

namespace {

// The advertising tab's fragments, as typed.
void lirePublicites(const app::Tmain& main, EntreesTop& e) {
  e.pubs = {main.pub1_pub.lines(), main.pub2_pub.lines(), main.pub3_pub.lines()};
}

// The webmaster block of the advertising tab; the logo at its own size.
void lireWebmaster(const app::Tmain& main, const platform::DataFolder& donnees, EntreesTop& e) {
  LogoWebmaster& w = e.webmaster;
  w.fichier = main.logo_pub.caption();
  w.site = main.site_pub.text();
  w.position = main.position_pub.itemIndex() < 0 ? 1 : main.position_pub.itemIndex();
  const std::string source = "menu_boutons/" + w.fichier;
  if (!w.fichier.empty() && platform::safeRelativePath(source))
    if (auto taille = platform::imageSize(donnees.path(source))) {
      w.largeur = taille->first;
      w.hauteur = taille->second;
    }
}

EntreesTop entreesTop(app::Programme& p, const ValeursCadres& v) {
  const app::TOptionsProgramme& o = p.main().options.options;
  const design::TstyleP& style = p.styleP();
  EntreesTop e;
  e.menu = p.menu1().options;
  e.ident = p.ident().identite;
  e.frames = p.main().options.frames == "oui";
  e.cibleLiens = v.cibleLiens;
  e.largeurMenuInterieure = v.largeurMenuInterieure;
  e.texteBulle = v.texteBulle;
  e.menuh_titre = o.menuh_titre;
  e.police_defaut = o.police_defaut;
  e.coul_scroll = o.coul_scroll;
  e.mot_recherche = o.mot_recherche;
  e.image_page = style.image_page;
  e.url_panier = style.url_panier;
  e.targetS = style.targetS;
  e.moteur_recherche = style.moteur_recherche;
  e.url_moteur_recherche = style.url_moteur_recherche;
  e.articles = style.articles.text();
  e.listeP = style.listeP.text();
  e.themesP = style.themesP.text();
  e.securus = style.securus.checked();
  e.catalC = p.main().catalC.checked();
  e.accueilHTM = p.main().accueilHTM;
  e.cv_popup = p.cvente1().cv_popup;
  return e;
}

}  // namespace

void Tvoir_menu1::debut_top(ValeursCadres& v) {
  EntreesTop e = entreesTop(p_, v);
  lirePublicites(p_.main(), e);
  debutTop(e, p_.donnees(), v.pageTop);
}

void Tvoir_menu1::faire_boutons_top(ValeursCadres& v) {
  barreTop(entreesTop(p_, v), p_.donnees(), v.pageTop);
}

void Tvoir_menu1::fin_top(ValeursCadres& v) {
  EntreesTop e = entreesTop(p_, v);
  lireWebmaster(p_.main(), p_.donnees(), e);
  finTop(e, p_.donnees(), v.pageTop);
}

}  // namespace frame
