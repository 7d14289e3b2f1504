#include "fenetres/frame/catal_index.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/programme.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace frame {

namespace {

using O = TOptionsCatalogue;

const char* const kFichier = "catalogue.opt";

}  // namespace

const std::vector<CleCatalogue>& clesCatalogue() {
  // Key 12 keeps the name numC although its box is clientC; plC keeps its final C.
  static const std::vector<CleCatalogue> cles = {
      {"logo", &O::logo, "logoC"},
      {"titre", &O::titre, "titreC"},
      {"titreE", &O::titreE, "titreE"},
      {"panierE", &O::panierE, "panierE"},
      {"produitsE", &O::produitsE, "produitsE"},
      {"quantiteE", &O::quantiteE, "quantiteE"},
      {"unique", &O::unique, "uniqueC"},
      {"port", &O::port, "portC"},
      {"portE", &O::portE, "portE"},
      {"plC", &O::plC, "plC"},
      {"fraispE", &O::fraispE, "fraispE"},
      {"numC", &O::numC, "clientC"},
      {"pays", &O::pays, "paysC"},
      {"fax", &O::fax, "faxC"},
      {"obs", &O::obs, "obsC"},
      {"cb", &O::cb, "cbC"},
      {"crypto", &O::crypto, "cryptoC"},
      {"cheque", &O::cheque, "chequeC"},
      {"cr", &O::cr, "crC"},
      {"crE", &O::crE, "crE"},
      {"mandat", &O::mandat, "mandatC"},
      {"autre1", &O::autre1, "autre1C"},
      {"autre1E", &O::autre1E, "autre1E"},
      {"autre2", &O::autre2, "autre2C"},
      {"autre2E", &O::autre2E, "autre2E"},
      {"autre3", &O::autre3, "autre3C"},
      {"autre3E", &O::autre3E, "autre3E"},
      {"observations", &O::observations, "observationsC"},
      {"observationsE", &O::observationsE, "observationsE"},
      {"date", &O::date, "dateC"},
      {"mentionE", &O::mentionE, "mentionE"},
  };
  return cles;
}

platform::LineList lignesCatalogue(const TOptionsCatalogue& options) {
  platform::LineList lignes;
  for (const CleCatalogue& c : clesCatalogue()) {
    std::string valeur;
    if (auto* b = std::get_if<bool O::*>(&c.champ))
      valeur = options.**b ? "oui" : "non";
    else
      valeur = options.*std::get<std::string O::*>(c.champ);
    lignes.add(std::string(c.cle) + "=" + valeur);
  }
  return lignes;
}

void lireCatalogue(const platform::LineList& lignes, TOptionsCatalogue& options) {
  for (const CleCatalogue& c : clesCatalogue()) {
    // Missing and empty keys leave their control as it is; but an emptied shipping box was
    // saved on purpose: it charges 0 and stays empty.
    std::string valeur = lignes.value(c.cle);
    if (valeur.empty() && !(std::string_view(c.cle) == "portE" && lignes.hasName(c.cle))) continue;
    if (auto* b = std::get_if<bool O::*>(&c.champ)) {
      // Values are compared exactly: "OUI" leaves the box as it was.
      if (valeur == "oui")
        options.**b = true;
      else if (valeur == "non")
        options.**b = false;
    } else {
      options.*std::get<std::string O::*>(c.champ) = valeur;
    }
  }
}

bool chargerCatalogue(const platform::DataFolder& dossier, TOptionsCatalogue& options) {
  if (!dossier.exists(kFichier)) return false;
  lireCatalogue(platform::LineList::load(dossier.path(kFichier)), options);
  return true;
}

void sauverCatalogue(const platform::DataFolder& dossier, const TOptionsCatalogue& options) {
  lignesCatalogue(options).save(dossier.path(kFichier));
}

