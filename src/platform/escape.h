#pragma once
// A value placed inside generated markup or script, escaped for the place it lands in. Plain
// values come out unchanged, so only a value that would break its page differs.

#include <string>
#include <string_view>

namespace platform {

// Inside a double-quoted HTML attribute: a double quote becomes "&quot;", "<" and ">" become
// "&lt;" and "&gt;" (the entity converter takes them for the edges of a tag). Ampersands stay,
// since shopkeepers type entities of their own.
std::string htmlAttribute(std::string_view value);

// A plain value written as page text (a telephone number, a currency, a name): "<" and ">"
// become "&lt;" and "&gt;", so that it can open no tag. Ampersands stay, for the entities
// shopkeepers type ("&euro;").
std::string htmlText(std::string_view value);

// A size written as an attribute value (WIDTH=..., width="..."): the whole number the text reads
// as, or nothing when it is none, so that no other text ever lands inside the tag.
std::string htmlWholeNumber(std::string_view value);
// " WIDTH=<w> HEIGHT=<h>" for a picture of known size; a size unknown or zero is left out, so that
// the browser takes the picture's own rather than an empty attribute or nothing.
std::string htmlSizeAttributes(std::string_view width, std::string_view height);

// Inside a JavaScript string literal delimited by quote: the backslash, that quote, CR and LF
// are escaped with a backslash.
std::string jsString(std::string_view value, char quote = '"');

// A value of a URL query: control bytes and the bytes that would end or change the value
// (double quote, "#", "%", "&", "+", "<", ">") become "%" and two upper-case hexadecimal digits of their
// Windows-1252 byte; blanks, letters and accented letters stay for the browser to send.
std::string urlQueryValue(std::string_view value);

}  // namespace platform
