#pragma once
// What the copies of the previous build's pages in tmp/ hold, known without reading them again:
// each copy's size and time as written, and a hash of its bytes, kept in tmp/pages.emp. A copy
// changed since by anyone else no longer matches its size and time: it is read as before.

#include <filesystem>
#include <string>
#include <string_view>
#include <map>
#include <utility>
#include <optional>
#include <unordered_map>

#include "modele/pages/dossier_construction.h"

namespace pages {

class EmpreintesPages {
 public:
  explicit EmpreintesPages(DossierConstruction& dossier);

  enum class Copie { identique, differente, inconnue };
  // What is compared: the length and hash of a page's bytes.
  struct Octets {
    long long taille;
    unsigned long long hash;
  };
  static Octets mesurer(std::string_view contenu);
  // The copy `nom` ("tmp/x.htm") against the bytes a page now has.
  Copie comparer(const std::string& nom, const Octets& page);
  // After the copy is written, or found identical: kept for the next build. Its size and time are
  // read by enregistrer, once every copy is written.
  void noter(const std::string& nom, const Octets& page);
  // Writes tmp/pages.emp with the copies noted by this build.
  void enregistrer();

  // A file as a record describes it; the publication keeps one of the same form.
  struct Empreinte {
    long long taille = -1;
    long long temps = 0;  // modification time, nanoseconds
    unsigned long long hash = 0;
  };
  // A record's line "nom|taille|temps|hash", the hash in hexadecimal; nullopt when malformed.
  static std::optional<std::pair<std::string, Empreinte>> lireLigne(const std::string& ligne);
  static std::string ligne(const std::string& nom, const Empreinte& e);
  // The size and time of a regular file (hash 0); nullopt when there is none.
  static std::optional<Empreinte> etat(const std::filesystem::path& chemin);

 private:
  std::optional<Empreinte> surDisque(const std::string& nom);

  DossierConstruction& dossier_;
  std::unordered_map<std::string, Empreinte> connues_;
  std::map<std::string, unsigned long long> notees_;  // hash by copy
};

}  // namespace pages
