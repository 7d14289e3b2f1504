#include "modele/design/rendu_bouton.h"

#include <algorithm>
#include <map>

#include "platform/files.h"
#include "platform/gif.h"
#include "platform/text.h"

namespace design {

namespace {

int entier(const std::string& texte) {
  return static_cast<int>(platform::toInteger(platform::trim(texte)).value_or(0));
}

int centre(int modele, int texte) { return std::max(0, (modele - texte) / 2); }

void ecrire(const std::filesystem::path& sortie, const platform::IndexedImage& image,
            int transparent) {
  if (!platform::writeGif(sortie, image, transparent))
    throw platform::FileError("Impossible d'écrire le fichier " + sortie.string());
}

void copier(const std::filesystem::path& modele, const std::filesystem::path& sortie) {
  if (!platform::copyFile(modele, sortie, false))
    throw platform::FileError("Impossible d'écrire le fichier " + sortie.string());
}

int distance(platform::Rgb a, platform::Rgb b) {
  const int r = a.r - b.r, g = a.g - b.g, v = a.b - b.b;
  return r * r + g * g + v * v;
}

// The drawing in the template's palette: an unchanged pixel keeps its index, the colours of the
// text take the free entries (the most used first), and what is left its nearest colour.
platform::IndexedImage surPaletteDuModele(const platform::GifImage& modele,
                                          const platform::Bitmap& dessin) {
  platform::IndexedImage image = modele;
  auto cle = [](platform::Rgb c) { return (c.r << 16) | (c.g << 8) | c.b; };
  std::map<int, int> comptes;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const platform::Rgb c = dessin.pixel(x, y);
      if (!(c == modele.palette[modele.indices[static_cast<size_t>(y) * image.width + x]]))
        ++comptes[cle(c)];
    }
  if (comptes.empty()) return image;
  std::vector<std::pair<int, int>> nouvelles(comptes.begin(), comptes.end());
  std::stable_sort(nouvelles.begin(), nouvelles.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  std::map<int, int> index;
  for (size_t i = 0; i < image.palette.size(); ++i) index.emplace(cle(image.palette[i]), i);
  for (const auto& [couleur, nombre] : nouvelles) {
    if (index.count(couleur) || image.palette.size() >= 256) continue;
    index.emplace(couleur, static_cast<int>(image.palette.size()));
    image.palette.push_back({static_cast<uint8_t>(couleur >> 16),
                             static_cast<uint8_t>(couleur >> 8), static_cast<uint8_t>(couleur)});
  }
  auto plusProche = [&](platform::Rgb c) {
    int meilleur = 0;
    for (size_t i = 1; i < image.palette.size(); ++i)
      if (distance(image.palette[i], c) < distance(image.palette[meilleur], c))
        meilleur = static_cast<int>(i);
    return meilleur;
  };
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const size_t k = static_cast<size_t>(y) * image.width + x;
      const platform::Rgb c = dessin.pixel(x, y);
      if (c == modele.palette[modele.indices[k]]) continue;
      auto trouve = index.find(cle(c));
      if (trouve == index.end()) trouve = index.emplace(cle(c), plusProche(c)).first;
      image.indices[k] = static_cast<uint8_t>(trouve->second);
    }
  return image;
}

}  // namespace

std::string filtrerPosition(const std::string& texte) {
  std::string r;
  for (size_t i = 0; i < texte.size(); ++i) {
    const char c = texte[i];
    if ((c >= '0' && c <= '9') || (i == 0 && c == '-')) r += c;
  }
  return r.empty() ? "0" : r;
}

PositionTexte positionTexte(const std::string& decalageX, const std::string& decalageY,
                            int largeurModele, int hauteurModele, int largeurTexte,
                            int hauteurTexte, Repositionnement repositionnement) {
  switch (repositionnement) {
    case Repositionnement::Coin:
      return {0, 0};
    case Repositionnement::Centre:
      return {centre(largeurModele, largeurTexte), centre(hauteurModele, hauteurTexte)};
    case Repositionnement::Aucun:
      break;
  }
  // "centrer" is accepted for Y too: a position that is not a number never stops the render.
  PositionTexte p;
  p.x = decalageX == "centrer" ? centre(largeurModele, largeurTexte) : entier(decalageX);
  p.y = decalageY == "centrer" ? centre(hauteurModele, hauteurTexte) : entier(decalageY);
  return p;
}

std::optional<ImageRendue> rendreBouton(const EntreesBouton& e) {
  std::optional<platform::GifImage> modele = platform::readGif(e.modele);
  if (!modele) return std::nullopt;
  ImageRendue r{modele->width, modele->height, {}};
  r.position = positionTexte(e.decalageX, e.decalageY, modele->width, modele->height,
                             platform::textWidth(e.libelle, e.police),
                             platform::textHeight(e.libelle, e.police), e.repositionnement);
  if (!e.texte && !e.transparent) {
    copier(e.modele, e.sortie);
    return r;
  }
  platform::IndexedImage image = *modele;
  if (e.texte && !e.libelle.empty()) {
    platform::Bitmap dessin = modele->toBitmap();
    dessin.drawText(r.position.x, r.position.y, e.libelle, e.police);
    image = surPaletteDuModele(*modele, dessin);
  }
  ecrire(e.sortie, image, e.transparent ? image.paletteIndexAt(0, 0) : -1);
  return r;
}

std::optional<ImageRendue> rendrePuce(const std::filesystem::path& modele,
                                      const std::filesystem::path& sortie, bool transparent) {
  std::optional<platform::GifImage> puce = platform::readGif(modele);
  if (!puce) return std::nullopt;
  if (transparent)
    ecrire(sortie, *puce, puce->paletteIndexAt(0, 0));
  else
    copier(modele, sortie);
  return ImageRendue{puce->width, puce->height, {}};
}

}  // namespace design
