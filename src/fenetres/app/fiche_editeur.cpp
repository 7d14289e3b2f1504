// The sheet editor of the main window: showing the current sheet, the family labels, the three
// variant rows, the main and detail images, the introduction and title texts, the products per
// page and layout of the theme, the commands that need a reference, and the sheet's preview.

#include "fenetres/app/fiche.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche_images.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "modele/app/categories_fichiers.h"
#include "modele/app/montants_fiche.h"
#include "modele/app/texte_prix.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/text.h"

#include <optional>
#include <utility>

namespace app {

namespace {

using platform::trim;

struct LigneVariante {
  ui::CheckBox& coche;
  ui::Edit& libelle;
  ui::Label& refL;
  ui::Edit& ref;
  ui::Label& prixL;
  ui::Edit& prix;
  std::string& varRef;
  std::string& varPrix;
};

void activerLigne(LigneVariante l, bool actif) {
  for (ui::Control* c : std::initializer_list<ui::Control*>{&l.libelle, &l.refL, &l.ref, &l.prixL, &l.prix})
    c->setEnabled(actif);
  for (ui::Edit* e : {&l.libelle, &l.ref, &l.prix}) e->setColour(actif ? ui::clWindow : ui::clBtnFace);
}

// A ticked row fills its empty reference and price from the sheet's; an unticked one loses them
// but keeps its label.
void basculerLigne(LigneVariante l, const std::string& reference, const std::string& prix) {
  if (l.coche.checked()) {
    activerLigne(l, true);
    if (l.ref.text().empty()) {
      l.ref.setText(reference);
      l.varRef = reference;
    }
    if (l.prix.text().empty()) {
      l.prix.setText(prix);
      l.varPrix = prix;
    }
  } else {
    l.ref.setText("");
    l.prix.setText("");
    l.varRef.clear();
    l.varPrix.clear();
    activerLigne(l, false);
  }
}

}  // namespace

void Tmain::lierEditeur() {
  auto modif = [this] { marquerModifiee(); };
  referencer.onChange = [this] { referencerChange(); };
  descriptionT.onChange = [this] { descriptionTChange(); };
  auteurT.onChange = [this] { auteurTChange(); };
  for (ui::Edit* e : {&prixT, &ecotaxeE, &ecotaxeAE, &ecotaxeBE, &ecotaxeCE, &poidsE, &poidsAE,
                      &poidsBE, &poidsCE, &multiE, &type1, &type2, &type3, &CD_refT, &K7_refT,
                      &VIDEO_refT, &CD_prixT, &K7_prixT, &VIDEO_prixT})
    e->onChange = modif;
  for (ui::Memo* m : {&commentaires, &texteD, &presentations, &chants}) m->onChange = modif;
  for (ui::CheckBox* c : {&indispo, &etatB}) c->onClick = modif;
  themes.onChange = [this] {
    // A new theme being typed keeps the layout chosen for it.
    if (!chargementFiche && themeExistant(themes.items(), themes.text())) montrerDispositionTheme();
    marquerModifiee();
  };
  // The reader bound these first; the editor only takes note of the change.
  catego.onChange = [this, lecture = catego.onChange] {
    if (lecture) lecture();
    marquerModifiee();
  };
  image_non.onClick = [this, lecture = image_non.onClick] {
    if (lecture) lecture();
    marquerModifiee();
  };

  CD_check.onClick = [this] { CD_checkClick(); };
  K7_check.onClick = [this] { K7_checkClick(); };
  VIDEO_check.onClick = [this] { VIDEO_checkClick(); };
  famille.onClick = [this] { familleClick(); };
  image_oui.onClick = [this] { image_ouiClick(); };
  detail.onClick = [this] { detailClick(); };
  voir_detail.onClick = [this] { voir_detailClick(); };
  BitBtn3.onClick = [this] { BitBtn3Click(); };
  applimage.onClick = [this] { applimageClick(); };
  presentation.onClick = [this] { presentationClick(); };
  presentations.onExit = [this] { presentationsExit(); };
  BitBtn4.onClick = [this] { BitBtn4Click(); };
  liste_titres.onClick = [this] { liste_titresClick(); };
  chants.onExit = [this] { chantsExit(); };
  BitBtn5.onClick = [this] { BitBtn5Click(); };
  BitBtn6.onClick = BitBtn7.onClick = [this] { BitBtn6Click(); };
  maxi.onChange = [this] { maxiChange(); };
  standard.onClick = [this] { standardClick(); };
  tableau.onClick = [this] { tableauClick(); };
  voir_vignette.onClick = [this] { voir_vignetteClick(); };
  formes.onClick = [this] { FormesClick(); };
  detailHTMLC.onClick = [this] { detailHTMLCClick(); };
  pucesC.onClick = [this] { pucesCClick(); };
  sauver.onClick = [this] { sauverClick(); };
  effacer.onClick = [this] { effacerClick(); };
}

void Tmain::marquerModifiee() {
  if (!chargementFiche) ficheModifiee = contenuModifie = true;
}

// --- showing the sheet ---

void Tmain::montrerEcotaxePoids() {
  const bool ecotaxe = p_.styleP().ecotaxe == "oui";
  const bool poids = p_.styleP().poids == "oui";
  for (ui::Edit* e : {&ecotaxeE, &ecotaxeAE, &ecotaxeBE, &ecotaxeCE}) e->setVisible(ecotaxe);
  for (ui::Edit* e : {&poidsE, &poidsAE, &poidsBE, &poidsCE}) e->setVisible(poids);
}

void Tmain::afficherFiche() {
  auto& identite = p_.ident();
  identite.chargerIdent();
  devisePrincipale = identite.identite.dev1;
  deviseSecondaire = identite.identite.dev2;
  libellesFamille();
  rechargerPremiereFiche = false;
  deviseT.setCaption(devisePrincipale);
  montrerEcotaxePoids();
  // Copies first: each edit's change may run a handler that reads the variables.
  const TFicheProduit f = fiche;
  referencer.setText(f.reference);
  descriptionT.setText(f.description);
  auteurT.setText(f.auteur);
  prixT.setText(f.prix);
  ecotaxeE.setText(f.pecotaxe);
  ecotaxeAE.setText(f.pecotaxeA);
  ecotaxeBE.setText(f.pecotaxeB);
  ecotaxeCE.setText(f.pecotaxeC);
  CD_refT.setText(f.CD_ref);
  K7_refT.setText(f.K7_ref);
  VIDEO_refT.setText(f.VIDEO_ref);
  CD_prixT.setText(f.CD_prix);
  K7_prixT.setText(f.K7_prix);
  VIDEO_prixT.setText(f.VIDEO_prix);
  if (f.bouton_CD == "oui") {
    CD_check.setChecked(true);
    activerLigneCD();
  }
  if (f.bouton_K7 == "oui") {
    K7_check.setChecked(true);
    activerLigneK7();
  }
  if (f.bouton_VIDEO == "oui") {
    VIDEO_check.setChecked(true);
    activerLigneVIDEO();
  }
}

void Tmain::libellesFamille() {
  auto& styleP = p_.styleP();
  std::vector<std::string> noms{styleP.produits.text(), styleP.livres.text(), styleP.audio.text(),
                                styleP.services.text()};
  if (famille.items() != noms) {
    const int choix = famille.itemIndex();
    famille.setItems(std::move(noms));
    // The captions change, not the choice: no click.
    famille.ItemsControl::setItemIndex(choix);
  }
  const int choix = famille.itemIndex();
  if (choix < 0) return;
  const std::string libelle = choix <= 1 ? styleP.auteur.text() : styleP.chanteur.text();
  auteur_nom.setCaption(libelle + " :");
  libelleListe = libelle;
  const char* defauts[3] = {nullptr, nullptr, nullptr};
  if (choix == 0) {
    defauts[0] = "Modèle A";
    defauts[1] = "Modèle B";
    defauts[2] = "Modèle C";
  } else if (choix == 2) {
    defauts[0] = "CD";
    defauts[1] = "K7";
    defauts[2] = "Vidéo";
  }
  ui::Edit* libelles[3] = {&type1, &type2, &type3};
  for (int i = 0; i < 3; ++i)
    if (defauts[i] && libelles[i]->text().empty()) libelles[i]->setText(defauts[i]);
}

void Tmain::familleClick() {
  familleIllisible = false;
  libellesFamille();
  marquerModifiee();
}

// --- variant rows ---

void Tmain::activerLigneCD() {
  activerLigne({CD_check, type1, CD_refL, CD_refT, CD_prixL, CD_prixT, fiche.CD_ref, fiche.CD_prix}, true);
}
void Tmain::activerLigneK7() {
  activerLigne({K7_check, type2, K7_refL, K7_refT, K7_prixL, K7_prixT, fiche.K7_ref, fiche.K7_prix}, true);
}
void Tmain::activerLigneVIDEO() {
  activerLigne({VIDEO_check, type3, VIDEO_refL, VIDEO_refT, VIDEO_prixL, VIDEO_prixT, fiche.VIDEO_ref,
                fiche.VIDEO_prix},
               true);
}
void Tmain::desactiverLigneCD() {
  activerLigne({CD_check, type1, CD_refL, CD_refT, CD_prixL, CD_prixT, fiche.CD_ref, fiche.CD_prix}, false);
}
void Tmain::desactiverLigneK7() {
  activerLigne({K7_check, type2, K7_refL, K7_refT, K7_prixL, K7_prixT, fiche.K7_ref, fiche.K7_prix}, false);
}
void Tmain::desactiverLigneVIDEO() {
  activerLigne({VIDEO_check, type3, VIDEO_refL, VIDEO_refT, VIDEO_prixL, VIDEO_prixT, fiche.VIDEO_ref,
                fiche.VIDEO_prix},
               false);
}

void Tmain::desactiverLignesVariantes() {
  desactiverLigneCD();
  desactiverLigneK7();
  desactiverLigneVIDEO();
}

void Tmain::CD_checkClick() {
  basculerLigne({CD_check, type1, CD_refL, CD_refT, CD_prixL, CD_prixT, fiche.CD_ref, fiche.CD_prix},
                referencer.text(), prixT.text());
  marquerModifiee();
}

void Tmain::K7_checkClick() {
  basculerLigne({K7_check, type2, K7_refL, K7_refT, K7_prixL, K7_prixT, fiche.K7_ref, fiche.K7_prix},
                referencer.text(), prixT.text());
  marquerModifiee();
}

void Tmain::VIDEO_checkClick() {
  basculerLigne({VIDEO_check, type3, VIDEO_refL, VIDEO_refT, VIDEO_prixL, VIDEO_prixT, fiche.VIDEO_ref,
                 fiche.VIDEO_prix},
                referencer.text(), prixT.text());
  marquerModifiee();
}

// --- reference, title, author ---

void Tmain::referencerChange() {
  stats.setPanelText(1, referencer.text());
  const bool actif = !referencer.text().empty();
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &formes, &voir_vignette, &effacer, &sauver, &b_promo, &transfert, &html, &menuconstruire,
           &menutransfert, &BitBtn1, &BitBtn8, &BitBtn10})
    c->setEnabled(actif);
  style_f.setTabVisible(actif);
  p_accueil.setTabVisible(actif);
  // Typing a reference never brings the menu tab back; only a load or a save does.
  if (!actif) menus.setTabVisible(false);
  stats.setPanelText(0, actif ? "Fiche Active" : "Aucune Fiche Active");
  // A reference typed alone names the sheet to open (Enter) or the name to save under.
  if (!chargementFiche) ficheModifiee = true;
}

