#include "fenetres/frame/catal_index.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fenetres/app/fiche.h"
#include "support/programme_test.h"
#include "support/temp_folder.h"

using frame::TOptionsCatalogue;
using testing_support::ProgrammeDeTest;

namespace {

const std::string kDefauts =
    platform::LineList{"logo=non", "titre=oui", "titreE=BON DE COMMANDE", "panierE=Votre Commande",
                       "produitsE=Produits", "quantiteE=1", "unique=non", "port=non", "portE=4",
                       "plC=non", "fraispE=Participation frais d'envoi", "numC=non", "pays=oui",
                       "fax=non", "obs=oui", "cb=oui", "crypto=non", "cheque=oui", "cr=non",
                       "crE=Frais \xE0 votre charge", "mandat=non", "autre1=non",
                       "autre1E=A pr\xE9" "ciser", "autre2=non", "autre2E=A pr\xE9" "ciser",
                       "autre3=non", "autre3E=A pr\xE9" "ciser", "observations=non",
                       "observationsE=", "date=oui", "mentionE=Signature :"}
        .text();

// Every value away from its default.
TOptionsCatalogue autresValeurs() {
  return {.logo = true, .titre = false, .titreE = "COMMANDE", .panierE = "Panier",
          .produitsE = "Articles", .quantiteE = "2", .unique = true, .port = true, .portE = "6.5",
          .plC = true, .fraispE = "Envoi", .numC = true, .pays = false, .fax = true, .obs = false,
          .cb = false, .crypto = true, .cheque = false, .cr = true, .crE = "Frais 8 \x80",
          .mandat = true, .autre1 = true, .autre1E = "Virement", .autre2 = true,
          .autre2E = "Esp\xE8" "ces", .autre3 = true, .autre3E = "Bon = cadeau",
          .observations = true, .observationsE = "Livraison sous 8 jours", .date = false,
          .mentionE = "Lu et approuv\xE9"};
}

}  // namespace

TEST(OptionsCatalogue, DefaultsAreWrittenByteForByteInKeyOrderAndEveryValueRoundTrips) {
  testing_support::TempFolder dossier;
  platform::DataFolder donnees(dossier.path());
  TOptionsCatalogue o = autresValeurs();
  EXPECT_FALSE(frame::chargerCatalogue(donnees, o));  // a missing file leaves the values
  EXPECT_EQ(o, autresValeurs());
  frame::sauverCatalogue(donnees, TOptionsCatalogue{});
  EXPECT_EQ(dossier.read("catalogue.opt"), kDefauts);
  frame::sauverCatalogue(donnees, autresValeurs());
  TOptionsCatalogue relu;
  ASSERT_TRUE(frame::chargerCatalogue(donnees, relu));
  EXPECT_EQ(relu, autresValeurs());
  EXPECT_EQ(frame::lignesCatalogue(relu).size(), 31u);
}

TEST(OptionsCatalogue, LoaderRules) {
  struct Cas {
    const char* nom;
    platform::LineList lignes;
    TOptionsCatalogue attendu;
  };
  TOptionsCatalogue seulementPort;
  seulementPort.port = true;
  seulementPort.portE = "7";
  TOptionsCatalogue mention;
  mention.mentionE = "Bon pour accord";
  TOptionsCatalogue premier;
  premier.titreE = "PREMIER";
  TOptionsCatalogue sansPort;
  sansPort.portE = "";
  Cas cas[] = {
      {"only the lines present change", {"port=oui", "portE=7"}, seulementPort},
      {"key case ignored", {"PORT=oui", "PortE=7"}, seulementPort},
      {"box values compared exactly", {"titre=NON", "cb=Non", "logo=1", "pays="}, {}},
      {"text restored", {"mentionE=Bon pour accord"}, mention},
      // An emptied edit is saved empty, which changes nothing at the next load.
      {"empty text keeps the design default", {"mentionE=", "titreE="}, {}},
      // but an emptied shipping amount is one: 0, shown empty.
      {"emptied shipping stays empty", {"portE="}, sansPort},
      {"first line wins", {"titreE=PREMIER", "titreE=SECOND"}, premier},
      {"other names ignored", {"inconnu=oui", "logoC=oui", "clientC=oui"}, {}},
  };
  for (const Cas& c : cas) {
    TOptionsCatalogue o;
    frame::lireCatalogue(c.lignes, o);
    EXPECT_EQ(o, c.attendu) << c.nom;
  }
}

// The shipping charged and named by the build: in the shop's currency, and only when ticked.
TEST(OptionsCatalogue, ShippingReadInTheShopsCurrency) {
  struct Cas {
    bool port;
    const char *portE, *devise, *montant;
    bool nomme;
  } cas[] = {{false, "abc", "EUR", "0", false}, {true, "abc", "EUR", "0", true},
             {true, "4,90 FF", "F", "4,90", false}, {true, "4 F", "EUR", "0", true},
             {true, "4 € TTC", "€ TTC", "4", false}};
  for (const Cas& c : cas) {
    TOptionsCatalogue o;
    o.port = c.port;
    o.portE = c.portE;
    EXPECT_EQ(frame::montantPort(o, c.devise), c.montant) << c.portE;
    EXPECT_EQ(frame::catalogueIllisible(o, c.devise).size(), c.nomme ? 1u : 0u) << c.portE;
  }
}

class FenetreCatalogue : public ::testing::Test {
 protected:
  FenetreCatalogue() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\n");
    t.demarrer();
  }
  frame::Tcatal_ini& catal() { return t.p().catal_ini(); }
  ProgrammeDeTest t;
};

TEST_F(FenetreCatalogue, FailedSaveIsToldAndKeepsTheControlsAndTheWindow) {
  std::filesystem::create_directory(t.dossier / "catalogue.opt");
  catal().show();
  t.dialogs.clear();
  catal().titreE.type("NOUVEAU");
  catal().BitBtn1.click();
  ASSERT_EQ(t.dialogs.messages().size(), 1u);
  EXPECT_TRUE(catal().visible());
  EXPECT_EQ(catal().titreE.text(), "NOUVEAU");
}

TEST_F(FenetreCatalogue, ActivationReloadsTheFileDeactivationAndOkSaveIt) {
  EXPECT_EQ(catal().valeurs(), TOptionsCatalogue{});
  t.p().main().show();
  t.dossier.write("catalogue.opt", "mentionE=Lu et approuv\xE9\r\nport=oui\r\n");
  catal().show();
  EXPECT_EQ(catal().mentionE.text(), "Lu et approuv\xE9");
  EXPECT_TRUE(catal().portC.checked());
  // Leaving the window writes the controls whole, the changes of the user included.
  catal().portE.type("9");
  t.p().main().activate();
  std::string fichier = t.dossier.read("catalogue.opt");
  EXPECT_NE(fichier.find("\r\nport=oui\r\nportE=9\r\n"), std::string::npos);
  EXPECT_NE(fichier.find("\r\nmentionE=Lu et approuv\xE9\r\n"), std::string::npos);
  // Back in the window, the file read again is what the controls show.
  t.dossier.write("catalogue.opt", "portE=12\r\n");
  catal().activate();
  EXPECT_EQ(catal().portE.text(), "12");
  catal().crE.type("Frais offerts");
  catal().BitBtn1.click();
  EXPECT_FALSE(catal().visible());
  EXPECT_NE(t.dossier.read("catalogue.opt").find("\r\ncrE=Frais offerts\r\n"), std::string::npos);
}
