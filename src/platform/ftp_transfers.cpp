// The transfers of the FTP session: listings, files sent and fetched, each one driven through
// the library's multi handle on the session's worker thread.

#include "platform/ftp.h"

#include "platform/files.h"
#include "platform/ftp_internal.h"
#include "platform/name_index.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <random>
#include <string_view>

namespace platform {

namespace ftp_internal {

// Cuts the listing into lines as it arrives; only the unfinished line is kept.
struct LineSink {
  const std::function<bool(std::string_view)>* onLine = nullptr;
  size_t maxLineBytes = 0;
  std::string partial;
  bool stopped = false;
  bool tooLong = false;

  bool deliver(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!(*onLine)(line)) stopped = true;
    return !stopped;
  }
  static size_t write(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<LineSink*>(user);
    std::string_view rest(data, size * count);
    while (!rest.empty()) {
      const size_t end = rest.find('\n');
      const std::string_view piece = rest.substr(0, end);
      if (sink->partial.size() + piece.size() > sink->maxLineBytes) {
        sink->tooLong = true;
        return 0;
      }
      if (end == std::string_view::npos) {
        sink->partial.append(piece);
        break;
      }
      bool more;
      if (sink->partial.empty()) {
        more = sink->deliver(piece);
      } else {
        sink->partial.append(piece);
        more = sink->deliver(sink->partial);
        sink->partial.clear();
      }
      if (!more) return 0;
      rest.remove_prefix(end + 1);
    }
    return size * count;
  }
};

}  // namespace ftp_internal

namespace {

using ftp_internal::escaped;
using ftp_internal::LineSink;

size_t discard(char*, size_t size, size_t count, void*) { return size * count; }

size_t readSource(char* buffer, size_t size, size_t count, void* user) {
  auto* source = static_cast<std::string_view*>(user);
  const size_t n = std::min(size * count, source->size());
  std::memcpy(buffer, source->data(), n);
  source->remove_prefix(n);
  return n;
}

// One transfer of the handle, driven through the multi handle. When the library has no socket to
// watch (it has just read a reply and must now connect), it is called again at once instead of
// being left to wait.
CURLcode perform(CURLM* multi, CURL* easy) {
  if (curl_multi_add_handle(multi, easy) != CURLM_OK) return CURLE_FAILED_INIT;
  CURLcode result = CURLE_OK;
  int running = 1;
  int blind = 0;  // turns in a row with nothing to watch
  while (true) {
    if (curl_multi_perform(multi, &running) != CURLM_OK) {
      result = CURLE_FAILED_INIT;
      break;
    }
    if (!running) break;
    fd_set read, write, error;
    FD_ZERO(&read);
    FD_ZERO(&write);
    FD_ZERO(&error);
    int maxFd = -1;
    curl_multi_fdset(multi, &read, &write, &error, &maxFd);
    long timeout = -1;
    curl_multi_timeout(multi, &timeout);
    if (maxFd < 0) {
      // Again at once; a millisecond's wait only when that changed nothing.
      timeout = blind++ == 0 ? 0 : 1;
    } else {
      blind = 0;
      if (timeout < 0 || timeout > 1000) timeout = 1000;
    }
    if (timeout > 0) curl_multi_poll(multi, nullptr, 0, static_cast<int>(timeout), nullptr);
  }
  int left = 0;
  while (CURLMsg* message = curl_multi_info_read(multi, &left))
    if (message->msg == CURLMSG_DONE && message->easy_handle == easy) result = message->data.result;
  curl_multi_remove_handle(multi, easy);
  return result;
}

}  // namespace

std::optional<std::vector<std::string>> FtpSession::list() {
  std::vector<std::string> lines;
  if (!list([&](std::string_view line) {
        lines.emplace_back(line);
        return true;
      }))
    return std::nullopt;
  return lines;
}

bool FtpSession::list(const std::function<bool(std::string_view line)>& onLine,
                      size_t maxLineBytes) {
  return list(onLine, maxLineBytes, "");
}

bool FtpSession::list(const std::function<bool(std::string_view line)>& onLine,
                      size_t maxLineBytes, const std::string& command) {
  if (!ready("liste")) return false;
  LineSink sink;
  sink.onLine = &onLine;
  sink.maxLineBytes = maxLineBytes;
  Transfer listing;
  listing.kind = Transfer::Kind::List;
  listing.url = folderUrl(folder_, absolute_);
  listing.lines = &sink;
  listing.command = command;
  const bool ok = run(listing);
  if (sink.tooLong) {
    fail("Ligne de la liste du serveur trop longue (plus de " + std::to_string(maxLineBytes) +
         " octets)");
    return false;
  }
  if (sink.stopped) {
    fail("Liste du serveur interrompue");
    return false;
  }
  if (!ok) return false;
  if (!sink.partial.empty() && !sink.deliver(sink.partial)) {
    fail("Liste du serveur interrompue");
    return false;
  }
  return true;
}

