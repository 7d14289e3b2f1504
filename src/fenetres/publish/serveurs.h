#pragma once
// The outside servers the publication talks to, and the one way every FTP account is reached.
// Hosts and addresses are ours to choose. The sources hold the passwords of the two shared
// drop accounts below, which every copy of the program knows; no shop's own password is kept
// here.

#include <optional>
#include <string>
#include <string_view>

#include "platform/ftp.h"

namespace app {
struct Environment;
}

namespace publish {

// The maker's server: receives the Kelkoo feed and serves the support files.
inline constexpr const char* kServeurEditeur = "ftp.tarvio.example";
inline constexpr int kPortEditeur = 21;
inline constexpr const char* kUtilisateurEditeur = "tarvio";
// The Webmarchand comparator's drop account.
inline constexpr const char* kServeurWebmarchand = "ftp.webmarchand.example";
inline constexpr const char* kUtilisateurWebmarchand = "tarvioflux";
// A drop account: the comparator gives the same password to every shop of ours.
inline constexpr const char* kMotDePasseWebmarchand = "w7fl2x";
inline constexpr const char* kDomaineWebmarchand = "webmarchand.example";
// The marketplace account.
inline constexpr const char* kServeurMarche = "ftp.marche.tarvio.example";
inline constexpr const char* kUtilisateurMarche = "bdd";
// The marketplace account is one shared account whose password every copy of the program holds.
inline constexpr const char* kMotDePasseMarche = "816m09e";
// Web pages of the maker.
inline constexpr const char* kPageHebergement = "https://www.tarvio.example/hebergement.htm";
inline constexpr const char* kScriptSuivi = "https://www.tarvio.example/cgi/track.php";

// A port as the user typed it: a whole number from 1 to 65535, blanks around allowed, none at all
// the usual 21; nullopt otherwise (a larger number must not wrap round to some other port).
std::optional<int> portFtp(std::string_view texte);

// Connects the session to host:port after the environment's redirection, with the environment's
// idle function running while the network waits. False with session.lastError() on failure.
bool connecterFtp(const app::Environment& environnement, platform::FtpSession& session,
                  std::string hote, int port, const std::string& utilisateur,
                  const std::string& motDePasse);

}  // namespace publish
