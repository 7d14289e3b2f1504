#include "modele/frame/cadre_page.h"

#include "modele/frame/menu_dynamique_page.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace frame {

std::string pageTop(std::string& TOP_distant, std::string_view topHTM) {
  std::string& distant = TOP_distant;
  distant = platform::trim(distant);
  if (!distant.empty()) return distant;
  return topHTM == "oui" ? "top.htm" : "top2.htm";
}

int largeurColonne(std::string_view largeur_menu) {
  return static_cast<int>(platform::toInteger(largeur_menu).value_or(0)) + 30;
}

std::string transparence(std::string_view image, std::string_view imagePage) {
  return image == imagePage ? "ALLOWTRANSPARENCY=\"true\"" : "";
}

std::string espaceur(std::string_view hauteur) {
  return "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=" + std::string(hauteur) +
         " BORDER=0><br>";
}

namespace {

// The drop-down menu's script of the quick-choice list goes in the menu column when the list is
// shown in the menu and not switched off.
bool scriptRechercheDansMenu(const platform::DataFolder& donnees) {
  if (!donnees.exists("liste_recherche.ini")) return false;
  platform::LineList ini = platform::LineList::load(donnees.path("liste_recherche.ini"));
  return platform::trim(ini.value("desac")) != "oui" && platform::trim(ini.value("menug")) == "oui";
}

}  // namespace

platform::LineList ecrireCadrePage(const EntreesCadrePage& e,
                                   const platform::DataFolder& donnees) {
  using platform::htmlAttribute;
  const design::TOptionsMenu& menu = e.menu;
  const EntreesCadrePage& style = e;
  const EntreesCadrePage& o = e;
  const std::string& top = e.top;
  const std::string W = platform::fromInteger(largeurColonne(menu.largeur_menu));
  // The shop's own menu page is framed as it is: the working copy of the generated drop-down
  // menu would be stale, and menu2.htm is not written for it.
  const bool menuImporte = menu.menuHTM == "oui";
  const bool dynamique = menu.liste_dynamique == "oui" && !menuImporte;

  platform::LineList cadre;
  cadre.add("<BODY Marginwidth=0 marginheight=0 leftmargin=0 rightmargin=0 topmargin=0>");
  const std::string T = transparence(menu.image_top, style.image_page);
  const std::string iframeTop = " src=\"" + htmlAttribute(top) +
                                "\" Marginwidth=0 marginheight=0 width=\"" +
                                htmlAttribute(menu.largeur_frame) + "\" height=\"" +
                                htmlAttribute(menu.hauteur_top) +
                                "\"  scrolling=\"no\" frameborder=0></IFRAME>";
  if (menu.top_centre != "oui")
    cadre.add("<table border=0 cellpadding=0 cellspacing=0 width=\"100%\"><IFRAME " + T +
              iframeTop + "</table>");
  else
    cadre.add(
        "<table border=0 align=\"center\" cellpadding=0 cellspacing=0 width=\"100%\"><tr><td>"
        "<IFRAME  " +
        T + iframeTop + "</td></tr></table>");
  platform::LineList{cadre[0], cadre[1]}.save(donnees.path("ftp/body_top.txt"));

  if (!dynamique && menu.menu_centre == "oui")
    cadre.add("<table border=0 cellpadding=0 cellspacing=0 width=\"100%\">");
  else
    cadre.add("<table border=0 cellpadding=" + o.esp_G +
              " cellspacing=0 width=\"100%\">");

  if (e.cadreSansMenu.empty()) {
    if (!dynamique) {
      cadre.add("<tr><td width=\"" + W + "\" valign=\"top\" align=\"center\" nowrap height=\"100%\">");
      cadre.add("<IFRAME " + transparence(menu.image_menu, style.image_page) + " src=\"" +
                (menuImporte ? "menu.htm" : "menu2.htm") +
                "\" Marginwidth=0 marginheight=0 width=\"" + W + "\" height=\"" +
                htmlAttribute(menu.hauteur_frame) +
                "\"  scrolling=\"no\" frameborder=0></IFRAME><br>");
    } else {
      cadre.add("<link rel=\"stylesheet\" type=\"text/css\" href=\"rech.css\">");
      // A menu image that is the page's own background is left out, here only: the menu options
      // stay as loaded.
      const std::string image = menu.image_menu == style.image_page ? "" : menu.image_menu;
      std::string attributs;
      if (!menu.fond_couleur_menu.empty())
        attributs = " bgcolor=\"" + htmlAttribute(menu.fond_couleur_menu) + "\"";
      if (!image.empty()) attributs = " background=\"" + htmlAttribute(image) + "\"";
      if (menu.menu_centre == "oui")
        cadre.add("<tr><td width=\"" + W + "\" valign=\"top\" align=\"center\" " + attributs +
                  " nowrap height=\"100%\">");
      else
        cadre.add("<tr><td width=\"" + W + "\" valign=\"top\" " + attributs +
                  " nowrap height=\"100%\">");
      cadre.add(espaceur(o.esp_M));
      if (donnees.exists("menu.htm")) {
        for (const std::string& brute : platform::LineList::load(donnees.path("menu.htm"))) {
          std::string ligne = platform::trim(brute);
          if (ligne == kMarqueurMenuDynamique) break;
          cadre.add(std::move(ligne));
        }
      }
      if (scriptRechercheDansMenu(donnees))
        cadre.add("<script SRC=\"recherche_base_gauche.js\"></script>");
      cadre.add("<script SRC=\"menujs.js\"></script>");
      cadre.add("<script SRC=\"menu_dyn.js\"></script>");
      cadre.add("<script SRC=\"menu_dyn_js.js\"></script>");
      if (donnees.exists("menu_fin.txt"))
        cadre.add(platform::LineList::load(donnees.path("menu_fin.txt")));
    }
    cadre.add("</td><td width=\"100%\" height=\"100%\" valign=\"top\"" +
              e.cadreAttributsContenu + ">");
    cadre.add(espaceur(o.esp_P));
  }
  return cadre;
}

}  // namespace frame
