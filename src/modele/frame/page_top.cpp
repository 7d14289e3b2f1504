#include "modele/frame/page_top.h"

#include "modele/app/texte_prix.h"
#include "modele/frame/boite_encadree.h"
#include "modele/frame/menu_fichiers.h"
#include "platform/charset.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace frame {

using platform::htmlAttribute;

namespace {

// Font, size, colour, the background unless the links are unframed, then the
// style flags.
std::string declarationsTexte(const design::TOptionsMenu& o) {
  std::string d = "FONT-FAMILY: " + o.police_cv + "; " + "FONT-SIZE: " + o.taille_cv + "px; " +
                  "COLOR: " + o.coul_cv + "; ";
  if (o.encadrement_cv != "transparent") d += "BACKGROUND-COLOR: " + o.fond_cv + "; ";
  return d + drapeauxCss(o.gras_cv, o.souligne_cv, o.italique_cv);
}

// Rolled over, a link keeps its colour.
std::string declarationsSurvol(const design::TOptionsMenu& o) {
  return "FONT-FAMILY: " + o.police_over_cv + "; " + "FONT-SIZE: " + o.taille_over_cv + "px; " +
         "BACKGROUND-COLOR: " + o.fond_over_cv + "; " +
         drapeauxCss(o.gras_over_cv, o.souligne_over_cv, o.italique_over_cv);
}

// The image first, then the colour, then "fixed"; the image is copied from
// fonds/.
std::string fondTop(const design::TOptionsMenu& o, const platform::DataFolder& donnees) {
  std::string valeur;
  if (!o.image_top.empty()) {
    valeur = "url(" + o.image_top + ") ";
    const std::string source = "fonds/" + o.image_top;
    if (platform::safeRelativePath(source) && donnees.exists(source))
      app::copierFichier(donnees.path(source), donnees.path("ftp/" + o.image_top), false);
  }
  if (!o.fond_couleur_top.empty()) valeur += o.fond_couleur_top + " ";
  if (o.fixe_top == "oui") valeur += "fixed";
  return valeur;
}

void tete(const EntreesTop& e, const platform::DataFolder& donnees, platform::LineList& page) {
  const design::TOptionsMenu& o = e.menu;
  page.add("<HTML>");
  page.add("<HEAD>");
  page.add(platform::kCharsetMeta);
  page.add("<TITLE>" + (e.menuh_titre.empty() ? std::string("top") : e.menuh_titre) + "</TITLE>");
  page.add("<STYLE TYPE=\"text/css\">");
  page.add("<!--");
  const std::string texte = declarationsTexte(o);
  page.add(".Astyle{" + texte + "}");
  for (const char* etat : {"LINK", "VISITED", "ACTIVE"})
    page.add(std::string("A#X_style:") + etat + " {" + texte + "}");
  if (o.over_cv == "oui") page.add("A#X_style:HOVER{" + declarationsSurvol(o) + "}");
  for (const std::string& ligne :
       {std::string(".t1{"), declarationsListes(o), std::string("}"), std::string(".rech{"),
        declarationsRecherche(o), std::string("}"), std::string(".t3{"),
        std::string("FONT-SIZE: 10px;"), "FONT-FAMILY: " + e.police_defaut + ";}"})
    page.add(ligne);
  const std::string fond = fondTop(o, donnees);
  if (!fond.empty()) {
    if (!e.frames && !o.image_top.empty() && o.image_top == e.image_page)
      page.add("BODY {background-color:transparent;}");
    else
      page.add("BODY {background: " + fond + ";}");
  }
  page.add("// -->");
  page.add("</STYLE>");
  page.add(platform::LineList{"<STYLE type=\"text/css\">", "<!--", ".popper {",
                              "\tPOSITION: absolute; VISIBILITY: hidden", "}", "// -->",
                              "</STYLE>"});
  page.add("<script language=\"JavaScript\">");
  page.add("<!--");
  page.add(scriptListes());
  page.add("// -->");
  page.add("</script>");
  if (e.frames)
    page.add(platform::LineList{"<script language=\"JavaScript\">", "function reframe()", "{",
                                "if(parent.frames.length <= 1)", "{",
                                "location.replace(\"index.htm\");", "}", "}", "</script>"});
  if (!e.coul_scroll.empty())
    page.add(platform::LineList{"<STYLE TYPE=\"text/css\">", "<!--",
                                "BODY {scrollbar-base-color: " + e.coul_scroll + ";}", "// -->",
                                "</STYLE>"});
  page.add("</HEAD>");
}

// "pub#1" to "pub#3" in any case put that advertising fragment in the banner.
LignesImages boiteBandeau(const EntreesTop& e) {
  const design::TOptionsMenu& o = e.menu;
  Encadrement cadre{o.encadrement_bandeau,
                    o.coul_bandeau_trait,
                    o.fond_bandeau,
                    o.largeur_bandeau,
                    o.aligne_bandeau,
                    "bandeau",
                    contenuTexte(o.bandeau_image)};
  const std::string texte = platform::lowerAscii(o.bandeau_texte);
  for (size_t i = 0; i < e.pubs.size(); ++i)
    if (texte == "pub#" + std::to_string(i + 1)) return boiteEncadree(cadre, {e.pubs[i], {}});
  ContenuBoite contenu{o.bandeau_image,     o.bandeau_texte,    o.police_bandeau,
                       o.coul_bandeau,      o.taille_bandeau,   o.gras_bandeau,
                       o.souligne_bandeau,  o.italique_bandeau, "pbandeau.gif",
                       o.longueurp_bandeau, o.hauteurp_bandeau, "bandeau.gif",
                       o.longueur_bandeau,  o.hauteur_bandeau};
  return boiteEncadree(cadre, contenuBoite(contenu));
}

std::string tableMiseEnPage(const design::TOptionsMenu& o) {
  return o.top_centre == "oui" ? "<table border=0 cellpadding=0 cellspacing=0>"
                               : "<table border=0 cellpadding=0 cellspacing=0 width=\"100%\">";
}

const std::string kEspace4 = pixel("1", "4") + "<br>";
const std::string kCelluleEspace = "<td>" + pixel("8", "1") + "</td>";

}  // namespace

