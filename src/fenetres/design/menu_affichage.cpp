// The display of the menu editor: afficherMenu puts the option values of the current element
// into the shared style controls and the previews, and decides which controls the element
// leaves usable.

#include "fenetres/design/menu.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/saisie_couleur.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/voir_menu.h"
#include "platform/files.h"
#include "platform/text.h"

#include <optional>

namespace design {

namespace {

// The switches of the top bar: "oui" ticks, "non" unticks, another value leaves the box.
void cocherSelon(ui::CheckBox& boite, const std::string& valeur) {
  if (valeur == "oui")
    boite.setChecked(true);
  else if (valeur == "non")
    boite.setChecked(false);
}

void activer(std::initializer_list<ui::Control*> controles, bool actif) {
  for (ui::Control* c : controles) c->setEnabled(actif);
}

void montrer(std::initializer_list<ui::Control*> controles, bool visible) {
  for (ui::Control* c : controles) c->setVisible(visible);
}

// A size the previews can show. One that is not a whole number is left out of the preview: the
// site generator, which also shows the editor before it writes, reports it at its own step.
std::optional<int> entier(const std::string& texte) {
  auto n = platform::toInteger(platform::trim(texte));
  if (!n || *n < 0 || *n > 10000) return std::nullopt;
  return static_cast<int>(*n);
}

void taillePolice(ui::Control& apercu, const std::string& taille) {
  ui::Font f = apercu.font();
  if (auto n = entier(taille)) f.size = *n;
  apercu.setFont(f);
}

void couleurPolice(ui::Control& apercu, const std::string& couleur) {
  apercu.setFontColour(couleurUi(couleur));
}

}  // namespace

void Tmenu1::afficherMenu() {
  Affichage affichage(*this);
  Remplissage remplissage(affichageEnCours);
  const std::string& e = elementCourant;
  afficherInterrupteurs();
  afficherLienEtCommandes();
  afficherGroupesMenu();
  if (e == "Menu - Catégories")
    afficherApercuMenu(fam, kStyleItems);
  else if (e == "Menu - Titres")
    afficherApercuMenu(nfam, kStyleTitres);
  else if (e == "Menu - Roll Over")
    afficherRollOver();
  else if (e == "Menu - Listes")
    afficherListes();
  else if (const SectionTop* section = sectionTop(e))
    afficherSection(*section);
  else if (e == "Logo" || e == "Bandeau")
    afficherLogoBandeau();
  else if (e == "Top - Textes")
    afficherTopTextes();
  else if (e == "Top - Roll Over")
    afficherTopRollOver();
  else if (e == "Recherche")
    afficherRecherche();

  if (!tailleElement.empty()) {
    if (auto n = entier(tailleElement)) Taille.setPosition(*n);
    taille_num.setText(tailleElement);
  }
  // The rolled-over label in the font of its element's roll-over state.
  if (commenceParMenu(e)) {
    if (!options.taille_over.empty()) taillePolice(over_texte, options.taille_over);
    montrerPolice(over_texte, options.police_over, false);
    selectionner(encadrement, rangEncadrement(options.encadrement_menu));
  } else if (commenceParTop(e)) {
    if (!options.taille_over_cv.empty()) taillePolice(over_texte, options.taille_over_cv);
    montrerPolice(over_texte, options.police_over_cv, false);
  }
  afficherTaillesEtFonds();
  afficherTexteSurImage();
  if (!toutes.enabled()) web.setChecked(true);
}

// Switches of the whole menu and the top bar.
void Tmenu1::afficherInterrupteurs() {
  accueilC.setChecked(options.accueil_menu == "oui");
  if (options.famille_titre == "0")
    titres.setChecked(true);
  else if (options.famille_titre == "1")
    titres.setChecked(false);
  colleBOX.setEnabled(false);
  montrer({&av_mod, &largeB}, false);
  deroulante.setChecked(options.liste_deroulante == "oui");
  dynamique.setChecked(options.liste_dynamique == "oui");
  tirets1.setVisible(deroulante.checked());
  Mcentre.setChecked(options.menu_centre == "oui");
  Tcentre.setChecked(options.top_centre == "oui");
  cocherSelon(Tadresse, options.adresse_top);
  cocherSelon(Tdate, options.date_top);
  cocherSelon(Tbandeau, options.bandeau_top);
  cocherSelon(Tdelais, options.delais_top);
  cocherSelon(Tconditions, options.conditions_top);
  cocherSelon(az, options.az_top);
  cocherSelon(Tecrire, options.ecrire_top);
  cocherSelon(Tsecur, options.secur_top);
  cocherSelon(Temploi, options.emploi_top);
  activer({&speed_trait, &encadrement}, true);
}

// The link of a menu element, then what every element starts from.
void Tmenu1::afficherLienEtCommandes() {
  if (fitems.count() > 0 && commenceParMenu(elementCourant)) {
    frame::Tvoir_menu1& cadres = p_.voir_menu1();
    // "Catégories" stands in the list while the catalogue has none.
    if (fitems.selected() != "Catégories") {
      cadres.categorieCourante = fitems.selected();
      cadres.premiere_page_categorie();
    }
    Llien.setCaption("Lien : " + cadres.tableauPremierePage);
  }
  tailleElement = "13";
  activer({&titre1, &titre2, &titre4, &titre5, &titre6, &police, &Taille, &alignement}, true);
  for (ui::Button* b : {&titre4, &titre5, &titre6}) b->setDown(false);
  montrer({&ImageGIF, &Llien}, true);
}

// The groups of the menu elements, and the roll-over label of every element.
void Tmenu1::afficherGroupesMenu() {
  const bool menu = commenceParMenu(elementCourant);
  if (menu) {
    groupe.show();
    activer({&deroulante, &dynamique, &Rover, &appli_menu}, true);
    cocherSelon(Rover, options.over);
    montrer({&GroupBox6, &GroupBox9, &overB, &rollover, &gear}, true);
    panelover.setVisible(Rover.checked());
    montrer({&texteBOX, &top_panel}, false);
  }
  if (options.over == "oui")
    over_texte.show();
  else if (options.over == "non")
    over_texte.hide();
  if (menu) shape_trait.setPenColour(couleurUi(options.coul_menu_trait));
  web.setEnabled(true);
}

// Menu - Catégories on `fam`, Menu - Titres on `nfam`.
void Tmenu1::afficherApercuMenu(ui::Panel& apercu, const StyleMenu& s) {
  montrerStyle(apercu, s);
  choisirPolicesPermises(true);
  rendreSiModele();
}

void Tmenu1::afficherRollOver() {
  alignement.setEnabled(false);
  titre1.setEnabled(true);
  couleurPolice(nfam, options.coul_over_items);
  couleurPolice(over_texte, options.coul_over_items);
  over_texte.setColour(couleurUi(options.fond_over));
  montrerEmphase(over_texte, options.gras_over, options.italique_over, options.souligne_over);
  tailleElement = options.taille_over;
  cocherSelon(Rover, options.over);
  choisirPolicesPermises(false);
}

// Colours and separators only.
void Tmenu1::afficherListes() {
  activer({&alignement, &titre4, &titre5, &titre6, &police, &Taille, &web, &toutes}, false);
}

// A link of the top frame: its text and image kind; its look is the top texts'.
void Tmenu1::afficherSection(const SectionTop& section) {
  av_mod.show();
  tirets1.hide();
  activer({&titre1, &titre2, &titre4, &titre5, &titre6, &Taille, &alignement, &encadrement,
           &police, &web, &toutes, &speed_trait},
          false);
  montrer({&overB, &rollover}, false);
  montrer({&groupe, &texteBOX}, true);
  activer({&deroulante, &dynamique, &Rover, &appli_menu}, false);
  montrer({&GroupBox6, &GroupBox9, &panelover, &gear}, false);
  top_panel.show();
  selectionner(imageT, rangImage(options.*section.image));
  top_texte.setText(options.*section.texte);
  top_panel.setCaption(options.*section.texte);
  std::string lien = section.lien;
  if (section.lienEmail) lien += p_.ident().identite.email;
  Llien.setCaption(lien);
  apercuElement();
}

void Tmenu1::afficherLogoBandeau() {
  const bool logo = elementCourant == "Logo";
  if (!logo) {
    largeur_B.setText(options.largeur_bandeau);
    largeB.setCaption("Bandeau");
    largeB.show();
    Llien.setCaption("");
  }
  montrer({&groupe, &texteBOX, &top_panel}, true);
  activer({&deroulante, &dynamique, &Rover, &appli_menu}, false);
  montrer({&GroupBox6, &GroupBox9, &overB, &rollover, &panelover, &gear}, false);
  selectionner(imageT, rangImage(logo ? options.logo_image : options.bandeau_image));
  const std::string& texteElement = logo ? options.logo_texte : options.bandeau_texte;
  top_texte.setText(texteElement);
  top_panel.setCaption(texteElement);
  montrerStyle(top_panel, logo ? kStyleLogo : kStyleBandeau);
  choisirPolicesPermises(true);
  rendreSiModele();
  selectionner(encadrement,
               rangEncadrement(logo ? options.encadrement_logo : options.encadrement_bandeau));
  shape_trait.setPenColour(couleurUi(logo ? options.coul_logo_trait : options.coul_bandeau_trait));
  if (logo) Llien.setCaption("Lien : accueil.htm");
}

void Tmenu1::afficherTopTextes() {
  largeur_B.setText(options.largeur_cv);
  colleBOX.setEnabled(true);
  colleBOX.setChecked(options.colle_cv == "oui");
  largeB.setCaption("Top - Textes");
  largeB.show();
  montrer({&groupe, &texteBOX}, false);
  activer({&deroulante, &dynamique}, false);
  montrer({&GroupBox6, &GroupBox9, &Llien, &ImageGIF}, false);
  top_panel.show();
  top_panel.setCaption("Texte");
  Rover.setEnabled(true);
  apercuElement();
}

void Tmenu1::afficherTopRollOver() {
  activer({&titre1, &speed_trait, &encadrement, &alignement, &deroulante, &dynamique}, false);
  montrer({&groupe, &texteBOX, &GroupBox6, &GroupBox9, &Llien, &ImageGIF}, false);
  Rover.setEnabled(true);
  over_texte.setCaption(top_panel.caption().empty() ? "Texte" : top_panel.caption());
  couleurPolice(over_texte, options.coul_cv);
  over_texte.setColour(couleurUi(options.fond_over_cv));
  montrerEmphase(over_texte, options.gras_over_cv, options.italique_over_cv,
                 options.souligne_over_cv);
  tailleElement = options.taille_over_cv;
  if (options.over_cv == "oui") {
    Rover.setChecked(true);
    montrer({&over_texte, &panelover}, true);
  } else if (options.over_cv == "non") {
    Rover.setChecked(false);
    montrer({&over_texte, &panelover}, false);
  }
  choisirPolicesPermises(false);
}

// The search field: text and look, its frame shown but not chosen here.
void Tmenu1::afficherRecherche() {
  activer({&encadrement, &speed_trait, &deroulante, &dynamique, &Rover, &alignement}, false);
  montrer({&texteBOX, &top_panel}, true);
  montrer({&groupe, &GroupBox6, &GroupBox9, &ImageGIF, &Llien}, false);
  top_panel.setAlignment(ui::Alignment::Left);
  top_texte.setText(options.recherche_texte);
  top_panel.setCaption(options.recherche_texte);
  montrerStyle(top_panel, kStyleRecherche);
  selectionner(encadrement, rangEncadrement(options.encadrement_recherche));
  shape_trait.setPenColour(couleurUi(options.coul_trait_recherche));
  choisirPolicesPermises(false);
}

void Tmenu1::apercuElement() {
  if (options.over_cv == "oui") {
    Rover.setChecked(true);
    montrer({&over_texte, &panelover}, true);
  } else if (options.over_cv == "non") {
    Rover.setChecked(false);
    montrer({&over_texte, &panelover}, false);
  }
  montrerStyle(top_panel, kStyleCv);
  choisirPolicesPermises(false);
  selectionner(encadrement, rangEncadrement(options.encadrement_cv));
  shape_trait.setPenColour(couleurUi(options.coul_trait_cv));
  if (policesWindowsDemandees) {
    toutes.setEnabled(true);
    policesWindowsDemandees = false;
  }
}

// Sizes, backgrounds and switches of the menu frame and the top bar.
void Tmenu1::afficherTaillesEtFonds() {
  if (auto largeur = entier(options.largeur_menu))
    fam.setBounds(fam.left(), fam.top(), *largeur, fam.height());
  largeur_num.setText(options.largeur_menu);
  hauteur_num.setText(options.hauteur_top);
  if (Rmenu.checked())
    fixe.setChecked(options.fixe_menu == "oui");
  else if (Rtop.checked())
    fixe.setChecked(options.fixe_top == "oui");
  importHTM.setChecked(options.menuHTM == "oui");
  importTOP.setChecked(options.topHTM == "oui");
  afficherFond();
  deroulante.setColour(couleurUi(options.fond_menu_listes));
  couleurPolice(deroulante, options.coul_menu_listes);
  Tadresse_color.setBrushColour(couleurUi(options.adresse_top_color));
  Tdate_color.setBrushColour(couleurUi(options.date_top_color));
  tirets.setText(options.tirets_listes);
  transpar.setChecked(options.image_transparent == "oui");
  logotop.setChecked(options.logo_top == "oui");
}

// The background of the checked target in `cadre` and `ImageGIF2`: a colour wins over an image.
void Tmenu1::afficherFond() {
  if (!Rmenu.checked() && !Rtop.checked()) return;
  const bool menu = Rmenu.checked();
  const std::string& image = menu ? options.image_menu : options.image_top;
  const std::string& couleur = menu ? options.fond_couleur_menu : options.fond_couleur_top;
  if (!image.empty()) {
    ImageGIF2.clearPicture();
    // A name leaving fonds/ is no background of ours.
    const std::string nom = "fonds/" + image;
    if (platform::safeRelativePath(image) && p_.donnees().exists(nom)) {
      cadre.loadPicture(p_.donnees().path(nom));
      ImageGIF2.loadPicture(p_.donnees().path(nom));
    }
  }
  if (!couleur.empty()) {
    for (ui::Image* i : {&cadre, &ImageGIF2}) {
      i->clearPicture();
      i->setColour(couleurUi(couleur));
    }
  }
  if (image.empty() && couleur.empty()) cadre.clearPicture();
}

// "Texte" of the image group: whether the slot's text is drawn on its button (empty is "oui"),
// for the top links as for the logo and the banner.
void Tmenu1::afficherTexteSurImage() {
  const std::string* drapeau = emplacement().texteVoir;
  if (!drapeau) return;
  if (drapeau->empty() || *drapeau == "oui")
    imtexte.setChecked(true);
  else if (*drapeau == "non")
    imtexte.setChecked(false);
}

// --- previews ---

void Tmenu1::montrerStyle(ui::Panel& apercu, const StyleMenu& s) {
  couleurPolice(apercu, options.*s.couleur);
  apercu.setColour(couleurUi(options.*s.fond));
  montrerPolice(apercu, options.*s.police, true);
  montrerEmphase(apercu, options.*s.gras, options.*s.italique, options.*s.souligne);
  if (!(options.*s.taille).empty()) {
    tailleElement = options.*s.taille;
    taillePolice(apercu, tailleElement);
  }
  if (!s.aligne) return;
  const int rang = rangAlignement(options.*s.aligne);
  if (rang < 0) return;
  const ui::Alignment alignements[] = {ui::Alignment::Left, ui::Alignment::Center,
                                       ui::Alignment::Right};
  apercu.setAlignment(alignements[rang]);
  selectionner(alignement, rang);
}

void Tmenu1::montrerPolice(ui::Control& apercu, const std::string& nom, bool dansLaListe) {
  ui::Font f = apercu.font();
  f.name = policeAffichee(nom);
  apercu.setFont(f);
  if (dansLaListe && !nom.empty()) police.setText(nom);
}

void Tmenu1::montrerEmphase(ui::Control& apercu, const std::string& gras,
                            const std::string& italique, const std::string& souligne) {
  ui::Font f = apercu.font();
  const std::pair<const std::string*, bool ui::Font::*> emphases[] = {
      {&gras, &ui::Font::bold}, {&italique, &ui::Font::italic}, {&souligne, &ui::Font::underline}};
  for (const auto& [valeur, style] : emphases) {
    if (*valeur == "oui")
      f.*style = true;
    else if (*valeur == "non")
      f.*style = false;
  }
  apercu.setFont(f);
  titre4.setDown(gras == "oui");
  titre5.setDown(italique == "oui");
  titre6.setDown(souligne == "oui");
}

void Tmenu1::choisirPolicesPermises(bool bouton) {
  const bool windows = p_.styleP().web.itemIndex() == 1;
  toutes.setEnabled(windows || (bouton && imageT.itemIndex() == 1 && !imageModele.empty()));
}

// A button or bullet of the element is drawn again once its template is chosen.
void Tmenu1::rendreSiModele() {
  if (imageT.itemIndex() != 0 && !imageModele.empty()) genererBouton();
}

void Tmenu1::selectionner(ui::ItemsControl& liste, int rang) {
  if (rang >= 0) liste.setItemIndex(rang);
}

}  // namespace design
