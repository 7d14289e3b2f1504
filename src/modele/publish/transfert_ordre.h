#pragma once
// The order in which an upload sends its files: a page after the new files it names, so that a
// publication cut short never leaves a live page pointing at a file not yet on the server, and
// the entry pages (index*, accueil*) last of all.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace publish {

// The entry pages of a site: the names beginning with "index" or "accueil", case ignored.
bool pageEntree(std::string_view nom);

// noms: the files to send, in the list's order; nouveaux: those the server does not have yet
// (no mirror copy); texte: the text of a file that may name others (pages and scripts), nullopt
// for the others, called from several threads at once. Only pages are read, and only when some
// file is new. Among files that do not depend on each other the list's order is kept. Files that
// name each other in a circle (a page and the menu it shows in a frame, which links to it) go
// after every other file they name; among them a page goes after the pages it links to, what it
// shows inside itself (src=) giving way, and a circle of links goes in list order.
// cercles, when given, receives each circle of new files (two or more), in the order they go.
std::vector<std::string> ordreEnvoi(
    const std::vector<std::string>& noms, const std::unordered_set<std::string>& nouveaux,
    const std::function<std::optional<std::string>(const std::string&)>& texte,
    std::vector<std::vector<std::string>>* cercles = nullptr);

// Whether a file's text can name other files of the site (pages, scripts, style sheets).
bool peutNommerDesFichiers(std::string_view nom);

}  // namespace publish
