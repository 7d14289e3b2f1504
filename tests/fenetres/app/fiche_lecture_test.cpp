#include <gtest/gtest.h>

#include "fenetres/app/fenetre_tri_categories.h"
#include "fenetres/app/fenetre_tri_themes.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "platform/gif.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;

namespace {

class SheetReader : public ::testing::Test {
 protected:
  SheetReader() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\n");
    t.dossier.write("categories", "Livres\r\nDisques\r\n");
    t.dossier.write("Livres.cto", "Romans\r\nContes\r\n");
    t.dossier.write("Livres.fam", "famille=1\r\n");
    t.dossier.write("Livres_Romans.stl", "style_fiche=tableau\r\nref_page=12\r\n");
    dessiner("coverimg.gif", 40, 30);
    dessiner("zoomimg.gif", 200, 150);
    t.dossier.write("P1.ref",
                    "categorie=Livres\r\nreference=P1\r\ndescription=(w:1.5)Les Mis\xE9rables\r\n"
                    "auteur=Hugo\r\nprix=12,50\r\nqmulti= 3\r\nimage=coverimg.gif\r\n"
                    "puce_image=\r\nhauteur=1\r\nlargeur=1\r\nmot_cle=Romans\r\n"
                    "commentaires=un\r\ncommentaires=\r\ncommentaires=a=b\r\n"
                    "presentations=intro\r\nimage_detail=zoomimg.gif\r\ntitres=\r\n"
                    "bouton_CD=oui\r\nbouton_K7=non\r\nbouton_VIDEO=non\r\nCD_ref=P1P\r\nK7_ref=\r\n"
                    "VIDEO_ref=\r\nCD_prix= 9\r\nK7_prix=\r\nVIDEO_prix=\r\ntype1=(w:0.3)Poche\r\n"
                    "type2=\r\ntype3=\r\npecotaxe=0,10\r\npecotaxeA=\r\npecotaxeB=\r\npecotaxeC=\r\n"
                    "disponible=non\r\netat_visible=oui\r\ndetailHTML=non\r\nmes_tailles=oui\r\n");
    t.dossier.write("P1tailles.txt", "S\r\nM\r\n");
    t.dossier.write("P2.ref", "categorie=Disques\r\nreference=P2\r\nmot_cle=Rock\r\n");
    t.demarrer();
  }
  void dessiner(const char* nom, int largeur, int hauteur) {
    ASSERT_TRUE(platform::writeGif(t.dossier / nom,
                                   platform::quantize(platform::Bitmap(largeur, hauteur)), -1));
  }
  app::Tmain& m() { return t.p().main(); }
  void ouvrir(const char* fichier) {
    m().liste_fiches.update();
    m().liste_fiches.clickItem(m().liste_fiches.indexOf(fichier));
  }
  void taper(const std::string& reference, int touche = ui::key::Enter) {
    m().referencer.type(reference);
    m().referencer.pressKey(touche);
  }
  ProgrammeDeTest t;
};

}  // namespace