std::string adresseTop(const app::TIdentite& i) {
  using platform::htmlText;
  std::string a;
  if (i.boutiqueADR == "oui") a = htmlText(i.nomB);
  if (i.entADR == "oui") a += " " + htmlText(i.nomE);
  if (i.capADR == "oui") a += " cap: " + htmlText(i.capital);
  if (i.rueADR == "oui") a += " " + htmlText(i.rue);
  if (i.cpADR == "oui") a += " " + htmlText(i.codepostal);
  if (i.paysADR == "oui") a += " " + htmlText(i.pays);
  if (i.telADR == "oui" && !i.tel.empty()) a += " Tel: " + htmlText(i.tel);
  if (i.faxADR == "oui" && !i.fax.empty()) a += " Fax: " + htmlText(i.fax);
  if (i.eADR == "oui" && !i.email.empty()) a += " e-mail: " + htmlText(i.email);
  if (i.siretADR == "oui" && !i.siret.empty()) a += " SIRET " + htmlText(i.siret);
  if (i.apeADR == "oui" && !i.ape.empty()) a += " APE " + htmlText(i.ape);
  return a;
}

// document.all is gone from today's browsers: the layer is also reached through
// the DOM.
const platform::LineList& scriptBulle() {
  static const platform::LineList script{
      "var nav = (document.layers);",
      "var iex = (document.all);",
      "var skn = (nav) ? document.topdeck : topdeck.style;",
      "if (nav) document.captureEvents(Event.MOUSEMOVE);",
      "document.onmousemove = get_mouse;",
      "function pop(msg,bak) {",
      "var content =\"<TABLE BORDER=1 bordercolor='navy' CELLPADDING=2 "
      "CELLSPACING=0 "
      "BGCOLOR=\"+bak+\"><TR bordercolor=\"+bak+\"><TD ALIGN='center'><font "
      "class='t3' "
      "COLOR='#000000'>\"+msg+\"<\\/FONT><\\/TD><\\/TR><\\/TABLE>\";",
      "if (nav) {",
      "skn.document.write(content);",
      "skn.document.close();",
      "skn.visibility = \"visible\";",
      "}",
      "else if (iex || document.getElementById)",
      "{",
      "document.getElementById(\"topdeck\").innerHTML = content;",
      "skn.visibility = \"visible\";",
      "}",
      "}",
      "function get_mouse(e)",
      "{",
      "var x = (nav) ? e.pageX : event.x+document.body.scrollLeft;",
      "var y = (nav) ? e.pageY : event.y+document.body.scrollTop;",
      "skn.left = x-10;",
      "skn.top  = y-36;",
      "}",
      "function kill()",
      "{",
      "skn.visibility = \"hidden\";",
      "}",
  };
  return script;
}

