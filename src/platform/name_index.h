#pragma once
// The names of every folder the program has looked into, listed once and kept true as the
// platform's own functions write, rename and delete. A folder changed by anyone else is seen by
// its time stamps (one stat per question) and listed again. Private to src/platform: callers go
// through files.h.

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform::name_index {

namespace fs = std::filesystem;

enum class Kind { file, folder, other };

// The name on disk matching `name` without regard to case (the first in byte order when two
// differ only by case); nullopt when none or the folder is missing.
std::optional<std::string> find(const fs::path& folder, std::string_view name);
// The same with what the entry is; folderMissing tells a missing folder from a missing name.
struct Found {
  std::string name;
  Kind kind;
};
std::optional<Found> lookup(const fs::path& folder, std::string_view name, bool& folderMissing);

// Every entry of the folder, ordered by upper-cased bytes, then bytes.
void forEach(const fs::path& folder, const std::function<void(const std::string&, Kind)>& visit);

// One change of a folder made by the program. Built before touching the disk, so that a folder
// changed by others in between is listed again rather than patched. While it lives, other threads
// wait to look into the folder or change it; `alsoHeld` is a second folder held the same way (the
// other end of a move, whose own Change is built next).
class Change {
 public:
  explicit Change(const fs::path& folder, const fs::path& alsoHeld = {});
  Change(const Change&) = delete;
  Change& operator=(const Change&) = delete;
  void added(std::string_view name, Kind kind);
  void removed(std::string_view name);
  // Stores the folder's time stamps after the change; call once the disk is touched.
  ~Change();

 private:
  std::string folder_;
  std::string alsoHeld_;
  bool tracked_ = false;
  bool valid_ = false;
};

}  // namespace platform::name_index
