#include "modele/frame/table_accents.h"

#include <cstring>

namespace frame {

namespace {

struct Paire {
  char caractere;
  const char* entite;
};

// Named entities for the quotation mark, the letters, copyright and registered; every other sign
// is its Unicode code point in decimal.
constexpr Paire kPaires[TTableAccents::kTaille] = {
    {'\x22', "&quot;"},   {'\x60', "&#96;"},    {'\x7E', "&#126;"},   {'\x80', "&#8364;"},
    {'\xA1', "&#161;"},   {'\xA2', "&#162;"},   {'\xA3', "&#163;"},   {'\xA4', "&#164;"},
    {'\xA5', "&#165;"},   {'\xA6', "&#166;"},   {'\xA7', "&#167;"},   {'\xA8', "&#168;"},
    {'\xA9', "&copy;"},   {'\xAA', "&#170;"},   {'\xAB', "&#171;"},   {'\xAC', "&#172;"},
    {'\xAD', "&#173;"},   {'\xAE', "&reg;"},    {'\xAF', "&#175;"},   {'\xB0', "&#176;"},
    {'\xB1', "&#177;"},   {'\xB2', "&#178;"},   {'\xB3', "&#179;"},   {'\xB4', "&#180;"},
    {'\xB5', "&#181;"},   {'\xB6', "&#182;"},   {'\xB7', "&#183;"},   {'\xB8', "&#184;"},
    {'\xBF', "&#191;"},   {'\xC0', "&Agrave;"}, {'\xC1', "&Aacute;"}, {'\xC2', "&Acirc;"},
    {'\xC3', "&Atilde;"}, {'\xC4', "&Auml;"},   {'\xC5', "&Aring;"},  {'\xC6', "&AElig;"},
    {'\xC7', "&Ccedil;"}, {'\xC8', "&Egrave;"}, {'\xC9', "&Eacute;"}, {'\xCA', "&Ecirc;"},
    {'\xCB', "&Euml;"},   {'\xCC', "&Igrave;"}, {'\xCD', "&Iacute;"}, {'\xCE', "&Icirc;"},
    {'\xCF', "&Iuml;"},   {'\xD0', "&ETH;"},    {'\xD1', "&Ntilde;"}, {'\xD2', "&Ograve;"},
    {'\xD3', "&Oacute;"}, {'\xD4', "&Ocirc;"},  {'\xD5', "&Otilde;"}, {'\xD6', "&Ouml;"},
    {'\xD8', "&Oslash;"}, {'\xD9', "&Ugrave;"}, {'\xDA', "&Uacute;"}, {'\xDC', "&Uuml;"},
    {'\xDD', "&Yacute;"}, {'\xDE', "&THORN;"},  {'\xDF', "&szlig;"},  {'\xE0', "&agrave;"},
    {'\xE1', "&aacute;"}, {'\xE2', "&acirc;"},  {'\xE3', "&atilde;"}, {'\xE4', "&auml;"},
    {'\xE5', "&aring;"},  {'\xE6', "&aelig;"},  {'\xE7', "&ccedil;"}, {'\xE8', "&egrave;"},
    {'\xE9', "&eacute;"}, {'\xEA', "&ecirc;"},  {'\xEB', "&euml;"},   {'\xEC', "&igrave;"},
    {'\xED', "&iacute;"}, {'\xEE', "&icirc;"},  {'\xEF', "&iuml;"},   {'\xF0', "&eth;"},
    {'\xF1', "&ntilde;"}, {'\xF2', "&ograve;"}, {'\xF3', "&oacute;"}, {'\xF4', "&ocirc;"},
    {'\xF5', "&otilde;"}, {'\xF6', "&ouml;"},   {'\xF8', "&oslash;"}, {'\xF9', "&ugrave;"},
    {'\xFA', "&uacute;"}, {'\xFC', "&uuml;"},   {'\xFD', "&yacute;"}, {'\xFE', "&thorn;"},
    {'\xFF', "&yuml;"},
};

}  // namespace

void TTableAccents::remplir() {
  caracteres.clear();
  index_.fill(0);
  for (size_t i = 0; i < kTaille; ++i) {
    caracteres += kPaires[i].caractere;
    entites[i] = kPaires[i].entite;
    index_[static_cast<unsigned char>(kPaires[i].caractere)] = static_cast<short>(i + 1);
  }
}

const std::string* TTableAccents::entite(char c) const {
  short i = index_[static_cast<unsigned char>(c)];
  return i == 0 ? nullptr : &entites[static_cast<size_t>(i - 1)];
}

std::string convertirTexte(std::string_view source, const TTableAccents& table, bool horsLigne) {
  if (horsLigne) return std::string(source);
  std::string sortie;
  sortie.reserve(source.size() + source.size() / 8);
  const char* const debut = source.data();
  const size_t taille = source.size();
  size_t copie = 0;  // bytes before this are in sortie
  // 0x1A is an ordinary byte here: stopping at it would cut a page short. Runs of bytes left as
  // they are go in whole; a tag is skipped to its '>' at once.
  for (size_t i = 0; i < taille; ++i) {
    char c = debut[i];
    if (c == '<') {
      const void* fin = std::memchr(debut + i + 1, '>', taille - i - 1);
      if (!fin) break;
      i = static_cast<size_t>(static_cast<const char*>(fin) - debut);
      c = '>';
    }
    if (const std::string* e = table.entite(c)) {
      sortie.append(debut + copie, i - copie);
      sortie += *e;
      copie = i + 1;
    }
  }
  sortie.append(debut + copie, taille - copie);
  return sortie;
}

}  // namespace frame
