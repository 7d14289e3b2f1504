#include "modele/publish/brouillage.h"

namespace publish {

namespace {

constexpr std::string_view kCle = "QDWNRFXP";

std::string parcourir(std::string_view source, int sens) {
  std::string resultat(source);
  // Only length modulo 256 bytes are walked: a line of 256 bytes is stored as it is.
  const size_t n = source.size() % 256;
  for (size_t j = 0; j < n; ++j) {
    int octet = static_cast<unsigned char>(source[j]) + sens * static_cast<unsigned char>(kCle[j % 8]);
    resultat[j] = static_cast<char>(static_cast<unsigned char>(octet & 0xFF));
  }
  return resultat;
}

}  // namespace

std::string crypter(std::string_view clair) { return parcourir(clair, 1); }

std::string decrypter(std::string_view crypte) { return parcourir(crypte, -1); }

}  // namespace publish
