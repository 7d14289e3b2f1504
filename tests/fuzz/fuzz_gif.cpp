// The GIF reader: a picture it accepts is consistent, and written back then read again it shows
// the same colours.

#include <cstdint>

#include "fuzz_check.h"
#include "platform/gif.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto chemin = fuzz::scratch("entree.gif", fuzz::text(data, size));
  const auto image = platform::readGif(chemin);
  if (!image) return 0;
  FUZZ_CHECK(image->width > 0 && image->height > 0);
  FUZZ_CHECK(image->indices.size() == static_cast<size_t>(image->width) * image->height);
  FUZZ_CHECK(image->palette.size() <= 256);
  FUZZ_CHECK(image->transparentIndex < 256);
  bool dansPalette = !image->palette.empty();
  for (uint8_t i : image->indices) dansPalette = dansPalette && i < image->palette.size();
  if (!dansPalette || image->indices.size() > 100000) return 0;

  const auto copie = fuzz::scratch("copie.gif", "");
  std::string erreur;
  FUZZ_CHECK(platform::writeGif(copie, *image, image->transparentIndex, &erreur));
  const auto relue = platform::readGif(copie);
  FUZZ_CHECK(relue.has_value());
  FUZZ_CHECK(relue->width == image->width && relue->height == image->height);
  for (int y = 0; y < image->height; ++y)
    for (int x = 0; x < image->width; ++x)
      FUZZ_CHECK(relue->palette[relue->paletteIndexAt(x, y)] == image->palette[image->paletteIndexAt(x, y)]);
  return 0;
}