TEST_F(SheetReader, LoadsTheSheetIntoTheVariablesAndTheEditor) {
  t.dossier.write("listeHTM.tmp", "p1=livres-1.htm\r\n");
  t.dossier.write("tmp/P1.pcl", "ref=P2 nom=Autre\r\n");
  t.dossier.write("P1.dif", "");
  t.dossier.write("P1.pro", "prixpromo=9,90\r\n");
  t.dossier.write("promo.prx", (t.dossier / "P1.ref").string() + "\r\n");
  ouvrir("P1.ref");
  auto& f = m().fiche;
  EXPECT_EQ(f.reference, "P1");
  EXPECT_EQ(f.description, "(w:1.5)Les Misérables");
  EXPECT_EQ(f.prix, "12,50");
  EXPECT_EQ(f.CD_ref, "P1P");
  EXPECT_EQ(f.CD_prix, " 9");
  EXPECT_EQ(f.bouton_CD, "oui");
  EXPECT_EQ(f.pecotaxe, "0,10");
  EXPECT_EQ(f.image, "coverimg.gif");
  EXPECT_EQ(f.largeur, "40");  // from the picture, not from the file
  EXPECT_EQ(f.hauteur, "30");
  EXPECT_EQ(f.image_detail, "zoomimg.gif");
  EXPECT_EQ(f.largeur_detail, "200");
  EXPECT_EQ(m().nom_image.caption(), "coverimg.gif [40 x 30]");
  EXPECT_EQ(m().voir_detail.caption(), "Détail zoomimg.gif");
  EXPECT_TRUE(m().image_oui.checked());
  EXPECT_EQ(m().applimage.itemIndex(), 1);
  EXPECT_EQ(m().catego.text(), "Livres");
  EXPECT_EQ(m().categorieEnCours, "Livres");
  EXPECT_EQ(m().famille.itemIndex(), 1);
  EXPECT_EQ(m().themes.text(), "Romans");
  EXPECT_EQ(m().themes.items(), (std::vector<std::string>{"Romans", "Contes"}));
  EXPECT_EQ(m().multiE.text(), "3");
  EXPECT_EQ(m().poidsE.text(), "1.5");
  EXPECT_EQ(m().type1.text(), "(w:0.3)Poche");
  EXPECT_EQ(m().poidsAE.text(), "0.3");
  EXPECT_EQ(m().commentaires.lines(), (platform::LineList{"un", "a=b"}));
  EXPECT_EQ(m().presentations.lines(), (platform::LineList{"intro"}));
  EXPECT_TRUE(m().intro.checked());
  EXPECT_FALSE(m().titre_chants.checked());
  EXPECT_TRUE(m().indispo.checked());
  EXPECT_TRUE(m().etatB.checked());
  EXPECT_FALSE(m().detailHTMLC.checked());
  EXPECT_TRUE(m().mes_taillesC.checked());
  EXPECT_EQ(m().taillesM.lines(), (platform::LineList{"S", "M"}));
  EXPECT_TRUE(m().tableau.checked());
  EXPECT_EQ(m().maxi.position(), 12);
  EXPECT_EQ(m().produitsParPage, 12);
  EXPECT_EQ(m().style_fiche, "tableau");
  EXPECT_EQ(m().Lhtm.caption(), "livres-1.htm");
  EXPECT_EQ(m().pageFiche, "livres-1.htm");
  EXPECT_EQ(m().referenceLiens, "P1");
  EXPECT_TRUE(m().liensB.enabled());
  EXPECT_TRUE(m().liensB.font().bold);
  EXPECT_EQ(m().liensB.font().size, 10);
  EXPECT_EQ(m().prixdiffL.caption(), "Prix Diff.");
  EXPECT_EQ(m().prixpromoL.caption(), " [9,90]");
  EXPECT_TRUE(m().prixpromoL.visible());
  EXPECT_FALSE(m().deviseT.visible());
  EXPECT_TRUE(m().menus.tabVisible());
  EXPECT_EQ(m().recap.lines().size(), 37u);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&m().sauver, &m().html, &m().transfert,
                                                           &m().BitBtn1, &m().formes})
    EXPECT_TRUE(c->enabled()) << c->name();
}

TEST_F(SheetReader, ANewReferenceKeepsTitleAuthorAndPriceAndResetsTheRest) {
  ouvrir("P1.ref");
  taper("NOUVEAU");
  auto& f = m().fiche;
  EXPECT_EQ(f.description, "(w:1.5)Les Misérables");
  EXPECT_EQ(f.auteur, "Hugo");
  EXPECT_EQ(f.prix, "12,50");
  EXPECT_EQ(m().catego.text(), "Livres");
  EXPECT_EQ(f.image, "");  // shown ticked before, so dropped
  EXPECT_EQ(f.hauteur, "");
  EXPECT_TRUE(m().image_non.checked());
  EXPECT_EQ(f.CD_ref, "");
  EXPECT_EQ(f.CD_prix, "");
  EXPECT_EQ(f.bouton_CD, "non");
  EXPECT_EQ(f.pecotaxe, "");
  EXPECT_TRUE(m().commentaires.lines().empty());
  EXPECT_TRUE(m().presentations.lines().empty());
  EXPECT_EQ(m().type1.text(), "");
  EXPECT_EQ(m().poidsE.text(), "");
  EXPECT_FALSE(m().indispo.checked());
  EXPECT_FALSE(m().etatB.checked());
  // The size list of the sheet shown before does not pass to the new one.
  EXPECT_FALSE(m().mes_taillesC.checked());
  EXPECT_TRUE(m().taillesM.lines().empty());
  EXPECT_EQ(m().pageFiche, "");
  EXPECT_EQ(m().cheminFiche, t.dossier / "NOUVEAU.ref");
}