void Tmain::descriptionTChange() {
  stats.setPanelText(2, descriptionT.text());
  marquerModifiee();
}

void Tmain::auteurTChange() {
  stats.setPanelText(2, descriptionT.text() + " " + auteurT.text());
  marquerModifiee();
}

// --- images ---

void Tmain::image_ouiClick() {
  image_bouton.setEnabled(true);
  const std::string legende = legendeImage();
  nom_image.setCaption(legende.empty() ? "Image" : legende);
  marquerModifiee();
}

void Tmain::appliquerImage() {
  const std::string nom = listejpg.selected();
  if (!nomValide(nom.substr(0, nom.find('.')))) {
    dialogs().showMessage("Le nom de l'image comporte des caractères interdits ou des espaces");
    return;
  }
  const bool pourDetail = applimage.itemIndex() == 1;
  const auto chemin = fichierPresent(p_.donnees(), nom);
  // A detail picture that is gone is not recorded with the size of the picture shown before;
  // no file chosen still clears the detail image.
  if (pourDetail && !nom.empty() && !chemin) return;
  // A file that is no readable picture would be recorded and shown with no size.
  if (chemin && !imageLisible(dialogs(), *chemin)) return;
  if (chemin) {
    auto [largeur, hauteur] = montrerImage(JPEGImage2, *chemin);
    if (!pourDetail) {
      montrerImage(JPEGImage1, *chemin);
      fiche.image = nom;
      fiche.hauteur = platform::fromInteger(hauteur);
      fiche.largeur = platform::fromInteger(largeur);
      nom_image.setCaption(legendeImage());
      nom_image_detail.setCaption(legendeImage());
      image_oui.setChecked(true);
    } else {
      fiche.hauteur_detail = platform::fromInteger(hauteur);
      fiche.largeur_detail = platform::fromInteger(largeur);
    }
  }
  if (pourDetail) {
    fiche.image_detail = nom;
    if (nom.empty()) {
      fiche.hauteur_detail.clear();
      fiche.largeur_detail.clear();
      JPEGImage2.clearPicture();
      nom_image_detail.setCaption("");
      voir_detail.setCaption("Image Détail [aucune]");
    } else {
      nom_image_detail.setCaption(nom + " [" + fiche.largeur_detail + " x " + fiche.hauteur_detail + "]");
      voir_detail.setCaption("Détail " + nom);
    }
  }
  detail.setChecked(pourDetail);
  marquerModifiee();
}

