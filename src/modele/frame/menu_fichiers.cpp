#include "modele/frame/menu_fichiers.h"

#include <string>

#include "modele/app/texte_prix.h"
#include "modele/frame/boite_encadree.h"
#include "platform/charset.h"

namespace frame {

namespace {

// "oui" and "non" give the property or its negation; any other value gives nothing.
std::string drapeau(const std::string& valeur, const char* oui, const char* non) {
  if (valeur == "oui") return oui;
  if (valeur == "non") return non;
  return {};
}

}  // namespace

std::string drapeauxCss(const std::string& gras, const std::string& souligne,
                        const std::string& italique) {
  return drapeau(gras, "FONT-WEIGHT: bold; ", "FONT-WEIGHT: normal; ") +
         drapeau(souligne, "TEXT-DECORATION: underline; ", "TEXT-DECORATION: none; ") +
         drapeau(italique, "FONT-STYLE: italic; ", "FONT-STYLE: normal; ");
}

namespace {

// Font, size, colour and background, then the three style flags.
std::string declarations(const std::string& police, const std::string& taille,
                         const std::string& couleur, const std::string& fond,
                         const std::string& gras, const std::string& souligne,
                         const std::string& italique) {
  return "FONT-FAMILY: " + police + "; " + "FONT-SIZE: " + taille + "px; " + "COLOR: " + couleur +
         "; " + "BACKGROUND-COLOR: " + fond + "; " + drapeauxCss(gras, souligne, italique);
}

// The menu's background: the image replaces the colour; "fixed" when asked. The image is copied
// from fonds/ when it is there.
std::string fondMenu(const design::TOptionsMenu& o, const platform::DataFolder& donnees) {
  std::string valeur;
  if (!o.fond_couleur_menu.empty()) valeur = o.fond_couleur_menu + " ";
  if (!o.image_menu.empty()) {
    valeur = "url(" + o.image_menu + ") ";
    const std::string source = "fonds/" + o.image_menu;
    if (platform::safeRelativePath(source) && donnees.exists(source))
      app::copierFichier(donnees.path(source), donnees.path("ftp/" + o.image_menu), false);
  }
  if (o.fixe_menu == "oui") valeur += "fixed";
  return valeur;
}

platform::LineList feuilleStyle(const EntreesMenuGauche& e, const platform::DataFolder& donnees) {
  const design::TOptionsMenu& o = e.menu;
  platform::LineList css;
  css.add(".Astyle{" + e.styleItems + "}");
  for (const char* etat : {"LINK", "VISITED", "ACTIVE"})
    css.add(std::string("A#X_style:") + etat + " {" + e.styleItems + "}");
  if (o.over == "oui") css.add("A#X_style:HOVER{" + e.styleItemsSurvol + "}");
  const std::string fond = fondMenu(o, donnees);
  if (!fond.empty()) {
    if (!e.frames && !o.image_menu.empty() && o.image_menu == e.image_page)
      css.add("BODY {background-color:transparent;}");
    else
      css.add("BODY {background: " + fond + ";}");
  }
  css.add(".t1{");
  css.add(declarationsListes(o));
  css.add("}");
  css.add(".rech{");
  css.add(declarationsRecherche(o));
  css.add("}");
  if (!e.coul_scroll.empty()) css.add("BODY {scrollbar-base-color: " + e.coul_scroll + ";}");
  return css;
}

}  // namespace

std::string declarationsListes(const design::TOptionsMenu& o) {
  return declarations(o.police_items, o.taille_items, o.coul_menu_listes, o.fond_menu_listes,
                      o.gras_items, o.souligne_items, o.italique_items);
}

std::string declarationsRecherche(const design::TOptionsMenu& o) {
  return declarations(o.police_recherche, o.taille_recherche, o.coul_recherche, o.fond_recherche,
                      o.gras_recherche, o.souligne_recherche, o.italique_recherche);
}

const platform::LineList& scriptListes() {
  static const platform::LineList script{
      "CSAg = window.navigator.userAgent;",
      "CSBVers = parseInt(CSAg.charAt(CSAg.indexOf(\"/\")+1),10);",
      "function CSFindElement(n,ly) { if (CSBVers < 4) return document[n];",
      "\tvar curDoc = ly ? ly.document : document; var elem = curDoc[n];",
      "\tif (!elem) { for (var i=0;i<curDoc.layers.length;i++) {",
      "\t\telem = CSFindElement(n,curDoc.layers[i]); if (elem) return elem; }}",
      "\treturn elem;",
      "}",
      "function charge_URL(formName,popupName,target) {",
      "var form  = CSFindElement(formName);",
      "var popup = form.elements[popupName];",
      "var url=popup.options[popup.selectedIndex].value;",
      // No server runs the quick choice's script on a disc: its page there shows the same lists.
      "if (location.protocol==\"file:\") url=url.replace(/^choix_liste\\.php\\?/,\"choix_liste.htm?\");",
      "if (url!=\"x\") {window.open(url, target);}",
      "popup.selectedIndex = 0;",
      "}",
  };
  return script;
}

void fichiersMenu(const EntreesMenuGauche& e, const platform::DataFolder& donnees,
                  EtatMenuGauche& m) {
  const design::TOptionsMenu& o = e.menu;
  if (o.menu_centre == "oui") {
    m.corps.add("</CENTER>");
    m.fin.add("</CENTER>");
  }
  platform::LineList& page = m.page;
  page.add("<HTML>");
  page.add("<HEAD>");
  page.add(platform::kCharsetMeta);
  page.add("<TITLE>" + (e.menu_titre.empty() ? std::string("menu") : e.menu_titre) + "</TITLE>");

  feuilleStyle(e, donnees).save(donnees.path("ftp/menucss.css"));
  page.add("<link rel=\"stylesheet\" type=\"text/css\" href=\"menucss.css\">");
  scriptListes().save(donnees.path("ftp/menujs.js"));
  page.add("<script SRC=\"menujs.js\"></script>");

  page.add("</HEAD>");
  if (e.frames) {
    page.add("<BODY marginheight=2 topmargin=8>");
  } else {
    page.add("<BODY marginheight=0 topmargin=0>");
    page.add(pixel("1", e.esp_M) + "<br>");
  }
  page.add(m.corps);
  page.add("</BODY></HTML>");
  if (donnees.exists("ref.ini")) {
    const std::string lien =
        "<br><center><a href=\"ref.html\" target=\"_top\"><font face=\"verdana\" size=1 "
        "color=\"gray\">ref.html</a></center>";
    m.corps.add(lien);
    m.fin.add(lien);
    page.add(lien);
  }
  page.save(donnees.path("ftp/menu2.htm"));
  m.corps.save(donnees.path("menu.htm"));
  m.fin.save(donnees.path("menu_fin.txt"));
}

}  // namespace frame
