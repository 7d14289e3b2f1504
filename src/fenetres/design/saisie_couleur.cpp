#include "fenetres/design/saisie_couleur.h"

#include <cstdio>

#include "modele/design/hexa.h"
#include "platform/text.h"
#include "ui/form.h"

namespace design {

std::string saisie_couleur(ui::Dialogs& dialogs, std::string_view valeurInitiale) {
  std::string reponse = platform::trim(dialogs.inputBox("Couleur", "Hexa", valeurInitiale));
  if (reponse.size() != 7 || reponse[0] != '#') {
    dialogs.showMessage(kErreurCouleur);
    return std::string(valeurInitiale);
  }
  return reponse;
}

std::string couleurEnTexte(ui::Colour couleur) {
  char texte[8];
  std::snprintf(texte, sizeof texte, "#%02X%02X%02X", (couleur >> 16) & 0xFF, (couleur >> 8) & 0xFF,
                couleur & 0xFF);
  return texte;
}

ui::Colour couleurUi(std::string_view texte) {
  RVB c = hexaVersRGB(texte);
  return static_cast<ui::Colour>((c.rouge & 0xFF) << 16 | (c.vert & 0xFF) << 8 | (c.bleu & 0xFF));
}

std::optional<std::string> choisirCouleur(ui::ColorDialog& dialogue, std::string_view stockee) {
  std::string couleur = platform::trim(stockee);
  if (!couleur.empty() && couleur[0] == '#') {
    dialogue.color = couleurUi(couleur);
  }
  if (!dialogue.execute()) return std::nullopt;
  return saisie_couleur(dialogue.form().dialogs(), couleurEnTexte(dialogue.color));
}

}  // namespace design
