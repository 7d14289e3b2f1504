// The upload against a real FTP server on 127.0.0.1: what the server receives, what the mirror
// records, the redirect pages, the site map list, and what a failure leaves behind.

#include "publish/transfert.h"

#include "atelier_publication.h"
#include "publish/kelkoo3.h"
#include "publish/transfert_regles.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

using test::Atelier;

const std::string kUrl = "http://www.boutik.example";
const std::string kDate = "lastmod=2026-03-15";

// Bytes a text-mode transfer would change.
const std::string kBinaire = std::string("GIF89a\r\n\x1A\0\xE9\n\r", 13);

std::string page(size_t taille, char c) { return std::string(taille, c); }

void envoyer(Atelier& a) {
  a.dialogs.clear();
  a.fenetre().goftp.click();
}

TEST(Envoi, SendsTickedFilesMirrorsThemAndEnds) {
  Atelier a;
  a.ecrire("ftp/index.htm", "<html>accueil</html>\r\n");
  a.ecrire("ftp/logo.gif", kBinaire);
  a.ecrire("ftp/page avec blanc.htm", "p");
  a.ecrire("ftp/deja.htm", "deja");
  a.ecrire("transfert/deja.htm", "deja");
  a.ecrireDistant("www/.keep", "");
  a.demarrer();
  a.sitePubliable();
  a.compte("www/");
  a.lancer();
  envoyer(a);
  EXPECT_EQ(a.dialogs.messages(), std::vector<std::string>{"Le transfert est terminé"});
  EXPECT_EQ(a.hotesDemandes, std::vector<std::string>{"ftp.boutik.example:21"});
  for (const char* f : {"index.htm", "logo.gif", "page avec blanc.htm"}) {
    SCOPED_TRACE(f);
    EXPECT_EQ(a.lireDistant(std::string("www/") + f), a.lire(std::string("ftp/") + f));
    EXPECT_EQ(a.lire(std::string("transfert/") + f), a.lire(std::string("ftp/") + f));
  }
  EXPECT_FALSE(std::filesystem::exists(a.distant("www/deja.htm")));
  EXPECT_FALSE(std::filesystem::exists(a.distant("www/redir.txt")));
  // redir.txt is written first, so it is a site file now but was not ticked.
  EXPECT_EQ(a.lire("ftp/redir.txt").size(), 408u);
  auto& f = a.fenetre();
  EXPECT_TRUE(f.bouton.enabled());
  EXPECT_TRUE(f.goftp.enabled());
  EXPECT_FALSE(f.FTP1.connected());
  EXPECT_EQ(f.Gauge.progress(), 3);
  EXPECT_EQ(f.Label2.caption(), "Transfert du fichier : ");
  EXPECT_FALSE(a.existe("ftp/sitemap.xml"));  // no base URL: no site map list

  // Everything sent is now equal to its mirror copy.
  f.modif.click();
  EXPECT_TRUE(a.coches().empty());
}

TEST(Envoi, NothingTickedAndFolderWithoutSlash) {
  Atelier a;
  a.ecrire("ftp/a.htm", "a");
  a.ecrireDistant("www/.keep", "");
  a.demarrer();
  a.sitePubliable();
  a.compte("www");
  a.lancer();
  a.fenetre().BitBtn5.click();
  envoyer(a);
  EXPECT_EQ(a.dialogs.messages(), (std::vector<std::string>{"Le répertoire doit toujour se terminer par /",
                                                            "Aucun fichier à transférer"}));
  EXPECT_TRUE(a.hotesDemandes.empty());
  EXPECT_TRUE(a.existe("ftp/redir.txt"));

  // Without the final "/" the upload goes on, into that folder.
  a.fenetre().BitBtn4.click();
  envoyer(a);
  EXPECT_EQ(a.dialogs.messages(), (std::vector<std::string>{"Le répertoire doit toujour se terminer par /",
                                                            "Le transfert est terminé"}));
  EXPECT_EQ(a.lireDistant("www/a.htm"), "a");
}

