#include "modele/design/rendu_bouton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/gif.h"
#include "support/temp_folder.h"

using namespace design;
using platform::Rgb;
using testing_support::TempFolder;

namespace {

const Rgb kFond{200, 220, 255};
const Rgb kBord{0, 0, 128};
const Rgb kReflet{255, 255, 255};

// A button template: a framed fill with a light line, its frame colour at (0, 0).
platform::Bitmap gabarit(int largeur, int hauteur) {
  platform::Bitmap b(largeur, hauteur, kFond);
  b.fillRect(0, 0, largeur, hauteur, kFond, kBord);
  for (int x = 2; x < largeur - 2; ++x) b.setPixel(x, 2, kReflet);
  return b;
}

void ecrireGif(const std::filesystem::path& chemin, const platform::Bitmap& b, int transparent) {
  ASSERT_TRUE(platform::writeGif(chemin, platform::quantize(b), transparent));
}

platform::GifImage lire(const std::filesystem::path& chemin) {
  auto gif = platform::readGif(chemin);
  if (!gif) {
    ADD_FAILURE() << "illisible : " << chemin;
    return {};
  }
  return *gif;
}

platform::Font police(const char* nom, int taille) {
  platform::Font f;
  f.name = nom;
  f.size = taille;
  f.colour = {255, 0, 0};
  return f;
}

// A button of that template with that caption drawn.
EntreesBouton avecTexte(const std::filesystem::path& modele, const std::filesystem::path& sortie,
                        const char* libelle, const platform::Font& f) {
  EntreesBouton e;
  e.modele = modele;
  e.sortie = sortie;
  e.texte = true;
  e.libelle = libelle;
  e.police = f;
  return e;
}

// The columns and rows where the drawing differs from the template.
struct Encre {
  int gauche = 1 << 30, droite = -1, haut = 1 << 30, bas = -1;
};
Encre encre(const platform::Bitmap& modele, const platform::Bitmap& dessin) {
  Encre e;
  for (int y = 0; y < modele.height(); ++y)
    for (int x = 0; x < modele.width(); ++x)
      if (!(modele.pixel(x, y) == dessin.pixel(x, y))) {
        e.gauche = std::min(e.gauche, x);
        e.droite = std::max(e.droite, x);
        e.haut = std::min(e.haut, y);
        e.bas = std::max(e.bas, y);
      }
  return e;
}

}  // namespace

TEST(PositionTexte, StoredCentredOrReset) {
  using R = Repositionnement;
  struct Cas {
    const char *x, *y;
    int largeurTexte;
    R r;
    int attenduX, attenduY;
  } cas[] = {
      {"centrer", "3", 31, R::Aucun, 24, 3},   // (80 - 31) div 2
      {"centrer", "", 120, R::Aucun, 0, 0},    // wider than the template
      {"", "", 31, R::Aucun, 0, 0},
      {"7", "-2", 31, R::Aucun, 7, -2},
      {"douze", "1x", 31, R::Aucun, 0, 0},    // not a number: 0, the render goes on
      {"5", "centrer", 31, R::Aucun, 5, 7},   // (30 - 16) div 2
      {"5", "9", 31, R::Coin, 0, 0},          // a new template starts at the corner
      {"5", "9", 31, R::Centre, 24, 7},
      {"5", "9", 90, R::Centre, 0, 7},
  };
  for (const Cas& c : cas) {
    PositionTexte p = positionTexte(c.x, c.y, 80, 30, c.largeurTexte, 16, c.r);
    EXPECT_EQ(p.x, c.attenduX) << c.x << " " << c.y;
    EXPECT_EQ(p.y, c.attenduY) << c.x << " " << c.y;
  }
}

TEST(PositionTexte, TypedPositionsKeepDigitsAndALeadingMinus) {
  for (auto [saisi, garde] : {std::pair{"12", "12"}, {"-5", "-5"}, {"a1b2", "12"}, {"1-2", "12"},
                              {"abc", "0"}, {"-", "-"}, {"--3", "-3"}})
    EXPECT_EQ(filtrerPosition(saisi), garde) << saisi;
}

// Text, transparency, both or neither: the size, the transparent index, and every pixel outside
// the text as the template had it.
TEST(RendreBouton, TheTemplatesPixelsOutsideTheTextStay) {
  TempFolder dossier;
  const platform::Bitmap modele = gabarit(80, 30);
  ecrireGif(dossier / "b.gif", modele, -1);
  struct Cas {
    bool texte, transparent;
  } cas[] = {{true, true}, {true, false}, {false, true}, {false, false}};
  for (const Cas& c : cas) {
    EntreesBouton e;
    e.modele = dossier / "b.gif";
    e.sortie = dossier / "btout0-0.gif";
    e.texte = c.texte;
    e.libelle = "Thés";
    e.police = police("DejaVu Sans", 10);
    e.transparent = c.transparent;
    e.decalageX = "4";
    e.decalageY = "6";
    std::optional<ImageRendue> r = rendreBouton(e);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->largeur, 80);
    EXPECT_EQ(r->hauteur, 30);
    platform::GifImage gif = lire(e.sortie);
    ASSERT_EQ(gif.width, 80);
    ASSERT_EQ(gif.height, 30);
    EXPECT_EQ(gif.transparentIndex, c.transparent ? gif.paletteIndexAt(0, 0) : -1);
    EXPECT_EQ(gif.palette[static_cast<size_t>(gif.paletteIndexAt(0, 0))], kBord);
    if (!c.texte && !c.transparent)
      EXPECT_EQ(dossier.read("btout0-0.gif"), dossier.read("b.gif"));
    const platform::Bitmap dessin = gif.toBitmap();
    const int w = platform::textWidth(e.libelle, e.police);
    const int h = platform::textHeight(e.libelle, e.police);
    int changes = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 80; ++x) {
        // Antialiased edges may spill a pixel or two past the label's extent.
        const bool dansLeTexte = x >= 2 && x < 6 + w && y >= 4 && y < 8 + h;
        if (!dansLeTexte)
          EXPECT_EQ(dessin.pixel(x, y), modele.pixel(x, y)) << x << "," << y;
        else if (!(dessin.pixel(x, y) == modele.pixel(x, y)))
          ++changes;
      }
    EXPECT_EQ(changes > 0, c.texte) << c.texte << c.transparent;
  }
}

