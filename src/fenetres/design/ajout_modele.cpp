#include "fenetres/design/ajout_modele.h"

#include "platform/files.h"
#include "ui/form.h"

namespace design {

void ajouterModele(ui::SaveDialog& dialogue, ui::Label& nomModele, bool& versModele,
                   const std::function<void()>& sauver) {
  versModele = false;
  sauver();
  if (!dialogue.execute()) return;
  if (platform::fileExists(dialogue.fileName) &&
      dialogue.form().dialogs().messageBox("Modèle déjà existant. Voulez-vous continuer ?", "",
                                           ui::MessageKind::Confirmation,
                                           ui::Buttons::YesNoCancel) != ui::Answer::Yes)
    return;
  versModele = true;
  sauver();
  nomModele.setCaption("Modèle : " + dialogue.fileName.filename().string());
}

}  // namespace design