TEST(Envoi, FailuresStopWithAMessageAndRecordOnlyWhatWasSent) {
  struct Cas {
    const char* nom;
    std::function<void(Atelier&)> preparer;
    std::string attenduDansMessage;
    std::vector<std::string> envoyes;  // mirrored and on the server
  } cas[] = {
      {"refused file midway",
       [](Atelier& a) { std::filesystem::create_directories(a.distant("b.htm")); }, "b.htm",
       {"a.htm"}},
      {"wrong password", [](Atelier& a) { a.fenetre().PassTxt.setText("faux"); },
       "Connexion impossible au serveur ftp.boutik.example", {}},
      {"missing remote folder", [](Atelier& a) { a.fenetre().RepTxt.setText("absent/"); },
       "absent/", {}},
      {"port not a number", [](Atelier& a) { a.fenetre().PortTxt.setText("2l"); }, "2l", {}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Atelier a;
    a.ecrire("ftp/a.htm", "a");
    a.ecrire("ftp/b.htm", "b");
    a.ecrire("ftp/c.htm", "c");
    a.ecrire("transfert/c.htm", "ancienne copie");
    a.demarrer();
    a.sitePubliable();
    a.compte();
    a.lancer();
    c.preparer(a);
    envoyer(a);
    auto messages = a.dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(c.attenduDansMessage), std::string::npos) << messages[0];
    for (const char* f : {"a.htm", "b.htm", "c.htm"}) {
      bool envoye = std::find(c.envoyes.begin(), c.envoyes.end(), f) != c.envoyes.end();
      EXPECT_EQ(a.existe(std::string("transfert/") + f) && a.lire(std::string("transfert/") + f) == a.lire(std::string("ftp/") + f), envoye) << f;
    }
    EXPECT_EQ(a.lire("transfert/c.htm"), "ancienne copie");
    EXPECT_TRUE(a.fenetre().bouton.enabled());
    EXPECT_TRUE(a.fenetre().goftp.enabled());
    // The next comparison proposes exactly what did not get through.
    a.fenetre().modif.click();
    std::vector<std::string> attendus;
    for (const char* f : {"a.htm", "b.htm", "c.htm"})
      if (std::find(c.envoyes.begin(), c.envoyes.end(), f) == c.envoyes.end()) attendus.push_back(f);
    EXPECT_EQ(a.coches(), attendus);
  }
}

TEST(Envoi, ServerLostMidwayThenTheNextPublicationSendsTheRest) {
  // A slow server: the first file is on its way long enough to be watched.
  Atelier a(true, 2 * 1024 * 1024);
  for (const char* f : {"a.htm", "b.htm", "c.htm"}) a.ecrire(std::string("ftp/") + f, page(300000, f[0]));
  a.ecrire("kelkoo.ini", "boutik=" + kUrl + "\r\n");
  a.ecrire("ftp/sitemap.xml", kUrl + "/vieille.htm lastmod=2025-01-01\r\n");
  a.ecrire("transfert/sitemap.xml", kUrl + "/vieille.htm lastmod=2025-01-01\r\n");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  // The server goes down once a.htm is recorded as sent.
  a.pendantAttente = [&a] {
    if (a.existe("transfert/a.htm")) a.serveur->stop();
  };
  envoyer(a);
  auto messages = a.dialogs.messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("b.htm"), std::string::npos) << messages[0];
  EXPECT_TRUE(a.existe("transfert/a.htm"));
  EXPECT_FALSE(a.existe("transfert/b.htm"));
  EXPECT_FALSE(a.existe("transfert/c.htm"));
  // The page that got through keeps its site map line, though the list was not sent.
  EXPECT_EQ(a.lire("ftp/sitemap.xml"), kUrl + "/a.htm " + kDate + "\r\n" + kUrl +
                                           "/vieille.htm lastmod=2025-01-01\r\n");
  EXPECT_TRUE(a.fenetre().bouton.enabled());

  // Next publication on a server that answers again.
  a.pendantAttente = nullptr;
  a.serveur.reset();
  a.serveur.emplace();
  a.lancer();
  EXPECT_EQ(a.coches(), (std::vector<std::string>{"b.htm", "c.htm", "redir.txt", "sitemap.xml"}));
  a.dialogs.queueAnswer(ui::Answer::No);
  envoyer(a);
  EXPECT_EQ(a.dialogs.messages().front(), "Le transfert est terminé");
  EXPECT_EQ(a.lireDistant("b.htm"), a.lire("ftp/b.htm"));
  EXPECT_EQ(a.lireDistant("sitemap.xml"),
            kUrl + "/b.htm " + kDate + "\r\n" + kUrl + "/c.htm " + kDate + "\r\n" + kUrl + "/a.htm " +
                kDate + "\r\n" + kUrl + "/vieille.htm lastmod=2025-01-01\r\n");
}

