// The reference export: its rows (product, variant, comment rows), each reference once, and the
// four sorts, byte for byte.

#include "publish/export_references.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

TEST(ExportReferences, RowsAndSorts) {
  testing_support::TempFolder dossier;
  dossier.write("a.ref",
                "reference=R1\r\ndescription=Pull\r\nprix=20\r\ncategorie=Mode\r\nmot_cle=Hiver\r\n"
                "image= p.jpg\r\nCD_ref=R1B\r\ntype1=XL\r\nCD_prix=22\r\nReference=ignoree\r\n"
                "commentaires=<AUTRE>\r\ncommentaires=x<LIGNE>R1C# Rouge #25\r\n"
                "commentaires=<LIGNE>#vide#1\r\ncommentaires=<LIGNE>R1D\r\n");
  dossier.write("R1B.pro", "prixpromo=19\r\n");
  // A second R1 and R1B: skipped; the variant titles then start from the bare description.
  dossier.write("b.ref", "reference=R1\r\ndescription=Autre\r\ncategorie=Déco\tTab\r\n"
                         "K7_ref=R1B\r\nK7_prix=30\r\nVIDEO_ref=V2\r\ntype3=Bleu\r\nVIDEO_prix=31\r\n");
  dossier.write("c.ref", "description=Solo\r\ncommentaires=<LIGNE>C1#Bol#3\r\n");
  const platform::DataFolder donnees(dossier.path());
  const std::vector<std::string> fiches{"a.ref", "b.ref", "absente.ref", "c.ref"};

  struct Cas {
    TriExport tri;
    std::string attendu;
  } cas[] = {
      {TriExport::reference,
       "Références\tTitres\tCatégories\tPrix\tImage\tThème\tDétail\tPromo\tFiche\r\n"
       "C1\tSolo Bol\t\t3\t\t\t\t\t\r\n"
       "R1\tPull \tMode\t20\tp.jpg\tHiver\t\t\t\r\n"
       "R1B\tPull  XL\tMode\t22\tp.jpg\tHiver\t\t19\tR1\r\n"
       "R1C\tPull  Rouge\tMode\t25\tp.jpg\tHiver\t\t\tR1\r\n"
       "V2\tAutre Bleu\tDéco Tab\t31\t\t\t\t\tR1\r\n"},
      {TriExport::titre,
       "Titres\tRéférences\tCatégories\tPrix\tImage\tThème\tDétail\tPromo\tFiche\r\n"
       "Autre Bleu\tV2\tDéco Tab\t31\t\t\t\t\tR1\r\n"
       "Pull \tR1\tMode\t20\tp.jpg\tHiver\t\t\t\r\n"
       "Pull  Rouge\tR1C\tMode\t25\tp.jpg\tHiver\t\t\tR1\r\n"
       "Pull  XL\tR1B\tMode\t22\tp.jpg\tHiver\t\t19\tR1\r\n"
       "Solo Bol\tC1\t\t3\t\t\t\t\t\r\n"},
      {TriExport::categories,
       "Catégories\tRéférences\tTitres\tPrix\tImage\tThème\tDétail\tPromo\tFiche\r\n"
       "\tC1\tSolo Bol\t3\t\t\t\t\t\r\n"
       "Déco Tab\tV2\tAutre Bleu\t31\t\t\t\t\tR1\r\n"
       "Mode\tR1\tPull \t20\tp.jpg\tHiver\t\t\t\r\n"
       "Mode\tR1B\tPull  XL\t22\tp.jpg\tHiver\t\t19\tR1\r\n"
       "Mode\tR1C\tPull  Rouge\t25\tp.jpg\tHiver\t\t\tR1\r\n"},
      {TriExport::theme,
       "Thème\tRéférences\tTitres\tCatégories\tPrix\tImage\tDétail\tPromo\tFiche\r\n"
       "\tC1\tSolo Bol\t\t3\t\t\t\t\r\n"
       "\tV2\tAutre Bleu\tDéco Tab\t31\t\t\t\tR1\r\n"
       "Hiver\tR1\tPull \tMode\t20\tp.jpg\t\t\t\r\n"
       "Hiver\tR1B\tPull  XL\tMode\t22\tp.jpg\t\t19\tR1\r\n"
       "Hiver\tR1C\tPull  Rouge\tMode\t25\tp.jpg\t\t\tR1\r\n"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(static_cast<int>(c.tri));
    EXPECT_EQ(exporterReferences(donnees, fiches, c.tri).text(), c.attendu);
  }
  EXPECT_TRUE(exporterReferences(donnees, {"absente.ref"}, TriExport::reference).empty());
}

}  // namespace
}  // namespace publish