TEST_F(SheetReader, ReferenceBoxLoadsOnEnterOrDownOnlyAndStaysInTheDataFolder) {
  struct Cas {
    const char* texte;
    int touche;
    bool charge;
  } cas[] = {
      {" P2 ", ui::key::Enter, true},  // blanks around are not part of the reference
      {"P2", ui::key::Down, true},
      {"P2", ui::key::Tab, false},
      {"P*", ui::key::Enter, false},
      {"../P2", ui::key::Enter, false},
      {"sous/P2", ui::key::Enter, false},
      {"sous\\P2", ui::key::Enter, false},
  };
  for (const auto& c : cas) {
    m().cheminFiche.clear();
    m().fiche.reference = "avant";
    m().Lhtm.setCaption("page.htm");
    taper(c.texte, c.touche);
    EXPECT_EQ(m().Lhtm.caption(), "") << c.texte;
    EXPECT_EQ(m().fiche.reference, c.charge ? "P2" : "avant") << c.texte;
    EXPECT_EQ(m().cheminFiche.empty(), !c.charge) << c.texte;
  }
}

TEST_F(SheetReader, ThemeLayoutDefaultsAndBadSideFileValuesDoNotStopTheLoad) {
  struct Cas {
    const char* stl;  // nullptr: no file
    const char* fam;
    bool tableau;
    int parPage;
    int famille;
  } cas[] = {
      // A family that cannot be read is told and none is shown: neither the one shown before
      // nor its variant labels pass for this category's.
      {nullptr, "famille=2\r\n", false, 2, 2},
      {"ref_page=abc\r\n", "famille=deux\r\n", false, 2, -1},
      {"ref_page=300\r\n", "famille=9\r\n", false, 99, -1},
      {"style_fiche=standard\r\nref_page=5\r\n", "", false, 5, -1},
  };
  for (const auto& c : cas) {
    std::filesystem::remove(t.dossier / "Disques_Rock.stl");
    if (c.stl) t.dossier.write("Disques_Rock.stl", c.stl);
    t.dossier.write("Disques.fam", c.fam);
    m().famille.setItemIndex(0);
    m().standard.setChecked(true);
    m().maxi.setPosition(50);
    m().ficheModifiee = false;  // the states above stand for a sheet shown before, not for edits
    ouvrir("P2.ref");
    EXPECT_EQ(m().tableau.checked(), c.tableau) << c.fam;
    EXPECT_EQ(m().maxi.position(), c.parPage) << c.fam;
    EXPECT_EQ(m().produitsParPage, c.parPage) << c.fam;
    EXPECT_EQ(m().famille.itemIndex(), c.famille) << c.fam;
    EXPECT_EQ(m().themes.text(), "Rock") << c.fam;  // the lines after the side files are read
    EXPECT_EQ(t.dialogs.messages(),
              c.famille < 0 ? std::vector<std::string>{"Le fichier Disques.fam est endommagé : la "
                                                       "famille de la catégorie Disques n'a pas pu être lue."}
                            : std::vector<std::string>{})
        << c.fam;
    t.dialogs.clear();
  }
}

TEST_F(SheetReader, ADamagedFamilyFileIsLeftAsItIsBySaveAndActivation) {
  const std::string abime = "\x01\xFF" "fami\x02lle\r\n";
  t.dossier.write("Disques.fam", abime);
  t.dossier.write("Disques.cto", "Rock\r\n");
  t.dossier.write("P9.ref", "categorie=Disques\r\nreference=P9\r\ndescription=Titre\r\n"
                            "prix=10\r\nmot_cle=Rock\r\n");
  ouvrir("P9.ref");
  t.dialogs.clear();
  m().activate();
  EXPECT_EQ(m().famille.itemIndex(), -1);
  for (ui::Edit* libelle : {&m().type1, &m().type2, &m().type3}) EXPECT_EQ(libelle->text(), "");
  m().descriptionT.type("Autre titre");
  m().sauver.click();
  EXPECT_EQ(t.dossier.read("Disques.fam"), abime);
  EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{});
  EXPECT_EQ(platform::LineList::fromText(t.dossier.read("P9.ref")).value("description"), "Autre titre");
  EXPECT_EQ(platform::LineList::fromText(t.dossier.read("P9.ref")).value("type1"), "");
  // A family the user picks is his: it is written.
  m().famille.clickItem(2);
  m().sauver.click();
  EXPECT_EQ(t.dossier.read("Disques.fam"), "famille=2\r\n");
}

