#include "modele/infopages/accueil_page.h"

#include "modele/app/texte_prix.h"
#include "modele/frame/boite_encadree.h"
#include "modele/infopages/accueil_vitrine.h"
#include "platform/charset.h"
#include "platform/escape.h"
#include "platform/image.h"
#include "platform/text.h"

#include <algorithm>

namespace infopages {

using frame::pixel;
using platform::htmlAttribute;
using platform::htmlText;
using platform::LineList;

namespace {

// One rule of accueil.css. The title and the introduction take their weight as <b> around the
// text, the showcase classes as a declaration.
struct Regle {
  const char* nom;
  std::string taille, police;
  const std::string* gras;  // nullptr: no weight line
  std::string italique, souligne;
  const std::string* fond;  // nullptr: no background line
  std::string couleur;
};

void ajouterRegle(LineList& css, const Regle& r) {
  css.add(std::string(r.nom) + "{");
  css.add("FONT-SIZE: " + r.taille + "px;");
  css.add("FONT-FAMILY: " + r.police + ";");
  if (r.gras && *r.gras == "oui") css.add("FONT-WEIGHT: bold;");
  if (r.italique == "oui") css.add("FONT-STYLE: italic;");
  if (r.souligne == "non") css.add("TEXT-DECORATION: none;");
  if (r.souligne == "oui") css.add("TEXT-DECORATION: underline;");
  if (r.fond) css.add("background-color: " + *r.fond + ";");
  css.add("color: " + r.couleur + ";");
  css.add("}");
}

std::string gras(const std::string& v, const char* balise) { return v == "oui" ? balise : ""; }

// A file named by a setting or a sheet, inside the data folder.
bool present(const platform::DataFolder& donnees, const std::string& nom) {
  return !nom.empty() && platform::safeRelativePath(nom) && donnees.exists(nom);
}

void feuilleDeStyle(const EntreesPageAccueil& e, PageAccueil& r) {
  const TOptionsAccueil& o = e.options;
  LineList& css = r.css;
  css.add(LineList{".t0{", "FONT-SIZE: 10px;", "FONT-FAMILY: ARiAL, VERDANA, HELVETICA, GENEVA;",
                   "}"});
  ajouterRegle(css, {".titre", o.taille_titre_intro, o.police_intro, nullptr,
                     o.italique_titre_intro, o.souligne_titre_intro, nullptr,
                     o.couleur_titre_intro});
  ajouterRegle(css, {".intro", o.taille_intro, o.police_intro, nullptr, o.italique_intro,
                     o.souligne_intro, nullptr, o.couleur_intro});
  ajouterRegle(css, {".promo", o.promo_titre_taille, o.promo_police, &o.promo_titre_gras,
                     o.promo_titre_italique, o.promo_titre_souligne, nullptr,
                     o.promo_titre_couleur});
  ajouterRegle(css, {".pspan", o.promo_titre_taille, o.promo_police, &o.promo_titre_gras,
                     o.promo_titre_italique, o.promo_titre_souligne, &o.promo_titre_fond,
                     o.promo_titre_couleur});
  ajouterRegle(css, {".texte", o.promo_texte_taille, o.promo_police, &o.promo_texte_gras,
                     o.promo_texte_italique, o.promo_texte_souligne, nullptr,
                     o.promo_texte_couleur});
  std::string fond;
  if (!e.fond_page.empty()) fond = e.fond_page + " ";
  if (!e.image_page.empty()) {
    fond += "url(" + e.image_page + ") ";
    r.images.push_back({"fonds/" + e.image_page, e.image_page});
  }
  if (e.fixe_page == "oui") fond += "fixed";
  if (!fond.empty()) css.add("BODY {background: " + fond + ";}");
  if (!e.coul_scroll.empty()) css.add("BODY {scrollbar-base-color: " + e.coul_scroll + ";}");
}

void introduction(const EntreesPageAccueil& e, PageAccueil& r) {
  const TOptionsAccueil& o = e.options;
  LineList& p = r.page;
  p.add("<TABLE border=0 width=\"100%\">");
  p.add("<tr valign=\"top\">");
  p.add("<td align=\"" + htmlAttribute(o.alignement_intro) + "\" width=\"100%\">");
  if (!o.image_intro.empty()) {
    const std::string img = "<IMG ALT=\"" + htmlAttribute(o.alt_image_intro) + "\" SRC=\"" +
                            htmlAttribute(o.image_intro) + "\"" +
                            platform::htmlSizeAttributes(o.largeur_image_intro,
                                                         o.hauteur_image_intro) +
                            " BORDER=0>";
    if (o.lien_image_intro.empty())
      p.add(img + "<br>");
    else
      p.add("<a href=\"" + htmlAttribute(o.lien_image_intro) + "\" target=\"" +
            htmlAttribute(o.target_image_intro) + "\">" + img + "</a><br>");
    r.images.push_back({"accueil/" + o.image_intro, o.image_intro});
    p.add(pixel("1", "5") + "<br>");
  }

  const std::string& E = o.paccueil_encadrement;
  const bool carre = E == "carre";
  const bool transparent = E == "transparent";
  const std::string W = o.largeur_paccueil;
  const std::string A = htmlAttribute(o.alignement_intro);
  std::string attribut;
  if (carre) {
    attribut = " bordercolor=\"" + htmlAttribute(o.paccueil_trait) + "\"";
    p.add("<table border=1 cellspacing=0 cellpadding=0" + attribut + "><tr>");
  } else {
    p.add("<table border=0 cellspacing=0 cellpadding=0>");
  }
  // In a "carre" box each cell also takes its fill as its border colour.
  auto bordure = [carre](const std::string& couleur) {
    return carre ? " bordercolor=\"" + htmlAttribute(couleur) + "\"" : std::string();
  };
  if (!o.titre_intro.empty()) {
    if (!transparent) attribut = " bgcolor=\"" + htmlAttribute(o.fond_accueil_titre) + "\"";
    p.add("<td" + attribut + bordure(o.fond_accueil_titre) + " nowrap align=\"" + A +
          "\" width=" + W + "><font class=\"titre\"><noBR>" + gras(o.gras_titre_intro, "<b>") +
          o.titre_intro + gras(o.gras_titre_intro, "</b>") + "</noBR></font></td></tr><tr>");
  }
  attribut = transparent ? "" : " bgcolor=\"" + htmlAttribute(o.fond_intro) + "\"";
  p.add("<td" + attribut + bordure(o.fond_intro) + " nowrap align=\"" + A + "\" width=" + W + ">");
  if (!e.texte.empty()) {
    p.add("<font class=\"intro\">" + gras(o.gras_intro, "<b>"));
    p.add(e.texte);
    p.add(gras(o.gras_intro, "</b>") + "</font>");
  }
  p.add("</td>");
  p.add("</tr>");
  p.add("</table>");
}

// What one showcase product shows.
struct Produit {
  std::string ref, titre, lien, target = "_self", image, largeur, hauteur;
  LineList texte;
};

Produit produit(const EntreesPageAccueil& e, const platform::DataFolder& donnees,
                const LineList& index, size_t i) {
  Produit d;
  d.ref = e.refs[i];
  if (i < e.titres.size()) d.titre = e.titres[i];
  d.lien = index.value(d.ref);
  // A reference that is no file name has no side files.
  if (!referenceFichierValide(d.ref)) return d;
  if (donnees.exists(nomLienVitrine(d.ref))) {
    TLienVitrine l = chargerLienVitrine(donnees, d.ref);
    d.lien = platform::trim(l.lienS);
    d.target = l.targetS;
    if (d.lien.empty()) d.lien = "???";
  }
  auto remplacer = [](std::string& valeur, const std::string& nouvelle) {
    if (!nouvelle.empty()) valeur = nouvelle;
  };
  if (donnees.exists(d.ref + ".ref")) {
    LineList fiche = LineList::load(donnees.path(d.ref + ".ref"));
    remplacer(d.image, fiche.value("image"));
    remplacer(d.hauteur, fiche.value("hauteur"));
    remplacer(d.largeur, fiche.value("largeur"));
  }
  if (donnees.exists(d.ref + ".imp")) {
    TImageVitrine img = chargerImageVitrine(donnees, d.ref);
    remplacer(d.image, img.image_promo);
    remplacer(d.largeur, img.largeur);
    remplacer(d.hauteur, img.hauteur);
  }
  // Never the previous product's size: the picture's own, or none.
  if (!d.image.empty() && (d.largeur.empty() || d.hauteur.empty()) && present(donnees, d.image))
    if (auto taille = platform::imageSize(donnees.path(d.image))) {
      if (d.largeur.empty()) d.largeur = std::to_string(taille->first);
      if (d.hauteur.empty()) d.hauteur = std::to_string(taille->second);
    }
  if (donnees.exists(d.ref + ".acc")) d.texte = LineList::load(donnees.path(d.ref + ".acc"));
  return d;
}

void vitrine(const EntreesPageAccueil& e, const platform::DataFolder& donnees, PageAccueil& r) {
  const TOptionsAccueil& o = e.options;
  LineList& p = r.page;
  const std::string& E2 = o.promo_encadrement;
  const bool rond = E2 == "rond";
  const bool aucun = E2 == "aucun";
  const std::string T2 = htmlAttribute(o.promo_trait);
  const std::string FT = htmlAttribute(o.promo_titre_fond);
  const std::string FX = htmlAttribute(o.promo_texte_fond);
  const std::string& P = o.promo_position;
  const bool S = o.promo_span == "oui";
  std::string W2 = o.promo_largeur;  // widened for this run only, never stored

  p.add("<br><table border=0><tr valign=\"top\">");
  p.add("<td align=\"center\">");
  LineList index;
  if (donnees.exists("listeHTM.tmp")) index = LineList::load(donnees.path("listeHTM.tmp"));
  // A count that is no whole number shows no showcase; never more products than listed.
  const long long compte = platform::toInteger(platform::trim(o.ref_index)).value_or(0);
  const size_t N = std::min<size_t>(compte > 0 ? static_cast<size_t>(compte) : 0, e.refs.size());
  const long long parLigne =
      std::clamp<long long>(platform::toInteger(platform::trim(e.parLigne)).value_or(2), 1, 9);
  if (N > 0) {
    p.add("<table border=0>");
    long long colonne = 0;
    bool rangFerme = false;
    for (size_t i = 0; i < N; ++i) {
      rangFerme = false;
      const Produit d = produit(e, donnees, index, i);
      if (i == 0) {
        auto w2 = platform::toInteger(W2), w = platform::toInteger(d.largeur);
        if (w2 && w && *w2 < *w) W2 = d.largeur;
      }
      const std::string lien = "<A HREF=\"" + htmlAttribute(d.lien) + "\" target=\"" +
                               htmlAttribute(d.target) + "\">";
      if (colonne == 0) p.add("<tr valign=\"top\">");
      p.add("<td>");
      ++colonne;
      if (rond) {
        frame::LignesImages bande =
            frame::bandeArrondieHaut("promo", W2, o.promo_trait,
                                     S ? o.promo_texte_fond : o.promo_titre_fond);
        p.add(bande.lignes);
        for (const std::string& nom : bande.images) r.images.push_back({nom, nom});
      }
      std::string attribut;
      auto ligneBord = [&](const char* fin) {
        p.add("<tr><td" + attribut + " width=1 height=1>" + pixel("1", "1") + "</td>");
        p.add("<td" + attribut + " width=5 height=1>" + pixel("5", "1") + "</td>");
        p.add("<td" + attribut + " width=" + W2 + " height=1>" + pixel(W2, "1") + "</td>");
        p.add("<td" + attribut + " width=5 height=1>" + pixel("5", "1") + "</td>");
        p.add("<td" + attribut + " width=1 height=1>" + pixel("1", "1") + fin);
      };
      if (!S) {
        p.add("<table border=0 cellspacing=0 cellpadding=0>");
        attribut = " bgcolor=\"" + (aucun ? FT : T2) + "\"";
        if (!rond) ligneBord("</td></tr>");
        p.add("<tr><td" + attribut + " width=1>" + pixel("1", "1") + "</td>");
        p.add("<td bgcolor=\"" + FT + "\" width=5>" + pixel("5", "1") + "</td>");
        p.add("<td bgcolor=\"" + FT + "\" valign=\"top\" align=\"" +
              htmlAttribute(o.promo_titre_alignement) + "\" width=" + W2 + ">");
        p.add(lien);
        p.add("<font class=\"promo\">" + (d.titre.empty() ? "&nbsp;" : d.titre) + "</font></a><br>");
        if (rond) p.add(pixel("1", "4") + "<br>");
        p.add("</td><td bgcolor=\"" + FT + "\" width=5>" + pixel("5", "1") + "</td>");
        p.add("<td" + attribut + " width=1>" + pixel("1", "1") + "</td></tr>");
        p.add("</table>");
      }
      attribut = " bgcolor=\"" + (aucun ? FX : T2) + "\"";
      p.add("<table border=0 cellpadding=0 cellspacing=0 height=\"" +
            htmlAttribute(o.promo_hauteur) + "\">");
      if (!rond) ligneBord("</td></tr>");
      p.add("<tr><td" + attribut + " width=1>" + pixel("1", "1") + "</td>");
      p.add("<td bgcolor=\"" + FX + "\" width=5 height=1>" + pixel("5", "1") + "</td>");
      p.add("<td bgcolor=\"" + FX + "\" valign=\"top\" align=\"" +
            htmlAttribute(o.promo_alignement) + "\" width=" + W2 + ">");

      // The picture's size goes in only when known.
      std::string image = "<a href=\"" + htmlAttribute(d.lien) + "\" target=\"" +
                          htmlAttribute(d.target) + "\"><IMG ALT=\"\" SRC=\"" +
                          htmlAttribute(d.image) + "\"";
      if (auto w = platform::htmlWholeNumber(d.largeur); !w.empty()) image += " WIDTH=" + w;
      if (auto h = platform::htmlWholeNumber(d.hauteur); !h.empty()) image += " HEIGHT=" + h;
      image += " BORDER=0";
      if (P == "bas") {
        p.add("<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=" + W2 + " HEIGHT=4 BORDER=0><br>");
        if (!d.image.empty()) p.add(image + "></a><br>");
      }
      if (P == "horizontale") {
        p.add("<table border=0 width=\"100%\"><tr valign=\"top\"><td>");
        if (!d.image.empty())
          p.add(image + " hspace=2></a></td><td align=\"" + htmlAttribute(o.promo_alignement) +
                "\">");
      }
      if (!d.image.empty()) r.images.push_back({d.image, d.image});
      if (P != "horizontale") p.add(pixel("1", "4") + "<br>");
      if (S && !d.titre.empty()) {
        p.add("<noBR>" + lien);
        p.add("<font class=\"pspan\">&nbsp;" + d.titre + "&nbsp;</font></a></noBR><br>");
      }
      if (!d.texte.empty()) {
        p.add(lien + "<font class=\"texte\">");
        for (const std::string& ligne : d.texte)
          if (!ligne.empty()) p.add(ligne);
        p.add("</font></a><br>");
      }
      if (P == "haut") {
        p.add(pixel("1", "6") + "<br>");
        if (!d.image.empty()) p.add(image + "></a>");
      }
      if (P == "horizontale") p.add("</td></tr></table>");
      p.add(pixel("1", "4") + "</td>");
      p.add("<td bgcolor=\"" + FX + "\" width=5 height=1>" + pixel("5", "1") + "</td>");
      p.add("<td" + attribut + " width=1>" + pixel("1", "1") + "</td></tr>");
      p.add("</table>");

      if (rond) {
        frame::LignesImages bande =
            frame::bandeArrondieBas("promo", W2, o.promo_trait, o.promo_texte_fond);
        p.add(bande.lignes);
        for (const std::string& nom : bande.images) r.images.push_back({nom, nom});
      } else {
        p.add("<table border=0 cellpadding=0 cellspacing=0>");
        ligneBord("</td></tr></table>");
      }
      p.add("</td>");
      if (colonne == parLigne) {
        p.add("</tr>");
        colonne = 0;
        rangFerme = true;
      }
    }
    if (!rangFerme) p.add("</tr>");
    p.add("</table>");
  }
  p.add("</td></tr></table></td>");
}

}  // namespace

void debutPageAccueil(const EntreesPageAccueil& e, const platform::DataFolder& donnees,
                      PageAccueil& r) {
  LineList tete{"<HTML>", "<HEAD>", platform::kCharsetMeta};
  // A title shows no markup: a tag typed in the shop's name (which the title proposed by the
  // program settings holds too) could only end it early.
  tete.add(e.accueil_titre.empty() ? "<TITLE>" + htmlText(e.nomB) + " page d'accueil</TITLE>"
                                   : "<TITLE>" + htmlText(e.accueil_titre) + "</TITLE>");
  if (e.accueil_cache == "non") {
    tete.add("<meta http-equiv=\"cache-control\" content=\"no-cache\">");
    tete.add("<meta http-equiv=\"pragma\" content=\"no-cache\">");
  }
  tete.add("<link rel=\"stylesheet\" type=\"text/css\" href=\"accueil.css\">");
  r.page = tete;
  r.skinrech = tete;
  feuilleDeStyle(e, r);
  if (e.frames)
    r.page.add(LineList{"<script language=\"JavaScript\">", "function reframe()", "{",
                        "if(parent.frames.length <= 1)", "{", "location.replace(\"index.htm\");",
                        "}", "}", "</script>"});
  r.page.add("</HEAD>");
  r.skinrech.add("</HEAD>");
  r.page.add("<BODY onLoad=\"reframe()\" Marginwidth=0 marginheight=0 leftmargin=0 topmargin=0>");
  // Without frames the head lives in the skin list only, until the frame is put around the body.
  if (!e.frames) r.page.clear();
  introduction(e, r);
  vitrine(e, donnees, r);
}

PageAccueil pageAccueil(const EntreesPageAccueil& e, const platform::DataFolder& donnees,
                        const std::function<LineList()>& cadrePage) {
  PageAccueil r;
  debutPageAccueil(e, donnees, r);
  colonneRubriques(e, r);
  LineList& page = r.page;
  LineList& skin = r.skinrech;
  page.add(LineList{"</td>", "</tr>", "</table>"});
  if (!e.accueil_pub.empty()) {
    page.add("<br>");
    page.add(e.accueil_pub);
  }
  LineList barre;
  if (e.menubp_c != "non" && donnees.exists("catego.txt")) {
    barre.add("<center><table border=0 width=\"100%\"><tr><td align=\"center\">");
    barre.add(LineList::load(donnees.path("catego.txt")));
    barre.add("</td></tr></table></center>");
  }
  if (e.frames) {
    page.add(barre);
    page.add("</BODY></HTML>");
    // The search script takes these head lines as its lower skin.
    r.skinrechbas = skin;
    skin.clear();
    return r;
  }
  r.iframe = page;
  skin.add(cadrePage());
  LineList corps = page;
  page = skin;
  page.add(corps);
  r.skinrechbas.add("</td></tr></table>");
  page.add("</td></tr></table>");
  r.skinrechbas.add(barre);
  page.add(barre);
  page.add("<center>");
  if (!e.copyE.empty()) {
    const std::string couleur = e.couleur_copyr.empty() ? "navy" : e.couleur_copyr;
    page.add("<font face=" + e.police_defaut + " size=1 color=\"" + htmlAttribute(couleur) +
             "\">&copy; " + e.copyE + "</font>&nbsp;");
  }
  page.add("<a href=\"" + std::string(kSiteTarvio) +
           "\"><font face=\"verdana\" size=1 color=\"" + htmlAttribute(e.coul_liens) +
           "\">Tarvio</font></a></center>");
  page.add("</BODY></HTML>");
  return r;
}

void ecrirePageAccueil(const EntreesPageAccueil& e, const platform::DataFolder& donnees,
                       const std::function<LineList()>& cadrePage) {
  platform::makeFolder(donnees.path("ftp"));
  PageAccueil r = pageAccueil(e, donnees, cadrePage);
  r.css.save(donnees.path("ftp/accueil.css"));
  if (!e.frames) {
    r.iframe.save(donnees.path("ftp/accueil_iframe.htm"));
    r.skinrech.save(donnees.path("ftp/skinrech.txt"));
  }
  r.page.save(donnees.path("ftp/accueil2.htm"));
  r.skinrechbas.save(donnees.path("ftp/skinrechbas.txt"));
  for (const PageAccueil::Copie& c : r.images)
    if (present(donnees, c.source) && platform::safeRelativePath(c.nom))
      app::copierFichier(donnees.path(c.source), donnees.path("ftp/" + c.nom), false);
  cadrePage();
}

}  // namespace infopages
