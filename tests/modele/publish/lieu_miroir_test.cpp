// The place the mirror was sent to: when two places are one, and a record of the older form.

#include "modele/publish/empreintes_miroir.h"

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
