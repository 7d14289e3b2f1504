#pragma once
// The programs that live beside the shop in its data folder (updater, stock program, modules).

#include <string_view>

namespace app {
class Programme;

// Asks the shell to open the data folder's file `nom` (a program is started, a document opened
// with its program). False, after a French message, when the file is missing or nothing could
// open it: an outside program of another system cannot start here.
bool ouvrirProgrammeVoisin(Programme& programme, std::string_view nom);

}  // namespace app
