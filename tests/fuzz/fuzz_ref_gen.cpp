// The index lines: a parsed entry formats back to a line that parses to it, a line of six fields
// is given back byte for byte, and the filter keeps exactly the other keys.

#include <cstdint>

#include "fuzz_check.h"
#include "modele/app/ref_gen.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto lignes = platform::LineList::fromText(fuzz::text(data, size));
  for (const auto& ligne : lignes) {
    const auto entree = app::lireEntreeRefGen(ligne);
    const auto cle = app::cleRefGen(ligne);
    FUZZ_CHECK(entree.has_value() == cle.has_value());
    if (!entree) continue;
    FUZZ_CHECK(*cle == platform::trim(entree->reference));
    const std::string formatee = app::formaterEntreeRefGen(*entree);
    FUZZ_CHECK(app::lireEntreeRefGen(formatee) == entree);
    size_t dieses = 0;
    for (char c : ligne) dieses += c == '#';
    if (dieses >= 5) FUZZ_CHECK(formatee == ligne);
  }
  if (lignes.empty()) return 0;
  const std::string reference = lignes[0].substr(0, lignes[0].find('#'));
  const platform::LineList gardees = app::filtrerRefGen(lignes, reference);
  size_t attendues = 0;
  for (const auto& ligne : lignes) {
    const auto cle = app::cleRefGen(ligne);
    if (cle && *cle != platform::trim(reference)) ++attendues;
  }
  FUZZ_CHECK(gardees.size() == attendues);
  for (const auto& ligne : gardees) FUZZ_CHECK(*app::cleRefGen(ligne) != platform::trim(reference));
  return 0;
}