TEST_F(SheetReader, SheetWhosePictureIsMissingKeepsItsNameWithoutSizes) {
  t.dossier.write("P3.ref", "reference=P3\r\nimage=absente.jpg\r\nmes_tailles=oui\r\nfamille=1\r\n");
  ouvrir("P3.ref");
  EXPECT_EQ(m().fiche.image, "absente.jpg");
  EXPECT_EQ(m().fiche.hauteur, "");
  EXPECT_TRUE(m().image_non.checked());
  EXPECT_FALSE(m().image_bouton.enabled());
  EXPECT_FALSE(m().mes_taillesC.checked());  // the sizes line counts only as the file's last line
  EXPECT_FALSE(m().prixdiffL.visible());
}

TEST_F(SheetReader, NoImageButtonEmptiesTheImageAndImageButtonOpensTheImageTab) {
  ouvrir("P1.ref");
  m().image_non.click();
  EXPECT_EQ(m().fiche.image, "");
  EXPECT_EQ(m().fiche.largeur, "");
  EXPECT_EQ(m().nom_image.caption(), "");
  EXPECT_TRUE(m().JPEGImage1.picture().empty());
  EXPECT_FALSE(m().image_bouton.enabled());
  m().image_bouton.setEnabled(true);
  m().image_bouton.click();
  EXPECT_EQ(m().applimage.itemIndex(), 0);
  EXPECT_EQ(m().PageControl1.activePage(), &m().imagedetail);
}

TEST_F(SheetReader, CategoryListsKeepTheTextAndThemesFollowTheCategory) {
  EXPECT_EQ(m().catego.items(), (std::vector<std::string>{"Livres", "Disques"}));
  m().catego.setText("Tapé");
  m().chargerCategories();
  EXPECT_EQ(m().catego.text(), "Tapé");
  EXPECT_EQ(m().catego.count(), 2);

  m().catego.select(0);
  EXPECT_EQ(m().themes.text(), "Romans");
  EXPECT_TRUE(m().theme_tri.enabled());
  m().catego.type("Disques");  // no .cto: empty list, buttons off
  EXPECT_EQ(m().themes.count(), 0);
  EXPECT_EQ(m().themes.text(), "");
  EXPECT_FALSE(m().theme_suppr.enabled());
  EXPECT_EQ(m().categorieEnCours, "Disques");
  m().catego.select(0);
  m().catego.type("CON");  // a reserved name leaves the lists as they were
  EXPECT_EQ(m().themes.items(), (std::vector<std::string>{"Romans", "Contes"}));
  EXPECT_EQ(m().categorieEnCours, "Livres");
}

TEST_F(SheetReader, AddingACategoryTellsTheOutcomeAndReloadsTheList) {
  struct Cas {
    const char* nom;
    bool ajoutee;
    const char* message;
  } cas[] = {
      {"Jeux", true, "La catégorie Jeux a été ajoutée"},
      {"", false, "Catégorie vide !"},
      {"a/b", false, "La catégorie comporte des caractères non acceptés"},
  };
  for (const auto& c : cas) {
    m().nouvelleCategorie = c.nom;
    EXPECT_EQ(m().ajouterCategorie(), c.ajoutee) << c.nom;
    ASSERT_FALSE(t.dialogs.messages().empty());
    EXPECT_EQ(t.dialogs.messages().back(), c.message) << c.nom;
  }
  EXPECT_EQ(m().catego.items(), (std::vector<std::string>{"Livres", "Disques", "Jeux"}));
  EXPECT_EQ(t.dossier.read("categories"), "Livres\r\nDisques\r\nJeux\r\n");
}

