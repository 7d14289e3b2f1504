#include "platform/ftp.h"

#include "platform/files.h"
#include "platform/ftp_listing.h"
#include "platform/name_index.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <exception>
#include <algorithm>
#include <mutex>
#include <random>
#include <string_view>
#include <thread>
#include <utility>

namespace platform {

namespace {

constexpr long kConnectTimeoutSeconds = 15;
// A transfer or a reply that makes no progress for this long is given up.
constexpr long kStallSeconds = 60;
// Closing waits this long at most for the server's answer to QUIT.
constexpr long kQuitSeconds = 5;
constexpr auto kIdleEvery = std::chrono::milliseconds(50);

void initCurl() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}


bool validHost(std::string_view host) {
  if (host.empty()) return false;
  for (char c : host) {
    auto byte = static_cast<unsigned char>(c);
    if (byte <= 32 || byte >= 127 || c == '/' || c == '@' || c == '?' || c == '#' || c == '\\')
      return false;
  }
  return true;
}

// Errors after which the control connection is gone.
bool connectionLost(CURLcode code) {
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_LOGIN_DENIED:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
      return true;
    default:
      return false;
  }
}

// The failures a shopkeeper meets, told in French; the library's own text is English.
const char* failureText(CURLcode code) {
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST: return "Serveur FTP inconnu";
    case CURLE_COULDNT_CONNECT: return "Connexion refusée par le serveur FTP";
    case CURLE_OPERATION_TIMEDOUT: return "Le serveur FTP ne répond pas dans le délai";
    case CURLE_LOGIN_DENIED: return "Identifiant ou mot de passe refusé par le serveur FTP";
    case CURLE_REMOTE_ACCESS_DENIED: return "Dossier refusé par le serveur FTP";
    case CURLE_UPLOAD_FAILED:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_QUOTE_ERROR: return "Transfert refusé par le serveur FTP";
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_FTP_WEIRD_SERVER_REPLY: return "Connexion au serveur FTP perdue";
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT: return "Connexion de données refusée par le serveur FTP";
    default: return nullptr;
  }
}

// Every byte but letters, digits and "-._~" as %XX: blanks, "#", "%" and Windows-1252 letters
// reach the server as the bytes they are.
std::string escaped(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
        c == '-' || c == '.' || c == '_' || c == '~') {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  return out;
}

std::vector<std::string> splitPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t slash; (slash = path.find('/', start)) != std::string_view::npos; start = slash + 1)
    parts.emplace_back(path.substr(start, slash - start));
  parts.emplace_back(path.substr(start));
  return parts;
}

size_t discard(char*, size_t size, size_t count, void*) { return size * count; }

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

int progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<std::atomic<bool>*>(user)->load() ? 1 : 0;
}

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

// FTP commands for the library, freed with the list.
struct Commands {
  curl_slist* list = nullptr;
  Commands(std::initializer_list<std::string> commands) {
    for (const auto& c : commands) list = curl_slist_append(list, c.c_str());
  }
  explicit Commands(const std::vector<std::string>& commands) {
    for (const auto& c : commands) list = curl_slist_append(list, c.c_str());
  }
  ~Commands() { curl_slist_free_all(list); }
  Commands(const Commands&) = delete;
  Commands& operator=(const Commands&) = delete;
};

// The name a file travels under before it is renamed into place: hidden, so the site never
// serves it, and always the same, so a transfer cut short is overwritten by the next one.
std::string temporaryName(const std::string& remoteName) { return "." + remoteName + ".part"; }

}  // namespace

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
  LineSink* lines = nullptr;  // List
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

// Names go into the URL byte for byte (escaped); a control byte would end the FTP command line
// and a "/" would leave the folder.
bool isFtpName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127 || c == '/') return false;
  }
  return true;
}

