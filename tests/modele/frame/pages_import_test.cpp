#include "modele/frame/pages_import.h"

#include <gtest/gtest.h>


namespace {

constexpr const char* kPanier = "https://cart.example/cgi/commande.php";
constexpr const char* kLien = "<a href=\"http://x/cgi/commande.php?login=s&ext=001\">P</a>";

TEST(PagesImport, WellFormedCartLinksRewrittenOnce) {
  struct Cas {
    const char *ligne, *attendue;  // "": the line stays
  } cas[] = {
      {kLien, "<a href=\"JavaScript:document.location.href='https://cart.example/cgi/commande.php"
              "?login=s&ext=001&session_client='+(function(){try{var v=top.session_client;return v==null?'':v;}"
              "catch(e){return '';}})()+''\">P</a>"},
      // The link's own address, not an earlier one of the line; a longer extension kept whole.
      {"<a href=\"http://a/\">A</a> <a href='http://x/cgi/commande.php?login=s&ext=0012'>P</a>",
       "<a href=\"http://a/\">A</a> <a href='JavaScript:document.location.href='https://cart."
       "example/cgi/commande.php?login=s&ext=0012&session_client='+(function(){try{var v=top.session_client;return v==null?'':v;}"
              "catch(e){return '';}})()+'''>P</a>"},
      {"<a href=\"x\">cgi/commande.php</a>", ""},
      {"<a href=\"http://x/cgi/commande.php?ext=001\">P</a>", ""},
  };
  for (const Cas& c : cas) {
    const std::optional<std::string> nouvelle = frame::adapterLienPanier(c.ligne, kPanier);
    EXPECT_EQ(nouvelle.value_or(""), c.attendue);
    if (nouvelle) {
      EXPECT_FALSE(frame::adapterLienPanier(*nouvelle, kPanier));
    }
  }
}

}  // namespace
