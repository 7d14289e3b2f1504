#include "modele/frame/bon_commande.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(BonCommande, SettingsNumbersAndTexts) {
  const std::vector<std::pair<const char*, const char*>> nombres = {
      {"1,5", "1.5"}, {" 10 ", "10"}, {"", "0"}, {"dix", "0"}, {"4 EUR", "0"}};
  for (const auto& [valeur, attendu] : nombres) EXPECT_EQ(frame::nombreScript(valeur), attendu);
  EXPECT_EQ(frame::texteScript("a\"b</script>"), "\"a\\\"b<\\/script>\"");
}

// A tariff's prices are amounts as the shopkeeper types them; what is none is named, never run.
TEST(BonCommande, TariffLinesAreAmounts) {
  frame::ReglagesCalcul r;
  r.grilles[1] = {"tarif.txt", {"1000 = 5,90 €", " ", "500=", "500=-2", "500=4,505", "500=alert(1)"}};
  EXPECT_EQ(frame::palierTarif(r.grilles[1].lignes[0]), "1000 =5.90");
  EXPECT_EQ(frame::tarifsIllisibles(r),
            (std::vector<std::string>{"tarif.txt (500=)", "tarif.txt (500=-2)", "tarif.txt (500=4,505)",
                                      "tarif.txt (500=alert(1))"}));
}

TEST(BonCommande, PageFollowsTheSettings) {
  struct Cas {
    bool frames, deuxDevises, tva, tousReglements;
    const char* taux;
    std::vector<std::string> present, absent;
  } cas[] = {
      {true, false, false, false, "6,55957",
       {"nbre_col=9;", "href=\"accueil2.htm\"", "texteT=\"Total\";", "devise2_confirmation=\"non\";",
        "name=\"reglement\"><font face=\"Verdana\" size=2>Carte Bancaire</font>&nbsp; <br></td>"},
       {"TVA transport", "calcul_poids", "Total H.T."}},
      {false, true, true, true, "6,55957",
       {"nbre_col=11;", "href=\"index.htm\"", "euro=\"6.55957\";", "\"P.U.H.T.\"",
        "TVA \"+\"20\"+\"%&nbsp;", "Mandat postal</font>&nbsp; <br>",
        "A préciser</font>&nbsp; <br><input type=\"checkbox\" name=\"reglement\"><font face=\"Verdana\" "
        "size=2>A préciser</font>&nbsp;</td>"},
       {}},
      // A rate that is no number shows no second currency rather than empty amounts.
      {true, true, false, false, "", {"nbre_col=9;", "euro=\"0\";"}, {}},
  };
  for (const Cas& c : cas) {
    frame::EntreesBonCommande e;
    e.frames = c.frames;
    e.accueilHTM = "non";
    e.police_defaut = "Verdana";
    e.secondeDevise = c.deuxDevises;
    e.taux = c.taux;
    if (c.tva) e.calcul.tva = {"20", "oui", "", "", ""};
    if (c.tousReglements)
      e.catalogue.cr = e.catalogue.mandat = e.catalogue.autre1 = e.catalogue.autre2 =
          e.catalogue.autre3 = true;
    const std::string page = frame::pageBonCommande(e).text();
    for (const std::string& texte : c.present) EXPECT_NE(page.find(texte), std::string::npos) << texte;
    for (const std::string& texte : c.absent) EXPECT_EQ(page.find(texte), std::string::npos) << texte;
  }
}

// The form reads amounts strictly: the shop's own shipping and default quantity, typed loosely
// in an older shop, are written as the numbers they always were.
TEST(BonCommande, TheShopsShippingIsAnAmountTheFormReads) {
  const struct {
    const char *port, *quantite, *transport, *ligne;
  } cas[] = {{"4,50", "1", "mon_transport:\"4,50\"", "panier.ma_quantite[i]=\"1\""},
             {"4 euros", "2 pièces", "mon_transport:\"4\"", "panier.ma_quantite[i]=\"2\""},
             {"4 €", "1e2", "mon_transport:\"4\"", "panier.ma_quantite[i]=\"1\""},
             {"12,999", "ex.", "mon_transport:\"13,00\"", "panier.ma_quantite[i]=\"1\""},
             {"", "0", "mon_transport:\"0\"", "panier.ma_quantite[i]=\"1\""},
             {"-5", " 3 ", "mon_transport:\"0\"", "panier.ma_quantite[i]=\"3\""}};
  for (const auto& c : cas) {
    frame::EntreesBonCommande e;
    e.dev1 = "€ TTC";
    e.catalogue.port = true;
    e.catalogue.portE = c.port;
    e.catalogue.quantiteE = c.quantite;
    const std::string page = frame::pageBonCommande(e).text();
    EXPECT_NE(page.find(c.transport), std::string::npos) << c.port;
    EXPECT_NE(page.find(c.ligne), std::string::npos) << c.quantite;
  }
}

TEST(BonCommande, TitleCaseTurnsAccentedLettersToo) {
  frame::EntreesBonCommande e;
  e.catalogue.titreE = "Commande Spéciale";
  const std::string page = frame::pageBonCommande(e).text();
  EXPECT_NE(page.find("<TITLE>COMMANDE SPÉCIALE</TITLE>"), std::string::npos);
  EXPECT_NE(page.find("<b>Impression commande spéciale</b>"), std::string::npos);
}

}  // namespace
