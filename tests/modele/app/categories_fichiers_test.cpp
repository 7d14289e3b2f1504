#include "modele/app/categories_fichiers.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

using namespace app;
using platform::DataFolder;
using testing_support::TempFolder;

TEST(AjouterCategorie, CreatesListAndEmptyThemeFileThenAppends) {
  TempFolder dir;
  DataFolder df(dir.path());
  auto r = ajouterCategorieFichiers(df, "Livres");
  EXPECT_TRUE(r.ajoutee);
  EXPECT_EQ(r.message, "La cat\xE9gorie Livres a \xE9t\xE9 ajout\xE9" "e");
  EXPECT_EQ(dir.read("categories"), "Livres\r\n");
  EXPECT_TRUE(dir.exists("Livres.cto"));
  EXPECT_EQ(dir.read("Livres.cto"), "");
  EXPECT_TRUE(ajouterCategorieFichiers(df, "Disques").ajoutee);
  EXPECT_EQ(dir.read("categories"), "Livres\r\nDisques\r\n");
  EXPECT_EQ(chargerListeCategories(df), (TListeCategories{"Livres", "Disques"}));
}

TEST(AjouterCategorie, RefusesEmptyAndUnportableNamesWithoutWritingAnything) {
  for (const char* nom : {"", "a/b", "x#y", "con", "a:b", " Livres", ".cache"}) {
    TempFolder dir;
    dir.write("categories", "Livres\r\n");
    auto r = ajouterCategorieFichiers(DataFolder(dir.path()), nom);
    EXPECT_FALSE(r.ajoutee) << nom;
    EXPECT_EQ(r.message, *nom ? "La cat\xE9gorie comporte des caract\xE8res non accept\xE9s"
                              : "Cat\xE9gorie vide !")
        << nom;
    EXPECT_EQ(dir.read("categories"), "Livres\r\n") << nom;
    using It = std::filesystem::recursive_directory_iterator;
    EXPECT_EQ(std::distance(It(dir.path()), It()), 1) << nom;
  }
}

// A category whose .cto was lost is listed once, and existing themes are never truncated.
TEST(AjouterCategorie, NeitherDuplicatesTheListNorEmptiesExistingThemes) {
  TempFolder dir;
  DataFolder df(dir.path());
  dir.write("categories", "Livres\r\nDisques\r\n");
  EXPECT_TRUE(ajouterCategorieFichiers(df, "LIVRES").ajoutee);
  EXPECT_EQ(dir.read("categories"), "Livres\r\nDisques\r\n");
  EXPECT_TRUE(dir.exists("LIVRES.cto"));

  dir.write("Disques.cto", "Rock\r\nJazz\r\n");
  EXPECT_TRUE(ajouterCategorieFichiers(df, "disques").ajoutee);
  EXPECT_EQ(dir.read("Disques.cto"), "Rock\r\nJazz\r\n");
  EXPECT_EQ(dir.read("categories"), "Livres\r\nDisques\r\n");
}

TEST(ThemesCategorie, ReadKeepsEmptyLinesAndAppendGoesLast) {
  TempFolder dir;
  DataFolder df(dir.path());
  EXPECT_FALSE(chargerThemesCategorie(df, "Livres").has_value());
  EXPECT_FALSE(ajouterThemeCategorie(df, "Livres", "Romans"));
  EXPECT_FALSE(dir.exists("Livres.cto"));

  dir.write("Livres.cto", "Romans\r\n\r\nPo\xE9sie\r\n");
  EXPECT_EQ(chargerThemesCategorie(df, "Livres"), (TThemesCategorie{"Romans", "", "Poésie"}));
  EXPECT_TRUE(ajouterThemeCategorie(df, "livres", " Contes "));
  EXPECT_EQ(dir.read("Livres.cto"), "Romans\r\n\r\nPo\xE9sie\r\n Contes \r\n");
  EXPECT_FALSE(chargerThemesCategorie(df, "../Livres").has_value());
}

