// TForm1: the element table, the display of the current element and the element handlers.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/saisie_couleur.h"
#include "fenetres/design/style.h"
#include "fenetres/design/style_principal.h"
#include "modele/design/menu_elements.h"
#include "platform/fonts.h"
#include "platform/text.h"

namespace design {

namespace {

using Champ = std::string TStyleFiche::*;
using S = TStyleFiche;

// The alignment radios an element uses.
enum : unsigned { G = 1, C = 2, D = 4, J = 8 };

// Which field each control edits for an element; nullptr: the control is disabled.
struct ElementFiche {
  const char* nom;
  Champ couleur, fond, gras, italique, souligne, police, taille, aligne;
  unsigned alignements;
  Champ apercu;  // the preview's background; nullptr: no preview
};

const ElementFiche kElements[] = {
    {"Titre", &S::coul_titre, &S::fond_titre, &S::gras_titre, &S::italique_titre,
     &S::souligne_titre, &S::police_titre, &S::taille_titre, &S::aligne_titre, G | C | D,
     &S::fond_titre},
    {"Chanteur", &S::coul_auteur, nullptr, &S::gras_auteur, &S::italique_auteur,
     &S::souligne_auteur, &S::police_auteur, &S::taille_auteur, &S::aligne_auteur, G | C | D,
     &S::fond_titre},
    {"Commentaires", &S::coul_comm, &S::fond, &S::gras_comm, &S::italique_comm, &S::souligne_comm,
     &S::police_comm, &S::taille_comm, &S::aligne_comm, G | C | D | J, &S::fond},
    {"Image", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &S::aligne_image,
     G | D, nullptr},
    {"Référence", &S::coul_ref, nullptr, &S::gras_ref, &S::italique_ref, &S::souligne_ref,
     &S::police_ref, &S::taille_ref, nullptr, 0, &S::fond},
    {"Titres", &S::coul_titres, &S::fond_titres, &S::gras_titres, &S::italique_titres,
     &S::souligne_titres, &S::police_titres, &S::taille_titres, &S::aligne_titres, G | C | D | J,
     &S::fond_titres},
    {"Prix", &S::coul_prix, &S::fond_bas, &S::gras_prix, &S::italique_prix, &S::souligne_prix,
     &S::police_prix, &S::taille_prix, &S::aligne_prix, G | C | D | J, &S::fond_bas},
    {"Type", &S::coul_type, nullptr, &S::gras_type, &S::italique_type, &S::souligne_type,
     &S::police_type, &S::taille_type, nullptr, 0, &S::fond_bas},
    {"Liens", &S::coul_liens, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0,
     &S::fond_titres},
    {"Commande", &S::coul_jc, &S::fond_jc, &S::gras_jc, &S::italique_jc, &S::souligne_jc,
     &S::police_jc, &S::taille_jc, &S::aligne_jc, G | D, nullptr},
    // The background button stays enabled and stores nothing; the preview shows the page.
    {"Introduction", &S::coul_pre, nullptr, &S::gras_pre, &S::italique_pre, &S::souligne_pre,
     &S::police_pre, &S::taille_pre, nullptr, 0, nullptr},
};

const ElementFiche* elementFiche(std::string_view nom) {
  for (const ElementFiche& e : kElements)
    if (nom == e.nom) return &e;
  return nullptr;
}

// A stored size as the preview uses it: a size that is not a whole number shows as 13 and stays
// stored as it is, so a hand-edited file never stops the display or the card writer.
int tailleAffichee(const std::string& taille) {
  return static_cast<int>(platform::toInteger(taille).value_or(13));
}

const char* const kCadres[] = {"rond", "carre", "aucun"};
const char* const kPositions[] = {"horizontal", "haut", "bas"};

int rang(const char* const (&valeurs)[3], std::string_view valeur) {
  for (int i = 0; i < 3; ++i)
    if (valeur == valeurs[i]) return i;
  return -1;
}

// "oui" sets the emphasis, "non" clears it, any other value leaves it as it was.
void emphase(bool& valeur, const std::string& champ) {
  if (champ == "oui") valeur = true;
  if (champ == "non") valeur = false;
}

}  // namespace

std::string elementDeListe(int index, std::string_view texte) {
  if (index == 1) return "Chanteur";
  if (index == 5) return "Titres";
  return std::string(texte);
}

void TForm1::elements() {
  struct Garde {
    bool& b;
    ~Garde() { b = false; }
  } garde{affichage_ = true};
  TStyleFiche& s = style;
  largeur_num.setText(s.largeur_fiche);
  titre.show();
  int taille = 13;
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &titre1, &titre2, &titre4, &titre5, &titre6, &police, &web, &Taille, &agauche,
           &acentre, &adroite, &justif})
    c->setEnabled(true);
  for (ui::Button* b : {&titre4, &titre5, &titre6}) b->setDown(false);
  titre.setAlignment(ui::Alignment::Left);

  const ui::Colour bas = couleurUi(s.fond_bas);
  textejc.setColour(bas);
  fondprix.setColour(bas);

  ui::Font fonte = titre.font();
  if (const ElementFiche* e = elementFiche(elementCourant)) {
    const bool liens = e->couleur == &S::coul_liens;
    titre1.setEnabled(e->couleur);
    titre2.setEnabled(e->fond || e->nom == std::string_view("Introduction"));
    for (ui::Button* b : {&titre4, &titre5, &titre6}) b->setEnabled(e->gras);
    police.setEnabled(e->police);
    web.setEnabled(e->police);
    Taille.setEnabled(e->taille);
    agauche.setEnabled(e->alignements & G);
    acentre.setEnabled(e->alignements & C);
    adroite.setEnabled(e->alignements & D);
    justif.setEnabled(e->alignements & J);

    // "Liens" is previewed in the font, emphasis, size and alignment of "Titres".
    const ElementFiche& f = liens ? *elementFiche("Titres") : *e;
    if (e->apercu) titre.setColour(couleurUi(s.*e->apercu));
    if (e->nom == std::string_view("Introduction")) titre.setColour(couleurUi(p_.styleP().fond_page));
    if (!e->apercu && e->nom != std::string_view("Introduction")) titre.hide();
    if (e->couleur) fonte.colour = couleurUi(liens && s.coul_liens.empty() ? "#0000FF" : s.*e->couleur);
    if (f.police) {
      fonte.name = policeAffichee(s.*f.police);
      if (!liens && !(s.*f.police).empty()) police.setText(s.*f.police);
    }
    if (f.gras) {
      emphase(fonte.bold, s.*f.gras);
      emphase(fonte.italic, s.*f.italique);
      emphase(fonte.underline, s.*f.souligne);
    }
    if (e->gras) {
      titre4.setDown(s.*e->gras == "oui");
      titre5.setDown(s.*e->italique == "oui");
      titre6.setDown(s.*e->souligne == "oui");
    }
    if (f.taille) taille = tailleAffichee(s.*f.taille);
    if (f.aligne) {
      const std::string& a = s.*f.aligne;
      if (!liens) {
        if (a == "left") agauche.setChecked(true);
        if (a == "center") acentre.setChecked(true);
        if (a == "right") adroite.setChecked(true);
        if (a == "justify") justif.setChecked(true);
      }
      if (a == "center") titre.setAlignment(ui::Alignment::Center);
      if (a == "right") titre.setAlignment(ui::Alignment::Right);
    }

    const std::string nom = e->nom;
    if (nom == "Commentaires") {
      titre.setCaption("Texte");
      if (s.aligne_comm == "justify") {
        titre.setCaption("Texte Justifié");
        titre.setAlignment(ui::Alignment::Left);
      }
    } else if (nom == "Titres") {
      titre.setCaption("- Titres - ");
      if (s.aligne_titres == "justify") {
        titre.setCaption("- Justifié -");
        titre.setAlignment(ui::Alignment::Center);
      }
    } else if (nom == "Prix") {
      const std::string& devise = p_.main().devisePrincipale;
      titre.setCaption("000,00 " + devise);
      if (s.aligne_prix == "justify") {
        titre.setCaption("< - 000,00 " + devise + "- >");
        titre.setAlignment(ui::Alignment::Center);
      }
    } else if (nom == "Liens") {
      titre.setCaption(s.aligne_titres == "justify" ? "- Titres Justifiés -" : "- <Liens> - ");
    } else if (nom == "Commande") {
      if (s.aligne_jc == "left")
        bouton_commande.setCaption("Bouton de Commande [à Gauche]");
      else if (s.aligne_jc == "right")
        bouton_commande.setCaption("Bouton de Commande [à Droite]");
      ui::Font bouton = textejc.font();
      bouton.name = policeAffichee(s.police_jc);
      bouton.colour = couleurUi(s.coul_jc.empty() ? "#0000FF" : s.coul_jc);
      emphase(bouton.bold, s.gras_jc);
      emphase(bouton.italic, s.italique_jc);
      emphase(bouton.underline, s.souligne_jc);
      textejc.setFont(bouton);
      // A submit button is grey unless the style gives it a background.
      textejc.setColour(couleurUi(!s.fond_jc.empty()          ? s.fond_jc
                                  : s.type_prix == "soumission" ? "#C0C0C0"
                                                                : s.fond_bas));
    }
  }

  fonte.size = taille - 3;
  titre.setFont(fonte);
  taille_num.setText(platform::fromInteger(taille));
  Taille.setPosition(taille);
  ui::Font bouton = textejc.font();
  bouton.size = tailleAffichee(s.taille_jc) - 3;
  textejc.setFont(bouton);

  encadrement.setItemIndex(rang(kCadres, s.encadrement_style));
  texteBOX.setItemIndex(rang(kPositions, s.position_texte));

  shape_trait.setPenColour(couleurUi(s.coul_trait));
  dessinerCoinsApercu();
  if (!toutes.enabled() && !web.checked()) web.setChecked(true);
}

