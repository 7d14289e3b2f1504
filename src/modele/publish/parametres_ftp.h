#pragma once
// The shop's FTP account, var.opt: five lines "host=", "port=", "user=", "pass=", "rep=", each
// scrambled whole (see crypter). The older plain ftp.opt is migrated into it once.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/lines.h"

namespace publish {

struct TParametresFTP {
  std::string host;
  std::string port = "21";
  std::string user;
  std::string pass;
  std::string rep;  // remote folder, expected to end with "/"
};

// The five plain lines, values as typed (no trimming).
platform::LineList lignesParametresFTP(const TParametresFTP& parametres);

// Each line scrambled. A scrambled line must not hold a line break or a NUL byte (some accented
// characters would give one and break the file): throws platform::FileError naming the field.
platform::LineList crypterLignes(const platform::LineList& claires);

// Writes var.opt atomically, readable by its owner only. Nothing is written when a field cannot
// be stored. Throws platform::FileError.
void sauverParametresFTP(const platform::DataFolder& dossier, const TParametresFTP& parametres);

// Moves a non-empty ftp.opt into var.opt (replacing it) and deletes ftp.opt. nullopt when done
// or nothing to do; otherwise the French message to show, and the publishing command ends.
std::optional<std::string> migrerAncienFichierFTP(const platform::DataFolder& dossier);

// Reads var.opt: each value found, an empty one included, replaces the field; the fields it has
// no line for stay. Keys are looked up ignoring case, first line wins. A missing file changes
// nothing.
void chargerParametresFTP(const platform::DataFolder& dossier, TParametresFTP& parametres);

}  // namespace publish
