// The sheet reader of the main window: a sheet file into the editor and the current-sheet
// variables, the reference box's keys, the image buttons, and the category and theme lists.

#include "fenetres/app/fiche.h"
#include "modele/app/categories_fichiers.h"

#include "fenetres/app/fenetre_tri_categories.h"
#include "fenetres/app/fenetre_tri_themes.h"
#include "fenetres/app/fiche_images.h"
#include "fenetres/app/programme.h"
#include "fenetres/infopages/accueil.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/promotions.h"
#include "modele/app/texte_prix.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/text.h"
#include "ui/dialogs.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace app {

namespace {

using platform::trim;

bool estCleFiche(std::string_view cle) {
  const auto& cles = clesFicheProduit();
  return std::find(cles.begin(), cles.end(), cle) != cles.end();
}

}  // namespace

void Tmain::lierLecture() {
  referencer.onKeyDown = [this](int& key, ui::Shift) { referencerKeyDown(key); };
  image_bouton.onClick = [this] { image_boutonClick(); };
  image_non.onClick = [this] { SpeedButton2Click(); };
  listejpg.onClick = [this] { listejpgClick(); };
  catego.onChange = [this] { categoChange(); };
}

std::string Tmain::legendeImage() const {
  if (fiche.image.empty()) return "";
  return fiche.image + " [" + fiche.largeur + " x " + fiche.hauteur + "]";
}

