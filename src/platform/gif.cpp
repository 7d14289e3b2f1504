#include "platform/gif.h"

#include "platform/files.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace platform {

namespace {

// Larger pictures are refused rather than allocated: a damaged header may claim anything.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

uint32_t pack(Rgb c) { return (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b; }

struct MemoryReader {
  const std::string* bytes;
  size_t position = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  size_t available = reader->bytes->size() - reader->position;
  size_t n = std::min(available, static_cast<size_t>(std::max(length, 0)));
  std::memcpy(buffer, reader->bytes->data() + reader->position, n);
  reader->position += n;
  return static_cast<int>(n);
}

int writeToMemory(GifFileType* gif, const GifByteType* buffer, int length) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(buffer), length);
  return length;
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

// Reads the first image's rows onto the screen buffer, in file order for an interlaced image.
bool readFrame(GifFileType* gif, GifImage& image) {
  const GifImageDesc& desc = gif->Image;
  if (desc.Width <= 0 || desc.Height <= 0) return true;
  if (static_cast<long long>(desc.Width) * desc.Height > kMaxPixels) return false;
  std::vector<GifPixelType> line(desc.Width);
  auto place = [&](int row) {
    int y = desc.Top + row;
    if (y < 0 || y >= image.height) return;
    for (int col = 0; col < desc.Width; ++col) {
      int x = desc.Left + col;
      if (x >= 0 && x < image.width) image.indices[static_cast<size_t>(y) * image.width + x] = line[col];
    }
  };
  if (desc.Interlace) {
    constexpr std::array<int, 4> start{0, 4, 2, 1}, step{8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
      for (int row = start[pass]; row < desc.Height; row += step[pass]) {
        if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR) return false;
        place(row);
      }
  } else {
    for (int row = 0; row < desc.Height; ++row) {
      if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR) return false;
      place(row);
    }
  }
  return true;
}

std::optional<GifImage> decode(const std::string& bytes) {
  MemoryReader reader{&bytes};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, readFromMemory, &error));
  if (!gif) return std::nullopt;
  int transparent = -1;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) return std::nullopt;
    if (record == TERMINATE_RECORD_TYPE) return std::nullopt;  // no picture at all
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) return std::nullopt;
      if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
        GraphicsControlBlock control;
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
          transparent = control.TransparentColor;
      }
      while (block)
        if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) return std::nullopt;
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE) continue;
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) return std::nullopt;

    const GifImageDesc& desc = gif->Image;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount <= 0 || map->ColorCount > 256) return std::nullopt;
    GifImage image;
    // A screen of 0 (seen in the wild) means "as large as the picture".
    image.width = gif->SWidth > 0 ? gif->SWidth : desc.Left + desc.Width;
    image.height = gif->SHeight > 0 ? gif->SHeight : desc.Top + desc.Height;
    if (image.width <= 0 || image.height <= 0) return std::nullopt;
    if (static_cast<long long>(image.width) * image.height > kMaxPixels) return std::nullopt;
    for (int i = 0; i < map->ColorCount; ++i)
      image.palette.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
    int background = gif->SBackGroundColor < map->ColorCount ? gif->SBackGroundColor : 0;
    image.indices.assign(static_cast<size_t>(image.width) * image.height,
                         static_cast<uint8_t>(background));
    if (!readFrame(gif.get(), image)) return std::nullopt;
    image.transparentIndex = transparent >= 0 && transparent < map->ColorCount ? transparent : -1;
    return image;
  }
}

// Median cut over the distinct colours, weighted by their pixel counts: the box holding the most
// squared error is cut at its median along its widest axis, until there are 256 boxes.
struct Colour {
  std::array<uint8_t, 3> c;
  uint32_t count;
  uint32_t packed;
};

struct Box {
  size_t begin, end;
  double error;
  int axis;
  Rgb mean;
};

