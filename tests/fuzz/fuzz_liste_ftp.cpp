// The server listing parser: the line classifier and the entry reader agree, and a listing is
// refused exactly when one of its lines is unreadable.

#include <cstdint>

#include "fuzz_check.h"
#include "platform/ftp_listing.h"
#include "platform/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using platform::ListLineKind;
  const auto lignes = platform::LineList::fromText(fuzz::text(data, size)).lines();
  bool illisible = false;
  size_t entrees = 0;
  for (const auto& ligne : lignes) {
    const platform::ListLine l = platform::classifyListLine(ligne);
    const auto entree = platform::parseListLine(ligne);
    FUZZ_CHECK(entree.has_value() == (l.kind == ListLineKind::Entry));
    if (entree) {
      FUZZ_CHECK(entree->name == l.entry.name);
      FUZZ_CHECK(!entree->name.empty());
      FUZZ_CHECK(entree->size >= 0);
      if (entree->name != "." && entree->name != "..") ++entrees;
    }
    illisible = illisible || l.kind == ListLineKind::Unparsed;
  }
  const auto liste = platform::parseListing(lignes);
  FUZZ_CHECK(liste.has_value() == !illisible);
  if (liste) FUZZ_CHECK(liste->size() == entrees);
  return 0;
}
