#include "modele/frame/menu_statique.h"

#include <string>

#include "modele/frame/boite_encadree.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace frame {

using platform::htmlAttribute;

namespace {

// A category's setting; positions past those the settings hold read as empty.
const std::string& reglage(const design::ParCategorie& valeurs, int i, size_t j) {
  static const std::string vide;
  return j < design::kCategoriesParFamille ? valeurs[static_cast<size_t>(i)][j] : vide;
}

std::string couleur(const std::string& c) { return " bgcolor=\"" + htmlAttribute(c) + "\""; }

// Drawing of one menu: the border and fill texts of the frame kind, the rows made of them.
class Dessin {
 public:
  Dessin(const EntreesMenuGauche& e, platform::LineList& l)
      : o_(e.menu), l_(l), W(e.largeurMenuInterieure) {
    rond = o_.encadrement_menu == "rond";
    transparent = o_.encadrement_menu == "transparent";
    const bool aucun = o_.encadrement_menu == "aucun";
    if (!transparent) {
      bordTitre = couleur(aucun ? o_.fond_menu_titres : o_.coul_menu_trait);
      bordItem = couleur(aucun ? o_.fond_items : o_.coul_menu_trait);
    }
    fondTitre = couleur(o_.fond_menu_titres);
    fondItem = couleur(o_.fond_items);
  }
  void cellule1(const std::string& x) {
    l_.add("<td" + x + " width=1>" + pixel("1", "1") + "</td>");
  }
  void cellule5(const std::string& x) {
    l_.add("<td" + x + " width=5>" + pixel("5", "1") + "</td>");
  }
  void ligneTrait(const std::string& x) {
    l_.add("<tr>");
    l_.add("<td colspan=5" + x + ">" + pixel("5", "1") + "</td>");
    l_.add("</tr>");
  }
  // The opening of a row and its cell; the closing of the cell and the row.
  void ouvrirLigne(const std::string& bord, const std::string& fond) {
    l_.add("<tr>");
    if (!transparent) {
      cellule1(bord);
      cellule5(fond);
    }
  }
  void fermerLigne(const std::string& bord, const std::string& fond) {
    l_.add("</td>");
    if (!transparent) {
      cellule5(fond);
      cellule1(bord);
    }
    l_.add("</tr>");
  }
  const design::TOptionsMenu& o_;
  platform::LineList& l_;
  const std::string W;
  bool rond = false, transparent = false;
  std::string bordTitre, bordItem, fondTitre, fondItem;
};

void bandeHaute(Dessin& d, const std::string& famille_titre, std::vector<std::string>& images) {
  const design::TOptionsMenu& o = d.o_;
  platform::LineList& l = d.l_;
  images.push_back("menu_hg.gif");
  l.add("<table border=0 cellspacing=0 cellpadding=0>");
  l.add("<tr valign=\"top\">");
  l.add("<td width=6><IMG ALT=\"\" SRC=\"menu_hg.gif\" WIDTH=6 HEIGHT=6 BORDER=0></td>");
  l.add("<td>");
  l.add("<table border=0 cellpadding=0 cellspacing=0>");
  l.add("<tr>");
  l.add("<td bgcolor=\"" + htmlAttribute(o.coul_menu_trait) + "\" width=" + d.W + ">" +
        pixel(d.W, "1") + "</td></tr>");
  const std::string* c = famille_titre == "0"   ? &o.fond_menu_titres
                         : famille_titre == "1" ? &o.fond_items
                                                : nullptr;
  if (c) l.add("<tr><td bgcolor=\"" + htmlAttribute(*c) + "\">" + pixel("1", "5") + "</td></tr>");
  l.add("</table>");
  l.add("</td>");
  images.push_back("menu_hd.gif");
  l.add("<td width=6><IMG ALT=\"\" SRC=\"menu_hd.gif\" WIDTH=6 HEIGHT=6 BORDER=0></td>");
  l.add("</tr>");
  l.add("</table>");
}

void bandeBasse(Dessin& d, std::vector<std::string>& images) {
  const design::TOptionsMenu& o = d.o_;
  platform::LineList& l = d.l_;
  l.add("<table border=0 cellpadding=0 cellspacing=0>");
  l.add("<tr valign=\"top\">");
  images.push_back("menu_bg.gif");
  l.add("<td width=6><IMG ALT=\"\" SRC=\"menu_bg.gif\" WIDTH=6 HEIGHT=6 BORDER=0></td>");
  l.add("<td>");
  l.add("<table border=0 cellpadding=0 cellspacing=0>");
  l.add("<tr><td bgcolor=\"" + htmlAttribute(o.fond_items) + "\" width=" + d.W + ">" +
        pixel(d.W, "5") + "</td></tr>");
  l.add("<tr><td bgcolor=\"" + htmlAttribute(o.coul_menu_trait) + "\">" + pixel("1", "1") +
        "</td></tr>");
  l.add("</table>");
  l.add("</td>");
  images.push_back("menu_bd.gif");
  l.add("<td width=6><IMG ALT=\"\" SRC=\"menu_bd.gif\" WIDTH=6 HEIGHT=6 BORDER=0></td>");
  l.add("</tr>");
  l.add("</table>");
}

void titre(Dessin& d, int i, const std::string& texte, std::vector<std::string>& images) {
  const design::TOptionsMenu& o = d.o_;
  platform::LineList& l = d.l_;
  const size_t f = static_cast<size_t>(i);
  const std::string& sorte = o.image_menu_titre[f];
  const std::string n = std::to_string(i);
  if (!d.transparent && (!d.rond || i > 0)) d.ligneTrait(d.bordTitre);
  if (i > 0 && d.transparent && contenuTexte(sorte))
    l.add("<tr><td colspan=5>" + pixel("1", "4") + "</td></tr>");
  d.ouvrirLigne(d.bordTitre, d.fondTitre);
  l.add("<td" + (d.transparent ? std::string() : d.fondTitre) + " nowrap align=\"" +
        htmlAttribute(o.aligne_menu_titres) + "\" width=" + d.W + ">");
  if (sorte != "bouton") {
    std::string puce;
    if (sorte == "puce") {
      images.push_back("pout" + n + ".gif");
      puce = "<IMG ALT=\"\" SRC=\"pout" + n + ".gif\" WIDTH=" + o.longueurp_menu_titre[f] +
             " HEIGHT=" + o.hauteurp_menu_titre[f] + " BORDER=0 align=\"left\">";
    }
    const BalisesStyle b =
        balisesStyle(o.gras_menu_titres, o.souligne_menu_titres, o.italique_menu_titres);
    l.add("<font face=\"" + htmlAttribute(o.police_menu_titres) + "\" color=\"" +
          htmlAttribute(o.coul_menu_titres) + "\">" + puce +
          "<span style=\"FONT-SIZE:" + htmlAttribute(o.taille_menu_titres) + "px\">");
    l.add(b.ouvre + texte + b.ferme + "</span></font><br clear=\"all\">");
  } else {
    images.push_back("btout" + n + ".gif");
    l.add("<IMG ALT=\"\" SRC=\"btout" + n + ".gif\" WIDTH=" + o.longueur_menu_titre[f] +
          " HEIGHT=" + o.hauteur_menu_titre[f] + " BORDER=0><br>");
  }
  d.fermerLigne(d.bordTitre, d.fondTitre);
  if (sorte != "bouton") d.ligneTrait(d.bordTitre);
}

// The two image objects of a roll-over, preloaded by a script just before the link.
void scriptSurvol(platform::LineList& l, const std::string& normal, const std::string& survol,
                  const std::string& imageNormale, const std::string& imageSurvol) {
  l.add("<script language=\"JavaScript\">");
  l.add("<!--");
  l.add(normal + "= new Image()");
  l.add(normal + ".src=\"" + imageNormale + "\"");
  l.add(survol + "=new Image()");
  l.add(survol + ".src=\"" + imageSurvol + "\"");
  l.add("// -->");
  l.add("</script>");
}

// A category as a text link (with its bullet) or a button. A category without a theme page is
// shown without a link.
void categorie(const EntreesMenuGauche& e, platform::LineList& l, int i, size_t j,
               const CategorieMenu& c, std::vector<std::string>& images) {
  const design::TOptionsMenu& o = e.menu;
  const std::string ij = std::to_string(i) + "M" + std::to_string(j);
  const std::string tiret = std::to_string(i) + "-" + std::to_string(j);
  const std::string T = htmlAttribute(e.cibleLiens);
  const bool lien = !c.page.empty();
  const std::string P = htmlAttribute(c.page);
  std::string attributs;
  if (reglage(o.image_menu_catego, i, j) != "bouton") {
    std::string puce;
    if (reglage(o.image_menu_catego, i, j) == "puce") {
      images.push_back("pout" + tiret + ".gif");
      puce = "<IMG ALT=\"\" SRC=\"pout" + tiret +
             ".gif\" WIDTH=" + reglage(o.longueurp_menu_catego, i, j) +
             " HEIGHT=" + reglage(o.hauteurp_menu_catego, i, j) + " name=\"p" + ij +
             "\" BORDER=0 align=\"left\">";
    }
    if (lien && !puce.empty() && !reglage(o.puce2_menu_catego, i, j).empty()) {
      scriptSurvol(l, "pout" + ij, "pover" + ij, "pout" + tiret + ".gif", "pover" + tiret + ".gif");
      images.push_back("pover" + tiret + ".gif");
      attributs = " onmouseover=\"p" + ij + ".src=pover" + ij + ".src\" onmouseout=\"p" + ij +
                  ".src=pout" + ij + ".src\"";
    }
    std::string couleurOuvre, couleurFerme;
    if (o.over != "oui") {
      couleurOuvre = "<font color=\"" + htmlAttribute(o.coul_items) + "\">";
      couleurFerme = "</font>";
    }
    const std::string texte = puce + couleurOuvre + c.nom + couleurFerme;
    if (lien)
      l.add("<span class=\"Astyle\"><a href=\"" + P + "\" id=\"X_style\" target=\"" + T + "\"" +
            attributs + ">" + texte + "</a></span><br clear=\"all\">");
    else
      l.add("<span class=\"Astyle\">" + texte + "</span><br clear=\"all\">");
    return;
  }
  std::string taille = " WIDTH=" + reglage(o.longueur_menu_catego, i, j) +
                       " HEIGHT=" + reglage(o.hauteur_menu_catego, i, j);
  if (lien && !reglage(o.bouton2_menu_catego, i, j).empty()) {
    scriptSurvol(l, "out" + ij, "over" + ij, "btout" + tiret + ".gif", "btover" + tiret + ".gif");
    images.push_back("btover" + tiret + ".gif");
    attributs = " onmouseover=\"bt" + ij + ".src=over" + ij + ".src\" onmouseout=\"bt" + ij +
                ".src=out" + ij + ".src\"";
    taille.clear();
  }
  images.push_back("btout" + tiret + ".gif");
  const std::string image = "<IMG ALT=\"" + htmlAttribute(c.nom) + "\" SRC=\"btout" + tiret +
                            ".gif\"" + taille + " name=\"bt" + ij + "\" BORDER=0>";
  if (lien)
    l.add("<a href=\"" + P + "\" target=\"" + T + "\"" + attributs + ">" + image + "</a><br>");
  else
    l.add(image + "<br>");
}

// The separator option of a drop-down list: D + 1 hyphens; none unless D is a whole number
// above 0.
void separateur(platform::LineList& l, const std::string& tirets_listes) {
  if (tirets_listes.empty()) return;
  std::optional<long long> d = platform::toInteger(tirets_listes);
  if (!d || *d <= 0) return;
  l.add("<OPTION value=\"x\">" + std::string(static_cast<size_t>(*d) + 1, '-') + "</OPTION>");
}

void imageBas(Dessin& d, int i, std::vector<std::string>& images) {
  const design::TOptionsMenu& o = d.o_;
  platform::LineList& l = d.l_;
  const size_t f = static_cast<size_t>(i);
  const std::string vide = "<td width=1>" + pixel("1", "1") + "</td>";
  l.add("<tr align=\"" + htmlAttribute(o.aligne_menu_titres) + "\">");
  if (!d.transparent) {
    l.add(vide);
    l.add(vide);
  }
  l.add("<td>");
  images.push_back("bas" + std::to_string(i) + ".gif");
  l.add("<IMG ALT=\"\" SRC=\"bas" + std::to_string(i) + ".gif\" WIDTH=" + o.longueur_menu_bas[f] +
        " HEIGHT=" + o.hauteur_menu_bas[f] + " BORDER=0><br>");
  l.add("</td>");
  if (!d.transparent) {
    d.cellule1(d.bordItem);
    l.add(vide);
  }
  l.add("</tr>");
}

}  // namespace

