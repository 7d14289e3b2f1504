#include "publish/parametres_ftp.h"

#include "atelier_publication.h"
#include "publish/Unit3.h"
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

TEST(Brouilleur, KnownBytesAndWhichBytesAreWalked) {
  struct Cas {
    const char* nom;
    std::string clair;
    std::string attendu;
  } cas[] = {
      // "host=" starts every account file the same way.
      {"host line", "host=", octets({0xB9, 0xB3, 0xCA, 0xC2, 0x8F})},
      // The ninth byte takes the first key byte again: 'a' + 'Q'.
      {"ninth byte", "aaaaaaaaa", octets({0xB2, 0xA5, 0xB8, 0xAF, 0xB3, 0xA7, 0xB9, 0xB1, 0xB2})},
      // Byte sums wrap modulo 256.
      {"wrap", octets({0xFF}), octets({0x50})},
      {"empty", "", ""},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    EXPECT_EQ(crypter(c.clair), c.attendu);
    EXPECT_EQ(decrypter(c.attendu), c.clair);
  }
}

TEST(Brouilleur, OnlyTheLengthModulo256IsScrambled) {
  const std::string l256(256, 'x');
  EXPECT_EQ(crypter(l256), l256);
  const std::string l300(300, 'x');
  const std::string c300 = crypter(l300);
  ASSERT_EQ(c300.size(), 300u);
  for (size_t j = 0; j < 44; ++j) EXPECT_NE(c300[j], 'x') << j;
  EXPECT_EQ(c300.substr(44), l300.substr(44));
  EXPECT_EQ(decrypter(c300), l300);
}

TEST(Brouilleur, PrintableAsciiRoundTripsWithoutLineBreaks) {
  std::string tous;
  for (int b = 32; b < 127; ++b) tous += static_cast<char>(b);
  for (size_t debut = 0; debut < 8; ++debut) {
    std::string ligne = "pass=" + tous.substr(debut);
    std::string crypte = crypter(ligne);
    EXPECT_EQ(crypte.size(), ligne.size());
    EXPECT_EQ(crypte.find_first_of(std::string("\r\n\0", 3)), std::string::npos);
    EXPECT_EQ(decrypter(crypte), ligne);
  }
}

TEST(Brouilleur, HolderWindowKeepsTheSharedTexts) {
  test::Atelier a(false);
  auto& p = a.demarrer();
  auto& f = p.Form3();
  f.chaineSource = "user=moi";
  f.p_crypter();
  EXPECT_EQ(f.chaineCryptee, crypter("user=moi"));
  f.chaineSource = f.chaineCryptee;
  f.p_decrypter();
  EXPECT_EQ(f.chaineDecryptee, "user=moi");
}

TEST(ParametresFtp, SavedFileIsFiveScrambledLinesReadableByItsOwnerOnly) {
  TempFolder d;
  platform::DataFolder dossier(d.path());
  TParametresFTP p{" ftp.exemple.fr", "2121", "moi", "s3cr et", "www/"};
  sauverParametresFTP(dossier, p);
  std::string attendu;
  for (const char* l : {"host= ftp.exemple.fr", "port=2121", "user=moi", "pass=s3cr et", "rep=www/"})
    attendu += crypter(l) + "\r\n";
  EXPECT_EQ(platform::readFile(d.path() / "var.opt"), attendu);
  auto droits = std::filesystem::status(d.path() / "var.opt").permissions();
  EXPECT_EQ(droits & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

  TParametresFTP relu;
  relu.port = "";
  chargerParametresFTP(dossier, relu);
  EXPECT_EQ(relu.host, p.host);  // values as typed, blanks kept
  EXPECT_EQ(relu.port, "2121");
  EXPECT_EQ(relu.pass, "s3cr et");
  EXPECT_EQ(relu.rep, "www/");
}

TEST(ParametresFtp, LoadKeepsFieldsWhoseValueIsEmptyOrMissingAndIgnoresKeyCase) {
  TempFolder d;
  platform::DataFolder dossier(d.path());
  platform::LineList lignes;
  for (const char* l : {"HOST=premier", "host=second", "User=", "rep=site/"}) lignes.add(crypter(l));
  lignes.save(d.path() / "var.opt");
  TParametresFTP p{"ancien", "21", "garde", "mdp", "x/"};
  chargerParametresFTP(dossier, p);
  EXPECT_EQ(p.host, "premier");
  EXPECT_EQ(p.port, "21");
  EXPECT_EQ(p.user, "garde");
  EXPECT_EQ(p.pass, "mdp");
  EXPECT_EQ(p.rep, "site/");

  TempFolder vide;
  TParametresFTP inchange{"h", "99", "u", "p", "r"};
  chargerParametresFTP(platform::DataFolder(vide.path()), inchange);
  EXPECT_EQ(inchange.port, "99");
}

TEST(ParametresFtp, FieldThatWouldScrambleIntoALineBreakIsRefusedAndOldFileKept) {
  TempFolder d;
  platform::DataFolder dossier(d.path());
  sauverParametresFTP(dossier, {"h", "21", "u", "ancien", "r/"});
  const std::string avant = platform::readFile(d.path() / "var.opt");
  // "Ç" (0xC7) at byte 5 meets the key byte 'F': 0xC7 + 0x46 wraps to CR.
  try {
    sauverParametresFTP(dossier, {"h", "21", "u", "\xC7" "a", "r/"});
    FAIL() << "no refusal";
  } catch (const platform::FileError& e) {
    std::string message = e.what();
    EXPECT_NE(message.find("Mot de passe"), std::string::npos) << message;
    EXPECT_EQ(message.find("\xC7" "a"), std::string::npos) << "the password is shown";
  }
  EXPECT_EQ(platform::readFile(d.path() / "var.opt"), avant);
}

TEST(ParametresFtp, MigrationOfTheOldPlainFile) {
  struct Cas {
    const char* nom;
    const char* ancien;         // content of ftp.opt
    bool varOptAvant;
    bool ftpOptApres;
    std::string varOptApres;    // "" = unchanged
    bool erreur;
  };
  const std::string varAvant = crypter("host=avant") + "\r\n";
  Cas cas[] = {
      {"one host line", "host=ftp.vieux.fr\r\n", false, false, crypter("host=ftp.vieux.fr") + "\r\n", false},
      {"replaces var.opt", "host=a\r\nuser=b\r\n", true, false,
       crypter("host=a") + "\r\n" + crypter("user=b") + "\r\n", false},
      {"empty file left", "", true, true, "", false},
      {"unstorable field", "host=a\r\npass=\xC7" "a\r\n", true, true, "", true},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    TempFolder d;
    platform::DataFolder dossier(d.path());
    platform::writeFileAtomic(d.path() / "ftp.opt", c.ancien);
    if (c.varOptAvant) platform::writeFileAtomic(d.path() / "var.opt", varAvant);
    auto erreur = migrerAncienFichierFTP(dossier);
    EXPECT_EQ(erreur.has_value(), c.erreur);
    EXPECT_EQ(std::filesystem::exists(d.path() / "ftp.opt"), c.ftpOptApres);
    std::string attendu = c.varOptApres.empty() ? (c.varOptAvant ? varAvant : "") : c.varOptApres;
    if (!attendu.empty()) {
      EXPECT_EQ(platform::readFile(d.path() / "var.opt"), attendu);
    }
  }
}

}  // namespace
}  // namespace publish
