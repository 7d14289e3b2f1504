#include "modele/pages/dossier_construction.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>

#include "support/temp_folder.h"

namespace pages::test {

using testing_support::TempFolder;

// Every name in a folder, hidden ones included.
std::set<std::string> contenu(const std::filesystem::path& dossier) {
  std::set<std::string> noms;
  for (const auto& entree : std::filesystem::directory_iterator(dossier))
    noms.insert(entree.path().filename().string());
  return noms;
}

// A file set aside whose new name another thread took meanwhile stays in the pool: the build
// writes what it meant to, and no hidden file of the old site survives the view.
TEST(DossierConstruction, AFileSetAsideThatCannotTakeItsNameIsStillDeletedWithTheView) {
  TempFolder dir;
  dir.write("ftp/ancienne.htm", "une ancienne page du site");
  std::function<void(const std::filesystem::path&)> autreFil = [](const auto& cible) {
    platform::writeGeneratedFile(cible, "d'un autre fil", false);
  };
  {
    DossierConstruction dossier(dir.path());
    dossier.ecrireEnPlace();
    ASSERT_TRUE(dossier.supprimer("ftp/ancienne.htm"));
    DossierConstruction::repriseEssai = &autreFil;
    dossier.ecrireOctets("ftp/nouvelle.htm", "la nouvelle");
    DossierConstruction::repriseEssai = nullptr;
    EXPECT_EQ(dir.read("ftp/nouvelle.htm"), "la nouvelle");
    // The file set aside is still there to be reused.
    dossier.ecrireOctets("ftp/autre.htm", "encore");
    EXPECT_EQ(contenu(dir / "ftp"), (std::set<std::string>{"autre.htm", "nouvelle.htm"}));
  }
  EXPECT_EQ(contenu(dir / "ftp"), (std::set<std::string>{"autre.htm", "nouvelle.htm"}));
}

// Whether a thread of this process sleeps on a lock (a futex wait): the one sign that a copy
// waits for another rather than running beside it.
bool attendUnVerrou(pid_t fil) {
  char chemin[64];
  std::snprintf(chemin, sizeof chemin, "/proc/self/task/%d/syscall", static_cast<int>(fil));
  const int fd = ::open(chemin, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char texte[32] = {};
  const ssize_t n = ::read(fd, texte, sizeof texte - 1);
  ::close(fd);
  return n > 0 && std::atol(texte) == SYS_futex;
}

// The page writer and a card copy a background and a sheet picture to one name of ftp/, in place:
// the second copy is run while the first has written its bytes and not yet cut the older ones.
// It must wait; run there, it would leave the start of the longer picture cut to the shorter.
TEST(DossierConstruction, TwoCopiesToOneNameLeaveOneWholeFile) {
  TempFolder dir;
  dir.write("fonds/fond.gif", "court");
  dir.write("photos/fond.gif", "une image bien plus longue");
  std::filesystem::create_directory(dir / "ftp");
  std::atomic<bool> premiere{true}, finie{false};
  std::atomic<pid_t> filCarte{0};
  std::thread carte;
  std::function<void(const std::filesystem::path&)> pendantLaCopie = [&](const auto&) {
    if (!premiere.exchange(false)) return;
    carte = std::thread([&] {
      filCarte = ::gettid();
      DossierConstruction vue(dir.path());
      vue.ecrireEnPlace();
      vue.copierOuEchouer("photos/fond.gif", "ftp/fond.gif");
      finie = true;
    });
    // Until the second copy has run here, or waits for this one (a copy that does neither hangs
    // the test until CTest's timeout stops it).
    while (!finie && !(filCarte && attendUnVerrou(filCarte))) std::this_thread::yield();
  };
  struct Crochet {
    explicit Crochet(std::function<void(const std::filesystem::path&)>* f) { platform::copyWritten = f; }
    ~Crochet() { platform::copyWritten = nullptr; }
  } crochet(&pendantLaCopie);
  DossierConstruction pages(dir.path());
  pages.ecrireEnPlace();
  EXPECT_TRUE(pages.copier("fonds/fond.gif", "ftp/fond.gif"));
  ASSERT_TRUE(carte.joinable());
  carte.join();
  const std::string copie = dir.read("ftp/fond.gif");
  EXPECT_TRUE(copie == "court" || copie == "une image bien plus longue") << copie;
}

}  // namespace pages::test
