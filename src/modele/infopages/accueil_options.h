#pragma once
// The home-page settings (`TOptionsAccueil`): accueil.opt, or a .amd model of the same lines.
// One key table serves the reader and the writer; the three lists (introduction text, showcase,
// sections) sit at their places in the file behind a count that is written only for a list that
// holds something.

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "platform/lines.h"

namespace infopages {

struct ProduitVitrine {
  std::string titre;   // the product's description as the showcase lists it
  std::string ref;     // its reference, also the name of its side files
  std::string titres;  // the title typed for it, may be empty
  bool operator==(const ProduitVitrine&) const = default;
};

struct RubriqueCochee {
  std::string nom;
  bool coche = true;
  bool operator==(const RubriqueCochee&) const = default;
};

// Every value is text, as stored.
struct TOptionsAccueil {
  std::string espaceYES, encadrementR, accueilHTM, paccueil_encadrement, paccueil_trait,
      trait_rubriques, largeur_paccueil, largeur_rubriques, image_intro, alt_image_intro,
      largeur_image_intro, hauteur_image_intro, lien_image_intro, target_image_intro,
      alignement_intro, police_intro, police_rubriques, couleur_intro, fond_intro,
      fond_accueil_titre, fond_rubriques, haut_fond_rubriques, gras_intro, italique_intro,
      souligne_intro, taille_intro, titre_intro, gras_titre_intro, italique_titre_intro,
      souligne_titre_intro, taille_titre_intro, nbre_promo, couleur_titre_intro;
  std::vector<std::string> texte;  // the introduction text, one line each
  std::string texte_index = "0";
  std::string ref_index = "0";  // the showcase count the home page writer reads
  std::vector<ProduitVitrine> vitrine;
  std::string titreMAJ, promo_encadrement, promo_position, promo_trait, promo_police,
      promo_alignement, promo_titre_alignement, promo_largeur, promo_hauteur,
      promo_titre_couleur, promo_titre_fond, promo_titre_gras, promo_titre_italique,
      promo_titre_souligne, promo_titre_taille, promo_texte_couleur, promo_texte_fond,
      promo_texte_gras, promo_texte_italique, promo_texte_souligne, promo_texte_taille,
      promo_span;
  std::vector<RubriqueCochee> rubriques;

  bool operator==(const TOptionsAccueil&) const = default;
};

// A line of the table. The lists have a row of their own (no field), at their place.
enum class SorteAccueil { Texte, Garde, ListeTexte, ListeVitrine, ListeRubriques };
struct CleAccueil {
  const char* cle;
  std::string TOptionsAccueil::*champ;  // nullptr for a list
  SorteAccueil sorte;
  const char* defaut;
};
// Every line in the order of the file.
std::span<const CleAccueil> clesAccueil();

// The sections the editor starts with, in order.
std::vector<RubriqueCochee> rubriquesInitiales();

// The defaults of the table; titre_intro keeps its value, the introduction text too; the
// showcase is emptied; every section is ticked but "Auteurs".
void mettreDefautsAccueil(TOptionsAccueil& options);

// The lines of a file over the options (after mettreDefautsAccueil): key case ignored, first line
// wins, an empty value leaves the default. An introduction text or a section list comes only
// with a count that is a whole number above 0 (sections: present at all); a count that is not a
// whole number counts as absent. nbre_promo becomes a whole number from 1 to 9 (0 or unreadable:
// 2).
void lireAccueil(TOptionsAccueil& options, const platform::LineList& lignes);

// Defaults, then the file; a missing file sets espaceYES to "non". promo_hauteur "100%" becomes
// "0". Throws platform::FileError when the file exists but cannot be read.
void chargerOptionsAccueil(TOptionsAccueil& options, const std::filesystem::path& fichier);

platform::LineList lignesAccueil(const TOptionsAccueil& options);

// A framed box of the home page whose corner tiles the save draws.
struct CadreAccueil {
  std::string nom;  // nomCadre of the files
  std::string typeCadre;
  std::string couleurFondHaut, couleurFond, couleurTrait;
};
// The showcase ("promo") and the sections column ("rubriques"), whatever their frame kinds; the
// introduction box has none.
std::vector<CadreAccueil> cadresAccueil(const TOptionsAccueil& options);
// Throws platform::FileError at the first tile that cannot be written.
void sauverCoinsAccueil(const TOptionsAccueil& options, char sepurl,
                        const std::filesystem::path& dossier);

}  // namespace infopages
