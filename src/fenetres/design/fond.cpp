#include "fenetres/design/fond.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/fenetre_meta_categories.h"
#include "fenetres/design/import_image.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"

namespace design {

Tfonds::Tfonds(app::Programme& programme)
    : ui::Form(programme.application(), "Tfonds", "fonds"), p_(programme) {
  setCaption("Images de fond");
  onActivate = [this] { FormActivate(); };
  images.onClick = [this] { imagesClick(); };
  importerB.onClick = [this] { importerBClick(); };
  okB.onClick = [this] { okBClick(); };
  annulerB.onClick = [this] { annulerBClick(); };
}

void Tfonds::FormActivate() {
  const Tmenu1& menu = p_.menu1();
  setBounds(menu.left() + 200, menu.top() + 100, width(), height());
  images.setDirectory(p_.chemin("fonds"));
  RepL.setCaption(images.directory().string());
}

void Tfonds::imagesClick() { image.loadPicture(images.fileName()); }

void Tfonds::importerBClick() {
  importerImage(OpenImage, images, p_.main().options.options.separateur());
}

// A background is a colour or an image: the chosen image empties the colour of its caller.
void Tfonds::okBClick() {
  const std::string nom = images.fileName().filename().string();
  if (!nom.empty()) {
    if (appelantImage == "menu" || appelantImage == "top")
      p_.menu1().imageFondChoisie(appelantImage == "top", nom);
    else if (appelantImage == "style_principal")
      p_.styleP().imageFondChoisie(nom);
    else if (appelantImage == "fondcat")
      p_.metacat().imageFondChoisie(nom);
  }
  annulerBClick();
}

void Tfonds::annulerBClick() {
  p_.menu1().retourSelecteur = true;
  close();
}

}  // namespace design
