// The style and menu loaders: what the writer writes from any loaded file loads back to the same
// settings (the writer gives the same lines again).

#include <cstdint>

#include "fuzz_check.h"
#include "modele/design/menu_options.h"
#include "modele/design/style_fiche.h"
#include "platform/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view texte = fuzz::text(data, size);

  design::TStyleFiche style;
  design::mettreDefautsStyleFiche(style);
  design::lireTyp(style, fuzz::scratch("entree.typ", texte));
  const platform::LineList lignesStyle = design::lignesStyleFiche(style);
  design::TStyleFiche relu;
  design::mettreDefautsStyleFiche(relu);
  design::lireTyp(relu, fuzz::scratch("copie.typ", lignesStyle.text()));
  FUZZ_CHECK(design::lignesStyleFiche(relu) == lignesStyle);

  const design::SaisiesMenu saisies{{"fam0=1", "fam1=2"}, "80", "150", true};
  design::TOptionsMenu menu;
  design::mettreDefautsMenu(menu, {"Arial", "", "non"});
  design::lireMenu(menu, platform::LineList::fromText(texte));
  const platform::LineList lignesMenu = design::lignesMenu(menu, saisies);
  design::TOptionsMenu menuRelu;
  design::mettreDefautsMenu(menuRelu, {"Arial", "", "non"});
  design::lireMenu(menuRelu, platform::LineList::fromText(lignesMenu.text()));
  FUZZ_CHECK(design::lignesMenu(menuRelu, saisies) == lignesMenu);
  return 0;
}
