#include "platform/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace platform {

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

// Unicode code points of bytes 0x80-0x9F in Windows-1252; 0 where the code page has no character.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

unsigned codePoint(unsigned char b) {
  if (b >= 0x80 && b < 0xA0) return kHigh[b - 0x80] ? kHigh[b - 0x80] : b;
  return b;
}

void appendUtf8(std::string& out, unsigned cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char byteFor(unsigned cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  // The five bytes the code page leaves undefined travel as their C1 control code points.
  if (cp >= 0x80 && cp < 0xA0 && kHigh[cp - 0x80] == 0) return static_cast<char>(cp);
  for (unsigned i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

// Collation of one byte: class (symbol, digit, letter), base letter, accent, case.
struct Weight {
  uint8_t cls;
  uint8_t base;
  uint8_t accent;
  uint8_t upper;
};

Weight weightOf(unsigned char b) {
  static const std::array<Weight, 256> table = [] {
    std::array<Weight, 256> t{};
    for (unsigned i = 0; i < 256; ++i) t[i] = {0, static_cast<uint8_t>(i), 0, 0};
    for (unsigned i = '0'; i <= '9'; ++i) t[i] = {1, static_cast<uint8_t>(i), 0, 0};
    for (unsigned i = 'a'; i <= 'z'; ++i) {
      t[i] = {2, static_cast<uint8_t>(i), 0, 0};
      t[i - 32] = {2, static_cast<uint8_t>(i), 0, 1};
    }
    // Accented letters of the code page: base letter, accent rank, case.
    struct Accented {
      const char* bytes;  // lower-case forms, in accent order
      const char* upper;  // matching upper-case forms ('\x01' where none)
      char base;
    };
    const Accented groups[] = {
        {"\xE0\xE1\xE2\xE3\xE4\xE5", "\xC0\xC1\xC2\xC3\xC4\xC5", 'a'},
        {"\xE7", "\xC7", 'c'},
        {"\xE8\xE9\xEA\xEB", "\xC8\xC9\xCA\xCB", 'e'},
        {"\xEC\xED\xEE\xEF", "\xCC\xCD\xCE\xCF", 'i'},
        {"\xF1", "\xD1", 'n'},
        {"\xF2\xF3\xF4\xF5\xF6\xF8", "\xD2\xD3\xD4\xD5\xD6\xD8", 'o'},
        {"\x9A", "\x8A", 's'},
        {"\xF9\xFA\xFB\xFC", "\xD9\xDA\xDB\xDC", 'u'},
        {"\xFD\xFF", "\xDD\x9F", 'y'},
        {"\x9E", "\x8E", 'z'},
        {"\xE6", "\xC6", 'a'},
        {"\x9C", "\x8C", 'o'},
        {"\xF0", "\xD0", 'd'},
        {"\xFE", "\xDE", 't'},
        {"\xDF", "\x01", 's'},
    };
    uint8_t accent = 1;
    for (const auto& g : groups) {
      for (size_t k = 0; g.bytes[k]; ++k, ++accent) {
        t[static_cast<unsigned char>(g.bytes[k])] = {2, static_cast<uint8_t>(g.base), accent, 0};
        if (g.upper[k] != '\x01')
          t[static_cast<unsigned char>(g.upper[k])] = {2, static_cast<uint8_t>(g.base), accent, 1};
      }
    }
    return t;
  }();
  return table[b];
}

template <typename Key>
int compareLevel(std::string_view a, std::string_view b, Key key) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    auto ka = key(weightOf(static_cast<unsigned char>(a[i])));
    auto kb = key(weightOf(static_cast<unsigned char>(b[i])));
    if (ka != kb) return ka < kb ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return 0;
}

}  // namespace

std::string trim(std::string_view text) { return trimLeft(trimRight(text)); }

std::string trimLeft(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  return std::string(text.substr(i));
}

std::string trimRight(std::string_view text) {
  size_t n = text.size();
  while (n > 0 && isBlank(text[n - 1])) --n;
  return std::string(text.substr(0, n));
}

std::string upperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

std::string lowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && lowerAscii(a) == lowerAscii(b);
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

char foldFileNameChar(char c) {
  unsigned char b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 32);
  switch (b) {
    case 0x9A: return '\x8A';
    case 0x9C: return '\x8C';
    case 0x9E: return '\x8E';
    case 0xFF: return '\x9F';
    default: return c;
  }
}

