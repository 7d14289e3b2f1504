#include "fenetres/publish/fenetre_autres_comparateurs.h"

#include "fenetres/app/programme.h"
#include "modele/publish/flux_comparateurs.h"
#include "modele/publish/parametres_ftp.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace publish {

namespace {
// The account file's keys, in the order of the edits.
constexpr const char* kCles[] = {"tracking", "nom", "serveur", "utilisateur", "rep", "port", "pass"};
}  // namespace

Tautres_comp::Tautres_comp(app::Programme& programme)
    : ui::Form(programme.application(), "Tautres_comp", "autres_comp"), p_(programme) {
  setCaption("Autres Comparateurs");
  const char* legendes[] = {"Tracking ", "Nom ", "Serveur ", "Utilisateur ", "Répertoire ", "Port ",
                            "Mot de passe "};
  ui::Edit* edits[] = {&trackingE, &nomE, &serveurE, &utilisateurE, &repE, &portE, &passE};
  for (size_t i = 0; i < 7; ++i) {
    edits[i]->labelCaption = legendes[i];
    ui::setSize(*edits[i], 240);
  }
  passE.password = true;
  portE.setText("21");
  ui::setSize(coxF, 240, 120);
  onShow = [this] { FormShow(); };
  coxF.onClick = [this] { coxFClick(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  closeB.onClick = [this] { closeBClick(); };
}

void Tautres_comp::FormShow() {
  coxF.setDirectory(p_.donnees().root());
  coxF.update();
}

void Tautres_comp::coxFClick() {
  const auto fichier = coxF.fileName();
  if (fichier.empty() || !platform::fileExists(fichier)) return;
  const platform::LineList compte = platform::LineList::load(fichier);
  ui::Edit* edits[] = {&trackingE, &nomE, &serveurE, &utilisateurE, &repE, &portE, &passE};
  for (size_t i = 0; i < 7; ++i) edits[i]->setText(compte.value(kCles[i]));
}

void Tautres_comp::BitBtn1Click() {
  ui::Edit* edits[] = {&trackingE, &nomE, &serveurE, &utilisateurE, &repE, &portE, &passE};
  trackingE.setText(platform::trim(trackingE.text()));
  if (!trackingValide(trackingE.text())) {
    dialogs().showMessage("Pour le tracking seules les lettres en minuscule sans accent ni espace sont acceptés");
    return;
  }
  for (ui::Edit* e : edits) e->setText(platform::trim(e->text()));
  for (auto [edit, message] : {std::pair{&nomE, "Nom à compléter"}, std::pair{&serveurE, "Serveur à compléter"},
                               std::pair{&utilisateurE, "Utilisateur à compléter"}})
    if (edit->text().empty()) {
      dialogs().showMessage(message);
      return;
    }
  platform::LineList compte;
  for (size_t i = 0; i < 7; ++i) compte.add(std::string(kCles[i]) + "=" + edits[i]->text());
  const auto fichier = p_.donnees().path(trackingE.text() + ".cox");
  compte.save(fichier, platform::Access::owner);
  dialogs().showMessage(trackingE.text() + " enregistré ou modifié");
  FormShow();
}

void Tautres_comp::BitBtn2Click() {
  const auto fichier = coxF.fileName();
  if (fichier.empty() || !platform::fileExists(fichier)) return;
  platform::removeFile(fichier);
  dialogs().showMessage(fichier.string() + " supprimé");
  FormShow();
}

void Tautres_comp::closeBClick() { close(); }

}  // namespace publish
