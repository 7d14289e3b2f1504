// The publication as the desktop program runs it: its windows drawn by the Qt renderer on the
// offscreen screen, its progress shown while the network waits, to a loopback FTP server. Each
// upload is set against the floor of the same run: the same files sent over one connection by a
// minimal client (Python's ftplib, STOR in a loop).

#include "publication.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue_synthetique.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/publish/transfert.h"
#include "mesures.h"
#include "qt/renderer.h"
#include "qt/session.h"
#include "support/ftp_server.h"
#include "ui/scripted_dialogs.h"
#include "ui/services.h"

namespace bench {

namespace {

namespace fs = std::filesystem;

// Counts the paints of some widgets.
class Peintures : public QObject {
 public:
  std::map<const QObject*, int> compte;
  bool eventFilter(QObject* objet, QEvent* evenement) override {
    if (evenement->type() == QEvent::Paint && compte.count(objet)) ++compte[objet];
    return false;
  }
};

// The program with the desktop's renderer and idle function, answers scripted.
struct Bureau {
  ui::ScriptedDialogs dialogs;
  ui::RecordingShell shell;
  ui::RecordingExit sortie;
  ui::FixedClock horloge{std::chrono::system_clock::time_point(std::chrono::seconds(1767225600))};
  qtui::ModalState modal;
  std::unique_ptr<app::Programme> p;
  std::unique_ptr<qtui::Renderer> rendu;

  Bureau(const fs::path& dossier, const testing_support::FtpServer& serveur) {
    app::Environment env{dossier, dialogs, shell, sortie, horloge, "tarvio"};
    env.redirigerFtp = [&serveur](std::string& hote, int& port) {
      hote = serveur.host();
      port = serveur.port();
    };
    env.patienter = [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); };
    p = std::make_unique<app::Programme>(env);
    rendu = std::make_unique<qtui::Renderer>(p->application(), modal);
    p->demarrer();
  }
  ~Bureau() { rendu.reset(); }

  void construire() {
    p->main().html.setEnabled(true);
    p->main().html.click();
  }

