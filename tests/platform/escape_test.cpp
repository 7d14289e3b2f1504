#include "platform/escape.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Escape, EachPlaceEscapesOnlyWhatWouldBreakIt) {
  struct Cas {
    std::string valeur, attribut, js, jsApostrophe, url;
  } cas[] = {
      {"Librairie Été l'a", "Librairie Été l'a", "Librairie Été l'a", "Librairie Été l\\'a",
       "Librairie Été l'a"},
      {"&eacute; <b>", "&eacute; <b>", "&eacute; <b>", "&eacute; <b>", "%26eacute; <b>"},
      {"dit \"oui\"", "dit &quot;oui&quot;", "dit \\\"oui\\\"", "dit \"oui\"", "dit %22oui%22"},
      {"c:\\x", "c:\\x", "c:\\\\x", "c:\\\\x", "c:\\x"},
      {"a\r\nb", "a\r\nb", "a\\r\\nb", "a\\r\\nb", "a%0D%0Ab"},
      {"100% #1 +2 & =", "100% #1 +2 & =", "100% #1 +2 & =", "100% #1 +2 & =",
       "100%25 %231 %2B2 %26 ="},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(htmlAttribute(c.valeur), c.attribut) << c.valeur;
    EXPECT_EQ(jsString(c.valeur), c.js) << c.valeur;
    EXPECT_EQ(jsString(c.valeur, '\''), c.jsApostrophe) << c.valeur;
    EXPECT_EQ(urlQueryValue(c.valeur), c.url) << c.valeur;
  }
}
