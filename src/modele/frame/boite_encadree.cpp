#include "modele/frame/boite_encadree.h"

#include "modele/app/texte_prix.h"
#include "platform/escape.h"

namespace frame {

using platform::htmlAttribute;

BalisesStyle balisesStyle(std::string_view gras, std::string_view souligne,
                          std::string_view italique) {
  BalisesStyle b;
  if (gras == "oui") b.ouvre += "<b>";
  if (souligne == "oui") b.ouvre += "<u>";
  if (italique == "oui") b.ouvre += "<i>";
  if (italique == "oui") b.ferme += "</i>";
  if (souligne == "oui") b.ferme += "</u>";
  if (gras == "oui") b.ferme += "</b>";
  return b;
}

bool contenuTexte(std::string_view image) { return image != "bouton" && image != "puce"; }

std::string pixel(std::string_view largeur, std::string_view hauteur) {
  return "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=" + std::string(largeur) +
         " HEIGHT=" + std::string(hauteur) + " BORDER=0>";
}

LignesImages contenuBoite(const ContenuBoite& c) {
  LignesImages r;
  if (c.image == "bouton") {
    r.lignes.add("<IMG ALT=\"\" SRC=\"" + htmlAttribute(c.bouton) + "\" WIDTH=" + c.longueurBouton +
                 " HEIGHT=" + c.hauteurBouton + " BORDER=0><br>");
    r.images.push_back(c.bouton);
    return r;
  }
  std::string puce;
  if (c.image == "puce") {
    puce = "<IMG ALT=\"\" SRC=\"" + htmlAttribute(c.puce) + "\" WIDTH=" + c.longueurPuce +
           " HEIGHT=" + c.hauteurPuce + " BORDER=0 align=\"left\">";
    r.images.push_back(c.puce);
  }
  const BalisesStyle b = balisesStyle(c.gras, c.souligne, c.italique);
  r.lignes.add("<font face=\"" + htmlAttribute(c.police) + "\" color=\"" +
               htmlAttribute(c.couleur) + "\">" + puce +
               "<span style=\"FONT-SIZE:" + htmlAttribute(c.taille) + "px\">");
  r.lignes.add(b.ouvre + c.texte + b.ferme + "</span></font><br clear=\"all\">");
  return r;
}

namespace {

std::string coin(LignesImages& r, std::string_view coins, const char* suffixe) {
  std::string nom = std::string(coins) + suffixe;
  r.images.push_back(nom);
  return "<td width=6><IMG ALT=\"\" SRC=\"" + htmlAttribute(nom) +
         "\" WIDTH=6 HEIGHT=6 BORDER=0></td>";
}

}  // namespace

LignesImages bandeArrondieHaut(std::string_view coins, std::string_view largeur,
                               std::string_view trait, std::string_view fond) {
  LignesImages r;
  const std::string W(largeur);
  r.lignes.add("<table border=0 cellspacing=0 cellpadding=0>");
  r.lignes.add("<tr valign=\"top\">");
  r.lignes.add(coin(r, coins, "_hg.gif"));
  r.lignes.add("<td>");
  r.lignes.add("<table border=0 cellpadding=0 cellspacing=0>");
  r.lignes.add("<tr>");
  r.lignes.add("<td bgcolor=\"" + htmlAttribute(trait) + "\" width=" + W + ">" + pixel(W, "1") +
               "</td></tr>");
  r.lignes.add("<tr><td bgcolor=\"" + htmlAttribute(fond) + "\">" + pixel("1", "5") + "</td></tr>");
  r.lignes.add("</table>");
  r.lignes.add("</td>");
  r.lignes.add(coin(r, coins, "_hd.gif"));
  r.lignes.add("</tr>");
  r.lignes.add("</table>");
  return r;
}

LignesImages bandeArrondieBas(std::string_view coins, std::string_view largeur,
                              std::string_view trait, std::string_view fond) {
  LignesImages r;
  const std::string W(largeur);
  r.lignes.add("<table border=0 cellpadding=0 cellspacing=0>");
  r.lignes.add("<tr valign=\"top\">");
  r.lignes.add(coin(r, coins, "_bg.gif"));
  r.lignes.add("<td>");
  r.lignes.add("<table border=0 cellpadding=0 cellspacing=0>");
  r.lignes.add("<tr><td bgcolor=\"" + htmlAttribute(fond) + "\" width=" + W + ">" + pixel(W, "5") +
               "</td></tr>");
  r.lignes.add("<tr><td bgcolor=\"" + htmlAttribute(trait) + "\">" + pixel("1", "1") + "</td></tr>");
  r.lignes.add("</table>");
  r.lignes.add("</td>");
  r.lignes.add(coin(r, coins, "_bd.gif"));
  r.lignes.add("</tr>");
  r.lignes.add("</table>");
  return r;
}

LignesImages boiteEncadree(const Encadrement& e, const LignesImages& contenu) {
  LignesImages r;
  platform::LineList& l = r.lignes;
  const bool rond = e.cadre == "rond";
  const bool transparent = e.cadre == "transparent";
  const std::string& W = e.largeur;
  const std::string L = htmlAttribute(e.trait);
  const std::string F = htmlAttribute(e.fond);

  if (rond) {
    LignesImages bande = bandeArrondieHaut(e.coins, W, e.trait, e.fond);
    l.add(bande.lignes);
    r.images = bande.images;
  }

  l.add("<table border=0 cellspacing=0 cellpadding=0>");
  const std::string trait = transparent ? "" : " bgcolor=\"" + (e.cadre == "aucun" ? F : L) + "\"";
  const std::string fond = transparent ? "" : " bgcolor=\"" + F + "\"";
  auto ligneTrait = [&] {
    l.add("<tr>");
    l.add("<td colspan=5" + trait + ">" + pixel("5", "1") + "</td>");
    l.add("</tr>");
  };
  if (!rond && !transparent) ligneTrait();
  if (transparent && e.espaceTexte) l.add("<tr><td colspan=5>" + pixel("1", "4") + "</td></tr>");
  l.add("<tr>");
  if (!transparent) {
    l.add("<td" + trait + " width=1>" + pixel("1", "1") + "</td>");
    l.add("<td" + fond + " width=5>" + pixel("5", "1") + "</td>");
  }
  l.add("<td" + fond + " nowrap align=\"" + htmlAttribute(e.aligne) + "\"" +
        (e.sansLargeur ? std::string() : " width=" + W) + ">");
  l.add(contenu.lignes);
  r.images.insert(r.images.end(), contenu.images.begin(), contenu.images.end());
  l.add("</td>");
  if (!transparent) {
    l.add("<td" + fond + " width=5>" + pixel("5", "1") + "</td>");
    l.add("<td" + trait + " width=1>" + pixel("1", "1") + "</td>");
  }
  l.add("</tr>");
  if (!rond && !transparent) ligneTrait();
  l.add("</table>");

  if (rond) {
    LignesImages bande = bandeArrondieBas(e.coins, W, e.trait, e.fond);
    l.add(bande.lignes);
    r.images.insert(r.images.end(), bande.images.begin(), bande.images.end());
  }
  return r;
}

LignesImages boiteLogo(const design::TOptionsMenu& o, const std::string& largeur) {
  Encadrement cadre{o.encadrement_logo, o.coul_logo_trait, o.fond_logo,   largeur,
                    o.aligne_logo,      "logo",            contenuTexte(o.logo_image)};
  ContenuBoite contenu{o.logo_image,    o.logo_texte,     o.police_logo,   o.coul_logo,
                       o.taille_logo,   o.gras_logo,      o.souligne_logo, o.italique_logo,
                       "plogo.gif",     o.longueurp_logo, o.hauteurp_logo, "logo.gif",
                       o.longueur_logo, o.hauteur_logo};
  return boiteEncadree(cadre, contenuBoite(contenu));
}

void copieVersFtp(const platform::DataFolder& donnees, std::string_view nom) {
  if (nom.empty() || !platform::safeRelativePath(nom)) return;
  if (!donnees.exists(nom)) return;
  app::copierFichier(donnees.path(nom), donnees.path("ftp/" + std::string(nom)), false);
}

void copieVersFtp(const platform::DataFolder& donnees, const std::vector<std::string>& noms) {
  for (const std::string& nom : noms) copieVersFtp(donnees, nom);
}

}  // namespace frame
