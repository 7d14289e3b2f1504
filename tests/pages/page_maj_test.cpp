// The card refresh: one card of a built page is written again between its markers, every other
// line stays as it was, and a page without the markers is left alone.

#include <gtest/gtest.h>

#include "app/fiche.h"
#include "atelier_cartes.h"
#include "pages/page1.h"
#include "pages/page_maj.h"

namespace pages::test {

TEST(MarqueursCarte, LastWholeTrimmedLinesInOrder) {
  using L = platform::LineList;
  struct Cas {
    L page;
    bool trouve;
    size_t debut, fin;
    bool premiere, derniere;
  } cas[] = {
      {L{"<!--//DEBUT//A1*Y//DEBUT//-->", "x", " <!--//FIN//A1*N//FIN//--> "}, true, 0, 2, true,
       false},
      {L{"<!--//DEBUT//A1*N//DEBUT//-->", "<!--//FIN//A1*N//FIN//-->",
         "<!--//DEBUT//A1*N//DEBUT//-->", "<!--//FIN//A1*Y//FIN//-->"},
       true, 2, 3, false, true},
      {L{"<!--//DEBUT//A12*N//DEBUT//-->", "<!--//FIN//A1*N//FIN//-->"}, false, 0, 0, false, false},
      {L{"<!--//FIN//A1*N//FIN//-->", "<!--//DEBUT//A1*N//DEBUT//-->"}, false, 0, 0, false, false},
  };
  for (const Cas& c : cas) {
    const auto m = trouverMarqueurs(c.page, "A1");
    ASSERT_EQ(m.has_value(), c.trouve) << c.page.text();
    if (!m) continue;
    EXPECT_EQ(m->debut, c.debut);
    EXPECT_EQ(m->fin, c.fin);
    EXPECT_EQ(m->premiere, c.premiere);
    EXPECT_EQ(m->derniere, c.derniere);
  }
}

TEST(MajVignettePage, ReplacesOneCardAndKeepsTheRest) {
  AtelierCartes a;
  a.fiche("T2", {"categorie=Livres", "reference=T2", "description=Nouveau titre", "prix=12",
                 "mot_cle=Romans"});
  const std::string avant =
      "<HTML>\r\n<!--//DEBUT//T1*Y//DEBUT//-->\r\nune\r\n<!--//FIN//T1*N//FIN//-->\r\n";
  const std::string apres = "<!--//FIN//T2*Y//FIN//-->\r\n</HTML>\r\n";
  a.t.dossier.write("ftp/livres-romans-0.htm",
                    avant + "<!--//DEBUT//T2*N//DEBUT//-->\r\nancienne\r\ncarte\r\n" + apres);
  a.demarrer();
  a.p().main().referencer.setText("T2");
  a.p().main().pageFiche = "livres-romans-0.htm";
  a.p().page().majVignettePage();
  const std::string page = a.t.dossier.read("ftp/livres-romans-0.htm");
  const std::string carte = a.t.dossier.read("vignette.htm");
  EXPECT_EQ(page, avant + "<!--//DEBUT//T2*N//DEBUT//-->\r\n" + carte + apres);
  EXPECT_NE(carte.find("Nouveau titre"), std::string::npos);
  // The last card of the page: its footer flag came from the marker.
  EXPECT_TRUE(a.v().indicateurCarteB);

  // Without its markers the page is left as it was, and the user is told.
  a.p().main().referencer.setText("T9");
  a.fiche("T9", {"categorie=Livres", "reference=T9"});
  a.p().page().majVignettePage();
  EXPECT_EQ(a.t.dossier.read("ftp/livres-romans-0.htm"), page);
  EXPECT_EQ(a.t.dialogs.messages().back(), messageCarteAbsente("T9", "livres-romans-0.htm"));
}

}  // namespace pages::test
