// The handlers of the menu editor's image group: the kind of image shown, the template picker,
// the over image and roll-over, the text's position and transparency, and `gear`.

#include "fenetres/app/programme.h"
#include "fenetres/design/gif_titre.h"
#include "fenetres/design/menu.h"
#include "modele/app/categories_fichiers.h"
#include "modele/design/rendu_bouton.h"
#include "platform/files.h"
#include "platform/text.h"

namespace design {

namespace {

using O = TOptionsMenu;

int rangSorte(const std::string& sorte) { return sorte == "bouton" ? 1 : sorte == "puce" ? 2 : 0; }

}  // namespace

// The display sets the kind of the element shown: its controls follow it.
void Tmenu1::imageTClick() {
  if (!preparationEnCours) choisirImagesItems();
}

void Tmenu1::im1Click() {
  largeurMenuNum = static_cast<int>(platform::toInteger(largeur_num.text()).value_or(0));
  hauteurMenuNum = static_cast<int>(platform::toInteger(hauteur_num.text()).value_or(0));
  const EmplacementImage e = emplacement();
  const bool puce = imageT.itemIndex() == 2;
  std::string appelant;
  if (e.genre == EmplacementImage::Genre::Top)
    appelant = e.nomTop + (puce ? "_puce" : "");
  else
    appelant = puce ? "menu_puce_titres" : "menu_titres";
  Tgif_titres& selecteur = p_.gif_titres();
  selecteur.appelantImage = appelant;
  selecteur.show();
}

void Tmenu1::overBClick() {
  if (overB.caption() == libelleRollOut)
    overB.setCaption(libelleRollOver);
  else if (overB.caption() == libelleRollOver)
    overB.setCaption(libelleRollOut);
  else
    return;
  genererBouton();
}

void Tmenu1::rolloverClick() {
  // A render ticks the box for a slot that has an over image: the image shown stays.
  if (renduEnCours) {
    if (appli_menu.enabled() && appli_menu.itemIndex() == 0) overB.setEnabled(rollover.checked());
    return;
  }
  overB.setCaption(libelleRollOut);
  if (!appli_menu.enabled()) return;
  if (appli_menu.itemIndex() == 1) {
    rollover.setEnabled(false);
    return;
  }
  if (appli_menu.itemIndex() != 0) return;
  overB.setEnabled(rollover.checked());
  if (rollover.checked()) return;
  const EmplacementImage e = emplacement();
  if (e.genre != EmplacementImage::Genre::Categorie) return;
  if (*e.sorte == "bouton")
    e.bouton[1]->clear();
  else if (*e.sorte == "puce")
    e.puce[1]->clear();
}

void Tmenu1::fitemsClick() {
  fam.setCaption(fitems.selected());
  appli_menu.setItemIndex(0);
  const EmplacementImage e = emplacement();
  imageT.setItemIndex(e.sorte ? rangSorte(*e.sorte) : 0);
  afficherMenu();
  choisirImagesItems();
}

void Tmenu1::appli_menuClick() {
  const EmplacementImage e = emplacement();
  if (e.genre == EmplacementImage::Genre::Bas) {
    *e.sorte = "bas";
    overB.setEnabled(false);
    imageT.setItemIndex(1);
  } else {
    if (e.genre == EmplacementImage::Genre::Titre) overB.setEnabled(false);
    imageT.setItemIndex(e.sorte ? rangSorte(*e.sorte) : 0);
  }
  choisirImagesItems();
}

void Tmenu1::positionChange(ui::Edit& champ, std::string& decalage) {
  if (affichageEnCours || champ.text().empty()) return;
  const std::string filtre = filtrerPosition(champ.text());
  if (filtre == "-") return;
  if (filtre != champ.text()) {
    champ.setText(filtre);  // its change event stores it
    return;
  }
  decalage = filtre;
  regenererBouton();
}

void Tmenu1::horizontalChange() { positionChange(horizontal, decalageX); }
void Tmenu1::verticalChange() { positionChange(vertical, decalageY); }

void Tmenu1::absXClick() {
  centrageDemande = true;
  genererBouton();
  centrageDemande = false;
}

void Tmenu1::transparClick() {
  if (affichageEnCours) return;
  options.image_transparent = transpar.checked() ? "oui" : "non";
  genererBouton();
}

void Tmenu1::imtexteClick() {
  if (affichageEnCours) return;
  const EmplacementImage e = emplacement();
  if (!e.texteVoir) return;
  *e.texteVoir = imtexte.checked() ? "oui" : "non";
  afficherMenu();
  genererBouton();
}

void Tmenu1::gearClick() {
  const int f0 = familles.itemIndex();
  const int i0 = fitems.itemIndex();
  const int sorte = imageT.itemIndex();
  if (sorte == 1 || sorte == 2) {
    // Without its template every slot would be drawn blank, in silence.
    const std::string dossier = sorte == 1 ? "menu_boutons" : "puces";
    const std::string nom = modeleEmplacement(emplacement(), sorte);
    const std::string modele = dossier + "/" + nom;
    if (nom.empty()) {
      dialogs().showMessage("Aucun modèle d'image : choisissez d'abord un modèle (bouton \"" +
                            im1.caption() + "\") ou importez-en un dans le dossier " + dossier +
                            ".");
      return;
    }
    if (!platform::safeRelativePath(modele) || !p_.donnees().exists(modele)) {
      dialogs().showMessage("Le modèle d'image " + nom + " est introuvable dans le dossier " +
                            dossier + " : choisissez-en un autre.");
      return;
    }
  }
  const bool survol = overB.caption() == libelleRollOver;
  auto& o = options;
  switch (appli_menu.itemIndex()) {
    case 1: {
      if (f0 < 0 || f0 >= kFamillesMenu) return;
      const size_t F0 = static_cast<size_t>(f0);
      for (int k = 0; k < familles.count() && k < kFamillesMenu; ++k) {
        if (k == f0) continue;
        const size_t K = static_cast<size_t>(k);
        familles.setItemIndex(k);
        nfam.setCaption(familles.selected());
        if (sorte == 1) {
          o.bouton1_menu_titre[K] = o.bouton1_menu_titre[F0];
          o.x1_menu_titre[K] = o.x1_menu_titre[F0];
          o.y1_menu_titre[K] = o.y1_menu_titre[F0];
          o.image_menu_titre[K] = "bouton";
        } else if (sorte == 2) {
          o.puce1_menu_titre[K] = o.puce1_menu_titre[F0];
          o.image_menu_titre[K] = "puce";
        } else {
          o.image_menu_titre[K].clear();
        }
        genererBouton();
      }
      // The current title shows its own image again; it is not drawn anew.
      familles.setItemIndex(f0);
      nfam.setCaption(familles.selected());
      const EmplacementImage e = emplacement();
      const std::string& fichier = sorte == 2 ? e.fichierPuce[0] : e.fichierBouton[0];
      if (sorte != 0 && p_.donnees().exists(fichier)) ImageGIF.loadPicture(p_.donnees().path(fichier));
      return;
    }
    case 0: {
      if (f0 < 0 || f0 >= kFamillesMenu || i0 < 0 || i0 >= kCategoriesParFamille) return;
      const size_t F0 = static_cast<size_t>(f0), I0 = static_cast<size_t>(i0);
      for (int j = 0; j < fitems.count() && j < kCategoriesParFamille; ++j) {
        if (j == i0) continue;
        const size_t J = static_cast<size_t>(j);
        fitems.setItemIndex(j);
        fam.setCaption(fitems.selected());
        auto copier = [&](ParCategorie O::*modele, ParCategorie O::*x, ParCategorie O::*y) {
          (o.*modele)[F0][J] = (o.*modele)[F0][I0];
          if (x) (o.*x)[F0][J] = (o.*x)[F0][I0];
          if (y) (o.*y)[F0][J] = (o.*y)[F0][I0];
        };
        if (sorte == 1) {
          if (!survol) {
            copier(&O::bouton1_menu_catego, &O::x1_menu_catego, &O::y1_menu_catego);
            o.image_menu_catego[F0][J] = "bouton";
          } else if (!o.bouton1_menu_catego[F0][J].empty()) {
            copier(&O::bouton2_menu_catego, &O::x2_menu_catego, &O::y2_menu_catego);
            o.image_menu_catego[F0][J] = "bouton";
          }
        } else if (sorte == 2) {
          if (!survol) {
            copier(&O::puce1_menu_catego, nullptr, nullptr);
            o.image_menu_catego[F0][J] = "puce";
          } else if (!o.puce1_menu_catego[F0][J].empty()) {
            copier(&O::puce2_menu_catego, nullptr, nullptr);
            o.image_menu_catego[F0][J] = "puce";
          }
        } else {
          o.image_menu_catego[F0][J].clear();
        }
        genererBouton();
      }
      fitems.setItemIndex(i0);
      fam.setCaption(fitems.selected());
      return;
    }
    case 2: {
      if (f0 < 0 || f0 >= kFamillesMenu) return;
      const size_t F0 = static_cast<size_t>(f0);
      for (int k = 0; k < familles.count() && k < kFamillesMenu; ++k) {
        const size_t K = static_cast<size_t>(k);
        if (k != f0) {
          o.bouton1_menu_bas[K] = o.bouton1_menu_bas[F0];
          o.image_menu_bas[K] = "bouton";
        }
        familles.setItemIndex(k);
        genererBouton();
      }
      familles.setItemIndex(f0);
      return;
    }
    default:
      return;
  }
}

// The GIFs are filed by place, so a renamed category's buttons still show its old name until
// drawn again; each is drawn as a click on it would, its over image too.
void Tmenu1::redessinerBoutonsCategorie(const std::string& categorie) {
  rechargerSiDemande();
  const int f0 = familles.itemIndex();
  for (int f = 0; f < familles.count() && f < kFamillesMenu; ++f) {
    familles.setItemIndex(f);
    remplirItems();
    for (int i = 0; i < fitems.count() && i < kCategoriesParFamille; ++i) {
      const size_t F = static_cast<size_t>(f), I = static_cast<size_t>(i);
      if (!app::memeNomTaxonomie(fitems.items()[I], categorie) ||
          options.image_menu_catego[F][I] != "bouton")
        continue;
      fitems.setItemIndex(i);
      fitemsClick();
      if (options.bouton2_menu_catego[F][I].empty()) continue;
      overBClick();
      overBClick();
    }
  }
  if (f0 < 0 || f0 >= familles.count()) return;
  familles.setItemIndex(f0);
  famillesClick();
}

}  // namespace design
