#include "platform/escape.h"

#include "platform/text.h"

#include <utility>

namespace platform {

namespace {

// "<" and ">", and the double quote when asked, as entities; the rest as it is.
std::string markupEscaped(std::string_view value, bool quote) {
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    if (quote && c == '"')
      out += "&quot;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  return out;
}

}  // namespace

std::string htmlAttribute(std::string_view value) { return markupEscaped(value, true); }

std::string htmlText(std::string_view value) { return markupEscaped(value, false); }

std::string htmlWholeNumber(std::string_view value) {
  const auto n = toInteger(value);
  return n ? fromInteger(*n) : std::string();
}

std::string htmlSizeAttributes(std::string_view width, std::string_view height) {
  std::string attributes;
  for (auto [name, value] : {std::pair{" WIDTH=", width}, std::pair{" HEIGHT=", height}})
    if (const auto n = toInteger(trim(value)); n && *n > 0) attributes += name + fromInteger(*n);
  return attributes;
}

std::string jsString(std::string_view value, char quote) {
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    if (c == '\\' || c == quote) {
      out += '\\';
      out += c;
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string urlQueryValue(std::string_view value) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F || c == '"' || c == '#' || c == '%' || c == '&' || c == '+' ||
        c == '<' || c == '>') {
      out += '%';
      out += hex[b >> 4];
      out += hex[b & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace platform
