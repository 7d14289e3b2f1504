#pragma once
// The support files the generated site needs but the program does not write: whether they are
// installed and current, which ones an update fetches, and the version the maker's page announces.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/lines.h"

namespace publish {

// The maker's updater, a program of the other platform: fetched when missing and offered, never
// required here.
inline constexpr const char* kProgrammeMiseAJour = "version.exe";

// True when index2.php reads its arguments, fleches/ exists, and the scripts present are of the
// current version (choix_liste.php decides when it exists).
bool supportsInstalles(const std::filesystem::path& donnees);

struct FichierSupport {
  std::string distant;  // in the maker's folder "www"
  std::string local;    // relative to the data folder
};

// What an update fetches, in order: the four scripts, the updater when it is missing, and the
// eleven arrows when fleches/ is missing.
std::vector<FichierSupport> fichiersSupport(const std::filesystem::path& donnees);

// The number after "version " on the first line holding it (letter case ignored), cleaned like a
// price; "" when no line holds it.
std::string versionAnnoncee(const platform::LineList& page);

}  // namespace publish
