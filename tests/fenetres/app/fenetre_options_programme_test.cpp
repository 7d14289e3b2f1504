#include "fenetres/app/fenetre_options_programme.h"

#include <gtest/gtest.h>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;

namespace {

class OptionsWindow : public ::testing::Test {
 protected:
  void demarrer(const char* tarvio) {
    t.dossier.write("ident.opt", "nomE=Dupont\r\nnomB=Chez Paul\r\n");
    if (tarvio) t.dossier.write("tarvio.ini", tarvio);
    t.demarrer();
  }
  app::Ttarvioini& dlg() { return t.p().tarvioini(); }
  app::TOptionsProgramme& options() { return t.p().main().options.options; }
  std::string fichier() { return t.dossier.read("tarvio.ini"); }
  ProgrammeDeTest t;
};

}  // namespace

TEST_F(OptionsWindow, ShowWithoutAFileGivesTheNeutralControls) {
  demarrer(nullptr);
  dlg().show();
  struct Row {
    std::string valeur;
    const char* attendu;
  } rows[] = {
      {dlg().sepC.selected(), "-"},
      {dlg().listeC.selected(), "Droite"},
      {dlg().baspT.selected(), ""},
      {dlg().police.selected(), "Verdana"},
      {dlg().fondC.text(), "#5A6BA5"},
      {dlg().titreC.text(), "white"},
      {dlg().menutailleE.text(), "1"},
      {dlg().espE.text(), "4"},
      {dlg().phrase_pcE.text(), "Produits compl\xE9mentaires"},
      {dlg().taille_lieeE.text(), "1"},
      {dlg().titre_deroulantE.text(), "--- SELECTIONNER ---"},
      {dlg().accueilE.text(), ""},
  };
  for (size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(rows[i].valeur, rows[i].attendu) << i;
  EXPECT_TRUE(dlg().baspS.checked());
  EXPECT_FALSE(dlg().gras_lieeC.checked());
  EXPECT_TRUE(dlg().gras_lieeTC.checked());
  EXPECT_FALSE(dlg().refC.checked());
}

TEST_F(OptionsWindow, ShowReadsTheFileAndSetsTheTitleDefaultsEvenOnCancel) {
  demarrer(
      "menu_titres=gauche\r\n"
      "menu_titresR=oui\r\n"
      "cartouche_fond= #EEEEEE \r\n"
      "cartouche_souligne=non\r\n"
      "cartouche_taille=3\r\n"
      "recherche_liens=blue\r\n"
      "titrethemes=Nos th\xE8mes\r\n"
      "largeur_tableau=600\r\n"
      "articles_trouves=oui\r\n"
      "i_ref=oui\r\n"
      "esp_P=12\r\n"
      "gras_lieeT=peut-etre\r\n"
      "TOP_distant= http://a.fr/top.htm \r\n"
      "titre_deroulant= Choisir \r\n");
  app::TOptionsProgramme avant = options();
  ASSERT_EQ(avant.sepurl, "-");
  dlg().show();
  EXPECT_EQ(dlg().listeC.selected(), "Gauche");
  EXPECT_TRUE(dlg().listeRC.checked());
  EXPECT_EQ(dlg().baspF.text(), "#EEEEEE");
  EXPECT_FALSE(dlg().baspS.checked());
  EXPECT_EQ(dlg().baspT.selected(), "3");
  EXPECT_EQ(dlg().rechL.text(), "blue");
  EXPECT_EQ(dlg().themesE.text(), "Nos th\xE8mes");
  EXPECT_EQ(dlg().largeurTE.text(), "600");
  EXPECT_EQ(dlg().accueilE.text(), "Chez Paul page d'accueil");
  EXPECT_EQ(dlg().menuE.text(), "menu");
  EXPECT_EQ(dlg().menuhE.text(), "top");
  EXPECT_EQ(dlg().espPE.text(), "12");
  EXPECT_TRUE(dlg().gras_lieeTC.checked());  // ticked unless "non"
  EXPECT_TRUE(dlg().articles.checked());
  EXPECT_TRUE(dlg().refC.checked());
  EXPECT_EQ(dlg().TOP_distantE.text(), "http://a.fr/top.htm");
  EXPECT_EQ(dlg().titre_deroulantE.text(), "Choisir");
  // The file has no separator: the one in use is shown and kept.
  EXPECT_EQ(dlg().sepC.selected(), "-");

  dlg().BitBtn2.click();
  EXPECT_FALSE(dlg().visible());
  app::TOptionsProgramme apres = options();
  EXPECT_EQ(apres.sepurl, "-");
  EXPECT_EQ(apres.articles_trouves, "oui");
  EXPECT_EQ(apres.i_ref, "oui");
  EXPECT_EQ(apres.accueil_titre, "Chez Paul page d'accueil");
  EXPECT_EQ(apres.menu_titre, "menu");
  EXPECT_EQ(apres.titrethemes, "Nos th\xE8mes");
}

TEST_F(OptionsWindow, SaveRewritesTheFileAndTheOptions) {
  demarrer(
      "refmod=oui\r\n"
      "url_extF=.php\r\n"
      "\r\n"
      "sepurl=-\r\n"
      "recherche_fond=#FFFFFF\r\n"
      "titre_deroulant=Ancien\r\n");
  dlg().show();
  dlg().sepC.select(1);
  dlg().rechF.type("");
  dlg().themesE.type("");
  dlg().baspT.select(2);
  dlg().baspS.click();
  dlg().police.select(2);
  dlg().fondC.type("  ");
  dlg().largeurTE.type("600");
  dlg().BitBtn3.click();
  dlg().gras_lieeTC.click();
  dlg().couleur_lieeTE.type(" #102030 ");
  dlg().titre_deroulantE.type(" Nouveau ");
  dlg().articles.click();
  dlg().BitBtn1.click();
  EXPECT_FALSE(dlg().visible());
  // The whole file is the saver's (its own tests); here the lines the controls set.
  const platform::LineList l = platform::LineList::fromText(fichier());
  EXPECT_EQ(l[0], "refmod=oui");
  EXPECT_FALSE(l.hasName("url_extF"));
  EXPECT_FALSE(l.hasName("recherche_fond"));
  for (const char* ligne :
       {"sepurl=_", "menu_titresR=non", "theme_enpremier=non", "cartouche_souligne=non",
        "cartouche_taille=2", "police_defaut=Times", "gras_lieeT=non", "couleur_lieeT=#102030",
        "articles_trouves=oui", "largeur_tableau=", "titre_deroulant=Nouveau",
        "accueil_titre=Chez Paul page d'accueil"})
    EXPECT_NE(std::find(l.begin(), l.end(), ligne), l.end()) << ligne;
  EXPECT_EQ(options().sepurl, "_");
  EXPECT_EQ(options().police_defaut, "Times");
  EXPECT_EQ(options().titre_deroulant, "Nouveau");
  EXPECT_EQ(options().menu_titres, "");
  EXPECT_EQ(options().menu_titresR, "non");
  EXPECT_EQ(options().recherche_fond, "");

  // What was saved is what the next show presents.
  dlg().show();
  EXPECT_EQ(dlg().sepC.selected(), "_");
  EXPECT_EQ(dlg().baspT.selected(), "2");
  EXPECT_FALSE(dlg().baspS.checked());
  EXPECT_FALSE(dlg().gras_lieeTC.checked());
  EXPECT_EQ(dlg().couleur_lieeTE.text(), "#102030");
  EXPECT_TRUE(dlg().articles.checked());
}

TEST_F(OptionsWindow, TheEmptySizeEntryKeepsTheCategoryBarSettings) {
  demarrer("cartouche_souligne=oui\r\ncartouche_taille=4\r\n");
  dlg().show();
  dlg().baspT.select(0);
  dlg().baspS.click();
  dlg().BitBtn1.click();
  EXPECT_EQ(options().cartouche_taille, "4");
  EXPECT_EQ(options().cartouche_souligne, "oui");
  EXPECT_NE(fichier().find("cartouche_souligne=oui\r\ncartouche_taille=4\r\n"), std::string::npos);
}

TEST_F(OptionsWindow, SpacingsTakeTwoDigitsAtMost) {
  demarrer("espacePds=123\r\nesp_M=-3\r\nesp_G=1 0\r\nesp_P=2.5\r\n");
  dlg().show();
  // Stored values are shown and saved whole; what the user types is cut and kept to digits.
  dlg().BitBtn1.click();
  EXPECT_NE(fichier().find("espacePds=123\r\nesp_M=-3\r\nesp_G=1 0\r\nesp_P=2.5\r\n"),
            std::string::npos);
  dlg().show();
  dlg().espME.type("a5");
  dlg().espPE.type("123");
  dlg().espGE.type("px");
  dlg().BitBtn1.click();
  EXPECT_EQ(options().esp_M, "5");
  EXPECT_EQ(options().esp_P, "12");
  EXPECT_EQ(options().esp_G, "");
  EXPECT_EQ(options().espacePds, "123");
}

TEST_F(OptionsWindow, TheSideButtonsOpenTheirWindows) {
  demarrer(nullptr);
  dlg().show();
  dlg().BitBtn4.click();
  EXPECT_TRUE(t.p().fenetre("Tmetacat")->visible());
  dlg().show();
  dlg().optarticles.click();
  EXPECT_TRUE(t.p().fenetre("TarticlesT")->visible());
}

TEST_F(OptionsWindow, MissingTitlesAndColoursComeFromTheMainSettings) {
  demarrer("refmod=oui\r\ncouleur_liee=  \r\n");
  design::TstyleP& style = t.p().styleP();
  style.themesP.setText("Rayons");
  style.couleur_liens = "#0000FF";
  style.couleur_theme = "#FF0000";
  dlg().show();
  EXPECT_EQ(dlg().themesE.text(), "Rayons");
  EXPECT_EQ(dlg().couleur_lieeE.text(), "#0000FF");
  EXPECT_EQ(dlg().couleur_lieeTE.text(), "#FF0000");
  // The show already gives the program the colour it shows.
  EXPECT_EQ(options().couleur_liee, "#0000FF");
  dlg().BitBtn1.click();
  EXPECT_EQ(options().couleur_liee, "#0000FF");
  EXPECT_EQ(options().titrethemes, "Rayons");
  EXPECT_EQ(fichier().rfind("refmod=oui\r\nsepurl=-\r\n", 0), 0u);
}

TEST_F(OptionsWindow, BoxesFollowTheFileAtEveryShow) {
  demarrer("articles_trouves=oui\r\ni_ref=oui\r\n");
  dlg().show();
  ASSERT_TRUE(dlg().articles.checked());
  dlg().BitBtn2.click();
  t.dossier.write("tarvio.ini", "refmod=oui\r\nsepurl=_x\r\n");
  dlg().show();
  EXPECT_EQ(dlg().sepC.selected(), "_");  // the file's separator, not the one in use
  EXPECT_FALSE(dlg().articles.checked());
  EXPECT_FALSE(dlg().refC.checked());
}
