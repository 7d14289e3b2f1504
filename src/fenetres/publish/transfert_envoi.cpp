// The upload of the publication window: ticked files of ftp/ sent and mirrored into transfert/,
// obsolete remote pages replaced by the redirect page, the site map list merged and sent.

#include "fenetres/publish/transfert.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/pages/marque_construction.h"
#include "fenetres/publish/fenetre_comparateurs.h"
#include "fenetres/publish/serveurs.h"
#include "modele/app/texte_prix.h"
#include "modele/pages/ecrivain_fond.h"
#include "modele/publish/empreintes_miroir.h"
#include "modele/publish/lieux_miroir.h"
#include "modele/publish/noms_entames.h"
#include "modele/publish/transfert_ordre.h"
#include "modele/publish/transfert_regles.h"
#include "platform/files.h"
#include "platform/ftp.h"
#include "platform/ftp_listing.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/services.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace publish {

void Ttransfert1::verrouiller(bool pendantEnvoi) {
  enCours_ = pendantEnvoi;
  // While the network waits the user can still click: nothing may change the lists under the
  // upload, start a second one or close the connection.
  for (ui::Control* c : std::initializer_list<ui::Control*>{&goftp, &BitBtn4, &modif, &BitBtn5,
                                                            &bouton, &BitBtn1})
    c->setEnabled(!pendantEnvoi);
}

void Ttransfert1::goftpClick() {
  if (enCours_) return;
  const auto& dossier = p_.donnees();
  if (pages::constructionInachevee(dossier)) {
    dialogs().showMessage(pages::kConstructionInacheveeTransfert);
    return;
  }
  const std::string date = texteDate(p_.environment().clock.now());
  const std::string repertoire = platform::trim(RepTxt.text());
  if (!repertoire.empty() && repertoire.back() != '/')
    dialogs().showMessage("Le répertoire doit toujour se terminer par /");

  // The home page option as the program holds it, as the site frame and pages use it.
  const std::string accueil =
      framesOui() && p_.main().accueilHTM == "oui" ? "accueil.htm" : "index.htm";
  // Made again at each publication: not synced, which would wait for the build's writes.
  platform::writeGeneratedFile(
      platform::resolvePath(dossier.path("ftp/redir.txt")),
      pageRedirection(accueil, p_.main().options.options.police_defaut).text(), false);

  memoG.clear();
  // The ticks as they are now: the user may touch the list while the network waits.
  std::vector<std::string> aEnvoyer;
  for (size_t i = 0; i < static_cast<size_t>(memoFTP.count()); ++i)
    if (memoFTP.checked(i)) aEnvoyer.push_back(memoFTP.items()[i]);
  // A list made for another place than the mirror's would leave files missing at this one, and an
  // empty one tells nothing of it: this place's list is offered before anything is sent.
  const LieuMiroir lieu = lieuPublication();
  const bool listeAilleurs = !(lieuListe_ && memeLieu(*lieuListe_, lieu)) && !miroirDe(lieu);
  // A redirection begun and not known to have ended goes with every publication.
  if (aEnvoyer.empty() && !(listeAilleurs && lieuListe_) && !redirectionsEnAttente()) {
    dialogs().showMessage("Aucun fichier à transférer");
    return;
  }
  if (listeAilleurs) {
    compare();
    dialogs().showMessage(
        "Le serveur, le compte ou le répertoire a changé : la liste des fichiers à transférer a "
        "été refaite pour ce lieu. Cliquez à nouveau sur \"Commencer le transfert\" pour "
        "l'envoyer.");
    return;
  }
  Gauge.setRange(0, static_cast<int>(aEnvoyer.size()));
  Gauge.setProgress(0);
  verrouiller(true);
  planSiteEcrit_ = false;

  std::vector<std::string> refuses;
  try {
    platform::makeFolder(p_.chemin("transfert"));
    refuses = envoyer(aEnvoyer, date, repertoire);
    redirigerPagesInutiles();
    envoyerPlanSite();
    if (FTP1.connected()) FTP1.disconnect();
    if (dossier.exists("vibdd.ini")) transfertVibdd();
  } catch (const std::exception& e) {
    if (FTP1.connected()) FTP1.disconnect();
    std::string message = e.what();
    // Pages already sent keep their site map lines: the local list now differs from its
    // mirror copy and goes with the next publication.
    try {
      sauverPlanSiteLocal();
    } catch (const std::exception& ecriture) {
      message += std::string("\r") + ecriture.what();
    }
    verrouiller(false);
    dialogs().messageBox(message, "Erreur", ui::MessageKind::Error, ui::Buttons::Ok);
    return;
  }

  verrouiller(false);
  if (!refuses.empty()) {
    std::string noms;
    for (std::string nom : refuses) {
      for (char& c : nom)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
      noms += (noms.empty() ? "" : ", ") + nom;
    }
    dialogs().showMessage(
        "Ces fichiers n'ont pas été transférés : leur nom contient un caractère que le serveur "
        "ne peut pas recevoir. Renommez-les dans le répertoire import puis reconstruisez le site : " +
        noms);
  }
  dialogs().showMessage(dossier.exists("stock.exe")
                            ? "Le transfert est terminé. N'OUBLIEZ PAS DE METTRE VOTRE STOCK A JOUR ...."
                            : "Le transfert est terminé");
  if (dossier.exists("kelkoo.ini") &&
      dialogs().messageBox("Mettre à jour la base des comparateurs ?", "Confirmation",
                           ui::MessageKind::Confirmation, ui::Buttons::YesNoCancel) ==
          ui::Answer::Yes) {
    close();
    p_.ident().chargerIdent();
    p_.kelkoo2().show();
  }
}

