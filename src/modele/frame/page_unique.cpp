#include "modele/frame/page_unique.h"

#include "modele/frame/cadre_page.h"
#include "platform/charset.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/text.h"

namespace frame {

namespace {

using platform::htmlAttribute;

platform::LineList barreCategories(const platform::DataFolder& donnees) {
  if (!donnees.exists("catego.txt")) return {};
  platform::LineList bloc{"<center><table border=0 width=\"100%\"><tr><td align=\"center\">"};
  bloc.add(platform::loadIfPresent(donnees, "catego.txt"));
  bloc.add("</td></tr></table></center>");
  return bloc;
}

std::string cadreAccueil(const std::string& largeur, const std::string& hauteur) {
  return "<IFRAME name=\"principal\" src=\"accueil.htm\" framespacing=0 border=0 width=\"" +
         htmlAttribute(largeur) + "\" height=\"" + htmlAttribute(hauteur) +
         "\" scrolling=\"no\" frameborder=0></IFRAME><br>";
}

// Each attribute begins with a blank; none when the menu's image is the page's.
std::string attributsMenu(const EntreesPageUnique& e) {
  std::string attributs;
  if (!e.fond_couleur_menu.empty())
    attributs += " bgcolor=\"" + htmlAttribute(e.fond_couleur_menu) + "\"";
  if (!e.image_menu.empty()) {
    attributs += " background=\"" + htmlAttribute(e.image_menu) + "\"";
    if (e.image_menu == e.image_page) attributs.clear();
  }
  return attributs;
}

// A font name of one word stays bare as it always was; one with blanks is quoted, or the
// browser would read its second word as another attribute.
std::string face(const std::string& police) {
  if (police.find_first_of(" \"'") == std::string::npos) return police;
  return "\"" + htmlAttribute(police) + "\"";
}

}  // namespace

platform::LineList pageIndexUnique(const EntreesPageUnique& e,
                                   const platform::DataFolder& donnees) {
  platform::LineList page = e.entete;
  page.add("<script SRC=\"menujs.js\"></script>");
  page.add("<link rel=\"stylesheet\" type=\"text/css\" href=\"menucss.css\">");
  page.add("<link rel=\"stylesheet\" type=\"text/css\" href=\"accueil.css\">");
  page.add("</HEAD>");
  page.add(e.commentaireVersion);
  page.add(e.cadre);
  page.add("<tr><td width=\"" + platform::fromInteger(e.largeurColonneMenu) + "\" height=\"" +
           htmlAttribute(e.hauteur_frame) + "\" valign=\"top\" nowrap " + attributsMenu(e) + ">");
  page.add(espaceur(e.esp_M));
  // The shop's own menu is never written to the data folder: it is framed from ftp/.
  if (e.menuPropre)
    page.add("<IFRAME name=\"menu\" src=\"menu.htm\" framespacing=0 border=0 width=\"" +
             platform::fromInteger(e.largeurColonneMenu) + "\" height=\"" +
             htmlAttribute(e.hauteur_frame) + "\" frameborder=0></IFRAME>");
  else
    page.add(platform::loadIfPresent(donnees, "menu.htm"));
  page.add("</td><td width=\"100%\" height=\"100%\" valign=\"top\">");
  page.add(espaceur(e.esp_P));
  if (e.accueilHTM != "oui")
    page.add(platform::loadIfPresent(donnees, "ftp/accueil_iframe.htm"));
  else
    page.add(cadreAccueil("100%", e.accueilHf));
  page.add("</td></tr></table>");
  page.add(barreCategories(donnees));
  page.add("<center>");
  if (!e.copyright.empty())
    page.add("<font face=" + face(e.police_defaut) + " size=1 color=\"" +
             htmlAttribute(e.couleur_copyr) + "\">&copy; " + e.copyright + "</font>&nbsp;");
  page.add("<a href=\"" + htmlAttribute(e.adresseCredit) +
           "\"><font face=\"verdana\" size=1 color=\"" + htmlAttribute(e.coul_liens) +
           "\">Tarvio</font></a></center>");
  page.add("</BODY></HTML>");
  return page;
}

platform::LineList pageAccueilEncadre(const EntreesPageUnique& e,
                                      const platform::DataFolder& donnees) {
  platform::LineList page;
  page.add(platform::loadIfPresent(donnees, "ftp/skinrech.txt"));
  page.add(cadreAccueil(e.accueilLf, e.accueilHf));
  page.add("</td></tr></table>");
  if (e.menubp_c != "non") page.add(barreCategories(donnees));
  page.add("</BODY></HTML>");
  return page;
}

platform::LineList cadreUnique(const std::string& titre, const std::string& principal) {
  return {"<HTML>",
          "<HEAD>",
          platform::kCharsetMeta,
          "<TITLE>" + titre + "</TITLE>",
          "</HEAD>",
          "<frameset cols=\"0,*\">",
          "<frame name=\"blank\" noresize>",
          "<frame name=\"principal\" src=\"" + htmlAttribute(principal) + "\" noresize>",
          "</frameset>",
          "</HTML>"};
}

void ecrirePagesUniques(const EntreesPageUnique& e, const platform::DataFolder& donnees) {
  // A failed copy of the background image is passed over; the cell still names it.
  if (!e.image_menu.empty() && donnees.exists("fonds/" + e.image_menu))
    platform::copyFile(donnees.path("fonds/" + e.image_menu), donnees.path("ftp/" + e.image_menu),
                       false);
  pageIndexUnique(e, donnees).save(donnees.path("ftp/index.htm"));
  if (e.accueilHTM == "oui") pageAccueilEncadre(e, donnees).save(donnees.path("ftp/accueil2.htm"));
  cadreUnique("index2", "index.htm").save(donnees.path("ftp/index2.htm"));
  cadreUnique("index3", e.pageFiche).save(donnees.path("ftp/index3.html"));
}

}  // namespace frame
