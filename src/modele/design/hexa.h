#pragma once
// Colours written as "#RRGGBB": their red, green and blue components.

#include <string_view>

namespace design {

struct RVB {
  int rouge = 0;
  int vert = 0;
  int bleu = 0;
  bool operator==(const RVB&) const = default;
};

// "#" then three pairs read as hexadecimal in either case; characters after the seventh are
// ignored. A text not starting with "#" (a colour name, a leading blank) gives black. A pair that
// is not hexadecimal, or is missing from a short text, throws platform::IntegerError naming it
// after "$": the command that shows or draws the colour stops there.
RVB hexaVersRGB(std::string_view couleur);

// A whole text read as a hexadecimal number in either case ("FF" is 255). An empty text, a
// character that is not hexadecimal, or a number above 2147483647 throws platform::IntegerError.
long long hexaVersEntier(std::string_view texte);

}  // namespace design
