#pragma once
// The menu's button and bullet images: a template of menu_boutons/ with the entry's text drawn on
// it, or a bullet of puces/, written as a GIF whose size the menu options record. The template's
// own pixels are kept (on a full palette, its two closest colours may become one so that the
// text keeps its own colour).

#include <filesystem>
#include <optional>
#include <string>

#include "platform/bitmap.h"

namespace design {

// Where the text goes on a template of that size: the stored positions ("" is 0, "centrer" for X
// centres it), or, when asked, both centred or both 0. A position that is not a whole number is 0.
struct PositionTexte {
  int x = 0;
  int y = 0;
};
enum class Repositionnement { Aucun, Coin, Centre };
PositionTexte positionTexte(const std::string& decalageX, const std::string& decalageY,
                            int largeurModele, int hauteurModele, int largeurTexte,
                            int hauteurTexte, Repositionnement repositionnement);

// A position typed in the editor: the first character kept when it is a digit or "-", the others
// only when they are digits; nothing left gives "0".
std::string filtrerPosition(const std::string& texte);

struct EntreesBouton {
  std::filesystem::path modele;  // menu_boutons/<template>
  std::filesystem::path sortie;  // the slot's file
  bool texte = false;            // "Texte": the caption is drawn
  std::string libelle;
  platform::Font police;
  bool transparent = false;      // the colour of pixel (0, 0) is transparent
  std::string decalageX, decalageY;
  Repositionnement repositionnement = Repositionnement::Aucun;
};

struct ImageRendue {
  int largeur = 0;
  int hauteur = 0;
  PositionTexte position;  // where the text was (or would be) drawn
};

// nullopt when the template is missing or unreadable: nothing is written then. Without text nor
// transparency the file is the template, byte for byte. Throws platform::FileError when the file
// cannot be written.
std::optional<ImageRendue> rendreBouton(const EntreesBouton& e);

// The bullet re-saved with only the transparency of pixel (0, 0) added (a byte copy without it);
// nullopt, nothing written, when the template is missing or unreadable.
std::optional<ImageRendue> rendrePuce(const std::filesystem::path& modele,
                                      const std::filesystem::path& sortie, bool transparent);

}  // namespace design
