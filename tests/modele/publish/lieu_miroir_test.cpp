// The place the mirror was sent to: when two places are one, and a record of the older form.

#include "modele/publish/empreintes_miroir.h"

#include "modele/publish/lieux_miroir.h"
#include "modele/publish/noms_entames.h"
#include "modele/publish/parametres_ftp.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

TEST(LieuMiroir, ServerPortLoginAndFolderMakeThePlace) {
  const LieuMiroir lieu{"ftp.boutik.example", "21", "marchand", "www/"};
  struct Cas {
    const char* nom;
    LieuMiroir autre;
    bool meme;
  } cas[] = {
      {"written otherwise", {" FTP.Boutik.example ", " 021", "marchand", " www "}, true},
      {"another port", {"ftp.boutik.example", "2121", "marchand", "www/"}, false},
      {"no port, the usual one", {"ftp.boutik.example", "", "marchand", "www/"}, true},
      {"another login", {"ftp.boutik.example", "21", "autre", "www/"}, false},
      {"the login's case", {"ftp.boutik.example", "21", "Marchand", "www/"}, false},
      {"another folder", {"ftp.boutik.example", "21", "marchand", "www/demo/"}, false},
      {"another server", {"ftp.autre.example", "21", "marchand", "www/"}, false},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    EXPECT_EQ(memeLieu(lieu, c.autre), c.meme);
  }
}

// Host and folder only: the port and login are those of the account saved; written back whole.
TEST(LieuMiroir, ARecordOfTheOlderFormTakesTheSavedAccount) {
  testing_support::TempFolder d;
  const platform::DataFolder dossier(d.path());
  d.write("tmp/transfert.lieu", "host=ftp.boutik.example\r\nrep=www/\r\n");
  sauverParametresFTP(dossier, {"ftp.boutik.example", "2121", "marchand", "secret", "autre/"});
  const auto lieu = lireLieuMiroir(dossier);
  ASSERT_TRUE(lieu);
  EXPECT_TRUE(lieu->formeAncienne);
  EXPECT_TRUE(memeLieu(*lieu, {"ftp.boutik.example", "2121", "marchand", "www/"}));
  noterLieuMiroir(dossier, *lieu);
  EXPECT_EQ(d.read("tmp/transfert.lieu"),
            "host=ftp.boutik.example\r\nport=2121\r\nuser=marchand\r\nrep=www/\r\n");
  EXPECT_FALSE(lireLieuMiroir(dossier)->formeAncienne);
}

struct Coupure {};  // the program killed: nothing after it runs

// A change from the mirror of one account to that of another, set aside before, cut at each of
// its file operations, then made again: a place recorded always has its own copy and records in
// the mirror, and the change ends with the other account's, or with a mirror of no place.
TEST(LieuMiroir, AChangeOfPlaceCutAnywhereNeverCountsACopyAtAnotherPlace) {
  const LieuMiroir a{"ftp.boutik.example", "21", "marchand", ""};
  const LieuMiroir b{"ftp.boutik.example", "21", "autre", ""};
  auto preparer = [](const testing_support::TempFolder& d) {
    d.write("tmp/transfert.lieu", "host=ftp.boutik.example\r\nport=21\r\nuser=marchand\r\nrep=\r\n");
    d.write("transfert/page.htm", "A");
    d.write("tmp/transfert.entames", "a.htm\r\n");
    d.write("tmp/lieux/1/lieu", "host=ftp.boutik.example\r\nport=21\r\nuser=autre\r\nrep=\r\n");
    d.write("tmp/lieux/1/transfert/page.htm", "B");
  };
  auto verifier = [&](const testing_support::TempFolder& d, const platform::DataFolder& dossier) {
    const auto lieu = lireLieuMiroir(dossier);
    if (!lieu) return;  // a mirror of no place counts nothing as on any server
    const bool deA = memeLieu(*lieu, a);
    EXPECT_TRUE(deA || memeLieu(*lieu, b));
    EXPECT_EQ(d.read("transfert/page.htm"), deA ? "A" : "B");
    EXPECT_EQ(d.exists("tmp/transfert.entames"), deA);
  };
  int operations = 0;
  {
    testing_support::TempFolder d;
    const platform::DataFolder dossier(d.path());
    preparer(d);
    prendreMiroirDe(dossier, b, [&] { ++operations; });
    verifier(d, dossier);
    EXPECT_TRUE(memeLieu(*lireLieuMiroir(dossier), b));
    prendreMiroirDe(dossier, a);
    EXPECT_EQ(d.read("transfert/page.htm"), "A");
    EXPECT_EQ(d.read("tmp/transfert.entames"), "a.htm\r\n");
  }
  ASSERT_GT(operations, 5);
  for (int n = 1; n <= operations; ++n) {
    SCOPED_TRACE("cut after operation " + std::to_string(n));
    testing_support::TempFolder d;
    const platform::DataFolder dossier(d.path());
    preparer(d);
    int compte = 0;
    EXPECT_THROW(prendreMiroirDe(dossier, b, [&] { if (++compte == n) throw Coupure{}; }), Coupure);
    platform::makeFolder(dossier.path("transfert"));  // as the program's start does
    verifier(d, dossier);
    prendreMiroirDe(dossier, b);
    verifier(d, dossier);
  }
}


