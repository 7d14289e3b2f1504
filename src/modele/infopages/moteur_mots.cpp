#include "modele/infopages/moteur_mots.h"

#include "platform/text.h"

namespace infopages {

namespace {

bool accentue(unsigned char c) {
  if (c == 34 || c == 96 || c == 126 || c == 191) return true;
  if (c >= 161 && c <= 184) return true;
  return c >= 192 && c != 215 && c != 219 && c != 247 && c != 251;
}

}  // namespace

size_t caracteresMotsCles(const std::vector<std::string>& mots) {
  size_t total = 0;
  for (const std::string& mot : mots)
    for (unsigned char c : mot) total += accentue(c) ? 8 : 1;
  return total;
}

std::string extraireMot(std::string_view texte, char separateur, size_t n) {
  std::string morceau;
  size_t separateurs = 0;
  for (char c : texte) {
    if (c != separateur) {
      morceau += c;
      continue;
    }
    if (++separateurs == n) return morceau;
    morceau.clear();
  }
  return {};
}

std::string balise(std::string_view texte) {
  // The characters are dropped, not kept as NUL bytes: the module reads the .ajm file as text.
  static constexpr std::string_view kRefuses = "<>.;,:()\"{}[]?!/";
  std::string propre;
  for (char c : texte)
    if (kRefuses.find(c) == std::string_view::npos) propre += c;
  size_t debut = 0, fin = propre.size();
  while (debut < fin && static_cast<unsigned char>(propre[debut]) <= 32) ++debut;
  while (fin > debut && static_cast<unsigned char>(propre[fin - 1]) <= 32) --fin;
  return propre.substr(debut, fin - debut);
}

std::string motRetenu(std::string_view saisie) {
  std::string mot(saisie);
  const std::string texte = platform::trim(saisie) + " ";
  for (size_t n = 0; n <= texte.size(); ++n) {
    std::string morceau = platform::trim(extraireMot(texte, ' ', n));
    if (morceau.size() < 3) continue;
    if (std::string propre = balise(morceau); !propre.empty()) mot = propre;
  }
  return mot.size() < 3 ? std::string() : mot;
}

std::vector<std::string> motsDeLaPage(const platform::LineList& base, std::string_view page) {
  std::vector<std::string> mots;
  for (const std::string& ligne : base) {
    const size_t chevron = ligne.find('<');
    const size_t ferme = ligne.find('>');
    if (chevron == std::string::npos || ferme == std::string::npos) continue;
    if (platform::trim(std::string_view(ligne).substr(ferme + 1)) == page)
      mots.push_back(ligne.substr(0, chevron));
  }
  return mots;
}

std::string fichierMotsPage(std::string_view page) {
  return std::string(page.substr(0, page.find('.'))) + ".ajm";
}

}  // namespace infopages
