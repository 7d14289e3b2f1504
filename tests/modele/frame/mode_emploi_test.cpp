#include "modele/frame/mode_emploi.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ModeEmploi, LayoutAndPaymentMeans) {
  struct Cas {
    bool frames;
    const char *cb, *cheque, *scroll;
    std::vector<std::string> present;
  } cas[] = {
      {true, "non", "non", "", {"<HTML><HEAD>", "<BODY onLoad=\"reframe()\">", "\"accueil.htm\"",
        "\"cv.htm#delai\"", "par<br>ou tout autre moyen prévu dans les conditions de vente."}},
      {true, "oui", "oui", "#369", {"scrollbar-base-color: #369;", "en <a href=\"https://pay/cgi/"
        "secur.php?boutique=Dupont %26 Fils&frame=oui\" target=\"\"><b>toute sécurité</b></a>",
        "<br>- <b>chèque bancaire</b><br>ou tout"}},
      {false, "oui", "non", "", {"\"index.htm\"", "\"cvf.htm#delai\"",
        "par<br>- <b>carte bancaire</b> en <a href=\"securf.htm\" target=\"_top\">"}},
  };
  for (const Cas& c : cas) {
    const frame::EntreesModeEmploi e{
        c.frames, "Verdana", c.scroll, "Léa", "Dupont & Fils", "l@a.fr",
        c.frames ? "accueil.htm" : "index.htm", c.cb, c.cheque, "non", "non", "non",
        c.frames ? "" : "_top", "https://pay/cgi/secur.php"};
    const std::string page = frame::pageModeEmploi(e).text();
    for (const std::string& texte : c.present)
      EXPECT_NE(page.find(texte), std::string::npos) << texte;
    EXPECT_EQ(page.find("<HTML>") == 0, c.frames);
  }
  // The shop's name is plain text.
  const frame::EntreesModeEmploi e{false, "Verdana", "", "<script>x</script>", "D", "l@a.fr",
                                   "index.htm", "non", "non", "non", "non", "non", "_top", ""};
  const std::string page = frame::pageModeEmploi(e).text();
  EXPECT_NE(page.find("<b>&lt;script&gt;x&lt;/script&gt;</b> vous permet"), std::string::npos);
  EXPECT_EQ(page.find("<script>x"), std::string::npos);
}

}  // namespace
