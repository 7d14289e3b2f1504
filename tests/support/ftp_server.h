#pragma once
// A real FTP server on 127.0.0.1 for one test: a pyftpdlib process on a free port, serving a
// temporary home folder for one user. Each instance has its own process, port and folder, so
// tests may run in parallel.

#include "support/temp_folder.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace testing_support {

// How a server departs from a plain one.
struct FtpServerRules {
  bool noDotNames = false;  // names beginning with "." refused (550), as many hosts do
  long long dieAfterBytes = 0;  // > 0: the server dies once it has received that many bytes
  // A file renamed only onto a free name ("free"), or never ("none"); "" renames as asked.
  std::string renames;
  std::string dieAt;  // not empty: the server dies just after carrying out that command (DELE)
  // Not empty: that command answered 451, for one file when a name follows ("STOR a.htm", "PASS").
  std::string refuse;
  // Not empty: a second account, whose home is the folder of that name in the first one's.
  std::string otherUser;
  std::string otherPassword;
};

class FtpServer {
 public:
  using Rules = FtpServerRules;
  // bytesPerSecond > 0 slows every data transfer down to that rate.
  explicit FtpServer(int bytesPerSecond = 0, std::string user = "marchand",
                     std::string password = "secret", Rules rules = {});
  ~FtpServer();
  FtpServer(const FtpServer&) = delete;
  FtpServer& operator=(const FtpServer&) = delete;

  int port() const { return port_; }
  const TempFolder& home() const { return home_; }
  std::string host() const { return "127.0.0.1"; }
  const std::string& user() const { return user_; }
  const std::string& password() const { return password_; }
  // Kills the server now, as a lost connection would look to a client.
  void stop();
  // What the server received so far: "<connection> CONNECT" for each control connection, then
  // "<connection> <command line>" for each command (the password hidden).
  std::vector<std::string> commands() const;
  // The same, each with the second it arrived at (monotonic clock of the server's machine).
  struct TimedCommand {
    double seconds = 0;
    std::string command;  // "<connection> <command line>"
  };
  std::vector<TimedCommand> timedCommands() const;

 private:
  TempFolder home_;
  TempFolder log_;
  std::string user_;
  std::string password_;
  pid_t pid_ = -1;
  int port_ = 0;
};

}  // namespace testing_support
