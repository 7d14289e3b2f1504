#include "fenetres/publish/serveurs.h"

#include "fenetres/app/programme.h"
#include "platform/text.h"

namespace publish {

std::optional<int> portFtp(std::string_view texte) {
  const std::string t = platform::trim(texte);
  if (t.empty()) return 21;
  const auto port = platform::toInteger(t);
  if (!port || *port < 1 || *port > 65535) return std::nullopt;
  return static_cast<int>(*port);
}

bool connecterFtp(const app::Environment& environnement, platform::FtpSession& session,
                  std::string hote, int port, const std::string& utilisateur,
                  const std::string& motDePasse) {
  if (environnement.redirigerFtp) environnement.redirigerFtp(hote, port);
  session.setIdle(environnement.patienter);
  return session.connect(hote, port, utilisateur, motDePasse);
}

}  // namespace publish
