// The maker's server scripts (editeur/www) run by php-cli on a small built site: index2.php
// frames only the site's own pages, moteur.php and moteur_multi.php find the list pages of a word.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace {

// The maker's scripts, as the site holds them.
void installer(const testing_support::TempFolder& d) {
  const std::string source = std::getenv("TARVIO_SOURCE_DIR");
  for (const char* script : {"index2.php", "moteur.php", "moteur_multi.php"})
    d.write(script, platform::readFile(source + "/editeur/www/" + script));
}

// The page a script answers to a GET with that query, then "#" and its status.
std::string php(const testing_support::TempFolder& d, const std::string& script, const std::string& requete) {
  setenv("REQUETE", requete.c_str(), 1);
  setenv("SCRIPT", (d / script).c_str(), 1);
  FILE* f = popen("php -r 'register_shutdown_function(function () { echo \"#\" . (http_response_code() ?: 200); });"
                  " parse_str(getenv(\"REQUETE\"), $_GET); chdir(dirname(getenv(\"SCRIPT\")));"
                  " include getenv(\"SCRIPT\");'", "r");
  char tampon[4096];
  std::string sortie;
  for (size_t n; (n = fread(tampon, 1, sizeof tampon, f)) > 0;) sortie.append(tampon, n);
  return pclose(f), sortie;
}

const std::string kCadres =
    "<HTML>\r\n<FRAMESET cols=\"150,*\">\r\n<FRAME SRC=\"menu.htm\" NAME=\"menu\">\r\n"
    "<frame SRC=\"accueil2.htm\" NAME=\"principal\" noresize>\r\n</FRAMESET>\r\n</HTML>\r\n";

std::string cadresAvec(const std::string& page) {
  std::string c = kCadres;
  c.replace(c.find("SRC=\"accueil2.htm\""), 18, "src=\"" + page + "\"");
  return c;
}

TEST(ScriptsEditeur, Index2FramesOnlyAPageOfTheSiteAndNotesAComparatorVisit) {
  testing_support::TempFolder d;
  installer(d);
  d.write("index2.htm", kCadres);
  d.write("index.htm", kCadres);
  d.write("bols-0.htm", "<html>bols</html>");
  d.write("thé.htm", "<html>thé</html>");
  struct Cas {
    std::string requete, attendu;
  } cas[] = {
      {"url_principal=bols-0.htm", cadresAvec("bols-0.htm") + "#200"},
      {"url_principal=th%E9.htm", cadresAvec("thé.htm") + "#200"},
      {"track=k&url_principal=bols-0.htm", cadresAvec("bols-0.htm") + "#200"},
      {"track=<w>&url_principal=bols-0.htm", cadresAvec("bols-0.htm") + "#200"},
      {"track=" + std::string(32, 'a') + "&url_principal=bols-0.htm", cadresAvec("bols-0.htm") + "#200"},
      {"track=" + std::string(33, 'b') + "&url_principal=bols-0.htm", cadresAvec("bols-0.htm") + "#200"},
      {"", kCadres + "#200"},
      {"url_principal[]=bols-0.htm", kCadres + "#200"},
      // The frameset itself stays the frameset with its home page.
      {"url_principal=index.htm", kCadres + "#200"},
      {"url_principal=absente.htm", kCadres + "#404"},
      {"url_principal=../bols-0.htm", kCadres + "#404"},
      {"url_principal=/etc/passwd", kCadres + "#404"},
      {"url_principal=http://ailleurs.example/a.htm", kCadres + "#404"},
      {"url_principal=bols-0.htm\" onload=\"x", kCadres + "#404"},
      {"url_principal=.htaccess", kCadres + "#404"},
      {"url_principal=index2.php", kCadres + "#404"},
  };
  for (const auto& c : cas) EXPECT_EQ(php(d, "index2.php", c.requete), c.attendu) << c.requete;
  // One visit per comparator code; the file never shows what it holds.
  const std::string visites = d.read("index2_visites.php");
  EXPECT_EQ(visites.substr(0, 16), "<?php exit; ?>\r\n");
  EXPECT_NE(visites.find("\tk\tbols-0.htm\r\n"), std::string::npos);
  EXPECT_EQ(visites.find("<w>"), std::string::npos);
  // A code is at most 32 characters long: a longer one is no comparator's.
  EXPECT_NE(visites.find("\t" + std::string(32, 'a') + "\t"), std::string::npos);
  EXPECT_EQ(visites.find(std::string(32, 'b')), std::string::npos);
  EXPECT_EQ(php(d, "index2_visites.php", ""), "#200");
}

TEST(ScriptsEditeur, KeywordSearchFindsTheListPagesOfEveryWordAsked) {
  testing_support::TempFolder d;
  installer(d);
  const std::string table = "bols=BOL01=vaisselle-bols-0.htm\r\nbols=BOL02=vaisselle-bols-0.htm\r\n"
                            "the=INF01=infusions-0.htm\r\ngrand-bol=BOL03=g.htm\r\nx=A=a\"b.htm\r\n"
                            "bleu=BOL01=vaisselle-bols-0.htm\r\n";
  d.write("choix_liste.bdd", table);
  d.write("boutique2/choix_liste.bdd", "bols=B9=bols.htm\r\n");
  d.write("a#b/choix_liste.bdd", "bols=C1=c.htm\r\n");
  struct Cas {
    const char *script, *requete;
    std::vector<std::string> presents, absents;
  } cas[] = {
      {"moteur.php", "mots=Bols", {"<a href=\"vaisselle-bols-0.htm\">", "BOL01, BOL02", "version 1.6"}, {"g.htm"}},
      {"moteur.php", "mots=TH%C9", {"infusions-0.htm\">"}, {"Aucun produit"}},
      {"moteur.php", "mots=grand", {"Aucun produit ne correspond"}, {"g.htm"}},
      {"moteur.php", "mots=bol+grand", {"<a href=\"g.htm\">"}, {"bols-0"}},
      {"moteur.php", "mots=x", {"<a href=\"a&quot;b.htm\">"}, {"a\"b"}},
      {"moteur.php", "mots=\"><script>", {"value=\"&quot;&gt;&lt;script&gt;\""}, {"<script>", "<ul>"}},
      {"moteur.php", "iframe=oui", {"name=\"iframe\" value=\"oui\""}, {"Aucun produit", "<ul>"}},
      // BOL01 is reached through both words, on the same page.
      {"moteur.php", "mots=bols+bleu", {": BOL01, BOL02</li>"}, {"BOL02, BOL01"}},
      {"moteur_multi.php", "mots=bols", {"<a href=\"boutique2/bols.htm\">", "B9", "<a href=\"a%23b/c.htm\">"},
       {"vaisselle", "a#b"}},
  };
  for (const auto& c : cas) {
    const std::string page = php(d, c.script, c.requete);
    for (const auto& p : c.presents)
      EXPECT_NE((page + d.read(c.script)).find(p), std::string::npos) << c.requete << ": " << p;
    for (const auto& a : c.absents) EXPECT_EQ(page.find(a), std::string::npos) << c.requete << ": " << a;
  }
}

}  // namespace
