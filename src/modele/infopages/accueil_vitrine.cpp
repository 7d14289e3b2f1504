#include "modele/infopages/accueil_vitrine.h"

#include "platform/text.h"

namespace infopages {

bool referenceFichierValide(std::string_view reference) {
  if (reference.empty() || platform::contains(reference, "*") || platform::contains(reference, ".."))
    return false;
  return platform::isWindowsFileName(std::string(reference) + ".acc");
}

TImageVitrine chargerImageVitrine(const platform::DataFolder& donnees, std::string_view reference) {
  TImageVitrine image;
  const std::string nom = std::string(reference) + ".imp";
  if (!donnees.exists(nom)) return image;
  platform::LineList lignes = platform::LineList::load(donnees.path(nom));
  image.image_promo = lignes.value("image_promo");
  image.largeur = lignes.value("largeur");
  image.hauteur = lignes.value("hauteur");
  return image;
}

void sauverImageVitrine(const platform::DataFolder& donnees, std::string_view reference,
                        const TImageVitrine& image) {
  platform::LineList{"image_promo=" + image.image_promo, "largeur=" + image.largeur,
                     "hauteur=" + image.hauteur}
      .save(donnees.path(std::string(reference) + ".imp"));
}

std::string nomLienVitrine(std::string_view reference) {
  return "tmp/" + std::string(reference) + ".npr";
}

TLienVitrine chargerLienVitrine(const platform::DataFolder& donnees, std::string_view reference) {
  TLienVitrine lien;
  const std::string nom = nomLienVitrine(reference);
  if (!donnees.exists(nom)) return lien;
  platform::LineList lignes = platform::LineList::load(donnees.path(nom));
  lien.lienS = lignes.value("lienS");
  lien.targetS = lignes.value("targetS");
  return lien;
}

void sauverLienVitrine(const platform::DataFolder& donnees, std::string_view reference,
                       const TLienVitrine& lien) {
  platform::makeFolder(donnees.path("tmp"));
  platform::LineList{"lienS=" + lien.lienS, "targetS=" + lien.targetS}
      .save(donnees.path(nomLienVitrine(reference)));
}

void sauverImportAccueil(const platform::DataFolder& donnees, const TImportAccueil& taille) {
  platform::LineList{"accueilLf=" + taille.accueilLf, "accueilHf=" + taille.accueilHf}
      .save(donnees.path("accueilF.inf"));
}

}  // namespace infopages
