#include "fenetres/frame/index_cadres.h"

#include <algorithm>
#include <string>
#include <vector>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/catal_index.h"
#include "fenetres/frame/voir_menu.h"
#include "modele/frame/bon_commande.h"
#include "modele/frame/cadre_page.h"
#include "platform/charset.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/text.h"

namespace frame {

namespace {

// Characters debut to debut + n - 1 (from 1) of a text, as far as the text goes.
std::string caracteres(const std::string& texte, size_t debut, size_t n) {
  if (debut - 1 >= texte.size()) return {};
  return texte.substr(debut - 1, n);
}

// dd/mm/yy as 20yymmdd, the characters taken as they stand.
std::string dateMeta(const std::string& texte) {
  return "20" + caracteres(texte, 7, 2) + caracteres(texte, 4, 2) + caracteres(texte, 1, 2);
}

std::string meta(const char* nom, const std::string& contenu) {
  return std::string("<meta name=\"") + nom + "\" content=\"" + platform::htmlAttribute(contenu) +
         "\">";
}

// The lines of an optional file of the data folder.
void ajouterFichier(platform::LineList& page, const platform::DataFolder& donnees,
                    const char* nom) {
  if (donnees.exists(nom)) page.add(platform::LineList::load(donnees.path(nom)));
}

std::string joindre(const std::vector<std::string>& morceaux, const char* separateur) {
  std::string texte;
  for (size_t i = 0; i < morceaux.size(); ++i) {
    if (i > 0) texte += separateur;
    texte += morceaux[i];
  }
  return texte;
}

struct SourcesCadres {
  std::string top, menu, principal;
};

SourcesCadres sourcesCadres(app::Programme& p, bool pageProduit) {
  SourcesCadres s;
  s.menu = p.menu1().options.menuHTM == "oui" ? "menu.htm" : "menu2.htm";
  s.top = pageTop(p.main().options.options.TOP_distant, p.menu1().options.topHTM);
  if (pageProduit)
    s.principal = p.main().pageFiche;
  else
    s.principal = p.main().accueilHTM == "oui" ? "accueil.htm" : "accueil2.htm";
  return s;
}

// The body for browsers without frames, in ftp/index.htm only.
void corpsSansCadres(app::Programme& p, platform::LineList& page, const SourcesCadres& s,
                     bool ligneHaut) {
  const app::Tmain& main = p.main();
  const app::TOptionsProgramme& o = main.options.options;
  const platform::DataFolder& donnees = p.donnees();
  using platform::htmlAttribute;
  page.add("<noframes>");
  page.add("<body>");
  if (ligneHaut) ajouterFichier(page, donnees, "indexh.txt");
  page.add("<a href=\"" + htmlAttribute(s.principal) + "\">" +
           (o.accueil_titre.empty() ? std::string("Page d'accueil") : o.accueil_titre) +
           "</a><br>");
  ajouterFichier(page, donnees, "catego.txt");
  ajouterFichier(page, donnees, "index.txt");
  page.add("<a href=\"" + htmlAttribute(s.menu) + "\">" +
           (o.menu_titre.empty() ? std::string("menu") : o.menu_titre) + "</a><br>");
  page.add("<a href=\"" + htmlAttribute(s.top) + "\">" +
           (o.menuh_titre.empty() ? std::string("top") : o.menuh_titre) + "</a><br>");
  page.add(main.titreE.text() + "<br>");
  if (!main.descriptionM.lines().empty())
    page.add(joindre(main.descriptionM.lines().lines(), "") + "<br>");
  if (ligneHaut) page.add(joindre(main.motsL.items(), ",") + "<br>");
  page.add("</body>");
  page.add("</noframes>");
}

void frameset(app::Programme& p, platform::LineList& page, const SourcesCadres& s,
              const ValeursCadres& v, bool sansCadres) {
  using platform::htmlAttribute;
  const design::TstyleP& style = p.styleP();
  const std::string lignes = "<FRAMESET frameborder=0 framespacing=0 border=0 rows=\"" +
                             platform::fromInteger(v.hauteurCadreTop) + ",*\">";
  const std::string colonnes = "<FRAMESET frameborder=0 framespacing=0 border=0 cols=\"" +
                               platform::fromInteger(v.largeurColonneMenu) + ",*\">";
  const std::string top = "<FRAME SRC=\"" + htmlAttribute(s.top) + "\" NAME=\"top\"" +
                          (style.scrtC.checked() ? ">" : " scrolling=no>");
  const std::string menu = "<FRAME SRC=\"" + htmlAttribute(s.menu) + "\" NAME=\"menu\"" +
                           (style.scrmC.checked() ? ">" : " scrolling=no>");
  const std::string principal =
      "<frame SRC=\"" + htmlAttribute(s.principal) + "\" NAME=\"principal\" noresize>";
  // Any logo_top but "non" (an empty one too) puts the top row across the whole width.
  const bool ligneHaut = p.menu1().options.logo_top != "non";
  if (ligneHaut) {
    page.add(lignes);
    page.add(top);
    page.add(colonnes);
    page.add(menu);
  } else {
    page.add(colonnes);
    page.add(menu);
    page.add(lignes);
    page.add(top);
  }
  page.add(principal);
  if (sansCadres) corpsSansCadres(p, page, s, ligneHaut);
  page.add("</FRAMESET>");
  page.add("</FRAMESET>");
  page.add("</HTML>");
}

}  // namespace

platform::LineList enteteEntree(app::Programme& p) {
  const app::Tmain& main = p.main();
  const platform::DataFolder& donnees = p.donnees();
  platform::LineList page{"<HTML>", "<HEAD>", "<TITLE>" + main.titreE.text() + "</TITLE>"};
  if (donnees.exists("meta-tag.txt")) {
    ajouterFichier(page, donnees, "meta-tag.txt");
    // The shop's own tags replace the generated ones; the encoding is declared unless they do.
    const bool declare = std::any_of(page.begin(), page.end(), [](const std::string& l) {
      return platform::contains(platform::lowerAscii(l), "charset=");
    });
    if (!declare) page.insert(2, platform::kCharsetMeta);
  } else {
    if (!main.descriptionM.lines().empty())
      page.add(meta("description", joindre(main.descriptionM.lines().lines(), "")));
    if (!main.motsL.items().empty()) page.add(meta("keywords", joindre(main.motsL.items(), ",")));
    page.add(meta("robots", "index, follow, all"));
    page.add(meta("distribution", "Global"));
    page.add(meta("Date-Creation-yyyymmdd", dateMeta(main.dateCE.text())));
    page.add(meta("Date-Revision-yyyymmdd", dateMeta(main.dateRE.text())));
    page.add(meta("revisit-after", main.visiteE.text()));
    page.add(platform::kCharsetMeta);
    page.add("<meta http-equiv=\"Content-Language\" content=\"" +
             platform::htmlAttribute(main.langueE.text()) + "\">");
    page.add(meta("author", main.auteurE.text()));
    const std::string& email = p.ident().identite.email;
    page.add(meta("reply-to", email));
    page.add(meta("owner", email));
    page.add(meta("category", main.catE.text()));
    page.add(meta("distribution", "global"));
    page.add(meta("rating", "general"));
  }
  ajouterFichier(page, donnees, "meta.txt");
  return page;
}

std::string commentaireVersion(app::Programme& p) {
  return "<!-- Tarvio " + p.main().Version.caption() + "-->";
}

platform::LineList scriptPanier(app::Programme& p) {
  const app::Tmain& main = p.main();
  if (!main.catalC.checked()) return {};
  const Tcatal_ini& catal = p.catal_ini();
  const std::string transport = frame::montantPort(catal.publiees(), p.ident().identite.dev1);
  platform::LineList s = frame::scriptGardeCadres();
  s.add(platform::LineList{"<script language=\"JavaScript\">",
          "ma_ref=new Array()",
          "ma_description=new Array()",
          "ma_pu=new Array()",
          "ma_commande=new Array()",
          "ma_quantite=new Array()",
          "mon_transport=\"" + platform::jsString(transport) + "\"",
          "fin=" + platform::fromInteger(main.liste_fiches.count()),
          "</script>"});
  return s;
}

void Tvoir_menu1::faire_index_cadres(ValeursCadres& v) {
  platform::LineList& page = v.pageCadres;

  page.clear();
  page.add(enteteEntree(p_));
  page.add(scriptPanier(p_));
  page.add("</HEAD>");
  page.add(commentaireVersion(p_));
  frameset(p_, page, sourcesCadres(p_, false), v, true);
  page.save(p_.chemin("ftp/index.htm"));

  page.clear();
  page.add(platform::LineList{"<HTML>", "<HEAD>", platform::kCharsetMeta, "<TITLE>index2</TITLE>"});
  page.add(scriptPanier(p_));
  page.add("</HEAD>");
  frameset(p_, page, sourcesCadres(p_, false), v, false);
  page.save(p_.chemin("ftp/index2.htm"));

  page.clear();
  page.add(platform::LineList{"<HTML>", "<HEAD>", platform::kCharsetMeta, "<TITLE>index3</TITLE>"});
  page.add(scriptPanier(p_));
  page.add("</HEAD>");
  frameset(p_, page, sourcesCadres(p_, true), v, false);
  page.save(p_.chemin("ftp/index3.html"));
}

void Tvoir_menu1::importer_index(ValeursCadres& v) {
  app::Tmain& main = p_.main();
  if (!main.importC.checked()) return;
  // Without the page the generated entry pages stay and the run goes on: ticking the box already
  // tells the user when the file is missing.
  if (!p_.donnees().exists("import/index.htm")) return;
  v.pageCadres = platform::LineList::load(p_.chemin("import/index.htm"));
  v.pageCadres.save(p_.chemin("ftp/index.htm"));
  main.options.frames = "oui";
}

}  // namespace frame
