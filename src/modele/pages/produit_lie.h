#pragma once
// A line of a linked-products list tmp/<reference>.pcl: "ref=<reference> nom=<title>".

#include <optional>
#include <string>
#include <string_view>

namespace pages {

struct ProduitLie {
  std::string reference;
  std::string nom;
};

// The reference between "ref=" at the start of the line (or " ref=" inside it) and " nom=", and
// the title after " nom=", both trimmed; nullopt when the line names no reference. Lines of the
// lists and items of the window read alike.
std::optional<ProduitLie> lireProduitLie(std::string_view ligne);

}  // namespace pages