std::vector<std::string> Ttransfert1::envoyer(const std::vector<std::string>& aEnvoyer,
                                              const std::string& date,
                                              const std::string& repertoire) {
  const auto& dossier = p_.donnees();
  const auto port = portFtp(PortTxt.text());
  if (!port)
    throw EchecTransfert("Le port \"" + PortTxt.text() + "\" n'est pas un nombre entier de 1 à 65535");
  if (FTP1.connected()) FTP1.disconnect();
  if (!connecterFtp(p_.environment(), FTP1, HostTxt.text(), *port, UserTxt.text(),
                    PassTxt.text()))
    throw EchecTransfert("Connexion impossible au serveur " + HostTxt.text() + " : " +
                         FTP1.lastError());
  if (!repertoire.empty() && !FTP1.changeFolder(repertoire))
    throw EchecTransfert("Le répertoire " + repertoire + " n'a pas pu être ouvert sur le serveur : " +
                         FTP1.lastError());
  // What an upload cut short left there, of the files of the site or of a mirror (the one in
  // place and this place's): the other files of the folder are the shopkeeper's. Not a reason to
  // stop: a server that cannot list or remove them keeps them until the next publication tries
  // again.
  const std::unordered_set<std::string> site(listeFTP.items().begin(), listeFTP.items().end());
  std::unordered_set<std::string> nosFichiers = site;
  for (const auto& nom : fichiersMiroir()) nosFichiers.insert(nom);
  // The mirror must tell what this server holds: that of this place, kept while the shop was
  // published elsewhere, or an empty one. One with no place recorded was offered whole: its
  // copies of the site's files count once sent here, or a send cut short would leave them counted
  // as here; the others stay for the redirection, which looks for them on this server. One of the
  // older form is written again whole.
  const LieuMiroir lieu = lieuPublication();
  prendreMiroirDe(dossier, lieu);
  const std::vector<std::string>& nomsMiroir = fichiersMiroir();
  nosFichiers.insert(nomsMiroir.begin(), nomsMiroir.end());
  // What the folder held before: a page found there is never taken back.
  std::unordered_set<std::string> presents;
  if (!FTP1.removeLeftovers(nosFichiers, &presents)) presents = site;
  const auto lieuMiroir = lireLieuMiroir(dossier);
  if (!lieuMiroir) {
    NomsEntames entames = lireNomsEntames(dossier);
    std::vector<std::string> retires;
    for (const std::string& nom : nomsMiroir)
      if (site.count(nom)) retires.push_back(nom);
    entames.insert(retires.begin(), retires.end());
    sauverNomsEntames(dossier, entames);
    for (const std::string& nom : retires) oublierCopieMiroir(nom);
  }
  if (!lieuMiroir || lieuMiroir->formeAncienne) noterLieuMiroir(dossier, lieu);
  Label2.setCaption("");
  blocM.setCaption("");

  // New files first where a page names them, the entry pages last: cut short, the live site
  // points at no file it does not have.
  std::unordered_set<std::string> nouveaux;
  for (const auto& nom : aEnvoyer)
    if (!platform::fileExists(dossier.path("transfert/" + nom))) nouveaux.insert(nom);
  std::vector<std::vector<std::string>> cercles;
  const std::vector<std::string> ordre =
      ordreEnvoi(aEnvoyer, nouveaux, [&](const std::string& nom) -> std::optional<std::string> {
        try {
          return platform::readFile(dossier.path("ftp/" + nom));
        } catch (const platform::FileError&) {
          return std::nullopt;
        }
      }, &cercles);

  // Known before the first of them is touched there: one whose send fails and that then leaves
  // the site is still redirected.
  NomsEntames entames = lireNomsEntames(dossier);
  entames.insert(ordre.begin(), ordre.end());
  sauverNomsEntames(dossier, entames);

  NotesMiroir empreintes(dossier);
  pages::EcrivainFond miroir;
  std::vector<std::string> refuses;
  // Written by the network thread as the files go, read by the window's.
  std::atomic<int> faits = Gauge.progress();
  std::atomic<size_t> courant = 0;  // in ordre, the file going
  // The progress is shown, and the windows serviced, while the network waits (every 50 ms)
  // rather than for every file: thousands of small files would otherwise cost a repaint each.
  auto afficher = [&] {
    Label2.setCaption("Transfert du fichier : ");
    if (courant < ordre.size()) blocM.setCaption(ordre[courant]);
    Gauge.setProgress(faits);
    if (p_.environment().patienter) p_.environment().patienter();
  };
  FTP1.setIdle(afficher);
  struct Retour {
    platform::FtpSession& ftp;
    std::function<void()> idle;
    ~Retour() { ftp.setIdle(idle); }
  } retour{FTP1, p_.environment().patienter};

  // On the network thread, one file after the other.
  size_t suivant = 0;
  long long tempsSite = 0;  // of the file given last
  std::vector<std::string> envoyes;
  auto prochain = [&]() -> std::optional<platform::FtpSession::File> {
    while (suivant < ordre.size()) {
      const std::string& nom = ordre[suivant++];
      const auto site = dossier.path("ftp/" + nom);
      // Taken before the file is read: a change made meanwhile gives it another time.
      const auto etatSite = pages::EmpreintesPages::etat(site);
      if (!etatSite && !platform::fileExists(site)) continue;
      // One such name must not stop every publication at that file.
      if (!platform::isFtpName(nom)) {
        refuses.push_back(nom);
        ++faits;
        continue;
      }
      courant = suivant - 1;
      tempsSite = etatSite ? etatSite->temps : 0;
      // Read once: sent, hashed and mirrored from the same bytes.
      std::string octets;
      try {
        octets = platform::readFile(site);
      } catch (const platform::FileError& e) {
        throw EchecTransfert("Echec du transfert du fichier " + nom + " : " + e.what() + kSuiteEchec);
      }
      oublierCopieMiroir(nom);
      return platform::FtpSession::File{nom, std::move(octets)};
    }
    return std::nullopt;
  };
  auto envoye = [&](platform::FtpSession::File&& fichier) {
    ++faits;
    envoyes.push_back(fichier.remoteName);
    // Only now: the mirror holds what the server received. Hashed and written on a thread of
    // its own while the next file goes, and nothing waits for the disc: a copy lost in a crash
    // only makes its file go again.
    const auto copie = dossier.path("transfert/" + fichier.remoteName);
    confierMiroir(miroir, [&empreintes, &dossier, copie, nom = std::move(fichier.remoteName),
                           temps = tempsSite, octets = std::move(fichier.bytes)] {
      try {
        platform::writeGeneratedFile(copie, octets, false);
      } catch (const platform::FileError&) {
        throw platform::FileError("Le fichier " + nom +
                                  " a été transféré mais n'a pas pu être copié dans " +
                                  dossier.path("transfert").string());
      }
      empreintes.noter(nom, EmpreintesMiroir::mesurer(octets), temps);
    });
  };
  std::exception_ptr echec;
  try {
    if (!FTP1.putEach(prochain, envoye))
      throw EchecTransfert("Echec du transfert du fichier " + ordre[courant] + " : " +
                           FTP1.lastError() + kSuiteEchec);
    confierMiroir(miroir, {});
  } catch (...) {
    echec = std::current_exception();
  }
  if (echec) {
    // The copies of the files sent are written before anything is told.
    try {
      miroir.attendre();
    } catch (const platform::FileError&) {
    }
    reprendreCercles(cercles, presents, envoyes);
  }
  // The pages sent enter the site map, those of an upload cut short too.
  if (planSiteActif)
    for (const auto& nom : envoyes)
      if (entreDansPlanSite(nom, framesOui())) memoG.addLine(urlBoutique + "/" + nom + " " + date);
  // A name whose copy was written is known by the mirror from now on.
  auto oublierEnvoyes = [&] {
    for (const auto& nom : envoyes)
      if (platform::fileExists(dossier.path("transfert/" + nom))) entames.erase(nom);
    sauverNomsEntames(dossier, entames);
  };
  if (echec) {
    enregistrerEmpreintes([&] { empreintes.enregistrer(); });
    try {
      oublierEnvoyes();
    } catch (const platform::FileError&) {
      // The record keeps more names than it must: the next redirection looks them up.
    }
    std::rethrow_exception(echec);
  }
  enregistrerEmpreintes([&] { empreintes.enregistrer(); });
  oublierEnvoyes();
  if (!ordre.empty()) afficher();
  return refuses;
}

