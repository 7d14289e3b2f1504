// Timings of the work that grows with the catalogue. Prints one line per measure; the growth
// ratios tell a linear pass (4 or 8) from a quadratic one (16 or 64).

#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>

#include "catalogue_entier.h"
#include "publication.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/organigramme.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/pages/faire_vignette.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/ref_gen.h"
#include "modele/app/renommage.h"
#include "modele/app/reparation.h"
#include "platform/ftp.h"
#include "platform/lines.h"
#include "support/ftp_server.h"
#include "support/programme_test.h"

namespace {

using testing_support::ProgrammeDeTest;

double secondes(const std::function<void()>& travail) {
  const auto debut = std::chrono::steady_clock::now();
  travail();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

void mesure(const std::string& quoi, double petit, double grand, int facteur) {
  std::cout << quoi << ": " << petit << " s, x" << facteur << ": " << grand << " s (ratio "
            << grand / petit << ")\n";
}

void fiche(ProgrammeDeTest& t, const std::string& ref, const std::string& cat,
           const std::string& theme, const std::string& plus = "") {
  t.dossier.write(ref + ".ref", "categorie=" + cat + "\r\nreference=" + ref + "\r\ndescription=Titre " +
                                    ref + "\r\nauteur=Auteur\r\nprix=10\r\nmot_cle=" + theme +
                                    "\r\nimage=" + ref + ".jpg\r\ncommentaires=Texte\r\n" + plus);
}

// The whole-site build from the main window, 10 categories of 10 themes.
double site(int parTheme) {
  ProgrammeDeTest t;
  for (const char* f : {"menu.opt", "accueil.opt", "cv.opt"}) t.dossier.write(f, "x=1\r\n");
  t.dossier.write("ident.opt", "nomE=Boutique\r\n");
  t.dossier.write("tarvio.ini", "articles_trouves=oui\r\nvig_visual=oui\r\n");
  std::string categories;
  for (int c = 0; c < 10; ++c) {
    const std::string cat = "Cat" + std::to_string(c);
    categories += cat + "\r\n";
    std::string themes;
    for (int th = 0; th < 10; ++th) {
      themes += "Theme" + std::to_string(th) + "\r\n";
      for (int s = 0; s < parTheme; ++s)
        fiche(t, cat + "_" + std::to_string(th) + "_" + std::to_string(s), cat,
              "Theme" + std::to_string(th));
    }
    t.dossier.write(cat + ".cto", themes);
  }
  t.dossier.write("categories", categories);
  t.demarrer();
  t.p().main().html.setEnabled(true);
  return secondes([&] { t.p().main().html.click(); });
}

// A run of cards, each with its picture and detail page.
double cartes(int n) {
  ProgrammeDeTest t;
  t.dossier.write("ident.opt", "nomE=Boutique\r\nlogin=shop\r\next=7\r\ndev2=\r\n");
  t.dossier.write("tarvio.ini", "vig_visual=oui\r\n");
  for (int i = 0; i < n; ++i) {
    const std::string r = "R" + std::to_string(i);
    fiche(t, r, "Cat", "Th", "image_detail=" + r + "g.jpg\r\n");
    t.dossier.write(r + ".jpg", "jpeg");
    t.dossier.write("vignettes/" + r + "-v.jpg", "jpeg");
  }
  t.dossier.write("Cat_Th.stl", "style_fiche=standard\r\n");
  t.demarrer();
  t.p().styleP().imagespanier = "oui";
  auto& v = t.p().vignette1();
  return secondes([&] {
    pages::SerieCartes serie(v);
    for (int i = 0; i < n; ++i) {
      v.referenceCarte = "R" + std::to_string(i);
      v.faireVignette();
    }
  });
}

// The product index rebuilt from the main window.
double index(int n) {
  ProgrammeDeTest t;
  t.dossier.write("ident.opt", "nomE=Boutique\r\n");
  t.dossier.write("categories", "Livres\r\n");
  t.dossier.write("Livres.cto", "Romans\r\n");
  for (int i = 0; i < n; ++i) fiche(t, "R" + std::to_string(i), "Livres", "Romans");
  t.demarrer();
  return secondes([&] { t.p().main().reconstruireRefGen(); });
}

// One line replaced and one removed in an index of n lines.
double remplacement(int n) {
  testing_support::TempFolder dossier;
  platform::DataFolder df(dossier.path());
  platform::LineList gros;
  for (int i = 0; i < n; ++i) gros.add("R" + std::to_string(i) + "#C#T#Titre#Auteur#img.jpg");
  gros.save(dossier / "ref.gen");
  return secondes([&] {
    app::remplacerEntreeRefGen(df, {"R5", "C", "T", "Nouveau", "A", ""});
    app::retirerEntreeRefGen(df, "R6");
  });
}

// The longest gap between two calls of the idle function while 2 MB go up at 4 MB/s.
double pauseFtp() {
  testing_support::FtpServer serveur(4 * 1024 * 1024);
  testing_support::TempFolder local;
  local.write("gros.bin", std::string(2 * 1024 * 1024, 'x'));
  platform::FtpSession session;
  if (!session.connect(serveur.host(), serveur.port(), serveur.user(), serveur.password())) return -1;
  using Clock = std::chrono::steady_clock;
  auto avant = Clock::now();
  double pire = 0;
  session.setIdle([&] {
    pire = std::max(pire, std::chrono::duration<double>(Clock::now() - avant).count());
    avant = Clock::now();
  });
  session.put(local / "gros.bin", "gros.bin");
  return pire;
}

}  // namespace

// The organiser on one theme, the author browser and the product list, on n sheets of 10
// categories with their index.
double navigateurs(int n) {
  ProgrammeDeTest t;
  std::string categories, index;
  for (int c = 0; c < 10; ++c) {
    const std::string cat = "Cat" + std::to_string(c);
    categories += cat + "\r\n";
    t.dossier.write(cat + ".cto", "Th\r\n");
    t.dossier.write(cat + ".fam", "famille=1\r\n");
  }
  for (int i = 0; i < n; ++i) {
    const std::string r = "R" + std::to_string(i), cat = "Cat" + std::to_string(i % 10);
    fiche(t, r, cat, "Th");
    index += r + "#" + cat + "#Th#Titre " + r + "#Auteur " + std::to_string(i % 500) + "#\r\n";
  }
  t.dossier.write("categories", categories);
  t.dossier.write("ref.gen", index);
  t.demarrer();
  app::Tmain& m = t.p().main();
  return secondes([&] {
    m.Borga.click();
    t.p().orga().orga_themes.clickItem(0);
    m.b_auteur.click();
    m.liste_produits.click();
  });
}

// A category renamed, then the catalogue repaired: 20 categories of 5 themes.
double taxonomie(int n, bool reparer) {
  ProgrammeDeTest t;
  std::string categories;
  for (int c = 0; c < 20; ++c) {
    categories += "Cat" + std::to_string(c) + "\r\n";
    t.dossier.write("Cat" + std::to_string(c) + ".cto", "T0\r\nT1\r\nT2\r\nT3\r\nT4\r\n");
    for (int th = 0; th < 5; ++th)
      t.dossier.write("Cat" + std::to_string(c) + "_T" + std::to_string(th) + ".stl", "ref_page=2\r\n");
  }
  t.dossier.write("categories", categories);
  for (int i = 0; i < n; ++i)
    fiche(t, "R" + std::to_string(i), "Cat" + std::to_string(i % 20), "T" + std::to_string(i % 5));
  const platform::DataFolder dossier(t.dossier.path());
  app::TListeCategories liste;
  for (int c = 0; c < 20; ++c) liste.push_back("Cat" + std::to_string(c));
  return secondes([&] {
    if (reparer)
      app::reparerCatalogueFichiers(dossier);
    else
      app::renommerCategorie(dossier, {liste, 3, "Nouvelle", '-'});
  });
}

int croissance() {
  mesure("organiser and browsers, 2500 sheets", navigateurs(2500), navigateurs(10000), 4);
  mesure("site build, 1000 sheets", site(10), site(30), 3);
  mesure("run of cards, 500", cartes(500), cartes(2000), 4);
  mesure("index rebuild, 500 sheets", index(500), index(4000), 8);
  mesure("category renamed, 2500 sheets", taxonomie(2500, false), taxonomie(10000, false), 4);
  mesure("catalogue repaired, 2500 sheets", taxonomie(2500, true), taxonomie(10000, true), 4);
  mesure("index line replaced, 25000 lines", remplacement(25000), remplacement(200000), 8);
  std::cout << "FTP upload, longest idle gap: " << pauseFtp() << " s\n";
  return 0;
}

int main(int argc, char** argv) {
  setenv("TARVIO_SOURCE_DIR", TARVIO_SOURCE_DIR, 0);
  if (argc > 1 && std::string(argv[1]) == "--croissance") return croissance();
  if (argc > 1 && std::string(argv[1]) == "--publication") {
    std::vector<int> tailles;
    for (int i = 2; i < argc; ++i) tailles.push_back(std::atoi(argv[i]));
    if (tailles.empty()) tailles = {1000, 10000};
    const char* dossier = std::getenv("BENCH_DIR");
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return bench::publication(tailles, dossier ? dossier : "/var/tmp/tarvio-bench");
  }
  return bench::catalogueEntier(argc, argv);
}
