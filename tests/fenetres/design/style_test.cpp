#include "fenetres/design/style.h"

#include <gtest/gtest.h>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/ouvre.h"
#include "fenetres/design/saisie_couleur.h"
#include "fenetres/design/style_principal.h"
#include "support/programme_test.h"

#include <tuple>

using namespace design;
using testing_support::ProgrammeDeTest;

namespace {

class EditeurStyle : public ::testing::Test {
 protected:
  EditeurStyle() {
    t.creer();
    e().themeStyle = "Livres_Poche";
    e().referenceStyle = "R1";
    mettreDefautsStyleFiche(e().style);
  }
  TForm1& e() { return t.p().Form1(); }
  void montrer(const char* element) {
    e().elementCourant = element;
    e().elements();
  }
  ProgrammeDeTest t;
};

}  // namespace

TEST_F(EditeurStyle, EachElementEnablesOnlyItsOwnControls) {
  // Enabled, in this order: titre1 titre2 titre4 police Taille agauche acentre adroite justif;
  // then whether the preview shows.
  struct Case {
    const char* element;
    const char* actives;
    bool apercu;
  } cases[] = {
      {"Titre", "111111110", true},        {"Chanteur", "101111110", true},
      {"Commentaires", "111111111", true}, {"Image", "000001010", false},
      {"Référence", "101110000", true},    {"Titres", "111111111", true},
      {"Prix", "111111111", true},         {"Type", "101110000", true},
      {"Liens", "100000000", true},        {"Commande", "111111010", false},
      {"Introduction", "111110000", true},
  };
  for (const Case& c : cases) {
    montrer(c.element);
    std::string actives;
    for (ui::Control* k : std::initializer_list<ui::Control*>{
             &e().titre1, &e().titre2, &e().titre4, &e().police, &e().Taille, &e().agauche,
             &e().acentre, &e().adroite, &e().justif})
      actives += k->enabled() ? '1' : '0';
    EXPECT_EQ(actives, c.actives) << c.element;
    EXPECT_EQ(e().titre.visible(), c.apercu) << c.element;
  }
}

TEST_F(EditeurStyle, PreviewTakesTheElementsFontColourBackgroundAndAlignment) {
  TStyleFiche& s = e().style;
  s.police_comm = "Times";
  s.coul_comm = "#102030";
  s.fond = "#405060";
  s.taille_comm = "20";
  s.aligne_comm = "right";
  s.gras_comm = "oui";
  s.italique_comm = "non";
  montrer("Commentaires");
  EXPECT_EQ(e().titre.font().name, "Times New Roman");
  EXPECT_EQ(e().titre.font().colour, 0x102030);
  EXPECT_EQ(e().titre.colour(), 0x405060);
  EXPECT_EQ(e().titre.font().size, 17);
  EXPECT_TRUE(e().titre.font().bold);
  EXPECT_TRUE(e().titre4.down());
  EXPECT_FALSE(e().titre5.down());
  EXPECT_TRUE(e().adroite.checked());
  EXPECT_EQ(e().titre.alignment(), ui::Alignment::Right);
  EXPECT_EQ(e().taille_num.text(), "20");
  EXPECT_EQ(e().Taille.position(), 20);
  EXPECT_EQ(e().titre.caption(), "Texte");

  // Justified comments read left-aligned; justified titles and prices are centred.
  s.aligne_comm = "justify";
  montrer("Commentaires");
  EXPECT_EQ(e().titre.caption(), "Texte Justifié");
  EXPECT_EQ(e().titre.alignment(), ui::Alignment::Left);
  s.aligne_titres = "justify";
  montrer("Titres");
  EXPECT_EQ(e().titre.caption(), "- Justifié -");
  EXPECT_EQ(e().titre.alignment(), ui::Alignment::Center);
  // Links take the titles' look and their own colour.
  s.coul_liens = "#00FF00";
  montrer("Liens");
  EXPECT_EQ(e().titre.caption(), "- Titres Justifiés -");
  EXPECT_EQ(e().titre.font().colour, 0x00FF00);
  EXPECT_EQ(e().titre.colour(), couleurUi(s.fond_titres));
  // The introduction is previewed on the page's background.
  t.p().styleP().fond_page = "#0A0B0C";
  montrer("Introduction");
  EXPECT_EQ(e().titre.colour(), 0x0A0B0C);
}

// The corner tiles follow the frame choice as it is made; outside the frame they show the
// page's colour, as the saved GIFs (transparent there) do on the page.
TEST_F(EditeurStyle, CornerTilesFollowTheFrameChoiceOnThePageColour) {
  TStyleFiche& s = e().style;
  s.encadrement_style = "rond";
  s.fond_titre = "#CC0000";
  s.fond_bas = "#FFFFFF";
  s.coul_trait = "#000000";
  t.p().styleP().fond_page = "#336699";
  montrer("Titre");
  const platform::Rgb page{0x33, 0x66, 0x99}, trait{0, 0, 0}, haut{0xCC, 0, 0};
  // Per choice: each tile's outer corner pixel, and whether the next one inwards is filled.
  const std::tuple<int, platform::Rgb, bool> cases[] = {
      {1, trait, true}, {0, page, false}, {2, page, true}};
  for (const auto& [choix, coin, rempli] : cases) {
    e().encadrement.clickItem(choix);
    for (const ui::Image* u : {&e().hg, &e().hd, &e().bg, &e().bd}) {
      const platform::Bitmap& b = u->bitmap();
      const bool droite = u == &e().hd || u == &e().bd, bas = u == &e().bg || u == &e().bd;
      auto vu = [&](int d) {
        return b.pixel(droite ? b.width() - 1 - d : d, bas ? b.height() - 1 - d : d);
      };
      const platform::Rgb fond = bas ? platform::kWhite : haut;
      EXPECT_TRUE(vu(0) == coin && vu(1) == (rempli ? fond : page) && vu(4) == fond)
          << e().encadrement.selected() << " " << u->name();
    }
  }
}

