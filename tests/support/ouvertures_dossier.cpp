#include "support/ouvertures_dossier.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace testing_support {

OuverturesDossier::OuverturesDossier(const std::filesystem::path& dossier)
    : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
  if (fd_ < 0 || ::inotify_add_watch(fd_, dossier.c_str(), IN_OPEN) < 0)
    throw std::runtime_error("inotify unavailable");
}

OuverturesDossier::~OuverturesDossier() {
  if (fd_ >= 0) ::close(fd_);
}

std::map<std::string, int> OuverturesDossier::releve() {
  std::map<std::string, int> ouvertures;
  alignas(inotify_event) char tampon[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd_, tampon, sizeof tampon);
    if (n <= 0) {
      if (n < 0 && errno != EAGAIN) throw std::runtime_error("inotify read failed");
      return ouvertures;
    }
    for (ssize_t i = 0; i < n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(tampon + i);
      if (e->mask & IN_Q_OVERFLOW) throw std::runtime_error("inotify queue overflow");
      ++ouvertures[e->len ? std::string(e->name) : std::string()];
      i += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
    }
  }
}

}  // namespace testing_support
