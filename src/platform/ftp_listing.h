#pragma once
// Lines of a remote folder listing (LIST), in the Unix long format
// ("-rw-r--r--   1 user group  1234 Jan 01 12:00 name") or the DOS one
// ("01-02-24  10:00AM       1234 name", "<DIR>" for a folder).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct FtpEntry {
  std::string name;  // a link's own name, without " -> target"
  long long size = 0;  // 0 for a DOS folder
  bool folder = false;
  bool link = false;
};

enum class ListLineKind { Entry, Total, Blank, Unparsed };

struct ListLine {
  ListLineKind kind = ListLineKind::Unparsed;
  FtpEntry entry;  // meaningful for Entry only
};

ListLine classifyListLine(std::string_view line);
// The entry of an Entry line; nullopt for the others.
std::optional<FtpEntry> parseListLine(std::string_view line);
struct Listing {
  std::vector<FtpEntry> entries;  // every entry except "." and ".."
  int unreadable = 0;             // lines neither an entry, a "total" line nor blank, skipped
};

Listing parseListing(const std::vector<std::string>& lines);

}  // namespace platform
