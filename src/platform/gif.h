#pragma once
// GIF pictures: reading the first frame of a file, reducing a bitmap to at most 256 colours, and
// writing a single-frame GIF89a with an optional transparent colour.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace platform {

// A picture of palette indexes, row-major from the top-left.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;      // at most 256 colours
  std::vector<uint8_t> indices;  // width * height

  int paletteIndexAt(int x, int y) const;  // -1 outside the picture
  // The palette colours; an index beyond the palette reads as black.
  Bitmap toBitmap() const;
};

struct GifImage : IndexedImage {
  int transparentIndex = -1;  // -1 when the file marks no colour transparent
};

// The first frame placed at its offset on the file's logical screen (the picture's size); the
// rest of the screen takes the background colour. nullopt when the file is missing or unreadable.
std::optional<GifImage> readGif(const std::filesystem::path& path);

// The exact colours when there are 256 or fewer, in order of first appearance (so pixel (0, 0)
// is index 0); otherwise a median-cut palette of 256 colours with nearest-colour mapping and no
// dithering.
IndexedImage quantize(const Bitmap& bitmap);

// One frame at (0, 0), not interlaced, the palette padded to a power of two. A graphic control
// extension (transparency flag and index) is written only when transparentIndex >= 0. The file is
// replaced as a whole, or left as it was on failure; error receives the reason.
bool writeGif(const std::filesystem::path& path, const IndexedImage& image, int transparentIndex,
              std::string* error = nullptr);

}  // namespace platform
