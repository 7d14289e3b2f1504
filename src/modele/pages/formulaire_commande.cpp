// The order block of one orderable line of a card: a form posting the line to the shop's cart
// script, with its price, choices, quantity and order button. The comment rows write blocks of
// the same family from the same pieces.
//
// Values typed into sheets and side files are escaped where they land: attribute values get
// &quot; for a double quote, query values are percent-encoded, so a title such as Maxi 12" still
// posts every field the cart script expects.

#include <algorithm>

#include "modele/app/annexes_fiche.h"
#include "modele/app/options_programme.h"
#include "modele/app/promotions.h"
#include "modele/app/texte_prix.h"
#include "modele/frame/valeur_script.h"
#include "modele/pages/vignette.h"
#include "modele/pages/vignette_contexte.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace pages {

namespace {

using platform::htmlAttribute;
using platform::htmlText;
using platform::trim;
using platform::urlQueryValue;

const char kPix2[] = "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=2 BORDER=0><br>";

std::string cache(const std::string& nom, const std::string& valeur) {
  return "<input type=\"hidden\" name=\"" + nom + "\" value=\"" + htmlAttribute(valeur) + "\">";
}

}  // namespace

std::string EcrivainCartes::ecotaxeLigne() const {
  const TValeursCarte& v = valeurs;
  std::string eco = v.ecotaxe;
  if (v.referenceA == v.referenceFiche) eco = v.ecotaxeA;
  if (v.referenceB == v.referenceFiche) eco = v.ecotaxeB;
  if (v.referenceC == v.referenceFiche) eco = v.ecotaxeC;
  return eco;
}

std::string EcrivainCartes::ligneEcotaxe(const std::string& ecotaxe) {
  if (ecotaxe.empty()) return "";
  return "<br><font face=\"" + style.police_prix + "\" color=\"" + style.coul_prix +
         "\" size=1>dont ecotaxe: " + ecotaxe + " " + htmlText(contexte().identite().dev1) + "</font><br>";
}

// The second currency's size: the price's less 3, at least 10 (a size that is no whole number
// counts as 0).
std::string EcrivainCartes::taillePrixDevise() const {
  return std::to_string(
      std::max<long long>(10, platform::toInteger(trim(style.taille_prix)).value_or(0) - 3));
}

std::string EcrivainCartes::nomFormulaireLigne() const {
  return nomFormulaire(app::nomURL(valeurs.referenceFiche + valeurs.referenceVignette,
                                   e_.options.options.separateur()));
}

std::string EcrivainCartes::ligneFormulaire() const {
  const std::string nom = "<FORM NAME=\"f" + nomFormulaireLigne() + "\" ACTION=\"";
  if (e_.horsLigne) return nom + "boncommande.htm\">";
  return nom + htmlAttribute(e_.url_cgi) + "\" METHOD=\"POST\" TARGET=\"" +
         htmlAttribute(e_.targetS) + "\">";
}

std::string EcrivainCartes::description(bool rangee) const {
  const TValeursCarte& v = valeurs;
  if (app::panierPro(e_.url_cgi) == "oui" && !v.auteurCarte.empty())
    return v.titreCarte + " [" + v.auteurCarte + "]";
  if (rangee)
    return (v.typeLigne.empty() ? e_.motCleFiche : v.typeLigne) + " " + v.texteLigne;
  std::string d = v.titreCarte;
  if (!v.typeLigne.empty()) d = v.typeLigne + " " + d;
  if (e_.themes_d == "oui") d = e_.motCleFiche + " " + d;
  if (e_.themescat_d == "oui") d = v.categorieCarte + " " + e_.motCleFiche + " " + d;
  return d;
}

void EcrivainCartes::champRetour() {
  if (std::string r = trim(e_.url_retour); !r.empty())
    valeurs.lignesCarte.push_back(cache("retour", r));
}

void EcrivainCartes::champRetourBis() {
  if (std::string r = trim(e_.url_retour); !r.empty())
    valeurs.lignesTableau.push_back(cache("retour", r));
}

std::string EcrivainCartes::imagePromo() {
  const TStylePromo& p = stylePromo;
  if (p.image_PROMO_PRIX.empty()) return {};
  contexte().copier("puces/" + p.image_PROMO_PRIX, "ftp/" + p.image_PROMO_PRIX);
  return "<IMG ALT=\"\" SRC=\"" + htmlAttribute(p.image_PROMO_PRIX) + "\"" +
         platform::htmlSizeAttributes(p.largeur_image_PROMO_PRIX, p.hauteur_image_PROMO_PRIX) + " BORDER=0>&nbsp;";
}

