#pragma once
// The colour prompt that ends every colour button of the design editors, and the colour button
// itself: colour chooser seeded with the stored colour, then the prompt.

#include <optional>
#include <string>
#include <string_view>

#include "ui/dialogs.h"

namespace design {

inline constexpr const char* kErreurCouleur = "Erreur, la couleur doit être de type,#AABBCC";

// Input box "Couleur" / "Hexa" opened on valeurInitiale (Cancel answers valeurInitiale). The answer
// is trimmed; unless it is "#" and six characters, the message is shown and valeurInitiale is
// returned as it stands. The six characters keep their case and are not checked further.
std::string saisie_couleur(ui::Dialogs& dialogs, std::string_view valeurInitiale);

// The chooser's colour as the program writes it: "#" and upper-case hexadecimal pairs.
std::string couleurEnTexte(ui::Colour couleur);
// A stored colour as a preview shows it (hexaVersRGB: a colour name is black; a bad pair throws
// platform::IntegerError).
ui::Colour couleurUi(std::string_view couleur);

// A colour button: the stored colour, trimmed, seeds the chooser when it starts with "#"; on OK
// the choice goes through the prompt and the result is the colour to store. nullopt on Cancel:
// the stored colour stays.
std::optional<std::string> choisirCouleur(ui::ColorDialog& dialogue, std::string_view stockee);

}  // namespace design
