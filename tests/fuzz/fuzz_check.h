#pragma once
// What the fuzz targets share: a property check that stops the run with the failing input saved,
// and a scratch file for the readers that take a path.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                          \
  do {                                                                                 \
    if (!(condition)) {                                                                \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                    \
    }                                                                                  \
  } while (0)

namespace fuzz {

// A file of this process under the temporary folder, rewritten for each input.
inline std::filesystem::path scratch(std::string_view name, std::string_view bytes) {
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("tarvio-fuzz-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  std::filesystem::path path = folder / std::string(name);
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

inline std::string_view text(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz
