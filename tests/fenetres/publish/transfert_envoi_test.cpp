// The upload against a real FTP server on 127.0.0.1: what the server receives, what the mirror
// records, the redirect pages, the site map list, and what a failure leaves behind.

#include "fenetres/publish/transfert.h"

#include "atelier_publication.h"
#include "fenetres/publish/fenetre_comparateurs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace publish {
namespace {

using Noms = std::vector<std::string>;
using test::Atelier;

const std::string kUrl = "http://www.boutik.example";
const std::string kDate = " lastmod=2026-03-15\r\n";

std::string page(size_t taille, char c) { return std::string(taille, c); }

void envoyer(Atelier& a) {
  a.dialogs.clear();
  a.fenetre().goftp.click();
}

TEST(Envoi, SendsTickedFilesAndMirrorsThem) {
  Atelier a;
  a.ecrire("ftp/logo.gif", std::string("GIF89a\r\n\x1A\0\xE9\n\r", 13));  // binary transfer
  a.ecrire("ftp/page avec blanc.htm", "p");
  a.ecrire("ftp/deja.htm", "deja");
  a.ecrire("transfert/deja.htm", "deja");
  a.lieuDuCompte("www");
  a.ecrireDistant("www/.keep", "");
  a.demarrer();
  a.sitePubliable();
  a.compte("www");
  a.fenetre().PortTxt.setText("");  // the usual 21, the place recorded
  a.lancer();
  envoyer(a);
  // Without its final "/" the folder is still used.
  EXPECT_EQ(a.dialogs.messages(),
            (Noms{"Le répertoire doit toujour se terminer par /", "Le transfert est terminé"}));
  EXPECT_EQ(a.hotesDemandes, Noms{"ftp.boutik.example:21"});
  for (std::string f : {"logo.gif", "page avec blanc.htm"}) {
    EXPECT_EQ(a.lireDistant("www/" + f), a.lire("ftp/" + f)) << f;
    EXPECT_EQ(a.lire("transfert/" + f), a.lire("ftp/" + f)) << f;
  }
  EXPECT_FALSE(std::filesystem::exists(a.distant("www/deja.htm")));
  EXPECT_EQ(a.lire("ftp/redir.txt").size(), 408u);  // far below the 500 bytes of the redirect rule
  auto& f = a.fenetre();
  EXPECT_TRUE(f.bouton.enabled());
  EXPECT_FALSE(f.FTP1.connected());
  EXPECT_FALSE(a.existe("ftp/sitemap.xml"));  // no base URL, no site map list
  f.modif.click();
  EXPECT_TRUE(a.coches().empty());

  f.BitBtn5.click();
  envoyer(a);
  EXPECT_EQ(a.dialogs.messages().back(), "Aucun fichier à transférer");
  EXPECT_EQ(a.hotesDemandes.size(), 1u);
}

TEST(Envoi, FailuresStopWithAMessageAndRecordOnlyWhatWasSent) {
  struct Cas {
    const char* nom;
    std::function<void(Atelier&)> preparer;
    std::string dansMessage;
    Noms envoyes;
  } cas[] = {
      {"file refused midway", [](Atelier& a) { std::filesystem::create_directories(a.distant("b.htm")); },
       "b.htm", {"a.htm"}},
      {"wrong password", [](Atelier& a) { a.fenetre().PassTxt.setText("faux"); },
       "Connexion impossible au serveur ftp.boutik.example", {}},
      {"login refused for now",
       [](Atelier& a) { a.serveur.emplace(0, "marchand", "secret", testing_support::FtpServerRules{.refuse = "PASS"}); },
       "Connexion refusée pour le moment par le serveur FTP, réessayez plus tard (451", {}},
      {"missing remote folder", [](Atelier& a) { a.fenetre().RepTxt.setText("absent/"); }, "absent/", {}},
      {"port not a number", [](Atelier& a) { a.fenetre().PortTxt.setText("2l"); }, "2l", {}},
      // Taken modulo 2^32 these would reach port 43945 and "1215752191".
      {"port past 32 bits", [](Atelier& a) { a.fenetre().PortTxt.setText("4295011241"); },
       "Le port \"4295011241\" n'est pas un nombre entier de 1 à 65535", {}},
      {"port far too large", [](Atelier& a) { a.fenetre().PortTxt.setText("99999999999"); },
       "Le port \"99999999999\" n'est pas", {}},
      {"port 65536", [](Atelier& a) { a.fenetre().PortTxt.setText("65536"); }, "\"65536\"", {}},
      {"port 0", [](Atelier& a) { a.fenetre().PortTxt.setText("0"); }, "\"0\"", {}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Atelier a;
    for (std::string f : {"a.htm", "b.htm", "c.htm"}) a.ecrire("ftp/" + f, f);
    a.ecrire("transfert/c.htm", "ancienne copie");
    a.lieuDuCompte();  // the copy stands for what this server holds
    a.demarrer();
    a.sitePubliable();
    a.compte();
    c.preparer(a);
    a.lancer();
    envoyer(a);
    ASSERT_EQ(a.dialogs.messages().size(), 1u);
    EXPECT_NE(a.dialogs.messages()[0].find(c.dansMessage), std::string::npos) << a.dialogs.messages()[0];
    EXPECT_TRUE(a.fenetre().bouton.enabled());
    // The next comparison for the account's place proposes exactly what did not get through.
    a.compte();
    a.fenetre().PortTxt.setText("21");
    a.fenetre().modif.click();
    EXPECT_EQ(a.lire("transfert/c.htm"), "ancienne copie");
    Noms restants;
    for (std::string f : {"a.htm", "b.htm", "c.htm"})
      if (std::find(c.envoyes.begin(), c.envoyes.end(), f) == c.envoyes.end()) restants.push_back(f);
    EXPECT_EQ(a.coches(), restants);
  }
}

// A file copied from import/ whose name holds a control byte: reported and skipped, the rest is
// sent, and it is proposed again rather than taken for published.
TEST(Envoi, ANameTheServerCannotTakeIsReportedAndSkipped) {
  Atelier a;
  for (std::string f : {"a.htm", "b\x01.jpg", "c.htm"}) a.ecrire("ftp/" + f, f);
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  ASSERT_EQ(a.coches(), (Noms{"a.htm", "b\x01.jpg", "c.htm"}));
  envoyer(a);
  EXPECT_EQ(a.dialogs.messages(),
            (Noms{"Ces fichiers n'ont pas été transférés : leur nom contient un caractère que le "
                  "serveur ne peut pas recevoir. Renommez-les dans le répertoire import puis "
                  "reconstruisez le site : b?.jpg",
                  "Le transfert est terminé"}));
  EXPECT_EQ(a.lireDistant("a.htm"), "a.htm");
  EXPECT_EQ(a.lireDistant("c.htm"), "c.htm");
  EXPECT_FALSE(a.existe("transfert/b\x01.jpg"));
  a.fenetre().modif.click();
  EXPECT_EQ(a.coches(), Noms{"b\x01.jpg"});
}

TEST(Envoi, ServerLostMidwayKeepsTheSiteMapLinesAndTheNextPublicationSendsTheRest) {
  Atelier a(true, 2 * 1024 * 1024);  // slow enough to watch a file on its way
  for (const char* f : {"a.htm", "b.htm", "c.htm"}) a.ecrire(std::string("ftp/") + f, page(300000, f[0]));
  const std::string ancien = kUrl + "/vieille.htm lastmod=2025-01-01\r\n";
  a.ecrire("kelkoo.ini", "boutik=" + kUrl + "\r\n");
  a.ecrire("ftp/sitemap.xml", ancien);
  a.ecrire("transfert/sitemap.xml", ancien);
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  // Once a.htm is in place on the server (its mirror copy may still be on its way). A kill while
  // the files go would leave the record of the names begun on the disc.
  std::string entames;
  a.pendantAttente = [&] {
    if (entames.empty() && a.existe("tmp/transfert.entames")) entames = a.lire("tmp/transfert.entames");
    if (a.serveur && std::filesystem::exists(a.distant("a.htm"))) a.serveur->stop();
  };
  envoyer(a);
  EXPECT_EQ(entames, "a.htm\r\nb.htm\r\nc.htm\r\nsitemap.xml\r\n");
  ASSERT_EQ(a.dialogs.messages().size(), 1u);
  EXPECT_NE(a.dialogs.messages()[0].find("b.htm"), std::string::npos) << a.dialogs.messages()[0];
  EXPECT_FALSE(a.existe("transfert/b.htm"));
  EXPECT_EQ(a.lire("ftp/sitemap.xml"), kUrl + "/a.htm" + kDate + ancien);

  a.pendantAttente = nullptr;
  a.serveur.reset();
  a.serveur.emplace();
  a.lancer();
  EXPECT_EQ(a.coches(), (Noms{"b.htm", "c.htm", "redir.txt", "sitemap.xml"}));
  a.dialogs.queueAnswer(ui::Answer::No);
  envoyer(a);
  EXPECT_EQ(a.lireDistant("c.htm"), a.lire("ftp/c.htm"));
  EXPECT_EQ(a.lireDistant("sitemap.xml"),
            kUrl + "/b.htm" + kDate + kUrl + "/c.htm" + kDate + kUrl + "/a.htm" + kDate + ancien);
}

TEST(Envoi, APublicationCutShortThenPublishedAgainListsEveryPage) {
  struct Cas {
    const char* nom;
    std::string planSite;  // ftp/sitemap.xml before, "" when none
    Noms coches;
  } cas[] = {
      // Killed after these reached the server: no site map was written.
      {"the first publication", "", {"b.htm", "_R1.php", "a.htm", "ref.html"}},
      // A later one, killed after sending the new pages: they are sent again.
      {"a later publication", kUrl + "/a.htm lastmod=2025-01-01\r\n",
       {"b.htm", "sitemap.xml", "_R1.php", "ref.html"}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Atelier a;
    for (const char* f : {"a.htm", "b.htm", "_R1.php", "ref.html", "logo.gif"})
      a.ecrire(std::string("ftp/") + f, f);
    for (const char* f : {"a.htm", "_R1.php", "ref.html", "logo.gif"})
      a.ecrire(std::string("transfert/") + f, f);
    if (!c.planSite.empty()) a.ecrire("ftp/sitemap.xml", c.planSite);
    a.ecrire("kelkoo.ini", "boutik=" + kUrl + "\r\n");
    a.lieuDuCompte();
    a.demarrer();
    a.sitePubliable();
    a.compte();
    a.lancer();
    EXPECT_EQ(a.coches(), c.coches);
    a.dialogs.queueAnswer(ui::Answer::No);
    envoyer(a);
    Noms urls;
    const platform::LineList plan = platform::LineList::fromText(a.lire("ftp/sitemap.xml"));
    for (const auto& ligne : plan) urls.push_back(ligne.substr(0, ligne.find(' ')));
    std::sort(urls.begin(), urls.end());
    EXPECT_EQ(urls, (Noms{kUrl + "/_R1.php", kUrl + "/a.htm", kUrl + "/b.htm", kUrl + "/ref.html"}));
    // A page the site map already listed keeps its line and is not sent again.
    EXPECT_EQ(a.lire("ftp/sitemap.xml").find(kUrl + "/a.htm lastmod=2025-01-01") != std::string::npos,
              !c.planSite.empty());
  }
}

TEST(Envoi, SiteMapMergedSentMirroredThenComparatorQuestion) {
  Atelier a;
  for (const char* f : {"produits.htm", "cv.htm", "index2.htm", "accueil.htm", "logo.gif", "liste.php"})
    a.ecrire(std::string("ftp/") + f, f);
  a.ecrire("frames.inf", "frames=non\r\n");  // single-page layout: accueil.htm stays out
  a.ecrire("kelkoo.ini", "boutik=" + kUrl + "\r\n");
  a.ecrire("stock.exe", "");
  a.ecrire("ftp/sitemap.xml", kUrl + "/produits.htm lastmod=2025-01-01\r\n" + kUrl +
                                  "/autre.htm lastmod=2025-02-02\r\n" + kUrl + "/cv.htm lastmod=2025-01-01\r\n");
  a.demarrer();
  a.sitePubliable(false);
  a.compte();
  std::filesystem::remove_all(a.chemin("transfert"));  // made again when missing
  a.lancer();
  a.dialogs.queueAnswer(ui::Answer::Yes);
  envoyer(a);
  const std::string attendu =
      kUrl + "/liste.php" + kDate + kUrl + "/produits.htm" + kDate + kUrl + "/autre.htm lastmod=2025-02-02\r\n";
  EXPECT_EQ(a.lire("ftp/sitemap.xml"), attendu);
  EXPECT_EQ(a.lireDistant("sitemap.xml"), attendu);
  EXPECT_EQ(a.lire("transfert/sitemap.xml"), attendu);
  EXPECT_EQ(a.dialogs.messages(),
            (Noms{"Le transfert est terminé. N'OUBLIEZ PAS DE METTRE VOTRE STOCK A JOUR ....",
                  "Mettre à jour la base des comparateurs ?"}));
  EXPECT_FALSE(a.fenetre().visible());
  EXPECT_TRUE(a.p().kelkoo2().visible());
}

TEST(Redirection, ObsoleteLargeHtmPagesGetTheRedirectPage) {
  Atelier a;
  a.ecrire("ftp/garde.htm", "garde");
  a.ecrireDistant("garde.htm", page(2400, 'g'));
  struct Distant {
    const char* distant;
    const char* miroir;
    size_t taille;
    bool redirige;
  } distants[] = {
      {"ancien.htm", "ancien.htm", 2400, true},   {"petit.htm", "petit.htm", 480, false},
      {"ancien.php", "ancien.php", 2400, false},  {"MAJ.HTM", "MAJ.HTM", 2400, true},
      {"casse.htm", "Casse.htm", 2400, false},    {"journal.htm", "journal.htm", 2400, false},
  };
  for (const auto& d : distants) {
    a.ecrireDistant(d.distant, page(d.taille, 'x'));
    a.ecrire(std::string("transfert/") + d.miroir, page(d.taille, 'x'));
  }
  a.ecrire("redir.soc", "journal.htm\r\n");  // left by an upload stopped in this phase
  a.ouvrirAvecRedirection();
  envoyer(a);
  EXPECT_EQ(a.dialogs.messages(), Noms{"Le transfert est terminé"});
  const std::string redir = a.lire("ftp/redir.txt");
  for (const auto& d : distants) EXPECT_EQ(a.lireDistant(d.distant) == redir, d.redirige) << d.distant;
  EXPECT_EQ(a.lireDistant("garde.htm"), "garde");
  EXPECT_FALSE(a.existe("redir.soc"));
  EXPECT_EQ(a.lire("transfert/ancien.htm"), redir);  // the mirror holds what the server has

  // A page that comes back is proposed and sent again, even with its old content.
  a.ecrire("ftp/ancien.htm", page(2400, 'x'));
  a.lancer();
  EXPECT_EQ(a.coches(), (Noms{"ancien.htm", "redir.txt"}));
  envoyer(a);
  EXPECT_EQ(a.lireDistant("ancien.htm"), page(2400, 'x'));
}

// Lines of the listing that cannot be read are told and the others redirected; a listing the
// server refuses stops the publication, which does not say it ended.
TEST(Redirection, UnreadableListingLinesAreCountedAndTheOthersRedirected) {
  for (const bool refusee : {false, true}) {
    SCOPED_TRACE(refusee ? "listing refused" : "a line split in two");
    Atelier a(false);
    a.serveur.emplace(0, "marchand", "secret",
                      testing_support::FtpServerRules{.refuse = refusee ? "LIST" : ""});
    a.ecrire("ftp/a.htm", "a");
    a.ecrire("transfert/ancien.htm", page(2400, 'x'));
    a.ecrireDistant("ancien.htm", page(2400, 'x'));
    a.ecrireDistant("bizarre\nnom.htm", "z");  // splits its listing line in two
    a.lieuDuCompte();
    a.ouvrirAvecRedirection();
    envoyer(a);
    if (refusee) {
      ASSERT_EQ(a.dialogs.messages().size(), 1u);
      EXPECT_TRUE(a.dialogs.messages()[0].starts_with(
          "La liste des fichiers du serveur n'a pas pu être lue"));
      EXPECT_EQ(a.lireDistant("ancien.htm"), page(2400, 'x'));
      continue;
    }
    EXPECT_EQ(a.dialogs.messages(),
              (Noms{"Une ligne de la liste des fichiers du serveur n'a pas pu être lue : la page "
                    "qu'elle nomme n'a pas été redirigée.",
                    "Le transfert est terminé"}));
    EXPECT_EQ(a.lireDistant("ancien.htm"), a.lire("ftp/redir.txt"));
  }
}

// Only the lines the redirection looks at are kept; a listing past the bound is not read to its
// end and nothing is redirected.
TEST(Redirection, TheListingIsReadAsAStreamAndBounded) {
  for (size_t borne : {size_t{1000000}, size_t{5}}) {
    Atelier a;
    a.ecrire("ftp/a.htm", "a");
    a.ecrire("transfert/ancien.htm", page(2400, 'x'));
    a.ecrireDistant("ancien.htm", page(2400, 'x'));
    for (int i = 0; i < 20; ++i) a.ecrireDistant("autre" + std::to_string(i) + ".htm", "z");
    a.ouvrirAvecRedirection();
    a.fenetre().maxLignesListe = borne;
    envoyer(a);
    if (borne == 5) {
      EXPECT_EQ(a.dialogs.messages(), (Noms{"La liste des fichiers du serveur dépasse 5 lignes : aucune "
                                            "page inutile n'a été redirigée.",
                                            "Le transfert est terminé"}));
      EXPECT_EQ(a.lireDistant("ancien.htm"), page(2400, 'x'));
    } else {
      EXPECT_EQ(a.dialogs.messages(), Noms{"Le transfert est terminé"});
      // The mirror's names only: a.htm, just sent, and ancien.htm.
      Noms noms;
      for (const auto& l : a.fenetre().repL.items()) noms.push_back(l.substr(l.rfind(' ') + 1));
      std::sort(noms.begin(), noms.end());
      EXPECT_EQ(noms, (Noms{"a.htm", "ancien.htm"}));
      EXPECT_EQ(a.lireDistant("ancien.htm"), a.lire("ftp/redir.txt"));
    }
    EXPECT_EQ(a.lireDistant("a.htm"), "a");
  }
}

// "Commencer" with nothing ticked: the redirection runs when the server holds a departed page it
// has to replace, and nothing connects otherwise.
TEST(Redirection, NothingTickedRedirectsWhatTheServerStillHolds) {
  struct Cas {
    const char* nom;
    std::string copie;       // the mirror's copy of the departed page ancien.htm, "" for none
    const char* entame;      // a name begun at this place, or none
    bool redirection;        // "Redirectionner les URL inutiles" ticked
    bool redirige;
  } cas[] = {
      {"a departed page sent whole", page(2400, 'x'), nullptr, true, true},
      {"the option unticked", page(2400, 'x'), nullptr, false, false},
      {"a departed page already redirected", page(408, 'r'), nullptr, true, false},
      {"a departed page whose send was begun", "", "ancien.htm", true, true},
      {"a picture whose send was begun", "", "photo.jpg", true, false},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Atelier a;
    a.ecrire("ftp/a.htm", "a");
    a.ecrire("transfert/a.htm", "a");
    if (!c.copie.empty()) a.ecrire("transfert/ancien.htm", c.copie);
    if (c.entame) a.ecrire("tmp/transfert.entames", std::string(c.entame) + "\r\n");
    a.ecrireDistant("ancien.htm", page(2400, 'x'));
    a.ecrireDistant("photo.jpg", page(2400, 'j'));
    a.lieuDuCompte();
    a.ouvrirAvecRedirection();
    a.fenetre().redirC.setChecked(c.redirection);
    a.fenetre().BitBtn5.click();
    envoyer(a);
    EXPECT_EQ(a.dialogs.messages(),
              Noms{c.redirige ? "Le transfert est terminé" : "Aucun fichier à transférer"});
    EXPECT_EQ(a.hotesDemandes.size(), c.redirige ? 1u : 0u);
    EXPECT_EQ(a.lireDistant("ancien.htm") == a.lire("ftp/redir.txt"), c.redirige);
    EXPECT_EQ(a.lireDistant("photo.jpg"), page(2400, 'j'));
  }
}

// A departed page sent whole that the server no longer holds, or holds no larger than the
// redirect page (removed or replaced there by hand): sought once, then "Commencer" with nothing
// ticked connects no more.
TEST(Redirection, ADepartedPageTheServerNoLongerHoldsIsSoughtOnce) {
  for (const std::string distant : {"", "<p>"}) {
    SCOPED_TRACE(distant.empty() ? "not there" : "a small page there");
    Atelier a;
    a.ecrire("ftp/a.htm", "a");
    a.ecrire("transfert/a.htm", "a");
    a.ecrire("transfert/ancien.htm", page(2400, 'x'));
    if (!distant.empty()) a.ecrireDistant("ancien.htm", distant);
    a.lieuDuCompte();
    a.ouvrirAvecRedirection();
    a.fenetre().BitBtn5.click();
    envoyer(a);
    EXPECT_EQ(a.dialogs.messages(), Noms{"Le transfert est terminé"});
    a.hotesDemandes.clear();
    envoyer(a);
    EXPECT_EQ(a.dialogs.messages(), Noms{"Aucun fichier à transférer"});
    EXPECT_TRUE(a.hotesDemandes.empty());
    if (!distant.empty()) {
      EXPECT_EQ(a.lireDistant("ancien.htm"), distant);
    }
  }
}

// The mirror of another place that could not be taken (a file in the way): the list made for the
// place before is not sent to the new one as if it were its own.
TEST(Envoi, AListWhoseMirrorCouldNotBeTakenIsNotSentToAnotherPlace) {
  Atelier a;
  a.ecrire("ftp/a.htm", "a");
  a.ecrire("ftp/b.htm", "b");
  a.ecrire("transfert/a.htm", "a");
  a.ecrireDistant("autre/lisez-moi.txt", "");
  a.lieuDuCompte();
  a.ouvrirAvecRedirection();
  EXPECT_EQ(a.coches(), Noms{"b.htm"});
  a.ecrire("tmp/lieux", "");  // in the way
  a.fenetre().RepTxt.setText("autre/");
  a.dialogs.clear();
  a.fenetre().modif.click();
  EXPECT_EQ(a.dialogs.messages().size(), 1u);
  std::filesystem::remove(a.chemin("tmp/lieux"));
  envoyer(a);
  ASSERT_EQ(a.dialogs.messages().size(), 1u);
  EXPECT_NE(a.dialogs.messages()[0].find("a été refaite pour ce lieu"), std::string::npos);
  EXPECT_EQ(a.coches(), (Noms{"a.htm", "b.htm"}));
  EXPECT_FALSE(std::filesystem::exists(a.distant("autre/b.htm")));
  // Nothing ticked for the first place: the other folder is not told it has nothing to receive.
  a.fenetre().RepTxt.setText("");
  a.fenetre().modif.click();
  a.fenetre().BitBtn5.click();
  a.fenetre().RepTxt.setText("autre/");
  envoyer(a);
  ASSERT_EQ(a.dialogs.messages().size(), 1u);
  EXPECT_NE(a.dialogs.messages()[0].find("a été refaite pour ce lieu"), std::string::npos);
}

// Two accounts of one server published in turn, a product deleted between: each account is sent
// only what changed for it and gets its own departed page redirected; a name begun at one account
// is sought at that one only.
TEST(Redirection, EachPlacePublishedInTurnKeepsWhatItHolds) {
  Atelier a(false);
  a.serveur.emplace(0, "marchand", "secret",
                    testing_support::FtpServerRules{.otherUser = "autre", .otherPassword = "motdepasse"});
  a.ecrire("ftp/liste.htm", "<a href=\"produit.htm\">");
  a.ecrire("ftp/produit.htm", page(2400, 'p'));
  a.ecrire("ftp/redir.txt", "");  // offered now, rewritten before it goes
  a.demarrer();
  a.sitePubliable();
  auto publier = [&](const std::string& user, const std::string& pass) {
    a.compte();
    a.fenetre().UserTxt.setText(user);
    a.fenetre().PassTxt.setText(pass);
    a.lancer();
    a.fenetre().redirC.setChecked(true);
    const Noms offerts = a.coches();
    envoyer(a);
    EXPECT_EQ(a.dialogs.messages(), Noms{"Le transfert est terminé"});
    return offerts;
  };
  EXPECT_EQ(publier("marchand", "secret"), (Noms{"liste.htm", "produit.htm", "redir.txt"}));
  // A send to the first account was cut short; the second holds a page of that name of its own.
  a.ecrire("tmp/transfert.entames", "perso.htm\r\n");
  a.ecrireDistant("perso.htm", "coup");
  a.ecrireDistant("autre/perso.htm", page(2400, 'q'));
  EXPECT_EQ(publier("autre", "motdepasse"), (Noms{"liste.htm", "produit.htm", "redir.txt"}));
  EXPECT_EQ(a.lireDistant("autre/perso.htm"), page(2400, 'q'));

  std::filesystem::remove(a.chemin("ftp/produit.htm"));
  a.ecrire("ftp/liste.htm", "<p>");
  const std::string redir = a.lire("ftp/redir.txt");
  for (const auto& [user, pass, rep] : {std::tuple{"marchand", "secret", ""},
                                        std::tuple{"autre", "motdepasse", "autre/"}}) {
    SCOPED_TRACE(user);
    EXPECT_EQ(publier(user, pass), Noms{"liste.htm"});
    EXPECT_EQ(a.lireDistant(std::string(rep) + "liste.htm"), "<p>");
    EXPECT_EQ(a.lireDistant(std::string(rep) + "produit.htm"), redir);
  }
  EXPECT_EQ(a.lireDistant("perso.htm"), redir);
  EXPECT_EQ(a.lireDistant("autre/perso.htm"), page(2400, 'q'));
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
  Noms joignables;
  a.pendantAttente = [&] {
    if (attentes++ != 0) return;
    for (ui::Control* c : std::initializer_list<ui::Control*>{&f.goftp, &f.BitBtn4, &f.BitBtn5,
                                                              &f.modif, &f.bouton, &f.BitBtn1})
      if (c->reachable()) joignables.push_back(c->name());
    EXPECT_THROW(f.memoFTP.toggle(1), ui::UnreachableControl);  // refused while it runs
    a.main().transfertClick();  // the publishing command again
    f.close();                  // the upload goes on to its end
  };
  envoyer(a);
  EXPECT_GT(attentes, 0);
  EXPECT_EQ(joignables, Noms{});
  EXPECT_EQ(a.dialogs.messages(), Noms{"Le transfert est terminé"});
  EXPECT_EQ(a.lire("transfert/b.htm"), a.lireDistant("b.htm"));
  EXPECT_TRUE(f.goftp.enabled());
}

}  // namespace
}  // namespace publish

namespace publish {
namespace {

TEST(Envoi, RedirectPageLeadsToTheHomePageTheProgramUses) {
  struct Cas {
    const char* frames;
    const char* accueilHTM;  // as the program holds it, whatever accueil.opt last saved
    const char* accueil;
  } cas[] = {{"oui", "oui", "accueil.htm"},
             {"oui", "non", "index.htm"},
             {"non", "oui", "index.htm"},
             {"non", "non", "index.htm"}};
  for (const auto& c : cas) {
    Atelier a(false);
    a.ecrire("ftp/a.htm", "a");
    a.demarrer();
    a.ecrire("accueil.opt", std::string("accueilHTM=") +
                                (std::string(c.accueilHTM) == "oui" ? "non" : "oui") + "\r\n");
    a.main().options.frames = c.frames;
    a.main().accueilHTM = c.accueilHTM;
    a.main().options.options.police_defaut = "Tahoma";
    a.fenetre().goftpClick();  // nothing ticked: the page is written, nothing is sent
    const platform::LineList lignes = platform::LineList::load(a.chemin("ftp/redir.txt"));
    ASSERT_EQ(lignes.size(), 20u);
    EXPECT_EQ(lignes[8], std::string("location.replace(\"index2.php?url_principal=") + c.accueil + "\");")
        << c.frames << " " << c.accueilHTM;
    EXPECT_EQ(lignes[16], "<font face=\"Tahoma\"><b>PAGE D'ACCUEIL</b></font>");
    EXPECT_EQ(a.dialogs.messages(), Noms{"Aucun fichier à transférer"});
  }
}

}  // namespace
}  // namespace publish