TEST(Envoi, SiteMapMergedSentAndMirrored) {
  Atelier a;
  for (const char* f : {"produits.htm", "cv.htm", "index2.htm", "accueil.htm", "logo.gif", "liste.php"})
    a.ecrire(std::string("ftp/") + f, f);
  a.ecrire("kelkoo.ini", "boutik=" + kUrl + "\r\n");
  a.ecrire("frames.inf", "frames=non\r\n");  // single-page layout: accueil.htm stays out
  a.ecrire("ftp/sitemap.xml", kUrl + "/produits.htm lastmod=2025-01-01\r\n" + kUrl +
                                  "/autre.htm lastmod=2025-02-02\r\n" + kUrl +
                                  "/cv.htm lastmod=2025-01-01\r\n");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  a.ecrire("kelkoo.ini", "boutik=" + kUrl + "\r\n");
  a.dialogs.queueAnswer(ui::Answer::No);
  envoyer(a);
  const std::string attendu = kUrl + "/liste.php " + kDate + "\r\n" + kUrl + "/produits.htm " + kDate +
                              "\r\n" + kUrl + "/autre.htm lastmod=2025-02-02\r\n";
  EXPECT_EQ(a.lire("ftp/sitemap.xml"), attendu);
  EXPECT_EQ(a.lireDistant("sitemap.xml"), attendu);
  EXPECT_EQ(a.lire("transfert/sitemap.xml"), attendu);
  EXPECT_EQ(a.fenetre().Label2.caption(), "Transfert du fichier : sitemap.xml" + std::string(44, ' '));
  EXPECT_EQ(a.dialogs.messages(),
            (std::vector<std::string>{"Le transfert est terminé", "Mettre à jour la base des comparateurs ?"}));
  EXPECT_TRUE(a.fenetre().visible());
}

TEST(Envoi, ComparatorQuestionYesOpensTheFeedEditor) {
  Atelier a;
  a.ecrire("ftp/a.htm", "a");
  a.ecrire("kelkoo.ini", "autre=http://x\r\n");  // asked even without a URL for the login
  a.ecrire("stock.exe", "");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  std::filesystem::remove_all(a.chemin("transfert"));  // the mirror is made again when missing
  a.lancer();
  a.dialogs.queueAnswer(ui::Answer::Yes);
  envoyer(a);
  EXPECT_EQ(a.dialogs.messages(),
            (std::vector<std::string>{"Le transfert est terminé. N'OUBLIEZ PAS DE METTRE VOTRE STOCK A JOUR ....",
                                      "Mettre à jour la base des comparateurs ?"}));
  EXPECT_FALSE(a.fenetre().visible());
  EXPECT_TRUE(a.p().kelkoo2().visible());
  EXPECT_EQ(a.lire("transfert/a.htm"), "a");
}

