#pragma once
// Text helpers on Windows-1252 bytes: trimming, ASCII case, numbers without locale, French order,
// and the one conversion to and from UTF-8 (for the Qt boundary and diagnostics only).

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Removes bytes 0 to 32 at both ends (not isspace: 0xA0 stays, control bytes go).
std::string trim(std::string_view text);
std::string trimLeft(std::string_view text);
std::string trimRight(std::string_view text);

std::string upperAscii(std::string_view text);
std::string lowerAscii(std::string_view text);
// Case of Windows-1252 text: the accented letters too ("é" and "É", "œ" and "Œ", "ÿ" and "Ÿ").
std::string upperText(std::string_view text);
std::string lowerText(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);  // ASCII letters only
bool startsWith(std::string_view text, std::string_view prefix);
bool endsWith(std::string_view text, std::string_view suffix);
bool contains(std::string_view text, std::string_view part);

// Case folding of file names: ASCII and the Windows-1252 letters (é/É, œ/Œ, ÿ/Ÿ...).
char foldFileNameChar(char c);
std::string foldFileName(std::string_view name);
bool fileNamesEqual(std::string_view a, std::string_view b);

std::string toUtf8(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become "?".
std::string fromUtf8(std::string_view utf8);

// Text to number in the classic "Val" way: the whole text must be a number (a decimal point,
// optional sign and exponent; leading blanks allowed). errorPosition is 0 when it is one, else the
// 1-based position of the first offending character (the length plus one for an empty text).
struct Conversion {
  double value = 0;
  int errorPosition = 0;
  bool ok() const { return errorPosition == 0; }
};
Conversion val(std::string_view text);
std::optional<long long> toInteger(std::string_view text);  // whole text, optional sign
// A text that had to be a whole number is not one: "'<text>' n'est pas une valeur entière
// correcte". The command that read it stops there; the handler's edge tells the message.
class IntegerError : public std::runtime_error {
 public:
  explicit IntegerError(std::string_view text);
};
std::optional<double> toNumber(std::string_view text);
std::string fromInteger(long long value);
// Fixed notation with a decimal point, whatever the locale.
std::string fromNumber(double value, int decimals);
// Shortest text that reads back as the same value ("12.5", "3", "0.1").
std::string fromNumber(double value);

// The one French comparison of the system: symbols, then digits, then letters; letters without
// case and accents first, then accents, then case; bytes last, so the order is total.
int compareFrench(std::string_view a, std::string_view b);
void sortFrench(std::vector<std::string>& lines);

std::vector<std::string> split(std::string_view text, char separator);

}  // namespace platform
