#include "fenetres/pages/etiq.h"

#include "fenetres/app/programme.h"

namespace pages {

Tetiq1::Tetiq1(app::Programme& programme)
    : ui::Form(programme.application(), "Tetiq1", "etiq1"), p_(programme) {
  setCaption("Traitement en cours...");
  setBounds(0, 0, 420, 90);
  etiquette.setReadOnly(true);
  etiquette.setBounds(0, 0, 420, 60);
}

void Tetiq1::ligne(size_t i, std::string texte) {
  platform::LineList lignes = etiquette.lines();
  while (lignes.size() <= i) lignes.add("");
  if (lignes[i] == texte) return;
  lignes[i] = std::move(texte);
  etiquette.setLines(std::move(lignes));
}

}  // namespace pages
