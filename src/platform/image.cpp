#include "platform/image.h"

#include "platform/files.h"
#include "platform/gif.h"
#include "platform/jpeg.h"

#include <string>

namespace platform {

std::optional<std::pair<int, int>> imageSize(const std::filesystem::path& path) {
  std::string bytes;
  try {
    bytes = readFile(path);
  } catch (const FileError&) {
    return std::nullopt;
  }
  auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() >= 10 && bytes.compare(0, 4, "GIF8") == 0) {
    int width = byte(6) | byte(7) << 8;
    int height = byte(8) | byte(9) << 8;
    if (width > 0 && height > 0) return std::pair{width, height};
    // A screen of 0 takes the picture's size, as the reader does.
    if (auto gif = readGif(path)) return std::pair{gif->width, gif->height};
    return std::nullopt;
  }
  if (bytes.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xD8) return jpegSize(path);
  return std::nullopt;
}

}  // namespace platform
