#include "platform/gif.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "support/temp_folder.h"

using namespace platform;
using testing_support::TempFolder;

namespace {

constexpr Rgb kFill{0xFC, 0xEF, 0xBC};
constexpr Rgb kLine{0x5A, 0x6B, 0xA5};
constexpr Rgb kBlue{0, 0, 255};

// What an independent decoder (the library's whole-file reader) sees in a written file.
struct Decoded {
  bool ok = false;
  int width = 0, height = 0, images = 0, mapSize = 0, extensions = 0;
  int transparent = NO_TRANSPARENT_COLOR;
  GifImageDesc frame{};
  std::vector<Rgb> pixels;
  Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Decoded slurp(const std::filesystem::path& path) {
  Decoded d;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (!gif) return d;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0 && gif->SColorMap) {
    const SavedImage& frame = gif->SavedImages[0];
    d = {true, gif->SWidth, gif->SHeight, gif->ImageCount, gif->SColorMap->ColorCount,
         frame.ExtensionBlockCount, NO_TRANSPARENT_COLOR, frame.ImageDesc, {}};
    GraphicsControlBlock control;
    if (DGifSavedExtensionToGCB(gif, 0, &control) == GIF_OK) d.transparent = control.TransparentColor;
    for (int i = 0; i < frame.ImageDesc.Width * frame.ImageDesc.Height; ++i) {
      const GifColorType& c = gif->SColorMap->Colors[frame.RasterBits[i]];
      d.pixels.push_back({c.Red, c.Green, c.Blue});
    }
  }
  DGifCloseFile(gif, &error);
  return d;
}

// Writes one frame with the library's low-level encoder, the rows sent in the order the file
// stores them (the four passes when interlaced), with a grey global map of 32 entries.
void writeRaw(const std::filesystem::path& path, int screenWidth, int screenHeight,
              const GifImageDesc& desc, const std::vector<GifColorType>& localMap, int transparent,
              const std::vector<GifPixelType>& pixels) {
  std::vector<GifColorType> grey;
  for (int i = 0; i < 32; ++i) grey.push_back({GifByteType(i * 8), GifByteType(i * 8), GifByteType(i * 8)});
  ColorMapObject* global = GifMakeMapObject(32, grey.data());
  ColorMapObject* local = localMap.empty() ? nullptr : GifMakeMapObject(int(localMap.size()), localMap.data());
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  ASSERT_NE(gif, nullptr);
  EGifSetGifVersion(gif, true);
  ASSERT_EQ(EGifPutScreenDesc(gif, screenWidth, screenHeight, 8, 3, global), GIF_OK);
  if (transparent >= 0) {
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, transparent};
    GifByteType bytes[4];
    EGifGCBToExtension(&control, bytes);
    ASSERT_EQ(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, bytes), GIF_OK);
  }
  ASSERT_EQ(EGifPutImageDesc(gif, desc.Left, desc.Top, desc.Width, desc.Height, desc.Interlace, local), GIF_OK);
  std::vector<std::pair<int, int>> passes{{0, 1}};
  if (desc.Interlace) passes = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
  for (auto [start, step] : passes)
    for (int y = start; y < desc.Height; y += step) {
      std::vector<GifPixelType> line(pixels.begin() + y * desc.Width, pixels.begin() + (y + 1) * desc.Width);
      ASSERT_EQ(EGifPutLine(gif, line.data(), desc.Width), GIF_OK);
    }
  GifFreeMapObject(global);
  if (local) GifFreeMapObject(local);
  ASSERT_EQ(EGifCloseFile(gif, &error), GIF_OK);
}

}  // namespace

TEST(GifWrite, CornerTileKeepsItsExactColoursAndMarksTheOuterCornerTransparent) {
  TempFolder dir;
  Bitmap tile(6, 6, kWhite);
  tile.fillEllipse(0, 0, 18, 18, kFill, kLine);
  tile.mirrorHorizontal();  // the top-right tile: its outer corner is (5, 0)
  IndexedImage indexed = quantize(tile);
  ASSERT_TRUE(writeGif(dir / "defaut_hd.gif", indexed, indexed.paletteIndexAt(5, 0)));

  Decoded d = slurp(dir / "defaut_hd.gif");
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(dir.read("defaut_hd.gif").substr(0, 6), "GIF89a");
  EXPECT_EQ(std::tie(d.width, d.height, d.images), std::tuple(6, 6, 1));
  EXPECT_EQ(std::tie(d.frame.Left, d.frame.Top, d.frame.Width, d.frame.Height), std::tuple(0, 0, 6, 6));
  EXPECT_FALSE(d.frame.Interlace);
  EXPECT_EQ(d.mapSize, 4);  // three colours, padded to a power of two
  EXPECT_EQ(d.transparent, indexed.paletteIndexAt(5, 0));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(d.at(x, y), tile.pixel(x, y)) << x << "," << y;

  // Our own reader gives the same picture back, found without regard to case.
  auto gif = readGif(dir / "DEFAUT_HD.GIF");
  ASSERT_TRUE(gif);
  EXPECT_EQ(gif->transparentIndex, indexed.paletteIndexAt(5, 0));
  EXPECT_EQ(gif->indices, indexed.indices);
  EXPECT_EQ(gif->toBitmap().pixel(2, 3), tile.pixel(2, 3));
}

