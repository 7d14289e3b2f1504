// What a publication costs whatever the site's size: one control connection, the same commands
// for every file, and no file read to compare when the records tell what it holds.

#include "fenetres/publish/transfert.h"

#include "atelier_publication.h"
#include "modele/publish/empreintes_miroir.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace publish {
namespace {

using Noms = std::vector<std::string>;
using test::Atelier;

TEST(CoutEnvoi, OneConnectionAndTheSameFourCommandsForEachFileWhateverTheSize) {
  std::vector<size_t> autresCommandes;
  for (int pages : {3, 40}) {
    SCOPED_TRACE(std::to_string(pages) + " pages");
    Atelier a;
    for (int i = 0; i < pages; ++i) {
      const std::string n = std::to_string(i);
      a.ecrire("ftp/p" + n + ".htm", "<a href=\"p" + std::to_string((i + 1) % pages) + ".htm\">" + n);
    }
    a.ecrireDistant("www/.keep", "");
    a.demarrer();
    a.sitePubliable();
    a.compte("www/");
    int syncs = 0;
    platform::discSyncs = &syncs;
    a.lancer();
    a.dialogs.clear();
    a.fenetre().goftp.click();
    platform::discSyncs = nullptr;
    ASSERT_EQ(a.dialogs.messages(), Noms{"Le transfert est terminé"});
    // Synced: the mirror's new place and the names begun before the first file; a sync may wait
    // for every write a build left, so nothing else is.
    EXPECT_EQ(syncs, 2);
    const Noms commandes = a.serveur->commands();
    EXPECT_EQ(std::count_if(commandes.begin(), commandes.end(),
                            [](const std::string& c) { return c.ends_with(" CONNECT"); }),
              1);
    size_t parFichier = 0, autres = 0, listes = 0;
    for (const auto& c : commandes) {
      const std::string commande = c.substr(c.find(' ') + 1);
      const bool fichier = commande == "EPSV" || commande.starts_with("STOR ") ||
                           commande.starts_with("RNFR ") || commande.starts_with("RNTO ");
      (fichier ? parFichier : autres) += 1;
      if (commande.starts_with("LIST")) ++listes;
    }
    // A listing opens its data connection (EPSV) too.
    EXPECT_EQ(parFichier, 4u * pages + listes);
    autresCommandes.push_back(autres);
  }
  EXPECT_EQ(autresCommandes[0], autresCommandes[1]);
}

// A copy changed behind the program's back, with its size and time put back: the comparison
// trusts the hash noted when it was written, so reading it would be the only way to notice.
TEST(CoutEnvoi, AMirrorCopyWhoseHashIsKnownIsNotRead) {
  Atelier a;
  a.ecrire("ftp/a.htm", "page a");
  a.ecrire("ftp/b.htm", "page b");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  a.dialogs.clear();
  a.fenetre().goftp.click();
  ASSERT_EQ(a.dialogs.messages(), Noms{"Le transfert est terminé"});

  auto remplacer = [&](const std::string& nom, const std::string& contenu, bool memeHeure) {
    const auto chemin = a.chemin(nom);
    const auto heure = std::filesystem::last_write_time(chemin);
    std::filesystem::remove(chemin);  // a file of its own: a.htm's mirror copy may share bytes
    a.ecrire(nom, contenu);
    if (memeHeure) std::filesystem::last_write_time(chemin, heure);
  };
  remplacer("transfert/a.htm", "PAGE A", true);
  remplacer("transfert/b.htm", "PAGE B", false);
  // The build noted the page a.htm as it wrote it.
  struct stat s {};
  ASSERT_EQ(::stat(a.chemin("ftp/a.htm").c_str(), &s), 0);
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", EmpreintesMiroir::mesurer("page a").hash);
  a.ecrire("tmp/pages.emp", "ftp/a.htm|6|" +
                                std::to_string(s.st_mtim.tv_sec * 1000000000LL + s.st_mtim.tv_nsec) +
                                "|" + hash + "\r\n");
  a.fenetre().modif.click();
  EXPECT_EQ(a.coches(), Noms{"b.htm"});
  // b.htm's copy only: the upload noted the site's file as it read it to send it.
  EXPECT_EQ(a.fenetre().octetsLusComparaison, 6);

  // The copy's hash is known from then on; the upload keeps that record.
  a.fenetre().modif.click();
  EXPECT_EQ(a.fenetre().octetsLusComparaison, 0);
  EXPECT_EQ(a.coches(), Noms{"b.htm"});
  a.dialogs.clear();
  a.fenetre().goftp.click();
  ASSERT_EQ(a.dialogs.messages(), Noms{"Le transfert est terminé"});
  a.fenetre().modif.click();
  EXPECT_EQ(a.fenetre().octetsLusComparaison, 0);
  EXPECT_EQ(a.coches(), Noms{});

  // That file rewritten by someone else (a new time) is read again; it goes only when its bytes
  // differ from those sent.
  remplacer("ftp/b.htm", "page B", false);
  a.fenetre().modif.click();
  EXPECT_EQ(a.fenetre().octetsLusComparaison, 6);
  EXPECT_EQ(a.coches(), Noms{"b.htm"});
  remplacer("ftp/b.htm", "page b", false);
  a.fenetre().modif.click();
  EXPECT_EQ(a.fenetre().octetsLusComparaison, 6);
  EXPECT_EQ(a.coches(), Noms{});
}

long long octetsLusParLeProgramme() {
  std::ifstream io("/proc/self/io");
  std::string cle;
  long long valeur = 0;
  while (io >> cle >> valeur)
    if (cle == "rchar:") return valeur;
  return -1;
}

// The upload adds its lines at the end of the record without reading it (a name's last line
// holds); a line cut short by a crash is refused, so its copy is read again rather than misread.
TEST(CoutEnvoi, TheUploadAddsToTheRecordOfThousandsOfFilesWithoutReadingIt) {
  Atelier a;
  a.ecrire("ftp/a.htm", "page a");
  std::string record;
  for (int i = 0; i < 20000; ++i)
    record += "autre" + std::to_string(i) + ".htm|6|1|00000000000000ff\r\n";
  a.ecrire("tmp/transfert.emp", record);
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  a.dialogs.clear();
  const std::string ecrit = a.lire("tmp/transfert.emp");  // as the comparison wrote it again
  const long long avant = octetsLusParLeProgramme();
  a.fenetre().goftp.click();
  const long long lus = octetsLusParLeProgramme() - avant;
  ASSERT_EQ(a.dialogs.messages(), Noms{"Le transfert est terminé"});
  ASSERT_GE(ecrit.size(), record.size());
  EXPECT_LT(lus, static_cast<long long>(ecrit.size()) / 2);
  const std::string apres = a.lire("tmp/transfert.emp");
  EXPECT_TRUE(apres.starts_with(ecrit));
  // The page as it was read to be sent, then its copy.
  EXPECT_TRUE(apres.substr(ecrit.size()).starts_with("ftp/a.htm|6|"));
  EXPECT_NE(apres.find("\r\na.htm|6|", ecrit.size()), std::string::npos);
  a.fenetre().modif.click();
  EXPECT_EQ(a.fenetre().octetsLusComparaison, 0);
  EXPECT_EQ(a.coches(), Noms{});

  // The copy's line again, cut short in its hash: refused, so the copy is read, not misread.
  const auto lignes = a.lire("tmp/transfert.emp");
  const size_t debut = lignes.rfind("\r\na.htm|") + 2;
  const std::string ligne = lignes.substr(debut, lignes.find("\r\n", debut) - debut);
  a.ecrire("tmp/transfert.emp", std::string(lignes).erase(debut, ligne.size() + 2) +
                                    ligne.substr(0, ligne.size() - 3));
  a.fenetre().modif.click();
  EXPECT_EQ(a.fenetre().octetsLusComparaison, 6);
  EXPECT_EQ(a.coches(), Noms{});
}

}  // namespace
}  // namespace publish
