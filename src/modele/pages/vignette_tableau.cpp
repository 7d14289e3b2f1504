// The table card layout: the cards of a list page are the rows of one table headed
// "Description", "Prix" and "Commande", each row with its own order form. The first card of the
// page opens the table below the list header, the last one closes it above the footer; the forms
// start between the rows, which browsers accept.

#include "modele/app/annexes_fiche.h"
#include "modele/app/texte_prix.h"
#include "modele/pages/vignette.h"
#include "modele/pages/vignette_contexte.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/text.h"

namespace pages {

namespace {

using platform::htmlAttribute;
using platform::trim;

const char kPix1[] = "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=1 BORDER=0>";

std::string separateur(const std::string& bordure) {
  return "<td" + bordure + " width=1 HEIGHT=1>" + kPix1 + "</td>";
}

void rangeeBordure(std::vector<std::string>& L, const std::string& bordure) {
  L.push_back("<tr>");
  for (int i = 0; i < 7; ++i)
    L.push_back(i % 2 == 0 ? separateur(bordure) : "<td" + bordure + ">" + kPix1 + "</td>");
  L.push_back("</tr>");
}

}  // namespace

void EcrivainCartes::celluleDescription(const Balises& titre) {
  TValeursCarte& v = valeurs;
  design::TStyleFiche& s = style;
  const auto& options = e_.options.options;
  auto& L = v.lignesCarte;
  const std::string bordure = s.encadrement_style == "aucun" ? "" : " bgcolor=\"" + s.coul_trait + "\"";

  L.push_back(v.lignesAutre != "oui" ? "<td bgcolor=\"" + s.fond + "\">" : "<td align=\"center\">");
  L.push_back("<table border=0><tr valign=\"top\">");
  if (!v.imageCarte.empty()) {
    L.push_back("<td width=" + v.largeurImage + " bgcolor=\"" + s.fond + "\"><IMG ALT=\"" +
                htmlAttribute(sansPoids(v.titreCarte)) + "\" SRC=\"" + htmlAttribute(v.imageCarte) +
                "\"" + platform::htmlSizeAttributes(v.largeurImage, v.hauteurImage) + " BORDER=0></td>");
    L.push_back("<td width=4 HEIGHT=1 bgcolor=\"" + s.fond +
                "\"><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=4 HEIGHT=1 BORDER=0></td>");
  }
  L.push_back("<td bgcolor=\"" + s.fond + "\" valign=\"middle\">");
  // The reference line takes the tags last opened: the comments', else the title's, else none.
  Balises courantes;
  if (e_.titret_c == "oui") {
    L.push_back(police(s.police_titre, s.coul_titre, s.taille_titre));
    L.push_back(titre.ouvre() + sansPoids(v.titreCarte) + "&nbsp;" + titre.ferme() +
                "</span></font> ");
    courantes = titre;
  }
  if (!v.commentairesCarte.empty()) {
    courantes = balises(s.gras_comm, s.souligne_comm, s.italique_comm);
    L.push_back(police(s.police_comm, s.coul_comm, s.taille_comm));
    if (s.aligne_comm == "left") s.aligne_comm.clear();
    const bool division = !s.aligne_comm.empty();
    if (division) L.push_back("<DIV align=\"" + s.aligne_comm + "\">");
    L.push_back(courantes.ouvre());
    for (const auto& l : v.commentairesCarte)
      if (!l.empty()) L.push_back(l);
    if (division) L.push_back("</DIV>");
    L.push_back(courantes.ferme() + "</span></font>");
  }
  if (options.i_ref != "oui" && options.refmod != "oui")
    L.push_back(police(s.police_ref, s.coul_ref, s.taille_ref) + "<noBR>" + courantes.ouvre() +
                "[" + v.referenceFiche + "]" + courantes.ferme() + "</noBR></span></font>");

  v.choixTitres = false;
  if (!v.titresCarte.empty() && v.titresCarte.front() == "<CHOIX>") {
    v.choixTitres = true;
    v.lignesChoix = v.titresCarte;
    v.titresCarte.clear();
  }
  if (auto choix = listeTitresChoix(); !choix.empty()) {
    choix.front() = "<br>" + choix.front();
    L.insert(L.end(), choix.begin(), choix.end());
  }
  if (v.mesTailles == "oui") {
    platform::LineList tailles;
    const std::string nom = v.referenceFiche + "tailles.txt";
    if (platform::safeRelativePath(nom)) tailles = app::chargerAnnexe(donnees_, nom);
    if (tailles.empty()) {
      v.mesTailles = "non";
    } else {
      const auto select = selectTailles(tailles);
      L.insert(L.end(), select.begin(), select.end());
    }
  }
  if (e_.tableau_c == "oui")
    for (auto& l : listeModeles()) L.push_back(l);
  if (!v.imageDetail.empty()) {
    const std::string nom = htmlAttribute(nomLienDetail());
    std::string lien;
    if (v.imageDetail == "HTML")
      lien = "<br><a href=\"" + nom + ".htm\" target=\"_blank\">";
    else if (!v.scriptDetail.empty())
      lien = "<br><a href=\"JavaScript:void(0);\" onClick=\"" + htmlAttribute(v.scriptDetail) +
             "\">";
    else
      lien = "<br><a href=\"" + nom + "_detail.htm\" target=\"_blank\">";
    L.push_back(lien);
    L.push_back("<font face=\"" + s.police_comm + "\"><span style=\"FONT-SIZE:" + s.taille_comm +
                "px\">");
    L.push_back(v.imageDetail == "HTML" ? "<u>" + e_.detailhP + "</u></span></font></a>"
                                        : "<u><b>" + e_.detailsP + "</b></u></span></font></a>");
  }
  L.push_back("</td></tr></table></td>");
  L.push_back(separateur(bordure));
}

void EcrivainCartes::cellulePrixTableau(const std::string& ecotaxe) {
  TValeursCarte& v = valeurs;
  design::TStyleFiche& s = style;
  auto& L = v.lignesCarte;
  const app::TIdentite& id = contexte().identite();
  L.push_back("<td bgcolor=\"" + s.fond_bas + "\" nowrap align=\"right\" valign=\"middle\">");
  if (v.lignesAutre == "oui" || v.prixIllisible) return;
  const app::PrixDevise pd = app::prixDevise(v.prix, id.dev1, id.dev2, id.taux);
  v.prixTexte = pd.prixPrincipalTexte;
  v.prixDeviseTexte = pd.prixDeviseTexte;
  v.balisesTexte = balises(s.gras_prix, s.souligne_prix, s.italique_prix);
  v.balisesType = balises(s.gras_type, s.souligne_type, s.italique_type);
  const Balises& b = v.balisesTexte;
  v.cellulePrix = "&nbsp;" + police(s.police_prix, s.coul_prix, s.taille_prix) + b.ouvre() +
                  trim(v.prixTexte) + b.ferme() + "</span></font>";
  if (stylePromo.ok_PROMO_PRIX == "oui" && !v.ancienPrix.empty()) {
    const TStylePromo& p = stylePromo;
    const std::string ancien = trim(app::formaterPrix(v.ancienPrix)) + " " + platform::htmlText(id.dev1);
    std::string c = imagePromo();
    c += "<font face=\"" + s.police_prix + "\" color=\"" + s.coul_prix +
         "\"><span style=\"FONT-SIZE:" + s.taille_prix + "px;TEXT-DECORATION:line-through;\">" +
         b.ouvre() + ancien + b.ferme() + "</span></font>";
    if (!p.pourcentC && app::nettoyerPrix(v.tauxPromo).find('.') == std::string::npos)
      c += "<font face=\"" + s.police_prix + "\" color=\"" + p.couleur_texte_PROMO_PRIX +
           "\"><span style=\"FONT-SIZE:" + s.taille_prix + "px;\"><SUP>" + b.ouvre() +
           trim(v.tauxPromo) + "%" + b.ferme() + "</SUP></span></font>";
    c += p.ligneC ? "&nbsp;" : "<br>";
    c += "<font face=\"" + s.police_prix + "\" color=\"" + p.couleur_texte_PROMO_PRIX +
         "\"><span style=\"FONT-SIZE:" + s.taille_prix + "px;\">" + b.ouvre() + trim(v.prixTexte) +
         b.ferme() + "</span></font>";
    v.cellulePrix = c;
  }
  v.ancienPrix.clear();
  if (e_.tableau_c != "oui") {
    auto dif = listeModeles();
    if (!dif.empty()) v.cellulePrix.clear();
    for (auto& l : dif) L.push_back(l);
  }
  if (!v.cellulePrix.empty()) {
    // The price frame sends the price shown, not the line's.
    v.prixLigne = v.prixAffiche;
    L.push_back(v.cellulePrix + ligneEcotaxe(ecotaxe) + cadrePrixPro(ecotaxe));
  }
  if (trim(s.taille_prix).empty()) s.taille_prix = "0";
  v.stylePrix = taillePrixDevise();
  L.push_back(police(s.police_prix, s.coul_prix, v.stylePrix) + b.italique +
              trim(v.prixDeviseTexte) + b.finItalique + "</span></font>&nbsp;");
}

void EcrivainCartes::celluleCommande(const std::string& ecotaxe) {
  TValeursCarte& v = valeurs;
  const design::TStyleFiche& s = style;
  auto& L = v.lignesCarte;
  L.push_back("<td bgcolor=\"" + s.fond_bas + "\" valign=\"middle\" nowrap>");
  if (v.lignesAutre == "oui" || v.prixIllisible) return;
  // A table card sends no variant label: the last standard card's would name another product.
  v.typeLigne.clear();
  v.prixLigne = v.prixAffiche;
  champsCaches(L, false, ecotaxe, true);
  v.styleBoutonCommande = styleBouton(s);
  if (rupture(L)) return;
  champQuantiteEtat();
  const std::string& bouton = s.bouton_jc;
  if (!bouton.empty()) contexte().copier("boutons/" + bouton, "ftp/" + bouton);
  const std::string texte = htmlAttribute(s.texte_jc);
  if (s.type_prix == "image")
    L.push_back("&nbsp;<input type=\"image\" SRC=\"" + htmlAttribute(bouton) +
                "\" border=0 ALT=\"" + texte +
                (s.quantite_style == "oui" ? "\"  ALIGN=\"top\">&nbsp;<br>" : "\">&nbsp;<br>"));
  else if (s.type_prix == "soumission")
    L.push_back("&nbsp;<input type=\"submit\" " + v.styleBoutonCommande + " value=\"" + texte +
                "\">&nbsp;<br>");
  else if (s.type_prix == "texte")
    L.push_back("&nbsp;<A HREF=\"JavaScript:document.f" + nomFormulaireLigne() +
                ".submit()\"><span " + v.styleBoutonCommande + ">" + s.texte_jc +
                "</span></a>&nbsp;<br>");
}

void EcrivainCartes::vignetteTableau() {
  TValeursCarte& v = valeurs;
  const design::TStyleFiche& s = style;
  const std::string& largeur = e_.options.options.largeur_tableau;
  auto& L = v.lignesCarte;
  const std::string ecotaxe = ecotaxeLigne();
  v.bacheCarte = false;
  const std::string bordure =
      s.encadrement_style == "aucun" ? "" : " bgcolor=\"" + s.coul_trait + "\"";
  const std::string sep = separateur(bordure);

  if (e_.indicateurCarteA) {
    entete();
    L.push_back("<table border=0 cellspacing=0 cellpadding=0 width=\"" + htmlAttribute(largeur) +
                "\">");
    if (!v.presentationsCarte.empty()) {
      const Balises p = balises(s.gras_pre, s.souligne_pre, s.italique_pre);
      rangeeBordure(L, bordure);
      L.push_back("<tr>");
      L.push_back(sep);
      L.push_back("<td valign=\"top\" align=\"center\" colspan=5 bgcolor=\"" + s.fond_bas + "\">");
      L.push_back(police(s.police_pre, s.coul_pre, s.taille_pre));
      L.push_back(p.ouvre());
      for (const auto& l : v.presentationsCarte)
        if (!l.empty()) L.push_back(l);
      L.push_back(p.ferme());
      L.push_back("</span></font><br>");
      L.push_back("<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0><BR>");
      L.push_back("</td>");
      L.push_back(sep + "</tr>");
    }
    rangeeBordure(L, bordure);
    L.push_back("<tr>");
    for (const char* entete : {"Description", "Prix", "Commande"}) {
      L.push_back(sep);
      L.push_back("<td bgcolor=\"" + s.fond_titre +
                  "\" align=\"center\"><font face=\"arial\" size=2 color=\"" + s.coul_titre +
                  "\"><b>&nbsp;" + entete + "&nbsp;</b></font></td>");
    }
    L.push_back(sep);
    L.push_back("</tr>");
  }

  L.push_back("<!-- marqueur liste rapide vignette haut tableau largeur=" + largeur + "p -->");
  if (v.lignesAutre != "oui") L.push_back(ligneFormulaire());
  rangeeBordure(L, bordure);
  L.push_back("<tr valign=\"top\">");
  L.push_back(sep);
  celluleDescription(balises(s.gras_titre, s.souligne_titre, s.italique_titre));
  cellulePrixTableau(ecotaxe);  // left for the next cell to close
  L.push_back(sep);
  celluleCommande(ecotaxe);
  L.push_back("</td>");
  L.push_back(sep + "</tr>");
  if (v.lignesAutre != "oui") L.push_back("</form>");
  L.push_back("<!-- marqueur liste rapide vignette bas tableau -->");

  if (e_.indicateurCarteB) {
    rangeeBordure(L, bordure);
    L.push_back("</table>");
    pied(true);
  }
}

}  // namespace pages
