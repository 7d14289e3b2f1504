#pragma once
// The new-products pages of a build: each list's page template (tmp/NEWPROD.HTM, or
// tmp/<N>NEWPROD.HTM for the named list N) gets, in place of its marker line, a table of the
// listed products, newest first, and is saved as ftp/<B>.htm and tmp/<B>.htm, B being the page
// the marker names.

#include <string>
#include <unordered_map>
#include <vector>

#include "modele/pages/dossier_construction.h"
#include "platform/lines.h"

namespace pages {

// newprod.ini, the keys of the pages.
struct TOptionsNouveautes {
  int col = 3;  // cells per row; 3 when empty or not above 0
  bool ref = true;
  std::string fond, liens, police, police_taille, coul_ref;
};
// coul_liens: the link colour of the sheet style, for liens "defaut"; police_defaut likewise.
// Throws platform::IntegerError when col is not a whole number.
TOptionsNouveautes lireOptionsNouveautes(const platform::LineList& ini,
                                         const std::string& coul_liens,
                                         const std::string& police_defaut);

struct EntreesNouveautes {
  TOptionsNouveautes options;
  bool multi = false;             // the named lists, else the single list
  std::vector<std::string> noms;  // the named lists, trimmed
  // The page of each product's card in this build, by reference.
  std::unordered_map<std::string, std::string> pagesProduits;
  bool vig_visual = false;
  std::string police_defaut;
};

// Writes the pages; returns the base names written, in order. A list whose template is missing
// or names no page is left alone. Throws platform::FileError.
std::vector<std::string> ecrirePagesNouveautes(const EntreesNouveautes& e, DossierConstruction& d);

// The thumbnail of an image: "<base>-v.<ext>" of vignettes/ (base: the image's name up to its
// first "."), the last of jpg, jpeg, png, gif, swf that exists; "" when none.
std::string chercherVignette(DossierConstruction& d, const std::string& image);

}  // namespace pages
