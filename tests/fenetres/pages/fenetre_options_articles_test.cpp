// The list-page options window: its defaults, what it saves and what it shows again.

#include <gtest/gtest.h>

#include "fenetres/app/programme.h"
#include "fenetres/pages/fenetre_options_articles.h"
#include "support/programme_test.h"

namespace pages::test {

TEST(OptionsArticles, DefaultsSaveReloadAndPreviewWithoutCard) {
  testing_support::ProgrammeDeTest t;
  t.dossier.write("puces/flecha.gif", "GIF");
  t.demarrer();
  TarticlesT& w = t.p().articlesT();
  w.show();
  EXPECT_EQ(w.phrase_articles.text(), "articles trouvés");
  EXPECT_EQ(w.flecheE.text(), "flecha.gif");
  EXPECT_TRUE(w.gras_pages.checked());

  w.retourE.setChecked(true);
  w.gras_pages.setChecked(false);
  w.haligneE.setText("left");
  w.enrB.click();
  const std::string fichier = t.dossier.read("articles.ini");
  EXPECT_EQ(fichier.substr(0, fichier.find("\r\n")), "phrase_articles=articles trouv\xE9s");
  EXPECT_NE(fichier.find("\r\ngras_pages=\r\n"), std::string::npos);
  EXPECT_NE(fichier.find("\r\nhaligne=left\r\nbaligne=center\r\nretour=oui\r\n"),
            std::string::npos);

  // A key missing from the file shows empty, even where a default exists.
  t.dossier.write("articles.ini", "phrase_articles=trouvés\r\nGRAS_PAGES=oui\r\n");
  w.hide();
  w.show();
  EXPECT_EQ(w.phrase_articles.text(), "trouvés");
  EXPECT_EQ(w.flecheE.text(), "");
  EXPECT_TRUE(w.gras_pages.checked());

  w.voir_vignette.click();
  EXPECT_EQ(t.dialogs.messages().back(), kFicheActiveAbsente);
}

}  // namespace pages::test
