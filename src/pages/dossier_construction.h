#pragma once
// The data folder as a site build sees it. A build asks about thousands of names, most of them
// missing (thumbnails, category texts, title files); the platform's resolver lists a folder for
// each missing name, which makes a build quadratic. Here each folder is listed once, at its first
// miss, and kept up to date with what the build writes and deletes. Generated files are written
// whole through a temporary file and a rename, without waiting for the disk: a crash leaves the
// old file or the new one, and the next build rewrites them all anyway.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/lines.h"

namespace pages {

class DossierConstruction {
 public:
  explicit DossierConstruction(std::filesystem::path racine);

  const std::filesystem::path& racine() const { return racine_; }

  // The path of a name of the data folder ("tmp/x.htm", "vignettes\\x-v.jpg"), each part found
  // without regard to case when the exact one is missing, blanks and dots ending a part dropped;
  // nullopt when the name would leave the data folder (an absolute path, "..").
  std::optional<std::filesystem::path> chemin(std::string_view nom);
  bool existe(std::string_view nom);
  // The lines of a file; nullopt when it is missing or the name is refused. Throws
  // platform::FileError when it exists but cannot be read.
  std::optional<platform::LineList> lire(std::string_view nom);
  // Every line followed by CR LF. Throws platform::FileError (a refused name too).
  void ecrire(std::string_view nom, const platform::LineList& lignes);
  // Raw bytes, the file's folder created when missing. Throws platform::FileError.
  void ecrireOctets(std::string_view nom, std::string_view octets);
  // A folder that others wrote into is listed again at its next miss.
  void oublierDossier(std::string_view dossier);
  bool supprimer(std::string_view nom);
  // Never replaces an existing file; false when refused or failed.
  bool renommer(std::string_view ancien, std::string_view nouveau);
  // Overwrites the destination; false when the source is missing or the copy failed.
  bool copier(std::string_view source, std::string_view destination);
  // The files of a folder of the data folder matching the masks, ordered as the platform lists.
  std::vector<std::string> lister(std::string_view dossier, std::string_view masques);
  // Creates a folder of the data folder (with its parents) when it is missing.
  void creerDossier(std::string_view dossier);

  // What every view asked of the disk, by path relative to its data folder; counted only while set.
  // Tests use it to check that a build lists each folder and reads each file a fixed number of times.
  struct Comptes {
    std::map<std::string, int> listages;
    std::map<std::string, int> lectures;
  };
  static inline Comptes* comptes = nullptr;

 private:
  struct Repertoire {
    bool lu = false;
    std::unordered_map<std::string, std::string> noms;  // folded name -> name on disk
  };
  // The name on disk of `nom` inside the folder `dossier` (absolute), or `nom` itself.
  std::string trouver(const std::filesystem::path& dossier, const std::string& nom);
  Repertoire& repertoire(const std::filesystem::path& dossier);
  void ecrireChemin(const std::filesystem::path& cible, std::string_view octets);
  void noter(const std::filesystem::path& fichier);
  void oublier(const std::filesystem::path& fichier);
  void compter(std::map<std::string, int> Comptes::*quoi, const std::filesystem::path& chemin) const;

  std::filesystem::path racine_;
  std::unordered_map<std::string, Repertoire> repertoires_;
  unsigned long compteur_ = 0;
};

}  // namespace pages
