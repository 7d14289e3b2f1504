// The order of an upload: a file after the new files it names, the entry pages last.

#include "modele/publish/transfert_ordre.h"

#include <gtest/gtest.h>

#include <map>

namespace publish {
namespace {

using Noms = std::vector<std::string>;

TEST(OrdreEnvoi, NamedNewFilesFirstEntryPagesLastListOrderOtherwise) {
  const std::map<std::string, std::string> textes = {
      {"Index.htm", "<a href=\"cat.htm\">"},
      {"accueil.htm", "<frame src=\"menu.htm\">"},
      {"album.htm", "<img src=\"new-pic.jpg\">"},  // listed before the picture it names
      {"cat.htm", "<a href='p2.htm'>x</a> <img src=images/b.jpg> index2.php?url_principal=cat-1.htm"},
      {"cat-1.htm", "<a href=\"cat.htm\">"},  // the two pages of a category name each other
      {"menu.htm", "location.replace(\"cat.htm\")"},
      {"p2.htm", "<img src=\"b.jpg\"> <a href=\"index.htm\">"},
  };
  auto texte = [&](const std::string& nom) -> std::optional<std::string> {
    auto t = textes.find(nom);
    return t == textes.end() ? std::nullopt : std::optional(t->second);
  };
  const Noms noms{"accueil.htm", "album.htm", "b.jpg",       "cat-1.htm", "cat.htm",
                  "Index.htm",   "menu.htm",  "new-pic.jpg", "p2.htm"};
  struct Cas {
    const char* nom;
    std::unordered_set<std::string> nouveaux;
    Noms ordre;
  } cas[] = {
      {"nothing new: the list's order, entry pages last", {},
       {"album.htm", "b.jpg", "cat-1.htm", "cat.htm", "menu.htm", "new-pic.jpg", "p2.htm",
        "accueil.htm", "Index.htm"}},
      {"a new product and its picture",
       {"b.jpg", "p2.htm"},
       {"album.htm", "b.jpg", "cat-1.htm", "p2.htm", "cat.htm", "menu.htm", "new-pic.jpg",
        "accueil.htm", "Index.htm"}},
      {"a new picture whose name holds a hyphen",
       {"new-pic.jpg"},
       {"new-pic.jpg", "album.htm", "b.jpg", "cat-1.htm", "cat.htm", "menu.htm", "p2.htm",
        "accueil.htm", "Index.htm"}},
      {"a whole new site",
       {"accueil.htm", "album.htm", "b.jpg", "cat-1.htm", "cat.htm", "Index.htm", "menu.htm",
        "new-pic.jpg", "p2.htm"},
       {"new-pic.jpg", "album.htm", "b.jpg", "p2.htm", "cat.htm", "cat-1.htm", "menu.htm",
        "accueil.htm", "Index.htm"}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    EXPECT_EQ(ordreEnvoi(noms, c.nouveaux, texte), c.ordre);
  }
}

// A first publication where every list page shows the menu and the top bar in frames, and they,
// the quick choice and the themes page link to it: the page goes before all that links to it.
TEST(OrdreEnvoi, APageGoesBeforeTheMenusThatLinkToItWhateverItShowsOfThem) {
  const std::map<std::string, std::string> textes = {
      {"choix.htm", "<a href=\"liste.htm\">"},
      {"liste.htm", "<IFRAME src=\"top2.htm\"> <IFRAME  SRC = 'menu2.htm'> <a href=\"fiche.htm\"> "
                    "<img src=\"photo.jpg\">"},
      {"menu2.htm", "<a href=\"liste.htm\"> <script SRC=\"menujs.js\"></script>"},
      {"menujs.js", "url=url.replace(/^choix\\.php\\?/,\"choix.htm?\");"},
      {"themes.html", "<iframe src=menu2.htm> <a href=\"liste.htm\">"},
      {"top2.htm", "<a href=\"themes.html\"> <OPTION value=\"choix.htm?motf=bols\">"},
  };
  auto texte = [&](const std::string& nom) -> std::optional<std::string> {
    auto t = textes.find(nom);
    return t == textes.end() ? std::nullopt : std::optional(t->second);
  };
  const Noms noms{"choix.htm", "fiche.htm", "liste.htm", "menu2.htm",
                  "menujs.js", "photo.jpg", "themes.html", "top2.htm"};
  EXPECT_EQ(ordreEnvoi(noms, {noms.begin(), noms.end()}, texte),
            (Noms{"fiche.htm", "photo.jpg", "liste.htm", "choix.htm", "menu2.htm", "menujs.js",
                  "themes.html", "top2.htm"}));
}

// A list page and the menu that links back to it: a menu the page only shows, even twice, gives
// way and goes after it; one it links to as well, before or after showing it, goes first.
TEST(OrdreEnvoi, InACircleAPageShownAndLinkedCountsAsLinked) {
  const struct {
    const char* liste;
    Noms ordre;
  } cas[] = {
      {"<frame src=\"menu.htm\"> <frame src=\"menu.htm\">", {"liste.htm", "menu.htm"}},
      {"<frame src=\"menu.htm\"> <a href=\"menu.htm\">", {"menu.htm", "liste.htm"}},
      {"<a href=\"menu.htm\"> <frame src=\"menu.htm\">", {"menu.htm", "liste.htm"}},
  };
  const Noms noms{"liste.htm", "menu.htm"};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.liste);
    auto texte = [&](const std::string& nom) -> std::optional<std::string> {
      return nom == "liste.htm" ? c.liste : "<a href=\"liste.htm\">";
    };
    EXPECT_EQ(ordreEnvoi(noms, {noms.begin(), noms.end()}, texte), c.ordre);
  }
}

}  // namespace
}  // namespace publish