TEST(ThemesCategorie, ExistingThemeIgnoresBlanksAndCaseAndGivesTheListSpelling) {
  const TThemesCategorie themes{"Romans", "Poésie", ""};
  struct Cas {
    const char* tape;
    std::optional<std::string> entree;
  } cas[] = {{"  romans ", "Romans"}, {"POéSIE", "Poésie"}, {"Contes", std::nullopt}, {"", ""},
             {"  ", ""}};
  for (const auto& c : cas) EXPECT_EQ(themeExistant(themes, c.tape), c.entree) << c.tape;
  EXPECT_EQ(themeExistant({"Romans"}, ""), std::nullopt);
}

TEST(FamilleCategorie, ReaderTakesLastSoundIndexAndIgnoresBadValues) {
  struct Cas {
    const char* contenu;
    std::optional<int> famille;
  } cas[] = {
      {"famille=2\r\n", 2},          {"famille= 3\r\n", 3},
      {"famille=\r\n", std::nullopt},  {"Famille=2\r\n", std::nullopt},
      {"famille=deux\r\n", std::nullopt}, {"famille=7\r\n", std::nullopt},
      {"famille=-1\r\n", std::nullopt},   {"famille=1\r\nfamille=3\r\n", 3},
      {"famille=1\r\nfamille=x\r\n", 1}, {"autre\r\nfamille=0=1\r\n", std::nullopt},
  };
  for (const auto& c : cas) {
    TempFolder dir;
    dir.write("Livres.fam", c.contenu);
    EXPECT_EQ(chargerFamilleCategorie(DataFolder(dir.path()), "Livres"), c.famille) << c.contenu;
  }
  TempFolder dir;
  EXPECT_EQ(chargerFamilleCategorie(DataFolder(dir.path()), "Livres"), std::nullopt);
}

TEST(FamilleCategorie, WriterReplacesTheFileWithOneLine) {
  TempFolder dir;
  DataFolder df(dir.path());
  dir.write("Livres.fam", "famille=1\r\nvieux=1\r\n");
  sauverFamilleCategorie(df, "Livres", 3);
  EXPECT_EQ(dir.read("Livres.fam"), "famille=3\r\n");
  sauverFamilleCategorie(df, "Disques", -1);
  EXPECT_EQ(dir.read("Disques.fam"), "famille=-1\r\n");
  EXPECT_STREQ(famillesCategorie[2], "Audio");
}

TEST(StyleTheme, ReaderTakesEachKeyOnlyWhenPresentAndSound) {
  struct Cas {
    const char* contenu;
    std::optional<std::string> style;
    std::optional<int> parPage;
  } cas[] = {
      {"style_fiche=tableau\r\nref_page=10\r\n", "tableau", 10},
      {"style_fiche= tableau\r\nref_page= 12 \r\n", " tableau", 12},
      {"ref_page=abc\r\n", std::nullopt, std::nullopt},
      {"ref_page=0\r\n", std::nullopt, 1},
      {"ref_page=150\r\n", std::nullopt, 99},
      {"Style_fiche=tableau\r\nref_page=4\r\nref_page=5\r\n", std::nullopt, 5},
      {"", std::nullopt, std::nullopt},
  };
  for (const auto& c : cas) {
    TempFolder dir;
    dir.write("Livres_Romans.stl", c.contenu);
    TStyleTheme s = chargerStyleTheme(DataFolder(dir.path()), "Livres", "Romans");
    EXPECT_EQ(s.style_fiche, c.style) << c.contenu;
    EXPECT_EQ(s.ref_page, c.parPage) << c.contenu;
  }
}