// Pages that link to each other in a circle and did not all get through: those sent that the
// folder did not hold before are taken off the server again, so that none is left live linking to
// one the server lacks. Their copies go first: one left there by a failed deletion is sent again
// next time.
void Ttransfert1::reprendreCercles(const std::vector<std::vector<std::string>>& cercles,
                                   const std::unordered_set<std::string>& presents,
                                   std::vector<std::string>& envoyes) {
  if (!FTP1.connected()) return;
  const std::unordered_set<std::string> faits(envoyes.begin(), envoyes.end());
  std::vector<std::string> repris;
  for (const auto& cercle : cercles)
    if (!std::all_of(cercle.begin(), cercle.end(), [&](const auto& nom) { return faits.count(nom); }))
      for (const auto& nom : cercle)
        if (faits.count(nom) && !presents.count(nom)) repris.push_back(nom);
  if (repris.empty()) return;
  try {
    for (const auto& nom : repris) oublierCopieMiroir(nom);
  } catch (const EchecTransfert&) {
    return;  // a copy that stays tells the page is there: it stays there too
  }
  FTP1.remove(repris);
  const std::unordered_set<std::string> retires(repris.begin(), repris.end());
  std::erase_if(envoyes, [&](const std::string& nom) { return retires.count(nom) > 0; });
}

