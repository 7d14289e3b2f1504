// A publication cut off at each file in turn, against a real FTP server on 127.0.0.1: the live
// site keeps whole files only, and no live page names a file the server does not have.

#include "fenetres/publish/transfert.h"

#include "atelier_publication.h"
#include "modele/publish/transfert_ordre.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <set>

namespace publish {
namespace {

using test::Atelier;

// A file of about 200 KB, naming the files given.
std::string fichier(const std::vector<std::string>& liens, char remplissage) {
  std::string texte = "<html>";
  for (const auto& l : liens) texte += "<a href=\"" + l + "\">" + l + "</a>";
  return texte + "<!--" + std::string(200000, remplissage) + "--></html>";
}

// A site published before (its mirror and the server hold `avant`), now built as `site`, ready to
// be published again to the account's folder www/.
void publieAvant(Atelier& a, const std::map<std::string, std::string>& avant,
                 const std::map<std::string, std::string>& site) {
  for (const auto& [nom, contenu] : avant) {
    a.ecrire("transfert/" + nom, contenu);
    a.ecrireDistant("www/" + nom, contenu);
  }
  for (const auto& [nom, contenu] : site) a.ecrire("ftp/" + nom, contenu);
  a.demarrer();
  a.sitePubliable();
  a.compte("www/");
}

// The server comes back up with the files it held, under these rules.
void relancer(Atelier& a, const testing_support::FtpServer::Rules& regles = {}) {
  std::map<std::string, std::string> fichiers;
  for (const auto& e : std::filesystem::recursive_directory_iterator(a.distant("")))
    if (e.is_regular_file())
      fichiers[std::filesystem::relative(e.path(), a.distant("")).string()] = a.lireDistant(
          std::filesystem::relative(e.path(), a.distant("")).string());
  a.serveur.emplace(0, "marchand", "secret", regles);
  for (const auto& [nom, contenu] : fichiers) a.ecrireDistant(nom, contenu);
}

// The publishing command with the redirection ticked, then "Commencer le transfert".
void publier(Atelier& a) {
  a.lancer();
  a.fenetre().redirC.setChecked(true);
  a.dialogs.clear();
  a.fenetre().goftp.click();
}

// The program started on the folder written, the account's place `lieu` recorded or none; a
// publication that fails; the server back up with its files under `regles`; the next publication,
// which ends.
void echecPuisReprise(Atelier& a, bool lieu, const testing_support::FtpServer::Rules& regles = {},
                      const std::function<void()>& entreDeux = {}) {
  a.demarrer();
  a.sitePubliable();
  a.compte();
  if (lieu) a.lieuDuCompte();
  publier(a);
  ASSERT_FALSE(a.dialogs.messages().empty());
  EXPECT_NE(a.dialogs.messages().back(), "Le transfert est terminé");
  if (entreDeux) entreDeux();
  relancer(a, regles);
  publier(a);
  EXPECT_EQ(a.dialogs.messages().back(), "Le transfert est terminé");
}

TEST(Coupure, NoLiveFileTruncatedAndNoLivePageNamingAFileNotYetSent) {
  // The site online: an index, a category page, a product and its picture.
  const std::map<std::string, std::string> avant = {
      {"index.htm", fichier({"cat.htm"}, 'a')},
      {"cat.htm", fichier({"p1.htm"}, 'a')},
      {"p1.htm", fichier({"img1.jpg"}, 'a')},
      {"img1.jpg", fichier({}, 'a')},
  };
  // The new site: two new products with their pictures, a page of new products, the category
  // and the index naming them.
  std::map<std::string, std::string> apres = avant;
  apres["cat.htm"] = fichier({"index.htm", "p1.htm", "p2.htm", "p3.htm"}, 'b');
  apres["p2.htm"] = fichier({"img2.jpg", "cat.htm", "index.htm"}, 'b');
  apres["p3.htm"] = fichier({"img3.jpg"}, 'b');
  apres["img2.jpg"] = fichier({}, 'b');
  apres["img3.jpg"] = fichier({}, 'b');
  apres["nouveautes.htm"] = fichier({"p2.htm", "p3.htm", "index.htm"}, 'b');
  apres["index.htm"] = fichier({"cat.htm", "nouveautes.htm"}, 'b');
  const size_t aEnvoyer = 7;

  // Every file is about the same size: the server's byte count falls half way into the file
  // numbered `coupure`, whatever the order they go in.
  const size_t taille = apres.at("img2.jpg").size();
  for (size_t coupure = 1; coupure <= aEnvoyer; ++coupure) {
    SCOPED_TRACE("cut off during file " + std::to_string(coupure));
    Atelier a(false);
    testing_support::FtpServer::Rules coupe;
    coupe.dieAfterBytes = static_cast<long long>((coupure - 1) * taille + taille / 2);
    a.serveur.emplace(0, "marchand", "secret", coupe);
    publieAvant(a, avant, apres);
    a.lancer();
    a.dialogs.clear();
    a.fenetre().goftp.click();
    ASSERT_FALSE(a.dialogs.messages().empty());
    EXPECT_NE(a.dialogs.messages().back(), "Le transfert est terminé");

    std::set<std::string> enLigne;
    for (const auto& e : std::filesystem::directory_iterator(a.distant("www")))
      if (!e.path().filename().string().starts_with(".")) enLigne.insert(e.path().filename().string());
    for (const auto& nom : enLigne) {
      const std::string contenu = a.lireDistant("www/" + nom);
      const bool entier = contenu == apres[nom] || (avant.count(nom) && contenu == avant.at(nom)) ||
                          nom == "redir.txt";
      EXPECT_TRUE(entier) << nom << " is " << contenu.size() << " bytes";
      static const std::regex lien("href=\"([^\"]+)\"");
      for (std::sregex_iterator l(contenu.begin(), contenu.end(), lien), fin; l != fin; ++l)
        EXPECT_TRUE(enLigne.count((*l)[1])) << nom << " names " << (*l)[1] << ", not on the server";
    }
  }
}

// A first publication of the demo shop whose server refuses a list page (a folder stands in its
// way): no page the server then holds links to a page of the site it lacks, the entry pages
// aside (they go last). A page the folder already held, sent before the refusal, stays there,
// though the server refuses to list the folder.
TEST(Coupure, AListPageRefusedAtAFirstPublicationIsLinkedByNoPageSent) {
  const char* source = std::getenv("TARVIO_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  const struct {
    const char* nom;
    bool dejaLa;
    const char* refuse;
  } cas[] = {{"an empty folder", false, ""},
             {"a list page already there", true, ""},
             {"a list page already there, the listing refused", true, "LIST"}};
  for (const auto [nom, dejaLa, refuse] : cas) {
    SCOPED_TRACE(nom);
    Atelier a(false);
    a.serveur.emplace(0, "marchand", "secret", testing_support::FtpServer::Rules{.refuse = refuse});
    std::filesystem::copy(std::filesystem::path(source) / "demo", a.chemin(""),
                          std::filesystem::copy_options::recursive);
    std::filesystem::create_directories(a.distant("vaisselle-bols-0.htm"));
    if (dejaLa) a.ecrireDistant("infusions-fruits-0.htm", "ancienne");
    a.demarrer();
    a.main().liste_fiches.clickItem(a.main().liste_fiches.indexOf("BOL01.ref"));
    a.main().html.click();
    a.main().titreE.setText("Terre et Feuilles");
    a.main().descriptionM.setLines({"Vaisselle et infusions"});
    a.compte();
    a.lancer();
    a.dialogs.clear();
    a.fenetre().goftp.click();
    ASSERT_EQ(a.dialogs.messages().size(), 1u);
    EXPECT_NE(a.dialogs.messages()[0].find("vaisselle-bols-0.htm"), std::string::npos)
        << a.dialogs.messages()[0];
    if (dejaLa) {
      EXPECT_TRUE(std::filesystem::exists(a.distant("infusions-fruits-0.htm")));
      continue;
    }
    std::set<std::string> enLigne;
    for (const auto& e : std::filesystem::directory_iterator(a.distant("")))
      if (e.is_regular_file() && !e.path().filename().string().starts_with("."))
        enLigne.insert(e.path().filename().string());  // a name begun with "." is not live
    EXPECT_FALSE(enLigne.empty());
    static const std::regex lien("(?:href|url_principal)=[\"']?([^\"' >#?&]+)", std::regex::icase);
    for (const auto& nom : enLigne) {
      const std::string contenu = a.lireDistant(nom);
      for (std::sregex_iterator l(contenu.begin(), contenu.end(), lien), fin; l != fin; ++l) {
        const std::string cible = (*l)[1];
        if (a.existe("ftp/" + cible) && !pageEntree(cible)) {
          EXPECT_TRUE(enLigne.count(cible)) << nom << " links to " << cible << ", not on the server";
        }
      }
    }
  }
}

// Pages naming each other, the last refused: those sent are taken back, each of them, though the
// server refuses to delete one.
TEST(Coupure, EveryPageOfACircleCutShortIsTakenBackThoughOneDeletionIsRefused) {
  Atelier a(false);
  a.serveur.emplace(0, "marchand", "secret", testing_support::FtpServer::Rules{.refuse = "DELE b.htm"});
  a.ecrire("ftp/a.htm", "<a href=\"b.htm\"><a href=\"c.htm\"><a href=\"d.htm\">");
  for (const char* nom : {"b.htm", "c.htm", "d.htm"}) a.ecrire(std::string("ftp/") + nom, "<a href=\"a.htm\">");
  std::filesystem::create_directories(a.distant("d.htm"));
  a.ouvrirAvecRedirection();
  a.dialogs.clear();
  a.fenetre().goftp.click();
  ASSERT_EQ(a.dialogs.messages().size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(a.distant("b.htm")));
  EXPECT_FALSE(std::filesystem::exists(a.distant("c.htm")));
  for (const char* nom : {"b.htm", "c.htm"}) EXPECT_FALSE(a.existe(std::string("transfert/") + nom)) << nom;
}

// Files already online sent again with "Tous" and cut short: whatever the server was left
// holding, the next publication offers every file it does not hold whole, and once they are
// sent, nothing.
TEST(Coupure, AFileCutShortIsOfferedAgainUntilTheServerHoldsItWhole) {
  const std::map<std::string, std::string> avant = {
      {"a.htm", fichier({}, 'a')}, {"b.htm", fichier({}, 'b')}, {"c.htm", fichier({}, 'c')}};
  const long long taille = static_cast<long long>(avant.at("a.htm").size());
  struct Cas {
    const char* nom;
    testing_support::FtpServer::Rules regles;
    const char* change;  // a file changed since, or none
    bool nomsTemporaires;  // the live files stay whole
  } cas[] = {
      {"dot names refused, cut in the second file",
       {.noDotNames = true, .dieAfterBytes = taille * 3 / 2}, nullptr, false},
      {"renames onto a free name only, killed after the first delete",
       {.renames = "free", .dieAt = "DELE"}, nullptr, false},
      {"temporary names, a changed file cut", {.dieAfterBytes = taille / 2}, "b.htm", true},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Atelier a(false);
    a.serveur.emplace(0, "marchand", "secret", c.regles);
    std::map<std::string, std::string> site = avant;
    if (c.change) site[c.change] = fichier({}, 'x');
    publieAvant(a, avant, site);
    a.lieuDuCompte("www/");
    a.lancer();
    a.fenetre().BitBtn4.click();
    a.dialogs.clear();
    a.fenetre().goftp.click();
    ASSERT_FALSE(a.dialogs.messages().empty());
    EXPECT_NE(a.dialogs.messages().back(), "Le transfert est terminé");

    std::map<std::string, std::string> enLigne;
    std::set<std::string> abimes;  // not held whole
    for (const auto& [nom, contenu] : site) {
      if (std::filesystem::exists(a.distant("www/" + nom)))
        enLigne[nom] = a.lireDistant("www/" + nom);
      if (!enLigne.count(nom) || enLigne[nom] != contenu) abimes.insert(nom);
      const bool entier =
          enLigne.count(nom) && (enLigne[nom] == contenu || enLigne[nom] == avant.at(nom));
      EXPECT_TRUE(entier || !c.nomsTemporaires) << nom;
    }
    EXPECT_FALSE(abimes.empty());
    a.lancer();
    const std::vector<std::string> offerts = a.coches();
    for (const auto& nom : abimes)
      EXPECT_NE(std::find(offerts.begin(), offerts.end(), nom), offerts.end()) << nom;

    // The same folder on a server that stays up.
    a.serveur.emplace();
    for (const auto& [nom, contenu] : enLigne) a.ecrireDistant("www/" + nom, contenu);
    a.dialogs.clear();
    a.fenetre().goftp.click();
    ASSERT_FALSE(a.dialogs.messages().empty());
    EXPECT_EQ(a.dialogs.messages().back(), "Le transfert est terminé");
    for (const auto& [nom, contenu] : site)
      EXPECT_TRUE(a.lireDistant("www/" + nom) == contenu) << nom;
    a.lancer();
    EXPECT_TRUE(a.coches().empty());
  }
}

// A page changed, the site map sent again as it was and cut short on a server that refuses dot
// names: the site map is offered again.
TEST(Coupure, ASiteMapSentAgainAndCutShortIsOfferedAgain) {
  const std::string plan = "http://www.boutik.example/p.htm lastmod=2026-03-15\r\n";
  Atelier a(false);
  a.serveur.emplace(0, "marchand", "secret",
                    testing_support::FtpServer::Rules{.noDotNames = true, .dieAfterBytes = 24});
  a.ecrire("kelkoo.ini", "boutik=http://www.boutik.example\r\n");
  for (const char* dossier : {"ftp/", "transfert/"}) {
    a.ecrire(std::string(dossier) + "p.htm", dossier);
    a.ecrire(std::string(dossier) + "sitemap.xml", plan);
  }
  a.ecrireDistant("sitemap.xml", plan);
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lieuDuCompte();
  a.lancer();
  a.fenetre().goftp.click();
  EXPECT_EQ(a.lireDistant("p.htm"), "ftp/");
  EXPECT_NE(a.lireDistant("sitemap.xml"), plan);
  a.lancer();
  const std::vector<std::string> offerts = a.coches();
  EXPECT_NE(std::find(offerts.begin(), offerts.end(), "sitemap.xml"), offerts.end());
}

// An obsolete page whose redirection was cut short on a server that refuses dot names: the page
// is offered when it comes back with its old bytes.
TEST(Coupure, APageWhoseRedirectionWasCutShortIsOfferedWhenItComesBack) {
  const std::string ancienne(2400, 'x');
  Atelier a(false);
  a.serveur.emplace(0, "marchand", "secret",
                    testing_support::FtpServer::Rules{.noDotNames = true, .dieAfterBytes = 100});
  a.ecrire("ftp/a.htm", "a");
  a.ecrire("transfert/ancien.htm", ancienne);
  a.ecrireDistant("ancien.htm", ancienne);
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lieuDuCompte();
  a.lancer();
  a.fenetre().redirC.setChecked(true);
  a.fenetre().goftp.click();
  EXPECT_NE(a.lireDistant("ancien.htm"), ancienne);
  a.ecrire("ftp/ancien.htm", ancienne);
  a.lancer();
  const std::vector<std::string> offerts = a.coches();
  EXPECT_NE(std::find(offerts.begin(), offerts.end(), "ancien.htm"), offerts.end());
}

// A page whose send failed, then no longer built, is redirected all the same: the server refused
// it, or took it while its mirror copy could not be written.
TEST(Coupure, APageWhoseSendFailedIsRedirectedOnceItLeavesTheSite) {
  const std::string ancienne(2400, 'x');
  for (const bool copieImpossible : {false, true}) {
    SCOPED_TRACE(copieImpossible ? "mirror copy not written" : "send refused");
    Atelier a(false);
    a.serveur.emplace(0, "marchand", "secret",
                      testing_support::FtpServer::Rules{.refuse = copieImpossible ? "" : "STOR tasses.htm"});
    a.ecrire("ftp/a.htm", "a");
    a.ecrire("ftp/tasses.htm", "nouveau prix");
    // A folder in the way of the copy.
    a.ecrire(copieImpossible ? "transfert/tasses.htm/x" : "transfert/tasses.htm", ancienne);
    a.ecrireDistant("tasses.htm", ancienne);
    echecPuisReprise(a, true, {}, [&] {
      EXPECT_NE(a.dialogs.messages().back().find(copieImpossible
                                                     ? "tasses.htm a été transféré mais n'a pas pu être copié"
                                                     : "Echec du transfert du fichier tasses.htm"),
                std::string::npos)
          << a.dialogs.messages().back();
      std::filesystem::remove(a.chemin("ftp/tasses.htm"));
      std::filesystem::remove_all(a.chemin("transfert/tasses.htm"));
    });
    EXPECT_EQ(a.lireDistant("tasses.htm"), a.lire("ftp/redir.txt"));
  }
}

// A redirection cut at several byte counts: the next publication, with nothing else to send,
// sends it again, and the server ends with the whole redirect page.
TEST(Coupure, ARedirectionCutShortGoesAgainAtTheNextPublication) {
  const std::string ancienne(2400, 'x');
  struct Serveur {
    const char* nom;
    testing_support::FtpServer::Rules regles;
    int avant;  // files received before the redirection: a.htm, redir.txt, the first twice where renames fail
  } serveurs[] = {
      {"ordinary", {}, 2},
      {"dot names refused", {.noDotNames = true}, 2},
      {"renames nothing", {.renames = "none"}, 3},
  };
  const std::string page(408, 'a');  // the size of the redirect page
  for (const auto& s : serveurs)
    for (long long coupure : {1, 136, 272, 407}) {  // of the 408 bytes of the redirect page
      SCOPED_TRACE(std::string(s.nom) + ", cut after " + std::to_string(coupure));
      Atelier a(false);
      auto regles = s.regles;
      regles.dieAfterBytes = s.avant * 408 + coupure;
      a.serveur.emplace(0, "marchand", "secret", regles);
      a.ecrire("ftp/a.htm", page);
      a.ecrire("ftp/redir.txt", "");  // offered now, rewritten before it goes
      a.ecrire("transfert/ancien.htm", ancienne);
      a.ecrireDistant("ancien.htm", ancienne);
      echecPuisReprise(a, true, s.regles);
      EXPECT_EQ(a.lireDistant("ancien.htm"), a.lire("ftp/redir.txt"));
    }
}

// A mirror of an older version, with no place recorded, and a first publication to another
// server cut short: the next publication sends every file that server does not have.
TEST(Coupure, AnOlderMirrorCountsNoFileAsOnAServerItWasNotSentTo) {
  std::map<std::string, std::string> site;
  for (char c : std::string("abcdef")) site[std::string(1, c) + ".htm"] = fichier({}, c);
  site["index.htm"] = fichier({"a.htm"}, 'i');
  const long long taille = static_cast<long long>(site.at("a.htm").size());
  Atelier a(false);
  a.serveur.emplace(0, "marchand", "secret",
                    testing_support::FtpServer::Rules{.dieAfterBytes = taille * 5 / 2});
  for (const auto& [nom, contenu] : site) {
    a.ecrire("ftp/" + nom, contenu);
    a.ecrire("transfert/" + nom, contenu);
  }
  echecPuisReprise(a, false);
  for (const auto& [nom, contenu] : site)
    EXPECT_TRUE(std::filesystem::exists(a.distant(nom)) && a.lireDistant(nom) == contenu) << nom;
}

}  // namespace
}  // namespace publish
