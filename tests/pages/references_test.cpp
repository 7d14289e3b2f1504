// The reference pages after a build: ref.html, one PHP product page per card, and what php-cli
// prints when it runs those pages against the list pages they read.

#include "pages/pages_references.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "app/fiche.h"
#include "platform/text.h"
#include "support/programme_test.h"

namespace {

using Lignes = std::vector<std::string>;

// What php-cli prints for a page of ftp/, warnings and notices included.
std::string php(const std::filesystem::path& page) {
  const std::string commande =
      "php -d error_reporting=-1 -d display_errors=1 '" + page.string() + "' 2>&1";
  std::string sortie;
  if (FILE* f = popen(commande.c_str(), "r")) {
    char tampon[4096];
    for (size_t n; (n = fread(tampon, 1, sizeof tampon, f)) > 0;) sortie.append(tampon, n);
    pclose(f);
  }
  return sortie;
}

std::string joindre(const Lignes& lignes, const char* fin) {
  std::string s;
  for (const auto& l : lignes) s += l + fin;
  return s;
}

// A built shop with ref.ini: Livres/Romans holds A1, A12 and A2 on one page, Disques/Jazz six
// more sheets.
class References : public ::testing::Test {
 protected:
  References() {
    for (const char* f : {"menu.opt", "accueil.opt", "cv.opt"}) ecrire(f, {"x=1"});
    ecrire("ident.opt", {"nomE=Boutique"});
    ecrire("categories", {"Livres", "Disques"});
    ecrire("Livres.cto", {"Romans"});
    ecrire("Disques.cto", {"Jazz"});
    ecrire("Livres_Romans.stl", {"style_fiche=standard", "ref_page=3"});
    ecrire("ref.ini", {"</BODY></HTML>"});
    fiche("A1", "Livres", "Romans", "Le Rouge", "");
    fiche("A12", "Livres", "Romans", "(w:150) Vase bleu", "Dupont");
    fiche("A2", "Livres", "Romans", "Nana", "Zola",
          {"commentaires=<b>Un \"grand\"</b> roman", "commentaires=  de Zola "});
    for (char n = '1'; n <= '6'; ++n) fiche(std::string("B") + n, "Disques", "Jazz", "Disque", "");
    t.demarrer();
    t.p().main().titreE.setText("Ma boutique");
  }

  void ecrire(const std::string& nom, const Lignes& lignes) {
    t.dossier.write(nom, joindre(lignes, "\r\n"));
  }
  void fiche(const std::string& ref, const std::string& categorie, const std::string& theme,
             const std::string& titre, const std::string& auteur, const Lignes& plus = {}) {
    Lignes l{"categorie=" + categorie, "reference=" + ref,  "description=" + titre,
             "auteur=" + auteur,       "prix=10",           "mot_cle=" + theme};
    l.insert(l.end(), plus.begin(), plus.end());
    ecrire(ref + ".ref", l);
  }
  void construire() {
    t.p().main().html.setEnabled(true);
    t.p().main().html.click();
  }
  Lignes lignes(const std::string& nom) {
    return platform::LineList::fromText(t.dossier.read(nom)).lines();
  }

