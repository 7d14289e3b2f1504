#pragma once
// A page variable a generated script sends on (the shopper's session, the tracking code), read so
// that it never stops the page: a frameset opened from disc forbids reading its top window, and a
// page the shop's cart script did not set up holds no such variable. An absent value is sent empty.

#include <string>
#include <string_view>

namespace frame {

// A script expression (single quotes only) giving the value of `expression`, or '' when it is
// undefined, null or cannot be read.
inline std::string valeurSure(std::string_view expression) {
  return "(function(){try{var v=" + std::string(expression) +
         ";return v==null?'':v;}catch(e){return '';}})()";
}

}  // namespace frame
