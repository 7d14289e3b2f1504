#pragma once
// How a generated page tells its encoding: this line, right after its opening head tag. Browsers
// read iso-8859-1 as Windows-1252, the encoding every page is written in.

namespace platform {

inline constexpr const char* kCharsetMeta =
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">";

}  // namespace platform
