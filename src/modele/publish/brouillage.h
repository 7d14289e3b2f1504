#pragma once
// The additive scrambler of the stored FTP settings and of the maker's server password.

#include <string>
#include <string_view>

namespace publish {

// Each byte j of the first (length modulo 256) bytes gains the key byte j modulo 8, modulo 256;
// the bytes after them are kept. The length never changes.
std::string crypter(std::string_view clair);
// The reverse walk.
std::string decrypter(std::string_view crypte);

}  // namespace publish
