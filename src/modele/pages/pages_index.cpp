#include "modele/pages/pages_index.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "modele/app/texte_prix.h"
#include "platform/charset.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace pages {

namespace {

using Lignes = std::vector<std::string>;

std::string attr(std::string_view v) { return platform::htmlAttribute(v); }

void ajouter(Lignes& a, const Lignes& b) { a.insert(a.end(), b.begin(), b.end()); }

// The 27 pages in their order: "0-9", then "A" to "Z".
std::string lettreDePage(size_t i) { return i == 0 ? "0-9" : std::string(1, char('A' + i - 1)); }

size_t pageDeLettre(const std::string& lettre) {
  return lettre == "0-9" ? 0 : static_cast<size_t>(lettre[0] - 'A' + 1);
}

// Entries by letter page, each in list order: one pass over the list.
std::array<std::vector<size_t>, 27> parLettre(const Lignes& liste) {
  std::array<std::vector<size_t>, 27> pages;
  for (size_t i = 0; i < liste.size(); ++i) {
    const std::string lettre = lettreIndex(liste[i]);
    if (!lettre.empty()) pages[pageDeLettre(lettre)].push_back(i);
  }
  return pages;
}

bool aUnePage(const std::array<std::vector<size_t>, 27>& pages) {
  for (const auto& p : pages)
    if (!p.empty()) return true;
  return false;
}

class PagesIndex {
 public:
  PagesIndex(const EntreesIndex& e, DossierConstruction& d) : e_(e), d_(d) {
    // The "A" page (or the page standing in for it) is there at the end of the build whenever
    // a letter page is saved: the links to it are given to every index page, whatever letter
    // came first.
    const bool sauvees = e.az_top == "oui";
    auteursA_ = sauvees && !e.auteurs.empty() && aUnePage(parLettre(e.listeAuteurs));
    articlesA_ = sauvees && aUnePage(parLettre(e.listeObjets));
    if (!e.recherche_liens.empty()) couleurLiens_ = " color=\"" + attr(e.recherche_liens) + "\"";
    if (!e.recherche_titre.empty()) couleurTitre_ = " color=\"" + attr(e.recherche_titre) + "\"";
  }

  void auteurs();
  void objets();
  void planSite();

 private:
  std::string lien(const std::string& cible, const std::string& texte, bool souligne) const {
    return "<a href=\"" + attr(cible) + "\" target=\"_self\"><font face=\"" + attr(e_.police) +
           "\" size=2" + couleurLiens_ + "><b>" + (souligne ? "<u>" : "") + texte +
           (souligne ? "</u>" : "") + "</b></font></a><br>";
  }
  std::string planDuSite() const { return "themes_" + e_.articles + ".html"; }
  void fondEtRecharge(Lignes& p);
  void corps(Lignes& p);
  void tete(Lignes& p, const std::string& label, const std::string& x, bool styleObjets);
  void colonneAuteurs(Lignes& p, bool tableSansBord);
  void colonneObjets(Lignes& p);
  void fin(Lignes& p);
  void barreCategories(Lignes& p);
  std::string ligneFleche(const std::string& ligne, int k, bool objets) const;
  std::string lettreH1(const std::string& lettre) const {
    return "<font face=\"" + attr(e_.police) + "\"" +
           (couleurTitre_.empty() ? " color=\"red\"" : couleurTitre_) + "><H1>&nbsp;" + lettre +
           "&nbsp;</H1></font>";
  }
  // The letter pages' common end: "A" stand-in and the letter bar script.
  void remplacantEtBarre(const std::vector<std::string>& lettres, const std::string& label,
                         const std::string& script);
  void ecrirePage(const std::string& nom, const Lignes& lignes) {
    d_.ecrire("ftp/" + nom, platform::LineList(lignes));
  }

