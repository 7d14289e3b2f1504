#pragma once
// `TExportReferences`: the catalogue as one tab-separated list, a row per product, per variant
// reference and per orderable comment row, under the header of the chosen sort.

#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/lines.h"

namespace publish {

enum class TriExport { reference = 0, titre = 1, categories = 2, theme = 3 };

// The nine fields of a row, in the order of the sort's header.
struct ChampsExport {
  std::string reference, titre, categorie, prix, image, theme, detail, promo, fiche;
};

// One routine under the four names the sorts use: the fields joined by TAB in the order given.
std::string ligneExportReference(const std::vector<std::string>& champs);
inline std::string ligneExportTitre(const std::vector<std::string>& c) { return ligneExportReference(c); }
inline std::string ligneExportCategorie(const std::vector<std::string>& c) { return ligneExportReference(c); }
inline std::string ligneExportTheme(const std::vector<std::string>& c) { return ligneExportReference(c); }

// The row of a sort; a TAB inside a value becomes a blank so that it never shifts the columns.
std::string ligneExport(const ChampsExport& champs, TriExport tri);

// Header then rows sorted in the French order, from the sheets in the order given (each
// reference exported once, by the first sheet that holds it); empty when no row was made.
// avancement(i) is called before sheet i.
platform::LineList exporterReferences(const platform::DataFolder& dossier,
                                      const std::vector<std::string>& fiches, TriExport tri,
                                      const std::function<void(int)>& avancement = {});

}  // namespace publish