  // The publishing command (the comparison), then "Commencer le transfert", each measured.
  void publier(Releve& r, const testing_support::FtpServer& serveur) {
    auto& f = p->transfert1();
    p->main().titreE.setText("Boutique");
    p->main().descriptionM.setLines({"Une boutique"});
    f.HostTxt.setText("ftp.boutique.example");
    f.UserTxt.setText(serveur.user());
    f.PassTxt.setText(serveur.password());
    f.RepTxt.setText("www/");
    dialogs.clear();
    r.mesurer("comparison", [&] {
      dialogs.queueAnswer(ui::Answer::No);
      p->main().transfertClick();
    });
    r.noter("compared, bytes read", static_cast<double>(f.octetsLusComparaison));
    Peintures peintures;
    QWidget* jauge = rendu->widget(f.Gauge);
    peintures.compte[jauge] = 0;
    qApp->installEventFilter(&peintures);
    // BENCH_CAPTURE=FILE.png: a picture of the publication window two seconds into the upload.
    if (const char* capture = std::getenv("BENCH_CAPTURE"))
      QTimer::singleShot(2000, qApp, [fenetre = rendu->window(f), chemin = std::string(capture)] {
        fenetre->grab().save(QString::fromStdString(chemin));
      });
    r.mesurer("upload", [&] { f.goftp.click(); });
    qApp->removeEventFilter(&peintures);
    r.noter("gauge paints", peintures.compte[jauge]);
    const auto messages = dialogs.messages();
    if (messages.empty() || messages.back() != "Le transfert est terminé")
      for (const auto& d : dialogs.shown()) std::cout << "publication: " << d.text << '\n';
  }
};

// What one upload sent, read from the server's log after `depuis`: the names renamed into place,
// and the pauses of a second or more between the reply to EPSV and the STOR that follows.
struct Envoi {
  std::vector<std::string> noms;
  int attentes = 0;
};

Envoi lireEnvoi(const testing_support::FtpServer& serveur, size_t depuis) {
  Envoi e;
  const auto commandes = serveur.timedCommands();
  double epsv = -1;
  for (size_t i = depuis; i < commandes.size(); ++i) {
    const std::string c = commandes[i].command.substr(commandes[i].command.find(' ') + 1);
    if (c == "EPSV") epsv = commandes[i].seconds;
    if (c.starts_with("STOR ") && epsv >= 0 && commandes[i].seconds - epsv >= 0.9) ++e.attentes;
    if (c.starts_with("RNTO ")) e.noms.push_back(c.substr(5));
  }
  return e;
}

// BENCH_GAPS: the server's time from each kind of command to the next, in commands [depuis,
// jusque) of its log: where a file's time goes, on either side.
void ecarts(const testing_support::FtpServer& serveur, size_t depuis, size_t jusque) {
  const auto commandes = serveur.timedCommands();
  jusque = std::min(jusque, commandes.size());
  std::map<std::string, std::vector<double>> ecarts;
  std::string precedente;
  double depart = 0;
  for (size_t i = depuis; i < jusque; ++i) {
    std::string c = commandes[i].command.substr(commandes[i].command.find(' ') + 1);
    c = c.substr(0, c.find(' '));
    if (!precedente.empty()) ecarts[precedente + " -> " + c].push_back(commandes[i].seconds - depart);
    precedente = c;
    depart = commandes[i].seconds;
  }
  for (auto& [paire, duree] : ecarts) {
    std::sort(duree.begin(), duree.end());
    double somme = 0;
    for (double d : duree) somme += d;
    std::cout << std::setprecision(3) << "  " << paire << ": " << duree.size() << " times, median "
              << duree[duree.size() / 2] * 1000 << " ms, mean " << somme / duree.size() * 1000
              << " ms, " << somme << " s in all\n";
  }
}

// The minimal client on the same files, into a folder of its own: its seconds.
double plancher(const testing_support::FtpServer& serveur, const fs::path& dossier,
                const std::vector<std::string>& noms, const std::string& sousDossier) {
  const fs::path liste = dossier / "plancher.lst";
  {
    std::ofstream l(liste, std::ios::binary);
    for (const auto& n : noms) l << (dossier / "ftp" / n).string() << '\n';
  }
  const std::string script =
      (fs::path(TARVIO_SOURCE_DIR) / "bench" / "envoi_minimal.py").string();
  const std::string ligne = "/usr/bin/python3 '" + script + "' " + serveur.host() + " " +
                            std::to_string(serveur.port()) + " " + serveur.user() + " " +
                            serveur.password() + " " + sousDossier + " '" + liste.string() + "'";
  std::cout.flush();
  FILE* sortie = ::popen(ligne.c_str(), "r");
  if (!sortie) return -1;
  char tampon[64] = {};
  const bool lu = std::fgets(tampon, sizeof tampon, sortie) != nullptr;
  const int etat = ::pclose(sortie);
  fs::remove(liste);
  return lu && etat == 0 ? std::atof(tampon) : -1;
}

long long octets(const fs::path& dossier, const std::vector<std::string>& noms) {
  long long total = 0;
  for (const auto& n : noms) total += static_cast<long long>(fs::file_size(dossier / "ftp" / n));
  return total;
}

// One publication measured in a child process, then the floor on the same files.
void mesurerPublication(const std::string& titre, const fs::path& dossier,
                        const testing_support::FtpServer& serveur,
                        const std::function<void(Bureau&)>& avant, int tour) {
  const size_t depuis = serveur.timedCommands().size();
  const auto pas = dansUnFils([&](Releve& r) {
    int argc = 1;
    char nom[] = "bench";
    char* argv[] = {nom, nullptr};
    QApplication application(argc, argv);
    qtui::setUpApplication();
    Bureau bureau(dossier, serveur);
    avant(bureau);
    bureau.publier(r, serveur);
  });
  std::map<std::string, Pas> par;
  for (const auto& p : pas) par[p.quoi] = p;
  const Envoi envoi = lireEnvoi(serveur, depuis);
  const size_t milieu = serveur.timedCommands().size();
  const double sol = plancher(serveur, dossier, envoi.noms, "plancher" + std::to_string(tour));
  if (std::getenv("BENCH_GAPS")) {
    std::cout << "  gaps, program:\n";
    ecarts(serveur, depuis, milieu);
    std::cout << "  gaps, ftplib:\n";
    ecarts(serveur, milieu, serveur.timedCommands().size());
  }
  const Pas& envoiPas = par["upload"];
  const Pas& comparaison = par["comparison"];
  const double total = envoiPas.mur + comparaison.mur;
  const long long envoyes = octets(dossier, envoi.noms);
  const double n = static_cast<double>(envoi.noms.size());
  std::cout << std::fixed << std::setprecision(3) << titre << ": " << envoi.noms.size()
            << " files, " << std::setprecision(1) << envoyes / 1048576.0 << " MB sent\n"
            << std::setprecision(3) << "  program: comparison " << comparaison.mur << " s (cpu " << comparaison.cpu
            << " s), upload "
            << envoiPas.mur << " s (cpu " << envoiPas.cpu << " s), " << std::setprecision(0)
            << n / envoiPas.mur << " files/s; read " << std::setprecision(1)
            << comparaison.luMo + envoiPas.luMo << " MB (comparison " << comparaison.luMo
            << ", upload " << envoiPas.luMo << "; "
            << (envoyes ? (comparaison.luMo + envoiPas.luMo) * 1048576.0 / envoyes : 0)
            << " x the bytes sent; comparison read " << par["compared, bytes read"].mur / 1048576.0
            << " MB of files)\n"
            << "  window: gauge painted " << par["gauge paints"].mur
            << " times; one-second waits after EPSV: "
            << envoi.attentes << "\n"
            << std::setprecision(3) << "  ftplib STOR loop: " << sol << " s, " << std::setprecision(0)
            << n / sol << " files/s; program/ftplib (upload) " << std::setprecision(2)
            << envoiPas.mur / sol << ", (comparison and upload) " << total / sol << '\n';
  if (envoi.noms.size() > 300) return;
  // What went, the numbers of the pages of one list folded: "jouets-ete-N.htm x50".
  std::map<std::string, int> familles;
  for (const auto& nom : envoi.noms) {
    std::string famille = nom;
    const size_t point = famille.rfind('.');
    size_t debut = point;
    while (debut > 0 && std::isdigit(static_cast<unsigned char>(famille[debut - 1]))) --debut;
    if (point != std::string::npos && debut < point) famille.replace(debut, point - debut, "N");
    ++familles[famille];
  }
  std::cout << "  sent:";
  for (const auto& [famille, nombre] : familles)
    std::cout << ' ' << famille << (nombre > 1 ? " x" + std::to_string(nombre) : "");
  std::cout << '\n';
}

}  // namespace

int publication(const std::vector<int>& tailles, const fs::path& base) {
  for (int n : tailles) {
    const fs::path dossier = base / ("publication-" + std::to_string(n));
    fs::remove_all(dossier);
    std::cout << "== publication, " << n << " sheets (" << dossier.string() << ")" << std::endl;
    dansUnFils([&](Releve& r) {
      r.mesurer("gen-catalogue", [&] { genererCatalogue(dossier, n); });
    });
    testing_support::FtpServer serveur;
    fs::create_directories(serveur.home().path() / "www");
    mesurerPublication("first publication", dossier, serveur, [](Bureau& b) { b.construire(); }, 0);
    for (int tour = 1; tour <= 3; ++tour)
      mesurerPublication("one sheet changed, round " + std::to_string(tour), dossier, serveur,
                         [&](Bureau& b) {
                           auto& m = b.p->main();
                           m.liste_fiches.clickItem(n / 3 + tour);
                           m.descriptionT.type("Tasse à café, essai " + std::to_string(tour));
                           m.sauver.click();
                           b.construire();
                         },
                         tour);
    fs::remove_all(dossier);
  }
  return 0;
}

}  // namespace bench
