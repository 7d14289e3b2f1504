#pragma once
// The size of a GIF or JPEG picture, told by its content rather than by its name.

#include <filesystem>
#include <optional>
#include <utility>

namespace platform {

// Width and height; nullopt when the file is missing or is neither a GIF nor a JPEG picture.
std::optional<std::pair<int, int>> imageSize(const std::filesystem::path& path);

}  // namespace platform
