#include "platform/text.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace platform;

TEST(Text, TrimRemovesBytesZeroTo32Only) {
  EXPECT_EQ(trim(std::string("\x01\t a b \r\n\x1F", 9)), "a b");
  EXPECT_EQ(trim("\xA0" "a\xA0"), "\xA0" "a\xA0");  // no-break space is kept
  EXPECT_EQ(trim("\v\f"), "");
  EXPECT_EQ(trimLeft("  a "), "a ");
  EXPECT_EQ(trimRight("  a "), "  a");
}

TEST(Text, CaseIsAsciiOnlyButFileNamesFoldWindows1252Letters) {
  EXPECT_EQ(upperAscii("été Zz"), "éTé ZZ");
  EXPECT_EQ(lowerAscii("ÉTÉ"), "ÉtÉ");
  EXPECT_TRUE(fileNamesEqual("catégorie.CTO", "CATÉGORIE.cto"));
  EXPECT_TRUE(fileNamesEqual("Œuvre", "œUVRE"));
  EXPECT_FALSE(fileNamesEqual("e", "é"));
}

TEST(Text, TextCaseTurnsAccentedLettersToo) {
  struct Cas {
    const char *texte, *majuscules, *minuscules;
  } cas[] = {{"Commande spéciale", "COMMANDE SPÉCIALE", "commande spéciale"},
             {"Œuvre à Ÿ ç", "ŒUVRE À Ÿ Ç", "œuvre à ÿ ç"},
             // No capital of its own, or no letter: unchanged both ways.
             {"ß µ × ÷ 1-é", "ß µ × ÷ 1-É", "ß µ × ÷ 1-é"}};
  for (const Cas& c : cas) {
    EXPECT_EQ(upperText(c.texte), c.majuscules) << c.texte;
    EXPECT_EQ(lowerText(c.texte), c.minuscules) << c.texte;
  }
  // Every byte: lower then upper gives back the upper case, so the two tables agree.
  for (int b = 1; b < 256; ++b) {
    const std::string un(1, static_cast<char>(b));
    EXPECT_EQ(upperText(lowerText(upperText(un))), upperText(un)) << b;
    EXPECT_EQ(lowerText(upperText(lowerText(un))), lowerText(un)) << b;
  }
}

TEST(Text, Windows1252RoundTripsThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  std::string back = fromUtf8(toUtf8(all));
  EXPECT_EQ(back, all);
  EXPECT_EQ(toUtf8("é€"), "\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(fromUtf8("\xE2\x82\xAC \xC5\x93 \xE4\xB8\xAD \xF0\x9F\x98\x80"), "\x80 \x9C ? ?");
  EXPECT_EQ(fromUtf8("a\xFF" "b"), "a?b");
}

TEST(Text, NumbersIgnoreTheProcessLocale) {
  const char* french = std::setlocale(LC_ALL, "fr_FR.UTF-8");
  EXPECT_EQ(val("12.5").value, 12.5);
  EXPECT_TRUE(val("12.5").ok());
  EXPECT_EQ(val("12,5").errorPosition, 3);
  EXPECT_EQ(val("").errorPosition, 1);
  EXPECT_EQ(val("-").errorPosition, 1);
  EXPECT_EQ(val("1.234.56").errorPosition, 6);
  EXPECT_EQ(val(" +3").value, 3);
  EXPECT_EQ(fromNumber(1234.5, 2), "1234.50");
  EXPECT_EQ(fromNumber(-0.001, 2), "0.00");
  EXPECT_EQ(fromNumber(12.5), "12.5");
  EXPECT_EQ(toInteger(" 42 "), 42);
  EXPECT_EQ(toInteger("4x"), std::nullopt);
  EXPECT_EQ(toInteger("+-1"), std::nullopt);  // found by fuzzing: two signs
  EXPECT_EQ(toInteger("+7"), 7);
  EXPECT_EQ(toNumber("abc"), std::nullopt);
  std::setlocale(LC_ALL, "C");
  if (!french) GTEST_SKIP() << "no French locale on this machine";
}

TEST(Text, FrenchOrderIsTotalAndPutsAccentsBesideTheirLetter) {
  EXPECT_LT(compareFrench("-", "0"), 0);
  EXPECT_LT(compareFrench("9", "a"), 0);
  EXPECT_LT(compareFrench("cote", "côte"), 0);
  EXPECT_LT(compareFrench("côte", "coter"), 0);
  EXPECT_LT(compareFrench("a", "A"), 0);
  EXPECT_LT(compareFrench("A", "b"), 0);
  EXPECT_LT(compareFrench("Ça", "cb"), 0);
  EXPECT_EQ(compareFrench("abc", "abc"), 0);
  EXPECT_NE(compareFrench("\x81", "\x8D"), 0);
}
