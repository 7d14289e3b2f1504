#include "platform/ftp_listing.h"

#include "platform/text.h"

#include <array>
#include <charconv>

namespace platform {

namespace {

struct Token {
  std::string_view text;
  size_t end = 0;  // position just after the token in the line
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!isDigit(c)) return false;
  }
  return true;
}

std::vector<Token> tokenize(std::string_view line) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isBlank(line[i])) ++i;
    size_t start = i;
    while (i < line.size() && !isBlank(line[i])) ++i;
    if (i > start) tokens.push_back({line.substr(start, i - start), i});
  }
  return tokens;
}

std::optional<long long> number(std::string_view text) {
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool isPermissions(std::string_view text) {
  static constexpr std::string_view kTypes = "-dlbcps";
  static constexpr std::string_view kModes = "rwxsStTlL-";
  if (text.size() < 10 || kTypes.find(text[0]) == std::string_view::npos) return false;
  for (size_t i = 1; i < 10; ++i) {
    if (kModes.find(text[i]) == std::string_view::npos) return false;
  }
  // ACL and security-context marks some servers append.
  return text.substr(10).find_first_not_of("+@.") == std::string_view::npos;
}

bool isMonth(std::string_view text) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
  for (auto month : kMonths) {
    if (equalsNoCase(text, month)) return true;
  }
  return false;
}

bool isDay(std::string_view text) {
  auto day = text.size() <= 2 && allDigits(text) ? number(text) : std::nullopt;
  return day && *day >= 1 && *day <= 31;
}

// "12:00", "9:05" or "2024".
bool isTimeOrYear(std::string_view text) {
  if (text.size() == 4 && allDigits(text)) return true;
  size_t colon = text.find(':');
  return colon != std::string_view::npos && colon >= 1 && colon <= 2 &&
         allDigits(text.substr(0, colon)) && text.size() - colon - 1 == 2 &&
         allDigits(text.substr(colon + 1));
}

std::optional<FtpEntry> parseUnix(std::string_view line, const std::vector<Token>& tokens) {
  if (tokens.size() < 6 || !isPermissions(tokens[0].text)) return std::nullopt;
  // Owner and group may be missing or numeric: find the date, the size is the field before it.
  for (size_t i = 3; i + 3 < tokens.size(); ++i) {
    if (!isMonth(tokens[i].text) || !isDay(tokens[i + 1].text) ||
        !isTimeOrYear(tokens[i + 2].text) || !allDigits(tokens[i - 1].text)) {
      continue;
    }
    auto size = number(tokens[i - 1].text);
    if (!size) return std::nullopt;
    // One blank separates the name, which may itself begin or go on with blanks.
    std::string_view name = line.substr(tokens[i + 2].end + 1);
    FtpEntry entry;
    entry.size = *size;
    entry.folder = tokens[0].text[0] == 'd';
    entry.link = tokens[0].text[0] == 'l';
    if (entry.link) name = name.substr(0, name.find(" -> "));
    if (name.empty()) return std::nullopt;
    entry.name = std::string(name);
    return entry;
  }
  return std::nullopt;
}

// "01-02-24" or "01-02-2024".
bool isDosDate(std::string_view text) {
  return (text.size() == 8 || text.size() == 10) && text[2] == '-' && text[5] == '-' &&
         allDigits(text.substr(0, 2)) && allDigits(text.substr(3, 2)) &&
         allDigits(text.substr(6));
}

// "10:00AM", "9:05PM" or "21:05".
bool isDosTime(std::string_view text) {
  if (text.size() > 2 && (endsWith(upperAscii(text), "AM") || endsWith(upperAscii(text), "PM")))
    text.remove_suffix(2);
  return isTimeOrYear(text) && text.find(':') != std::string_view::npos;
}

std::optional<FtpEntry> parseDos(std::string_view line, const std::vector<Token>& tokens) {
  if (tokens.size() < 4 || !isDosDate(tokens[0].text) || !isDosTime(tokens[1].text))
    return std::nullopt;
  FtpEntry entry;
  if (equalsNoCase(tokens[2].text, "<DIR>")) {
    entry.folder = true;
  } else {
    auto size = allDigits(tokens[2].text) ? number(tokens[2].text) : std::nullopt;
    if (!size) return std::nullopt;
    entry.size = *size;
  }
  size_t start = tokens[2].end;
  while (start < line.size() && isBlank(line[start])) ++start;
  entry.name = std::string(line.substr(start));
  return entry;
}

}  // namespace

ListLine classifyListLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  auto tokens = tokenize(line);
  if (tokens.empty()) return {ListLineKind::Blank, {}};
  if (tokens.size() == 2 && equalsNoCase(tokens[0].text, "total") && allDigits(tokens[1].text))
    return {ListLineKind::Total, {}};
  auto entry = parseUnix(line, tokens);
  if (!entry) entry = parseDos(line, tokens);
  if (!entry) return {ListLineKind::Unparsed, {}};
  return {ListLineKind::Entry, std::move(*entry)};
}

std::optional<FtpEntry> parseListLine(std::string_view line) {
  auto parsed = classifyListLine(line);
  if (parsed.kind != ListLineKind::Entry) return std::nullopt;
  return std::move(parsed.entry);
}

Listing parseListing(const std::vector<std::string>& lines) {
  Listing listing;
  for (const auto& line : lines) {
    auto parsed = classifyListLine(line);
    if (parsed.kind == ListLineKind::Unparsed) ++listing.unreadable;
    if (parsed.kind != ListLineKind::Entry) continue;
    if (parsed.entry.name == "." || parsed.entry.name == "..") continue;
    listing.entries.push_back(std::move(parsed.entry));
  }
  return listing;
}

}  // namespace platform
