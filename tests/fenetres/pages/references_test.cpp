// The reference pages after a build; what php-cli prints when it runs a product page.

#include "modele/pages/pages_references.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "fenetres/app/fiche.h"
#include "platform/text.h"
#include "support/programme_test.h"

namespace {

std::string php(const std::filesystem::path& page) {
  std::string s, commande = "php -d error_reporting=-1 '" + page.string() + "' 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> f(popen(commande.c_str(), "r"), pclose);
  for (int c; f && (c = fgetc(f.get())) != EOF;) s += static_cast<char>(c);
  return s;
}

std::string crlf(const std::vector<std::string>& l) { return platform::LineList(l).text(); }

// What every product page prints after the list page's head, and before the product's card.
const std::string kM = "<!-- marqueur liste rapide ";
const std::string kOuvert = kM + "haut -->\n<center>\n<table border=0><tr>";
const std::string kRangee = "<tr valign=\"_top\">\n<td align=\"center\" valign=\"_top\">\n";

// Five sheets of Livres/Romans, three a page: A1, A12 and A2 on the first.
TEST(References, IndexRowsOfFourAndPhpPagesPrintingTheirOwnCard) {
  testing_support::ProgrammeDeTest t;
  for (const char* f : {"menu.opt", "accueil.opt", "cv.opt", "ident.opt"}) t.dossier.write(f, "");
  for (const auto& [f, s] : {std::pair{"categories", "Livres"}, {"Livres.cto", "Romans"},
                             {"Livres_Romans.stl", "ref_page=3"}, {"ref.ini", "</BODY></HTML>"}})
    t.dossier.write(f, std::string(s) + "\r\n");
  auto titre = [](const std::string& r) { return r == "A12" ? "(w:150) Vase bleu" : r; };
  for (const std::string r : {"A1", "A12", "A2", "B1", "B2"})
    t.dossier.write(r + ".ref", crlf({"reference=" + r, "categorie=Livres", "mot_cle=Romans",
                                      "auteur=Zola", "description=" + titre(r),
                                      "commentaires=<b>Un \"grand\"</b>", "commentaires= roman "}));
  t.demarrer();
  t.p().main().html.setEnabled(true);
  t.p().main().html.click();
  auto c = [&titre](const std::string& r) {
    return "<td nowrap><a href=\"_" + r + ".php\"><font face=\"verdana, arial\" size=2>" +
           titre(r) + "</font></a>";
  };
  EXPECT_EQ(t.dossier.read("ftp/ref.html"),
            crlf({"<HTML><HEAD>",
                  "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">",
                  "<TITLE></TITLE></HEAD>", "<BODY>", "<center>",
                  "<table border=0>", "<tr>", c("A1"), c("A12"), c("A2"), c("B1"), "</tr>", "<tr>",
                  c("B2"), "</table></center></body></html>"}));

  // First, middle and last card of the page (A1 is not A12): after the list page's head, a row
  // and the card as it stands between its marks on the list page.
  const auto page = platform::LineList::fromText(t.dossier.read("ftp/livres-romans-0.htm"));
  for (const std::string ref : {"A1", "A12", "A2"}) {
    std::string carte, sortie = php(t.dossier / ("ftp/_" + ref + ".php"));
    bool dans = false;
    for (const std::string& l : page) {  // the script's reading: trimmed, no empty line
      if (!platform::trim(l).empty() && dans) carte += platform::trim(l) + "\n";
      dans = (dans || l.starts_with("<!--//DEBUT//" + ref + "*")) &&
             !platform::contains(l, "vignette bas");
    }
    EXPECT_TRUE(sortie.starts_with("<HTML><HEAD>\r\n<TITLE>" + (ref == "A12" ? "Vase bleu" : ref) +
                                   " Zola Livres Romans</TITLE>\r\n<meta name=\"description\" "
                                   "content=\"Un &quot;grand&quot; roman\">\r\n</HEAD>\r\n"));
    EXPECT_TRUE(sortie.ends_with(kOuvert + kRangee + carte + "</BODY></HTML>\r\n")) << ref;
  }

  // Hand-made list pages: a card of the table layout, a page without the product's card, and a
  // page and reference holding quotes, which stay inside their PHP literals.
  struct Cas {
    std::vector<std::string> page;
    std::string sortie, nom = "liste.htm", ref = "T1";
  } cas[] = {
      {{"<HTML>", "<TITLE>L</TITLE>", kM + "haut -->", "<!--//DEBUT//T1*Y//DEBUT//-->",
        " " + kM + "vignette haut tableau largeur=300p -->", "<FORM NAME=\"T1\">", "</tr>",
        "</form>", kM + "vignette bas tableau -->"},
       "\n\n" + kOuvert + kRangee + "<table border=0 cellpadding=0 cellspacing=0 width=300>\n" +
           kM + "vignette haut tableau largeur=300p -->\n<FORM NAME=\"T1\">\n</tr>\n</form>\n" +
           kM + "vignette bas tableau -->\n<FORM NAME=\"T1\">\n</tr>\n</table>\n"},
      {{kM + "haut -->", "<!--//DEBUT//T12*Y//DEBUT//-->", kM + "vignette haut -->"}, kOuvert},
      {{kM + "haut -->", "<!--//DEBUT//T'1\\*Y//DEBUT//-->", kM + "vignette haut -->", "x",
        kM + "vignette bas -->"},
       kOuvert + kRangee + kM + "vignette haut -->\nx\n" + kM + "vignette bas -->\n", "l'ete'.htm",
       "T'1\\"},
  };
  for (const auto& k : cas) {
    t.dossier.write("ftp/" + k.nom, crlf(k.page));
    const auto script = t.dossier / "ftp/_T1.php";
    pages::pageProduitPhp({.reference = k.ref, .description = "<?= 1 ?>"}, k.nom, {"<!-- fin -->"})
        .save(script);
    EXPECT_EQ(php(script), "<HTML><HEAD>\r\n<TITLE>&lt;?= 1 ?>  </TITLE>\r\n"
                           "</HEAD>\r\n" + k.sortie + "<!-- fin -->\r\n")
        << k.sortie;
  }
}

}  // namespace