Box makeBox(const std::vector<Colour>& colours, size_t begin, size_t end) {
  double n = 0;
  std::array<double, 3> sum{}, squares{};
  for (size_t i = begin; i < end; ++i) {
    double w = colours[i].count;
    n += w;
    for (int k = 0; k < 3; ++k) {
      sum[k] += w * colours[i].c[k];
      squares[k] += w * colours[i].c[k] * colours[i].c[k];
    }
  }
  Box box{begin, end, 0, 0, {}};
  double widest = -1;
  for (int k = 0; k < 3; ++k) {
    double spread = squares[k] - sum[k] * sum[k] / n;
    box.error += spread;
    if (spread > widest) { widest = spread; box.axis = k; }
  }
  auto mean = [&](int k) { return static_cast<uint8_t>(std::clamp(sum[k] / n + 0.5, 0.0, 255.0)); };
  box.mean = {mean(0), mean(1), mean(2)};
  if (end - begin < 2) box.error = -1;
  else if (box.error <= 0) box.error = 1e-9;  // distinct colours always differ somewhere
  return box;
}

std::vector<Rgb> medianCut(std::vector<Colour>& colours) {
  std::vector<Box> boxes{makeBox(colours, 0, colours.size())};
  while (boxes.size() < 256) {
    auto worst = std::max_element(boxes.begin(), boxes.end(),
                                  [](const Box& a, const Box& b) { return a.error < b.error; });
    if (worst->error < 0) break;
    Box box = *worst;
    int axis = box.axis;
    std::sort(colours.begin() + box.begin, colours.begin() + box.end,
              [axis](const Colour& a, const Colour& b) {
                return a.c[axis] != b.c[axis] ? a.c[axis] < b.c[axis] : a.packed < b.packed;
              });
    double total = 0;
    for (size_t i = box.begin; i < box.end; ++i) total += colours[i].count;
    double running = 0;
    size_t cut = box.begin + 1;
    for (size_t i = box.begin; i < box.end; ++i) {
      running += colours[i].count;
      if (running >= total / 2) { cut = i + 1; break; }
    }
    cut = std::clamp(cut, box.begin + 1, box.end - 1);
    *worst = makeBox(colours, box.begin, cut);
    boxes.push_back(makeBox(colours, cut, box.end));
  }
  std::vector<Rgb> palette;
  for (const Box& box : boxes) palette.push_back(box.mean);
  return palette;
}

uint8_t nearest(const std::vector<Rgb>& palette, Rgb c) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (size_t i = 0; i < palette.size(); ++i) {
    int dr = c.r - palette[i].r, dg = c.g - palette[i].g, db = c.b - palette[i].b;
    int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) { bestDistance = d; best = static_cast<int>(i); }
  }
  return static_cast<uint8_t>(best);
}

}  // namespace

int IndexedImage::paletteIndexAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return -1;
  size_t at = static_cast<size_t>(y) * width + x;
  return at < indices.size() ? indices[at] : -1;
}

Bitmap IndexedImage::toBitmap() const {
  Bitmap bitmap(width, height, kBlack);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      int index = paletteIndexAt(x, y);
      if (index >= 0 && index < static_cast<int>(palette.size())) bitmap.setPixel(x, y, palette[index]);
    }
  return bitmap;
}

std::optional<GifImage> readGif(const std::filesystem::path& path) {
  std::string bytes;
  try {
    bytes = readFile(path);
  } catch (const FileError&) {
    return std::nullopt;
  }
  return decode(bytes);
}