std::string ftpFailureText(int code, const std::string& host, int port,
                           std::string_view serverReply) {
  const auto result = static_cast<CURLcode>(code);
  const char* text = failureText(result);
  std::string message = text ? text : "Erreur FTP n° " + std::to_string(code);
  if (result == CURLE_COULDNT_RESOLVE_HOST) message += " : " + host;
  if (result == CURLE_COULDNT_CONNECT || result == CURLE_OPERATION_TIMEDOUT)
    message += " (" + host + ", port " + std::to_string(port) + ")";
  auto digit = [&](size_t i) { return std::isdigit(static_cast<unsigned char>(serverReply[i])); };
  const bool refusal = serverReply.size() >= 3 &&
                       (serverReply[0] == '4' || serverReply[0] == '5') && digit(1) && digit(2);
  if (refusal) message += " (" + std::string(serverReply) + ")";
  return message;
}

FtpSession::FtpSession() : impl_(std::make_unique<Impl>()) {}

FtpSession::~FtpSession() { closeHandles(false); }

void FtpSession::setIdle(std::function<void()> idle) { idle_ = std::move(idle); }

bool FtpSession::connected() const { return connected_; }

void FtpSession::fail(std::string message) { lastError_ = std::move(message); }

void FtpSession::closeHandles(bool keepWindowsAlive) {
  CURL* easy = std::exchange(impl_->easy, nullptr);
  CURLM* multi = std::exchange(impl_->multi, nullptr);
  if (!easy) return;
  auto close = [easy, multi, url = baseUrl_] {
    // QUIT is said on the session's own handle, with its short wait for the answer: the
    // connection cache would close it with a wait of two minutes.
    curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, kQuitSeconds);
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(easy, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(easy, CURLOPT_QUOTE, nullptr);
    curl_easy_setopt(easy, CURLOPT_POSTQUOTE, nullptr);
    if (multi && curl_multi_add_handle(multi, easy) == CURLM_OK) {
      int running = 1;
      while (running && curl_multi_perform(multi, &running) == CURLM_OK && running)
        curl_multi_poll(multi, nullptr, 0, 100, nullptr);
      curl_multi_remove_handle(multi, easy);
    }
    if (multi) curl_multi_cleanup(multi);
    curl_easy_cleanup(easy);
  };
  if (keepWindowsAlive) {
    waitFor(close);
    abortRequested_ = false;
  } else {
    close();
  }
}

// The library blocks in places (connecting, waiting for the final reply of a transfer), so the
// work runs on a worker thread while this thread keeps calling the idle function.
void FtpSession::waitFor(const std::function<void()>& work) {
  busy_ = true;
  impl_->abort = false;
  impl_->run(work);
  std::unique_lock lock(impl_->mutex);
  try {
    while (!impl_->changed.wait_for(lock, kIdleEvery, [&] { return impl_->done; })) {
      lock.unlock();
      if (idle_) idle_();
      if (abortRequested_) impl_->abort = true;
      lock.lock();
    }
  } catch (...) {
    impl_->abort = true;
    if (!lock.owns_lock()) lock.lock();
    impl_->changed.wait(lock, [&] { return impl_->done; });
    busy_ = false;
    throw;
  }
  busy_ = false;
}

void FtpSession::disconnect() {
  connected_ = false;
  folder_.clear();
  absolute_ = false;
  // From inside the idle function: the running operation stops and closes the handles itself.
  if (busy_) {
    abortRequested_ = true;
    return;
  }
  closeHandles();
}

bool FtpSession::ready(const char* operation) {
  if (busy_) {
    fail(std::string("Une opération FTP est déjà en cours (") + operation + ")");
    return false;
  }
  if (!connected_) {
    fail(std::string("Pas de connexion FTP (") + operation + ")");
    return false;
  }
  return true;
}

std::string FtpSession::folderUrl(const std::vector<std::string>& segments, bool absolute) const {
  // "%2F" makes the first CWD go to the root instead of staying under the login folder.
  std::string url = baseUrl_ + (absolute ? "%2F/" : "");
  for (const auto& segment : segments) url += escaped(segment) + "/";
  return url;
}

