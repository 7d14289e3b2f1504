#pragma once
// An FTP client session on one control connection: log in, move between remote folders, list,
// send and fetch files (passive mode, binary). Every call blocks its caller, but the network work
// runs on a worker thread while the caller's thread runs the idle function every 50 ms, so that
// the windows stay alive. A failing call returns false (or nullopt) and leaves the reason in
// lastError(); nothing fails silently.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace platform {

// A name the session can send as one remote file name: not empty, no control byte, no "/".
bool isFtpName(std::string_view name);

// The French text of a failure of the FTP library (its result code), followed in brackets by the
// server's last reply when that reply is a refusal (a 4xx or 5xx code and its text).
std::string ftpFailureText(int code, const std::string& host, int port,
                           std::string_view serverReply);

class FtpSession {
 public:
  FtpSession();
  ~FtpSession();
  FtpSession(const FtpSession&) = delete;
  FtpSession& operator=(const FtpSession&) = delete;

  // Called on the caller's thread while a network operation waits. It may call disconnect(),
  // which aborts the running operation; any other call on this session from inside it fails.
  // It must not destroy the session.
  void setIdle(std::function<void()> idle);

  // Opens the control connection and logs in (a wrong password fails here). The current folder
  // is then the login folder. An open session is closed first.
  bool connect(const std::string& host, int port, const std::string& user,
               const std::string& password);
  bool connected() const;
  void disconnect();

  // Relative to the current folder, or absolute when it starts with "/"; ".." goes up; "a/b/"
  // goes down two levels. The folder must exist on the server.
  bool changeFolder(const std::string& folder);
  // "/www/kelkoo" when the server told its login folder; otherwise relative to it ("" at login).
  std::string currentFolder() const;

  // The lines of the detailed listing (LIST) of the current folder, without their line ends.
  std::optional<std::vector<std::string>> list();
  // The same lines one by one as they arrive (on the network thread), so that a huge listing is
  // never held whole. onLine returns false to stop the listing; the call then fails, as it does
  // on a line longer than maxLineBytes.
  bool list(const std::function<bool(std::string_view line)>& onLine,
            size_t maxLineBytes = 64 * 1024);
  // Sends a local file under remoteName in the current folder, replacing a remote file. The
  // bytes travel under a temporary name (".<name>.part") renamed into place once whole, so a
  // transfer cut short leaves the remote file as it was. Per file: EPSV, STOR, RNFR, RNTO. On a
  // server that refuses that name or renames nothing, the files of the session (up to the next
  // connect) go under their own names.
  bool put(const std::filesystem::path& local, const std::string& remoteName);
  bool putBytes(std::string_view bytes, const std::string& remoteName);
  // Sends files one after another, each as putBytes does, without coming back to the caller's
  // thread between them (it runs the idle function meanwhile): thousands of small files would
  // otherwise cost two thread wake-ups each. next() gives the next file, nullopt when none is
  // left; sent() is told each file once it is in place. Both run on the network thread; what
  // they throw stops the sending and is thrown here. False at the first failed file.
  struct File {
    std::string remoteName;
    std::string bytes;
  };
  bool putEach(const std::function<std::optional<File>()>& next,
               const std::function<void(File&&)>& sent);
  // Removes the temporary files that sends cut short left in the current folder for the names
  // given (".<name>.part"); other files so named are not the session's. False when the folder
  // could not be listed; a file that cannot be removed stays. present, when given, receives the
  // names of the files the folder holds.
  bool removeLeftovers(const std::unordered_set<std::string>& names,
                       std::unordered_set<std::string>* present = nullptr);
  // Deletes these files of the current folder, each whatever became of the others; false when
  // the commands could not be run (a file the server refuses to delete stays, unreported).
  bool remove(const std::vector<std::string>& names);
  // Fetches remoteName of the current folder into local, overwriting it; a failed download
  // leaves the local file as it was.
  bool get(const std::string& remoteName, const std::filesystem::path& local);

  // The reason of the last failed call, in French.
  const std::string& lastError() const { return lastError_; }

 private:
  struct Impl;
  struct Transfer;

  bool ready(const char* operation);
  // command: what is sent instead of a plain LIST, when not empty.
  bool list(const std::function<bool(std::string_view line)>& onLine, size_t maxLineBytes,
            const std::string& command);
  bool run(Transfer& transfer);
  // Runs these commands on the control connection ("*" before one lets it fail).
  bool runCommands(const std::vector<std::string>& commands);
  // On the network thread: one transfer, and a file sent with its fallbacks.
  int transferNow(Transfer& transfer);
  int sendNow(std::string_view bytes, const std::string& remoteName);
  // Back on the caller's thread: what a result means for the session.
  bool finish(int result);
  // work (a libcurl result) on the network thread, then finish.
  bool onWorker(const std::function<int()>& work);
  void closeHandles(bool keepWindowsAlive = true);
  void waitFor(const std::function<void()>& work);
  std::string folderUrl(const std::vector<std::string>& segments, bool absolute) const;
  void fail(std::string message);

  std::unique_ptr<Impl> impl_;
  std::function<void()> idle_;
  std::string baseUrl_;
  bool connected_ = false;
  bool busy_ = false;
  bool abortRequested_ = false;
  bool ownNames_ = false;  // files sent without a temporary name
  // The current folder as segments ("..", when climbing above a login folder of unknown path).
  bool absolute_ = false;
  std::vector<std::string> folder_;
  std::string lastError_;
};

}  // namespace platform
