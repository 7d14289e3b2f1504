// The standard card layout: the lines each frame kind, text position and alignment fix, and its
// bands case by case.

#include <gtest/gtest.h>

#include <algorithm>

#include "atelier_cartes.h"
#include "fenetres/app/fiche.h"
#include "platform/text.h"

namespace pages::test {

namespace {

const std::vector<std::string> kVase = {
    "categorie=Livres", "reference=A12", "description=Vase été", "auteur=Dupont", "prix=12.5",
    "image=vase.jpg", "largeur=100", "hauteur=80", "mot_cle=Ceramique",
    "commentaires=Un beau vase", "commentaires=", "commentaires=<i>fragile</i> \"bleu\"",
    "presentations=Nouveau !", "image_detail=vase_grand.jpg", "largeur_detail=400",
    "hauteur_detail=300", "titres=Face A<#> http://x.fr/a?b=1&c=2 ", "titres=Face B"};

const std::vector<std::string> kAlbum = {
    "categorie=Disques", "reference=B7", "description=(w:0.5) Album", "auteur=Trio", "prix=20",
    "mot_cle=Jazz", "commentaires=Trois musiciens", "bouton_CD=oui", "CD_ref=B7CD", "CD_prix=15",
    "bouton_K7=oui", "K7_ref=B7K7", "K7_prix=9,50", "type1=CD", "type2=K7"};

class CarteStandard : public ::testing::Test {
 protected:
  CarteStandard() : a("articles_trouves=oui\r\n") {}
  void ecrireCatalogue() {
    a.fiche("A12", kVase);
    a.fiche("B7", kAlbum);
    a.write("nkat.inc", {"Livres=7", "Disques=1"});
    a.write("ncto.inc", {"Livres=3"});
    a.write("Livres.fic", {"livres-ceramique-0", "livres-ceramique-1"});
  }
  AtelierCartes a;
};

// The card holds these lines one after the other.
::testing::AssertionResult contient(const std::vector<std::string>& carte,
                                    const std::vector<std::string>& bloc) {
  if (std::search(carte.begin(), carte.end(), bloc.begin(), bloc.end()) != carte.end())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no block starting with " << bloc.front();
}

const std::string kDetail =
    "<a href=\"JavaScript:void(0);\" onClick=\"window.open('a12_detail.htm','','height=380,"
    "width=450')\">";
const std::string kImage = kDetail +
    "<IMG ALT=\"Vase été\" SRC=\"vase.jpg\" WIDTH=100 HEIGHT=80 BORDER=0 vspace=3></a></td>";
// The comments with their markers, the reference and the detail link.
const std::vector<std::string> kTexte{
    "<!-- marqueur debut commentaire ref=A12 -->", "Un beau vase",
    "<i>fragile</i> &quot;bleu&quot;", "<!-- marqueur fin commentaire ref=A12 -->", "",
    "<font face=\"Verdana\" color=\"#1781B3\"><span style=\"FONT-SIZE:10px\"><noBR>[A12]</noBR>"
    "</span></font>",
    "&nbsp;" + kDetail + "<u><b>D&eacute;tails</b></u></a>"};
// Every cell the card opens, it closes.
::testing::AssertionResult cellulesFermees(const std::vector<std::string>& carte) {
  long ouvertes = 0, fermees = 0;
  for (const std::string& ligne : carte) {
    const std::string l = platform::lowerAscii(ligne);
    for (size_t i = l.find("<td"); i != std::string::npos; i = l.find("<td", i + 1))
      if (i + 3 < l.size() && (l[i + 3] == '>' || l[i + 3] == ' ')) ++ouvertes;
    for (size_t i = l.find("</td>"); i != std::string::npos; i = l.find("</td>", i + 1)) ++fermees;
  }
  if (ouvertes == fermees) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << ouvertes << " cells opened, " << fermees << " closed";
}

std::string coin(const char* c) {
  return std::string("<td width=6><IMG ALT=\"\" SRC=\"livres-ceramique_") + c +
         ".gif\" WIDTH=6 HEIGHT=6 BORDER=0></td>";
}

}  // namespace

TEST_F(CarteStandard, SquareFrameWithHeaderFooterDetailAndTitlesLinks) {
  ecrireCatalogue();
  a.demarrer();
  a.v().indicateurCarteA = true;
  a.v().indicateurCarteB = true;
  a.v().pageCourante = "livres-ceramique-1.tmp";
  const auto l = a.lignes("A12");
  EXPECT_TRUE(cellulesFermees(l));
  EXPECT_EQ(a.v().pageCourante, "livres-ceramique-1");
  const std::string pages =
      "<table border=0 width=\"100%\"><tr><td align=\"center\"><font face=\"Verdana\" size=\"1\" "
      "color=\"black\">7 articles trouv&eacute;s</font> <font face=\"Verdana\" color=\"black\" "
      "size=\"1\"><b>Pages: <a href=\"livres-ceramique-0.htm\" target=\"_self\"><font "
      "face=\"Verdana\" color=\"navy\" size=\"1\"><b>1</b></font></a> <font face=\"Verdana\" "
      "color=\"black\" size=\"1\"><b>2</b></font> </b></font></td>";
  EXPECT_TRUE(contient(l, {"", "Nouveau !", ""}));
  EXPECT_TRUE(contient(l, {pages + "<tr>"}));  // the header's row, as the format has it
  EXPECT_TRUE(contient(
      l, {"<!-- marqueur liste rapide vignette haut standard -->",
          "<table border=0 cellspacing=0 cellpadding=0>",
          "<tr><td bgcolor=\"#1781B3\" width=6><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=6 HEIGHT=1 "
          "BORDER=0></td><td bgcolor=\"#1781B3\" width=362><IMG ALT=\"\" SRC=\"pix1x1.gif\" "
          "WIDTH=362 HEIGHT=1 BORDER=0></td><td bgcolor=\"#1781B3\" width=6><IMG ALT=\"\" "
          "SRC=\"pix1x1.gif\" WIDTH=6 HEIGHT=1 BORDER=0></td></tr>"}));
  EXPECT_TRUE(contient(l, {"<b>Vase &eacute;t&eacute;&nbsp;</b></span></font>", "</td>",
                           "<td bgcolor=\"#fcefbc\" align=\"right\">",
                           "<font face=\"Verdana\" color=\"#FF0000\"><span style=\"FONT-SIZE:13px\">",
                           "<b>Dupont</b></span></font>"}));
  // Text beside the image.
  EXPECT_TRUE(contient(l, {"<td bgcolor=\"#FFFFFF\" valign=\"top\" width=\"100\">" + kImage,
                           "<td bgcolor=\"#FFFFFF\"><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=6 "
                           "HEIGHT=1 BORDER=0></td>"}));
  EXPECT_TRUE(contient(l, kTexte));
  EXPECT_TRUE(contient(
      l, {"<noBR><a href=\"http://x.fr/a?b=1&c=2\"><font face=\"Verdana\" ><span "
          "style=\"FONT-SIZE:10px\"><u>Face A</u></span></font></a><IMG ALT=\"\" SRC=\"son.gif\" "
          "WIDTH=9 HEIGHT=12 BORDER=0 hspace=4>",
          "<font face=\"Verdana\" color=\"#000000\"><span style=\"FONT-SIZE:10px\"> - </span></font>",
          "</noBR>",
          "<noBR><font face=\"Verdana\" color=\"#000000\"><span style=\"FONT-SIZE:10px\">Face "
          "B</span></font>"}));
  EXPECT_TRUE(contient(l, {"<!-- marqueur liste rapide vignette bas standard -->",
                           "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0><BR>",
                           pages + "</tr></table>"}));
  EXPECT_EQ(l.back(), pages + "</tr></table>");
}

TEST_F(CarteStandard, RoundFrameDrawsItsCornersOnceAndCopiesThem) {
  ecrireCatalogue();
  a.write("defaut.typ", {"encadrement_style=rond", "position_texte=bas", "aligne_image=right",
                         "aligne_comm=right", "gras_titres=oui", "fond=#EEEEEE"});
  a.demarrer();
  a.v().nomCadre = "Livres_Ceramique";
  const auto l = a.lignes("A12");
  EXPECT_TRUE(cellulesFermees(l));
  EXPECT_TRUE(contient(l, {coin("hg")}));
  EXPECT_TRUE(contient(l, {coin("hd")}));
  EXPECT_TRUE(contient(l, {coin("bg")}));
  EXPECT_TRUE(contient(l, {coin("bd")}));
  // Text below the image, aligned right; the titles bold; the body on its own colour.
  EXPECT_TRUE(contient(
      l, {"<td bgcolor=\"#EEEEEE\" valign=\"top\" width=\"100%\" align=\"center\">" + kImage,
          "<tr><td><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0></td></tr>",
          "<tr><td bgcolor=\"#EEEEEE\" valign=\"top\" width=\"100%\">",
          "<font face=\"Verdana\" color=\"#000000\"><span style=\"FONT-SIZE:13px\">",
          "<DIV align=\"right\">", ""}));
  EXPECT_TRUE(contient(l, kTexte));
  EXPECT_TRUE(contient(l, {"<noBR><b><font face=\"Verdana\" color=\"#000000\"><span "
                           "style=\"FONT-SIZE:10px\">Face B</span></font></b>"}));
  EXPECT_EQ(l.back(), "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0><BR>");
  for (const char* coin : {"hg", "hd", "bg", "bd"}) {
    const std::string nom = std::string("livres-ceramique_") + coin + ".gif";
    EXPECT_TRUE(a.t.dossier.exists(nom)) << nom;
    EXPECT_EQ(a.t.dossier.read(nom), a.t.dossier.read("ftp/" + nom)) << nom;
  }
  // Corners that exist are used as they are, not drawn again.
  a.t.dossier.write("livres-ceramique_hg.gif", "mine");
  a.carte("A12");
  EXPECT_EQ(a.t.dossier.read("livres-ceramique_hg.gif"), "mine");
  EXPECT_EQ(a.t.dossier.read("ftp/livres-ceramique_hg.gif"), "mine");
}

TEST_F(CarteStandard, NoFrameVariantsAndWeightPrefix) {
  ecrireCatalogue();
  a.write("defaut.typ", {"encadrement_style=aucun", "position_texte=haut", "aligne_prix=center",
                         "bouton_type1=cd.gif", "bouton_type2=k7.gif", "bouton_jc=jc.gif"});
  for (const char* b : {"boutons/cd.gif", "boutons/k7.gif", "boutons/jc.gif"})
    a.t.dossier.write(b, b);
  a.demarrer();
  // One sheet in its category: no header although this is the first card.
  a.v().indicateurCarteA = true;
  const auto l = a.lignes("B7");
  EXPECT_TRUE(cellulesFermees(l));
  EXPECT_EQ(l.front(), "<!-- marqueur liste rapide vignette haut standard -->");
  // No frame: the frame cells stay, without colour.
  EXPECT_TRUE(contient(l, {"<tr>", "<td width=1><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=1 "
                                   "BORDER=0></td>",
                           "<td bgcolor=\"#fcefbc\" width=9><IMG ALT=\"\" SRC=\"pix1x1.gif\" "
                           "WIDTH=9 HEIGHT=1 BORDER=0></td>"}));
  EXPECT_TRUE(contient(l, {"<b>Album&nbsp;</b></span></font>"}));  // the weight group left out
  // Text above, over the whole width; the price band centred.
  EXPECT_TRUE(contient(l, {"<td bgcolor=\"#FFFFFF\" valign=\"top\" width=\"100%\">",
                           "<font face=\"Verdana\" color=\"#000000\"><span style=\"FONT-SIZE:13px\">",
                           "", "<!-- marqueur debut commentaire ref=B7 -->", "Trois musiciens"}));
  EXPECT_TRUE(contient(l, {"<td bgcolor=\"#ffffff\" align=\"center\">", "<table border=0>"}));
  EXPECT_EQ(l.back(), "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0><BR>");
  // CD then K7 were ordered, the main price was not.
  EXPECT_TRUE(a.t.dossier.exists("ftp/cd.gif"));
  EXPECT_TRUE(a.t.dossier.exists("ftp/k7.gif"));
  EXPECT_FALSE(a.t.dossier.exists("ftp/jc.gif"));
  const TValeursCarte& v = a.v().valeurs;
  EXPECT_EQ(v.referenceFiche, "B7K7");
  EXPECT_EQ(v.prixLigne, "9,50");
  EXPECT_EQ(v.typeLigne, "K7");
  EXPECT_EQ(v.prixTexte, "9,50 EUR");
  EXPECT_EQ(v.texteBouton, "Je Commande");
  EXPECT_EQ(v.styleBoutonCommande,
            "STYLE=\"FONT-FAMILY: Verdana; FONT-SIZE: 13px; COLOR: ; FONT-WEIGHT: bold; "
            "TEXT-DECORATION: underline; \"");
}

TEST_F(CarteStandard, BandsThatAreLeftOut) {
  a.fiche("N1", {"reference=N1", "description=Sans rien"});
  a.fiche("I1", {"reference=I1", "description=Image seule", "image=i.jpg", "prix=3"});
  a.fiche("C1", {"reference=C1", "description=Choix", "titres=<CHOIX>", "titres=Rouge",
                 "titres=Vert", "prix=4"});
  a.write("I1.typ", {"position_texte=rien"});
  a.demarrer();
  auto compter = [](const std::vector<std::string>& l, std::string_view motif) {
    return std::count_if(l.begin(), l.end(),
                         [&](const std::string& s) { return s.find(motif) != std::string::npos; });
  };

  // No comments, image nor titles: no body band; no price: no price band and no frame bottom.
  auto n = a.lignes("N1");
  EXPECT_TRUE(cellulesFermees(n));
  EXPECT_EQ(compter(n, "bgcolor=\"#FFFFFF\""), 0);
  EXPECT_EQ(compter(n, "#ffffff"), 0);
  EXPECT_EQ(n[n.size() - 3], "</table>");
  EXPECT_EQ(n[n.size() - 2], "<!-- marqueur liste rapide vignette bas standard -->");

  // An unknown text position keeps the image cell alone.
  a.v().referenceStyle = "I1";
  auto i = a.lignes("I1");
  EXPECT_TRUE(cellulesFermees(i));
  EXPECT_EQ(compter(i, "SRC=\"i.jpg\""), 1);
  // Title, author and the order form's second currency only: no text cell.
  EXPECT_EQ(compter(i, "FONT-SIZE:13px\">"), 3);
  EXPECT_EQ(compter(i, "WIDTH=6 HEIGHT=1 BORDER=0></td>"), 1);  // the frame top's only
  a.v().referenceStyle.clear();

  // A choice list: no titles band, the choices kept with the card, the editor left alone.
  a.p().main().chants.setLines({"mine"});
  auto c = a.lignes("C1");
  EXPECT_TRUE(cellulesFermees(c));
  EXPECT_EQ(compter(c, "#F9F8FF"), 0);
  EXPECT_TRUE(a.v().valeurs.choixTitres);
  EXPECT_EQ(a.v().valeurs.lignesChoix, (std::vector<std::string>{"<CHOIX>", "Rouge", "Vert"}));
  EXPECT_EQ(a.p().main().chants.lines().lines(), (std::vector<std::string>{"mine"}));
}

// The titles band: one " - " between two titles, none after the last.
TEST_F(CarteStandard, TitlesAreSeparatedByOneDash) {
  const std::pair<std::vector<std::string>, std::string> cas[] = {
      {{"titres=Face A"}, "Face A"},
      {{"titres=Face A", "titres=Face B"}, "Face A - Face B"},
      {{"titres=Face A", "titres=", "titres=Face B", "titres=Face C"}, "Face A - Face B - Face C"},
  };
  int n = 0;
  for (const auto& [titres, attendu] : cas) {
    const std::string reference = "T" + std::to_string(++n);
    std::vector<std::string> lignes = {"reference=" + reference, "description=Disque", "prix=5"};
    lignes.insert(lignes.end(), titres.begin(), titres.end());
    a.fiche(reference, lignes);
  }
  a.demarrer();
  n = 0;
  for (const auto& [titres, attendu] : cas) {
    const std::string carte = a.carte("T" + std::to_string(++n));
    // The band's text without its tags, from the first title to the end of the last.
    const size_t debut = carte.rfind("<noBR>", carte.find("Face A"));
    const size_t fin = carte.find("</noBR>", carte.rfind("Face "));
    ASSERT_NE(debut, std::string::npos);
    ASSERT_NE(fin, std::string::npos);
    std::string texte;
    bool balise = false;
    for (char c : carte.substr(debut, fin - debut)) {
      if (c == '<' || c == '>') balise = c == '<';
      else if (!balise && c != '\r' && c != '\n') texte += c;
    }
    EXPECT_EQ(texte, attendu);
  }
}

TEST_F(CarteStandard, PondLinerFormOnlyForListedSheetsWithTitles) {
  a.fiche("P1", {"reference=P1", "description=Bâche", "titres=Noire", "prix=30"});
  a.fiche("P2", {"reference=P2", "description=Bâche", "prix=30"});
  a.write("bache.ini", {" P1.ref ", "P2.ref"});
  a.demarrer();
  std::string p1 = a.carte("P1");
  EXPECT_TRUE(a.v().valeurs.bacheCarte);
  EXPECT_TRUE(cellulesFermees(platform::LineList::fromText(p1).lines()));
  EXPECT_NE(p1.find("<!-- marqueur bache formulaire ref P1 -->\r\n<center><table border=0>\r\n"
                    "<form action=\"calcul_bache.php\" method=\"POST\">\r\n"
                    "<input type=\"hidden\" name=\"reference\" value=\"P1\">\r\n"
                    "<tr><td><font face=\"Verdana\" color=\"#000000\"><span "
                    "style=\"FONT-SIZE:10px\">Largeur du bassin :</span></font></td>\r\n"
                    "<td><input type=\"Text\" name=\"largeur_bassin\" size=5><font "
                    "face=\"Verdana\" color=\"#000000\"><span style=\"FONT-SIZE:10px\"> "
                    "m</span></font><br></td></tr>\r\n"),
            std::string::npos);
  EXPECT_NE(p1.find("<!-- marqueur bache resultat ref P1 -->\r\n</form></table></center>\r\n"),
            std::string::npos);
  std::string p2 = a.carte("P2");
  EXPECT_FALSE(a.v().valeurs.bacheCarte);
  EXPECT_EQ(p2.find("bache"), std::string::npos);
}

}  // namespace pages::test
