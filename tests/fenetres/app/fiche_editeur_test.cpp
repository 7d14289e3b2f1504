// The sheet editor of the main window: what it shows, what it enables, the variant rows, the
// images, the texts of the supplement tab, the layout of the theme and the preview.

#include <gtest/gtest.h>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style.h"
#include "fenetres/design/style_principal.h"
#include "platform/gif.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;
using Lignes = std::vector<std::string>;

namespace {

class SheetEditor : public ::testing::Test {
 protected:
  SheetEditor() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\ndev1=EUR\r\ndev2=FF\r\n");
    t.dossier.write("categories", "Livres\r\n");
    t.dossier.write("Livres.cto", "Romans\r\n");
    dessiner("grandeimg.gif", 120, 80);
    dessiner("petiteimg.gif", 30, 20);
    t.dossier.write("mon imageimg.gif", "x");
    t.dossier.write("P1.ref", "categorie=Livres\r\nreference=P1\r\ndescription=Titre\r\nauteur=Hugo\r\n"
                              "prix=10\r\nmot_cle=Romans\r\nbouton_K7=oui\r\nK7_ref=P1K\r\n");
    t.demarrer();
    m().liste_fiches.update();
  }
  void dessiner(const char* nom, int largeur, int hauteur) {
    ASSERT_TRUE(platform::writeGif(t.dossier / nom,
                                   platform::quantize(platform::Bitmap(largeur, hauteur)), -1));
  }
  app::Tmain& m() { return t.p().main(); }
  void ouvrir(const char* fichier) { m().liste_fiches.clickItem(m().liste_fiches.indexOf(fichier)); }
  void choisirImage(const char* nom) { m().listejpg.setItemIndex(m().listejpg.indexOf(nom)); }
  ProgrammeDeTest t;
};

}  // namespace

TEST_F(SheetEditor, TheReferenceBoxDrivesTheSheetCommands) {
  std::vector<ui::Control*> commandes = {&m().formes, &m().voir_vignette, &m().effacer, &m().sauver,
                                         &m().b_promo, &m().transfert, &m().html, &m().menuconstruire,
                                         &m().menutransfert, &m().BitBtn1, &m().BitBtn8, &m().BitBtn10};
  for (auto* c : commandes) EXPECT_FALSE(c->enabled()) << c->name();
  m().referencer.type("P");
  for (auto* c : commandes) EXPECT_TRUE(c->enabled()) << c->name();
  EXPECT_TRUE(m().style_f.tabVisible());
  EXPECT_TRUE(m().p_accueil.tabVisible());
  EXPECT_EQ(m().stats.panelText(0), "Fiche Active");
  EXPECT_EQ(m().stats.panelText(1), "P");

  m().menus.setTabVisible(true);
  m().referencer.type("");
  for (auto* c : commandes) EXPECT_FALSE(c->enabled()) << c->name();
  for (ui::TabSheet* o : {&m().style_f, &m().menus, &m().p_accueil}) EXPECT_FALSE(o->tabVisible());
  EXPECT_EQ(m().stats.panelText(0), "Aucune Fiche Active");
  m().referencer.type("Q");
  EXPECT_FALSE(m().menus.tabVisible());  // typing never brings the menu tab back

  m().descriptionT.type("Robe");
  m().auteurT.type("Marque");
  EXPECT_EQ(m().stats.panelText(2), "Robe Marque");
}

