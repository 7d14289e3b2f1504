// The line list and its two key readers: the text round trip, and the case-blind first-line
// lookup agreeing with the exact later-line reader wherever a key has one spelling only.

#include <cstdint>
#include <map>

#include "fuzz_check.h"
#include "platform/lines.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using platform::LineList;
  const LineList lignes = LineList::fromText(fuzz::text(data, size));
  for (const auto& l : lignes) FUZZ_CHECK(l.find_first_of("\r\n") == std::string::npos);
  FUZZ_CHECK(LineList::fromText(lignes.text()) == lignes);

  const std::map<std::string, std::string> exactes = platform::exactKeyValues(lignes);
  for (const auto& [cle, valeur] : exactes) {
    int orthographes = 0;
    for (const auto& [autre, v] : exactes)
      if (platform::equalsNoCase(autre, cle)) ++orthographes;
    int lignesCle = 0;
    for (const auto& l : lignes) {
      const size_t egal = l.find('=');
      if (egal != std::string::npos && platform::equalsNoCase(std::string_view(l).substr(0, egal), cle))
        ++lignesCle;
    }
    FUZZ_CHECK(lignes.hasName(cle));
    if (orthographes == 1 && lignesCle == 1) FUZZ_CHECK(lignes.value(cle) == valeur);

    LineList modifiee = lignes;
    modifiee.setValue(cle, "nouvelle");
    FUZZ_CHECK(modifiee.value(cle) == "nouvelle");
    FUZZ_CHECK(modifiee.size() == lignes.size());
  }
  return 0;
}
