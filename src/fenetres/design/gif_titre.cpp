#include "fenetres/design/gif_titre.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/import_image.h"
#include "fenetres/design/menu.h"
#include "ui/layout.h"

namespace design {

Tgif_titres::Tgif_titres(app::Programme& programme)
    : ui::Form(programme.application(), "Tgif_titres", "gif_titres"), p_(programme) {
  setCaption("Images");
  ui::setSize(gifs_liste, 220, 200);
  ui::setSize(RepL, 220);
  onShow = [this] { FormShow(); };
  onActivate = [this] { FormActivate(); };
  onDeactivate = [this] { FormDeactivate(); };
  gifs_liste.onClick = [this] { gifs_listeClick(); };
  importerB.onClick = [this] { importerBClick(); };
  okB.onClick = [this] { okBClick(); };
}

bool Tgif_titres::puces() const {
  return appelantImage == "menu_puce_titres" || appelantImage.ends_with("_puce");
}

void Tgif_titres::FormShow() { choisi_ = false; }

void Tgif_titres::FormActivate() {
  Tmenu1& menu = p_.menu1();
  setBounds(menu.left() + 200, menu.top() + 100, width(), height());
  menu.alignT.hide();
  p_.main().PageControl1.setActivePage(p_.main().menus);
  gifs_liste.setDirectory(p_.chemin(puces() ? "puces" : "menu_boutons"));
  RepL.setCaption(gifs_liste.directory().string());
}

void Tgif_titres::gifs_listeClick() {
  const std::string nom = gifs_liste.fileName().filename().string();
  if (nom.empty()) return;
  choisi_ = true;
  p_.menu1().modeleChoisi(nom);
}

void Tgif_titres::FormDeactivate() { p_.menu1().selecteurFerme(choisi_, !puces()); }

void Tgif_titres::importerBClick() {
  importerImage(OpenImage, gifs_liste, p_.main().options.options.separateur());
}

void Tgif_titres::okBClick() {
  p_.menu1().retourSelecteur = true;
  close();
}

}  // namespace design
