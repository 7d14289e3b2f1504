#pragma once
// What a file of the site and its mirror copy hold, known without reading them. The mirror's
// copies are described in tmp/transfert.emp (size, time as written, hash of the bytes), noted
// as the upload writes them; the site's pages by the build's own record, tmp/pages.emp, or else
// by ours of the site's files we had to read (the pictures copied by the build keep their time
// while their bytes are the same). An entry
// counts only while its file still has the size and time noted: a file changed by anyone else
// is read, as before.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "modele/pages/empreintes_pages.h"
#include "platform/files.h"

namespace publish {

class EmpreintesMiroir {
 public:
  explicit EmpreintesMiroir(const platform::DataFolder& dossier);

  struct Octets {
    long long taille = -1;
    unsigned long long hash = 0;
    bool operator==(const Octets&) const = default;
  };
  // The build's measure, so that its hashes and ours compare.
  static Octets mesurer(std::string_view contenu);

  // Whether ftp/<nom> holds the bytes of transfert/<nom>. Reads the site's file only when the
  // build's record does not describe it, the mirror's copy only when ours does not.
  bool identiques(const std::string& nom);
  // Writes tmp/transfert.emp whole, with what this comparison read.
  void enregistrer() const;

  // Bytes read to compare, for the measures.
  long long octetsLus() const { return octetsLus_; }

 private:
  using Empreinte = pages::EmpreintesPages::Empreinte;
  // The lines of a record, by name; a name's last line holds.
  static std::unordered_map<std::string, Empreinte> charger(const platform::DataFolder& dossier,
                                                            std::string_view fichier);
  // The record's hash when the file still has the size and time noted (`e`, as it is now).
  static std::optional<Octets> valable(const std::unordered_map<std::string, Empreinte>& connues,
                                       const std::string& nom, const Empreinte& e);
  std::optional<Octets> lire(const std::filesystem::path& chemin);

  const platform::DataFolder& dossier_;
  std::unordered_map<std::string, Empreinte> miroir_;  // by name in transfert/
  std::unordered_map<std::string, Empreinte> site_;    // by name in ftp/, from the build
  // By name in ftp/, files the build does not describe, as we read them; kept by the upload.
  std::unordered_map<std::string, Empreinte> lusSite_;
  long long octetsLus_ = 0;
};

// The upload's notes of the mirror copies it writes, added at the end of tmp/transfert.emp
// without reading it: a publication of a few files reads no record of thousands. A name's last
// line holds; the next comparison writes the record whole again.
class NotesMiroir {
 public:
  explicit NotesMiroir(const platform::DataFolder& dossier) : dossier_(dossier) {}
  // After transfert/<nom> was written with these bytes, read from ftp/<nom> when it had the time
  // tempsSite: both are described (one thread at a time).
  void noter(const std::string& nom, const EmpreintesMiroir::Octets& octets, long long tempsSite);
  // Adds the lines noted since the last call. Throws platform::FileError.
  void enregistrer();

 private:
  const platform::DataFolder& dossier_;
  std::string lignes_;
};

// The place the copies of transfert/ were sent to (tmp/transfert.lieu): server, port, login and
// folder. The copies tell what a server holds only for that place.
struct LieuMiroir {
  std::string host;
  std::string port;
  std::string user;
  std::string rep;
  // Read from a record of the older form, which names the host and the folder only.
  bool formeAncienne = false;
};
// The same place: the host without regard to case, the same port number, the same login, the
// folder without a final "/" after a name ("www/" is "www", "/" stays "/"); host, port and
// folder without their outer blanks.
bool memeLieu(const LieuMiroir& a, const LieuMiroir& b);
// A record of a place in a file of its own, as written (the older form without the account's
// port and login). Throws platform::FileError.
LieuMiroir lireLieu(const std::filesystem::path& fichier);
void ecrireLieu(const std::filesystem::path& fichier, const LieuMiroir& lieu);
// nullopt when no place is recorded (a mirror written before places were). A record of the older
// form stands for the port and login of the account saved in var.opt, the one it was sent with.
// Throws platform::FileError.
std::optional<LieuMiroir> lireLieuMiroir(const platform::DataFolder& dossier);
// A record of the older form written whole, with the account saved now: done before another
// account replaces it in var.opt. Throws platform::FileError.
void garderLieuAncien(const platform::DataFolder& dossier);
// Throws platform::FileError.
void noterLieuMiroir(const platform::DataFolder& dossier, const LieuMiroir& lieu);

}  // namespace publish
