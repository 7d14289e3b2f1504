#include "pages/vignette_echappement.h"

namespace pages {

namespace {

bool lettreOuChiffre(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Length of the entity that starts at texte[i] ("&name;" or "&#digits;"), 0 when none does.
size_t longueurEntite(std::string_view texte, size_t i) {
  size_t j = i + 1;
  if (j < texte.size() && texte[j] == '#') {
    ++j;
    size_t debut = j;
    while (j < texte.size() && texte[j] >= '0' && texte[j] <= '9') ++j;
    if (j == debut) return 0;
  } else {
    size_t debut = j;
    while (j < texte.size() && lettreOuChiffre(texte[j])) ++j;
    if (j == debut) return 0;
  }
  return (j < texte.size() && texte[j] == ';') ? j + 1 - i : 0;
}

}  // namespace

std::string attributHTML(std::string_view texte) {
  std::string sortie;
  sortie.reserve(texte.size());
  for (size_t i = 0; i < texte.size(); ++i) {
    char c = texte[i];
    switch (c) {
      case '"':
        sortie += "&quot;";
        break;
      case '<':
        sortie += "&lt;";
        break;
      case '>':
        sortie += "&gt;";
        break;
      case '&':
        sortie += longueurEntite(texte, i) ? "&" : "&amp;";
        break;
      default:
        sortie += c;
    }
  }
  return sortie;
}

std::string chaineJS(std::string_view texte) {
  std::string sortie;
  sortie.reserve(texte.size());
  for (char c : texte) {
    switch (c) {
      case '\\':
        sortie += "\\\\";
        break;
      case '\'':
        sortie += "\\'";
        break;
      case '"':
        sortie += "\\\"";
        break;
      case '\r':
        sortie += "\\r";
        break;
      case '\n':
        sortie += "\\n";
        break;
      default:
        sortie += c;
    }
  }
  return sortie;
}

std::string requeteURL(std::string_view texte) {
  static constexpr char kHexa[] = "0123456789ABCDEF";
  std::string sortie;
  sortie.reserve(texte.size());
  for (char c : texte) {
    if (lettreOuChiffre(c) || c == '-' || c == '_' || c == '.' || c == '~') {
      sortie += c;
    } else {
      auto o = static_cast<unsigned char>(c);
      sortie += '%';
      sortie += kHexa[o >> 4];
      sortie += kHexa[o & 0x0F];
    }
  }
  return sortie;
}

}  // namespace pages
