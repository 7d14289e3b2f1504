// The comparator settings files' reading rules and the feed values computed from a sheet.

#include "modele/publish/comparateurs.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

using Lignes = platform::LineList;

TEST(Comparateurs, SettingsFilesMoveTheBoxesOneWayOnly) {
  TOptionsComparateurs options{.googleC = false};
  appliquerOptionsComparateurs(Lignes{"KELKOOC=non", "googleC=oui", "repertoire_serveur=b2/"}, options);
  EXPECT_EQ(lignesOptionsComparateurs(options).text(),
            "kelkooC=non\r\nwebmarchandC=oui\r\ngoogleC=non\r\nrepertoire_serveur=b2/\r\n");
  TSelectionFlux selection{.catC = true};
  appliquerSelectionFlux(Lignes{"catC=non", "themeC=oui", " b.ref "}, selection);
  EXPECT_TRUE(selection.catC && selection.themeC && !selection.themeTC);
  EXPECT_EQ(selection.exclues.back(), "b.ref");

  TSurchargeFlux s = lireSurchargeFlux(Lignes{"titre=Pull=laine", "Chaud", "categorie=Mode", "Doux"});
  EXPECT_EQ(lignesSurchargeFlux(s).text(), "titre=Pull=laine\r\nChaud\r\nDoux\r\ncategorie=Mode\r\n");
  EXPECT_EQ(urlBoutique(Lignes{"BOUTIK=http://b.test", "boutik=y"}, "boutik"), "http://b.test");
}

TEST(Comparateurs, FeedValues) {
  const std::vector<std::string> commentaires{"a", "b", "c", "d", "e", "f", "g"};
  const std::vector<std::string> tableau{"a", "<AUTRE>", "b"};
  std::pair<std::string, std::string> cas[] = {
      {sansPoids("Chanson (wallonne) de Liège"), "Chanson (wallonne) de Liège"},
      {sansBalises("<b>Pull</b> > chaud"), "Pull  chaud"},
      {sansBalises("Pull <i chaud"), "Pull "},
      {prixFlux("1 234,5 €", "EUR"), "1234.50"},
      {titreFlux("Mode", "Hiver", "Pull", "Zoé", true, true), "Hiver Pull Zoé"},
      {descriptionFlux("Hiver", commentaires, false, false), "Hiver a b c d e f"},
      {descriptionFlux("Hiver", commentaires, false, true), "Hiver a b c d e f g"},
      {descriptionFlux("Hiver", tableau, true, false), "Hiver"},
      {descriptionFlux("Hiver", tableau, true, true), "Hiver <AUTRE> b"},
      {descriptionFlux("Hiver", tableau, false, false), "Hiver a"},
  };
  for (const auto& [obtenu, attendu] : cas) EXPECT_EQ(obtenu, attendu);
}

}  // namespace
}  // namespace publish
