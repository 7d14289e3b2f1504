#include "platform/files.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <functional>

#include "platform/lines.h"
#include "support/temp_folder.h"

using namespace platform;
using testing_support::TempFolder;

TEST(Files, AtomicSaveReplacesWholeAndAFailedWriteLeavesTheOldFile) {
  TempFolder dir;
  dir.write("ref.gen", "ancien\r\n");
  writeFileAtomic(dir / "ref.gen", "nouveau\r\n");
  EXPECT_EQ(dir.read("ref.gen"), "nouveau\r\n");

  // The temporary file cannot be created: beside a name near the longest allowed, or under a
  // file taken for a folder. Unlike a read-only folder, root gets the same refusal.
  const std::string longue(250, 'n');
  dir.write(longue, "ancien");
  EXPECT_THROW(writeFileAtomic(dir / longue, "perdu"), FileError);
  EXPECT_EQ(dir.read(longue), "ancien");
  std::filesystem::remove(dir / longue);
  EXPECT_THROW(writeFileAtomic(dir / "ref.gen" / "x", "perdu"), FileError);
  EXPECT_EQ(dir.read("ref.gen"), "nouveau\r\n");
  // A folder in place of the target: the rename fails and nothing is left behind.
  std::filesystem::create_directories(dir / "dossier" / "x");
  EXPECT_THROW(writeFileAtomic(dir / "dossier", "perdu"), FileError);
  EXPECT_EQ(listFiles(dir.path(), "*"), std::vector<std::string>{"ref.gen"});
}

// The new bytes are on the disc before they take the file's name, so a crash leaves the old file
// or the new one, never an empty one: the sync is counted even when the rename then fails.
TEST(Files, AnAtomicWriteReachesTheDiscBeforeItsRename) {
  struct Count {
    int syncs = 0;
    Count() { discSyncs = &syncs; }
    ~Count() { discSyncs = nullptr; }
  } count;
  TempFolder dir;
  writeFileAtomic(dir / "ref.gen", "nouveau\r\n");
  EXPECT_EQ(count.syncs, 1);
  EXPECT_TRUE(copyFile(dir / "ref.gen", dir / "copie.gen", false));
  EXPECT_EQ(count.syncs, 2);
  std::filesystem::create_directories(dir / "dossier" / "x");
  EXPECT_THROW(writeFileAtomic(dir / "dossier", "perdu"), FileError);
  EXPECT_EQ(count.syncs, 3);
}

TEST(Files, NamesAreFoundWithoutRegardToCaseAndWritesGoToTheExistingFile) {
  TempFolder dir;
  dir.write("Vignettes/P1.acc", "x");
  dir.write("catégorie.cto", "y");
  EXPECT_TRUE(fileExists(dir / "vignettes/p1.ACC"));
  EXPECT_TRUE(fileExists(dir / "CATÉGORIE.cto"));
  EXPECT_EQ(readFile(dir / "VIGNETTES/p1.acc"), "x");
  writeFileAtomic(dir / "vignettes/p1.acc", "z");
  EXPECT_EQ(dir.read("Vignettes/P1.acc"), "z");
  EXPECT_FALSE(dir.exists("vignettes"));
  EXPECT_TRUE(removeFile(dir / "VIGNETTES/P1.ACC"));
  EXPECT_FALSE(dir.exists("Vignettes/P1.acc"));
  EXPECT_FALSE(removeFile(dir / "absent"));
}

TEST(Files, MasksIgnoreCaseAndListingIsOrderedByUpperCasedBytes) {
  TempFolder dir;
  for (const char* name : {"b.REF", "a.ref", "C.ref", "x.txt", "photo.JPG", "p.jpeg", "logoimg.gif",
                           "logo.gif", "_u.ref"})
    dir.write(name, "");
  std::filesystem::create_directories(dir / "d.ref");
  EXPECT_EQ(listFiles(dir.path(), "*.ref"), (std::vector<std::string>{"a.ref", "b.REF", "C.ref", "_u.ref"}));
  EXPECT_EQ(listFiles(dir.path(), "*.jpg;*.jpeg;*img.gif;"),
            (std::vector<std::string>{"logoimg.gif", "p.jpeg", "photo.JPG"}));
  EXPECT_TRUE(matchesMask("STOCK2.EXE", "stock*.exe"));
  EXPECT_TRUE(matchesMask("a", "*.*"));
  EXPECT_FALSE(matchesMask("a.ref.bak", "*.ref"));
  EXPECT_TRUE(listFiles(dir / "absent", "*").empty());
}

