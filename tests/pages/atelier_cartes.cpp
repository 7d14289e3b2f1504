#include "atelier_cartes.h"

#include "platform/files.h"

namespace pages::test {

std::string carteAttendue(std::string_view nom) {
  return platform::readFile(std::filesystem::path(__FILE__).parent_path() / "cartes" /
                            std::string(nom));
}

}  // namespace pages::test
