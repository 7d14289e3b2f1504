#include "design/hexa.h"

#include <gtest/gtest.h>

using design::hexaVersRGB;
using design::RVB;

TEST(HexaVersRGB, ReadsThreePairsInEitherCase) {
  struct Case {
    const char* couleur;
    RVB attendu;
  } cases[] = {
      {"#ff8000", {255, 128, 0}},
      {"#FF8000", {255, 128, 0}},
      {"#FF8000xyz", {255, 128, 0}},  // past the seventh character nothing counts
      {"#1781B3", {0x17, 0x81, 0xB3}},
      {"#fcefbc", {0xFC, 0xEF, 0xBC}},
      {"#000000", {0, 0, 0}},
      {"#FFFFFF", {255, 255, 255}},
  };
  for (const auto& c : cases) EXPECT_EQ(hexaVersRGB(c.couleur), c.attendu) << c.couleur;
}

TEST(HexaVersRGB, NamesAndBlanksGiveBlack) {
  for (const char* couleur : {"red", "", " #FF8000", "black", "FF8000"})
    EXPECT_EQ(hexaVersRGB(couleur), (RVB{0, 0, 0})) << '"' << couleur << '"';
}

// A malformed pair no longer stops the caller: it counts as 0 and the others still convert.
TEST(HexaVersRGB, MalformedOrMissingPairsGiveZeroWithoutFailing) {
  struct Case {
    const char* couleur;
    RVB attendu;
  } cases[] = {
      {"#12", {18, 0, 0}},
      {"#", {0, 0, 0}},
      {"#FF8", {255, 8, 0}},  // a lone last digit still reads as a number
      {"#GGHHII", {0, 0, 0}},
      {"#GG8000", {0, 128, 0}},
      {"#FF80G0", {255, 128, 0}},
      {"#FF 000", {255, 0, 0}},
      {"#-10000", {0, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(hexaVersRGB(c.couleur), c.attendu) << c.couleur;
}