TEST(Files, RenameNeverReplacesAnExistingFile) {
  TempFolder dir;
  dir.write("a.ref", "A");
  dir.write("B.ref", "B");
  EXPECT_FALSE(renameFile(dir / "a.ref", dir / "B.ref"));
  EXPECT_FALSE(renameFile(dir / "a.ref", dir / "b.REF"));
  EXPECT_EQ(dir.read("B.ref"), "B");
  EXPECT_TRUE(renameFile(dir / "a.ref", dir / "c.ref"));
  EXPECT_EQ(dir.read("c.ref"), "A");
  EXPECT_FALSE(dir.exists("a.ref"));
  // A change of letter case of the same file is a rename, not a replacement.
  EXPECT_TRUE(renameFile(dir / "c.ref", dir / "C.REF"));
  EXPECT_EQ(dir.read("C.REF"), "A");
  EXPECT_FALSE(renameFile(dir / "absent", dir / "z"));
}

TEST(Files, CopyWithOrWithoutReplacing) {
  TempFolder dir;
  dir.write("src.jpg", "neuf");
  dir.write("dst.jpg", "vieux");
  EXPECT_FALSE(copyFile(dir / "src.jpg", dir / "dst.jpg", true));
  EXPECT_EQ(dir.read("dst.jpg"), "vieux");
  EXPECT_TRUE(copyFile(dir / "src.jpg", dir / "DST.jpg", false));
  EXPECT_EQ(dir.read("dst.jpg"), "neuf");
  EXPECT_FALSE(copyFile(dir / "absent.jpg", dir / "x.jpg", false));
  EXPECT_FALSE(dir.exists("x.jpg"));
}

TEST(Files, WindowsNameRulesAndTheCreateTestNeverTouchAnExistingFile) {
  for (const char* bad : {"con", "CON.txt", "Prn", "aux.ref", "nul", "com1", "LPT9.x", "a<b", "a>b",
                          "a:b", "a\"b", "a/b", "a\\b", "a|b", "a?b", "a*b", "fin.", "fin ", "",
                          "tab\tx"})
    EXPECT_FALSE(isWindowsFileName(bad)) << bad;
  for (const char* good : {"console", "com10", "lpt0", "robe rouge", "été", "a.b.c", "CONS"})
    EXPECT_TRUE(isWindowsFileName(good)) << good;
  EXPECT_FALSE(isWindowsFileName(std::string(256, 'a')));

  TempFolder dir;
  dir.write("garde.ref", "contenu");
  EXPECT_TRUE(canCreateFile(dir.path(), "garde.ref"));
  EXPECT_EQ(dir.read("garde.ref"), "contenu");
  EXPECT_TRUE(canCreateFile(dir.path(), "nouveau.ref"));
  EXPECT_FALSE(dir.exists("nouveau.ref"));
  EXPECT_FALSE(canCreateFile(dir.path(), "con"));
}

TEST(Files, CanModifyAnExistingOrNewFileOnlyInAFolderThatIsThere) {
  TempFolder dir;
  dir.write("garde.ref", "contenu");
  EXPECT_TRUE(canModify(dir / "garde.ref"));
  EXPECT_TRUE(canModify(dir / "GARDE.REF"));
  EXPECT_TRUE(canModify(dir / "nouveau.ref"));
  EXPECT_TRUE(canModify(dir.path()));
  EXPECT_FALSE(canModify(dir / "absent/nouveau.ref"));
  EXPECT_EQ(dir.read("garde.ref"), "contenu");
}

TEST(Files, StoredNamesNeverLeaveTheDataFolder) {
  TempFolder dir;
  dir.write("Fonds/Ciel.JPG", "c");
  DataFolder data(dir.path());
  EXPECT_EQ(data.path("fonds\\ciel.jpg"), dir / "Fonds/Ciel.JPG");
  EXPECT_TRUE(data.exists("FONDS/ciel.jpg"));
  EXPECT_THROW(data.path("..\\secret"), FileError);
  EXPECT_THROW(data.path("a/../../b"), FileError);
  EXPECT_THROW(data.path("/etc/passwd"), FileError);
  EXPECT_THROW(data.path("c:\\windows"), FileError);
  EXPECT_EQ(data.path("tmp/nouveau.txt"), dir / "tmp/nouveau.txt");
}

