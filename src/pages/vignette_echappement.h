#pragma once
// Free text placed where a quote or an ampersand would break the page: inside an HTML attribute
// value, inside a JavaScript string literal, inside a URL query. Plain text comes out unchanged.

#include <string>
#include <string_view>

namespace pages {

// For a double-quoted attribute value: '"', '<' and '>' become entities, and so does an "&" that
// does not already begin an entity ("&eacute;", "&#233;" stay as typed).
std::string attributHTML(std::string_view texte);

// For a single-quoted JavaScript string: backslash, quotes and line ends are escaped. Put inside
// an attribute, the result goes through attributHTML as well.
std::string chaineJS(std::string_view texte);

// For a query-string value: every byte other than a letter, a digit or one of "-_.~" is written
// as %XX (the Windows-1252 byte, as the cart scripts receive it).
std::string requeteURL(std::string_view texte);

}  // namespace pages
