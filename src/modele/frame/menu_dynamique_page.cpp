#include "modele/frame/menu_dynamique_page.h"

#include <algorithm>
#include <string>

#include "modele/app/texte_prix.h"
#include "modele/frame/boite_encadree.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace frame {

using platform::jsString;
using platform::LineList;

namespace {

// The three text-style lines of a group: "oui" or the plain form.
void styleTexte(LineList& l, const std::string& gras, const std::string& italique,
                const std::string& souligne) {
  l.add(gras == "oui" ? "FONT-WEIGHT: bold;" : "FONT-WEIGHT: normal;");
  l.add(italique == "oui" ? "FONT-STYLE: italic;" : "FONT-STYLE: normal;");
  l.add(souligne == "oui" ? "TEXT-DECORATION: underline ;" : "TEXT-DECORATION: none;");
}

std::string bord(const char* cote, const std::string& couleur, const std::string& taille) {
  return std::string("BORDER-") + cote + ": " + couleur + " " + taille + "px solid;";
}

// A "oui"/"non" flag of the search field; any other value adds nothing.
std::string drapeau(const std::string& valeur, const char* oui, const char* non) {
  if (valeur == "oui") return oui;
  if (valeur == "non") return non;
  return {};
}

LineList feuilleRecherche(const design::TOptionsMenu& o) {
  return {".rech{",
          "FONT-FAMILY: " + o.police_recherche + "; FONT-SIZE: " + o.taille_recherche +
              "px; COLOR: " + o.coul_recherche + "; BACKGROUND-COLOR: " + o.fond_recherche + "; " +
              drapeau(o.gras_recherche, "FONT-WEIGHT: bold; ", "FONT-WEIGHT: normal; ") +
              drapeau(o.souligne_recherche, "TEXT-DECORATION: underline; ",
                      "TEXT-DECORATION: none; ") +
              drapeau(o.italique_recherche, "FONT-STYLE: italic; ", "FONT-STYLE: normal; "),
          "}"};
}

void regleTitre(LineList& l, const design::TStyleMenuDynamique& s, bool premier) {
  l.add(premier ? ".styleTITRE0 {" : ".styleTITRE {");
  l.add("PADDING-RIGHT: " + s.Dmenu_espace + "px; PADDING-LEFT: " + s.Dmenu_espace + "px;");
  if (s.Dmenu_titres_transparent != "oui") l.add("BACKGROUND: " + s.Dmenu_titres_fond + ";");
  if (s.Dmenu_titres_encadrement == "oui") {
    const std::string& c = s.Dmenu_coul_trait;
    const std::string& t = s.Dmenu_taille_trait;
    l.add(premier ? bord("TOP", c, t) + " " + bord("RIGHT", c, t) + " " + bord("LEFT", c, t)
                  : bord("RIGHT", c, t) + " " + bord("LEFT", c, t));
  }
  l.add("CURSOR: default; TEXT-ALIGN: " + s.Dmenu_titres_aligne + ";");
  l.add("WIDTH: 100%;");
  styleTexte(l, s.Dmenu_titres_gras, s.Dmenu_titres_italique, s.Dmenu_titres_souligne);
  l.add("FONT-FAMILY: " + s.Dmenu_titres_police + "; FONT-SIZE: " + s.Dmenu_titres_taille +
        "px; ");
  l.add("COLOR: " + s.Dmenu_titres_coul + ";");
  l.add("}");
}

// The text of a page line as the script writes it inside document.write("...").
std::string ecrire(const std::string& html) { return "document.write(\"" + jsString(html) + "\");"; }

// The two forms of the menu, written side by side.
struct Menu {
  LineList& page;
  LineList script;
  void deux(const std::string& html) {
    page.add(html);
    script.add(ecrire(html));
  }
};

// A category's theme entries: HTML and script forms.
struct Entrees {
  std::vector<std::string> html, script;
};

Entrees entrees(const CategorieDynamique& c, char sep, const platform::DataFolder& donnees) {
  Entrees r;
  for (const std::string& ligne : c.themes) {
    const std::string theme = platform::trim(ligne);
    if (theme.empty()) continue;
    const std::string nom = app::pageTheme(c.nom + sep + theme, sep, 0);
    if (nom.empty()) continue;
    const std::string page = nom + ".htm";
    if (!donnees.exists("ftp/" + page)) continue;
    const std::string html = "<a href=\"" + page + "\" id=\"X_styleDD\">" + theme + "</a>";
    if (std::any_of(r.html.begin(), r.html.end(),
                    [&](const std::string& h) { return platform::trim(h) == html; }))
      continue;
    r.html.push_back(html);
    r.script.push_back("<a href=\\\"" + jsString(page) + "\\\"  id=\\\"X_styleDD\\\">" +
                       jsString(theme) + "</a>");
  }
  return r;
}

void titreFamille(Menu& m, const EntreesMenuDynamique& e, size_t n,
                  const platform::DataFolder& donnees, std::string& classe) {
  const design::TStyleMenuDynamique& s = e.style;
  const std::string N = std::to_string(n);
  // The kind as this run uses it; the menu options keep theirs.
  std::string sorte = n < design::kFamillesMenu ? e.menu.image_menu_titre[n] : std::string();
  if (s.Dmenu_titres_image == "non") sorte.clear();
  std::string puce;
  if (sorte != "bouton") {
    m.script.add("ma_puce=\"\";");
    if (s.Dmenu_titres_puce == "oui" && sorte == "puce") {
      puce = "<IMG SRC=\"pout" + N + ".gif\" BORDER=0 align=\"left\">";
      m.script.add("ma_puce=\"<IMG SRC=\\\"pout" + N + ".gif\\\" BORDER=0 align=left>\";");
      copieVersFtp(donnees, "pout" + N + ".gif");
    }
  }
  classe = n == 0 ? "styleTITRE0" : "styleTITRE";
  m.deux("<TABLE BORDER=0 width=\"100%\" class=" + classe + "><tr><td>");
  if (sorte != "bouton") {
    const std::string& titre = e.familles[n];
    m.page.add(puce);
    m.script.add("document.write(ma_puce);");
    m.page.add(titre + "<br>");
    m.script.add(ecrire((n < e.famillesScript.size() ? e.famillesScript[n] : titre) + "<br>"));
  } else {
    m.deux("<IMG SRC=\"btout" + N + ".gif\" BORDER=0><br>");
    copieVersFtp(donnees, "btout" + N + ".gif");
  }
  m.deux("</td></tr></table>");
}

void categorie(Menu& m, const EntreesMenuDynamique& e, size_t n, size_t i,
               const CategorieDynamique& c, const std::string& ext, int k,
               const platform::DataFolder& donnees) {
  const design::TStyleMenuDynamique& s = e.style;
  const std::string N = std::to_string(n), I = std::to_string(i), K = std::to_string(k);
  std::string sorte = n < design::kFamillesMenu && i < design::kCategoriesParFamille
                          ? e.menu.image_menu_catego[n][i]
                          : std::string();
  if (s.Dmenu_puce == "non") sorte.clear();
  std::string puce;
  m.script.add("ma_puce=\"\";");
  if (sorte == "puce") {
    const std::string image = "pout" + N + "-" + I + ".gif";
    puce = "<IMG SRC=\"" + image + "\" name=\"p" + N + "M" + I + "\" BORDER=0 align=\"left\">";
    m.script.add("ma_puce=\"" + jsString(puce) + "\";");
    copieVersFtp(donnees, image);
  }
  m.deux("<DIV class=\"AstyleDT\" onmouseover=\"javascript:montre('smenu" + K +
         "');\" onmouseout=\"javascript:montre();\">");
  // A category without a theme page gets its box and no link rather than another's page.
  const std::string href =
      c.page.empty() ? std::string() : "href=\"" + platform::htmlAttribute(c.page) + "\" ";
  const std::string hrefScript = c.page.empty() ? std::string() : "href=\\\"\"+url+\"\\\" ";
  const std::string url = "url=\"" + jsString(c.page) + "\";";
  const std::string titre = "titre=\"" + jsString(c.nom) + "\";";
  const bool fleche = s.Dmenu_fleche_inc == "oui";
  if (fleche) {
    const bool nonAligne = s.Dmenu_nonaligne == "oui";
    m.deux(!nonAligne ? "<table border=0 cellpadding=0 cellspacing=0 width=\"100%\">"
           : s.Dmenu_aligne == "center"
               ? "<table border=0 cellpadding=0 cellspacing=0 align=" + s.Dmenu_aligne + ">"
               : "<table border=0 cellpadding=0 cellspacing=0>");
    m.script.add(url);
    m.script.add(titre);
    const std::string largeur = nonAligne ? "" : " width=\"100%\"";
    const std::string largeurScript = nonAligne ? "" : " width=\\\"100%\\\"";
    m.page.add("<tr><td align=" + s.Dmenu_aligne + largeur + "><A " + href + "id=\"X_styleDT\">" +
               puce + c.nom + "</A></td>");
    m.script.add("document.write(\"<tr><td align=" + jsString(s.Dmenu_aligne) + largeurScript +
                 "><A " + hrefScript + "id=\\\"X_styleDT\\\" >\"+ma_puce+titre+\"</A></td>\");");
  } else {
    m.page.add("<A " + href + "id=\"X_styleDT\">" + puce + c.nom + "</A>");
    m.script.add(url);
    m.script.add(titre);
    m.script.add("document.write(\"<A " + hrefScript +
                 "id=\\\"X_styleDT\\\">\"+ma_puce+titre+\"</A>\");");
  }
  const Entrees liste = entrees(c, e.sepurl, donnees);
  const bool popup = liste.html.size() >= 2;
  if (fleche) {
    m.deux("<td align=right>");
    m.deux(popup ? "<IMG SRC=\"menu_fleche." + ext + "\"><br>"
                 : "<IMG SRC=\"pix1x1.gif\" WIDTH=" + s.Dmenu_flecheW +
                       " HEIGHT=" + s.Dmenu_flecheH + "><br>");
    m.deux("</td></tr></table>");
  }
  m.deux("</DIV>");
  if (!popup) return;
  m.page.add("<DIV class=\"styleDD\" id=smenu" + K + " onmouseover=\"javascript:montre('smenu" +
             K + "');\"  onmouseout=\"javascript:montre();\">");
  m.script.add("document.write(\"<DIV class=styleDD id=smenu" + K +
               " onmouseover=\\\"javascript:montre('smenu" + K +
               "');\\\"  onmouseout=\\\"javascript:montre();\\\">\")");
  for (size_t j = 0; j < liste.html.size(); ++j) {
    m.page.add(liste.html[j]);
    m.script.add("titre=\"" + liste.script[j] + "\";");
    m.script.add("document.write(titre);");
  }
  m.deux("</DIV>");
}

LineList scriptMontre(int N) {
  const std::string boucle[] = {
      "\tfor (var i = 1; i<=" + std::to_string(N) + "; i++) {",
      "\t\tif (document.getElementById('smenu'+i)) "
      "{document.getElementById('smenu'+i).style.display='none';}",
      "\t}"};
  LineList l;
  for (const std::string& b : boucle) l.add(b);
  l.add("function montre(id) {");
  l.add("var d = document.getElementById(id);");
  for (const std::string& b : boucle) l.add(b);
  for (const char* ligne : {"if (d)", "{", "d.style.display='block';", "}", "}"}) l.add(ligne);
  return l;
}

// The arrow named in the settings, when it is a plain file name of fleches/.
bool flecheSure(const std::string& nom) {
  return !nom.empty() && nom.find_first_of("/\\") == std::string::npos &&
         nom.find("..") == std::string::npos;
}

}  // namespace

