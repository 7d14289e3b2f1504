// The server listing parser: the line classifier and the entry reader agree, and a listing keeps
// every readable entry and counts exactly the unreadable lines.

#include <cstdint>

#include "fuzz_check.h"
#include "platform/ftp_listing.h"
#include "platform/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using platform::ListLineKind;
  const auto lignes = platform::LineList::fromText(fuzz::text(data, size)).lines();
  int illisibles = 0;
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
    if (l.kind == ListLineKind::Unparsed) ++illisibles;
  }
  const auto liste = platform::parseListing(lignes);
  FUZZ_CHECK(liste.unreadable == illisibles);
  FUZZ_CHECK(liste.entries.size() == entrees);
  return 0;
}