void debutTop(const EntreesTop& e, const platform::DataFolder& donnees, platform::LineList& page) {
  const design::TOptionsMenu& o = e.menu;
  page.clear();
  tete(e, donnees, page);
  page.add(e.frames ? "<BODY OnLoad=\"reframe()\" Marginwidth=2 marginheight=2 "
                      "leftmargin=2 "
                      "topmargin=2>"
                    : "<BODY Marginwidth=2 marginheight=2 leftmargin=2 topmargin=2>");
  page.add("<DIV class=\"popper\" id=topdeck></DIV>");
  page.add("<SCRIPT language=\"JavaScript\">");
  page.add("<!--");
  page.add("// Tooltip box that follows the mouse.");
  page.add(scriptBulle());
  page.add("// -->");
  page.add("</SCRIPT>");
  if (o.top_centre == "oui") page.add("<CENTER>");
  page.add(tableMiseEnPage(o));
  page.add("<TR><td>");
  page.add(tableMiseEnPage(o));
  page.add("<TR valign=\"top\">");

  if (o.logo_top == "oui") {
    page.add("<td>");
    LignesImages logo = boiteLogo(o, e.largeurMenuInterieure);
    page.add(logo.lignes);
    copieVersFtp(donnees, logo.images);
    page.add("</td>");
    page.add(kCelluleEspace);
  }

  page.add("<td align=\"center\" nowrap>");
  if (o.adresse_top == "oui") {
    page.add("<font class=\"t3\"><font color=\"" + htmlAttribute(o.adresse_top_color) + "\">" +
             adresseTop(e.ident) + "</font></font><br>");
    page.add(kEspace4);
  }
  if (o.bandeau_top == "oui") {
    LignesImages bandeau = boiteBandeau(e);
    page.add(bandeau.lignes);
    copieVersFtp(donnees, bandeau.images);
    page.add(kEspace4);
  }
}

void finTop(const EntreesTop& e, const platform::DataFolder& donnees, platform::LineList& page) {
  const design::TOptionsMenu& o = e.menu;
  if (o.date_top == "oui") {
    page.add(pixel("1", "4") + "<BR>");
    page.add("<font class=\"t3\" color=\"" + htmlAttribute(o.date_top_color) + "\">");
    page.add(platform::LineList{"<script language=\"JavaScript\">", "<!--", "date=new Date()",
                                "mois=new String()", "jour=new String()"});
    static const char* const kMois[] = {
        "Janvier", "F&eacute;vrier", "Mars",      "Avril",   "Mai",      "Juin",
        "Juillet", "Ao&ucirc;t",     "Septembre", "Octobre", "Novembre", "D&eacute;cembre"};
    static const char* const kJours[] = {"dimanche", "lundi",    "mardi", "mercredi",
                                         "jeudi",    "vendredi", "samedi"};
    for (int i = 0; i < 12; ++i)
      page.add("if (date.getMonth()==" + std::to_string(i) + ") mois=\"" + kMois[i] + "\"");
    for (int i = 0; i < 7; ++i)
      page.add("if (date.getDay()==" + std::to_string(i) + ") jour=\"" + kJours[i] + "\"");
    page.add(
        "document.write(\"Bonjour, nous sommes le \"+jour+\" "
        "\"+date.getDate()+\" \"+mois+"
        "\" \"+date.getFullYear())");
    page.add("// -->");
    page.add("</script>");
    page.add("</font>");
  }
  page.add("</td>");

  const LogoWebmaster& w = e.webmaster;
  const std::string source = "menu_boutons/" + w.fichier;
  if (!w.fichier.empty() && platform::safeRelativePath(source) && donnees.exists(source)) {
    static const char* const kValign[] = {"top", "middle", "bottom"};
    const int position = w.position >= 0 && w.position <= 2 ? w.position : 0;
    page.add(kCelluleEspace);
    page.add(std::string("<td align=\"center\" valign=\"") + kValign[position] + "\">");
    page.add("<a href=\"" + htmlAttribute(w.site) + "\" target=\"_top\"><IMG ALT=\"\" SRC=\"" +
             htmlAttribute(w.fichier) + "\" WIDTH=" + std::to_string(w.largeur) +
             " HEIGHT=" + std::to_string(w.hauteur) + " BORDER=0></a></td>");
    app::copierFichier(donnees.path(source), donnees.path("ftp/" + w.fichier), false);
  }

  page.add("</tr>");
  page.add("</table></td>");
  page.add("</table>");
  if (o.top_centre == "oui") page.add("</CENTER>");
  page.add("</BODY></HTML>");
  page.save(donnees.path("ftp/top2.htm"));
}

}  // namespace frame
