// The button and bullet images of the menu editor: the slot of the selection (a category item, a
// family title, a bottom item or a top element), and its template drawn into the slot's GIF with
// the entry's text. The image group's handlers are in menu_images_commandes.cpp.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/gif_titre.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "modele/design/rendu_bouton.h"
#include "platform/files.h"
#include "platform/text.h"

namespace design {

namespace {

using O = TOptionsMenu;

// The image keys of a top element; the logo and the banner have no over image.
struct ClesTop {
  const char* element;
  const char* nom;
  ChampMenu sorte, texteVoir, bouton1, bouton2, x1, y1, x2, y2, puce, longueur, hauteur,
      longueurp, hauteurp;
};

const ClesTop kClesTop[] = {
    {"Logo", "logo", &O::logo_image, &O::logo_texte_voir, &O::bouton1_logo, nullptr, &O::x1_logo,
     &O::y1_logo, nullptr, nullptr, &O::puce1_logo, &O::longueur_logo, &O::hauteur_logo,
     &O::longueurp_logo, &O::hauteurp_logo},
    {"Bandeau", "bandeau", &O::bandeau_image, &O::bandeau_texte_voir, &O::bouton1_bandeau, nullptr,
     &O::x1_bandeau, &O::y1_bandeau, nullptr, nullptr, &O::puce1_bandeau, &O::longueur_bandeau,
     &O::hauteur_bandeau, &O::longueurp_bandeau, &O::hauteurp_bandeau},
    {"Délais", "delais", &O::delais_image, &O::delais_texte_voir, &O::bouton1_delais,
     &O::bouton2_delais, &O::x1_delais, &O::y1_delais, &O::x2_delais, &O::y2_delais,
     &O::puce_delais, &O::longueur_delais, &O::hauteur_delais, &O::longueurp_delais,
     &O::hauteurp_delais},
    {"Accueil", "accueil", &O::accueil_image, &O::accueil_texte_voir, &O::bouton1_accueil,
     &O::bouton2_accueil, &O::x1_accueil, &O::y1_accueil, &O::x2_accueil, &O::y2_accueil,
     &O::puce_accueil, &O::longueur_accueil, &O::hauteur_accueil, &O::longueurp_accueil,
     &O::hauteurp_accueil},
    {"Conditions", "conditions", &O::conditions_image, &O::conditions_texte_voir,
     &O::bouton1_conditions, &O::bouton2_conditions, &O::x1_conditions, &O::y1_conditions,
     &O::x2_conditions, &O::y2_conditions, &O::puce_conditions, &O::longueur_conditions,
     &O::hauteur_conditions, &O::longueurp_conditions, &O::hauteurp_conditions},
    {"Securite", "securite", &O::securite_image, &O::securite_texte_voir, &O::bouton1_securite,
     &O::bouton2_securite, &O::x1_securite, &O::y1_securite, &O::x2_securite, &O::y2_securite,
     &O::puce_securite, &O::longueur_securite, &O::hauteur_securite, &O::longueurp_securite,
     &O::hauteurp_securite},
    {"Ecrire", "ecrire", &O::ecrire_image, &O::ecrire_texte_voir, &O::bouton1_ecrire,
     &O::bouton2_ecrire, &O::x1_ecrire, &O::y1_ecrire, &O::x2_ecrire, &O::y2_ecrire,
     &O::puce_ecrire, &O::longueur_ecrire, &O::hauteur_ecrire, &O::longueurp_ecrire,
     &O::hauteurp_ecrire},
    {"Panier", "panier", &O::panier_image, &O::panier_texte_voir, &O::bouton1_panier,
     &O::bouton2_panier, &O::x1_panier, &O::y1_panier, &O::x2_panier, &O::y2_panier,
     &O::puce_panier, &O::longueur_panier, &O::hauteur_panier, &O::longueurp_panier,
     &O::hauteurp_panier},
    {"emploi", "emploi", &O::emploi_image, &O::emploi_texte_voir, &O::bouton1_emploi,
     &O::bouton2_emploi, &O::x1_emploi, &O::y1_emploi, &O::x2_emploi, &O::y2_emploi,
     &O::puce_emploi, &O::longueur_emploi, &O::hauteur_emploi, &O::longueurp_emploi,
     &O::hauteurp_emploi},
};

// The elements whose "Windows" fonts a chosen template allows.
bool policesWindowsPermises(const std::string& element) {
  for (const char* e : {"Menu - Titres", "Menu - Catégories", "Logo", "Bandeau", "Délais",
                        "Accueil", "Conditions", "Securite", "Ecrire", "Panier", "emploi"})
    if (element == e) return true;
  return false;
}

platform::Font policeDe(const ui::Control& apercu) {
  const ui::Font& f = apercu.font();
  platform::Font p;
  p.name = f.name;
  p.size = f.size;
  p.colour = {static_cast<uint8_t>(f.colour >> 16), static_cast<uint8_t>(f.colour >> 8),
              static_cast<uint8_t>(f.colour)};
  p.bold = f.bold;
  p.italic = f.italic;
  p.underline = f.underline;
  return p;
}

}  // namespace

Tmenu1::EmplacementImage Tmenu1::emplacement() {
  EmplacementImage e;
  using G = EmplacementImage::Genre;
  if (!appli_menu.enabled()) {
    for (const ClesTop& c : kClesTop) {
      if (elementCourant != c.element) continue;
      auto cle = [this](ChampMenu m) { return m ? &(options.*m) : nullptr; };
      e.genre = G::Top;
      e.nomTop = c.nom;
      e.sorte = cle(c.sorte);
      e.texteVoir = cle(c.texteVoir);
      e.bouton = {cle(c.bouton1), cle(c.bouton2)};
      e.x = {cle(c.x1), cle(c.x2)};
      e.y = {cle(c.y1), cle(c.y2)};
      e.puce = {cle(c.puce), nullptr};
      e.longueur = cle(c.longueur);
      e.hauteur = cle(c.hauteur);
      e.longueurp = cle(c.longueurp);
      e.hauteurp = cle(c.hauteurp);
      const std::string n = c.nom;
      if (n == "logo" || n == "bandeau") {
        e.fichierBouton = {n + ".gif", n + ".gif"};
        e.fichierPuce = {"p" + n + ".gif", "p" + n + ".gif"};
      } else {
        e.fichierBouton = {n + "_out.gif", n + "_over.gif"};
        e.fichierPuce = {"p" + n + ".gif", "p" + n + ".gif"};
      }
      e.apercu = &top_panel;
    }
    return e;
  }
  const int f = familles.itemIndex();
  const int i = fitems.itemIndex();
  if (f < 0 || f >= kFamillesMenu) return e;
  const size_t F = static_cast<size_t>(f);
  const std::string n = std::to_string(f);
  switch (appli_menu.itemIndex()) {
    case 0: {
      // Thirty categories per family have image settings; the others none.
      if (i < 0 || i >= kCategoriesParFamille) return e;
      const size_t I = static_cast<size_t>(i);
      const std::string fi = n + "-" + std::to_string(i);
      e.genre = G::Categorie;
      e.sorte = &options.image_menu_catego[F][I];
      e.texteVoir = &options.image_texte_catego[F][I];
      e.bouton = {&options.bouton1_menu_catego[F][I], &options.bouton2_menu_catego[F][I]};
      e.x = {&options.x1_menu_catego[F][I], &options.x2_menu_catego[F][I]};
      e.y = {&options.y1_menu_catego[F][I], &options.y2_menu_catego[F][I]};
      e.puce = {&options.puce1_menu_catego[F][I], &options.puce2_menu_catego[F][I]};
      e.longueur = &options.longueur_menu_catego[F][I];
      e.hauteur = &options.hauteur_menu_catego[F][I];
      e.longueurp = &options.longueurp_menu_catego[F][I];
      e.hauteurp = &options.hauteurp_menu_catego[F][I];
      e.fichierBouton = {"btout" + fi + ".gif", "btover" + fi + ".gif"};
      e.fichierPuce = {"pout" + fi + ".gif", "pover" + fi + ".gif"};
      e.apercu = &fam;
      break;
    }
    case 1:
      e.genre = G::Titre;
      e.sorte = &options.image_menu_titre[F];
      e.texteVoir = &options.image_menu_texte[F];
      e.bouton = {&options.bouton1_menu_titre[F], &options.bouton1_menu_titre[F]};
      e.x = {&options.x1_menu_titre[F], &options.x1_menu_titre[F]};
      e.y = {&options.y1_menu_titre[F], &options.y1_menu_titre[F]};
      e.puce = {&options.puce1_menu_titre[F], nullptr};
      e.longueur = &options.longueur_menu_titre[F];
      e.hauteur = &options.hauteur_menu_titre[F];
      e.longueurp = &options.longueurp_menu_titre[F];
      e.hauteurp = &options.hauteurp_menu_titre[F];
      e.fichierBouton = {"btout" + n + ".gif", "btout" + n + ".gif"};
      e.fichierPuce = {"pout" + n + ".gif", "pover" + n + ".gif"};
      e.apercu = &nfam;
      break;
    case 2:
      e.genre = G::Bas;
      e.sorte = &options.image_menu_bas[F];
      e.bouton = {&options.bouton1_menu_bas[F], &options.bouton1_menu_bas[F]};
      e.longueur = &options.longueur_menu_bas[F];
      e.hauteur = &options.hauteur_menu_bas[F];
      e.fichierBouton = {"bas" + n + ".gif", "bas" + n + ".gif"};
      break;
    default:
      break;
  }
  return e;
}

int Tmenu1::etatImage(const EmplacementImage& e) const {
  return e.survol() && overB.caption() == libelleRollOver ? 1 : 0;
}

// Each image keeps its own position: the over image's goes into the over keys.
void Tmenu1::stockerPosition(const EmplacementImage& e, int etat) {
  const size_t k = e.x[static_cast<size_t>(etat)] ? static_cast<size_t>(etat) : 0;
  if (e.x[k]) *e.x[k] = decalageX;
  if (e.y[k]) *e.y[k] = decalageY;
}

std::string Tmenu1::modeleEmplacement(const EmplacementImage& e, int sorte) const {
  if (sorte == 1) return *e.bouton[static_cast<size_t>(etatImage(e))];
  if (sorte == 2 && e.puce[0]) return *e.puce[e.puce[1] ? static_cast<size_t>(etatImage(e)) : 0];
  return {};
}

void Tmenu1::genererBouton() {
  if (renduEnCours) return;
  Remplissage rendu(renduEnCours);
  ImageGIF.clearPicture();
  imageModele.clear();
  const EmplacementImage e = emplacement();
  const int sorte = imageT.itemIndex();
  if (e.genre == EmplacementImage::Genre::Aucun || (sorte != 1 && sorte != 2)) return finRendu();
  const bool categorieOuTop = e.genre == EmplacementImage::Genre::Categorie ||
                              e.genre == EmplacementImage::Genre::Top;
  if (sorte == 1) {
    if (categorieOuTop && e.survol() && !e.bouton[1]->empty()) rollover.setChecked(true);
    const size_t etat = static_cast<size_t>(etatImage(e));
    imageModele = modeleEmplacement(e, sorte);
    if (e.x[etat] && !e.x[etat]->empty()) decalageX = *e.x[etat];
    if (e.y[etat] && !e.y[etat]->empty()) decalageY = *e.y[etat];
    if (!imageModele.empty()) rendreBoutonModele(e, static_cast<int>(etat));
  } else if (e.puce[0]) {
    if (e.genre == EmplacementImage::Genre::Categorie && !e.puce[1]->empty())
      rollover.setChecked(true);
    const size_t etat = e.puce[1] ? static_cast<size_t>(etatImage(e)) : 0;
    imageModele = modeleEmplacement(e, sorte);
    if (!imageModele.empty()) rendrePuceModele(e, static_cast<int>(etat));
  }
  finRendu();
}

void Tmenu1::rendreBoutonModele(const EmplacementImage& e, int etat) {
  const std::string modele = "menu_boutons/" + imageModele;
  if (!platform::safeRelativePath(modele) || !p_.donnees().exists(modele)) return;
  EntreesBouton b;
  b.modele = p_.donnees().path(modele);
  b.sortie = p_.donnees().path(e.fichierBouton[static_cast<size_t>(etat)]);
  // The hidden label measures the entry's text in its preview's font; a bottom item has none.
  texte.setCaption(e.apercu ? e.apercu->caption() : std::string());
  if (e.apercu) texte.setFont(e.apercu->font());
  b.texte = imtexte.checked() && e.apercu;
  b.libelle = texte.caption();
  b.police = policeDe(texte);
  b.transparent = transpar.checked();
  b.decalageX = decalageX;
  b.decalageY = decalageY;
  if (centrageDemande) repositionnerTexte = true;
  if (repositionnerTexte)
    b.repositionnement = centrageDemande ? Repositionnement::Centre : Repositionnement::Coin;
  std::optional<ImageRendue> r = rendreBouton(b);
  if (!r) return;
  if (repositionnerTexte) {
    repositionnerTexte = false;
    std::string* cadre = nullptr;
    if (commenceParMenu(elementCourant))
      cadre = &options.encadrement_menu;
    else if (elementCourant == "Logo")
      cadre = &options.encadrement_logo;
    else if (elementCourant == "Bandeau")
      cadre = &options.encadrement_bandeau;
    else if (elementCourant == "Top - Textes")
      cadre = &options.encadrement_cv;
    else if (elementCourant == "Recherche")
      cadre = &options.encadrement_recherche;
    if (cadre) *cadre = "transparent";
    {
      Remplissage affichage(affichageEnCours);
      encadrement.setItemIndex(2);
    }
    decalageX = std::to_string(r->position.x);
    decalageY = std::to_string(r->position.y);
    stockerPosition(e, etat);
  }
  horizontal.setText(std::to_string(r->position.x));
  vertical.setText(std::to_string(r->position.y));
  ImageGIF.loadPicture(b.sortie);
  ImageGIF.setBounds(ImageGIF.left(), ImageGIF.top(), r->largeur, r->hauteur);
  if (etat == 0 && e.longueur && e.hauteur) {
    *e.longueur = std::to_string(r->largeur);
    *e.hauteur = std::to_string(r->hauteur);
  }
}

// A missing bullet writes nothing and keeps the recorded size.
void Tmenu1::rendrePuceModele(const EmplacementImage& e, int etat) {
  const std::string modele = "puces/" + imageModele;
  if (!platform::safeRelativePath(modele) || !p_.donnees().exists(modele)) return;
  const std::filesystem::path sortie = p_.donnees().path(e.fichierPuce[static_cast<size_t>(etat)]);
  std::optional<ImageRendue> r =
      rendrePuce(p_.donnees().path(modele), sortie, transpar.checked());
  if (!r) return;
  ImageGIF.loadPicture(sortie);
  ImageGIF.setBounds(ImageGIF.left(), ImageGIF.top(), r->largeur, r->hauteur);
  if (etat == 0 && e.longueurp && e.hauteurp) {
    *e.longueurp = std::to_string(r->largeur);
    *e.hauteurp = std::to_string(r->hauteur);
  }
}

// A newly chosen image widens the previews of the menu when it needs more room.
void Tmenu1::finRendu() {
  // A new template's request is for the next render only, a bullet's or a missing file's too:
  // a later render never moves the text the user placed.
  repositionnerTexte = false;
  if (imageModele.empty() || etatModele != "new" || ImageGIF.picture().empty()) return;
  int voulue = ImageGIF.width();
  if (p_.gif_titres().appelantImage == "menu_puce_titres") voulue += largeurMenuNum;
  if (largeurMenuNum >= voulue) return;
  for (ui::Panel* panneau : {&fam, &nfam})
    panneau->setBounds(panneau->left(), panneau->top(), voulue, panneau->height());
}

void Tmenu1::regenererBouton() {
  const EmplacementImage e = emplacement();
  stockerPosition(e, etatImage(e));
  genererBouton();
}

void Tmenu1::choisirImagesItems() {
  EmplacementImage e = emplacement();
  using G = EmplacementImage::Genre;
  const bool categorie = e.genre == G::Categorie;
  const bool policesWindows = p_.styleP().web.itemIndex() == 1;
  // A category beyond the thirty of its family has no image settings to choose.
  if (e.genre == G::Aucun && imageT.itemIndex() > 0) {
    for (ui::Control* c : std::initializer_list<ui::Control*>{&im1, &overB, &rollover})
      c->setEnabled(false);
    ImageGIF.hide();
    alignT.hide();
    return;
  }
  switch (imageT.itemIndex()) {
    case 1: {
      if (e.sorte) *e.sorte = "bouton";
      const bool survol = categorie || (e.genre == G::Top && e.survol());
      rollover.setEnabled(survol);
      rollover.setChecked(survol && !e.bouton[1]->empty());
      overB.setEnabled(rollover.checked());
      im1.setEnabled(true);
      ImageGIF.show();
      genererBouton();
      if (!imageModele.empty()) {
        if (categorie) overB.setEnabled(rollover.checked());
        alignT.setVisible(e.genre != G::Bas);
        toutes.setEnabled(true);
      }
      return;
    }
    case 2:
      if (e.genre == G::Bas) {
        e.sorte->clear();
        for (ui::Control* c : std::initializer_list<ui::Control*>{&im1, &overB, &rollover})
          c->setEnabled(false);
        ImageGIF.hide();
        alignT.hide();
        return;
      }
      if (e.sorte) *e.sorte = "puce";
      if (categorie) {
        rollover.setEnabled(true);
        rollover.setChecked(!e.puce[1]->empty());
        overB.setEnabled(rollover.checked());
      }
      im1.setEnabled(true);
      ImageGIF.show();
      alignT.hide();
      toutes.setEnabled(policesWindows);
      genererBouton();
      return;
    default:
      // The user's "Aucune" gives the menu back the width it had when the picker opened; the
      // display's choice changes no setting.
      if (largeurMenuNum > 0 && !affichageEnCours) {
        largeur_num.setText(std::to_string(largeurMenuNum));
        options.largeur_menu = largeur_num.text();
        for (ui::Panel* panneau : {&fam, &nfam})
          panneau->setBounds(panneau->left(), panneau->top(), largeurMenuNum, panneau->height());
      }
      if (e.sorte) e.sorte->clear();
      for (ui::Control* c : std::initializer_list<ui::Control*>{&im1, &overB, &rollover})
        c->setEnabled(false);
      ImageGIF.hide();
      alignT.hide();
      toutes.setEnabled(policesWindows);
      return;
  }
}

void Tmenu1::modeleChoisi(const std::string& nom) {
  const EmplacementImage e = emplacement();
  const size_t etat = static_cast<size_t>(etatImage(e));
  std::string* cle = nullptr;
  if (imageT.itemIndex() == 1)
    cle = e.bouton[etat];
  else if (imageT.itemIndex() == 2)
    cle = e.puce[1] && etat == 1 ? e.puce[1] : e.puce[0];
  if (!cle) return;
  *cle = nom;
  // Family titles and bottom items have no over image.
  if (e.genre == EmplacementImage::Genre::Titre || e.genre == EmplacementImage::Genre::Bas) {
    overB.setEnabled(false);
    rollover.setEnabled(false);
  }
  repositionnerTexte = true;
  etatModele = "new";
  genererBouton();
}

void Tmenu1::selecteurFerme(bool choisi, bool bouton) {
  if (!choisi) {
    imageT.setItemIndex(0);
    return;
  }
  if (bouton) alignT.show();
  if (appli_menu.enabled() && appli_menu.itemIndex() == 0) rollover.setEnabled(true);
  gear.setEnabled(true);
  if (policesWindowsPermises(elementCourant)) toutes.setEnabled(true);
  encadrement.setItemIndex(2);
}

}  // namespace design
