// The families of setting controls of the home-page editor: each control is bound to its key by
// a table, and every member of a family follows the family's rule.

#include "fenetres/infopages/accueil.h"

#include <iterator>
#include <tuple>

#include "fenetres/app/programme.h"
#include "fenetres/design/saisie_couleur.h"
#include "modele/design/menu_elements.h"
#include "platform/fonts.h"

namespace infopages {

namespace {

using Cle = std::string TOptionsAccueil::*;
using CleR = std::string TRubriqueAccueil::*;
using O = TOptionsAccueil;
using R = TRubriqueAccueil;

const char* ouiNon(bool oui) { return oui ? "oui" : "non"; }

}  // namespace

void Taccueil1::lier() {
  // Colour buttons.
  const std::pair<ui::Button*, Cle> couleurs[] = {
      {&coulB, &O::couleur_intro},           {&fondB, &O::fond_intro},
      {&speed_trait, &O::paccueil_trait},    {&coultitreB, &O::couleur_titre_intro},
      {&fdtitreB, &O::fond_accueil_titre},   {&coulPT, &O::promo_titre_couleur},
      {&fondPT, &O::promo_titre_fond},       {&coulP, &O::promo_texte_couleur},
      {&fondP, &O::promo_texte_fond},        {&speed_traitP, &O::promo_trait},
      {&SpeedButton1, &O::fond_rubriques},   {&SpeedButton6, &O::haut_fond_rubriques},
      {&speed_traitR, &O::trait_rubriques}};
  for (const auto& [bouton, cle] : couleurs)
    bouton->onClick = [this, cle] {
      choisirCouleur(options.*cle, [this, cle](std::string c) { changerOption(cle, c); });
    };
  SpeedButton2.onClick = [this] {
    choisirCouleur(rubrique.couleurR,
                   [this](std::string c) { changerRubrique(&R::couleurR, c); });
  };

  // Style buttons.
  const std::pair<ui::Button*, Cle> styles[] = {
      {&grasB, &O::gras_intro},
      {&italiqueB, &O::italique_intro},
      {&souligneB, &O::souligne_intro},
      {&gras_titreB, &O::gras_titre_intro},
      {&italique_titre_introB, &O::italique_titre_intro},
      {&souligne_titre_introB, &O::souligne_titre_intro},
      {&grasPT, &O::promo_titre_gras},
      {&italiquePT, &O::promo_titre_italique},
      {&soulignePT, &O::promo_titre_souligne},
      {&grasP, &O::promo_texte_gras},
      {&italiqueP, &O::promo_texte_italique},
      {&souligneP, &O::promo_texte_souligne}};
  for (const auto& [bouton, cle] : styles)
    bouton->onClick = [this, cle] { changerOption(cle, design::basculer(options.*cle)); };
  const std::pair<ui::Button*, CleR> stylesR[] = {
      {&grasBR, &R::grasR}, {&italiqueBR, &R::italiqueR}, {&souligneBR, &R::souligneR}};
  for (const auto& [bouton, cle] : stylesR)
    bouton->onClick = [this, cle] { changerRubrique(cle, design::basculer(rubrique.*cle)); };

  // Size up-downs: the edit shows the position, the key takes the edit's text.
  const std::tuple<ui::UpDown*, ui::Edit*, Cle> tailles[] = {
      {&Taille, &taille_num, &O::taille_intro},
      {&Taille_titre, &taille_num_titre, &O::taille_titre_intro},
      {&TaillePT, &taille_numPT, &O::promo_titre_taille},
      {&TailleP, &taille_numP, &O::promo_texte_taille}};
  for (const auto& [haut, edit, cle] : tailles)
    haut->onClick = [this, haut, edit, cle] {
      edit->setText(std::to_string(haut->position()));
      changerOption(cle, edit->text());
    };
  taille_R.onClick = [this] {
    taille_numR.setText(std::to_string(taille_R.position()));
    changerRubrique(&R::tailleR, taille_numR.text());
  };

  // Number edits: checked on every change, no refresh.
  const std::tuple<ui::Edit*, Cle, const char*> nombres[] = {
      {&largeur_num, &O::largeur_paccueil, "Erreur de saisie Accueil [1]"},
      {&largeur_numP, &O::promo_largeur, "Erreur de saisie Accueil [2]"},
      {&hauteur_numP, &O::promo_hauteur, "Erreur de saisie Accueuil [3]"},
      {&largeur_numR, &O::largeur_rubriques, "Erreur de saisie Accueil [1]"}};
  for (const auto& [edit, cle, message] : nombres)
    edit->onChange = [this, edit, cle, message] {
      if (miseAJour_) return;
      design::SaisieTirets saisie = design::lireTirets(edit->text());
      if (saisie.valeur) {
        options.*cle = *saisie.valeur;
        modifie_ = true;
      }
      if (saisie.erreur) dialogs().showMessage(message);
    };

  // Radio groups: the item's value; only the introduction's alignment refreshes.
  const std::tuple<ui::RadioGroup*, Cle, std::vector<const char*>> groupes[] = {
      {&encadrement, &O::paccueil_encadrement, {"carre", "aucun", "transparent"}},
      {&Rencadrement, &O::promo_encadrement, {"rond", "carre", "aucun"}},
      {&texteBOX, &O::promo_position, {"horizontale", "haut", "bas"}},
      {&cadreR, &O::encadrementR, {"rond", "carre", "aucun", "transparent"}}};
  for (const auto& [groupe, cle, valeurs] : groupes)
    groupe->onClick = [this, groupe, cle, valeurs] {
      const int i = groupe->itemIndex();
      if (miseAJour_ || i < 0 || i >= static_cast<int>(valeurs.size())) return;
      options.*cle = valeurs[static_cast<size_t>(i)];
      modifie_ = true;
    };
  aligne.onClick = [this] {
    const int i = aligne.itemIndex();
    if (i >= 0 && i < static_cast<int>(std::size(design::kAlignementsMenu)))
      changerOption(&O::alignement_intro, design::kAlignementsMenu[i]);
  };
  aligneTR.onClick = [this] {
    const int i = aligneTR.itemIndex();
    if (i >= 0 && i < static_cast<int>(std::size(design::kAlignementsMenu)))
      changerRubrique(&R::alignementR, design::kAlignementsMenu[i]);
  };

  // Radio buttons: a fixed value.
  const std::tuple<ui::RadioButton*, Cle, const char*> radios[] = {
      {&RtexteG, &O::promo_alignement, "left"},
      {&RtexteC, &O::promo_alignement, "center"},
      {&RtexteD, &O::promo_alignement, "right"},
      {&RtitreG, &O::promo_titre_alignement, "left"},
      {&RtitreC, &O::promo_titre_alignement, "center"},
      {&RtitreD, &O::promo_titre_alignement, "right"}};
  for (const auto& [radio, cle, valeur] : radios)
    radio->onClick = [this, radio, cle, valeur] {
      if (radio->checked()) changerOption(cle, valeur);
    };

  // Font combos and their lists.
  const std::tuple<ui::ComboBox*, Cle, ui::RadioButton*, ui::RadioButton*> polices[] = {
      {&police, &O::police_intro, &web, &toutes},
      {&policeP, &O::promo_police, &webP, &toutesP},
      {&policeR, &O::police_rubriques, &webR, &toutesR}};
  for (const auto& [combo, cle, pWeb, pToutes] : polices) {
    combo->onChange = [this, combo, cle] { changerOption(cle, combo->text()); };
    pWeb->onClick = [this, combo, pWeb] {
      if (pWeb->checked()) policesWeb(*combo);
    };
    pToutes->onClick = [this, combo, pToutes] {
      if (pToutes->checked()) policesSysteme(*combo);
    };
    policesWeb(*combo);
    pWeb->setChecked(true);
  }

  // Check boxes.
  rBOX.onClick = [this] {
    if (miseAJour_) return;
    options.espaceYES = ouiNon(rBOX.checked());
    modifie_ = true;
  };
  BMAJ.onClick = [this] { changerOption(&O::titreMAJ, ouiNon(BMAJ.checked())); };
  Btitre.onClick = [this] {
    if (miseAJour_) return;
    options.promo_span = ouiNon(!Btitre.checked());
    modifie_ = true;
  };

  // Section edits, on leaving.
  lienT.onExit = [this] {
    if (rubriques.itemIndex() >= 0) changerRubrique(&R::lien, lienT.text());
  };
  targetT.onExit = [this] {
    if (rubriques.itemIndex() >= 0) changerRubrique(&R::target, targetT.text());
  };
}

void Taccueil1::changerOption(std::string TOptionsAccueil::*cle, std::string valeur) {
  if (miseAJour_) return;
  options.*cle = std::move(valeur);
  modifie_ = true;
  elements();
}

void Taccueil1::changerRubrique(std::string TRubriqueAccueil::*cle, std::string valeur) {
  if (miseAJour_) return;
  rubrique.*cle = std::move(valeur);
  sauverubrique();
  if (rubriques.itemIndex() >= 0) ouvrerubrique(rubriques.selected());
}

void Taccueil1::choisirCouleur(const std::string& stockee,
                               const std::function<void(std::string)>& garder) {
  if (std::optional<std::string> couleur = design::choisirCouleur(ColorDialog1, stockee))
    garder(*couleur);
}

void Taccueil1::policesWeb(ui::ComboBox& combo) {
  combo.sorted = false;
  combo.setItems({std::begin(design::kPolicesWeb), std::end(design::kPolicesWeb)});
  if (combo.text().empty()) combo.setText(combo.items().front());
}

void Taccueil1::policesSysteme(ui::ComboBox& combo) {
  combo.sorted = true;
  combo.setItems(platform::installedFonts());
  if (combo.text().empty() && combo.count() > 0) combo.setText(combo.items().front());
}

}  // namespace infopages