// --- element handlers: each writes the current element's field, then shows the fields again ---

namespace {

// The field of the current element that a control edits; nullptr when it has none.
Champ champ(const std::string& element, Champ ElementFiche::*colonne) {
  const ElementFiche* e = elementFiche(element);
  return e ? e->*colonne : nullptr;
}

}  // namespace

void TForm1::styleChange() {
  const int i = style_.itemIndex();
  elementCourant = elementDeListe(i, style_.text());
  if (libelleTitre.empty()) libelleTitre = "Titre";
  if (libelleAuteur.empty()) libelleAuteur = "Auteur";
  // An empty reference is shown as "[Référence]" but not stored: a sheet scope must stay
  // without a name rather than save a file called Référence.typ.
  const std::string reference = referenceStyle.empty() ? "Référence" : referenceStyle;
  const std::pair<const char*, std::string> legendes[] = {
      {"Titre", libelleTitre},
      {"Chanteur", libelleAuteur},
      {"Commentaires", "Texte"},
      {"Référence", "[" + reference + "]"},
      {"Titres", "- Titres -"},
      {"Liens", "- <Liens> -"},
      {"Prix", "000,00 " + p_.main().devisePrincipale},
      {"Type", style.type1},
      {"Introduction", "Introduction"},
  };
  for (const auto& [element, legende] : legendes)
    if (elementCourant == element) titre.setCaption(legende);
  elements();
}

