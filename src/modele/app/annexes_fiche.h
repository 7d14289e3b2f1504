#pragma once
// The small side files edited beside a sheet: price supplements <reference>.sup
// (`TSupplementsPrix`, "option=supplement") and different prices <reference>.dif
// (`TPrixDifferents`, "model=price"), the sizes at one price <reference>tailles.txt
// (`TTaillesFiche`), and a category's wrap texts <name>.txt and <name>d.txt
// (`THabillageCategorie`). All in the data folder, one entry a line.

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/lines.h"

namespace app {

// The lines of a side file; empty when it is missing.
platform::LineList chargerAnnexe(const platform::DataFolder& dossier, std::string_view nom);

// A price list as it is stored: every line trimmed, empty ones dropped, "#" as "-" and "&" as
// "+" (they separate the order form's fields). The "=" form is not checked.
platform::LineList nettoyerListePrix(const platform::LineList& lignes);
// Writes the cleaned lines over <nom>; false, writing nothing, when none is left (an existing
// file stays: only its eraser deletes it).
bool sauverListePrix(const platform::DataFolder& dossier, std::string_view nom,
                     const platform::LineList& lignes);
// Deletes the file; false when there was none.
bool supprimerAnnexe(const platform::DataFolder& dossier, std::string_view nom);

// <reference>tailles.txt, the lines as typed.
void sauverTaillesFiche(const platform::DataFolder& dossier, std::string_view reference,
                        const platform::LineList& tailles);

// The two wrap texts of a category, named after its nomURL name.
std::string fichierHabillageGauche(std::string_view nom);  // <nom>.txt
std::string fichierHabillageDroite(std::string_view nom);  // <nom>d.txt
// Lines replace the file; no line deletes it. The message to show: the full path followed by
// " enregistré" or " supprimé".
std::string sauverHabillage(const platform::DataFolder& dossier, std::string_view fichier,
                            const platform::LineList& lignes);

}  // namespace app
