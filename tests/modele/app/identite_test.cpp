#include "modele/app/identite.h"

#include <gtest/gtest.h>

#include "platform/lines.h"
#include "support/temp_folder.h"

using namespace app;
using testing_support::TempFolder;

namespace {

TIdentite identiteRemplie() {
  return {.nomE = "Soci\xE9t\xE9 Dupont", .capital = "10 000 \x80", .nomB = "La Boutique",
          .rue = "1 rue des \xC9" "coles ", .codepostal = "75005 Paris", .pays = "France",
          .tel = "01 02 03 04 05", .fax = "01 02 03 04 06", .email = "contact@exemple.fr",
          .siret = "123 456 789 00012", .ape = "4791B", .dev1 = "EUR", .dev2 = "FF",
          .taux = "0,152449", .login = "dupont", .ext = "fr", .entADR = "oui", .capADR = "non",
          .boutiqueADR = "", .rueADR = "oui", .cpADR = "oui", .paysADR = "oui", .telADR = "oui",
          .faxADR = "non", .eADR = "", .siretADR = "oui", .apeADR = ""};
}

}  // namespace

TEST(SauverIdent, WritesTheTwentyEightLinesByteForByte) {
  TempFolder dossier;
  sauverIdent(platform::DataFolder(dossier.path()), identiteRemplie(), "http://www.exemple.fr");
  EXPECT_EQ(dossier.read("ident.opt"),
            (platform::LineList{
                 "nomE=Soci\xE9t\xE9 Dupont", "capital=10 000 \x80", "nomB=La Boutique",
                 "rue=1 rue des \xC9" "coles ", "codepostal=75005 Paris", "pays=France",
                 "tel=01 02 03 04 05", "fax=01 02 03 04 06", "email=contact@exemple.fr",
                 "siret=123 456 789 00012", "ape=4791B", "dev1=EUR", "dev2=FF", "taux=0.152449",
                 "login=dupont", "ext=fr", "entADR=oui", "capADR=non", "boutiqueADR=", "rueADR=oui",
                 "cpADR=oui", "paysADR=oui", "telADR=oui", "faxADR=non", "eADR=", "siretADR=oui",
                 "apeADR=", "url_base=http://www.exemple.fr"}
                 .text()));
}

TEST(TauxEnregistre, RateIsCleanedAndNeverZero) {
  struct Case {
    const char *tape, *enregistre;
  } cases[] = {
      {"0,152449", "0.152449"}, {" 6,55957 ", "6.55957"}, {"1 234,5", "1234.5"},
      {"2", "2"},               {"", "1"},                {"abc", "1"},
      {"0", "1"},               {"0,00", "1"},            {"-0", "1"},
      {"-2", "1"},              {"1.234,5", "1"},         {"-", "1"},
  };
  for (const auto& c : cases) EXPECT_EQ(tauxEnregistre(c.tape), c.enregistre) << c.tape;
}

