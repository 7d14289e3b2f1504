#pragma once
// The data folder as a site build sees it: names found without regard to case through the
// platform's name index (a build asks about thousands of names, most of them missing), generated
// files written whole without waiting for the disk. A crash leaves the build's unfinished mark;
// the next build rewrites them all anyway.

#include <atomic>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/lines.h"

namespace pages {

class DossierConstruction {
 public:
  explicit DossierConstruction(std::filesystem::path racine);
  // Deletes the files it set aside and nobody took.
  ~DossierConstruction();
  DossierConstruction(const DossierConstruction&) = delete;
  DossierConstruction& operator=(const DossierConstruction&) = delete;

  const std::filesystem::path& racine() const { return racine_; }

  // The path of a name of the data folder ("tmp/x.htm", "vignettes\\x-v.jpg"), each part found
  // without regard to case when the exact one is missing, blanks and dots ending a part dropped;
  // nullopt when the name would leave the data folder (an absolute path, ".."); throws
  // platform::FileError naming the link when it would leave through a symbolic link.
  std::optional<std::filesystem::path> chemin(std::string_view nom);
  // The same with what it names: one question to the disk for a name that exists.
  std::optional<platform::ResolvedPath> trouver(std::string_view nom);
  bool existe(std::string_view nom);
  // The lines of a file; nullopt when it is missing or the name is refused. Throws
  // platform::FileError when it exists but cannot be read.
  std::optional<platform::LineList> lire(std::string_view nom);
  // Every line followed by CR LF. Throws platform::FileError (a refused name too).
  void ecrire(std::string_view nom, const platform::LineList& lignes);
  // Raw bytes, the file's folder created when missing. Throws platform::FileError.
  void ecrireOctets(std::string_view nom, std::string_view octets);
  // A file just written under a second name (platform::linkGeneratedFile), the destination's
  // folder created when missing. Throws platform::FileError.
  void doubler(std::string_view source, std::string_view destination);
  // While this view lives, every view writes the build's output in place (see enPlaceAdmis),
  // without a temporary file, and sets aside what it deletes there: for a build, whose
  // unfinished mark covers a crash. A file system that delays
  // the reuse of deleted files makes creating thousands of files right after deleting thousands
  // grow with their square; a file set aside (renamed to a hidden temporary name no listing shows)
  // becomes the next file written into its folder instead. What is left is deleted with the view
  // that set it aside; a crash leaves temporaries, which the next build removes.
  void ecrireEnPlace();
  bool supprimer(std::string_view nom);
  // Never replaces an existing file; false when refused or failed.
  bool renommer(std::string_view ancien, std::string_view nouveau);
  // Overwrites the destination; false when the source is missing or the copy failed. Copies to
  // one name, from any thread and any view, are made one after the other.
  bool copier(std::string_view source, std::string_view destination);
  // The same, the destination's folder created when missing; throws platform::FileError when
  // the copy fails.
  void copierOuEchouer(std::string_view source, std::string_view destination);
  // The files of a folder of the data folder matching the masks, ordered as the platform lists.
  std::vector<std::string> lister(std::string_view dossier, std::string_view masques);
  // Creates a folder of the data folder (with its parents) when it is missing.
  void creerDossier(std::string_view dossier);

  // The files every view read, by path relative to its data folder; counted only while set.
  // Tests use it to check that a build reads each file a fixed number of times (folder listings
  // are counted by the platform).
  struct Comptes {
    std::map<std::string, int> lectures;
  };
  static inline Comptes* comptes = nullptr;
  // Tests only: called when a file set aside is about to take the name `cible`, so that a test
  // can create that name first, as another thread may. Set while no build runs.
  static inline std::function<void(const std::filesystem::path& cible)>* repriseEssai = nullptr;

 private:
  // chemin, the file's folder created; throws platform::FileError for a refused name or folder.
  std::filesystem::path cheminAvecDossier(std::string_view nom);
  // A file set aside in the target's folder, renamed to the target; false when none.
  bool reprendre(const std::filesystem::path& cible);
  bool ecritEnPlace(const std::filesystem::path& cible);
  // What a build writes in place: the site (ftp/), the copies of its pages (tmp/) and the card
  // writer's scratch page; the other files of the data folder are still replaced whole.
  bool enPlaceAdmis(const std::filesystem::path& fichier) const;
  bool mettreDeCote(const std::filesystem::path& fichier);
  static inline std::atomic<int> vuesEnPlace_{0};

  std::filesystem::path racine_;
  bool enPlace_ = false;
  std::vector<std::string> dossiersDeCote_;  // the folders whose files this view set aside
};

}  // namespace pages
