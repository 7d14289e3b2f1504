// The names of a folder are listed once: later questions, including case-blind ones for missing
// names, are answered from what the program wrote, renamed and deleted since, and a folder changed
// by another program is listed again.

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/files.h"
#include "platform/text.h"
#include "support/temp_folder.h"

using testing_support::TempFolder;
using Names = std::vector<std::string>;

namespace {

struct Listings {
  std::map<std::string, int> counts;
  Listings() { platform::folderListings = &counts; }
  ~Listings() { platform::folderListings = nullptr; }
  int of(const TempFolder& dir) { return counts[dir.path().string()]; }
};

}  // namespace

TEST(NameIndex, StaysTrueThroughTheProgramsOwnWritesRenamesAndRemovals) {
  TempFolder dir;
  dir.write("Alpha.ref", "a");
  Listings listings;
  EXPECT_EQ(platform::listFiles(dir.path(), "*.ref"), Names{"Alpha.ref"});

  struct Step {
    std::function<void()> act;
    Names files;             // listFiles(*.ref) afterwards
    std::string asked, got;  // resolvePath of `asked` gives the file name `got`
  };
  const std::vector<Step> steps = {
      {[&] { platform::writeFileAtomic(dir / "beta.ref", "b"); }, {"Alpha.ref", "beta.ref"},
       "BETA.REF", "beta.ref"},
      {[&] { EXPECT_TRUE(platform::renameFile(dir / "beta.ref", dir / "Gamma.ref")); },
       {"Alpha.ref", "Gamma.ref"}, "gamma.REF", "Gamma.ref"},
      // A change of letter case only.
      {[&] { EXPECT_TRUE(platform::renameFile(dir / "ALPHA.ref", dir / "alpha.REF")); },
       {"alpha.REF", "Gamma.ref"}, "Alpha.ref", "alpha.REF"},
      {[&] { EXPECT_TRUE(platform::removeFile(dir / "GAMMA.REF")); }, {"alpha.REF"}, "gamma.ref",
       "gamma.ref"},
      {[&] { EXPECT_TRUE(platform::copyFile(dir / "alpha.ref", dir / "Delta.ref", true)); },
       {"alpha.REF", "Delta.ref"}, "DELTA.ref", "Delta.ref"},
      {[&] { platform::writeGeneratedFile(dir / "Eta.ref", "e", true); },
       {"alpha.REF", "Delta.ref", "Eta.ref"}, "eta.ref", "Eta.ref"},
      {[&] { EXPECT_TRUE(platform::copyGeneratedFile(dir / "Eta.ref", dir / "Zeta.ref", false)); },
       {"alpha.REF", "Delta.ref", "Eta.ref", "Zeta.ref"}, "zeta.ref", "Zeta.ref"},
      {[&] { EXPECT_TRUE(platform::makeFolder(dir / "Sous" / "Bas")); },
       {"alpha.REF", "Delta.ref", "Eta.ref", "Zeta.ref"}, "sous", "Sous"},
  };
  for (size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(i);
    steps[i].act();
    EXPECT_EQ(platform::listFiles(dir.path(), "*.ref"), steps[i].files);
    EXPECT_EQ(platform::resolvePath(dir / steps[i].asked).filename(), steps[i].got);
    // Missing names cost no listing.
    EXPECT_FALSE(platform::fileExists(dir / ("absent" + std::to_string(i) + ".sup")));
  }
  EXPECT_EQ(platform::listFolders(dir.path()), Names{"Sous"});
  EXPECT_EQ(platform::listFolders(dir / "sous"), Names{"Bas"});
  EXPECT_EQ(platform::readFile(dir / "ZETA.REF"), "e");
  EXPECT_EQ(listings.of(dir), 1);
}