// A change between two places cut anywhere loses, at most, the mirror it was moving: the mirror of
// a third place, set aside whole before, comes back whole when the shop is published there.
TEST(LieuMiroir, AChangeCutShortLeavesTheMirrorOfAThirdPlaceWhole) {
  const LieuMiroir b{"ftp.boutik.example", "21", "autre", ""};
  const LieuMiroir c{"ftp.boutik.example", "21", "troisieme", ""};
  int operations = 0;
  for (int n = 0; n == 0 || n <= operations; ++n) {
    SCOPED_TRACE("cut after operation " + std::to_string(n));
    testing_support::TempFolder d;
    const platform::DataFolder dossier(d.path());
    d.write("tmp/transfert.lieu", "host=ftp.boutik.example\r\nport=21\r\nuser=marchand\r\nrep=\r\n");
    d.write("transfert/page.htm", "A");
    d.write("tmp/lieux/1/lieu", "host=ftp.boutik.example\r\nport=21\r\nuser=autre\r\nrep=\r\n");
    d.write("tmp/lieux/1/transfert/page.htm", "B");
    d.write("tmp/lieux/1/transfert.entames", "b.htm\r\n");
    int compte = 0;
    try {
      prendreMiroirDe(dossier, c, [&] {
        ++compte;
        if (n == 0) ++operations;
        if (compte == n) throw Coupure{};
      });
    } catch (const Coupure&) {
    }
    platform::makeFolder(dossier.path("transfert"));  // as the program's start does
    prendreMiroirDe(dossier, b);
    EXPECT_TRUE(memeLieu(*lireLieuMiroir(dossier), b));
    EXPECT_EQ(d.exists("transfert/page.htm") ? d.read("transfert/page.htm") : "", "B");
    EXPECT_EQ(d.exists("tmp/transfert.entames") ? d.read("tmp/transfert.entames") : "", "b.htm\r\n");
  }
}

// The names begun are synced to the disc when they change, never written again as they stand.
TEST(NomsEntames, SyncedOnlyWhenTheyChange) {
  testing_support::TempFolder d;
  const platform::DataFolder dossier(d.path());
  int syncs = 0;
  platform::discSyncs = &syncs;
  for (const NomsEntames& noms : {NomsEntames{"a.htm", "b.htm"}, {"b.htm", "a.htm"}, {"a.htm"}})
    sauverNomsEntames(dossier, noms);
  platform::discSyncs = nullptr;
  EXPECT_EQ(syncs, 2);
  EXPECT_EQ(lireNomsEntames(dossier), NomsEntames{"a.htm"});
}

}  // namespace
}  // namespace publish
