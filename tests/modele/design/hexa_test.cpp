#include "modele/design/hexa.h"

#include <gtest/gtest.h>

#include "platform/text.h"

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

// A malformed or missing pair stops the conversion, named after "$".
TEST(HexaVersRGB, MalformedOrMissingPairsFailNamingThePair) {
  struct Case {
    const char* couleur;
    const char* paire;
  } cases[] = {{"#12", "$"},          {"#", "$"},           {"#FF8", "$"},  // "8" alone reads
               {"#GGHHII", "$GG"},    {"#FF80G0", "$G0"},   {"#FF 000", "$ 0"},
               {"#-10000", "$-1"}};
  for (const auto& c : cases) {
    try {
      hexaVersRGB(c.couleur);
      ADD_FAILURE() << c.couleur;
    } catch (const platform::IntegerError& e) {
      EXPECT_EQ(e.what(), std::string("'") + c.paire + "' n'est pas une valeur enti\xE8re correcte")
          << c.couleur;
    }
  }
}
