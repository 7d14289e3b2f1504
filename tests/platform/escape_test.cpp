#include "platform/escape.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Escape, EachPlaceEscapesOnlyWhatWouldBreakIt) {
  struct Cas {
    std::string valeur, attribut, js, jsApostrophe, url;
  } cas[] = {
      {"Librairie Été l'a", "Librairie Été l'a", "Librairie Été l'a", "Librairie Été l\\'a",
       "Librairie Été l'a"},
      {"&eacute; <b>", "&eacute; &lt;b&gt;", "&eacute; <b>", "&eacute; <b>", "%26eacute; %3Cb%3E"},
      {"Lot > 10", "Lot &gt; 10", "Lot > 10", "Lot > 10", "Lot %3E 10"},
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

TEST(Escape, SizesInsideTagsAreWholeNumbersOrNothing) {
  struct Cas {
    const char* valeur;
    const char* ecrit;
  } cas[] = {{"72", "72"}, {"", ""}, {" 300 ", "300"}, {"-1", "-1"},
             {"1 onload=alert(1)", ""}, {"12.5", ""}, {"\"><script>", ""}, {"+-3", ""}};
  for (const auto& c : cas) EXPECT_EQ(htmlWholeNumber(c.valeur), c.ecrit) << c.valeur;
}

// A size attribute is written only when the size is known: an empty one would swallow the next
// attribute, a zero would hide the picture.
TEST(Escape, PictureSizesLeaveOutWhatIsUnknown) {
  struct Cas {
    const char *largeur, *hauteur, *ecrit;
  } cas[] = {{"96", "72", " WIDTH=96 HEIGHT=72"}, {"", "", ""},         {"0", "0", ""},
             {" 96 ", "", " WIDTH=96"},           {"x", "72", " HEIGHT=72"}, {"1 x", "-3", ""}};
  for (const auto& c : cas)
    EXPECT_EQ(htmlSizeAttributes(c.largeur, c.hauteur), c.ecrit) << c.largeur << "x" << c.hauteur;
}
