#include "fenetres/design/import_image.h"

#include <string>

#include "modele/app/texte_prix.h"
#include "platform/files.h"
#include "ui/form.h"

namespace design {

void importerImage(ui::OpenDialog& ouvrir, ui::FileListBox& liste, char separateur) {
  if (!ouvrir.execute()) return;
  ui::Dialogs& dialogues = liste.form().dialogs();
  const std::string nom = ouvrir.fileName.filename().string();
  const size_t point = nom.find('.');
  const std::string base = nom.substr(0, point);
  const std::string extension = point == std::string::npos ? std::string() : nom.substr(point);
  const std::string nouveau = app::nomURL(base, separateur);
  if (nouveau != base) dialogues.showMessage("Nom de l'image modifié en " + nouveau);
  const std::filesystem::path cible = liste.directory() / (nouveau + extension);
  const bool copier =
      !platform::fileExists(cible) ||
      dialogues.askYesNo("Un fichier existe déjà sous ce nom. Désirez-vous le remplacer ?");
  // A shop made before the picture folders had them gets the folder with its first picture; a
  // failed copy is told, so that a missing picture is not taken for an imported one.
  if (copier && (!platform::makeFolder(liste.directory()) ||
                 !app::copierFichier(ouvrir.fileName, cible, false)))
    dialogues.showMessage("L'image n'a pas pu être copiée dans " + cible.string());
  liste.update();
}

}  // namespace design
