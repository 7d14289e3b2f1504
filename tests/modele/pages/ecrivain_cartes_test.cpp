// The card writer and the page frame on their own: values in, lines out, no window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modele/frame/cadre_page.h"
#include "modele/pages/vignette.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "support/temp_folder.h"

namespace {

TEST(EcrivainCartes, ReturnsTheLinesItWritesAndGivesItsOutputsBack) {
  testing_support::TempFolder dossier;
  dossier.write("A1.ref", "reference=A1\r\ndescription=Plat été\r\nprix=1\r\n");
  dossier.write("import/logo.gif", "GIF");
  dossier.write("qmulti.ini", "maxi=1.5\r\n");
  platform::DataFolder donnees(dossier.path());
  std::vector<std::string> messages;
  pages::EcrivainCartes ecrivain(donnees, [&](const std::string& m) { messages.push_back(m); });

  for (bool horsLigne : {false, true}) {
    pages::EntreesCarte e;
    e.referenceCarte = " A1 ";
    e.copierImport = true;
    e.horsLigne = horsLigne;
    ASSERT_TRUE(ecrivain.identiteAttendue());
    e.identite.emplace();
    const auto lignes = ecrivain.faireVignette(e);
    ASSERT_TRUE(lignes);
    EXPECT_EQ(lignes->text(), dossier.read("vignette.htm"));
    // Shown text takes entities online; attribute values keep the page's own bytes.
    EXPECT_EQ(lignes->text().find("Plat &eacute;t&eacute;") != std::string::npos, !horsLigne);
    EXPECT_EQ(ecrivain.entrees().referenceCarte, "A1");
    EXPECT_FALSE(ecrivain.entrees().copierImport);
  }
  EXPECT_TRUE(dossier.exists("ftp/logo.gif"));
  // Outside a run, each card tells the wrong maximum.
  EXPECT_EQ(messages, std::vector<std::string>(2, "Erreur dans le fichier qmulti.ini"));

  pages::EntreesCarte sansFiche;
  sansFiche.referenceCarte = "ZZ";
  EXPECT_FALSE(ecrivain.faireVignette(sansFiche));
  EXPECT_FALSE(dossier.exists("vignette.htm"));
}

TEST(EcrivainCartes, AFailedPictureCopyIsAnErrorNotASilentGap) {
  testing_support::TempFolder dossier;
  dossier.write("A1.ref", "reference=A1\r\nimage=photo.jpg\r\nprix=1\r\n");
  dossier.write("photo.jpg", "JPEG");
  // A folder where the copy goes: the picture cannot be written.
  platform::makeFolder(dossier / "ftp" / "photo.jpg");
  platform::DataFolder donnees(dossier.path());
  pages::EcrivainCartes ecrivain(donnees, [](const std::string&) {});
  pages::EntreesCarte e;
  e.referenceCarte = "A1";
  e.identite.emplace();
  EXPECT_THROW(ecrivain.faireVignette(e), platform::FileError);
}

TEST(CadrePageValeurs, LinesFromTheValuesAndTheTopLinesSaved) {
  testing_support::TempFolder dossier;
  platform::makeFolder(dossier / "ftp");
  platform::DataFolder donnees(dossier.path());
  frame::EntreesCadrePage e;
  e.menu.largeur_menu = "120";
  e.esp_G = "2";
  e.esp_P = "4";
  e.top = "top2.htm";
  e.cadreAttributsContenu = " bgcolor=\"#FFEEDD\"";
  const platform::LineList lignes = frame::ecrireCadrePage(e, donnees);
  ASSERT_EQ(lignes.size(), 7u);
  EXPECT_EQ(lignes[5], "</td><td width=\"100%\" height=\"100%\" valign=\"top\" bgcolor=\"#FFEEDD\">");
  EXPECT_EQ(dossier.read("ftp/body_top.txt"), lignes[0] + "\r\n" + lignes[1] + "\r\n");
  e.cadreSansMenu = "oui";
  EXPECT_EQ(frame::ecrireCadrePage(e, donnees).size(), 3u);
}

}  // namespace
