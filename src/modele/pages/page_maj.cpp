#include "modele/pages/page_maj.h"

#include "platform/text.h"

namespace pages {

std::optional<MarqueursCarte> trouverMarqueurs(const platform::LineList& page,
                                               const std::string& reference) {
  std::optional<size_t> debut, fin;
  MarqueursCarte m;
  for (size_t i = 0; i < page.size(); ++i) {
    const std::string l = platform::trim(page[i]);
    for (const bool oui : {false, true}) {
      const std::string drapeau = oui ? "*Y//" : "*N//";
      if (l == "<!--//DEBUT//" + reference + drapeau + "DEBUT//-->") {
        debut = i;
        m.premiere = oui;
      } else if (l == "<!--//FIN//" + reference + drapeau + "FIN//-->") {
        fin = i;
        m.derniere = oui;
      }
    }
  }
  if (!debut || !fin || *fin <= *debut) return std::nullopt;
  m.debut = *debut;
  m.fin = *fin;
  return m;
}

platform::LineList remplacerCarte(const platform::LineList& page, const MarqueursCarte& m,
                                  const platform::LineList& carte) {
  const auto& l = page.lines();
  std::vector<std::string> nouvelle(l.begin(), l.begin() + m.debut + 1);
  if (m.fin > m.debut + 1) nouvelle.insert(nouvelle.end(), carte.begin(), carte.end());
  nouvelle.insert(nouvelle.end(), l.begin() + m.fin, l.end());
  return platform::LineList(std::move(nouvelle));
}

}  // namespace pages
