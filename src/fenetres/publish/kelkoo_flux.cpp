// `Tkelkoo2.goftpClick`: the comparator feeds built in tmp/, merged in multi-shop mode, and sent.

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/programme.h"
#include "fenetres/publish/fenetre_comparateurs.h"
#include "fenetres/publish/mise_a_jour_serveur.h"
#include "fenetres/publish/serveurs.h"
#include "modele/publish/comparateurs.h"
#include "modele/publish/flux_comparateurs.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/dialogs.h"

namespace publish {

namespace {

std::string trackingDe(const platform::DataFolder& dossier, const std::string& cox) {
  return platform::trim(platform::LineList::load(dossier.path(cox)).value("tracking"));
}

// Goes down the folders and puts the local file when it exists; false with the reason otherwise.
bool envoyer(platform::FtpSession& ftp, const std::vector<std::string>& dossiers,
             const std::filesystem::path& local, const std::string& distant, std::string& raison) {
  for (const auto& dossier : dossiers)
    if (!ftp.changeFolder(dossier)) {
      raison = "Le répertoire " + dossier + " n'a pas pu être ouvert sur le serveur : " + ftp.lastError();
      return false;
    }
  if (platform::fileExists(local) && !ftp.put(local, distant)) {
    raison = "Le fichier " + distant + " n'a pas pu être transféré : " + ftp.lastError();
    return false;
  }
  ftp.disconnect();
  return true;
}

}  // namespace

void Tkelkoo2::goftpClick() {
  Gauge.setRange(0, std::max(0, refL.count() - 1));
  Gauge.show();
  const bool construit = construireFlux();
  std::string resultat, raison;
  const bool envoye = construit && envoyerFlux(resultat, raison);
  Gauge.hide();
  messageB.hide();
  if (!construit) return;
  // A failed upload is told as such, never as sent; the files in tmp/ stay.
  dialogs().showMessage(envoye ? "Fichier comparateur transféré " + resultat +
                                     " [visible dans le dossier /tmp/]"
                               : raison);
}

bool Tkelkoo2::construireFlux() {
  const auto& dossier = p_.donnees();
  const std::string login = p_.ident().identite.login;
  EntreeFlux entree;
  if (dossier.exists("kelkoo.ini"))
    entree.urlBase = urlBoutique(platform::LineList::load(dossier.path("kelkoo.ini")), login);
  if (entree.urlBase.empty()) {
    dialogs().showMessage("OPERATION IMPOSSIBLE " + login);
    return false;
  }
  repE.setText(platform::trim(repE.text()));
  if (!repE.text().empty()) entree.urlBase += "/" + repE.text();
  entree.catC = catC.checked();
  entree.themeTC = themeTC.checked();
  entree.themeC = themeC.checked();
  entree.devise = p_.ident().identite.dev1;
  if (multiC.visible() && multiC.checked()) entree.scriptSuivi = kScriptSuivi;
  for (int i = 0; i < refL.count(); ++i) {
    Gauge.setProgress(i);
    ProduitFlux produit;
    if (refL.checked(i) && lireProduitFlux(dossier, refL.items()[i], produit)) {
      titreG.setCaption(produit.reference);
      entree.produits.push_back(std::move(produit));
    }
  }
  Lhtm.setCaption("");
  const Flux flux = publish::construireFlux(entree);
  flux.kelkoo.save(dossier.path("tmp/kelkoo.txt"));
  flux.webmarchand.save(dossier.path("tmp/webmarchand.txt"));
  const auto comptes = platform::listFiles(dossier.root(), "*.cox");
  Gauge.setRange(0, std::max<int>(0, static_cast<int>(comptes.size()) - 1));
  for (size_t i = 0; i < comptes.size(); ++i) {
    Gauge.setProgress(static_cast<int>(i));
    const std::string tracking = trackingDe(dossier, comptes[i]);
    if (!tracking.empty())
      fluxSuivi(flux.kelkoo, "track=", tracking).save(dossier.path("tmp/" + tracking + ".txt"));
  }
  messageB.show();
  if (multiC.visible()) fusionnerFlux();
  return true;
}

void Tkelkoo2::fusionnerFlux() {
  const auto& dossier = p_.donnees();
  if (multiC.checked()) {
    const platform::LineList boutiques = platform::LineList::load(dossier.path("kelkoo.rep"));
    platform::LineList webmarchand;
    for (auto [nom, d3e] : {std::pair{"kelkoo", false}, std::pair{"webmarchand", true}}) {
      platform::LineList fusion = enteteFlux(d3e);
      for (const auto& ligne : boutiques) {
        const std::string f = platform::trim(ligne);
        if (f.empty()) continue;
        const std::string fichier = f + "tmp/" + nom + ".txt";
        // A folder given relative is another shop beside this one, whatever folder the program
        // was started in.
        std::filesystem::path chemin(fichier);
        if (chemin.is_relative()) chemin = dossier.root() / chemin;
        if (!platform::fileExists(chemin)) {
          dialogs().showMessage(fichier + " non trouvé");
          continue;
        }
        for (const auto& rang : platform::LineList::load(chemin))
          if (platform::trim(rang).rfind("http", 0) == 0) fusion.add(rang);
      }
      fusion.save(dossier.path(std::string("tmp/") + nom + "m.txt"));
      if (d3e) webmarchand = fusion;
    }
    for (const auto& cox : platform::listFiles(dossier.root(), "*.cox")) {
      const std::string tracking = trackingDe(dossier, cox);
      if (!tracking.empty())
        fluxSuivi(webmarchand, "tracking=", tracking).save(dossier.path("tmp/" + tracking + ".txt"));
    }
  }
  dialogs().showMessage("Base kelkoo webmarchand multiboutiques est prête pour le transfert");
}

bool Tkelkoo2::envoyerFlux(std::string& resultat, std::string& raison) {
  const auto& dossier = p_.donnees();
  const auto& env = p_.environment();
  const std::string login = p_.ident().identite.login;
  const std::string m = multiC.visible() && multiC.checked() ? "m" : "";
  platform::FtpSession ftp;
  if (kelkooC.checked()) {
    if (!ouvrirCompteEditeur(env, ftp, raison) ||
        !envoyer(ftp, {"kelkoo"}, dossier.path("tmp/kelkoo" + m + ".txt"), login + ".txt", raison))
      return false;
    resultat = "Kelkoo ";
  }
  if (webmarchandC.checked()) {
    if (!connecterFtp(env, ftp, kServeurWebmarchand, 21, kUtilisateurWebmarchand,
                      kMotDePasseWebmarchand)) {
      raison = std::string("Connexion impossible au serveur ") + kServeurWebmarchand + " : " +
               ftp.lastError();
      return false;
    }
    if (!envoyer(ftp, {}, dossier.path("tmp/webmarchand" + m + ".txt"), login + ".txt", raison))
      return false;
    resultat += std::string("webmarchand ") + kDomaineWebmarchand;
  }
  const auto comptes = platform::listFiles(dossier.root(), "*.cox");
  for (size_t i = 0; i < comptes.size(); ++i) {
    Gauge.setProgress(static_cast<int>(i));
    const platform::LineList compte = platform::LineList::load(dossier.path(comptes[i]));
    auto valeur = [&](const char* cle) { return platform::trim(compte.value(cle)); };
    const std::string tracking = valeur("tracking");
    if (tracking.empty()) continue;
    const auto port = portFtp(valeur("port"));
    if (!port) {
      raison = "Le port \"" + valeur("port") + "\" de " + comptes[i] +
               " n'est pas un nombre entier de 1 à 65535";
      return false;
    }
    if (!connecterFtp(env, ftp, valeur("serveur"), *port, valeur("utilisateur"),
                      valeur("pass"))) {
      raison = "Connexion impossible au serveur " + valeur("serveur") + " : " + ftp.lastError();
      return false;
    }
    std::vector<std::string> dossiers;
    if (!valeur("rep").empty()) dossiers.push_back(valeur("rep"));
    if (!envoyer(ftp, dossiers, dossier.path("tmp/" + tracking + ".txt"), tracking + ".txt", raison))
      return false;
    resultat += " " + tracking + ".txt";
  }
  return true;
}

}  // namespace publish
