#include "fenetres/frame/apercu.h"

#include <string>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/voir_menu.h"
#include "fenetres/infopages/faire_accueil.h"
#include "fenetres/infopages/fairecv.h"
#include "fenetres/pages/marque_construction.h"
#include "platform/charset.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "ui/services.h"

namespace frame {

namespace {

// The background of the page body: the colour, or the image in its place, then "fixed".
std::string fondPage(const design::TstyleP& style) {
  std::string fond;
  if (!style.fond_page.empty()) fond = style.fond_page + " ";
  if (!style.image_page.empty()) fond = "url(" + style.image_page + ") ";
  if (style.fixe_page == "oui") fond += "fixed";
  return fond;
}

void ecrireEnveloppe(app::Programme& p, const char* fichier, const std::string& ouverture,
                     const platform::LineList& contenu, const std::string& fermeture) {
  app::Tmain& main = p.main();
  const design::TstyleP& style = p.styleP();
  platform::LineList page{"<HTML><HEAD>", platform::kCharsetMeta};
  const std::string fond = fondPage(style);
  if (!fond.empty())
    page.add(platform::LineList{"<STYLE TYPE=\"text/css\">", "<!--",
                                "BODY {background: " + fond + ";}", "// -->", "</STYLE>"});
  page.add("</HEAD>");
  page.add(main.ecrireCadrePage());
  page.add(ouverture);
  page.add(contenu);
  page.add(fermeture);
  page.add("</td></tr></table>");
  if (style.menubp_c != "non" && p.donnees().exists("catego.txt")) {
    page.add("<center><table border=0 width=\"100%\"><tr><td align=\"center\">");
    page.add(platform::LineList::load(p.chemin("catego.txt")));
    page.add("</td></tr></table></center>");
  }
  page.add("</BODY></HTML>");
  page.save(p.chemin(fichier));
}

}  // namespace

EcrivainsApercu ecrivainsApercu(app::Programme& p) {
  return {[&p] { p.faire_accueil().accueilHTM(); }, [&p] { p.voir_menu1().faire_cadres(); },
          [&p] { p.faire_cv1().faire_cv(); }};
}

void ecrireEnveloppes(app::Programme& p) {
  const platform::DataFolder& donnees = p.donnees();
  ecrireEnveloppe(p, "ftp/cvf.htm", "<TABLE BORDER=0 cellpadding=8><tr><td>",
                  platform::loadIfPresent(donnees, "ftp/cv.htm"), "</td></tr></TABLE>");
  ecrireEnveloppe(p, "ftp/emploif.htm", "<TABLE BORDER=0 cellpadding=8 bgcolor=\"white\"><tr><td>",
                  platform::loadIfPresent(donnees, "ftp/emploi.htm"), "</td></tr></TABLE>");
  // The shop's name is a value of the query: an "&" in it must not start another one.
  const std::string securite =
      std::string(p.styleP().securus.checked() ? kPageSecuriteAnglais : kPageSecurite) +
      "?boutique=" + platform::urlQueryValue(p.ident().identite.nomE) + "&frame=oui";
  ecrireEnveloppe(p, "ftp/securf.htm",
                  "<center><br><TABLE BORDER=0 cellpadding=4 bgcolor=\"white\"><tr><td>",
                  {"<IFRAME src=\"" + securite +
                   "\" width=\"700\" height=\"400\" frameborder=0></IFRAME><br>"},
                  "</td></tr></TABLE></center>");
}

void apercuSite(app::Programme& p) { apercuSite(p, ecrivainsApercu(p)); }

void apercuSite(app::Programme& p, const EcrivainsApercu& ecrivains) {
  app::Tmain& main = p.main();
  // The build's request serves this call only, also when a writer fails.
  struct Remise {
    int& drapeau;
    ~Remise() { drapeau = 0; }
  } remise{main.siteConstruit};
  // Outside a build, a site that an unfinished build left half-emptied is not shown.
  if (main.siteConstruit != 1 && pages::constructionInachevee(p.donnees())) {
    p.dialogs().showMessage(pages::kConstructionInacheveeApercu);
    return;
  }

  // Every writer below writes into ftp/, which a new data folder may not have yet.
  platform::makeFolder(p.chemin("ftp"));
  ecrivains.pageAccueil();
  ecrivains.cadres();
  ecrivains.conditions();
  // The frame generator may have switched to the frameset (the shop's own entry page).
  const bool frames = main.options.frames == "oui";
  if (!frames) ecrireEnveloppes(p);
  const char* page = main.siteConstruit == 1 || !frames ? "ftp/index.htm" : "ftp/index2.htm";
  if (p.donnees().exists(page)) p.shell().open(p.chemin(page).string());
}

}  // namespace frame