TEST_F(SheetEditor, ShowingASheetFillsTheEditsRowsAndCurrency) {
  t.p().styleP().ecotaxe = "oui";
  ouvrir("P1.ref");
  EXPECT_EQ((Lignes{m().referencer.text(), m().descriptionT.text(), m().auteurT.text(),
                    m().deviseT.caption(), m().devisePrincipale, m().deviseSecondaire}),
            (Lignes{"P1", "Titre", "Hugo", "EUR", "EUR", "FF"}));
  EXPECT_TRUE(m().ecotaxeAE.visible());
  EXPECT_FALSE(m().poidsE.visible());
  // Row 2 is ticked: its reference kept, its empty price taken from the sheet's.
  EXPECT_TRUE(m().K7_check.checked());
  EXPECT_TRUE(m().K7_refT.enabled());
  EXPECT_EQ((Lignes{m().K7_refT.text(), m().K7_prixT.text(), m().fiche.K7_prix}),
            (Lignes{"P1K", "10", "10"}));
  EXPECT_FALSE(m().CD_refT.enabled());
  EXPECT_EQ(m().CD_refT.colour(), ui::clBtnFace);
  EXPECT_EQ(m().K7_refT.colour(), ui::clWindow);
}

TEST_F(SheetEditor, VariantRowsFillWhenTickedAndEmptyWhenUnticked) {
  m().referencer.type("R1");
  m().prixT.type("25");
  struct Ligne {
    ui::CheckBox& coche;
    ui::Edit &libelle, &ref, &prix;
    std::string& varRef;
  } lignes[] = {{m().CD_check, m().type1, m().CD_refT, m().CD_prixT, m().fiche.CD_ref},
                {m().K7_check, m().type2, m().K7_refT, m().K7_prixT, m().fiche.K7_ref},
                {m().VIDEO_check, m().type3, m().VIDEO_refT, m().VIDEO_prixT, m().fiche.VIDEO_ref}};
  for (auto& l : lignes) {
    auto ligne = [&] { return Lignes{l.ref.text(), l.varRef, l.prix.text(), l.libelle.text()}; };
    l.libelle.setText("Taille");
    l.coche.click();
    EXPECT_TRUE(l.ref.enabled()) << l.coche.name();
    EXPECT_EQ(ligne(), (Lignes{"R1", "R1", "25", "Taille"})) << l.coche.name();
    l.coche.click();
    EXPECT_EQ(ligne(), (Lignes{"", "", "", "Taille"})) << l.coche.name();
    EXPECT_FALSE(l.libelle.enabled()) << l.coche.name();
    // A row that holds a reference or price keeps it when ticked.
    l.ref.setText("Autre");
    l.prix.setText("3");
    l.coche.click();
    EXPECT_EQ((Lignes{l.ref.text(), l.prix.text()}), (Lignes{"Autre", "3"})) << l.coche.name();
  }
}

TEST_F(SheetEditor, FamilyLabelsFillOnlyEmptyVariantLabels) {
  auto& styleP = t.p().styleP();
  styleP.audio.setText("Musique");
  styleP.chanteur.setText("Interprète");
  for (ui::Edit* e : {&m().type1, &m().type2, &m().type3}) e->setText("");
  auto libelles = [&] {
    return Lignes{m().type1.text(), m().type2.text(), m().type3.text(), m().auteur_nom.caption()};
  };
  m().famille.clickItem(2);
  EXPECT_EQ(m().famille.items()[2], "Musique");
  EXPECT_EQ(m().famille.itemIndex(), 2);
  EXPECT_EQ(libelles(), (Lignes{"CD", "K7", "Vidéo", "Interprète :"}));
  EXPECT_EQ(m().libelleListe, "Interprète");
  m().type3.setText("");
  m().famille.clickItem(0);
  EXPECT_EQ(libelles(), (Lignes{"CD", "K7", "Modèle C", "Auteur :"}));
  m().type3.setText("");
  m().famille.clickItem(3);
  EXPECT_EQ(libelles(), (Lignes{"CD", "K7", "", "Interprète :"}));
}

