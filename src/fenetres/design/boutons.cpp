#include "fenetres/design/boutons.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/import_image.h"
#include "fenetres/design/style.h"

namespace design {

Tboutons_view::Tboutons_view(app::Programme& programme)
    : ui::Form(programme.application(), "Tboutons_view", "boutons_view"), p_(programme) {
  setCaption("Boutons de Commande");
  onActivate = [this] { FormActivate(); };
  onHide = [this] { FormHide(); };
  images.onClick = [this] { imagesClick(); };
  importerB.onClick = [this] { importerBClick(); };
  okB.onClick = [this] { okBClick(); };
}

void Tboutons_view::FormActivate() {
  const TForm1& editeur = p_.Form1();
  setBounds(editeur.left() + 80, editeur.top() + 100, width(), height());
  images.setDirectory(p_.chemin("boutons"));
  RepL.setCaption(images.directory().string());
}

void Tboutons_view::imagesClick() {
  const std::string nom = images.fileName().filename().string();
  if (!nom.empty()) p_.Form1().boutonChoisi(nom);
}

void Tboutons_view::importerBClick() {
  importerImage(OpenImage, images, p_.main().options.options.separateur());
}

void Tboutons_view::okBClick() { close(); }

// However the picker goes, the editor keeps its unsaved edits when it comes back.
void Tboutons_view::FormHide() { p_.Form1().retourBoutons = true; }

}  // namespace design
