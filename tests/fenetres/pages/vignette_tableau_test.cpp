// The table card layout: the cards of one page make one table, the first opening it below the
// list header and the last closing it above the footer.

#include <gtest/gtest.h>

#include <ranges>

#include "atelier_cartes.h"

namespace pages::test {

namespace {

long compte(const std::string& texte, const std::string& motif) {
  return std::ranges::distance(std::views::split(texte, std::string_view(motif))) - 1;
}

class CarteTableau : public ::testing::Test {
 protected:
  CarteTableau() : a("articles_trouves=oui\r\nlargeur_tableau=500\r\n") {
    for (const char* r : {"T1", "T2", "T3"})
      a.fiche(r, {"categorie=Livres", std::string("reference=") + r, "description=Titre \"" + std::string(r) + "\"",
                  "prix=10", "mot_cle=Romans", "commentaires=Bien"});
    a.write("Livres_Romans.stl", {"style_fiche=tableau"});
    a.write("nkat.inc", {"Livres=3"});
    a.write("Livres.fic", {"livres-romans-0"});
  }
  // The cards of one page, in order.
  std::string page(const std::vector<std::string>& refs) {
    std::string texte;
    for (size_t i = 0; i < refs.size(); ++i) {
      a.v().indicateurCarteA = i == 0;
      a.v().indicateurCarteB = i + 1 == refs.size();
      a.v().pageCourante = "livres-romans-0.tmp";
      texte += a.carte(refs[i]);
    }
    return texte;
  }
  AtelierCartes a;
};

}  // namespace

TEST_F(CarteTableau, OnePageMakesOneTable) {
  a.demarrer();
  const std::string p = page({"T1", "T2", "T3"});
  EXPECT_EQ(compte(p, "<table border=0 cellspacing=0 cellpadding=0 width=\"500\">"), 1);
  EXPECT_EQ(compte(p, "<b>&nbsp;Description&nbsp;</b>"), 1);
  EXPECT_EQ(compte(p, "<FORM NAME=\"f"), 3);
  // The header comes before the table, the footer after its closing.
  const size_t table = p.find("<table border=0 cellspacing=0 cellpadding=0 width=\"500\">");
  const size_t fin = p.rfind("</table>\r\n<table border=0 width=\"100%\"><tr><td><IMG");
  EXPECT_LT(p.find("3 articles trouv"), table);
  EXPECT_NE(fin, std::string::npos);
  EXPECT_LT(p.rfind("<!-- marqueur liste rapide vignette bas tableau -->"), fin);
  // Each card sends its own title, quoted; a table card sends no variant label.
  EXPECT_NE(p.find("name=\"description\" value=\"Titre &quot;T2&quot;\""), std::string::npos);
}

TEST_F(CarteTableau, CardsOfTheirOwn) {
  a.fiche("R1", {"categorie=Livres", "reference=R1", "description=Lot", "prix=5",
                 "mot_cle=Romans", "commentaires=<AUTRE>", "commentaires=<LIGNE>R1a#Un#3"});
  a.fiche("C1", {"categorie=Livres", "reference=C1", "description=Choix", "prix=5",
                 "mot_cle=Romans", "titres=<CHOIX>", "titres=Rouge", "titres=Vert",
                 "disponible=non"});
  a.fiche("L1", {"categorie=Livres", "reference=L1", "description=Lien", "prix=5",
                 "mot_cle=Romans"});
  a.write("L1.typ", {"type_prix=texte", "texte_jc=Commander"});
  a.demarrer();
  const std::vector<std::vector<std::string>> cas = {
      {"R1", "<td align=\"center\">", "<FORM NAME=\"fR1R1\""},
      {"C1", "<OPTION value=\"Vert\">Vert</OPTION>", "name=\"quantite\"", "CHOIX"},
      {"L1", "<A HREF=\"JavaScript:document.fl1l1.submit()\">", "<input type=\"image\""},
  };
  for (const auto& c : cas) {  // reference, a text the card has, those it has not
    a.v().referenceStyle = c[0];
    const std::string p = page({c[0]});
    EXPECT_NE(p.find(c[1]), std::string::npos) << c[0];
    for (size_t i = 2; i < c.size(); ++i) EXPECT_EQ(p.find(c[i]), std::string::npos) << c[i];
    EXPECT_EQ(compte(p, "</table>"), compte(p, "<table")) << c[0];  // a page of one card closes
  }
}

}  // namespace pages::test
