#pragma once
// The cart links written by hand in the shop's own import/top.htm and import/accueil.htm point at
// the cart script without the visitor's session; each is rewritten once, in place, into a script
// link that opens the configured cart script and adds the session of the top window.

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace frame {

// The rewritten line, or nothing when the line has no well-formed cart link (http...
// cgi/commande.php?login...ext=...) or already carries the session.
std::optional<std::string> adapterLienPanier(std::string_view ligne, std::string_view url_panier);

// Rewrites import/top.htm, then import/accueil.htm; a file is saved only when one of its lines
// changed, and a missing one is not created. A file error goes on to the caller.
void adapterPagesImport(const platform::DataFolder& dossier, std::string_view url_panier);

}  // namespace frame
