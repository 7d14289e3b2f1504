// The three tabs of the home-page editor: introduction, showcase ("Vitrine") and sections
// ("Rubriques").

#include "fenetres/infopages/accueil.h"

#include <utility>

#include "fenetres/app/fiche.h"
#include "fenetres/app/fiche_images.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/import_image.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/texte_prix.h"
#include "modele/infopages/accueil_vitrine.h"
#include "platform/image.h"
#include "platform/text.h"

namespace infopages {

namespace {

constexpr int kMaxRubriques = 99;

// "name w x h" of a picture; the name alone when its size cannot be read.
std::string legendeImage(const std::string& nom, const std::filesystem::path& fichier) {
  auto taille = platform::imageSize(fichier);
  return taille ? nom + " " + std::to_string(taille->first) + "x" + std::to_string(taille->second)
                : nom;
}

void remplacer(ui::ItemsControl& liste, size_t i, std::string valeur) {
  liste.deleteItem(i);
  liste.insertItem(i, std::move(valeur));
}

}  // namespace

// --- introduction ---

void Taccueil1::imageLClick() {
  if (imageL.itemIndex() >= 0) changerOption(&TOptionsAccueil::image_intro, imageL.selected());
}

void Taccueil1::effaceClick() {
  options.image_intro.clear();
  imageINTRO.clearPicture();
  sauver();
}

void Taccueil1::titreEDITChange() {
  if (miseAJour_) return;
  options.titre_intro = titreEDIT.text();
  modifie_ = true;
}

void Taccueil1::effacerClick() {
  titreEDIT.setText("");
  options.titre_intro.clear();
}

void Taccueil1::poubClick() { MemoTexte.clear(); }

void Taccueil1::optionBClick() {
  optionG.setCaption("Options Image Intro " + options.image_intro);
  optionG.show();
}

void Taccueil1::BitBtn2Click() {
  optionG.hide();
  lien_image_introL.hide();
  lien_image_introL.setCaption("");
  options.alt_image_intro = alt_image_introE.text();
  options.lien_image_intro = lien_image_introE.text();
  options.target_image_intro = target_image_introE.text();
  modifie_ = true;
  if (!options.lien_image_intro.empty()) {
    lien_image_introL.setCaption("Lien: " + options.lien_image_intro);
    lien_image_introL.show();
  }
}

void Taccueil1::effLBClick() {
  lien_image_introE.setText("");
  target_image_introE.setText("");
}

void Taccueil1::BitBtn18Click() { importerImage(imageL); }

void Taccueil1::importerImage(ui::FileListBox& liste) {
  design::importerImage(OpenImage, liste, p_.main().options.options.separateur());
}

// --- showcase ---

void Taccueil1::activerProduit(bool actif) {
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Bhaut, &Bbas, &Befface, &BeffT,
                                                            &BeffTexte, &bimage, &Etitre, &Mtexte})
    c->setEnabled(actif);
}

void Taccueil1::BokClick() {
  const std::string ref = refVitrine;
  // With no sheet open the product would get side files named ".acc" and ".imp".
  if (ref.empty()) {
    dialogs().showMessage("Aucune fiche n'est ouverte : il n'y a pas de produit à ajouter");
    return;
  }
  if (listeref.indexOf(ref) >= 0) {
    dialogs().warning("Cette référence est déjà présente sur la page d'accueil.");
    return;
  }
  if (!referenceFichierValide(ref)) {
    dialogs().showMessage("La référence " + ref + " comporte un caractère illégal");
    return;
  }
  // <ref>.acc is also the settings file of a section of the same file name.
  const char sep = p_.main().options.options.separateur();
  for (const std::string& nom : rubriques.items())
    if (platform::fileNamesEqual(app::nomURL(nom, sep), ref)) {
      dialogs().showMessage("La référence " + ref + " porte le nom de fichier de la rubrique " +
                            nom + " : elle ne peut pas entrer dans la vitrine");
      return;
    }
  listepromo.addItem(descriptionVitrine);
  listeref.addItem(ref);
  listetitres.addItem("");
  sauver();
  listepromo.setItemIndex(-1);
  activerProduit(false);
  elements();
}

