// The place the mirror was sent to: when two places are one, and a record of the older form.

#include "modele/publish/empreintes_miroir.h"

#include "modele/publish/lieux_miroir.h"
#include "modele/publish/noms_entames.h"
#include "modele/publish/parametres_ftp.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

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

// Cuts a change after its n-th file operation, the link of each rename counted as one (a kill
// there leaves the file under both names); `compte` tells how many there were.
struct Couteau {
  explicit Couteau(int n) : n(n) { platform::betweenLinkAndUnlink = &coup; }
  ~Couteau() { platform::betweenLinkAndUnlink = nullptr; }
  int n, compte = 0;
  std::function<void()> coup = [this] {
    if (++compte == n) throw Coupure{};
  };
};

// A change from the mirror of one account to that of another set aside before, or to a new one,
// cut at each of its file operations, then the shop published to each account in turn: a place
// recorded always holds its own copies and records, never another's, and every place's mirror
// comes back whole, the pages that left it (redir.soc) with it.
TEST(LieuMiroir, AChangeOfPlaceCutAnywhereNeverCountsACopyAtAnotherPlace) {
  const LieuMiroir a{"ftp.boutik.example", "21", "marchand", ""};
  const LieuMiroir b{"ftp.boutik.example", "21", "autre", ""};
  const LieuMiroir c{"ftp.boutik.example", "21", "troisieme", ""};
  const char* pieces[] = {"transfert/page.htm", "tmp/transfert.emp", "tmp/transfert.entames", "redir.soc"};
  // What each place's mirror holds, piece by piece ("" for none).
  auto contenu = [](const LieuMiroir& l) -> std::vector<std::string> {
    if (l.user == "marchand") return {"A", "a.htm=1\r\n", "a.htm\r\n", "a-parti.htm\r\n"};
    if (l.user == "autre") return {"B", "b.htm=2\r\n", "", "b-parti.htm\r\n"};
    return {"", "", "", ""};
  };
  auto preparer = [&](const testing_support::TempFolder& d) {
    d.write("tmp/transfert.lieu", "host=ftp.boutik.example\r\nport=21\r\nuser=marchand\r\nrep=\r\n");
    d.write("tmp/lieux/1/lieu", "host=ftp.boutik.example\r\nport=21\r\nuser=autre\r\nrep=\r\n");
    for (size_t i = 0; i < std::size(pieces); ++i) {
      if (!contenu(a)[i].empty()) d.write(pieces[i], contenu(a)[i]);
      const std::string aCote = i == 0 ? "transfert/page.htm" : std::filesystem::path(pieces[i]).filename().string();
      if (!contenu(b)[i].empty()) d.write("tmp/lieux/1/" + aCote, contenu(b)[i]);
    }
  };
  auto verifier = [&](const testing_support::TempFolder& d, const platform::DataFolder& dossier) {
    const auto lieu = lireLieuMiroir(dossier);
    if (!lieu) return;  // a mirror of no place counts nothing as on any server
    std::vector<std::string> tenu;
    for (const char* piece : pieces) tenu.push_back(d.exists(piece) ? d.read(piece) : "");
    EXPECT_EQ(tenu, contenu(*lieu)) << lieu->user;
  };
  // The data folder copied after the cut by a tool that keeps no links: two files of one content.
  auto sansLiens = [](const std::filesystem::path& dossier) {
    for (const auto& f : std::filesystem::recursive_directory_iterator(dossier))
      if (f.is_regular_file() && f.hard_link_count() > 1) {
        const std::string octets = platform::readFile(f.path());
        std::filesystem::remove(f.path());
        platform::writeFileAtomic(f.path(), octets);
      }
  };
  for (const auto& [cible, copie] : {std::pair{b, false}, {c, false}, {b, true}}) {
    int operations = 0;
    for (int n = 0; n == 0 || n <= operations; ++n) {
      SCOPED_TRACE("to " + cible.user + (copie ? ", copied" : "") + ", cut after operation " +
                   std::to_string(n));
      testing_support::TempFolder d;
      const platform::DataFolder dossier(d.path());
      preparer(d);
      {
        Couteau couteau(n);
        try {
          prendreMiroirDe(dossier, cible, couteau.coup);
        } catch (const Coupure&) {
        }
        if (n == 0) operations = couteau.compte;
      }
      if (copie) sansLiens(d.path());
      platform::makeFolder(dossier.path("transfert"));  // as the program's start does
      verifier(d, dossier);
      for (const LieuMiroir& lieu : {cible, a, b, a}) {
        prendreMiroirDe(dossier, lieu);
        ASSERT_TRUE(lireLieuMiroir(dossier) && memeLieu(*lireLieuMiroir(dossier), lieu));
        verifier(d, dossier);
      }
    }
    EXPECT_GT(operations, 5);
  }
}

// An older version's mirror, of no place, is taken by the upload for its place: a copy set aside
// for that place before is older than it and never comes back at a later change.
TEST(LieuMiroir, AnOlderMirrorTakenForAPlaceOutlivesItsCopyAside) {
  const LieuMiroir a{"ftp.boutik.example", "21", "marchand", ""};
  const LieuMiroir b{"ftp.boutik.example", "21", "autre", ""};
  testing_support::TempFolder d;
  const platform::DataFolder dossier(d.path());
  d.write("transfert/page.htm", "neuve");
  d.write("tmp/lieux/1/lieu", "host=ftp.boutik.example\r\nport=21\r\nuser=marchand\r\nrep=\r\n");
  d.write("tmp/lieux/1/transfert/page.htm", "ancienne");
  prendreMiroirDe(dossier, a);
  noterLieuMiroir(dossier, a);  // as the upload does
  prendreMiroirDe(dossier, b);
  prendreMiroirDe(dossier, a);
  EXPECT_EQ(d.read("transfert/page.htm"), "neuve");
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