IndexedImage quantize(const Bitmap& bitmap) {
  IndexedImage image;
  image.width = bitmap.width();
  image.height = bitmap.height();
  image.indices.resize(static_cast<size_t>(image.width) * image.height);

  std::unordered_map<uint32_t, uint8_t> exact;
  bool fits = true;
  for (int y = 0; y < image.height && fits; ++y)
    for (int x = 0; x < image.width; ++x) {
      Rgb c = bitmap.pixel(x, y);
      auto [it, added] = exact.try_emplace(pack(c), static_cast<uint8_t>(image.palette.size()));
      if (added) {
        if (image.palette.size() == 256) { fits = false; break; }
        image.palette.push_back(c);
      }
      image.indices[static_cast<size_t>(y) * image.width + x] = it->second;
    }
  if (fits) return image;

  std::unordered_map<uint32_t, uint32_t> counts;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) ++counts[pack(bitmap.pixel(x, y))];
  std::vector<Colour> colours;
  colours.reserve(counts.size());
  for (auto [packed, count] : counts)
    colours.push_back({{static_cast<uint8_t>(packed >> 16), static_cast<uint8_t>(packed >> 8),
                        static_cast<uint8_t>(packed)},
                       count, packed});
  image.palette = medianCut(colours);
  std::unordered_map<uint32_t, uint8_t> mapping;
  mapping.reserve(colours.size());
  for (const Colour& colour : colours)
    mapping[colour.packed] = nearest(image.palette, {colour.c[0], colour.c[1], colour.c[2]});
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      image.indices[static_cast<size_t>(y) * image.width + x] = mapping[pack(bitmap.pixel(x, y))];
  return image;
}

bool writeGif(const std::filesystem::path& path, const IndexedImage& image, int transparentIndex,
              std::string* error) {
  auto fail = [&](std::string message) {
    if (error) *error = std::move(message);
    return false;
  };
  const int colours = static_cast<int>(image.palette.size());
  if (image.width <= 0 || image.height <= 0 || image.width > 65535 || image.height > 65535 ||
      image.indices.size() != static_cast<size_t>(image.width) * image.height)
    return fail("Image GIF incorrecte : dimensions invalides");
  if (colours < 1 || colours > 256) return fail("Image GIF incorrecte : palette de 1 à 256 couleurs attendue");
  if (std::any_of(image.indices.begin(), image.indices.end(), [&](uint8_t i) { return i >= colours; }))
    return fail("Image GIF incorrecte : indice hors de la palette");
  if (transparentIndex >= colours) return fail("Image GIF incorrecte : couleur transparente hors de la palette");

  int mapSize = 2;
  while (mapSize < colours) mapSize *= 2;
  std::vector<GifColorType> entries(mapSize, GifColorType{0, 0, 0});
  for (int i = 0; i < colours; ++i)
    entries[i] = {image.palette[i].r, image.palette[i].g, image.palette[i].b};

  std::string bytes;
  int code = 0;
  GifFileType* gif = EGifOpen(&bytes, writeToMemory, &code);
  if (!gif) return fail(GifErrorString(code));
  ColorMapObject* map = GifMakeMapObject(mapSize, entries.data());
  if (!map) code = E_GIF_ERR_NOT_ENOUGH_MEM;
  EGifSetGifVersion(gif, true);
  bool ok = map && EGifPutScreenDesc(gif, image.width, image.height, map->BitsPerPixel, 0, map) == GIF_OK;
  if (map) GifFreeMapObject(map);  // the encoder keeps its own copy
  if (map && !ok) code = gif->Error;
  if (ok && transparentIndex >= 0) {
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, transparentIndex};
    GifByteType extension[4];
    size_t length = EGifGCBToExtension(&control, extension);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_OK;
    if (!ok) code = gif->Error;
  }
  if (ok && EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_ERROR) {
    ok = false;
    code = gif->Error;
  }
  std::vector<GifPixelType> line(image.width);  // the encoder masks the line in place
  for (int y = 0; ok && y < image.height; ++y) {
    std::copy_n(image.indices.begin() + static_cast<size_t>(y) * image.width, image.width, line.begin());
    ok = EGifPutLine(gif, line.data(), image.width) == GIF_OK;
    if (!ok) code = gif->Error;
  }
  int closeCode = 0;
  if (EGifCloseFile(gif, &closeCode) == GIF_ERROR && ok) {
    ok = false;
    code = closeCode;
  }
  if (!ok) return fail(GifErrorString(code));

  try {
    writeFileAtomic(path, bytes);
  } catch (const FileError& e) {
    return fail(e.what());
  }
  return true;
}

}  // namespace platform
