#include "modele/pages/articles_options.h"

#include <string_view>

namespace pages {

bool caseOptionsArticles(const char* cle) {
  for (std::string_view c : {"gras_articles", "gras_pages", "rubriquesC", "gras_rubriques", "retour"})
    if (c == cle) return true;
  return false;
}

platform::LineList lignesOptionsArticles(const TOptionsArticles& o) {
  platform::LineList lignes;
  for (const CleArticles& c : clesOptionsArticles()) {
    const std::string& valeur = o.*c.champ;
    if (caseOptionsArticles(c.cle))
      lignes.add(std::string(c.cle) + (valeur == "oui" ? "=oui" : "="));
    else
      lignes.add(std::string(c.cle) + "=" + valeur);
  }
  return lignes;
}

}  // namespace pages
