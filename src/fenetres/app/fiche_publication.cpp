// The main window's publishing command: the site must be publishable, the account is loaded, the
// questions are asked, then the publication window opens with the changed files ticked.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/pages/marque_construction.h"
#include "fenetres/publish/transfert.h"
#include "modele/app/texte_prix.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "ui/dialogs.h"

namespace app {

namespace {

ui::Answer question(ui::Dialogs& dialogs, std::string_view texte) {
  return dialogs.messageBox(texte, "Confirmation", ui::MessageKind::Confirmation,
                            ui::Buttons::YesNoCancel);
}

// ftp/baches_ref.inf: "<reference>=<page>" for each sheet of bache.ini that has a page and a
// sizes file, the sizes file being copied into ftp/ beside it.
void ecrireTaillesPages(const platform::DataFolder& dossier) {
  if (!dossier.exists("bache.ini") || !platform::folderExists(dossier.path("ftp"))) return;
  const platform::LineList fiches = platform::LineList::load(dossier.path("bache.ini"));
  platform::LineList index;
  if (dossier.exists("listeHTM.tmp")) index = platform::LineList::load(dossier.path("listeHTM.tmp"));
  platform::LineList lignes;
  for (const auto& ligne : fiches) {
    // A name that would leave the data folder names no sheet of it.
    if (!platform::safeRelativePath(ligne) || !dossier.exists(ligne)) continue;
    const std::string reference = ligne.substr(0, ligne.find('.'));
    if (reference.empty() || ligne.find('.') == std::string::npos) continue;
    const std::string page = platform::trim(index.value(reference));
    if (page.empty()) continue;
    const std::string tailles = reference + "tailles.txt";
    if (!platform::safeRelativePath(tailles) || !dossier.exists(tailles)) continue;
    if (!copierFichier(dossier.path(tailles), dossier.path("ftp/" + tailles), false))
      throw platform::FileError("Impossible de copier " + tailles + " dans " +
                                dossier.path("ftp").string());
    lignes.add(reference + "=" + page);
  }
  lignes.save(dossier.path("ftp/baches_ref.inf"));
}

}  // namespace

void Tmain::transfertClick() {
  auto& fenetre = p_.transfert1();
  // An upload is running (its network waits let the user click here): show it, start nothing.
  if (fenetre.enCours()) {
    fenetre.show();
    return;
  }
  const auto& dossier = p_.donnees();
  auto& d = dialogs();
  if (dossier.exists("ftp/boncommande.htm")) {
    d.showMessage("Transfert impossible avec l'option catalogue hors ligne. Vous devez reconstruire le site.");
    return;
  }
  if (!reglagesSiteDefinis("Le menu n'a pas été défini")) return;
  activerOngletFiche();
  if (!fenetre.chargerCompte()) return;

  if (!importC.checked()) {
    if (titreE.text().empty() &&
        question(d, "Il faut donner un titre pour le référencement de votre site (voir onglet "
                    "INDEX). Voulez-vous publier le site quand même ?") != ui::Answer::Yes)
      return;
    if (descriptionM.lines().empty() &&
        question(d, "Il manque une description pour le référencement de votre site (voir onglet "
                    "INDEX). Voulez-vous publier le site quand même ?") != ui::Answer::Yes)
      return;
  }
  // A site that an unfinished build left half-emptied is never sent: only the rebuild is offered.
  const bool inachevee = pages::constructionInachevee(dossier);
  const ui::Answer reconstruire =
      inachevee ? question(d, pages::kConstructionInacheveeQuestion) :
      question(d, "Si vous avez effectué des modifications, il est peut-être nécessaire de "
                  "reconstruire le site (ou aperçu). Voulez-vous reconstruire le site avant le "
                  "transfert ?");
  if (reconstruire == ui::Answer::Yes) {
    // The rebuild ends the command: the user publishes the new site with a second command.
    PageControl1.setActivePage(0);
    // A refused save leaves the sheet as the user typed it: nothing is rebuilt from a stale file.
    if (sauver.enabled() && !SauverFiche()) return;
    construireSite();
    if (sauver.enabled()) chargerFiche();
    return;
  }
  if (reconstruire != ui::Answer::No || inachevee) return;

  try {
    // The mirror is the memory of what was published: without it nothing could be recorded.
    platform::makeFolder(p_.chemin("transfert"));
    ecrireTaillesPages(dossier);

    fenetre.listeFTP.clearItems();
    fenetre.show();
    // Hidden files (".htaccess" and the like) are neither listed nor sent.
    std::vector<std::string> site = platform::listFiles(p_.chemin("ftp"), "*");
    std::erase_if(site, [](const std::string& nom) { return nom.starts_with('.'); });
    if (site.empty()) {
      fenetre.close();
      d.showMessage("Aucun éléments à transférer");
      return;
    }
    // Given whole, once sorted: the window redraws a list at each item added.
    platform::sortFrench(site);
    fenetre.listeFTP.setItems(std::move(site));
    fenetre.listeFTP.setItemIndex(0);
    // Unticked before emptying: the list's ticks would outlive its items.
    fenetre.memoFTP.setChecks({});
    fenetre.memoFTP.clearItems();
    fenetre.compare();
  } catch (const platform::FileError& e) {
    reportError(e);
  }
}

}  // namespace app
