#pragma once
// Pictures named in a sheet, as the sheet reader and the editor show them.

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/files.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace app {

// A file named in a sheet, inside the data folder; nullopt when missing, empty or leading outside.
std::optional<std::filesystem::path> fichierPresent(const platform::DataFolder& dossier,
                                                    std::string_view nom);

// False, after saying so, when the file is no GIF or JPEG picture that can be read: its size
// would be unknown wherever a page shows it.
bool imageLisible(ui::Dialogs& dialogues, const std::filesystem::path& fichier);

// Shows a picture in a preview that takes the picture's own size; returns that size.
std::pair<int, int> montrerImage(ui::Image& apercu, const std::filesystem::path& fichier);

}  // namespace app
