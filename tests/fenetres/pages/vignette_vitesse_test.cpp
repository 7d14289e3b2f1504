// What keeps a run of cards linear in the catalogue: each folder is listed a fixed number of times
// and each sheet read once (timings are in bench/).

#include <gtest/gtest.h>

#include "atelier_cartes.h"
#include "fenetres/design/style_principal.h"
#include "modele/pages/dossier_construction.h"
#include "platform/text.h"
#include "support/folder_listings.h"

namespace pages::test {

namespace {

struct Comptes {
  DossierConstruction::Comptes lectures;
  std::map<std::string, int> listages;
};

Comptes run(int n) {
  AtelierCartes a("vig_visual=oui\r\n");
  for (int i = 0; i < n; ++i) {
    const std::string r = "R" + platform::fromInteger(i);
    a.fiche(r, {"reference=" + r, "categorie=Cat", "mot_cle=Th", "prix=10", "image=" + r + ".jpg",
                "image_detail=" + r + "g.jpg", "commentaires=Texte"});
    a.t.dossier.write(r + ".jpg", "jpeg");
    a.t.dossier.write("vignettes/" + r + "-v.jpg", "jpeg");
  }
  a.write("Cat_Th.stl", {"style_fiche=standard"});
  a.demarrer();
  a.p().styleP().imagespanier = "oui";
  Comptes comptes;
  testing_support::FolderListings listages(a.t.dossier.path());
  DossierConstruction::comptes = &comptes.lectures;
  {
    SerieCartes serie(a.v());
    for (int i = 0; i < n; ++i) a.carte("R" + platform::fromInteger(i));
  }
  DossierConstruction::comptes = nullptr;
  comptes.listages = listages.stop();
  EXPECT_TRUE(a.t.dossier.exists("ftp/R" + platform::fromInteger(n - 1) + ".jpg"));
  return comptes;
}

}  // namespace

TEST(CarteVitesse, ARunListsEachFolderAFixedNumberOfTimesAndReadsEachSheetOnce) {
  auto petit = run(3);
  auto grand = run(30);
  EXPECT_EQ(grand.listages, petit.listages);
  for (const auto& [nom, n] : grand.lectures.lectures) {
    if (platform::endsWith(nom, ".ref")) {
      EXPECT_EQ(n, 1) << nom;
    }
  }
}

}  // namespace pages::test
