#include "modele/design/coins.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/gif.h"
#include "support/temp_folder.h"

using namespace design;
using platform::Rgb;
using testing_support::TempFolder;

namespace {

const Rgb kBlanc{255, 255, 255};
const Rgb kNoir{0, 0, 0};
const Rgb kBleu{0, 0, 255};
const Rgb kCreme{0xFC, 0xEF, 0xBC};
const Rgb kTrait{0x17, 0x81, 0xB3};
const Rgb kVert{0, 128, 0};

std::string texte(Rgb c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

platform::GifImage lireGif(const TempFolder& dossier, const std::string& nom) {
  auto gif = platform::readGif(dossier / nom);
  if (!gif) {
    ADD_FAILURE() << "illisible : " << nom;
    return {};
  }
  return *gif;
}

}  // namespace

TEST(CouleurExterieure, ChosenAgainstTheFillThenTheLine) {
  struct Case {
    const char* nom;
    Rgb remplissage, trait, attendu;
  } cases[] = {
      {"fond blanc", kBlanc, kTrait, kNoir},
      {"fond blanc, trait noir", kBlanc, kNoir, kBleu},
      {"fond coloré", kCreme, kTrait, kBlanc},
      {"fond coloré, trait blanc", kCreme, kBlanc, kBleu},
      {"fond noir", kNoir, kTrait, kBlanc},
      // the outside colour never takes the fill's colour, which would make the fill transparent
      {"fond bleu, trait blanc", kBleu, kBlanc, kNoir},
      {"fond blanc, trait bleu", kBlanc, kBleu, kNoir},
  };
  for (const auto& c : cases)
    EXPECT_EQ(texte(couleurExterieure(c.remplissage, c.trait)), texte(c.attendu)) << c.nom;
}

// Each tile: the frame line on its two outer edges, the fill inside, mirrored to its own corner.
TEST(DessinerCoins, SquareCornersCarryTheLineOnTheOuterEdges) {
  Coins coins = dessinerCoins("carre", kCreme, kBlanc, kTrait);
  struct Tuile {
    const char* nom;
    const platform::Bitmap& image;
    int ligneBord, colonneBord;
    Rgb remplissage;
  } tuiles[] = {{"hg", coins.hg, 0, 0, kCreme},
                {"hd", coins.hd, 0, 5, kCreme},
                {"bg", coins.bg, 5, 0, kBlanc},
                {"bd", coins.bd, 5, 5, kBlanc}};
  for (const auto& t : tuiles) {
    ASSERT_EQ(t.image.width(), 6) << t.nom;
    ASSERT_EQ(t.image.height(), 6) << t.nom;
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) {
        bool bord = y == t.ligneBord || x == t.colonneBord;
        EXPECT_EQ(texte(t.image.pixel(x, y)), texte(bord ? kTrait : t.remplissage))
            << t.nom << " " << x << "," << y;
      }
  }
}

TEST(DessinerCoins, RoundCornersAreMirrorsOfOneArc) {
  Coins coins = dessinerCoins("rond", kCreme, kCreme, kTrait);
  // The arc of radius 9 leaves the very corner outside and the inner corner filled.
  EXPECT_EQ(texte(coins.hg.pixel(0, 0)), texte(kBlanc));
  EXPECT_EQ(texte(coins.hg.pixel(5, 5)), texte(kCreme));
  int pixelsTrait = 0;
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      Rgb p = coins.hg.pixel(x, y);
      pixelsTrait += p == kTrait;
      EXPECT_EQ(p, coins.hg.pixel(y, x)) << "symmetric " << x << "," << y;
      EXPECT_EQ(p, coins.hd.pixel(5 - x, y)) << x << "," << y;
      EXPECT_EQ(p, coins.bg.pixel(x, 5 - y)) << x << "," << y;
      EXPECT_EQ(p, coins.bd.pixel(5 - x, 5 - y)) << x << "," << y;
    }
  EXPECT_GE(pixelsTrait, 6);
}

TEST(DessinerCoins, WithoutLineTheEdgeTakesTheOutsideColour) {
  Coins coins = dessinerCoins("aucun", kCreme, kVert, kTrait);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(texte(coins.hg.pixel(i, 0)), texte(kBlanc)) << i;
    EXPECT_EQ(texte(coins.hg.pixel(0, i)), texte(kBlanc)) << i;
    EXPECT_EQ(texte(coins.bd.pixel(i, 5)), texte(kBlanc)) << i;
    EXPECT_EQ(texte(coins.bd.pixel(5, i)), texte(kBlanc)) << i;
  }
  EXPECT_EQ(texte(coins.hg.pixel(1, 1)), texte(kCreme));
  EXPECT_EQ(texte(coins.bd.pixel(4, 4)), texte(kVert));
}

