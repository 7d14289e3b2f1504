// The sections column of the home page (see accueil_page.h).

#include "modele/frame/boite_encadree.h"
#include "modele/infopages/accueil_page.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace infopages {

using frame::pixel;
using platform::htmlAttribute;
using platform::LineList;

namespace {

void ajouterBande(PageAccueil& r, const frame::LignesImages& bande) {
  r.page.add(bande.lignes);
  for (const std::string& nom : bande.images) r.images.push_back({nom, nom});
}

// What a section shows in its cell.
void contenuRubrique(const EntreesPageAccueil& e, const RubriquePage& rub, PageAccueil& r) {
  LineList& p = r.page;
  const std::string nom = platform::lowerAscii(rub.nom);
  const LineList* pub = nom == "pub#1"   ? &e.pub1_pub
                        : nom == "pub#2" ? &e.pub2_pub
                        : nom == "pub#3" ? &e.pub3_pub
                                         : nullptr;
  if (pub) {
    p.add(*pub);
    return;
  }
  if (rub.nom == "ESPACE") {
    p.add(pixel("1", "6") + "<br>");
    return;
  }
  if (rub.nom == "LIGNE") {
    p.add("<HR align=left color=\"" + htmlAttribute(e.options.trait_rubriques) +
          "\" SIZE=1 width=\"100%\">");
    return;
  }
  const TRubriqueAccueil& s = rub.reglages;
  // A link is written only around something: the bullet, or a text.
  const std::string lien = s.lien.empty() ? std::string()
                                          : "<A HREF=\"" + htmlAttribute(s.lien) + "\" target=\"" +
                                                htmlAttribute(s.target) + "\">";
  if (!s.puce_rubrique.empty()) {
    if (!lien.empty()) p.add(lien);
    p.add("<IMG ALT=\"\" SRC=\"" + htmlAttribute(s.puce_rubrique) + "\"" +
          platform::htmlSizeAttributes(s.puce_largeur, s.puce_hauteur) +
          " BORDER=0 align=\"left\" vspace=2>");
    r.images.push_back({"puces/" + s.puce_rubrique, s.puce_rubrique});
    if (!lien.empty()) p.add("</a>");
  }
  if (!rub.texte.empty()) {
    const std::string fin = lien.empty() ? "<br>" : "</a><br>";
    if (!lien.empty()) p.add(lien);
    std::string ouvre, ferme;
    if (s.grasR == "oui") ouvre += "<b>", ferme = "</b>" + ferme;
    if (s.italiqueR == "oui") ouvre += "<i>", ferme = "</i>" + ferme;
    if (s.souligneR == "oui") ouvre += "<u>", ferme = "</u>" + ferme;
    p.add("<font face=\"" + htmlAttribute(e.options.police_rubriques) + "\" color=\"" +
          htmlAttribute(s.couleurR) + "\"><span style=\"FONT-SIZE:" + htmlAttribute(s.tailleR) +
          "px; TEXT-DECORATION: none;\">" + ouvre);
    // Lines are joined as saved: a paragraph the memo split at its wraps comes back whole.
    std::string texte;
    for (const std::string& ligne : rub.texte) texte += ligne;
    p.add(texte + ferme + "</span></font>" + fin);
  }
  if (rub.nom == "Titre") p.add(pixel("1", "4") + "<br>");
}

}  // namespace

void colonneRubriques(const EntreesPageAccueil& e, PageAccueil& r) {
  const TOptionsAccueil& o = e.options;
  LineList& p = r.page;
  p.add("<td valign=\"top\">");
  if (o.espaceYES == "non") {
    p.add("&nbsp;");
    return;
  }
  if (!e.listeRubriques) return;
  const std::string& E = o.encadrementR;
  const bool rond = E == "rond";
  const bool transparent = E == "transparent";
  const bool aucun = E == "aucun";
  const std::string T = htmlAttribute(o.trait_rubriques);
  const std::string F = htmlAttribute(o.fond_rubriques);
  const std::string H = htmlAttribute(o.haut_fond_rubriques);
  const std::string& W = o.largeur_rubriques;
  auto couleur = [](const std::string& c) { return " bgcolor=\"" + c + "\""; };

  if (!e.image_rubriques.empty())
    p.add("<table border=0 background=\"" + htmlAttribute(e.image_rubriques) + "\"><tr><td>");
  if (rond)
    ajouterBande(r, frame::bandeArrondieHaut("rubriques", W, o.trait_rubriques,
                                             o.haut_fond_rubriques));
  p.add("<table border=0 cellspacing=0 cellpadding=0>");
  std::string attribut = transparent ? "" : couleur(aucun ? H : T);
  if (!transparent && !rond) {
    p.add("<tr>");
    p.add("<td colspan=5" + attribut + ">" + pixel("5", "1") + "</td>");
    p.add("</tr>");
  }
  if (transparent) p.add("<tr><td colspan=5>" + pixel("1", "4") + "</td></tr>");
  for (const RubriquePage& rub : e.rubriques) {
    const std::string alignement = htmlAttribute(rub.reglages.alignementR);
    p.add("<tr>");
    if (!transparent) {
      // The left line keeps what the previous row's right cells left.
      p.add("<td" + attribut + " width=1 align=\"" + alignement + "\">" + pixel("1", "1") +
            "</td>");
      attribut = couleur(rub.nom == "Titre" ? H : F);
      p.add("<td" + attribut + " width=5>" + pixel("5", "1") + "</td>");
    } else {
      attribut.clear();
    }
    p.add("<td" + attribut + " nowrap align=\"" + alignement + "\" width=" + W + ">");
    contenuRubrique(e, rub, r);
    p.add("</td>");
    if (!transparent) {
      p.add("<td" + attribut + " width=5>" + pixel("5", "1") + "</td>");
      attribut = couleur(aucun ? F : T);
      p.add("<td" + attribut + " width=1>" + pixel("1", "1") + "</td>");
    }
    p.add("</tr>");
  }
  if (!rond && !transparent) {
    p.add("<tr>");
    p.add("<td colspan=5" + couleur(aucun ? F : T) + ">" + pixel("5", "1") + "</td>");
    p.add("</tr>");
  }
  p.add("</table>");
  if (rond)
    ajouterBande(r, frame::bandeArrondieBas("rubriques", W, o.trait_rubriques, o.fond_rubriques));
  if (!e.image_rubriques.empty()) p.add("</td></tr></table>");
}

}  // namespace infopages