void Taccueil1::listepromoClick() {
  image.setCaption("");
  url_promo.setCaption("");
  const bool avant = miseAJour_;
  miseAJour_ = true;
  Mtexte.clear();
  miseAJour_ = avant;
  const int i = listepromo.itemIndex();
  activerProduit(listepromo.count() > 0);
  if (i < 0 || i >= listeref.count()) return;
  const std::string ref = listeref.items()[static_cast<size_t>(i)];
  const platform::DataFolder& donnees = p_.donnees();
  app::TFicheProduit fiche;
  const bool lisible = referenceFichierValide(ref);
  if (lisible && donnees.exists(ref + ".ref"))
    fiche = app::lireFicheProduit(platform::LineList::load(p_.chemin(ref + ".ref")));
  std::string photo = fiche.image;
  if (lisible) {
    TImageVitrine choisie = chargerImageVitrine(donnees, ref);
    if (!choisie.image_promo.empty()) photo = choisie.image_promo;
  }
  miseAJour_ = true;
  Etitre.setText(static_cast<size_t>(i) < listetitres.items().size()
                     ? listetitres.items()[static_cast<size_t>(i)]
                     : std::string());
  miseAJour_ = avant;
  Bfiche.setCaption(ref + " " + fiche.description);
  Lcat.setCaption("Catégorie : " + fiche.categorie);
  Ltheme.setCaption("Thème : " + fiche.mot_cle);
  ImageFiche.clearPicture();
  if (auto fichier = photo.empty() ? std::nullopt : app::fichierPresent(donnees, photo)) {
    ImageFiche.loadPicture(*fichier);
    image.setCaption(legendeImage(photo, *fichier));
  }
  if (lisible) {
    if (donnees.exists(ref + ".acc")) {
      miseAJour_ = true;
      Mtexte.setLines(platform::LineList::load(p_.chemin(ref + ".acc")));
      miseAJour_ = avant;
    }
    std::string lien = app::pageDuProduit(donnees, ref);
    if (donnees.exists(nomLienVitrine(ref))) {
      lien = platform::trim(chargerLienVitrine(donnees, ref).lienS);
      if (lien.empty()) lien = "???";
    }
    url_promo.setCaption(lien);
  }
  elements();
}

void Taccueil1::deplacerProduit(int ecart) {
  const int i = listepromo.itemIndex();
  const int j = i + ecart;
  if (i >= 0 && j >= 0 && j < listepromo.count() && j < listeref.count()) {
    for (ui::ListBox* l : {&listepromo, &listeref, &listetitres}) {
      std::vector<std::string> items = l->items();
      items.resize(static_cast<size_t>(listeref.count()));
      std::swap(items[static_cast<size_t>(i)], items[static_cast<size_t>(j)]);
      l->setItems(std::move(items));
    }
    listepromo.setItemIndex(j);
  }
  sauver();
}

void Taccueil1::BhautClick() { deplacerProduit(-1); }

void Taccueil1::BbasClick() { deplacerProduit(1); }

void Taccueil1::BeffaceClick() {
  const int i = listepromo.itemIndex();
  if (i < 0) return;
  for (ui::ListBox* l : {&listepromo, &listeref, &listetitres})
    if (i < l->count()) l->deleteItem(static_cast<size_t>(i));
  sauver();
  if (listepromo.count() == 0) activerProduit(false);
}

void Taccueil1::EtitreChange() {
  if (miseAJour_) return;
  const int i = listepromo.itemIndex();
  if (i < 0 || i >= listetitres.count()) return;
  std::string titre = Etitre.text();
  if (options.titreMAJ == "oui") {
    titre = platform::upperText(titre);
    miseAJour_ = true;
    Etitre.setText(titre);
    miseAJour_ = false;
  }
  remplacer(listetitres, static_cast<size_t>(i), titre);
  modifie_ = true;
}

void Taccueil1::EtitreExit() { sauver(); }

void Taccueil1::BeffTClick() {
  Etitre.setText("");
  sauver();
}

void Taccueil1::MtexteExit() { sauve_texte(); }

void Taccueil1::BeffTexteClick() {
  Mtexte.clear();
  sauve_texte();
}

void Taccueil1::bimageClick() {
  imagesL.update();
  image.setCaption("");
  appliquer.setEnabled(false);
  choix.show();
}

void Taccueil1::imagesLClick() {
  const std::string nom = imagesL.selected();
  image.setCaption(nom);
  const std::filesystem::path fichier = imagesL.fileName();
  if (nom.empty() || !platform::fileExists(fichier)) return;
  ImageFiche.loadPicture(fichier);
  image.setCaption(legendeImage(nom, fichier));
  appliquer.setEnabled(true);
}

