#include "modele/frame/bon_commande.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

TEST(BonCommande, SettingsNumbersAndTexts) {
  const std::vector<std::pair<const char*, const char*>> nombres = {
      {"1,5", "1.5"}, {" 10 ", "10"}, {"", "0"}, {"dix", "0"}, {"4 EUR", "0"}};
  for (const auto& [valeur, attendu] : nombres) EXPECT_EQ(frame::nombreScript(valeur), attendu);
  EXPECT_EQ(frame::texteScript("a\"b</script>"), "\"a\\\"b<\\/script>\"");
}

// A tariff's prices are amounts as the shopkeeper types them, its weights read by one rule with
// the form's; what is none is named, never run.
TEST(BonCommande, TariffLinesAreAmounts) {
  frame::ReglagesCalcul r;
  r.grilles[1] = {"tarif.txt", {"1000 = 5,90 €", " ", "500=", "500=-2", "500=4,505", "500=alert(1)",
                                "1,5=4,50", "2 kg=6,90", " MAX =2,5", "abc=4", "500=1e308",
                                "500=99999999999999999"}};
  for (const auto& [ligne, lue] : {std::pair<std::string, std::string>{"1000 = 5,90 €", "1000000=590"},
                                   {"1,5=4,50", "1500=450"}, {"2 kg=6,90", "2000=690"},
                                   {" MAX =2,5", "max=2500"}})
    EXPECT_EQ(frame::palierTarif(ligne), lue);
  EXPECT_EQ(frame::reglagesIllisibles(r),
            (std::vector<std::string>{"tarif.txt (500=)", "tarif.txt (500=-2)", "tarif.txt (500=4,505)",
                                      "tarif.txt (500=alert(1))", "tarif.txt (abc=4)",
                                      "tarif.txt (500=1e308)", "tarif.txt (500=99999999999999999)"}));
}

// The settings' numbers as the form counts them; what is none is absent, and named.
TEST(BonCommande, SettingsValuesAreReadAsAmounts) {
  for (const auto& [valeur, centimes] : {std::pair<const char*, std::optional<long long>>{"4,35", 435},
                                         {"1,15", 115}, {" 100 € ", 10000}, {"", {}}, {"NaN", {}},
                                         {"inf", {}}, {"1e308", {}}, {"-1", {}}, {"4,355", {}},
                                         {"90071992547409,91", 9007199254740991},
                                         {"90071992547409,92", {}}})
    EXPECT_EQ(frame::centimesReglage(valeur), centimes) << valeur;
  for (const auto& [valeur, taux] : {std::pair<const char*, std::optional<long long>>{"5,5", 55000},
                                     {"19,99995", 200000}, {"19,6 %", 196000}, {"19,6%", 196000},
                                     {" 5.5 % ", 55000}, {"%", {}}, {"-5 %", {}}, {"5 %%", {}}})
    EXPECT_EQ(frame::tauxReglage(valeur), taux) << valeur;
  for (const auto& [valeur, poids] : {std::pair<const char*, std::optional<long long>>{"1,5", 1500},
                                      {"250k", 250000}, {"1 000", 1000000}, {"1.000,5", 1000500},
                                      {"0,0005", 1}, {"0,0004", 0}, {"-5", {}}, {"f", {}}})
    EXPECT_EQ(frame::poidsLu(valeur), poids) << valeur;

  frame::EntreesBonCommande e;
  e.calcul.tva = {"abc", "oui", "10", "", "1e308"};
  e.calcul.poids.calculpoids = "oui";
  e.calcul.poids.pallier = "100";
  e.calcul.poids.tarifS = "5";
  e.calcul.poids.pallier1S = "NaN";
  e.calcul.poids.tarif1S = "8";
  e.calcul.poids.tarif2S = "4,355";
  e.calcul.poids.Kpu = "0,3505";
  e.calcul.poids.Kaisse = "inf";
  EXPECT_EQ(frame::reglagesIllisibles(e.calcul),
            (std::vector<std::string>{"calculs.ini (maxi_port=1e308)", "poids.ini (pallier1S=NaN)",
                                      "poids.ini (tarif2S=4,355)", "poids.ini (Kpu=0,3505)",
                                      "poids.ini (Kaisse=inf)"}));
  EXPECT_EQ(frame::tauxIllisibles(e.calcul), std::vector<std::string>{"calculs.ini (taux_tva=abc)"});
  e.calcul.tva.appli_tva_port = "oui";
  e.calcul.tva.tva_port = "dix %";
  EXPECT_EQ(frame::tauxIllisibles(e.calcul),
            (std::vector<std::string>{"calculs.ini (taux_tva=abc)", "calculs.ini (tva_port=dix %)"}));
  const std::string script = frame::scriptCalculs(e).text() + frame::declarationsCalculs(e).text() +
                             frame::totauxCalculs(e).text();
  EXPECT_NE(script.find("if(total>10000){s=500;\r\n}"), std::string::npos);
  for (const char* absent : {"s=800", "if(total>-", "Kaisse=inf", "part_taux(total,-"})
    EXPECT_EQ(script.find(absent), std::string::npos) << absent;
  EXPECT_NE(script.find("tva=part_taux(total,0);"), std::string::npos);
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
