// The comparator settings files and the feed values computed from a sheet.

#include "publish/comparateurs.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

using Lignes = platform::LineList;

TEST(Comparateurs, SettingsFilesRoundTripAndOnlyMoveTheBoxesOneWay) {
  TOptionsComparateurs options;
  appliquerOptionsComparateurs(Lignes{"KELKOOC=non", "googleC=oui", "repertoire_serveur=b2/"}, options);
  EXPECT_EQ(lignesOptionsComparateurs(options).text(),
            "kelkooC=non\r\nwebmarchandC=oui\r\ngoogleC=oui\r\nrepertoire_serveur=b2/\r\n");
  options.googleC = false;
  appliquerOptionsComparateurs(Lignes{"googleC=oui"}, options);  // never ticked from the file
  EXPECT_FALSE(options.googleC);

  TSelectionFlux selection{.catC = true};
  appliquerSelectionFlux(Lignes{"catC=non", "themeC=oui", " b.ref "}, selection);
  EXPECT_TRUE(selection.catC);  // never unticked from the file
  selection.exclues = {"b.ref", "c.ref"};
  EXPECT_EQ(lignesSelectionFlux(selection).text(),
            "catC=oui\r\nthemeTC=non\r\nthemeC=oui\r\nb.ref\r\nc.ref\r\n");

  const Lignes kel{"titre=Pull=laine", "Chaud", "categorie=Mode", "Doux"};
  TSurchargeFlux s = lireSurchargeFlux(kel);
  EXPECT_EQ(s.titre, "Pull=laine");
  EXPECT_EQ(s.description, (std::vector<std::string>{"Chaud", "Doux"}));
  EXPECT_EQ(s.categorie, "Mode");
  EXPECT_EQ(lignesSurchargeFlux(s).text(), "titre=Pull=laine\r\nChaud\r\nDoux\r\ncategorie=Mode\r\n");

  EXPECT_EQ(urlBoutique(Lignes{"autre=x", "BOUTIK=http://b.test", "boutik=y"}, "boutik"), "http://b.test");
  EXPECT_EQ(urlBoutique(Lignes{"=x"}, ""), "");
}

TEST(Comparateurs, FeedValues) {
  struct Cas {
    std::string obtenu, attendu;
  } cas[] = {
      {sansPoids("(w:1.2) Pull"), "Pull"},
      {sansPoids("Chanson (wallonne) de Liège"), "Chanson (wallonne) de Liège"},
      {sansBalises("<b>Pull</b> > chaud"), "Pull  chaud"},
      {sansBalises("a > b"), "a > b"},
      {sansBalises("Pull <i chaud"), "Pull "},
      {prixFlux("1 234,5 €"), "1234.50"},
      {prixFlux(""), "0.00"},
      {titreFlux("Mode", "Hiver", "Pull", "", false, false), "Mode Pull"},
      {titreFlux("Mode", "Hiver", "Pull", "Zoé", true, true), "Hiver Pull Zoé"},
      {descriptionFlux("Hiver", {"a", "b", "c", "d", "e", "f", "g"}, false, false), "Hiver a b c d e f"},
      {descriptionFlux("Hiver", {"a", "b", "c", "d", "e", "f", "g"}, false, true), "Hiver a b c d e f g"},
      {descriptionFlux("Hiver", {"a", "<AUTRE>", "b"}, true, false), "Hiver"},
      {descriptionFlux("Hiver", {"a", "<AUTRE>", "b"}, true, true), "Hiver <AUTRE> b"},
      {descriptionFlux("Hiver", {"a", "<AUTRE>", "b"}, false, false), "Hiver a"},
  };
  for (const auto& c : cas) EXPECT_EQ(c.obtenu, c.attendu);
}

}  // namespace
}  // namespace publish
