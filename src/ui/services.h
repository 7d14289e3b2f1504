#pragma once
// The services of the desktop that the program calls: the shell (open a page or an address in the
// browser, run a program), the end of the process, and the clock. Tests use the recording ones.

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace ui {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a file or a web address with the desktop's default program; false when it could not.
  virtual bool open(const std::string& target) = 0;
  virtual bool run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                   const std::filesystem::path& workingFolder) = 0;
};

class ProcessExit {
 public:
  virtual ~ProcessExit() = default;
  virtual void exit(int code) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::chrono::system_clock::time_point now() const = 0;
};

class RecordingShell : public Shell {
 public:
  bool open(const std::string& target) override {
    opened.push_back(target);
    return true;
  }
  bool run(const std::filesystem::path& program, const std::vector<std::string>&,
           const std::filesystem::path&) override {
    ran.push_back(program);
    return true;
  }
  std::vector<std::string> opened;
  std::vector<std::filesystem::path> ran;
};

class RecordingExit : public ProcessExit {
 public:
  void exit(int code) override {
    exited = true;
    this->code = code;
  }
  bool exited = false;
  int code = 0;
};

class SystemClock : public Clock {
 public:
  std::chrono::system_clock::time_point now() const override {
    return std::chrono::system_clock::now();
  }
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(std::chrono::system_clock::time_point t) : time(t) {}
  std::chrono::system_clock::time_point now() const override { return time; }
  std::chrono::system_clock::time_point time;
};

}  // namespace ui
