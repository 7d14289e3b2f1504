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

// How many of the text's colours are sure to get an entry of their own, the font's first.
constexpr size_t kCouleursTexteGaranties = 4;

// The drawing in the template's palette: an unchanged pixel keeps its colour, the colours of the
// text take the entries no unchanged pixel uses (the font's colour, then the most used first),
// and what is left its nearest colour. On a full palette the two closest colours of the template
// share one entry, so that the caption never takes a colour of the button it is drawn on.
platform::IndexedImage surPaletteDuModele(const platform::GifImage& modele,
                                          const platform::Bitmap& dessin, platform::Rgb police) {
  platform::IndexedImage image = modele;
  auto cle = [](platform::Rgb c) { return (c.r << 16) | (c.g << 8) | c.b; };
  std::map<int, int> comptes;
  std::vector<int> usages(256, 0);  // the unchanged pixels of each entry
  std::vector<size_t> changes;
  for (size_t k = 0; k < image.indices.size(); ++k) {
    const int x = static_cast<int>(k % image.width), y = static_cast<int>(k / image.width);
    const platform::Rgb c = dessin.pixel(x, y);
    if (c == modele.palette[modele.indices[k]]) {
      ++usages[modele.indices[k]];
    } else {
      ++comptes[cle(c)];
      changes.push_back(k);
    }
  }
  if (comptes.empty()) return image;
  std::vector<std::pair<int, int>> nouvelles(comptes.begin(), comptes.end());
  std::stable_sort(nouvelles.begin(), nouvelles.end(), [&](const auto& a, const auto& b) {
    const bool pa = a.first == cle(police), pb = b.first == cle(police);
    return pa != pb ? pa : a.second > b.second;
  });
  std::map<int, int> index;  // colour -> entry
  for (size_t i = 0; i < image.palette.size(); ++i)
    if (usages[i] > 0) index.emplace(cle(image.palette[i]), static_cast<int>(i));
  // Pixel (0, 0) keeps an entry of its own: it may become the transparent colour.
  const int coin = image.indices.empty() ? -1 : image.indices[0];
  auto entreeLibre = [&]() -> int {
    for (size_t i = 0; i < image.palette.size(); ++i)
      if (usages[i] == 0) return static_cast<int>(i);
    if (image.palette.size() < 256) {
      image.palette.push_back({});
      return static_cast<int>(image.palette.size() - 1);
    }
    return -1;
  };
  // Frees the entry of the closer of the two closest colours in use.
  auto fusionner = [&]() -> int {
    int a = -1, b = -1, meilleure = 1 << 30;
    for (size_t i = 0; i < image.palette.size(); ++i) {
      if (usages[i] == 0 || static_cast<int>(i) == coin) continue;
      for (size_t j = i + 1; j < image.palette.size(); ++j) {
        if (usages[j] == 0 || static_cast<int>(j) == coin) continue;
        const int d = distance(image.palette[i], image.palette[j]);
        if (d < meilleure) meilleure = d, a = static_cast<int>(i), b = static_cast<int>(j);
      }
    }
    if (a < 0) return -1;
    if (usages[a] < usages[b]) std::swap(a, b);
    for (uint8_t& index : image.indices)
      if (index == b) index = static_cast<uint8_t>(a);
    usages[a] += usages[b];
    usages[b] = 0;
    index[cle(image.palette[b])] = a;
    return b;
  };
  for (size_t n = 0; n < nouvelles.size(); ++n) {
    const int couleur = nouvelles[n].first;
    if (index.count(couleur)) continue;
    int entree = entreeLibre();
    if (entree < 0 && n < kCouleursTexteGaranties) entree = fusionner();
    if (entree < 0) break;
    usages[entree] = nouvelles[n].second;
    index[couleur] = entree;
    image.palette[entree] = {static_cast<uint8_t>(couleur >> 16),
                             static_cast<uint8_t>(couleur >> 8), static_cast<uint8_t>(couleur)};
  }
  auto plusProche = [&](platform::Rgb c) {
    int meilleur = -1;
    for (size_t i = 0; i < image.palette.size(); ++i)
      if (usages[i] > 0 && (meilleur < 0 || distance(image.palette[i], c) <
                                                distance(image.palette[meilleur], c)))
        meilleur = static_cast<int>(i);
    return std::max(meilleur, 0);
  };
  for (size_t k : changes) {
    const platform::Rgb c =
        dessin.pixel(static_cast<int>(k % image.width), static_cast<int>(k / image.width));
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
    image = surPaletteDuModele(*modele, dessin, e.police.colour);
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
