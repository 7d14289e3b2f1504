#include "modele/app/fiches_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "modele/app/ref_gen.h"
#include "support/temp_folder.h"

using app::Usage;
using platform::DataFolder;
using testing_support::TempFolder;
using Noms = std::vector<std::string>;

namespace {

std::string fiche(const std::string& reference) {
  return "categorie=Livres\r\nreference=" + reference + "\r\nmot_cle=Romans\r\n";
}

}  // namespace

// The new-product markers share the sheets' extension. One that holds no sheet is none; one that
// holds a sheet carries the new-products page: a sheet of the catalogue, but no product.
TEST(FichesCatalogue, TheMarkersOfTheNewProductListsAreNoProducts) {
  struct Cas {
    const char* quoi;
    std::map<std::string, std::string> fichiers;
    Noms catalogue, produits;
  } cas[] = {
      {"an empty marker, no settings", {{"A.ref", fiche("A")}, {"newprod.ref", ""}}, {"A.ref"},
       {"A.ref"}},
      {"a marker in other letter case holding a sheet",
       {{"newprod.ini", "max=10\r\n"}, {"NewProd.REF", fiche("newprod")}, {"B.ref", fiche("B")}},
       {"B.ref", "NewProd.REF"}, {"B.ref"}},
      {"named lists: an empty marker, a list's sheet, a listed name without file",
       {{"newprod.ini", "max=5\r\nmulti=listes.txt\r\n"},
        {"listes.txt", " noel \r\nB\r\nabsent\r\n../x\r\n"},
        {"noel.ref", "x\r\n"},
        {"B.ref", fiche("B")},
        {"C.ref", fiche("C")}},
       {"B.ref", "C.ref"}, {"C.ref"}},
      {"named lists whose file is missing",
       {{"newprod.ini", "multi=listes.txt\r\n"}, {"noel.ref", ""}}, {"noel.ref"}, {"noel.ref"}},
      {"a nameless sheet file", {{".ref", fiche("")}, {"D.ref", fiche("D")}}, {"D.ref"},
       {"D.ref"}},
  };
  for (const auto& c : cas) {
    TempFolder dossier;
    for (const auto& [nom, texte] : c.fichiers) dossier.write(nom, texte);
    DataFolder donnees(dossier.path());
    EXPECT_EQ(app::fichesCatalogue(donnees), c.catalogue) << c.quoi;
    EXPECT_EQ(app::fichesCatalogue(donnees, Usage::produits), c.produits) << c.quoi;
    // A listing made elsewhere keeps its order.
    Noms liste(c.catalogue.rbegin(), c.catalogue.rend());
    liste.insert(liste.begin(), ".ref");
    EXPECT_EQ(app::sansMarqueurs(donnees, liste), Noms(c.catalogue.rbegin(), c.catalogue.rend()))
        << c.quoi;
  }
}

// The index is built from the sheets alone and is not held behind by an empty marker.
TEST(FichesCatalogue, TheIndexIgnoresAnEmptyMarker) {
  TempFolder dossier;
  dossier.write("newprod.ini", "max=10\r\n");
  dossier.write("newprod.ref", "");
  dossier.write("A.ref", fiche("A"));
  DataFolder donnees(dossier.path());
  EXPECT_TRUE(app::refGenEnRetard(donnees));
  app::reconstruireFichierRefGen(donnees);
  EXPECT_EQ(dossier.read("ref.gen"), "A#Livres#Romans###\r\n");
  EXPECT_FALSE(app::refGenEnRetard(donnees));
}
