#include "modele/infopages/cv_options.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using infopages::TOptionsConditions;

namespace {

TOptionsConditions lu(const platform::LineList& lignes) {
  TOptionsConditions o = infopages::conditionsParDefaut("Boutique");
  infopages::lireConditions(lignes, o);
  return o;
}

std::string noms(const TOptionsConditions& o) {
  std::string s;
  for (const auto& r : o.rubriques) s += r.nom + (r.cochee ? "+" : "-") + "|";
  return s;
}

}  // namespace

TEST(OptionsConditions, Defaults_AndRoundTrip) {
  TOptionsConditions d = infopages::conditionsParDefaut("Boutique");
  EXPECT_EQ(d.cvente_denomination, "Boutique");
  EXPECT_EQ(d.rubriques.size(), 15u);
  EXPECT_FALSE(d.rubriques[4].cochee);  // Bulle
  EXPECT_FALSE(d.rubriques[6].cochee);  // Frais
  EXPECT_EQ(infopages::cvPopup(d.rubriques), "non");

  platform::LineList l = infopages::lignesConditions(d);
  ASSERT_EQ(l.size(), 15u + 30u);
  EXPECT_EQ(l[14], "cvente_rubriques_index=15");
  EXPECT_EQ(l[25], "rubrique5=D\xE9lai");
  EXPECT_EQ(l[26], "checked5=oui");

  testing_support::TempFolder dossier;
  platform::DataFolder donnees(dossier.path());
  TOptionsConditions autre = d;
  autre.cvHTM = "oui";
  autre.cvente_produits = "th\xE9s";
  autre.rubriques = {{"Titre", true}, {"Bulle", true}, {"Mes = notes", false}};
  infopages::sauverConditions(donnees, autre);
  TOptionsConditions relu = infopages::conditionsParDefaut("Boutique");
  ASSERT_TRUE(infopages::chargerConditions(donnees, relu));
  EXPECT_EQ(relu, autre);
  EXPECT_EQ(infopages::cvPopup(relu.rubriques), "oui");
  EXPECT_EQ(infopages::lignesConditions(TOptionsConditions{}).size(), 14u);  // no empty list
}

TEST(OptionsConditions, Load_KeysAndSectionList) {
  struct Cas {
    const char* nom;
    platform::LineList lignes;
    std::string attendu;
  };
  const std::string origine = noms(infopages::conditionsParDefaut(""));
  const Cas cas[] = {
      {"no count keeps the list", {"cvente_cb=oui"}, origine},
      {"zero empties it", {"cvente_rubriques_index=0", "rubrique0=Titre"}, ""},
      {"not a number keeps it", {"cvente_rubriques_index=deux"}, origine},
      {"checked: only non unticks; missing items are empty",
       {"CVENTE_RUBRIQUES_INDEX=4", "rubrique0=A", "checked0=", "rubrique1=B", "checked1=NON",
        "rubrique2=C", "checked2=non", "rubrique0=X"},
       "A+|B+|C-|+|"},
      {"a damaged count is bounded by the lines", {"cvente_rubriques_index=999999999999"},
       "+|"},
  };
  for (const Cas& c : cas) EXPECT_EQ(noms(lu(c.lignes)), c.attendu) << c.nom;

  TOptionsConditions o = lu({"cvente_cb=oui", "cvente_moyen=", "Cvente_Delai=2 jours",
                             "cvente_delai=9 jours"});
  EXPECT_EQ(o.cvente_cb, "oui");
  EXPECT_EQ(o.cvente_moyen, "Colissimo");  // empty keeps the built-in value
  EXPECT_EQ(o.cvente_delai, "2 jours");   // key case ignored, first line wins
  TOptionsConditions vide = infopages::conditionsParDefaut("B");
  EXPECT_FALSE(infopages::lireConditions({}, vide));
}
