#pragma once
// Every file the program renames into place while a test watches, with the permissions it had at
// that moment: what a kill just before the rename would leave behind.

#include <sys/types.h>

#include <string>
#include <vector>

namespace testing_support {

struct Renommage {
  std::string vers;  // the new name, without its folder
  mode_t permissions;
};

class Renommages {
 public:
  Renommages();
  ~Renommages();
  Renommages(const Renommages&) = delete;
  Renommages& operator=(const Renommages&) = delete;
  std::vector<Renommage> liste() const;
};

}  // namespace testing_support
