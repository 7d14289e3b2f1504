// The order forms of a card and its comment rows: what each sheet and side file puts in them.

#include <gtest/gtest.h>

#include <algorithm>

#include "modele/pages/vignette.h"
#include "platform/files.h"
#include "support/temp_folder.h"

namespace {

struct Cas {
  const char* nom;
  std::vector<std::pair<std::string, std::vector<std::string>>> fichiers;
  std::vector<std::string> attendues;  // lines found in this order (their beginnings)
  std::vector<std::string> absents;    // texts found nowhere
  bool horsLigne = false;
  bool modelesEnLigne = false;  // a table card's price lists beside its title (tableau_c)
  std::string devise = "EUR";   // the shop's currency
};

const std::string kCache = "<input type=\"hidden\" name=\"";
const std::string kPrix = "<font face=\"Verdana\" color=\"#008000\"><span style=\"FONT-SIZE:13";

TEST(FormulaireCommande, WhatEachSheetPutsInItsForm) {
  const std::vector<std::string> fiche = {"reference=R-1", "description=Maxi 12\" & co", "prix=10"};
  auto plus = [&](std::vector<std::string> l) {
    l.insert(l.begin(), fiche.begin(), fiche.end());
    return l;
  };
  const std::vector<Cas> cas = {
      {"plain price, encoded stock link, ecotax, quantity",
       {{"R1.ref", plus({"etat_visible=oui", "pecotaxe=0,50"})},
        {"R1.typ", {"quantite_style=oui"}}},
       {"<FORM NAME=\"frt1rt1\" ACTION=\"cart.php\" METHOD=\"POST\" TARGET=\"_top\">", "<tr>",
        "<td>", kCache + "login\" value=\"shop\">", kCache + "ref\" value=\"R-1\">",
        kCache + "description\" value=\"Maxi 12&quot; & co\">", kCache + "pu\" value=\"10\">",
        kCache + "ecotaxe\" value=\"0,50\">",
        kPrix + "px\"><b>10,00 EUR</b></span></font><br><font face=\"Verdana\" color=\"#008000\" "
                "size=1>dont ecotaxe: 0,50 EUR",
        "&nbsp;<a href=\"https://www.tarvio.example/cgi/etat.php?login=shop&ref=R-1&description="
        "Maxi 12%22 %26 co\" target=\"_blank\"><font face=\"Verdana\" color=\"navy\" size=\"2\">"
        "Dates disponibles</font></a>&nbsp;",
        "&nbsp;" + kPrix + "px\">Quant.</span></font><input type=\"text\" name=\"quantite\" "
                           "value=\"1\" size=3 maxlength=5>&nbsp;",
        "<input type=\"image\" SRC=\"bt007.gif\" border=0 ALT=\"Je Commande\" ALIGN=\"top\"></td>",
        "</tr></form>"},
       {"refsupp", "refdiff"}},
      {"promotion with its rate, supplements and price differences",
       {{"R1.ref", fiche}, {"R-1.pro", {"taux=20", "prixpromo=8"}},
        {"promo_prix.opt", {"ok_PROMO_PRIX=oui", "couleur_texte_PROMO_PRIX=#FF0000"}},
        {"R-1.sup", {"Gravure=5", "Sans"}}, {"R-1.dif", {"Rouge=12"}}},
       {kCache + "pu\" value=\"8\">",
        kPrix + "px;TEXT-DECORATION:line-through;\"><b>10,00 EUR</b></span></font><font "
                "face=\"Verdana\" color=\"#FF0000\"><span style=\"FONT-SIZE:13px;\"><SUP><b>20%</b>"
                "</SUP></span></font><br><font face=\"Verdana\" color=\"#FF0000\"><span "
                "style=\"FONT-SIZE:13px;\"><b>8,00 EUR</b></span></font>",
        "<SELECT name=\"refsupp3\">", "<OPTION value=\"Gravure=5\">Gravure + 5 EUR</OPTION>",
        "<OPTION value=\"Sans\">Sans</OPTION>", "</SELECT>", "<SELECT name=\"refdiff\">",
        // A model follows the promotion's rate.
        "<OPTION value=\"Rouge=14.40\">Rouge 14,40 EUR</OPTION>"},
       {}},
      {"a stored rate ending with %",
       {{"R1.ref", fiche}, {"R-1.pro", {"taux=-15 %", "prixpromo=8.50"}},
        {"promo_prix.opt", {"ok_PROMO_PRIX=oui"}}},
       {kCache + "pu\" value=\"8.50\">"},
       {"%%", "-15 %"}},
      {"labels in lists, a model without an amount, a price past the cent",
       {{"R1.ref", plus({"prix=12,999", "titres=<CHOIX>", "titres=Tome 1=0",
                         "titres=Tome 2 = 1950-1960"})},
        {"R-1.sup", {"Couleur=rouge", "Gravure=4"}},
        {"R-1.dif", {"Sur mesure=sur devis", "Grand=15,505", "Petit=9,50"}}},
       {kCache + "pu\" value=\"13.00\">", kPrix + "px\"><b>13,00 EUR</b>",
        "<OPTION value=\"Couleur=rouge\">Couleur=rouge</OPTION>",
        "<OPTION value=\"Gravure=4\">Gravure + 4 EUR</OPTION>",
        "<OPTION value=\"Tome 1=0\">Tome 1 + 0 EUR</OPTION>",
        "<OPTION value=\"Tome 2 = 1950-1960\">Tome 2 = 1950-1960</OPTION>",
        "<OPTION value=\"Sur mesure=sur devis\">Sur mesure=sur devis</OPTION>",
        "<OPTION value=\"Grand=15.51\">Grand 15,51 EUR</OPTION>",
        "<OPTION value=\"Petit=9,50\">Petit 9,50 EUR</OPTION>"},
       {"=0\">Couleur", "12,99"}},
      {"amounts stored with a currency word; a model without an amount is its label alone",
       {{"R1.ref", plus({"titres=<CHOIX>", "titres=Relié=15 euros"})},
        {"R-1.sup", {"Gravure=5 euros"}}, {"R-1.dif", {"Petit=", "Grand=30 euros"}}},
       {"<OPTION value=\"Gravure=5\">Gravure + 5,00 EUR</OPTION>",
        "<OPTION value=\"Relié=15\">Reli&eacute; + 15,00 EUR</OPTION>",
        "<OPTION value=\"Petit=\">Petit</OPTION>",
        "<OPTION value=\"Grand=30\">Grand 30,00 EUR</OPTION>"},
       {"euros", "Petit  EUR"}},
      {"a table card's models at the promotion's rate, as a standard card's",
       {{"R1.ref", plus({"categorie=C", "mot_cle=T"})}, {"C_T.stl", {"style_fiche=tableau"}},
        {"R-1.pro", {"taux=-10", "prixpromo=9.00"}}, {"R-1.dif", {"Petit=20", "Grand=30"}}},
       {"<OPTION value=\"Petit=18.00\">Petit 18,00 EUR</OPTION>",
        "<OPTION value=\"Grand=27.00\">Grand 27,00 EUR</OPTION>"},
       {"=20\"", "=30\""}, false, true},
      {"promoted models at the promotion's rate",
       {{"R1.ref", plus({"prix=8,75"})}, {"R-1.pro", {"taux=-10", "prixpromo=7.88"}},
        {"R-1.dif", {"250 g=8,75", "1 kg=29,90"}}},
       {kCache + "pu\" value=\"7.88\">", "<OPTION value=\"250 g=7.88\">250 g 7,88 EUR</OPTION>",
        "<OPTION value=\"1 kg=26.91\">1 kg 26,91 EUR</OPTION>"},
       {}},
      {"a promotion that is no amount: models at their own prices",
       {{"R1.ref", fiche}, {"R-1.pro", {"taux=-10", "prixpromo=NaN"}},
        {"promo_prix.opt", {"ok_PROMO_PRIX=oui"}}, {"R-1.dif", {"Petit=8"}}},
       {kCache + "pu\" value=\"10\">", "<OPTION value=\"Petit=8\">Petit 8 EUR</OPTION>"},
       {"NaN", "line-through"}},
      {"an emptied price, promoted: no promotion sold",
       {{"R1.ref", {"reference=R-1", "description=Bol", "prix="}},
        {"R-1.pro", {"taux=-10", "prixpromo=5.19"}}, {"promo_prix.opt", {"ok_PROMO_PRIX=oui"}}},
       {},
       {"name=\"pu\"", "5,19", "5.19"}},
      {"a price that is no amount, promoted: no price shown, no order taken",
       {{"R1.ref", plus({"prix=1O,50"})}, {"R-1.pro", {"taux=-10", "prixpromo=9"}},
        {"promo_prix.opt", {"ok_PROMO_PRIX=oui"}}, {"R-1.dif", {"Petit=8"}}},
       {},
       {"name=\"pu\"", "1,50", "9,00", "EUR", "Petit"}},
      {"a promotion below 0: the sheet's price stands",
       {{"R1.ref", fiche}, {"R-1.pro", {"taux=-200", "prixpromo=-10.00"}},
        {"promo_prix.opt", {"ok_PROMO_PRIX=oui"}}},
       {kCache + "pu\" value=\"10\">", kPrix + "px\"><b>10,00 EUR</b>"},
       {"-10", "line-through"}},
      {"sizes (a label shown as text) and multiples up to a maximum that is one of them, left "
       "arrangement",
       {{"R1.ref", plus({"qmulti=6", "mes_tailles=oui"})}, {"R-1tailles.txt", {"S", "<i>M</i>"}},
        {"qmulti.ini", {"maxi=18"}}, {"R1.typ", {"aligne_jc=left"}}},
       {"<td nowrap>", kCache + "qmax_multi\" value=\"18\">", kCache + "qmulti\" value=\"6\">",
        kCache + "refclient\" value=\"oui\">", "<SELECT name=\"ref\">",
        "<OPTION value=\"R-1 S\">S</OPTION>", "<OPTION value=\"R-1 &lt;i&gt;M&lt;/i&gt;\">&lt;i&gt;M&lt;/i&gt;</OPTION>", "</SELECT>",
        "<SELECT name=\"quantite\">", "<OPTION value=\"6\">6</OPTION>",
        "<OPTION value=\"12\">12</OPTION>", "<OPTION value=\"18\">18</OPTION>", "</SELECT>",
        "<input type=\"image\" SRC=\"bt007.gif\" border=0 ALT=\"Je Commande\"  ALIGN=\"top\">"},
       {"name=\"ref\" value=", "<OPTION value=\"24\">"}},
      {"a choice line holding a double quote",
       {{"R1.ref", plus({"titres=<CHOIX>", "titres=Maxi 12\"", "titres=Mini"})}},
       {"<SELECT name=\"refsupp\">", "<OPTION value=\"Maxi 12&quot;\">Maxi 12&quot;</OPTION>",
        "<OPTION value=\"Mini\">Mini</OPTION>", "</SELECT>"},
       {"value=\"Maxi 12\"\"", "&amp;quot;"}},
      {"variants A and B, each with its own ecotax",
       {{"R1.ref", plus({"bouton_CD=oui", "bouton_K7=oui", "CD_ref=VA", "K7_ref=VB", "CD_prix=10",
                         "K7_prix=12", "pecotaxe=0,10", "pecotaxeA=0,30", "pecotaxeB=0,70"})}},
       {kCache + "ref\" value=\"VA\">", kCache + "ecotaxe\" value=\"0,30\">",
        kPrix + "px\"><b>10,00 EUR</b></span></font><br><font face=\"Verdana\" color=\"#008000\" "
                "size=1>dont ecotaxe: 0,30 EUR",
        kCache + "ref\" value=\"VB\">", kCache + "ecotaxe\" value=\"0,70\">",
        kPrix + "px\"><b>12,00 EUR</b></span></font><br><font face=\"Verdana\" color=\"#008000\" "
                "size=1>dont ecotaxe: 0,70 EUR"},
       {"0,10"}},
      {"variants' promotions left no amount or below 0 by a hand edit: their prices stand, "
       "their rates unshown",
       {{"R1.ref", plus({"bouton_CD=oui", "bouton_K7=oui", "bouton_VIDEO=oui", "CD_ref=VA",
                         "K7_ref=VB", "VIDEO_ref=VC", "CD_prix=10", "K7_prix=12",
                         "VIDEO_prix=14"})},
        {"VA.pro", {"taux=20", "prixpromo=8"}}, {"VB.pro", {"taux=-10", "prixpromo=NaN"}},
        {"VC.pro", {"taux=-150", "prixpromo=-7.00"}},
        {"promo_prix.opt", {"ok_PROMO_PRIX=oui", "couleur_texte_PROMO_PRIX=#FF0000"}}},
       {kCache + "pu\" value=\"8\">",
        kPrix + "px;TEXT-DECORATION:line-through;\"><b>10,00 EUR</b></span></font><font "
                "face=\"Verdana\" color=\"#FF0000\"><span style=\"FONT-SIZE:13px;\"><SUP><b>20%",
        kCache + "ref\" value=\"VB\">", kCache + "pu\" value=\"12\">",
        kCache + "ref\" value=\"VC\">", kCache + "pu\" value=\"14\">"},
       {"NaN", "-150", "-7"}},
      {"a variant whose price is no amount takes no order; the others sell by their own",
       {{"R1.ref", plus({"bouton_CD=oui", "bouton_K7=oui", "CD_ref=VA", "K7_ref=VB",
                         "CD_prix=12,9O", "K7_prix=12"})}},
       {kCache + "ref\" value=\"VB\">", kCache + "pu\" value=\"12\">"},
       {"value=\"VA\"", "0,00", "12,9O"}},
      {"a table card whose price is no amount: no price shown, no order taken",
       {{"R1.ref", plus({"prix=1O,50", "categorie=C", "mot_cle=T"})},
        {"C_T.stl", {"style_fiche=tableau"}}},
       {},
       {"name=\"pu\"", "0,00", "1,50"}},
      {"amounts in the shop's own currency text: the promotion's rate shown, the models at it",
       {{"R1.ref", plus({"prix=32 € TTC"})}, {"R-1.pro", {"taux=-25", "prixpromo=24 € TTC"}},
        {"promo_prix.opt", {"ok_PROMO_PRIX=oui"}}, {"R-1.dif", {"Grand=40 € TTC"}}},
       {kCache + "pu\" value=\"24\">",
        kPrix + "px;TEXT-DECORATION:line-through;\"><b>32,00 &#8364; TTC</b></span></font><font "
                "face=\"Verdana\" color=\"\"><span style=\"FONT-SIZE:13px;\"><SUP><b>-25%</b>",
        "<OPTION value=\"Grand=30.00\">Grand 30,00 &#8364; TTC</OPTION>"},
       {},
       false, false, "€ TTC"},
      // The shop's currency names its money by its first word, its point left out.
      {"a shop in \"EUR HT\", a price stored in EUR",
       {{"R1.ref", plus({"prix=12 EUR"})}},
       {kCache + "pu\" value=\"12 EUR\">", kPrix + "px\"><b>12,00 EUR HT</b>"},
       {},
       false, false, "EUR HT"},
      {"a shop in \"FRF.\", a price stored in FRF",
       {{"R1.ref", plus({"prix=12 FRF"})}},
       {kCache + "pu\" value=\"12\">", kPrix + "px\"><b>12,00 FRF.</b>"},
       {},
       false, false, "FRF."},
      {"amounts in another currency than the shop's: no price, no order, a model a label",
       {{"R1.ref", plus({"prix=45 francs"})}, {"R-1.dif", {"Grand=30 F"}}},
       {},
       {"name=\"pu\"", "45,00"}},
      {"a promotion at a rate below -100 %: models at their own prices",
       {{"R1.ref", fiche}, {"R-1.pro", {"taux=-150", "prixpromo=5"}}, {"R-1.dif", {"Petit=8"}}},
       {kCache + "pu\" value=\"5\">", "<OPTION value=\"Petit=8\">Petit 8 EUR</OPTION>"},
       {"-4"}},
      {"offline", {{"R1.ref", plus({"etat_visible=oui"})}, {"R1.typ", {"quantite_style=oui"}}},
       {"<FORM NAME=\"frt1rt1\" ACTION=\"boncommande.htm\">"}, {"etat.php", "quantite"}, true},
      {"comment rows",
       {{"R1.ref", plus({"commentaires=<AUTRE>", "commentaires=<INTRO>Nos formats",
                         "commentaires=<LIGNE>A1#Petit#10",
                         "commentaires=<LIGNE>A2#(w:5)Grand#15", "commentaires=<LIGNE>A3#",
                         "commentaires=<LIGNE>A4#Offert#"})},
        {"A1.pro", {"prixpromo=8"}}, {"A4.pro", {"prixpromo=7"}},
        {"promo_prix.opt", {"ok_PROMO_PRIX=oui", "pourcent=oui"}}},
       {"<TABLE BORDER=0 cellspacing=0 cellpadding=0>",
        "<td colspan=5 align=center><font face=\"Verdana\" color=\"#000000\"><span "
        "style=\"FONT-SIZE:13px\">&nbsp;Nos formats&nbsp;</span></font></td>",
        "<FORM NAME=\"fa1rt1\" ACTION=\"cart.php\" METHOD=\"POST\" TARGET=\"_top\">",
        "<td nowrap><font face=\"Verdana\" color=\"#000000\"><span style=\"FONT-SIZE:13px\">"
        "&nbsp;<b>Petit</b>&nbsp;</span></font></td>",
        kCache + "ref\" value=\"A1\">", kCache + "pu\" value=\"8\">",
        kPrix + "px;TEXT-DECORATION:line-through;\"><b>10,00 EUR</b></span></font><br>",
        "&nbsp;<input type=\"image\" SRC=\"bt007.gif\" border=0 ALT=\"Je Commande\">&nbsp;</td>",
        "<FORM NAME=\"fa2rt1\" ACTION=\"cart.php\" METHOD=\"POST\" TARGET=\"_top\">",
        "<td nowrap><font face=\"Verdana\" color=\"#000000\"><span style=\"FONT-SIZE:13px\">"
        "&nbsp;<b>Grand</b>&nbsp;</span></font></td>",
        kCache + "description\" value=\" (w:5)Grand\">", kCache + "pu\" value=\"15\">",
        kCache + "ref\" value=\"A3\">", kCache + "pu\" value=\"\">",
        // An emptied price sells no promotion.
        kCache + "ref\" value=\"A4\">", kCache + "pu\" value=\"\">", "</TABLE>"},
       {"<AUTRE>", "SUP", "7,00"}},
      {"comment rows' promotions left no amount or below 0: the rows' prices stand",
       {{"R1.ref", plus({"commentaires=<AUTRE>", "commentaires=<LIGNE>A1#Petit#10",
                         "commentaires=<LIGNE>A2#Grand#15"})},
        {"A1.pro", {"taux=-10", "prixpromo=NaN"}}, {"A2.pro", {"taux=-150", "prixpromo=-7.50"}},
        {"promo_prix.opt", {"ok_PROMO_PRIX=oui"}}},
       {kCache + "ref\" value=\"A1\">", kCache + "pu\" value=\"10\">",
        kCache + "ref\" value=\"A2\">", kCache + "pu\" value=\"15\">"},
       {"NaN", "-7", "line-through"}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    testing_support::TempFolder dossier;
    for (const auto& [nom, lignes] : c.fichiers)
      dossier.write(nom, platform::LineList(lignes).text());
    platform::DataFolder donnees(dossier.path());
    pages::EcrivainCartes ecrivain(donnees, [](const std::string&) {});
    pages::EntreesCarte e;
    e.referenceCarte = e.referenceStyle = "R1";
    e.horsLigne = c.horsLigne;
    e.tableau_c = c.modelesEnLigne ? "oui" : "non";
    e.targetS = "_top";
    e.url_cgi = "cart.php";
    e.identite = app::TIdentite{.dev1 = c.devise, .login = "shop"};
    const auto carte = ecrivain.faireVignette(e);
    ASSERT_TRUE(carte);
    const auto& l = carte->lines();
    auto suite = l.begin();
    for (const auto& attendue : c.attendues) {
      suite = std::find_if(suite, l.end(), [&](auto& x) { return x.starts_with(attendue); });
      ASSERT_NE(suite, l.end()) << attendue;
    }
    for (const auto& absent : c.absents) EXPECT_EQ(carte->text().find(absent), std::string::npos);
  }
}

}  // namespace
