// The table of linked products under a card: one link per product of tmp/<reference>.pcl that
// has a sheet and a pop-up page, and, when modcomp.inf exists, an order form per priced product.

#include "modele/app/fiche_produit.h"
#include "modele/app/texte_prix.h"
#include "modele/pages/produit_lie.h"
#include "modele/pages/vignette.h"
#include "modele/pages/vignette_contexte.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace pages {

void EcrivainCartes::tableauProduitsLies() {
  TValeursCarte& v = valeurs;
  const design::TStyleFiche& s = style;
  const auto& o = e_.options.options;
  const EntreesCarte& sp = e_;
  ContexteCartes& c = contexte();
  auto& L = v.lignesCarte;
  const bool vigConf = o.vig_visual == "oui";

  std::string couleurTheme = sp.couleur_theme.empty() ? "black" : sp.couleur_theme;
  std::string couleurLiee = platform::trim(o.couleur_liee);
  if (couleurLiee.empty()) couleurLiee = sp.couleur_liens;
  const std::string ouvreCouleur =
      couleurLiee.empty() ? "" : "<font color=\"" + couleurLiee + "\">";
  const std::string fermeCouleur = couleurLiee.empty() ? "" : "</font>";
  std::string couleurTitre = platform::trim(o.couleur_lieeT);
  if (couleurTitre.empty()) couleurTitre = couleurTheme;
  const std::string legende = o.gras_lieeT == "non" ? o.phrase_pc : "<b>" + o.phrase_pc + "</b>";

  ModeleLies m = c.modeleLies();
  if (m.texte_quantite.empty()) m.texte_quantite = "Quant.";
  if (m.bouton.empty()) m.bouton = s.bouton_jc;
  const bool cadre = m.cadre == "oui";
  std::string colonnes = "5";
  if (m.quantite == "oui" && m.reference == "oui")
    colonnes = "8";
  else if (m.quantite == "oui")
    colonnes = "7";
  else if (m.reference == "oui")
    colonnes = "6";

  L.push_back(cadre ? "<table border=1 bordercolor=\"" + s.coul_trait + "\" bgcolor=\"" + s.fond +
                          "\">"
                    : "<table border=0 bgcolor=\"" + s.fond + "\">");
  L.push_back("<caption align=center><font face=\"" + o.police_defaut + "\" size=" +
              o.taille_lieeT + " color=" + couleurTitre + ">" + legende + "</font></caption>");

  const auto liste = c.charger("tmp/" + v.referenceVignette + ".pcl");
  const size_t nombre = liste ? liste->size() : 0;
  const app::TIdentite& id = c.identite();
  const bool cadres = e_.options.frames == "oui";
  const std::string policeLiee = "<font face=\"" + o.police_defaut + "\" size=" + o.taille_liee;

  for (size_t i = 0; i < nombre; ++i) {
    auto lie = lireProduitLie((*liste)[i]);
    if (!lie) continue;
    const std::string& sub = lie->reference;
    if (!c.existe(app::nomFichierFiche(sub)) || !c.existe("tmp/" + sub + "_pc.html")) continue;

    std::string prix, image, promo;
    if (m.present) {
      if (auto fiche = c.charger(app::nomFichierFiche(sub))) {
        app::TFicheProduit f = app::lireFicheProduit(*fiche);
        // Shown and sent as the product's own card does.
        prix = app::prixCarte(f.prix, id.dev1).value_or("");
        image = f.image;
      }
      if (auto pro = c.charger(sub + ".pro"); pro && !prix.empty())
        promo = app::promotionCarte(pro->value("prixpromo"), id.dev1).value_or("");
    }
    const auto vignette = vigConf ? c.vignetteLiee(sub) : std::nullopt;

    const std::string fenetre = "window.open ('" + platform::jsString(sub, '\'') +
                                "_pc.html','','scrollbars=yes,resizable,status,menubar,location,"
                                "height=" +
                                o.fen_pc_height + ",width=" + o.fen_pc_width + "')";
    std::string lien = "<a href=\"#\" OnClick=\"" + platform::htmlAttribute(fenetre);
    if (prix.empty() && vignette)
      lien += "\" onmouseover=\"" +
              platform::htmlAttribute("cache();voir('roll','" +
                                      platform::jsString(*vignette, '\'') + "','oui');") +
              "\" onmouseout=\"cache();\">";
    else
      lien += "\">";
    const std::string nom = o.gras_liee == "oui" ? "<b>" + lie->nom + "</b>" : lie->nom;
    const std::string celluleNom =
        lien + policeLiee + ">" + ouvreCouleur + nom + fermeCouleur + "</font></a><br>";

    if (prix.empty()) {
      L.push_back("<tr bgcolor=\"" + s.fond + "\"><td>" + celluleNom + "</td></tr>");
    } else {
      L.push_back(cadre ? "<tr bordercolor=\"" + s.fond + "\">"
                        : "<tr bgcolor=\"" + s.fond + "\">");
      std::string img = vignette ? platform::trim(*vignette) : image;
      L.push_back("<td>" +
                  (img.empty() ? "&nbsp;" : "<IMG SRC=\"" + platform::htmlAttribute(img) + "\">") +
                  "</td>");
      if (m.reference == "oui")
        L.push_back("<td>" + policeLiee + " color=" + couleurLiee + ">" + sub + "</font></td>");
      L.push_back("<td>" + celluleNom + "</td>");
      if (!promo.empty()) prix = promo;
      const app::PrixDevise pd = app::prixDevise(prix, id.dev1, id.dev2, id.taux);
      v.prixTexte = pd.prixPrincipalTexte;
      v.prixDeviseTexte = pd.prixDeviseTexte;
      L.push_back("<td nowrap>" + policeLiee + " color=" + couleurLiee + "><b>" + v.prixTexte +
                  "</b></font></td>");
      // The amount without the blanks of its fixed-width field: a form name holds none.
      L.push_back("<FORM NAME=\"f" + platform::trim(pd.texteCommun) + "\" ACTION=\"" +
                  platform::htmlAttribute(sp.url_cgi) + "\" METHOD=\"POST\" TARGET=\"" +
                  platform::htmlAttribute(sp.targetS) + "\">");
      if (m.quantite == "oui") {
        const std::string quantite = platform::trim(c.quantiteClient(sub).value_or("1"));
        L.push_back("<td nowrap>" + policeLiee + " color=\"" + couleurLiee + "\">" +
                    m.texte_quantite + "</font></td>");
        L.push_back("<td><input type=\"text\" name=\"quantite\" value=\"" +
                    platform::htmlAttribute(quantite) + "\" size=3 maxlength=5></td>");
      }
      L.push_back("<td>");
      scriptSession(L);
      L.push_back("<input type=\"hidden\" name=\"login\" value=\"" +
                  platform::htmlAttribute(id.login) + "\">");
      L.push_back("<input type=\"hidden\" name=\"ext\" value=\"" + platform::htmlAttribute(id.ext) +
                  "\">");
      if (cadres) {
        L.push_back("<input type=\"hidden\" name=\"session\" value=\"oui\">");
      } else {
        L.push_back("<script language=\"JavaScript\">");
        L.push_back("if(navigator.cookieEnabled == true)");
        L.push_back("{document.write('<input type=\"hidden\" name=\"session\" value=\"oui\">');}");
        L.push_back("</script>");
      }
      L.push_back("<input type=\"hidden\" name=\"ref\" value=\"" + platform::htmlAttribute(sub) +
                  "\">");
      L.push_back("<input type=\"hidden\" name=\"description\" value=\"" +
                  platform::htmlAttribute(lie->nom) + "\">");
      L.push_back("<input type=\"hidden\" name=\"pu\" value=\"" + platform::htmlAttribute(prix) +
                  "\">");
      L.push_back("<input type=\"image\" SRC=\"" + platform::htmlAttribute(m.bouton) +
                  "\" border=0 ALT=\"commander\">");
      L.push_back("</td>");
      L.push_back("</form>");
      L.push_back("</tr>");
      if (cadre && i + 1 < nombre)
        L.push_back("<tr bordercolor=\"" + s.fond + "\"><td colspan=" + colonnes + "><HR color=\"" +
                    s.coul_trait + "\" size=1></td></tr>");
    }
    c.copier("tmp/" + sub + "_pc.html", "ftp/" + sub + "_pc.html");
  }
  L.push_back("</table><br>");
}

}  // namespace pages
