// The main window's support-file check, its module list and the outside programs it starts.

#include "fenetres/app/fiche_modules.h"

#include <filesystem>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/publish/fenetre_mise_a_jour.h"
#include "fenetres/publish/mise_a_jour_serveur.h"
#include "modele/app/texte_prix.h"
#include "modele/app/web.h"
#include "modele/publish/mise_a_jour.h"
#include "platform/files.h"
#include "platform/ftp.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/services.h"

namespace app {

bool ouvrirProgrammeVoisin(Programme& programme, std::string_view nom) {
  auto chemin = programme.chemin(nom);
  if (!platform::fileExists(chemin)) {
    programme.dialogs().showMessage("Le fichier " + std::string(nom) +
                                    " est introuvable dans le dossier de la boutique.");
    return false;
  }
  if (!programme.shell().open(chemin.string())) {
    programme.dialogs().showMessage("Le programme " + std::string(nom) +
                                    " ne peut pas être lancé sur ce système.");
    return false;
  }
  return true;
}

void Tmain::verifierModules() {
  if (!publish::supportsInstalles(p_.donnees().root())) p_.tarvioupdate().show();
}

void Tmain::chargerModules() {
  if (!p_.donnees().exists("modules.txt")) return;
  const auto lignes = platform::LineList::load(p_.chemin("modules.txt"));
  autres_modulesL.setItems({lignes.begin(), lignes.end()});
  if (autres_modulesL.count() > 0) autres_modulesL.setItemIndex(0);
  autres_modulesL.show();
  module_OK.show();
}

void Tmain::module_OKClick() {
  int choisi = autres_modulesL.itemIndex();
  if (choisi >= 0) ouvrirProgrammeVoisin(p_, autres_modulesL.items()[choisi]);
}

void Tmain::bstockClick() {
  exeL.clearItems();
  exeL.setDirectory(p_.donnees().root());
  exeL.update();
  if (exeL.count() > 0)
    ouvrirProgrammeVoisin(p_, exeL.items().front());
  else
    p_.shell().open(web::kModules);
}

void Tmain::modulesBClick() { p_.shell().open(web::kModules); }

void Tmain::versionBClick() {
  if (dialogs().messageBox(Version.caption() + "\n" +
                               "Voulez-vous mettre à jour votre logiciel ? (connection obligatoire)",
                           {}, ui::MessageKind::Confirmation,
                           ui::Buttons::YesNoCancel) == ui::Answer::Yes) {
    platform::FtpSession ftp;
    std::string raison;
    auto page = p_.chemin("tmp/version.htm");
    if (!publish::ouvrirCompteEditeur(p_.environment(), ftp, raison)) {
      dialogs().showMessage(raison);
      return;
    }
    bool recue = platform::makeFolder(page.parent_path()) && ftp.get("version.htm", page);
    if (!recue) raison = "Echec du téléchargement du fichier version.htm : " + ftp.lastError();
    ftp.disconnect();
    if (!recue) {
      dialogs().showMessage(raison);
      return;
    }
    std::string nouvelle;
    if (platform::fileExists(page)) {
      nouvelle = publish::versionAnnoncee(platform::LineList::load(page));
      platform::removeFile(page);
    }
    std::string courante = nettoyerPrix(platform::trim(Version.caption()));
    if (!nouvelle.empty() && nouvelle != courante &&
        dialogs().messageBox("Votre version " + courante + " est différente de la nouvelle version " +
                                 nouvelle + "." + " Voulez-vous télécharger les mises à jour ?",
                             {}, ui::MessageKind::Confirmation,
                             ui::Buttons::YesNoCancel) == ui::Answer::Yes) {
      p_.shell().open(web::kVersion);
      std::error_code sansChemin;
      auto executable = std::filesystem::read_symlink("/proc/self/exe", sansChemin);
      platform::LineList{"title=" + p_.application().title(), "pathexec=" + executable.string()}.save(
          p_.chemin("tmp/pathexe.txt"));
      // The program ends only when the updater has really started.
      if (ouvrirProgrammeVoisin(p_, "version.exe")) close();
      return;
    }
  }
  dialogs().showMessage("Aucune mise à jour");
}

}  // namespace app