// Hands a mirror copy to its thread (none: waits for those handed); a copy that failed stops the
// upload.
void Ttransfert1::confierMiroir(pages::EcrivainFond& miroir, std::function<void()> copie) {
  try {
    if (copie)
      miroir.confier(std::move(copie));
    else
      miroir.attendre();
  } catch (const platform::FileError& e) {
    throw EchecTransfert(e.what() + std::string(kSuiteEchec));
  }
}

// Before anything of the file on the server is touched: a send cut short, whatever it leaves
// there, has no copy telling the file is in place, so the file goes again next time. The copy is
// written again once the file is whole in its place.
void Ttransfert1::oublierCopieMiroir(const std::string& nom) {
  const auto copie = p_.donnees().path("transfert/" + nom);
  if (!platform::removeFile(copie) && platform::fileExists(copie))
    throw EchecTransfert("Le fichier " + nom + " n'a pas pu être effacé de " +
                         p_.donnees().path("transfert").string());
}

void Ttransfert1::enregistrerEmpreintes(const std::function<void()>& enregistrer) {
  try {
    enregistrer();
  } catch (const platform::FileError&) {
    // Only a record: without it the next comparison reads the files again.
  }
}

void Ttransfert1::redirigerPagesInutiles() {
  const auto& dossier = p_.donnees();
  const auto journalFichier = dossier.path("redir.soc");
  platform::LineList journal;
  if (platform::fileExists(journalFichier)) journal = platform::LineList::load(journalFichier);

  if (redirC.checked()) {
    repL.clearItems();
    // The pages the server may hold: those of the mirror, and those begun there since.
    NomsEntames entames = lireNomsEntames(dossier);
    std::vector<std::string> candidats = fichiersMiroir();
    {
      const std::unordered_set<std::string> dansMiroir(candidats.begin(), candidats.end());
      std::vector<std::string> autres;
      for (const auto& nom : entames)
        if (!dansMiroir.count(nom)) autres.push_back(nom);
      std::sort(autres.begin(), autres.end());
      candidats.insert(candidats.end(), autres.begin(), autres.end());
    }
    std::optional<std::vector<platform::FtpEntry>> distants;
    int illisibles = 0;  // lines that are no entry: skipped and counted for the user
    if (FTP1.connected()) {
      // Read as it arrives: only the first line of each name sought is kept, which is all the
      // redirection looks at, so a huge remote folder is never held whole.
      std::unordered_set<std::string> cherches;
      for (const auto& nom : candidats) cherches.insert(platform::trim(nom));
      std::unordered_set<std::string> trouves;
      std::vector<std::string> lignes;
      size_t compte = 0;
      const bool lue = FTP1.list([&](std::string_view ligne) {
        if (++compte > maxLignesListe) return false;
        const platform::ListLine l = platform::classifyListLine(ligne);
        if (l.kind == platform::ListLineKind::Unparsed) ++illisibles;
        if (l.kind == platform::ListLineKind::Entry && cherches.count(l.entry.name) &&
            trouves.insert(l.entry.name).second)
          lignes.emplace_back(ligne);
        return true;
      });
      if (!lue && compte > maxLignesListe) {
        dialogs().showMessage("La liste des fichiers du serveur dépasse " +
                              std::to_string(maxLignesListe) +
                              " lignes : aucune page inutile n'a été redirigée.");
      } else if (!lue) {
        throw EchecTransfert("La liste des fichiers du serveur n'a pas pu être lue (" +
                             FTP1.lastError() + ") : aucune page inutile n'a été redirigée.");
      } else {
        repL.setItems(lignes);
        distants = platform::parseListing(lignes).entries;
        if (illisibles == 1)
          dialogs().showMessage("Une ligne de la liste des fichiers du serveur n'a pas pu être "
                                "lue : la page qu'elle nomme n'a pas été redirigée.");
        else if (illisibles > 1)
          dialogs().showMessage(std::to_string(illisibles) +
                                " lignes de la liste des fichiers du serveur n'ont pas pu être "
                                "lues : les pages qu'elles nomment n'ont pas été redirigées.");
      }
    }
    if (distants) {
      const std::unordered_set<std::string> site(listeFTP.items().begin(), listeFTP.items().end());
      std::unordered_set<std::string> dejaRediriges(journal.begin(), journal.end());
      // The first entry of each name decides.
      std::unordered_map<std::string, const platform::FtpEntry*> premiers;
      for (const auto& distant : *distants) premiers.emplace(distant.name, &distant);
      std::vector<std::pair<std::string, std::string>> aRediriger;  // name here, name there
      for (const auto& candidat : candidats) {
        if (site.count(candidat) || dejaRediriges.count(candidat)) continue;
        const bool entame = entames.count(candidat) > 0;
        bool page = false, vise = false;
        if (auto it = premiers.find(platform::trim(candidat)); it != premiers.end()) {
          const platform::FtpEntry& distant = *it->second;
          // The redirect page itself is far below 500 bytes, so a page already redirected is not
          // sent again, unless its sending was begun and not known to have ended: whatever it
          // holds there, it goes again.
          page = !distant.folder && platform::lowerAscii(extensionPremierPoint(distant.name)) == "htm";
          vise = page && (entame || distant.size > kTailleMaxRedirection);
          if (vise) aRediriger.emplace_back(candidat, distant.name);
        }
        // Not there, or no page: nothing of it is left to redirect.
        if (entame && !page) entames.erase(candidat);
        // A copy telling of a page the server no longer holds as sent (removed or replaced there,
        // a line read whole): it would make "Commencer" connect again for nothing at each click.
        if (!vise && illisibles == 0 &&
            platform::fileSize(dossier.path("transfert/" + candidat)) > kTailleMaxRedirection &&
            platform::lowerAscii(extensionPremierPoint(candidat)) == "htm")
          oublierCopieMiroir(candidat);
      }
      // Known as begun before the server is touched: a redirection cut short goes again, at the
      // next publication, whatever else it has to send.
      for (const auto& r : aRediriger) entames.insert(r.first);
      sauverNomsEntames(dossier, entames);
      const auto redirection = dossier.path("ftp/redir.txt");
      Gauge.setRange(0, static_cast<int>(aRediriger.size()) - 1);
      for (size_t i = 0; i < aRediriger.size(); ++i) {
        const auto& [ici, distant] = aRediriger[i];
        Gauge.setProgress(static_cast<int>(i));
        Label2.setCaption("Redirection fichier : ");
        blocM.setCaption(distant);
        journal.add(distant);
        // The mirror no longer holds the page before the server is touched: a page that comes
        // back is sent again.
        if (!app::copierFichier(redirection, dossier.path("transfert/" + ici), false))
          throw EchecTransfert("La page " + distant +
                               " n'a pas été redirigée : sa copie n'a pas pu être écrite dans " +
                               dossier.path("transfert").string());
        if (!FTP1.put(redirection, distant))
          throw EchecTransfert("Echec de la redirection du fichier " + distant + " : " +
                               FTP1.lastError());
        journal.save(journalFichier);
        entames.erase(ici);
      }
      sauverNomsEntames(dossier, entames);
    }
  }
  platform::removeFile(journalFichier);
}

