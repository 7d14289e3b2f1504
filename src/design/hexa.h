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
// is not hexadecimal, or is missing from a short text, gives 0 for that component alone: a stray
// colour must not stop the save or the build that shows it.
RVB hexaVersRGB(std::string_view couleur);

}  // namespace design