TEST_F(SheetEditor, MainAndDetailImagesFromTheImageList) {
  ouvrir("P1.ref");
  // The main image, its size read from the picture.
  choisirImage("grandeimg.gif");
  m().applimage.clickItem(0);
  m().BitBtn3.click();
  EXPECT_EQ((Lignes{m().fiche.image, m().fiche.largeur, m().fiche.hauteur,
                    m().nom_image.caption()}),
            (Lignes{"grandeimg.gif", "120", "80", "grandeimg.gif [120 x 80]"}));
  EXPECT_TRUE(m().image_oui.checked());

  // Ticking "Détail" applies the file chosen in the list as the detail image.
  choisirImage("petiteimg.gif");
  m().detail.click();
  EXPECT_EQ(m().applimage.itemIndex(), 1);
  EXPECT_EQ((Lignes{m().fiche.image_detail, m().fiche.largeur_detail,
                    m().nom_image_detail.caption(), m().voir_detail.caption()}),
            (Lignes{"petiteimg.gif", "30", "petiteimg.gif [30 x 20]", "Détail petiteimg.gif"}));
  EXPECT_TRUE(m().voir_detail.enabled());
  EXPECT_EQ(m().fiche.image, "grandeimg.gif");

  // A detail file gone from the folder changes nothing.
  std::filesystem::copy_file(t.dossier / "grandeimg.gif", t.dossier / "perdueimg.gif");
  m().listejpg.update();
  std::filesystem::remove(t.dossier / "perdueimg.gif");
  choisirImage("perdueimg.gif");
  m().BitBtn3.click();
  EXPECT_EQ(m().fiche.image_detail, "petiteimg.gif");
  EXPECT_EQ(m().fiche.largeur_detail, "30");

  // A name with a blank is refused.
  m().listejpg.update();
  choisirImage("mon imageimg.gif");
  m().BitBtn3.click();
  EXPECT_EQ(t.dialogs.messages(),
            std::vector<std::string>{"Le nom de l'image comporte des caractères interdits ou des espaces"});
  EXPECT_EQ(m().fiche.image_detail, "petiteimg.gif");

  // No file chosen: the detail image is emptied.
  m().listejpg.setItemIndex(-1);
  m().BitBtn3.click();
  EXPECT_EQ(m().fiche.image_detail, "");
  EXPECT_EQ(m().fiche.largeur_detail, "");
  EXPECT_EQ(m().voir_detail.caption(), "Image Détail [aucune]");

  // Applying a main image drops the detail image.
  choisirImage("petiteimg.gif");
  m().BitBtn3.click();
  EXPECT_EQ(m().fiche.image_detail, "petiteimg.gif");
  m().applimage.clickItem(0);  // the choice itself applies the file as the main image
  EXPECT_EQ(m().fiche.image, "petiteimg.gif");
  EXPECT_FALSE(m().detail.checked());
  EXPECT_EQ(m().fiche.image_detail, "");
  EXPECT_FALSE(m().voir_detail.enabled());

  // The save stores the sizes of the pictures shown.
  m().detail.click();
  m().sauver.click();
  auto lignes = platform::LineList::load(t.dossier / "P1.ref");
  EXPECT_EQ(lignes.value("image"), "petiteimg.gif");
  EXPECT_EQ(lignes.value("largeur"), "30");
  EXPECT_EQ(lignes.value("image_detail"), "petiteimg.gif");
  EXPECT_EQ(lignes.value("hauteur_detail"), "20");
}

// A file of the list that is no picture is applied neither as the main nor as the detail image.
TEST_F(SheetEditor, AFileThatIsNoPictureIsNotApplied) {
  t.dossier.write("faux.jpg", "du texte\r\n");
  m().listejpg.update();
  ouvrir("P1.ref");
  for (int cible : {0, 1}) {
    m().listejpg.setItemIndex(-1);
    m().applimage.setItemIndex(cible);
    choisirImage("faux.jpg");
    t.dialogs.clear();
    m().BitBtn3.click();
    EXPECT_EQ(t.dialogs.messages(),
              Lignes{"Le fichier faux.jpg n'est pas une image lisible (JPEG ou GIF)"}) << cible;
    EXPECT_EQ((Lignes{m().fiche.image, m().fiche.largeur, m().fiche.image_detail}),
              (Lignes{"", "", ""})) << cible;
    EXPECT_TRUE(m().JPEGImage1.picture().empty()) << cible;
  }
}

