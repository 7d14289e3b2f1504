#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/files.h"
#include "platform/name_index.h"

namespace platform {

std::optional<FolderLock> FolderLock::acquire(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / kFolderLockName;
  name_index::Change change(folder);
  int descriptor = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (descriptor >= 0) change.added(kFolderLockName, name_index::Kind::file);
  if (descriptor < 0)
    throw FileError("Impossible d'ouvrir le fichier de verrou " + file.string());
  // The lock belongs to this open file: it ends when the descriptor is closed, by us or by the
  // system when the process ends.
  if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    int error = errno;
    ::close(descriptor);
    if (error == EWOULDBLOCK) return std::nullopt;
    throw FileError("Impossible de verrouiller le fichier " + file.string());
  }
  return FolderLock(descriptor);
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = std::exchange(other.descriptor_, -1);
  }
  return *this;
}

FolderLock::~FolderLock() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

}  // namespace platform
