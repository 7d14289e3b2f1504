#pragma once
// Keeps a second program off a data folder: a lock on a file of the folder, held while the lock
// object lives. The system drops the lock with the process, so a crash never leaves it behind.

#include <filesystem>
#include <optional>

namespace platform {

class FolderLock {
 public:
  // The lock of the folder; nullopt while another process holds it. Throws FileError when the
  // lock file cannot be opened (a folder that is missing or read-only).
  static std::optional<FolderLock> acquire(const std::filesystem::path& folder);

  FolderLock(FolderLock&& other) noexcept;
  FolderLock& operator=(FolderLock&& other) noexcept;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();

 private:
  explicit FolderLock(int descriptor) : descriptor_(descriptor) {}
  int descriptor_ = -1;
};

// The file of the data folder that carries the lock.
inline constexpr const char* kFolderLockName = ".tarvio.lock";

}  // namespace platform
