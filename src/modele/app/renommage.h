#pragma once
// Renaming a category or a theme over the whole catalogue: its lists, its `.cto` and `.fam`, the
// theme-style files, the card styles (`.typ`) and their frame corners, the sheet-order lists (both
// separator forms), the category's own side files,
// every sheet and promotion entry that names it, and the index. Everything is checked before the
// first write (names free in any letter case, files writable); the sheets are read once, and the
// index is written from that same reading. A file that another category or theme still names is
// copied, not taken.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "modele/app/categories_fichiers.h"
#include "platform/files.h"

namespace app {

struct EntreesRenommageCategorie {
  TListeCategories categories;  // the lines of the dialog's list
  int position = -1;            // the line being renamed
  std::string nouveau;          // as typed
  char sepurl = '-';
};

struct EntreesRenommageTheme {
  std::string categorie;  // the category whose themes the dialog lists
  TThemesCategorie themes;
  int position = -1;
  std::string nouveau;
  char sepurl = '-';
};

enum class IssueRenommage { refuse, fait, interrompu };

struct ResultatRenommage {
  IssueRenommage issue = IssueRenommage::refuse;
  std::string message;              // the refusal or the interruption, to show
  std::string nom;                  // the new name as stored: trimmed
  std::vector<std::string> liste;   // the list with the new name in its place
  std::vector<std::string> fiches;  // the sheet files rewritten
};

// progression(n, total) runs before the n-th sheet is read.
using ProgressionFiches = std::function<void(int n, int total)>;

inline constexpr const char* messageCategorieExiste = "La catégorie existe déjà !";
inline constexpr const char* messageThemeExiste = "Le thème existe déjà !";
inline constexpr const char* messageThemeVide = "Il faut utiliser la fonction supprimer le thème";

// The plan is recorded before the first write (renommage_journal.h); a file error undoes what was
// written (refuse, with its message) or, when that fails too, leaves the record for the repair
// (interrompu). `avantEcriture` runs before each file operation (and inside a file's rename).
ResultatRenommage renommerCategorie(const platform::DataFolder& dossier,
                                    const EntreesRenommageCategorie& entrees,
                                    const ProgressionFiches& progression = {},
                                    const std::function<void()>& avantEcriture = {});
ResultatRenommage renommerTheme(const platform::DataFolder& dossier,
                                const EntreesRenommageTheme& entrees,
                                const ProgressionFiches& progression = {},
                                const std::function<void()>& avantEcriture = {});

}  // namespace app
