#include "catalogue_entier.h"
#include "mesures.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <thread>
#include <string>
#include <vector>

#include "catalogue_synthetique.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/publish/transfert.h"
#include "modele/publish/empreintes_miroir.h"
#include "support/ftp_server.h"
#include "ui/scripted_dialogs.h"
#include "ui/services.h"

namespace bench {

namespace fs = std::filesystem;

double maintenant() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double cpu(const rusage& r) {
  return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

// Bytes this process has written (wchar) or read (rchar) through system calls so far.
long long octetsES(const char* compteur) {
  std::ifstream io("/proc/self/io");
  std::string cle;
  long long valeur = 0;
  while (io >> cle >> valeur)
    if (cle == compteur) return valeur;
  return 0;
}

long long octetsEcrits() { return octetsES("wchar:"); }

struct Sortie {
  long long fichiers = 0, octets = 0;
};

Sortie compter(const fs::path& dossier) {
  Sortie s;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(dossier, ec), fin; !ec && it != fin; it.increment(ec))
    if (it->is_regular_file()) {
      ++s.fichiers;
      s.octets += static_cast<long long>(it->file_size());
    }
  return s;
}

void Releve::mesurer(const std::string& quoi, const std::function<void()>& travail) {
    rusage r0{}, r1{};
    getrusage(RUSAGE_SELF, &r0);
    const long long e0 = octetsEcrits(), l0 = octetsES("rchar:");
    const double t0 = maintenant();
    travail();
    const double t1 = maintenant();
    getrusage(RUSAGE_SELF, &r1);
    std::ostringstream ligne;
    ligne << quoi << '\t' << t1 - t0 << '\t' << cpu(r1) - cpu(r0) << '\t' << r1.ru_maxrss / 1024.0
          << '\t' << (octetsEcrits() - e0) / 1048576.0 << '\t' << (octetsES("rchar:") - l0) / 1048576.0
          << '\n';
    const std::string texte = ligne.str();
    if (::write(fd_, texte.data(), texte.size()) < 0) std::perror("bench");
  }

void Releve::noter(const std::string& quoi, double valeur) {
  const std::string texte = quoi + '\t' + std::to_string(valeur) + "\t0\t0\t0\t0\n";
  if (::write(fd_, texte.data(), texte.size()) < 0) std::perror("bench");
}

// Runs the steps in a child process, so that each measure has its own peak memory.
std::vector<Pas> dansUnFils(const std::function<void(Releve&)>& etapes) {
  int tube[2];
  if (::pipe(tube) != 0) return {};
  std::cout.flush();
  const pid_t fils = ::fork();
  if (fils == 0) {
    ::close(tube[0]);
    Releve releve(tube[1]);
    etapes(releve);
    ::close(tube[1]);
    ::_exit(0);
  }
  ::close(tube[1]);
  std::string texte;
  char tampon[4096];
  ssize_t n;
  while ((n = ::read(tube[0], tampon, sizeof tampon)) > 0) texte.append(tampon, static_cast<size_t>(n));
  ::close(tube[0]);
  int etat = 0;
  ::waitpid(fils, &etat, 0);
  std::vector<Pas> pas;
  std::istringstream lignes(texte);
  std::string ligne;
  while (std::getline(lignes, ligne)) {
    Pas p;
    std::istringstream champs(ligne);
    std::getline(champs, p.quoi, '\t');
    champs >> p.mur >> p.cpu >> p.picMo >> p.ecritMo >> p.luMo;
    pas.push_back(p);
  }
  return pas;
}

// Another program, timed from outside: wall and CPU seconds, peak memory.
Pas commande(const std::string& quoi, std::vector<std::string> args) {
  std::cout.flush();
  const double t0 = maintenant();
  const pid_t fils = ::fork();
  if (fils == 0) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  int etat = 0;
  rusage r{};
  ::wait4(fils, &etat, 0, &r);
  Pas p{quoi, maintenant() - t0, cpu(r), r.ru_maxrss / 1024.0, 0};
  if (!WIFEXITED(etat) || WEXITSTATUS(etat) != 0) std::cout << quoi << ": failed\n";
  return p;
}

void montrer(const Pas& p, const std::string& plus) {
  std::cout << std::fixed << std::setprecision(3) << std::left << std::setw(34) << p.quoi
            << " wall " << std::setw(8) << p.mur << " s  cpu " << std::setw(8) << p.cpu
            << " s  peak " << std::setprecision(1) << std::setw(7) << p.picMo << " MB" << plus
            << '\n';
}

namespace {


std::string sortieTexte(const Sortie& s, double ecritMo) {
  std::ostringstream t;
  t << std::fixed << std::setprecision(1) << "  out " << s.fichiers << " files " << s.octets / 1048576.0
    << " MB  written " << ecritMo << " MB";
  return t.str();
}

Pas mediane(std::vector<Pas> essais) {
  std::sort(essais.begin(), essais.end(), [](const Pas& a, const Pas& b) { return a.mur < b.mur; });
  return essais[essais.size() / 2];
}

// The program on a data folder, as the desktop starts it, with scripted answers.
struct Programme {
  ui::ScriptedDialogs dialogs;
  ui::RecordingShell shell;
  ui::RecordingExit sortie;
  ui::FixedClock horloge{std::chrono::system_clock::time_point(std::chrono::seconds(1767225600))};
  std::unique_ptr<app::Programme> p;

