#pragma once
// The HTML-entity table and the conversion of a page's bytes.

#include <array>
#include <string>
#include <string_view>

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

}  // namespace frame
