#include "fenetres/frame/accent.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fenetres/app/fiche.h"
#include "platform/files.h"
#include "support/programme_test.h"

using frame::convertirTexte;
using frame::TTableAccents;
using testing_support::ProgrammeDeTest;

namespace {

TTableAccents tableRemplie() {
  TTableAccents t;
  t.remplir();
  return t;
}

// The expected entity of every byte, built from the naming rule rather than from the table:
// letters by their HTML names, the other signs by their Unicode code point.
std::string attendu(unsigned char c) {
  static const char* const majuscules[] = {
      "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
      "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
      "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   nullptr,
      "Oslash", "Ugrave", "Uacute", nullptr,  "Uuml",   "Yacute", "THORN",  "szlig"};
  static const char* const minuscules[] = {
      "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
      "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
      "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   nullptr,
      "oslash", "ugrave", "uacute", nullptr,  "uuml",   "yacute", "thorn",  "yuml"};
  auto nomme = [](const char* nom) { return std::string("&") + nom + ";"; };
  if (c >= 0xC0 && c <= 0xDF)
    return majuscules[c - 0xC0] ? nomme(majuscules[c - 0xC0]) : std::string(1, char(c));
  if (c >= 0xE0)
    return minuscules[c - 0xE0] ? nomme(minuscules[c - 0xE0]) : std::string(1, char(c));
  if (c == 0x22) return "&quot;";
  if (c == 0xA9) return "&copy;";
  if (c == 0xAE) return "&reg;";
  if (c == 0x80) return "&#8364;";
  if (c == 0x60 || c == 0x7E || (c >= 0xA1 && c <= 0xB8) || c == 0xBF)
    return "&#" + std::to_string(c) + ";";
  return std::string(1, char(c));
}

}  // namespace

TEST(TableAccents, EveryByteOutsideATagGivesItsEntityOrItself) {
  TTableAccents table = tableRemplie();
  EXPECT_EQ(table.caracteres.size(), 89u);
  int convertis = 0;
  for (int c = 0; c < 256; ++c) {
    if (c == '<' || c == '>') continue;
    std::string octet(1, char(c));
    EXPECT_EQ(convertirTexte(octet, table, false), attendu(static_cast<unsigned char>(c)))
        << "byte " << c;
    if (attendu(static_cast<unsigned char>(c)) != octet) ++convertis;
  }
  EXPECT_EQ(convertis, 89);
  // Inside a tag every byte passes.
  for (int c = 0; c < 256; ++c) {
    if (c == '>') continue;
    std::string balise = std::string("<a ") + char(c) + ">";
    EXPECT_EQ(convertirTexte(balise, table, false), balise) << "byte " << c;
  }
}

TEST(ConvertirTexte, TagStateRules) {
  TTableAccents table = tableRemplie();
  struct Cas {
    const char* nom;
    std::string source, resultat;
  } cas[] = {
      {"attribute kept, text converted", "<a href=\"\xE9t\xE9.htm\">\xE9t\xE9</a>",
       "<a href=\"\xE9t\xE9.htm\">&eacute;t&eacute;</a>"},
      {"quote in text", "dit \"oui\"", "dit &quot;oui&quot;"},
      {"lone > in text stays outside", "a > b \xE0 c", "a > b &agrave; c"},
      {"no nesting", "<<\xE9>\xE9", "<<\xE9>&eacute;"},
      {"tag spread over lines", "<a\r\ntitle=\"\xE9\">\r\n\xE9\r\n",
       "<a\r\ntitle=\"\xE9\">\r\n&eacute;\r\n"},
      {"open tag at the end keeps later lines untouched", "x <b\r\n\xE9", "x <b\r\n\xE9"},
      {"unchanged signs", "& ' \xDB\xFB\xD7\xF7\xB9\xBE\x81\x9F", "& ' \xDB\xFB\xD7\xF7\xB9\xBE\x81\x9F"},
      {"euro and inverted question mark", "\x80\xBF", "&#8364;&#191;"},
      // A byte 0x1A is no end of file: what follows it is kept and converted.
      {"0x1A is an ordinary byte", std::string("a\x1A\xE9", 3), std::string("a\x1A&eacute;", 10)},
      {"card script survives",
       "document.write('<input type=\"hidden\" name=\"ref\" value=\"R1\">');",
       "document.write('<input type=\"hidden\" name=\"ref\" value=\"R1\">');"},
  };
  for (const Cas& c : cas) EXPECT_EQ(convertirTexte(c.source, table, false), c.resultat) << c.nom;
}

TEST(ConvertirTexte, OfflineCatalogueCopiesBytes) {
  TTableAccents table = tableRemplie();
  std::string source = "\xC9t\xE9 \"<b>\xE0</b>\"\r\n\x80";
  EXPECT_EQ(convertirTexte(source, table, true), source);
}

class ConvertirAccents : public ::testing::Test {
 protected:
  ConvertirAccents() {
    t.creer();
    t.p().accents1().fichierEntree = "cv2.htm";
    t.p().accents1().fichierSortie = "cv.htm";
  }
  frame::Taccents1& accents() { return t.p().accents1(); }
  ProgrammeDeTest t;
};

TEST_F(ConvertirAccents, ConvertsIntoTheDestinationAndDeletesTheSource) {
  t.dossier.write("cv2.htm", "<p class=\"\xE9\">\xC9t\xE9</p>\r\nligne 2\r\n");
  accents().convertirAccents();
  EXPECT_EQ(t.dossier.read("cv.htm"), "<p class=\"\xE9\">&Eacute;t&eacute;</p>\r\nligne 2\r\n");
  EXPECT_FALSE(t.dossier.exists("cv2.htm"));
  // A second call finds no source and leaves the destination alone, or writes none.
  accents().convertirAccents();
  EXPECT_EQ(t.dossier.read("cv.htm"), "<p class=\"\xE9\">&Eacute;t&eacute;</p>\r\nligne 2\r\n");
  accents().fichierSortie = "neuf.htm";
  accents().convertirAccents();
  EXPECT_FALSE(t.dossier.exists("neuf.htm"));
}

TEST_F(ConvertirAccents, OfflineCatalogueMakesAByteCopyAndAFailedWriteKeepsTheSource) {
  t.p().main().catalC.setChecked(true);
  t.dossier.write("cv2.htm", "\xE9\"\r\n");
  accents().convertirAccents();
  EXPECT_EQ(t.dossier.read("cv.htm"), "\xE9\"\r\n");
  EXPECT_FALSE(t.dossier.exists("cv2.htm"));

  t.dossier.write("cv2.htm", "\xE9");
  accents().fichierSortie = "dossier";
  std::filesystem::create_directory(t.dossier / "dossier");
  EXPECT_THROW(accents().convertirAccents(), platform::FileError);
  EXPECT_EQ(t.dossier.read("cv2.htm"), "\xE9");
}