// --- sections ---

void Taccueil1::rubriquesClick() {
  if (rubriques.itemIndex() < 0) return;
  ajouter.setText(rubriques.selected());
  for (ui::Button* b : {&monte, &descend, &saut, &ligne, &panierR}) b->setEnabled(true);
  memoR.clear();
  ouvrerubrique(rubriques.selected());
}

void Taccueil1::BajoutClick() {
  const std::string nom = ajouter.text();
  if (nom.empty()) {
    dialogs().showMessage("Il faut écrire un titre à votre rubrique");
    return;
  }
  const char sep = p_.main().options.options.separateur();
  const std::string slug = app::nomURL(nom, sep);
  for (const std::string& existante : rubriques.items())
    if (app::nomURL(existante, sep) == slug) {
      dialogs().showMessage("Rubrique déjà existante");
      return;
    }
  if (rubriques.count() > kMaxRubriques) {
    dialogs().showMessage("Trop de rubriques !");
    return;
  }
  // The file of a section removed earlier proves the name and keeps its text.
  if (slug.empty() || !platform::canCreateFile(p_.donnees().root(), slug + ".rub")) {
    dialogs().showMessage("La rubrique comporte des caractères inacceptés");
    return;
  }
  // <slug>.acc is also the showcase text of a product of that reference.
  for (const std::string& ref : listeref.items())
    if (platform::fileNamesEqual(ref, slug)) {
      dialogs().showMessage("La rubrique " + nom + " porte le nom de fichier de la référence " +
                            ref + " de la vitrine : elle ne peut pas être ajoutée");
      return;
    }
  rubriques.addItem(nom);
  targetT.setText("_self");
  sauver();
}

void Taccueil1::panierRClick() {
  const int i = rubriques.itemIndex();
  if (i < 0) return;
  if (rubriqueOrigine(rubriques.selected())) {
    dialogs().showMessage(
        "Impossible de supprimer une rubrique d'origine (décocher la case ou modifier le texte)");
    return;
  }
  rubriques.deleteItem(static_cast<size_t>(i));
  sauver();
  rubriques.setItemIndex(0);
  // The memo still held the removed section: leaving it would write that text over the first.
  if (rubriques.count() > 0) ouvrerubrique(rubriques.selected());
}

void Taccueil1::insererRubrique(const std::string& nom) {
  const int i = rubriques.itemIndex();
  if (i < 0) return;
  rubriques.insertItem(static_cast<size_t>(i), nom);
  rubriques.setChecked(static_cast<size_t>(i), true);
  rubriques.setItemIndex(i + 1);
  sauver();
}

void Taccueil1::sautClick() { insererRubrique("ESPACE"); }

void Taccueil1::ligneClick() { insererRubrique("LIGNE"); }

void Taccueil1::deplacerRubrique(int ecart) {
  const int i = rubriques.itemIndex();
  const int j = i + ecart;
  if (i >= 0 && j >= 0 && j < rubriques.count()) {
    const auto a = static_cast<size_t>(i), b = static_cast<size_t>(j);
    std::vector<std::string> noms = rubriques.items();
    std::vector<bool> coches;
    for (size_t k = 0; k < noms.size(); ++k) coches.push_back(rubriques.checked(k));
    std::swap(noms[a], noms[b]);
    std::vector<bool>::swap(coches[a], coches[b]);
    rubriques.setItems(std::move(noms));
    for (size_t k = 0; k < coches.size(); ++k) rubriques.setChecked(k, coches[k]);
    rubriques.setItemIndex(j);
  }
  sauver();
}

void Taccueil1::monteClick() { deplacerRubrique(-1); }

void Taccueil1::descendClick() { deplacerRubrique(1); }

void Taccueil1::memoRExit() { sauverubrique(); }

void Taccueil1::ImagePClick() {
  if (ImageP.itemIndex() < 0) return;
  rubrique.puce_rubrique = ImageP.selected();
  elements();
  sauverubrique();
}

void Taccueil1::effacePuceClick() {
  rubrique.puce_rubrique.clear();
  elements();
  sauverubrique();
}

void Taccueil1::BitBtn1Click() { importerImage(ImageP); }

}  // namespace infopages