void Tmain::chargerFiche() {
  const auto& dossier = p_.donnees();
  // What the load puts in the editor is not an edit of the user's.
  chargementFiche = true;
  struct FinChargement {
    Tmain& m;
    ~FinChargement() {
      m.chargementFiche = false;
      m.ficheModifiee = m.contenuModifie = false;
    }
  } finChargement{*this};

  // Preparation, whatever the file.
  fiche.puce_image.clear();
  ma_puce.clearPicture();
  multiE.setText("");
  multiE.show();
  ui::Font police = liensB.font();
  police.colour = ui::clBlack;
  police.size = 8;
  police.bold = false;
  liensB.setFont(police);
  if (dossier.exists("puces.ini")) {
    std::vector<std::string> puces{""};
    for (auto& puce : chargerListePuces(dossier)) puces.push_back(std::move(puce));
    pucesC.setItems(std::move(puces));
    if (pucesC.count() > 1) {
      pbP.hide();
      pucesC.setItemIndex(0);
      panel_puce.show();
    }
  }

  // Reset of the editor; category, reference, title, author and price stay. Each box changed
  // here runs its handler, as a user's click would.
  referenceLiens.clear();
  indispo.setChecked(false);
  etatB.setChecked(false);
  detailHTMLC.setChecked(false);
  JPEGImage1.clearPicture();
  JPEGImage2.clearPicture();
  gardeApplicable = true;
  detail.setChecked(false);
  gardeApplicable = false;
  intro.setChecked(false);
  titre_chants.setChecked(false);
  pageFiche.clear();
  for (ui::Edit* libelle : {&type1, &type2, &type3}) libelle->setText("");
  fiche.type1.clear();
  fiche.type2.clear();
  fiche.type3.clear();
  desactiverLignesVariantes();
  image_bouton.setEnabled(false);
  image_non.setChecked(true);
  nom_image.setCaption("");
  for (std::string* valeur : {&fiche.pecotaxe, &fiche.pecotaxeA, &fiche.pecotaxeB,
                              &fiche.pecotaxeC, &fiche.CD_ref, &fiche.K7_ref, &fiche.VIDEO_ref,
                              &fiche.CD_prix, &fiche.K7_prix, &fiche.VIDEO_prix})
    valeur->clear();
  for (ui::CheckBox* variante : {&CD_check, &K7_check, &VIDEO_check}) variante->setChecked(false);
  fiche.bouton_CD = fiche.bouton_K7 = fiche.bouton_VIDEO = "non";
  for (ui::Memo* memo : {&commentaires, &texteD, &presentations, &chants}) memo->clear();
  for (auto* lignes : {&fiche.commentaires, &fiche.texte_detail, &fiche.presentations, &fiche.titres})
    lignes->clear();
  for (ui::Edit* poids : {&poidsE, &poidsAE, &poidsBE, &poidsCE}) poids->setText("");
  fiche.disponible = "oui";
  fiche.etat_visible.reset();
  fiche.detailHTML = "non";
  // A new sheet must not take over the size list of the sheet shown before: OK of the size
  // list, or the next save, would give it to the new reference.
  fiche.mes_tailles = "non";
  gardeMesTailles = true;
  mes_taillesC.setChecked(false);
  gardeMesTailles = false;
  taillesM.clear();

  int lignesLues = 0;
  const bool ficheSurDisque = platform::fileExists(cheminFiche);
  if (ficheSurDisque) {
    for (ui::Control* commande : std::initializer_list<ui::Control*>{
             &sauver, &transfert, &menutransfert, &html, &menuconstruire, &BitBtn1, &BitBtn8,
             &BitBtn10, &formes})
      commande->setEnabled(true);
    recap.setLines(platform::LineList::load(cheminFiche));
    // A sheet read from its file starts from empty fields: what a damaged file lacks is never
    // taken from the sheet shown before (only a new reference keeps it, as a model).
    fiche = TFicheProduit{};
    categorieEnCours.clear();
    catego.setText("");
    themes.setText("");

    for (const auto& ligne : recap.lines()) {
      size_t egal = ligne.find('=');
      if (egal == std::string::npos) continue;
      const std::string cle = ligne.substr(0, egal);
      if (estCleFiche(cle)) ++lignesLues;
      const std::string valeur = ligne.substr(egal + 1);
      // Each value by its key's own rule; what a value changes on screen follows.
      lireFicheEditeur(platform::LineList{ligne}, fiche);

      if (cle == "categorie") {
        catego.setText(fiche.categorie);
        categorieEnCours = catego.text();
        familleIllisible = false;
        if (auto erreur = familleCategorieEndommagee(dossier, categorieEnCours)) {
          // Neither the family of the sheet shown before nor its variant labels are taken.
          famille.ItemsControl::setItemIndex(-1);
          familleIllisible = true;
          dialogs().showMessage(*erreur);
        } else if (auto n = chargerFamilleCategorie(dossier, categorieEnCours)) {
          famille.setItemIndex(*n);
        }
      } else if (cle == "reference") {
        referenceLiens = fiche.reference;
        if (aProduitsLies(dossier, fiche.reference)) {
          ui::Font rouge = liensB.font();
          rouge.colour = ui::clRed;
          rouge.size = 10;
          rouge.bold = true;
          liensB.setFont(rouge);
        }
        Lhtm.setCaption("");
        liensB.setEnabled(false);
        if (dossier.exists("listeHTM.tmp")) {
          pageFiche = pageDuProduit(dossier, fiche.reference);
          Lhtm.setCaption(pageFiche);
        }
      } else if (cle == "description") {
        if (auto poids = poidsDuTexte(fiche.description)) poidsE.setText(*poids);
      } else if (cle == "qmulti") {
        multiE.setText(fiche.qmulti);
      } else if (cle == "puce_image") {
        if (!trim(valeur).empty()) {
          int choix = -1;
          for (int i = 0; i < pucesC.count() && choix < 0; ++i)
            if (trim(pucesC.items()[static_cast<size_t>(i)]) == fiche.puce_image) choix = i;
          pucesC.setItemIndex(choix);
          if (choix > 0)
            if (auto chemin = fichierPresent(dossier, "import/" + pucesC.selected()))
              ma_puce.loadPicture(*chemin);
        }
      } else if (cle == "image") {
        if (!fiche.image.empty())
          if (auto chemin = fichierPresent(dossier, fiche.image)) {
            auto [largeur, hauteur] = montrerImage(JPEGImage1, *chemin);
            montrerImage(JPEGImage2, *chemin);
            listejpg.selectFile(fiche.image);
            fiche.hauteur = platform::fromInteger(hauteur);
            fiche.largeur = platform::fromInteger(largeur);
            nom_image.setCaption(legendeImage());
            nom_image_detail.setCaption(legendeImage());
            image_bouton.setEnabled(true);
            image_oui.setChecked(true);
          }
      } else if (cle == "mot_cle") {
        if (!trim(valeur).empty()) themes.setText(fiche.mot_cle);
      } else if (cle == "image_detail") {
        if (!fiche.image_detail.empty())
          if (auto chemin = fichierPresent(dossier, fiche.image_detail)) {
            auto [largeur, hauteur] = montrerImage(JPEGImage2, *chemin);
            listejpg.selectFile(fiche.image_detail);
            fiche.hauteur_detail = platform::fromInteger(hauteur);
            fiche.largeur_detail = platform::fromInteger(largeur);
            voir_detail.setCaption("Détail " + fiche.image_detail);
            voir_detail.setEnabled(true);
            nom_image_detail.setCaption(fiche.image_detail + " [" + fiche.largeur_detail + " x " +
                                        fiche.hauteur_detail + "]");
            applimage.setItemIndex(1);
          }
      }
    }

    // The memos hold the texts; the record only carried them here.
    commentaires.setLines(platform::LineList(std::exchange(fiche.commentaires, {})));
    texteD.setLines(platform::LineList(std::exchange(fiche.texte_detail, {})));
    if (!fiche.presentations.empty()) intro.setChecked(true);
    presentations.setLines(platform::LineList(std::exchange(fiche.presentations, {})));
    if (!fiche.titres.empty()) titre_chants.setChecked(true);
    chants.setLines(platform::LineList(std::exchange(fiche.titres, {})));
    if (!fiche.type1.empty()) type1.setText(fiche.type1);
    if (!fiche.type2.empty()) type2.setText(fiche.type2);
    if (!fiche.type3.empty()) type3.setText(fiche.type3);
    indispo.setChecked(fiche.disponible == "non");
    etatB.setChecked(fiche.etat_visible == "oui");
    detailHTMLC.setChecked(fiche.detailHTML == "oui");
    gardeMesTailles = true;
    mes_taillesC.setChecked(fiche.mes_tailles == "oui");
    gardeMesTailles = false;
    taillesM.setLines(chargerTaillesFiche(dossier, fiche.reference));
    liensB.setEnabled(!Lhtm.caption().empty());

    // The theme's layout and products per page, from the theme named last.
    montrerDispositionTheme();

    const std::pair<ui::Edit*, ui::Edit*> poidsVariantes[] = {
        {&type1, &poidsAE}, {&type2, &poidsBE}, {&type3, &poidsCE}};
    for (auto [libelle, poids] : poidsVariantes)
      if (auto p = poidsDuTexte(libelle->text())) poids->setText(*p);
    afficherFiche();
    chargerThemes();
  }

  if (fiche.image.empty()) image_non.setChecked(true);
  menus.setTabVisible(true);
  afficherNotesPrix();
  preparerNouveautes();
  infopages::Taccueil1& accueil = p_.accueil1();
  accueil.refVitrine = fiche.reference;
  accueil.descriptionVitrine = fiche.description;
  accueil.imageVitrine = fiche.image;
  accueil.fiches();
  if (ficheSurDisque && lignesLues == 0)
    dialogs().warning("La fiche " + cheminFiche.stem().string() +
                      " est illisible : aucune ligne n'a pu être lue.");
}

