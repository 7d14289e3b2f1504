#pragma once
// The catalogue index `ref.gen`: one line per sheet with its reference, category, theme, title,
// author and image separated by "#", without quoting. It can always be rebuilt from the sheets.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/lines.h"

namespace app {

struct TEntreeRefGen {
  std::string reference;
  std::string categorie;
  std::string theme;
  std::string titre;  // with its weight group, if any
  std::string auteur;
  std::string image;

  bool operator==(const TEntreeRefGen&) const = default;
};

std::string formaterEntreeRefGen(const TEntreeRefGen& entree);
// nullopt for a line without "#"; missing fields are empty and the image keeps any further "#".
std::optional<TEntreeRefGen> lireEntreeRefGen(std::string_view ligne);
// The key of a line: its text before the first "#", trimmed; nullopt when it holds no "#".
std::optional<std::string> cleRefGen(std::string_view ligne);

// The line filter: drops the lines without "#" and those whose key equals the reference trimmed
// (exact comparison, letter case included); the others keep their order.
platform::LineList filtrerRefGen(const platform::LineList& lignes, std::string_view reference);

// The entries of the index, in file order; empty when the file is missing.
std::vector<TEntreeRefGen> chargerRefGen(const platform::DataFolder& dossier);
// Filters out the entry's reference and appends the entry as the last line; creates the file.
void remplacerEntreeRefGen(const platform::DataFolder& dossier, const TEntreeRefGen& entree);
// Filters out the reference; the file is written back (created when it was missing).
void retirerEntreeRefGen(const platform::DataFolder& dossier, std::string_view reference);

// A sheet's line of the index, from the sheet's lines (plain reading: a later line wins, a missing
// key leaves its field empty).
TEntreeRefGen entreeRefGenDeFiche(const platform::LineList& lignes);
// Writes the whole index, one line per entry, in order.
void sauverRefGen(const platform::DataFolder& dossier, const std::vector<TEntreeRefGen>& entrees);

// Rebuilds the index from every *.ref of the data folder, each read once in listing order; the
// fields come from the sheet's lines (a later line wins, values as written). progression(n, total)
// runs before the n-th sheet is read. A sheet that cannot be read throws platform::FileError
// before anything is written: the old index stays.
// True when the index may be behind the sheets: a sheet written after it (a save stopped between
// the sheet and its index line), fewer sound index lines (six fields) than sheets, or a line
// whose sheet is gone (a deletion stopped before the index was written).
bool refGenEnRetard(const platform::DataFolder& dossier);

void reconstruireFichierRefGen(const platform::DataFolder& dossier,
                               const std::function<void(int n, int total)>& progression = {});

}  // namespace app
