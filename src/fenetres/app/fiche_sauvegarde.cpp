// Saving the sheet of the editor: the ordered checks and questions, then the sheet file, its
// line of the catalogue index, the category's family and theme files and the promotion file; the
// deletion of a sheet and the rebuild of the index.

#include "fenetres/app/fiche.h"
#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/ouvre.h"
#include "fenetres/design/style.h"
#include "fenetres/design/style_principal.h"
#include "modele/app/categories_fichiers.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/montants_fiche.h"
#include "modele/app/promotions.h"
#include "modele/app/ref_gen.h"
#include "modele/app/texte_prix.h"
#include "modele/design/coins.h"
#include "platform/files.h"
#include "platform/text.h"

namespace app {

namespace {

using platform::contains;
using platform::trim;

const char* const kCaracteresRefuses = "comporte des caractères non acceptés ou des espaces";

// The position of the sheet list to select again after a command, when it was not the first.
struct PositionListe {
  ui::FileListBox& liste;
  int position;
  explicit PositionListe(ui::FileListBox& l) : liste(l), position(l.itemIndex()) {}
  void restaurer() const {
    if (position > 0 && liste.count() > 1 && position < liste.count()) liste.setItemIndex(position);
  }
};

// The hourglass over a control for the length of a command, restored however it ends.
struct Sablier {
  ui::Control& control;
  explicit Sablier(ui::Control& c) : control(c) { control.setCursor(ui::Cursor::HourGlass); }
  ~Sablier() { control.setCursor(ui::Cursor::Default); }
};

bool existeDansDossier(const platform::DataFolder& dossier, std::string_view nom) {
  try {
    return dossier.exists(nom);
  } catch (const platform::FileError&) {
    return false;  // a name leading outside the data folder names nothing there
  }
}

// "=" breaks the name=value lists that name products and ":" is no file-name character: a
// reference is refused with them, unless it is already stored as it is.
bool referenceAcceptee(std::string_view reference, bool dejaEnregistree) {
  if (!nomValide(reference)) return false;
  return dejaEnregistree || (!contains(reference, "=") && !contains(reference, ":"));
}

}  // namespace

bool Tmain::SauverFiche() {
  const platform::DataFolder& dossier = p_.donnees();
  ui::Dialogs& d = dialogs();
  auto& styleP = p_.styleP();
  try {
    // Quantity multiple: a whole number or nothing.
    if (!lireMultiple(multiE.text())) {
      d.showMessage("Erreur dans multi");
      return false;
    }
    // Blanks around the category are no part of its name (the reader trims them too).
    if (categorieReservee(trim(catego.text()))) {
      catego.setText("");
      d.showMessage("Mot réservé interdit dans la catégorie");
      return false;
    }
    if (categorieReservee(trim(categorieEnCours))) {
      catego.setText("");
      categorieEnCours.clear();
      d.showMessage("Mot réservé interdit dans la catégorie");
      return false;
    }

    const bool imageMontree = !JPEGImage1.picture().empty();
    const std::string hauteur = platform::fromInteger(imageMontree ? JPEGImage1.height() : 0);
    const std::string largeur = platform::fromInteger(imageMontree ? JPEGImage1.width() : 0);

    categorieEnCours = trim(catego.text());
    if (catego.text() != categorieEnCours) {
      // The box and the theme list follow the name that is stored.
      catego.setText(categorieEnCours);
      chargerThemes();
    }
    const std::string reference = trim(referencer.text());
    std::string description = descriptionT.text();

    if (styleP.poids == "oui") {
      description = texteAvecPoids(description, poidsE.text());
      descriptionT.setText(description);
      const std::pair<ui::Edit*, ui::Edit*> libelles[] = {
          {&type1, &poidsAE}, {&type2, &poidsBE}, {&type3, &poidsCE}};
      for (auto [libelle, poids] : libelles) {
        std::string texte = trim(libelle->text());
        if (!texte.empty()) texte = texteAvecPoids(texte, poids->text());
        libelle->setText(texte);
      }
    }
    std::string prix = prixT.text();

    std::string style = "standard";
    if (tableau.checked()) style = "tableau";

    // What the stored sheet holds: a reference stored before is never refused afterwards.
    const bool ficheExiste = existeDansDossier(dossier, nomFichierFiche(reference));
    TFicheProduit enregistree;
    if (ficheExiste)
      if (auto f = chargerFicheProduit(dossier, reference)) enregistree = std::move(*f);

    const std::pair<ui::Edit*, std::string TFicheProduit::*> variantes[] = {
        {&CD_refT, &TFicheProduit::CD_ref},
        {&K7_refT, &TFicheProduit::K7_ref},
        {&VIDEO_refT, &TFicheProduit::VIDEO_ref}};
    for (auto [boite, champ] : variantes) {
      const std::string variante = boite->text();
      if (!variante.empty() && !referenceAcceptee(variante, variante == enregistree.*champ)) {
        d.showMessage(variante + " " + kCaracteresRefuses);
        return false;
      }
    }

    // An amount in letters would be shown as one number and posted as another; checked before
    // the first variant's price replaces the typed one, so that the box keeps what was typed.
    TFicheProduit saisie;
    saisie.prix = prix;
    saisie.CD_prix = trim(CD_prixT.text());
    saisie.K7_prix = K7_prixT.text();
    saisie.VIDEO_prix = VIDEO_prixT.text();
    saisie.type1 = type1.text();
    saisie.type2 = type2.text();
    saisie.type3 = type3.text();
    saisie.commentaires = commentaires.lines().lines();
    saisie.titres = chants.lines().lines();
    if (auto refus = refusMontants(montantsFiche(saisie), montantsFiche(enregistree),
                                   p_.ident().identite.dev1)) {
      d.showMessage(*refus);
      return false;
    }

    const std::string& prixCD = saisie.CD_prix;
    if (CD_check.checked() && !prixCD.empty()) {
      prix = prixCD;
      prixT.setText(prix);
    }

    // A sheet without reference would be a nameless file that no window can open or delete.
    if (reference.empty()) {
      d.showMessage("La référence est obligatoire");
      return false;
    }
    if (!referenceAcceptee(reference, ficheExiste)) {
      d.showMessage(reference + " " + kCaracteresRefuses);
      return false;
    }
    if (contains(reference, "*") || !platform::canCreateFile(dossier.root(), nomFichierFiche(reference))) {
      d.showMessage(kCaracteresRefuses);
      return false;
    }
    // Another product's sheet is replaced only when the user says so (the reference box was
    // changed without loading that sheet).
    if (ficheExiste &&
        !platform::fileNamesEqual(cheminFiche.filename().string(), nomFichierFiche(reference)) &&
        !d.askYesNo("La fiche " + reference + " existe déjà. Voulez-vous la remplacer ?"))
      return false;

    // Category.
    if (!existeDansDossier(dossier, categorieEnCours + ".cto")) {
      if (d.messageBox("Voulez-vous ajouter la catégorie " + categorieEnCours + " ?", "",
                       ui::MessageKind::Confirmation, ui::Buttons::YesNoCancel) != ui::Answer::Yes)
        return false;
      nouvelleCategorie = categorieEnCours;
      // A category that could not be added stops here, an empty one too: a sheet without
      // category stops every build.
      if (!ajouterCategorie()) return false;
    }
    const bool categorieValide =
        (categorieEnCours.empty() || nomCategorieValide(dossier, categorieEnCours)) &&
        platform::canCreateFile(dossier.root(), categorieEnCours + ".fam");
    if (!categorieValide) {
      d.showMessage(messageCategorieRefusee);
      return false;
    }

    // Theme, before the family file: a refused theme leaves the category's family as it was.
    // Blanks around it are no part of its name, as for the category.
    const std::string theme = trim(themes.text());
    if (themes.text() != theme) themes.setText(theme);
    const std::optional<std::string> themeListe = themeExistant(themes.items(), theme);
    // A name from a hand-edited list is checked as a typed one: a "#" would break the index.
    if (!nomThemeValide(dossier, themeListe ? *themeListe : theme)) {
      d.showMessage(messageThemeRefuse);
      return false;
    }
    if (!themeListe) {
      if (d.messageBox("Voulez-vous ajouter le thème " + theme + " dans " + categorieEnCours + " ?",
                       "", ui::MessageKind::Confirmation,
                       ui::Buttons::YesNoCancel) != ui::Answer::Yes)
        return false;
      if (ajouterThemeCategorie(dossier, categorieEnCours, theme)) chargerThemes();
    }
    if (!familleIllisible) sauverFamilleCategorie(dossier, categorieEnCours, famille.itemIndex());

    // The sheet file.
    TFicheProduit f;
    f.categorie = categorieEnCours;
    f.reference = nettoyerTexteFiche(reference);
    f.description = nettoyerTexteFiche(description);
    f.auteur = nettoyerTexteFiche(auteurT.text());
    f.prix = nettoyerTexteFiche(prix);
    f.qmulti = multiE.text();
    f.image = fiche.image;
    f.puce_image = pucesC.itemIndex() > 0 ? pucesC.selected() : std::string();
    f.hauteur = hauteur;
    f.largeur = largeur;
    f.mot_cle = theme;
    f.commentaires = commentaires.lines().lines();
    f.texte_detail = texteD.lines().lines();
    f.presentations = presentations.lines().lines();
    f.image_detail = fiche.image_detail;
    f.hauteur_detail = fiche.hauteur_detail;
    f.largeur_detail = fiche.largeur_detail;
    f.titres = chants.lines().lines();
    f.bouton_CD = CD_check.checked() ? "oui" : "non";
    f.bouton_K7 = K7_check.checked() ? "oui" : "non";
    f.bouton_VIDEO = VIDEO_check.checked() ? "oui" : "non";
    f.CD_ref = CD_refT.text();
    f.K7_ref = K7_refT.text();
    f.VIDEO_ref = VIDEO_refT.text();
    f.CD_prix = prixCD;
    f.K7_prix = K7_prixT.text();
    f.VIDEO_prix = VIDEO_prixT.text();
    f.type1 = type1.text();
    f.type2 = type2.text();
    f.type3 = type3.text();
    f.pecotaxe = ecotaxeE.text();
    f.pecotaxeA = ecotaxeAE.text();
    f.pecotaxeB = ecotaxeBE.text();
    f.pecotaxeC = ecotaxeCE.text();
    f.disponible = indispo.checked() ? "non" : "oui";
    if (etatB.visible()) f.etat_visible = etatB.checked() ? "oui" : "non";
    f.detailHTML = detailHTMLC.checked() ? "oui" : "non";
    f.mes_tailles = mes_taillesC.checked() ? "oui" : "non";
    sauverFicheProduit(dossier, f);
    const std::filesystem::path chemin = dossier.path(nomFichierFiche(f.reference));

    remplacerEntreeRefGen(dossier, {f.reference, f.categorie, theme, f.description, f.auteur, f.image});
    mettreAJourPromotionFiche(dossier, f.reference, f.categorie, f.description, theme);
    recalculerPromotionsFiche(dossier, f.reference);
    recap.setLines(platform::LineList::load(chemin));
    style_fiche = style;
    sauverStyleTheme(dossier, categorieEnCours, theme, style_fiche, produitsParPage);

    // The current sheet is the one just written; the memos keep its texts.
    fiche = std::move(f);
    for (auto* lignes : {&fiche.commentaires, &fiche.texte_detail, &fiche.presentations, &fiche.titres})
      lignes->clear();
    cheminFiche = chemin;
    rafraichirListeFiches();
    menus.setTabVisible(true);
    ficheModifiee = contenuModifie = false;
    return true;
  } catch (const platform::FileError& e) {
    reportError(e);
    return false;
  }
}

void Tmain::rafraichirStyleEtMenu() {
  auto& styleFiche = p_.Form1();
  styleFiche.proposerEnregistrement();
  styleFiche.themeStyle = categorieEnCours + "_" + themes.text();
  styleFiche.nomCadre = styleFiche.themeStyle;
  styleFiche.referenceStyle = referencer.text();
  p_.Form2().chargerStyleFiche();
  styleFiche.elements();
  styleFiche.retenirStyle();
  design::sauverCoins(styleFiche.coins, styleFiche.style.encadrement_style, styleFiche.nomCadre,
                      options.options.separateur(), p_.donnees().root());
  p_.menu1().chargerMenu();
  p_.menu1().preparerMenu();
}

void Tmain::sauverClick() {
  PositionListe position(liste_fiches);
  bool enregistree = false;
  {
    Sablier sablier(sauver);
    // A refused save changed nothing that the style or the menu show.
    enregistree = SauverFiche();
    if (enregistree) rafraichirStyleEtMenu();
  }
  // A new sheet moves the others in the list: the list shows the sheet of the editor.
  if (!enregistree || !liste_fiches.selectFile(cheminFiche.filename().string()))
    position.restaurer();
}

// --- deletion ---

void Tmain::effacerClick() {
  const int position = liste_fiches.itemIndex() > 0 ? liste_fiches.itemIndex() : 0;
  const std::string tapee = referencer.text();
  if (dialogs().messageBox("Etes-vous sûr de vouloir supprimer la fiche " + tapee + " (renommée en *.bak)",
                           "", ui::MessageKind::Confirmation,
                           ui::Buttons::YesNoCancel) == ui::Answer::Yes &&
      !supprimerFiche(trim(tapee)))
    return;
  if (liste_fiches.count() > position) liste_fiches.setItemIndex(position);
}

// False when the deletion ended on a failure (the list selection is then left alone).
bool Tmain::supprimerFiche(const std::string& reference) {
  const platform::DataFolder& dossier = p_.donnees();
  ui::Dialogs& d = dialogs();
  // A reference that is no sheet name (blanks, "/", "..") names no sheet of the data folder.
  if (!nomValide(reference) || !existeDansDossier(dossier, reference + ".ref")) return true;
  const auto fichierRef = dossier.path(reference + ".ref");
  const auto fichierBak = dossier.path(reference + ".bak");
  if (platform::fileExists(fichierBak) && !platform::removeFile(fichierBak)) {
    d.showMessage("Impossible de supprimer l'ancien fichier " + reference + ".bak");
    return false;
  }
  // The sheet is renamed before its promotion goes: a sheet that stays keeps its promotion.
  if (!platform::renameFile(fichierRef, fichierBak)) {
    d.showMessage("Impossible de supprimer cette fiche.");
    return false;
  }
  const auto fichierPro = dossier.path(reference + ".pro");
  if (platform::fileExists(fichierPro) && !platform::removeFile(fichierPro))
    d.showMessage("Impossible de supprimer l'ancien fichier " + reference + ".pro");
  rechargerPremiereFiche = true;
  retirerEntreeRefGen(dossier, reference);
  rafraichirListeFiches();
  return true;
}

bool Tmain::reconstruireRefGen() {
  try {
    reconstruireFichierRefGen(p_.donnees(),
                              [this](int n, int total) { afficherProgressionFiches(n, total); });
  } catch (const platform::FileError& e) {
    reportError(e);
    return false;
  }
  return true;
}

}  // namespace app
