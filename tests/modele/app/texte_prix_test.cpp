#include "modele/app/texte_prix.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/text.h"
#include "support/temp_folder.h"

using namespace app;

TEST(NomURL, Examples) {
  struct Case {
    const char* titre;
    char sep;
    const char* attendu;
  } cases[] = {
      {"Été 2005: Nouveautés!", '-', "ete-2005--nouveautes-"},
      {"  Ça coûte  ", '-', "-a-coute"},
      {"Robe_rouge-XL", '-', "robe-rouge-xl"},
      {"Robe_rouge-XL", '_', "robe_rouge_xl"},
      {"L'été", '-', "l-ete"},
      {"", '-', ""},
      {" \t ", '-', ""},
      {"(!)", '-', "---"},
      {"(Nouveau)", '-', "-nouveau-"},
      {"Ç Ñ å ß 12", '-', "--------12"},
      {"ÀÅàÿý", '-', "aaayy"},
  };
  for (const auto& c : cases) EXPECT_EQ(nomURL(c.titre, c.sep), c.attendu) << c.titre;
}

TEST(NomURL, EveryByteGivesADigitALetterOrTheSeparator) {
  const std::string plain = "ÀÁÂÃÄÅÈÉÊËÌÍÎÏÒÓÔÕÖÙÚÛÜàáâãäçèéêëìíîïòóôõöùúûüýÿ";
  for (int b = 0; b < 256; ++b) {
    std::string in = "x" + std::string(1, static_cast<char>(b)) + "x";
    std::string out = nomURL(in, '_');
    ASSERT_EQ(out.size(), 3u) << b;
    char c = out[1];
    if ((b >= '0' && b <= '9') || (b >= 'a' && b <= 'z'))
      EXPECT_EQ(c, b);
    else if (b >= 'A' && b <= 'Z')
      EXPECT_EQ(c, b + 32);
    else if (plain.find(static_cast<char>(b)) != std::string::npos)
      EXPECT_TRUE(c >= 'a' && c <= 'z') << b;
    else
      EXPECT_EQ(c, '_') << b;
  }
}

TEST(NettoyerPrix, Examples) {
  struct Case {
    const char *prix, *attendu;
  } cases[] = {{"1 234,50 €", "1234.50"}, {"12,5", "12.5"}, {"+5", "5"},    {"2/3", "23"},
               {"abc", "0"},              {"", "0"},        {"1.234,56", "1.234.56"},
               {"-", "-"},                {"12,50€", "12.50"}, {" \t7 ", "7"}};
  for (const auto& c : cases) EXPECT_EQ(nettoyerPrix(c.prix), c.attendu) << c.prix;
}