TEST(NameIndex, AFolderChangedByAnotherProgramIsListedAgain) {
  TempFolder dir;
  dir.write("a.ref", "a");
  Listings listings;
  EXPECT_FALSE(platform::fileExists(dir / "B.REF"));
  dir.write("b.ref", "b");  // not through the platform
  EXPECT_TRUE(platform::fileExists(dir / "B.REF"));
  EXPECT_EQ(platform::listFiles(dir.path(), "*.ref"), (Names{"a.ref", "b.ref"}));
  std::filesystem::remove(dir / "a.ref");
  EXPECT_EQ(platform::listFiles(dir.path(), "*.ref"), Names{"b.ref"});
  EXPECT_FALSE(platform::fileExists(dir / "A.REF"));
  EXPECT_EQ(listings.of(dir), 3);
}

TEST(NameIndex, TwoSpellingsOfOneNameResolveToTheFirstInByteOrder) {
  TempFolder dir;
  dir.write("photo.JPG", "1");
  dir.write("Photo.jpg", "2");
  EXPECT_EQ(platform::resolvePath(dir / "PHOTO.jpg").filename(), "Photo.jpg");
  EXPECT_TRUE(platform::removeFile(dir / "Photo.jpg"));
  EXPECT_EQ(platform::resolvePath(dir / "PHOTO.jpg").filename(), "photo.JPG");
  EXPECT_EQ(platform::listFiles(dir.path()), Names{"photo.JPG"});
}

TEST(NameIndex, FoldersMadeWithTheirParentsAreKnownToTheirParents) {
  TempFolder dir;
  EXPECT_TRUE(platform::listFolders(dir.path()).empty());
  EXPECT_TRUE(platform::makeFolder(dir / "Un/Deux/"));
  EXPECT_TRUE(platform::makeFolder(dir / "un/TROIS"));  // an existing parent in another case
  EXPECT_EQ(platform::listFolders(dir.path()), Names{"Un"});
  EXPECT_EQ(platform::listFolders(dir / "UN"), (Names{"Deux", "TROIS"}));
  EXPECT_TRUE(platform::folderExists(dir / "un/deux"));
}

TEST(NameIndex, ThreadsWritingIntoOneFolderLeaveItListedOnceAndKnown) {
  // The build writes its site from several threads: none may take another's write for a change
  // made by someone else (a listing of the whole folder each time), nor miss a name.
  TempFolder dir;
  Listings listings;
  platform::writeFileAtomic(dir / "depart.htm", "0");
  EXPECT_TRUE(platform::fileExists(dir / "DEPART.HTM"));
  constexpr int kFils = 6, kFichiers = 150;
  std::vector<std::thread> fils;
  for (int f = 0; f < kFils; ++f)
    fils.emplace_back([&dir, f] {
      for (int i = 0; i < kFichiers; ++i) {
        const std::string nom = "p" + std::to_string(f) + "-" + std::to_string(i) + ".htm";
        if (i % 3 == 0)
          EXPECT_TRUE(platform::linkGeneratedFile(dir / "depart.htm", dir / nom));
        else
          platform::writeGeneratedFile(dir / nom, nom, i % 3 == 1);
        EXPECT_FALSE(platform::fileExists(dir / ("absent" + nom)));
        EXPECT_TRUE(platform::fileExists(dir / platform::upperText(nom)));
      }
    });
  for (std::thread& fil : fils) fil.join();
  EXPECT_EQ(platform::listFiles(dir.path(), "p*.htm").size(), size_t{kFils * kFichiers});
  EXPECT_EQ(listings.of(dir), 1);
}

TEST(NameIndex, ASheetThatIsALinkInsideTheFolderIsListedAndFoundByAnyCase) {
  TempFolder dir;
  dir.write("archives/livre.txt", "reference=Livre\r\n");
  dir.write("Autre.ref", "reference=Autre\r\n");
  std::filesystem::create_symlink("archives/livre.txt", dir / "Livre.ref");
  EXPECT_EQ(platform::listFiles(dir.path(), "*.ref"), (Names{"Autre.ref", "Livre.ref"}));
  EXPECT_EQ(platform::resolvePath(dir / "LIVRE.REF"), dir / "Livre.ref");
  EXPECT_TRUE(platform::fileExists(dir / "livre.ref"));
  const platform::DataFolder data(dir.path());
  EXPECT_EQ(platform::readFile(data.path("livre.REF")), "reference=Livre\r\n");
}
