#include "modele/pages/ecrivain_fond.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace pages::test {

using testing_support::TempFolder;

// A page written by a task, as the build writes its pages in place.
std::function<void()> page(const std::filesystem::path& chemin, std::string octets) {
  return [chemin, octets] { platform::writeGeneratedFile(chemin, octets, true); };
}

// The tasks run in the order handed: each page is the file's whole content, longer or shorter
// than before, once attendre returns; a page that cannot be written is named by the next call,
// and the tasks waiting after it are dropped; the writer carries on with what is given next.
TEST(EcrivainFond, WritesEveryPageWholeAndNamesTheFirstThatFails) {
  TempFolder dir;
  dir.write("a.htm", "un ancien contenu bien plus long");
  EcrivainFond fond;
  std::vector<int> ordre;
  for (int i = 0; i < 20; ++i) {
    fond.confier(page(dir / ("p" + std::to_string(i) + ".htm"), std::string(1000 * i, 'x')));
    fond.confier([&ordre, i] { ordre.push_back(i); });
  }
  fond.confier(page(dir / "a.htm", "court"));
  fond.attendre();
  EXPECT_EQ(dir.read("a.htm"), "court");
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(dir.read("p" + std::to_string(i) + ".htm"), std::string(1000 * i, 'x'));
  EXPECT_EQ(ordre.size(), 20u);
  EXPECT_TRUE(std::is_sorted(ordre.begin(), ordre.end()));

  fond.confier(page("/dev/full", "octets"));
  bool nomme = false;
  try {
    for (int i = 0; i < 50; ++i) fond.confier(page(dir / "apres.htm", "apres"));
    fond.attendre();
  } catch (const platform::FileError& e) {
    nomme = std::string(e.what()) == "Impossible d'\xE9" "crire le fichier /dev/full";
  }
  EXPECT_TRUE(nomme);
  fond.confier(page(dir / "fin.htm", "fin"));
  fond.attendre();
  EXPECT_EQ(dir.read("fin.htm"), "fin");
}

}  // namespace pages::test