void Tmain::afficherNotesPrix() {
  const auto& dossier = p_.donnees();
  prixpromoL.setCaption("");
  prixpromoL.hide();
  prixdiffL.setCaption("");
  prixdiffL.hide();
  deviseT.show();
  if (std::string note = notePrixFiche(dossier, fiche.reference); !note.empty()) {
    prixdiffL.setCaption(note);
    prixdiffL.show();
  }
  if (std::string promo = prixPromoFiche(dossier, cheminFiche.string(), fiche.reference);
      !promo.empty()) {
    prixpromoL.setCaption(" [" + formaterPrix(nettoyerPrix(promo)) + "]");
    prixpromoL.show();
    deviseT.hide();
  }
}

void Tmain::prixFicheReecrits() {
  if (cheminFiche.empty() || !platform::fileExists(cheminFiche)) return;
  // recap holds the file as the editor last loaded or saved it: what differs now was written
  // by the other window.
  const platform::LineList fichier = platform::LineList::load(cheminFiche);
  TFicheProduit avant, apres;
  lireFicheEditeur(recap.lines(), avant);
  lireFicheEditeur(fichier, apres);
  const bool garde = std::exchange(chargementFiche, true);
  const std::pair<ui::Edit*, std::string TFicheProduit::*> prix[] = {
      {&prixT, &TFicheProduit::prix},
      {&CD_prixT, &TFicheProduit::CD_prix},
      {&K7_prixT, &TFicheProduit::K7_prix},
      {&VIDEO_prixT, &TFicheProduit::VIDEO_prix}};
  for (auto [boite, champ] : prix)
    if (avant.*champ != apres.*champ) {
      boite->setText(apres.*champ);
      fiche.*champ = apres.*champ;
    }
  // A comment row's price: the row the editor still shows as it was takes its new text; one
  // whose text the user edited, still at the old price, takes the new price alone.
  if (avant.commentaires.size() == apres.commentaires.size()) {
    std::vector<std::string> lignes = commentaires.lines().lines();
    bool changees = false;
    for (size_t i = 0; i < avant.commentaires.size(); ++i) {
      if (avant.commentaires[i] == apres.commentaires[i]) continue;
      auto it = std::find(lignes.begin(), lignes.end(), avant.commentaires[i]);
      if (it != lignes.end()) {
        *it = apres.commentaires[i];
        changees = true;
        continue;
      }
      const auto ancienne = lireLigneCommentaire(avant.commentaires[i]);
      const auto nouvelle = lireLigneCommentaire(apres.commentaires[i]);
      if (!ancienne || !nouvelle || ancienne->sousReference != nouvelle->sousReference) continue;
      for (std::string& ligne : lignes)
        if (auto c = lireLigneCommentaire(ligne);
            c && c->sousReference == ancienne->sousReference && c->prix == ancienne->prix) {
          remplacerPrixCommentaire(ligne, nouvelle->prix);
          changees = true;
          break;
        }
    }
    if (changees) commentaires.setLines(platform::LineList(std::move(lignes)));
  }
  chargementFiche = garde;
  recap.setLines(fichier);
  afficherNotesPrix();
}

