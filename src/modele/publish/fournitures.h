#pragma once
// The files the program ships (compiled into it, so that it carries them wherever it is copied):
// the support images the generated pages name (pix1x1.gif, the arrows, son.gif, the promotion
// bullet), the order-button and menu templates, and the support scripts the maker's server hands
// out. A data folder that lacks one gets it at start-up, as the update would bring it; a file the
// shop has is never replaced.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace publish {

struct Fourniture {
  std::string_view chemin;  // relative to the data folder, "/" between folders
  std::string_view octets;
};

// Every shipped file (made at build time from cmake/fournitures.cmake's list).
std::span<const Fourniture> fournitures();

// Writes each shipped file the data folder lacks (a name in another letter case counts as
// there), its folder made when missing; returns the names written. Throws platform::FileError
// when one cannot be written.
std::vector<std::string> apporterFournitures(const platform::DataFolder& donnees);

}  // namespace publish
