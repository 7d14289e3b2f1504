#include "publish/serveurs.h"

#include "app/programme.h"

#include <cstdlib>

namespace publish {

bool connecterFtp(const app::Environment& environnement, platform::FtpSession& session,
                  std::string hote, int port, const std::string& utilisateur,
                  const std::string& motDePasse) {
  if (environnement.redirigerFtp) environnement.redirigerFtp(hote, port);
  session.setIdle(environnement.patienter);
  return session.connect(hote, port, utilisateur, motDePasse);
}

std::string motDePasseMarche() {
  const char* mot = std::getenv("TARVIO_VIBDD_MOT_DE_PASSE");
  return mot ? mot : "";
}

}  // namespace publish
