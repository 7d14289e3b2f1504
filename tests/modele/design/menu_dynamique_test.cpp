#include "modele/design/menu_dynamique.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/text.h"
#include "support/temp_folder.h"

using namespace design;
using testing_support::TempFolder;

namespace {

TOptionsMenu menuDeTest(std::string largeur, std::string encadrement = "carre") {
  TOptionsMenu m;
  m.largeur_menu = std::move(largeur);
  m.encadrement_menu = std::move(encadrement);
  m.coul_menu_trait = "#1781B3";
  m.police_items = "Arial";
  m.taille_items = "11";
  m.aligne_menu_titres = "center";
  return m;
}

// The keys in the order of the file, written out apart from the table.
TEST(MenuDynamique, KeysInFileOrder) {
  std::istringstream in(
      "espace taille_trait trait fond_over coul_over souligne souligne_over pop_top pop_left "
      "pop_width pop_trait pop_coul_trait pop_taille_trait pop_fond pop_aligne pop_police "
      "pop_taille pop_couleur pop_gras_items pop_italique_items pop_souligne_items pop_fond_over "
      "pop_gras_over pop_italique_over pop_souligne_over pop_police_over pop_taille_over "
      "pop_coul_over_items fleche_inc nonaligne fleche flecheH flecheW coul_trait police taille "
      "coul fond aligne police_over taille_over gras italique gras_over italique_over "
      "titres_encadrement titres_image titres_puce puce titres_fond titres_aligne titres_gras "
      "titres_italique titres_souligne titres_police titres_taille titres_coul titres_transparent "
      "fond_transparent pop_fond_transparent fond_transparent_over pop_fond_transparent_over");
  std::vector<std::string> attendues;
  for (std::string m; in >> m;) attendues.push_back("Dmenu_" + m);
  std::vector<std::string> cles;
  for (const CleMenuDynamique& c : clesMenuDynamique()) cles.push_back(c.cle);
  EXPECT_EQ(cles, attendues);
}

TEST(MenuDynamique, Defaults) {
  struct Cas {
    const char* nom;
    const char* largeur;
    const char* marges;
    const char* encadrement;
    const char* popLeft;
    const char* transparent;
  };
  const Cas cas[] = {
      {"plain", "120", "", "carre", "135", "non"},
      {"margins", "160", "10", "carre", "165", "non"},
      {"wider", "150", "", "carre", "165", "non"},
      {"wider with margins", "150", "10", "carre", "155", "non"},
      {"transparent frame", "120", "", "transparent", "135", "oui"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    TStyleMenuDynamique s;
    mettreDefautsMenuDynamique(s, menuDeTest(c.largeur, c.encadrement), c.marges);
    EXPECT_EQ(s.Dmenu_pop_left, c.popLeft);
    EXPECT_EQ(s.Dmenu_titres_transparent, c.transparent);
    EXPECT_EQ(s.Dmenu_fond_transparent, c.transparent);
    EXPECT_EQ(s.Dmenu_pop_fond_transparent, "non");
    EXPECT_EQ(s.Dmenu_pop_top, "-17");
    EXPECT_EQ(s.Dmenu_pop_width, "120");
    EXPECT_EQ(s.Dmenu_pop_trait, "encadrement");
    EXPECT_EQ(s.Dmenu_pop_coul_trait, "#1781B3");
    EXPECT_EQ(s.Dmenu_pop_police, "Arial");
    EXPECT_EQ(s.Dmenu_taille, "11");
    EXPECT_EQ(s.Dmenu_titres_aligne, "center");
    EXPECT_EQ(s.Dmenu_fleche, "fl4.gif");
  }
}

// A bad width stops the load before anything changes.
TEST(MenuDynamique, BadWidthThrowsAndLeavesTheRecord) {
  TempFolder dossier;
  for (auto [largeur, marges] : {std::pair{"abc", ""}, std::pair{"120", "x"}}) {
    TStyleMenuDynamique s;
    s.Dmenu_espace = "7";
    EXPECT_THROW(chargerMenuDynamique(s, dossier / "menudyn.inf", menuDeTest(largeur), marges),
                 platform::IntegerError);
    EXPECT_EQ(s.Dmenu_espace, "7");
  }
}

TEST(MenuDynamique, File) {
  struct Cas {
    const char* nom;
    const char* fichier;
    const char* encadrement;
    std::string TStyleMenuDynamique::*champ;
    const char* attendu;
  };
  const Cas cas[] = {
      {"absent key keeps its default", "Dmenu_fleche=fl2.gif\r\n", "carre",
       &TStyleMenuDynamique::Dmenu_pop_width, "120"},
      {"present key is read", "Dmenu_fleche=fl2.gif\r\n", "carre",
       &TStyleMenuDynamique::Dmenu_fleche, "fl2.gif"},
      {"computed default stays", "Dmenu_fleche=fl2.gif\r\n", "carre",
       &TStyleMenuDynamique::Dmenu_pop_left, "135"},
      {"empty value stays empty", "Dmenu_trait=\r\n", "carre",
       &TStyleMenuDynamique::Dmenu_trait, ""},
      {"key case ignored, first line wins", "DMENU_POP_TOP=-5\r\nDmenu_pop_top=9\r\n", "carre",
       &TStyleMenuDynamique::Dmenu_pop_top, "-5"},
      {"file wins over transparent frame", "Dmenu_fond_transparent=non\r\n", "transparent",
       &TStyleMenuDynamique::Dmenu_fond_transparent, "non"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    TempFolder dossier;
    dossier.write("menudyn.inf", c.fichier);
    TStyleMenuDynamique s;
    chargerMenuDynamique(s, dossier / "menudyn.inf", menuDeTest("120", c.encadrement), "");
    EXPECT_EQ(s.*c.champ, c.attendu);
  }
}

TEST(MenuDynamique, RoundTripOfEveryKey) {
  TStyleMenuDynamique ecrit;
  int n = 0;
  for (const CleMenuDynamique& c : clesMenuDynamique()) ecrit.*c.champ = "v" + std::to_string(n++);
  ecrit.Dmenu_trait = "";  // "Aucun"
  TempFolder dossier;
  platform::LineList lignes = lignesMenuDynamique(ecrit);
  ASSERT_EQ(lignes.size(), 62u);
  EXPECT_EQ(lignes[2], "Dmenu_trait=");
  lignes.save(dossier / "menudyn.inf");
  TStyleMenuDynamique lu;
  chargerMenuDynamique(lu, dossier / "menudyn.inf", menuDeTest("120"), "");
  EXPECT_EQ(lu, ecrit);
}

}  // namespace
