#pragma once
// A program on a temporary shop folder whose FTP connections all go to a loopback server, with
// the helpers the publication tests share.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/publish/serveurs.h"
#include "fenetres/publish/transfert.h"
#include "platform/files.h"
#include "support/ftp_server.h"
#include "support/temp_folder.h"
#include "ui/scripted_dialogs.h"
#include "ui/services.h"

namespace publish::test {

struct Atelier {
  testing_support::TempFolder dossier;
  ui::ScriptedDialogs dialogs;
  ui::RecordingShell shell;
  ui::RecordingExit sortie;
  // 2026-03-15 at noon UTC: the same day in every time zone.
  ui::FixedClock horloge{std::chrono::system_clock::time_point(std::chrono::seconds(1773576000))};
  std::optional<testing_support::FtpServer> serveur;
  std::optional<testing_support::FtpServer> marche;  // the marketplace account, when a test starts it
  std::function<void()> pendantAttente;  // run while the network waits
  std::vector<std::string> hotesDemandes;
  std::unique_ptr<app::Programme> programme;

  explicit Atelier(bool avecServeur = true, int octetsParSeconde = 0) {
    if (avecServeur) serveur.emplace(octetsParSeconde);
  }

  void demarrer() {
    app::Environment env{dossier.path(), dialogs, shell, sortie, horloge, "tarvio"};
    env.redirigerFtp = [this](std::string& hote, int& port) {
      hotesDemandes.push_back(hote + ":" + std::to_string(port));
      auto& cible = marche && hote == kServeurMarche ? marche : serveur;
      if (cible) hote = cible->host(), port = cible->port();
    };
    env.patienter = [this] {
      if (pendantAttente) pendantAttente();
    };
    ecrire("ident.opt", "nomE=Boutik\r\nlogin=boutik\r\n");
    programme = std::make_unique<app::Programme>(env);
    programme->demarrer();
    dialogs.clear();
  }

  app::Programme& p() { return *programme; }
  app::Tmain& main() { return programme->main(); }
  Ttransfert1& fenetre() { return programme->transfert1(); }

  std::filesystem::path chemin(const std::string& nom) const { return dossier.path() / nom; }
  std::filesystem::path distant(const std::string& nom) const { return serveur->home().path() / nom; }
  static void ecrireEn(const std::filesystem::path& f, const std::string& contenu) {
    std::filesystem::create_directories(f.parent_path());
    platform::writeFileAtomic(f, contenu);
  }
  void ecrire(const std::string& nom, const std::string& contenu) const { ecrireEn(chemin(nom), contenu); }
  void ecrireDistant(const std::string& nom, const std::string& contenu) const {
    ecrireEn(distant(nom), contenu);
  }
  std::string lire(const std::string& nom) const { return platform::readFile(chemin(nom)); }
  std::string lireDistant(const std::string& nom) const { return platform::readFile(distant(nom)); }
  bool existe(const std::string& nom) const { return std::filesystem::exists(chemin(nom)); }

  // The files a publication needs; "Import" ticked (which chooses the frameset) or the index
  // title and description given, so that no index question comes first.
  void sitePubliable(bool import = true) {
    for (const char* f : {"menu.opt", "accueil.opt", "cv.opt"}) ecrire(f, "x=1\r\n");
    if (!import) {
      main().titreE.setText("Boutique");
      main().descriptionM.setLines({"Une boutique"});
      return;
    }
    ecrire("import/index.htm", "<html>\r\n");
    main().importC.setChecked(true);
  }

  // The shop's account as typed; its host is one of its own, sent to the test server.
  void compte(const std::string& rep = "") {
    fenetre().HostTxt.setText("ftp.boutik.example");
    fenetre().UserTxt.setText("marchand");
    fenetre().PassTxt.setText("secret");
    fenetre().RepTxt.setText(rep);
  }

  // The mirror's place recorded as the one compte(rep) names: the mirror copies a test writes
  // stand for what that folder holds.
  void lieuDuCompte(const std::string& rep = "") const {
    ecrire("tmp/transfert.lieu",
           "host=ftp.boutik.example\r\nport=21\r\nuser=marchand\r\nrep=" + rep + "\r\n");
  }

  // The publishing command, "No" to the rebuild question.
  void lancer() {
    dialogs.queueAnswer(ui::Answer::No);
    main().transfertClick();
  }

  // A publishable site with its account, the publishing command and the redirection ticked.
  void ouvrirAvecRedirection() {
    demarrer();
    sitePubliable();
    compte();
    lancer();
    fenetre().redirC.setChecked(true);
  }

  std::vector<std::string> coches() {
    std::vector<std::string> r;
    auto& liste = fenetre().memoFTP;
    for (size_t i = 0; i < static_cast<size_t>(liste.count()); ++i)
      if (liste.checked(i)) r.push_back(liste.items()[i]);
    return r;
  }
};

}  // namespace publish::test
