// The marketplace upload against a real FTP server on 127.0.0.1 as the marketplace account.

#include "fenetres/publish/transfert.h"

#include "atelier_publication.h"
#include "fenetres/app/fenetre_identite.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

using Noms = std::vector<std::string>;
using test::Atelier;

const std::string kX = "http---www-boutik-test";
const Noms kListes{"images_" + kX + ".txt", "qmulti_" + kX + ".ini", "vibdd_" + kX + ".txt"};
const Noms kTout{"a.pcl", "a.pro", "a.ref", "atailles.txt", "b.ref", kListes[0], kListes[1], kListes[2]};

// Two sheets, a promotion, one sizes file of three text files, a linked list, the options.
void preparer(Atelier& a, int octetsParSeconde = 0) {
  a.marche.emplace(octetsParSeconde, "bdd", "816m09e");
  std::filesystem::create_directories(a.marche->home().path() / "boutik");
  if (a.programme) return;
  for (auto [nom, contenu] : {std::pair{"vibdd.ini", "URL=http://www.boutik.test\r\nurl=non\r\n"},
                              {"a.ref", "reference= A1 \r\nImage= a.jpg\r\n"},
                              {"b.ref", "reference=B2\r\nimage= \r\n"}, {"a.pro", "p"},
                              {"atailles.txt", "S"}, {"bTailles.txt", "L"}, {"notes.txt", "n"},
                              {"tmp/a.pcl", "b"}, {"qmulti.ini", "A1=6\r\n"}})
    a.ecrire(nom, contenu);
  a.demarrer();
  a.sitePubliable();
  a.compte();
}

void publier(Atelier& a, const std::string& page) {
  a.ecrire("ftp/index.htm", page);
  a.lancer();
  a.dialogs.clear();
  a.fenetre().goftp.click();
}

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
  EXPECT_EQ(platform::readFile(distant / kListes[2]),
            "login=boutik\r\nurl=http://www.boutik.test\r\nA1=http://www.boutik.test\r\n"
            "B2=http://www.boutik.test\r\n");
  EXPECT_EQ(platform::readFile(distant / kListes[0]), "http://www.boutik.test/a.jpg\r\n");
  EXPECT_EQ(recus(a), kTout);
  // The lists waited in tmp/ only while they were sent.
  EXPECT_EQ(platform::listFiles(a.chemin("tmp"), "vibdd_*;images_*"), Noms{});

  a.ecrire("b.ref", "reference=B3\r\n");
  publier(a, "2");
  EXPECT_EQ(recus(a), (Noms{"b.ref", kListes[0], kListes[1], kListes[2]}));

  a.fenetre().effacerC.setChecked(true);
  publier(a, "3");
  EXPECT_EQ(recus(a), kTout);
}

// The lists take their names from the shop's address with the shop's own separator.
TEST(Vibdd, ListsAreNamedWithTheShopsSeparator) {
  Atelier a;
  a.ecrire("tarvio.ini", "sepurl=_\r\n");
  preparer(a);
  publier(a, "1");
  const std::string x = "http___www_boutik_test";
  EXPECT_EQ(recus(a), (Noms{"a.pcl", "a.pro", "a.ref", "atailles.txt", "b.ref",
                            "images_" + x + ".txt", "qmulti_" + x + ".ini",
                            "vibdd_" + x + ".txt"}));
}

// The marketplace lost while a sheet goes, or a login leaving its folder: the mirror holds only
// what was sent, and the next publication sends the rest.
TEST(Vibdd, AFailureStopsAndTheNextPublicationSendsTheRest) {
  enum Panne { perdu, login };
  for (Panne panne : {perdu, login}) {
    SCOPED_TRACE(panne);
    Atelier a;
    preparer(a, panne == perdu ? 20000 : 0);
    a.ecrire("b.ref", std::string(60000, 'x'));
    if (panne == perdu)
      a.pendantAttente = [&a] {
        if (a.fenetre().blocM.caption() == "Transfert du fichier : b.ref") a.marche->stop();
      };
    if (panne == login) a.p().ident().identite.login = "../autre";
    publier(a, "1");
    ASSERT_EQ(a.dialogs.messages().size(), 1u);
    EXPECT_NE(a.dialogs.messages()[0].find(panne == login ? "../autre" : "b.ref"), std::string::npos);
    EXPECT_EQ(platform::listFiles(a.chemin("vibdd")), panne == login ? Noms{} : Noms{"a.ref"});

    a.pendantAttente = nullptr;
    a.p().ident().identite.login = "boutik";
    preparer(a);  // the marketplace back, empty
    publier(a, "2");
    Noms reste = kTout;
    if (panne != login) reste.erase(reste.begin() + 2);  // a.ref went through
    EXPECT_EQ(recus(a), reste);
  }
}

}  // namespace
}  // namespace publish
