#include "fenetres/publish/fenetre_export_references.h"

#include "fenetres/app/programme.h"
#include "modele/app/fiches_catalogue.h"
#include "modele/publish/export_references.h"
#include "platform/files.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

#include <algorithm>

namespace publish {

Texport_ref::Texport_ref(app::Programme& programme)
    : ui::Form(programme.application(), "Texport_ref", "export_ref"), p_(programme) {
  setCaption("Exportation des références");
  nom_fichierE.labelCaption = "Nom du fichier :";
  triG.setItems({"Référence", "Titre", "Catégories", "Thème"});
  triG.columns = 2;
  triG.setItemIndex(0);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&gauge, &refL, &listeB}) c->hide();
  setBounds(left(), top(), 320, height());
  for (ui::Control* c : std::initializer_list<ui::Control*>{&nom_fichierE, &triG, &gauge})
    ui::setSize(*c, 300);
  ui::setSize(triG, 300, 70);
  refL.filter = [this](auto noms) {
    return app::sansMarqueurs(p_.donnees(), std::move(noms), app::Usage::produits);
  };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  BitBtn5.onClick = [this] { BitBtn5Click(); };
}

void Texport_ref::BitBtn1Click() {
  const auto& dossier = p_.donnees();
  const std::string nom = nom_fichierE.text();
  // The file goes in the data folder, under a name any system of the shop can keep.
  if (!platform::isWindowsFileName(nom)) {
    dialogs().showMessage("Le nom du fichier \"" + nom +
                          "\" n'est pas valide : donnez un nom de fichier sans répertoire.");
    return;
  }
  listeB.clearItems();
  refL.setDirectory(dossier.root());
  refL.update();
  if (refL.count() == 0) return;
  gauge.setRange(0, refL.count() - 1);
  gauge.show();
  struct Cacher {
    ui::Gauge& g;
    ~Cacher() { g.hide(); }
  } cacher{gauge};
  const auto tri = static_cast<TriExport>(std::max(0, triG.itemIndex()));
  const platform::LineList lignes =
      exporterReferences(dossier, refL.items(), tri, [this](int i) { gauge.setProgress(i); });
  if (!lignes.empty()) lignes.save(dossier.path(nom));
}

void Texport_ref::BitBtn5Click() { close(); }

}  // namespace publish
