// The card writer: the sheet and its side files, the detail pop-up page, promotions, thumbnails,
// the linked-products table, the run of cards and the sheet open in the editor.

#include "modele/pages/vignette.h"

#include <gtest/gtest.h>
#include <stdexcept>

#include "atelier_cartes.h"
#include "fenetres/app/fiche.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/accent.h"
#include "fenetres/pages/fenetre_liens_multiples.h"

namespace pages::test {

namespace {

bool contient(const std::string& texte, std::string_view motif) {
  return texte.find(motif) != std::string::npos;
}

}  // namespace

TEST(CarteEcrivain, MissingSheetWritesNoCardAndLeavesNoPopUpModeBehind) {
  AtelierCartes a;
  a.fiche("A1", {"reference=A1", "presentations=Intro", "prix=1"});
  a.demarrer();
  a.t.dossier.write("vignette.htm", "old");
  a.v().carteFenetre = true;
  EXPECT_EQ(a.carte("ZZ"), "");
  EXPECT_FALSE(a.v().carteFenetre);
  // The next card, set by a caller that never touches the flag, is an ordinary one.
  EXPECT_TRUE(contient(a.carte(" A1 "), "Intro"));
  EXPECT_EQ(a.v().referenceCarte, "A1");
}

TEST(CarteEcrivain, DetailPopUpPage) {
  struct Cas {
    const char* nom;
    std::vector<std::string> fiche;
    const char* tarvio;
    const char* details;  // the label edit of the main settings
    const char* script;   // scriptDetail afterwards
    const char* fermer;   // the close link's label
  } cas[] = {
      {"sizes given", {"image_detail= g.jpg ", "hauteur_detail=300", "largeur_detail=400"}, "",
       "Détails", "window.open('abt12_detail.htm','','height=380,width=450')", "Fermer"},
      {"no width, scroll bars, other label", {"image_detail=g.jpg", "hauteur_detail=300"},
       "ascenseur=oui\r\n", "Details",
       "window.open('abt12_detail.htm','','scrollbars=yes,height=380,width=100')", "Close"},
      {"detail text: no script, own close label",
       {"image_detail=g.jpg", "hauteur_detail=x", "texte_detail=Grand", "texte_detail=format"},
       "phrase_fermer=Retour\r\n", "Détails", "", "Retour"},
  };
  for (const auto& c : cas) {
    AtelierCartes a(c.tarvio);
    std::vector<std::string> fiche{"reference=AB_12", "description=Plat \"rond\" été"};
    fiche.insert(fiche.end(), c.fiche.begin(), c.fiche.end());
    a.fiche("AB_12", fiche);
    a.t.dossier.write("g.jpg", "jpeg");
    a.demarrer();
    a.p().styleP().detailsP.setText(c.details);
    a.carte("AB_12");
    EXPECT_EQ(a.v().valeurs.scriptDetail, c.script) << c.nom;
    EXPECT_EQ(a.t.dossier.read("ftp/g.jpg"), "jpeg") << c.nom;
    const auto page = platform::LineList::fromText(a.t.dossier.read("ftp/abt12_detail.htm"));
    ASSERT_GE(page.size(), 9u) << c.nom;
    // Not passed through the entity converter: "détail" keeps its byte.
    EXPECT_EQ(page[2], "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">") << c.nom;
    EXPECT_EQ(page[3], "<TITLE>détail Plat &quot;rond&quot; été</TITLE>") << c.nom;
    EXPECT_TRUE(page[7].starts_with("<IMG ALT=\"Plat &quot;rond&quot; été\" SRC=\"g.jpg\""))
        << c.nom;
    EXPECT_EQ(page[page.size() - 3], std::string("<br><a href=\"JavaScript:window.close()\"><font "
                                                 "face=\"Verdana\" size=2><b>") +
                                         c.fermer + "</b></font></a>")
        << c.nom;
    EXPECT_EQ(page.size(), std::string(c.script).empty() ? 12u : 11u) << c.nom;
  }
  AtelierCartes a;
  a.fiche("H1", {"reference=H1", "image_detail=", "detailHTML=oui", "image=i.jpg"});
  a.fiche("W1", {"reference=W1", "description=(w:2) Vase", "image_detail=v.jpg"});
  a.demarrer();
  a.carte("W1");
  // The weight group is dropped from the title as from the image text.
  const auto w1 = platform::LineList::fromText(a.t.dossier.read("ftp/w1_detail.htm"));
  EXPECT_EQ(w1[3], "<TITLE>détail Vase</TITLE>");
  EXPECT_TRUE(w1[7].starts_with("<IMG ALT=\"Vase\" SRC=\"v.jpg\""));
  EXPECT_TRUE(contient(a.carte("H1"), "<a href=\"h1.htm\" target=\"_blank\"><IMG"));
  EXPECT_EQ(a.v().valeurs.imageDetail, "HTML");
}

// A ">" in a title is normal input; a size is no place for markup. Either once inside a tag
// must leave the tag whole after the entity converter.
TEST(CarteEcrivain, TitlesAndSizesNeverBreakTheirTag) {
  AtelierCartes a;
  a.fiche("L10", {"reference=L10", "description=Lot > 10 <b>", "image=l.jpg",
                  "hauteur=72 onload=alert(1)", "largeur=96", "image_detail=d.jpg",
                  "hauteur_detail=1\"><script>x()</script>", "largeur_detail=400"});
  a.t.dossier.write("l.jpg", "jpeg");
  a.t.dossier.write("d.jpg", "jpeg");
  a.demarrer();
  const std::string carte = a.carte("L10");
  EXPECT_TRUE(contient(carte, "<IMG ALT=\"Lot &gt; 10 &lt;b&gt;\" SRC=\"l.jpg\" WIDTH=96 BORDER=0"))
      << carte;
  EXPECT_FALSE(contient(carte, "onload"));
  const std::string detail = a.t.dossier.read("ftp/l10_detail.htm");
  EXPECT_TRUE(contient(detail, "<IMG ALT=\"Lot &gt; 10 &lt;b&gt;\" SRC=\"d.jpg\" WIDTH=400 BORDER=0>"))
      << detail;
  EXPECT_FALSE(contient(detail, "script"));
  // The converter leaves the quotes of the tag alone: the picture keeps its source.
  frame::TTableAccents table;
  table.remplir();
  EXPECT_TRUE(contient(frame::convertirTexte(carte, table, false), "SRC=\"l.jpg\""));
  EXPECT_EQ(a.v().valeurs.scriptDetail, "window.open('l10_detail.htm','','height=160,width=450')");
}

TEST(CarteEcrivain, PromotionsStrikeTheOldPriceAndTheLastRateWins) {
  AtelierCartes a;
  a.fiche("P1", {"reference=P1", "prix=20,00", "CD_ref=P1-CD", "CD_prix=15", "K7_ref=P1K7",
                 "K7_prix=8", "VIDEO_ref=P1V", "VIDEO_prix=5"});
  a.write("P1.pro", {"reference=P1", "taux=10", "prixpromo=18,00"});
  a.write("P1-CD.pro", {"taux=25", "prixpromo=12"});
  a.write("P1K7.pro", {"prixpromo=9"});            // dearer than the price: no struck price
  a.write("p1v.pro", {"taux=50", "prixpromo=1"});  // another name: not this card's
  a.demarrer();
  a.carte("P1");
  const TValeursCarte& v = a.v().valeurs;
  // Listed P1-CD.pro, P1.pro, P1K7.pro: the rate of P1.pro comes last.
  EXPECT_EQ(v.tauxPromo, "10");
  EXPECT_EQ(v.prix, "18.00");
  EXPECT_EQ(v.prixAffiche, "18,00");
  EXPECT_EQ(v.ancienPrix, "");  // struck by the order form, then emptied
  EXPECT_EQ(v.prixA, "12");
  EXPECT_EQ(v.ancienPrixA, "15");
  EXPECT_EQ(v.prixB, "9");
  EXPECT_EQ(v.ancienPrixB, "");
  EXPECT_EQ(v.prixC, "5");
  EXPECT_EQ(v.ancienPrixC, "");
  // The main slot is ordered at the promotional price as stored.
  EXPECT_EQ(v.prixLigne, "18,00");
  EXPECT_EQ(v.prixTexte, "18,00 EUR");
}

TEST(CarteEcrivain, QmultiErrorIsToldOncePerRunAndCardsStillCome) {
  AtelierCartes a;
  a.fiche("Q1", {"reference=Q1", "qmulti=6", "prix=2"});
  a.fiche("Q2", {"reference=Q2", "qmulti=2.5", "prix=2"});
  a.write("qmulti.ini", {"maxi=1,5"});
  a.demarrer();
  {
    SerieCartes serie(a.v());
    EXPECT_NE(a.carte("Q1"), "");
    EXPECT_NE(a.carte("Q2"), "");
  }
  EXPECT_EQ(a.t.dialogs.messages(),
            (std::vector<std::string>{"Erreur dans le fichier qmulti.ini"}));
  EXPECT_EQ(a.v().valeurs.qmultiCarte, 0);
  EXPECT_EQ(a.v().style.quantite_style, "");

  a.write("qmulti.ini", {"maxi= 20 "});
  a.carte("Q1");
  EXPECT_EQ(a.v().valeurs.qmultiCarte, 6);
  EXPECT_EQ(a.v().valeurs.qmaxiCarte, 20);
  EXPECT_EQ(a.v().style.quantite_style, "oui");
  a.carte("Q2");  // not a whole number: ordered by units
  EXPECT_EQ(a.v().valeurs.qmultiCarte, 0);
  EXPECT_EQ(a.t.dialogs.messages().size(), 1u);
}

TEST(CarteEcrivain, LayoutOfTheTheme) {
  AtelierCartes a;
  a.fiche("T1", {"reference=T1", "categorie=Cat", "mot_cle=Th", "prix=1"});
  a.demarrer();
  for (const char* style : {"", "style_fiche=Tableau", "style_fiche=standard"}) {
    a.write("Cat_Th.stl", {style});
    EXPECT_TRUE(contient(a.carte("T1"), "vignette haut standard")) << style;
  }
  a.write("Cat_Th.stl", {"style_fiche=standard", "style_fiche=tableau"});
  EXPECT_FALSE(contient(a.carte("T1"), "vignette haut standard"));
  EXPECT_EQ(a.v().valeurs.styleFicheTheme, "tableau");
}

TEST(CarteEcrivain, CartPictureTakesTheLastThumbnailFound) {
  AtelierCartes a("vig_visual=oui\r\n");
  a.fiche("V1", {"reference=V1", "image=photos\\Vase.big.jpg"});
  a.t.dossier.write("photos/Vase.big.jpg", "jpeg");
  a.t.dossier.write("vignettes/photos/VASE-V.JPG", "a");
  a.t.dossier.write("vignettes/photos/vase-v.gif", "b");
  a.demarrer();
  a.carte("V1");
  EXPECT_EQ(a.v().valeurs.imageVignette, "");  // the cart image is not sent
  a.p().styleP().imagespanier = "oui";
  a.carte("V1");
  EXPECT_EQ(a.v().valeurs.imageVignette, "photos\\Vase-v.gif");
  // The picture keeps its sub-folder in ftp/.
  EXPECT_EQ(a.t.dossier.read("ftp/photos/Vase.big.jpg"), "jpeg");
}

TEST(CarteEcrivain, OnlyPicturesAreCopiedToTheSite) {
  struct Cas {
    const char* champ;  // the sheet line naming the file
    const char* fichier;
    bool copie;
  } cas[] = {
      {"image=", "var.opt", false},
      {"image=", "abc.cox", false},
      {"image_detail=", "kelkoo.ini", false},
      {"image=", "A2.ref", false},
      {"image_detail=", "tmp\\comp.ini", false},
      {"image=", "photo.JPEG", true},
      {"image_detail=", "grand.png", true},
  };
  for (const auto& c : cas) {
    AtelierCartes a;
    a.fiche("A1", {"reference=A1", std::string(c.champ) + c.fichier});
    a.t.dossier.write(platform::safeRelativePath(c.fichier)->string(), "secret");
    a.demarrer();
    a.carte("A1");
    EXPECT_EQ(a.t.dossier.exists("ftp/" + platform::safeRelativePath(c.fichier)->string()), c.copie)
        << c.fichier;
  }
}

TEST(CarteEcrivain, ImportFilesAreCopiedOncePerBuild) {
  AtelierCartes a;
  a.fiche("A1", {"reference=A1"});
  a.t.dossier.write("import/top.htm", "1");
  a.demarrer();
  a.p().main().cartesInitialisees = false;
  a.carte("A1");
  EXPECT_EQ(a.t.dossier.read("ftp/top.htm"), "1");
  a.t.dossier.write("import/top.htm", "2");
  a.carte("A1");
  EXPECT_EQ(a.t.dossier.read("ftp/top.htm"), "1");
  a.p().main().cartesInitialisees = false;
  a.carte("A1");
  EXPECT_EQ(a.t.dossier.read("ftp/top.htm"), "2");
}

TEST(CarteEcrivain, TheSheetOpenInTheEditorIsNeverTouched) {
  AtelierCartes a;
  a.fiche("E1", {"reference=E1", "prix=5", "titres=<CHOIX>", "titres=S", "mes_tailles=oui"});
  a.t.dossier.write("E1tailles.txt", "S\r\nM\r\n");
  a.demarrer();
  auto& m = a.p().main();
  m.fiche.reference = "OPEN";
  m.fiche.prix = "99";
  m.chants.setLines({"mine"});
  m.taillesM.setLines({"XL"});
  const app::TFicheProduit avant = m.fiche;
  a.carte("E1");
  EXPECT_EQ(m.fiche, avant);
  EXPECT_EQ(m.chants.lines().lines(), (std::vector<std::string>{"mine"}));
  EXPECT_EQ(m.taillesM.lines().lines(), (std::vector<std::string>{"XL"}));
}

TEST(CarteEcrivain, ARunReadsItsSettingsOnce) {
  AtelierCartes a;
  a.fiche("R1", {"reference=R1", "prix=10"});
  a.fiche("R2", {"reference=R2", "prix=10"});
  a.fiche("R3", {"reference=R3", "prix=10"});
  a.write("R3.pro", {"prixpromo=7"});
  a.demarrer();
  {
    SerieCartes serie(a.v());
    a.carte("R1");
    a.write("R2.pro", {"prixpromo=5"});
    a.write("defaut.typ", {"fond=#123456"});
    a.write("promo_prix.opt", {"ok_PROMO_PRIX=oui", "couleur_texte_PROMO_PRIX=#00FF00"});
    a.carte("R2");
    EXPECT_EQ(a.v().valeurs.prix, "10");
    EXPECT_EQ(a.v().style.fond, "#FFFFFF");
    EXPECT_EQ(a.carte("R3").find("#00FF00"), std::string::npos);
  }
  a.carte("R2");
  EXPECT_EQ(a.v().valeurs.prix, "5");
  EXPECT_EQ(a.v().style.fond, "#123456");
  EXPECT_NE(a.carte("R3").find("#00FF00"), std::string::npos);
}

// vignette.htm is a scratch page: outside a run each card writes it; a run writes the last
// card's once when it ends whole, and leaves it as it was when abandoned.
TEST(CarteEcrivain, TheScratchPageHoldsTheLastCardOfAWholeRun) {
  AtelierCartes a;
  a.fiche("S1", {"reference=S1", "prix=1"});
  a.fiche("S2", {"reference=S2", "prix=2"});
  a.demarrer();
  const std::string seule = a.carte("S1");
  EXPECT_EQ(a.t.dossier.read("vignette.htm"), seule);

  std::string derniere;
  {
    SerieCartes serie(a.v());
    a.carte("S1");
    {
      SerieCartes interieure(a.v());
      derniere = a.carte("S2");
      interieure.terminer();
    }
    EXPECT_EQ(a.t.dossier.read("vignette.htm"), seule);
    serie.terminer();
  }
  EXPECT_NE(derniere, seule);
  EXPECT_EQ(a.t.dossier.read("vignette.htm"), derniere);

  {
    SerieCartes serie(a.v());
    EXPECT_EQ(a.carte("absente"), "");
    serie.terminer();
  }
  EXPECT_FALSE(a.t.dossier.exists("vignette.htm"));

  a.carte("S1");
  try {
    SerieCartes serie(a.v());
    a.carte("S2");
    throw std::runtime_error("arrêt");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(a.t.dossier.read("vignette.htm"), seule);
}

TEST(ProduitsLies, ReadingRuleOfTheLists) {
  struct Cas {
    const char* ligne;
    const char* reference;
    const char* nom;
  } cas[] = {
      {"ref=A12 nom=Vase bleu", "A12", "Vase bleu"},
      {"x ref= B 3  nom=  Plat ", "B 3", "Plat"},
      {"ref=C1", "C1", ""},
      {"nom=Seul", nullptr, nullptr},
      {"ref= nom=Vide", nullptr, nullptr},
  };
  for (const auto& c : cas) {
    auto p = lireProduitLie(c.ligne);
    ASSERT_EQ(p.has_value(), c.reference != nullptr) << c.ligne;
    if (!p) continue;
    EXPECT_EQ(p->reference, c.reference) << c.ligne;
    EXPECT_EQ(p->nom, c.nom) << c.ligne;
  }
}

class TableLies : public ::testing::Test {
 protected:
  TableLies() {
    a.fiche("M1", {"reference=M1", "prix=10"});
    a.fiche("L1", {"reference=L1", "prix=4,5", "image=l1.jpg"});
    a.fiche("L2", {"reference=L2"});
    a.fiche("L3", {"reference=L3", "prix=2"});
    a.write("L1.pro", {"prixpromo=3"});
    a.write("tmp/M1.pcl", {"ref=L1 nom=Lampe \"LED\"", "ref=L2 nom=Abat-jour", "ref=L9 nom=Sans",
                           "ref=L3 nom=Ampoule"});
    for (const char* p : {"tmp/L1_pc.html", "tmp/L2_pc.html", "tmp/L3_pc.html"})
      a.t.dossier.write(p, p);
    a.write("vig.conf", {"l2=l2-v.jpg"});
  }
  // The lines after the card's gap line.
  std::vector<std::string> table() {
    auto l = a.lignes("M1");
    auto gap = std::find_if(l.begin(), l.end(),
                            [](const std::string& s) { return s.ends_with("BORDER=0><BR>"); });
    return {gap == l.end() ? l.end() : gap + 1, l.end()};
  }
  AtelierCartes a{"vig_visual=oui\r\ncouleur_liee=green\r\n"};
};

TEST_F(TableLies, PlainLinksWithoutOrderForms) {
  a.demarrer();
  EXPECT_EQ(table(),
            (std::vector<std::string>{
                "<table border=0 bgcolor=\"#FFFFFF\">",
                "<caption align=center><font face=\"Verdana\" size=2 color=black><b>Produits "
                "compl&eacute;mentaires</b></font></caption>",
                "<tr bgcolor=\"#FFFFFF\"><td><a href=\"#\" OnClick=\"window.open "
                "('L1_pc.html','','scrollbars=yes,resizable,status,menubar,location,height=400,"
                "width=800')\"><font face=\"Verdana\" size=1><font color=\"green\">Lampe "
                "&quot;LED&quot;</font></font></a><br></td></tr>",
                "<tr bgcolor=\"#FFFFFF\"><td><a href=\"#\" OnClick=\"window.open "
                "('L2_pc.html','','scrollbars=yes,resizable,status,menubar,location,height=400,"
                "width=800')\" onmouseover=\"cache();voir('roll','l2-v.jpg','oui');\" "
                "onmouseout=\"cache();\"><font face=\"Verdana\" size=1><font "
                "color=\"green\">Abat-jour</font></font></a><br></td></tr>",
                "<tr bgcolor=\"#FFFFFF\"><td><a href=\"#\" OnClick=\"window.open "
                "('L3_pc.html','','scrollbars=yes,resizable,status,menubar,location,height=400,"
                "width=800')\"><font face=\"Verdana\" size=1><font "
                "color=\"green\">Ampoule</font></font></a><br></td></tr>",
                "</table><br>"}));
  EXPECT_EQ(a.t.dossier.read("ftp/L2_pc.html"), "tmp/L2_pc.html");
  EXPECT_FALSE(a.t.dossier.exists("ftp/L9_pc.html"));
}

// Each link opens a pop-up page of the site, named in its exact case: a product with a sheet but
// no pop-up page, or named in another case than its page, gets no broken link.
TEST_F(TableLies, EachLinkOpensAPopUpPageTheSiteHas) {
  a.fiche("L4", {"reference=L4", "prix=1"});
  a.write("tmp/M1.pcl", {"ref=L1 nom=Lampe", "ref=L4 nom=Sans page", "ref=l3 nom=Ampoule"});
  for (const char* modele : {"", "bouton=go.gif"}) {
    if (*modele) a.write("modcomp.inf", {modele});
    a.demarrer();
    std::vector<std::string> ouvertes;
    const std::string ouvre = "window.open ('";
    for (const auto& l : table())
      for (size_t i = l.find(ouvre); i != std::string::npos; i = l.find(ouvre, i + 1)) {
        const size_t debut = i + ouvre.size();
        ouvertes.push_back(l.substr(debut, l.find('\'', debut) - debut));
      }
    EXPECT_EQ(ouvertes.size(), 2u) << modele;
    for (const std::string& page : ouvertes)
      EXPECT_TRUE(std::filesystem::exists(a.t.dossier / ("ftp/" + page))) << page << " " << modele;
  }
}

// A linked product's price as its own card takes it: a promotion that is no amount is not
// applied, a price below 0 is none (the name alone, no order).
TEST_F(TableLies, PricesAsTheirOwnCardsTakeThem) {
  a.write("modcomp.inf", {"bouton=go.gif"});
  a.write("L1.pro", {"prixpromo=NaN"});
  a.fiche("L3", {"reference=L3", "prix=-5"});
  a.demarrer();
  std::string t;
  for (const auto& l : table()) t += l + "\n";
  EXPECT_NE(t.find("<input type=\"hidden\" name=\"pu\" value=\"4,5\">"), std::string::npos);
  EXPECT_EQ(t.find("<input type=\"hidden\" name=\"pu\" value=\"0\">"), std::string::npos);
  EXPECT_EQ(t.find("NaN"), std::string::npos);
}

TEST_F(TableLies, OrderFormsWhenTheModelAsksForThem) {
  a.write("modcomp.inf", {"quantite=oui", "cadre=oui", "reference=oui", "bouton=go.gif"});
  a.write("shop.qmn", {"L1= 3 "});
  a.t.dossier.write("kelkoo.ini", "shop=http://boutique\r\n");
  a.write("frames.inf", {"frames=non"});
  a.demarrer();
  auto t = table();
  ASSERT_GE(t.size(), 30u);
  EXPECT_EQ(t[0], "<table border=1 bordercolor=\"#1781B3\" bgcolor=\"#FFFFFF\">");
  const std::vector<std::string> l1(t.begin() + 2, t.begin() + 26);
  EXPECT_EQ(l1, (std::vector<std::string>{
                    "<tr bordercolor=\"#FFFFFF\">",
                    "<td><IMG SRC=\"l1.jpg\"></td>",
                    "<td><font face=\"Verdana\" size=1 color=green>L1</font></td>",
                    "<td><a href=\"#\" OnClick=\"window.open "
                    "('L1_pc.html','','scrollbars=yes,resizable,status,menubar,location,height="
                    "400,width=800')\"><font face=\"Verdana\" size=1><font color=\"green\">Lampe "
                    "&quot;LED&quot;</font></font></a><br></td>",
                    "<td nowrap><font face=\"Verdana\" size=1 color=green><b>3,00 "
                    "EUR</b></font></td>",
                    "<FORM NAME=\"f19,68\" ACTION=\"https://www.tarvio.fr/cgi/ecomm.php\" "
                    "METHOD=\"POST\" TARGET=\"_top\">",
                    "<td nowrap><font face=\"Verdana\" size=1 color=\"green\">Quant.</font></td>",
                    "<td><input type=\"text\" name=\"quantite\" value=\"3\" size=3 "
                    "maxlength=5></td>",
                    "<td>",
                    "<script language=\"JavaScript\">",
                    "document.write('<input type=\"hidden\" name=\"session_client\" "
                    "value=\"'+(function(){try{var v=top.session_client;return v==null?'':v;}"
                    "catch(e){return '';}})()+'\">');",
                    "document.write('<input type=\"hidden\" name=\"track\" "
                    "value=\"'+(function(){try{var v=track;return v==null?'':v;}"
                    "catch(e){return '';}})()+'\">');",
                    "</script>",
                    "<input type=\"hidden\" name=\"login\" value=\"shop\">",
                    "<input type=\"hidden\" name=\"ext\" value=\"7\">",
                    "<script language=\"JavaScript\">",
                    "if(navigator.cookieEnabled == true)",
                    "{document.write('<input type=\"hidden\" name=\"session\" value=\"oui\">');}",
                    "</script>",
                    "<input type=\"hidden\" name=\"ref\" value=\"L1\">",
                    "<input type=\"hidden\" name=\"description\" value=\"Lampe &quot;LED&quot;\">",
                    "<input type=\"hidden\" name=\"pu\" value=\"3\">",
                    "<input type=\"image\" SRC=\"go.gif\" border=0 ALT=\"commander\">",
                    "</td>"}));
  EXPECT_EQ(t[26], "</form>");
  EXPECT_EQ(t[27], "</tr>");
  EXPECT_EQ(t[28],
            "<tr bordercolor=\"#FFFFFF\"><td colspan=8><HR color=\"#1781B3\" size=1></td></tr>");
  // L2 has no price: a plain row, and no rule after it; the last line of the list gets none.
  EXPECT_TRUE(t[29].starts_with("<tr bgcolor=\"#FFFFFF\"><td><a href=\"#\""));
  EXPECT_EQ(t[t.size() - 2], "</tr>");
  EXPECT_EQ(t.back(), "</table><br>");
}

TEST_F(TableLies, NoTableForAPopUpCard) {
  a.demarrer();
  a.p().styleP().targetS = "_BLANCK";
  EXPECT_FALSE(contient(a.carte("M1"), "<caption"));
  a.p().styleP().targetS = "_top";
  a.v().carteFenetre = true;
  EXPECT_FALSE(contient(a.carte("M1"), "<caption"));
  EXPECT_TRUE(contient(a.carte("M1"), "<caption"));
}

}  // namespace pages::test