void Tmain::detailClick() {
  if (detail.checked()) {
    applimage.setItemIndex(1);
    voir_detail.setEnabled(true);
  } else {
    gardeApplicable = true;
    applimage.setItemIndex(0);
    gardeApplicable = false;
    fiche.image_detail.clear();
    fiche.hauteur_detail.clear();
    fiche.largeur_detail.clear();
    voir_detail.setCaption("Image Détail [aucune]");
    voir_detail.setEnabled(false);
  }
  marquerModifiee();
}

void Tmain::voir_detailClick() {
  applimage.setItemIndex(1);
  PageControl1.setActivePage(imagedetail);
}

void Tmain::BitBtn3Click() {
  appliquerImage();
  PageControl1.setActivePage(fiche_produit);
}

void Tmain::applimageClick() {
  if (!gardeApplicable) appliquerImage();
}

// --- introduction text and title list ---

void Tmain::presentationClick() {
  PageControl1.setActivePage(titres_pres);
  presentations.setFocus();
}

void Tmain::presentationsExit() { intro.setChecked(!presentations.lines().empty()); }

void Tmain::BitBtn4Click() {
  presentations.clear();
  intro.setChecked(false);
}

void Tmain::liste_titresClick() {
  PageControl1.setActivePage(titres_pres);
  chants.setFocus();
}