bool FtpSession::connect(const std::string& host, int port, const std::string& user,
                         const std::string& password) {
  if (busy_) {
    fail("Une opération FTP est déjà en cours (connexion)");
    return false;
  }
  disconnect();
  ownNames_ = false;
  if (!validHost(host)) {
    fail("Nom de serveur FTP invalide : \"" + host + "\"");
    return false;
  }
  if (port <= 0 || port > 65535) {
    fail("Port FTP invalide : " + std::to_string(port));
    return false;
  }
  initCurl();
  impl_->easy = curl_easy_init();
  impl_->multi = curl_multi_init();
  if (!impl_->easy || !impl_->multi) {
    if (impl_->multi) curl_multi_cleanup(std::exchange(impl_->multi, nullptr));
    if (impl_->easy) curl_easy_cleanup(std::exchange(impl_->easy, nullptr));
    fail("Impossible d'initialiser le client FTP");
    return false;
  }
  bool literalIpv6 = host.find(':') != std::string::npos && host.front() != '[';
  baseUrl_ = "ftp://" + (literalIpv6 ? "[" + host + "]" : host) + ":" + std::to_string(port) + "/";

  CURL* easy = impl_->easy;
  impl_->host = host;
  impl_->port = port;
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, impl_->errorBuffer);
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, Impl::reply);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, impl_.get());
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp");
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  // The control connection sits idle during a long transfer; keep routers from dropping it.
  curl_easy_setopt(easy, CURLOPT_TCP_KEEPALIVE, 1L);
  // Each passive data connection is a new "address:port" in the library's name cache, which it
  // walks whole at every connection: kept for a minute, thousands of files made each connection
  // cost more than the last. The control connection is reused without a lookup, and the data
  // connections go to the control connection's numeric address, so nothing is worth keeping.
  curl_easy_setopt(easy, CURLOPT_DNS_CACHE_TIMEOUT, 0L);
  // Given apart from the URL, so that any byte of them goes through unescaped.
  curl_easy_setopt(easy, CURLOPT_USERNAME, user.c_str());
  curl_easy_setopt(easy, CURLOPT_PASSWORD, password.c_str());
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, kStallSeconds);
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
  curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, 0L);
  curl_easy_setopt(easy, CURLOPT_FTP_CREATE_MISSING_DIRS, 0L);
  curl_easy_setopt(easy, CURLOPT_APPEND, 0L);
  curl_easy_setopt(easy, CURLOPT_DIRLISTONLY, 0L);
  curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, progress);
  curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &impl_->abort);

  Transfer login;
  login.url = baseUrl_;
  if (!run(login)) {
    closeHandles();
    return false;
  }
  connected_ = true;
  // Keep the login folder's path when the server told it, so currentFolder() is absolute.
  char* entry = nullptr;
  if (curl_easy_getinfo(easy, CURLINFO_FTP_ENTRY_PATH, &entry) == CURLE_OK && entry &&
      entry[0] == '/') {
    absolute_ = true;
    for (auto& segment : splitPath(entry)) {
      if (!segment.empty()) folder_.push_back(std::move(segment));
    }
  }
  return true;
}

bool FtpSession::changeFolder(const std::string& folder) {
  if (!ready("changement de dossier")) return false;
  bool absolute = absolute_;
  std::vector<std::string> segments = folder_;
  if (!folder.empty() && folder.front() == '/') {
    absolute = true;
    segments.clear();
  }
  for (auto& segment : splitPath(folder)) {
    if (segment.empty() || segment == ".") continue;
    if (segment == "..") {
      if (!segments.empty() && segments.back() != "..") {
        segments.pop_back();
      } else if (!absolute) {
        segments.push_back(segment);  // above a login folder whose path the server kept to itself
      }
      continue;
    }
    if (!isFtpName(segment)) {
      fail("Nom de dossier distant invalide : \"" + folder + "\"");
      return false;
    }
    segments.push_back(std::move(segment));
  }
  Transfer probe;  // no transfer: curl only changes folder, which fails when it is missing
  probe.url = folderUrl(segments, absolute);
  if (!run(probe)) return false;
  absolute_ = absolute;
  folder_ = std::move(segments);
  return true;
}

