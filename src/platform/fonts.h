#pragma once
// Fonts of the system, through fontconfig. Names are Windows-1252; the names the shop files carry
// ("Times", "Arial", "Verdana", "sans-serif", ...) rarely exist here and are mapped to the nearest
// installed family.

#include <string>
#include <string_view>
#include <vector>

typedef struct _cairo_font_face cairo_font_face_t;

namespace platform {

// Family names of the installed fonts, in the French order, each once. Names that Windows-1252
// cannot write are left out.
std::vector<std::string> installedFonts();

// The installed family that fontconfig chooses for the name ("Times" gives a serif family). A
// name that is itself an installed family is kept, in its installed spelling.
std::string fontFamilyFor(std::string_view name);

// A Cairo face for the family nearest to the name, in the weight and slant asked. The caller owns
// the reference (cairo_font_face_destroy).
cairo_font_face_t* createFontFace(std::string_view name, bool bold, bool italic);

}  // namespace platform
