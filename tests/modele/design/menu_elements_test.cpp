#include "modele/design/menu_elements.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modele/design/menu_options.h"

using namespace design;

namespace {

// The menu.opt keys of the fields, joined by blanks.
std::string nomsCles(const std::vector<ChampMenu>& champs) {
  std::string noms;
  for (ChampMenu champ : champs) {
    for (const CleMenu& c : clesMenu())
      if (c.champ == champ) {
        noms += (noms.empty() ? "" : " ") + std::string(c.cle);
        break;
      }
  }
  return noms;
}

TEST(ElementsMenu, LinesAndTheNamesTheEditorComparesWith) {
  std::vector<std::string> noms;
  for (const ElementMenu& e : elementsMenu()) noms.push_back(elementDeLigne(e.ligne));
  EXPECT_EQ(noms, (std::vector<std::string>{
                      "Menu - Catégories", "Menu - Titres", "Menu - Roll Over", "Menu - Listes",
                      "Logo", "Bandeau", "Top - Textes", "Top - Roll Over", "Accueil", "Délais",
                      "Securite", "Ecrire", "Panier", "emploi", "Recherche", "Conditions"}));
  EXPECT_TRUE(commenceParMenu("Menu - Listes"));
  EXPECT_FALSE(commenceParMenu("Men"));
  EXPECT_TRUE(commenceParTop("Top - Roll Over"));
  EXPECT_FALSE(commenceParTop("Logo"));
  ASSERT_NE(sectionTop("Securite"), nullptr);
  EXPECT_EQ(nomsCles({sectionTop("Securite")->texte, sectionTop("Securite")->image}),
            "securite_texte securite_image");
  EXPECT_EQ(nomsCles({sectionTop("emploi")->texte}), "emploi_texte");
  EXPECT_TRUE(sectionTop("Ecrire")->lienEmail);
  EXPECT_EQ(sectionTop("Sécurité"), nullptr);
  EXPECT_EQ(sectionTop("Logo"), nullptr);
}

TEST(ElementsMenu, KeysEachStyleControlWritesForEachElement) {
  using R = ReglageMenu;
  struct Cas {
    R reglage;
    const char* element;
    const char* cles;
  } cas[] = {
      {R::CouleurTexte, "Menu - Roll Over", "coul_over_items"},
      {R::CouleurTexte, "Menu - Listes", "coul_menu_listes"},
      {R::CouleurTexte, "Top - Roll Over", ""},
      {R::CouleurTexte, "Accueil", ""},
      {R::Fond, "Top - Roll Over", "fond_over_cv"},
      {R::Fond, "Recherche", "fond_recherche"},
      {R::Trait, "Menu - Roll Over", "coul_menu_trait"},
      {R::Trait, "Menu - Listes", "coul_menu_trait"},
      {R::Trait, "Top - Textes", "coul_trait_cv"},
      {R::Trait, "Top - Roll Over", ""},
      {R::Gras, "Menu - Titres", "gras_menu_titres"},
      {R::Italique, "Top - Roll Over", "italique_over_cv"},
      {R::Souligne, "Bandeau", "souligne_bandeau"},
      {R::Souligne, "Menu - Listes", ""},
      {R::Alignement, "Top - Textes", "aligne_cv"},
      {R::Alignement, "Recherche", ""},
      // The two-key controls.
      {R::Police, "Menu - Catégories", "police_items police_over"},
      {R::Police, "Menu - Roll Over", "police_over"},
      {R::Police, "Top - Textes", "police_cv police_over_cv"},
      {R::Police, "Top - Roll Over", "police_over_cv"},
      {R::Taille, "Menu - Catégories", "taille_items taille_over"},
      {R::Taille, "Top - Textes", "taille_cv taille_over_cv"},
      {R::Taille, "Recherche", "taille_recherche"},
      {R::Encadrement, "Menu - Titres", "encadrement_menu"},
      {R::Encadrement, "Logo", "encadrement_logo"},
      {R::Encadrement, "Top - Roll Over", ""},
      {R::Texte, "Securite", "securite_texte"},
      {R::Texte, "Recherche", "recherche_texte"},
      {R::Texte, "Top - Textes", ""},
      {R::RollOver, "Menu - Listes", "over"},
      {R::RollOver, "Top - Roll Over", "over_cv"},
      {R::RollOver, "Logo", ""},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(nomsCles(clesReglage(c.reglage, c.element)), c.cles)
        << c.element << " " << static_cast<int>(c.reglage);
}

TEST(ElementsMenu, SeparatorCountKeepsDigitsOnly) {
  struct Cas {
    const char* texte;
    const char* valeur;  // nullptr: tirets_listes stays
    bool erreur;
  } cas[] = {
      {"12", "12", false}, {"", "0", false}, {"a", "0", true}, {"1a", nullptr, true},
      {"-1", nullptr, true},
  };
  for (const Cas& c : cas) {
    SaisieTirets s = lireTirets(c.texte);
    EXPECT_EQ(s.valeur.has_value(), c.valeur != nullptr) << c.texte;
    if (c.valeur && s.valeur) {
      EXPECT_EQ(*s.valeur, c.valeur) << c.texte;
    }
    EXPECT_EQ(s.erreur, c.erreur) << c.texte;
  }
}

TEST(ElementsMenu, ValueRulesOfTheControls) {
  EXPECT_EQ(policeAffichee("Times"), "Times New Roman");
  EXPECT_EQ(policeAffichee("sans-serif"), "MS Sans Serif");
  EXPECT_EQ(policeAffichee("Sans Sérif"), "Sans Sérif");
  EXPECT_EQ(policeAffichee("Verdana"), "Verdana");
  EXPECT_EQ(basculer("non"), "oui");
  EXPECT_EQ(basculer("oui"), "non");
  EXPECT_EQ(basculer(""), "non");
  EXPECT_EQ(rangImage(""), 0);
  EXPECT_EQ(rangImage("puce"), 2);
  EXPECT_EQ(rangImage("Bouton"), -1);
  EXPECT_EQ(rangEncadrement("transparent"), 2);
  EXPECT_EQ(rangEncadrement("carré"), -1);
  EXPECT_EQ(rangAlignement("right"), 2);
  EXPECT_EQ(rangAlignement("justify"), -1);
}

}  // namespace
