#include "modele/app/montants_fiche.h"

#include <gtest/gtest.h>

namespace {

using namespace app;

// A list line without an amount: a label when it holds no digit; otherwise it may be a mistyped
// amount, refused where typed unless it was stored so before, and named once by the build.
TEST(MontantsFiche, LabelsMistypedAmountsAndLinesAlreadyHeld) {
  const std::vector<std::string> lignes = {"Couleur=rouge", "Sur mesure=sur devis",
                                           "Grand=30 euros", "Relié=1O", "Tome 2 = 1950-1960",
                                           "Relié=1O"};
  const auto montants = montantsListe(lignes, ".dif");
  EXPECT_EQ(montantsIllisibles("R1", montants),
            (std::vector<std::string>{"R1 du modèle Relié (1O)", "R1 du modèle Tome 2 (1950-1960)"}));
  EXPECT_EQ(refusMontants(montants), "Le prix 1O du modèle Relié n'est pas un nombre");
  const std::vector<std::string> avant = {"Tome 2 = 1950-1960", "Relié=1O"};
  EXPECT_EQ(refusMontants(montants, montantsListe(avant, ".dif")), std::nullopt);
  EXPECT_EQ(refusMontants(montantsListe(std::vector<std::string>{"Gravure=-5"}, ".dif")),
            "Le prix -5 du modèle Gravure ne peut pas être négatif");
  // A line held before is held as it was stored, not with another mistyped amount.
  EXPECT_EQ(refusMontants(montantsListe(std::vector<std::string>{"Relié=2O"}, ".dif"),
                          montantsListe(avant, ".dif")),
            "Le prix 2O du modèle Relié n'est pas un nombre");
  // Read in the shop's currency, as the card reads them.
  const std::vector<std::string> devises = {"Grand=40 € TTC", "Gravure=5 FF"};
  EXPECT_EQ(montantsIllisibles("R1", montantsListe(devises, ".sup"), "€ TTC"),
            (std::vector<std::string>{"R1 du supplément Gravure (5 FF)"}));
  EXPECT_EQ(refusMontants(montantsListe(std::vector<std::string>{"Gravure=5 FF"}, ".sup"), {}, "F"),
            std::nullopt);
}

TEST(MontantsFiche, QuantityMultiple) {
  const std::pair<const char*, std::optional<int>> cas[] = {
      {"", 0},         {" 6 ", 6},      {"abc", std::nullopt}, {"-2", std::nullopt},
      {"1e2", std::nullopt}, {"0,5", std::nullopt}, {"0", std::nullopt}, {"2.5", std::nullopt}};
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(lireMultiple(texte), attendu) << texte;
}

}  // namespace
