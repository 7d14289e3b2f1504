#include "platform/jpeg.h"

#include "platform/files.h"

#include <csetjmp>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include <jpeglib.h>
// After jpeglib.h: the message codes.
#include <jerror.h>

namespace platform {

namespace {

constexpr int kMaxSide = 32767;  // the largest picture surface there is
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

// The library's own error handler ends the process; ours jumps back to the decoder's caller.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// A truncated file only earns a warning, after which the decoder invents grey rows: refuse it.
void onMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) onError(info);
}

void silent(j_common_ptr) {}

Rgb fromCmyk(const JSAMPLE* p, bool inverted) {
  int c = p[0], m = p[1], y = p[2], k = p[3];
  if (!inverted) {  // inverted is the usual storage (Adobe files)
    c = 255 - c;
    m = 255 - m;
    y = 255 - y;
    k = 255 - k;
  }
  return {static_cast<uint8_t>(c * k / 255), static_cast<uint8_t>(m * k / 255),
          static_cast<uint8_t>(y * k / 255)};
}

// Everything that outlives a jump is owned by the caller: between setjmp and longjmp this frame
// holds plain data only, so no destructor is skipped. With picture null, only the size is read.
bool decode(const std::string& bytes, int& width, int& height, Bitmap* picture,
            std::vector<JSAMPLE>& line) {
  jpeg_decompress_struct info{};
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = onError;
  errors.base.emit_message = onMessage;
  errors.base.output_message = silent;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  width = static_cast<int>(info.image_width);
  height = static_cast<int>(info.image_height);
  if (!picture) {
    jpeg_destroy_decompress(&info);
    return true;
  }
  if (width > kMaxSide || height > kMaxSide || static_cast<long long>(width) * height > kMaxPixels) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  const bool inverted = info.saw_Adobe_marker;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&info);
  const int components = cmyk ? 4 : 3;
  if (info.output_components != components || static_cast<int>(info.output_width) != width ||
      static_cast<int>(info.output_height) != height) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  try {
    picture->create(width, height, kBlack);
    line.resize(static_cast<size_t>(width) * components);
  } catch (const std::bad_alloc&) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {line.data()};
    if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
    int y = static_cast<int>(info.output_scanline) - 1;
    const JSAMPLE* p = line.data();
    for (int x = 0; x < width; ++x, p += components)
      picture->setPixel(x, y, cmyk ? fromCmyk(p, inverted) : Rgb{p[0], p[1], p[2]});
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

std::optional<std::string> contentOf(const std::filesystem::path& path) {
  try {
    return readFile(path);
  } catch (const FileError&) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<std::pair<int, int>> jpegSize(const std::filesystem::path& path) {
  auto bytes = contentOf(path);
  if (!bytes) return std::nullopt;
  int width = 0, height = 0;
  std::vector<JSAMPLE> line;
  if (!decode(*bytes, width, height, nullptr, line)) return std::nullopt;
  return std::pair{width, height};
}

std::optional<Bitmap> readJpeg(const std::filesystem::path& path) {
  auto bytes = contentOf(path);
  if (!bytes) return std::nullopt;
  int width = 0, height = 0;
  Bitmap picture;
  std::vector<JSAMPLE> line;
  if (!decode(*bytes, width, height, &picture, line)) return std::nullopt;
  return picture;
}

}  // namespace platform
