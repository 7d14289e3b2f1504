#pragma once
// The four corner tiles of a framed box of the generated site (rounded, square or without line)
// and their GIF files, which the pages name <nomURL(nomCadre)>_hg.gif, _hd.gif, _bg.gif, _bd.gif.

#include <filesystem>
#include <string_view>

#include "modele/design/hexa.h"
#include "platform/bitmap.h"

namespace design {

inline constexpr int kLargeurCoin = 6;
inline constexpr int kHauteurCoin = 6;

struct Coins {
  platform::Bitmap hg, hd, bg, bd;  // top left, top right, bottom left, bottom right
};

platform::Rgb couleurRVB(const RVB& rvb);
// A stored colour text ("#RRGGBB"; a name gives black) as a drawing colour.
platform::Rgb couleurTexte(std::string_view couleur);

// The colour of a tile outside the frame: white, black against a white fill, blue when the line
// already has that colour; and when that still meets the fill or the line (a blue fill under a
// white line), the first of white, black, blue, red, green that meets neither, so the fill never
// becomes the transparent colour.
platform::Rgb couleurExterieure(platform::Rgb remplissage, platform::Rgb trait);

// Copies reversed left-right or top-bottom.
platform::Bitmap miroirHorizontal(const platform::Bitmap& source);
platform::Bitmap miroirVertical(const platform::Bitmap& source);

// typeCadre: "rond" (corner of radius 9), "carre", "aucun" (the line takes the outside colour);
// any other kind draws as "carre". The top tiles take couleurFondHaut, the bottom ones couleurFond;
// each pair chooses its outside colour against its own fill.
Coins dessinerCoins(std::string_view typeCadre, platform::Rgb couleurFondHaut,
                    platform::Rgb couleurFond, platform::Rgb couleurTrait,
                    int largeurCoin = kLargeurCoin, int hauteurCoin = kHauteurCoin);

// Writes the four tiles in the folder as <nomURL(nomCadre, sepurl)>_hg.gif, _hd, _bg, _bd, in that
// order. Unless typeCadre is "carre", each file marks the colour of its outer corner pixel as
// transparent. Throws platform::FileError at the first file that cannot be written; the files
// written before stay.
void sauverCoins(const Coins& coins, std::string_view typeCadre, std::string_view nomCadre,
                 char sepurl, const std::filesystem::path& dossier);

// The tiles as a page of that colour shows their files: what sauverCoins makes transparent takes
// the page's colour.
Coins coinsSurPage(Coins coins, std::string_view typeCadre, platform::Rgb page);

}  // namespace design
