#include "platform/generated_writes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/files.h"
#include "platform/text.h"

namespace platform::generated {

namespace {

// Enough to keep the writers busy; the build waits beyond it rather than hold a site in memory.
constexpr size_t kOctetsEnAttente = 64 << 20;
constexpr int kEcrivains = 3;

// The folder's name and the file's, case folded: the same key whatever spelling of the data
// folder's root a caller holds (a match of another folder of that name only waits for nothing).
std::string keyOf(const fs::path& path) {
  std::string key = foldFileName(path.parent_path().filename().string());
  key += '/';
  key += foldFileName(path.filename().string());
  return key;
}

struct Ecriture {
  int fd = -1;
  int source = -1;  // the file copied, or -1 for the bytes
  fs::path path;
  std::string bytes;
  std::string key;
};

class File {
 public:
  ~File() {
    {
      std::lock_guard guard(lock_);
      stopping_ = true;
    }
    work_.notify_all();
    for (auto& t : threads_) t.join();
  }

  // The caller settled the path before opening it: two writers never share a file.
  void push(Ecriture e) {
    e.key = keyOf(e.path);
    {
      std::unique_lock guard(lock_);
      if (failure_) {
        ::close(e.fd);
        if (e.source >= 0) ::close(e.source);
        throwFailure();
      }
      wait(guard, [&] { return queuedBytes_ < kOctetsEnAttente; });
      if (threads_.empty())
        for (int i = 0; i < kEcrivains; ++i) threads_.emplace_back([this] { run(); });
      ++pending_[e.key];
      queuedBytes_ += e.bytes.size();
      ++count_;
      jobs_.push_back(std::move(e));
      if (idle_ == 0) return;  // a busy writer takes it next: no wake-up to pay
    }
    work_.notify_one();
  }

  void settle(const fs::path& path) {
    if (count_ == 0) return;
    const std::string key = keyOf(path);
    std::unique_lock guard(lock_);
    wait(guard, [&] { return !pending_.contains(key); });
  }

  void settleAll() {
    if (count_ == 0) return;
    std::unique_lock guard(lock_);
    wait(guard, [&] { return count_ == 0; });
  }

  void finish() {
    settleAll();
    std::lock_guard guard(lock_);
    throwFailure();
  }

 private:
  template <class Until>
  void wait(std::unique_lock<std::mutex>& guard, Until until) {
    ++waiting_;
    done_.wait(guard, until);
    --waiting_;
  }

  void throwFailure() {
    if (!failure_) return;
    std::string message = std::move(*failure_);
    failure_.reset();
    throw FileError(message);
  }

  void run() {
    while (true) {
      Ecriture e;
      {
        std::unique_lock guard(lock_);
        ++idle_;
        work_.wait(guard, [&] { return stopping_ || !jobs_.empty(); });
        --idle_;
        if (jobs_.empty()) return;
        e = std::move(jobs_.front());
        jobs_.pop_front();
      }
      const bool ok = fillInPlace(e.fd, [&](int f) {
        return e.source >= 0 ? copyAll(e.source, f) : writeBytes(f, e.bytes);
      });
      {
        std::lock_guard guard(lock_);
        if (!ok && !failure_) failure_ = "Impossible d'écrire le fichier " + e.path.string();
        if (--pending_[e.key] == 0) pending_.erase(e.key);
        queuedBytes_ -= e.bytes.size();
        --count_;
        if (waiting_ == 0) continue;
      }
      done_.notify_all();
    }
  }

  std::mutex lock_;
  std::condition_variable work_, done_;
  std::deque<Ecriture> jobs_;
  std::unordered_map<std::string, int> pending_;  // queued or being written, by key
  size_t queuedBytes_ = 0;
  std::atomic<int> count_{0};
  std::optional<std::string> failure_;  // the first write that failed, until told
  int idle_ = 0;     // writers waiting for work
  int waiting_ = 0;  // callers waiting for writes to end
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

File& file() {
  static File f;
  return f;
}

}  // namespace

bool writeBytes(int fd, std::string_view bytes) {
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    data += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

// Not emptied first: a file emptied then closed is written to disk at once by some file systems.
bool fillInPlace(int fd, const std::function<bool(int)>& fill) {
  struct stat before {};
  bool ok = ::fstat(fd, &before) == 0 && fill(fd);
  const off_t end = ok ? ::lseek(fd, 0, SEEK_CUR) : -1;
  if (end < 0 || (end < before.st_size && ::ftruncate(fd, end) != 0)) ok = false;
  if (::close(fd) != 0) ok = false;
  return ok;
}

bool copyAll(int in, int out) {
  bool ok = true;
  bool kernel = true;
  char buffer[65536];
  while (true) {
    ssize_t n = kernel ? ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0) : ::read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && kernel && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
      kernel = false;
      continue;
    }
    if (n < 0) {
      ok = false;
      break;
    }
    if (n == 0) break;
    if (!kernel && !writeBytes(out, std::string_view(buffer, static_cast<size_t>(n)))) {
      ok = false;
      break;
    }
  }
  ::close(in);
  return ok;
}

void queue(int fd, const fs::path& path, std::string bytes, int source) {
  file().push({fd, source, path, std::move(bytes), {}});
}
void settle(const fs::path& path) { file().settle(path); }
void settleAll() { file().settleAll(); }

}  // namespace platform::generated

namespace platform {

void finishGeneratedWrites() { generated::file().finish(); }

}  // namespace platform
