// The marketplace upload that follows the site upload: the catalogue's raw files that changed
// since their copy in the mirror vibdd/, then the quantity-multiple options and the two lists,
// to the fixed marketplace account in the folder of the shop login.

#include "fenetres/publish/transfert.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/publish/serveurs.h"
#include "modele/app/fiches_catalogue.h"
#include "modele/app/texte_prix.h"
#include "modele/publish/transfert_regles.h"
#include "modele/publish/vibdd.h"
#include "platform/files.h"
#include "ui/dialogs.h"

#include <algorithm>

namespace publish {

void Ttransfert1::transfertVibdd() {
  const auto& dossier = p_.donnees();
  const std::string login = p_.ident().identite.login;
  // A shared account: the login must not lead into another shop's folder.
  if (!repertoireVibddValide(login))
    throw EchecTransfert("Le login de la boutique \"" + login +
                         "\" ne peut pas nommer un répertoire du serveur VIBDD : rien n'y a été transféré.");
  if (!platform::makeFolder(p_.chemin("vibdd")))
    throw platform::FileError("Impossible de créer le répertoire " + p_.chemin("vibdd").string());
  if (effacerC.checked()) viderMiroirVibdd();
  // Listed once: the mirror's names are looked up for every file of the catalogue.
  viF.setDirectory(p_.chemin("vibdd"));
  viF.setMask("*.*");
  viF.update();
  miroirVibdd_ = std::unordered_set<std::string>(viF.items().begin(), viF.items().end());

  if (!connecterFtp(p_.environment(), FTP1, kServeurMarche, 21, kUtilisateurMarche,
                    kMotDePasseMarche))
    throw EchecTransfert("Connexion impossible au serveur VIBDD : " + FTP1.lastError());
  if (!FTP1.changeFolder(login))
    throw EchecTransfert("Le répertoire " + login + " n'a pas pu être ouvert sur le serveur VIBDD : " +
                         FTP1.lastError());
  Label2.setCaption("");
  blocM.setCaption("");
  Gauge.setProgress(0);

  const std::string url =
      chargerParametresVibdd(platform::LineList::load(dossier.path("vibdd.ini"))).url;
  const std::string x = cleVibdd(url, p_.main().options.options.separateur());
  ListesVibdd listes(login, url);

  // Sheets, promotions, sizes files, linked-product lists: in that order, each by its name.
  enum class Genre { fiches, tailles, autres };
  auto parcourir = [&](const std::filesystem::path& dossierLocal, const std::string& masque,
                       Genre genre) {
    refL.setDirectory(dossierLocal);
    refL.setMask(masque);
    refL.update();
    std::vector<std::string> noms;
    for (const auto& nom : refL.items())
      if (genre != Genre::tailles || estFichierTailles(nom)) noms.push_back(nom);
    if (genre == Genre::fiches)
      noms = app::sansMarqueurs(dossier, std::move(noms), app::Usage::produits);
    Gauge.setRange(0, std::max(0, static_cast<int>(noms.size()) - 1));
    for (size_t i = 0; i < noms.size(); ++i) {
      const auto local = dossierLocal / noms[i];
      if (genre == Genre::fiches) listes.ajouterFiche(platform::LineList::load(local));
      envoyerVibddSiChange(local, noms[i]);
      Gauge.setProgress(static_cast<int>(i));
    }
  };
  parcourir(dossier.root(), "*.ref", Genre::fiches);
  parcourir(dossier.root(), "*.pro", Genre::autres);
  parcourir(dossier.root(), "*.txt", Genre::tailles);
  parcourir(p_.chemin("tmp"), "*.pcl", Genre::autres);

  Gauge.setRange(0, 3);
  if (dossier.exists("qmulti.ini")) {
    envoyerVibdd(dossier.path("qmulti.ini"), "qmulti_" + x + ".ini");
    Gauge.setProgress(1);
  }
  // The lists reach the mirror only once sent: they wait in tmp/ meanwhile.
  platform::makeFolder(p_.chemin("tmp"));
  const std::pair<const platform::LineList*, std::string> genere[] = {
      {&listes.references, "vibdd_" + x + ".txt"}, {&listes.images, "images_" + x + ".txt"}};
  int position = 2;
  for (const auto& [lignes, nom] : genere) {
    const auto attente = p_.chemin("tmp/" + nom);
    lignes->save(attente);
    envoyerVibdd(attente, nom);
    platform::removeFile(attente);
    Gauge.setProgress(position++);
  }
  dialogs().showMessage("vibdd enregistré");
  if (FTP1.connected()) FTP1.disconnect();
}

void Ttransfert1::viderMiroirVibdd() {
  for (const auto& nom : platform::listFiles(p_.chemin("vibdd"))) {
    const auto copie = p_.chemin("vibdd") / nom;
    // A copy left behind would keep its file from being sent again.
    if (!platform::removeFile(copie))
      throw platform::FileError("Impossible d'effacer le fichier " + copie.string());
  }
}

void Ttransfert1::envoyerVibddSiChange(const std::filesystem::path& local, const std::string& nom) {
  if (miroirVibdd_.count(nom) && fichiersIdentiques(local, p_.chemin("vibdd") / nom))
    return;
  envoyerVibdd(local, nom);
}

void Ttransfert1::envoyerVibdd(const std::filesystem::path& local, const std::string& nom) {
  blocM.setCaption("Transfert du fichier : " + nom);
  if (!FTP1.put(local, nom))
    throw EchecTransfert("Echec du transfert du fichier " + nom + " vers le serveur VIBDD : " +
                         FTP1.lastError() + kSuiteEchec);
  // Only now: the mirror holds what the marketplace received.
  if (!app::copierFichier(local, p_.chemin("vibdd") / nom, false))
    throw EchecTransfert("Le fichier " + nom + " a été transféré mais n'a pas pu être copié dans " +
                         p_.chemin("vibdd").string() + kSuiteEchec);
}

}  // namespace publish