std::vector<std::string> EcrivainCartes::listeChoix(const std::string& fichier,
                                                    const std::string& nom,
                                                    const std::string& lien,
                                                    const std::string& prefixe,
                                                    std::optional<double> taux) {
  // A reference typed in a comment row names no file outside the data folder.
  if (!platform::safeRelativePath(fichier)) return {};
  const platform::LineList lignes = app::chargerAnnexe(donnees_, fichier);
  if (lignes.empty()) return {};
  return liste(nom, lignes.lines(), lien, prefixe, taux);
}

// Each line is sent as it is read; a "label=price" line reads as its label and amount, cut at
// its last "=" as the order form cuts it. The label is the shopkeeper's text, never markup. A
// line whose text after its last "=" is no amount ("Couleur=rouge") is a label as a whole: it is
// shown and sent whole, and the order form charges nothing for it.
std::vector<std::string> EcrivainCartes::selectTailles(const platform::LineList& tailles) const {
  std::vector<std::string> L{cache("refclient", "oui"), "<SELECT name=\"ref\">"};
  // A size is shown as text, as the other lists' labels are: it opens no tag.
  for (const auto& t : tailles.lines())
    L.push_back("<OPTION value=\"" + htmlAttribute(valeurs.referenceFiche + " " + t) + "\">" +
                htmlText(t) + "</OPTION>");
  L.push_back("</SELECT>");
  return L;
}

std::vector<std::string> EcrivainCartes::liste(const std::string& nom,
                                               std::span<const std::string> lignes,
                                               const std::string& lien,
                                               const std::string& prefixe,
                                               std::optional<double> taux) {
  const std::string devise = contexte().identite().dev1;
  std::vector<std::string> L{"<SELECT name=\"" + nom + "\">"};
  for (const auto& lue : lignes) {
    std::string l = lue;
    std::string montre = trim(l);
    const size_t egal = l.rfind('=');
    const auto montant =
        egal == std::string::npos ? std::nullopt : app::montantCarte(l.substr(egal + 1), devise);
    // "Petit=": the label alone, the product at its own price.
    if (montant && trim(l.substr(egal + 1)).empty()) {
      montre = trim(l.substr(0, egal));
    } else if (montant) {
      // Past the cent, or at the promotion's rate, the amount is shown and charged as computed;
      // any other is written as stored.
      std::string vendu = *montant;
      if (taux && !trim(vendu).empty())
        vendu = app::prixPromotion(platform::val(app::nettoyerPrix(vendu)).value, *taux,
                                   stylePromo.arrondi);
      const bool calcule = vendu != l.substr(egal + 1);
      l = l.substr(0, egal + 1) + vendu;
      std::string liant = lien, prix = calcule ? app::formaterPrix(vendu) : vendu;
      // A supplement that takes off reads "Sans coffret - 2 EUR", not "+ -2".
      if (const std::string p = trim(prix); lien == " + " && p.size() > 1 && p[0] == '-') {
        liant = " - ";
        prix = trim(p.substr(1));
      }
      montre = trim(l.substr(0, egal) + liant + prix + " " + devise);
    }
    L.push_back("<OPTION value=\"" + htmlAttribute(l) + "\">" + prefixe + htmlText(montre) +
                "</OPTION>");
  }
  L.push_back("</SELECT>");
  return L;
}

// A supplement is the shopper's to take: left alone, the list sends nothing and adds nothing.
std::vector<std::string> EcrivainCartes::listeSupplements(const std::string& reference,
                                                          const std::string& prefixe) {
  auto L = listeChoix(reference + ".sup", "refsupp3", " + ", prefixe);
  if (!L.empty())
    L.insert(L.begin() + 1, "<OPTION value=\"\">" + prefixe + "Sans supplément</OPTION>");
  return L;
}

// A model replaces the price: on a promoted reference it is sold at the promotion's rate, as
// "Appliquer" would have priced it. Without a rate that reads as one, or with a promotion the
// card does not apply, the models keep their own prices.
std::vector<std::string> EcrivainCartes::listeModeles() {
  const std::string& reference = valeurs.referenceFiche;
  std::optional<double> taux;
  if (auto pro = fichierPromotion(reference)) {
    const std::string t = trim(pro->value("taux"));
    if (!t.empty() && app::promotionCarte(pro->value("prixpromo"), contexte().identite().dev1))
      taux = app::nombreTaux(t);
    if (taux && *taux < -100) taux.reset();
  }
  return listeChoix(reference + ".dif", "refdiff", " ", "", taux);
}

