#include "fenetres/design/fenetre_calcul_hexa.h"

#include "fenetres/app/programme.h"
#include "modele/design/hexa.h"

namespace design {

Thexa1::Thexa1(app::Programme& programme)
    : ui::Form(programme.application(), "Thexa1", "hexa1"), p_(programme) {
  setCaption("Calcul hexa");
  hexa.setText("FF");
  calculB.onClick = [this] { calculBClick(); };
  fermerB.onClick = [this] { close(); };
}

void Thexa1::calculBClick() { reponse.setCaption(std::to_string(hexaVersEntier(hexa.text()))); }

}  // namespace design