  const EntreesIndex& e_;
  DossierConstruction& d_;
  bool auteursA_ = false, articlesA_ = false;
  std::string couleurLiens_, couleurTitre_;
  std::optional<std::optional<platform::LineList>> catego_;  // read at the first page
};

void PagesIndex::barreCategories(Lignes& p) {
  if (!e_.barreCategories) return;
  if (!catego_) catego_ = d_.lire("catego.txt");
  if (!*catego_) return;
  p.push_back("<center><table border=0 width=\"100%\"><tr><td align=\"center\">");
  ajouter(p, (*catego_)->lines());
  p.push_back("</td></tr></table></center>");
}

void PagesIndex::fondEtRecharge(Lignes& p) {
  if (!e_.coul_scroll.empty())
    ajouter(p, {"<STYLE TYPE=\"text/css\">", "<!--",
                "BODY {scrollbar-base-color: " + e_.coul_scroll + ";}", "// -->", "</STYLE>"});
  if (e_.cadres) {
    ajouter(p, scriptReframe(planDuSite()));
    return;
  }
  std::string fond = e_.fond_page.empty() ? "" : e_.fond_page + " ";
  if (!e_.image_page.empty()) {
    fond += "url(" + e_.image_page + ") ";
    d_.copier("fonds/" + e_.image_page, "ftp/" + e_.image_page);
  }
  if (e_.fixe_page == "oui") fond += "fixed";
  if (!fond.empty())
    ajouter(p, {"<STYLE TYPE=\"text/css\">", "<!--", "BODY {background: " + fond + ";}", "// -->",
                "</STYLE>"});
}

void PagesIndex::corps(Lignes& p) {
  if (e_.cadres)
    p.push_back("<BODY bgcolor=\"" + attr(e_.recherche_fond.empty() ? "white" : e_.recherche_fond) +
                "\" OnLoad=\"reframe()\">");
  else
    ajouter(p, e_.cadrePage);
}

void PagesIndex::tete(Lignes& p, const std::string& label, const std::string& x,
                      bool styleObjets) {
  ajouter(p, {"<HTML>", "<HEAD>", platform::kCharsetMeta, "<TITLE>" + label + " " + x + "</TITLE>",
              "<meta name=\"robots\" content=\"index, follow, all\">"});
  if (styleObjets)
    ajouter(p, {"<STYLE>", "A#X_style:LINK {color: white;}", "A#X_style:VISITED {color: white;}",
                "A#X_style:ACTIVE {color: white;}",
                "A#X_style:HOVER{background-color: gold; color: black;}", "</STYLE>"});
  else
    ajouter(p, {"<STYLE TYPE=\"text/css\">", "A{text-decoration: none;}",
                "A#X_style:HOVER{background-color: gold; color: black;}",
                "A#X_style:LINK {color: white;}", "A#X_style:VISITED {color: white;}",
                "A#X_style:ACTIVE {color: white;}", "A:HOVER{text-decoration: underline;}",
                "</STYLE>"});
  ajouter(p, {"<script language=\"JavaScript\">", "fleche=new Image();", "flecho=new Image();",
              "fleche.src=\"fleche.gif\";", "flecho.src=\"flecho.gif\";", "</script>"});
  fondEtRecharge(p);
  p.push_back("</HEAD>");
  corps(p);
  p.push_back("<center>");
  if (!styleObjets && !e_.auteurs.empty())
    p.push_back("<font face=" + e_.police + " size=2" +
                (couleurTitre_.empty() ? " color=\"#800000\"" : couleurTitre_) + "><b>" +
                e_.auteurs + " A-Z</b></font><br>");
}

void PagesIndex::colonneAuteurs(Lignes& p, bool tableSansBord) {
  ajouter(p, {tableSansBord ? "<table border=0>" : "<table>", "<tr valign=\"top\">", "<td>"});
  if (e_.az_top != "non" && auteursA_) p.push_back(lien(e_.auteurs + "A.html", e_.auteurs, true));
  p.push_back(lien(planDuSite(), e_.themes, true));
  if (e_.az_top != "non" && articlesA_)
    p.push_back(lien(e_.articles + "A.html", e_.articles, true));
  ajouter(p, {"</td>", "<td>"});
}

void PagesIndex::colonneObjets(Lignes& p) {
  p.push_back(lien(planDuSite(), e_.themes, false));
  if (e_.az_top != "non" && auteursA_) p.push_back(lien(e_.auteurs + "A.html", e_.auteurs, false));
  if (e_.az_top != "non" && articlesA_)
    p.push_back(lien(e_.articles + "A.html", e_.articles, false));
}

void PagesIndex::fin(Lignes& p) {
  if (!e_.cadres) ajouter(p, {"</center>", "</td></tr></table>"});
  barreCategories(p);
  if (e_.cadres) p.push_back("</center>");
  ajouter(p, {"</BODY>", "</HTML>"});
}

// "<label>#<target>" as an arrow link numbered k.
std::string PagesIndex::ligneFleche(const std::string& ligne, int k, bool objets) const {
  const size_t diese = ligne.find('#');
  const std::string n = std::to_string(k);
  return "<A href=\"" + attr(ligne.substr(diese + 1)) + "\" target=\"_self\" " +
         "onMouseOver=\"fleche" + n + ".src=fleche.src\" onMouseOut=\"fleche" + n +
         ".src=flecho.src\"><IMG ALT=\"\" SRC=\"flecho.gif\" WIDTH=5 HEIGHT=9 BORDER=0 name=\"fleche" +
         n + "\"" + (objets ? " hspace=2" : "") + "><font face=\"" + attr(e_.police) + "\" size=2" +
         (objets ? couleurLiens_ : "") + ">" + ligne.substr(0, diese) + "</font></a><br>";
}

void PagesIndex::remplacantEtBarre(const std::vector<std::string>& lettres,
                                   const std::string& label, const std::string& script) {
  if (lettres.empty()) return;
  bool a = false, chiffres = false;
  for (const std::string& l : lettres) {
    a = a || l == "A";
    chiffres = chiffres || l == "0-9";
  }
  if (!a) {
    const std::string& remplacant =
        lettres[0] == "0-9" && lettres.size() > 1 ? lettres[1] : lettres[0];
    if (d_.existe("ftp/" + label + remplacant + ".html"))
      d_.copier("ftp/" + label + remplacant + ".html", "ftp/" + label + "A.html");
  }
  // Inside a script string delimited by "'": attribute values are in plain double quotes.
  const std::string q = "\"";
  auto js = [](const std::string& v) { return platform::jsString(v, '\''); };
  const std::string police = js(e_.police);
  const std::string titre = js(attr(e_.recherche_titre));
  auto lienBarre = [&](const std::string& lettre) {
    return "document.write('<a href=" + q + js(attr(label)) + lettre + ".html" + q +
           " target=" + q + "_self" + q + "><font face=" + police + " size=2" +
           (titre.empty() ? "" : " color=" + q + titre + q) + "><b><u>" + lettre +
           "</u></b></font></a>&nbsp;');";
  };
  platform::LineList barre;
  for (char c = 'A'; c <= 'Z'; ++c) {
    const std::string lettre(1, c);
    bool trouvee = false;
    for (const std::string& l : lettres) trouvee = trouvee || l == lettre;
    barre.add(trouvee ? lienBarre(lettre)
                      : "document.write('<font face=" + police + " size=2 color=" + q +
                            (titre.empty() ? "gray" : titre) + q + ">" + lettre +
                            "</font>&nbsp;');");
  }
  if (chiffres && d_.existe("ftp/" + label + "0-9.html")) barre.add(lienBarre("0-9"));
  d_.ecrire("ftp/" + script, barre);
}

void PagesIndex::auteurs() {
  const Lignes& liste = e_.listeAuteurs;
  const bool sauver = e_.az_top == "oui" && !e_.auteurs.empty();
  std::unordered_map<std::string, Lignes> aut;  // each .aut read once
  for (const std::string& auteur : liste) {
    Lignes& lignes = aut[auteur];
    if (auto l = d_.lire(app::nomURL(auteur, e_.sep) + ".aut"))
      for (const std::string& ligne : *l)
        if (ligne.find('#') != std::string::npos) lignes.push_back(ligne);
  }
  const std::string police = attr(e_.police);

  if (e_.page_auteurs == "oui") {
    Lignes p;
    tete(p, e_.auteurs, "A", false);
    colonneAuteurs(p, false);
    p.push_back("<table width=\"100%\"><tr>");
    int k = 0;
    for (const std::string& auteur : liste) {
      ajouter(p, {"<td nowrap valign=\"top\">",
                  "<table border=1 bordercolor=\"silver\" cellpadding=2 cellspacing=0>",
                  "<tr><td align=\"center\" nowrap><font face=\"" + police +
                      "\" size=2 color=\"\"><b>" + platform::htmlText(auteur) +
                      "</b></font></td></tr><tr><td nowrap>"});
      for (const std::string& ligne : aut[auteur]) p.push_back(ligneFleche(ligne, ++k, false));
      p.push_back("</td></tr></table></td>");
    }
    ajouter(p, {"</tr></table>", "</td></tr></table>"});
    fin(p);
    if (sauver) ecrirePage(e_.auteurs + ".html", p);
  }

  const std::string trait = attr(e_.couleurTraitIndex), tete_ = attr(e_.couleurFondIndex),
                    fond2 = attr(e_.couleurFondIndex2);
  const std::string pix = "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=";
  const Lignes bord{"<td width=1 bgcolor=\"" + trait + "\">", pix + "1 BORDER=0>", "</td>"};
  const Lignes ligneBord{"<tr>",
                         "<td colspan=7 bgcolor=\"" + trait + "\">" + pix + "1 BORDER=0></td>",
                         "</tr>"};
  std::vector<std::string> lettres;
  const auto pages = parLettre(liste);
  for (size_t i = 0; i < pages.size(); ++i) {
    if (pages[i].empty()) continue;
    const std::string lettre = lettreDePage(i);
    Lignes p;
    tete(p, e_.auteurs, lettre, false);
    colonneAuteurs(p, true);
    ajouter(p, {"<table border=0>", "<tr valign=\"top\">", "<td noWrap>", lettreH1(lettre), "</td>",
                "<td noWrap align=\"center\">", "<script SRC=\"entete_auteurs.js\"></script>",
                "<br>", "<table border=0 cellpadding=0 cellspacing=0>", "<tr>",
                "<td colspan=7 height=6>" + pix + "6 BORDER=0></td>", "</tr>"});
    ajouter(p, ligneBord);
    p.push_back("<tr>");
    ajouter(p, bord);
    ajouter(p, {"<td bgcolor=\"" + tete_ + "\" align=\"center\">", pix + "4 BORDER=0><br>",
                "<font face=\"" + police + "\" size=2 color=\"black\"><b>&nbsp;" + e_.auteurs +
                    "&nbsp;</b></font><br>",
                "</td>"});
    ajouter(p, bord);
    p.push_back("<td bgcolor=\"" + tete_ + "\">&nbsp;</td>");
    ajouter(p, {"<td bgcolor=\"" + tete_ + "\">", pix + "4 BORDER=0>",
                "<center><font face=\"" + police + "\" size=2><b>&nbsp;" + e_.articles +
                    "&nbsp;</b></font><br></center>",
                pix + "4 BORDER=0></td>"});
    p.push_back("<td bgcolor=\"" + tete_ + "\">&nbsp;</td>");
    ajouter(p, bord);
    p.push_back("</tr>");
    ajouter(p, ligneBord);
    int k = 0;
    for (size_t n : pages[i]) {
      const std::string& auteur = liste[n];
      Lignes lignes = aut[auteur];
      platform::sortFrench(lignes);
      p.push_back("<tr>");
      ajouter(p, bord);
      ajouter(p, {"<td bgcolor=\"" + fond2 + "\" valign=\"top\">",
                  "<font face=\"" + police + "\" size=2 color=\"\">&nbsp;<b>" + platform::htmlText(auteur) +
                      "</b>&nbsp;</font><br>",
                  "</td>"});
      ajouter(p, bord);
      p.push_back("<td bgcolor=\"" + fond2 + "\">&nbsp;</td>");
      p.push_back("<td bgcolor=\"" + fond2 + "\">");
      for (const std::string& ligne : lignes) p.push_back(ligneFleche(ligne, ++k, false));
      p.push_back("</td>");
      p.push_back("<td bgcolor=\"" + fond2 + "\">&nbsp;</td>");
      ajouter(p, bord);
      p.push_back("</tr>");
      ajouter(p, ligneBord);
    }
    ajouter(p, {"</table>", "</td>", "</tr></table>", "</td></tr></table>"});
    fin(p);
    lettres.push_back(lettre);
    if (sauver) ecrirePage(e_.auteurs + lettre + ".html", p);
  }
  if (lettres.empty()) return;
  d_.ecrire("trouverS.txt", platform::LineList(lettres));
  remplacantEtBarre(lettres, e_.auteurs, "entete_auteurs.js");
}

void PagesIndex::objets() {
  const Lignes& liste = e_.listeObjets;
  if (liste.empty()) return;
  std::vector<std::string> lettres;
  const auto pages = parLettre(liste);
  for (size_t i = 0; i < pages.size(); ++i) {
    if (pages[i].empty()) continue;
    const std::string lettre = lettreDePage(i);
    Lignes p;
    tete(p, e_.articles, lettre, true);
    ajouter(p, {"<table border=0>", "<tr valign=\"top\">", "<td>"});
    colonneObjets(p);
    ajouter(p, {"</td>", "<td>", "<table border=0>", "<tr valign=\"top\">", "<td noWrap>",
                lettreH1(lettre), "</td>", "<td noWrap>",
                "<script SRC=\"entete_objets.js\"></script>", "<br><br>"});
    int k = 0;
    for (size_t n : pages[i]) p.push_back(ligneFleche(liste[n], ++k, true));
    ajouter(p, {"</table>", "</td>", "</tr></table>", "</td></tr></table>"});
    fin(p);
    lettres.push_back(lettre);
    if (e_.az_top == "oui") ecrirePage(e_.articles + lettre + ".html", p);
  }
  remplacantEtBarre(lettres, e_.articles, "entete_objets.js");
}

void PagesIndex::planSite() {
  Lignes p{"<HTML>", "<HEAD>", platform::kCharsetMeta,
           "<TITLE>" + (e_.titrethemes.empty() ? e_.themes : e_.titrethemes) + "</TITLE>",
           "<meta name=\"robots\" content=\"index, follow, all\">"};
  fondEtRecharge(p);
  ajouter(p, {"</HEAD>", "<STYLE>", "A#X_style:LINK {color: white;}",
              "A#X_style:VISITED {color: white;}", "A#X_style:ACTIVE {color: white;}",
              "A#X_style:HOVER{background-color: gold; color: black;}", "</STYLE>"});
  corps(p);
  ajouter(p, {"<table border=0 width=\"100%\">", "<tr valign=\"top\">", "<td>"});
  if (e_.az_top != "non") {
    colonneObjets(p);
  } else {
    const std::string couleur = e_.recherche_texte.empty() ? "navy" : e_.recherche_texte;
    p.push_back("<font face=\"" + attr(e_.police) + "\" size=2 color=\"" + attr(couleur) +
                "\"><b><u>" + e_.themes + "</u></b></font><br>");
  }
  ajouter(p, {"</td>", "<td>", "<table border=0 width=\"100%\"><tr valign=\"top\">"});

  if (!e_.indexThemesPages.empty()) {
    // Theme links by category, in index order: one pass over the index.
    std::unordered_map<std::string, Lignes> themes;
    for (const std::string& ligne : e_.indexThemesPages) {
      EntreeIndexTheme t;
      if (!lireIndexTheme(ligne, t)) continue;
      themes[platform::lowerAscii(platform::trim(t.categorie))].push_back(
          "<A HREF=\"" + attr(t.cible) + "\" target=\"_self\"><font face=\"" + attr(e_.police) +
          "\" size=2" + couleurLiens_ + ">" + t.theme + "</font></A><br>");
    }
    // Empty lines of the category list would make empty headings.
    Lignes categories;
    for (const std::string& c : e_.listeCategories)
      if (!platform::trim(c).empty()) categories.push_back(c);
    const size_t colonnes = std::min<size_t>(categories.size(), 3);
    size_t parColonne =
        colonnes ? static_cast<size_t>(std::nearbyint(double(categories.size()) / colonnes)) : 1;
    if (parColonne == 0) parColonne = 1;
    size_t dansColonne = 0;
    for (const std::string& categorie : categories) {
      if (dansColonne == 0) p.push_back("<td>");
      p.push_back("<font face=" + e_.police + " size=2" +
                  (couleurTitre_.empty() ? " color=\"red\"" : couleurTitre_) + "><b>" +
                  categorie + "</b></font><br>");
      auto t = themes.find(platform::lowerAscii(platform::trim(categorie)));
      if (t != themes.end()) ajouter(p, t->second);
      p.push_back("<br>");
      if (++dansColonne == parColonne) {
        p.push_back("</td>");
        dansColonne = 0;
      }
    }
  }
  ajouter(p, {"</tr></table>", "</td></tr></table>"});
  if (!e_.cadres) p.push_back("</td></tr></table>");
  barreCategories(p);
  p.push_back("</BODY></HTML>");
  ecrirePage(planDuSite(), p);
}

}  // namespace

