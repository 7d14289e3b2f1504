#include "fenetres/publish/mise_a_jour_serveur.h"

#include "fenetres/publish/serveurs.h"
#include "modele/publish/brouillage.h"

namespace publish {

namespace {
// The update account's password as the program keeps it: scrambled, six bytes.
constexpr std::string_view kMotDePasseEditeurBrouille = "\xbc\x7b\xcd\xa0\xc2\x78";
}  // namespace

std::string motDePasseEditeur() { return decrypter(kMotDePasseEditeurBrouille); }

bool ouvrirCompteEditeur(const app::Environment& environnement, platform::FtpSession& session,
                         std::string& raison) {
  if (session.connected()) session.disconnect();
  if (!connecterFtp(environnement, session, kServeurEditeur, kPortEditeur, kUtilisateurEditeur,
                    motDePasseEditeur())) {
    raison = "Connexion impossible au serveur Tarvio : " + session.lastError();
    return false;
  }
  if (!session.changeFolder("www")) {
    raison = "Le répertoire www n'a pas pu être ouvert sur le serveur Tarvio : " +
             session.lastError();
    session.disconnect();
    return false;
  }
  return true;
}

}  // namespace publish
