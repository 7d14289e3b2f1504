#include "fenetres/infopages/cvente.h"

#include <utility>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/saisie_couleur.h"
#include "fenetres/frame/apercu.h"
#include "fenetres/infopages/fairecv.h"
#include "platform/text.h"
#include "ui/layout.h"
#include "ui/services.h"

namespace infopages {

namespace {

const char* ouiNon(bool oui) { return oui ? "oui" : "non"; }

constexpr int kMaxRubriques = 100;

}  // namespace

Tcvente1::Tcvente1(app::Programme& programme)
    : ui::Form(programme.application(), "Tcvente1", "cvente1"), p_(programme) {
  setCaption("Conditions de vente");
  panelOver = &p_.main().PageControl1;
  using ui::kLineHeight;
  using ui::setSize;
  setBounds(left(), top(), 760, 520);
  setSize(reglagesG, 300);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&importHTM, &denomination, &produits,
                                                            &delai, &moyen, &cr})
    setSize(*c, 280);
  for (ui::Label* l : {&titreL, &texteL}) setSize(*l, 120, kLineHeight);
  for (ui::Shape* s : {&Ttitre_color, &Ttexte_color}) setSize(*s, 150, kLineHeight);
  setSize(livraisonYES, 90, kLineHeight);
  setSize(livraison, 180);
  for (ui::CheckBox* c : {&cb, &cc, &cheque, &mandat}) setSize(*c, 138);
  setSize(rubriquesG, 430);
  setSize(rubriques, 150, 300);
  setSize(memoR, 260, 300);
  setSize(ajouter, 250);
  for (ui::Button* b : {&Bajout, &monte, &descend, &panierR}) setSize(*b, 100);
  for (ui::Button* b : {&BitBtn1, &BitBtn3}) setSize(*b, 205);
  for (ui::Button* b : {&ok_bouton, &BitBtn2}) setSize(*b, 90);
  denomination.labelCaption = "Dénomination :";
  produits.labelCaption = "Produits :";
  delai.labelCaption = "Délais :";
  moyen.labelCaption = "Moyen :";
  for (const std::string& nom : rubriquesOrigine()) rubriques.addItem(nom);
  for (ui::Button* b : {&monte, &descend, &panierR}) b->setEnabled(false);

  onShow = [this] { FormShow(); };
  onDeactivate = [this] { FormDeactivate(); };
  ok_bouton.onClick = [this] { ok_boutonClick(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  rubriques.onClick = [this] { rubriquesClick(); };
  memoR.onExit = [this] { memoRExit(); };
  Bajout.onClick = [this] { BajoutClick(); };
  monte.onClick = [this] { monteClick(); };
  descend.onClick = [this] { descendClick(); };
  panierR.onClick = [this] { panierRClick(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  BitBtn3.onClick = [this] { BitBtn3Click(); };
  const std::pair<ui::CheckBox*, std::string TOptionsConditions::*> cases[] = {
      {&livraisonYES, &TOptionsConditions::cvente_livraisonYES},
      {&cb, &TOptionsConditions::cvente_cb},
      {&cc, &TOptionsConditions::cvente_cc},
      {&cheque, &TOptionsConditions::cvente_cheque},
      {&mandat, &TOptionsConditions::cvente_mandat},
      {&cr, &TOptionsConditions::cvente_cr}};
  for (const auto& [boite, valeur] : cases)
    boite->onClick = [this, boite, valeur] { caseClick(*boite, options.*valeur); };
  importHTM.onClick = [this] { importHTMClick(); };
  Ttitre_color.onClick = [this] { Ttitre_colorMouseDown(); };
  Ttexte_color.onClick = [this] { Ttexte_colorMouseDown(); };
}

// --- the record ---

std::vector<RubriqueConditions> Tcvente1::listeRubriques() const {
  std::vector<RubriqueConditions> liste;
  for (size_t i = 0; i < rubriques.items().size(); ++i)
    liste.push_back({rubriques.items()[i], rubriques.checked(i)});
  return liste;
}

TOptionsConditions Tcvente1::valeurs() const {
  TOptionsConditions v = options;
  v.rubriques = listeRubriques();
  return v;
}

std::string Tcvente1::fichier(const std::string& rubrique) const {
  return fichierRubrique(rubrique, p_.main().options.options.separateur());
}

void Tcvente1::sauver() {
  options.cvente_denomination = denomination.text();
  options.cvente_produits = produits.text();
  options.cvente_livraison = livraison.text();
  options.cvente_delai = delai.text();
  options.cvente_moyen = moyen.text();
  sauverConditions(p_.donnees(), valeurs());
}

void Tcvente1::ouvre() {
  TOptionsConditions lues = conditionsParDefaut(p_.ident().identite.nomE);
  // The list as it stands, every section ticked but "Bulle" and "Frais".
  lues.rubriques.clear();
  for (const std::string& nom : rubriques.items())
    lues.rubriques.push_back({nom, nom != "Bulle" && nom != "Frais"});
  if (chargerConditions(p_.donnees(), lues)) cv_popup = cvPopup(lues.rubriques);
  std::vector<std::string> noms;
  for (const RubriqueConditions& r : lues.rubriques) noms.push_back(r.nom);
  rubriques.setItems(std::move(noms));
  for (size_t i = 0; i < lues.rubriques.size(); ++i) rubriques.setChecked(i, lues.rubriques[i].cochee);
  lues.rubriques.clear();
  options = std::move(lues);
}

void Tcvente1::ouvrerubrique() {
  memoR.clear();
  const std::string rubrique = rubriques.selected();
  if (rubriques.itemIndex() < 0) return;
  const std::string nom = fichier(rubrique);
  if (p_.donnees().exists(nom))
    memoR.setLines(platform::LineList::load(p_.chemin(nom)));
  else
    initexte();
}

void Tcvente1::sauverubrique() {
  if (rubriques.itemIndex() < 0) return;
  const std::string nom = fichier(rubriques.selected());
  // ".vub" alone: a section whose name gives no file name keeps no text.
  if (nom.size() <= 4) return;
  memoR.lines().save(p_.chemin(nom));
}

EntreesTexteConditions Tcvente1::entreesTextes() const {
  return {p_.ident().identite,
          denomination.text(),
          produits.text(),
          livraison.text(),
          delai.text(),
          moyen.text(),
          livraisonYES.checked(),
          cb.checked(),
          cc.checked(),
          cheque.checked(),
          mandat.checked(),
          cr.checked(),
          frame::kPageSecurite};
}

void Tcvente1::initexte() {
  memoR.clear();
  if (rubriques.itemIndex() >= 0)
    memoR.setLines(texteParDefaut(rubriques.selected(), entreesTextes()));
  sauverubrique();
}

void Tcvente1::elements() {
  affichage_ = true;
  struct Fin {
    bool& drapeau;
    ~Fin() { drapeau = false; }
  } fin{affichage_};
  importHTM.setChecked(options.cvHTM == "oui");
  livraisonYES.setChecked(options.cvente_livraisonYES == "oui");
  cb.setChecked(options.cvente_cb == "oui");
  cc.setChecked(options.cvente_cc == "oui");
  cheque.setChecked(options.cvente_cheque == "oui");
  mandat.setChecked(options.cvente_mandat == "oui");
  cr.setChecked(options.cvente_cr == "oui");
  denomination.setText(options.cvente_denomination);
  produits.setText(options.cvente_produits);
  livraison.setText(options.cvente_livraison);
  delai.setText(options.cvente_delai);
  moyen.setText(options.cvente_moyen);
  // Colours last: one that is no colour stops the rest.
  Ttitre_color.setBrushColour(design::couleurUi(options.cvente_titre_color));
  Ttexte_color.setBrushColour(design::couleurUi(options.cvente_texte_color));
}

// --- window events ---

void Tcvente1::FormShow() {
  app::Tmain& main = p_.main();
  setBounds(main.left() + main.PageControl1.left() + 14, main.top() + main.PageControl1.top() + 70,
            width(), height());
  p_.ident().chargerIdent();
  ouvre();
  rubriques.setItemIndex(0);
  ouvrerubrique();
  elements();
}

void Tcvente1::FormDeactivate() {
  try {
    sauver();
    // The memo loses no typing when the window is left while it has the focus.
    sauverubrique();
  } catch (const platform::FileError& e) {
    reportError(e);
  }
  p_.main().PageControl1.setActivePage(0);
}

void Tcvente1::ok_boutonClick() { sauver(); }

void Tcvente1::BitBtn2Click() {
  sauver();
  p_.faire_cv1().faire_cv();
  if (p_.donnees().exists("ftp/cv.htm")) p_.shell().open(p_.chemin("ftp/cv.htm").string());
}

void Tcvente1::rubriquesClick() {
  if (rubriques.itemIndex() < 0) return;
  ajouter.setText(rubriques.selected());
  for (ui::Button* b : {&monte, &descend, &panierR}) b->setEnabled(true);
  ouvrerubrique();
}

void Tcvente1::memoRExit() { sauverubrique(); }

void Tcvente1::BajoutClick() {
  const std::string nom = ajouter.text();
  if (nom.empty()) {
    dialogs().showMessage("Il faut écrire un titre à votre rubrique");
    return;
  }
  const std::string fichierNouveau = fichier(nom);
  for (const std::string& existante : rubriques.items()) {
    if (fichier(existante) == fichierNouveau) {
      dialogs().showMessage("Rubrique déjà existante");
      return;
    }
  }
  if (rubriques.count() >= kMaxRubriques) {
    dialogs().showMessage("Trop de rubriques !");
    return;
  }
  // The original file system's rules, and a real try; the file of a section removed earlier
  // proves the name and keeps its text.
  if (fichierNouveau.size() <= 4 || !platform::canCreateFile(p_.donnees().root(), fichierNouveau)) {
    dialogs().showMessage("La rubrique comporte des caractères inacceptés");
    return;
  }
  rubriques.addItem(nom);
  sauver();
}

void Tcvente1::deplacer(int ecart) {
  const int i = rubriques.itemIndex();
  const int j = i + ecart;
  if (i >= 0 && j >= 0 && j < rubriques.count()) {
    std::vector<RubriqueConditions> liste = listeRubriques();
    std::swap(liste[static_cast<size_t>(i)], liste[static_cast<size_t>(j)]);
    std::vector<std::string> noms;
    for (const RubriqueConditions& r : liste) noms.push_back(r.nom);
    rubriques.setItems(std::move(noms));
    for (size_t k = 0; k < liste.size(); ++k) rubriques.setChecked(k, liste[k].cochee);
    rubriques.setItemIndex(j);
  }
  sauver();
}

void Tcvente1::monteClick() { deplacer(-1); }

void Tcvente1::descendClick() { deplacer(1); }

void Tcvente1::panierRClick() {
  const int i = rubriques.itemIndex();
  if (i < 0) return;
  if (estRubriqueOrigine(rubriques.selected())) {
    dialogs().showMessage(
        "Impossible de supprimer une rubrique d'origine (décocher la case ou modifier le texte)");
    return;
  }
  rubriques.deleteItem(static_cast<size_t>(i));
  sauver();
  rubriques.setItemIndex(0);
  // The memo still held the removed section: leaving it would write that text over the first.
  ouvrerubrique();
}

void Tcvente1::BitBtn1Click() { initexte(); }

void Tcvente1::BitBtn3Click() {
  // The shop's own texts go with the others: nothing is replaced without a yes.
  if (!dialogs().askYesNo("Remplacer le texte de toutes les rubriques par les textes par défaut ?"))
    return;
  for (int i = 0; i < rubriques.count(); ++i) {
    rubriques.setItemIndex(i);
    initexte();
  }
}

void Tcvente1::caseClick(ui::CheckBox& boite, std::string& valeur) {
  if (affichage_) return;
  valeur = ouiNon(boite.checked());
  sauver();
}

void Tcvente1::importHTMClick() {
  if (affichage_) return;
  options.cvHTM = "non";
  if (importHTM.checked()) {
    options.cvHTM = "oui";
    if (!p_.donnees().exists("import/cv.htm")) {
      dialogs().showMessage(
          "Aucune page conditions de vente  à importer n'est présent dans le répertoire " +
          p_.chemin("import/cv.htm").string());
      importHTM.setChecked(false);
      options.cvHTM = "non";
    }
  }
  sauver();
}

void Tcvente1::couleurMouseDown(std::string& valeur) {
  if (auto couleur = design::choisirCouleur(ColorDialog1, valeur)) valeur = *couleur;
  elements();
  sauver();
}

void Tcvente1::Ttitre_colorMouseDown() { couleurMouseDown(options.cvente_titre_color); }

void Tcvente1::Ttexte_colorMouseDown() { couleurMouseDown(options.cvente_texte_color); }

}  // namespace infopages