std::vector<std::string> scriptReframe(const std::string& page) {
  return {"<script language=\"JavaScript\">", "function reframe()", "{",
          "if(parent.frames.length <= 1)", "{",
          "if(location.protocol==\"file:\")parent.location.replace(\"index.htm#url_principal=" + page +
              "\");else",
          "parent.location.href = \"index2.php?url_principal=" + page + "\"", "}", "}",
          "</script>"};
}

std::string lettreIndex(std::string_view texte) {
  if (texte.empty()) return {};
  const std::string plat = app::nomURL(texte.substr(0, 1), ' ');
  if (plat.size() != 1) return {};
  const char c = plat[0];
  if (c >= '0' && c <= '9') return "0-9";
  if (c >= 'a' && c <= 'z') return std::string(1, char(c - 'a' + 'A'));
  return {};
}

bool lireIndexTheme(const std::string& ligne, EntreeIndexTheme& e) {
  const size_t diese = ligne.find('#');
  if (diese == std::string::npos) return false;
  const size_t souligne = ligne.find('_');
  if (souligne == std::string::npos || souligne > diese) return false;
  const auto n = platform::toNumber(app::nettoyerPrix(ligne.substr(0, souligne)));
  const size_t longueur = n && *n > 0 ? static_cast<size_t>(*n) : 0;
  e.categorie = ligne.substr(souligne + 1, std::min(longueur, diese - souligne - 1));
  const size_t debutTheme = souligne + 1 + longueur + 1;  // the separator is one character
  e.theme = debutTheme < diese ? ligne.substr(debutTheme, diese - debutTheme) : "";
  e.cible = ligne.substr(diese + 1);
  return true;
}

void ecrirePagesAuteurs(const EntreesIndex& e, DossierConstruction& d) {
  if (!e.listeAuteurs.empty()) PagesIndex(e, d).auteurs();
}

void ecrirePagesObjets(const EntreesIndex& e, DossierConstruction& d) {
  PagesIndex pages(e, d);
  pages.objets();
  pages.planSite();
}

}  // namespace pages
