#pragma once
// The page the sheet-style editor's preview opens: the card of vignette.htm alone on a page
// with the site's background.

#include <string>

#include "platform/lines.h"

namespace pages {

// The CSS background of the page: the colour followed by a blank, or instead "url(<image>) ",
// then "fixed" for a fixed background; empty when the site has none of them.
std::string fondApercuFiche(const std::string& fond_page, const std::string& image_page,
                            const std::string& fixe_page);

// The card's lines inside a page titled with the reference; a STYLE block only with a background.
platform::LineList pageApercuFiche(const platform::LineList& carte, const std::string& reference,
                                   const std::string& fond);

}  // namespace pages
