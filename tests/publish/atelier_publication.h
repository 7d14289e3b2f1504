#pragma once
// A program on a temporary shop folder whose FTP connections go to a loopback server, with the
// helpers the publication tests share: writing site and mirror files, launching the publishing
// command, reading what the server received.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/fiche.h"
#include "app/programme.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "publish/transfert.h"
#include "support/ftp_server.h"
#include "support/temp_folder.h"
#include "ui/scripted_dialogs.h"
#include "ui/services.h"

namespace publish::test {

// 2026-03-15 at noon UTC: the same day in every time zone the tests run in.
inline constexpr long long kMidi15Mars2026 = 1773576000;

struct Atelier {
  testing_support::TempFolder dossier;
  ui::ScriptedDialogs dialogs;
  ui::RecordingShell shell;
  ui::RecordingExit sortie;
  ui::FixedClock horloge{std::chrono::system_clock::time_point(std::chrono::seconds(kMidi15Mars2026))};
  std::optional<testing_support::FtpServer> serveur;
  std::function<void()> pendantAttente;  // run by the program while the network waits
  std::unique_ptr<app::Programme> programme;

  explicit Atelier(bool avecServeur = true, int octetsParSeconde = 0) {
    if (avecServeur) serveur.emplace(octetsParSeconde);
  }

  app::Programme& demarrer() {
    app::Environment env{dossier.path(), dialogs, shell, sortie, horloge, "tarvio"};
    // The shop's account names a host of its own: every connection is sent to the test server.
    env.redirigerFtp = [this](std::string& hote, int& port) {
      hotesDemandes.push_back(hote + ":" + std::to_string(port));
      if (serveur) {
        hote = serveur->host();
        port = serveur->port();
      }
    };
    env.patienter = [this] {
      if (pendantAttente) pendantAttente();
    };
    ecrire("ident.opt", "nomE=Boutik\r\nlogin=boutik\r\n");
    programme = std::make_unique<app::Programme>(env);
    programme->demarrer();
    dialogs.clear();
    return *programme;
  }

  app::Programme& p() { return *programme; }
  app::Tmain& main() { return programme->main(); }
  Ttransfert1& fenetre() { return programme->transfert1(); }

  std::filesystem::path chemin(const std::string& nom) const { return dossier.path() / nom; }
  void ecrire(const std::string& nom, const std::string& contenu) const {
    std::filesystem::create_directories(chemin(nom).parent_path());
    platform::writeFileAtomic(chemin(nom), contenu);
  }
  std::string lire(const std::string& nom) const { return platform::readFile(chemin(nom)); }
  bool existe(const std::string& nom) const { return std::filesystem::exists(chemin(nom)); }
  std::filesystem::path distant(const std::string& nom) const {
    return serveur->home().path() / nom;
  }
  std::string lireDistant(const std::string& nom) const { return platform::readFile(distant(nom)); }
  void ecrireDistant(const std::string& nom, const std::string& contenu) const {
    std::filesystem::create_directories(distant(nom).parent_path());
    platform::writeFileAtomic(distant(nom), contenu);
  }

  // The files every publication needs, with the Index tab's "Import" ticked so that no
  // question about the index comes before the rebuild question.
  void sitePubliable() {
    for (const char* f : {"menu.opt", "accueil.opt", "cv.opt"}) ecrire(f, "x=1\r\n");
    main().importC.setChecked(true);
  }

  // The shop's account as typed in the publication window.
  void compte(const std::string& rep = "") {
    fenetre().HostTxt.setText("ftp.boutik.example");
    fenetre().PortTxt.setText("21");
    fenetre().UserTxt.setText(serveur ? serveur->user() : "marchand");
    fenetre().PassTxt.setText(serveur ? serveur->password() : "secret");
    fenetre().RepTxt.setText(rep);
  }

  // The publishing command answered "No" to the rebuild question.
  void lancer() {
    dialogs.queueAnswer(ui::Answer::No);
    main().transfertClick();
  }

  // name -> ticked, in the order of the list.
  std::vector<std::pair<std::string, bool>> proposes() {
    std::vector<std::pair<std::string, bool>> r;
    auto& liste = fenetre().memoFTP;
    for (size_t i = 0; i < static_cast<size_t>(liste.count()); ++i)
      r.emplace_back(liste.items()[i], liste.checked(i));
    return r;
  }
  std::vector<std::string> coches() {
    std::vector<std::string> r;
    for (auto& [nom, coche] : proposes())
      if (coche) r.push_back(nom);
    return r;
  }

  std::vector<std::string> hotesDemandes;
};

}  // namespace publish::test
