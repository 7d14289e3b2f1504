#include "modele/design/coins.h"

#include <string>

#include "modele/app/texte_prix.h"
#include "platform/files.h"
#include "platform/gif.h"

namespace design {

namespace {

constexpr int kDiametreRond = 18;

// Each tile with its file suffix and the corner pixel that lies outside the frame.
struct Tuile {
  platform::Bitmap Coins::*image;
  const char* suffixe;
  bool droite, bas;
};
constexpr Tuile kTuiles[] = {{&Coins::hg, "_hg.gif", false, false},
                             {&Coins::hd, "_hd.gif", true, false},
                             {&Coins::bg, "_bg.gif", false, true},
                             {&Coins::bd, "_bd.gif", true, true}};

// One corner drawn at the tile's top left: the frame's line on the top and left edges, the fill
// inside, the outside colour beyond a rounded corner.
platform::Bitmap dessinerCoin(std::string_view typeCadre, platform::Rgb remplissage,
                              platform::Rgb exterieur, platform::Rgb stylo, int largeur,
                              int hauteur) {
  platform::Bitmap coin(largeur, hauteur, exterieur);
  if (typeCadre == "rond")
    coin.fillEllipse(0, 0, kDiametreRond, kDiametreRond, remplissage, stylo);
  else
    coin.fillRect(0, 0, largeur + 10, hauteur + 10, remplissage, stylo);
  return coin;
}

}  // namespace

platform::Rgb couleurRVB(const RVB& rvb) {
  // Components wrap as the platform's colour packing did.
  return {static_cast<uint8_t>(rvb.rouge & 0xFF), static_cast<uint8_t>(rvb.vert & 0xFF),
          static_cast<uint8_t>(rvb.bleu & 0xFF)};
}

platform::Rgb couleurTexte(std::string_view couleur) { return couleurRVB(hexaVersRGB(couleur)); }

platform::Rgb couleurExterieure(platform::Rgb remplissage, platform::Rgb trait) {
  platform::Rgb choix = remplissage == platform::kWhite ? platform::kBlack : platform::kWhite;
  if (trait == choix) choix = {0, 0, 255};
  if (choix != remplissage && choix != trait) return choix;
  for (platform::Rgb autre : {platform::kWhite, platform::kBlack, platform::Rgb{0, 0, 255},
                              platform::Rgb{255, 0, 0}, platform::Rgb{0, 255, 0}})
    if (autre != remplissage && autre != trait) return autre;
  return choix;  // unreachable: two colours cannot meet five
}

platform::Bitmap miroirHorizontal(const platform::Bitmap& source) {
  platform::Bitmap destination(source);
  destination.mirrorHorizontal();
  return destination;
}

platform::Bitmap miroirVertical(const platform::Bitmap& source) {
  platform::Bitmap destination(source);
  destination.mirrorVertical();
  return destination;
}

Coins dessinerCoins(std::string_view typeCadre, platform::Rgb couleurFondHaut,
                    platform::Rgb couleurFond, platform::Rgb couleurTrait, int largeurCoin,
                    int hauteurCoin) {
  // Without a line the outline is still drawn, one pixel wide, in the outside colour: the edge
  // becomes transparent and the fill starts one pixel in.
  const bool sansTrait = typeCadre == "aucun";
  Coins coins;
  platform::Rgb exterieurHaut = couleurExterieure(couleurFondHaut, couleurTrait);
  coins.hg = dessinerCoin(typeCadre, couleurFondHaut, exterieurHaut,
                          sansTrait ? exterieurHaut : couleurTrait, largeurCoin, hauteurCoin);
  coins.hd = miroirHorizontal(coins.hg);

  platform::Rgb exterieurBas = couleurExterieure(couleurFond, couleurTrait);
  platform::Bitmap bas =
      dessinerCoin(typeCadre, couleurFond, exterieurBas, sansTrait ? exterieurBas : couleurTrait,
                   largeurCoin, hauteurCoin);
  coins.bg = miroirVertical(bas);
  coins.bd = miroirHorizontal(coins.bg);
  return coins;
}

void sauverCoins(const Coins& coins, std::string_view typeCadre, std::string_view nomCadre,
                 char sepurl, const std::filesystem::path& dossier) {
  const bool transparent = typeCadre != "carre";
  for (const Tuile& tuile : kTuiles) {
    const auto chemin = dossier / (app::nomURL(nomCadre, sepurl) + tuile.suffixe);
    platform::IndexedImage gif = platform::quantize(coins.*tuile.image);
    int indexTransparent = -1;
    if (transparent)
      indexTransparent =
          gif.paletteIndexAt(tuile.droite ? gif.width - 1 : 0, tuile.bas ? gif.height - 1 : 0);
    if (!platform::writeGif(chemin, gif, indexTransparent))
      throw platform::FileError("Impossible d'écrire le fichier " + chemin.string());
  }
}

Coins coinsSurPage(Coins coins, std::string_view typeCadre, platform::Rgb page) {
  if (typeCadre == "carre") return coins;
  for (const Tuile& tuile : kTuiles) {
    platform::Bitmap& image = coins.*tuile.image;
    const platform::Rgb exterieur =
        image.pixel(tuile.droite ? image.width() - 1 : 0, tuile.bas ? image.height() - 1 : 0);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == exterieur) image.setPixel(x, y, page);
  }
  return coins;
}

}  // namespace design
