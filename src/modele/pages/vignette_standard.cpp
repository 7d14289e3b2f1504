// The standard card layout: a boxed card of stacked bands (title and author, body with comments
// and picture, titles lines, price band with the order forms), framed by a line, by rounded
// corners or not at all, with the list header above the first card of a page and the footer
// below the last one.

#include "modele/app/texte_prix.h"
#include "modele/design/coins.h"
#include "modele/pages/vignette.h"
#include "modele/pages/vignette_contexte.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/text.h"

namespace pages {

namespace {

const char kPix[] = "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=";

// The cells and rows every band is made of.
struct Bandes {
  std::vector<std::string>& lignes;
  std::string interieure;  // width of the middle column
  std::string bordure;     // attribute of the 1-pixel border cells

  void add(std::string l) { lignes.push_back(std::move(l)); }
  static std::string espaceur(const std::string& couleur, const std::string& l,
                              const std::string& h) {
    return "<td bgcolor=\"" + couleur + "\" width=" + l + ">" + kPix + l + " HEIGHT=" + h +
           " BORDER=0></td>";
  }
  std::string bord(const std::string& h) const {
    return "<td" + bordure + " width=1>" + kPix + "1 HEIGHT=" + h + " BORDER=0></td>";
  }
  void rangee(const std::string& h, const std::string& couleur) {
    add("<tr>");
    add(bord(h));
    add(espaceur(couleur, "9", h));
    add(espaceur(couleur, interieure, h));
    add(espaceur(couleur, "9", h));
    add(bord(h));
    add("</tr>");
  }
  void ligneCadre() {
    if (!bordure.empty())
      add("<tr><td" + bordure + " colspan=5>" + kPix + "1 HEIGHT=1 BORDER=0></td></tr>");
  }
};

// The bands of a card in its style: the middle column is the card's width less 8 (1 when that
// width is not a whole number), and the border cells take the line colour unless unframed.
Bandes bandes(std::vector<std::string>& lignes, const design::TStyleFiche& s) {
  Bandes b{lignes, "1", {}};
  if (auto largeur = platform::toInteger(platform::trim(s.largeur_fiche)))
    b.interieure = platform::fromInteger(*largeur - 8);
  if (s.encadrement_style != "aucun") b.bordure = " bgcolor=\"" + s.coul_trait + "\"";
  return b;
}

}  // namespace

std::string EcrivainCartes::nomLienDetail() const {
  const std::string& ref =
      valeurs.referenceLignes.empty() ? valeurs.referenceFiche : valeurs.referenceLignes;
  return nomFormulaire(app::nomURL(ref, e_.options.options.separateur()));
}

void EcrivainCartes::coinsCadre(std::vector<std::string>& coins) {
  const char sep = e_.options.options.separateur();
  const std::string prefixe = app::nomURL(e_.nomCadre, sep);
  // The corners are drawn by the first card asked of their prefix (two frame names may give
  // one): a card asked earlier than the one that drew them draws them again, so that the team's
  // timing does not choose.
  auto verrou = contexte().verrouiller();
  auto dessines = contexte().coinsDessines().find(prefixe);
  const bool redessiner = e_.ordre > 0 && dessines != contexte().coinsDessines().end() &&
                          e_.ordre < dessines->second;
  for (const char* c : {"hg", "hd", "bg", "bd"}) {
    std::string nom = std::string("defaut_") + c + ".gif";
    const std::string candidat = prefixe + "_" + c + ".gif";
    if (std::string_view(c) == "hg" && (redessiner || !contexte().existe(candidat))) {
      // Drawn from the card's own style, without the style editor (which may hold unsaved
      // edits) and without a display.
      try {
        design::sauverCoins(design::coinsStyleFiche(style), style.encadrement_style, e_.nomCadre,
                            sep, donnees_.root());
        contexte().coinsDessines()[prefixe] = e_.ordre;
      } catch (const platform::FileError&) {
        // The card names the default corners then.
      }
    }
    if (contexte().existe(candidat)) nom = candidat;
    if (redessiner && nom == candidat)
      contexte().recopierVersFtp(nom);
    else
      copierVersFtp(nom);
    coins.push_back(nom);
  }
}

void EcrivainCartes::entete() {
  TValeursCarte& v = valeurs;
  const auto& options = e_.options.options;
  if (options.articles_trouves != "oui" || !e_.indicateurCarteA) return;
  const TOptionsArticles& o = contexte().optionsArticles(options.police_defaut);
  v.categorieCarte = platform::trim(v.categorieCarte);
  DonneesListe d{contexte().nombreFiches(v.categorieCarte),
                 contexte().nombreThemes(v.categorieCarte),
                 std::nullopt,
                 e_.pageCourante.substr(0, e_.pageCourante.find('.')),
                 v.couleurEtat,
                 e_.apercuArticles,
                 contexte().pagerCategorie(v.categorieCarte, o, v.couleurEtat)};
  auto l = lignesListe(d, o, true);
  if (!l) return;
  e_.pageCourante = d.page;
  const std::string fleche = platform::trim(o.flecheE);
  if (o.rubriquesC == "oui" && !fleche.empty() && !contexte().existe("ftp/" + fleche))
    contexte().copier("puces/" + fleche, "ftp/" + fleche);
  for (auto& ligne : lignesEntete(*l, o)) v.lignesCarte.push_back(std::move(ligne));
}

void EcrivainCartes::pied(bool tableau) {
  TValeursCarte& v = valeurs;
  const auto& options = e_.options.options;
  if (options.articles_trouves != "oui" || !e_.indicateurCarteB) return;
  const TOptionsArticles& o = contexte().optionsArticles(options.police_defaut);
  if (!tableau) v.lignesFinCarte.clear();
  v.categorieCarte = platform::trim(v.categorieCarte);
  DonneesListe d{contexte().nombreFiches(v.categorieCarte),
                 "",
                 std::nullopt,
                 e_.pageCourante.substr(0, e_.pageCourante.find('.')),
                 v.couleurEtat,
                 e_.apercuArticles,
                 contexte().pagerCategorie(v.categorieCarte, o, v.couleurEtat)};
  if (auto l = lignesListe(d, o, false)) {
    e_.pageCourante = d.page;
    (tableau ? v.lignesCarte : v.lignesFinCarte).push_back(lignePied(*l, o, tableau));
  }
}

void EcrivainCartes::contenuTexte() {
  TValeursCarte& v = valeurs;
  design::TStyleFiche& s = style;
  const auto& options = e_.options.options;
  auto& L = v.lignesCarte;
  L.push_back(police(s.police_comm, s.coul_comm, s.taille_comm));
  bool division = false;
  if (!v.commentairesCarte.empty()) {
    if (s.aligne_comm == "left") s.aligne_comm.clear();
    if (!s.aligne_comm.empty()) {
      L.push_back("<DIV align=\"" + s.aligne_comm + "\">");
      division = true;
    }
    const Balises b = balises(s.gras_comm, s.souligne_comm, s.italique_comm);
    L.push_back(b.ouvre());
    L.push_back("<!-- marqueur debut commentaire ref=" + v.referenceFiche + " -->");
    for (const auto& l : v.commentairesCarte)
      if (!l.empty()) L.push_back(l);
    L.push_back("<!-- marqueur fin commentaire ref=" + v.referenceFiche + " -->");
    L.push_back(b.ferme());
  }
  if (options.refmod != "oui" && options.i_ref != "oui" && v.lignesAutre != "oui") {
    const Balises r = balises(s.gras_ref, s.souligne_ref, s.italique_ref);
    L.push_back(police(s.police_ref, s.coul_ref, s.taille_ref) + "<noBR>" + r.ouvre() + "[" +
                v.referenceFiche + "]" + r.ferme() + "</noBR></span></font>");
  }
  if (!v.imageDetail.empty()) {
    const std::string nom = platform::htmlAttribute(nomLienDetail());
    if (v.imageDetail == "HTML")
      L.push_back("&nbsp;<a href=\"" + nom + ".htm\" target=\"_blank\"><u>" +
                  e_.detailhP + "</u></a>");
    else if (!v.scriptDetail.empty())
      L.push_back("&nbsp;<a href=\"JavaScript:void(0);\" onClick=\"" +
                  platform::htmlAttribute(v.scriptDetail) + "\"><u><b>" +
                  e_.detailsP + "</b></u></a>");
    else
      L.push_back("&nbsp;<a href=\"" + nom + "_detail.htm\" target=\"_blank\"><u>" +
                  e_.detailsP + "</u></a>");
  }
  if (division) L.push_back("</DIV>");
  L.push_back("</span></font>");
}

void EcrivainCartes::celluleImage() {
  TValeursCarte& v = valeurs;
  const design::TStyleFiche& s = style;
  const bool horizontal = s.position_texte == "horizontal";
  std::string c =
      horizontal ? "<td bgcolor=\"" + s.fond + "\" valign=\"top\" width=\"" + v.largeurImage + "\">"
                 : "<td bgcolor=\"" + s.fond + "\" valign=\"top\" width=\"100%\" align=\"center\">";
  bool lien = false;
  if (!v.imageDetail.empty()) {
    lien = true;
    const std::string nom = platform::htmlAttribute(nomLienDetail());
    if (v.imageDetail == "HTML")
      c += "<a href=\"" + nom + ".htm\" target=\"_blank\">";
    else if (!v.scriptDetail.empty())
      c += "<a href=\"JavaScript:void(0);\" onClick=\"" + platform::htmlAttribute(v.scriptDetail) +
           "\">";
    else
      c += "<a href=\"" + nom + "_detail.htm\" target=\"_blank\">";
  }
  c += "<IMG ALT=\"" + platform::htmlAttribute(sansPoids(v.titreCarte)) + "\" SRC=\"" +
       platform::htmlAttribute(v.imageCarte) + "\"" + platform::htmlSizeAttributes(v.largeurImage, v.hauteurImage) +
       " BORDER=0 vspace=3>";
  if (lien) c += "</a>";
  c += "</td>";
  v.lignesCarte.push_back(std::move(c));
  if (horizontal)
    v.lignesCarte.push_back("<td bgcolor=\"" + s.fond + "\">" + kPix + "6 HEIGHT=1 BORDER=0></td>");
}

void EcrivainCartes::bandeTitres() {
  TValeursCarte& v = valeurs;
  design::TStyleFiche& s = style;
  if (v.titresCarte.front() == "<CHOIX>") {
    v.choixTitres = true;
    v.lignesChoix = v.titresCarte;
    v.titresCarte.clear();
    return;
  }
  Bandes b = bandes(v.lignesCarte, s);
  b.rangee("4", s.fond);
  b.ligneCadre();
  b.rangee("4", s.fond_titres);
  b.add("<tr>");
  b.add(b.bord("4"));
  b.add(Bandes::espaceur(s.fond_titres, "9", "4"));
  b.add("<td bgcolor=\"" + s.fond_titres + "\" width=" + b.interieure + ">");
  if (s.aligne_titres == "left") s.aligne_titres.clear();
  if (!s.aligne_titres.empty()) b.add("<DIV align=\"" + s.aligne_titres + "\">");
  const Balises t = balises(s.gras_titres, s.souligne_titres, s.italique_titres);
  const std::string fonte = police(s.police_titres, s.coul_titres, s.taille_titres);
  const std::string& liens = e_.couleur_liens;
  const size_t nombre = v.titresCarte.size();
  for (size_t i = 0; i < nombre; ++i) {
    const std::string& ligne = v.titresCarte[i];
    if (ligne.empty()) continue;
    std::string texte = ligne;
    std::string adresse;
    if (size_t diese = ligne.find("<#>"); diese != std::string::npos) {
      texte = ligne.substr(0, diese);
      adresse = platform::trim(std::string_view(ligne).substr(diese + 3));
    }
    if (!adresse.empty()) {
      const std::string couleur = liens.empty() ? "" : " color=\"" + liens + "\"";
      const std::string fonteLien = "<font face=\"" + s.police_titres + "\" " + couleur +
                                    "><span style=\"FONT-SIZE:" + s.taille_titres + "px\">";
      texte = "<a href=\"" + platform::htmlAttribute(adresse) + "\">" + fonteLien + "<u>" + t.gras +
              t.italique + texte + t.finItalique + t.finGras +
              "</u></span></font></a><IMG ALT=\"\" SRC=\"son.gif\" WIDTH=9 HEIGHT=12 BORDER=0 "
              "hspace=4>";
    } else {
      texte = fonte + texte + "</span></font>";
    }
    b.add("<noBR>" + t.ouvre() + texte + t.ferme());
    if (i + 1 < nombre) b.add(fonte + " - </span></font>");
    b.add("</noBR>");
  }
  if (!s.aligne_titres.empty()) b.add("</DIV>");

  if (contexte().bache().contains(e_.referenceCarte + ".ref")) {
    const std::string ref = platform::htmlAttribute(e_.referenceCarte);
    b.add("<!-- marqueur bache formulaire ref " + v.referenceFiche + " -->");
    b.add("<center><table border=0>");
    b.add("<form action=\"calcul_bache.php\" method=\"POST\">");
    b.add("<input type=\"hidden\" name=\"reference\" value=\"" + ref + "\">");
    const std::pair<const char*, const char*> dimensions[] = {
        {"Largeur du bassin :", "largeur_bassin"},
        {"Longueur du bassin :", "longueur_bassin"},
        {"Profondeur du bassin :", "profondeur_bassin"}};
    for (const auto& [libelle, champ] : dimensions) {
      b.add("<tr><td>" + fonte + libelle + "</span></font></td>");
      b.add(std::string("<td><input type=\"Text\" name=\"") + champ + "\" size=5>" + fonte +
            " m</span></font><br></td></tr>");
    }
    b.add(
        "<tr><td colspan=2 align=center><input type=\"IMAGE\" SRC=\"calcul_bache.gif\"></td></tr>");
    b.add("<!-- marqueur bache resultat ref " + v.referenceFiche + " -->");
    b.add("</form></table></center>");
    v.bacheCarte = true;
  }
  b.add("</td>");
  b.add(Bandes::espaceur(s.fond_titres, "9", "4"));
  b.add(b.bord("4"));
  b.add("</tr>");
}

void EcrivainCartes::bandePrix() {
  TValeursCarte& v = valeurs;
  const design::TStyleFiche& s = style;
  const app::TIdentite& id = contexte().identite();

  struct Emplacement {
    bool ecrit;
    const std::string& prix;
    const std::string& prixLigne;
    const std::string* reference;  // null: unchanged
    const std::string& type;
    const std::string* ancien;  // null: unchanged
    const std::string& bouton;
    const std::string& texte;
  };
  const std::string vide;
  const bool variantes = v.boutonA == "oui" || v.boutonB == "oui" || v.boutonC == "oui";
  // Copies: the order block changes the card's values while it runs.
  const std::string prixA = v.prixA, prixB = v.prixB, prixC = v.prixC, prix = v.prix;
  const std::string refA = v.referenceA, refB = v.referenceB, refC = v.referenceC;
  const std::string ancA = v.ancienPrixA, ancB = v.ancienPrixB, ancC = v.ancienPrixC;
  const std::string affiche = v.prixAffiche;
  const Emplacement places[] = {
      {v.boutonA == "oui" && !v.prixIllisibleA, prixA, prixA, &refA, v.type1Carte, &ancA,
       s.bouton_type1, s.texte_type1},
      {v.boutonB == "oui" && !v.prixIllisibleB, prixB, prixB, &refB, v.type2Carte, &ancB,
       s.bouton_type2, s.texte_type2},
      {v.boutonC == "oui" && !v.prixIllisibleC, prixC, prixC, &refC, v.type3Carte, &ancC,
       s.bouton_type3, s.texte_type3},
      {!variantes, prix, affiche, nullptr, vide, nullptr, s.bouton_jc, s.texte_jc},
  };
  for (const Emplacement& e : places) {
    if (!e.ecrit) continue;
    const app::PrixDevise pd = app::prixDevise(e.prix, id.dev1, id.dev2, id.taux);
    v.prixTexte = pd.prixPrincipalTexte;
    v.prixDeviseTexte = pd.prixDeviseTexte;
    if (e.reference) v.referenceFiche = *e.reference;
    v.typeLigne = e.type;
    v.prixLigne = e.prixLigne;
    if (e.ancien) v.ancienPrix = *e.ancien;
    v.boutonLigne = e.bouton;
    v.texteBouton = e.texte;
    if (!v.boutonLigne.empty())
      contexte().copier("boutons/" + v.boutonLigne, "ftp/" + v.boutonLigne);
    formulaireCommande();
  }
}

void EcrivainCartes::vignetteStandard() {
  TValeursCarte& v = valeurs;
  design::TStyleFiche& s = style;
  const auto& options = e_.options.options;
  const bool aucun = s.encadrement_style == "aucun";
  const bool rond = s.encadrement_style == "rond";
  const bool carre = !aucun && !rond;
  const std::string& lf = s.largeur_fiche;

  // 1. Corner images.
  std::vector<std::string> coins;
  if (rond) coinsCadre(coins);

  // 2. Derived values.
  Bandes b = bandes(v.lignesCarte, s);
  v.bacheCarte = false;

  // 3. Presentation block.
  if (!v.presentationsCarte.empty()) {
    const Balises p = balises(s.gras_pre, s.souligne_pre, s.italique_pre);
    b.add("<table border=0 cellspacing=0 cellpadding=0>");
    b.add("<tr>");
    b.add("<td valign=\"top\" align=\"center\">");
    b.add(police(s.police_pre, s.coul_pre, s.taille_pre));
    b.add(p.ouvre());
    for (const auto& l : v.presentationsCarte)
      if (!l.empty()) b.add(l);
    b.add(p.ferme());
    b.add("</span></font>");
    b.add("</td></tr>");
    b.add(std::string("<tr><td>") + kPix + "1 HEIGHT=12 BORDER=0></td></tr></table>");
  }

  // 4. and 5. List header, start of the card.
  entete();
  b.add("<!-- marqueur liste rapide vignette haut standard -->");

  // 6. Frame top.
  if (rond) {
    b.add("<table border=0 cellspacing=0 cellpadding=0>");
    b.add("<tr>");
    b.add("<td width=6><IMG ALT=\"\" SRC=\"" + coins[0] + "\" WIDTH=6 HEIGHT=6 BORDER=0></td>");
    b.add("<td>");
    b.add("<table border=0 cellpadding=0 cellspacing=0>");
    b.add("<tr>");
    b.add("<td" + b.bordure + " width=" + lf + ">" + kPix + lf + " HEIGHT=1 BORDER=0></td></tr>");
    b.add("<tr><td bgcolor=\"" + s.fond_titre + "\" width=" + lf + ">" + kPix + lf +
          " HEIGHT=5 BORDER=0></td></tr>");
    b.add("</table>");
    b.add("</td>");
    b.add("<td width=6><IMG ALT=\"\" SRC=\"" + coins[1] + "\" WIDTH=6 HEIGHT=6 BORDER=0></td>");
    b.add("</tr></table>");
  } else if (carre) {
    b.add("<table border=0 cellspacing=0 cellpadding=0>");
    b.add("<tr><td bgcolor=\"" + s.coul_trait + "\" width=6>" + kPix +
          "6 HEIGHT=1 BORDER=0></td><td bgcolor=\"" + s.coul_trait + "\" width=" + lf + ">" + kPix +
          lf + " HEIGHT=1 BORDER=0></td><td bgcolor=\"" + s.coul_trait + "\" width=6>" + kPix +
          "6 HEIGHT=1 BORDER=0></td></tr>");
    b.add("</table>");
  }

  // 7. Title band.
  b.add("<table border=0 cellspacing=0 cellpadding=0>");
  b.add("<tr>");
  b.add(carre ? "<td" + b.bordure + " width=1 height=6>" + kPix + "1 HEIGHT=6 BORDER=0></td>"
              : b.bord("1"));
  b.add(Bandes::espaceur(s.fond_titre, "9", "1"));
  b.add(Bandes::espaceur(s.fond_titre, b.interieure, "1"));
  b.add(Bandes::espaceur(s.fond_titre, "9", "1"));
  b.add(b.bord("1"));
  b.add("</tr>");
  b.add("<tr>");
  b.add(b.bord("1"));
  b.add(Bandes::espaceur(s.fond_titre, "9", "1"));
  b.add("<td bgcolor=\"" + s.fond_titre + "\">");
  b.add("<table border=0 cellpadding=0 cellspacing=0 width=" + b.interieure + ">");
  b.add("<tr>");
  b.add("<td bgcolor=\"" + s.fond_titre + "\" align=\"" + s.aligne_titre + "\">");
  b.add(police(s.police_titre, s.coul_titre, s.taille_titre));
  const Balises ti = balises(s.gras_titre, s.souligne_titre, s.italique_titre);
  b.add(ti.ouvre() + sansPoids(v.titreCarte) + "&nbsp;" + ti.ferme() + "</span></font>");
  b.add("</td>");
  b.add("<td bgcolor=\"" + s.fond_titre + "\" align=\"" + s.aligne_auteur + "\">");
  b.add(police(s.police_auteur, s.coul_auteur, s.taille_auteur));
  const Balises au = balises(s.gras_auteur, s.souligne_auteur, s.italique_auteur);
  b.add(au.ouvre() + platform::htmlText(v.auteurCarte) + au.ferme() + "</span></font>");
  b.add("</td></tr></table>");
  b.add("</td>");
  b.add(Bandes::espaceur(s.fond_titre, "5", "1"));
  b.add(b.bord("1"));
  b.add("</tr>");
  b.rangee("6", s.fond_titre);
  b.ligneCadre();
  b.add("</table>");

  // 8. to 10. Body band with the titles band inside it.
  if (!v.commentairesCarte.empty() || !v.imageCarte.empty() || !v.titresCarte.empty()) {
    b.add("<table border=0 cellspacing=0 cellpadding=0>");
    b.rangee("4", s.fond);
    b.add("<tr>");
    b.add(b.bord("1"));
    b.add(Bandes::espaceur(s.fond, "9", "1"));
    b.add("<td bgcolor=\"" + s.fond + "\" width=" + b.interieure + ">");
    b.add("<table border=0 cellspacing=0 cellpadding=0 width=" + b.interieure + " align=\"left\">");
    b.add("<tr>");
    const std::string ecart = std::string("<tr><td>") + kPix + "1 HEIGHT=4 BORDER=0></td>";
    if (s.position_texte == "haut") {
      b.add("<td bgcolor=\"" + s.fond + "\" valign=\"top\" width=\"100%\">");
      contenuTexte();
      b.add("</td></tr>");
      b.add(ecart + "</tr>");
      b.add("<tr>");
    }
    const bool droite = s.aligne_image == "right";
    if (!v.imageCarte.empty() && !droite) celluleImage();
    if (s.position_texte == "horizontal") {
      b.add("<td bgcolor=\"" + s.fond + "\" valign=\"top\">");
      contenuTexte();
      b.add("</td>");
    }
    if (!v.imageCarte.empty() && droite) celluleImage();
    if (s.position_texte == "bas") {
      b.add(ecart + "</tr>");
      b.add("<tr><td bgcolor=\"" + s.fond + "\" valign=\"top\" width=\"100%\">");
      contenuTexte();
      b.add("</td></tr>");
      b.add(ecart);
    }
    b.add("</tr></table>");
    b.add("</td>");
    b.add(Bandes::espaceur(s.fond, "9", "1"));
    b.add(b.bord("1"));
    b.add("</tr>");

    if (!v.titresCarte.empty()) bandeTitres();

    const std::string& bas = v.titresCarte.empty() ? s.fond : s.fond_titres;
    b.add("<tr>");
    b.add(b.bord("4"));
    b.add(Bandes::espaceur(bas, "9", "4"));
    b.add("<td bgcolor=\"" + bas + "\" width=" + b.interieure + ">" + kPix +
          "9 HEIGHT=4 BORDER=0></td>");
    b.add(Bandes::espaceur(bas, "9", "4"));
    b.add(b.bord("4"));
    b.add("</tr>");
    b.ligneCadre();
    b.add("</table>");
  }

  // 11. Price band and frame bottom.
  if (v.lignesAutre != "oui") {
    for (std::string* p : {&v.prix, &v.prixB, &v.prixA, &v.prixC}) *p = platform::trim(*p);
    if (!v.prix.empty() || !v.prixA.empty() || !v.prixB.empty() || !v.prixC.empty()) {
      b.add("<table border=0 cellspacing=0 cellpadding=0>");
      b.rangee("1", s.fond_bas);
      b.add("<tr>");
      b.add(b.bord("1"));
      b.add(Bandes::espaceur(s.fond_bas, "9", "1"));
      b.add("<td bgcolor=\"" + s.fond_bas + "\">");
      b.add("<table border=0 cellpadding=0 cellspacing=0 width=" + b.interieure + ">");
      b.add("<tr>");
      if (s.aligne_prix != "justify") {
        b.add("<td bgcolor=\"" + s.fond_bas + "\" align=\"" + s.aligne_prix + "\">");
        b.add("<table border=0>");
      } else {
        b.add("<td bgcolor=\"" + s.fond_bas + "\">");
        b.add("<table cellspacing=0 cellpadding=0 border=0 width=" + b.interieure + ">");
      }
      v.balisesTexte = balises(s.gras_prix, s.souligne_prix, s.italique_prix);
      v.balisesType = balises(s.gras_type, s.souligne_type, s.italique_type);
      v.styleBoutonCommande = styleBouton(s);
      bandePrix();
      b.add("</table>");
      b.add("</td></tr></table></td>");
      b.add(Bandes::espaceur(s.fond_bas, "5", "1"));
      b.add(b.bord("1"));
      b.add("</tr>");
      b.add("</table>");

      if (rond) {
        b.add("<table border=0 cellspacing=0 cellpadding=0>");
        b.add("<tr>");
        b.add("<td width=6><IMG ALT=\"\" SRC=\"" + coins[2] + "\" WIDTH=6 HEIGHT=6 BORDER=0></td>");
        b.add("<td>");
        b.add("<table border=0 cellpadding=0 cellspacing=0>");
        b.add("<tr><td bgcolor=\"" + s.fond_bas + "\" width=" + lf + ">" + kPix + lf +
              " HEIGHT=5 BORDER=0></td></tr>");
        b.add("<tr><td" + b.bordure + " width=" + lf + ">" + kPix + lf +
              " HEIGHT=1 BORDER=0></td></tr>");
        b.add("</table>");
        b.add("</td>");
        b.add("<td width=6><IMG ALT=\"\" SRC=\"" + coins[3] + "\" WIDTH=6 HEIGHT=6 BORDER=0></td>");
        b.add("</tr>");
        b.add("</table>");
      } else if (carre) {
        auto rangeeBas = [&](const std::string& h, const std::string& milieu) {
          b.add("<tr><td bgcolor=\"" + s.coul_trait + "\" width=1>" + kPix + "1 HEIGHT=" + h +
                " BORDER=0></td>");
          b.add(Bandes::espaceur(milieu, "5", h) + Bandes::espaceur(milieu, lf, h) +
                Bandes::espaceur(milieu, "5", h));
          b.add("<td bgcolor=\"" + s.coul_trait + "\" width=1>" + kPix + "1 HEIGHT=" + h +
                " BORDER=0></td></tr>");
        };
        b.add("<table border=0 cellspacing=0 cellpadding=0>");
        rangeeBas("6", s.fond_bas);
        rangeeBas("1", s.coul_trait);
        b.add("</table>");
      }
    }
  }

  // 12. to 14. End of the card, list footer, gap.
  b.add("<!-- marqueur liste rapide vignette bas standard -->");
  pied();
  b.add(std::string(kPix) + "1 HEIGHT=" + options.espacement(&app::TOptionsProgramme::espacePds) +
        " BORDER=0><BR>");
}

}  // namespace pages
