#include <gtest/gtest.h>

#include <functional>

#include "modele/infopages/recherche_base.h"
#include "modele/infopages/recherche_options.h"

using platform::LineList;
namespace ir = infopages;

TEST(BaseRecherche, Operations) {
  const LineList base{"Blues=NULL", "Jazz=[00]B2", "Jazz=NULL", "rock=[00]A1", "rock=[00]B2"};
  struct Cas {
    const char* nom;
    std::function<LineList()> operation;
    LineList attendu;
  };
  const Cas cas[] = {
      {"add sorts, bracket before letters, case only second",
       [&] { return ir::ajouterMot(base, "Rock"); },
       {"Blues=NULL", "Jazz=[00]B2", "Jazz=NULL", "rock=[00]A1", "rock=[00]B2", "Rock=NULL"}},
      {"save replaces the reference's links",
       [&] { return ir::enregistrerMots(base, "B2", {"Blues", "Zen"}); },
       {"Blues=[00]B2", "Blues=NULL", "Jazz=NULL", "rock=[00]A1", "Zen=[00]B2"}},
      {"delete keeps order, drops lines without word",
       [&] { return ir::supprimerMot(LineList{"Jazz=NULL", "=NULL", " Blues =NULL"}, "Blues"); },
       {"Jazz=NULL"}},
      {"rename moves the links",
       [&] { return ir::renommerMot(base, "Jazz", "Afro"); },
       {"Afro=[00]B2", "Afro=NULL", "Blues=NULL", "rock=[00]A1", "rock=[00]B2"}},
      {"reorder ranks in hexadecimal and drops NULL",
       [&] { return ir::ordonnerProduits(base, "Jazz", {"C3", "B2"}); },
       {"Blues=NULL", "Jazz=[01]C3", "Jazz=[02]B2", "rock=[00]A1", "rock=[00]B2"}},
      {"remove one link keeps order and ranks",
       [&] { return ir::retirerLien(LineList{"rock=[02]B2", "rock=[01]A1"}, "rock", "A1"); },
       {"rock=[02]B2"}},
      {"purge keeps NULL and links to existing sheets",
       [&] { return ir::purgerBase(base, {"a1.ref", "C3.ref"}); },
       {"Blues=NULL", "Jazz=NULL", "rock=[00]A1"}},
  };
  for (const Cas& c : cas) EXPECT_EQ(c.operation().lines(), c.attendu.lines()) << c.nom;

  LineList seize;
  for (int k = 0; k < 16; ++k) seize.add("R" + std::to_string(k));
  EXPECT_EQ(ir::ordonnerProduits({}, "w", seize.lines())[0], "w=[01]R0");
  EXPECT_EQ(ir::ordonnerProduits({}, "w", seize.lines())[9], "w=[0A]R9");
}

TEST(BaseRecherche, ReadingAndQueries) {
  const ir::LienRecherche lien = ir::lireLien(" Blues = [01] AB12 ");
  EXPECT_EQ(lien.mot, "Blues");
  EXPECT_EQ(lien.reference, "AB12");
  EXPECT_EQ(ir::lireLien("Blues=NULL").reference, "NULL");

  const LineList base{"Jazz=[00]B2", "Jazz=NULL", " Jazz=[01]C3", "rock=[00]B2"};
  EXPECT_TRUE(ir::motEnregistre(base, "Jazz"));
  EXPECT_FALSE(ir::motEnregistre(base, "jazz"));
  EXPECT_FALSE(ir::motEnregistre(base, "rock=[00]B2"));
  EXPECT_EQ(ir::produitsDuMot(base, "Jazz"), (std::vector<std::string>{"B2", "C3"}));
  const ir::MotsBase mots = ir::motsBase(base, "B2");
  EXPECT_EQ(mots.mots, (std::vector<std::string>{"Jazz", "rock"}));
  EXPECT_EQ(mots.coches, (std::vector<bool>{true, true}));
  EXPECT_EQ(ir::motsBase(base, "C3").coches, (std::vector<bool>{true, false}));

  for (const char* refuse : {"", "  ", "Le=jazz", "12\" vinyl"}) EXPECT_NE(ir::refusMot(refuse), "") << refuse;
  EXPECT_EQ(ir::refusMot("Rock [live]"), "");
}

TEST(OptionsRecherche, ReadRulesAndWrite) {
  ir::TOptionsRecherche o;
  o.police = "Verdana";
  ir::lireOptionsRecherche(
      {"TITRE= Disques ", "MENUG= oui ", "desac=OUI", "centrer=non", "gras=peut-etre",
       "police= ", "couleur=#112233", "taille="},
      o);
  EXPECT_EQ(o.titre, " Disques ");
  EXPECT_EQ(o.menuG, "oui");
  EXPECT_EQ(o.desac, "non");
  EXPECT_EQ(o.centrer, "non");
  EXPECT_EQ(o.gras, "oui");
  EXPECT_EQ(o.police, "Verdana");
  EXPECT_EQ(o.couleur, "#112233");
  EXPECT_EQ(o.taille, "2");
  EXPECT_EQ(ir::lignesOptionsRecherche(o).lines(),
            (std::vector<std::string>{"titre=Disques", "col=", "menuG=oui", "desac=non", "centrer=non", "gras=oui",
                      "police=Verdana", "couleur=#112233", "taille=2"}));
}