// A typed amount: what it reads as (none when refused), then whether a price, which may not go
// below 0, and a supplement, which may, take it.
TEST(LireMontant, StrictReadingAndTheSignByPlace) {
  struct Case {
    const char* texte;
    std::optional<std::string> lu;
    bool prix, supplement;
  } cases[] = {
      {"12,50 €", "12.50", true, true},   {"EUR 12.50", "12.50", true, true},
      {"1 234,50", "1234.50", true, true},   {"1\xA0" "234,50 EUR", "1234.50", true, true},
      {"FF 10", "10", true, true},           {"10 F", "10", true, true},
      {"eur3", "3", true, true},             {"€12", "12", true, true},
      {"", "0", true, true},                 {" \t7 ", "7", true, true},
      {"+5", "5", true, true},               {",5", ".5", true, true},
      {"1 234 567,8", "1234567.8", true, true},
      {"-5", "-5", false, true},             {"- 123,45", "-123.45", false, true},
      {"-0", "-0", true, true},              {"-12,50 €", "-12.50", false, true},
      {"1O,50", {}, false, false},           {"12,5O", {}, false, false},
      {"1950-1960", {}, false, false},       {"12,50,3", {}, false, false},
      {"1.2.3", {}, false, false},           {"1,234.50", {}, false, false},
      {"12 34", {}, false, false},           {"12 ,50", {}, false, false},
      {"1 23 456", {}, false, false},        {"12,999", "12.999", false, false},
      {"abc", {}, false, false},             {"-", {}, false, false},
      {".", {}, false, false},               {"1e5", {}, false, false},
      {"€ 12 €", {}, false, false}, {"12,50 € TTC", {}, false, false},
      {"douze euros", {}, false, false},
      // Written in full, as older versions and hand edits left them.
      {"30 euros", "30", true, true},        {"4,90 F", "4.90", true, true},
      {"1.234,50", "1234.50", true, true},   {"1.234.567,8 Euro", "1234567.8", true, true},
      {"1.23,50", {}, false, false},         {"12 50", {}, false, false},
      {"1e3", {}, false, false},             {"NaN", {}, false, false},
      {"1234.567,50", {}, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lireMontant(c.texte), c.lu) << c.texte;
    EXPECT_EQ(!refusNombre("Le prix", c.texte, Signe::positif), c.prix) << c.texte;
    EXPECT_EQ(!refusNombre("Le prix", c.texte, Signe::libre), c.supplement) << c.texte;
  }
  EXPECT_EQ(refusNombre("Le taux", " abc ", Signe::libre), "Le taux abc n'est pas un nombre");
  EXPECT_EQ(refusNombre("Le prix", "-5", Signe::positif, "de la variante 2 Poche"),
            "Le prix -5 de la variante 2 Poche ne peut pas être négatif");
  EXPECT_EQ(refusNombre("Le prix", "1O,50", Signe::positif, "de la ligne A1"),
            "Le prix 1O,50 de la ligne A1 n'est pas un nombre");
  EXPECT_EQ(refusNombre("Le prix", "-0,125", Signe::libre, "du choix Tome 1"),
            "Le prix -0,125 du choix Tome 1 a plus de deux décimales");
  EXPECT_EQ(refusNombre("Le taux", "0,152449", Signe::libre, {}, Decimales::libres), std::nullopt);
  // The shop's own currency after the amount.
  EXPECT_EQ(lireMontant("4 € TTC", "€ TTC"), "4");
  EXPECT_EQ(lireMontant("12,50 eur ht", " EUR HT"), "12.50");
  EXPECT_EQ(lireMontant("TTC", "TTC"), std::nullopt);
  // The shop's currency and no other: "FF" in a shop in "F", no franc in a shop in euros.
  const std::tuple<const char*, const char*, std::optional<std::string>> devises[] = {
      {"120 FF", "F", "120"},       {"4,90 FF", "F", "4.90"},      {"FF 10", " F ", "10"},
      {"45 francs", "FRF", "45"},   {"6,55957", "F", "6.55957"},   {"12 €", "F", {}},
      {"12 euros", "FF", {}},       {"45 francs", "€", {}},        {"30 F", "EUR", {}},
      {"12 FF", "€ TTC", {}},       {"F 12", "Euros", {}},         {"30 euros", "€ TTC", "30"},
      {"4 €", "€ TTC", "4"},        {"12 EUR", "€", "12"},         {"12 €", "USD", {}},
      {"12 USD", "USD", "12"},      {"12 FRF", "F", "12"},         {"12 FRF", "€", {}}};
  for (const auto& [texte, devise, lu] : devises)
    EXPECT_EQ(lireMontant(texte, devise), lu) << texte << " / " << devise;
  EXPECT_EQ(refusNombre("Le prix", "30 F", Signe::positif, {}, Decimales::deux, "EUR"),
            "Le prix 30 F n'est pas un nombre");
}

// A stored price as its card shows and sends it: as stored when the order form reads it, the
// number alone otherwise; none when it is no amount or below 0, never another number.
TEST(PrixCarte, PlainPricesAsStoredOthersAsTheirNumber) {
  struct Case {
    const char* prix;
    std::optional<std::string> carte;
  } cases[] = {{"12,50 €", "12,50 €"}, {"18.50", "18.50"}, {"", ""}, {" ", " "},
               {"30 euros", "30"}, {"1.234,50", "1234.50"}, {"1 234,50", "1 234,50"},
               {"1O,50", {}}, {"12,5O", {}}, {"abc", {}}, {"1950-1960", {}}, {"12 50", {}},
               {"1e3", {}}, {"NaN", {}}, {"-5", {}}, {"-5abc", {}}, {"1O,995", {}},
               // Past the cent, rounded on its digits.
               {"12,999", "13.00"}, {"1,005 €", "1.01"}, {"99,995", "100.00"},
               {"1 234,5678", "1234.57"}};
  for (const auto& c : cases) EXPECT_EQ(prixCarte(c.prix), c.carte) << c.prix;
  EXPECT_EQ(prixCarte("4 € TTC", "€ TTC"), "4");
  EXPECT_EQ(prixCarte("120 FF", "F"), "120 FF");
  EXPECT_EQ(prixCarte("45 francs", "EUR"), std::nullopt);
}

// A list's amount and a promotional price as a card takes them: none when no amount.
TEST(PrixCarte, ListAmountsAndPromotions) {
  struct Case {
    const char* texte;
    std::optional<std::string> montant, promotion;
  } cases[] = {{"8,75", "8,75", "8,75"},      {"-2,555", "-2.56", std::nullopt},
               {"rouge", std::nullopt, std::nullopt}, {" 1950-1960", std::nullopt, std::nullopt},
               {"NaN", std::nullopt, std::nullopt},   {"inf", std::nullopt, std::nullopt},
               {"-18.50", "-18.50", std::nullopt},    {"0,004", "0.00", "0.00"},
               {" ", " ", std::nullopt}};
  for (const auto& c : cases) {
    EXPECT_EQ(montantCarte(c.texte), c.montant) << c.texte;
    EXPECT_EQ(promotionCarte(c.texte), c.promotion) << c.texte;
  }
}

