#include "platform/bitmap.h"

#include "platform/fonts.h"
#include "platform/text.h"

#include <cairo-ft.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <utility>

namespace platform {

namespace {

uint32_t pack(Rgb c) { return (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b; }

Rgb unpack(uint32_t v) {
  return {static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
}

// A Cairo context with the font chosen and its metrics read.
class TextContext {
 public:
  TextContext(cairo_surface_t* surface, const Font& font)
      : cr_(cairo_create(surface)), pixelSize_(fontPixelSize(font.size)) {
    cairo_font_face_t* face = createFontFace(font.name, font.bold, font.italic);
    cairo_set_font_face(cr_, face);
    cairo_font_face_destroy(face);
    cairo_set_font_size(cr_, pixelSize_);
    // Whole-pixel metrics, as the desktop measured its labels.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
    cairo_font_extents(cr_, &extents_);
  }
  ~TextContext() { cairo_destroy(cr_); }
  TextContext(const TextContext&) = delete;
  TextContext& operator=(const TextContext&) = delete;

  cairo_t* cr() const { return cr_; }
  int ascent() const { return static_cast<int>(std::lround(extents_.ascent)); }
  int lineHeight() const {
    return static_cast<int>(std::lround(extents_.ascent) + std::lround(extents_.descent));
  }
  double advance(const std::string& utf8) const {
    cairo_text_extents_t e;
    cairo_text_extents(cr_, utf8.c_str(), &e);
    return e.x_advance;
  }

  // Distance of the underline's middle below the baseline and its thickness, from the font's own
  // table when it has one.
  std::pair<double, double> underline() const {
    double position = extents_.descent / 2;
    double thickness = pixelSize_ / 14.0;
    cairo_scaled_font_t* scaled = cairo_get_scaled_font(cr_);
    if (cairo_scaled_font_get_type(scaled) == CAIRO_FONT_TYPE_FT) {
      FT_Face face = cairo_ft_scaled_font_lock_face(scaled);
      if (face && (face->face_flags & FT_FACE_FLAG_SCALABLE) && face->units_per_EM > 0) {
        double scale = static_cast<double>(pixelSize_) / face->units_per_EM;
        position = -face->underline_position * scale;
        if (face->underline_thickness > 0) thickness = face->underline_thickness * scale;
      }
      if (face) cairo_ft_scaled_font_unlock_face(scaled);
    }
    return {position, std::max(1.0, std::round(thickness))};
  }

 private:
  cairo_t* cr_;
  int pixelSize_;
  cairo_font_extents_t extents_{};
};

// A scratch surface for measuring when there is nothing to draw on.
struct ScratchSurface {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  ~ScratchSurface() { cairo_surface_destroy(surface); }
};

}  // namespace

int fontPixelSize(int points) {
  long long pixels = (static_cast<long long>(points) * 96 + 36) / 72;
  return static_cast<int>(std::clamp<long long>(pixels, 1, 10000));
}

Bitmap::Bitmap(int width, int height, Rgb fill) { create(width, height, fill); }

Bitmap::Bitmap(const Bitmap& other) {
  if (other.empty()) return;
  create(other.width_, other.height_, kBlack);
  std::memcpy(data_, other.data_, static_cast<size_t>(stride_) * height_);
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
  if (this != &other) {
    Bitmap copy(other);
    *this = std::move(copy);
  }
  return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)),
      data_(std::exchange(other.data_, nullptr)),
      stride_(std::exchange(other.stride_, 0)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this != &other) {
    release();
    surface_ = std::exchange(other.surface_, nullptr);
    data_ = std::exchange(other.data_, nullptr);
    stride_ = std::exchange(other.stride_, 0);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
  }
  return *this;
}

Bitmap::~Bitmap() { release(); }

void Bitmap::release() {
  if (surface_) cairo_surface_destroy(surface_);
  surface_ = nullptr;
  data_ = nullptr;
  stride_ = 0;
  width_ = height_ = 0;
}

void Bitmap::create(int width, int height, Rgb fill) {
  release();
  if (width <= 0 || height <= 0) return;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    throw std::bad_alloc();
  }
  surface_ = surface;
  data_ = cairo_image_surface_get_data(surface);
  stride_ = cairo_image_surface_get_stride(surface);
  width_ = width;
  height_ = height;
  this->fill(fill);
}

uint32_t* Bitmap::row(int y) const {
  return reinterpret_cast<uint32_t*>(data_ + static_cast<size_t>(stride_) * y);
}

