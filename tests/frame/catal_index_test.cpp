#include "frame/catal_index.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/fiche.h"
#include "support/programme_test.h"
#include "support/temp_folder.h"

using frame::TOptionsCatalogue;
using testing_support::ProgrammeDeTest;

namespace {

const char* const kDefauts =
    "logo=non\r\n"
    "titre=oui\r\n"
    "titreE=BON DE COMMANDE\r\n"
    "panierE=Votre Commande\r\n"
    "produitsE=Produits\r\n"
    "quantiteE=1\r\n"
    "unique=non\r\n"
    "port=non\r\n"
    "portE=4\r\n"
    "plC=non\r\n"
    "fraispE=Participation frais d'envoi\r\n"
    "numC=non\r\n"
    "pays=oui\r\n"
    "fax=non\r\n"
    "obs=oui\r\n"
    "cb=oui\r\n"
    "crypto=non\r\n"
    "cheque=oui\r\n"
    "cr=non\r\n"
    "crE=Frais \xE0 votre charge\r\n"
    "mandat=non\r\n"
    "autre1=non\r\n"
    "autre1E=A pr\xE9" "ciser\r\n"
    "autre2=non\r\n"
    "autre2E=A pr\xE9" "ciser\r\n"
    "autre3=non\r\n"
    "autre3E=A pr\xE9" "ciser\r\n"
    "observations=non\r\n"
    "observationsE=\r\n"
    "date=oui\r\n"
    "mentionE=Signature :\r\n";

// Every value away from its default.
TOptionsCatalogue autresValeurs() {
  TOptionsCatalogue o;
  o.logo = true;
  o.titre = false;
  o.titreE = "COMMANDE";
  o.panierE = "Panier";
  o.produitsE = "Articles";
  o.quantiteE = "2";
  o.unique = true;
  o.port = true;
  o.portE = "6.5";
  o.plC = true;
  o.fraispE = "Envoi";
  o.numC = true;
  o.pays = false;
  o.fax = true;
  o.obs = false;
  o.cb = false;
  o.crypto = true;
  o.cheque = false;
  o.cr = true;
  o.crE = "Frais 8 \x80";
  o.mandat = true;
  o.autre1 = true;
  o.autre1E = "Virement";
  o.autre2 = true;
  o.autre2E = "Esp\xE8" "ces";
  o.autre3 = true;
  o.autre3E = "Bon = cadeau";
  o.observations = true;
  o.observationsE = "Livraison sous 8 jours";
  o.date = false;
  o.mentionE = "Lu et approuv\xE9";
  return o;
}

}  // namespace

TEST(OptionsCatalogue, DefaultsAreWrittenByteForByteInKeyOrder) {
  testing_support::TempFolder dossier;
  frame::sauverCatalogue(platform::DataFolder(dossier.path()), TOptionsCatalogue{});
  EXPECT_EQ(dossier.read("catalogue.opt"), kDefauts);
}

TEST(OptionsCatalogue, RoundTripKeepsEveryValue) {
  testing_support::TempFolder dossier;
  platform::DataFolder donnees(dossier.path());
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
  Cas cas[] = {
      {"only the lines present change", {"port=oui", "portE=7"}, seulementPort},
      {"key case ignored", {"PORT=oui", "PortE=7"}, seulementPort},
      {"box values compared exactly", {"titre=NON", "cb=Non", "logo=1", "pays="}, {}},
      {"text restored", {"mentionE=Bon pour accord"}, mention},
      // An emptied edit is saved empty, which changes nothing at the next load.
      {"empty text keeps the design default", {"mentionE=", "titreE="}, {}},
      {"first line wins", {"titreE=PREMIER", "titreE=SECOND"}, premier},
      {"other names ignored", {"inconnu=oui", "logoC=oui", "clientC=oui"}, {}},
  };
  for (const Cas& c : cas) {
    TOptionsCatalogue o;
    frame::lireCatalogue(c.lignes, o);
    EXPECT_EQ(o, c.attendu) << c.nom;
  }
}

TEST(OptionsCatalogue, MissingFileLeavesTheValues) {
  testing_support::TempFolder dossier;
  TOptionsCatalogue o = autresValeurs();
  EXPECT_FALSE(frame::chargerCatalogue(platform::DataFolder(dossier.path()), o));
  EXPECT_EQ(o, autresValeurs());
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

TEST_F(FenetreCatalogue, ControlsStartWithTheDesignDefaults) {
  EXPECT_EQ(catal().valeurs(), TOptionsCatalogue{});
  EXPECT_EQ(catal().caption(), "Catalogue hors ligne");
  EXPECT_TRUE(catal().paysC.checked());
  EXPECT_EQ(catal().clientC.parent(), &catal().identificationG);
  EXPECT_EQ(catal().autre1C.caption(), "Autre ");
}

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

TEST_F(FenetreCatalogue, EveryCaptionOfTheWindow) {
  std::vector<std::string> legendes;
  for (const ui::Control* c : catal().controls())
    if (!c->caption().empty()) legendes.push_back(c->caption());
  EXPECT_EQ(legendes,
            (std::vector<std::string>{
                "CATALOGUE HORS LIGNE ELEMENTS DU BON DE COMMANDE", "Logo", "Titre",
                "Titre du panier", "D\xE9nomination", "Quantit\xE9", "Unique", "Frais de port",
                "Libre", "Identification Client", "N\xB0 Client", "Pays", "Fax", "Observations",
                "Paiement Clients", "Cartes Bancaires", "Cryptogramme", "Ch\xE8que",
                "Contre remboursement", "Mandat Postal", "Autre ", "Autre", "Autre",
                "Observations", "Date", "Mention", "OK"}));
}