TEST(FormaterPrix, Examples) {
  struct Case {
    const char *montant, *attendu;
  } cases[] = {{"1234.5", "1 234,50"},      {"123", "123,00"},
               {"123456", "123 456,00"},    {"1234567.891", "1 234 567,89"},
               {".5", "0,50"},              {"", "0,00"},
               {"1.234.56", "1,23"},        {"12.349", "12,34"},
               {"0.5", "0,50"},             {"-1234.5", "-1 234,50"},
               {"-123.45", "- 123,45"},     {"12,5", "1 2,5,00"},
               {"999999.999", "999 999,99"}, {"1000", "1 000,00"},
               {"12.", "12,00"}};
  for (const auto& c : cases) EXPECT_EQ(formaterPrix(c.montant), c.attendu) << c.montant;
}

TEST(PrixDevise, TwoCurrenciesAndTheirEdges) {
  auto r = prixDevise("100", "EUR", "FF", "0,152449");
  EXPECT_EQ(r.prixPrincipalTexte, "100,00 EUR");
  EXPECT_EQ(platform::trim(r.prixDeviseTexte), "655,96 FF");
  EXPECT_EQ(platform::trim(r.texteCommun), "655,96");

  r = prixDevise("1 234,567", "EUR", "", "0,152449");
  EXPECT_EQ(r.prixPrincipalTexte, "1 234,56 EUR");  // cut, not rounded
  EXPECT_EQ(r.prixDeviseTexte, "");

  r = prixDevise("abc", "EUR", "$", "2");
  EXPECT_EQ(r.prixPrincipalTexte, "0,00 EUR");
  EXPECT_EQ(platform::trim(r.prixDeviseTexte), "0,00 $");

  // The currencies are page text: they can open no tag; an entity stays one.
  r = prixDevise("2", "<script>", "&euro;", "1");
  EXPECT_EQ(r.prixPrincipalTexte, "2,00 &lt;script&gt;");
  EXPECT_EQ(platform::trim(r.prixDeviseTexte), "2,00 &euro;");

  // A rate that is zero, negative or not a number converts nothing, never at rate 1.
  for (const char* taux : {"0", "0,00", "-2", "abc", "", "0,15abc"}) {
    r = prixDevise("10", "EUR", "X", taux);
    EXPECT_EQ(r.prixDeviseTexte, "") << taux;
    EXPECT_EQ(r.prixPrincipalTexte, "10,00 EUR") << taux;
  }
}

// The second currency is computed on digits, an exact half of a cent rounded up, as the order
// form's script does with the same rate.
TEST(PrixDevise, ExactHalvesRoundUp) {
  for (const auto& [prix, taux, attendu] :
       {std::tuple{"0,18", "0,8", "0,23"}, {"0,29", "2", "0,15"}, {"-0,29", "2", "-0,15"},
        {"0,185", "1", "0,19"}, {"1 999,99", "0,8", "2 499,99"}, {"2", "0,30000000000000001", "6,67"}})
    EXPECT_EQ(platform::trim(prixDevise(prix, "EUR", "USD", taux).texteCommun), attendu) << prix;
  // Every cent up to 2 000 at 0,8, against the whole-number computation.
  for (long long c = 0; c <= 200000; ++c)
    ASSERT_EQ(centimesDevise(std::to_string(c), {8, 1}), std::to_string((c * 20 + 8) / 16)) << c;
  EXPECT_EQ(tauxDevise("6,55957")->chiffres, 655957);
  EXPECT_EQ(tauxDevise("0,1500")->decimales, 2);
  EXPECT_EQ(tauxDevise("1e3"), std::nullopt);
}

TEST(NomValide, AcceptsExactlyTheListedCharacters) {
  EXPECT_TRUE(nomValide("robe-rouge_XL"));
  EXPECT_FALSE(nomValide("robe rouge"));
  EXPECT_FALSE(nomValide("été"));
  EXPECT_TRUE(nomValide(""));
  const std::string accepted = "*+-:=_`0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  for (int b = 0; b < 256; ++b) {
    std::string one(1, static_cast<char>(b));
    EXPECT_EQ(nomValide(one), accepted.find(static_cast<char>(b)) != std::string::npos) << b;
  }
}

TEST(CopierFichier, ReplacesOrKeepsAndReportsFailure) {
  testing_support::TempFolder dir;
  dir.write("a.jpg", "A");
  dir.write("b.jpg", "B");
  EXPECT_TRUE(copierFichier(dir / "a.jpg", dir / "b.jpg", false));
  EXPECT_EQ(dir.read("b.jpg"), "A");
  dir.write("c.jpg", "C");
  EXPECT_FALSE(copierFichier(dir / "a.jpg", dir / "c.jpg", true));
  EXPECT_EQ(dir.read("c.jpg"), "C");
  EXPECT_FALSE(copierFichier(dir / "absent.jpg", dir / "d.jpg", false));
}
