// The comment rows table: a sheet whose comments hold "<AUTRE>" sells sub-products from one
// card, one "<LIGNE>" comment line a row ("<LIGNE>sub-reference#text#price"), each row with
// its own order form. The table takes the place of the card's comments.

#include <algorithm>

#include "modele/app/promotions.h"
#include "modele/app/texte_prix.h"
#include "modele/pages/vignette.h"
#include "modele/pages/vignette_contexte.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace pages {

namespace {

const char kTrait[] = "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=1 BORDER=0></td>";

// The text after the first occurrence of a marker, nullopt without the marker.
std::optional<std::string> apres(const std::string& ligne, std::string_view marqueur) {
  size_t i = ligne.find(marqueur);
  if (i == std::string::npos) return std::nullopt;
  return ligne.substr(i + marqueur.size());
}

// A "#"-separated piece: the text before the first "#", the rest after it.
std::pair<std::string, std::string> couper(const std::string& texte) {
  size_t i = texte.find('#');
  if (i == std::string::npos) return {"", ""};
  return {texte.substr(0, i), texte.substr(i + 1)};
}

}  // namespace

void EcrivainCartes::tableauLignes() {
  TValeursCarte& v = valeurs;
  design::TStyleFiche& s = style;
  const app::TIdentite& id = contexte().identite();
  auto& T = v.lignesTableau;

  // 1. The style of the rows.
  v.referenceLignes = v.referenceFiche;
  v.texteBouton = s.texte_jc;
  v.styleBoutonCommande = styleBouton(s);
  v.balisesTexte = balises(s.gras_prix, s.souligne_prix, s.italique_prix);
  v.couleurTrait = s.coul_trait;
  v.policeCommentaire = police(s.police_comm, s.coul_comm, s.taille_comm);
  const std::string bord = "<td bgcolor=\"" + v.couleurTrait + "\">" + kTrait;
  T.push_back("<TABLE BORDER=0 cellspacing=0 cellpadding=0>");

  // 2. Introduction.
  std::string introduction;
  for (const auto& l : v.commentairesCarte)
    if (auto texte = apres(l, "<INTRO>")) introduction += *texte;
  if (!introduction.empty()) {
    T.push_back("<tr><td colspan=7 bgcolor=\"" + v.couleurTrait + "\">" + kTrait + "</tr>");
    T.push_back("<tr>" + bord);
    T.push_back("<td colspan=5 align=center>" + v.policeCommentaire + "&nbsp;" + introduction +
                "&nbsp;</span></font></td>");
    T.push_back(bord + "</tr>");
  }

  // 3. One row per "<LIGNE>" line.
  for (const auto& l : v.commentairesCarte) {
    auto ligne = apres(l, "<LIGNE>");
    if (!ligne) continue;
    auto [reference, reste] = couper(*ligne);
    auto [texte, prix] = couper(reste);
    v.referenceFiche = reference;
    v.texteLigne = texte;
    // A row whose price is no amount, or was emptied, has none, and neither a promotion.
    v.prix = app::prixCarte(prix, id.dev1).value_or("");
    if (!v.prix.empty()) v.prixAffiche = v.prix;

    v.tauxPromo.clear();
    std::string promo;
    if (auto fichier = fichierPromotion(reference)) {
      v.tauxPromo = app::sansPourcent(fichier->value("taux"));
      if (!platform::trim(v.prix).empty())
        promo = app::promotionCarte(fichier->value("prixpromo"), id.dev1).value_or("");
    }
    v.ancienPrix.clear();
    if (!promo.empty()) {
      v.ancienPrix = app::nettoyerPrix(v.prix);
      v.prix = app::nettoyerPrix(promo);
      v.prixAffiche = v.prix;
      if (platform::toNumber(v.ancienPrix).value_or(0.0) < platform::toNumber(v.prix).value_or(0.0))
        v.ancienPrix.clear();
    }
    const app::PrixDevise pd = app::prixDevise(v.prix, id.dev1, id.dev2, id.taux);
    v.prixTexte = pd.prixPrincipalTexte;
    v.prixDeviseTexte = pd.prixDeviseTexte;
    v.typeLigne.clear();
    // A row without a price posts none rather than the price of the row before it, unless its
    // promotion gives it one.
    v.prixLigne = prix.empty() && promo.empty() ? "" : v.prixAffiche;
    v.boutonLigne = s.bouton_jc;
    if (!v.boutonLigne.empty())
      contexte().copier("boutons/" + v.boutonLigne, "ftp/" + v.boutonLigne);
    vignetteLignes();
  }

  // 4. Closing; the table replaces the comments.
  T.push_back("<tr><td colspan=7 bgcolor=\"" + v.couleurTrait + "\">" + kTrait + "</tr>");
  T.push_back("</TABLE>");
  v.commentairesCarte.clear();
  for (const auto& l : T)
    if (!l.empty()) v.commentairesCarte.push_back(l);
}

