#include "frame/liste_rapide.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace {

using platform::LineList;

TEST(ListeRapide, TableAndOptionsFromTheKeywordBase) {
  const LineList base{"Bols=[01]BOL02", "Bols=[02]BOL01", "Bols = [03] AB12", "Vide=NULL",
                      "=[00]BOL01",     "sans egal",      "vélo=[03]AB12",   "Thé & \"chai\"=[00]ZZ"};
  const LineList pages{"bol01=vaisselle-bols-0.htm", "ab12= velos0.htm ", "BOL02=bols1.htm"};
  frame::OptionsListeRapide o;
  o.police = "Verdana";
  const frame::ListeRapide l = frame::listeRapide(base, pages, o, "_top", '-');
  EXPECT_EQ(l.table, (LineList{"bols=BOL02=bols1.htm", "bols=BOL01=vaisselle-bols-0.htm",
                               "bols=AB12=velos0.htm", "velo=AB12=velos0.htm"}));
  ASSERT_EQ(l.fragment.size(), 6u);  // title, three words (one without page), closing
  EXPECT_EQ(l.fragment[0], "<form name=\"choix_liste\"><SELECT name=\"choix\" class=\"rech\" "
                           "onChange=\"charge_URL('choix_liste','choix','_top')\">");
  EXPECT_EQ(l.fragment[2], "<OPTION value=\"choix_liste.php?motf=bols&col=1&f=_top&t=Bols&p=Verdana"
                           "&s=&c=&g=&k=\">Bols</OPTION>");
  EXPECT_EQ(l.fragment[4], "<OPTION value=\"choix_liste.php?motf=the----chai-&col=1&f=_top"
                           "&t=Thé %26 %22chai%22&p=Verdana&s=&c=&g=&k=\">Thé &amp; &quot;chai&quot;"
                           "</OPTION>");
  EXPECT_EQ(l.script[1], "document.write(\"<OPTION value=\\\"x\\\">Choix rapide</OPTION>\");");
  EXPECT_EQ(l.script[2], "document.write(\"<OPTION value=\\\"choix_liste.php?motf=bols&col=1"
                         "&f=_top&t=Bols&p=Verdana&s=&c=&g=&k=\\\">Bols</OPTION>\");");
  EXPECT_TRUE(frame::listeRapide({"Vide=NULL"}, pages, o, "_top", '-').fragment.empty());

  const LineList ini{"TITRE=Le \"bon\" choix", "couleur= #8B4513 ", "desac= oui ", "menuG=oui"};
  frame::EntreesListeRapide e{true, '-', "Arial", "navy"};
  const frame::OptionsListeRapide lu = frame::optionsListeRapide(&ini, e);
  EXPECT_EQ(lu.titre, "Le  bon  choix");
  EXPECT_EQ(lu.couleur, "8B4513");
  EXPECT_TRUE(lu.desactive && lu.gauche);
  EXPECT_EQ(lu.police + lu.taille + lu.centrer + lu.gras, "Arial2ouioui");
  EXPECT_EQ(frame::optionsListeRapide(nullptr, e).police, "");
}

TEST(ListeRapide, StepFilesByPlacement) {
  testing_support::TempFolder d;
  d.write("choix_liste.php", "<?php\r\n");
  d.write("recherche_base.bdd", "Bols=[01]BOL01\r\n");
  d.write("listeHTM.tmp", "BOL01=vaisselle-bols-0.htm\r\n");
  d.write("recherche_base_top.tmp", "ancienne\r\n");
  platform::makeFolder(d / "ftp");
  platform::DataFolder donnees(d.path());
  d.write("liste_recherche.ini", "menuG=oui\r\n");
  EXPECT_EQ(frame::faireListeRapide({false, '-', "Arial", "navy"}, donnees), "_top");
  EXPECT_FALSE(d.exists("recherche_base_top.tmp"));
  EXPECT_TRUE(d.exists("recherche_base_gauche.tmp") && d.exists("ftp/recherche_base_gauche.js"));
  EXPECT_EQ(d.read("ftp/choix_liste.bdd"), "bols=BOL01=vaisselle-bols-0.htm\r\n");
  // Switched off: the fragments go and nothing else is written.
  d.write("liste_recherche.ini", "desac=oui\r\n");
  std::filesystem::remove(d / "ftp/choix_liste.php");
  EXPECT_EQ(frame::faireListeRapide({true, '-', "Arial", "navy"}, donnees), "principal");
  EXPECT_FALSE(d.exists("recherche_base_gauche.tmp") || d.exists("ftp/choix_liste.php"));
}

// The server script the list opens, run by php-cli on a table the step built.
std::string php(const testing_support::TempFolder& d, const std::string& requete) {
  setenv("REQUETE", requete.c_str(), 1);
  setenv("SCRIPT", (d / "ftp/choix_liste.php").c_str(), 1);
  FILE* f = popen("php -r 'parse_str(getenv(\"REQUETE\"), $_GET); include getenv(\"SCRIPT\");'",
                  "r");
  std::string sortie;
  char tampon[4096];
  for (size_t n; (n = fread(tampon, 1, sizeof tampon, f)) > 0;) sortie.append(tampon, n);
  pclose(f);
  return sortie;
}

TEST(ListeRapide, ServerScriptOfTheShop) {
  testing_support::TempFolder d;
  const char* source = std::getenv("TARVIO_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  d.write("ftp/choix_liste.php", platform::readFile(std::string(source) + "/demo/choix_liste.php"));
  frame::OptionsListeRapide o;
  frame::listeRapide({"Bols=[01]BOL01", "Bols=[02]<b>X", "Thé=[00]BOL02"},
                     {"BOL01=vaisselle-bols-0.htm", "<b>x=a\"b.htm", "BOL02=t.htm"}, o, "_top",
                     '-')
      .table.save(d / "ftp/choix_liste.bdd");
  EXPECT_NE(platform::readFile(d / "ftp/choix_liste.php").find("version 1.03"), std::string::npos);
  const std::string bols = php(d, "motf=bols&col=2&f=_top&t=<i>Bols&p=Ar\"ial&s=2&c=oui&g=oui&k=8B4513");
  EXPECT_NE(bols.find("<a href=\"vaisselle-bols-0.htm\" target=\"_top\">"), std::string::npos);
  EXPECT_NE(bols.find("<a href=\"a&quot;b.htm\" target=\"_top\">"), std::string::npos);
  EXPECT_NE(bols.find("&lt;b&gt;X"), std::string::npos);
  EXPECT_NE(bols.find("&lt;i&gt;Bols"), std::string::npos);
  EXPECT_NE(bols.find("face=\"Ar&quot;ial\" size=\"2\" color=\"#8B4513\""), std::string::npos);
  EXPECT_EQ(bols.find("t.htm"), std::string::npos);
  for (const char* refusee : {"motf=bols&f=../x", "motf=bols&f=_top&col=0", "motf=bols&f=_top&col=2x"})
    EXPECT_NE(php(d, refusee).find("refus"), std::string::npos) << refusee;
}

}  // namespace
