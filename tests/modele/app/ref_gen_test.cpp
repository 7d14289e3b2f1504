#include "modele/app/ref_gen.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "modele/app/fiche_produit.h"
#include "support/temp_folder.h"

using namespace app;
using platform::DataFolder;
using platform::LineList;
using testing_support::TempFolder;

TEST(EntreeRefGen, FormatAndParseOneLine) {
  TEntreeRefGen e{"P1", "Livres", "Romans", "(w:1)Titre", "Hugo", "img.jpg"};
  EXPECT_EQ(formaterEntreeRefGen(e), "P1#Livres#Romans#(w:1)Titre#Hugo#img.jpg");
  EXPECT_EQ(lireEntreeRefGen(formaterEntreeRefGen(e)), e);
  struct Cas {
    const char* ligne;
    std::optional<TEntreeRefGen> entree;
  } cas[] = {
      {"sans diese", std::nullopt},
      {"P1#Livres", TEntreeRefGen{"P1", "Livres", "", "", "", ""}},
      {"P1#####", TEntreeRefGen{"P1", "", "", "", "", ""}},
      {" P1 #A#B#C#D#x#y.jpg", TEntreeRefGen{" P1 ", "A", "B", "C", "D", "x#y.jpg"}},
  };
  for (const auto& c : cas) EXPECT_EQ(lireEntreeRefGen(c.ligne), c.entree) << c.ligne;
  EXPECT_EQ(cleRefGen("  P1 #x"), "P1");
  EXPECT_EQ(cleRefGen("P1"), std::nullopt);
}

TEST(RefGen, FilterComparesTrimmedKeysExactly) {
  LineList lignes{"P1#a", "p1#b", " P1 #c", "sans diese", "P10#d", "#vide"};
  EXPECT_EQ(filtrerRefGen(lignes, "P1 "), (LineList{"p1#b", "P10#d", "#vide"}));
  EXPECT_EQ(filtrerRefGen(lignes, ""), (LineList{"P1#a", "p1#b", " P1 #c", "P10#d"}));
}

// Two lines of the reference go, the one in other letter case stays, the new line ends the file.
TEST(RefGen, ReplaceKeepsOtherKeysInOrderAndAppendsTheSheetLast) {
  TempFolder dir;
  DataFolder df(dir.path());
  dir.write("ref.gen", "P1#A#a#t#x#\r\nQ#B#b#u#y#q.jpg\r\nvieille ligne\r\nP1 #A#a#t#x#\r\np1#C#c#v#z#\n");
  remplacerEntreeRefGen(df, {"P1", "Livres", "Romans", "Titre", "Hugo", ""});
  EXPECT_EQ(dir.read("ref.gen"), "Q#B#b#u#y#q.jpg\r\np1#C#c#v#z#\r\nP1#Livres#Romans#Titre#Hugo#\r\n");
  remplacerEntreeRefGen(df, {"Q", "B", "b", "u", "y", "q.jpg"});
  EXPECT_EQ(dir.read("ref.gen"), "p1#C#c#v#z#\r\nP1#Livres#Romans#Titre#Hugo#\r\nQ#B#b#u#y#q.jpg\r\n");
  EXPECT_EQ(chargerRefGen(df).size(), 3u);
}

TEST(RefGen, ReplaceAndRemoveCreateTheFileWhenMissing) {
  TempFolder dir;
  DataFolder df(dir.path());
  EXPECT_TRUE(chargerRefGen(df).empty());
  retirerEntreeRefGen(df, "P1");
  EXPECT_EQ(dir.read("ref.gen"), "");
  remplacerEntreeRefGen(df, {"P1", "A", "a", "t", "x", "i.jpg"});
  remplacerEntreeRefGen(df, {"P2", "A", "a", "t", "x", ""});
  retirerEntreeRefGen(df, " P1");
  EXPECT_EQ(dir.read("ref.gen"), "P2#A#a#t#x#\r\n");
}

