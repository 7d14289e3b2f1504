#include "modele/publish/lieux_miroir.h"

#include <functional>
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

// Each file operation is followed by `etape` (tests cut a change there).
using Etape = std::function<void()>;

void deplacer(const fs::path& de, const fs::path& vers, const Etape& etape) {
  if (!platform::renameFile(de, vers))
    throw platform::FileError("Le fichier " + de.string() + " n'a pas pu être déplacé vers " +
                              vers.string());
  if (etape) etape();
}

void effacer(const fs::path& chemin, const Etape& etape) {
  if (!platform::removeFolder(chemin))
    throw platform::FileError("Le dossier " + chemin.string() + " n'a pas pu être effacé");
  if (etape) etape();
}

// One file under two names, a move cut between its link and its unlink; or two files of the same
// bytes, where the data folder was copied since without its links.
bool memeFichier(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::equivalent(platform::resolvePath(a), platform::resolvePath(b), ec)) return true;
  return platform::fileExists(a) && platform::fileExists(b) &&
         platform::readFile(a) == platform::readFile(b);
}

void effacerFichier(const fs::path& chemin, const Etape& etape) {
  if (!platform::removeFile(chemin) && present(chemin))
    throw platform::FileError("Le fichier " + chemin.string() + " n'a pas pu être effacé");
  if (etape) etape();
}

// The pieces of the mirror not yet in `place` go there; one there under both names is finished
// (another found there already stays).
void rangerPieces(const platform::DataFolder& dossier, const fs::path& place, const Etape& etape) {
  for (const Piece& piece : kPieces) {
    const fs::path miroir = dossier.path(piece.miroir);
    if (!present(miroir)) continue;
    if (!present(place / piece.aCote))
      deplacer(miroir, place / piece.aCote, etape);
    else if (memeFichier(miroir, place / piece.aCote))
      effacerFichier(miroir, etape);
  }
}

bool dossierVide(const fs::path& dossier) {
  return platform::listFiles(dossier, "*").empty() && platform::listFolders(dossier).empty();
}

// No piece, or only an empty transfert/: what a change cut short once its setting aside is done
// leaves, and the program's start.
bool miroirVide(const platform::DataFolder& dossier) {
  for (const Piece& piece : kPieces)
    if (present(dossier.path(piece.miroir)) &&
        (std::string_view(piece.miroir) != "transfert" || !dossierVide(dossier.path("transfert"))))
      return false;
  return true;
}

// Into tmp/lieux/<n>/, complete before it bears its name: the record first leaves the mirror,
// which then counts nothing as on any server until its pieces are all aside.
void mettreDeCote(const platform::DataFolder& dossier, const LieuMiroir& lieu, const Etape& etape) {
  const fs::path lieux = dossier.path(kLieux);
  int n = 1;
  while (present(lieux / std::to_string(n)) || present(lieux / (std::to_string(n) + "~")) ||
         present(lieux / (std::to_string(n) + "+")))
    ++n;
  const fs::path enCours = lieux / (std::to_string(n) + "~");
  platform::makeFolder(enCours);
  ecrireLieu(enCours / "lieu", lieu);
  if (etape) etape();
  const fs::path record = dossier.path(kLieu);
  if (!platform::removeFile(record) && platform::fileExists(record))
    throw platform::FileError("Le fichier " + record.string() + " n'a pas pu être effacé");
  if (etape) etape();
  rangerPieces(dossier, enCours, etape);
  deplacer(enCours, lieux / std::to_string(n), etape);
}

// Its record comes back last: until then the mirror counts nothing as on any server. The place
// is named "<n>+" first, so that a bringing back cut short is known, and finished, at the next
// change, where a piece found under both names is finished and an empty transfert/ (the program's
// start makes one) gives way to the place's.
void ramener(const platform::DataFolder& dossier, fs::path place, const Etape& etape) {
  if (!place.filename().string().ends_with('+')) {
    const fs::path retour = place.string() + "+";
    deplacer(place, retour, etape);
    place = retour;
  }
  for (const Piece& piece : kPieces) {
    const fs::path aCote = place / piece.aCote, miroir = dossier.path(piece.miroir);
    if (!present(aCote)) continue;
    if (present(miroir) && memeFichier(aCote, miroir)) {
      effacerFichier(aCote, etape);
      continue;
    }
    if (std::string_view(piece.miroir) == "transfert" && present(miroir) && dossierVide(miroir))
      effacer(miroir, etape);
    deplacer(aCote, miroir, etape);
  }
  platform::makeFolder(dossier.path("transfert"));
  deplacer(place / "lieu", dossier.path(kLieu), etape);
  effacer(place, etape);
}

}  // namespace

void prendreMiroirDe(const platform::DataFolder& dossier, const LieuMiroir& lieu,
                     const std::function<void()>& etape) {
  const fs::path lieux = dossier.path(kLieux);
  std::optional<fs::path> aCote;  // the mirror of `lieu`, set aside
  for (const std::string& nom : platform::listFolders(lieux)) {
    fs::path place = lieux / nom;
    // Left by a change cut short: a place not yet wholly aside or back, or one whose record came
    // back. One whose record has left the mirror is finished: the mirror is that of no place, or
    // that of the place coming back.
    if (nom.ends_with('+') && present(place / "lieu") && !present(dossier.path(kLieu))) {
      ramener(dossier, place, etape);
      continue;
    }
    if (nom.ends_with('~') && present(place / "lieu") && !present(dossier.path(kLieu))) {
      rangerPieces(dossier, place, etape);
      const fs::path rangee = lieux / nom.substr(0, nom.size() - 1);
      deplacer(place, rangee, etape);
      place = rangee;
    } else if (nom.ends_with('~') || nom.ends_with('+') || !present(place / "lieu")) {
      effacer(place, etape);
      continue;
    }
    if (!aCote && memeLieu(lireLieu(place / "lieu"), lieu)) aCote = place;
  }
  const std::optional<LieuMiroir> actuel = lireLieuMiroir(dossier);
  if (actuel && memeLieu(*actuel, lieu)) return;
  if (!actuel && miroirVide(dossier)) {
    // Nothing to take for this place: its own mirror comes back, or an empty one begins.
    if (aCote) {
      if (present(dossier.path("transfert"))) effacer(dossier.path("transfert"), etape);
      ramener(dossier, *aCote, etape);
    } else {
      platform::makeFolder(dossier.path("transfert"));
      noterLieuMiroir(dossier, lieu);
    }
    return;
  }
  if (!actuel) {
    // A mirror with no place recorded may hold anything of a change cut short: the upload takes
    // it as it takes an older version's, and the copy aside, now older than it, goes.
    if (aCote) effacer(*aCote, etape);
    return;
  }
  mettreDeCote(dossier, *actuel, etape);
  if (aCote) {
    ramener(dossier, *aCote, etape);
  } else {
    platform::makeFolder(dossier.path("transfert"));
    noterLieuMiroir(dossier, lieu);
  }
}

}  // namespace publish
