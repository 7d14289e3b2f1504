#pragma once
// JPEG pictures, decoded for the editors' previews and the sizes stored with a product sheet. A
// damaged or truncated file is refused (nullopt), never fatal.

#include <filesystem>
#include <optional>
#include <utility>

#include "platform/bitmap.h"

namespace platform {

// Width and height from the header only.
std::optional<std::pair<int, int>> jpegSize(const std::filesystem::path& path);

// The whole picture in RGB; grey and CMYK pictures are converted.
std::optional<Bitmap> readJpeg(const std::filesystem::path& path);

}  // namespace platform
