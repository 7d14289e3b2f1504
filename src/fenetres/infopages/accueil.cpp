#include "fenetres/infopages/accueil.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/fiche_images.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/ajout_modele.h"
#include "fenetres/design/saisie_couleur.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/apercu.h"
#include "fenetres/frame/voir_menu.h"
#include "modele/app/categories_fichiers.h"
#include "modele/app/texte_prix.h"
#include "modele/infopages/accueil_vitrine.h"
#include "platform/image.h"
#include "platform/text.h"
#include "ui/layout.h"

#include <algorithm>

namespace infopages {

Taccueil1::Taccueil1(app::Programme& programme) : ui::Form(programme.application(), "Taccueil1", "accueil1"), p_(programme) {
  setCaption("Eléments de la page d'accueil");
  panelOver = &p_.main().PageControl1;
  using ui::kLineHeight;
  using ui::setSize;
  setBounds(left(), top(), 740, 500);
  setSize(PageControl1, 720, 430);
  for (ui::Button* b : {&ajoutM, &ouvrirM}) b->hide();
  listeref.hide();
  listetitres.hide();
  lien_image_introL.hide();
  optionG.hide();
  choix.hide();
  rubriques.hide();
  // Introduction: pictures and title, then the text with its settings.
  setSize(imagesG, 170);
  setSize(imageL, 150, 110);
  setSize(imageINTRO, 150, 80);
  setSize(optionG, 470);
  setSize(TitreBox, 470);
  setSize(titreEDIT, 450);
  setSize(fondpage, 330);
  setSize(MemoTexte, 310, 130);
  setSize(TexteBox, 200);
  setSize(PoliceBox, 170);
  // Showcase: the list, the sheet and the title, then the text and the showcase settings.
  setSize(listeB, 240);
  setSize(listepromo, 220, 140);
  setSize(Bfiche, 140);
  setSize(ImageFiche, 100, 80);
  setSize(BoxTitre, 320);
  setSize(Etitre, 300);
  setSize(BoxTexte, 320);
  setSize(Mtexte, 300, 80);
  for (ui::Label* l : {&image, &url_promo}) setSize(*l, 160, kLineHeight);
  setSize(choix, 220);
  setSize(imagesL, 200, 120);
  setSize(PoliceBoxP, 170);
  // Sections: the list, its buttons and the section's text and settings.
  setSize(rubriques, 180, 300);
  setSize(ajouter, 200);
  setSize(memoR, 300, 120);
  setSize(pucesG, 160);
  setSize(ImageP, 140, 90);
  setSize(rubriqueG, 320);
  setSize(PoliceBoxR, 170);
  for (ui::Edit* e : {&taille_num, &taille_num_titre, &taille_numPT, &taille_numP, &taille_numR})
    setSize(*e, 40, kLineHeight);
  for (ui::Edit* e : {&largeur_num, &largeur_numP, &hauteur_numP, &largeur_numR, &ColPT})
    setSize(*e, 70);
  for (ui::Shape* s : {&shape_trait, &shape_traitP, &shape_traitR}) setSize(*s, 24, kLineHeight);
  largeur_num.labelCaption = "Largeur :";
  largeur_numR.labelCaption = "Largeur :";
  largeur_numP.labelCaption = "L.";
  hauteur_numP.labelCaption = "H.";
  ColPT.labelCaption = "Nbre Col";
  alt_image_introE.labelCaption = "Texte :";
  lien_image_introE.labelCaption = "Lien :";
  target_image_introE.labelCaption = "Target :";
  lienT.labelCaption = "Lien :";
  targetT.labelCaption = "Target :";
  aligne.setItems({"Gauche", "Centré", "Droit"});
  aligneTR.setItems({"Gauche", "Centré", "Droit"});
  encadrement.setItems({"Carré", "Aucun", "Transparent"});
  Rencadrement.setItems({"Arrondi", "Carré", "Aucun"});
  texteBOX.setItems({"Horizontale", "Haut", "Bas"});
  cadreR.setItems({"Arrondi", "Carré", "Aucun", "Transparent"});
  std::vector<RubriqueCochee> initiales = rubriquesInitiales();
  for (size_t i = 0; i < initiales.size(); ++i) {
    rubriques.addItem(initiales[i].nom);
    rubriques.setChecked(i, true);
  }
  SaveModele.options.defaultExt = "amd";
  activerProduit(false);
  for (ui::Button* b : {&monte, &descend, &saut, &ligne, &panierR}) b->setEnabled(false);

  onActivate = [this] { FormActivate(); };
  onDeactivate = [this] { FormDeactivate(); };
  onPaint = [this] { FormPaint(); };
  ok_bouton.onClick = [this] { ok_boutonClick(); };
  voirB.onClick = [this] { voirBClick(); };
  importACCUEIL.onClick = [this] { importACCUEILClick(); };
  ajoutM.onClick = [this] { ajoutMClick(); };
  ouvrirM.onClick = [this] { ouvrirMClick(); };
  imageL.onClick = [this] { imageLClick(); };
  efface.onClick = [this] { effaceClick(); };
  titreEDIT.onChange = [this] { titreEDITChange(); };
  effacer.onClick = [this] { effacerClick(); };
  poub.onClick = [this] { poubClick(); };
  MemoTexte.onChange = [this] {
    if (!miseAJour_) modifie_ = true;
  };
  optionB.onClick = [this] { optionBClick(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  effLB.onClick = [this] { effLBClick(); };
  BitBtn18.onClick = [this] { BitBtn18Click(); };
  Bok.onClick = [this] { BokClick(); };
  listepromo.onClick = [this] { listepromoClick(); };
  Bhaut.onClick = [this] { BhautClick(); };
  Bbas.onClick = [this] { BbasClick(); };
  Befface.onClick = [this] { BeffaceClick(); };
  Etitre.onChange = [this] { EtitreChange(); };
  Etitre.onExit = [this] { EtitreExit(); };
  BeffT.onClick = [this] { BeffTClick(); };
  Mtexte.onExit = [this] { MtexteExit(); };
  BeffTexte.onClick = [this] { BeffTexteClick(); };
  bimage.onClick = [this] { bimageClick(); };
  imagesL.onClick = [this] { imagesLClick(); };
  appliquer.onClick = [this] { appliquerClick(); };
  fermer.onClick = [this] { choix.hide(); };
  btc.onClick = [this] { btcClick(); };
  rubriques.onClick = [this] { rubriquesClick(); };
  Bajout.onClick = [this] { BajoutClick(); };
  ajouter.onKeyDown = [this](int& key, ui::Shift) {
    if (key == ui::key::Enter) BajoutClick();
  };
  panierR.onClick = [this] { panierRClick(); };
  saut.onClick = [this] { sautClick(); };
  ligne.onClick = [this] { ligneClick(); };
  monte.onClick = [this] { monteClick(); };
  descend.onClick = [this] { descendClick(); };
  memoR.onExit = [this] { memoRExit(); };
  ImageP.onClick = [this] { ImagePClick(); };
  effacePuce.onClick = [this] { effacePuceClick(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  lier();
}

void Taccueil1::FormActivate() {
  image.setCaption("");
  const std::filesystem::path racine = p_.donnees().root();
  SaveModele.options.initialDir = racine / "modeles";
  OpenModele.options.initialDir = racine / "modeles";
  p_.ident().chargerIdent();
  // Edits of an earlier visit stay until they are saved or dropped by a load of a model.
  if (!modifie_) ouvre();
  listeB.setCaption("Liste des produits d'accueil [" + std::to_string(listeref.count()) + "]");
  for (auto [bouton, forme] : {std::pair{&speed_trait, &shape_trait}, {&speed_traitP, &shape_traitP},
                               {&speed_traitR, &shape_traitR}})
    forme->setBounds(bouton->left() - 2, bouton->top() - 2, bouton->width() + 4,
                     bouton->height() + 4);
  const design::TstyleP& style = p_.styleP();
  // The page's background: its picture, or the colour that covers it.
  fondpage.loadPicture(style.fond_page.empty() ? style.cadre.picture() : std::filesystem::path());
  fondpage.setColour(style.fond_page.empty() ? ui::clWhite : design::couleurUi(style.fond_page));
  const app::Tmain& main = p_.main();
  setBounds(main.left() + main.PageControl1.left() + 14, main.top() + main.PageControl1.top() + 70,
            PageControl1.width() + 20, PageControl1.height() + 70);
  imageL.setDirectory(racine / "accueil");
  imagesG.setCaption("Images [accueil] " + (racine / "accueil").string());
  imagesL.setDirectory(racine);
  choix.setCaption("Images JPG " + racine.string());
  ImageP.setDirectory(racine / "puces");
  pucesG.setCaption("Images [puces] " + (racine / "puces").string());
  miseAJour_ = true;
  importACCUEIL.setChecked(options.accueilHTM == "oui");
  miseAJour_ = false;
  // Sections are saved as they change: loading the first one loses nothing.
  if (rubriques.count() > 0) {
    rubriques.setItemIndex(0);
    ouvrerubrique(rubriques.selected());
  }
  rubriques.show();
}

void Taccueil1::FormDeactivate() {
  // A window opened over the editor (the organiser) leaves the home tab as it is.
  if (application().activeForm() == &p_.main()) p_.main().PageControl1.setActivePage(0);
}

void Taccueil1::FormPaint() {
  const bool windows = p_.styleP().web.itemIndex() == 1;
  for (ui::RadioButton* r : {&toutes, &toutesP, &toutesR}) r->setEnabled(windows);
}

void Taccueil1::ok_boutonClick() { sauver(); }

void Taccueil1::proposerEnregistrement() {
  if (modifie_ && dialogs().askYesNo("Enregistrer les modifications de la page d'accueil ?"))
    sauver();
}

void Taccueil1::voirBClick() {
  voirB.setCursor(ui::Cursor::HourGlass);
  struct Fin {
    ui::Control& c;
    ~Fin() { c.setCursor(ui::Cursor::Default); }
  } fin{voirB};
  sauver();
  frame::apercuSite(p_);
  listepromo.setItemIndex(-1);
  activerProduit(false);
  elements();
}

void Taccueil1::ajoutMClick() {
  design::ajouterModele(SaveModele, modeleN, sauverModele, [this] { sauver(); });
}

void Taccueil1::ouvrirMClick() {
  if (!OpenModele.execute()) return;
  fichierModele = OpenModele.fileName;
  ouvre();
  modeleN.setCaption("Modèle : " + OpenModele.fileName.filename().string());
}

TOptionsAccueil Taccueil1::valeurs() const {
  TOptionsAccueil o = options;
  o.lien_image_intro = lien_image_introE.text();
  o.target_image_intro = target_image_introE.text();
  o.texte = MemoTexte.lines().lines();
  o.vitrine.clear();
  for (size_t i = 0; i < listeref.items().size(); ++i) {
    auto item = [i](const ui::ListBox& l) { return i < l.items().size() ? l.items()[i] : ""; };
    o.vitrine.push_back({item(listepromo), listeref.items()[i], item(listetitres)});
  }
  o.ref_index = std::to_string(o.vitrine.size());
  o.rubriques.clear();
  for (size_t i = 0; i < rubriques.items().size(); ++i)
    o.rubriques.push_back({rubriques.items()[i], rubriques.checked(i)});
  // The spin edit keeps 1 to 9.
  std::optional<long long> n = platform::toInteger(platform::trim(ColPT.text()));
  o.nbre_promo = std::to_string(n ? std::clamp<long long>(*n, 1, 9) : 2);
  return o;
}

void Taccueil1::ouvre() {
  // Unsaved edits are what the user sees: a writer's reload takes them as they stand.
  if (modifie_ && fichierModele.empty()) {
    options = valeurs();
    elements();
    return;
  }
  // A model's load drops the edits: they are asked about first.
  proposerEnregistrement();
  // What an absent list leaves in place is what the controls hold now.
  TOptionsAccueil o = valeurs();
  std::filesystem::path fichier = fichierModele.empty() ? p_.chemin("accueil.opt") : fichierModele;
  fichierModele.clear();
  chargerOptionsAccueil(o, fichier);
  options = o;
  modifie_ = false;
  afficherOptions();
  elements();
}

void Taccueil1::afficherOptions() {
  const TOptionsAccueil& o = options;
  miseAJour_ = true;
  struct Fin {
    bool& drapeau;
    ~Fin() { drapeau = false; }
  } fin{miseAJour_};
  MemoTexte.setLines(platform::LineList(o.texte));
  std::vector<std::string> promo, refs, titres;
  for (const ProduitVitrine& v : o.vitrine) {
    promo.push_back(v.titre);
    refs.push_back(v.ref);
    titres.push_back(v.titres);
  }
  listepromo.setItems(std::move(promo));
  listeref.setItems(std::move(refs));
  listetitres.setItems(std::move(titres));
  std::vector<std::string> noms;
  for (const RubriqueCochee& r : o.rubriques) noms.push_back(r.nom);
  rubriques.setItems(std::move(noms));
  for (size_t i = 0; i < o.rubriques.size(); ++i) rubriques.setChecked(i, o.rubriques[i].coche);
  ColPT.setText(o.nbre_promo);
  lien_image_introL.setCaption(o.lien_image_intro.empty() ? "" : "Lien: " + o.lien_image_intro);
  lien_image_introL.setVisible(!o.lien_image_intro.empty());
  lien_image_introE.setText(o.lien_image_intro);
  target_image_introE.setText(o.target_image_intro);
  alt_image_introE.setText(o.alt_image_intro);
  // The generator, the card pages and the publisher read the main window's value.
  p_.main().accueilHTM = o.accueilHTM;
}

void Taccueil1::sauver() {
  listeB.setCaption("Liste des produits d'accueil [" + std::to_string(listeref.count()) + "]");
  TOptionsAccueil o = valeurs();
  const bool modele = sauverModele && !SaveModele.fileName.empty();
  sauverModele = false;
  lignesAccueil(o).save(modele ? SaveModele.fileName : p_.chemin("accueil.opt"));
  if (!modele) modifie_ = false;
  if (!modele)
    sauverCoinsAccueil(o, p_.main().options.options.separateur(), p_.donnees().root());
}

void Taccueil1::ouvrerubrique(const std::string& texteCommun) {
  memoR.clear();
  rubrique = {};
  if (rubriques.itemIndex() < 0) return;
  const char sep = p_.main().options.options.separateur();
  RubriqueLue lue = chargerRubriqueAccueil(p_.donnees(), app::nomURL(texteCommun, sep));
  memoR.setLines(lue.texte);
  rubrique = lue.reglages;
  elements();
  lienT.setText("");
  targetT.setText("_self");
  lienT.setText(rubrique.lien);
  if (!rubrique.target.empty()) targetT.setText(rubrique.target);
  lienT.setEnabled(true);
  targetT.setEnabled(true);
  lienT.setColour(ui::clWindow);
  targetT.setColour(ui::clWindow);

  const design::TstyleP& style = p_.styleP();
  const app::TIdentite& ident = p_.ident().identite;
  EntreesLienRubrique e;
  e.frames = p_.main().options.frames == "oui";
  // An empty link when the first category has no theme page, never one left from another call.
  app::TListeCategories categories = app::chargerListeCategories(p_.donnees());
  if (!categories.empty()) e.premierePage = p_.voir_menu1().premierePage(categories.front());
  e.articles = style.articles.text();
  e.listeP = style.listeP.text();
  e.url_panier = style.url_panier;
  e.targetS = style.targetS;
  e.scriptPaiement = style.securus.checked() ? frame::kPageSecuriteAnglais : frame::kPageSecurite;
  e.login = ident.login;
  e.ext = ident.ext;
  e.nomE = ident.nomE;
  e.email = ident.email;
  if (std::optional<LienFixe> fixe = lienRubriqueFixe(rubriques.selected(), e)) {
    if (fixe->lien) lienT.setText(*fixe->lien);
    if (fixe->target) {
      rubrique.target = *fixe->target;
      targetT.setText(*fixe->target);
    }
    lienT.setEnabled(false);
    targetT.setEnabled(false);
    lienT.setColour(ui::clBtnFace);
    targetT.setColour(ui::clBtnFace);
  }
  rubrique.lien = lienT.text();
}

void Taccueil1::sauverubrique() {
  const std::string nom = rubriques.selected();
  if (rubriques.itemIndex() < 0 || nom.empty()) return;
  const std::string slug = app::nomURL(nom, p_.main().options.options.separateur());
  // <slug>.acc would overwrite the showcase text of a product of that reference.
  for (const std::string& ref : listeref.items())
    if (platform::fileNamesEqual(ref, slug)) {
      dialogs().showMessage("La rubrique " + nom + " porte le nom de fichier de la référence " +
                            ref + " de la vitrine : elle n'est pas enregistrée");
      return;
    }
  sauverRubriqueAccueil(p_.donnees(), slug, rubrique, memoR.lines());
}

std::string Taccueil1::referenceChoisie() {
  const int i = listepromo.itemIndex();
  if (i < 0 || i >= listeref.count()) return {};
  const std::string ref = listeref.items()[static_cast<size_t>(i)];
  if (!referenceFichierValide(ref)) {
    dialogs().showMessage("La référence " + ref + " comporte un caractère illégal");
    return {};
  }
  return ref;
}

void Taccueil1::sauve_texte() {
  const std::string ref = referenceChoisie();
  if (ref.empty()) return;
  // <ref>.acc would overwrite the settings of a section of the same file name.
  const char sep = p_.main().options.options.separateur();
  for (const std::string& nom : rubriques.items())
    if (platform::fileNamesEqual(app::nomURL(nom, sep), ref)) {
      dialogs().showMessage("La référence " + ref + " porte le nom de fichier de la rubrique " +
                            nom + " : son texte n'est pas enregistré");
      return;
    }
  Mtexte.lines().save(p_.chemin(ref + ".acc"));
}

void Taccueil1::appliquerClick() {
  const std::string ref = referenceChoisie();
  if (!ref.empty()) {
    if (!p_.donnees().exists(ref + ".ref")) {
      dialogs().showMessage("La fiche " + ref + ".ref est introuvable : l'image n'est pas enregistrée");
    } else {
      TImageVitrine img;
      img.image_promo = imagesL.selected();
      std::filesystem::path montree =
          ImageFiche.picture().empty() ? imagesL.fileName() : ImageFiche.picture();
      if (auto taille = montree.empty() ? std::nullopt : platform::imageSize(montree)) {
        img.largeur = std::to_string(taille->first);
        img.hauteur = std::to_string(taille->second);
      }
      sauverImageVitrine(p_.donnees(), ref, img);
      dialogs().showMessage(image.caption() + " enregistré");
    }
  }
  choix.hide();
}

void Taccueil1::btcClick() {
  if (platform::trim(url_promo.caption()).empty()) {
    dialogs().showMessage("LIEN INEXISTANT");
    return;
  }
  if (dialogs().messageBox(
          "ATTENTION VOUS ALLEZ MODIFIER UN LIEN D'UN PRODUIT. Voulez-vous continuer ?", "",
          ui::MessageKind::Confirmation, ui::Buttons::YesNoCancel) != ui::Answer::Yes)
    return;
  const std::string ref = referenceChoisie();
  if (ref.empty()) return;
  TLienVitrine lien = chargerLienVitrine(p_.donnees(), ref);
  lien.lienS = platform::trim(
      dialogs().inputBox("Modification URL promo", "Nouvelle URL pour " + ref, lien.lienS));
  if (lien.lienS.empty()) {
    platform::removeFile(p_.chemin(nomLienVitrine(ref)));
    url_promo.setCaption("");
    dialogs().showMessage("LIEN " + ref + " effacé");
    return;
  }
  lien.targetS = dialogs().inputBox("Modification Target promo",
                                    "TARGET _top,_blank,_self... pour " + ref, lien.targetS);
  sauverLienVitrine(p_.donnees(), ref, lien);
  dialogs().showMessage("LIEN " + lien.lienS + " TARGET " + lien.targetS + " enregistré");
  url_promo.setCaption(lien.lienS);
}

void Taccueil1::importACCUEILClick() {
  if (miseAJour_) return;
  options.accueilHTM = importACCUEIL.checked() ? "oui" : "non";
  if (importACCUEIL.checked() && !p_.donnees().exists("import/accueil.htm")) {
    dialogs().showMessage("Aucune page d'accueil à importer n'est présente dans le répertoire " +
                          p_.chemin("import/accueil.htm").string());
    miseAJour_ = true;
    importACCUEIL.setChecked(false);
    miseAJour_ = false;
    options.accueilHTM = "non";
  }
  p_.main().accueilHTM = options.accueilHTM;
  if (options.accueilHTM == "oui" && p_.main().options.frames != "oui") {
    dialogs().showMessage("Pensez à cocher menu --> Accueil menu pour le référencement");
    app::OptionsDemarrage& demarrage = p_.main().options;
    demarrage.accueilHf =
        dialogs().inputBox("Import Page d'accueil", "Hauteur", demarrage.accueilHf);
    sauverImportAccueil(p_.donnees(), {demarrage.accueilLf, demarrage.accueilHf});
  }
}

void Taccueil1::fiches() {
  Bfiche.setCaption(refVitrine + " " + descriptionVitrine);
  Lcat.setCaption("Catégorie : " + p_.main().catego.text());
  Ltheme.setCaption("Thème : " + p_.main().themes.text());
  ImageFiche.clearPicture();
  if (auto fichier = app::fichierPresent(p_.donnees(), imageVitrine)) ImageFiche.loadPicture(*fichier);
}

}  // namespace infopages
