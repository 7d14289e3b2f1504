#pragma once
// An RGB picture in memory (a Cairo image surface). Shapes are drawn pixel-exact, without
// antialiasing, so that a colour drawn is a colour found again in the saved GIF; text goes through
// the font engine and may be antialiased. Text arrives in Windows-1252.

#include <cstdint>
#include <string>
#include <string_view>

typedef struct _cairo_surface cairo_surface_t;

namespace platform {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

struct Font {
  std::string name;  // any family name; mapped to an installed family (empty: the default face)
  int size = 8;      // points
  Rgb colour;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// Points to pixels at 96 dots per inch, rounded as the desktop did (13 points: 17 pixels).
int fontPixelSize(int points);

class Bitmap {
 public:
  Bitmap() = default;  // empty, 0 x 0
  Bitmap(int width, int height, Rgb fill = kWhite);
  Bitmap(const Bitmap& other);
  Bitmap& operator=(const Bitmap& other);
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(Bitmap&& other) noexcept;
  ~Bitmap();

  // A new picture of that size in one colour; a size of 0 or less gives an empty picture.
  // Throws std::bad_alloc when the surface cannot be made (larger than 32767 in either direction).
  void create(int width, int height, Rgb fill);
  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }

  // Outside the picture: black is read, writes are ignored.
  Rgb pixel(int x, int y) const;
  void setPixel(int x, int y, Rgb colour);
  void fill(Rgb colour);

  // The classic shapes: the box runs from (x1, y1) to (x2, y2) with the right column and bottom row
  // excluded; a one-pixel outline in the pen colour on the shape's edge pixels, the inside in the
  // brush colour. Parts outside the picture are clipped.
  void fillRect(int x1, int y1, int x2, int y2, Rgb brush, Rgb pen);
  void fillEllipse(int x1, int y1, int x2, int y2, Rgb brush, Rgb pen);

  // Reversed left-right (column x takes column width - 1 - x) or top-bottom.
  void mirrorHorizontal();
  void mirrorVertical();

  // Copies the region (sourceX, sourceY, width, height) of source to (x, y), clipped to both.
  void copyFrom(const Bitmap& source, int sourceX, int sourceY, int width, int height, int x, int y);
  void copyFrom(const Bitmap& source, int x = 0, int y = 0);

  // Text with a transparent background; (x, y) is the top-left corner of the line, so the
  // baseline lies at y + the font's ascent.
  void drawText(int x, int y, std::string_view text, const Font& font);

 private:
  void release();
  uint32_t* row(int y) const;
  void markDirty();

  cairo_surface_t* surface_ = nullptr;
  unsigned char* data_ = nullptr;
  int stride_ = 0;
  int width_ = 0;
  int height_ = 0;
};

// Extent of a one-line text as an autosized label shows it: the advance width, and the line height
// (ascent + descent) whatever the text.
int textWidth(std::string_view text, const Font& font);
int textHeight(std::string_view text, const Font& font);

}  // namespace platform
