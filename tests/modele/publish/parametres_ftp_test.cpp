#include "modele/publish/parametres_ftp.h"

#include "modele/publish/brouillage.h"
#include "support/renommages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace publish {
namespace {

using testing_support::TempFolder;

std::string octets(std::initializer_list<int> valeurs) {
  std::string s;
  for (int v : valeurs) s += static_cast<char>(v);
  return s;
}

TEST(Brouilleur, KnownBytesAndOnlyTheLengthModulo256IsWalked) {
  struct Cas {
    const char* nom;
    std::string clair, attendu;
  } cas[] = {
      {"host line", "host=", octets({0xB9, 0xB3, 0xCA, 0xC2, 0x8F})},
      {"ninth byte takes the first key byte again", "aaaaaaaaa",
       octets({0xB2, 0xA5, 0xB8, 0xAF, 0xB3, 0xA7, 0xB9, 0xB1, 0xB2})},
      {"sums wrap", octets({0xFF}), octets({0x50})},
      {"256 bytes stay as they are", std::string(256, 'x'), std::string(256, 'x')},
      {"300 bytes: the first 44 only", std::string(300, 'x'),
       crypter(std::string(44, 'x')) + std::string(256, 'x')},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    EXPECT_EQ(crypter(c.clair), c.attendu);
    EXPECT_EQ(decrypter(c.attendu), c.clair);
  }
  EXPECT_NE(crypter(std::string(44, 'x')), std::string(44, 'x'));
}

TEST(ParametresFtp, SavedBytesLoadRulesAndUnstorableField) {
  TempFolder d;
  platform::DataFolder dossier(d.path());
  {
    // Owner-only from the temporary file on: a kill before the rename leaves no readable copy.
    testing_support::Renommages renommages;
    sauverParametresFTP(dossier, {" ftp.exemple.fr", "2121", "moi", "s3cr et", "www/"});
    ASSERT_EQ(renommages.liste().size(), 1u);
    EXPECT_EQ(renommages.liste()[0].vers, "var.opt");
    EXPECT_EQ(renommages.liste()[0].permissions, 0600u);
  }
  std::string attendu;
  for (const char* l : {"host= ftp.exemple.fr", "port=2121", "user=moi", "pass=s3cr et", "rep=www/"})
    attendu += crypter(l) + "\r\n";
  const auto fichier = d.path() / "var.opt";
  EXPECT_EQ(platform::readFile(fichier), attendu);
  EXPECT_EQ(std::filesystem::status(fichier).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

  // "Ç" at byte 5 meets the key byte 'F': 0xC7 + 0x46 wraps to CR, which would split the line.
  try {
    sauverParametresFTP(dossier, {"h", "21", "u", "\xC7" "a", "r/"});
    ADD_FAILURE() << "no refusal";
  } catch (const platform::FileError& e) {
    EXPECT_NE(std::string(e.what()).find("Mot de passe"), std::string::npos) << e.what();
    EXPECT_EQ(std::string(e.what()).find("\xC7" "a"), std::string::npos) << "password shown";
  }
  EXPECT_EQ(platform::readFile(fichier), attendu);

  // Names ignore case and the first line wins; an empty value is the one saved, a missing one
  // keeps the field.
  platform::LineList lignes;
  for (const char* l : {"HOST=premier", "host=second", "User=", "rep=site/"}) lignes.add(crypter(l));
  lignes.save(fichier);
  TParametresFTP p{"ancien", "21", "garde", "mdp", "x/"};
  chargerParametresFTP(dossier, p);
  EXPECT_EQ(p.host, "premier");
  EXPECT_EQ(p.user, "");
  EXPECT_EQ(p.pass, "mdp");
  EXPECT_EQ(p.rep, "site/");
}

TEST(ParametresFtp, MigrationOfTheOldPlainFile) {
  const std::string varAvant = crypter("host=avant") + "\r\n";
  struct Cas {
    const char* nom;
    const char* ancien;
    bool ftpOptGarde;
    std::string varOpt;
    bool erreur;
  } cas[] = {
      {"host line only, replacing var.opt", "host=ftp.vieux.fr\r\n", false,
       crypter("host=ftp.vieux.fr") + "\r\n", false},
      {"empty file left alone", "", true, varAvant, false},
      {"unstorable field: nothing written", "host=a\r\npass=\xC7" "a\r\n", true, varAvant, true},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    TempFolder d;
    platform::writeFileAtomic(d.path() / "ftp.opt", c.ancien);
    platform::writeFileAtomic(d.path() / "var.opt", varAvant);
    testing_support::Renommages renommages;
    EXPECT_EQ(migrerAncienFichierFTP(platform::DataFolder(d.path())).has_value(), c.erreur);
    for (const auto& r : renommages.liste()) EXPECT_EQ(r.permissions, 0600u) << r.vers;
    EXPECT_EQ(std::filesystem::exists(d.path() / "ftp.opt"), c.ftpOptGarde);
    EXPECT_EQ(platform::readFile(d.path() / "var.opt"), c.varOpt);
  }
}

}  // namespace
}  // namespace publish