  explicit Programme(const fs::path& dossier, std::function<void(std::string&, int&)> ftp = {}) {
    app::Environment env{dossier, dialogs, shell, sortie, horloge, "tarvio"};
    env.redirigerFtp = std::move(ftp);
    p = std::make_unique<app::Programme>(env);
    p->demarrer();
  }
  app::Tmain& main() { return p->main(); }
  void construire() {
    main().html.setEnabled(true);
    main().html.click();
  }
  // One sheet opened, its title changed, saved.
  void changerFiche(int numero, const std::string& titre) {
    main().liste_fiches.clickItem(numero);
    main().descriptionT.type(titre);
    main().sauver.click();
  }
};

// Hugo reads UTF-8; this file's strings are Windows-1252.
const std::string kEAigu = "\xC3\xA9", kEGrave = "\xC3\xA8";

// The same shop in the other generator: 10 sections of 10 themes, `n` product pages, lists by two.
void siteHugo(const fs::path& site, const fs::path& catalogue, int n) {
  fs::remove_all(site);
  fs::create_directories(site / "layouts" / "_default");
  // The same pictures, one a product.
  fs::create_directories(site / "static" / "img");
  int image = 0;
  for (const auto& e : fs::directory_iterator(catalogue))
    if (e.path().extension() == ".jpg" && image < n)
      fs::copy_file(e.path(), site / "static" / "img" / ("r" + std::to_string(image++) + ".jpg"));
  std::ofstream(site / "config.toml") << "baseURL = \"http://boutique.example/\"\ntitle = \"Boutique\"\n"
                                          "paginate = 2\ndisableKinds = [\"taxonomy\", \"term\", \"RSS\", \"sitemap\"]\n";
  std::ofstream(site / "layouts" / "_default" / "baseof.html")
      << "<!DOCTYPE html><html><head><title>{{ .Title }}</title></head><body>"
         "<nav>{{ range .Site.Sections }}<a href=\"{{ .RelPermalink }}\">{{ .Title }}</a> {{ end }}</nav>"
         "{{ block \"main\" . }}{{ end }}</body></html>\n";
  std::ofstream(site / "layouts" / "_default" / "list.html")
      << "{{ define \"main\" }}<h1>{{ .Title }}</h1>{{ range .Paginator.Pages }}<div><img src=\"{{ "
         ".Params.image }}\" width=\"96\" height=\"72\"><a href=\"{{ .RelPermalink }}\">{{ .Title "
         "}}</a> {{ .Params.prix }} EUR</div>{{ end }}{{ template \"_internal/pagination.html\" . }}{{ end }}\n";
  std::ofstream(site / "layouts" / "_default" / "single.html")
      << "{{ define \"main\" }}<h1>{{ .Title }}</h1><img src=\"{{ .Params.image }}\"><p>{{ "
         ".Params.prix }} EUR</p>{{ .Content }}<form><input name=\"ref\" value=\"{{ .Params.ref "
         "}}\"><button>Commander</button></form>{{ end }}\n";
  int numero = 0;
  for (int c = 0; c < 10; ++c)
    for (int t = 0; t < 10; ++t) {
      const fs::path theme = site / "content" / ("cat" + std::to_string(c)) / ("theme" + std::to_string(t));
      fs::create_directories(theme);
      std::ofstream(theme / "_index.md") << "---\ntitle: \"Th" << kEGrave << "me " << t << "\"\n---\n";
      for (int s = 0; s < n / 100; ++s, ++numero)
        std::ofstream(theme / ("p" + std::to_string(numero) + ".md"))
            << "---\ntitle: \"Produit " << numero << " " << kEAigu << "maill" << kEAigu << "\"\nprix: \"" << 5 + numero % 90
            << ".50\"\nref: \"R" << numero << "\"\nimage: \"/img/r" << numero
            << ".jpg\"\n---\nFabriqu" << kEAigu << " en France, livr" << kEAigu << " sous 48 h.\n\nR" << kEAigu
            << "f" << kEAigu << "rence R" << numero << ".\n";
    }
  for (int c = 0; c < 10; ++c)
    std::ofstream(site / "content" / ("cat" + std::to_string(c)) / "_index.md")
        << "---\ntitle: \"Cat" << kEAigu << "gorie " << c << "\"\n---\n";
}

// Hugo's run on its equivalent site (rebuilt from scratch), with its output.
std::pair<Pas, Sortie> tourHugo(const fs::path& racine, const fs::path& catalogue, int n) {
  siteHugo(racine, catalogue, n);
  Pas h = commande("hugo, " + std::to_string(n) + " pages",
                   {"hugo", "--quiet", "-s", racine.string(), "-d", (racine / "public").string()});
  return {h, compter(racine / "public")};
}

// A file system without a journal (ext4 here) makes every file created within about 30 s of
// a deletion scan past the inodes just freed: tens of thousands deleted before a timed run would
// make its time that of the kernel's scan. The folders a size uses are deleted together once it
// is measured, and the next timed run starts once that window has passed.
void effacer(const std::vector<fs::path>& dossiers) {
  bool efface = false;
  for (const fs::path& d : dossiers)
    if (fs::exists(d)) efface = fs::remove_all(d) > 0 || efface;
  if (!efface) return;
  ::sync();
  std::cout << "(35 s for the file system to forget the files just deleted)" << std::endl;
  std::this_thread::sleep_for(std::chrono::seconds(35));
}

void taille(const fs::path& base, int n, bool hugo, bool publication) {
  const std::string nom = "catalogue-" + std::to_string(n);
  // Against Hugo, three rounds in turn (a fresh catalogue and a fresh Hugo site each time), on
  // folders of their own: the medians are compared.
  const int tours = hugo ? 3 : 1;
  std::vector<fs::path> dossiers, sitesHugo, copies;
  for (int tour = 0; tour < tours; ++tour) {
    dossiers.push_back(base / (tour + 1 == tours ? nom : nom + "." + std::to_string(tour + 1)));
    sitesHugo.push_back(base / ("hugo." + std::to_string(tour + 1)));
  }
  for (int essai = 0; essai < 4; ++essai) copies.push_back(base / ("copie." + std::to_string(essai + 1)));
  std::vector<fs::path> tout = dossiers;
  tout.insert(tout.end(), sitesHugo.begin(), sitesHugo.end());
  tout.insert(tout.end(), copies.begin(), copies.end());
  for (const char* ancien : {"hugo", "copie"}) tout.push_back(base / ancien);  // earlier benches
  effacer(tout);
  const fs::path dossier = dossiers.back();
  const fs::path racineHugo = sitesHugo.back();
  std::cout << "== " << n << " sheets (" << dossier.string() << ")\n";
  std::vector<Pas> builds, hugos;
  Sortie sortieHugo;
  for (int tour = 0; tour < tours; ++tour) {
    const fs::path dossier = dossiers[static_cast<size_t>(tour)];
    dansUnFils([&](Releve& r) { r.mesurer("gen-catalogue", [&] { genererCatalogue(dossier, n); }); });
    auto construction = dansUnFils([&](Releve& r) {
      Programme prog(dossier);
      r.mesurer("full build", [&] { prog.construire(); });
    });
    builds.push_back(construction.at(0));
    if (!hugo) continue;
    auto [h, sortie] = tourHugo(sitesHugo[static_cast<size_t>(tour)], dossier, n);
    hugos.push_back(h);
    sortieHugo = sortie;
    std::cout << std::fixed << std::setprecision(3) << "round " << tour + 1 << ": build "
              << builds.back().mur << " s, hugo " << h.mur << " s\n";
  }
  const Sortie site = compter(dossier / "ftp");
  Pas build = mediane(builds);
  build.quoi = "full build, " + std::to_string(n) + (tours > 1 ? " (median)" : "");
  // The floor is the median of three copies: a single one varies with the machine's load.
  std::vector<Pas> copiesFaites;
  for (int essai = 0; essai < 3; ++essai)
    copiesFaites.push_back(commande("cp -r of ftp/", {"cp", "-r", (dossier / "ftp").string(),
                                                      copies[static_cast<size_t>(essai)].string()}));
  const Pas cp = mediane(copiesFaites);
  std::ostringstream ratio;
  ratio << std::fixed << std::setprecision(2) << "  cp -r " << cp.mur << " s  ratio " << build.mur / cp.mur
        << "  s/MB " << std::setprecision(4) << build.mur / (site.octets / 1048576.0);
  montrer(build, sortieTexte(site, build.ecritMo) + ratio.str());

  std::vector<Pas> demarrages, ouvertures, sauvegardes, cartes;
  for (int essai = 0; essai < 3; ++essai) {
    auto pas = dansUnFils([&](Releve& r) {
      std::unique_ptr<Programme> prog;
      r.mesurer("start-up", [&] { prog = std::make_unique<Programme>(dossier); });
      r.mesurer("open one sheet", [&] { prog->main().liste_fiches.clickItem(n / 2 + essai); });
      r.mesurer("save one sheet", [&] {
        prog->main().descriptionT.type("Bol émaillé, essai " + std::to_string(essai));
        prog->main().sauver.click();
      });
      r.mesurer("card refresh", [&] { prog->main().voir_vignette.click(); });
    });
    demarrages.push_back(pas.at(0));
    ouvertures.push_back(pas.at(1));
    sauvegardes.push_back(pas.at(2));
    cartes.push_back(pas.at(3));
  }
  for (const auto* serie : {&demarrages, &ouvertures, &sauvegardes, &cartes}) montrer(mediane(*serie));

  if (publication) {
    // The site as the last publication left it: on the server and in the mirror.
    testing_support::FtpServer serveur;
    commande("mirror", {"cp", "-rT", (dossier / "ftp").string(), (dossier / "transfert").string()});
    commande("server", {"cp", "-rT", (dossier / "ftp").string(), (serveur.home().path() / "www").string()});
    const auto copieFaite = fs::file_time_type::clock::now();
    auto pas = dansUnFils([&](Releve& r) {
      Programme prog(dossier, [&](std::string& hote, int& port) {
        hote = serveur.host();
        port = serveur.port();
      });
      prog.changerFiche(n / 3, "Tasse à café, anse torsadée");
      prog.construire();
      auto& f = prog.p->transfert1();
      prog.main().titreE.setText("Boutique");
      prog.main().descriptionM.setLines({"Une boutique"});
      f.HostTxt.setText("ftp.boutique.example");
      f.UserTxt.setText(serveur.user());
      f.PassTxt.setText(serveur.password());
      f.RepTxt.setText("www/");
      // The last publication went to this place, and its mirror says so.
      publish::noterLieuMiroir(prog.p->donnees(), {f.HostTxt.text(), f.PortTxt.text(),
                                                   f.UserTxt.text(), f.RepTxt.text()});
      prog.dialogs.clear();
      r.mesurer("publication, one sheet changed", [&] {
        prog.dialogs.queueAnswer(ui::Answer::No);
        prog.main().transfertClick();
        f.goftp.click();
      });
      const auto messages = prog.dialogs.messages();
      if (messages.empty() || messages.back() != "Le transfert est terminé")
        for (const auto& d : prog.dialogs.shown()) std::cout << "publication: " << d.text << '\n';
    });
    // What went up: the files the server holds newer than the copy of the previous site.
    long long envoyes = 0;
    for (const auto& e : fs::directory_iterator(serveur.home().path() / "www"))
      if (e.is_regular_file() && e.last_write_time() > copieFaite) ++envoyes;
    if (!pas.empty()) montrer(pas.at(0), "  " + std::to_string(envoyes) + " files sent");
  }

  if (hugo) {
    Pas h = mediane(hugos);
    h.quoi = "hugo, " + std::to_string(n) + " pages (median)";
    Pas cpHugo = commande("cp -r of hugo's public/",
                          {"cp", "-r", (racineHugo / "public").string(), copies.back().string()});
    std::ostringstream t;
    t << std::fixed << std::setprecision(2) << "  cp -r " << cpHugo.mur << " s  project/hugo "
      << build.mur / h.mur;
    montrer(h, sortieTexte(sortieHugo, 0) + t.str());
  }
  effacer(tout);
}

}  // namespace

int catalogueEntier(int argc, char** argv) {
  // bench --construire DIR: one build of an existing data folder, for a profiler.
  if (argc == 3 && std::string(argv[1]) == "--construire") {
    Programme(argv[2]).construire();
    return 0;
  }
  std::vector<int> tailles;
  for (int i = 1; i < argc; ++i) tailles.push_back(std::atoi(argv[i]));
  if (tailles.empty()) tailles = {1000, 10000, 30000};
  const char* dossier = std::getenv("BENCH_DIR");
  const fs::path base = dossier ? dossier : "/var/tmp/tarvio-bench";
  fs::create_directories(base);
  for (int n : tailles) taille(base, n, n == 10000, n <= 10000);
  return 0;
}

}  // namespace bench
