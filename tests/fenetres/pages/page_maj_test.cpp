// The card refresh: one card of a built page is written again between its markers, every other
// line stays as it was, and a page without the markers is left alone.

#include <gtest/gtest.h>

#include "atelier_cartes.h"
#include "fenetres/app/fiche.h"
#include "fenetres/pages/rafraichir_carte.h"
#include "modele/pages/page_maj.h"

namespace pages::test {

TEST(MarqueursCarte, LastPairInOrderOrNone) {
  using L = platform::LineList;
  const auto m = trouverMarqueurs(
      L{"<!--//DEBUT//A1*N//DEBUT//-->", "<!--//FIN//A1*N//FIN//-->",
        " <!--//DEBUT//A1*Y//DEBUT//-->", "<!--//FIN//A1*Y//FIN//--> "}, "A1");
  ASSERT_TRUE(m);
  EXPECT_EQ(std::vector({m->debut, m->fin}), std::vector<size_t>({2, 3}));
  EXPECT_TRUE(m->premiere && m->derniere);
  for (const L& page : {L{"<!--//DEBUT//A12*N//DEBUT//-->", "<!--//FIN//A1*N//FIN//-->"},
                        L{"<!--//FIN//A1*N//FIN//-->", "<!--//DEBUT//A1*N//DEBUT//-->"}})
    EXPECT_FALSE(trouverMarqueurs(page, "A1")) << page.text();
}

TEST(MajVignettePage, ReplacesOneCardAndKeepsTheRest) {
  AtelierCartes a("articles_trouves=oui\r\n");
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
  a.v().apercuArticles = true;  // left by an options preview
  a.p().page().majVignettePage();
  const std::string page = a.t.dossier.read("ftp/livres-romans-0.htm");
  const std::string carte = a.t.dossier.read("vignette.htm");
  EXPECT_EQ(page, avant + "<!--//DEBUT//T2*N//DEBUT//-->\r\n" + carte + apres);
  EXPECT_EQ(carte.find("xxxxx"), std::string::npos);  // no preview's pages in the footer

  // Without its markers the page is left as it was, and the user is told.
  a.p().main().referencer.setText("T9");
  a.fiche("T9", {"categorie=Livres", "reference=T9"});
  a.p().page().majVignettePage();
  EXPECT_EQ(a.t.dossier.read("ftp/livres-romans-0.htm"), page);
  EXPECT_EQ(a.t.dialogs.messages().back(), messageCarteAbsente("T9", "livres-romans-0.htm"));
}

}  // namespace pages::test