// A data folder received from elsewhere may hold links: those that lead out of it are refused,
// whatever their place on the path, and named; those that stay inside are followed.
TEST(Files, LinksLeadingOutOfTheDataFolderAreRefusedAndNamed) {
  TempFolder dehors, dir;
  dehors.write("secret.txt", "s");
  dir.write("site/index.htm", "i");
  dir.write("img/photo.jpg", "p");
  namespace fs = std::filesystem;
  fs::create_symlink(dehors.path(), dir / "ftp");
  fs::create_symlink(dehors / "secret.txt", dir / "img" / "vole.jpg");
  fs::create_symlink(dehors / "absent.txt", dir / "img" / "pendant.jpg");
  fs::create_symlink("vole.jpg", dir / "img" / "relais.jpg");
  fs::create_symlink("../..", dir / "img" / "haut");
  fs::create_symlink("site", dir / "tmp");
  fs::create_symlink("../img/photo.jpg", dir / "site" / "photo.jpg");
  fs::create_symlink(".", dir / "ici");
  const DataFolder data(dir.path());
  const struct {
    const char* nom;
    const char* lien;  // the link named, nullptr when the name is taken
  } cas[] = {
      {"ftp/secret.txt", "ftp"},
      {"FTP/nouveau.htm", "ftp"},
      {"img/vole.jpg", "img/vole.jpg"},
      {"img/pendant.jpg", "img/pendant.jpg"},
      {"img/relais.jpg", "img/relais.jpg"},
      {"img/haut/x", "img/haut"},
      {"tmp/index.htm", nullptr},
      {"tmp/nouveau.htm", nullptr},
      {"site/photo.jpg", nullptr},
      {"ici/img/photo.jpg", nullptr},
      {"img/photo.jpg", nullptr},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    if (!c.lien) {
      EXPECT_NO_THROW(data.path(c.nom));
      continue;
    }
    try {
      data.path(c.nom);
      ADD_FAILURE() << "taken";
    } catch (const FileError& e) {
      EXPECT_EQ(std::string(e.what()), "Le lien symbolique " + (dir / c.lien).string() +
                                           " mène hors du dossier de données " + dir.path().string());
    }
  }
  EXPECT_EQ(readFile(data.path("tmp/index.htm")), "i");
  EXPECT_EQ(readFile(data.path("site/photo.jpg")), "p");
}

TEST(Files, OwnTemporariesLeftByAKillAreRecognisedAndRemoved) {
  struct Cas {
    const char* nom;
    bool temporaire;
  } cas[] = {
      {".ref.gen.tmp123456", true},  {".P1.ref.tmp0", true},      {".page.htm.part42", true},
      {".tmp123", false},            {"ref.gen.tmp12", false},    {".ref.gen.tmp", false},
      {".ref.gen.tmpx12", false},    {"listeHTM.tmp", false},     {".cache", false},
      {".x.part", false},            {".vignette.htm.tmp2282_17", true}, {".a.tmp_1", false},
  };
  for (const auto& c : cas) EXPECT_EQ(platform::isOwnTemporary(c.nom), c.temporaire) << c.nom;

  testing_support::TempFolder t;
  for (const auto& c : cas) t.write(c.nom, "x");
  t.write(".a.tmp1/b", "x");  // a folder of that name is left alone
  EXPECT_EQ(platform::removeOwnTemporaries(t.path()), 4);
  for (const auto& c : cas) EXPECT_EQ(t.exists(c.nom), !c.temporaire) << c.nom;
}

// Generated files replace their old bytes whole, in place or through a temporary file, longer or
// shorter, written or copied.
TEST(GeneratedFiles, ReplaceTheOldBytesWhole) {
  TempFolder dir;
  dir.write("source", "court");
  for (bool inPlace : {true, false}) {
    SCOPED_TRACE(inPlace);
    dir.write("cible", "un contenu bien plus long");
    platform::writeGeneratedFile(dir / "cible", "abc", inPlace);
    EXPECT_EQ(dir.read("cible"), "abc");
    platform::writeGeneratedFile(dir / "cible", "abcdefgh", inPlace);
    EXPECT_EQ(dir.read("cible"), "abcdefgh");
    EXPECT_TRUE(platform::copyGeneratedFile(dir / "source", dir / "cible", inPlace));
    EXPECT_EQ(dir.read("cible"), "court");
    // Old bytes that begin with the new ones are not the same bytes.
    dir.write("cible", "courtes et longues");
    EXPECT_TRUE(platform::copyGeneratedFile(dir / "source", dir / "cible", inPlace));
    EXPECT_EQ(dir.read("cible"), "court");
    EXPECT_TRUE(platform::copyGeneratedFile(dir / "source", dir / "nouvelle", inPlace));
    EXPECT_EQ(dir.read("nouvelle"), "court");
    EXPECT_FALSE(platform::copyGeneratedFile(dir / "absente", dir / "autre", inPlace));
    EXPECT_FALSE(dir.exists("autre"));
    std::filesystem::remove(dir / "nouvelle");
  }
  EXPECT_EQ(platform::listFiles(dir.path()), (std::vector<std::string>{"cible", "source"}));
}

