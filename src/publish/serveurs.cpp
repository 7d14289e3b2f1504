#include "publish/serveurs.h"

#include "app/programme.h"

namespace publish {

bool connecterFtp(const app::Environment& environnement, platform::FtpSession& session,
                  std::string hote, int port, const std::string& utilisateur,
                  const std::string& motDePasse) {
  if (environnement.redirigerFtp) environnement.redirigerFtp(hote, port);
  session.setIdle(environnement.patienter);
  return session.connect(hote, port, utilisateur, motDePasse);
}

}  // namespace publish