TEST(ConvertirExemple, AmountInTheSecondCurrency) {
  struct Case {
    const char *prix, *taux, *dev2, *resultat;
  } cases[] = {
      {"100", "0,152449", "FF", "655,96 FF"}, {"1234567", "2", " FF ", "617 283,50 FF"},
      {"100", "0,152449", "", "655,96"},      {"12,5 \x80", "1", "USD", "12,50 USD"},
      {"abc", "2", "FF", "0,00 FF"},          {"1.2.3", "2", "FF", "0,00 FF"},
      {"100", "0", "FF", "100,00 FF"},        {"100", "0.000", "FF", "100,00 FF"},
      {"100", "-4", "FF", "100,00 FF"},       {"100", "zz", "FF", "100,00 FF"},
      {"1", "3", "FF", "0,33 FF"},            {"2", "3", "FF", "0,67 FF"},
      // The cent the cards show: an exact half rounded up on the digits.
      {"0,29", "2", "FF", "0,15 FF"},         {"0,18", "0,8", "FF", "0,23 FF"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(convertirExemple(c.prix, c.taux, c.dev2), c.resultat) << c.prix << " / " << c.taux;
}

TEST(ChargerIdent, MissingOrOneLineFileKeepsTextAndResetsDefaults) {
  for (const char* contenu : {static_cast<const char*>(nullptr), "nomE=Nouvelle\r\n", ""}) {
    TempFolder dossier;
    if (contenu) dossier.write("ident.opt", contenu);
    TIdentite i;
    i.nomE = "Ancienne", i.dev1 = "USD", i.dev2 = "", i.taux = "3", i.capADR = "non", i.rueADR = "non";
    LectureIdent r = chargerIdent(platform::DataFolder(dossier.path()), i);
    EXPECT_FALSE(r.lu);
    EXPECT_FALSE(r.secondeDevise.has_value());
    EXPECT_EQ((std::vector<std::string>{i.nomE, i.dev1, i.dev2, i.taux, i.rueADR, i.capADR}),
              (std::vector<std::string>{"Ancienne", "EUR", "FF", "0,152449", "oui", "non"}));
  }
}

// Each case is a whole ident.opt loaded over a record that already holds values.
TEST(ChargerIdent, KeyRules) {
  struct Case {
    const char* fichier;
    std::string TIdentite::*champ;
    const char* attendu;
  } cases[] = {
      {"nomE=A=B\r\nx\r\n", &TIdentite::nomE, "A=B"},
      {"NOME=Majuscules\r\nnomE=Bon\r\n", &TIdentite::nomE, "Bon"},
      {"nomE=Premier\r\nnomE=Second\r\n", &TIdentite::nomE, "Second"},
      {"nomE= blancs \r\nx\r\n", &TIdentite::nomE, " blancs "},
      // An emptied text field stays empty instead of coming back from memory.
      {"nomE=\r\nfax=\r\n", &TIdentite::fax, ""},
      {"nomE=X\r\nrue=Y\r\n", &TIdentite::fax, ""},
      {"login=\r\nx\r\n", &TIdentite::login, ""},
      {"dev1=\r\nx\r\n", &TIdentite::dev1, "EUR"},
      {"dev1=USD\r\ndev1=\r\n", &TIdentite::dev1, "USD"},
      {"dev2=\r\nx\r\n", &TIdentite::dev2, ""},
      {"dev2=DM\r\nx\r\n", &TIdentite::dev2, "DM"},
      {"taux=\r\nx\r\n", &TIdentite::taux, "0,152449"},
      {"taux=1.95583\r\nx\r\n", &TIdentite::taux, "1.95583"},
      {"faxADR=\r\nx\r\n", &TIdentite::faxADR, "oui"},
      {"faxADR=non\r\nx\r\n", &TIdentite::faxADR, "non"},
      // Flags without a default keep an earlier value unless the file gives one.
      {"capADR=\r\nx\r\n", &TIdentite::capADR, "non"},
      {"capADR=oui\r\nx\r\n", &TIdentite::capADR, "oui"},
      {"apeADR=\r\nx\r\n", &TIdentite::apeADR, ""},
  };
  for (const auto& c : cases) {
    TIdentite i;
    i.nomE = "Avant";
    i.fax = "01 99";
    i.login = "ancien";
    i.capADR = "non";
    chargerIdent(platform::LineList::fromText(c.fichier), i);
    EXPECT_EQ(i.*c.champ, c.attendu) << c.fichier;
  }
}

TEST(ChargerIdent, ReportsSecondCurrencyAndSiteAddress) {
  struct Case {
    const char* fichier;
    std::optional<bool> secondeDevise;
    const char* url_base;
  } cases[] = {
      {"dev2=\r\nurl_base=http://a.fr\r\n", false, "http://a.fr"},
      {"dev2=FF\r\nurl_base=\r\n", true, ""},
      {"dev2=FF\r\ndev2=\r\n", false, ""},
      {"nomE=x\r\nURL_BASE=http://a.fr\r\n", std::nullopt, ""},
      {"url_base=http://a.fr\r\nurl_base=\r\n", std::nullopt, "http://a.fr"},
  };
  for (const auto& c : cases) {
    TIdentite i;
    LectureIdent r = chargerIdent(platform::LineList::fromText(c.fichier), i);
    EXPECT_TRUE(r.lu);
    EXPECT_EQ(r.secondeDevise, c.secondeDevise) << c.fichier;
    EXPECT_EQ(r.url_base, c.url_base) << c.fichier;
  }
}
