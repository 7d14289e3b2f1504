// The JPEG reader: a picture it decodes has the size its header tells.

#include <cstdint>

#include "fuzz_check.h"
#include "platform/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto chemin = fuzz::scratch("entree.jpg", fuzz::text(data, size));
  const auto taille = platform::jpegSize(chemin);
  const auto image = platform::readJpeg(chemin);
  if (!image) return 0;
  FUZZ_CHECK(taille.has_value());
  FUZZ_CHECK(image->width() == taille->first && image->height() == taille->second);
  return 0;
}
