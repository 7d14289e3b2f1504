#pragma once
// The side files of a showcase product R: its text <R>.acc, its picture <R>.imp
// (`TImageVitrine`), its link override tmp/<R>.npr (`TLienVitrine`); and the size of an
// imported home page, accueilF.inf (`TImportAccueil`).

#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/lines.h"

namespace infopages {

// A reference is used as a file name as it stands: refused with "*" and with what would not be a
// file name of the data folder ("/", "\\", "..", the names Windows forbids).
bool referenceFichierValide(std::string_view reference);

struct TImageVitrine {
  std::string image_promo, largeur, hauteur;
  bool operator==(const TImageVitrine&) const = default;
};
TImageVitrine chargerImageVitrine(const platform::DataFolder& donnees, std::string_view reference);
void sauverImageVitrine(const platform::DataFolder& donnees, std::string_view reference,
                        const TImageVitrine& image);

struct TLienVitrine {
  std::string lienS, targetS;
  bool operator==(const TLienVitrine&) const = default;
};
std::string nomLienVitrine(std::string_view reference);  // "tmp/<R>.npr"
// Empty values when the file is missing.
TLienVitrine chargerLienVitrine(const platform::DataFolder& donnees, std::string_view reference);
void sauverLienVitrine(const platform::DataFolder& donnees, std::string_view reference,
                       const TLienVitrine& lien);

struct TImportAccueil {
  std::string accueilLf, accueilHf;
};
void sauverImportAccueil(const platform::DataFolder& donnees, const TImportAccueil& taille);

}  // namespace infopages
