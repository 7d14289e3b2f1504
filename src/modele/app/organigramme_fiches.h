#pragma once
// The sheets of one theme as the organiser lists them: first those of the theme's order list
// (`<categorie><sep><theme>`), then the other sheets of the theme in `ref.gen` order. The site
// build orders the theme's cards by the same list.

#include <string>
#include <string_view>
#include <vector>

#include "modele/app/fiche_produit.h"
#include "modele/app/ref_gen.h"
#include "platform/files.h"

namespace app {

struct EntreesFichesTheme {
  std::string categorie;
  std::string theme;
  char sepurl = '-';
  bool parAuteur = false;  // "Par auteur": the author before the title in the order list's labels
};

// One sheet in the organiser's three parallel lists.
struct FicheTheme {
  std::string libelle;  // shown in the sheet list
  std::string tri;      // shown in the sorting list
  std::string fichier;  // "<reference>.ref"
};

// The label of a sheet of the order list, from its own lines; a leading "(w:...)" weight is
// dropped from the description before the author goes in front, so it never shows.
std::string libelleFicheTheme(const TFicheProduit& fiche, bool parAuteur);

// A line of the order list that names no sheet, or a sheet now saved under another category or
// theme, is left out; a sheet is listed once.
std::vector<FicheTheme> listerFichesTheme(const platform::DataFolder& dossier,
                                          const EntreesFichesTheme& entrees,
                                          const std::vector<TEntreeRefGen>& index);

// The sheets ordered by their sorting labels (French order, ties kept in place), labels and file
// names moved together.
void trierFichesAlpha(std::vector<std::string>& tri, std::vector<std::string>& fichiers);

}  // namespace app
