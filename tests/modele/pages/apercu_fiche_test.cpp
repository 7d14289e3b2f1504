#include "modele/pages/apercu_fiche.h"

#include <gtest/gtest.h>

using pages::fondApercuFiche;
using pages::pageApercuFiche;

TEST(ApercuFiche, BackgroundIsColourOrImageThenFixed) {
  struct Case {
    const char *fond, *image, *fixe, *attendu;
  } cases[] = {
      {"#FFFFFF", "", "non", "#FFFFFF "},
      {"#FFFFFF", "", "oui", "#FFFFFF fixed"},
      {"#FFFFFF", "sable.gif", "non", "url(sable.gif) "},
      {"", "sable.gif", "oui", "url(sable.gif) fixed"},
      {"", "", "non", ""},
      {"", "", "oui", "fixed"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(fondApercuFiche(c.fond, c.image, c.fixe), c.attendu) << c.fond << c.image << c.fixe;
}

TEST(ApercuFiche, CardIsWrappedWithTitleAndBackgroundStyle) {
  const platform::LineList carte = platform::LineList::fromText("<table>\r\n</table>\r\n");
  EXPECT_EQ(pageApercuFiche(carte, "BOL01", "url(sable.gif) fixed").text(),
            "<HTML>\r\n<HEAD>\r\n<TITLE>BOL01</TITLE>\r\n<STYLE TYPE=\"text/css\">\r\n<!--\r\n"
            "BODY {background: url(sable.gif) fixed;}\r\n// -->\r\n</STYLE>\r\n</HEAD>\r\n"
            "<BODY>\r\n<CENTER>\r\n<table>\r\n</table>\r\n</CENTER></BODY></HTML>\r\n");
  EXPECT_EQ(pageApercuFiche(carte, "BOL01", "").text(),
            "<HTML>\r\n<HEAD>\r\n<TITLE>BOL01</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<CENTER>\r\n"
            "<table>\r\n</table>\r\n</CENTER></BODY></HTML>\r\n");
}
