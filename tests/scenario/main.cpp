#include <iostream>
#include <string>

#include "runner.h"

int main(int argc, char** argv) {
  scenario::Options options;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--data" && i + 1 < argc)
      options.data = argv[++i];
    else if (options.script.empty())
      options.script = arg;
    else {
      std::cerr << "usage: scenario SCRIPT [--data DIR]\n";
      return 2;
    }
  }
  if (options.script.empty()) {
    std::cerr << "usage: scenario SCRIPT [--data DIR]\n";
    return 2;
  }
  return scenario::run(options, std::cout, std::cerr);
}
