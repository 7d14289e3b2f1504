#include "modele/pages/ecrivain_fond.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace pages::test {

using testing_support::TempFolder;

// The bytes handed over are the file's whole content, longer or shorter than before, once
// attendre returns; a page that cannot be written is named by the next call, and the pages after
// it are closed; the writer carries on with what is given next.
TEST(EcrivainFond, WritesEveryPageWholeAndNamesTheFirstThatFails) {
  TempFolder dir;
  dir.write("a.htm", "un ancien contenu bien plus long");
  EcrivainFond fond;
  for (int i = 0; i < 20; ++i) {
    const auto chemin = dir / ("p" + std::to_string(i) + ".htm");
    fond.ecrire(platform::openGeneratedFile(chemin), std::string(1000 * i, 'x'), chemin);
  }
  fond.ecrire(platform::openGeneratedFile(dir / "a.htm"), "court", dir / "a.htm");
  fond.attendre();
  EXPECT_EQ(dir.read("a.htm"), "court");
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(dir.read("p" + std::to_string(i) + ".htm"), std::string(1000 * i, 'x'));

  const int plein = platform::openGeneratedFile("/dev/full");
  ASSERT_GE(plein, 0);
  fond.ecrire(plein, "octets", "/dev/full");
  bool nomme = false;
  try {
    for (int i = 0; i < 50; ++i)
      fond.ecrire(platform::openGeneratedFile(dir / "apres.htm"), "apres", dir / "apres.htm");
    fond.attendre();
  } catch (const platform::FileError& e) {
    nomme = std::string(e.what()) == "Impossible d'\xE9" "crire le fichier /dev/full";
  }
  EXPECT_TRUE(nomme);
  fond.ecrire(platform::openGeneratedFile(dir / "fin.htm"), "fin", dir / "fin.htm");
  fond.attendre();
  EXPECT_EQ(dir.read("fin.htm"), "fin");
}

}  // namespace pages::test