void Tmain::montrerDispositionTheme() {
  // Blanks around the name are no part of it, as the save takes it.
  const std::string theme = platform::trim(themes.text());
  TStyleTheme styleTheme;
  if (!theme.empty()) styleTheme = chargerStyleTheme(p_.donnees(), catego.text(), theme);
  if (styleTheme.style_fiche) {
    style_fiche = *styleTheme.style_fiche;
    if (style_fiche == "standard") standard.setChecked(true);
    if (style_fiche == "tableau") tableau.setChecked(true);
  }
  if (styleTheme.ref_page) {
    maxi.setPosition(*styleTheme.ref_page);
    produitsParPage = *styleTheme.ref_page;
  }
  if (!styleTheme.style_fiche && !styleTheme.ref_page) {
    standard.setChecked(true);
    maxi.setPosition(2);
    produitsParPage = 2;
  }
}

bool Tmain::remplacementFicheAccorde() {
  if (!ficheModifiee || !sauver.enabled()) return true;
  return mayDropEdits("Enregistrer la fiche en cours ?", [this] {
    // As the OK button: the style and the menu follow the saved sheet.
    if (!SauverFiche()) return false;
    rafraichirStyleEtMenu();
    return true;
  });
}

void Tmain::selectionnerDansListe(const std::filesystem::path& fichier) {
  liste_fiches.setItemIndex(-1);
  liste_fiches.selectFile(fichier.filename().string());
}

