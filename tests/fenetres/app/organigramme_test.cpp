#include "fenetres/app/organigramme.h"

#include <gtest/gtest.h>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "modele/app/categories_fichiers.h"
#include "modele/app/organigramme_fiches.h"
#include "support/programme_test.h"
#include "support/temp_folder.h"
#include "ui/types.h"

using testing_support::ProgrammeDeTest;

TEST(Organigramme, LabelOfAListedSheet) {
  struct Cas {
    const char *description, *auteur, *image;
    bool parAuteur;
    const char* libelle;
  };
  const Cas cas[] = {
      {"Bol", "", "b.jpg", false, "Bol [image]"},
      {"Bol", "Morel", "b.jpg", false, "Bol [image] Morel"},
      {"Bol", "Morel", "", true, "Morel Bol"},
      {"(w:250) Bol", "", "", false, "Bol"},
      {"(w:250)Bol", "Morel", "b.jpg", true, "Morel Bol [image]"},
      {"(w:250 Bol", "", "", false, "(w:250 Bol"},
  };
  for (const Cas& c : cas) {
    app::TFicheProduit fiche;
    fiche.description = c.description;
    fiche.auteur = c.auteur;
    fiche.image = c.image;
    EXPECT_EQ(app::libelleFicheTheme(fiche, c.parAuteur), c.libelle) << c.description;
  }
}

// A double click closes the organiser, then opens the sheet; Escape closes the organiser from
// its lists, but only the sorting group from the sorting list.
TEST(Organigramme, DoubleClickAndEscape) {
  ProgrammeDeTest t;
  t.dossier.write("categories", "Livres\r\n");
  t.dossier.write("Livres.cto", "Romans\r\n");
  t.dossier.write("ref.gen", "A1#Livres#Romans#Titre##\r\n");
  t.dossier.write("A1.ref", "categorie=Livres\r\nreference=A1\r\ndescription=Titre\r\nmot_cle=Romans\r\n");
  t.demarrer();
  app::Torga& orga = t.p().orga();
  t.p().main().Borga.click();
  orga.orga_themes.clickItem(0);
  orga.label_tri_fiches.click();
  orga.tri_fiches.pressKey(ui::key::Escape);
  EXPECT_FALSE(orga.tri_orga.visible());

  orga.orga_fiches.setItemIndex(0);
  orga.orga_fiches.doubleClick();
  EXPECT_FALSE(orga.visible());
  EXPECT_EQ(t.p().main().referencer.text(), "A1");

  t.p().main().Borga.click();
  orga.orga_catego.pressKey(ui::key::Escape);
  EXPECT_FALSE(orga.visible());
  EXPECT_FALSE(orga.label_tri_fiches.enabled());
}

// A theme's sheets come from its order list and the index; a sheet of the same theme name in
// another category is left to that category, whichever of the two names it.
TEST(Organigramme, SheetsOfATheme) {
  testing_support::TempFolder dossier;
  for (const auto& [ref, categorie] :
       {std::pair{"A1", "Livres"}, {"A2", "livres "}, {"B1", "Disques"}, {"B2", "Disques"}})
    dossier.write(std::string(ref) + ".ref", std::string("reference=") + ref + "\r\ncategorie=" +
                                                 categorie + "\r\nmot_cle=Romans\r\ndescription=" +
                                                 ref + "\r\n");
  dossier.write(app::nomListeTheme("Livres", "Romans", '-'), "A1.ref\r\nB1.ref\r\nA2.ref\r\n");
  const std::vector<app::TEntreeRefGen> index = {{"B2", "Disques", "Romans", "B2", "", ""},
                                                 {"A3", "Livres", "romans", "A3", "", ""},
                                                 {"A1", "Livres", "Romans", "A1", "", ""}};
  std::vector<std::string> fichiers;
  for (const auto& f : app::listerFichesTheme(platform::DataFolder(dossier.path()),
                                              {.categorie = "Livres", .theme = "Romans"}, index))
    fichiers.push_back(f.fichier);
  EXPECT_EQ(fichiers, (std::vector<std::string>{"A1.ref", "A2.ref", "A3.ref"}));
}
