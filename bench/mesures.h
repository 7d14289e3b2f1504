#pragma once
// The bench's measuring tools: steps timed in a child process of their own (wall and CPU time,
// peak memory, bytes written and read), another program timed from outside.

#include <sys/resource.h>

#include <functional>
#include <string>
#include <vector>

namespace bench {

double maintenant();
double cpu(const rusage& r);
// Bytes this process has moved through system calls so far: "wchar:" written, "rchar:" read.
long long octetsES(const char* compteur);

// One measured step: wall and CPU seconds, the process's peak memory so far, bytes written and
// read.
struct Pas {
  std::string quoi;
  double mur = 0, cpu = 0, picMo = 0, ecritMo = 0, luMo = 0;
};

// Inside a child process: times steps and sends them to the parent through a pipe.
class Releve {
 public:
  explicit Releve(int fd) : fd_(fd) {}
  void mesurer(const std::string& quoi, const std::function<void()>& travail);
  // A line of its own ("quoi", then a value), for what the parent prints besides the times.
  void noter(const std::string& quoi, double valeur);

 private:
  int fd_;
};

// Runs the steps in a child process, so that each measure has its own peak memory.
std::vector<Pas> dansUnFils(const std::function<void(Releve&)>& etapes);

// Another program, timed from outside: wall and CPU seconds, peak memory.
Pas commande(const std::string& quoi, std::vector<std::string> args);

void montrer(const Pas& p, const std::string& plus = "");

}  // namespace bench
