#include "modele/app/reparation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/ouvertures_dossier.h"
#include "support/temp_folder.h"

using namespace app;
using platform::DataFolder;
using testing_support::OuverturesDossier;
using testing_support::TempFolder;

namespace {

std::string fiche(const std::string& ref, const std::string& categorie, const std::string& theme) {
  return "categorie=" + categorie + "\r\nreference=" + ref + "\r\ndescription=Titre " + ref +
         "\r\nauteur=\r\nimage=\r\nmot_cle=" + theme + "\r\n";
}

}  // namespace

// Lists that disagree with the sheets: a category without sheets, themes missing or stale, a
// stale index, padded values and a padded file name; the sheets win.
TEST(ReparerCatalogue, RebuildsIndexCategoriesAndThemesFromTheSheets) {
  TempFolder dir;
  dir.write("categories", "Fantome\r\nVaisselle\r\n");
  dir.write("Fantome.cto", "Rien\r\n");
  dir.write("Vaisselle.cto", "Vieux\r\n");
  dir.write("Vaisselle.fam", "famille=0\r\n");
  dir.write("Vaisselle_Bols.stl", "style_fiche=standard\r\nref_page=2\r\n");
  dir.write("ref.gen", "X#Fantome#Rien#x##\r\n");
  dir.write("B1.ref", fiche("B1", "Vaisselle", "Bols"));
  dir.write("B2.ref", "categorie= vaisselle \r\nreference=B2\r\n prix = 3 \r\nmot_cle=Tasses  \r\nsans egal \r\n");
  dir.write("L1.ref", fiche("L1", "Livres", "Romans"));
  dir.write(" P1.ref ", fiche("P1", "Livres", "romans"));
  dir.write("menu.opt", "famille_titre=x\r\nfam0=2\r\nfam1=0\r\nfam4=1\r\n fam2=3\r\nfam3=\r\n");

  reparerCatalogueFichiers(DataFolder(dir.path()));

  EXPECT_FALSE(dir.exists(" P1.ref "));
  EXPECT_EQ(dir.read("P1.ref"), fiche("P1", "Livres", "romans"));
  // Values trimmed, keys as written, lines without "=" kept.
  EXPECT_EQ(dir.read("B2.ref"), "categorie=vaisselle\r\nreference=B2\r\n prix =3\r\nmot_cle=Tasses\r\nsans egal \r\n");
  EXPECT_EQ(dir.read("ref.gen"),
            "B1#Vaisselle#Bols#Titre B1##\r\nB2#vaisselle#Tasses###\r\n"
            "L1#Livres#Romans#Titre L1##\r\nP1#Livres#romans#Titre P1##\r\n");
  EXPECT_EQ(dir.read("categories"), "Vaisselle\r\nLivres\r\n");
  EXPECT_EQ(dir.read("Vaisselle.cto"), "Bols\r\nTasses\r\n");
  EXPECT_EQ(dir.read("Livres.cto"), "Romans\r\n");
  EXPECT_FALSE(dir.exists("Fantome.cto"));
  EXPECT_EQ(dir.read("Vaisselle.fam"), "famille=0\r\n");
  EXPECT_TRUE(dir.exists("Vaisselle_Bols.stl"));
  EXPECT_EQ(dir.read("menu.opt"), "famille_titre=x\r\n***\r\n***\r\nfam4=1\r\n fam2=3\r\n***\r\n");
}

TEST(ReparerCatalogue, EdgeCasesOfNamesAndEmptyCatalogues) {
  {  // a padded name whose trimmed name is taken stays: nothing is replaced
    TempFolder dir;
    dir.write("A1.ref", fiche("A1", "Livres", "Romans"));
    dir.write(" A1.ref", fiche("A1bis", "Livres", "Romans"));
    reparerCatalogueFichiers(DataFolder(dir.path()));
    EXPECT_EQ(dir.read("A1.ref"), fiche("A1", "Livres", "Romans"));
    EXPECT_EQ(dir.read(" A1.ref"), fiche("A1bis", "Livres", "Romans"));
  }
  {  // no sheet: the category list stays, the theme lists go, the index is empty
    TempFolder dir;
    dir.write("categories", "Livres\r\n");
    dir.write("Livres.cto", "Romans\r\n");
    reparerCatalogueFichiers(DataFolder(dir.path()));
    EXPECT_EQ(dir.read("categories"), "Livres\r\n");
    EXPECT_FALSE(dir.exists("Livres.cto"));
    EXPECT_EQ(dir.read("ref.gen"), "");
  }
  {  // a sheet without category makes no nameless category
    TempFolder dir;
    dir.write("A1.ref", fiche("A1", "", "Romans"));
    dir.write("A2.ref", fiche("A2", "Livres", ""));
    reparerCatalogueFichiers(DataFolder(dir.path()));
    EXPECT_EQ(dir.read("categories"), "Livres\r\n");
    EXPECT_FALSE(dir.exists(".cto"));
    EXPECT_FALSE(dir.exists("Livres.cto"));
  }
}

// A sheet with nothing to trim keeps its file (and its date); each sheet is opened once, and the
// folder is listed as often for 40 sheets as for 160.
TEST(ReparerCatalogue, ReadsEachSheetOnceAndWritesOnlyTheChangedOnes) {
  int listages = -1;
  for (int nombre : {40, 160}) {
    TempFolder dir;
    for (int i = 0; i < nombre; ++i)
      dir.write("N" + std::to_string(i) + ".ref",
                fiche("N" + std::to_string(i), i == 7 ? "Livres " : "Livres", "Romans"));
    const auto ancienne = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
      std::filesystem::last_write_time(e.path(), ancienne);
    OuverturesDossier ouvertures(dir.path());
    reparerCatalogueFichiers(DataFolder(dir.path()));
    auto releve = ouvertures.releve();
    for (int i = 0; i < nombre; ++i) {
      const std::string nom = "N" + std::to_string(i) + ".ref";
      EXPECT_EQ(releve[nom], 1) << nom;
      EXPECT_EQ(std::filesystem::last_write_time(dir / nom) == ancienne, i != 7) << nom;
    }
    if (listages >= 0) {
      EXPECT_EQ(releve[""], listages);
    }
    listages = releve[""];
  }
}

TEST(RetirerClesFamille, KeepsOnlyKeyedLinesOtherThanFamille) {
  TempFolder dir;
  dir.write("A1.ref", "categorie=Livres\r\nfamille=2\r\nsans egal\r\nfamilles=x\r\nmot_cle=R\r\n");
  dir.write("A2.ref", "categorie=Livres\r\n");
  retirerClesFamille(DataFolder(dir.path()));
  EXPECT_EQ(dir.read("A1.ref"), "categorie=Livres\r\nfamilles=x\r\nmot_cle=R\r\n");
  EXPECT_EQ(dir.read("A2.ref"), "categorie=Livres\r\n");
}