bool FtpSession::put(const std::filesystem::path& local, const std::string& remoteName) {
  if (!ready("envoi")) return false;
  std::string bytes;
  try {
    bytes = readFile(local);
  } catch (const FileError&) {
    fail("Impossible de lire le fichier " + local.string());
    return false;
  }
  return putBytes(bytes, remoteName);
}

bool FtpSession::putBytes(std::string_view bytes, const std::string& remoteName) {
  if (!ready("envoi")) return false;
  if (!isFtpName(remoteName)) {
    fail("Nom de fichier distant invalide : \"" + remoteName + "\"");
    return false;
  }
  return onWorker([&] { return sendNow(bytes, remoteName); });
}

bool FtpSession::putEach(const std::function<std::optional<File>()>& next,
                         const std::function<void(File&&)>& sent) {
  if (!ready("envoi")) return false;
  std::string refused;
  std::exception_ptr thrown;
  const bool ok = onWorker([&]() -> int {
    try {
      while (!impl_->abort) {
        std::optional<File> file = next();
        if (!file) break;
        if (!isFtpName(file->remoteName)) {
          refused = std::move(file->remoteName);
          break;
        }
        const int result = sendNow(file->bytes, file->remoteName);
        if (result != CURLE_OK) return result;
        sent(std::move(*file));
      }
    } catch (...) {
      thrown = std::current_exception();
    }
    return CURLE_OK;
  });
  if (thrown) std::rethrow_exception(thrown);
  if (ok && !refused.empty()) {
    fail("Nom de fichier distant invalide : \"" + refused + "\"");
    return false;
  }
  return ok;
}

bool FtpSession::get(const std::string& remoteName, const std::filesystem::path& local) {
  if (!ready("réception")) return false;
  if (!isFtpName(remoteName)) {
    fail("Nom de fichier distant invalide : \"" + remoteName + "\"");
    return false;
  }
  // A temporary file beside the target, renamed over it only once the whole file has arrived.
  std::filesystem::path target = resolvePath(local);
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  static thread_local std::mt19937 random{std::random_device{}()};
  std::filesystem::path temp =
      folder / ("." + target.filename().string() + ".part" + std::to_string(random()));
  Transfer download;
  download.kind = Transfer::Kind::Get;
  download.url = folderUrl(folder_, absolute_) + escaped(remoteName);
  name_index::Change change(folder);
  download.sink = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (download.sink < 0) {
    fail("Impossible d'écrire le fichier " + local.string());
    return false;
  }
  bool ok = run(download);
  bool written = !download.sinkFailed && ::fsync(download.sink) == 0;
  written = ::close(download.sink) == 0 && written;
  if (ok && written) written = ::rename(temp.c_str(), target.c_str()) == 0;
  if (ok && written) change.added(target.filename().string(), name_index::Kind::file);
  if (ok && written) return true;
  ::unlink(temp.c_str());
  if (download.sinkFailed || (ok && !written)) fail("Impossible d'écrire le fichier " + local.string());
  return false;
}

int FtpSession::transferNow(Transfer& transfer) {
  CURL* easy = impl_->easy;
  impl_->errorBuffer[0] = '\0';
  impl_->lastReply.clear();
  curl_easy_setopt(easy, CURLOPT_URL, transfer.url.c_str());
  curl_easy_setopt(easy, CURLOPT_NOBODY, transfer.kind == Transfer::Kind::Probe ? 1L : 0L);
  curl_easy_setopt(easy, CURLOPT_UPLOAD, transfer.kind == Transfer::Kind::Put ? 1L : 0L);
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, discard);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, nullptr);
  curl_easy_setopt(easy, CURLOPT_READFUNCTION, nullptr);
  curl_easy_setopt(easy, CURLOPT_READDATA, nullptr);
  curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, curl_off_t{-1});
  curl_easy_setopt(easy, CURLOPT_QUOTE, transfer.before);
  curl_easy_setopt(easy, CURLOPT_POSTQUOTE, transfer.after);
  curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST,
                   transfer.command.empty() ? nullptr : transfer.command.c_str());
  if (transfer.kind == Transfer::Kind::List) {
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, LineSink::write);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, transfer.lines);
  } else if (transfer.kind == Transfer::Kind::Get) {
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, Transfer::write);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
  } else if (transfer.kind == Transfer::Kind::Put) {
    curl_easy_setopt(easy, CURLOPT_READFUNCTION, readSource);
    curl_easy_setopt(easy, CURLOPT_READDATA, &transfer.source);
    curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(transfer.source.size()));
  }
  return perform(impl_->multi, easy);
}

}  // namespace platform
