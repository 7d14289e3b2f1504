#pragma once
// What each place published to holds. The mirror (transfert/ with tmp/transfert.lieu, .emp,
// .entames and redir.soc) is that of one place; the mirror of every other place is kept aside in
// tmp/lieux/<n>/ ("lieu", "transfert/", "transfert.emp", "transfert.entames", "redir.soc") and
// comes back when the shop is published there again, so that its departed pages are still
// redirected there and only what changed for it is sent.

#include "modele/publish/empreintes_miroir.h"
#include "platform/files.h"

#include <functional>

namespace publish {

// Makes the mirror that of `lieu`: the mirror of another place is set aside, then that of `lieu`
// comes back, or an empty one is begun for it. A mirror with no place recorded (an older version's)
// stays for the upload, which takes it for its place. Each step leaves the mirror either of its
// place or of none, so a kill never makes a copy count at a place it was not sent to; a setting
// aside cut after the record left is finished at the next change, which then brings back the
// mirror of `lieu` whole.
// `etape`, when given, runs after each file operation. Throws platform::FileError.
void prendreMiroirDe(const platform::DataFolder& dossier, const LieuMiroir& lieu,
                     const std::function<void()>& etape = {});

}  // namespace publish