TEST(GifWrite, ExtensionOnlyWhenTransparentAndColourMapRoundedToAPowerOfTwo) {
  struct Case {
    int colours, transparent, mapSize, extensions;
  };
  const Case cases[] = {{1, -1, 2, 0}, {2, 0, 2, 1}, {3, 2, 4, 1}, {5, -1, 8, 0},
                        {17, 16, 32, 1}, {129, -1, 256, 0}, {256, 255, 256, 1}};
  for (const Case& c : cases) {
    TempFolder dir;
    IndexedImage image{c.colours, 1, {}, {}};
    for (int i = 0; i < c.colours; ++i) {
      image.palette.push_back({uint8_t(i), 7, uint8_t(255 - i)});
      image.indices.push_back(uint8_t(i));
    }
    ASSERT_TRUE(writeGif(dir / "p.gif", image, c.transparent)) << c.colours;
    Decoded d = slurp(dir / "p.gif");
    ASSERT_TRUE(d.ok) << c.colours;
    EXPECT_EQ(dir.read("p.gif").substr(0, 6), "GIF89a");
    // A picture as wide as its colours and one pixel high: no side taken for the other.
    EXPECT_EQ(std::tie(d.width, d.height), std::tuple(c.colours, 1)) << c.colours;
    EXPECT_EQ(d.mapSize, c.mapSize) << c.colours;
    EXPECT_EQ(d.extensions, c.extensions) << c.colours;
    EXPECT_EQ(d.transparent, c.transparent) << c.colours;
    for (int i = 0; i < c.colours; ++i) EXPECT_EQ(d.at(i, 0), image.palette[i]) << c.colours;
  }
}

TEST(GifWrite, AFailedWriteKeepsTheOldFile) {
  TempFolder dir;
  IndexedImage good{2, 1, {kWhite, kBlue}, {0, 1}};
  ASSERT_TRUE(writeGif(dir / "logo.gif", good, -1));
  const std::string before = dir.read("logo.gif");
  const std::pair<const char*, IndexedImage> cases[] = {
      {"index outside the palette", {2, 1, {kWhite}, {0, 1}}},
      {"more than 256 colours", {1, 1, std::vector<Rgb>(257, kBlue), {0}}},
      {"no palette", {1, 1, {}, {0}}},
      {"indices do not cover the picture", {2, 2, {kWhite}, {0, 0}}},
      {"empty picture", {0, 0, {kWhite}, {}}},
  };
  for (const auto& [name, image] : cases) {
    std::string error;
    EXPECT_FALSE(writeGif(dir / "logo.gif", image, -1, &error)) << name;
    EXPECT_FALSE(error.empty()) << name;
    EXPECT_EQ(dir.read("logo.gif"), before) << name;
  }
  EXPECT_FALSE(writeGif(dir / "logo.gif", good, 2));  // transparent index outside the palette
  EXPECT_EQ(dir.read("logo.gif"), before);

  // The file system refuses: a folder stands where the file should go.
  std::filesystem::create_directories(dir / "bandeau.gif" / "x");
  std::string error;
  EXPECT_FALSE(writeGif(dir / "bandeau.gif", good, -1, &error));
  EXPECT_FALSE(error.empty());
  // The temporary file cannot be created beside a name near the longest allowed, root or not.
  const std::string longue = std::string(246, 'n') + ".gif";
  dir.write(longue, before);
  EXPECT_FALSE(writeGif(dir / longue, IndexedImage{1, 1, {kFill}, {0}}, -1));
  EXPECT_EQ(dir.read(longue), before);
}

TEST(Quantize, ExactColoursInOrderOfFirstAppearanceUpTo256) {
  Bitmap b(3, 2, kWhite);
  b.setPixel(1, 0, kBlue);
  b.setPixel(0, 1, kFill);
  b.setPixel(2, 1, kBlue);
  IndexedImage q = quantize(b);
  EXPECT_EQ(q.palette, (std::vector<Rgb>{kWhite, kBlue, kFill}));
  EXPECT_EQ(q.indices, (std::vector<uint8_t>{0, 1, 0, 2, 0, 1}));
  EXPECT_EQ(q.paletteIndexAt(2, 1), 1);
  EXPECT_EQ(q.paletteIndexAt(3, 0), -1);

  Bitmap many(16, 16, kWhite);
  for (int i = 1; i < 256; ++i) many.setPixel(i % 16, i / 16, {uint8_t(i - 1), 40, 80});
  IndexedImage exact = quantize(many);
  ASSERT_EQ(exact.palette.size(), 256u);
  EXPECT_EQ(exact.palette[0], kWhite);
  Bitmap back = exact.toBitmap();
  for (int i = 0; i < 256; ++i) EXPECT_EQ(back.pixel(i % 16, i / 16), many.pixel(i % 16, i / 16));
}

