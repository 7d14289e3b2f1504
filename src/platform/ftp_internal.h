#pragma once
// What the sources of the FTP session share, for them alone: the library's handles and the
// worker thread (ftp.cpp), the description of one transfer (ftp_transfers.cpp), the escaping of
// a name into a URL.

#include "platform/ftp.h"

#include <curl/curl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

namespace platform {

namespace ftp_internal {

// Every byte but letters, digits and "-._~" as %XX: blanks, "#", "%" and Windows-1252 letters
// reach the server as the bytes they are.
std::string escaped(std::string_view text);

struct LineSink;  // a listing cut into lines as it arrives (ftp_transfers.cpp)

}  // namespace ftp_internal

struct FtpSession::Impl {
  CURL* easy = nullptr;
  // Transfers are driven here rather than by curl_easy_perform: this library version, when the
  // server's reply to EPSV arrives at once, waits a whole second before connecting the data
  // connection (it has no socket to watch and polls for 1 s). The connection stays in its cache
  // from one transfer to the next.
  CURLM* multi = nullptr;
  char errorBuffer[CURL_ERROR_SIZE] = {};
  std::string host;
  int port = 0;
  std::string lastReply;  // the server's last reply line, written on the worker thread

  static size_t reply(char* data, size_t size, size_t count, void* user) {
    std::string_view line(data, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    if (!line.empty()) static_cast<Impl*>(user)->lastReply = line;
    return size * count;
  }
  std::atomic<bool> abort{false};  // read by the library's progress callback on the worker

  // The worker: one thread for the session's life, handed each piece of work in turn (a thread
  // started for each file would cost two more turns of the scheduler a file).
  std::mutex mutex;
  std::condition_variable changed;
  const std::function<void()>* work = nullptr;  // handed, not taken yet
  bool done = false;
  bool stopping = false;
  std::thread worker;

  void run(const std::function<void()>& job) {
    std::lock_guard lock(mutex);
    if (!worker.joinable()) worker = std::thread([this] { loop(); });
    work = &job;
    done = false;
    changed.notify_all();
  }
  void loop() {
    std::unique_lock lock(mutex);
    while (true) {
      changed.wait(lock, [this] { return work || stopping; });
      if (!work) return;
      const std::function<void()>* job = std::exchange(work, nullptr);
      lock.unlock();
      (*job)();
      lock.lock();
      done = true;
      changed.notify_all();
    }
  }
  ~Impl() {
    {
      std::lock_guard lock(mutex);
      stopping = true;
      changed.notify_all();
    }
    if (worker.joinable()) worker.join();
  }
};

struct FtpSession::Transfer {
  enum class Kind { Probe, List, Put, Get };
  Kind kind = Kind::Probe;
  std::string url;
  ftp_internal::LineSink* lines = nullptr;  // List
  std::string command;  // List: instead of a plain LIST
  std::string_view source;  // Put
  curl_slist* before = nullptr;  // commands sent before the transfer
  curl_slist* after = nullptr;  // ... and after it succeeded
  int sink = -1;  // Get
  bool sinkFailed = false;

  static size_t write(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    size_t total = size * count;
    while (total > 0) {
      ssize_t n = ::write(transfer->sink, data, total);
      if (n < 0) {
        if (errno == EINTR) continue;
        transfer->sinkFailed = true;
        return 0;
      }
      data += n;
      total -= static_cast<size_t>(n);
    }
    return size * count;
  }
};

}  // namespace platform
