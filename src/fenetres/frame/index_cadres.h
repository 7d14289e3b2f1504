#pragma once
// The entry pages of the site. In the frameset layout faire_index_cadres writes ftp/index.htm,
// ftp/index2.htm and ftp/index3.html and importer_index puts the shop's own import/index.htm in
// place of the first (members of Tvoir_menu1). The head below is shared with the single-page
// entry page.

#include <string>

#include "platform/lines.h"

namespace app {
class Programme;
}

namespace frame {

// "<HTML>", "<HEAD>", the title of the Index tab, the meta tags (generated from the Index tab, or
// the lines of meta-tag.txt when it exists), then the lines of meta.txt when it exists.
platform::LineList enteteEntree(app::Programme& programme);

// The comment written after "</HEAD>": "<!-- Tarvio " + the program version + "-->".
std::string commentaireVersion(app::Programme& programme);

// The offline catalogue's cart, declared in the top window of the site (seven lines), or nothing
// when the site is not built as an offline catalogue.
platform::LineList scriptPanier(app::Programme& programme);

}  // namespace frame
