#pragma once
// Runs a scenario script: a fresh program on a temporary data folder, driven as a user would, one
// command a line. See docs/TESTING.md for the commands.

#include <filesystem>
#include <iosfwd>
#include <optional>

namespace scenario {

struct Options {
  std::filesystem::path script;
  std::optional<std::filesystem::path> data;  // kept after the run when given
};

// 0 when every line held, 1 at the first mismatch (reported on err with the script line).
int run(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace scenario
