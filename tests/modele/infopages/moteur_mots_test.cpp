#include "modele/infopages/moteur_mots.h"

#include <gtest/gtest.h>

namespace infopages {

TEST(MotsCles, AnAccentedCharacterCountsEight) {
  struct Cas {
    std::vector<std::string> mots;
    size_t total;
  };
  for (const Cas& c : std::vector<Cas>{{{"bols", "thé"}, 14},
                                       {{"12\" vinyle"}, 17},
                                       {{"Ûû×"}, 3},
                                       {{"a", "\x7f"}, 2}})
    EXPECT_EQ(caracteresMotsCles(c.mots), c.total) << c.mots.size();
}

TEST(MotsMoteur, TheKeptWordIsTheLastLongPieceCleaned) {
  struct Cas {
    const char* saisie;
    const char* mot;
  };
  for (const Cas& c : std::vector<Cas>{{"bol émaillé vert, ab", "vert"},
                                       {"théière.", "théière"},
                                       {"(c.a.d)", "cad"},
                                       // "<" and ">" would read as a weight in mots.bdd.
                                       {"<b>céramique</b>", "bcéramiqueb"},
                                       {"bonjour ab,", ""},
                                       {"ab cd", "ab cd"}})
    EXPECT_EQ(motRetenu(c.saisie), c.mot) << c.saisie;
}

TEST(MotsMoteur, PiecesCountFromOneAndPagesMatchExactly) {
  EXPECT_EQ(extraireMot("un deux ", ' ', 2), "deux");
  EXPECT_EQ(extraireMot("un deux ", ' ', 3), "");
  const platform::LineList base{"raku<3> bols.htm", "grès<1>bols.htm ", "thé<1>Bols.htm",
                                "sans chevron bols.htm"};
  EXPECT_EQ(motsDeLaPage(base, "bols.htm"), (std::vector<std::string>{"raku", "grès"}));
  EXPECT_EQ(fichierMotsPage("vaisselle-bols-0.htm"), "vaisselle-bols-0.ajm");
}

}  // namespace infopages