TEST_F(EditeurStyle, OrderButtonShowsItsOwnLookAndSide) {
  TStyleFiche& s = e().style;
  s.aligne_jc = "left";
  s.fond_jc = "";
  s.coul_jc = "";
  s.type_prix = "soumission";
  s.taille_jc = "16";
  montrer("Commande");
  EXPECT_EQ(e().bouton_commande.caption(), "Bouton de Commande [à Gauche]");
  EXPECT_TRUE(e().agauche.checked());
  EXPECT_EQ(e().textejc.colour(), 0xC0C0C0);
  EXPECT_EQ(e().textejc.font().colour, 0x0000FF);
  EXPECT_EQ(e().textejc.font().size, 13);
  s.type_prix = "image";
  s.aligne_jc = "right";
  s.fond_bas = "#121212";
  montrer("Commande");
  EXPECT_EQ(e().bouton_commande.caption(), "Bouton de Commande [à Droite]");
  EXPECT_EQ(e().textejc.colour(), 0x121212);
}

// A hand-edited size that is not a whole number must not stop the display (which runs after
// every style load, the sheet editor's too): the preview uses 13, the stored text stays.
TEST_F(EditeurStyle, SizeThatIsNotANumberShowsAsThirteenAndStaysStored) {
  e().style.taille_titre = "12px";
  e().style.taille_jc = "";
  montrer("Titre");
  EXPECT_EQ(e().taille_num.text(), "13");
  EXPECT_EQ(e().titre.font().size, 10);
  EXPECT_EQ(e().textejc.font().size, 10);
  EXPECT_EQ(e().style.taille_titre, "12px");
}

TEST_F(EditeurStyle, HandlersWriteOnlyTheFieldsTheElementHas) {
  TStyleFiche& s = e().style;
  // An alignment radio an element does not use, or an element without background, stores nothing.
  montrer("Titre");
  e().alignementClick("justify");
  EXPECT_EQ(s.aligne_titre, "left");
  montrer("Introduction");
  const TStyleFiche avant = s;
  e().titre2Click();
  EXPECT_EQ(s, avant);
  // The colour chooser's answer is written "#" and upper-case pairs before the prompt.
  t.dialogs.queueColour(0xABCDEF);
  t.dialogs.queueText("#abcdef");
  e().titre1Click();
  EXPECT_EQ(s.coul_pre, "#abcdef");
  EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{});
  // The frame kind and the text position by index.
  e().encadrement.clickItem(0);
  e().texteBOX.clickItem(2);
  EXPECT_EQ(s.encadrement_style, "rond");
  EXPECT_EQ(s.position_texte, "bas");
}

TEST_F(EditeurStyle, WidthKeepsDigitsOnly) {
  struct Case {
    const char* saisie;
    const char* largeur;
    bool erreur;
  } cases[] = {{"420", "420", false}, {"4x2", "420", true}, {"", "0", false},
               {"abc", "0", true},    {"007", "007", false}};
  for (const Case& c : cases) {
    e().style.largeur_fiche = "420";
    t.dialogs.clear();
    e().largeur_num.setText("420");
    e().largeur_num.setText(c.saisie);
    EXPECT_EQ(e().style.largeur_fiche, c.largeur) << c.saisie;
    EXPECT_EQ(t.dialogs.messages().size(), c.erreur ? 1u : 0u) << c.saisie;
  }
}

// An empty reference is shown but never becomes the name of a saved style.
TEST_F(EditeurStyle, EmptyReferenceIsShownAsReferenceAndNotSaved) {
  e().referenceStyle.clear();
  e().style_.setItemIndex(4);
  e().styleChange();
  EXPECT_EQ(e().titre.caption(), "[Référence]");
  EXPECT_EQ(e().referenceStyle, "");
  e().appli.setItemIndex(1);
  EXPECT_FALSE(e().sauverStyleFiche());
  EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{kStyleSansNom});
  EXPECT_FALSE(t.dossier.exists("Référence.typ"));
  EXPECT_FALSE(t.dossier.exists(".typ"));
}

// "Thème" lays the theme's style over the sheet's in the editor only, and only for that theme:
// the sheet editor's loads (and so the frame corners it saves) stay the sheet's own.
TEST_F(EditeurStyle, ImposedThemeHoldsInTheEditorForThatThemeOnly) {
  t.dossier.write("Livres_Poche.typ", "coul_titre=#000001\r\n");
  t.dossier.write("R1.typ", "coul_titre=#000002\r\n");
  e().Button3Click();
  EXPECT_EQ(e().style.coul_titre, "#000001");
  t.p().Form2().chargerStyleFiche();
  EXPECT_EQ(e().style.coul_titre, "#000002");
  e().show();
  EXPECT_EQ(e().style.coul_titre, "#000001");
  e().hide();
  e().themeStyle = "Livres_Romans";
  e().show();
  EXPECT_EQ(e().themeImpose, "");
  EXPECT_EQ(e().style.coul_titre, "#000002");
}
