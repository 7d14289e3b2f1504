#include "frame/menu_gauche.h"

#include <algorithm>

#include "frame/boite_encadree.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace frame {

using platform::htmlAttribute;

namespace {

// A file of the data folder; a name that would leave it is no file.
bool existe(const platform::DataFolder& donnees, const std::string& nom) {
  return platform::safeRelativePath(nom) && donnees.exists(nom);
}

LignesImages boiteLogo(const EntreesMenuGauche& e) {
  const design::TOptionsMenu& o = e.menu;
  Encadrement cadre{o.encadrement_logo,        o.coul_logo_trait, o.fond_logo,
                    e.largeurMenuInterieure,   o.aligne_logo,     "logo",
                    contenuTexte(o.logo_image)};
  ContenuBoite contenu{o.logo_image,    o.logo_texte,     o.police_logo,   o.coul_logo,
                       o.taille_logo,   o.gras_logo,      o.souligne_logo, o.italique_logo,
                       "plogo.gif",     o.longueurp_logo, o.hauteurp_logo, "logo.gif",
                       o.longueur_logo, o.hauteur_logo};
  return boiteEncadree(cadre, contenuBoite(contenu));
}

// The home entry, one line.
std::string entreeAccueil(const EntreesMenuGauche& e) {
  const design::TStyleAccueilMenu& s = e.accueil;
  std::string alignement = platform::trim(s.centreAMG);
  if (alignement == "oui") alignement = "center";
  if (alignement.empty()) alignement = "left";
  std::string uOuvre = "<u>", uFerme = "</u>";
  if (s.souligneAMG == "non") {
    uOuvre = "<SPAN STYLE=\"TEXT-DECORATION: none\">";
    uFerme = "</SPAN>";
  }
  const bool italique = s.italiqueAMG != "non";
  const bool gras = s.grasAMG != "non";
  return "<table border=0 width=\"100%\"><tr><td align=\"" + htmlAttribute(alignement) + "\">" +
         "<A HREF=\"" + htmlAttribute(e.lienAccueil) + "\" target=\"" +
         htmlAttribute(e.cibleLiens) + "\"><font face=\"" + htmlAttribute(s.policeAMG) +
         "\" size=\"" + htmlAttribute(s.tailleAMG) + "\" color=\"" + htmlAttribute(s.couleurAMG) +
         "\">" + uOuvre + (italique ? "<i>" : "") + (gras ? "<B>" : "") + s.texteAMG +
         (gras ? "</B>" : "") + (italique ? "</i>" : "") + uFerme + "</font></a>" +
         "</td></tr></table><br>";
}

}  // namespace

std::string lienAccueil(bool frames, const std::string& accueilHTM) {
  if (!frames) return "index.htm";
  return accueilHTM == "oui" ? "accueil.htm" : "accueil2.htm";
}

std::string lienNouveautes(const EntreesMenuGauche& e, const EtatMenuGauche& m) {
  return "<a href=\"" + htmlAttribute(m.lienNouveautes) + "\" target=\"" +
         htmlAttribute(e.cibleLiens) + "\"><IMG SRC=\"" + htmlAttribute(m.imageNouveautes) +
         "\" border=0></a>";
}

void debutMenuGauche(const EntreesMenuGauche& e, const platform::DataFolder& donnees,
                     EtatMenuGauche& m) {
  const design::TOptionsMenu& o = e.menu;
  m = EtatMenuGauche{};
  if (o.menu_centre == "oui") m.corps.add("<CENTER>");

  if (o.logo_top == "non") {
    LignesImages logo = boiteLogo(e);
    m.corps.add(logo.lignes);
    copieVersFtp(donnees, logo.images);
    m.corps.add(pixel("1", "4") + "<br>");
  }

  // The menu setting as loaded: in the frameset the drop-down menu is turned off only later.
  if (o.liste_dynamique != "oui" && donnees.exists("liste_recherche.ini") &&
      donnees.exists("recherche_base_gauche.tmp"))
    m.corps.add(platform::LineList::load(donnees.path("recherche_base_gauche.tmp")));

  if (donnees.exists("newprod.ini")) {
    platform::LineList ini = platform::LineList::load(donnees.path("newprod.ini"));
    m.positionNouveautes = platform::trim(ini.value("position"));
    m.imageNouveautes = platform::trim(ini.value("image"));
  }
  if (donnees.exists("listeHTM.tmp"))
    m.lienNouveautes = platform::LineList::load(donnees.path("listeHTM.tmp")).value("newprod");
  if (m.positionNouveautes == "haut" && !m.imageNouveautes.empty())
    m.corps.add(lienNouveautes(e, m));

  if (o.accueil_menu == "oui") {
    m.entreeAccueilMenu = entreeAccueil(e);
    if (e.accueil.aligneAMG == "haut") m.corps.add(m.entreeAccueilMenu);
  }

  if (!e.image_fond_menu.empty())
    m.corps.add("<table border=0 background=\"" + htmlAttribute(e.image_fond_menu) + "\"><tr><td>");
}