TEST(StyleTheme, WriterUsesUnderscoreWhateverTheSeparator) {
  TempFolder dir;
  DataFolder df(dir.path());
  sauverStyleTheme(df, "Livres", "Romans-policiers", "standard", 2);
  EXPECT_EQ(dir.read("Livres_Romans-policiers.stl"), "style_fiche=standard\r\nref_page=2\r\n");
  TStyleTheme s = chargerStyleTheme(df, "livres", "romans-policiers");
  EXPECT_EQ(s.style_fiche, "standard");
  EXPECT_EQ(s.ref_page, 2);
  TStyleTheme absent = chargerStyleTheme(df, "Livres", "");
  EXPECT_FALSE(absent.style_fiche || absent.ref_page);
}

TEST(ListeTheme, NamedWithTheUrlSeparatorAndReadTrimmed) {
  TempFolder dir;
  DataFolder df(dir.path());
  EXPECT_TRUE(chargerListeTheme(df, "Livres", "Romans", '-').empty());
  sauverListeTheme(df, "Livres", "Romans", '_', {"B.ref", "A.ref"});
  EXPECT_EQ(dir.read("Livres_Romans"), "B.ref\r\nA.ref\r\n");
  dir.write("Livres-Romans", "  C.ref \r\n\r\nA.ref\r\n");
  EXPECT_EQ(chargerListeTheme(df, "Livres", "Romans", '-'), (TListeTheme{"C.ref", "A.ref"}));
  EXPECT_EQ(nomListeTheme("Livres", "Romans", '_'), "Livres_Romans");
}

TEST(NomsTaxonomie, ThemeAndCategoryChecks) {
  TempFolder dir;
  DataFolder df(dir.path());
  dir.write("Rock", "fichier du dossier");
  for (const char* nom : {"Rock", "Jazz & Blues"}) {  // an existing file passes and is left alone
    EXPECT_TRUE(nomThemeValide(df, nom)) << nom;
    EXPECT_TRUE(nomCategorieValide(df, nom)) << nom;
  }
  for (const char* nom : {"", "a/b", "a\\b", "x#y", "Prix*", "nul", " Jazz", "Jazz."}) {
    EXPECT_FALSE(nomThemeValide(df, nom)) << nom;
    EXPECT_FALSE(nomCategorieValide(df, nom)) << nom;
  }
  EXPECT_EQ(dir.read("Rock"), "fichier du dossier");
  EXPECT_FALSE(dir.exists("Jazz & Blues"));
  EXPECT_FALSE(dir.exists("Jazz & Blues.cto"));
  EXPECT_TRUE(categorieReservee("CoN"));
  EXPECT_FALSE(categorieReservee(" con"));
  EXPECT_FALSE(categorieReservee("cone"));
}

TEST(ListeCategories, ReadersTakeEveryLineAndMissingFileIsEmpty) {
  TempFolder dir;
  DataFolder df(dir.path());
  EXPECT_TRUE(chargerListeCategories(df).empty());
  dir.write("categories", "Livres\r\n\r\nDisques");
  EXPECT_EQ(chargerListeCategories(df), (TListeCategories{"Livres", "", "Disques"}));
  sauverListeCategories(df, {"Disques", "Livres"});
  EXPECT_EQ(dir.read("categories"), "Disques\r\nLivres\r\n");
}

// The deletions' in-use tests compare as the renames do: trimmed, accented capitals folded too.
TEST(NomsTaxonomie, InUseTestsFoldBlanksAndAccentedCapitals) {
  const std::vector<TEntreeRefGen> index = {{"T1", " THÉS ", "VERTS À L'EAU", "Thé", "", ""},
                                            {"L1", "Livres", "Romans", "Roman", "", ""}};
  struct Cas {
    const char* nom;
    bool categorie, theme;
  } cas[] = {
      {"Thés", true, false},          {"thés", true, false},
      {"Verts à l'eau", false, true}, {" verts à l'eau ", false, true},
      {"ROMANS", false, true},        {"Thes", false, false},
      {"Verts a l'eau", false, false}, {"Livre", false, false},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(categorieUtilisee(index, c.nom), c.categorie) << c.nom;
    EXPECT_EQ(themeUtilise(index, c.nom), c.theme) << c.nom;
  }
}