void Tmain::referencerKeyDown(int& key) {
  Lhtm.setCaption("");
  if (key != ui::key::Enter && key != ui::key::Down) return;
  // Blanks around the reference are not part of it (the save trims them too), and a reference
  // never names a file outside the data folder.
  const std::string reference = trim(referencer.text());
  if (platform::contains(reference, "*") || platform::contains(reference, "/") ||
      platform::contains(reference, "\\") || platform::contains(reference, ".."))
    return;
  // The edits belong to the sheet on screen, not to the typed reference: a "Oui" saves them under
  // the sheet's own name.
  if (contenuModifie && !cheminFiche.empty()) {
    const std::string tapee = referencer.text();
    referencer.setText(cheminFiche.stem().string());
    const bool accorde = remplacementFicheAccorde();
    referencer.setText(tapee);
    if (!accorde) return;
  }
  cheminFiche = p_.donnees().root() / nomFichierFiche(reference);
  chargerFiche();
}

void Tmain::image_boutonClick() {
  applimage.setItemIndex(0);
  PageControl1.setActivePage(imagedetail);
}

void Tmain::SpeedButton2Click() {
  image_bouton.setEnabled(false);
  image_non.setChecked(true);
  fiche.image.clear();
  JPEGImage1.clearPicture();
  fiche.hauteur.clear();
  fiche.largeur.clear();
  nom_image.setCaption("");
}

void Tmain::listejpgClick() { appliquerImage(); }

void Tmain::chargerCategories() {
  // The box keeps its text: it names the category of the sheet on screen.
  TListeCategories liste = chargerListeCategories(p_.donnees());
  // The sort dialog keeps its alphabetical order, once chosen, until a line is moved by hand.
  ui::ListBox& tri = p_.tri_cat().tri_catego;
  TListeCategories lignesTri = liste;
  if (tri.sorted) platform::sortFrench(lignesTri);
  tri.setItems(std::move(lignesTri));
  catego.setItems(std::move(liste));
}

void Tmain::chargerThemes() {
  if (categorieReservee(catego.text())) return;
  ui::ListBox& tri_themes = p_.tri_thems().tri_themes;
  tri_themes.sorted = false;  // the file's order is the order the sort dialog edits
  theme_suppr.setEnabled(false);
  theme_tri.setEnabled(false);
  themes.clearItems();
  tri_themes.clearItems();
  categorieEnCours = catego.text();
  if (auto liste = chargerThemesCategorie(p_.donnees(), categorieEnCours)) {
    tri_themes.setItems(*liste);
    themes.setItems(std::move(*liste));
    theme_suppr.setEnabled(true);
    theme_tri.setEnabled(true);
  }
}

void Tmain::tricategoClick() {
  PageControl1.setActivePage(fiche_produit);
  chargerCategories();
  Ttri_cat& tri = p_.tri_cat();
  if (tri.tri_catego.count() == 0) {
    dialogs().warning("Aucune catégorie");
    return;
  }
  tri.show();
}

void Tmain::theme_triClick() {
  PageControl1.setActivePage(fiche_produit);
  Ttri_thems& tri = p_.tri_thems();
  tri.nom_cat.setCaption("Catégorie : " + categorieEnCours);
  chargerThemes();
  if (tri.tri_themes.count() == 0) {
    dialogs().warning("Aucun thème");
    return;
  }
  tri.tri_themes.setItemIndex(0);
  tri.show();
}

void Tmain::categoChange() {
  chargerThemes();
  themes.setText(themes.count() > 0 ? themes.items().front() : std::string());
  // A theme of the same name in the other category has a layout of its own.
  if (!chargementFiche && themes.count() > 0) montrerDispositionTheme();
}

bool Tmain::ajouterCategorie() {
  AjoutCategorie ajout = ajouterCategorieFichiers(p_.donnees(), nouvelleCategorie);
  dialogs().showMessage(ajout.message);
  if (ajout.ajoutee) chargerCategories();
  return ajout.ajoutee;
}

}  // namespace app