void selectionMenu(const EntreesMenuGauche& e, const platform::DataFolder& donnees,
                   EtatMenuGauche& m) {
  const design::TOptionsMenu& o = e.menu;
  m.fin.clear();
  auto deux = [&m](const std::string& ligne) {
    m.corps.add(ligne);
    m.fin.add(ligne);
  };
  if (!e.image_fond_menu.empty()) deux("</td></tr></table>");

  if (o.recherche_top == "menu") {
    const std::string& A = e.articles;
    const std::string& L = e.listeP;
    deux(pixel("1", "8") + "<br>");
    deux("<table border=0 cellpadding=0 cellspacing=0>");
    deux("<FORM name=\"selection\">");
    deux("<tr valign=\"middle\">");
    deux("<td align=\"" + htmlAttribute(o.aligne_items) +
         "\" nowrap width=" + e.largeurMenuInterieure + ">");
    deux("<SELECT name=\"choix\" class=\"rech\" onChange=\"charge_URL('selection','choix','" +
         htmlAttribute(platform::jsString(e.cibleLiens, '\'')) + "')\">");
    deux("<OPTION value=\"x\">" + o.recherche_texte + "</OPTION>");
    deux("<OPTION value=\"themes_" + htmlAttribute(A) + ".html\">" + e.themesP + " " + A +
         "</OPTION>");
    if (o.az_top != "non") {
      if (!A.empty() && existe(donnees, "ftp/" + A + "A.html"))
        deux("<OPTION value=\"" + htmlAttribute(A) + "A.html\">" + A + " A-Z</OPTION>");
      if (!L.empty() && existe(donnees, "ftp/" + L + "A.html"))
        deux("<OPTION value=\"" + htmlAttribute(L) + "A.html\">" + L + " A-Z</OPTION>");
    }
    if (e.moteur_recherche == "oui" && !e.url_moteur_recherche.empty()) {
      const std::string url = htmlAttribute(e.url_moteur_recherche);
      if (e.frames)
        m.corps.add("<OPTION value=\"" + url + "\">" + e.mot_recherche + "</OPTION>");
      else
        deux("<OPTION value=\"" + url + "?iframe=oui\">" + e.mot_recherche + "</OPTION>");
    }
    for (const char* ligne : {"</SELECT>", "</td>", "</tr>", "</form>", "</table>"}) deux(ligne);
  }

  if (o.accueil_menu != "non" && e.accueil.aligneAMG != "haut") {
    deux("<br>");
    deux(m.entreeAccueilMenu);
  }

  if (o.liste_deroulante == "oui") {
    m.corps.add("<NOSCRIPT>");
    if (donnees.exists("catego.txt"))
      m.corps.add(platform::LineList::load(donnees.path("catego.txt")));
    m.corps.add("</NOSCRIPT>");
  }

  if (e.pubMC && donnees.exists("pub2_pub.opt")) {
    platform::LineList pub = platform::LineList::load(donnees.path("pub2_pub.opt"));
    if (!pub.empty()) {
      deux("<BR>");
      for (const std::string& ligne : pub) deux(ligne);
    }
  }
}

int nombreBlocsMenu(const std::string& famille_titre, size_t familles) {
  if (familles == 0) return 0;
  if (famille_titre == "1") return 1;
  return static_cast<int>(std::min<size_t>(familles, design::kFamillesMenu));
}

}  // namespace frame