// A fixed font: the ink of "MENU" lies in the middle of the template, centred both ways.
TEST(RendreBouton, CentredWithAFixedFont) {
  TempFolder dossier;
  const platform::Bitmap modele = gabarit(120, 40);
  ecrireGif(dossier / "b.gif", modele, -1);
  EntreesBouton e = avecTexte(dossier / "b.gif", dossier / "sortie.gif", "MENU",
                              police("DejaVu Sans Mono", 12));
  e.repositionnement = Repositionnement::Centre;
  std::optional<ImageRendue> r = rendreBouton(e);
  ASSERT_TRUE(r);
  const int w = platform::textWidth(e.libelle, e.police);
  EXPECT_EQ(r->position.x, (120 - w) / 2);
  Encre ink = encre(modele, lire(e.sortie).toBitmap());
  ASSERT_GE(ink.droite, ink.gauche);
  EXPECT_LE(std::abs(ink.gauche - (119 - ink.droite)), 3) << ink.gauche << " " << ink.droite;
  EXPECT_LE(std::abs(ink.haut - (39 - ink.bas)), 6) << ink.haut << " " << ink.bas;
}

// Templates whose palette is full: 256 shades of the body, or 129 (a palette padded to 256). The
// caption keeps the font's colour instead of the nearest shade of the body; the template's
// pixels keep their colour, or one within a step of it.
TEST(RendreBouton, AFullPaletteKeepsTheCaptionsColour) {
  for (int teintes : {256, 129}) {
    TempFolder dossier;
    platform::Bitmap modele(64, 32, kFond);
    for (int k = 0; k < teintes; ++k) {
      const Rgb c{static_cast<uint8_t>(200 + k % 16), static_cast<uint8_t>(220 + k / 16), 240};
      modele.fillRect((k % 16) * 4, (k / 16) * 2, (k % 16) * 4 + 4, (k / 16) * 2 + 2, c, c);
    }
    ecrireGif(dossier / "plein.gif", modele, -1);
    const platform::GifImage plein = lire(dossier / "plein.gif");
    ASSERT_EQ(plein.palette.size(), 256u);
    const EntreesBouton e = avecTexte(dossier / "plein.gif", dossier / "sortie.gif", "Aa",
                                      police("DejaVu Sans", 14));
    const std::optional<ImageRendue> r = rendreBouton(e);
    ASSERT_TRUE(r);
    platform::Bitmap attendu = plein.toBitmap();
    attendu.drawText(r->position.x, r->position.y, e.libelle, e.police);
    const platform::Bitmap dessin = lire(e.sortie).toBitmap();
    int encre = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 64; ++x) {
        const Rgb vu = dessin.pixel(x, y), avant = modele.pixel(x, y);
        if (attendu.pixel(x, y) == e.police.colour) {
          ++encre;
          EXPECT_EQ(vu, e.police.colour) << teintes << " : " << x << "," << y;
        } else if (attendu.pixel(x, y) == avant) {
          EXPECT_LE(std::abs(vu.r - avant.r) + std::abs(vu.g - avant.g) + std::abs(vu.b - avant.b),
                    1)
              << teintes << " : " << x << "," << y;
        }
      }
    EXPECT_GT(encre, 4) << teintes;
  }
}

TEST(RendreBouton, AMissingTemplateWritesNothing) {
  TempFolder dossier;
  dossier.write("illisible.gif", "GIF89a");
  for (const char* nom : {"absent.gif", "illisible.gif"}) {
    EntreesBouton e;
    e.modele = dossier / nom;
    e.sortie = dossier / "sortie.gif";
    e.texte = true;
    e.libelle = "X";
    EXPECT_FALSE(rendreBouton(e)) << nom;
    EXPECT_FALSE(rendrePuce(dossier / nom, dossier / "p.gif", true)) << nom;
  }
  EXPECT_FALSE(std::filesystem::exists(dossier / "sortie.gif"));
  EXPECT_FALSE(std::filesystem::exists(dossier / "p.gif"));
}

// A bullet is the template byte for byte, or its very pixels with pixel (0, 0) transparent.
TEST(RendrePuce, ACopyOrTheSamePixelsWithTransparency) {
  TempFolder dossier;
  platform::Bitmap puce(12, 10, kReflet);
  puce.fillEllipse(1, 1, 11, 9, {255, 0, 0}, kBord);
  ecrireGif(dossier / "rond.gif", puce, 1);
  for (bool transparent : {false, true}) {
    std::optional<ImageRendue> r = rendrePuce(dossier / "rond.gif", dossier / "pout0-0.gif",
                                              transparent);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->largeur, 12);
    EXPECT_EQ(r->hauteur, 10);
    if (!transparent) {
      EXPECT_EQ(dossier.read("pout0-0.gif"), dossier.read("rond.gif"));
      continue;
    }
    platform::GifImage avant = lire(dossier / "rond.gif"), apres = lire(dossier / "pout0-0.gif");
    EXPECT_EQ(apres.indices, avant.indices);
    EXPECT_EQ(apres.palette, avant.palette);
    EXPECT_EQ(apres.transparentIndex, avant.paletteIndexAt(0, 0));
  }
}
