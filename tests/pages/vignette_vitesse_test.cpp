// A run of cards costs the same for each card, whatever the size of the catalogue.

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

#include "atelier_cartes.h"
#include "support/temps_cpu.h"
#include "design/style_principal.h"
#include "platform/text.h"

namespace pages::test {

namespace {

// Processor seconds to write every card of a catalogue of n sheets, each with its picture and a detail
// page, in one run.
double dureeCatalogue(int n) {
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
  const double debut = testing_support::secondesCpu();
  {
    SerieCartes serie(a.v());
    for (int i = 0; i < n; ++i) a.carte("R" + platform::fromInteger(i));
  }
  const double d = testing_support::secondesCpu() - debut;
  EXPECT_TRUE(a.t.dossier.exists("ftp/R" + platform::fromInteger(n - 1) + ".jpg"));
  return d;
}

}  // namespace

TEST(CarteVitesse, ARunOfCardsGrowsLinearlyWithTheCatalogue) {
  dureeCatalogue(50);  // warms the file system caches
  const double petit = dureeCatalogue(500);
  const double grand = dureeCatalogue(2000);
  std::cout << "500 cards: " << petit << " s, 2000 cards: " << grand << " s\n";
  // Four times the cards: linear is 4, quadratic 16.
  EXPECT_LT(grand, 8 * petit + 0.5);
}

}  // namespace pages::test