TEST(Quantize, ManyColoursGetAClosePaletteWithoutDithering) {
  // A smooth gradient of 262144 distinct colours, drawn twice side by side.
  const int n = 512;
  Bitmap b(2 * n, n, kBlack);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      Rgb c{uint8_t(x / 2), uint8_t(y / 2), uint8_t(100 + (x % 2) * 2 + (y % 2))};
      b.setPixel(x, y, c);
      b.setPixel(x + n, y, c);
    }
  IndexedImage q = quantize(b);
  ASSERT_LE(q.palette.size(), 256u);
  Bitmap back = q.toBitmap();
  double total = 0;
  int worst = 0;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      Rgb a = b.pixel(x, y), z = back.pixel(x, y);
      int e = std::max({std::abs(a.r - z.r), std::abs(a.g - z.g), std::abs(a.b - z.b)});
      total += e;
      worst = std::max(worst, e);
      ASSERT_EQ(q.paletteIndexAt(x, y), q.paletteIndexAt(x + n, y));  // equal pixels, equal indexes
    }
  EXPECT_LT(total / (n * n), 6.0);
  EXPECT_LE(worst, 16);
}

TEST(GifRead, InterlacedRowsComeOutInPictureOrder) {
  for (int height : {1, 2, 5, 9, 16, 19}) {
    TempFolder dir;
    std::vector<GifPixelType> pixels;
    for (int y = 0; y < height; ++y) pixels.insert(pixels.end(), 3, GifPixelType(y));
    writeRaw(dir / "i.gif", 3, height, {0, 0, 3, height, true, nullptr}, {}, -1, pixels);
    auto gif = readGif(dir / "i.gif");
    ASSERT_TRUE(gif) << height;
    for (int y = 0; y < height; ++y) EXPECT_EQ(gif->paletteIndexAt(1, y), y) << height << " row " << y;
  }
}

TEST(GifRead, FrameSitsAtItsOffsetOnTheScreenWithItsOwnColours) {
  TempFolder dir;
  std::vector<GifPixelType> pixels;
  for (int i = 0; i < 12; ++i) pixels.push_back(GifPixelType(i % 3));
  writeRaw(dir / "t.gif", 10, 8, {3, 2, 4, 3, false, nullptr}, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}},
           1, pixels);
  auto gif = readGif(dir / "t.gif");
  ASSERT_TRUE(gif);
  EXPECT_EQ(std::tie(gif->width, gif->height, gif->transparentIndex), std::tuple(10, 8, 1));
  EXPECT_EQ(gif->palette[0], (Rgb{255, 0, 0}));
  EXPECT_EQ(gif->paletteIndexAt(0, 0), 3);  // background
  EXPECT_EQ(gif->paletteIndexAt(3, 2), 0);
  EXPECT_EQ(gif->paletteIndexAt(6, 4), 2);
  EXPECT_EQ(gif->paletteIndexAt(7, 4), 3);
  EXPECT_EQ(gif->toBitmap().pixel(4, 2), (Rgb{0, 255, 0}));  // transparency ignored
}

TEST(GifRead, DamagedFilesAreRefused) {
  TempFolder dir;
  IndexedImage image{40, 30, {kWhite, kBlue, kFill}, std::vector<uint8_t>(1200, 1)};
  for (int i = 0; i < 1200; i += 7) image.indices[i] = 2;
  ASSERT_TRUE(writeGif(dir / "ok.gif", image, 0));
  const std::string good = dir.read("ok.gif");
  std::string hugeScreen = good;  // 65535 x 65535: refused, not allocated
  hugeScreen.replace(6, 4, "\xFF\xFF\xFF\xFF");
  std::string garbled = good;
  garbled.replace(good.size() - 30, 28, std::string(28, '\xFF'));
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"header only", "GIF89a"},
      {"no picture", good.substr(0, 6 + 7 + 12) + ";"},
      {"cut in the picture", good.substr(0, good.size() / 2)},
      {"not a GIF", "\x89PNG\r\n\x1a\n0000000000000"},
      {"garbled picture data", garbled},
      {"huge screen", hugeScreen},
  };
  for (const auto& [name, bytes] : cases) {
    dir.write("bad.gif", bytes);
    EXPECT_FALSE(readGif(dir / "bad.gif")) << name;
  }
  EXPECT_FALSE(readGif(dir / "absent.gif"));
}