// The sheet's "<CHOIX>" titles, after their marker line: a choice whose amounts add to the price.
std::vector<std::string> EcrivainCartes::listeTitresChoix() {
  const auto& c = valeurs.lignesChoix;
  if (!valeurs.choixTitres || c.size() <= 1) return {};
  return liste("refsupp", std::span(c).subspan(1), " + ", "");
}

void EcrivainCartes::scriptSession(std::vector<std::string>& L) {
  const bool frames = e_.options.frames == "oui";
  L.push_back("<script language=\"JavaScript\">");
  L.push_back("document.write('<input type=\"hidden\" name=\"session_client\" value=\"'+" +
              frame::valeurSure("top.session_client") + "+'\">');");
  if (contexte().urlBoutique())
    L.push_back("document.write('<input type=\"hidden\" name=\"track\" value=\"'+" +
                frame::valeurSure(frames ? "top.track" : "track") + "+'\">');");
  L.push_back("</script>");
}

void EcrivainCartes::champsCaches(std::vector<std::string>& L, bool rangee,
                                  const std::string& ecotaxe, bool supplements) {
  const TValeursCarte& v = valeurs;
  const bool frames = e_.options.frames == "oui";
  scriptSession(L);
  const app::TIdentite& id = contexte().identite();
  L.push_back(cache("login", id.login));
  L.push_back(cache("ext", id.ext));
  if (e_.imagespanier == "oui") L.push_back(cache("imagepanier", v.imageVignette));
  if (contexte().maxiQmulti() && v.qmultiCarte > 0) {
    L.push_back(cache("qmax_multi", std::to_string(v.qmaxiCarte)));
    L.push_back(cache("qmulti", std::to_string(v.qmultiCarte)));
  }
  if (rangee || supplements)
    for (auto& l : listeSupplements(v.referenceFiche, "")) L.push_back(l);
  if (v.carteFenetre) {
    L.push_back(cache("fenetre", "oui"));
  } else if (frames) {
    L.push_back(cache("session", "oui"));
  } else {
    L.push_back("<script language=\"JavaScript\">");
    L.push_back("if(navigator.cookieEnabled == true)");
    L.push_back("{document.write('<input type=\"hidden\" name=\"session\" value=\"oui\">');}");
    L.push_back("</script>");
  }
  if (rangee)
    champRetourBis();
  else
    champRetour();
  if (rangee || v.mesTailles != "oui") L.push_back(cache("ref", v.referenceFiche));
  L.push_back(cache("description", description(rangee)));
  L.push_back(cache("pu", v.prixLigne));
  if (!ecotaxe.empty()) L.push_back(cache("ecotaxe", ecotaxe));
}

std::string EcrivainCartes::prixPromo(bool rangee) {
  TValeursCarte& v = valeurs;
  const design::TStyleFiche& s = style;
  const TStylePromo& p = stylePromo;
  const Balises& b = v.balisesTexte;
  const bool gauche = s.aligne_jc == "left";
  const std::string ancien =
      trim(app::formaterPrix(v.ancienPrix)) + " " + htmlText(contexte().identite().dev1);
  std::string cellule;
  if (gauche) cellule = rangee ? "<td nowrap align=\"center\">" : "<td align=\"right\" nowrap>";
  std::string taux;
  if (!p.pourcentC && app::nettoyerPrix(v.tauxPromo).find('.') == std::string::npos)
    taux = "<font face=\"" + s.police_prix + "\" color=\"" + p.couleur_texte_PROMO_PRIX +
           "\"><span style=\"FONT-SIZE:" + s.taille_prix + "px;\"><SUP>" + b.ouvre() +
           trim(v.tauxPromo) + "%" + b.ferme() + "</SUP></span></font>";
  const std::string separateur = !p.ligneC ? "<br>" : (rangee || !gauche ? "&nbsp;" : "");
  cellule += "<font face=\"" + s.police_prix + "\" color=\"" + s.coul_prix +
             "\"><span style=\"FONT-SIZE:" + s.taille_prix + "px;TEXT-DECORATION:line-through;\">" +
             b.ouvre() + ancien + b.ferme() + "</span></font>" + taux + separateur;
  cellule += imagePromo();
  cellule += "<font face=\"" + s.police_prix + "\" color=\"" + p.couleur_texte_PROMO_PRIX +
             "\"><span style=\"FONT-SIZE:" + s.taille_prix + "px;\">" + b.ouvre() +
             trim(v.prixTexte) + b.ferme() + "</span></font>";
  return cellule;
}