void EcrivainCartes::vignetteLignes() {
  TValeursCarte& v = valeurs;
  const design::TStyleFiche& s = style;
  auto& T = v.lignesTableau;
  const Balises& b = v.balisesTexte;
  const bool gauche = s.aligne_jc == "left";
  const std::string bord = "<td bgcolor=\"" + v.couleurTrait + "\">" + kTrait;

  const std::string ecotaxe = ecotaxeLigne();

  T.push_back(ligneFormulaire());
  T.push_back("<tr><td colspan=7 height=1 bgcolor=\"" + v.couleurTrait + "\">" + kTrait + "</tr>");
  T.push_back("<tr>");
  T.push_back(bord);
  std::string prefixe;
  if (e_.options.options.refmod == "oui")
    prefixe = police(s.police_ref, s.coul_ref, s.taille_ref) + "<noBR>" + b.ouvre() + "&nbsp;" +
              v.referenceFiche + b.ferme() + "</noBR></span></font>";
  T.push_back("<td nowrap>" + prefixe + v.policeCommentaire + "&nbsp;" + b.ouvre() +
              sansPoids(v.texteLigne) + b.ferme() + "&nbsp;</span></font></td>");
  T.push_back(bord);
  T.push_back("<td nowrap align=\"center\">");
  champsCaches(T, true, ecotaxe);

  const std::string contenu = b.ouvre() + platform::trim(v.prixTexte) + b.ferme() +
                              "&nbsp;</span></font>";
  std::string cellule =
      gauche ? "<td nowrap align=\"center\">" + police(s.police_prix, s.coul_prix, s.taille_prix) +
                   "&nbsp" + contenu
             : police(s.police_prix, s.coul_prix, s.taille_prix) + "&nbsp;" + contenu;
  if (stylePromo.ok_PROMO_PRIX == "oui" && !v.ancienPrix.empty()) cellule = prixPromo(true);
  v.ancienPrix.clear();
  cellule += ligneEcotaxe(ecotaxe) + cadrePrixPro(ecotaxe);
  v.stylePrix = taillePrixDevise();
  const std::string devise = police(s.police_prix, s.coul_prix, v.stylePrix) + "&nbsp;" +
                             b.ouvre() + platform::trim(v.prixDeviseTexte) + b.ferme() +
                             "&nbsp;</span></font>";
  auto prixEtType = [&] {
    T.push_back(cellule);
    T.push_back(devise);
    if (!v.typeLigne.empty())
      T.push_back(police(s.police_type, s.coul_type, s.taille_type) + b.ouvre() + platform::htmlText(v.typeLigne) +
                  b.ferme() + "&nbsp;</span></font>");
  };
  auto commande = [&] {
    if (rupture(T)) return;
    champQuantite();
    if (std::string c = controleCommande(true, gauche); !c.empty()) T.push_back(c);
  };

  if (gauche) {
    T.push_back("<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=2 BORDER=0><br>");
    commande();
    T.push_back(bord);
    prixEtType();
    T.push_back("</td>");
  } else {
    prixEtType();
    T.push_back("</td>");
    T.push_back(bord);
    T.push_back(
        "<td nowrap align=\"center\"><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=2 BORDER=0>"
        "<br>");
    commande();
  }
  T.push_back(bord);
  T.push_back("</tr></form>");
}

}  // namespace pages
