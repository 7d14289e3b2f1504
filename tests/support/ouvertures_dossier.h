#pragma once
// Counts the opens of the files of one folder, and of the folder itself (its listings), as the
// kernel reports them (inotify): what keeps a pass over the catalogue linear is checked by
// counting, never by timing.

#include <filesystem>
#include <map>
#include <string>

namespace testing_support {

class OuverturesDossier {
 public:
  explicit OuverturesDossier(const std::filesystem::path& dossier);
  ~OuverturesDossier();
  OuverturesDossier(const OuverturesDossier&) = delete;
  OuverturesDossier& operator=(const OuverturesDossier&) = delete;

  // The opens since the watch began, by file name; the folder's own under "". Throws when the
  // kernel dropped events.
  std::map<std::string, int> releve();

 private:
  int fd_ = -1;
};

}  // namespace testing_support