void EcrivainCartes::quantite(std::vector<std::string>& L, bool rangee) {
  const TValeursCarte& v = valeurs;
  const design::TStyleFiche& s = style;
  if (s.quantite_style != "oui") return;
  const std::string libelle = "&nbsp;" + police(s.police_prix, s.coul_prix, s.taille_prix) +
                              "Quant.</span></font>";
  if (v.qmultiCarte == 0) {
    if (!rangee && v.bacheCarte)
      L.push_back("<!-- marqueur bache quantite ref " + v.referenceFiche + " -->");
    const std::string q = trim(contexte().quantiteClient(v.referenceFiche).value_or("1"));
    L.push_back(libelle + "<input type=\"text\" name=\"quantite\" value=\"" + htmlAttribute(q) +
                "\" size=3 maxlength=5>" + (rangee ? "" : "&nbsp;"));
    return;
  }
  L.push_back(libelle);
  L.push_back("<SELECT name=\"quantite\">");
  for (long long n = v.qmultiCarte; n <= v.qmaxiCarte; n += v.qmultiCarte)
    L.push_back("<OPTION value=\"" + std::to_string(n) + "\">" + std::to_string(n) + "</OPTION>");
  L.push_back("</SELECT>");
}

void EcrivainCartes::champQuantite() { quantite(valeurs.lignesTableau, true); }

void EcrivainCartes::champQuantiteEtat() {
  TValeursCarte& v = valeurs;
  const design::TStyleFiche& s = style;
  if (e_.horsLigne) return;
  if (v.etatVisible == "oui") {
    const app::TAffichageEtat& etat = e_.options.etat;
    const std::string couleur = etat.couleur == "coul_prix" ? s.coul_prix : etat.couleur;
    const std::string face = etat.police.empty() ? s.police_prix : etat.police;
    const bool gras = etat.gras == "oui";
    // The query is encoded and the font closed inside the link, so that neither the title nor
    // the price and button after it are broken by the link.
    v.lignesCarte.push_back(
        std::string("&nbsp;<a href=\"") + kScriptEtat + "?login=" +
        urlQueryValue(contexte().identite().login) + "&ref=" + urlQueryValue(v.referenceFiche) +
        "&description=" + urlQueryValue(v.titreCarte) + "\" target=\"_blank\"><font face=\"" +
        face + "\" color=\"" + couleur + "\" size=\"" + etat.size + "\">" + (gras ? "<b>" : "") +
        etat.phrase + (gras ? "</b>" : "") + "</font></a>&nbsp;");
  }
  quantite(v.lignesCarte, false);
}

std::string EcrivainCartes::cadrePrixPro(const std::string& ecotaxe) {
  const TValeursCarte& v = valeurs;
  const design::TStyleFiche& s = style;
  if (app::panierPro(e_.url_cgi) != "oui" || v.auteurCarte.empty()) return "";
  const char sep = e_.options.options.separateur();
  return "<IFRAME src=\"prixframe.php?px=" + urlQueryValue(v.prixLigne) +
         "&auteur=" + urlQueryValue(v.auteurCarte) + "&police=" + urlQueryValue(s.police_prix) +
         "&couleur=&coulp=&taille=" + urlQueryValue(s.taille_prix) +
         "&eco=" + urlQueryValue(ecotaxe) + "&devise=" + urlQueryValue(contexte().identite().dev1) +
         "&fond=" + urlQueryValue(app::nomURL(s.fond_bas, sep)) +
         "\" Marginwidth=0 marginheight=0 width=\"120\" height=\"40\"  scrolling=\"no\" "
         "frameborder=0></IFRAME><br>";
}

bool EcrivainCartes::rupture(std::vector<std::string>& L) {
  if (valeurs.disponible != "non") return false;
  if (auto ruptures = contexte().charger("ruptures.ini")) L.push_back(ruptures->value("code"));
  return true;
}

std::string EcrivainCartes::controleCommande(bool rangee, bool gauche) const {
  const TValeursCarte& v = valeurs;
  const std::string& type = style.type_prix;
  const std::string bouton = htmlAttribute(v.boutonLigne);
  const std::string texte = htmlAttribute(v.texteBouton);
  const std::string espace = rangee ? "&nbsp;" : "";
  if (type == "image") {
    std::string fin = "\"></td>";
    if (rangee)
      fin = "\">&nbsp;</td>";
    else if (style.quantite_style == "oui")
      fin = gauche ? "\"  ALIGN=\"top\"></td>" : "\" ALIGN=\"top\"></td>";
    return espace + "<input type=\"image\" SRC=\"" + bouton + "\" border=0 ALT=\"" + texte + fin;
  }
  if (type == "soumission")
    return espace + "<input type=\"submit\" " + v.styleBoutonCommande + " value=\"" + texte +
           "\">" + espace + "</td>";
  if (type == "texte")
    return "<A HREF=\"JavaScript:document.f" + nomFormulaireLigne() + ".submit()\"><span " +
           v.styleBoutonCommande + ">" + espace + v.texteBouton + espace + "</span></a></td>";
  return "";
}

