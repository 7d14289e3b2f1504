#pragma once
// JPEG bytes made with the system's encoder, for pictures the tests and measures need.

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// Samples row by row; components per pixel: 1 grey, 3 RGB, 4 CMYK.
std::string encodeJpeg(int width, int height, int components, const std::vector<uint8_t>& samples,
                       int quality = 95);

}  // namespace testing_support