TEST(RefGen, RebuildTakesFieldsFromEachSheetAsWritten) {
  TempFolder dir;
  DataFolder df(dir.path());
  dir.write("b.ref", "reference=B\r\ncategorie= Livres \r\nmot_cle=Romans\r\ndescription=T1\r\n"
                     "auteur=Hugo\r\nimage=b.jpg\r\nimage=b2.jpg\r\n");
  dir.write("A.ref", "categorie=Disques\r\nreference=A-ref\r\nmot_cle=Rock\r\n");
  dir.write("c.REF", "reference=C\r\nMot_cle=ignore\r\nsans egal\r\n");
  dir.write("d.bak", "reference=D\r\n");
  dir.write("ref.gen", "ancienne#ligne\r\n");
  std::vector<std::pair<int, int>> progres;
  reconstruireFichierRefGen(df, [&](int n, int total) { progres.emplace_back(n, total); });
  EXPECT_EQ(dir.read("ref.gen"),
            "A-ref#Disques#Rock###\r\nB# Livres #Romans#T1#Hugo#b2.jpg\r\nC#####\r\n");
  EXPECT_EQ(progres, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST(RefGen, RebuildStoppedByAnUnreadableSheetLeavesTheOldIndexAndNoSheetsGiveAnEmptyOne) {
  TempFolder dir;
  DataFolder df(dir.path());
  dir.write("ref.gen", "P1#A#a#t#x#\r\n");
  reconstruireFichierRefGen(df);
  EXPECT_TRUE(dir.exists("ref.gen"));
  EXPECT_EQ(dir.read("ref.gen"), "");
  dir.write("a.ref", "reference=A\r\n");
  dir.write("b.ref", "reference=B\r\n");
  dir.write("ref.gen", "vieux#index\r\n");
  auto perdre = [&](int n, int) {
    if (n == 2) std::filesystem::remove(dir / "b.ref");
  };
  EXPECT_THROW(reconstruireFichierRefGen(df, perdre), platform::FileError);
  EXPECT_EQ(dir.read("ref.gen"), "vieux#index\r\n");
}

TEST(RefGen, BehindTheSheetsByDateOrByCount) {
  using std::chrono::hours;
  struct Cas {
    const char* nom;
    const char* index;  // nullptr: no index file
    int ageFicheB;      // hours from the index's date
    bool enRetard;
    std::string referenceB = "reference=B\r\n";
  } cas[] = {
      {"one line per sheet, sheets older", "A#c#t#x##\r\nB#c#t#y#a#i.jpg\r\n", -1, false},
      {"same date", "A#c#t#x##\r\nB#c#t#y##\r\n", 0, false},
      {"a sheet written after the index", "A#c#t#x##\r\nB#c#t#y##\r\n", 1, true},
      {"a sheet without its line", "A#c#t#x##\r\n", -1, true},
      {"a line of a sheet deleted since", "A#c#t#x##\r\nB#c#t#y##\r\nC#c#t#z##\r\n", -1, true},
      {"as many lines as sheets, one of them gone", "A#c#t#x##\r\nC#c#t#z##\r\n", -1, true},
      {"lines naming their sheets in another case", " a #c#t#x##\r\nb#c#t#y##\r\n", -1, false},
      // B.ref holds reference=X: a rebuild writes that line again, so it asks for no rebuild.
      {"a sheet whose reference is not its name", "A#c#t#x##\r\nX#c#t#y##\r\n", -1, false,
       "reference=X\r\n"},
      {"lines without # are no entries", "A#c#t#x##\r\nvide\r\n", -1, true},
      {"a # in a title is one more field", "A#c#t#x##\r\nB#c#t#n#1##\r\n", -1, false},
      // Damaged lines count as missing: the start-up rebuilds the index from the sheets.
      {"garbage lines holding a #", "\x01#\xFF\x02\r\nA#x\r\n#####\r\n", -1, true},
      {"no index", nullptr, -1, true},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    TempFolder t;
    t.write("A.ref", "reference=A\r\n");
    t.write("B.ref", c.referenceB);
    if (c.index) t.write("ref.gen", c.index);
    const auto date = std::filesystem::file_time_type::clock::now();
    if (c.index) std::filesystem::last_write_time(t / "ref.gen", date);
    std::filesystem::last_write_time(t / "A.ref", date - hours(2));
    std::filesystem::last_write_time(t / "B.ref", date + hours(c.ageFicheB));
    EXPECT_EQ(refGenEnRetard(DataFolder(t.path())), c.enRetard);
  }
  TempFolder vide;
  EXPECT_FALSE(refGenEnRetard(DataFolder(vide.path())));
  // An index too damaged to be read at all is rebuilt too.
  TempFolder t;
  t.write("A.ref", "reference=A\r\n");
  t.write("ref.gen", "A#c#t#" + std::string(platform::kMaxLineBytes, 'x') + "##\r\n");
  std::filesystem::last_write_time(t / "A.ref", std::filesystem::last_write_time(t / "ref.gen") -
                                                     std::chrono::hours(1));
  EXPECT_TRUE(refGenEnRetard(DataFolder(t.path())));
}