std::string FtpSession::currentFolder() const {
  std::string path = absolute_ ? "/" : "";
  for (size_t i = 0; i < folder_.size(); ++i) {
    if (i > 0) path += '/';
    path += folder_[i];
  }
  return path;
}

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

// Sent under a temporary name, then renamed into place: a transfer cut short never leaves the
// live file truncated.
int FtpSession::sendNow(std::string_view bytes, const std::string& remoteName) {
  const std::string temporary = temporaryName(remoteName);
  const std::string folder = folderUrl(folder_, absolute_);
  bool temporaryLeft = false;
  if (!ownNames_) {
    const Commands rename{"RNFR " + temporary, "RNTO " + remoteName};
    Transfer upload;
    upload.kind = Transfer::Kind::Put;
    upload.url = folder + escaped(temporary);
    upload.source = bytes;
    upload.after = rename.list;
    int result = transferNow(upload);
    if (result == CURLE_QUOTE_ERROR) {
      // Some servers rename only onto a free name.
      const Commands replace{"*DELE " + remoteName, "RNFR " + temporary, "RNTO " + remoteName};
      Transfer again;
      again.url = folder;
      again.before = replace.list;
      result = transferNow(again);
      if (result != CURLE_QUOTE_ERROR) return result;
      temporaryLeft = true;
    } else if (result != CURLE_UPLOAD_FAILED) {
      return result;
    }
    // A server that refuses the temporary name (many forbid names beginning with ".") or renames
    // nothing gets this file and the session's next ones under their own names, as before.
    ownNames_ = true;
  }
  const Commands drop{"*DELE " + temporary};
  Transfer direct;
  direct.kind = Transfer::Kind::Put;
  direct.url = folder + escaped(remoteName);
  direct.source = bytes;
  if (temporaryLeft) direct.after = drop.list;
  return transferNow(direct);
}

bool FtpSession::removeLeftovers() {
  if (!ready("nettoyage")) return false;
  std::vector<std::string> deletions;
  const auto onLine = [&](std::string_view line) {
    const ListLine l = classifyListLine(line);
    const std::string& name = l.entry.name;
    if (l.kind == ListLineKind::Entry && !l.entry.folder && name.size() > 6 &&
        name.starts_with('.') && name.ends_with(".part") && isFtpName(name))
      deletions.push_back("*DELE " + name);
    return true;
  };
  // "-a": servers that hide names beginning with "." list them only when asked.
  if (!list(onLine, 64 * 1024, "LIST -a")) return false;
  if (deletions.empty()) return true;
  const Commands commands(deletions);
  Transfer removal;
  removal.url = folderUrl(folder_, absolute_);
  removal.before = commands.list;
  return run(removal);
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

bool FtpSession::run(Transfer& transfer) {
  return onWorker([&] { return transferNow(transfer); });
}

bool FtpSession::onWorker(const std::function<int()>& work) {
  abortRequested_ = false;
  int result = CURLE_OK;
  waitFor([&] { result = work(); });
  return finish(result);
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

bool FtpSession::finish(int code) {
  const auto result = static_cast<CURLcode>(code);
  if (abortRequested_) {
    abortRequested_ = false;
    closeHandles();
    fail("Opération FTP interrompue par la déconnexion");
    return false;
  }
  if (result != CURLE_OK) {
    fail(ftpFailureText(result, impl_->host, impl_->port, impl_->lastReply));
    if (connectionLost(result)) {
      connected_ = false;
      closeHandles();
    }
    return false;
  }
  return true;
}

}  // namespace platform
