#pragma once
// The rules of the publication that need no window: change detection of a file against its
// mirror copy, the redirect page, the site map lines and the size totals.

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/lines.h"

namespace publish {

// A step of an upload that failed: the upload stops, what was done stays done.
class EchecTransfert : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kSuiteEchec =
    "\rLes fichiers non transférés seront proposés à la prochaine publication.";

// True when both files have the same size and the same bytes. A file that cannot be read is
// taken as different, so that it is proposed again.
bool fichiersIdentiques(const std::filesystem::path& a, const std::filesystem::path& b);

// "lastmod=YYYY-MM-DD" of the local day of t.
std::string texteDate(std::chrono::system_clock::time_point t);

// A remote page of at most this size is taken for the redirect page (far smaller), not redirected
// again.
inline constexpr long long kTailleMaxRedirection = 500;

// The 20 lines of ftp/redir.txt; accueil is "accueil.htm" or "index.htm".
platform::LineList pageRedirection(std::string_view accueil, std::string_view police);

// The text after the first "." of a name, trimmed; "" without a dot.
std::string extensionPremierPoint(std::string_view nom);

// Whether a page sent enters the site map list (framesOui: the frameset layout is chosen).
bool entreDansPlanSite(std::string_view nom, bool framesOui);

// The URL of a site map line: its text before the first blank, trimmed; "" without a blank.
std::string urlLignePlanSite(std::string_view ligne);

// New lines first, then the old lines kept: an old line goes when its URL is that of a page the
// site map never lists, or that of a new line.
platform::LineList fusionnerPlanSite(const platform::LineList& nouvelles,
                                     const platform::LineList& anciennes,
                                     std::string_view urlBoutique, bool framesOui);

// A byte count as "235 567".
std::string formaterTaille(long long octets);

}  // namespace publish
