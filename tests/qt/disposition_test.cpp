// The windows as laid out on screen: the fields of a row stay on one line in order, and no
// control spills out of the container that holds it.

#include <gtest/gtest.h>

#include <QRect>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fenetre_options_programme.h"
#include "fenetres/app/fiche.h"
#include "fenetres/design/fenetre_menu_gauche.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/catal_index.h"
#include "fenetres/publish/transfert.h"
#include "qt/renderer.h"
#include "support/programme_test.h"

namespace {

class DesktopDisposition : public ::testing::Test {
 protected:
  DesktopDisposition() {
    t.creer();
    renderer = std::make_unique<qtui::Renderer>(t.p().application(), modal);
    for (ui::Form* f : fenetres()) renderer->window(*f);
  }

  std::vector<ui::Form*> fenetres() {
    app::Programme& p = t.p();
    return {&p.main(),  &p.ident(),     &p.styleP(),    &p.tarvioini(),
            &p.menu1(), &p.menuG(),     &p.catal_ini(), &p.transfert1()};
  }

  // Where the control is in its window.
  QRect place(const ui::Control& c) {
    QWidget* w = renderer->widget(c);
    return {w->mapTo(renderer->window(c.form()), QPoint(0, 0)), w->size()};
  }

  testing_support::ProgrammeDeTest t;
  qtui::ModalState modal;
  std::unique_ptr<qtui::Renderer> renderer;  // goes before the program it observes
};

TEST_F(DesktopDisposition, TheFieldsOfARowStayOnOneLineInOrder) {
  app::Programme& p = t.p();
  app::Tmain& m = p.main();
  app::Tident& id = p.ident();
  app::Ttarvioini& o = p.tarvioini();
  frame::Tcatal_ini& c = p.catal_ini();
  design::TstyleP& s = p.styleP();
  publish::Ttransfert1& tr = p.transfert1();
  const std::vector<std::vector<const ui::Control*>> rows = {
      {&m.referencer, &m.descriptionT, &m.prixT},
      {&m.auteur_nom, &m.auteurT},
      {&m.categoL, &m.catego, &m.themesL, &m.themes},
      {&m.ecotaxeE, &m.poidsE, &m.multiE},
      {&m.CD_check, &m.type1, &m.CD_refL, &m.CD_refT, &m.CD_prixL, &m.CD_prixT},
      {&m.K7_check, &m.type2, &m.K7_refL, &m.K7_refT, &m.K7_prixL, &m.K7_prixT},
      {&m.VIDEO_check, &m.type3, &m.VIDEO_refL, &m.VIDEO_refT, &m.VIDEO_prixL, &m.VIDEO_prixT},
      {&m.ecotaxeAE, &m.poidsAE},
      {&m.formes, &m.voir_vignette},
      {&m.sauver, &m.effacer},
      {&m.presentation, &m.intro},
      {&m.liste_titres, &m.titre_chants},
      {&m.BitBtn4, &m.BitBtn6},
      {&m.BitBtn5, &m.BitBtn7},
      {&id.nomEL, &id.nomEt, &id.entBOX},
      {&id.codepostalL, &id.codepostalt, &id.cpBOX},
      {&id.apeL, &id.apet, &id.apeBOX},
      {&id.dev2L, &id.dev2C, &id.dev2t},
      {&id.exempleL, &id.prix, &id.dev},
      {&id.loginL, &id.logint},
      {&o.themesL, &o.themesE},
      {&o.sepL, &o.sepC},
      {&o.rechXL, &o.rechX},
      {&o.largeurL, &o.largeurTE, &o.BitBtn3},
      {&o.menutailleL_V, &o.menutailleE_V, &o.menutailleL_S, &o.menutailleE_S},
      {&o.couleur_lieeL, &o.couleur_lieeE, &o.taille_lieeL, &o.taille_lieeE},
      {&o.gras_lieeC, &o.phrase_pcL, &o.phrase_pcE},
      {&o.couleur_lieeTL, &o.couleur_lieeTE, &o.taille_lieeTL, &o.taille_lieeTE},
      {&o.espL, &o.espE, &o.espML, &o.espME},
      {&o.titre_deroulantL, &o.titre_deroulantE},
      {&c.panierL, &c.panierE, &c.produitsL, &c.produitsE},
      {&c.quantiteL, &c.quantiteE, &c.uniqueC},
      {&c.portC, &c.portE, &c.plC, &c.fraispE},
      {&c.autre3C, &c.autre3E},
      {&c.dateC, &c.mentionL, &c.mentionE},
      {&s.produits, &s.livres, &s.audio, &s.services},
      {&s.auteur, &s.chanteur, &s.articles, &s.listeP, &s.completeP, &s.plan_sizeP},
      {&s.suiteP, &s.hautP, &s.accueilP, &s.themesP, &s.detailsP, &s.detailhP},
      {&s.SpeedButton1, &s.SpeedButton2, &s.SpeedButton3},
      {&s.Tliens, &s.Tliens_color, &s.Tcat, &s.Tcat_color},
      {&s.url_cgi, &s.Turl_panier, &s.Turl_mr},
      {&tr.HostTxt, &tr.PortTxt},
      {&tr.UserTxt, &tr.PassTxt},
      {&tr.BitBtn4, &tr.modif, &tr.BitBtn5},
  };
  for (const auto& row : rows) {
    std::string what = row.front()->form().name() + "." + row.front()->name();
    QRect first = place(*row.front());
    QRect before = first;
    for (size_t i = 1; i < row.size(); ++i) {
      QRect r = place(*row[i]);
      // A label beside a field is centred on it, within a pixel or two of rounding.
      EXPECT_NEAR(r.center().y(), first.center().y(), 2) << what << " / " << row[i]->name();
      EXPECT_GT(r.left(), before.right()) << what << " / " << row[i]->name();
      before = r;
    }
  }
}

TEST_F(DesktopDisposition, NoControlSpillsOutOfItsContainer) {
  for (ui::Form* f : fenetres()) {
    for (ui::Control* c : f->controls()) {
      ui::Control* parent = c->parent();
      QWidget* w = renderer->widget(*c);
      if (!w || !c->visible() || !parent || c->kind() == ui::Kind::TabSheet ||
          c->kind() == ui::Kind::StatusBar)
        continue;
      // The room: a container's own width; the page control's for a page and the window's for
      // the window, as wide as their content needs.
      int room = parent->width();
      if (parent->kind() == ui::Kind::TabSheet)
        room = renderer->widget(static_cast<ui::TabSheet*>(parent)->pageControl())->width();
      else if (parent->kind() == ui::Kind::Form)
        room = renderer->window(*f)->width();
      else if (parent->kind() != ui::Kind::Panel && parent->kind() != ui::Kind::GroupBox &&
               parent->kind() != ui::Kind::Form)
        continue;
      if (room <= 0) continue;
      EXPECT_LE(w->geometry().right(), room) << f->name() << "." << c->name();
      if (parent->height() > 0 && parent->kind() != ui::Kind::Form) {
        EXPECT_LE(w->geometry().bottom(), parent->height()) << f->name() << "." << c->name();
      }
    }
  }
}

TEST_F(DesktopDisposition, RadioButtonsThatExcludeEachOtherShareTheirContainer) {
  app::Tmain& m = t.p().main();
  EXPECT_EQ(m.image_oui.parent(), m.image_non.parent());
  EXPECT_EQ(m.standard.parent(), m.tableau.parent());
}

}  // namespace
