#include "modele/design/fond_categorie.h"

#include "platform/text.h"

namespace design {

TFondCategorie lireFondCategorie(const platform::LineList& lignes) {
  TFondCategorie f;
  f.fond_page = platform::trim(lignes.value("fond_page"));
  f.image_page = platform::trim(lignes.value("image_page"));
  f.fixe = platform::trim(lignes.value("fixe_page")) == "oui";
  return f;
}

platform::LineList lignesFondCategorie(const TFondCategorie& fond) {
  platform::LineList l;
  if (!fond.fond_page.empty()) l.add("fond_page=" + fond.fond_page);
  if (!fond.image_page.empty()) l.add("image_page=" + fond.image_page);
  l.add(std::string("fixe_page=") + (fond.fixe ? "oui" : "non"));
  return l;
}

}  // namespace design