void EcrivainCartes::formulaireCommande() {
  TValeursCarte& v = valeurs;
  const design::TStyleFiche& s = style;
  auto& L = v.lignesCarte;
  const Balises& b = v.balisesTexte;
  const bool gauche = s.aligne_jc == "left";

  // 1. Ecotax.
  const std::string ecotaxe = ecotaxeLigne();

  // 2. Sizes.
  platform::LineList tailles;
  if (v.mesTailles == "oui") {
    const std::string nom = v.referenceVignette + "tailles.txt";
    if (platform::safeRelativePath(nom)) tailles = app::chargerAnnexe(donnees_, nom);
    if (tailles.empty()) v.mesTailles = "non";
  }

  // 3. The form and its row.
  L.push_back(ligneFormulaire());
  L.push_back("<tr>");

  // The price cell.
  std::string cellule;
  if (e_.options.options.refmod == "oui")
    cellule = police(s.police_ref, s.coul_ref, s.taille_ref) + "<noBR>" + b.ouvre() + "&nbsp;" +
              v.referenceFiche + b.ferme() + "</noBR></span></font>&nbsp;";
  cellule = (gauche ? "<td align=\"right\" nowrap>" : "") + cellule +
            police(s.police_prix, s.coul_prix, s.taille_prix) + b.ouvre() + trim(v.prixTexte) +
            b.ferme() + "</span></font>";
  if (stylePromo.ok_PROMO_PRIX == "oui" && !v.ancienPrix.empty()) cellule = prixPromo(false);
  v.ancienPrix.clear();
  cellule += ligneEcotaxe(ecotaxe) + cadrePrixPro(ecotaxe);

  // The second currency, a little smaller.
  v.stylePrix = taillePrixDevise();
  const std::string devise = police(s.police_prix, s.coul_prix, v.stylePrix) + b.italique +
                             trim(v.prixDeviseTexte) + b.finItalique + "</span></font>";

  // The choice lists.
  const auto supplements = listeSupplements(v.referenceFiche, "");
  std::vector<std::string> supplementsCarte;
  if (!v.typeLigne.empty() && v.referenceVignette != v.referenceFiche)
    supplementsCarte = listeSupplements(v.referenceVignette, gauche ? "Z " : "");
  std::vector<std::string> listeTailles;
  if (v.mesTailles == "oui") {
    if (v.bacheCarte)
      listeTailles.push_back("<!-- marqueur bache deroulant ref " + v.referenceFiche + " -->");
    for (auto& ligne : selectTailles(tailles)) listeTailles.push_back(std::move(ligne));
  }
  std::vector<std::string> etiquette;
  if (!v.typeLigne.empty())
    etiquette.push_back(police(s.police_type, s.coul_type, s.taille_type) +
                        v.balisesType.ouvre() + htmlText(gauche ? v.typeLigne : sansPoids(v.typeLigne)) +
                        v.balisesType.ferme() + "</span></font>");
  auto ajouter = [&L](const std::vector<std::string>& lignes) {
    L.insert(L.end(), lignes.begin(), lignes.end());
  };
  auto commande = [&] {
    if (rupture(L)) return;
    champQuantiteEtat();
    if (std::string c = controleCommande(false, gauche); !c.empty()) L.push_back(c);
  };

  if (gauche) {
    L.push_back("<td nowrap>");
    champsCaches(L, false, ecotaxe);
    ajouter(listeTailles);
    L.push_back(kPix2);
    commande();
    L.push_back(cellule);
    ajouter(supplements);
    ajouter(supplementsCarte);
    L.push_back(devise);
    ajouter(etiquette);
    L.push_back("</td>");
  } else {
    L.push_back(v.choixTitres ? "<td valign=\"top\" noWrap>" : "<td>");
    champsCaches(L, false, ecotaxe);
    L.push_back(cellule);
    L.push_back(devise);
    ajouter(supplements);
    ajouter(etiquette);
    ajouter(supplementsCarte);
    if (v.choixTitres) L.push_back("&nbsp;</td><td valign=\"top\">");
    ajouter(listeTailles);
    ajouter(listeTitresChoix());
    ajouter(listeModeles());
    L.push_back("</td><td align=\"right\" valign=\"top\" nowrap>");
    L.push_back(kPix2);
    commande();
  }
  L.push_back("</tr></form>");
}

}  // namespace pages
