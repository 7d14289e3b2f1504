#include "fenetres/frame/accent.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "platform/files.h"

namespace frame {

Taccents1::Taccents1(app::Programme& programme)
    : ui::Form(programme.application(), "Taccents1", "accents1"), p_(programme) {
  onCreate = [this] { FormCreate(); };
  FormCreate();
}

void Taccents1::FormCreate() { table.remplir(); }

void Taccents1::convertirAccents() {
  const auto source = p_.chemin(fichierEntree);
  if (!platform::fileExists(source)) return;
  const auto destination = p_.chemin(fichierSortie);
  std::string octets = platform::readFile(source);
  platform::writeFileAtomic(destination, convertirTexte(octets, table, p_.main().catalC.checked()));
  if (!platform::removeFile(source) && platform::fileExists(source))
    throw platform::FileError("Impossible de supprimer le fichier " + source.string());
}

}  // namespace frame
