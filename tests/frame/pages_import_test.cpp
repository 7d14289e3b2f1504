#include "frame/pages_import.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace {

constexpr const char* kPanier = "https://cart.example/cgi/commande.php";

TEST(PagesImport, CartLinksRewrittenOnceWhenWellFormed) {
  struct Cas {
    const char *ligne, *attendue;  // nullptr: the line stays
  } cas[] = {
      {"<a href=\"http://www.tarvio.fr/cgi/commande.php?login=shop&ext=001\">Panier</a>",
       "<a href=\"JavaScript:document.location.href='https://cart.example/cgi/commande.php"
       "?login=shop&ext=001&session_client='+top.session_client+''\">Panier</a>"},
      // The link's own address, not an earlier one of the line; a longer extension kept whole.
      {"<a href=\"http://a.fr/\">A</a> <a href='http://x/cgi/commande.php?login=s&ext=0012'>P</a>",
       "<a href=\"http://a.fr/\">A</a> <a href='JavaScript:document.location.href='"
       "https://cart.example/cgi/commande.php?login=s&ext=0012&session_client='+top.session_client"
       "+'''>P</a>"},
      {"<a href=\"x\">cgi/commande.php</a>", nullptr},
      {"<a href=\"http://x/cgi/commande.php?ext=001\">P</a>", nullptr},
      {"<a href=\"http://x/cgi/commande.php?login=s\">P</a>", nullptr},
      {"<a href=\"http://x/CGI/commande.php?login=s&ext=001\">P</a>", nullptr},
  };
  for (const Cas& c : cas) {
    std::optional<std::string> nouvelle = frame::adapterLienPanier(c.ligne, kPanier);
    EXPECT_EQ(nouvelle.has_value(), c.attendue != nullptr) << c.ligne;
    if (nouvelle && c.attendue) {
      EXPECT_EQ(*nouvelle, c.attendue);
      EXPECT_FALSE(frame::adapterLienPanier(*nouvelle, "https://autre/").has_value());
    }
  }
}

TEST(PagesImport, OnlyChangedFilesAreWritten) {
  testing_support::TempFolder d;
  const std::string lien = "<a href=\"http://x/cgi/commande.php?login=s&ext=001\">P</a>\r\n";
  d.write("Import/Top.htm", "<p>haut</p>\r\n" + lien);
  platform::DataFolder donnees(d.path());
  frame::adapterPagesImport(donnees, kPanier);
  const std::string adaptee = d.read("Import/Top.htm");
  EXPECT_NE(adaptee.find("session_client"), std::string::npos);
  EXPECT_FALSE(d.exists("import/accueil.htm"));
  // A second activation, with another cart address, changes nothing.
  d.write("Import/accueil.htm", "<p>rien</p>\n");
  frame::adapterPagesImport(donnees, "https://autre/");
  EXPECT_EQ(d.read("Import/Top.htm"), adaptee);
  EXPECT_EQ(d.read("Import/accueil.htm"), "<p>rien</p>\n");
}

}  // namespace