bool Ttransfert1::redirectionsEnAttente() {
  if (!redirC.checked()) return false;
  const auto& dossier = p_.donnees();
  const std::unordered_set<std::string> site(listeFTP.items().begin(), listeFTP.items().end());
  auto pageQuittee = [&](const std::string& nom) {
    return !site.count(nom) && platform::lowerAscii(extensionPremierPoint(nom)) == "htm";
  };
  for (const auto& nom : lireNomsEntames(dossier))
    if (pageQuittee(nom)) return true;
  // A copy larger than the redirect page: the server holds the page as it was sent.
  for (const auto& nom : fichiersMiroir())
    if (pageQuittee(nom) && platform::fileSize(dossier.path("transfert/" + nom)) > kTailleMaxRedirection)
      return true;
  return false;
}

void Ttransfert1::envoyerPlanSite() {
  if (!planSiteActif || memoG.lines().empty()) return;
  sauverPlanSiteLocal();
  const auto& dossier = p_.donnees();
  const auto planSite = dossier.path("ftp/sitemap.xml");
  oublierCopieMiroir("sitemap.xml");
  if (!FTP1.put(planSite, "sitemap.xml"))
    throw EchecTransfert("Echec du transfert du fichier sitemap.xml : " + FTP1.lastError() +
                         kSuiteEchec);
  if (!app::copierFichier(planSite, dossier.path("transfert/sitemap.xml"), false))
    throw EchecTransfert("Le fichier sitemap.xml a été transféré mais n'a pas pu être copié dans " +
                         dossier.path("transfert").string() + kSuiteEchec);
  Label2.setCaption("Transfert du fichier : sitemap.xml" + std::string(44, ' '));
}

void Ttransfert1::sauverPlanSiteLocal() {
  if (planSiteEcrit_ || !planSiteActif || memoG.lines().empty()) return;
  const auto planSite = p_.donnees().path("ftp/sitemap.xml");
  platform::LineList anciennes;
  if (platform::fileExists(planSite)) anciennes = platform::LineList::load(planSite);
  memoG.setLines(fusionnerPlanSite(memoG.lines(), anciennes, urlBoutique, framesOui()));
  memoG.lines().save(planSite);
  planSiteEcrit_ = true;
}

}  // namespace publish
