#include "frame/mode_emploi.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool contient(const platform::LineList& page, const std::string& texte) {
  for (const std::string& ligne : page)
    if (ligne.find(texte) != std::string::npos) return true;
  return false;
}

TEST(ModeEmploi, LayoutAndPaymentMeans) {
  struct Cas {
    bool frames;
    const char *cb, *cheque, *scroll, *accueil, *reglement;
  } cas[] = {
      {true, "non", "non", "", "accueil2.htm",
       "Vous pouvez régler par<br>ou tout autre moyen prévu dans les conditions de vente."},
      {true, "oui", "oui", "#336699", "accueil.htm",
       "Vous pouvez régler par<br>- <b>carte bancaire</b> en <a href=\"https://pay/cgi/secur.php"
       "?boutique=Dupont %26 Fils&frame=oui\" target=\"\"><b>toute sécurité</b></a>"},
      {false, "oui", "oui", "", "index.htm",
       "Vous pouvez régler par<br>- <b>carte bancaire</b> en <a href=\"securf.htm\" "
       "target=\"_top\"><b>toute sécurité</b></a>"},
  };
  for (const Cas& c : cas) {
    frame::EntreesModeEmploi e;
    e.frames = c.frames;
    e.police_defaut = "Verdana";
    e.coul_scroll = c.scroll;
    e.nomB = "Chez Léa";
    e.nomE = "Dupont & Fils";
    e.email = "lea@exemple.fr";
    e.lienAccueil = c.accueil;
    e.cvente_cb = c.cb;
    e.cvente_cheque = c.cheque;
    e.cibleLiens = c.frames ? "" : "_top";
    e.pageSecurite = "https://pay/cgi/secur.php";
    const platform::LineList page = frame::pageModeEmploi(e);
    SCOPED_TRACE(c.reglement);
    EXPECT_EQ(page[0], c.frames ? "<HTML><HEAD>" : "<STYLE TYPE=\"text/css\">");
    EXPECT_EQ(page[page.size() - 1] == "</BODY></HTML>", c.frames);
    EXPECT_EQ(contient(page, "reframe()"), c.frames);
    EXPECT_EQ(contient(page, "scrollbar-base-color: #336699;"), *c.scroll != 0);
    EXPECT_TRUE(contient(page, "<a href=\"" + std::string(c.accueil) + "\" target=\"_self\">"));
    EXPECT_TRUE(contient(page, c.reglement));
    EXPECT_EQ(contient(page, "<br>- <b>chèque bancaire</b><br>ou tout autre"),
              std::string(c.cheque) == "oui");
    EXPECT_TRUE(contient(page, c.frames ? "<a href=\"cv.htm#delai\" target=\"_self\">"
                                        : "<a href=\"cvf.htm#delai\" target=\"_self\">"));
  }
}

}  // namespace
