// The home-page editor's display: the loaded settings shown in the controls and the previews.

#include "fenetres/infopages/accueil.h"

#include <algorithm>

#include "fenetres/app/fiche.h"
#include "fenetres/app/fiche_images.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/saisie_couleur.h"
#include "modele/design/menu_elements.h"
#include "platform/image.h"
#include "platform/text.h"

namespace infopages {

namespace {

// The index of a value among the items' values; -1 when it is none of them.
int rang(std::initializer_list<const char*> valeurs, std::string_view valeur) {
  int i = 0;
  for (const char* v : valeurs) {
    if (valeur == v) return i;
    ++i;
  }
  return -1;
}

// A stored size N previews as N - 3 points.
int pointsApercu(const std::string& taille) {
  std::optional<long long> n = platform::toInteger(platform::trim(taille));
  return n ? static_cast<int>(std::clamp<long long>(*n - 3, 1, 96)) : 8;
}

ui::Font fontApercu(const std::string& police, const std::string& taille, const std::string& gras,
                    const std::string& italique, const std::string& souligne,
                    const std::string& couleur) {
  ui::Font f;
  if (!police.empty()) f.name = design::policeAffichee(police);
  f.size = pointsApercu(taille);
  f.bold = gras == "oui";
  f.italic = italique == "oui";
  f.underline = souligne == "oui";
  f.colour = design::couleurUi(couleur);
  return f;
}

// The size edit shows N and its up-down N.
void montrerTaille(ui::Edit& edit, ui::UpDown& haut, const std::string& taille) {
  edit.setText(taille);
  if (auto n = platform::toInteger(platform::trim(taille))) haut.setPosition(static_cast<int>(*n));
}

void montrerStyles(ui::Button& g, ui::Button& i, ui::Button& s, const ui::Font& f) {
  g.setDown(f.bold);
  i.setDown(f.italic);
  s.setDown(f.underline);
}

// A memo takes a stored alignment; any other value leaves it as it is.
void aligner(ui::Memo& memo, std::string_view alignement) {
  const int i = rang({"left", "center", "right"}, alignement);
  const ui::Alignment alignements[] = {ui::Alignment::Left, ui::Alignment::Center,
                                       ui::Alignment::Right};
  if (i >= 0) memo.setAlignment(alignements[i]);
}

std::string legendeAlignement(std::string_view alignement) {
  if (alignement == "left") return "Titre [Gauche]";
  if (alignement == "center") return "Titre [Centré]";
  if (alignement == "right") return "Titre [Droite]";
  return "Titre";
}

}  // namespace

void Taccueil1::elements() {
  if (options.paccueil_encadrement == "rond") options.paccueil_encadrement = "carre";
  const platform::DataFolder& donnees = p_.donnees();
  auto mesurer = [&donnees](const std::string& nom, std::string& largeur, std::string& hauteur) {
    auto fichier = app::fichierPresent(donnees, nom);
    if (!fichier) return;
    if (auto taille = platform::imageSize(*fichier)) {
      largeur = std::to_string(taille->first);
      hauteur = std::to_string(taille->second);
    }
  };
  if (!options.image_intro.empty())
    mesurer("accueil/" + options.image_intro, options.largeur_image_intro,
            options.hauteur_image_intro);
  // A missing bullet keeps the sizes stored with the section.
  if (!rubrique.puce_rubrique.empty())
    mesurer("puces/" + rubrique.puce_rubrique, rubrique.puce_largeur, rubrique.puce_hauteur);

  const bool avant = miseAJour_;
  miseAJour_ = true;
  struct Fin {
    bool& drapeau;
    bool valeur;
    ~Fin() { drapeau = valeur; }
  } fin{miseAJour_, avant};
  importACCUEIL.setChecked(options.accueilHTM == "oui");
  afficherIntroduction();
  afficherVitrine();
  afficherRubrique();
}

void Taccueil1::afficherIntroduction() {
  const TOptionsAccueil& o = options;
  titreEDIT.setText(o.titre_intro);
  largeur_num.setText(o.largeur_paccueil);
  if (!o.police_intro.empty()) police.setText(o.police_intro);
  aligne.setItemIndex(rang({"left", "center", "right"}, o.alignement_intro));
  encadrement.setItemIndex(rang({"carre", "aucun", "transparent"}, o.paccueil_encadrement));
  TitreBox.setCaption(legendeAlignement(o.alignement_intro));
  aligner(MemoTexte, o.alignement_intro);
  montrerTaille(taille_num, Taille, o.taille_intro);
  montrerTaille(taille_num_titre, Taille_titre, o.taille_titre_intro);
  imageINTRO.clearPicture();
  if (!o.image_intro.empty())
    if (auto f = app::fichierPresent(p_.donnees(), "accueil/" + o.image_intro))
      imageINTRO.loadPicture(*f);
  // Colours last: one that is no colour stops the rest of the display.
  ui::Font texte = fontApercu(o.police_intro, o.taille_intro, o.gras_intro, o.italique_intro,
                              o.souligne_intro, o.couleur_intro);
  montrerStyles(grasB, italiqueB, souligneB, texte);
  MemoTexte.setFont(texte);
  MemoTexte.setColour(design::couleurUi(o.fond_intro));
  ui::Font titre = fontApercu(o.police_intro, o.taille_titre_intro, o.gras_titre_intro,
                              o.italique_titre_intro, o.souligne_titre_intro, o.couleur_titre_intro);
  montrerStyles(gras_titreB, italique_titre_introB, souligne_titre_introB, titre);
  titreEDIT.setFont(titre);
  titreEDIT.setColour(design::couleurUi(o.fond_accueil_titre));
  shape_trait.setPenColour(design::couleurUi(o.paccueil_trait));
}

void Taccueil1::afficherVitrine() {
  const TOptionsAccueil& o = options;
  largeur_numP.setText(o.promo_largeur);
  hauteur_numP.setText(o.promo_hauteur);
  if (!o.promo_police.empty()) policeP.setText(o.promo_police);
  Rencadrement.setItemIndex(rang({"rond", "carre", "aucun"}, o.promo_encadrement));
  texteBOX.setItemIndex(rang({"horizontale", "haut", "bas"}, o.promo_position));
  BoxTitre.setCaption(legendeAlignement(o.promo_titre_alignement));
  for (auto [radio, valeur] : {std::pair{&RtitreG, "left"}, {&RtitreC, "center"}, {&RtitreD, "right"}})
    if (o.promo_titre_alignement == valeur) radio->setChecked(true);
  for (auto [radio, valeur] : {std::pair{&RtexteG, "left"}, {&RtexteC, "center"}, {&RtexteD, "right"}})
    if (o.promo_alignement == valeur) radio->setChecked(true);
  aligner(Mtexte, o.promo_alignement);
  if (listepromo.itemIndex() < 0) activerProduit(false);
  const bool majuscules = o.titreMAJ == "oui";
  BMAJ.setChecked(majuscules);
  BMAJ.setCaption(majuscules ? "MAJ" : "Min");
  if (majuscules) Etitre.setText(platform::upperText(Etitre.text()));
  Btitre.setChecked(o.promo_span == "non");
  montrerTaille(taille_numPT, TaillePT, o.promo_titre_taille);
  montrerTaille(taille_numP, TailleP, o.promo_texte_taille);
  ui::Font titre = fontApercu(o.promo_police, o.promo_titre_taille, o.promo_titre_gras,
                              o.promo_titre_italique, o.promo_titre_souligne, o.promo_titre_couleur);
  montrerStyles(grasPT, italiquePT, soulignePT, titre);
  Etitre.setFont(titre);
  Etitre.setColour(design::couleurUi(o.promo_titre_fond));
  ui::Font texte = fontApercu(o.promo_police, o.promo_texte_taille, o.promo_texte_gras,
                              o.promo_texte_italique, o.promo_texte_souligne, o.promo_texte_couleur);
  montrerStyles(grasP, italiqueP, souligneP, texte);
  Mtexte.setFont(texte);
  Mtexte.setColour(design::couleurUi(o.promo_texte_fond));
  shape_traitP.setPenColour(design::couleurUi(o.promo_trait));
}

void Taccueil1::afficherRubrique() {
  const TOptionsAccueil& o = options;
  rBOX.setChecked(o.espaceYES == "oui");
  largeur_numR.setText(o.largeur_rubriques);
  if (!o.police_rubriques.empty()) policeR.setText(o.police_rubriques);
  cadreR.setItemIndex(rang({"rond", "carre", "aucun", "transparent"}, o.encadrementR));
  const TRubriqueAccueil& r = rubrique;
  montrerTaille(taille_numR, taille_R, r.tailleR);
  aligneTR.setItemIndex(rang({"left", "center", "right"}, r.alignementR));
  aligner(memoR, r.alignementR);
  ImageESPACE.clearPicture();
  if (!r.puce_rubrique.empty())
    if (auto f = app::fichierPresent(p_.donnees(), "puces/" + r.puce_rubrique))
      ImageESPACE.loadPicture(*f);
  ui::Font f = fontApercu(o.police_rubriques, r.tailleR, r.grasR, r.italiqueR, r.souligneR,
                          r.couleurR.empty() ? "#000000" : r.couleurR);
  montrerStyles(grasBR, italiqueBR, souligneBR, f);
  memoR.setFont(f);
  if (rubriques.itemIndex() >= 0)
    memoR.setColour(design::couleurUi(rubriques.selected() == "Titre" ? o.haut_fond_rubriques
                                                                       : o.fond_rubriques));
  shape_traitR.setPenColour(design::couleurUi(o.trait_rubriques));
}

}  // namespace infopages
