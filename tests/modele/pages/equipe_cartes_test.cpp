// Cards written ahead on several threads are the cards written in turn: the same lines, the
// same files beside them, the same last card left with the run's writer, and a card that fails
// stops the one who takes it, at that card.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "modele/pages/equipe_cartes.h"
#include "modele/pages/vignette.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "support/ordre_cartes.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;

constexpr int kFiches = 60;
constexpr size_t kOuvriers = 4;

std::string reference(int i) { return "R" + std::to_string(i); }

// Sheets unlike each other in what a card reads and writes beside it: pictures, detail pages,
// promotions, a frame of their own, a theme laid out as a table.
void remplir(TempFolder& dossier) {
  dossier.write("qmulti.ini", "maxi=12\r\n");
  dossier.write("Bols_Table.stl", "style_fiche=tableau\r\n");
  for (int i = 0; i < kFiches; ++i) {
    const std::string r = reference(i);
    std::string fiche = "reference=" + r + "\r\ndescription=Bol été n°" + std::to_string(i) +
                        "\r\nprix=" + std::to_string(10 + i) + ",50\r\ncategorie=Bols\r\nmot_cle=" +
                        (i % 5 == 0 ? "Table" : "Été") + "\r\n";
    if (i % 2 == 0) {
      fiche += "image=photo" + std::to_string(i % 7) + ".jpg\r\n";
      dossier.write("photo" + std::to_string(i % 7) + ".jpg", "JPEG" + std::to_string(i % 7));
    }
    if (i % 9 == 0) {
      fiche += "image_detail=grand" + std::to_string(i) + ".jpg\r\n";
      dossier.write("grand" + std::to_string(i) + ".jpg", "JPEG");
    }
    if (i % 4 == 1) dossier.write(r + ".pro", "prixpromo=" + std::to_string(5 + i) + "\r\ntaux=10\r\n");
    if (i % 11 == 3) dossier.write(r + ".typ", "coul_prix=#FF0000\r\n");
    dossier.write(r + ".ref", fiche);
  }
}

pages::EntreesCarte entrees(const TempFolder& dossier, int i) {
  pages::EntreesCarte e;
  e.referenceCarte = reference(i);
  e.referenceStyle = reference(i);
  e.themeStyle = i % 5 == 0 ? "Bols_Table" : "Bols_Été";
  e.nomCadre = dossier.exists(reference(i) + ".typ") ? reference(i) : "defaut";
  e.indicateurCarteA = i % 2 == 0;
  e.indicateurCarteB = i % 2 == 1;
  e.pageCourante = "bols-" + std::to_string(i / 2) + ".tmp";
  e.targetS = "_top";
  e.url_cgi = "panier.php";
  return e;
}

// What the team is asked: the card's own inputs, the window part being the team's.
pages::EntreesCarte propres(const TempFolder& dossier, int i) {
  pages::EntreesCarte e = entrees(dossier, i);
  static_cast<pages::FenetresCarte&>(e) = {};
  return e;
}

using Cartes = std::vector<std::optional<platform::LineList>>;

Cartes enTour(const TempFolder& dossier, pages::EcrivainCartes& ecrivain) {
  Cartes cartes;
  for (int i = 0; i < kFiches; ++i) {
    pages::EntreesCarte e = entrees(dossier, i);
    if (i == 0) e.identite = app::TIdentite{.dev1 = "EUR", .login = "boutique"};
    cartes.push_back(ecrivain.faireVignette(e));
  }
  return cartes;
}

std::map<std::string, std::string> fichiers(const TempFolder& dossier) {
  std::map<std::string, std::string> tout;
  for (const auto& f : fs::recursive_directory_iterator(dossier.path()))
    if (f.is_regular_file())
      tout[f.path().lexically_relative(dossier.path()).generic_string()] =
          platform::readFile(f.path());
  return tout;
}

// The team's cards, its writers let run as they come (groupe 0), or one at a time with each
// group of `groupe` cards written last first.
Cartes enEquipe(const TempFolder& equipe, pages::EcrivainCartes& principal, size_t groupe) {
  std::optional<testing_support::OrdreCartes> ordre;
  if (groupe > 0) ordre.emplace(kFiches - 1, groupe);
  Cartes cartes;
  pages::EntreesCarte premiere = entrees(equipe, 0);
  premiere.identite = app::TIdentite{.dev1 = "EUR", .login = "boutique"};
  cartes.push_back(principal.faireVignette(premiere));
  pages::EquipeCartes ouvriers(principal, entrees(equipe, 0), kOuvriers);
  // Asked in two waves, the second while the first is being taken.
  for (int i = 1; i < kFiches / 2; ++i) ouvriers.demander(propres(equipe, i));
  for (int i = 1; i < kFiches; ++i) {
    if (i == kFiches / 4)
      for (int j = kFiches / 2; j < kFiches; ++j) ouvriers.demander(propres(equipe, j));
    cartes.push_back(ouvriers.prendre([](const std::string& m) { ADD_FAILURE() << m; }));
    EXPECT_EQ(ouvriers.derniere()->valeurs.referenceVignette, reference(i));
  }
  return cartes;
}