void TForm1::titre1Click() {
  if (Champ c = champ(elementCourant, &ElementFiche::couleur))
    if (auto couleur = choisirCouleur(ColorDialog, style.*c)) style.*c = *couleur;
  elements();
}

void TForm1::titre2Click() {
  if (Champ c = champ(elementCourant, &ElementFiche::fond))
    if (auto couleur = choisirCouleur(ColorDialog, style.*c)) style.*c = *couleur;
  elements();
}

void TForm1::speed_traitClick() {
  if (auto couleur = choisirCouleur(ColorDialog, style.coul_trait)) style.coul_trait = *couleur;
  elements();
}

void TForm1::emphaseClick(int bouton) {
  Champ ElementFiche::*const colonnes[] = {&ElementFiche::gras, &ElementFiche::italique,
                                           &ElementFiche::souligne};
  if (Champ c = champ(elementCourant, colonnes[bouton])) style.*c = basculer(style.*c);
  elements();
}

void TForm1::policeChange() {
  if (affichage_) return;
  if (Champ c = champ(elementCourant, &ElementFiche::police)) style.*c = police.text();
  elements();
}

void TForm1::TailleClick() {
  taille_num.setText(platform::fromInteger(Taille.position()));
  if (Champ c = champ(elementCourant, &ElementFiche::taille)) style.*c = taille_num.text();
  elements();
}

void TForm1::alignementClick(const char* valeur) {
  if (affichage_) return;
  const ElementFiche* e = elementFiche(elementCourant);
  const std::string v = valeur;
  const unsigned radio = v == "left" ? G : v == "center" ? C : v == "right" ? D : J;
  if (e && e->aligne && (e->alignements & radio)) style.*e->aligne = v;
  elements();
}

void TForm1::encadrementClick() {
  if (affichage_) return;
  const int i = encadrement.itemIndex();
  if (i >= 0 && i < 3) style.encadrement_style = kCadres[i];
  dessinerCoinsApercu();
}

void TForm1::dessinerCoinsApercu() {
  coins = coinsStyleFiche(style);
  // A page with a background image: its colour is not known, white stands for it.
  const std::string& page = p_.styleP().fond_page;
  const platform::Rgb fond = page.empty() ? platform::kWhite : couleurTexte(page);
  const Coins vus = coinsSurPage(coins, style.encadrement_style, fond);
  hg.showBitmap(vus.hg);
  hd.showBitmap(vus.hd);
  bg.showBitmap(vus.bg);
  bd.showBitmap(vus.bd);
}

void TForm1::texteBOXClick() {
  if (affichage_) return;
  const int i = texteBOX.itemIndex();
  if (i >= 0 && i < 3) style.position_texte = kPositions[i];
}

void TForm1::largeur_numChange() {
  // The same rule as the menu's separator count: digits only, nothing typed means 0.
  const SaisieTirets saisie = lireTirets(largeur_num.text());
  if (saisie.valeur) style.largeur_fiche = *saisie.valeur;
  if (saisie.erreur) dialogs().showMessage("Erreur de saisie style [5]");
}

void TForm1::webClick() {
  if (!web.checked()) return;
  police.sorted = false;
  police.setItems({std::begin(kPolicesWeb), std::end(kPolicesWeb)});
  if (police.text().empty()) police.setText(police.items().front());
}

void TForm1::toutesClick() {
  if (!toutes.checked()) return;
  police.sorted = true;
  std::vector<std::string> noms = platform::installedFonts();
  platform::sortFrench(noms);
  police.setItems(std::move(noms));
  if (police.text().empty() && police.count() > 0) police.setText(police.items().front());
}

void TForm1::FormPaint() { toutes.setEnabled(p_.styleP().web.itemIndex() == 1); }

}  // namespace design
