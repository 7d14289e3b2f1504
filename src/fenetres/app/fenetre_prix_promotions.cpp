#include "fenetres/app/fenetre_prix_promotions.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fenetre_prix_differents.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/saisie_couleur.h"
#include "modele/app/texte_prix.h"
#include "modele/app/web.h"
#include "platform/image.h"
#include "platform/text.h"
#include "ui/layout.h"
#include "ui/services.h"

namespace app {

using platform::fromInteger;

TprixF::TprixF(app::Programme& programme)
    : ui::Form(programme.application(), "TprixF", "prixF"), p_(programme) {
  setCaption("Prix Tarvio");
  using ui::kLineHeight;
  using ui::setSize;
  setBounds(left(), top(), 900, 560);
  setSize(listeB, 180, 500);
  setSize(article, 300);
  for (ui::Label* l : {&categorieL, &themeL, &ref, &refcomm, &titre, &remise, &prixpromoL, &okL})
    setSize(*l, 280, kLineHeight);
  setSize(prixini, 200);
  setSize(mBT, 60);
  prixini.labelCaption = "Prix initial :";
  setSize(tauxG, 380);
  setSize(tauxE, 170);
  setSize(calcT, 170);
  tauxE.labelCaption = "Taux % :";
  calcT.labelCaption = "Prix visé :";
  for (ui::Button* b : {&BitBtn1, &BitBtn2, &BitBtn3, &BitBtn4, &selection, &BitBtn7, &BitBtn9, &BitBtn5})
    setSize(*b, 115);
  setSize(Gauge1, 360, kLineHeight);
  setSize(styleG, 380);
  setSize(imageL, 170, 150);
  setSize(imagePROMO, 170, 150);
  setSize(efface, 170);
  setSize(couleurL, 170, kLineHeight);
  setSize(Ttexte_color, 170, kLineHeight);
  for (ui::CheckBox* c : {&afficheP, &arrondiC, &ligneC, &pourcentC}) setSize(*c, 170);
  setSize(BitBtn6, 170);
  setSize(BitBtn22, 100);
  selection.setEnabled(false);

  onActivate = [this] { FormActivate(); };
  listeB.onClick = [this] { listeBClick(); };
  listeB.onRightClick = [this](int index) { listeBMouseDown(index); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  BitBtn3.onClick = [this] { BitBtn3Click(); };
  BitBtn4.onClick = [this] { BitBtn4Click(); };
  selection.onClick = [this] { selectionClick(); };
  BitBtn7.onClick = [this] { BitBtn7Click(); };
  BitBtn9.onClick = [this] { BitBtn9Click(); };
  BitBtn5.onClick = [this] { BitBtn5Click(); };
  mBT.onClick = [this] { mBTClick(); };
  prixini.onKeyDown = [this](int& key, ui::Shift shift) { prixiniKeyDown(key, shift); };
  tauxE.onChange = [this] { tauxEChange(); };
  calcT.onChange = [this] { calcTChange(); };
  imageL.onClick = [this] { imageLClick(); };
  efface.onClick = [this] { effaceClick(); };
  Ttexte_color.onClick = [this] { Ttexte_colorMouseDown(); };
  BitBtn6.onClick = [this] { BitBtn6Click(); };
  BitBtn22.onClick = [this] { BitBtn22Click(); };
}

void TprixF::FormActivate() {
  // Parked files left by an earlier rebuild: an entry whose reference still stands in a sheet is
  // taken back by this rebuild; the others are orphans from the activation before, deleted now.
  const auto avant = platform::listFiles(p_.donnees().root(), "*._pr");
  initiale();
  reset_ = true;
  supprimerParquees(p_.donnees(), avant, repertoire());
  fairefichier();
}

void TprixF::initiale() {
  imageL.setDirectory(p_.donnees().root() / "puces");
  style = TStylePromo{};
  viderArticle();
  listeB.setItems(entreesPromotions(p_.donnees()));
  if (listeB.count() == 0) repertoire();
  charge_style();
  image_show();
  couleur_show();
  afficheP.setChecked(style.ok_PROMO_PRIX == "oui");
}

ResultatRepertoire TprixF::repertoire() {
  std::vector<std::string> aParquer;
  if (reset_)
    for (size_t i = 0; i < listeB.items().size(); ++i)
      if (!listeB.checked(i)) aParquer.push_back(listeB.items()[i]);
  listeB.clearItems();
  viderArticle();
  selection.setEnabled(false);
  reset_ = false;
  auto r = repertoirePromotions(p_.donnees(), aParquer, [this](const std::string& reference) {
    dialogs().showMessage("la reference " + reference +
                          " incluse dans un commentaire comporte des caractères interdis ou des espace");
  });
  listeB.setItems(r.entrees);
  return r;
}

void TprixF::fairefichier() { ecrireListesPromo(p_.donnees()); }

void TprixF::prepare() { listeB.setItems(preparerDefinitif(p_.donnees())); }

void TprixF::MYclick() {
  selection.setEnabled(false);
  auto promo = chargerPromotion(p_.donnees(), entreeMontree());
  if (!promo) return;
  categorieL.setCaption(promo->categorie);
  ref.setCaption(promo->reference);
  refcomm.setCaption(promo->referenceCOMM);
  titre.setCaption(promo->titre);
  themeL.setCaption(promo->mot_cle);
  // A stored price that is no number is shown as stored, to be mended here.
  const auto prix = lireMontant(promo->prix, p_.ident().identite.dev1);
  prixini.setText(prix ? formaterPrix(*prix) : promo->prix);
  // The rate as typed, with or without its "%".
  const std::string taux = platform::trim(promo->taux);
  remise.setCaption(taux.empty() || taux.ends_with('%') ? taux : taux + "%");
  prixpromoL.setCaption(promo->taux.empty() ? "" : formaterPrix(nettoyerPrix(promo->prixpromo)));
  selection.setEnabled(!promo->mot_cle.empty());
}

void TprixF::charge_style() {
  for (ui::CheckBox* c : {&arrondiC, &ligneC, &pourcentC}) c->setChecked(false);
  style = chargerStylePromo(p_.donnees());
  arrondiC.setChecked(style.arrondi == "oui");
  ligneC.setChecked(style.ligne == "oui");
  pourcentC.setChecked(style.pourcent == "oui");
}

void TprixF::image_show() {
  if (style.image_PROMO_PRIX.empty())
    imagePROMO.clearPicture();
  else
    imagePROMO.loadPicture(p_.donnees().path("puces/" + style.image_PROMO_PRIX));
}

void TprixF::couleur_show() {
  Ttexte_color.setBrushColour(design::couleurUi(style.couleur_texte_PROMO_PRIX));
}

void TprixF::ok() {
  if (!entreeMontree().empty()) MYclick();
}

void TprixF::listeBClick() {
  okL.setCaption("");
  MYclick();
}

void TprixF::listeBMouseDown(int index) {
  if (index < 0 || index >= listeB.count()) return;
  const std::string entree = listeB.items()[static_cast<size_t>(index)];
  if (!dialogs().askYesNo("Voulez-vous supprimer la promotion " + entree + " ?")) return;
  if (nomValide(entree)) platform::removeFile(p_.donnees().root() / (entree + ".pro"));
  initiale();
  fairefichier();
}

void TprixF::BitBtn1Click() {
  // The target price is read too: unread, it left the rate of an earlier one in its box.
  for (auto refus : {refusTaux(tauxE.text()),
                     refusNombre("Le prix visé", calcT.text(), Signe::positif)})
    if (refus) {
      dialogs().showMessage(*refus);
      return;
    }
  dialogs().showMessage(
      "Les prix recalculés seront appliqués lors de la construction de votre boutique. Utilisez le "
      "bouton \"Initialiser\" pour revenir au prix initial.");
  if (listeB.count() == 0) {
    dialogs().showMessage("Aucune référence");
    return;
  }
  const auto entrees = cochees();
  Gauge1.setRange(0, std::max<int>(1, static_cast<int>(entrees.size())));
  Gauge1.setProgress(0);
  const ResultatCalcul r = appliquerTaux(p_.donnees(), entrees, tauxE.text(), arrondiC.checked(),
                                         [this](int n) { Gauge1.setProgress(n); });
  if (!r.erreur.empty()) {
    dialogs().showMessage(r.erreur);
    return;
  }
  dialogs().showMessage("Calcul terminé pour " + fromInteger(nombreCochees()) + " article(s)");
  ok();
  fairefichier();
  p_.main().prixFicheReecrits();
}

void TprixF::BitBtn2Click() {
  const int m = listeB.count();
  if (m == 0) {
    reset_ = true;
    repertoire();
    return;
  }
  const int n = nombreCochees();
  if (n > 0 && !dialogs().askYesNo("ATTENTION toutes les références cochées seront ré-initialisées soit " +
                                    fromInteger(n) + " sur " + fromInteger(m) +
                                    ". Voulez-vous continuer ?"))
    return;
  reset_ = true;
  repertoire();
  fairefichier();
}

void TprixF::BitBtn3Click() {
  for (size_t i = 0; i < listeB.items().size(); ++i) listeB.setChecked(i, true);
}

void TprixF::BitBtn4Click() {
  for (size_t i = 0; i < listeB.items().size(); ++i) listeB.setChecked(i, false);
}

void TprixF::selectionClick() {
  const std::string categorie = platform::trim(categorieL.caption());
  const std::string theme = platform::trim(themeL.caption());
  if (theme.empty()) {
    dialogs().showMessage("Aucun thème ou aucune fiche n'est sélectionnée.");
    return;
  }
  BitBtn4Click();
  for (size_t i = 0; i < listeB.items().size(); ++i) {
    auto promo = chargerPromotion(p_.donnees(), listeB.items()[i]);
    if (promo && platform::trim(promo->categorie) == categorie && platform::trim(promo->mot_cle) == theme)
      listeB.setChecked(i, true);
  }
}

void TprixF::BitBtn7Click() {
  if (!dialogs().askYesNo("ATTENTION tous les prix recalculés seront définitivement appliqués. "
                          "Voulez-vous continuer ?"))
    return;
  prepare();
  if (listeB.count() == 0) {
    dialogs().showMessage("Aucune référence");
    return;
  }
  BitBtn3Click();
  const ResultatDefinitif r = rendreDefinitif(p_.donnees(), listeB.items());
  initiale();
  // The entries kept with their promotion stay listed beside the ones made anew.
  reset_ = true;
  repertoire();
  dialogs().showMessage("Opération terminée pour " + fromInteger(r.appliquees) + " référence(s)");
  if (!r.ignorees.empty()) {
    std::string noms;
    for (const auto& e : r.ignorees) noms += (noms.empty() ? "" : ", ") + e;
    dialogs().showMessage("Promotion gardée, la fiche est absente ou son prix a changé depuis le calcul : " +
                          noms);
  }
  fairefichier();
  p_.main().prixFicheReecrits();
  p_.prixdiff().relire();
}

void TprixF::BitBtn9Click() {
  const int n = nombreCochees();
  if (n == 0) {
    dialogs().showMessage("Aucune promo à supprimer");
    return;
  }
  if (!dialogs().askYesNo("ATTENTION toutes les promotions des références cochées seront supprimées soit " +
                          fromInteger(n) + " sur " + fromInteger(listeB.count()) +
                          ". Voulez-vous continuer ?"))
    return;
  for (const auto& entree : cochees())
    if (nomValide(entree)) platform::removeFile(p_.donnees().root() / (entree + ".pro"));
  reset_ = true;
  repertoire();
  fairefichier();
}

void TprixF::BitBtn5Click() { close(); }

void TprixF::mBTClick() { changeprix(); }

void TprixF::prixiniKeyDown(int& key, ui::Shift) {
  if (key == ui::key::Enter) changeprix();
}

void TprixF::changeprix() {
  const std::string nouveau = platform::trim(prixini.text());
  const std::string entree = entreeMontree();
  if (auto refus = refusPrixInitial(nouveau); refus && !entree.empty()) {
    dialogs().showMessage(*refus);
    return;
  }
  if (entree.empty() || !changerPrixEntree(p_.donnees(), entree, nouveau)) {
    dialogs().showMessage("ERREUR");
    return;
  }
  p_.main().prixFicheReecrits();
  dialogs().showMessage("Prix modifié");
  // The promotional price was computed again: the rate and both prices shown go together.
  ok();
}

void TprixF::tauxEChange() {
  if (calculEnCours_) return;
  calculEnCours_ = true;
  const auto t = nombreTaux(tauxE.text());
  calcT.setText(t ? formaterPrix(prixApresTaux(prixMontre(), *t, 2)) : "");
  calculEnCours_ = false;
}

void TprixF::calcTChange() {
  if (calculEnCours_) return;
  const double p = prixMontre();
  const auto c = nombrePrix(calcT.text());
  if (p == 0 || !c) return;
  calculEnCours_ = true;
  tauxE.setText(platform::fromNumber((*c - p) / p * 100, 5));
  calculEnCours_ = false;
}

void TprixF::imageLClick() {
  if (imageL.selected().empty()) return;
  style.image_PROMO_PRIX = imageL.selected();
  image_show();
  if (auto taille = platform::imageSize(imageL.fileName())) {
    style.largeur_image_PROMO_PRIX = fromInteger(taille->first);
    style.hauteur_image_PROMO_PRIX = fromInteger(taille->second);
  }
}

void TprixF::effaceClick() {
  style.image_PROMO_PRIX.clear();
  image_show();
}

void TprixF::Ttexte_colorMouseDown() {
  if (auto couleur = design::choisirCouleur(ColorDialog1, style.couleur_texte_PROMO_PRIX)) {
    style.couleur_texte_PROMO_PRIX = *couleur;
    couleur_show();
  }
}

void TprixF::BitBtn6Click() {
  style.ok_PROMO_PRIX = afficheP.checked() ? "oui" : "";
  style.arrondi = arrondiC.checked() ? "oui" : "non";
  style.ligne = ligneC.checked() ? "oui" : "non";
  style.pourcent = pourcentC.checked() ? "oui" : "non";
  sauverStylePromo(p_.donnees(), style);
  dialogs().showMessage("Enregistré");
}

void TprixF::BitBtn22Click() { p_.shell().open(web::kAide); }

void TprixF::viderArticle() {
  for (ui::Label* l : {&categorieL, &themeL, &ref, &refcomm, &titre, &remise, &prixpromoL, &okL})
    l->setCaption("");
  prixini.setText("");
}

std::vector<std::string> TprixF::cochees() const {
  std::vector<std::string> entrees;
  for (size_t i = 0; i < listeB.items().size(); ++i)
    if (listeB.checked(i)) entrees.push_back(listeB.items()[i]);
  return entrees;
}

int TprixF::nombreCochees() const { return static_cast<int>(cochees().size()); }

std::string TprixF::entreeMontree() const { return listeB.selected(); }

double TprixF::prixMontre() const {
  return nombrePrix(prixini.text()).value_or(0);
}

}  // namespace app