TEST_F(SheetEditor, IntroductionAndTitleTexts) {
  m().presentation.click();
  m().presentations.type(std::string(6000, 'x'));
  EXPECT_EQ(m().presentations.text().size(), 5000u);
  m().presentations.type("Un texte");
  m().BitBtn6.click();
  EXPECT_TRUE(m().intro.checked());
  m().liste_titres.click();
  m().chants.type("1. Ouverture\r\n2. Final");
  m().BitBtn7.click();
  EXPECT_TRUE(m().titre_chants.checked());
  m().BitBtn5.click();
  EXPECT_TRUE(m().chants.lines().empty());
  EXPECT_FALSE(m().titre_chants.checked());
}

TEST_F(SheetEditor, DetailPageIsLookedForUnderTheTypedReference) {
  t.dossier.write("import/p2.htm", "<p>");
  t.dossier.write("P2.ref", "categorie=Livres\r\nreference=P2\r\nmot_cle=Romans\r\ndetailHTML=oui\r\n");
  m().liste_fiches.update();
  ouvrir("P1.ref");
  // A new sheet typed over P1: its own page exists, so the box stays ticked.
  m().referencer.type("P2");
  m().detailHTMLC.click();
  EXPECT_TRUE(m().detailHTMLC.checked());
  EXPECT_TRUE(t.dialogs.messages().empty());
  m().detailHTMLC.click();
  m().referencer.type("P1");
  m().detailHTMLC.click();
  EXPECT_FALSE(m().detailHTMLC.checked());
  EXPECT_EQ(t.dialogs.messages(),
            std::vector<std::string>{"Aucune page de détail à importer n'est présente dans le répertoire " +
                                     (t.dossier.path() / "import" / "p1.htm").string()});
  // While a sheet loads, its own reference counts, not the box's previous text.
  t.dialogs.clear();
  t.dialogs.queueAnswer(ui::Answer::No);
  ouvrir("P2.ref");
  EXPECT_TRUE(m().detailHTMLC.checked());
  EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{"Enregistrer la fiche en cours ?"});
}

TEST_F(SheetEditor, PreviewChecksThenSavesAndRefreshesTheStyle) {
  m().voir_vignette.setEnabled(true);
  m().voir_vignette.click();
  EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{"Aucune référence en cours"});
  t.dossier.write("A.ref", "reference=A\r\n");
  m().liste_fiches.update();
  m().rechargerPremiereFiche = true;
  ouvrir("P1.ref");
  EXPECT_FALSE(m().rechargerPremiereFiche);  // showing a sheet clears the reload request
  m().multiE.type("2.5");
  m().voir_vignette.click();
  EXPECT_EQ(t.dialogs.messages().back(), "Erreur dans multi");
  m().multiE.type("2");
  m().apercuArticles = true;
  m().voir_vignette.click();
  EXPECT_EQ(t.dialogs.messages().size(), 2u);
  EXPECT_FALSE(m().apercuArticles);
  EXPECT_EQ(platform::LineList::load(t.dossier / "P1.ref").value("qmulti"), "2");
  EXPECT_EQ(t.p().Form1().themeStyle, "Livres_Romans");
  EXPECT_EQ(t.p().Form1().nomCadre, "Livres_Romans");
  EXPECT_EQ(t.p().Form1().referenceStyle, "P1");
  EXPECT_TRUE(t.dossier.exists("livres-romans_hg.gif"));
  EXPECT_EQ(m().voir_vignette.cursor(), ui::Cursor::Default);
  EXPECT_EQ(m().liste_fiches.selected(), "P1.ref");  // the list is back on the sheet
}
