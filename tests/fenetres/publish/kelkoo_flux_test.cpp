// The feed build and its uploads, against a loopback server that stands for every account.

#include <gtest/gtest.h>

#include "atelier_publication.h"
#include "fenetres/publish/fenetre_autres_comparateurs.h"
#include "fenetres/publish/fenetre_comparateurs.h"
#include "support/renommages.h"

namespace publish::test {
namespace {

TEST(KelkooFlux, BuildsAndSendsOrTellsTheFailure) {
  // The account file's password and port; the result message.
  struct Cas {
    const char* pass;
    const char* port;
    std::string message;
  } cas[] = {
      {"k7vRp2", "21", "Fichier comparateur transféré Kelkoo  abc.txt [visible dans le dossier /tmp/]"},
      {"faux", "21", "Connexion impossible au serveur ftp.autre.example"},
      // Would wrap round to port 21 in 32 bits.
      {"k7vRp2", "4294967317",
       "Le port \"4294967317\" de abc.cox n'est pas un nombre entier de 1 à 65535"}};
  for (const auto& [pass, port, message] : cas) {
    Atelier a(false);
    a.serveur.emplace(0, "tarvio", "k7vRp2");
    a.ecrireDistant("www/kelkoo/.garde", "");
    a.ecrire("kelkoo.ini", "boutik=http://b.test\r\n");
    a.ecrire("a.ref", "reference=a\r\ndescription=Pull\r\ncategorie=Mode\r\nprix=20\r\n");
    a.ecrire("abc.cox", std::string("tracking=abc\r\nserveur=ftp.autre.example\r\nutilisateur=tarvio\r\n"
                                    "rep=www\r\nport=") + port + "\r\npass=" + pass + "\r\n");
    a.ecrire("tmp/comp.ini", "");
    a.demarrer();
    Tkelkoo2& k = a.p().kelkoo2();
    k.refL.setItems({"a.ref"});
    k.refL.setChecked(0, true);
    k.webmarchandC.setChecked(false);
    k.goftpClick();
    EXPECT_EQ(a.dialogs.messages().at(0).substr(0, message.size()), message);
    const std::string ligne = "\tMode Pull\t\t20.00\ta\t\tMode\t0\r\n";
    EXPECT_EQ(a.lireDistant("www/kelkoo/boutik.txt"), a.lire("tmp/kelkoo.txt"));
    EXPECT_NE(a.lire("tmp/kelkoo.txt").find("http://b.test/index2.php?track=k&url_principal=" + ligne),
              std::string::npos);
    EXPECT_NE(a.lire("tmp/abc.txt").find("track=abc&url_principal=" + ligne), std::string::npos);
    EXPECT_EQ(std::filesystem::exists(a.distant("www/abc.txt")), message[0] == 'F');
  }
}

TEST(KelkooFlux, MultiShopMergeKeepsTheRowsOfEachListedShop) {
  Atelier a(false);
  a.serveur.emplace(0, kUtilisateurWebmarchand, kMotDePasseWebmarchand);
  const std::string autre = (a.dossier.path() / "b2").string() + "/";
  a.ecrire("kelkoo.ini", "boutik=http://b.test\r\n");
  // "b3/" is relative to the data folder, not to the folder the program was started in.
  a.ecrire("kelkoo.rep", autre + "\r\n\r\n" + autre + "x/\r\nb3/\r\n");
  a.ecrire("b3/tmp/kelkoo.txt", "http://b3.test/k\tT\r\n");
  a.ecrire("b3/tmp/webmarchand.txt", "http://b3.test/p\tT\r\n");
  a.ecrire("b2/tmp/webmarchand.txt", "#country=fr\r\nurl\r\nhttp://b2.test/p\tT\r\n");
  a.ecrire("b2/tmp/kelkoo.txt", "#country=fr\r\n http://b2.test/k\tT\r\nftp://x\r\n");
  a.ecrire("abc.cox", std::string("tracking=abc\r\nserveur=s\r\nport=21\r\nutilisateur=") +
                         kUtilisateurWebmarchand + "\r\npass=" + kMotDePasseWebmarchand + "\r\n");
  a.ecrire("tmp/comp.ini", "");
  a.demarrer();
  Tkelkoo2& k = a.p().kelkoo2();
  k.multiC.show(), k.multiC.setChecked(true), k.kelkooC.setChecked(false);
  k.goftpClick();
  EXPECT_EQ(a.dialogs.messages(),
            (std::vector<std::string>{autre + "x/tmp/kelkoo.txt non trouvé",
                                      autre + "x/tmp/webmarchand.txt non trouvé",
                                      "Base kelkoo webmarchand multiboutiques est prête pour le transfert",
                                      "Fichier comparateur transféré webmarchand webmarchand.example abc.txt "
                                      "[visible dans le dossier /tmp/]"}));
  EXPECT_EQ(a.lire("tmp/kelkoom.txt").substr(a.lire("tmp/kelkoom.txt").find("cotaxe\r\n") + 8),
            " http://b2.test/k\tT\r\nhttp://b3.test/k\tT\r\n");
  EXPECT_EQ(a.lireDistant("boutik.txt"), a.lire("tmp/webmarchandm.txt"));
  EXPECT_NE(a.lire("tmp/webmarchandm.txt")
                .find("D3E\r\nhttp://b2.test/p\tT\r\nhttp://b3.test/p\tT\r\n"),
            std::string::npos);
}

TEST(KelkooFlux, AccountEditorChecksThenWrites) {
  Atelier a(false);
  a.demarrer();
  Tautres_comp& f = a.p().autres_comp();
  f.show();
  f.trackingE.setText(" Abc");
  f.BitBtn1Click();
  f.trackingE.setText(" abc ");
  f.serveurE.setText("ftp.x");
  f.BitBtn1Click();
  f.nomE.setText("Comparo ");
  f.utilisateurE.setText("u");
  f.passE.setText("p");
  testing_support::Renommages renommages;
  f.BitBtn1Click();
  ASSERT_EQ(renommages.liste().size(), 1u);
  EXPECT_EQ(renommages.liste()[0].vers, "abc.cox");
  EXPECT_EQ(renommages.liste()[0].permissions, 0600u);
  EXPECT_EQ(a.dialogs.messages(),
            (std::vector<std::string>{
                "Pour le tracking seules les lettres en minuscule sans accent ni espace sont acceptés",
                "Nom à compléter", "abc enregistré ou modifié"}));
  EXPECT_EQ(a.lire("abc.cox"), "tracking=abc\r\nnom=Comparo\r\nserveur=ftp.x\r\nutilisateur=u\r\n"
                               "rep=\r\nport=21\r\npass=p\r\n");
  EXPECT_EQ(f.coxF.items(), std::vector<std::string>{"abc.cox"});
  // It holds a password: its owner alone reads it.
  EXPECT_EQ(std::filesystem::status(a.chemin("abc.cox")).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

}  // namespace
}  // namespace publish::test
