// The pieces of a catalogue list page: the product index, the theme side list, the page-number
// list and the theme list of the category, placed in the page with its head, frame, bars and
// footer around the cards.

#include <algorithm>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/pages/data.h"
#include "fenetres/pages/ecrivain_pages.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/texte_prix.h"
#include "modele/app/web.h"
#include "modele/pages/ecrivain_fond.h"
#include "modele/pages/empreintes_pages.h"
#include "modele/pages/pages_index.h"
#include "platform/charset.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/text.h"

namespace pages {

namespace {

using Lignes = std::vector<std::string>;

std::string attr(std::string_view valeur) { return platform::htmlAttribute(valeur); }

void ajouter(Lignes& a, const Lignes& b) { a.insert(a.end(), b.begin(), b.end()); }

// A side-list line "<text A>|<reference>||<text B>#<target>".
struct LigneLaterale {
  std::string texte, reference, cible;
};
std::optional<LigneLaterale> lireLaterale(const std::string& ligne) {
  const size_t diese = ligne.find('#');
  if (diese == std::string::npos) return std::nullopt;
  const std::string avant = ligne.substr(0, diese);
  LigneLaterale l;
  l.cible = ligne.substr(diese + 1);
  const size_t barre = avant.find('|');
  if (barre == std::string::npos) {
    l.texte = platform::trim(avant);
    return l;
  }
  const size_t double_ = avant.find("||", barre + 1);
  const std::string texteA = avant.substr(0, barre);
  const std::string texteB = double_ == std::string::npos ? "" : avant.substr(double_ + 2);
  l.reference =
      avant.substr(barre + 1, (double_ == std::string::npos ? avant.size() : double_) - barre - 1);
  l.texte = platform::trim(texteA + texteB);
  return l;
}

}  // namespace

std::string cleCategorie(std::string_view categorie) {
  return platform::lowerAscii(platform::trim(categorie));
}

EcrivainPages::EcrivainPages(app::Programme& p, Construction& c)
    : p_(p), c_(c), o_(c.options), s_(p.styleP()) {
  police_ = o_.police_defaut;
  if (!s_.couleur_liens.empty()) {
    ouvreCouleur_ = "<font color=\"" + attr(s_.couleur_liens) + "\">";
    fermeCouleur_ = "</font>";
  }
  cadres_ = p.main().options.frames == "oui";
  chargerTitresPromo();
}

void EcrivainPages::chargerTitresPromo() {
  promo_.police = police_;
  promo_.couleur = s_.couleur_liens;
  auto reglages = c_.dossier.lire("promo_titres.ini");
  if (!reglages) return;
  for (auto [cle, champ] : {std::pair{"police", &TitresPromo::police},
                            {"gras", &TitresPromo::gras},
                            {"size", &TitresPromo::size},
                            {"image", &TitresPromo::image},
                            {"couleur", &TitresPromo::couleur}}) {
    std::string valeur = reglages->value(cle);
    if (!platform::trim(valeur).empty()) promo_.*champ = valeur;
  }
  auto titres = c_.dossier.lire("promo_titres.prx");
  if (!titres) return;
  promo_.charges = true;
  for (const std::string& ligne : *titres) {
    std::string t = platform::trim(ligne);
    // Without ")" there is nothing to cut: a broken weight group stays a title of its own
    // rather than turning into the empty title that marks everything.
    const size_t fin = t.find(')');
    if (platform::contains(t, "(w:") && fin != std::string::npos)
      t = platform::trim(std::string_view(t).substr(fin + 1));
    if (t.empty()) {
      promo_.titreVide = true;
      continue;
    }
    promo_.plusLong = std::max(promo_.plusLong, t.size());
    promo_.titres.insert(platform::lowerAscii(t));
  }
}

const std::optional<Lignes>& EcrivainPages::fichierCache(const std::string& nom) {
  auto [place, nouveau] = fichiers_.try_emplace(platform::foldFileName(nom));
  if (nouveau) place->second = lignesFichier(nom);
  return place->second;
}

std::optional<Lignes> EcrivainPages::lignesFichier(const std::string& nom) {
  auto lignes = c_.dossier.lire(nom);
  if (!lignes) return std::nullopt;
  return lignes->lines();
}

Lignes EcrivainPages::celluleTitre(const std::string& texte) const {
  if (o_.menu_titresR != "oui")
    return {"<td nowrap>", "<font ID=\"fond\" face=" + police_ + " color=\"" +
                               attr(o_.titre_rappel) + "\" size=" + o_.menu_taille_T + ">&nbsp;" +
                               texte + "&nbsp;</font><br>"};
  return {"<td>", "<table border=0 cellpadding=0 cellspacing=0><td bgcolor=\"" +
                      attr(o_.fond_rappel) + "\"><font face=" + police_ +
                      " color=" + o_.titre_rappel + " size=" + o_.menu_taille_T + ">" + texte +
                      "</font></td></tr></table>"};
}

const Lignes* EcrivainPages::lignesNth(const DerniereFiche& f) const {
  if (f.categorie.empty()) return nullptr;
  auto it = c_.listesLaterales.find(
      platform::foldFileName(f.categorie + c_.sep + platform::trim(f.theme) + ".nth"));
  return it == c_.listesLaterales.end() ? nullptr : &it->second;
}

const Lignes& EcrivainPages::liensLateraux(const std::string& cle, const Lignes& nth) {
  auto [place, nouveau] = liens_.try_emplace(cle);
  if (!nouveau) return place->second;
  Lignes& liens = place->second;
  const bool internes = s_.liens_internes == "oui";
  const bool survol = o_.vig_visual == "oui";
  const std::string cote = o_.menu_titres == "gauche" ? "oui" : "non";
  std::string ciblePrecedente;
  int position = 0;
  for (const std::string& brute : nth) {
    auto l = lireLaterale(brute);
    if (!l) continue;
    position = l->cible == ciblePrecedente && position > 0 ? position + 1 : 1;
    ciblePrecedente = l->cible;
    std::string cible = l->cible;
    // The card's anchor on its page is its line number there.
    if (internes) cible += "#" + std::to_string(position);
    std::string ouvre = ouvreCouleur_, ferme = fermeCouleur_;
    std::string texte = l->texte, survolLien;
    if (survol && texte.find(']') != std::string::npos) {
      const size_t crochet = texte.find(']');
      const std::string image = texte.substr(0, crochet);
      texte = platform::trim(std::string_view(texte).substr(crochet + 1));
      survolLien = " onmouseover=\"cache();voir('roll','" + attr(platform::jsString(image, '\'')) +
                   "','" + cote + "');\" onmouseout=\"cache();\"";
    }
    const std::string reference = platform::trim(l->reference);
    if (c_.listeNouveautes.count(reference))
      ouvre = "<IMG SRC=\"" + attr(c_.puceNouveaute) + "\" border=0>" + ouvre;
    auto puce = c_.pucesFiches.find(platform::foldFileName(l->reference + ".ref"));
    if (puce != c_.pucesFiches.end())
      ouvre = "<IMG SRC=\"" + attr(puce->second) + "\" border=0>" + ouvre;
    if (promo_.charges && promo_.correspond(texte)) {
      ouvre = (promo_.image.empty() ? "" : "<IMG SRC=\"" + attr(promo_.image) + "\" border=0>") +
              "<font face=\"" + attr(promo_.police) + "\" color=\"" + attr(promo_.couleur) +
              "\" size=\"" + attr(promo_.size) + "\">" + (promo_.gras == "oui" ? "<b>" : "");
      ferme = promo_.gras == "oui" ? "</b></font>" : "</font>";
    }
    liens.push_back("<A HREF=\"" + attr(cible) + "\" target=\"_self\"" + survolLien + ">" + ouvre +
                    "<u>" + texte + "</u>" + ferme + "</A><br>");
  }
  return liens;
}

Lignes EcrivainPages::listeLaterale(const DerniereFiche& f) {
  Lignes liste{"<table border=0 cellspacing=0 cellpadding=0>", "<tr valign=\"top\">"};
  ajouter(liste, celluleTitre(f.theme));
  liste.push_back("<font face=" + police_ + " size=" + o_.menu_tailles + ">");
  if (const Lignes* nth = lignesNth(f))
    ajouter(liste,
            liensLateraux(platform::foldFileName(f.categorie + c_.sep + platform::trim(f.theme)),
                          *nth));
  liste.push_back("</font><br>");
  return liste;
}

Lignes EcrivainPages::listeNumeros(const DerniereFiche& f, size_t& nombre) {
  Lignes cibles;
  if (const Lignes* nth = lignesNth(f)) {
    std::string precedente;
    bool premiere = true;
    for (const std::string& brute : *nth) {
      auto l = lireLaterale(brute);
      if (!l) continue;
      if (premiere || l->cible != precedente) cibles.push_back(l->cible);
      premiere = false;
      precedente = l->cible;
    }
  }
  nombre = cibles.size();
  Lignes liste{"<table border=0 cellspacing=0 cellpadding=0>", "<tr valign=\"top\">", "<td nowrap>",
               "<font ID=\"fond\" face=" + police_ + " color=\"" + attr(o_.titre_rappel) +
                   "\" size=" + o_.menu_taille_T + ">&nbsp;" + f.theme + "&nbsp;</font><br>",
               "<font face=" + police_ + " size=" + o_.menu_tailles + ">"};
  for (size_t k = 0; k < cibles.size(); ++k)
    liste.push_back("<A HREF=\"" + attr(cibles[k]) + "\" target=\"_self\">" + ouvreCouleur_ +
                    "<u>Page " + std::to_string(k + 1) + "</u>" + fermeCouleur_ + "</A><br>");
  liste.push_back("</font><br>");
  return liste;
}

Lignes EcrivainPages::listeThemes(const DerniereFiche& f, size_t& nombre) {
  const std::string cle = cleCategorie(f.categorie);
  auto [place, nouveau] = themesCategorie_.try_emplace(cle);
  if (nouveau) {
    for (const std::string& ligne : c_.indexThemes) {
      EntreeIndexTheme e;
      if (!lireIndexTheme(ligne, e) || cleCategorie(e.categorie) != cle) continue;
      place->second.push_back("<A HREF=\"" + attr(platform::trim(e.cible)) +
                              "\" target=\"_self\"><font face=\"" + attr(police_) +
                              "\" size=" + o_.menu_tailles + "><u>" + ouvreCouleur_ + e.theme +
                              fermeCouleur_ + "</u></font></A><br>");
    }
  }
  nombre = place->second.size();
  Lignes liste{"<table border=0 cellspacing=0><tr valign=\"top\">"};
  ajouter(liste, celluleTitre(f.categorie));
  ajouter(liste, place->second);
  liste.push_back("<br>");
  return liste;
}

std::string EcrivainPages::titre(size_t index, const DerniereFiche& f) {
  std::string titre =
      o_.titleinv == "oui" ? f.theme + " " + f.categorie : f.categorie + " " + f.theme;
  if (const auto& lignes = fichierCache("titre.inf")) {
    size_t n = 0;
    for (const std::string& l : *lignes)
      if (!platform::trim(l).empty()) ++n;
    if (n > 0) {
      const size_t dernier = c_.listePages.size() - 1;
      size_t i = dernier == 0 ? 0 : index * n / dernier;
      if (i > n - 1) i = n - 1;
      const std::string extra = i < lignes->size() ? platform::trim((*lignes)[i]) : "";
      if (!extra.empty()) {
        if (o_.suppinv.empty())
          titre += " " + extra;
        else if (o_.suppinv == "oui")
          titre = extra + " " + titre;
      }
    }
  }
  auto joindre = [](const std::optional<Lignes>& lignes) {
    std::string texte;
    if (!lignes) return texte;
    for (const std::string& l : *lignes) {
      const std::string t = platform::trim(l);
      if (!t.empty()) texte += (texte.empty() ? "" : " ") + t;
    }
    return texte;
  };
  const std::string propre = joindre(lignesFichier(f.reference + ".inf"));
  if (!propre.empty()) titre = propre;
  const std::string commun = joindre(fichierCache("titres.inf"));
  if (!commun.empty()) titre = commun;
  return titre;
}

void EcrivainPages::tete(Lignes& page, size_t index, const DerniereFiche& f) {
  page.push_back("<HTML>");
  page.push_back("<HEAD>");
  page.push_back(platform::kCharsetMeta);
  std::string description;
  if (const auto& lignes = fichierCache("tmp/" + f.categorie + ".txt")) {
    for (size_t i = 0; i < lignes->size(); ++i) description += (i ? " " : "") + (*lignes)[i];
    description = platform::trim(description);
  }
  page.push_back("<TITLE>" + titre(index, f) + "</TITLE>");
  if (!description.empty())
    page.push_back("<meta name=\"description\" content=\"" + attr(description) + "\">");
  page.push_back("<meta name=\"robots\" content=\"index, follow, all\">");
  if (o_.ajouter_js == "oui")
    if (const auto& script = fichierCache("script.txt")) ajouter(page, *script);
  ajouter(page, {"<STYLE TYPE=\"text/css\">", "#fond {background-color: " + o_.fond_rappel + ";}",
                 "</STYLE>"});

  std::string couleur = s_.fond_page, image = s_.image_page, fixe = s_.fixe_page;
  if (const auto& fond = fichierCache("tmp/" + f.categorie + ".fnd")) {
    const platform::LineList l(*fond);
    const std::string couleurCategorie = platform::trim(l.value("fond_page"));
    const std::string imageCategorie = platform::trim(l.value("image_page"));
    fixe = platform::trim(l.value("fixe_page"));
    // A colour of the category replaces the site's background whole; an image alone keeps the
    // site's colour under it.
    if (!couleurCategorie.empty()) {
      couleur = couleurCategorie;
      image.clear();
    } else if (!imageCategorie.empty()) {
      image = imageCategorie;
    }
  }
  std::string fondPage = couleur.empty() ? "" : couleur + " ";
  if (!image.empty()) {
    fondPage += "url(" + image + ") ";
    if (c_.copiesFtp.insert("fonds/" + platform::foldFileName(image)).second)
      c_.dossier.copier("fonds/" + image, "ftp/" + image);
  }
  if (fixe == "oui") fondPage += "fixed";
  if (!fondPage.empty())
    ajouter(page, {"<STYLE TYPE=\"text/css\">", "<!--", "BODY {background: " + fondPage + ";}",
                   "// -->", "</STYLE>"});
  if (!o_.coul_scroll.empty())
    ajouter(page, {"<STYLE TYPE=\"text/css\">", "<!--",
                   "BODY {scrollbar-base-color: " + o_.coul_scroll + ";}", "// -->", "</STYLE>"});

  const std::string nom = c_.listePages[index].substr(0, c_.listePages[index].find('.'));
  if (cadres_) {
    ajouter(page, pages::scriptReframe(nom + ".htm"));
  } else {
    // Kept as the cart server has always received it.
    ajouter(page, {"<script language=\"JavaScript\">",
                   "function getCookie( name )",
                   "{",
                   "var debut = document.cookie.indexOf( name );",
                   "\tif( debut == -1 )\treturn null;",
                   "var fin = document.cookie.indexOf( \";\", debut+name.length+1 );",
                   "\tif( fin == -1 ) fin = document.cookie.length;",
                   "\treturn unescape( document.cookie.substring( debut+name.length+1, fin ) );",
                   "}",
                   "var track=getCookie(\"track\");",
                   "if (track==\"null\") {track=\"\";}",
                   "</script>"});
  }
  if (o_.vig_visual == "oui")
    ajouter(page, {"<script language=\"javascript\">",
                   "var calque;",
                   "var coorx;",
                   "var coory;",
                   "function ie() {",
                   "\tvar f=window.event;",
                   "\tcoory = f.y;",
                   "\tcoorx = f.x;",
                   "}",
                   "function ns(e) {",
                   "\tx=e.x; y=e.y;",
                   "\tcoory = e.pageY;",
                   "\tcoorx = e.pageX;",
                   "}",
                   "function Init() {",
                   "if (document.captureEvents)",
                   "{",
                   "document.captureEvents(Event.MOUSEMOVE);",
                   "document.onmousemove = ns",
                   "}",
                   "else",
                   "document.onmousemove= ie;",
                   "}",
                   "function voir (nom,src,menu_gaucheV) {",
                   "document.images[nom].src=src;",
                   "calque = document.getElementById(\"menu1\").style;",
                   "calque.visibility = 'visible';",
                   "calque.top = (coory - " + o_.vscrolly + " + document.body.scrollTop);",
                   "calque.left = (coorx - " + o_.vscrollx + ");",
                   "if (menu_gaucheV=='oui') {calque.left = (coorx + " + o_.vscrollx + ");}",
                   "}",
                   "function cache () {",
                   "calque = document.getElementById(\"menu1\").style;",
                   "calque.visibility = 'hidden';",
                   "}",
                   "Init();",
                   "</script>"});
  page.push_back("</HEAD>");
  if (cadres_) {
    page.push_back(
        "<BODY OnLoad=\"reframe()\" Marginwidth=0 marginheight=0 leftmargin=0 topmargin=8>");
  } else {
    // Nothing in the frame depends on the page: it is built once for the whole build.
    if (!cadrePage_) {
      cadrePage_ = p_.main().ecrireCadrePage().lines();
    }
    ajouter(page, *cadrePage_);
  }
}

Lignes EcrivainPages::page(size_t index, const DerniereFiche& f, Lignes cartes,
                           bool styleCarteTableau, const std::string& referenceCarte,
                           std::string& nomSortie) {
  // --- the navigation blocks beside the cards ---
  Lignes laterale = listeLaterale(f);
  std::string menuTitres = styleCarteTableau ? "" : o_.menu_titres;
  const bool gauche = menuTitres == "gauche";
  const bool tableau = styleCarteTableau || gauche;
  bool carteTableau = styleCarteTableau;

  Lignes numeros;
  if (tableau) {
    size_t nombre = 0;
    numeros = listeNumeros(f, nombre);
    if (gauche) nombre = 2;
    if (nombre <= 1) {
      numeros.clear();
      carteTableau = false;
    } else {
      bool viderApres = false;
      if (gauche) {
        if (o_.theme_enpremier != "oui")
          numeros = laterale;
        else
          viderApres = true;
      }
      numeros.push_back("</td></tr></table>");
      if (viderApres) numeros.clear();
    }
    if (o_.theme_enpremier == "oui" && carteTableau) {
      laterale = numeros;
      numeros.clear();
    }
  }

  size_t nombreThemes = 0;
  Lignes themes = listeThemes(f, nombreThemes);
  if (gauche) {
    if (nombreThemes < 2) {
      // For the rest of this build only: the options as loaded are left alone.
      o_.theme_enpremier = "oui";
      themes.clear();
    }
    if (o_.theme_enpremier == "oui") {
      ajouter(themes, laterale);
      if (nombreThemes >= 2) themes.push_back("</td></tr></table>");
    }
  }
  if (carteTableau && o_.theme_enpremier == "oui") ajouter(themes, laterale);
  themes.push_back("</td></tr>");
  const std::string slugCategorie = app::nomURL(f.categorie, c_.sep);
  if (const auto& gaucheTexte = fichierCache(slugCategorie + ".txt")) {
    themes.push_back("<tr><td>");
    ajouter(themes, *gaucheTexte);
    themes.push_back("</td></tr>");
  }
  themes.push_back("</table>");

  // --- the page ---
  Lignes page;
  tete(page, index, f);

  const std::string& entree = c_.listePages[index];
  bool multi = false;
  if (c_.nouveautesActives) {
    for (const std::string& m : p_.data1().multiL.items())
      if (platform::trim(m) == referenceCarte) multi = true;
  }
  const bool nouveauteSimple =
      c_.nouveautesActives && c_.fichierMulti.empty() && referenceCarte == "newprod";
  // A new-products page is a template: its products are put in later, where its marker line is.
  const bool nouveautes = nouveauteSimple || multi;

  page.push_back("<!-- marqueur liste rapide haut -->");
  const bool fleches = s_.flecheTC.checked();
  const std::string deuxFleches =
      "<IMG ALT=\"\" SRC=\"fleche.gif\" WIDTH=5 HEIGHT=9 BORDER=0><IMG ALT=\"\" SRC=\"fleche.gif\" "
      "WIDTH=5 HEIGHT=9 BORDER=0>";
  const std::string suite = suivante(index);
  if (!nouveautes) {
    if (o_.vig_visual == "oui")
      page.push_back(
          "<div id=\"menu1\" style=\"position:absolute; z-index:2; visibility:hidden;\">"
          "<img src=\"pix1x1.gif\" name=\"roll\" border=\"1\"></div>");
    ajouter(page, {"<a name=\"haut_page\"></a>",
                   "<TABLE border=0 cellpadding=2 cellspacing=0 width=\"100%\">", "<TR>",
                   "<td colspan=2 nowrap>"});
    if (fleches) {
      page.push_back(deuxFleches);
      copierFtp("fleche.gif");
    }
    page.push_back("<a href=\"themes_" + attr(c_.prefixeArticles) +
                   ".html\" target=\"_self\"><font face=" + police_ + " size=" +
                   s_.plan_sizeP.text() + "><b><u>" + ouvreCouleur_ + s_.completeP.text() +
                   fermeCouleur_ + "</u></b></font></a>&nbsp;&nbsp;&nbsp;</td>");
    page.push_back(s_.themes_c == "oui" ? "<td align=\"center\">" : "<td align=\"left\">");
    const std::string couleurCat = s_.couleur_cat.empty() ? "gray" : s_.couleur_cat;
    const std::string couleurTheme = s_.couleur_theme.empty() ? "black" : s_.couleur_theme;
    page.push_back("<font face=" + police_ + " size=" + o_.menu_taille_V + " color=\"" +
                   attr(couleurCat) + "\"><b>" + f.categorie + "</b></font>");
    page.push_back("&nbsp;<font face=" + police_ + " size=" + o_.menu_taille_V + " color=\"" +
                   attr(couleurTheme) + "\"><b>" + f.theme + "</b></font></td>");
    const std::string a = fleches ? deuxFleches : "";
    if (!gauche) {
      page.push_back("<td colspan=2>" + a);
    } else {
      page.push_back("<td>&nbsp;</td>");
      page.push_back("<td align=\"center\" nowrap>" + a);
    }
    page.push_back("<a href=\"" + attr(suite) + ".htm\" target=\"_self\"><font face=\"" +
                   attr(police_) + "\" size=" + o_.menu_taille_S + "><b><u>" + ouvreCouleur_ +
                   s_.suiteP.text() + fermeCouleur_ + "</u></b></font></a>");
    page.push_back("</td></tr>");

    page.push_back("<tr valign=\"top\">");
    page.push_back("<td>");
    if (tableau) ajouter(page, numeros);
    ajouter(page, themes);
    page.push_back("</td>");
    page.push_back("<td>&nbsp;</td>");

    page.push_back(tableau ? "<td colspan=2 align=\"center\">" : "<td align=\"center\">");
    page.insert(page.end(), std::make_move_iterator(cartes.begin()),
                std::make_move_iterator(cartes.end()));
    page.push_back("</td>");

    const auto& droite = fichierCache(slugCategorie + "d.txt");
    if (!tableau) {
      ajouter(page, {"<td>&nbsp;</td>", "<td>"});
      ajouter(page, laterale);
      ajouter(page, {"</td>", "</tr>"});
      if (droite) {
        page.push_back("<tr><td>");
        ajouter(page, *droite);
        page.push_back("</td></tr>");
      }
      ajouter(page, {"</table>", "</td>"});
    } else if (droite) {
      page.push_back("<td>");
      if (!droite->empty()) {
        ajouter(page, *droite);
        page.push_back("</td></tr>");
      }
    }

    if (tableau) page.push_back("</tr>");
    copierFtp("flecheH.gif");
    page.push_back(tableau ? "<tr><td colspan=2>&nbsp;</td>" : "<tr><td colspan=2>");
    page.push_back(
        std::string(tableau ? "<td align=\"center\" colspan=2>" : "<td align=\"center\">") +
        "<a href=\"#haut_page\" target=\"_self\"><font face=\"" + attr(police_) + "\" size=1><i>" +
        s_.hautP.text() + "</i></font></a>");
    if (s_.suivante == "oui") {
      copierFtp("fleche.gif");
      page.push_back("&nbsp;<a href=\"" + attr(suite) + ".htm\" target=\"_self\"><font face=\"" +
                     attr(police_) + "\" size=" + o_.menu_tailles + "><i>" + s_.suiteP.text() +
                     "</i></font></a>");
    }
    page.push_back("<td colspan=2></td></td></tr></table>");
  }

  if (c_.nouveautesActives) {
    if (nouveauteSimple) page.push_back("***  NEWPROD=" + entree);
    if (!c_.fichierMulti.empty() && c_.dossier.existe(c_.fichierMulti))
      for (const std::string& m : p_.data1().multiL.items())
        if (platform::trim(m) == referenceCarte)
          page.push_back("***  " + referenceCarte + "=" + entree);
  }

  const auto& catego = fichierCache("catego.txt");
  auto barre = [&] {
    if (!catego) return;
    page.push_back("<center><table border=0 width=\"100%\"><tr><td align=\"center\">");
    ajouter(page, *catego);
    page.push_back("</td></tr></table></center>");
  };
  const std::string copyright = p_.main().copyE.text();
  const std::string couleurCopyr = s_.couleur_copyr.empty() ? "navy" : s_.couleur_copyr;
  if (cadres_) {
    barre();
    if (!copyright.empty())
      page.push_back("<center><font face=" + police_ + " size=1 color=\"" + attr(couleurCopyr) +
                     "\">&copy; " + copyright + "</font></center>");
  }
  if (p_.main().pubPC.checked())
    if (const auto& pub = fichierCache("pub3_pub.opt"); pub && !pub->empty()) {
      page.push_back("<BR>");
      ajouter(page, *pub);
    }
  if (!cadres_) {
    page.push_back("</td></tr></table>");
    barre();
    page.push_back("<center>");
    if (!copyright.empty())
      page.push_back("<font face=" + police_ + " size=1 color=\"" + attr(couleurCopyr) +
                     "\">&copy; " + copyright + "</font>&nbsp;");
    const std::string couleurCredit = o_.cartouche_couleur.empty() ? "navy" : o_.cartouche_couleur;
    page.push_back(std::string("<a href=\"") + app::web::kSite +
                   "\"><font face=\"verdana\" size=1 color=\"" + attr(couleurCredit) +
                   "\">Tarvio</font></a>");
    if (fichierCache("ref.ini"))
      page.push_back(
          "<a href=\"ref.html\"><font face=\"verdana\" size=1 color=\"gray\">ref.html</a>");
    page.push_back("</center>");
  }
  ajouter(page, {"</BODY>", "</HTML>"});

  nomSortie = entree.substr(0, entree.find('.'));
  if (nouveauteSimple)
    nomSortie = "NEWPROD";
  else if (multi)
    nomSortie = referenceCarte + "NEWPROD";
  return page;
}

}  // namespace pages
