// The marketplace upload against a real FTP server on 127.0.0.1 standing for the marketplace
// account: what it receives on each publication, what the mirror vibdd/ records, and a failure.

#include "publish/transfert.h"

#include "app/ident1.h"
#include "atelier_publication.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace publish {
namespace {

using Noms = std::vector<std::string>;
using test::Atelier;

const std::string kX = "http---www-boutik-test";

// A shop in the marketplace: two sheets, a promotion, three text files of which one is a sizes
// file, a linked-product list and the quantity-multiple options.
void preparer(Atelier& a, int octetsParSeconde = 0) {
  ::setenv("TARVIO_VIBDD_MOT_DE_PASSE", "essai-vibdd", 1);
  a.marche.emplace(octetsParSeconde, "bdd", "essai-vibdd");
  std::filesystem::create_directories(a.marche->home().path() / "boutik");
  a.ecrire("vibdd.ini", "URL=http://www.boutik.test\r\nurl=ignoree\r\n");
  a.ecrire("a.ref", "reference= A1 \r\nImage= a.jpg\r\n");
  a.ecrire("b.ref", "reference=B2\r\nimage= \r\n");
  a.ecrire("a.pro", "prix=1\r\n");
  a.ecrire("atailles.txt", "S\r\nM\r\n");
  a.ecrire("bTailles.txt", "L\r\n");
  a.ecrire("notes.txt", "n\r\n");
  a.ecrire("tmp/a.pcl", "b\r\n");
  a.ecrire("qmulti.ini", "A1=6\r\n");
  a.demarrer();
  a.sitePubliable();
  a.compte();
}

// A publication with one changed site page, so that the site upload runs to its end.
void publier(Atelier& a, const std::string& page) {
  a.ecrire("ftp/index.htm", page);
  a.lancer();
  a.dialogs.clear();
  a.fenetre().goftp.click();
}

// What the marketplace received since the last call, emptied.
Noms recus(Atelier& a) {
  auto dossier = a.marche->home().path() / "boutik";
  Noms noms = platform::listFiles(dossier);
  for (const auto& n : noms) std::filesystem::remove(dossier / n);
  return noms;
}

TEST(Vibdd, SendsWhatChangedThenTheListsAndMirrorsThem) {
  Atelier a;
  preparer(a);
  publier(a, "1");
  EXPECT_EQ(a.dialogs.messages(), (Noms{"vibdd enregistré", "Le transfert est terminé"}));
  const auto distant = a.marche->home().path() / "boutik";
  EXPECT_EQ(platform::readFile(distant / ("vibdd_" + kX + ".txt")),
            "login=boutik\r\nurl=http://www.boutik.test\r\nA1=http://www.boutik.test\r\n"
            "B2=http://www.boutik.test\r\n");
  EXPECT_EQ(platform::readFile(distant / ("images_" + kX + ".txt")), "http://www.boutik.test/a.jpg\r\n");
  EXPECT_EQ(platform::readFile(distant / "a.ref"), a.lire("a.ref"));
  const Noms tout{"a.pcl", "a.pro", "a.ref", "atailles.txt", "b.ref", "images_" + kX + ".txt",
                  "qmulti_" + kX + ".ini", "vibdd_" + kX + ".txt"};
  EXPECT_EQ(recus(a), tout);
  EXPECT_EQ(platform::listFiles(a.chemin("vibdd")), tout);
  EXPECT_FALSE(a.fenetre().FTP1.connected());

  a.ecrire("b.ref", "reference=B3\r\n");
  publier(a, "2");
  EXPECT_EQ(recus(a), (Noms{"b.ref", "images_" + kX + ".txt", "qmulti_" + kX + ".ini",
                            "vibdd_" + kX + ".txt"}));
  EXPECT_NE(a.lire("vibdd/vibdd_" + kX + ".txt").find("B3="), std::string::npos);

  a.fenetre().effacerC.setChecked(true);
  publier(a, "3");
  EXPECT_EQ(recus(a), tout);
}

// The marketplace lost while a sheet goes, or a sheet it refuses: the publication stops with the
// reason, the mirror holds only what was sent, and the next publication sends the rest.
TEST(Vibdd, AFailureMidwayStopsAndTheNextPublicationSendsTheRest) {
  struct Cas {
    const char* nom;
    bool perdu;
  } cas[] = {{"server lost", true}, {"file refused", false}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Atelier a;
    preparer(a, c.perdu ? 20000 : 0);
    a.ecrire("b.ref", "reference=B2\r\n" + std::string(60000, 'x') + "\r\n");
    const auto obstacle = a.marche->home().path() / "boutik" / "b.ref";
    if (c.perdu)
      a.pendantAttente = [&a] {
        if (a.fenetre().blocM.caption() == "Transfert du fichier : b.ref") a.marche->stop();
      };
    else
      std::filesystem::create_directories(obstacle);
    publier(a, "1");
    ASSERT_EQ(a.dialogs.messages().size(), 1u);
    EXPECT_NE(a.dialogs.messages()[0].find("b.ref"), std::string::npos) << a.dialogs.messages()[0];
    EXPECT_EQ(platform::listFiles(a.chemin("vibdd")), Noms{"a.ref"});
    EXPECT_FALSE(a.fenetre().FTP1.connected());

    a.pendantAttente = nullptr;
    if (c.perdu) {
      preparer(a);  // the marketplace back, empty
    } else {
      std::filesystem::remove(obstacle);
      recus(a);
    }
    publier(a, "2");
    EXPECT_EQ(a.dialogs.messages().back(), "Le transfert est terminé");
    EXPECT_EQ(recus(a), (Noms{"a.pcl", "a.pro", "atailles.txt", "b.ref", "images_" + kX + ".txt",
                              "qmulti_" + kX + ".ini", "vibdd_" + kX + ".txt"}));
  }
}

TEST(Vibdd, ALoginThatLeavesItsFolderSendsNothing) {
  Atelier a;
  preparer(a);
  a.p().ident().identite.login = "../autre";
  publier(a, "1");
  EXPECT_EQ(a.dialogs.messages(),
            Noms{"Le login de la boutique \"../autre\" ne peut pas nommer un répertoire du serveur "
                 "VIBDD : rien n'y a été transféré."});
  EXPECT_TRUE(platform::listFiles(a.chemin("vibdd")).empty());
}

}  // namespace
}  // namespace publish
