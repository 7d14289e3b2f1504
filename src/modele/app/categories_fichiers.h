#pragma once
// The taxonomy files of the data folder: `categories` (the categories in display order),
// `<categorie>.cto` (its themes), `<categorie>.fam` (its family), `<categorie>_<theme>.stl` (the
// layout of a theme's pages) and `<categorie><sep><theme>` (the sheet order of a theme). Names are
// used verbatim inside file names; nothing is escaped.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modele/app/ref_gen.h"
#include "platform/files.h"

namespace app {

// One name per line in display order; every line counts, empty ones too.
using TListeCategories = std::vector<std::string>;
using TThemesCategorie = std::vector<std::string>;
// Sheet file names ("<reference>.ref"), trimmed, in display order.
using TListeTheme = std::vector<std::string>;

// The family radio group of the sheet tab, in the order of its index.
inline constexpr const char* famillesCategorie[4] = {"Produits", "Livres", "Audio", "Services"};

// `<categorie>_<theme>.stl`, as read: each value only when its line is present and sound.
struct TStyleTheme {
  std::optional<std::string> style_fiche;  // "standard" or "tableau", as written
  std::optional<int> ref_page;             // products per page, 1 to 99
};

TListeCategories chargerListeCategories(const platform::DataFolder& dossier);
// The number (from 1) of the first line of `categories` that no category could bear (a byte a
// file name refuses, a "#"): the file is damaged. Empty lines and blanks around are allowed.
std::optional<size_t> ligneCategoriesEndommagee(const TListeCategories& liste);
std::string messageCategoriesEndommagees(size_t ligne);
void sauverListeCategories(const platform::DataFolder& dossier, const TListeCategories& liste);

// nullopt when the category has no `.cto` (the category does not exist for the sheet save).
std::optional<TThemesCategorie> chargerThemesCategorie(const platform::DataFolder& dossier,
                                                       std::string_view categorie);
void sauverThemesCategorie(const platform::DataFolder& dossier, std::string_view categorie,
                           const TThemesCategorie& themes);
// Appends the theme as typed as a new last line; false when the `.cto` does not exist.
bool ajouterThemeCategorie(const platform::DataFolder& dossier, std::string_view categorie,
                           std::string_view theme);
// The entry of the list that the typed theme names (both trimmed, ASCII case ignored), spelled
// as in the list; nullopt when the theme is new.
std::optional<std::string> themeExistant(const TThemesCategorie& themes, std::string_view theme);

// The family index 0 to 3 from the last sound "famille=" line; nullopt when the file is missing
// or holds no usable value (a bad value is ignored rather than stopping the sheet load).
std::optional<int> chargerFamilleCategorie(const platform::DataFolder& dossier,
                                           std::string_view categorie);
// The message naming the category's `.fam` when it exists but holds no line "famille=" with a
// whole number from -1 to 3 (or cannot be read); nullopt when it is sound or missing.
std::optional<std::string> familleCategorieEndommagee(const platform::DataFolder& dossier,
                                                      std::string_view categorie);
// Writes the single line "famille=" + index (-1 when no family is chosen).
void sauverFamilleCategorie(const platform::DataFolder& dossier, std::string_view categorie,
                            int famille);

// Always with an underscore, whatever the URL separator.
std::string nomStyleTheme(std::string_view categorie, std::string_view theme);
TStyleTheme chargerStyleTheme(const platform::DataFolder& dossier, std::string_view categorie,
                              std::string_view theme);
void sauverStyleTheme(const platform::DataFolder& dossier, std::string_view categorie,
                      std::string_view theme, std::string_view styleFiche, int refPage);

std::string nomListeTheme(std::string_view categorie, std::string_view theme, char sepurl);
TListeTheme chargerListeTheme(const platform::DataFolder& dossier, std::string_view categorie,
                              std::string_view theme, char sepurl);
void sauverListeTheme(const platform::DataFolder& dossier, std::string_view categorie,
                      std::string_view theme, char sepurl, const TListeTheme& fiches);
// With the separator "-", an order list still named with "_" takes its "-" name when that one is
// free. The caller's view of the folder answers `existe` and does `renommer` (never replacing);
// the result is the message of a failed rename.
std::optional<std::string> adopterNomListeTheme(
    std::string_view categorie, std::string_view theme, char sepurl,
    const std::function<bool(const std::string&)>& existe,
    const std::function<bool(const std::string& ancien, const std::string& nouveau)>& renommer);

// "con" in any letter case is refused with a message of its own.
bool categorieReservee(std::string_view categorie);
// A category or theme name must make a portable file name and keep the "#"-separated index
// sound: no < > : " / \ | ? * "#" or control byte, no blank or dot at either end, no device
// name; then the name test: the candidate file (name plus extension) exists or can be created.
bool nomCategorieValide(const platform::DataFolder& dossier, std::string_view categorie);
bool nomThemeValide(const platform::DataFolder& dossier, std::string_view theme);

inline constexpr const char* messageCategorieVide = "Catégorie vide !";
inline constexpr const char* messageCategorieRefusee =
    "La catégorie comporte des caractères non acceptés";
inline constexpr const char* messageThemeRefuse = "Le thème comporte des caractères non acceptés";

// Two category or theme names are one when they match trimmed, letter case ignored, accented
// capitals too: the one comparison of the in-use tests, the renames and the repair.
bool memeNomTaxonomie(std::string_view a, std::string_view b);
// The in-use tests of the deletions trust the index: some line names the category (its second
// field) or the theme (its third field, whatever its category).
bool categorieUtilisee(const std::vector<TEntreeRefGen>& index, std::string_view categorie);
bool themeUtilise(const std::vector<TEntreeRefGen>& index, std::string_view theme);
// A category's deletion: `categories` keeps the other non-empty lines (the file goes with the last
// one), then its `.cto` and its `.fam` go. Its theme styles, order lists and side files stay.
void supprimerCategorieFichiers(const platform::DataFolder& dossier,
                                const TListeCategories& restantes, std::string_view categorie);

struct AjoutCategorie {
  bool ajoutee = false;
  std::string message;  // to show in a plain message box
};
// Creates the category: its empty `.cto` when missing (existing themes are never lost) and its
// line in `categories` unless a line already names it (ASCII case ignored).
AjoutCategorie ajouterCategorieFichiers(const platform::DataFolder& dossier,
                                        std::string_view nouvelleCategorie);

}  // namespace app
