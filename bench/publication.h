#pragma once
// bench --publication [N...]: the first publication and three one-sheet-changed publications of
// an N-sheet shop through the desktop program's windows (offscreen), each against ftplib's floor.

#include <filesystem>
#include <vector>

namespace bench {

int publication(const std::vector<int>& tailles, const std::filesystem::path& base);

}  // namespace bench
