#include "platform/fonts.h"

#include "platform/text.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace platform {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

const FcChar8* fc(const std::string& utf8) { return reinterpret_cast<const FcChar8*>(utf8.c_str()); }

// The family names of a font pattern, as stored (UTF-8).
std::vector<std::string> familiesOf(const FcPattern* font) {
  std::vector<std::string> names;
  FcChar8* value = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &value) == FcResultMatch; ++i)
    names.emplace_back(reinterpret_cast<const char*>(value));
  return names;
}

// Windows-1252 text of a name, or nothing when a character has no place there.
std::optional<std::string> representable(const std::string& utf8) {
  std::string text = fromUtf8(utf8);
  if (text.find('?') != std::string::npos && utf8.find('?') == std::string::npos) return std::nullopt;
  return text;
}

Pattern matchFont(std::string_view name, bool bold, bool italic) {
  Pattern wanted(FcPatternCreate());
  if (!wanted) return nullptr;
  std::string family = toUtf8(trim(name));
  if (!family.empty()) FcPatternAddString(wanted.get(), FC_FAMILY, fc(family));
  FcPatternAddInteger(wanted.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(wanted.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
  FcDefaultSubstitute(wanted.get());
  FcResult result = FcResultNoMatch;
  return Pattern(FcFontMatch(nullptr, wanted.get(), &result));
}

}  // namespace

std::vector<std::string> installedFonts() {
  std::vector<std::string> names;
  Pattern all(FcPatternCreate());
  FcObjectSet* wanted = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = (all && wanted) ? FcFontList(nullptr, all.get(), wanted) : nullptr;
  if (wanted) FcObjectSetDestroy(wanted);
  if (!fonts) return names;
  for (int i = 0; i < fonts->nfont; ++i) {
    for (const std::string& family : familiesOf(fonts->fonts[i]))
      if (auto text = representable(family); text && !text->empty()) names.push_back(*text);
  }
  FcFontSetDestroy(fonts);
  sortFrench(names);
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

std::string fontFamilyFor(std::string_view name) {
  Pattern font = matchFont(name, false, false);
  if (!font) return std::string(trim(name));
  std::vector<std::string> families = familiesOf(font.get());
  std::string asked = trim(name);
  // A font often carries several family names ("DejaVu Sans" and "DejaVu Sans Condensed"): the
  // one asked for wins over the first.
  for (const std::string& family : families)
    if (auto text = representable(family); text && equalsNoCase(*text, asked)) return *text;
  for (const std::string& family : families)
    if (auto text = representable(family)) return *text;
  return asked;
}

cairo_font_face_t* createFontFace(std::string_view name, bool bold, bool italic) {
  Pattern font = matchFont(name, bold, italic);
  if (font) return cairo_ft_font_face_create_for_pattern(font.get());  // Cairo keeps its own reference
  std::string family = toUtf8(trim(name));
  return cairo_toy_font_face_create(family.c_str(),
                                    italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                                    bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
}

}  // namespace platform