std::string extensionFleche(const std::string& fleche) {
  const size_t point = fleche.find('.');
  if (point == std::string::npos) return platform::lowerAscii(fleche);
  return platform::lowerAscii(platform::trim(fleche.substr(point + 1)));
}

LineList feuilleMenuDynamique(const design::TStyleMenuDynamique& s) {
  LineList l;
  const std::string &ct = s.Dmenu_coul_trait, &tt = s.Dmenu_taille_trait;
  const std::string &cp = s.Dmenu_pop_coul_trait, &tp = s.Dmenu_pop_taille_trait;
  const std::string padding =
      "PADDING-RIGHT: " + s.Dmenu_espace + "px; PADDING-LEFT: " + s.Dmenu_espace + "px;";
  const bool fond = s.Dmenu_fond_transparent != "oui";
  const bool fondPop = s.Dmenu_pop_fond_transparent != "oui";
  const bool traitPop = s.Dmenu_pop_trait == "trait";

  l.add(".styleDL {");
  if (s.Dmenu_trait == "encadrement")
    l.add("BORDER-COLOR: " + ct + "; BORDER-WIDTH: " + tt + "px; BORDER-STYLE: solid; ");
  else if (s.Dmenu_trait == "trait")
    l.add(bord("RIGHT", ct, tt) + " " + bord("BOTTOM", ct, tt) + " " + bord("LEFT", ct, tt));
  if (fond) l.add("BACKGROUND: " + s.Dmenu_fond + ";");
  l.add("WIDTH: 100%;");
  l.add("}");

  l.add(".styleDD {");
  l.add("position:absolute; MARGIN-TOP:" + s.Dmenu_pop_top + "px; LEFT:" + s.Dmenu_pop_left +
        "px; WIDTH:" + s.Dmenu_pop_width + "px;");
  if (s.Dmenu_pop_trait == "encadrement" || traitPop) {
    l.add(bord("RIGHT", cp, tp));
    l.add(bord("TOP", cp, tp));
    l.add(bord("LEFT", cp, tp));
    if (!traitPop) l.add(bord("BOTTOM", cp, tp));
  }
  if (fondPop) l.add("BACKGROUND: " + s.Dmenu_pop_fond + ";");
  l.add("CURSOR: pointer;");
  l.add("TEXT-ALIGN: " + s.Dmenu_pop_aligne + ";");
  styleTexte(l, s.Dmenu_pop_gras_items, s.Dmenu_pop_italique_items, s.Dmenu_pop_souligne_items);
  l.add("FONT-FAMILY: " + s.Dmenu_pop_police + "; FONT-SIZE: " + s.Dmenu_pop_taille + "px;");
  l.add("COLOR: " + s.Dmenu_pop_couleur + ";");
  l.add("}");

  l.add("A#X_styleDD{");
  if (traitPop) l.add(bord("BOTTOM", cp, tp));
  l.add("DISPLAY: block;");
  l.add(padding);
  styleTexte(l, s.Dmenu_pop_gras_items, s.Dmenu_pop_italique_items, s.Dmenu_pop_souligne_items);
  l.add("FONT-FAMILY: " + s.Dmenu_pop_police + "; FONT-SIZE: " + s.Dmenu_pop_taille + "px;");
  l.add("COLOR: " + s.Dmenu_pop_couleur + ";");
  if (fondPop) l.add("BACKGROUND: " + s.Dmenu_pop_fond + ";");
  l.add("}");

  l.add("A#X_styleDD:HOVER{");
  if (traitPop) l.add(bord("BOTTOM", cp, tp));
  if (s.Dmenu_pop_fond_transparent_over != "oui")
    l.add("BACKGROUND: " + s.Dmenu_pop_fond_over + ";");
  l.add("CURSOR: pointer; TEXT-ALIGN: " + s.Dmenu_pop_aligne + ";");
  styleTexte(l, s.Dmenu_pop_gras_over, s.Dmenu_pop_italique_over, s.Dmenu_pop_souligne_over);
  l.add("FONT-FAMILY: " + s.Dmenu_pop_police_over + "; FONT-SIZE: " + s.Dmenu_pop_taille_over +
        "px;");
  l.add("COLOR: " + s.Dmenu_pop_coul_over_items + ";");
  l.add("}");

  l.add(".AstyleDT {");
  if (s.Dmenu_trait == "trait") l.add(bord("TOP", ct, tt));
  if (fond) l.add("BACKGROUND: " + s.Dmenu_fond + ";");
  l.add("CURSOR: pointer; TEXT-ALIGN: " + s.Dmenu_aligne + ";");
  l.add("WIDTH: 100%;");
  styleTexte(l, s.Dmenu_gras, s.Dmenu_italique, s.Dmenu_souligne);
  l.add("FONT-FAMILY: " + s.Dmenu_police + "; FONT-SIZE: " + s.Dmenu_taille + "px; ");
  l.add("COLOR: " + s.Dmenu_coul + ";");
  l.add("}");

  l.add("A#X_styleDT{");
  l.add("DISPLAY: block;");
  l.add(padding);
  styleTexte(l, s.Dmenu_gras, s.Dmenu_italique, s.Dmenu_souligne);
  l.add("FONT-FAMILY: " + s.Dmenu_police + ";");
  l.add("FONT-SIZE: " + s.Dmenu_taille + "px;");
  l.add("COLOR: " + s.Dmenu_coul + ";");
  if (fond) l.add("BACKGROUND-COLOR: " + s.Dmenu_fond + ";");
  l.add("}");

  l.add("A#X_styleDT:HOVER{");
  if (s.Dmenu_fond_transparent_over != "oui") l.add("BACKGROUND: " + s.Dmenu_fond_over + ";");
  l.add("CURSOR: pointer; TEXT-ALIGN: " + s.Dmenu_aligne + ";");
  styleTexte(l, s.Dmenu_gras_over, s.Dmenu_italique_over, s.Dmenu_souligne_over);
  l.add("FONT-FAMILY: " + s.Dmenu_police_over + "; FONT-SIZE: " + s.Dmenu_taille_over + "px;");
  l.add("COLOR: " + s.Dmenu_coul_over + ";");
  l.add("}");

  regleTitre(l, s, false);
  regleTitre(l, s, true);
  return l;
}

