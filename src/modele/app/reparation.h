#pragma once
// Catalogue-wide repairs, the sheets taken as the truth: the repair rebuilds the index, the
// category list and every theme list from them; the family-key cleanup strips the old `famille`
// lines from every sheet. Each sheet is read once and written only when it changes.

#include <functional>

#include "platform/files.h"

namespace app {

inline constexpr const char* questionReparation =
    "La répération SUPPRIME l'ordre des FICHES et des THEMES et peut perturber\n"
    "le MENU. Etes-vous sûr de vouloir faire la réparation, vraiment utile en cas\n"
    "de blocage complet ?";
inline constexpr const char* messageReparationTerminee =
    "La réparation de la base de données interne est terminée. Fermer le programme et "
    "redémarrez-le.";

// In order: a rename found unfinished completed from its record, file names trimmed (never onto an existing file), sheet values trimmed, `ref.gen`
// written, every `.cto` deleted, `categories` and the `.cto` files rebuilt from the index (first
// appearance, letter case ignored), the family order lines of `menu.opt` blanked to "***".
// progression(n, total) runs before the n-th sheet is read. A file error stops it where it is;
// running it again completes it.
void reparerCatalogueFichiers(const platform::DataFolder& dossier,
                              const std::function<void(int n, int total)>& progression = {});

// Every sheet keeps only its lines that hold "=" and whose key is not `famille`.
void retirerClesFamille(const platform::DataFolder& dossier);

}  // namespace app
