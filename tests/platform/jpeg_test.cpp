#include "platform/jpeg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/gif.h"
#include "platform/image.h"
#include "support/jpeg_encode.h"
#include "support/temp_folder.h"

using namespace platform;
using testing_support::TempFolder;
using testing_support::encodeJpeg;

namespace {

// Samples of a picture in four flat quarters: red, green / blue, white.
std::vector<uint8_t> quarters(int width, int height) {
  std::vector<uint8_t> samples;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      int q = (y >= height / 2) * 2 + (x >= width / 2);
      samples.insert(samples.end(), {uint8_t(q == 0 || q == 3 ? 255 : 0), uint8_t(q == 1 || q == 3 ? 255 : 0),
                                     uint8_t(q >= 2 ? 255 : 0)});
    }
  return samples;
}

bool near(Rgb a, Rgb b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

}  // namespace

TEST(Jpeg, RgbGreyAndCmykPicturesDecodeToRgb) {
  TempFolder dir;
  dir.write("photo.jpg", encodeJpeg(64, 48, 3, quarters(64, 48)));
  EXPECT_EQ(jpegSize(dir / "photo.jpg"), (std::pair{64, 48}));
  auto photo = readJpeg(dir / "PHOTO.JPG");
  ASSERT_TRUE(photo);
  EXPECT_EQ(std::pair(photo->width(), photo->height()), (std::pair{64, 48}));
  EXPECT_TRUE(near(photo->pixel(8, 8), {255, 0, 0}, 8));
  EXPECT_TRUE(near(photo->pixel(56, 8), {0, 255, 0}, 8));
  EXPECT_TRUE(near(photo->pixel(8, 40), {0, 0, 255}, 8));
  EXPECT_TRUE(near(photo->pixel(56, 40), kWhite, 8));

  std::vector<uint8_t> grey;
  for (int i = 0; i < 32 * 16; ++i) grey.push_back(i % 32 < 16 ? 40 : 200);
  dir.write("gris.jpg", encodeJpeg(32, 16, 1, grey));
  auto g = readJpeg(dir / "gris.jpg");
  ASSERT_TRUE(g);
  EXPECT_TRUE(near(g->pixel(4, 8), {40, 40, 40}, 4));
  EXPECT_TRUE(near(g->pixel(28, 8), {200, 200, 200}, 4));

  // CMYK as the usual (Adobe) files store it, inverted: full "C" and "K" samples give red.
  std::vector<uint8_t> cmyk;
  for (int i = 0; i < 16 * 16; ++i) cmyk.insert(cmyk.end(), {255, 0, 0, 255});
  dir.write("cmjn.jpg", encodeJpeg(16, 16, 4, cmyk));
  auto c = readJpeg(dir / "cmjn.jpg");
  ASSERT_TRUE(c);
  EXPECT_TRUE(near(c->pixel(8, 8), {255, 0, 0}, 10));
}

TEST(Jpeg, DamagedFilesAreRefusedWithoutEndingTheProgram) {
  TempFolder dir;
  const std::string good = encodeJpeg(64, 48, 3, quarters(64, 48), 80);
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"start marker only", "\xFF\xD8"},
      {"cut in the header", good.substr(0, 20)},
      {"not a JPEG", "GIF89a and more bytes"},
      {"random bytes", std::string(300, '\x5A')},
  };
  for (const auto& [name, bytes] : cases) {
    dir.write("bad.jpg", bytes);
    EXPECT_FALSE(jpegSize(dir / "bad.jpg")) << name;
    EXPECT_FALSE(readJpeg(dir / "bad.jpg")) << name;
  }
  // Cut in the picture data: the header still tells the size, the picture is refused.
  const size_t scan = good.find("\xFF\xDA");
  ASSERT_NE(scan, std::string::npos);
  dir.write("cut.jpg", good.substr(0, scan + (good.size() - scan) / 2));
  EXPECT_EQ(jpegSize(dir / "cut.jpg"), (std::pair{64, 48}));
  EXPECT_FALSE(readJpeg(dir / "cut.jpg"));

  // Damage inside the picture data must not end the program, whatever is decoded.
  std::string garbled = good;
  for (size_t i = good.size() / 2; i < good.size() / 2 + 40; ++i) garbled[i] = static_cast<char>(i * 37);
  dir.write("garbled.jpg", garbled);
  auto picture = readJpeg(dir / "garbled.jpg");
  if (picture) {
    EXPECT_EQ(picture->width(), 64);
  }

  EXPECT_FALSE(readJpeg(dir / "absent.jpg"));
  EXPECT_FALSE(jpegSize(dir / "absent.jpg"));
}

TEST(ImageSize, TellsGifAndJpegByTheirContent) {
  TempFolder dir;
  dir.write("photo.jpg", encodeJpeg(20, 10, 3, quarters(20, 10)));
  ASSERT_TRUE(writeGif(dir / "gif-named.jpg", IndexedImage{7, 3, {kWhite}, std::vector<uint8_t>(21, 0)}, -1));
  ASSERT_TRUE(writeGif(dir / "bouton.gif", IndexedImage{80, 31, {kWhite}, std::vector<uint8_t>(80 * 31, 0)}, 0));
  dir.write("notes.txt", "Bonjour");
  dir.write("short.gif", "GIF8");

  const std::pair<const char*, std::optional<std::pair<int, int>>> cases[] = {
      {"photo.jpg", std::pair{20, 10}},
      {"gif-named.jpg", std::pair{7, 3}},
      {"bouton.gif", std::pair{80, 31}},
      {"notes.txt", std::nullopt},
      {"short.gif", std::nullopt},
      {"absent.gif", std::nullopt},
  };
  for (const auto& [name, size] : cases) EXPECT_EQ(imageSize(dir / name), size) << name;
}