  testing_support::ProgrammeDeTest t;
};

TEST_F(References, IndexInRowsOfFourAndOneProductPagePerCard) {
  construire();
  ASSERT_TRUE(t.dialogs.messages().empty()) << t.dialogs.messages()[0];
  const Lignes index = lignes("ftp/ref.html");
  auto cellule = [](const std::string& ref, const std::string& titre) {
    return "<td nowrap><a href=\"_" + ref + ".php\"><font face=\"verdana, arial\" size=2>" +
           titre + "</font></a>";
  };
  Lignes attendu{"<HTML><HEAD><TITLE>Ma boutique</TITLE></HEAD>", "<BODY>", "<center>",
                 "<table border=0>", "<tr>", cellule("A1", "Le Rouge"),
                 cellule("A12", "(w:150) Vase bleu"), cellule("A2", "Nana"),
                 cellule("B1", "Disque"), "</tr>", "<tr>"};
  for (char n = '2'; n <= '5'; ++n) attendu.push_back(cellule(std::string("B") + n, "Disque"));
  attendu.insert(attendu.end(), {"</tr>", "<tr>", cellule("B6", "Disque"),
                                 "</table></center></body></html>"});
  EXPECT_EQ(index, attendu);
  EXPECT_EQ(t.p().main().Gauge.maxValue(), 8);

  const Lignes a12 = lignes("ftp/_A12.php");
  EXPECT_EQ(Lignes(a12.begin() + 1, a12.begin() + 4),
            (Lignes{"<HTML><HEAD>", "<TITLE>Vase bleu Dupont Livres Romans</TITLE>", "</HEAD>"}));
  EXPECT_EQ(a12.back(), "</BODY></HTML>");
  // The comments' text only, escaped for the attribute.
  EXPECT_EQ(lignes("ftp/_A2.php")[3],
            "<meta name=\"description\" content=\"Un &quot;grand&quot; roman de Zola\">");
}

// The first, a middle and the last card of a page: php prints the list page up to its card area
// (lines trimmed, empty ones left out, head lines emptied), opens a row, and prints that card
// only, as it stands between its markers on the list page (A1 is not A12).
TEST_F(References, PhpPrintsThePageHeadAndThatCardOnly) {
  construire();
  const Lignes page = lignes("ftp/livres-romans-0.htm");
  for (const std::string ref : {"A1", "A12", "A2"}) {
    std::string tete, carte;
    bool dansCarte = false, zone = false;
    for (const auto& brute : page) {
      const std::string l = platform::trim(brute);
      if (platform::startsWith(l, "<!--//FIN//")) dansCarte = false;
      if (!l.empty() && dansCarte) carte += l + "\n";
      if (platform::contains(l, "marqueur liste rapide vignette bas")) dansCarte = false;
      if (platform::startsWith(l, "<!--//DEBUT//" + ref + "*")) dansCarte = true;
      if (zone || l.empty()) continue;
      const std::string u = platform::upperAscii(l);
      const bool vide = platform::contains(u, "<TITLE>") || platform::contains(u, "<HEAD>") ||
                        platform::contains(u, "<HTML>") || platform::contains(u, "<META");
      tete += (vide ? "" : l) + "\n";
      zone = platform::startsWith(l, "<!-- marqueur liste rapide haut");
    }
    ASSERT_NE(carte.find("vignette haut standard"), std::string::npos) << ref;
    const Lignes produit = lignes("ftp/_" + ref + ".php");
    const auto finTete = std::find(produit.begin(), produit.end(), "</HEAD>") + 1;
    const std::string attendu = joindre(Lignes(produit.begin() + 1, finTete), "\r\n") +
                                tete + "<center>\n<table border=0><tr>" +
                                "<tr valign=\"_top\">\n<td align=\"center\" valign=\"_top\">\n" +
                                carte + "</BODY></HTML>\r\n";
    EXPECT_EQ(php(t.dossier / ("ftp/_" + ref + ".php")), attendu) << ref;
  }
}

// Hand-made list pages: the table layout, a page without the product's card, a missing page.
TEST(PageProduitPhp, TableLayoutMissingCardAndMissingPage) {
  const Lignes tableau{"<HTML>",
                       "<TITLE>Liste</TITLE>",
                       "<BODY>",
                       "<!-- marqueur liste rapide haut -->",
                       "<!--//DEBUT//T1*Y//DEBUT//-->",
                       "  <!-- marqueur liste rapide vignette haut tableau largeur=300p -->  ",
                       "<tr><td>T1</td></tr>",
                       "<FORM NAME=\"T1\">",
                       "<td>Commander</td></tr>",
                       "</form>",
                       "<!-- marqueur liste rapide vignette bas tableau -->",
                       "<!--//FIN//T1*Y//FIN//-->"};
  struct Cas {
    const char* nom;
    Lignes page;     // ftp/liste.htm; the product page names it
    Lignes accueil;  // ftp/index.htm
    const char* sortie;
  } cas[] = {
      {"tableau", tableau, {},
       "\n\n<BODY>\n<!-- marqueur liste rapide haut -->\n<center>\n<table border=0><tr>"
       "<tr valign=\"_top\">\n<td align=\"center\" valign=\"_top\">\n"
       "<table border=0 cellpadding=0 cellspacing=0 width=300>\n"
       "<!-- marqueur liste rapide vignette haut tableau largeur=300p -->\n"
       "<tr><td>T1</td></tr>\n<FORM NAME=\"T1\">\n<td>Commander</td></tr>\n</form>\n"
       "<!-- marqueur liste rapide vignette bas tableau -->\n"
       "<FORM NAME=\"T1\">\n<td>Commander</td></tr>\n</table>\n"},
      {"sans carte", {"<BODY>", "<!-- marqueur liste rapide haut -->", "<!--//DEBUT//T12*Y//DEBUT//-->",
                      "<!-- marqueur liste rapide vignette haut standard -->", "x"},
       {}, "<BODY>\n<!-- marqueur liste rapide haut -->\n<center>\n<table border=0><tr>"},
      {"page absente", {}, {"<p>Accueil</p>"}, "<p>Accueil</p>\n"},
  };
  for (const auto& c : cas) {
    testing_support::TempFolder dossier;
    if (!c.page.empty()) dossier.write("ftp/liste.htm", joindre(c.page, "\r\n"));
    if (!c.accueil.empty()) dossier.write("ftp/index.htm", joindre(c.accueil, "\r\n"));
    pages::FicheReference f{.reference = "T1", .description = "Table <?= 1 ?>"};
    pages::pageProduitPhp(f, "liste.htm", {"<!-- fin -->"}).save(dossier / "ftp/_T1.php");
    EXPECT_EQ(php(dossier / "ftp/_T1.php"),
              "<HTML><HEAD>\r\n<TITLE>Table &lt;?= 1 ?>  </TITLE>\r\n</HEAD>\r\n" +
                  std::string(c.sortie) + "<!-- fin -->\r\n")
        << c.nom;
  }
}

TEST_F(References, NoRefIniNoPages) {
  std::filesystem::remove(t.dossier / "ref.ini");
  construire();
  EXPECT_FALSE(t.dossier.exists("ftp/ref.html"));
  EXPECT_FALSE(t.dossier.exists("ftp/_A1.php"));
  EXPECT_TRUE(t.dossier.exists("ftp/livres-romans-0.htm"));
}

}  // namespace