TEST(Redirection, ObsoleteLargeHtmPagesGetTheRedirectPage) {
  Atelier a;
  a.ecrire("ftp/garde.htm", "garde");
  a.ecrire("transfert/garde.htm", "ancienne garde");
  struct Distant {
    const char* nom;
    size_t taille;
    bool redirige;
  } distants[] = {
      {"ancien.htm", 2400, true},    {"petit.htm", 480, false},   {"ancien.php", 2400, false},
      {"MAJ.HTM", 2400, true},       {"casse.htm", 2400, false},  {"journal.htm", 2400, false},
      {"dossier.htm", 0, false},
  };
  for (const auto& d : distants) {
    if (std::string(d.nom) == "dossier.htm") {
      std::filesystem::create_directories(a.distant(d.nom));
      a.ecrire("transfert/dossier.htm", page(900, 'd'));
      continue;
    }
    a.ecrireDistant(d.nom, page(d.taille, 'x'));
    // Mirror names match remote names only with the same case.
    a.ecrire(std::string("transfert/") + (std::string(d.nom) == "casse.htm" ? "Casse.htm" : d.nom),
             page(d.taille, 'x'));
  }
  a.ecrireDistant("garde.htm", page(2400, 'g'));
  // Already redirected by an upload that stopped during this phase.
  a.ecrire("redir.soc", "journal.htm\r\n");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  a.fenetre().redirC.setChecked(true);
  envoyer(a);
  EXPECT_EQ(a.dialogs.messages(), std::vector<std::string>{"Le transfert est terminé"});
  const std::string redir = a.lire("ftp/redir.txt");
  for (const auto& d : distants) {
    if (std::string(d.nom) == "dossier.htm") continue;
    SCOPED_TRACE(d.nom);
    EXPECT_EQ(a.lireDistant(d.nom) == redir, d.redirige);
  }
  EXPECT_EQ(a.lireDistant("garde.htm"), "garde");
  EXPECT_FALSE(a.existe("redir.soc"));
  EXPECT_FALSE(a.fenetre().repL.items().empty());
  // The mirror holds what the server has now.
  EXPECT_EQ(a.lire("transfert/ancien.htm"), redir);

  // A redirected page is not sent again; a page that comes back is proposed and sent.
  a.ecrire("ftp/ancien.htm", page(2400, 'x'));
  a.lancer();
  EXPECT_EQ(a.coches(), (std::vector<std::string>{"ancien.htm", "redir.txt"}));
  a.fenetre().redirC.setChecked(true);
  envoyer(a);
  EXPECT_EQ(a.lireDistant("ancien.htm"), page(2400, 'x'));
  EXPECT_EQ(a.lireDistant("MAJ.HTM"), redir);
}

TEST(Redirection, JournalIsDroppedEvenWithoutRedirection) {
  Atelier a;
  a.ecrire("ftp/a.htm", "a");
  a.ecrire("redir.soc", "x.htm\r\n");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  envoyer(a);
  EXPECT_FALSE(a.existe("redir.soc"));
}

TEST(Redirection, UnreadableListingIsReportedAndNothingRedirected) {
  Atelier a;
  a.ecrire("ftp/a.htm", "a");
  a.ecrire("transfert/ancien.htm", page(2400, 'x'));
  a.ecrireDistant("ancien.htm", page(2400, 'x'));
  // A name with a line break splits its listing line: the listing can no longer be read.
  a.ecrireDistant("bizarre\nnom.htm", "z");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  a.fenetre().redirC.setChecked(true);
  envoyer(a);
  EXPECT_EQ(a.dialogs.messages(),
            (std::vector<std::string>{"La liste des fichiers du serveur est dans un format inconnu : "
                                      "aucune page inutile n'a été redirigée.",
                                      "Le transfert est terminé"}));
  EXPECT_EQ(a.lireDistant("ancien.htm"), page(2400, 'x'));
  EXPECT_EQ(a.lireDistant("a.htm"), "a");
}

TEST(Envoi, UserActionsDuringTheNetworkWaitCannotDisturbTheUpload) {
  Atelier a(true, 2 * 1024 * 1024);
  for (const char* f : {"a.htm", "b.htm"}) a.ecrire(std::string("ftp/") + f, page(200000, f[0]));
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  auto& f = a.fenetre();
  int attentes = 0;
  std::vector<std::string> joignables;
  a.pendantAttente = [&] {
    if (attentes++ != 0) return;
    for (ui::Control* c : std::initializer_list<ui::Control*>{&f.goftp, &f.BitBtn4, &f.BitBtn5,
                                                              &f.modif, &f.bouton, &f.BitBtn1})
      if (c->reachable()) joignables.push_back(c->name());
    f.memoFTP.toggle(1);   // unticking now changes nothing of this upload
    a.main().transfertClick();  // the publishing command again
    f.close();             // the window closed: the upload goes on to its end
  };
  envoyer(a);
  EXPECT_GT(attentes, 0);
  EXPECT_TRUE(joignables.empty()) << joignables.front();
  EXPECT_EQ(a.dialogs.messages(), std::vector<std::string>{"Le transfert est terminé"});
  EXPECT_EQ(a.lireDistant("b.htm"), a.lire("ftp/b.htm"));
  EXPECT_EQ(a.lire("transfert/b.htm"), a.lire("ftp/b.htm"));
  EXPECT_TRUE(f.goftp.enabled());
}

}  // namespace
}  // namespace publish