TEST(SauverCoins, FilesReadBackWithExactColoursAndTransparencyByKind) {
  struct Case {
    const char* typeCadre;
    bool transparent;
  } cases[] = {{"carre", false}, {"rond", true}, {"aucun", true}, {"transparent", true}};
  for (const auto& c : cases) {
    TempFolder dossier;
    Coins coins = dessinerCoins(c.typeCadre, kCreme, kBlanc, kTrait);
    sauverCoins(coins, c.typeCadre, "defaut", '-', dossier.path());
    struct Tuile {
      const char* fichier;
      const platform::Bitmap& image;
      int x, y;  // the outer corner pixel
    } tuiles[] = {{"defaut_hg.gif", coins.hg, 0, 0},
                  {"defaut_hd.gif", coins.hd, 5, 0},
                  {"defaut_bg.gif", coins.bg, 0, 5},
                  {"defaut_bd.gif", coins.bd, 5, 5}};
    for (const auto& t : tuiles) {
      auto gif = lireGif(dossier, t.fichier);
      ASSERT_EQ(gif.width, 6) << c.typeCadre << " " << t.fichier;
      ASSERT_EQ(gif.height, 6);
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
          ASSERT_EQ(texte(gif.palette.at(gif.paletteIndexAt(x, y))), texte(t.image.pixel(x, y)))
              << c.typeCadre << " " << t.fichier << " " << x << "," << y;
      if (c.transparent) {
        EXPECT_EQ(gif.transparentIndex, gif.paletteIndexAt(t.x, t.y)) << t.fichier;
      } else {
        EXPECT_EQ(gif.transparentIndex, -1) << t.fichier;
      }
    }
  }
}

// A white title band over a coloured body: each pair chooses its outside colour against its own
// fill, so neither fill becomes transparent.
TEST(SauverCoins, TransparentColourIsTheOutsideNeverTheFill) {
  TempFolder dossier;
  Coins coins = dessinerCoins("rond", kBlanc, kVert, kTrait);
  sauverCoins(coins, "rond", "menu", '-', dossier.path());
  auto haut = lireGif(dossier, "menu_hg.gif");
  ASSERT_GE(haut.transparentIndex, 0);
  EXPECT_EQ(texte(haut.palette.at(haut.transparentIndex)), texte(kNoir));
  EXPECT_NE(haut.paletteIndexAt(5, 5), haut.transparentIndex);
  auto bas = lireGif(dossier, "menu_bd.gif");
  ASSERT_GE(bas.transparentIndex, 0);
  EXPECT_EQ(texte(bas.palette.at(bas.transparentIndex)), texte(kBlanc));
  EXPECT_NE(bas.paletteIndexAt(0, 0), bas.transparentIndex);
}

TEST(SauverCoins, NamesGoThroughTheUrlName) {
  struct Case {
    const char* nomCadre;
    char sepurl;
    const char* prefixe;
  } cases[] = {{"accueil_intro", '-', "accueil-intro"},
               {"accueil_intro", '_', "accueil_intro"},
               {"Livres_Poésie", '-', "livres-poesie"}};
  for (const auto& c : cases) {
    TempFolder dossier;
    sauverCoins(dessinerCoins("carre", kCreme, kBlanc, kTrait), "carre", c.nomCadre, c.sepurl,
                dossier.path());
    const std::string p = c.prefixe;
    EXPECT_EQ(platform::listFiles(dossier.path()),
              (std::vector<std::string>{p + "_bd.gif", p + "_bg.gif", p + "_hd.gif",
                                        p + "_hg.gif"}))
        << c.nomCadre;
  }
}

TEST(SauverCoins, StopsAtTheFirstFileThatCannotBeWritten) {
  TempFolder dossier;
  std::filesystem::create_directories(dossier / "promo_hd.gif");
  Coins coins = dessinerCoins("rond", kCreme, kBlanc, kTrait);
  EXPECT_THROW(sauverCoins(coins, "rond", "promo", '-', dossier.path()), platform::FileError);
  EXPECT_TRUE(platform::fileExists(dossier / "promo_hg.gif"));
  EXPECT_FALSE(dossier.exists("promo_bg.gif"));
  EXPECT_FALSE(dossier.exists("promo_bd.gif"));
}
