#include "modele/design/hexa.h"

#include <algorithm>
#include <string>

#include "platform/text.h"

namespace design {

namespace {

int chiffreHexa(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One pair of the text as a number; a lone last digit of a short text still counts.
int paire(std::string_view couleur, size_t debut) {
  std::string_view p = couleur.substr(std::min(debut, couleur.size()), 2);
  int valeur = 0;
  for (char c : p) {
    int chiffre = chiffreHexa(c);
    if (chiffre < 0) throw platform::IntegerError("$" + std::string(p));
    valeur = valeur * 16 + chiffre;
  }
  if (p.empty()) throw platform::IntegerError("$");
  return valeur;
}

}  // namespace

RVB hexaVersRGB(std::string_view couleur) {
  RVB resultat;
  if (couleur.empty() || couleur[0] != '#') return resultat;
  resultat.rouge = paire(couleur, 1);
  resultat.vert = paire(couleur, 3);
  resultat.bleu = paire(couleur, 5);
  return resultat;
}

long long hexaVersEntier(std::string_view texte) {
  long long valeur = 0;
  for (char c : texte) {
    int chiffre = chiffreHexa(c);
    valeur = valeur * 16 + chiffre;
    if (chiffre < 0 || valeur > 2147483647LL)
      throw platform::IntegerError("$" + std::string(texte));
  }
  if (texte.empty()) throw platform::IntegerError("$");
  return valeur;
}

}  // namespace design
