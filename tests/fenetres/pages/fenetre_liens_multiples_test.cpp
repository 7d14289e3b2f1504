// The linked-products window and the pop-up pages of the linked products.

#include "fenetres/pages/fenetre_liens_multiples.h"

#include <gtest/gtest.h>

#include "atelier_cartes.h"
#include "fenetres/app/fiche.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/pages/etiq.h"

namespace pages::test {

class LiensMultiples : public ::testing::Test {
 protected:
  LiensMultiples() {
    a.fiche("A12", {"reference=A12", "description=Vase", "prix=10"});
    a.fiche("B7", {"reference=B7", "description=Album", "prix=20"});
    a.fiche("C3", {"reference=C3", "description=Coupe"});
    a.fiche("D4", {"reference=D4", "description=bol"});
    // Written after the sheets, as a save does: an index older than a sheet is rebuilt at start.
    a.write("ref.gen",
            {"A12#Livres#Ceramique#Vase#Dupont#v.jpg", "B7#Disques#Jazz#(w:0.5) Album#Trio#",
             "C3#Livres#Ceramique#Coupe#X#", "D4#Livres#Ceramique#bol#X#"});
    a.write("tmp/A12.pcl", {"ref=B7 nom=Album"});
    a.demarrer();
    a.p().main().referenceLiens = "A12";
    a.p().main().descriptionT.setText("Vase");
  }
  Tliensm& w() { return a.p().liensm(); }
  AtelierCartes a;
};

TEST_F(LiensMultiples, ShowsTheLinkedListAndTheOthersSortedWithoutTheSheetItself) {
  w().show();
  EXPECT_EQ(w().refLabel.caption(), "A12 Vase");
  EXPECT_EQ(w().Lref.items(), (std::vector<std::string>{"Album [B7] ref=B7 nom=Album"}));
  EXPECT_EQ(w().refL.items(),
            (std::vector<std::string>{"bol [D4] ref=D4 nom=bol", "Coupe [C3] ref=C3 nom=Coupe"}));
  EXPECT_EQ(w().triB.caption(), "Tri par références");

  w().triB.click();
  EXPECT_EQ(w().refL.items(),
            (std::vector<std::string>{"C3 [Coupe] ref=C3 nom=Coupe", "D4 [bol] ref=D4 nom=bol"}));
  EXPECT_EQ(w().triB.caption(), "Tri par titres");
  EXPECT_EQ(w().Lref.items().size(), 1u);
  w().triB.click();
  EXPECT_EQ(w().refL.items()[0], "bol [D4] ref=D4 nom=bol");
}

TEST_F(LiensMultiples, AddRemoveAndAlphabeticalOrder) {
  w().show();
  w().BitBtn1.click();  // nothing selected: nothing moves
  EXPECT_EQ(w().Lref.items().size(), 1u);
  w().refL.clickItem(1);
  w().refL.doubleClick();
  w().refL.setItemIndex(0);
  w().BitBtn1.click();
  EXPECT_EQ(w().Lref.items(),
            (std::vector<std::string>{"Album [B7] ref=B7 nom=Album", "Coupe [C3] ref=C3 nom=Coupe",
                                      "bol [D4] ref=D4 nom=bol"}));
  EXPECT_TRUE(w().refL.items().empty());
  w().BitBtn4.click();
  EXPECT_EQ(w().Lref.items()[0], "Album [B7] ref=B7 nom=Album");
  EXPECT_EQ(w().Lref.items()[1], "bol [D4] ref=D4 nom=bol");
  w().Lref.setItemIndex(0);
  w().BitBtn2.click();
  EXPECT_EQ(w().refL.items(), (std::vector<std::string>{"Album [B7] ref=B7 nom=Album"}));
}

TEST_F(LiensMultiples, SavingWritesTheListAndThePopUpPages) {
  std::filesystem::remove(a.t.dossier / "C3.ref");  // since the start: its line stays meanwhile
  a.p().styleP().fond_page = "#EEEEEE";
  w().show();
  w().refL.setItemIndex(1);  // Coupe
  w().BitBtn1.click();
  w().enrB.click();
  EXPECT_EQ(a.t.dossier.read("tmp/A12.pcl"), "ref=B7 nom=Album\r\nref=C3 nom=Coupe\r\n");
  EXPECT_EQ(a.t.dialogs.messages().back(), "Mise à jour des références liées effectuée");
  EXPECT_FALSE(w().visible());
  EXPECT_FALSE(a.p().etiq1().visible());

  // B7 has a sheet: its pop-up holds its card; C3 has none: no page.
  const std::string page = a.t.dossier.read("ftp/B7_pc.html");
  EXPECT_EQ(page, a.t.dossier.read("tmp/B7_pc.html"));
  EXPECT_TRUE(
      page.starts_with("<HTML>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\r\n"
                       "<BODY STYLE=\"background: #EEEEEE ;\"><center><!-- marqueur liste "
                       "rapide vignette haut standard -->\r\n"));
  EXPECT_TRUE(
      page.ends_with("BORDER=0><BR>\r\n<br><a href=\"JavaScript:window.close()\"><font "
                     "face=\"Verdana\" size=2><b>Fermer</b></font></a>\r\n"
                     "</center></body></html>\r\n"));
  EXPECT_FALSE(a.t.dossier.exists("ftp/C3_pc.html"));
  EXPECT_FALSE(a.p().vignette1().carteFenetre);

  // Emptied and saved again: the list goes.
  w().show();
  w().Lref.setItemIndex(0);
  w().BitBtn2.click();
  w().Lref.setItemIndex(0);
  w().BitBtn2.click();
  w().enrB.click();
  EXPECT_FALSE(a.t.dossier.exists("tmp/A12.pcl"));
}

TEST_F(LiensMultiples, PopUpBackgroundImageCloseLabelAndStyle) {
  a.fiche("B7", {"reference=B7", "description=Album", "categorie=Disques", "mot_cle=Jazz"});
  a.write("Disques_Jazz.typ", {"coul_titre=#123456"});
  a.p().styleP().image_page = "bois.jpg";
  a.p().styleP().fixe_page = "oui";
  a.p().styleP().detailsP.setText("More");
  a.p().liensm().fairehtml();
  const std::string page = a.t.dossier.read("ftp/B7_pc.html");
  EXPECT_NE(page.find("\r\n<BODY STYLE=\"background: url(bois.jpg) fixed;\"><center>"),
            std::string::npos);
  EXPECT_NE(page.find("<b>Close</b>"), std::string::npos);
  EXPECT_NE(page.find("color=\"#123456\""), std::string::npos);
}

}  // namespace pages::test
