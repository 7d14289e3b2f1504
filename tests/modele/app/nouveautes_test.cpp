#include "modele/app/nouveautes.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using namespace app;
using testing_support::TempFolder;
using Messages = std::vector<std::string>;

namespace {

struct Boutique {
  TempFolder t;
  platform::DataFolder d{t.path()};
  Boutique(std::string_view ini) {
    t.write("newprod.ini", ini);
    for (const char* ref : {"A", "B", "C", "D", "Vitrine", "Soldes"})
      t.write(std::string(ref) + ".ref", "");
  }
  Messages clic(std::string ref, bool image = true, std::string liste = "") {
    return basculerNouveaute(d, {std::move(ref), image, std::move(liste)});
  }
};

}  // namespace

TEST(Nouveautes, RefusalsLeaveTheListAsItWas) {
  Boutique b("max=1\r\n");
  b.t.write("newprodrefs.new", "A\r\n");
  EXPECT_EQ(b.clic("Z"), (Messages{"Reference inexistante"}));
  EXPECT_EQ(b.clic(""), (Messages{"Reference inexistante"}));
  // A full list keeps its oldest product when the new one is refused for want of an image.
  EXPECT_EQ(b.clic("B", false), (Messages{"Image obligatoire"}));
  EXPECT_EQ(b.t.read("newprodrefs.new"), "A\r\n");
  // Removing needs no image.
  EXPECT_EQ(b.clic("A", false), (Messages{"A supprimées des nouveautés"}));
  // In the named-list mode nothing happens until a list is chosen.
  b.t.write("newprod.ini", "max=1\r\nmulti=listes.txt\r\n");
  EXPECT_EQ(b.clic("B"), Messages{});
  EXPECT_EQ(b.t.read("newprodrefs.new"), "");
}

TEST(Nouveautes, AMaxThatIsNoPositiveWholeNumberIsToldAndChangesNothing) {
  for (const char* ini : {"max=dix\r\n", "multi=\r\n", "max=0\r\n", "max=-3\r\n"}) {
    Boutique b(ini);
    Messages m = b.clic("A");
    ASSERT_EQ(m.size(), 1u) << ini;
    EXPECT_TRUE(m[0].starts_with("La valeur max de newprod.ini")) << ini;
    EXPECT_FALSE(b.t.exists("newprodrefs.new")) << ini;
  }
  TempFolder vide;
  vide.write("A.ref", "");
  EXPECT_EQ(basculerNouveaute(platform::DataFolder(vide.path()), {"A", true, ""}),
            (Messages{"Le fichier newprod.ini est introuvable : aucune liste de nouveautés"}));
}

TEST(Nouveautes, TwiceListedReferenceLosesItsLaterLineAndAnOverfullListOnlyGrows) {
  Boutique b("max=2\r\n");
  b.t.write("newprodrefs.new", " A \r\nB\r\nA\r\nC\r\n");
  EXPECT_EQ(b.clic("A"), (Messages{"A supprimées des nouveautés"}));
  EXPECT_EQ(b.t.read("newprodrefs.new"), " A \r\nB\r\nC\r\n");
  EXPECT_EQ(b.clic("D"), (Messages{"D ajoutée. 4 nouveautés sur 2"}));
}

TEST(Nouveautes, SetUpOffersTheButtonByMode) {
  struct Cas {
    const char* ini;
    bool marqueur;
    const char* liste;
    bool bouton;
    std::string legende;
  } cas[] = {
      {nullptr, true, "A\r\n", false, ""},
      {"max=5\r\n", false, "", false, ""},
      {"max=5\r\n", true, "", true, "Ajouter aux nouveautés"},
      {"max=5\r\n", true, " A \r\n", true, "Supprimer des nouveautés"},
      {"max=5\r\nmulti=absent.txt\r\n", true, "A\r\n", false, ""},
  };
  for (const Cas& c : cas) {
    TempFolder t;
    if (c.ini) t.write("newprod.ini", c.ini);
    if (c.marqueur) t.write("newprod.ref", "");
    if (*c.liste) t.write("newprodrefs.new", c.liste);
    EtatNouveautes e = preparerNouveautes(platform::DataFolder(t.path()), "A");
    EXPECT_EQ(e.bouton, c.bouton) << (c.ini ? c.ini : "-");
    EXPECT_FALSE(e.listes);
    EXPECT_EQ(e.legende, c.legende);
  }
}

TEST(Nouveautes, SetUpOffersNamedListsWithASheetAndChoosesTheLastHoldingTheReference) {
  Boutique b("max=5\r\nmulti=listes.txt\r\n");
  b.t.write("listes.txt", " Vitrine \r\nSansFiche\r\n\r\nSoldes\r\nD\r\n");
  EtatNouveautes e = preparerNouveautes(b.d, "A");
  EXPECT_EQ(e.noms, (std::vector<std::string>{"Vitrine", "Soldes", "D"}));
  EXPECT_EQ(e.choix, 0);
  EXPECT_EQ(e.legende, "Ajouter à Vitrine");
  b.t.write("Vitrinerefs.new", "A\r\n");
  b.t.write("Soldesrefs.new", "A\r\n");
  e = preparerNouveautes(b.d, "A");
  EXPECT_EQ(e.choix, 1);
  EXPECT_EQ(e.legende, "Supprimer de Soldes");
  EXPECT_EQ(legendeNouveaute(b.d, "D", "A"), "Ajouter à D");
  EXPECT_EQ(legendeNouveaute(b.d, "Soldes", "A"), "Supprimer de Soldes");
}