TEST(EquipeCartes, CardsWrittenAheadInAnyOrderAreTheCardsWrittenInTurn) {
  TempFolder seul;
  remplir(seul);
  platform::DataFolder donneesSeul(seul.path());
  pages::EcrivainCartes ecrivainSeul(donneesSeul, [](const std::string&) {});
  ecrivainSeul.ouvrirSerie();
  const Cartes attendues = enTour(seul, ecrivainSeul);
  ecrivainSeul.fermerSerie();

  for (size_t groupe : {size_t(0), size_t(1), size_t(2), kOuvriers}) {
    SCOPED_TRACE(groupe);
    TempFolder equipe;
    remplir(equipe);
    platform::DataFolder donneesEquipe(equipe.path());
    pages::EcrivainCartes principal(donneesEquipe, [](const std::string&) {});
    principal.ouvrirSerie();
    const Cartes cartes = enEquipe(equipe, principal, groupe);
    // The run's writer holds the last card, as if it had written it.
    EXPECT_EQ(principal.valeurs.referenceVignette, ecrivainSeul.valeurs.referenceVignette);
    EXPECT_EQ(principal.entrees().pageCourante, ecrivainSeul.entrees().pageCourante);
    EXPECT_EQ(principal.style.coul_prix, ecrivainSeul.style.coul_prix);
    principal.fermerSerie();

    ASSERT_EQ(cartes.size(), attendues.size());
    for (size_t i = 0; i < cartes.size(); ++i) {
      SCOPED_TRACE(i);
      ASSERT_TRUE(cartes[i] && attendues[i]);
      EXPECT_EQ(cartes[i]->text(), attendues[i]->text());
    }
    // Pictures, detail pages, corners and the scratch page of the last card alike.
    EXPECT_EQ(fichiers(equipe), fichiers(seul));
  }
}

TEST(EquipeCartes, ACardThatFailsStopsWhoTakesItAtThatCard) {
  TempFolder dossier;
  remplir(dossier);
  // R6's picture cannot be copied: a folder stands where it goes.
  platform::makeFolder(dossier / "ftp" / "photo6.jpg");
  platform::DataFolder donnees(dossier.path());
  pages::EcrivainCartes principal(donnees, [](const std::string&) {});
  principal.ouvrirSerie();
  pages::EntreesCarte premiere = entrees(dossier, 0);
  premiere.identite.emplace();
  ASSERT_TRUE(principal.faireVignette(premiere));
  {
    pages::EquipeCartes ouvriers(principal, entrees(dossier, 0), 3);
    for (int i = 1; i < 20; ++i) ouvriers.demander(propres(dossier, i));
    for (int i = 1; i < 6; ++i) EXPECT_TRUE(ouvriers.prendre([](const std::string&) {}));
    EXPECT_THROW(ouvriers.prendre([](const std::string&) {}), platform::FileError);
    // The rest is dropped with the team.
  }
  principal.fermerSerie(false);
}

// Every card reads its theme's style and its own at once on the writers' threads (ThreadSanitizer
// runs this test): each card shows its own colours, never another card's.
TEST(EquipeCartes, CardsReadingDifferentStylesAtOnceEachShowTheirOwn) {
  TempFolder dossier;
  constexpr int kCartes = 48, kThemes = 4;
  auto couleur = [](int i) { return "#00" + std::to_string(1000 + i); };
  for (int t = 0; t < kThemes; ++t)
    dossier.write("Bols_T" + std::to_string(t) + ".typ", "coul_titre=#70" + std::to_string(1000 + t) + "\r\n");
  for (int i = 0; i < kCartes; ++i) {
    const std::string r = reference(i);
    dossier.write(r + ".ref", "reference=" + r + "\r\ndescription=Bol\r\nprix=10\r\ncategorie=Bols\r\n"
                  "mot_cle=T" + std::to_string(i % kThemes) + "\r\n");
    dossier.write(r + ".typ", "coul_prix=" + couleur(i) + "\r\n");
  }
  auto carte = [&](int i) {
    pages::EntreesCarte e = propres(dossier, i);
    e.themeStyle = "Bols_T" + std::to_string(i % kThemes);
    return e;
  };
  platform::DataFolder donnees(dossier.path());
  pages::EcrivainCartes principal(donnees, [](const std::string&) {});
  principal.ouvrirSerie();
  pages::EntreesCarte premiere = entrees(dossier, 0);
  premiere.themeStyle = "Bols_T0";
  premiere.identite = app::TIdentite{.dev1 = "EUR"};
  const auto lignes = principal.faireVignette(premiere);
  ASSERT_TRUE(lignes);
  std::vector<std::string> textes{lignes->text()};
  {
    pages::EquipeCartes ouvriers(principal, entrees(dossier, 0), 6);
    for (int i = 1; i < kCartes; ++i) ouvriers.demander(carte(i));
    for (int i = 1; i < kCartes; ++i) {
      auto prise = ouvriers.prendre([](const std::string& m) { ADD_FAILURE() << m; });
      ASSERT_TRUE(prise);
      textes.push_back(prise->text());
    }
  }
  principal.fermerSerie();
  for (int i = 0; i < kCartes; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NE(textes[i].find(couleur(i)), std::string::npos);
    EXPECT_NE(textes[i].find("#70" + std::to_string(1000 + i % kThemes)), std::string::npos);
    for (int j = 0; j < kCartes; ++j)
      if (j != i) EXPECT_EQ(textes[i].find(couleur(j)), std::string::npos) << j;
  }
}

}  // namespace
