// The FTP session and its commands: connecting, logging in, changing folder, the worker thread
// the network work runs on and what its results mean. The transfers are in ftp_transfers.cpp,
// the temporary names of the files sent and their leftovers in ftp_temporary_names.cpp.

#include "platform/ftp.h"

#include "platform/ftp_internal.h"

#include <curl/curl.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <mutex>
#include <string_view>
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

std::vector<std::string> splitPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t slash; (slash = path.find('/', start)) != std::string_view::npos; start = slash + 1)
    parts.emplace_back(path.substr(start, slash - start));
  parts.emplace_back(path.substr(start));
  return parts;
}

int progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<std::atomic<bool>*>(user)->load() ? 1 : 0;
}

}  // namespace

namespace ftp_internal {

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

}  // namespace ftp_internal

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
  // A 4xx is a passing trouble of the server, not a wrong login or password.
  if (result == CURLE_LOGIN_DENIED && refusal && serverReply[0] == '4')
    message = "Connexion refusée pour le moment par le serveur FTP, réessayez plus tard";
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
  for (const auto& segment : segments) url += ftp_internal::escaped(segment) + "/";
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

bool FtpSession::run(Transfer& transfer) {
  return onWorker([&] { return transferNow(transfer); });
}

bool FtpSession::onWorker(const std::function<int()>& work) {
  abortRequested_ = false;
  int result = CURLE_OK;
  waitFor([&] { result = work(); });
  return finish(result);
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
