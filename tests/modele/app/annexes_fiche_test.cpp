#include "modele/app/annexes_fiche.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using namespace app;
using platform::LineList;
using testing_support::TempFolder;

TEST(AnnexesFiche, PriceListOfBlankLinesWritesNothing) {
  TempFolder t;
  platform::DataFolder d(t.path());
  // They would make an empty list on the order form: the file is neither made nor emptied.
  EXPECT_FALSE(sauverListePrix(d, "P1.sup", {" ", ""}));
  EXPECT_FALSE(t.exists("P1.sup"));
  EXPECT_TRUE(sauverListePrix(d, "P1.sup", {"  Cordage #1 = 5 ", "", "Nylon & boyau=8"}));
  EXPECT_FALSE(sauverListePrix(d, "P1.sup", {"\t", ""}));
  EXPECT_EQ(chargerAnnexe(d, "P1.sup"), (LineList{"Cordage -1 = 5", "Nylon + boyau=8"}));
}
