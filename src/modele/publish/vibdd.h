#pragma once
// The marketplace account's files: its settings `vibdd.ini`, the key that names the generated
// files, the two lists built from the sheets, and which catalogue files are sent.

#include <string>
#include <string_view>

#include "platform/lines.h"

namespace publish {

// `TParametresVibdd`: vibdd.ini, read only (the marketplace gives it).
struct TParametresVibdd {
  std::string url;  // the shop's address as the marketplace knows it, as read
};
TParametresVibdd chargerParametresVibdd(const platform::LineList& lignes);

// The x of vibdd_<x>.txt, images_<x>.txt and qmulti_<x>.ini.
std::string cleVibdd(std::string_view url, char sepurl);

// `TListeVibdd` (vibdd_<x>.txt) and the image list (images_<x>.txt), one sheet at a time in the
// order of the sheet list.
struct ListesVibdd {
  ListesVibdd(std::string_view login, std::string_view url);
  void ajouterFiche(const platform::LineList& fiche);

  std::string url;
  platform::LineList references;
  platform::LineList images;
};

// A *.txt of the folder that is a sizes file: "tailles" in that very case.
bool estFichierTailles(std::string_view nom);

// The shop login names the remote folder of a shared account: it must stay one plain folder.
bool repertoireVibddValide(std::string_view login);

}  // namespace publish