// Our pixel loops write behind Cairo's back; it must know before it draws again.
void Bitmap::markDirty() {
  if (surface_) cairo_surface_mark_dirty(surface_);
}

Rgb Bitmap::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  return unpack(row(y)[x]);
}

void Bitmap::setPixel(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  row(y)[x] = pack(colour);
}

void Bitmap::fill(Rgb colour) {
  uint32_t v = pack(colour);
  for (int y = 0; y < height_; ++y) std::fill_n(row(y), width_, v);
}

void Bitmap::fillRect(int x1, int y1, int x2, int y2, Rgb brush, Rgb pen) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  uint32_t inside = pack(brush);
  uint32_t edge = pack(pen);
  for (int y = std::max(y1, 0); y < std::min(y2, height_); ++y) {
    uint32_t* line = row(y);
    bool edgeRow = y == y1 || y == y2 - 1;
    for (int x = std::max(x1, 0); x < std::min(x2, width_); ++x)
      line[x] = (edgeRow || x == x1 || x == x2 - 1) ? edge : inside;
  }
}

void Bitmap::fillEllipse(int x1, int y1, int x2, int y2, Rgb brush, Rgb pen) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (x1 == x2 || y1 == y2) return;
  // A pixel belongs to the ellipse when its centre does; the centre of the box is the centre of
  // the ellipse, so the shape is exactly symmetric. Edge pixels are those with a side neighbour
  // outside.
  const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
  const double rx = (x2 - x1) / 2.0, ry = (y2 - y1) / 2.0;
  auto in = [&](int x, int y) {
    double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
  uint32_t inside = pack(brush);
  uint32_t edge = pack(pen);
  for (int y = std::max(y1, 0); y < std::min(y2, height_); ++y) {
    uint32_t* line = row(y);
    for (int x = std::max(x1, 0); x < std::min(x2, width_); ++x) {
      if (!in(x, y)) continue;
      bool onEdge = !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1);
      line[x] = onEdge ? edge : inside;
    }
  }
}

void Bitmap::mirrorHorizontal() {
  for (int y = 0; y < height_; ++y) std::reverse(row(y), row(y) + width_);
}

void Bitmap::mirrorVertical() {
  for (int top = 0, bottom = height_ - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(row(top), row(top) + width_, row(bottom));
}

void Bitmap::copyFrom(const Bitmap& source, int sourceX, int sourceY, int width, int height, int x,
                      int y) {
  if (&source == this) {
    Bitmap copy(source);
    copyFrom(copy, sourceX, sourceY, width, height, x, y);
    return;
  }
  // Clip the region to the source, then to this picture, moving both corners together.
  auto clip = [](int& from, int& to, int& length, int limit) {
    if (from < 0) { to -= from; length += from; from = 0; }
    length = std::min(length, limit - from);
  };
  clip(sourceX, x, width, source.width_);
  clip(sourceY, y, height, source.height_);
  clip(x, sourceX, width, width_);
  clip(y, sourceY, height, height_);
  if (width <= 0 || height <= 0) return;
  for (int r = 0; r < height; ++r)
    std::copy_n(source.row(sourceY + r) + sourceX, width, row(y + r) + x);
}

void Bitmap::copyFrom(const Bitmap& source, int x, int y) {
  copyFrom(source, 0, 0, source.width_, source.height_, x, y);
}

void Bitmap::drawText(int x, int y, std::string_view text, const Font& font) {
  if (empty() || text.empty()) return;
  markDirty();
  {
    TextContext context(surface_, font);
    cairo_t* cr = context.cr();
    std::string utf8 = toUtf8(text);
    double baseline = y + context.ascent();
    cairo_set_source_rgb(cr, font.colour.r / 255.0, font.colour.g / 255.0, font.colour.b / 255.0);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, utf8.c_str());
    if (font.underline) {
      auto [position, thickness] = context.underline();
      double top = std::round(baseline + position - thickness / 2);
      cairo_new_path(cr);
      cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
      cairo_rectangle(cr, x, top, std::round(context.advance(utf8)), thickness);
      cairo_fill(cr);
    }
  }
  cairo_surface_flush(surface_);
}

int textWidth(std::string_view text, const Font& font) {
  if (text.empty()) return 0;
  ScratchSurface scratch;
  TextContext context(scratch.surface, font);
  return static_cast<int>(std::lround(context.advance(toUtf8(text))));
}

int textHeight(std::string_view, const Font& font) {
  ScratchSurface scratch;
  TextContext context(scratch.surface, font);
  return context.lineHeight();
}

}  // namespace platform
