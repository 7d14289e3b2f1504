#pragma once
// The reference pages, written after a build when ref.ini exists: for every product with a card
// in the list pages, ftp/_<reference>.php, a PHP script that prints the head of the product's
// list page and that one card (found through the card markers), then ref.ini; and ftp/ref.html,
// which links them four to a row.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/lines.h"

namespace pages {

struct EntreesPagesReferences {
  std::string titreSite;            // the site's title for search engines
  std::vector<std::string> fiches;  // the sheet files, in the order of the main window's list
  std::function<void(int)> avancer;  // told the index of each sheet as it is read
};

// What a product page takes from its sheet.
struct FicheReference {
  std::string reference, description, auteur, categorie, mot_cle;
  std::string commentaires;  // every `commentaires` value, each after a blank, in order
};

FicheReference lireFicheReference(const platform::LineList& fiche);

// The product page of a sheet whose card is on page (a file of ftp/).
platform::LineList pageProduitPhp(const FicheReference& fiche, std::string_view page,
                                  const platform::LineList& refIni);

// Writes ftp/_<reference>.php for every sheet whose reference listeHTM.tmp names, and
// ftp/ref.html; returns the lines of ref.html. Throws platform::FileError.
platform::LineList ecrirePagesReferences(const EntreesPagesReferences& e,
                                         const platform::DataFolder& donnees);

}  // namespace pages
