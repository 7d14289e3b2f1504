#include "fenetres/app/liste_tri.h"

#include <utility>

#include "platform/text.h"

namespace app {

void trierListeAlpha(ui::ListBox& liste) {
  const std::string choisie = liste.selected();
  const bool choix = liste.itemIndex() >= 0;
  std::vector<std::string> lignes = liste.items();
  platform::sortFrench(lignes);
  liste.sorted = true;
  liste.setItems(std::move(lignes));
  if (choix) liste.setItemIndex(liste.indexOf(choisie));
}

void deplacerLigneListe(ui::ListBox& liste, int pas) {
  liste.sorted = false;
  const int i = liste.itemIndex();
  const int j = i + pas;
  if (i < 0 || j < 0 || j >= liste.count()) return;
  std::vector<std::string> lignes = liste.items();
  std::swap(lignes[i], lignes[j]);
  liste.setItems(std::move(lignes));
  liste.setItemIndex(j);
}

bool suppressionConfirmee(ui::Dialogs& dialogues, bool employe, std::string_view quoi,
                          std::string_view utilise, const std::string& nom) {
  const std::string chose = std::string(quoi) + " " + nom;
  if (employe) {
    dialogues.warning("Impossible de supprimer " + chose + "\n" + std::string(utilise) +
                      " par une ou plusieurs fiches");
    return false;
  }
  return dialogues.messageBox("Etes-vous sûr de vouloir supprimer " + chose, "",
                              ui::MessageKind::Confirmation,
                              ui::Buttons::YesNoCancel) == ui::Answer::Yes;
}

}  // namespace app
