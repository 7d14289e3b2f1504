// The reference export's rows, each reference once, in the four sorts, byte for byte.

#include "modele/publish/export_references.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

TEST(ExportReferences, RowsAndSorts) {
  testing_support::TempFolder dossier;
  dossier.write("a.ref", "reference=R1\r\ndescription=Pull\r\nprix=20\r\ncategorie=Dé\tco\r\n"
                         "mot_cle=Hiver\r\nCD_ref=R1B\r\ntype1=XL\r\nCD_prix=22\r\nReference=non\r\n"
                         "commentaires=x<LIGNE>R1C# Rouge #25\r\ncommentaires=<LIGNE>#vide#1\r\n");
  dossier.write("r1b.PRO", "prixpromo=19\r\n");
  // A second R1 and R1B give no row.
  dossier.write("b.ref", "reference=R1\r\nK7_ref=R1B\r\n");
  const platform::DataFolder donnees(dossier.path());
  const std::vector<std::string> fiches{"a.ref", "absente.ref", "b.ref"};
  const std::pair<TriExport, std::string> cas[] = {
      {TriExport::reference,
       "Références\tTitres\tCatégories\tPrix\tImage\tThème\tDétail\tPromo\tFiche\r\n"
       "R1\tPull \tDé co\t20\t\tHiver\t\t\t\r\n"
       "R1B\tPull  XL\tDé co\t22\t\tHiver\t\t19\tR1\r\n"
       "R1C\tPull  Rouge\tDé co\t25\t\tHiver\t\t\tR1\r\n"},
      {TriExport::titre,
       "Titres\tRéférences\tCatégories\tPrix\tImage\tThème\tDétail\tPromo\tFiche\r\n"
       "Pull \tR1\tDé co\t20\t\tHiver\t\t\t\r\n"
       "Pull  Rouge\tR1C\tDé co\t25\t\tHiver\t\t\tR1\r\n"
       "Pull  XL\tR1B\tDé co\t22\t\tHiver\t\t19\tR1\r\n"},
      {TriExport::categories,
       "Catégories\tRéférences\tTitres\tPrix\tImage\tThème\tDétail\tPromo\tFiche\r\n"
       "Dé co\tR1\tPull \t20\t\tHiver\t\t\t\r\n"
       "Dé co\tR1B\tPull  XL\t22\t\tHiver\t\t19\tR1\r\n"
       "Dé co\tR1C\tPull  Rouge\t25\t\tHiver\t\t\tR1\r\n"},
      {TriExport::theme,
       "Thème\tRéférences\tTitres\tCatégories\tPrix\tImage\tDétail\tPromo\tFiche\r\n"
       "Hiver\tR1\tPull \tDé co\t20\t\t\t\t\r\n"
       "Hiver\tR1B\tPull  XL\tDé co\t22\t\t\t19\tR1\r\n"
       "Hiver\tR1C\tPull  Rouge\tDé co\t25\t\t\t\tR1\r\n"},
  };
  for (const auto& [tri, attendu] : cas)
    EXPECT_EQ(exporterReferences(donnees, fiches, tri).text(), attendu) << static_cast<int>(tri);
  EXPECT_TRUE(exporterReferences(donnees, {"absente.ref"}, TriExport::reference).empty());
}

}  // namespace
}  // namespace publish
