#include "modele/pages/pages_index.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

using pages::EntreesIndex;

TEST(PagesIndex, LetterOfAnEntry) {
  const std::pair<const char*, const char*> cas[] = {
      {"Bach", "B"},  {"zola", "Z"}, {"Émile Roux", "E"}, {"çà et là", "C"},
      {"2 chats", "0-9"}, {"?Quoi", ""}, {":x", ""},   {" blanc", ""}, {"", ""}};
  for (auto [texte, lettre] : cas) EXPECT_EQ(pages::lettreIndex(texte), lettre) << texte;
}

EntreesIndex entrees() {
  EntreesIndex e;
  e.auteurs = "Auteurs";
  e.articles = "Articles";
  e.themes = "Thèmes";
  e.police = "Arial";
  e.az_top = "oui";
  e.cadres = true;
  e.listeAuteurs = {"2Pac", "?Anonyme", "Bach", "Émile", "Zola"};
  return e;
}

struct Dossier {
  testing_support::TempFolder t;
  pages::DossierConstruction d{t.path()};
  Dossier() {
    t.write("2pac.aut", "Disque#musique-0.htm\r\n");
    t.write("bach.aut", "Suites#musique-1.htm\r\nsans diese\r\nArt de la fugue#musique-0.htm\r\n");
    t.write("emile.aut", "Contes#livres-0.htm\r\n");
    t.write("zola.aut", "Germinal#livres-0.htm\r\n");
    t.write("-anonyme.aut", "Rien#livres-0.htm\r\n");
    d.creerDossier("ftp");
  }
};

TEST(PagesIndex, AuthorLetterPagesBarAndStandIn) {
  Dossier f;
  pages::ecrirePagesAuteurs(entrees(), f.d);
  for (const char* page : {"Auteurs0-9.html", "AuteursB.html", "AuteursE.html", "AuteursZ.html"})
    EXPECT_TRUE(f.t.exists(std::string("ftp/") + page)) << page;
  // "?" and ":" to "@" have no page; the overview needs page_auteurs.
  EXPECT_FALSE(f.t.exists("ftp/Auteurs0.html"));
  EXPECT_FALSE(f.t.exists("ftp/Auteurs.html"));
  EXPECT_EQ(f.t.read("trouverS.txt"), "0-9\r\nB\r\nE\r\nZ\r\n");
  // No A: the first letter after 0-9 stands in.
  EXPECT_EQ(f.t.read("ftp/AuteursA.html"), f.t.read("ftp/AuteursB.html"));

  const std::string b = f.t.read("ftp/AuteursB.html");
  // The .aut lines sorted, numbered from 1 on each page; a line without "#" left out.
  const size_t un = b.find("name=\"fleche1\""), deux = b.find("name=\"fleche2\"");
  ASSERT_NE(deux, std::string::npos);
  EXPECT_LT(un, b.find("Art de la fugue"));
  EXPECT_LT(b.find("Art de la fugue"), deux);
  EXPECT_EQ(b.find("sans diese"), std::string::npos);
  EXPECT_NE(b.find("<TITLE>Auteurs B</TITLE>"), std::string::npos);
  // Every index page links to the A page, which exists at the end of the build.
  EXPECT_NE(f.t.read("ftp/Auteurs0-9.html").find("href=\"AuteursA.html\""), std::string::npos);

  const std::string barre = f.t.read("ftp/entete_auteurs.js");
  EXPECT_NE(barre.find("document.write('<font face=Arial size=2 color=\"gray\">A</font>"),
            std::string::npos);
  EXPECT_NE(barre.find("<a href=\"AuteursB.html\" target=\"_self\"><font face=Arial "
                       "size=2><b><u>B</u></b></font></a>&nbsp;');\r\n"),
            std::string::npos);
  // The bar runs from 0-9 to Z: Zola's letter is a link too.
  for (const char* lien : {"Auteurs0-9.html", "AuteursZ.html", "<u>Z</u>"})
    EXPECT_NE(barre.find(lien), std::string::npos) << lien;
}

TEST(PagesIndex, AzTopNonSavesNoPageAndLinksNone) {
  Dossier f;
  EntreesIndex e = entrees();
  e.az_top = "non";
  e.page_auteurs = "oui";
  e.listeObjets = {"Germinal Zola#livres-0.htm"};
  pages::ecrirePagesAuteurs(e, f.d);
  pages::ecrirePagesObjets(e, f.d);
  for (const char* page : {"Auteurs.html", "AuteursB.html", "AuteursA.html", "ArticlesG.html"})
    EXPECT_FALSE(f.t.exists(std::string("ftp/") + page)) << page;
  const std::string plan = f.t.read("ftp/themes_Articles.html");
  EXPECT_EQ(plan.find("A.html"), std::string::npos);
  EXPECT_NE(plan.find("color=\"navy\"><b><u>Thèmes</u></b>"), std::string::npos);
}

// The author pages link the articles' "A" page only when the articles have a letter page.
TEST(PagesIndex, AuthorPagesLinkTheArticlesPageOnlyWhenOneIsSaved) {
  const std::pair<std::vector<std::string>, bool> cas[] = {
      {{}, false},
      {{"?Rien#livres-0.htm", ":x#livres-0.htm"}, false},  // no entry with a letter
      {{"Germinal Zola#livres-0.htm"}, true},
  };
  for (const auto& [objets, lien] : cas) {
    SCOPED_TRACE(objets.size());
    Dossier f;
    EntreesIndex e = entrees();
    e.listeObjets = objets;
    pages::ecrirePagesAuteurs(e, f.d);
    for (const char* page : {"ftp/AuteursA.html", "ftp/AuteursB.html", "ftp/Auteurs0-9.html"})
      EXPECT_EQ(f.t.read(page).find("ArticlesA.html") != std::string::npos, lien) << page;
  }
}

// Categories per column: round(count / columns), a further column for what is left.
TEST(PagesIndex, SitePlanColumns) {
  const std::pair<int, int> cas[] = {{2, 2}, {5, 3}, {7, 4}, {4, 4}};
  for (auto [categories, colonnes] : cas) {
    Dossier f;
    EntreesIndex e = entrees();
    e.listeCategories = {""};  // an empty line makes no heading
    for (int i = 0; i < categories; ++i) {
      const std::string nom = "Cat" + std::to_string(i);
      e.listeCategories.push_back(nom);
      e.indexThemesPages.push_back("4_" + nom + "-Thème#cat" + std::to_string(i) + "-0.htm");
    }
    pages::ecrirePagesObjets(e, f.d);
    const std::string plan = f.t.read("ftp/themes_Articles.html");
    size_t td = 0;
    for (size_t p = plan.find("\r\n<td>\r\n<font"); p != std::string::npos;
         p = plan.find("\r\n<td>\r\n<font", p + 1))
      ++td;
    EXPECT_EQ(td, size_t(colonnes)) << categories;
    EXPECT_EQ(plan.find("<b></b>"), std::string::npos);
  }
}

}  // namespace
