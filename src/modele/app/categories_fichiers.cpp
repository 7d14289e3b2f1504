#include "modele/app/categories_fichiers.h"

#include <algorithm>

#include "platform/lines.h"
#include "platform/text.h"

namespace app {

namespace {

using platform::DataFolder;
using platform::LineList;

std::optional<LineList> chargerSiPresent(const DataFolder& dossier, std::string_view nom) {
  std::filesystem::path chemin;
  try {
    chemin = dossier.path(nom);
  } catch (const platform::FileError&) {
    return std::nullopt;  // a name read from a file never leads outside the data folder
  }
  if (!platform::fileExists(chemin)) return std::nullopt;
  return LineList::load(chemin);
}

void sauverLignes(const DataFolder& dossier, std::string_view nom,
                  const std::vector<std::string>& lignes) {
  LineList(lignes).save(dossier.path(nom));
}

bool nomPortable(std::string_view nom) {
  if (!platform::isWindowsFileName(nom)) return false;
  if (nom.find('#') != std::string_view::npos) return false;  // the index separator
  unsigned char premier = static_cast<unsigned char>(nom.front());
  return premier > 32 && premier != '.';
}

}  // namespace

TListeCategories chargerListeCategories(const DataFolder& dossier) {
  auto lignes = chargerSiPresent(dossier, "categories");
  return lignes ? lignes->lines() : TListeCategories{};
}

std::optional<size_t> ligneCategoriesEndommagee(const TListeCategories& liste) {
  for (size_t i = 0; i < liste.size(); ++i) {
    const std::string nom = platform::trim(liste[i]);
    if (!nom.empty() && (!platform::isWindowsFileName(nom) || nom.find('#') != std::string::npos))
      return i + 1;
  }
  return std::nullopt;
}

std::string messageCategoriesEndommagees(size_t ligne) {
  return "Le fichier categories est endommagé : sa ligne " + std::to_string(ligne) +
         " n'est pas un nom de catégorie. Corrigez-le avant de construire le site.";
}

void sauverListeCategories(const DataFolder& dossier, const TListeCategories& liste) {
  sauverLignes(dossier, "categories", liste);
}

std::optional<TThemesCategorie> chargerThemesCategorie(const DataFolder& dossier,
                                                       std::string_view categorie) {
  auto lignes = chargerSiPresent(dossier, std::string(categorie) + ".cto");
  if (!lignes) return std::nullopt;
  return lignes->lines();
}

void sauverThemesCategorie(const DataFolder& dossier, std::string_view categorie,
                           const TThemesCategorie& themes) {
  sauverLignes(dossier, std::string(categorie) + ".cto", themes);
}

bool ajouterThemeCategorie(const DataFolder& dossier, std::string_view categorie,
                           std::string_view theme) {
  auto themes = chargerThemesCategorie(dossier, categorie);
  if (!themes) return false;
  themes->emplace_back(theme);
  sauverThemesCategorie(dossier, categorie, *themes);
  return true;
}

std::optional<std::string> themeExistant(const TThemesCategorie& themes, std::string_view theme) {
  const std::string cherche = platform::lowerAscii(platform::trim(theme));
  for (const auto& t : themes)
    if (platform::lowerAscii(platform::trim(t)) == cherche) return t;
  return std::nullopt;
}

std::optional<int> chargerFamilleCategorie(const DataFolder& dossier, std::string_view categorie) {
  auto lignes = chargerSiPresent(dossier, std::string(categorie) + ".fam");
  if (!lignes) return std::nullopt;
  std::optional<int> famille;
  platform::forEachKeyValue(*lignes, [&](std::string_view cle, std::string_view valeur) {
    if (cle != "famille" || valeur.empty()) return;
    auto n = platform::toInteger(platform::trim(valeur));
    if (n && *n >= 0 && *n <= 3) famille = static_cast<int>(*n);
  });
  return famille;
}

std::optional<std::string> familleCategorieEndommagee(const DataFolder& dossier,
                                                      std::string_view categorie) {
  const std::string nom = std::string(categorie) + ".fam";
  std::optional<LineList> lignes;
  try {
    lignes = chargerSiPresent(dossier, nom);
  } catch (const platform::FileError& e) {
    return std::string(e.what());
  }
  if (!lignes) return std::nullopt;
  bool lue = false;
  platform::forEachKeyValue(*lignes, [&](std::string_view cle, std::string_view valeur) {
    auto n = platform::toInteger(platform::trim(valeur));
    lue = lue || (cle == "famille" && n && *n >= -1 && *n <= 3);
  });
  if (lue) return std::nullopt;
  return "Le fichier " + nom + " est endommagé : la famille de la catégorie " +
         std::string(categorie) + " n'a pas pu être lue.";
}

void sauverFamilleCategorie(const DataFolder& dossier, std::string_view categorie, int famille) {
  sauverLignes(dossier, std::string(categorie) + ".fam",
               {"famille=" + platform::fromInteger(famille)});
}

std::string nomStyleTheme(std::string_view categorie, std::string_view theme) {
  return std::string(categorie) + "_" + std::string(theme) + ".stl";
}

TStyleTheme chargerStyleTheme(const DataFolder& dossier, std::string_view categorie,
                              std::string_view theme) {
  TStyleTheme style;
  auto lignes = chargerSiPresent(dossier, nomStyleTheme(categorie, theme));
  if (!lignes) return style;
  platform::forEachKeyValue(*lignes, [&](std::string_view cle, std::string_view valeur) {
    if (cle == "style_fiche") {
      style.style_fiche = std::string(valeur);
    } else if (cle == "ref_page") {
      // A count that is not a number is ignored; one out of range is brought back to 1..99.
      if (auto n = platform::toInteger(platform::trim(valeur)))
        style.ref_page = static_cast<int>(std::clamp<long long>(*n, 1, 99));
    }
  });
  return style;
}

void sauverStyleTheme(const DataFolder& dossier, std::string_view categorie,
                      std::string_view theme, std::string_view styleFiche, int refPage) {
  sauverLignes(dossier, nomStyleTheme(categorie, theme),
               {"style_fiche=" + std::string(styleFiche), "ref_page=" + platform::fromInteger(refPage)});
}

std::string nomListeTheme(std::string_view categorie, std::string_view theme, char sepurl) {
  return std::string(categorie) + sepurl + std::string(theme);
}

TListeTheme chargerListeTheme(const DataFolder& dossier, std::string_view categorie,
                              std::string_view theme, char sepurl) {
  TListeTheme fiches;
  auto lignes = chargerSiPresent(dossier, nomListeTheme(categorie, theme, sepurl));
  if (!lignes) return fiches;
  for (const auto& l : *lignes)
    if (std::string nom = platform::trim(l); !nom.empty()) fiches.push_back(std::move(nom));
  return fiches;
}

void sauverListeTheme(const DataFolder& dossier, std::string_view categorie,
                      std::string_view theme, char sepurl, const TListeTheme& fiches) {
  sauverLignes(dossier, nomListeTheme(categorie, theme, sepurl), fiches);
}

std::optional<std::string> adopterNomListeTheme(
    std::string_view categorie, std::string_view theme, char sepurl,
    const std::function<bool(const std::string&)>& existe,
    const std::function<bool(const std::string& ancien, const std::string& nouveau)>& renommer) {
  if (sepurl != '-') return std::nullopt;
  const std::string nouveau = nomListeTheme(categorie, theme, '-');
  const std::string ancien = nomListeTheme(categorie, theme, '_');
  if (existe(nouveau) || !existe(ancien) || renommer(ancien, nouveau)) return std::nullopt;
  return "Erreur pour renommer fichier " + ancien + " " + nouveau;
}

bool categorieReservee(std::string_view categorie) {
  return platform::lowerAscii(categorie) == "con";
}

bool nomCategorieValide(const DataFolder& dossier, std::string_view categorie) {
  return nomPortable(categorie) &&
         platform::canCreateFile(dossier.root(), std::string(categorie) + ".cto");
}

bool nomThemeValide(const DataFolder& dossier, std::string_view theme) {
  return nomPortable(theme) && platform::canCreateFile(dossier.root(), theme);
}

namespace {

void supprimerSiPresent(const DataFolder& dossier, const std::string& nom) {
  if (dossier.exists(nom) && !platform::removeFile(dossier.path(nom)))
    throw platform::FileError("Impossible de supprimer le fichier " + nom);
}

}  // namespace

bool memeNomTaxonomie(std::string_view a, std::string_view b) {
  return platform::fileNamesEqual(platform::trim(a), platform::trim(b));
}

bool categorieUtilisee(const std::vector<TEntreeRefGen>& index, std::string_view categorie) {
  return std::any_of(index.begin(), index.end(),
                     [&](const TEntreeRefGen& e) { return memeNomTaxonomie(e.categorie, categorie); });
}

bool themeUtilise(const std::vector<TEntreeRefGen>& index, std::string_view theme) {
  return std::any_of(index.begin(), index.end(),
                     [&](const TEntreeRefGen& e) { return memeNomTaxonomie(e.theme, theme); });
}

void supprimerCategorieFichiers(const DataFolder& dossier, const TListeCategories& restantes,
                                std::string_view categorie) {
  TListeCategories lignes;
  for (const auto& c : restantes)
    if (!c.empty()) lignes.push_back(c);
  if (lignes.empty())
    supprimerSiPresent(dossier, "categories");
  else
    sauverListeCategories(dossier, lignes);
  for (const char* ext : {".cto", ".fam"}) supprimerSiPresent(dossier, std::string(categorie) + ext);
}

AjoutCategorie ajouterCategorieFichiers(const DataFolder& dossier,
                                        std::string_view nouvelleCategorie) {
  if (nouvelleCategorie.empty()) return {false, messageCategorieVide};
  if (!nomCategorieValide(dossier, nouvelleCategorie)) return {false, messageCategorieRefusee};
  const std::string nom(nouvelleCategorie);
  if (!chargerThemesCategorie(dossier, nom)) {
    try {
      sauverThemesCategorie(dossier, nom, {});
    } catch (const platform::FileError&) {
      return {false, messageCategorieRefusee};
    }
  }
  // A category whose .cto was lost is recreated without being listed twice.
  TListeCategories liste = chargerListeCategories(dossier);
  bool listee = std::any_of(liste.begin(), liste.end(), [&](const std::string& c) {
    return platform::fileNamesEqual(c, nom);
  });
  if (!listee) {
    liste.push_back(nom);
    sauverListeCategories(dossier, liste);
  }
  return {true, "La catégorie " + nom + " a été ajoutée"};
}

}  // namespace app
