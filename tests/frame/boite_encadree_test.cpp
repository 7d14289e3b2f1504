#include "frame/boite_encadree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "support/temp_folder.h"

using frame::ContenuBoite;
using frame::Encadrement;
using Lignes = std::vector<std::string>;

namespace {

const char* const kTexte = "<font face=\"Arial\" color=\"#000000\"><span style=\"FONT-SIZE:13px\">";
const char* const kTexte2 = "<b>Chez Léa</b></span></font><br clear=\"all\">";

ContenuBoite texte(const char* image = "") {
  return {image, "Chez Léa",  "Arial", "#000000", "13",       "oui", "non",
          "non", "plogo.gif", "10",    "12",      "logo.gif", "80",  "40"};
}

Lignes boite(const char* cadre, const ContenuBoite& c = texte()) {
  Encadrement e{cadre, "#1781B3", "#FFFFFF", "118", "center", "logo", frame::contenuTexte(c.image)};
  return frame::boiteEncadree(e, frame::contenuBoite(c)).lignes.lines();
}

}  // namespace

TEST(BoiteEncadree, GoldenLinesPerFrameKind) {
  const Lignes carre = {
      "<table border=0 cellspacing=0 cellpadding=0>",
      "<tr>",
      "<td colspan=5 bgcolor=\"#1781B3\"><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=5 HEIGHT=1 "
      "BORDER=0></td>",
      "</tr>",
      "<tr>",
      "<td bgcolor=\"#1781B3\" width=1><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=1 "
      "BORDER=0></td>",
      "<td bgcolor=\"#FFFFFF\" width=5><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=5 HEIGHT=1 "
      "BORDER=0></td>",
      "<td bgcolor=\"#FFFFFF\" nowrap align=\"center\" width=118>",
      kTexte,
      kTexte2,
      "</td>",
      "<td bgcolor=\"#FFFFFF\" width=5><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=5 HEIGHT=1 "
      "BORDER=0></td>",
      "<td bgcolor=\"#1781B3\" width=1><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=1 "
      "BORDER=0></td>",
      "</tr>",
      "<tr>",
      "<td colspan=5 bgcolor=\"#1781B3\"><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=5 HEIGHT=1 "
      "BORDER=0></td>",
      "</tr>",
      "</table>",
  };
  EXPECT_EQ(boite("carre"), carre);
  // Any other value draws "carre"; "aucun" paints the lines in the fill colour.
  EXPECT_EQ(boite("double"), carre);
  Lignes aucun = carre;
  for (std::string& ligne : aucun)
    if (auto p = ligne.find("#1781B3"); p != std::string::npos) ligne.replace(p, 7, "#FFFFFF");
  EXPECT_EQ(boite("aucun"), aucun);

  EXPECT_EQ(
      boite("transparent"),
      (Lignes{
          "<table border=0 cellspacing=0 cellpadding=0>",
          "<tr><td colspan=5><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0></td></tr>",
          "<tr>", "<td nowrap align=\"center\" width=118>", kTexte, kTexte2, "</td>", "</tr>",
          "</table>"}));

  Lignes rond = {
      "<table border=0 cellspacing=0 cellpadding=0>",
      "<tr valign=\"top\">",
      "<td width=6><IMG ALT=\"\" SRC=\"logo_hg.gif\" WIDTH=6 HEIGHT=6 BORDER=0></td>",
      "<td>",
      "<table border=0 cellpadding=0 cellspacing=0>",
      "<tr>",
      "<td bgcolor=\"#1781B3\" width=118><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=118 HEIGHT=1 "
      "BORDER=0></td></tr>",
      "<tr><td bgcolor=\"#FFFFFF\"><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=5 "
      "BORDER=0></td></tr>",
      "</table>",
      "</td>",
      "<td width=6><IMG ALT=\"\" SRC=\"logo_hd.gif\" WIDTH=6 HEIGHT=6 BORDER=0></td>",
      "</tr>",
      "</table>",
  };
  // The box itself: the side cells of "carre" without its top and bottom line rows.
  rond.insert(rond.end(), carre.begin(), carre.begin() + 1);
  rond.insert(rond.end(), carre.begin() + 4, carre.end() - 4);
  rond.push_back("</table>");
  for (const char* ligne : {
           "<table border=0 cellpadding=0 cellspacing=0>",
           "<tr valign=\"top\">",
           "<td width=6><IMG ALT=\"\" SRC=\"logo_bg.gif\" WIDTH=6 HEIGHT=6 BORDER=0></td>",
           "<td>",
           "<table border=0 cellpadding=0 cellspacing=0>",
           "<tr><td bgcolor=\"#FFFFFF\" width=118><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=118 "
           "HEIGHT=5 BORDER=0></td></tr>",
           "<tr><td bgcolor=\"#1781B3\"><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=1 "
           "BORDER=0></td></tr>",
           "</table>",
           "</td>",
           "<td width=6><IMG ALT=\"\" SRC=\"logo_bd.gif\" WIDTH=6 HEIGHT=6 BORDER=0></td>",
           "</tr>",
           "</table>",
       })
    rond.push_back(ligne);
  EXPECT_EQ(boite("rond"), rond);
}

TEST(BoiteEncadree, ContentKindsAndTheImagesTheyName) {
  struct Cas {
    const char* cadre;
    const char* image;
    Lignes contenu;
    std::vector<std::string> images;
  } cas[] = {
      {"carre", "", {kTexte, kTexte2}, {}},
      {"carre",
       "puce",
       {"<font face=\"Arial\" color=\"#000000\"><IMG ALT=\"\" SRC=\"plogo.gif\" WIDTH=10 HEIGHT=12 "
        "BORDER=0 align=\"left\"><span style=\"FONT-SIZE:13px\">",
        kTexte2},
       {"plogo.gif"}},
      // The button alone: the text is not written.
      {"rond",
       "bouton",
       {"<IMG ALT=\"\" SRC=\"logo.gif\" WIDTH=80 HEIGHT=40 BORDER=0><br>"},
       {"logo_hg.gif", "logo_hd.gif", "logo.gif", "logo_bg.gif", "logo_bd.gif"}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(std::string(c.cadre) + " " + c.image);
    EXPECT_EQ(frame::contenuBoite(texte(c.image)).lignes.lines(), c.contenu);
    Encadrement e{c.cadre, "#1781B3", "#FFFFFF", "118", "center", "logo", false};
    EXPECT_EQ(frame::boiteEncadree(e, frame::contenuBoite(texte(c.image))).images, c.images);
  }
  // A bullet or a button in an unframed box: no spacer row.
  EXPECT_EQ(boite("transparent", texte("puce"))[1], "<tr>");
}

TEST(BoiteEncadree, QuotesInSettingsStayInsideTheirAttributes) {
  ContenuBoite c = texte();
  c.police = "Comic \"Sans\"";
  EXPECT_EQ(frame::contenuBoite(c).lignes[0],
            "<font face=\"Comic &quot;Sans&quot;\" color=\"#000000\"><span "
            "style=\"FONT-SIZE:13px\">");
}

TEST(BoiteEncadree, CopiesTheImagesThatExistIntoFtp) {
  testing_support::TempFolder dossier;
  dossier.write("logo_hg.gif", "GIF");
  platform::makeFolder(dossier / "ftp");
  platform::DataFolder donnees(dossier.path());
  frame::copieVersFtp(donnees, std::vector<std::string>{"logo_hg.gif", "logo_hd.gif", "../x.gif"});
  EXPECT_EQ(dossier.read("ftp/logo_hg.gif"), "GIF");
  EXPECT_FALSE(dossier.exists("ftp/logo_hd.gif"));
}