std::string menuDynamique(const EntreesMenuDynamique& e, const platform::DataFolder& donnees,
                          LineList& corps) {
  const design::TStyleMenuDynamique& s = e.style;
  feuilleRecherche(e.menu).save(donnees.path("ftp/rech.css"));
  const std::string ext = extensionFleche(s.Dmenu_fleche);
  if (flecheSure(s.Dmenu_fleche))
    platform::copyFile(donnees.path("fleches/" + s.Dmenu_fleche),
                       donnees.path("ftp/menu_fleche." + ext), false);
  const size_t lignes = donnees.exists("categories")
                            ? LineList::load(donnees.path("categories")).size()
                            : 0;

  corps.add("<link rel=\"stylesheet\" type=\"text/css\" href=\"menu_dyn_css.css\">");
  corps.add(kMarqueurMenuDynamique);
  if (donnees.exists("liste_recherche.ini") && donnees.exists("recherche_base_gauche.tmp"))
    corps.add(LineList::load(donnees.path("recherche_base_gauche.tmp")));
  feuilleMenuDynamique(s).save(donnees.path("ftp/menu_dyn_css.css"));

  Menu m{corps, {}};
  std::string classe;
  int k = 0;
  for (size_t n = 0; n < e.blocs.size() && !e.familles.empty(); ++n) {
    const BlocDynamique& bloc = e.blocs[n];
    if (bloc.titre && n < e.familles.size()) titreFamille(m, e, n, donnees, classe);
    if (bloc.categories.empty()) continue;
    m.deux("<DIV class=\"styleDL\">");
    for (size_t i = 0; i < bloc.categories.size(); ++i)
      categorie(m, e, n, i, bloc.categories[i], ext, ++k, donnees);
    m.deux("</DIV>");
  }
  m.script.save(donnees.path("ftp/menu_dyn.js"));
  // Every pop-up written is hidden, however many categories the families list.
  scriptMontre(std::max(static_cast<int>(lignes) + 3, k)).save(donnees.path("ftp/menu_dyn_js.js"));
  corps.add("<script SRC=\"menu_dyn_js.js\"></script>");
  return classe;
}

}  // namespace frame