// A copy that already holds the source's bytes keeps its time (what the publication's records
// rest on); one of the same size but other bytes is replaced.
// The file in place may be another one a build set aside and took back, with the same bytes and
// its own time: the copy is not written again, yet it takes its source's time, so the
// publication's record of it (made by that time) stays true from one build to the next.
TEST(GeneratedFiles, ACopyOfTheSameBytesIsNotRewrittenAndTakesItsSourcesTime) {
  TempFolder dir;
  dir.write("source", "image 1");
  const auto heure = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
  std::filesystem::last_write_time(dir / "source", heure);
  const auto ancienne = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  auto inode = [&] {
    struct stat s {};
    ::stat((dir / "cible").c_str(), &s);
    return s.st_ino;
  };
  for (bool inPlace : {true, false}) {
    SCOPED_TRACE(inPlace);
    dir.write("cible", "image 1");
    std::filesystem::last_write_time(dir / "cible", ancienne);
    const auto avant = inode();
    EXPECT_TRUE(platform::copyGeneratedFile(dir / "source", dir / "cible", inPlace));
    EXPECT_EQ(inode(), avant);
    EXPECT_EQ(std::filesystem::last_write_time(dir / "cible"), heure);
    dir.write("cible", "image 2");
    std::filesystem::last_write_time(dir / "cible", ancienne);
    EXPECT_TRUE(platform::copyGeneratedFile(dir / "source", dir / "cible", inPlace));
    EXPECT_EQ(dir.read("cible"), "image 1");
    EXPECT_EQ(std::filesystem::last_write_time(dir / "cible"), heure);
  }
}

// A build sets its old files aside and copies its pictures again into new files: a copy takes its
// source's time, so an unchanged picture is described by the record the publication kept of it.
TEST(GeneratedFiles, ACopyTakesItsSourcesTime) {
  TempFolder dir;
  dir.write("source", "image 1");
  const auto heure = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
  std::filesystem::last_write_time(dir / "source", heure);
  for (bool inPlace : {true, false}) {
    SCOPED_TRACE(inPlace);
    platform::removeFile(dir / "cible");
    EXPECT_TRUE(platform::copyGeneratedFile(dir / "source", dir / "cible", inPlace));
    EXPECT_EQ(dir.read("cible"), "image 1");
    EXPECT_EQ(std::filesystem::last_write_time(dir / "cible"), heure);
  }
}

// A page and its copy may share their bytes on disk; whichever name is written again afterwards,
// in place or not, written or copied, the other keeps what it had.
TEST(GeneratedFiles, ASecondNameKeepsItsBytesWhenEitherIsRewritten) {
  struct Cas {
    const char* nom;
    bool ecrireLaCopie;  // else the first name
    std::function<void(const std::filesystem::path&)> reecrire;
  };
  TempFolder dir;
  dir.write("autre", "d'ailleurs");
  const Cas cas[] = {
      {"written in place", false, [](const auto& p) { writeGeneratedFile(p, "neuf", true); }},
      {"copy written in place", true, [](const auto& p) { writeGeneratedFile(p, "neuf", true); }},
      {"replaced", false, [](const auto& p) { writeGeneratedFile(p, "neuf", false); }},
      {"copied over in place", false,
       [&dir](const auto& p) { copyGeneratedFile(dir / "autre", p, true); }},
      {"removed", false, [](const auto& p) { removeFile(p); }},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    dir.write("page", "premier contenu");
    dir.write("copie", "ancienne copie");
    ASSERT_TRUE(linkGeneratedFile(dir / "page", dir / "copie"));
    EXPECT_EQ(dir.read("copie"), "premier contenu");
    EXPECT_TRUE(linkGeneratedFile(dir / "page", dir / "copie"));  // already the same file
    c.reecrire(dir / (c.ecrireLaCopie ? "copie" : "page"));
    EXPECT_EQ(dir.read(c.ecrireLaCopie ? "page" : "copie"), "premier contenu");
  }
  EXPECT_FALSE(linkGeneratedFile(dir / "absente", dir / "copie"));
  // No temporary left behind (listings hide them); the last case removed the page.
  std::vector<std::string> restants;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) restants.push_back(e.path().filename());
  std::sort(restants.begin(), restants.end());
  EXPECT_EQ(restants, (std::vector<std::string>{"autre", "copie"}));

  // Another file system, when /dev/shm is one: a copy.
  char modele[] = "/dev/shm/tarvio-lien-XXXXXX";
  if (const char* ailleurs = ::mkdtemp(modele)) {
    const std::filesystem::path copie = std::filesystem::path(ailleurs) / "copie";
    EXPECT_TRUE(linkGeneratedFile(dir / "autre", copie));
    writeGeneratedFile(dir / "autre", "changé", true);
    EXPECT_EQ(readFile(copie), "d'ailleurs");
    std::filesystem::remove_all(ailleurs);
  }
}
