#include "fenetres/infopages/fenetre_liste_recherche.h"

#include <initializer_list>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/fiches_catalogue.h"
#include "modele/infopages/recherche_base.h"
#include "modele/infopages/recherche_options.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/services.h"

namespace infopages {

namespace {

const char* ouiNon(bool oui) { return oui ? "oui" : "non"; }

}  // namespace

Tliste_recherche::Tliste_recherche(app::Programme& programme)
    : ui::Form(programme.application(), "Tliste_recherche", "liste_recherche"), p_(programme) {
  setCaption("Liste Recherche");
  using ui::kLineHeight;
  using ui::setSize;
  setBounds(left(), top(), 960, 540);
  setSize(fichesP, 250);
  setSize(listeRef, 240, 220);
  setSize(memo, 240, 110);
  setSize(Lhtm, 240, kLineHeight);
  setSize(motsG, 250);
  setSize(listeR, 235, 260);
  setSize(ajouterE, 235);
  for (ui::Button* b : {&ajouterB, &enrB}) setSize(*b, 235);
  setSize(produitsG, 370);
  setSize(MrechA, 355, kLineHeight);
  setSize(listeRECH, 260, 200);
  for (ui::Button* b : {&monte, &descend, &effaceREF}) setSize(*b, 85);
  setSize(modifE, 250);
  setSize(modifB, 95);
  setSize(supprimerG, 355);
  setSize(supprB, 120);
  setSize(editionG, 930);
  for (ui::Edit* e : {&titreE, &policeE}) setSize(*e, 200);
  for (ui::Edit* e : {&colE, &couleurE, &tailleE}) setSize(*e, 90);
  for (ui::CheckBox* c : {&menuGC, &desacC, &centrerC, &grasC}) setSize(*c, 140);
  setSize(enrOPB, 120);
  setSize(Memo1, 400, 45);
  setSize(BitBtn1, 100);
  titreE.labelCaption = "Titre : ";
  colE.labelCaption = "Colonnes : ";
  policeE.labelCaption = "Police :";
  couleurE.labelCaption = "Couleur :";
  tailleE.labelCaption = "Taille :";
  memo.setReadOnly(true);
  memo.setColour(ui::clWindow);
  Lhtm.hide();
  Lhtm.setCursor(ui::Cursor::Hand);
  MrechA.setFontBold(true);
  Memo1.setReadOnly(true);
  Memo1.setLines({"Attention ce module PHP ne fonctionne ", "qu'en ligne et non en local sur votre PC "});

  onActivate = [this] { FormActivate(); };
  listeRef.filter = [this](auto noms) { return app::sansMarqueurs(p_.donnees(), std::move(noms)); };
  listeRef.onClick = [this] { listeRefClick(); };
  Lhtm.onClick = [this] { LhtmClick(); };
  ajouterB.onClick = [this] { ajouter(); };
  ajouterE.onKeyDown = [this](int& key, ui::Shift) {
    if (key == ui::key::Enter) ajouter();
  };
  listeR.onClick = [this] { afficheREF(); };
  enrB.onClick = [this] { enrBClick(); };
  supprB.onClick = [this] { supprBClick(); };
  modifB.onClick = [this] { modifier(); };
  modifE.onKeyDown = [this](int& key, ui::Shift) {
    if (key == ui::key::Enter) modifier();
  };
  monte.onClick = [this] { monteClick(); };
  descend.onClick = [this] { descendClick(); };
  effaceREF.onClick = [this] { effaceREFClick(); };
  prixC.onClick = [this] { prixCClick(); };
  enrOPB.onClick = [this] { enrOPBClick(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  const auto modifiees = [this] { optionsModifiees_ = optionsModifiees_ || !chargement_; };
  for (ui::Edit* e : {&titreE, &colE, &policeE, &couleurE, &tailleE}) e->onChange = modifiees;
  for (ui::CheckBox* c : {&menuGC, &desacC, &centrerC, &grasC}) c->onClick = modifiees;
}

void Tliste_recherche::FormActivate() {
  listeRef.setDirectory(p_.donnees().root());
  enrB.setCaption("Enregistrer");
  listeRef.setItemIndex(-1);
  memo.clear();
  MrechA.setCaption("");
  modifE.setText("");
  // An activation after a switch to another window must not wipe options being typed.
  if (!optionsModifiees_) lireOptions();
  sauverBase(purgerBase(base(), app::fichesCatalogue(p_.donnees())));
  remplirMots();
}

void Tliste_recherche::lireOptions() {
  chargement_ = true;
  TOptionsRecherche options;
  options.titre = "";
  options.col = "";
  options.police = p_.main().options.options.police_defaut;
  options.couleur = p_.styleP().couleur_cat;
  if (p_.donnees().exists(kFichierOptionsRecherche))
    lireOptionsRecherche(platform::LineList::load(p_.donnees().path(kFichierOptionsRecherche)),
                         options);
  titreE.setText(platform::trim(options.titre).empty() ? "Choix rapide"
                                                       : platform::trim(options.titre));
  colE.setText(platform::trim(options.col).empty() ? "1" : platform::trim(options.col));
  menuGC.setChecked(options.menuG == "oui");
  desacC.setChecked(options.desac == "oui");
  centrerC.setChecked(options.centrer == "oui");
  grasC.setChecked(options.gras == "oui");
  policeE.setText(options.police);
  couleurE.setText(options.couleur);
  tailleE.setText(options.taille);
  chargement_ = false;
  optionsModifiees_ = false;
}

void Tliste_recherche::listeRefClick() {
  memo.setColour(ui::clWindow);
  MrechA.setCaption("");
  modifE.setText("");
  Lhtm.hide();
  memo.clear();
  const std::filesystem::path chemin = listeRef.fileName();
  std::optional<platform::LineList> lignes;
  if (!chemin.empty()) lignes = app::chargerLignesFiche(chemin);
  if (lignes) {
    const app::TFicheProduit fiche = app::lireFicheProduit(*lignes);
    const std::string reference = platform::trim(fiche.reference);
    enrB.setCaption("Enregistrer " + reference);
    memo.setLines({"Titre = " + fiche.description + " " + fiche.auteur,
                   "Catégorie = " + fiche.categorie, "Thème = " + fiche.mot_cle,
                   "Prix = " + fiche.prix});
    const std::string promo = app::prixPromoFiche(p_.donnees(), chemin.string(), reference);
    if (!promo.empty()) {
      platform::LineList texte = memo.lines();
      texte.add("PROMO = " + promo);
      memo.setLines(texte);
      memo.setColour(ui::clYellow);
    }
    remplirMots();
    const std::string page = app::pageDuProduit(p_.donnees(), reference);
    if (!page.empty()) {
      Lhtm.setCaption(page);
      Lhtm.show();
    }
    return;
  }
  remplirMots();
}

void Tliste_recherche::LhtmClick() {
  p_.shell().open(p_.donnees().path("ftp/" + Lhtm.caption()).string());
}

void Tliste_recherche::prixCClick() {
  if (!prixC.checked()) {
    listeRef.update();
    return;
  }
  std::vector<std::string> promos;
  for (const std::string& nom : app::fichesCatalogue(p_.donnees())) {
    const std::filesystem::path chemin = p_.donnees().root() / nom;
    const auto lignes = app::chargerLignesFiche(chemin);
    if (!lignes) continue;
    const app::TFicheProduit fiche = app::lireFicheProduit(*lignes);
    for (const std::string* ref : {&fiche.reference, &fiche.CD_ref, &fiche.K7_ref, &fiche.VIDEO_ref})
      if (!platform::trim(*ref).empty() &&
          !app::prixPromoFiche(p_.donnees(), chemin.string(), platform::trim(*ref)).empty())
        promos.push_back(nom);
  }
  listeRef.setItems(promos);
}

void Tliste_recherche::enrOPBClick() {
  sauverOptions();
  dialogs().showMessage("Edition enregistrée");
}

void Tliste_recherche::proposerEnregistrement() {
  if (optionsModifiees_ &&
      dialogs().askYesNo("Enregistrer les modifications de la liste de recherche ?"))
    sauverOptions();
}

void Tliste_recherche::sauverOptions() {
  titreE.setText(platform::trim(titreE.text()));
  colE.setText(platform::trim(colE.text()));
  TOptionsRecherche options;
  options.titre = titreE.text();
  options.col = colE.text();
  options.menuG = ouiNon(menuGC.checked());
  options.desac = ouiNon(desacC.checked());
  options.centrer = ouiNon(centrerC.checked());
  options.gras = ouiNon(grasC.checked());
  options.police = policeE.text();
  options.couleur = couleurE.text();
  options.taille = tailleE.text();
  lignesOptionsRecherche(options).save(p_.donnees().path(kFichierOptionsRecherche));
  optionsModifiees_ = false;
}

void Tliste_recherche::BitBtn1Click() { close(); }

}  // namespace infopages
