#include "support/ftp_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <utility>

namespace testing_support {

namespace {

constexpr const char* kPython = "/usr/bin/python3";

std::filesystem::path scriptPath() {
  if (const char* root = std::getenv("TARVIO_SOURCE_DIR"); root && *root)
    return std::filesystem::path(root) / "tests" / "support" / "ftp_server.py";
  return std::filesystem::path(__FILE__).parent_path() / "ftp_server.py";
}

// The first line the server prints: its port; 0 when the server says nothing for 20 seconds.
int readPort(int fd) {
  std::string text;
  while (text.find('\n') == std::string::npos) {
    pollfd entry{fd, POLLIN, 0};
    int ready = ::poll(&entry, 1, 20000);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return 0;
    char buffer[64];
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return 0;
    text.append(buffer, static_cast<size_t>(n));
  }
  return std::atoi(text.c_str());
}

}  // namespace

FtpServer::FtpServer(int bytesPerSecond, std::string user, std::string password, Rules rules)
    : user_(std::move(user)), password_(std::move(password)) {
  std::string script = scriptPath().string();
  std::string home = home_.path().string();
  std::string throttle = std::to_string(bytesPerSecond);
  std::string log = (log_.path() / "commandes.log").string();
  std::vector<std::string> args = {kPython, script, home, "--throttle", throttle, "--user", user_,
                                   "--password", password_, "--log", log};
  if (rules.noDotNames) args.push_back("--no-dot-names");
  if (!rules.otherUser.empty())
    args.insert(args.end(), {"--other-user", rules.otherUser, "--other-password", rules.otherPassword});
  if (!rules.renames.empty()) args.insert(args.end(), {"--renames", rules.renames});
  if (!rules.dieAt.empty()) args.insert(args.end(), {"--die-at", rules.dieAt});
  if (!rules.refuse.empty()) args.insert(args.end(), {"--refuse", rules.refuse});
  if (rules.dieAfterBytes > 0) {
    args.push_back("--die-after");
    args.push_back(std::to_string(rules.dieAfterBytes));
  }
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("ftp server: pipe failed");
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("ftp server: fork failed");
  if (pid_ == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive a crashed test
    ::dup2(pipeFds[1], STDOUT_FILENO);
    // The full path as the program's name too: Python looks for its library beside the name it is
    // called by, and a bare "python3" is looked up in PATH, where another interpreter may come first.
    ::execv(kPython, argv.data());
    ::_exit(127);
  }
  ::close(pipeFds[1]);
  port_ = readPort(pipeFds[0]);
  ::close(pipeFds[0]);
  // The server prints its port once it listens: connections queue from then on.
  if (port_ <= 0) {
    stop();
    throw std::runtime_error("ftp server did not start: " + script);
  }
}

FtpServer::~FtpServer() { stop(); }

std::vector<FtpServer::TimedCommand> FtpServer::timedCommands() const {
  std::vector<TimedCommand> commands;
  std::ifstream log(log_.path() / "commandes.log", std::ios::binary);
  for (std::string line; std::getline(log, line);) {
    const size_t first = line.find(' ');
    const size_t second = line.find(' ', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    commands.push_back({std::atof(line.substr(first + 1, second - first - 1).c_str()),
                        line.substr(0, first) + line.substr(second)});
  }
  return commands;
}

std::vector<std::string> FtpServer::commands() const {
  std::vector<std::string> lines;
  for (auto& c : timedCommands()) lines.push_back(std::move(c.command));
  return lines;
}

void FtpServer::stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
}

}  // namespace testing_support
