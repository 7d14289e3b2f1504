#include "fenetres/app/editeur_prix.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "modele/app/annexes_fiche.h"
#include "modele/app/montants_fiche.h"
#include "modele/app/texte_prix.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace app {

EditeurListePrix::EditeurListePrix(app::Programme& programme, const Textes& textes)
    : ui::Form(programme.application(), textes.classe, textes.unite),
      p_(programme),
      extension_(textes.extension),
      question_(textes.question) {
  setCaption(textes.titre);
  setBounds(left(), top(), 320, height());
  modeleL.setCaption(textes.modele);
  noteL.setCaption(textes.note);
  noteL.setVisible(*textes.note != '\0');
  ui::setSize(refL, 300, ui::kLineHeight);
  ui::setSize(modeleL, 300, ui::kLineHeight);
  ui::setSize(memo, 300, 200);
  ui::setSize(noteL, 300, ui::kLineHeight);
  ui::setSize(enrB, 140);
  ui::setSize(effacer, 140);
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  enrB.onClick = [this] { enrBClick(); };
  effacer.onClick = [this] { effacerClick(); };
}

void EditeurListePrix::FormShow() {
  // The reference is taken now: loading another sheet meanwhile must not redirect the save.
  refL.setCaption(p_.main().referencer.text());
  memo.setLines(chargerAnnexe(p_.donnees(), fichier()));
  lues_ = memo.lines();
}

void EditeurListePrix::relire() {
  if (!visible() || memo.lines() != lues_) return;
  memo.setLines(chargerAnnexe(p_.donnees(), fichier()));
  lues_ = memo.lines();
}

void EditeurListePrix::FormClose() {
  if (memo.lines() != lues_ && !mayDropEdits(question_, [this] { return enregistrer(); }))
    keepOpen();
}

void EditeurListePrix::enrBClick() {
  if (enregistrer()) close();
}

bool EditeurListePrix::enregistrer() {
  // An amount in letters would reach the order form as typed; a line without "=" has none.
  const platform::LineList lignes = nettoyerListePrix(memo.lines());
  const platform::LineList avant = nettoyerListePrix(lues_);
  if (auto refus = refusMontants(montantsListe(lignes.lines(), extension_),
                                 montantsListe(avant.lines(), extension_),
                                 p_.ident().identite.dev1)) {
    dialogs().showMessage(*refus);
    return false;
  }
  if (!memo.lines().empty()) sauverListePrix(p_.donnees(), fichier(), memo.lines());
  lues_ = memo.lines();
  return true;
}

void EditeurListePrix::effacerClick() {
  if (!supprimerAnnexe(p_.donnees(), fichier())) return;
  dialogs().showMessage(fichier());
  lues_ = memo.lines();  // nothing left to save
  close();
}

}  // namespace app
