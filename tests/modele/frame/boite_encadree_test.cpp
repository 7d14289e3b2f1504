#include "modele/frame/boite_encadree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Lignes = std::vector<std::string>;

namespace {

frame::LignesImages boite(const char* cadre, const char* image = "") {
  frame::ContenuBoite c{image, "Chez Léa",  "Arial", "#000", "13",       "oui", "non",
                        "non", "plogo.gif", "10",    "12",   "logo.gif", "80",  "40"};
  frame::Encadrement e{
      cadre, "#1781B3", "#FFFFFF", "118", "center", "logo", frame::contenuTexte(image)};
  return frame::boiteEncadree(e, frame::contenuBoite(c));
}

const Lignes kCarre = {
    "<table border=0 cellspacing=0 cellpadding=0>",
    "<tr>",
    "<td colspan=5 bgcolor=\"#1781B3\"><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=5 HEIGHT=1 BORDER=0>"
    "</td>",
    "</tr>",
    "<tr>",
    "<td bgcolor=\"#1781B3\" width=1><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=1 "
    "BORDER=0></td>",
    "<td bgcolor=\"#FFFFFF\" width=5><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=5 HEIGHT=1 "
    "BORDER=0></td>",
    "<td bgcolor=\"#FFFFFF\" nowrap align=\"center\" width=118>",
    "<font face=\"Arial\" color=\"#000\"><span style=\"FONT-SIZE:13px\">",
    "<b>Chez Léa</b></span></font><br clear=\"all\">",
    "</td>",
    "<td bgcolor=\"#FFFFFF\" width=5><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=5 HEIGHT=1 "
    "BORDER=0></td>",
    "<td bgcolor=\"#1781B3\" width=1><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=1 "
    "BORDER=0></td>",
    "</tr>",
    "<tr>",
    "<td colspan=5 bgcolor=\"#1781B3\"><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=5 HEIGHT=1 BORDER=0>"
    "</td>",
    "</tr>",
    "</table>",
};

}  // namespace

TEST(BoiteEncadree, GoldenLinesPerFrameKind) {
  EXPECT_EQ(boite("carre").lignes.lines(), kCarre);
  EXPECT_EQ(boite("double").lignes.lines(), kCarre);  // any other kind draws "carre"
  Lignes aucun = kCarre;                              // the lines in the fill colour
  for (size_t i : {2, 5, 12, 15}) aucun[i].replace(aucun[i].find("#1781B3"), 7, "#FFFFFF");
  EXPECT_EQ(boite("aucun").lignes.lines(), aucun);
  EXPECT_EQ(boite("transparent").lignes.lines(),
            (Lignes{kCarre[0],
                    "<tr><td colspan=5><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0>"
                    "</td></tr>",
                    "<tr>", "<td nowrap align=\"center\" width=118>", kCarre[8], kCarre[9], "</td>",
                    "</tr>", "</table>"}));
  // "rond": corner bands above and below; the box keeps its side cells, not its line rows.
  const Lignes rond = boite("rond").lignes.lines();
  Lignes boiteRonde = {kCarre[0]};
  boiteRonde.insert(boiteRonde.end(), kCarre.begin() + 4, kCarre.end() - 4);
  boiteRonde.push_back("</table>");
  ASSERT_EQ(rond.size(), 13 + boiteRonde.size() + 12);
  EXPECT_EQ(Lignes(rond.begin() + 13, rond.end() - 12), boiteRonde);
  EXPECT_EQ(rond[6],
            "<td bgcolor=\"#1781B3\" width=118><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=118 HEIGHT=1 "
            "BORDER=0></td></tr>");
  EXPECT_EQ(rond[rond.size() - 7],
            "<tr><td bgcolor=\"#FFFFFF\" width=118><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=118 "
            "HEIGHT=5 BORDER=0></td></tr>");
}

TEST(BoiteEncadree, ContentKindsAndTheImagesTheyName) {
  // The button alone, without the text; corner images around the content's own.
  const frame::LignesImages bouton = boite("rond", "bouton");
  EXPECT_EQ(bouton.lignes[18], "<IMG ALT=\"\" SRC=\"logo.gif\" WIDTH=80 HEIGHT=40 BORDER=0><br>");
  EXPECT_EQ(bouton.images,
            (Lignes{"logo_hg.gif", "logo_hd.gif", "logo.gif", "logo_bg.gif", "logo_bd.gif"}));
  // A bullet before the text; an unframed box with a bullet has no spacer row.
  const frame::LignesImages puce = boite("transparent", "puce");
  EXPECT_EQ(puce.lignes[3],
            "<font face=\"Arial\" color=\"#000\"><IMG ALT=\"\" SRC=\"plogo.gif\" WIDTH=10 "
            "HEIGHT=12 BORDER=0 align=\"left\"><span style=\"FONT-SIZE:13px\">");
  EXPECT_EQ(puce.images, Lignes{"plogo.gif"});
}