void menuStatique(const EntreesMenuGauche& e, const platform::DataFolder& donnees,
                  EtatMenuGauche& m) {
  const design::TOptionsMenu& o = e.menu;
  platform::LineList& l = m.corps;
  Dessin d(e, l);
  std::vector<std::string> images;
  const bool deroulante = o.liste_deroulante == "oui";
  const std::string cible = htmlAttribute(platform::jsString(e.cibleLiens, '\''));
  // As loaded for the number of blocks and the first block, as the family listing set it after.
  std::string familleTitre = o.famille_titre;

  if (d.rond) bandeHaute(d, familleTitre, images);
  l.add("<table border=0 cellspacing=0 cellpadding=0>");
  const int blocs = nombreBlocsMenu(o.famille_titre, e.familles.size());
  for (int i = 0; i < blocs; ++i) {
    const std::string& sorteTitre = o.image_menu_titre[static_cast<size_t>(i)];
    if (familleTitre == "0") titre(d, i, e.familles[static_cast<size_t>(i)], images);
    if (!d.transparent && !d.rond && familleTitre == "1" && sorteTitre != "bouton")
      d.ligneTrait(d.bordItem);
    d.ouvrirLigne(d.bordItem, d.fondItem);
    l.add("<td" + (d.transparent ? std::string() : d.fondItem) + " align=\"" +
          htmlAttribute(o.aligne_items) + "\" nowrap width=" + d.W + ">");
    familleTitre = e.familleTitreListe;
    static const std::vector<CategorieMenu> aucune;
    const std::vector<CategorieMenu>& categories =
        static_cast<size_t>(i) < e.blocs.size() ? e.blocs[static_cast<size_t>(i)] : aucune;
    if (!categories.empty()) {
      const std::string liste = "liste" + std::to_string(i);
      if (deroulante) {
        l.add("<form name=\"" + liste + "\"><SELECT name=\"choix\" class=\"t1\"  onChange=\"" +
              "charge_URL('" + liste + "','choix','" + cible + "')\">");
        l.add("<OPTION value=\"x\">" + e.titre_deroulant + "</OPTION>");
      }
      for (size_t j = 0; j < categories.size(); ++j) {
        const CategorieMenu& c = categories[j];
        if (deroulante)
          l.add("<OPTION value=\"" + (c.page.empty() ? std::string("x") : htmlAttribute(c.page)) +
                "\">" + c.nom + "</OPTION>");
        else
          categorie(e, l, i, j, c, images);
      }
      if (deroulante) {
        separateur(l, o.tirets_listes);
        l.add("</SELECT></form>");
      }
    }
    d.fermerLigne(d.bordItem, d.fondItem);
    if (o.image_menu_bas[static_cast<size_t>(i)] == "bouton") imageBas(d, i, images);
  }
  if (!d.rond && !d.transparent) d.ligneTrait(d.bordItem);
  l.add("</table>");
  if (d.rond) bandeBasse(d, images);
  if (m.positionNouveautes == "bas" && !m.imageNouveautes.empty()) l.add(lienNouveautes(e, m));
  copieVersFtp(donnees, images);
}

}  // namespace frame
