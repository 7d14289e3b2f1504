#include "modele/frame/barre_top.h"

#include "modele/frame/boite_encadree.h"
#include "modele/frame/cadre_page.h"
#include "modele/frame/menu_gauche.h"
#include "modele/frame/valeur_script.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace frame {

using platform::htmlAttribute;

namespace {

using O = design::TOptionsMenu;

// The settings of one link, by its name.
struct Lien {
  const char* nom;
  std::string O::*texte, O::*image, O::*longueur, O::*hauteur, O::*longueurp, O::*hauteurp, O::*x1,
      O::*bouton2;
};

// clang-format off
#define TARVIO_LIEN(n)                                                                   \
  Lien{#n, &O::n##_texte, &O::n##_image, &O::longueur_##n, &O::hauteur_##n,              \
       &O::longueurp_##n, &O::hauteurp_##n, &O::x1_##n, &O::bouton2_##n}
// clang-format on
const Lien kAccueil = TARVIO_LIEN(accueil);
const Lien kDelais = TARVIO_LIEN(delais);
const Lien kSecurite = TARVIO_LIEN(securite);
const Lien kPanier = TARVIO_LIEN(panier);
const Lien kConditions = TARVIO_LIEN(conditions);
const Lien kEcrire = TARVIO_LIEN(ecrire);
const Lien kEmploi = TARVIO_LIEN(emploi);
#undef TARVIO_LIEN

const std::string kEspace4 = "<td>" + pixel("4", "1") + "</td>";

// The tooltip's lines go into a single-quoted script string inside an
// attribute: only what would end either is escaped, the "<br>" of each line
// stays as it is.
std::string texteBulle(const std::string& texte) {
  std::string r;
  for (char c : platform::jsString(texte, '\''))
    r += c == '"' ? std::string("&quot;") : std::string(1, c);
  return r;
}

// The link inside its cell: a button image with its optional rollover, or the
// text.
LignesImages contenuLien(const EntreesTop& e, const Lien& l) {
  const O& o = e.menu;
  const std::string n = l.nom;
  const std::string cible = htmlAttribute(&l == &kPanier ? e.targetS : e.cibleLiens);
  const std::string lien = htmlAttribute(lienBarre(e, n));
  const bool bulle = e.cv_popup == "oui" && &l == &kDelais;
  const std::string evenementsBulle = " onmouseout=\"kill()\"  onmouseover=\"pop('" +
                                      texteBulle(e.texteBulle) + "','lightyellow')\"";
  LignesImages r;
  if (o.*l.image == "bouton") {
    std::string taille = " WIDTH=" + o.*l.longueur + " HEIGHT=" + o.*l.hauteur;
    std::string evenements;
    if (!(o.*l.bouton2).empty()) {
      r.lignes.add(platform::LineList{
          "<script language=\"JavaScript\">", "<!--", "out_" + n + "=new Image()",
          "out_" + n + ".src=\"" + n + "_out.gif\"", "over_" + n + "=new Image()",
          "over_" + n + ".src=\"" + n + "_over.gif\"", "// -->", "</script>"});
      r.images.push_back(n + "_out.gif");
      r.images.push_back(n + "_over.gif");
      evenements = bulle ? evenementsBulle
                         : " onmouseover=\"" + n + ".src=over_" + n + ".src\" onmouseout=\"" + n +
                               ".src=out_" + n + ".src\"";
      taille.clear();
    }
    r.lignes.add("<a href=\"" + lien + "\" target=\"" + cible + "\"" + evenements +
                 "><IMG ALT=\"\" SRC=\"" + n + "_out.gif\"" + taille + " name=\"" + n +
                 "\" BORDER=0></a><br>");
    r.images.push_back(n + "_out.gif");
    return r;
  }
  std::string puce;
  if (o.*l.image == "puce") {
    puce = "<IMG ALT=\"\" SRC=\"p" + n + ".gif\" WIDTH=" + o.*l.longueurp +
           " HEIGHT=" + o.*l.hauteurp + " BORDER=0 align=\"left\">";
    r.images.push_back("p" + n + ".gif");
  }
  const std::string ouvre =
      o.coul_cv.empty() ? "" : "<font color=\"" + htmlAttribute(o.coul_cv) + "\">";
  const std::string ferme = o.coul_cv.empty() ? "" : "</font>";
  r.lignes.add("<span class=\"Astyle\"><a href=\"" + lien + "\"" + (bulle ? evenementsBulle : "") +
               " id=\"X_style\" target=\"" + cible + "\"><noBR>" + puce + ouvre + o.*l.texte +
               ferme + "</noBR></a></span>");
  return r;
}

// One link in its cell and its frame; a button is never framed.
void lienCadre(const EntreesTop& e, const platform::DataFolder& donnees, const Lien& l,
               platform::LineList& page) {
  const O& o = e.menu;
  Encadrement cadre{
      o.encadrement_cv,         o.coul_trait_cv, o.fond_cv, o.largeur_cv, o.aligne_cv, "cv",
      contenuTexte(o.*l.image), &l == &kEcrire};
  if (o.*l.image == "bouton") {
    cadre.cadre = "transparent";
    if (!(o.*l.x1).empty())
      cadre.largeur = platform::fromInteger(platform::toInteger(o.*l.longueur).value_or(20));
  }
  LignesImages boite = boiteEncadree(cadre, contenuLien(e, l));
  page.add("<td>");
  page.add(boite.lignes);
  page.add("</td>");
  copieVersFtp(donnees, boite.images);
}

void celluleRecherche(const EntreesTop& e, const platform::DataFolder& donnees,
                      platform::LineList& page) {
  const O& o = e.menu;
  page.add(platform::LineList{"<td>", "<table border=0 cellpadding=0 cellspacing=0 width=\"100%\">",
                              "<FORM name=\"selection\">", "<tr valign=\"middle\">",
                              "<td nowrap>"});
  page.add(listeRecherche(o, e.cibleLiens, e.articles, e.listeP, e.themesP, donnees));
  if (e.moteur_recherche == "oui" && !e.url_moteur_recherche.empty())
    page.add(optionMoteur(e.frames, e.url_moteur_recherche, e.mot_recherche));
  page.add(platform::LineList{"</SELECT><br>", "</td>", "</tr>", "</form>", "</table>", "</td>"});
  if (o.colle_cv == "oui") page.add(kEspace4);
}

}  // namespace

std::string lienBarre(const EntreesTop& e, const std::string& nom) {
  using platform::urlQueryValue;
  if (nom == "accueil") return lienAccueil(e.frames, e.accueilHTM);
  if (nom == "delais") return e.frames ? "cv.htm#delai" : "cvf.htm#delai";
  if (nom == "securite") {
    if (!e.frames) return "securf.htm";
    return std::string(e.securus ? kPageSecuriteAnglais : kPageSecurite) +
           "?boutique=" + urlQueryValue(e.ident.nomE) + "&frame=oui";
  }
  if (nom == "panier") {
    if (e.catalC) return "boncommande.htm";
    auto js = [](const std::string& s) { return platform::jsString(s, '\''); };
    return "JavaScript:document.location.href='" + js(e.url_panier) +
           "?login=" + js(urlQueryValue(e.ident.login)) + "&ext=" + js(urlQueryValue(e.ident.ext)) +
           "&session=oui&session_client='+" + valeurSure("top.session_client") + "+''";
  }
  if (nom == "conditions") return e.frames ? "cv.htm" : "cvf.htm";
  if (nom == "ecrire") return "mailto:" + e.ident.email;
  return e.frames ? "emploi.htm" : "emploif.htm";
}

void barreTop(const EntreesTop& e, const platform::DataFolder& donnees, platform::LineList& page) {
  const O& o = e.menu;
  const bool colle = o.colle_cv == "oui";
  const std::string fond = htmlAttribute(o.fond_cv);
  if (colle) {
    page.add("<table border=0 cellpadding=1 cellspacing=0 bgcolor=\"" +
             htmlAttribute(o.coul_menu_trait) + "\">");
    page.add("<tr bordercolor=\"" + fond + "\"><td>");
    page.add("<table border=0 cellpadding=0 cellspacing=0>");
    page.add("<tr bgcolor=\"" + fond + "\">");
    page.add("<td colspan=3>" + pixel("1", "4") + "</td></tr>");
    page.add("<tr bgcolor=\"" + fond + "\">");
    page.add("<td>" + pixel("4", "1") + "</td><td>");
    page.add("<TABLE border=0 cellpadding=0 cellspacing=0>");
    page.add("<tr bgcolor=\"" + fond + "\">");
  } else {
    page.add("<TABLE border=0>");
    page.add("<tr>");
  }

  lienCadre(e, donnees, kAccueil, page);
  if (colle) page.add(kEspace4);
  if (donnees.exists("liste_recherche.ini") && donnees.exists("recherche_base_top.tmp")) {
    page.add("<td>");
    page.add(
        "<table border=0 cellpadding=0 cellspacing=0 "
        "width=\"100%\"><tr><td><br>");
    page.add(platform::LineList::load(donnees.path("recherche_base_top.tmp")));
    page.add("</td></tr></table>");
  }
  if (o.recherche_top == "top") celluleRecherche(e, donnees, page);
  if (o.delais_top == "oui") lienCadre(e, donnees, kDelais, page);
  if (o.secur_top == "oui") lienCadre(e, donnees, kSecurite, page);
  lienCadre(e, donnees, kPanier, page);
  if (o.conditions_top == "oui") lienCadre(e, donnees, kConditions, page);
  if (o.ecrire_top == "oui") lienCadre(e, donnees, kEcrire, page);
  if (o.emploi_top == "oui") lienCadre(e, donnees, kEmploi, page);

  page.add("</tr></table>");
  if (colle) {
    page.add("</td><td>" + pixel("4", "1") + "</td></tr>");
    page.add("<tr bgcolor=\"" + fond + "\">");
    page.add("<td colspan=3>" + pixel("1", "4") + "</td></tr></table>");
    page.add("</td></tr></table>");
  }
}

}  // namespace frame
