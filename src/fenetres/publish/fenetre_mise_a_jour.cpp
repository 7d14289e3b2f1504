#include "fenetres/publish/fenetre_mise_a_jour.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/publish/mise_a_jour_serveur.h"
#include "modele/publish/mise_a_jour.h"
#include "platform/files.h"
#include "platform/ftp_listing.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace publish {

Ttarvioupdate::Ttarvioupdate(app::Programme& programme)
    : ui::Form(programme.application(), "Ttarvioupdate", "tarvioupdate"), p_(programme) {
  setCaption("UpDate");
  Memo1.setLines(platform::LineList{"Certains fichiers manquent ou ne correspondent pas à votre version ",
                                    "de Tarvio.", "",
                                    "Pour mettre à jour votre version il suffit de cliquer sur le bouton",
                                    "Mettre à jour après vous êtes connecté à Internet."});
  Memo1.setReadOnly(true);
  Memo1.setColour(ui::clInfoBk);
  mss.hide();
  setBounds(left(), top(), 460, height());
  ui::setSize(version, 440, ui::kLineHeight);
  ui::setSize(Memo1, 440, 110);
  ui::setSize(mss, 440, 30);
  onActivate = [this] { FormActivate(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
}

void Ttarvioupdate::FormActivate() { version.setCaption(p_.main().Version.caption()); }

namespace {

// The updater is a program of the other platform, not ours to hand out: fetched only when the
// server offers it, and its absence is no failure.
bool offert(platform::FtpSession& ftp, const std::string& nom) {
  auto lignes = ftp.list();
  if (!lignes) return false;
  for (const auto& e : platform::parseListing(*lignes).entries)
    if (!e.folder && e.name == nom) return true;
  return false;
}

}  // namespace

void Ttarvioupdate::BitBtn2Click() {
  mss.show();
  std::string raison;
  bool flechesNeuves = false;
  bool reussi = ouvrirCompteEditeur(p_.environment(), FTP1, raison);
  if (reussi) {
    auto plan = fichiersSupport(p_.donnees().root());
    flechesNeuves = !platform::folderExists(p_.chemin("fleches"));
    for (const char* dossier : {"import", "fleches"})
      if (reussi && !platform::makeFolder(p_.chemin(dossier))) {
        raison = "Impossible de créer le répertoire " + p_.chemin(dossier).string();
        reussi = false;
      }
    // Each file arrives whole or not at all: a lost server never leaves half a script.
    for (const auto& f : plan) {
      if (!reussi) break;
      if (f.distant == kProgrammeMiseAJour && !offert(FTP1, f.distant)) continue;
      if (!FTP1.get(f.distant, p_.chemin(f.local))) {
        raison = "Echec du téléchargement du fichier " + f.distant + " : " + FTP1.lastError();
        reussi = false;
      }
    }
  }
  if (FTP1.connected()) FTP1.disconnect();
  mss.hide();
  if (!reussi) {
    // Arrows half fetched would pass the next check: the folder goes, so the next try fetches all.
    if (flechesNeuves) platform::removeFolder(p_.chemin("fleches"));
    dialogs().showMessage(raison);
    return;
  }
  dialogs().showMessage("Mise à jour terminée");
  close();
}

}  // namespace publish
