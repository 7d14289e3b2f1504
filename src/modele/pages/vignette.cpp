#include "modele/pages/vignette.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

#include "modele/app/fiche_produit.h"
#include "modele/app/montants_fiche.h"
#include "modele/app/promotions.h"
#include "modele/app/texte_prix.h"
#include "modele/pages/vignette_contexte.h"
#include "platform/charset.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/text.h"

namespace pages {

namespace fs = std::filesystem;

std::string nomFormulaire(std::string_view texte) {
  std::string s(texte);
  std::replace(s.begin(), s.end(), '-', 't');
  std::replace(s.begin(), s.end(), '_', 't');
  return s;
}

std::string sansPoids(const std::string& texte) {
  if (!platform::startsWith(texte, "(w:")) return texte;
  size_t fin = texte.find(')');
  if (fin == std::string::npos) return texte;
  return platform::trim(std::string_view(texte).substr(fin + 1));
}

std::string police(const std::string& face, const std::string& couleur, const std::string& taille) {
  return "<font face=\"" + face + "\" color=\"" + couleur + "\"><span style=\"FONT-SIZE:" + taille +
         "px\">";
}

std::string styleBouton(const design::TStyleFiche& s) {
  std::string style = "STYLE=\"FONT-FAMILY: " + s.police_jc + "; FONT-SIZE: " + s.taille_jc +
                      "px; COLOR: " + s.coul_jc + "; ";
  if (!s.fond_jc.empty()) style += "BACKGROUND-COLOR: " + s.fond_jc + "; ";
  if (s.gras_jc == "oui") style += "FONT-WEIGHT: bold; ";
  style += s.souligne_jc == "oui" ? "TEXT-DECORATION: underline; " : "TEXT-DECORATION: none; ";
  if (s.italique_jc == "oui") style += "FONT-STYLE: italic; ";
  return style + "\"";
}

TStylePromo lireStylePromo(const std::optional<platform::LineList>& fichier) {
  TStylePromo p;
  if (!fichier) return p;
  p.ok_PROMO_PRIX = fichier->value("ok_PROMO_PRIX");
  p.image_PROMO_PRIX = fichier->value("image_PROMO_PRIX");
  p.largeur_image_PROMO_PRIX = fichier->value("largeur_image_PROMO_PRIX");
  p.hauteur_image_PROMO_PRIX = fichier->value("hauteur_image_PROMO_PRIX");
  p.couleur_texte_PROMO_PRIX = fichier->value("couleur_texte_PROMO_PRIX");
  p.ligneC = fichier->value("ligne") == "oui";
  p.pourcentC = fichier->value("pourcent") == "oui";
  p.arrondi = fichier->value("arrondi") == "oui";
  return p;
}

Balises balises(const std::string& gras, const std::string& souligne, const std::string& italique) {
  Balises b;
  if (gras == "oui") b.gras = "<b>", b.finGras = "</b>";
  if (souligne == "oui") b.souligne = "<u>", b.finSouligne = "</u>";
  if (italique == "oui") b.italique = "<i>", b.finItalique = "</i>";
  return b;
}

EcrivainCartes::EcrivainCartes(const platform::DataFolder& donnees,
                               std::function<void(const std::string&)> signaler)
    : donnees_(donnees), signaler_(std::move(signaler)) {
  accents_.remplir();
}

EcrivainCartes::~EcrivainCartes() = default;

EcrivainCartes::EcrivainCartes(EcrivainCartes& principal,
                               std::function<void(const std::string&)> signaler)
    : EcrivainCartes(principal.donnees_, std::move(signaler)) {
  partage_ = &principal.contexte();
  valeurs.imageVignette = principal.valeurs.imageVignette;
}

EcrivainCartes::Carte EcrivainCartes::ecrireCarte(EntreesCarte entrees) {
  Carte carte;
  carte.lignes = faireVignette(std::move(entrees));
  carte.page = std::move(*vignetteDifferee_);
  carte.entrees = std::move(e_);
  carte.valeurs = std::move(valeurs);
  // The one value a card takes from the one before; the same all along a build.
  valeurs.imageVignette = carte.valeurs.imageVignette;
  carte.style = std::move(style);
  carte.stylePromo = stylePromo;
  carte.pagesDetail = std::exchange(pagesDetail_, {});
  return carte;
}

void EcrivainCartes::ecrirePagesDetail(const Carte& carte) {
  for (const auto& [nom, octets] : carte.pagesDetail) contexte().ecrire(nom, octets);
}

void EcrivainCartes::reprendre(Carte carte) {
  vignetteDifferee_.emplace(std::move(carte.page));
  e_ = std::move(carte.entrees);
  valeurs = std::move(carte.valeurs);
  style = std::move(carte.style);
  stylePromo = std::move(carte.stylePromo);
}

bool EcrivainCartes::identiteAttendue() const { return !serie_ || !serie_->identiteChargee(); }

void EcrivainCartes::ouvrirSerie() {
  if (profondeurSerie_++ > 0) return;
  serie_ = std::make_unique<ContexteCartes>(donnees_);
}

void EcrivainCartes::fermerSerie(bool ecrire) {
  if (profondeurSerie_ == 0 || --profondeurSerie_ > 0) return;
  const auto differee = std::exchange(vignetteDifferee_, std::nullopt);
  std::unique_ptr<ContexteCartes> serie = std::move(serie_);
  if (!ecrire || !differee) return;
  if (*differee)
    serie->ecrire("vignette.htm", **differee);
  else
    serie->supprimer("vignette.htm");
}

ContexteCartes& EcrivainCartes::contexte() {
  return partage_ ? *partage_ : serie_ ? *serie_ : *carte_;
}

namespace {

bool estImage(std::string_view nom) {
  const std::string minuscule = platform::lowerAscii(platform::trim(nom));
  for (std::string_view extension : {".jpg", ".jpeg", ".gif", ".png", ".swf"})
    if (minuscule.ends_with(extension)) return true;
  return false;
}

}  // namespace

void EcrivainCartes::copierVersFtp(const std::string& nom) {
  if (estImage(nom)) contexte().copierVersFtp(nom);
}

namespace {

// Whole numbers of the sheet's sizes; nullopt when the text is not one.
std::optional<long long> entier(const std::string& texte) {
  return platform::toInteger(platform::trim(texte));
}

double nombreOuZero(const std::string& texte) { return platform::toNumber(texte).value_or(0.0); }

std::vector<std::string> nonVides(const std::vector<std::string>& lignes) {
  std::vector<std::string> v;
  for (const auto& l : lignes)
    if (!l.empty()) v.push_back(l);
  return v;
}

}  // namespace

void EcrivainCartes::lireFiche(const platform::LineList& lignes, bool multiples) {
  TValeursCarte& v = valeurs;
  app::TFicheProduit f;
  // Keys absent from the sheet leave these, not the built-in values of the editor.
  f.disponible.clear();
  f.detailHTML.clear();
  app::lireFicheProduit(lignes, f);

  v.categorieCarte = f.categorie;
  v.referenceFiche = f.reference;
  v.titreCarte = f.description;
  v.auteurCarte = f.auteur;
  // A price that is no amount is never sold as another number: the card shows none and takes
  // no order until it is corrected (the build names it).
  const std::string& devise = contexte().identite().dev1;
  const auto prix = app::prixCarte(f.prix, devise);
  v.prix = prix.value_or("");
  v.prixIllisible = !prix;
  v.prixAffiche = v.prix;
  v.ecotaxe = f.pecotaxe;
  v.ecotaxeA = f.pecotaxeA;
  v.ecotaxeB = f.pecotaxeB;
  v.ecotaxeC = f.pecotaxeC;
  if (multiples && !f.qmulti.empty()) {
    // A multiple that is not a whole number ("2.5", "1e2") orders by units.
    v.qmultiCarte = app::lireMultiple(f.qmulti).value_or(0);
    if (v.qmultiCarte > 0) style.quantite_style = "oui";
  }
  v.imageCarte = f.image;
  // Sizes land inside tags: only a whole number is written there.
  v.hauteurImage = platform::htmlWholeNumber(f.hauteur);
  v.largeurImage = platform::htmlWholeNumber(f.largeur);
  v.themeCarte = f.mot_cle;
  v.commentairesCarte = nonVides(f.commentaires);
  if (!v.carteFenetre) v.presentationsCarte = nonVides(f.presentations);
  v.imageDetail = platform::trim(f.image_detail);
  v.hauteurDetail = platform::htmlWholeNumber(f.hauteur_detail);
  v.largeurDetail = platform::htmlWholeNumber(f.largeur_detail);
  for (const auto& l : f.texte_detail) v.texteDetail += l + " ";
  v.titresCarte = nonVides(f.titres);
  v.boutonA = f.bouton_CD;
  v.boutonB = f.bouton_K7;
  v.boutonC = f.bouton_VIDEO;
  v.referenceA = f.CD_ref;
  v.referenceB = f.K7_ref;
  v.referenceC = f.VIDEO_ref;
  for (auto [stocke, carte, illisible] :
       {std::tuple{&f.CD_prix, &v.prixA, &v.prixIllisibleA},
        std::tuple{&f.K7_prix, &v.prixB, &v.prixIllisibleB},
        std::tuple{&f.VIDEO_prix, &v.prixC, &v.prixIllisibleC}}) {
    const auto lu = app::prixCarte(*stocke, devise);
    *carte = lu.value_or("");
    *illisible = !lu;
  }
  v.type1Carte = f.type1;
  v.type2Carte = f.type2;
  v.type3Carte = f.type3;
  v.disponible = f.disponible;
  v.etatVisible = f.etat_visible.value_or("");
  v.detailHTML = f.detailHTML;
  v.mesTailles = f.mes_tailles;
}

void EcrivainCartes::imagePanier() {
  TValeursCarte& v = valeurs;
  if (e_.imagespanier != "oui") return;
  v.imageVignette = v.imageCarte;
  const std::string image = platform::trim(v.imageCarte);
  if (e_.options.options.vig_visual != "oui" || image.empty()) return;
  const std::string racine = image.substr(0, image.find('.'));
  for (const char* suffixe : {"-v.jpg", "-v.jpeg", "-v.png", "-v.gif", "-v.swf"}) {
    const std::string candidat = racine + suffixe;
    // Names are found without regard to case, the way the shop's pictures were named.
    if (contexte().existe("vignettes/" + candidat)) v.imageVignette = candidat;
  }
}

void EcrivainCartes::pageDetail() {
  TValeursCarte& v = valeurs;
  const auto& options = e_.options.options;
  if (!v.imageDetail.empty()) {
    const std::string slug = nomFormulaire(app::nomURL(v.referenceFiche, options.separateur()));
    const std::string titre = platform::htmlAttribute(sansPoids(v.titreCarte));
    std::string fermer = e_.detailsP == "Détails" ? "Fermer" : "Close";
    if (!options.phrase_fermer.empty()) fermer = options.phrase_fermer;

    platform::LineList page{
        "<HTML>",
        "<HEAD>",
        platform::kCharsetMeta,
        "<TITLE>détail " + titre + "</TITLE>",
        "</HEAD>",
        "<BODY>",
        "<CENTER>",
        "<IMG ALT=\"" + titre + "\" SRC=\"" + platform::htmlAttribute(v.imageDetail) +
            "\"" + platform::htmlSizeAttributes(v.largeurDetail, v.hauteurDetail) + " BORDER=0>"};
    if (!v.texteDetail.empty())
      page.add("<br><font face=\"" + options.police_defaut + "\" size=2>" + v.texteDetail +
               "</font><br>");
    page.add("<br><a href=\"JavaScript:window.close()\"><font face=\"" + options.police_defaut +
             "\" size=2><b>" + fermer + "</b></font></a>");
    page.add("</CENTER></BODY>");
    page.add("</HTML>");
    const std::string nom = "ftp/" + slug + "_detail.htm";
    if (partage_)
      pagesDetail_.emplace_back(nom, page.text());
    else
      contexte().ecrire(nom, page.text());
    copierVersFtp(v.imageDetail);

    const auto h = entier(v.hauteurDetail);
    const auto l = entier(v.largeurDetail);
    const std::string hauteur = h ? platform::fromInteger(*h + 80) : "160";
    const std::string largeur = l ? platform::fromInteger(*l + 50) : "100";
    if (v.texteDetail.empty())
      v.scriptDetail = "window.open('" + slug + "_detail.htm',''," +
                       (options.ascenseur == "oui" ? "'scrollbars=yes," : "'") +
                       "height=" + hauteur + ",width=" + largeur + "')";
    else
      v.scriptDetail.clear();
  }
  if (v.imageDetail == "HTML") v.imageDetail.clear();
  if (v.detailHTML == "oui") v.imageDetail = "HTML";
}

std::optional<platform::LineList> EcrivainCartes::fichierPromotion(const std::string& reference) {
  const auto& promos = contexte().fichiersPromo();
  if (reference.empty() || std::find(promos.begin(), promos.end(), reference + ".pro") == promos.end())
    return std::nullopt;
  return contexte().charger(reference + ".pro");
}

void EcrivainCartes::promotions() {
  TValeursCarte& v = valeurs;
  struct Emplacement {
    const std::string& reference;
    std::string& prix;
    std::string& ancien;
    std::string promo;
  };
  std::array<Emplacement, 4> places{{{v.referenceFiche, v.prix, v.ancienPrix, {}},
                                     {v.referenceA, v.prixA, v.ancienPrixA, {}},
                                     {v.referenceB, v.prixB, v.ancienPrixB, {}},
                                     {v.referenceC, v.prixC, v.ancienPrixC, {}}}};
  v.tauxPromo.clear();
  // In listing order, so that the rate of the file listed last wins, as it always did; only the
  // four names of the card are looked at, not every file of the folder.
  const auto& listes = contexte().fichiersPromo();
  std::vector<std::pair<size_t, size_t>> trouves;  // (position in the listing, place)
  for (size_t i = 0; i < places.size(); ++i) {
    if (places[i].reference.empty()) continue;
    auto it = std::find(listes.begin(), listes.end(), places[i].reference + ".pro");
    if (it != listes.end()) trouves.emplace_back(static_cast<size_t>(it - listes.begin()), i);
  }
  std::sort(trouves.begin(), trouves.end());
  for (const auto& [position, i] : trouves) {
    auto fichier = contexte().charger(listes[position]);
    if (!fichier || fichier->empty()) continue;
    places[i].promo = fichier->value("prixpromo");
    // The rate of a promotion the card does not apply is shown beside no price.
    const std::string taux = fichier->value("taux");
    if (!taux.empty() && app::promotionCarte(places[i].promo, contexte().identite().dev1))
      v.tauxPromo = app::sansPourcent(taux);
  }
  for (size_t i = 0; i < places.size(); ++i) {
    Emplacement& e = places[i];
    // A promotion that is no amount, or below 0, is not applied: the sheet's price stands. A
    // product without a price has no promotion.
    const auto promo = app::promotionCarte(e.promo, contexte().identite().dev1);
    if (!promo || platform::trim(e.prix).empty()) continue;
    e.ancien = e.prix;
    e.prix = *promo;
    if (i == 0) v.prixAffiche = *promo;
    e.ancien = app::nettoyerPrix(e.ancien);
    e.prix = app::nettoyerPrix(e.prix);
    if (nombreOuZero(e.ancien) < nombreOuZero(e.prix)) e.ancien.clear();
  }
}

std::optional<platform::LineList> EcrivainCartes::faireVignette(EntreesCarte entrees) {
  e_ = std::move(entrees);
  const bool enSerie = serie_ || partage_;
  if (!enSerie) carte_ = std::make_unique<ContexteCartes>(donnees_);

  // 1. A fresh card.
  pagesDetail_.clear();
  const std::string imageVignettePrecedente = valeurs.imageVignette;
  valeurs = TValeursCarte{};
  TValeursCarte& v = valeurs;
  v.imageVignette = imageVignettePrecedente;
  v.carteFenetre = e_.carteFenetre;
  if (!e_.couleur_liens.empty()) v.couleurEtat = e_.couleur_liens;
  e_.referenceCarte = platform::trim(e_.referenceCarte);
  if (enSerie) {
    vignetteDifferee_.emplace();
  } else {
    contexte().supprimer("vignette.htm");
  }

  // 2. Identity and sheet style.
  if (e_.identite) contexte().fixerIdentite(*e_.identite);
  style = contexte().styleFiche(e_.themeStyle, e_.referenceStyle);
  stylePromo = lireStylePromo(contexte().promoPrix());

  // 3. Once per build: the user's own files of import/.
  if (e_.copierImport) {
    platform::makeFolder(donnees_.root() / "ftp");
    for (const auto& nom : platform::listFiles(donnees_.path("import")))
      app::copierFichier(donnees_.path("import/" + nom), donnees_.path("ftp/" + nom), false);
    e_.copierImport = false;
  }

  // 5. qmulti.ini: a maximum with decimals is reported (once per run) and the card is written
  // without the multiples.
  bool multiples = false;
  if (const auto& maxi = contexte().maxiQmulti()) {
    if (maxi->find('.') != std::string::npos) {
      if (contexte().premiereErreurQmulti()) signaler_("Erreur dans le fichier qmulti.ini");
    } else {
      multiples = true;
      v.qmaxiCarte = static_cast<int>(platform::toInteger(*maxi).value_or(0));
    }
  }

  // 6. The sheet.
  const auto fiche = e_.referenceCarte.empty()
                         ? std::nullopt
                         : contexte().charger(app::nomFichierFiche(e_.referenceCarte));
  if (!fiche) return std::nullopt;
  lireFiche(*fiche, multiples);

  // 7. to 13.
  imagePanier();
  const std::string& cible = e_.targetS;
  if (cible == "_blank" || cible == "_BLANK" || cible == "_blanck" || cible == "_BLANCK")
    v.carteFenetre = true;
  pageDetail();
  v.referenceVignette = v.referenceFiche;
  promotions();
  if (!v.imageCarte.empty()) copierVersFtp(v.imageCarte);

  // 14. Comment rows.
  for (const auto& l : v.commentairesCarte)
    if (platform::contains(l, "<AUTRE>")) v.lignesAutre = "oui";
  if (v.lignesAutre == "oui") tableauLignes();

  // 15. Layout of the theme.
  if (!v.themeCarte.empty())
    v.styleFicheTheme = contexte().styleTheme(v.categorieCarte + "_" + v.themeCarte);
  const bool tableau = v.styleFicheTheme == "tableau";
  if (tableau)
    vignetteTableau();
  else
    vignetteStandard();

  // 16. Linked products.
  if (!v.carteFenetre && !tableau && contexte().existe("tmp/" + v.referenceVignette + ".pcl"))
    tableauProduitsLies();

  // 17. Turned into entities and saved. The raw text goes straight through the converter rather
  // than through a scratch file that is deleted at once.
  v.carteFenetre = false;
  size_t taille = 0;
  for (const auto* bloc : {&v.lignesCarte, &v.lignesFinCarte})
    for (const auto& l : *bloc) taille += l.size() + 2;
  std::string brut;
  brut.reserve(taille);
  for (const auto* bloc : {&v.lignesCarte, &v.lignesFinCarte})
    for (const auto& l : *bloc) (brut += l) += "\r\n";
  std::string texte = frame::convertirTexte(brut, accents_, e_.horsLigne);
  auto lignes = platform::LineList::fromText(texte);
  if (enSerie)
    vignetteDifferee_.emplace(std::move(texte));
  else
    contexte().ecrire("vignette.htm", texte);
  return lignes;
}

}  // namespace pages
