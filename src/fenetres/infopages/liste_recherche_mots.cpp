// `Tliste_recherche`: the key words and the products they lead to.
#include "fenetres/app/programme.h"
#include "fenetres/infopages/fenetre_liste_recherche.h"
#include "modele/app/fiche_produit.h"
#include "modele/infopages/recherche_base.h"
#include "platform/text.h"
#include "ui/dialogs.h"

namespace infopages {

namespace {

// A product line shows "reference[title]"; the reference is what comes before the "[".
std::string referenceDeLigne(const std::string& ligne) {
  return platform::trim(std::string_view(ligne).substr(0, ligne.find('[')));
}

}  // namespace

platform::LineList Tliste_recherche::base() const {
  return platform::loadIfPresent(p_.donnees(), kFichierBaseRecherche);
}

void Tliste_recherche::sauverBase(const platform::LineList& lignes) {
  lignes.save(p_.donnees().path(kFichierBaseRecherche));
}

std::string Tliste_recherche::referenceCourante() const {
  const std::string nom = listeRef.selected();
  return platform::trim(std::string_view(nom).substr(0, nom.find('.')));
}

void Tliste_recherche::remplirMots() {
  const MotsBase mots = motsBase(base(), referenceCourante());
  listeR.setItems(mots.mots);
  for (size_t i = 0; i < mots.coches.size(); ++i) listeR.setChecked(i, mots.coches[i]);
  MrechA.setCaption("");
  modifE.setText("");
  listeRECH.clearItems();
}

void Tliste_recherche::ajouter() {
  const std::string mot = platform::trim(ajouterE.text());
  ajouterE.setText(mot);
  if (const std::string refus = refusMot(mot); !refus.empty()) {
    dialogs().showMessage(refus);
    return;
  }
  const platform::LineList lignes = base();
  if (motEnregistre(lignes, mot)) {
    dialogs().showMessage("Mot déjà enregistré");
    return;
  }
  sauverBase(ajouterMot(lignes, mot));
  remplirMots();
}

void Tliste_recherche::afficheREF() {
  if (listeR.itemIndex() < 0) return;
  const std::string mot = listeR.selected();
  MrechA.setCaption(mot);
  modifE.setText(mot);
  listeRECH.clearItems();
  for (const std::string& reference : produitsDuMot(base(), mot)) {
    const auto fiche = app::chargerFicheProduit(p_.donnees(), reference);
    listeRECH.addItem(fiche ? reference + "[" + fiche->description + "]" : reference);
  }
}

void Tliste_recherche::enrBClick() {
  if (listeRef.itemIndex() < 0) {
    dialogs().showMessage("Rien à enregistré...");
    return;
  }
  const std::string reference = referenceCourante();
  std::vector<std::string> mots;
  for (int i = 0; i < listeR.count(); ++i)
    if (listeR.checked(static_cast<size_t>(i))) mots.push_back(listeR.items()[static_cast<size_t>(i)]);
  sauverBase(enregistrerMots(base(), reference, mots));
  dialogs().showMessage(reference + " enregistrée");
  afficheREF();
}

void Tliste_recherche::supprBClick() {
  const std::string mot = MrechA.caption();
  if (mot.empty()) {
    dialogs().showMessage("Rien à supprimer...");
    return;
  }
  if (listeRECH.count() > 0) {
    dialogs().showMessage("Impossible de supprimer " + mot + ": références cochées");
    return;
  }
  sauverBase(supprimerMot(base(), mot));
  remplirMots();
}

void Tliste_recherche::modifier() {
  const std::string nouveau = platform::trim(modifE.text());
  modifE.setText(nouveau);
  const std::string ancien = platform::trim(MrechA.caption());
  if (ancien.empty()) {
    dialogs().showMessage("Rien à modifier...");
    return;
  }
  if (const std::string refus = refusMot(nouveau); !refus.empty()) {
    dialogs().showMessage(refus);
    return;
  }
  sauverBase(renommerMot(base(), ancien, nouveau));
  remplirMots();
}

void Tliste_recherche::deplacer(int ecart) {
  const int i = listeRECH.itemIndex();
  const int j = i + ecart;
  if (i >= 0 && j >= 0 && j < listeRECH.count()) {
    std::vector<std::string> lignes = listeRECH.items();
    std::swap(lignes[static_cast<size_t>(i)], lignes[static_cast<size_t>(j)]);
    listeRECH.setItems(lignes);
    listeRECH.setItemIndex(j);
  }
  sauve_ordre();
}

void Tliste_recherche::monteClick() { deplacer(-1); }

void Tliste_recherche::descendClick() { deplacer(1); }

void Tliste_recherche::sauve_ordre() {
  const std::string mot = platform::trim(MrechA.caption());
  if (listeRECH.count() == 0 || mot.empty()) return;
  std::vector<std::string> references;
  for (const std::string& ligne : listeRECH.items()) references.push_back(referenceDeLigne(ligne));
  sauverBase(ordonnerProduits(base(), mot, references));
}

void Tliste_recherche::effaceREFClick() {
  if (listeRECH.itemIndex() < 0) {
    dialogs().showMessage("Aucune référence sélectionnée");
    return;
  }
  const std::string reference = referenceDeLigne(listeRECH.selected());
  sauverBase(retirerLien(base(), platform::trim(modifE.text()), reference));
  afficheREF();
}

}  // namespace infopages
