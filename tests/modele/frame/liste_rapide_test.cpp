#include "modele/frame/liste_rapide.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace {

using platform::LineList;

TEST(ListeRapide, TableListAndOptions) {
  const LineList base{"Bols=[01]BOL02", "Bols = [03] AB12", "Vide=NULL", "=[00]BOL01",
                      "sans egal", "vélo=[03]AB12", "Thé & \"chai\"=[00]ZZ"};
  frame::OptionsListeRapide o;
  o.police = "Verdana";
  const frame::ListeRapide l =
      frame::listeRapide(base, {"ab12= velos0.htm ", "BOL02=bols1.htm"}, o, "_top", '-');
  EXPECT_EQ(l.table, (LineList{"bols=BOL02=bols1.htm", "bols=AB12=velos0.htm",
                               "velo=AB12=velos0.htm"}));
  ASSERT_EQ(l.fragment.size(), 6u);  // title, three words (one without page), closing
  EXPECT_EQ(l.fragment[4], "<OPTION value=\"choix_liste.php?motf=the----chai-&col=1&f=_top"
                           "&t=Thé %26 %22chai%22&p=Verdana&s=&c=&g=&k=\">"
                           "Thé &amp; &quot;chai&quot;</OPTION>");
  EXPECT_EQ(l.script[2], "document.write(\"<OPTION value=\\\"choix_liste.php?motf=bols&col=1"
                         "&f=_top&t=Bols&p=Verdana&s=&c=&g=&k=\\\">Bols</OPTION>\");");
  // "0" columns, as a stored file may hold them, show one link a row.
  o.col = "0";
  EXPECT_NE(frame::listeRapide(base, {"ab12=v.htm", "BOL02=b.htm"}, o, "_top", '-')
                .page.text()
                .find("BOL02</font></a></td>\r\n</tr>\r\n<tr>\r\n"),
            std::string::npos);
  const LineList ini{"TITRE=Le \"bon\" choix", "couleur= #8B4513 ", "desac= oui "};
  const frame::OptionsListeRapide lu = frame::optionsListeRapide(&ini, {true, '-', "Arial", ""});
  EXPECT_EQ(lu.titre + lu.couleur + lu.police + lu.taille + lu.centrer + (lu.desactive ? "!" : ""),
            "Le  bon  choix8B4513Arial2oui!");
}

// The server script the list opens, run by php-cli on a table the step built.
std::string php(const testing_support::TempFolder& d, const std::string& requete) {
  setenv("REQUETE", requete.c_str(), 1);
  setenv("SCRIPT", (d / "ftp/choix_liste.php").c_str(), 1);
  FILE* f =
      popen("php -r 'parse_str(getenv(\"REQUETE\"), $_GET); include getenv(\"SCRIPT\");'", "r");
  char tampon[4096];
  std::string sortie;
  for (size_t n; (n = fread(tampon, 1, sizeof tampon, f)) > 0;) sortie.append(tampon, n);
  return pclose(f), sortie;
}

TEST(ListeRapide, StepFilesAndServerScript) {
  testing_support::TempFolder d;
  const std::string source = std::getenv("TARVIO_SOURCE_DIR");
  d.write("choix_liste.php", platform::readFile(source + "/editeur/www/choix_liste.php"));
  d.write("recherche_base.bdd", "Bols=[01]BOL01\r\nBols=[02]<b>X\r\nThé=[00]BOL02\r\n");
  d.write("listeHTM.tmp", "BOL01=vaisselle-bols-0.htm\r\n<b>x=a\"b.htm\r\nBOL02=t.htm\r\n");
  d.write("recherche_base_top.tmp", "ancienne\r\n");
  d.write("liste_recherche.ini", "menuG=oui\r\n");
  platform::makeFolder(d / "ftp");
  EXPECT_EQ(frame::faireListeRapide({false, '-', "Arial", ""}, platform::DataFolder(d.path())), "_top");
  EXPECT_TRUE(!d.exists("recherche_base_top.tmp") && d.exists("ftp/recherche_base_gauche.js"));

  const std::string bols = php(d, "motf=bols&col=2&f=_top&t=<i>Bols&p=Ar\"ial&s=2&k=8B4513") +
                           d.read("ftp/choix_liste.php");
  for (const char* attendu :
       {"version 1.03", "<a href=\"vaisselle-bols-0.htm\" target=\"_top\">", "&lt;b&gt;X",
        "<a href=\"a&quot;b.htm\" target=\"_top\">", "&lt;i&gt;Bols",
        "face=\"Ar&quot;ial\" size=\"2\" color=\"#8B4513\""})
    EXPECT_NE(bols.find(attendu), std::string::npos) << attendu;
  // A refused request gets its refusal and nothing after it.
  for (auto [refusee, parametre] : {std::pair{"motf=bols&f=../x", "f"}, {"f=_top&col=0", "col"},
                                    {"f=_top&col=2x", "col"}})
    EXPECT_EQ(php(d, refusee), std::string("<html><body>Param\xE8tre refus\xE9 : ") + parametre +
                                   "</body></html>\r\n")
        << refusee;

  // From disc, choix_liste.htm shows for a word the links the server script gives for it.
  const std::string script = d.read("ftp/recherche_base_gauche.js"), page = d.read("ftp/choix_liste.htm");
  for (const std::string mot : {"bols", "the"}) {
    const size_t debut = script.find("choix_liste.php?motf=" + mot + "&") + 16;
    const std::string serveur = php(d, script.substr(debut, script.find("\\\"", debut) - debut));
    auto liste = [](const std::string& t, size_t de) {
      const size_t a = t.find("<table", de);
      return t.substr(a, t.find("</table>", a) - a);
    };
    EXPECT_EQ(liste(page, page.find("id=\"l_" + mot + "\"")), liste(serveur, 0)) << mot;
  }

}

}  // namespace
