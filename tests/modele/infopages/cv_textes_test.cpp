#include "modele/infopages/cv_textes.h"

#include <gtest/gtest.h>

using infopages::EntreesTexteConditions;
using infopages::texteParDefaut;

namespace {

EntreesTexteConditions exemple() {
  EntreesTexteConditions e;
  e.identite.nomE = "Au Bon Th\xE9";
  e.identite.rue = "2 rue Haute";
  e.identite.codepostal = "75001";
  e.identite.pays = "France";
  e.identite.email = "contact@bonthe.example";
  e.identite.login = "bonthe";
  e.denomination = "Au Bon Th\xE9 SARL";
  e.produits = "th\xE9s et tisanes";
  e.livraison = "frais de port";
  e.delai = "3 \xE0 5 jours ouvrables";
  e.moyen = "Colissimo";
  e.livraisonYES = true;
  e.cheque = true;
  e.adressePaiement = "https://paiement.example/cgi/secur.php";
  return e;
}

// The lines joined by CR LF, as the section's file holds them.
std::string texte(std::string_view rubrique, const EntreesTexteConditions& e) {
  return texteParDefaut(rubrique, e).text();
}

}  // namespace

// Bytes written out: the accents must be Windows-1252 and the headings ASCII upper case.
TEST(TexteConditions, BuiltInSections_ExactBytes) {
  EntreesTexteConditions e = exemple();
  struct Cas {
    const char* rubrique;
    std::string attendu;
  };
  const Cas cas[] = {
      {"Titre", "Conditions g\xE9n\xE9rales de vente\r\n"},
      {"Catalogue",
       "CATALOGUE DES TH\xE9S ET TISANES :\r\n"
       "Au Bon Th\xE9 SARL situ\xE9 2 rue Haute 75001 France propose la vente de\r\n"
       "th\xE9s et tisanes \xE0 partir d'un catalogue accessible sur Internet.\r\n"},
      {"Bulle", "3 \xE0 5 jours ouvrables par Colissimo\r\nsauf rupture de stock\r\n"},
      {"Frais", "FRAIS DE PORT :\r\n"},
      {"Litiges", "LITIGES :\r\nEn cas de litige, les tribunaux fran\xE7" "ais sont seuls comp\xE9tents.\r\n"},
      {"Emballage", ""},
  };
  for (const Cas& c : cas) EXPECT_EQ(texte(c.rubrique, e), c.attendu) << c.rubrique;
  EXPECT_EQ(texteParDefaut("Retours", e)[0], "RETOUR ET RETRACTATION :");
  EXPECT_EQ(texteParDefaut("Info", e)[3],
            "Au Bon Th\xE9 2 rue Haute 75001 France ou \xE0 <a href=\"mailto:contact@bonthe.example\">"
            "contact@bonthe.example</a>.");
}

TEST(TexteConditions, SiretAndDeliveryChargeLines) {
  EntreesTexteConditions e = exemple();
  e.identite.siret = "123 456";
  EXPECT_EQ(texteParDefaut("Catalogue", e)[1],
            "Au Bon Th\xE9 SARL situ\xE9 2 rue Haute 75001 France SIRET 123 456 propose la vente de");
  EXPECT_EQ(texteParDefaut("Prix", e).size(), 6u);
  e.livraisonYES = false;
  EXPECT_EQ(texteParDefaut("Prix", e).size(), 3u);
}

TEST(TexteConditions, Payment_OneLinePerTickedMeansInOrder) {
  EntreesTexteConditions e = exemple();
  const platform::LineList cheque = texteParDefaut("Paiement", e);
  ASSERT_EQ(cheque.size(), 7u);
  EXPECT_EQ(cheque[1], "Le paiement des th\xE9s et tisanes peut s'effectuer par ");
  EXPECT_EQ(cheque[2], "ch\xE8que bancaire \xE0 l'ordre de Au Bon Th\xE9, ");
  EXPECT_EQ(cheque[3], "sous r\xE9serve de toutes les v\xE9rifications n\xE9" "cessaires.");

  // The shop's name is a value of the link's query: "&" cannot start another one.
  e.identite.nomE = "Th\xE9 & Co";
  e.cb = e.cc = e.mandat = e.cr = true;
  const platform::LineList tous = texteParDefaut("Paiement", e);
  ASSERT_EQ(tous.size(), 11u);
  EXPECT_EQ(tous[2],
            "<a href=\"https://paiement.example/cgi/secur.php?login=bonthe&boutique=Th\xE9 %26 Co"
            "&frame=oui\" target=\"principal\">carte bancaire \xE0 la commande en mode s\xE9" "curit\xE9</a>, ");
  EXPECT_EQ(tous[5], "mandat postal \xE0 l'ordre de Th\xE9 & Co, ");
  EXPECT_EQ(tous[6], "en contre-remboursement, les frais \xE9tant \xE0 votre charge, ");
}
