#include "app/annexes_fiche.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using namespace app;
using platform::LineList;
using testing_support::TempFolder;

TEST(AnnexesFiche, PriceListIsTrimmedWithoutEmptyLinesAndWithoutSeparators) {
  TempFolder t;
  platform::DataFolder d(t.path());
  EXPECT_TRUE(sauverListePrix(d, "P1.sup", {"  Cordage #1 = 5 ", "", "   ", "Nylon & boyau=8"}));
  EXPECT_EQ(t.read("P1.sup"), "Cordage -1 = 5\r\nNylon + boyau=8\r\n");
  // Blank lines only write nothing and keep the file; only the eraser deletes it.
  EXPECT_FALSE(sauverListePrix(d, "P1.sup", {" ", ""}));
  EXPECT_EQ(chargerAnnexe(d, "P1.sup"), (LineList{"Cordage -1 = 5", "Nylon + boyau=8"}));
  EXPECT_TRUE(supprimerAnnexe(d, "P1.sup"));
  EXPECT_FALSE(supprimerAnnexe(d, "P1.sup"));
  EXPECT_EQ(chargerAnnexe(d, "P1.sup"), LineList{});
}

TEST(AnnexesFiche, WrapTextIsSavedOrDeletedWithItsFullPath) {
  TempFolder t;
  platform::DataFolder d(t.path());
  const std::string chemin = (t.path() / "livres.txt").string();
  EXPECT_EQ(sauverHabillage(d, fichierHabillageGauche("livres"), {"<b>gauche</b>", ""}),
            chemin + " enregistré");
  EXPECT_EQ(t.read("livres.txt"), "<b>gauche</b>\r\n\r\n");
  EXPECT_EQ(sauverHabillage(d, "livres.txt", {}), chemin + " supprimé");
  EXPECT_FALSE(t.exists("livres.txt"));
  EXPECT_EQ(sauverHabillage(d, fichierHabillageDroite("livres"), {}),
            (t.path() / "livresd.txt").string() + " supprimé");
}
