// A build over the previous site: what it costs on a large catalogue (each folder listed and each
// sheet read a fixed number of times), what it reuses and leaves, and how it finds changed pages.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "fenetres/pages/boutique_construction.h"
#include "modele/pages/dossier_construction.h"
#include "support/folder_listings.h"

namespace {

using namespace pages::test;
namespace fs = std::filesystem;

// What keeps a large catalogue fast: however many sheets, each folder is listed a fixed number of
// times and each sheet read once per pass (timings are in bench/).
TEST(Cout, FoldersListedAndSheetsReadAFixedNumberOfTimes) {
  auto construire = [](int parTheme) {
    Boutique b;
    b.ecrire("tarvio.ini", {"articles_trouves=oui", "vig_visual=oui"});
    b.ecrire("categories", {"Cat0", "Cat1"});
    for (const std::string cat : {"Cat0", "Cat1"}) {
      b.ecrire(cat + ".cto", {"Theme0", "Theme1"});
      for (const std::string theme : {"Theme0", "Theme1"})
        for (int s = 0; s < parTheme; ++s)
          b.fiche(cat + theme + "_" + std::to_string(s), cat, theme, "Titre", "Auteur",
                  {"image=x.jpg"});
    }
    pages::DossierConstruction::Comptes comptes;
    b.p();
    testing_support::FolderListings listages(b.t.dossier.path());
    pages::DossierConstruction::comptes = &comptes;
    b.construire();
    pages::DossierConstruction::comptes = nullptr;
    EXPECT_EQ(b.messages(), Lignes{});
    EXPECT_EQ(b.lignes("listeHTM.tmp").size(), 4u * parTheme);
    return std::pair(comptes, listages.stop());
  };
  auto [petit, listagesPetit] = construire(2);
  auto [grand, listagesGrand] = construire(12);
  EXPECT_EQ(listagesGrand, listagesPetit);
  EXPECT_FALSE(listagesPetit.empty());
  // Each sheet once per pass and once for its card; a card's lines come back from its writer,
  // never read again from vignette.htm; the rest once.
  auto parFichier = [](pages::DossierConstruction::Comptes& c, int) {
    EXPECT_EQ(c.lectures.count("vignette.htm"), 0u);
    std::set<int> fiches;
    for (auto it = c.lectures.begin(); it != c.lectures.end();)
      if (platform::endsWith(it->first, ".ref")) {
        fiches.insert(it->second);
        it = c.lectures.erase(it);
      } else {
        ++it;
      }
    return fiches;
  };
  EXPECT_EQ(parFichier(petit, 8), std::set<int>{4});
  EXPECT_EQ(parFichier(grand, 48), std::set<int>{4});
  EXPECT_EQ(grand.lectures, petit.lectures);
}

TEST(Construction, EmptyingFtpDropsTemporariesOfKilledWrites) {
  Boutique b;
  b.catalogue();
  b.p();
  b.t.dossier.write("ftp/.index.htm.tmp17", "moitié");  // after the start-up's own clean-up
  b.construire();
  EXPECT_FALSE(b.existe("ftp/.index.htm.tmp17"));
}

// A rebuild reuses the files of the previous site for its new ones: what it leaves must be what a
// build from scratch of the same catalogue leaves, byte for byte, with nothing set aside left over.
TEST(Reconstruction, LeavesTheSameFilesAsABuildFromScratch) {
  Boutique reconstruite, neuve;
  for (Boutique* b : {&reconstruite, &neuve}) b->catalogue();
  reconstruite.fiche("a4", "Livres", "Romans", "Bel-Ami", "Maupassant");
  reconstruite.fiche("c1", "Disques", "Blues", "Bessie", "Smith");
  reconstruite.ecrire("Disques.cto", {"Jazz", "Blues"});
  reconstruite.construire();
  ASSERT_TRUE(reconstruite.existe("ftp/disques-blues-0.htm"));
  // Fewer pages, one theme gone, a shorter title: old pages and old bytes must not survive.
  fs::remove(reconstruite.t.dossier / "a4.ref");
  fs::remove(reconstruite.t.dossier / "c1.ref");
  reconstruite.ecrire("Disques.cto", {"Jazz"});
  reconstruite.construire();
  neuve.construire();
  EXPECT_EQ(reconstruite.messages(), Lignes{});
  EXPECT_FALSE(reconstruite.existe("ftp/disques-blues-0.htm"));
  for (const char* dossier : {"ftp", "tmp"}) {
    auto avant = contenu(neuve.t.dossier / dossier), apres = contenu(reconstruite.t.dossier / dossier);
    // The copies of the first build's pages stay in tmp/, as they always did; the hashes of the
    // copies hold their times.
    if (std::string(dossier) == "tmp")
      for (auto it = apres.begin(); it != apres.end();)
        it = avant.contains(it->first) && it->first != "pages.emp" ? std::next(it) : apres.erase(it);
    avant.erase("pages.emp");
    EXPECT_EQ(apres, avant) << dossier;
  }
  for (const auto& [nom, octets] : contenu(reconstruite.t.dossier.path()))
    EXPECT_FALSE(platform::isOwnTemporary(nom)) << nom;
}

// A rebuild knows which pages changed from the hashes of the previous copies, without reading
// them back; a copy changed by someone else is read and compared as before.
TEST(Reconstruction, ChangedPagesFoundWithoutReadingTheCopiesBack) {
  Boutique b;
  b.catalogue();
  b.construire();
  auto reconstruire = [&b] {
    pages::DossierConstruction::Comptes comptes;
    pages::DossierConstruction::comptes = &comptes;
    b.construire();
    pages::DossierConstruction::comptes = nullptr;
    int copiesLues = 0;
    for (const auto& [nom, n] : comptes.lectures)
      if (platform::startsWith(nom, "tmp/") && platform::endsWith(nom, ".htm")) copiesLues += n;
    return std::pair(b.lignes("transfert.tri"), copiesLues);
  };
  EXPECT_EQ(reconstruire(), std::pair(Lignes{}, 0));
  b.fiche("a3", "Livres", "Romans", "Germinal, tome 2", "Zola");
  // Its page, and the other page of its theme, whose side list names it.
  EXPECT_EQ(reconstruire(), std::pair(Lignes{"livres-romans-0", "livres-romans-1"}, 0));
  // Another program rewrote a copy with the same length: it is read, found different, replaced.
  std::string copie = b.lire("tmp/disques-jazz-0.htm");
  copie[copie.size() - 3] = 'X';
  b.t.dossier.write("tmp/disques-jazz-0.htm", copie);
  EXPECT_EQ(reconstruire(), std::pair(Lignes{"disques-jazz-0"}, 1));
  EXPECT_EQ(b.lire("tmp/disques-jazz-0.htm"), b.lire("ftp/disques-jazz-0.htm"));
  EXPECT_EQ(reconstruire(), std::pair(Lignes{}, 0));
}

}  // namespace

// A page and its copy may be one file on disk: the rebuild's writes into the emptied ftp/ must
// leave every copy of an unchanged page as the previous build left it.
TEST(Reconstruction, TheCopiesOfUnchangedPagesKeepTheirBytes) {
  Boutique b;
  b.catalogue();
  b.construire();
  const auto avant = contenu(b.t.dossier / "tmp");
  b.fiche("a3", "Livres", "Romans", "Germinal, tome 2", "Zola");
  b.construire();
  const auto apres = contenu(b.t.dossier / "tmp");
  int changees = 0;
  for (const auto& [nom, octets] : avant) {
    if (!nom.ends_with(".htm")) continue;
    if (nom.starts_with("livres-romans-")) {
      ++changees;
      EXPECT_EQ(apres.at(nom), b.lire("ftp/" + nom)) << nom;
      EXPECT_NE(apres.at(nom), octets) << nom;
    } else {
      EXPECT_EQ(apres.at(nom), octets) << nom;
    }
  }
  EXPECT_EQ(changees, 2);
}
