// The element-style handlers of the menu editor: each style control writes its value into the
// keys of the current element (menu_elements.h holds which) and shows the element again; the
// font lists, the separator count, the dynamic-menu style and the previews of the site.

#include "fenetres/design/menu.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/fenetre_style_menu_dynamique.h"
#include "fenetres/design/saisie_couleur.h"
#include "fenetres/frame/apercu.h"
#include "modele/app/identite.h"
#include "platform/fonts.h"
#include "platform/text.h"

namespace design {

namespace {

const char* ouiNon(bool oui) { return oui ? "oui" : "non"; }

}  // namespace

void Tmenu1::styleChange() {
  elementCourant = elementDeLigne(style.text());
  afficherMenu();
  if (sectionTop(elementCourant)) genererBouton();
}

// --- the style controls ---

void Tmenu1::ecrireReglage(ReglageMenu reglage, const std::string& valeur) {
  for (ChampMenu cle : clesReglage(reglage, elementCourant)) options.*cle = valeur;
  afficherMenu();
}

// The colour prompt on the element's key; a cancelled dialog changes and shows nothing.
void Tmenu1::couleurReglage(ReglageMenu reglage) {
  const std::vector<ChampMenu> cles = clesReglage(reglage, elementCourant);
  const std::string actuelle = cles.empty() ? std::string() : options.*cles.front();
  std::optional<std::string> choisie = choisirCouleur(ColorDialog, actuelle);
  if (!choisie) return;
  ecrireReglage(reglage, *choisie);
  if (reglage == ReglageMenu::CouleurTexte) choisirImagesItems();
}

void Tmenu1::basculerReglage(ReglageMenu reglage) {
  for (ChampMenu cle : clesReglage(reglage, elementCourant)) options.*cle = basculer(options.*cle);
  afficherMenu();
}

void Tmenu1::titre1Click() { couleurReglage(ReglageMenu::CouleurTexte); }
void Tmenu1::titre2Click() { couleurReglage(ReglageMenu::Fond); }
void Tmenu1::speed_traitClick() { couleurReglage(ReglageMenu::Trait); }
void Tmenu1::titre4Click() { basculerReglage(ReglageMenu::Gras); }
void Tmenu1::titre5Click() { basculerReglage(ReglageMenu::Italique); }
void Tmenu1::titre6Click() { basculerReglage(ReglageMenu::Souligne); }

void Tmenu1::alignementClick() {
  const int rang = alignement.itemIndex();
  if (rang < 0 || rang >= static_cast<int>(std::size(kAlignementsMenu))) return;
  ecrireReglage(ReglageMenu::Alignement, kAlignementsMenu[rang]);
}

void Tmenu1::policeChange() { ecrireReglage(ReglageMenu::Police, police.text()); }

void Tmenu1::TailleClick() {
  const std::string taille = std::to_string(Taille.position());
  taille_num.setText(taille);
  ecrireReglage(ReglageMenu::Taille, taille);
}

// The display and the renderer set the frame choice themselves.
void Tmenu1::encadrementClick() {
  if (affichageEnCours) return;
  const int rang = encadrement.itemIndex();
  if (rang < 0 || rang >= static_cast<int>(std::size(kEncadrementsMenu))) return;
  ecrireReglage(ReglageMenu::Encadrement, kEncadrementsMenu[rang]);
}

void Tmenu1::top_texteChange() {
  if (affichageEnCours) return;
  ecrireReglage(ReglageMenu::Texte, top_texte.text());
  if (elementCourant != "Recherche") genererBouton();
}

void Tmenu1::RoverClick() {
  over_texte.setVisible(Rover.checked());
  ecrireReglage(ReglageMenu::RollOver, ouiNon(Rover.checked()));
}

void Tmenu1::deroulanteClick() {
  options.liste_deroulante = ouiNon(deroulante.checked());
  afficherMenu();
}

void Tmenu1::dynamiqueClick() { options.liste_dynamique = ouiNon(dynamique.checked()); }

// --- font lists: they offer names; the key changes with the next policeChange ---

void Tmenu1::webClick() {
  if (!police.enabled()) return;
  police.setItems({std::begin(kPolicesWeb), std::end(kPolicesWeb)});
  if (police.text().empty()) police.setText(police.items().front());
}

void Tmenu1::toutesClick() {
  if (!police.enabled()) return;
  police.setItems(platform::installedFonts());
  if (police.text().empty() && police.count() > 0) police.setText(police.items().front());
}

void Tmenu1::tiretsChange() {
  if (affichageEnCours) return;
  SaisieTirets saisie = lireTirets(tirets.text());
  if (saisie.valeur) options.tirets_listes = *saisie.valeur;
  if (saisie.erreur) dialogs().showMessage("Erreur de saisie menu [6]");
}

// --- the dynamic menu and the site preview ---

// The dialog edits what menu.opt holds: the editor's unsaved changes are dropped first.
void Tmenu1::styleDClick() {
  if (!chargerMenu()) return;
  afficherMenu();
  if (options.liste_dynamique != "oui") {
    dialogs().showMessage(
        "Menu Dynamique non activé - Pour l'activer cocher la case et appuyer sur OK en haut de "
        "l'onglet Menus");
    return;
  }
  TstyleMDyn& dialogue = p_.styleMDyn();
  dialogue.ouvrir();
  dialogue.show();
}

void Tmenu1::BitBtn2Click() {
  BitBtn2.setCursor(ui::Cursor::HourGlass);
  struct Curseur {
    ui::Control& bouton;
    ~Curseur() { bouton.setCursor(ui::Cursor::Default); }
  } curseur{BitBtn2};
  sauverMenu();
  frame::apercuSite(p_);
}

// Painting shows the selected category and fills the logo and banner texts left empty. Without a
// selected category (an empty catalogue) the message is told once, not at every repaint.
void Tmenu1::FormPaint() {
  Affichage affichage(*this);
  afficherFamilles();
  if (fitems.itemIndex() < 0) {
    if (!operationImpossibleDite) {
      operationImpossibleDite = true;
      dialogs().showMessage("Opération Impossible");
    }
    return;
  }
  operationImpossibleDite = false;
  fam.setCaption(fitems.selected());
  if (commenceParMenu(elementCourant)) over_texte.setCaption(fam.caption());
  if (options.logo_texte.empty()) {
    const app::TIdentite& identite = p_.ident().identite;
    options.logo_texte = platform::trim(identite.nomB);
    if (options.logo_texte.empty()) options.logo_texte = identite.nomE;
  }
  if (options.bandeau_texte.empty()) options.bandeau_texte = "Boutique en ligne";
}

}  // namespace design
