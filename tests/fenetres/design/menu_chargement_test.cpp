// What the menu editor loads stays as the files hold it: filling a control stores nothing, and
// the saved family order keeps every category in the menu.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/frame/voir_menu.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;

// The top height, the frame sizes and the separator count survive the start-up, the display of
// the editor and its save, with or without a catalogue.
TEST(ChargementMenu, FillingTheControlsStoresNothing) {
  struct Cas {
    bool catalogue;
    const char* fichier;
    const char *hauteur, *tirets;
  } cas[] = {
      {false, nullptr, "60", "0"},
      {false, "hauteur_top=75\r\nlargeur_frame=150\r\nhauteur_frame=400\r\n", "75", "0"},
      {true, "hauteur_top=75\r\nlargeur_frame=150\r\ntirets_listes=--\r\n", "75", "--"},
      {true, "hauteur_top=80\r\ntirets_listes=2a\r\n", "80", "2a"},
  };
  for (const Cas& c : cas) {
    ProgrammeDeTest t;
    t.dossier.write("categories", "Bols\r\n");
    t.dossier.write("Bols.fam", "famille=0\r\n");
    if (c.catalogue) t.dossier.write("ref.gen", "");
    if (c.fichier) t.dossier.write("menu.opt", std::string("famille_titre=0\r\n") + c.fichier);
    auto& p = t.demarrer();
    design::Tmenu1& m = p.menu1();
    EXPECT_EQ(m.options.hauteur_top, c.hauteur) << c.catalogue;
    p.main().PageControl1.setActivePage(p.main().menus);
    m.show();
    EXPECT_EQ(m.options.hauteur_top, c.hauteur) << c.catalogue;
    EXPECT_EQ(m.options.tirets_listes, c.tirets) << c.catalogue;
    EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{}) << c.catalogue;
    m.ok_bouton.click();
    const std::string opt = t.dossier.read("menu.opt");
    EXPECT_NE(opt.find(std::string("\r\nhauteur_top=") + c.hauteur + "\r\n"), std::string::npos)
        << c.catalogue;
  }
}

// A saved order naming a family without categories, or a family twice, no longer hides the
// others: every family with categories keeps its title, in the saved order where it has one.
TEST(ChargementMenu, TheSavedFamilyOrderKeepsEveryCategory) {
  struct Cas {
    const char* ordre;
    std::vector<std::string> titres, numeros, categories;
  } cas[] = {
      {"fam0=1\r\n", {"Produits"}, {"0"}, {"Bols", "Tasses"}},
      {"fam0=2\r\nfam1=0\r\n", {"Produits"}, {"0"}, {"Bols", "Tasses"}},
      {"fam0=3\r\nfam1=0\r\nfam2=0\r\n", {"Services", "Produits"}, {"3", "0"}, {"Conseil"}},
      {"fam0=x\r\n", {"Produits", "Services"}, {"0", "3"}, {"Bols", "Tasses"}},
  };
  for (const Cas& c : cas) {
    ProgrammeDeTest t;
    t.dossier.write("categories", "Bols\r\nConseil\r\nTasses\r\n");
    t.dossier.write("Bols.fam", "famille=0\r\n");
    t.dossier.write("Tasses.fam", "famille=0\r\n");
    const bool services = c.titres.size() > 1;
    t.dossier.write("Conseil.fam", services ? "famille=3\r\n" : "famille=7\r\n");
    t.dossier.write("ref.gen", "");
    t.dossier.write("menu.opt", std::string("famille_titre=0\r\n") + c.ordre);
    auto& p = t.demarrer();
    design::Tmenu1& m = p.menu1();
    m.chargerFamillesMenu();
    EXPECT_EQ(m.familles.items(), c.titres) << c.ordre;
    EXPECT_EQ(m.famille_order.items(), c.numeros) << c.ordre;
    m.remplirItems();
    EXPECT_EQ(m.fitems.items(), c.categories) << c.ordre;
    // The built menu links every category, and the order saved is the repaired one.
    p.voir_menu1().faire_cadres();
    const std::string menu = t.dossier.read("ftp/menu2.htm");
    for (const char* categorie : {"Bols", "Tasses"})
      EXPECT_NE(menu.find(std::string(">") + categorie + "</font>"), std::string::npos)
          << c.ordre << categorie;
    m.sauverMenu();
    EXPECT_NE(t.dossier.read("menu.opt").find("fam0=" + c.numeros[0] + "\r\n"), std::string::npos)
        << c.ordre;
  }
}
