#include "platform/lines.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_folder.h"

using platform::LineList;
using testing_support::TempFolder;

TEST(LineList, LoadAcceptsEveryLineEndAndLeavesNoStrayCr) {
  EXPECT_EQ(LineList::fromText("a\r\nb\nc\rd"), (LineList{"a", "b", "c", "d"}));
  EXPECT_EQ(LineList::fromText("a\r\n"), (LineList{"a"}));
  EXPECT_EQ(LineList::fromText("a\r\n\r\n"), (LineList{"a", ""}));
  EXPECT_EQ(LineList::fromText("a\n\rb"), (LineList{"a", "", "b"}));
  EXPECT_EQ(LineList::fromText("").size(), 0u);
  EXPECT_EQ(LineList::fromText("\r\n"), (LineList{""}));
  EXPECT_EQ(LineList::fromText("a\r"), (LineList{"a"}));
  EXPECT_EQ(LineList::fromText("a\r\rb\r\n\nc"), (LineList{"a", "", "b", "", "c"}));
}

// Every text of a few bytes over {a, CR, LF}, against the byte-by-byte reading.
TEST(LineList, FromTextCutsLinesAsAByteByByteReading) {
  auto lent = [](std::string_view t) {
    std::vector<std::string> l;
    size_t debut = 0;
    for (size_t i = 0; i < t.size(); ++i)
      if (t[i] == '\r' || t[i] == '\n') {
        l.emplace_back(t.substr(debut, i - debut));
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
        debut = i + 1;
      }
    if (debut < t.size()) l.emplace_back(t.substr(debut));
    return l;
  };
  const char alphabet[] = {'a', '\r', '\n'};
  for (int longueur = 0; longueur <= 7; ++longueur) {
    int total = 1;
    for (int i = 0; i < longueur; ++i) total *= 3;
    for (int n = 0; n < total; ++n) {
      std::string t;
      for (int i = 0, k = n; i < longueur; ++i, k /= 3) t += alphabet[k % 3];
      ASSERT_EQ(LineList::fromText(t).lines(), lent(t)) << testing::PrintToString(t);
    }
  }
}

TEST(LineList, SaveWritesCrLfAfterEveryLineAndWindows1252Bytes) {
  TempFolder dir;
  LineList lines{"été", "", "fin"};
  lines.save(dir / "f.txt");
  EXPECT_EQ(dir.read("f.txt"), std::string("\xE9t\xE9\r\n\r\nfin\r\n"));
  EXPECT_EQ(LineList::load(dir / "f.txt"), lines);
  LineList{}.save(dir / "empty.txt");
  EXPECT_EQ(dir.read("empty.txt"), "");
}

TEST(LineList, LoadOfMissingFileThrowsFrenchError) {
  TempFolder dir;
  EXPECT_THROW(LineList::load(dir / "absent.txt"), platform::FileError);
}

TEST(LineList, LoadNamesAFileWithALineTooLongAsDamaged) {
  const std::string longue(platform::kMaxLineBytes, 'x');
  struct Cas {
    std::string texte;
    bool endommage;
  } cas[] = {
      {"base=" + longue.substr(5) + "\r\nfin\r\n", false},
      {"debut\r\nbase=" + longue + "\r\n", true},
      {"debut\n" + longue + "x", true},  // the last line, without its line end
  };
  for (const auto& c : cas) {
    TempFolder dir;
    dir.write("kelkoo.ini", c.texte);
    if (!c.endommage) {
      EXPECT_EQ(LineList::load(dir / "kelkoo.ini").size(), 2u);
      continue;
    }
    try {
      LineList::load(dir / "kelkoo.ini");
      ADD_FAILURE() << "no error";
    } catch (const platform::FileError& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find((dir / "kelkoo.ini").string() + " est endommagé"), std::string::npos)
          << message;
    }
  }
}

// The two readers of key=value files differ on case, on repeated keys and on which line wins.
TEST(LineList, LookupIgnoresCaseAndTakesFirstLineWhileExactReaderTakesLastExactKey) {
  LineList lines{"Couleur=rouge", "couleur=vert", "taille=", "sans egal", "a=b=c"};
  EXPECT_EQ(lines.value("COULEUR"), "rouge");
  EXPECT_EQ(lines.value("taille"), "");
  EXPECT_TRUE(lines.hasName("TAILLE"));
  EXPECT_FALSE(lines.hasName("sans egal"));
  EXPECT_EQ(lines.value("a"), "b=c");

  auto exact = platform::exactKeyValues(lines);
  EXPECT_EQ(exact.at("Couleur"), "rouge");
  EXPECT_EQ(exact.at("couleur"), "vert");
  EXPECT_EQ(exact.count("COULEUR"), 0u);
  EXPECT_EQ(exact.at("a"), "b=c");
  EXPECT_EQ(exact.size(), 4u);

  LineList repeated{"k=1", "k=2"};
  EXPECT_EQ(repeated.value("k"), "1");
  EXPECT_EQ(platform::exactKeyValues(repeated).at("k"), "2");
}

TEST(LineList, IndexOfAndSetValue) {
  LineList lines{"Alpha", "k=1"};
  EXPECT_EQ(lines.indexOf("ALPHA"), 0);
  EXPECT_EQ(lines.indexOf("beta"), -1);
  lines.setValue("K", "2");
  lines.setValue("n", "3");
  EXPECT_EQ(lines, (LineList{"Alpha", "K=2", "n=3"}));
}

TEST(LineList, SortIsFrenchWithoutRegardToCase) {
  LineList lines{"zèbre", "Été", "eté", "10", "2", "_x", "abc", "Abc", "éa", "ete", "ef"};
  lines.sort();
  EXPECT_EQ(lines, (LineList{"_x", "10", "2", "abc", "Abc", "éa", "ef", "ete", "eté", "Été", "zèbre"}));
}
