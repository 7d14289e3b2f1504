#pragma once
// Word rules of the search tabs: the length the index key words take once written in the entry
// page, and the words of the search-engine module (its base mots.bdd, a page's added words).

#include <string>
#include <string_view>
#include <vector>

#include "platform/lines.h"

namespace infopages {

// Sum of the key words' lengths, an accented character counting 8 (written as an HTML entity).
size_t caracteresMotsCles(const std::vector<std::string>& mots);

// The n-th piece (from 1) of the text cut at the separator; "" for 0 or past the last separator.
std::string extraireMot(std::string_view texte, char separateur, size_t n);

// The word without the punctuation the module does not take; blanks trimmed at both ends.
std::string balise(std::string_view texte);

// The word kept of what the user typed: the last piece of at least three characters, cleaned;
// "" when what remains is shorter than three characters.
std::string motRetenu(std::string_view saisie);

// The words mots.bdd holds for the page ("word<...>page" lines).
std::vector<std::string> motsDeLaPage(const platform::LineList& base, std::string_view page);

// "<page base name>.ajm": the page file name before its first ".".
std::string fichierMotsPage(std::string_view page);

}  // namespace infopages
