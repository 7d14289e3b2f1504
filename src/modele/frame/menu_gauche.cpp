#include "modele/frame/menu_gauche.h"

#include <algorithm>

#include "modele/frame/boite_encadree.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace frame {

using platform::htmlAttribute;

namespace {

// A file of the data folder; a name that would leave it is no file.
bool existe(const platform::DataFolder& donnees, const std::string& nom) {
  return platform::safeRelativePath(nom) && donnees.exists(nom);
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
    LignesImages logo = boiteLogo(o, e.largeurMenuInterieure);
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
    deux(pixel("1", "8") + "<br>");
    deux("<table border=0 cellpadding=0 cellspacing=0>");
    deux("<FORM name=\"selection\">");
    deux("<tr valign=\"middle\">");
    deux("<td align=\"" + htmlAttribute(o.aligne_items) +
         "\" nowrap width=" + e.largeurMenuInterieure + ">");
    for (const std::string& ligne :
         listeRecherche(o, e.cibleLiens, e.articles, e.listeP, e.themesP, donnees))
      deux(ligne);
    if (e.moteur_recherche == "oui" && !e.url_moteur_recherche.empty()) {
      const std::string option = optionMoteur(e.frames, e.url_moteur_recherche, e.mot_recherche);
      if (e.frames)
        m.corps.add(option);
      else
        deux(option);
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

platform::LineList listeRecherche(const design::TOptionsMenu& o, const std::string& cible,
                                 const std::string& A, const std::string& L,
                                 const std::string& themesP, const platform::DataFolder& donnees) {
  platform::LineList l;
  l.add("<SELECT name=\"choix\" class=\"rech\" onChange=\"charge_URL('selection','choix','" +
        htmlAttribute(platform::jsString(cible, '\'')) + "')\">");
  l.add("<OPTION value=\"x\">" + o.recherche_texte + "</OPTION>");
  l.add("<OPTION value=\"themes_" + htmlAttribute(A) + ".html\">" + themesP + " " + A +
        "</OPTION>");
  if (o.az_top != "non") {
    if (!A.empty() && existe(donnees, "ftp/" + A + "A.html"))
      l.add("<OPTION value=\"" + htmlAttribute(A) + "A.html\">" + A + " A-Z</OPTION>");
    if (!L.empty() && existe(donnees, "ftp/" + L + "A.html"))
      l.add("<OPTION value=\"" + htmlAttribute(L) + "A.html\">" + L + " A-Z</OPTION>");
  }
  return l;
}

std::string optionMoteur(bool frames, const std::string& url, const std::string& mot) {
  return "<OPTION value=\"" + htmlAttribute(url) + (frames ? "" : "?iframe=oui") + "\">" + mot +
         "</OPTION>";
}

int nombreBlocsMenu(const std::string& famille_titre, size_t familles) {
  if (familles == 0) return 0;
  if (famille_titre == "1") return 1;
  return static_cast<int>(std::min<size_t>(familles, design::kFamillesMenu));
}

}  // namespace frame
