#include "modele/publish/lieux_miroir.h"

#include <optional>
#include <string>

namespace publish {

namespace {

namespace fs = std::filesystem;

constexpr const char* kLieux = "tmp/lieux";
constexpr const char* kLieu = "tmp/transfert.lieu";

// The pieces of a mirror: where the mirror holds them, and their names in a place set aside.
struct Piece {
  const char* miroir;
  const char* aCote;
};
constexpr Piece kPieces[] = {{"tmp/transfert.emp", "transfert.emp"},
                             {"tmp/transfert.entames", "transfert.entames"},
                             {"redir.soc", "redir.soc"},
                             {"transfert", "transfert"}};

bool present(const fs::path& chemin) {
  std::error_code ec;
  return fs::exists(platform::resolvePath(chemin), ec);
}

void deplacer(const fs::path& de, const fs::path& vers) {
  if (!platform::renameFile(de, vers))
    throw platform::FileError("Le fichier " + de.string() + " n'a pas pu être déplacé vers " +
                              vers.string());
}

void effacer(const fs::path& chemin) {
  if (!platform::removeFolder(chemin))
    throw platform::FileError("Le dossier " + chemin.string() + " n'a pas pu être effacé");
}

// Into tmp/lieux/<n>/, complete before it bears its name: the record first leaves the mirror,
// which then counts nothing as on any server until its pieces are all aside.
void mettreDeCote(const platform::DataFolder& dossier, const LieuMiroir& lieu) {
  const fs::path lieux = dossier.path(kLieux);
  int n = 1;
  while (present(lieux / std::to_string(n)) || present(lieux / (std::to_string(n) + "~"))) ++n;
  const fs::path enCours = lieux / (std::to_string(n) + "~");
  platform::makeFolder(enCours);
  ecrireLieu(enCours / "lieu", lieu);
  const fs::path record = dossier.path(kLieu);
  if (!platform::removeFile(record) && platform::fileExists(record))
    throw platform::FileError("Le fichier " + record.string() + " n'a pas pu être effacé");
  for (const Piece& piece : kPieces)
    if (present(dossier.path(piece.miroir))) deplacer(dossier.path(piece.miroir), enCours / piece.aCote);
  deplacer(enCours, lieux / std::to_string(n));
}

// Its record comes back last: until then the mirror counts nothing as on any server.
void ramener(const platform::DataFolder& dossier, const fs::path& place) {
  for (const Piece& piece : kPieces)
    if (present(place / piece.aCote)) deplacer(place / piece.aCote, dossier.path(piece.miroir));
  platform::makeFolder(dossier.path("transfert"));
  deplacer(place / "lieu", dossier.path(kLieu));
  effacer(place);
}

}  // namespace

void prendreMiroirDe(const platform::DataFolder& dossier, const LieuMiroir& lieu) {
  const fs::path lieux = dossier.path(kLieux);
  std::optional<fs::path> aCote;  // the mirror of `lieu`, set aside
  for (const std::string& nom : platform::listFolders(lieux)) {
    const fs::path place = lieux / nom;
    // Left by a change cut short: a place not yet wholly aside, or one whose record came back.
    if (nom.ends_with('~') || !present(place / "lieu")) {
      effacer(place);
      continue;
    }
    if (!aCote && memeLieu(lireLieu(place / "lieu"), lieu)) aCote = place;
  }
  const std::optional<LieuMiroir> actuel = lireLieuMiroir(dossier);
  if (actuel && memeLieu(*actuel, lieu)) return;
  if (!actuel) {
    // A mirror with no place recorded may hold anything of a change cut short: the upload takes
    // it as it takes an older version's, and the copy aside, now older than it, goes.
    if (aCote) effacer(*aCote);
    return;
  }
  mettreDeCote(dossier, *actuel);
  if (aCote) {
    ramener(dossier, *aCote);
  } else {
    platform::makeFolder(dossier.path("transfert"));
    noterLieuMiroir(dossier, lieu);
  }
}

}  // namespace publish
