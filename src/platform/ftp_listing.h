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
// Every entry except "." and ".."; nullopt when a line is neither an entry, a "total" line nor
// blank, so that a listing in an unknown format is never taken for an empty folder.
std::optional<std::vector<FtpEntry>> parseListing(const std::vector<std::string>& lines);

}  // namespace platform
