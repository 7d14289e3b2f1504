#pragma once
// The window `Taccents1`: routine holder of the HTML-entity converter. Never shown; its table is
// filled when it is created.

#include <array>
#include <string>
#include <string_view>

#include "ui/form.h"

namespace app {
class Programme;
}

namespace frame {

// The Windows-1252 characters that become HTML entities, each with its entity, in code order.
struct TTableAccents {
  static constexpr size_t kTaille = 89;
  std::string caracteres;                     // the 89 characters, each once
  std::array<std::string, kTaille> entites;  // entites[i] replaces caracteres[i]

  // The entity of c, or nullptr when c passes unchanged.
  const std::string* entite(char c) const;
  void remplir();

 private:
  std::array<short, 256> index_{};  // position + 1 in caracteres, 0 when absent
};

// Converts one page's bytes: table characters outside tags become entities. The tag state starts
// outside and is not reset between lines; with horsLigne every byte is copied unchanged.
std::string convertirTexte(std::string_view source, const TTableAccents& table, bool horsLigne);

class Taccents1 : public ui::Form {
 public:
  explicit Taccents1(app::Programme& programme);

  TTableAccents table;
  // Names relative to the data folder, set by the caller before each conversion.
  std::string fichierEntree;
  std::string fichierSortie;

  // Copies fichierEntree to fichierSortie with the entities, then deletes fichierEntree. Nothing
  // happens when the source is missing. Throws platform::FileError; the source is then kept.
  void convertirAccents();

  void FormCreate();

 private:
  app::Programme& p_;
};

}  // namespace frame
