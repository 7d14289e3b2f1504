// Draws the eleven arrows of the drop-down menus that the maker's server hands out (www/fl1.gif
// to fl11.gif): `fleches DIR` writes them into DIR, `fleches --check DIR` fails when a file of DIR
// is not what this program draws.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/gif.h"

namespace {

using platform::Rgb;

enum class Forme { triangle, chevron, double_ };

struct Fleche {
  int largeur, hauteur;
  Forme forme;
  Rgb couleur;
};

// fl1.gif to fl11.gif in order; fl4.gif, pale on the demo's blue menu, is the default choice.
constexpr Fleche kFleches[] = {
    {5, 9, Forme::triangle, {0, 0, 0}},         {5, 9, Forme::triangle, {255, 255, 255}},
    {5, 9, Forme::triangle, {128, 128, 128}},   {5, 9, Forme::triangle, {235, 244, 248}},
    {5, 9, Forme::triangle, {204, 0, 0}},       {5, 9, Forme::triangle, {23, 129, 179}},
    {4, 7, Forme::triangle, {0, 0, 0}},         {6, 11, Forme::triangle, {0, 0, 0}},
    {5, 9, Forme::chevron, {0, 0, 0}},          {5, 9, Forme::chevron, {255, 255, 255}},
    {8, 7, Forme::double_, {0, 0, 0}}};

// The see-through colour around the arrow; no arrow uses it.
constexpr Rgb kFond{255, 0, 255};

// A triangle pointing right, its point at column x + size - 1, over rows y .. y + 2 * size - 2.
bool dansTriangle(int x, int y, int taille) {
  return x >= 0 && x < taille && y >= x && y <= 2 * taille - 2 - x;
}

platform::IndexedImage dessiner(const Fleche& f) {
  platform::Bitmap image(f.largeur, f.hauteur, kFond);
  const int taille = f.forme == Forme::double_ ? f.largeur / 2 : f.largeur;
  for (int y = 0; y < f.hauteur; ++y)
    for (int x = 0; x < f.largeur; ++x) {
      bool plein = dansTriangle(x, y, taille);
      if (f.forme == Forme::chevron) plein = plein && !dansTriangle(x + 2, y, taille);
      if (f.forme == Forme::double_) plein = plein || dansTriangle(x - taille, y, taille);
      if (plein) image.setPixel(x, y, f.couleur);
    }
  return platform::quantize(image);
}

int transparent(const platform::IndexedImage& image) {
  for (size_t i = 0; i < image.palette.size(); ++i)
    if (image.palette[i] == kFond) return static_cast<int>(i);
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool verifier = argc == 3 && std::string(argv[1]) == "--check";
  if (argc != 2 && !verifier) {
    std::fprintf(stderr, "usage: fleches [--check] DIR\n");
    return 2;
  }
  const std::filesystem::path dossier = argv[argc - 1];
  std::string brouillon = (std::filesystem::temp_directory_path() / "fleches-XXXXXX").string();
  if (verifier && !::mkdtemp(brouillon.data())) return 2;
  int erreurs = 0;
  for (size_t i = 0; i < std::size(kFleches); ++i) {
    const std::string nom = "fl" + std::to_string(i + 1) + ".gif";
    const auto cible = verifier ? std::filesystem::path(brouillon) / nom : dossier / nom;
    const auto image = dessiner(kFleches[i]);
    std::string raison;
    if (!platform::writeGif(cible, image, transparent(image), &raison)) {
      std::fprintf(stderr, "%s: %s\n", cible.c_str(), raison.c_str());
      ++erreurs;
    } else if (verifier && (!platform::fileExists(dossier / nom) ||
                            platform::readFile(cible) != platform::readFile(dossier / nom))) {
      std::fprintf(stderr, "%s is not the arrow drawn here\n", (dossier / nom).c_str());
      ++erreurs;
    }
    if (verifier) platform::removeFile(cible);
  }
  if (verifier) std::filesystem::remove(brouillon);
  return erreurs ? 1 : 0;
}
