#include "support/renommages.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <filesystem>
#include <mutex>

namespace {

std::mutex verrou;
std::vector<testing_support::Renommage>* observes = nullptr;

}  // namespace

// Stands in for the C library's rename in the test programs that link this file; passes every
// call on.
extern "C" int rename(const char* de, const char* vers) {
  {
    std::lock_guard garde(verrou);
    struct stat s {};
    if (observes && ::lstat(de, &s) == 0)
      observes->push_back({std::filesystem::path(vers).filename().string(), s.st_mode & 07777});
  }
  using Rename = int (*)(const char*, const char*);
  static const auto suivant = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
  return suivant(de, vers);
}

namespace testing_support {

Renommages::Renommages() {
  std::lock_guard garde(verrou);
  observes = new std::vector<Renommage>;
}

Renommages::~Renommages() {
  std::lock_guard garde(verrou);
  delete observes;
  observes = nullptr;
}

std::vector<Renommage> Renommages::liste() const {
  std::lock_guard garde(verrou);
  return *observes;
}

}  // namespace testing_support
