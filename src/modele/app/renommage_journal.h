#pragma once
// The record of a rename, written whole before its first write: every step the rename takes, each
// one that can be taken again or undone whatever a kill left of it. A rename found unfinished is
// completed from its record (at start-up, or by the repair), so that the catalogue is either
// wholly renamed or not at all.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "modele/app/ref_gen.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace app {

inline constexpr const char* nomJournalRenommage = "renommage.en_cours";

struct EtapeRenommage {
  enum class Sorte {
    renommer,  // fichier -> cible
    copier,    // fichier -> cible, the file staying: another category or theme still names it
    valeur,    // every `cle` line of fichier: ancienne -> nouvelle
    liste,     // fichier's lines: avant -> apres
  };
  Sorte sorte = Sorte::renommer;
  std::string fichier, cible;
  std::string cle, ancienne, nouvelle;
  std::vector<std::string> avant, apres;
  // valeur: the whole new file when the rename has it in hand already (not recorded).
  std::optional<platform::LineList> contenu;
};

enum class IssueEcritures { faites, annulees, interrompues };
struct ResultatEcritures {
  IssueEcritures issue = IssueEcritures::faites;
  std::string erreur;  // the file error that stopped them (or that left the record behind)
};

// Records the steps, takes them in order, then writes the index and removes the record. A file
// error undoes the steps taken, in reverse order (annulees); when the undoing fails too the record
// stays for the next start (interrompues). `avantEcriture` runs before each file operation, and
// inside a file's rename between its new name's link and its old name's unlink.
ResultatEcritures ecrireRenommage(const platform::DataFolder& dossier,
                                  const std::vector<EtapeRenommage>& etapes,
                                  const std::vector<TEntreeRefGen>& index,
                                  const std::function<void()>& avantEcriture = {});

// Completes a rename whose record is found, rebuilds the index from the sheets and removes the
// record; false when there is none. Throws platform::FileError, the record staying.
bool reprendreRenommage(const platform::DataFolder& dossier);

}  // namespace app