std::string upperText(std::string_view text) { return foldFileName(text); }

std::string lowerText(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const unsigned char b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
      c = static_cast<char>(b + 32);
    else if (b == 0x8A || b == 0x8C || b == 0x8E)
      c = static_cast<char>(b + 0x10);
    else if (b == 0x9F)
      c = '\xFF';
  }
  return out;
}

std::string foldFileName(std::string_view name) {
  std::string out(name);
  for (char& c : out) c = foldFileNameChar(c);
  return out;
}

bool fileNamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (foldFileNameChar(a[i]) != foldFileNameChar(b[i])) return false;
  return true;
}

std::string toUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + cp1252.size() / 4);
  for (char c : cp1252) appendUtf8(out, codePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string fromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    unsigned char b = static_cast<unsigned char>(utf8[i]);
    unsigned cp;
    size_t len;
    if (b < 0x80) { cp = b; len = 1; }
    else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; len = 2; }
    else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; len = 3; }
    else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; len = 4; }
    else { out += '?'; ++i; continue; }
    if (i + len > utf8.size()) { out += '?'; break; }
    bool valid = true;
    for (size_t k = 1; k < len; ++k) {
      unsigned char c = static_cast<unsigned char>(utf8[i + k]);
      if ((c & 0xC0) != 0x80) { valid = false; break; }
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!valid) { out += '?'; ++i; continue; }
    out += byteFor(cp);
    i += len;
  }
  return out;
}

Conversion val(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && text[start] == ' ') ++start;
  std::string_view body = text.substr(start);
  if (body.empty()) return {0, static_cast<int>(text.size()) + 1};
  // from_chars takes no leading "+"; it is accepted as in the classic conversion.
  size_t skip = (body[0] == '+') ? 1 : 0;
  if (skip && body.size() > 1 && body[1] == '-') return {0, static_cast<int>(start + 2)};
  double value = 0;
  const char* first = body.data() + skip;
  const char* last = body.data() + body.size();
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) return {0, static_cast<int>(text.size())};
  if (ec != std::errc() || ptr == first) return {0, static_cast<int>(start + skip + 1)};
  if (ptr != last) return {value, static_cast<int>(start + skip + (ptr - first) + 1)};
  return {value, 0};
}

std::optional<long long> toInteger(std::string_view text) {
  std::string t = trim(text);
  std::string_view v = t;
  if (!v.empty() && v[0] == '+') {
    v.remove_prefix(1);
    if (!v.empty() && v[0] == '-') return std::nullopt;  // one sign only: "+-1" is no number
  }
  if (v.empty()) return std::nullopt;
  long long value = 0;
  auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
  if (ec != std::errc() || ptr != v.data() + v.size()) return std::nullopt;
  return value;
}

IntegerError::IntegerError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' n'est pas une valeur entière correcte") {}

std::optional<double> toNumber(std::string_view text) {
  Conversion c = val(trim(text));
  if (!c.ok()) return std::nullopt;
  return c.value;
}

std::string fromInteger(long long value) {
  char buf[32];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, ptr);
}

std::string fromNumber(double value, int decimals) {
  char buf[512];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return "0";
  std::string out(buf, ptr);
  if (out[0] == '-' && out.find_first_not_of("0.", 1) == std::string::npos) out.erase(0, 1);
  return out;
}

std::string fromNumber(double value) {
  char buf[64];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
  if (ec != std::errc()) return "0";
  return std::string(buf, ptr);
}

int compareFrench(std::string_view a, std::string_view b) {
  if (int c = compareLevel(a, b, [](Weight w) { return (w.cls << 8) | w.base; })) return c;
  if (int c = compareLevel(a, b, [](Weight w) { return w.accent; })) return c;
  if (int c = compareLevel(a, b, [](Weight w) { return w.upper; })) return c;
  return a < b ? -1 : (a == b ? 0 : 1);
}

void sortFrench(std::vector<std::string>& lines) {
  std::stable_sort(lines.begin(), lines.end(),
                   [](const std::string& a, const std::string& b) { return compareFrench(a, b) < 0; });
}

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    size_t pos = text.find(separator, start);
    if (pos == std::string_view::npos) {
      parts.emplace_back(text.substr(start));
      return parts;
    }
    parts.emplace_back(text.substr(start, pos - start));
    start = pos + 1;
  }
}

}  // namespace platform
