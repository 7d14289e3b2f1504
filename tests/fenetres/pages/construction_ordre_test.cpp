// The cards of a site build are written ahead by a team of writers, in whatever order their
// threads happen to run: the site must not depend on it. Each build here imposes an order on the
// team and compares the site, and the rebuild over it, with the build whose cards were written
// one at a time in turn.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "fenetres/pages/boutique_construction.h"
#include "modele/pages/equipe_cartes.h"
#include "support/ordre_cartes.h"

namespace {

using namespace pages::test;

constexpr int kJazz = 24;  // sheets added to the shop's Jazz theme

// Cards that share pictures, frames and a header's pager, and differ in what they draw and copy.
void remplir(Boutique& b) {
  b.ecrire("tarvio.ini", {"articles_trouves=oui", "vig_visual=oui"});
  b.ecrire("styleP", {"imagespanier=oui"});
  b.catalogue();
  b.ecrire("defaut.typ", {"encadrement_style=rond"});
  b.ecrire("Disques_Jazz.typ", {"encadrement_style=rond", "fond_titre=#336699"});
  for (int i = 0; i < kJazz; ++i) {
    const std::string r = "j" + std::to_string(i);
    Lignes plus;
    if (i % 5 != 4) plus.push_back("image=photo" + std::to_string(i % 5) + ".jpg");
    if (i % 6 == 0) plus.push_back("image_detail=grand.jpg");
    if (i % 4 == 1) b.ecrire(r + ".pro", {"prixpromo=7", "taux=" + std::to_string(i)});
    if (i % 7 == 3) b.ecrire(r + ".typ", {"encadrement_style=rond", "coul_trait=#FF0000"});
    b.fiche(r, "Disques", "Jazz", "Disque " + std::to_string(i), "Auteur " + std::to_string(i % 3),
            plus);
  }
  // Two references that name one detail page: the later card's is the page, as written in turn.
  for (const char* r : {"Bol.01", "bol-01", "BOL 01"})
    b.fiche(r, "Disques", "Jazz", std::string("Détail de ") + r, "Potier", {"image_detail=grand.jpg"});
  // Two frames whose names give one prefix: the corners are the first card's, as drawn in turn.
  for (const auto& [r, couleur] : {std::pair{"Cadre.01", "#00FF00"}, {"cadre-01", "#0000FF"}}) {
    b.ecrire(std::string(r) + ".typ", {"encadrement_style=rond", std::string("coul_trait=") + couleur});
    b.fiche(r, "Disques", "Jazz", std::string("Cadre ") + couleur, "Potier", {});
  }
  for (int k = 0; k < 4; ++k)
    b.t.dossier.write("photo" + std::to_string(k) + ".jpg", "JPEG" + std::to_string(k));
  b.t.dossier.write("grand.jpg", "JPEG grand");
  b.t.dossier.write("vignettes/photo1-v.jpg", "JPEG vignette");
}

// The site and the copies of its pages, hidden files included; the copies' hashes hold times.
std::map<std::string, std::string> site(const Boutique& b) {
  auto fichiers = contenu(b.t.dossier / "ftp");
  for (auto& [nom, octets] : contenu(b.t.dossier / "tmp"))
    if (nom != "pages.emp") fichiers["tmp/" + nom] = octets;
  return fichiers;
}

// The names of the files that differ, or stand in one site only.
Lignes differences(const std::map<std::string, std::string>& a,
                   const std::map<std::string, std::string>& b) {
  Lignes noms;
  for (const auto& [nom, octets] : a)
    if (auto it = b.find(nom); it == b.end() || it->second != octets) noms.push_back(nom);
  for (const auto& [nom, octets] : b)
    if (!a.contains(nom)) noms.push_back(nom);
  return noms;
}

TEST(Construction, TheSiteDoesNotDependOnTheOrderItsCardsAreWrittenIn) {
  const size_t cartes = kJazz + 3 + 2 + 4 - 1;  // the build writes the first card itself
  const size_t groupe = std::min<size_t>(4, pages::EquipeCartes::ouvriersConstruction());
  std::map<std::string, std::string> neufEnTour, refaitEnTour;
  // In turn first, then each group of cards last first, then as the threads run.
  for (size_t ordre : {size_t(1), groupe, size_t(0)}) {
    SCOPED_TRACE(ordre);
    Boutique b;
    remplir(b);
    std::optional<testing_support::OrdreCartes> impose;
    auto construire = [&] {
      if (ordre > 0) impose.emplace(cartes, ordre);
      b.construire();
      impose.reset();
      EXPECT_EQ(b.messages(), Lignes{});
      return site(b);
    };
    const auto neuf = construire();
    const auto refait = construire();
    ASSERT_TRUE(neuf.contains("disques-jazz-0.htm"));
    if (ordre == 1) {
      neufEnTour = neuf;
      refaitEnTour = refait;
      continue;
    }
    EXPECT_EQ(differences(neuf, neufEnTour), Lignes{});
    EXPECT_EQ(differences(refait, refaitEnTour), Lignes{});
  }
}

}  // namespace
