#pragma once
// The names whose sending, or redirection, was begun at the mirror's place and is not known to
// have ended (tmp/transfert.entames): the server may hold them old, whole or cut while the mirror
// has no copy telling so. A name stays until the server is known to hold its last state.

#include <string>
#include <unordered_set>

#include "platform/files.h"
#include "platform/lines.h"

namespace publish {

using NomsEntames = std::unordered_set<std::string>;

// None when the record is missing. Throws platform::FileError.
NomsEntames lireNomsEntames(const platform::DataFolder& dossier);
// Written whole, sorted; removed when empty. Throws platform::FileError.
void sauverNomsEntames(const platform::DataFolder& dossier, const NomsEntames& noms);

}  // namespace publish