Tcatal_ini::Tcatal_ini(app::Programme& programme)
    : ui::Form(programme.application(), "Tcatal_ini", "catal_ini"), p_(programme) {
  setCaption("Catalogue hors ligne");
  // Fixed widths make the rows: a caption and its field, two pairs a row in the wide groups.
  using ui::kLineHeight;
  using ui::setSize;
  setBounds(left(), top(), 520, height());
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &enteteG, &panierG, &basG})
    setSize(*c, 494);
  setSize(titreE, 250);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&panierL, &quantiteL, &portC, &dateC})
    setSize(*c, 110, kLineHeight);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&produitsL, &plC, &mentionL})
    setSize(*c, 90, kLineHeight);
  for (ui::Edit* e : {&panierE, &quantiteE, &portE}) setSize(*e, 130);
  for (ui::Edit* e : {&produitsE, &fraispE}) setSize(*e, 140);
  setSize(uniqueC, 234, kLineHeight);
  setSize(identificationG, 240);
  for (ui::CheckBox* c : {&clientC, &paysC, &faxC, &obsC}) setSize(*c, 112);
  setSize(paiementG, 250);
  for (ui::CheckBox* c : {&cbC, &cryptoC}) setSize(*c, 117);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&chequeC, &crC, &crE, &mandatC})
    setSize(*c, 238);
  for (ui::CheckBox* c : {&autre1C, &autre2C, &autre3C}) setSize(*c, 60, kLineHeight);
  for (ui::Edit* e : {&autre1E, &autre2E, &autre3E}) setSize(*e, 174);
  setSize(observationsC, 110, kLineHeight);
  setSize(observationsE, 368);
  setSize(mentionE, 274);
  setSize(BitBtn1, 75);
  afficher(TOptionsCatalogue{});
  onActivate = [this] { FormActivate(); };
  onDeactivate = [this] { FormDeactivate(); };
  onClose = [this] { FormClose(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
}

TOptionsCatalogue Tcatal_ini::valeurs() const {
  TOptionsCatalogue options;
  for (const CleCatalogue& c : clesCatalogue()) {
    if (auto* b = std::get_if<bool O::*>(&c.champ))
      options.**b = find<ui::CheckBox>(c.controle)->checked();
    else
      options.*std::get<std::string O::*>(c.champ) = find<ui::Edit>(c.controle)->text();
  }
  return options;
}

void Tcatal_ini::afficher(const TOptionsCatalogue& options) {
  for (const CleCatalogue& c : clesCatalogue()) {
    if (auto* b = std::get_if<bool O::*>(&c.champ))
      find<ui::CheckBox>(c.controle)->setChecked(options.**b);
    else
      find<ui::Edit>(c.controle)->setText(options.*std::get<std::string O::*>(c.champ));
  }
}

void Tcatal_ini::sauver() { sauverCatalogue(p_.donnees(), valeurs()); }

void Tcatal_ini::ouvre() {
  // A save refused: the controls keep what was typed until it is corrected or cancelled.
  if (saisieRefusee_) return;
  TOptionsCatalogue options = valeurs();
  if (chargerCatalogue(p_.donnees(), options)) afficher(options);
}

TOptionsCatalogue Tcatal_ini::enregistrees() const {
  TOptionsCatalogue options;
  chargerCatalogue(p_.donnees(), options);
  return options;
}

TOptionsCatalogue Tcatal_ini::publiees() const {
  // A refused entry was never saved: the site keeps what was accepted.
  return saisieRefusee_ ? enregistrees() : valeurs();
}

bool Tcatal_ini::sauverEnSignalant() {
  // The box keeps what was typed; the file keeps what was accepted.
  if (auto refus = refusCatalogue(valeurs(), p_.ident().identite.dev1)) {
    saisieRefusee_ = true;
    p_.dialogs().showMessage(*refus);
    return false;
  }
  try {
    sauver();
    saisieRefusee_ = false;
    return true;
  } catch (const platform::FileError& e) {
    reportError(e);
    return false;
  }
}

void Tcatal_ini::FormActivate() {
  try {
    ouvre();
  } catch (const platform::FileError& e) {
    reportError(e);
  }
}

void Tcatal_ini::FormDeactivate() { sauverEnSignalant(); }

void Tcatal_ini::FormClose() {
  // Closed with a value it refuses: the edits are cancelled, the window shows the file again.
  if (!refusCatalogue(valeurs(), p_.ident().identite.dev1)) return;
  saisieRefusee_ = false;
  afficher(enregistrees());
}

void Tcatal_ini::BitBtn1Click() {
  if (sauverEnSignalant()) close();
}

}  // namespace frame
