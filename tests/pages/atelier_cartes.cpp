#include "atelier_cartes.h"

#include <cstdlib>

#include "platform/files.h"

namespace pages::test {

std::string carteAttendue(std::string_view nom) {
  // __FILE__ may be relative to the build folder (compiler caches rewrite paths); the source
  // folder that CTest passes does not depend on where the test runs.
  std::filesystem::path dossier = std::filesystem::path(__FILE__).parent_path();
  if (const char* racine = std::getenv("TARVIO_SOURCE_DIR"); racine && *racine)
    dossier = std::filesystem::path(racine) / "tests" / "pages";
  return platform::readFile(dossier / "cartes" / std::string(nom));
}

}  // namespace pages::test
