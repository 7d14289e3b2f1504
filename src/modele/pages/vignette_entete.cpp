#include "modele/pages/vignette_entete.h"

#include <algorithm>

#include "platform/escape.h"
#include "platform/text.h"

namespace pages {

namespace {

using O = TOptionsArticles;

const CleArticles kCles[] = {
    {"phrase_articles", &O::phrase_articles},
    {"police_articles", &O::police_articles},
    {"couleur_articles", &O::couleur_articles},
    {"taille_articles", &O::taille_articles},
    {"gras_articles", &O::gras_articles},
    {"phrase_pages", &O::phrase_pages},
    {"police_pages", &O::police_pages},
    {"taille_pages", &O::taille_pages},
    {"gras_pages", &O::gras_pages},
    {"rubriquesC", &O::rubriquesC},
    {"flecheE", &O::flecheE},
    {"phrase_rubriques", &O::phrase_rubriques},
    {"police_rubriques", &O::police_rubriques},
    {"couleur_rubriques", &O::couleur_rubriques},
    {"taille_rubriques", &O::taille_rubriques},
    {"gras_rubriques", &O::gras_rubriques},
    {"haligne", &O::haligne},
    {"baligne", &O::baligne},
    {"retour", &O::retour},
};

// A count of the work files; one that is not a whole number counts as none.
long long nombre(const std::string& texte) { return platform::toInteger(texte).value_or(0); }

std::string gras(const std::string& oui) { return oui == "oui" ? "<b>" : ""; }
std::string finGras(const std::string& oui) { return oui == "oui" ? "</b>" : ""; }

std::string entreeLiee(const std::string& adresse, const O& o, const std::string& couleur,
                       const std::string& numero) {
  return "<a href=\"" + adresse + "\" target=\"_self\"><font face=\"" + o.police_pages +
         "\" color=\"" + couleur + "\" size=\"" + o.taille_pages + "\">" + gras(o.gras_pages) +
         numero + finGras(o.gras_pages) + "</font></a>";
}

std::string entreeCourante(const O& o, const std::string& numero) {
  return "<font face=\"" + o.police_pages + "\" color=\"" + o.couleur_articles + "\" size=\"" +
         o.taille_pages + "\">" + gras(o.gras_pages) + numero + finGras(o.gras_pages) + "</font>";
}

}  // namespace

std::span<const CleArticles> clesOptionsArticles() { return kCles; }

PagerCategorie::PagerCategorie(const std::vector<std::string>& pages, const TOptionsArticles& o,
                               const std::string& couleurEtat)
    : pages_(pages) {
  size_t numero = 0;
  for (const auto& page : pages_) {
    const std::string n = platform::fromInteger(static_cast<long long>(++numero));
    debuts_.push_back(liees_.size());
    liees_ += entreeLiee(platform::htmlAttribute(page) + ".htm", o, couleurEtat, n) + " ";
    courantes_.push_back(entreeCourante(o, n) + " ");
  }
  debuts_.push_back(liees_.size());
}

std::string PagerCategorie::pour(const std::string& page) const {
  const auto premiere = std::find(pages_.begin(), pages_.end(), page);
  if (premiere == pages_.end()) return liees_;
  std::string pager;
  size_t copie = 0;  // bytes of liees_ already in pager
  for (auto it = premiere; it != pages_.end(); it = std::find(it + 1, pages_.end(), page)) {
    const size_t i = static_cast<size_t>(it - pages_.begin());
    pager.append(liees_, copie, debuts_[i] - copie);
    pager += courantes_[i];
    copie = debuts_[i + 1];
  }
  pager.append(liees_, copie, std::string::npos);
  return pager;
}

TOptionsArticles defautsOptionsArticles(const platform::DataFolder& dossier,
                                        std::string_view police_defaut) {
  TOptionsArticles o;
  const std::string police(police_defaut);
  o.phrase_articles = "articles trouvés";
  o.police_articles = police;
  o.couleur_articles = "black";
  o.taille_articles = "1";
  o.phrase_pages = "Pages";
  o.police_pages = police;
  o.taille_pages = "1";
  o.gras_pages = "oui";
  o.flecheE = dossier.exists("puces/flecha.gif") ? "flecha.gif" : "";
  o.phrase_rubriques = "sous-rubriques";
  o.police_rubriques = police;
  o.couleur_rubriques = "black";
  o.taille_rubriques = "1";
  o.haligne = "center";
  o.baligne = "center";
  return o;
}

TOptionsArticles lireOptionsArticles(const platform::LineList& lignes) {
  TOptionsArticles o;
  for (const auto& c : kCles) o.*c.champ = lignes.value(c.cle);
  return o;
}

TOptionsArticles chargerOptionsArticles(const platform::DataFolder& dossier,
                                        std::string_view police_defaut) {
  auto chemin = dossier.path("articles.ini");
  if (!platform::fileExists(chemin)) return defautsOptionsArticles(dossier, police_defaut);
  return lireOptionsArticles(platform::LineList::load(chemin));
}

std::optional<LignesListe> lignesListe(const DonneesListe& d, const TOptionsArticles& o,
                                       bool avecRubriques) {
  std::string trouves = platform::trim(d.nombreFiches);
  if (trouves.empty()) trouves = "0";
  if (nombre(trouves) < 2 && d.apercu) trouves = "5";
  if (nombre(trouves) <= 1) return std::nullopt;

  LignesListe l;
  std::string pager;
  size_t nombrePages = 0;
  if (d.pager) {
    nombrePages = d.pager->nombre();
    pager = d.pager->pour(d.page);
  } else if (d.pages) {
    for (const auto& page : *d.pages) {
      std::string n = platform::fromInteger(static_cast<long long>(++nombrePages));
      pager += (page == d.page
                    ? entreeCourante(o, n)
                    : entreeLiee(platform::htmlAttribute(page) + ".htm", o, d.couleurEtat, n)) +
               " ";
    }
  }

  if (avecRubriques) {
    // The line shows the count as read; the substitutions below only decide whether it stays.
    std::string themes = platform::trim(d.nombreThemes);
    const std::string fleche = platform::trim(o.flecheE);
    l.rubriques = "<font face=\"" + o.police_rubriques + "\" color=\"" + o.couleur_rubriques +
                  "\" size=\"" + o.taille_rubriques + "\">" + gras(o.gras_rubriques) + themes +
                  " " + o.phrase_rubriques + "</font> " + finGras(o.gras_rubriques);
    if (!fleche.empty())
      l.rubriques = "<IMG SRC=\"" + platform::htmlAttribute(fleche) + "\" hspace=4>" + l.rubriques;
    if (themes.empty()) themes = "0";
    if (themes == "0" && d.apercu) themes = "3";
    if (nombre(themes) < 2 || o.rubriquesC != "oui") l.rubriques.clear();
  }

  auto lignePages = [&] {
    return " <font face=\"" + o.police_pages + "\" color=\"" + o.couleur_articles + "\" size=\"" +
           o.taille_pages + "\">" + gras(o.gras_pages) + "Pages: " + pager + finGras(o.gras_pages) +
           "</font>";
  };
  l.pages = lignePages();
  if (nombrePages < 2 && d.apercu) {
    pager.clear();
    for (int i = 1; i <= 4; ++i) {
      std::string n = platform::fromInteger(i);
      pager += (i == 2 ? entreeCourante(o, n) : entreeLiee("xxxxx", o, d.couleurEtat, n)) + " ";
    }
    l.pages = lignePages();
    nombrePages = 4;
  }
  if (nombrePages < 2) l.pages.clear();

  l.trouves = "<font face=\"" + o.police_articles + "\" size=\"" + o.taille_articles +
              "\" color=\"" + o.couleur_articles + "\">" + gras(o.gras_articles) + trouves + " " +
              o.phrase_articles + finGras(o.gras_articles) + "</font>";
  return l;
}

std::vector<std::string> lignesEntete(const LignesListe& l, const TOptionsArticles& o) {
  const std::string saut = o.retour == "oui" ? "<BR>" : "";
  return {"<table border=0 width=\"100%\"><tr><td align=\"" + o.haligne + "\">" + l.rubriques +
              l.trouves + saut + l.pages + "</td><tr>",
          "<tr><td><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0></td></tr></table>"};
}

std::string lignePied(const LignesListe& l, const TOptionsArticles& o, bool ecart) {
  const std::string saut = o.retour == "oui" ? "<BR>" : "";
  return std::string("<table border=0 width=\"100%\">") +
         (ecart ? "<tr><td><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0></td></tr>"
                : "") +
         "<tr><td align=\"" + o.baligne + "\">" + l.trouves + saut +
         l.pages + "</td></tr></table>";
}

}  // namespace pages