TEST_F(SheetReader, SortButtonsFillTheSortListsOrSayThereIsNothingToSort) {
  auto& triCat = t.p().tri_cat();
  auto& triThemes = t.p().tri_thems();
  ouvrir("P1.ref");
  m().PageControl1.setActivePage(m().imagedetail);
  m().BitBtn8.click();
  EXPECT_EQ(m().PageControl1.activePage(), &m().fiche_produit);
  EXPECT_EQ(triCat.tri_catego.items(), (std::vector<std::string>{"Livres", "Disques"}));
  EXPECT_TRUE(triCat.visible());

  // The caption names the category as it stood before the themes are read again.
  t.dossier.write("Disques.cto", "Rock\r\n\r\nJazz\r\n");
  m().catego.setText("Disques");
  m().theme_tri.click();
  EXPECT_EQ(triThemes.nom_cat.caption(), "Catégorie : Livres");
  EXPECT_EQ(triThemes.tri_themes.items(), (std::vector<std::string>{"Rock", "", "Jazz"}));
  EXPECT_EQ(m().categorieEnCours, "Disques");
  EXPECT_EQ(triThemes.tri_themes.itemIndex(), 0);
  EXPECT_TRUE(triThemes.visible());
  EXPECT_TRUE(t.dialogs.messages().empty());

  triCat.hide();
  triThemes.hide();
  t.dossier.write("Livres.cto", "");
  m().catego.setText("Livres");
  m().theme_suppr.click();
  EXPECT_TRUE(triThemes.tri_themes.items().empty());
  t.dossier.write("categories", "");
  m().BitBtn10.click();
  EXPECT_EQ(t.dialogs.messages(), (std::vector<std::string>{"Aucun thème", "Aucune catégorie"}));
  EXPECT_FALSE(triCat.visible());
  EXPECT_FALSE(triThemes.visible());
}

TEST_F(SheetReader, ADamagedSheetStartsFromEmptyFieldsAndIsTold) {
  const std::string dit = "La fiche ABIME est illisible : aucune ligne n'a pu être lue.";
  struct Cas {
    const char* quoi;
    std::string octets;
    bool signale;
    const char* prix;
  } cas[] = {
      {"binary bytes", std::string("\x89PNG\r\n\x1a\n\0\0=\x01\xff\r\n", 15), true, ""},
      {"no equal sign", "categorie Livres\r\nprix 10\r\n", true, ""},
      {"empty file", "", true, ""},
      {"unknown keys only", "Categorie=Livres\r\nfamille=1\r\n", true, ""},
      {"a price alone", "prix=5\r\n", false, "5"},
  };
  for (const auto& c : cas) {
    t.dossier.write("ABIME.ref", c.octets);
    ouvrir("P1.ref");
    t.dialogs.clear();
    ouvrir("ABIME.ref");
    const std::vector<std::string> attendus =
        c.signale ? std::vector<std::string>{dit} : std::vector<std::string>{};
    EXPECT_EQ(t.dialogs.messages(), attendus) << c.quoi;
    // Nothing of P1 stays to be saved into the damaged sheet.
    EXPECT_EQ(m().prixT.text(), c.prix) << c.quoi;
    EXPECT_EQ(m().referencer.text(), "") << c.quoi;
    EXPECT_EQ(m().descriptionT.text(), "") << c.quoi;
    EXPECT_EQ(m().auteurT.text(), "") << c.quoi;
    EXPECT_EQ(m().catego.text(), "") << c.quoi;
    EXPECT_EQ(m().categorieEnCours, "") << c.quoi;
    EXPECT_EQ(m().themes.text(), "") << c.quoi;
    EXPECT_FALSE(m().sauver.enabled()) << c.quoi;
  }
}

// The promotional price beside the sheet's is shown the French way, whichever way it is stored.
TEST_F(SheetReader, ThePromotionalPriceIsShownWithADecimalComma) {
  t.dossier.write("promo.prx", (t.dossier / "P1.ref").string() + "\r\n");
  for (auto [stocke, montre] : {std::pair{"7.92", " [7,92]"}, {"9,90", " [9,90]"},
                                {"1234.5", " [1 234,50]"}}) {
    t.dossier.write("P1.pro", std::string("prixpromo=") + stocke + "\r\n");
    ouvrir("P2.ref");
    ouvrir("P1.ref");
    EXPECT_EQ(m().prixpromoL.caption(), montre) << stocke;
  }
}
