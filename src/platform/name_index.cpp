#include "platform/name_index.h"

#include <dirent.h>

#include <condition_variable>
#include <initializer_list>
#include <map>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "platform/files.h"
#include "platform/text.h"

namespace platform::name_index {

namespace {

// What tells that a folder changed: a name added, removed or renamed moves its times.
struct Stamp {
  dev_t device = 0;
  ino_t inode = 0;
  timespec modified{};
  timespec changed{};
  bool operator==(const Stamp& o) const {
    return device == o.device && inode == o.inode && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec &&
           changed.tv_nsec == o.changed.tv_nsec;
  }
};

std::optional<Stamp> stampOf(const std::string& folder) {
  struct stat s {};
  if (::stat(folder.c_str(), &s) != 0 || !S_ISDIR(s.st_mode)) return std::nullopt;
  return Stamp{s.st_dev, s.st_ino, s.st_mtim, s.st_ctim};
}

// Keyed by folded name, a NUL, then the name: the map's order is the listing order and all the
// spellings of one folded name stand together, the smallest first.
std::string keyOf(std::string_view name) {
  std::string key = foldFileName(name);
  key += '\0';
  key += name;
  return key;
}

struct Folder {
  Stamp stamp;
  std::map<std::string, Kind> entries;
  size_t nameAt(const std::string& key) const { return key.find('\0') + 1; }
};

std::mutex lock;
std::unordered_map<std::string, Folder> folders;

// A change is one step for the other threads: they neither look into its folder nor change it
// before its stamp is stored, or they would take the folder for changed by others and list it
// again. The owner may nest changes and questions of the folder.
struct Gate {
  std::thread::id owner;
  int depth = 0;
};
std::unordered_map<std::string, Gate> gates;
std::condition_variable gateOpened;

bool openTo(const std::string& folder) {
  auto it = gates.find(folder);
  return it == gates.end() || it->second.owner == std::this_thread::get_id();
}

// With `held` locked: waits until no other thread changes the folder, nor `also` when given
// (both at once: a thread holding one while waiting for the other could wait forever).
void waitForGate(std::unique_lock<std::mutex>& held, const std::string& folder,
                 const std::string& also = {}) {
  if (gates.empty()) return;
  gateOpened.wait(held, [&] { return openTo(folder) && (also.empty() || openTo(also)); });
}

Kind kindOf(const std::string& folder, const dirent* entry) {
  if (entry->d_type == DT_REG) return Kind::file;
  if (entry->d_type == DT_DIR) return Kind::folder;
  if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) return Kind::other;
  struct stat s {};
  if (::stat((folder + "/" + entry->d_name).c_str(), &s) != 0) return Kind::other;
  return S_ISREG(s.st_mode) ? Kind::file : S_ISDIR(s.st_mode) ? Kind::folder : Kind::other;
}

// The folder's entries, listed when unknown or changed by others; nullptr when it is missing.
Folder* current(const std::string& folder) {
  auto stamp = stampOf(folder);
  if (!stamp) {
    folders.erase(folder);
    return nullptr;
  }
  auto it = folders.find(folder);
  if (it != folders.end() && it->second.stamp == *stamp) return &it->second;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return nullptr;
  if (folderListings) ++(*folderListings)[folder];
  Folder fresh;
  fresh.stamp = *stamp;
  while (const dirent* entry = ::readdir(dir)) {
    std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    fresh.entries.emplace(keyOf(name), kindOf(folder, entry));
  }
  ::closedir(dir);
  return &(folders[folder] = std::move(fresh));
}

std::string keyFolder(const fs::path& folder) {
  std::string f = folder.empty() ? std::string(".") : folder.string();
  while (f.size() > 1 && f.back() == '/') f.pop_back();
  return f;
}

}  // namespace

std::optional<Found> lookup(const fs::path& folder, std::string_view name, bool& folderMissing) {
  const std::string key = keyFolder(folder);
  std::unique_lock guard(lock);
  waitForGate(guard, key);
  Folder* f = current(key);
  folderMissing = f == nullptr;
  if (!f) return std::nullopt;
  std::string prefix = foldFileName(name);
  prefix += '\0';
  auto it = f->entries.lower_bound(prefix);
  if (it == f->entries.end() || it->first.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  return Found{it->first.substr(prefix.size()), it->second};
}

std::optional<std::string> find(const fs::path& folder, std::string_view name) {
  bool folderMissing = false;
  auto found = lookup(folder, name, folderMissing);
  if (!found) return std::nullopt;
  return std::move(found->name);
}

void forEach(const fs::path& folder, const std::function<void(const std::string&, Kind)>& visit) {
  std::vector<std::pair<std::string, Kind>> copy;
  {
    const std::string key = keyFolder(folder);
    std::unique_lock guard(lock);
    waitForGate(guard, key);
    Folder* f = current(key);
    if (!f) return;
    copy.reserve(f->entries.size());
    for (const auto& [key, kind] : f->entries) copy.emplace_back(key.substr(f->nameAt(key)), kind);
  }
  for (const auto& [name, kind] : copy) visit(name, kind);
}

Change::Change(const fs::path& folder, const fs::path& alsoHeld)
    : folder_(keyFolder(folder)), alsoHeld_(alsoHeld.empty() ? std::string() : keyFolder(alsoHeld)) {
  std::unique_lock guard(lock);
  waitForGate(guard, folder_, alsoHeld_);
  for (const std::string* f : {&folder_, &alsoHeld_}) {
    if (f->empty()) continue;
    Gate& gate = gates[*f];
    gate.owner = std::this_thread::get_id();
    ++gate.depth;
  }
  auto it = folders.find(folder_);
  if (it == folders.end()) return;
  tracked_ = true;
  auto stamp = stampOf(folder_);
  valid_ = stamp && *stamp == it->second.stamp;
}

void Change::added(std::string_view name, Kind kind) {
  if (!tracked_ || !valid_) return;
  std::lock_guard guard(lock);
  auto it = folders.find(folder_);
  if (it != folders.end()) it->second.entries[keyOf(name)] = kind;
}

void Change::removed(std::string_view name) {
  if (!tracked_ || !valid_) return;
  std::lock_guard guard(lock);
  auto it = folders.find(folder_);
  if (it != folders.end()) it->second.entries.erase(keyOf(name));
}

Change::~Change() {
  std::lock_guard guard(lock);
  if (tracked_) {
    auto it = folders.find(folder_);
    if (it != folders.end()) {
      auto stamp = stampOf(folder_);
      if (valid_ && stamp)
        it->second.stamp = *stamp;
      else
        folders.erase(it);  // changed by others meanwhile: listed again at its next question
    }
  }
  bool opened = false;
  for (const std::string* f : {&folder_, &alsoHeld_}) {
    if (f->empty()) continue;
    auto gate = gates.find(*f);
    if (--gate->second.depth == 0) {
      gates.erase(gate);
      opened = true;
    }
  }
  if (opened) gateOpened.notify_all();
}

}  // namespace platform::name_index
