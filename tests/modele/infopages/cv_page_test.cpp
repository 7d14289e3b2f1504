#include "modele/infopages/cv_page.h"

#include <gtest/gtest.h>

#include "modele/frame/table_accents.h"
#include "platform/text.h"
#include "support/temp_folder.h"

using infopages::EntreesPageConditions;
using testing_support::TempFolder;

namespace {

EntreesPageConditions entrees(std::vector<infopages::RubriqueConditions> rubriques) {
  EntreesPageConditions e;
  e.cvHTM = "non";
  e.cvente_titre_color = "#FFA500";
  e.cvente_texte_color = "#000000";
  e.rubriques = std::move(rubriques);
  e.police_defaut = "Verdana";
  return e;
}

// The converter as the program runs it: cv2.htm into cv.htm with entities, cv2.htm deleted.
std::function<void()> convertisseur(const TempFolder& dossier) {
  return [&dossier] {
    frame::TTableAccents table;
    table.remplir();
    dossier.write("cv.htm", frame::convertirTexte(dossier.read("cv2.htm"), table, false));
    std::filesystem::remove(dossier / "cv2.htm");
  };
}

}  // namespace

TEST(PageConditions, Sections_HeadingParagraphAnchorAndSkips) {
  TempFolder dossier;
  platform::DataFolder donnees(dossier.path());
  dossier.write("titre.vub", "Conditions\r\ng\xE9n\xE9rales\r\n");
  dossier.write("delai.vub", " DELAI : \r\na\r\n\r\nb\r\n");
  dossier.write("bulle.vub", "secret de bulle\r\n");
  dossier.write("mes-notes.vub", "NOTES\r\nlibre\r\n");
  EntreesPageConditions e = entrees({{"Titre", false}, {"Bulle", true}, {"D\xE9lai", true},
                                     {"Frais", false}, {"Mes notes", true}, {"Vide", true}});
  e.fixe_page = "oui";
  const platform::LineList page = infopages::lignesPageConditions(e, donnees);
  const platform::LineList attendu{
      "<HTML><HEAD>",
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">",
      "<TITLE>Conditions de vente</TITLE>",
      "<STYLE TYPE=\"text/css\">",
      "BODY {background: fixed;}",
      "</STYLE>",
      "</HEAD>",
      "<BODY>",
      "<center>",
      "<FONT color=\"#FFA500\" face=\"Verdana\" size=3><B>Conditions g\xE9n\xE9rales </B></FONT>",
      "</center>",
      "<br>",
      "<a name=\"delai\"></a>",
      "<UL><LI><FONT face=\"Verdana\" size=2 color=\"#000000\"><STRONG>DELAI :",
      "</STRONG></FONT></LI></UL>",
      "<OL>",
      "<P align=\"justify\"><FONT face=\"Verdana\" size=2 color=\"#000000\">a  b ",
      "</FONT></P></OL>",
      "<UL><LI><FONT face=\"Verdana\" size=2 color=\"#000000\"><STRONG>NOTES",
      "</STRONG></FONT></LI></UL>",
      "<OL>",
      "<P align=\"justify\"><FONT face=\"Verdana\" size=2 color=\"#000000\">libre ",
      "</FONT></P></OL>",
      "<UL><LI><FONT face=\"Verdana\" size=2 color=\"#000000\"><STRONG>",
      "</STRONG></FONT></LI></UL>",
      "<OL>",
      "<P align=\"justify\"><FONT face=\"Verdana\" size=2 color=\"#000000\">",
      "</FONT></P></OL>",
      "</BODY>",
      "</HTML>"};
  EXPECT_EQ(page.text(), attendu.text());

  // Délai unticked: no anchor; a colour and an image make the background.
  e.rubriques = {{"D\xE9lai", false}};
  e.fond_page = "#FFFFFF";
  e.image_page = "papier.jpg";
  e.fixe_page = "non";
  const std::string sans = infopages::lignesPageConditions(e, donnees).text();
  EXPECT_EQ(sans.find("delai"), std::string::npos);
  EXPECT_NE(sans.find("BODY {background: #FFFFFF url(papier.jpg) ;}"), std::string::npos);
}

TEST(PageConditions, Write_ConvertsPublishesOnlyThisRunOrCopiesTheShopsPage) {
  TempFolder dossier;
  platform::DataFolder donnees(dossier.path());
  dossier.write("titre.vub", "Conditions g\xE9n\xE9rales de vente\r\n");
  dossier.write("fonds/papier.jpg", "jpeg");
  EntreesPageConditions e = entrees({{"Titre", true}});
  e.image_page = "papier.jpg";
  infopages::ecrireConditions(e, donnees, convertisseur(dossier));
  const std::string page = dossier.read("ftp/cv.htm");
  EXPECT_NE(page.find("<B>Conditions g&eacute;n&eacute;rales de vente </B>"), std::string::npos);
  EXPECT_EQ(page, dossier.read("cv.htm"));
  EXPECT_FALSE(dossier.exists("cv2.htm"));
  EXPECT_TRUE(dossier.exists("ftp/papier.jpg"));

  // A converter that writes nothing: the old cv.htm is not published again.
  dossier.write("ftp/cv.htm", "ancienne");
  infopages::ecrireConditions(e, donnees, [] {});
  EXPECT_FALSE(dossier.exists("cv.htm"));
  EXPECT_EQ(dossier.read("ftp/cv.htm"), "ancienne");

  // The shop's own page: copied when it exists, nothing written when it does not.
  e.cvHTM = "oui";
  infopages::ecrireConditions(e, donnees, convertisseur(dossier));
  EXPECT_EQ(dossier.read("ftp/cv.htm"), "ancienne");
  dossier.write("import/cv.htm", "<HTML>la mienne</HTML>");
  infopages::ecrireConditions(e, donnees, convertisseur(dossier));
  EXPECT_EQ(dossier.read("ftp/cv.htm"), "<HTML>la mienne</HTML>");
}