void Tmain::chantsExit() { titre_chants.setChecked(!chants.lines().empty()); }

void Tmain::BitBtn5Click() {
  chants.clear();
  titre_chants.setChecked(false);
}

void Tmain::BitBtn6Click() {
  // The button takes the focus from the memo the user was typing in.
  presentationsExit();
  chantsExit();
  PageControl1.setActivePage(fiche_produit);
}

// --- products per page and layout of the theme ---

void Tmain::maxiChange() {
  produitsParPage = maxi.position();
  Lmaxi.setCaption("Produits par page : " + platform::fromInteger(produitsParPage));
  marquerModifiee();
}

void Tmain::standardClick() {
  maxi.setPosition(2);
  marquerModifiee();
}

void Tmain::tableauClick() {
  maxi.setPosition(10);
  marquerModifiee();
}

// --- preview and style ---

void Tmain::voir_vignetteClick() {
  if (!lireMultiple(multiE.text())) {
    dialogs().showMessage("Erreur dans multi");
    return;
  }
  apercuArticles = false;
  previsualiserFiche();
}

void Tmain::previsualiserFiche() {
  struct Sablier {
    ui::Control& c;
    ~Sablier() { c.setCursor(ui::Cursor::Default); }
  } sablier{voir_vignette};
  voir_vignette.setCursor(ui::Cursor::HourGlass);
  if (referencer.text().empty()) {
    dialogs().showMessage("Aucune référence en cours");
    return;
  }
  const int position = liste_fiches.itemIndex();
  // The preview shows the stored sheet: after a refused save there is nothing new to show.
  if (!SauverFiche()) return;
  rafraichirStyleEtMenu();
  apercuFiche();
  if (position > 0 && liste_fiches.count() > 1 && position < liste_fiches.count())
    liste_fiches.setItemIndex(position);
}

void Tmain::FormesClick() { ouvrirStyleFiche(); }

// --- detail page and bullet ---

void Tmain::detailHTMLCClick() {
  marquerModifiee();
  if (!detailHTMLC.checked()) return;
  // The page is looked for under the reference the sheet is saved under: the one typed, or,
  // while a sheet is being loaded, the loaded one.
  const std::string reference = chargementFiche ? fiche.reference : trim(referencer.text());
  const std::string nom = nomURL(reference, options.options.separateur());
  const auto chemin = p_.donnees().root() / "import" / (nom + ".htm");
  if (fichierPresent(p_.donnees(), "import/" + nom + ".htm")) return;
  dialogs().showMessage("Aucune page de détail à importer n'est présente dans le répertoire " +
                        chemin.string());
  detailHTMLC.setChecked(false);
}

void Tmain::pucesCClick() {
  ma_puce.clearPicture();
  if (pucesC.itemIndex() > 0)
    if (auto chemin = fichierPresent(p_.donnees(), "import/" + pucesC.selected()))
      ma_puce.loadPicture(*chemin);
  marquerModifiee();
}

}  // namespace app
