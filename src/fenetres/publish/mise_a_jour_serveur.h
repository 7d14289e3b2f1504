#pragma once
// The maker's update account: its folder "www" serves the version page and the support files.

#include <string>

#include "platform/ftp.h"

namespace app {
struct Environment;
}

namespace publish {

// The update account's password, built from its scrambled form.
std::string motDePasseEditeur();

// Connects the session to the maker's server and enters "www". False with the French reason in
// `raison` when the server cannot be reached or the folder opened.
bool ouvrirCompteEditeur(const app::Environment& environnement, platform::FtpSession& session,
                         std::string& raison);

}  // namespace publish
