#pragma once
// The offline catalogue's order-form settings: the record `TOptionsCatalogue` with its file
// catalogue.opt, and the window `Tcatal_ini` whose controls hold it while the program runs (the
// order-form writer reads those controls directly).

#include <string>
#include <variant>
#include <vector>

#include "modele/frame/catal_options.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace frame {

// One line of catalogue.opt: its key, the field it holds and the window control showing it.
struct CleCatalogue {
  const char* cle;
  std::variant<bool TOptionsCatalogue::*, std::string TOptionsCatalogue::*> champ;
  const char* controle;
};
// The 31 keys in file order.
const std::vector<CleCatalogue>& clesCatalogue();

// The 31 lines, check boxes as "oui"/"non", texts as typed.
platform::LineList lignesCatalogue(const TOptionsCatalogue& options);
// Applies a file's lines onto options: keys without regard to case, first line wins; a box
// changes only for "oui" or "non" exactly; a text key with a value sets the text; missing and
// empty keys leave their value (an emptied edit shows its design default again after a restart).
void lireCatalogue(const platform::LineList& lignes, TOptionsCatalogue& options);
// False when catalogue.opt does not exist (options untouched). Throws platform::FileError.
bool chargerCatalogue(const platform::DataFolder& dossier, TOptionsCatalogue& options);
// Rewrites catalogue.opt whole. Throws platform::FileError.
void sauverCatalogue(const platform::DataFolder& dossier, const TOptionsCatalogue& options);

class Tcatal_ini : public ui::Form {
 public:
  explicit Tcatal_ini(app::Programme& programme);

  ui::Label Label1{*this, "Label1", "CATALOGUE HORS LIGNE ELEMENTS DU BON DE COMMANDE"};
  // Layout: the order form's header, its cart, the customer's details and the payments side by
  // side, then the foot of the form. Only the customer's and the payments' groups are captioned.
  ui::GroupBox enteteG{*this, "enteteG", ""};
  ui::GroupBox panierG{*this, "panierG", ""};
  ui::CheckBox logoC{enteteG, "logoC", "Logo"};
  ui::CheckBox titreC{enteteG, "titreC", "Titre"};
  ui::Edit titreE{enteteG, "titreE"};
  ui::Label panierL{panierG, "panierL", "Titre du panier"};
  ui::Edit panierE{panierG, "panierE"};
  ui::Label produitsL{panierG, "produitsL", "Dénomination"};
  ui::Edit produitsE{panierG, "produitsE"};
  ui::Label quantiteL{panierG, "quantiteL", "Quantité"};
  ui::Edit quantiteE{panierG, "quantiteE"};
  ui::CheckBox uniqueC{panierG, "uniqueC", "Unique"};
  ui::CheckBox portC{panierG, "portC", "Frais de port"};
  ui::Edit portE{panierG, "portE"};
  ui::CheckBox plC{panierG, "plC", "Libre"};
  ui::Edit fraispE{panierG, "fraispE"};
  ui::GroupBox identificationG{*this, "identificationG", "Identification Client"};
  ui::CheckBox clientC{identificationG, "clientC", "N° Client"};
  ui::CheckBox paysC{identificationG, "paysC", "Pays"};
  ui::CheckBox faxC{identificationG, "faxC", "Fax"};
  ui::CheckBox obsC{identificationG, "obsC", "Observations"};
  ui::GroupBox paiementG{*this, "paiementG", "Paiement Clients"};
  ui::CheckBox cbC{paiementG, "cbC", "Cartes Bancaires"};
  ui::CheckBox cryptoC{paiementG, "cryptoC", "Cryptogramme"};
  ui::CheckBox chequeC{paiementG, "chequeC", "Chèque"};
  ui::CheckBox crC{paiementG, "crC", "Contre remboursement"};
  ui::Edit crE{paiementG, "crE"};
  ui::CheckBox mandatC{paiementG, "mandatC", "Mandat Postal"};
  ui::CheckBox autre1C{paiementG, "autre1C", "Autre "};
  ui::Edit autre1E{paiementG, "autre1E"};
  ui::CheckBox autre2C{paiementG, "autre2C", "Autre"};
  ui::Edit autre2E{paiementG, "autre2E"};
  ui::CheckBox autre3C{paiementG, "autre3C", "Autre"};
  ui::Edit autre3E{paiementG, "autre3E"};
  ui::GroupBox basG{*this, "basG", ""};
  ui::CheckBox observationsC{basG, "observationsC", "Observations"};
  ui::Edit observationsE{basG, "observationsE"};
  ui::CheckBox dateC{basG, "dateC", "Date"};
  ui::Label mentionL{basG, "mentionL", "Mention"};
  ui::Edit mentionE{basG, "mentionE"};
  ui::Button BitBtn1{*this, "BitBtn1", "OK"};

  // The controls' values as a record, and back.
  TOptionsCatalogue valeurs() const;
  void afficher(const TOptionsCatalogue& options);

  // Writes catalogue.opt from the controls. Throws platform::FileError.
  void sauver();
  // Reads catalogue.opt into the controls; a missing file leaves them as they are, and so does
  // a save refused since the last one accepted.
  void ouvre();
  // What the build publishes: the controls, or the file while they hold a refused entry.
  TOptionsCatalogue publiees() const;

  void FormActivate();
  void FormDeactivate();
  void FormClose();
  void BitBtn1Click();

 private:
  // sauver() for the window's own handlers: a failure is told, the controls keep their values.
  bool sauverEnSignalant();
  // catalogue.opt over the defaults. Throws platform::FileError.
  TOptionsCatalogue enregistrees() const;

  app::Programme& p_;
  bool saisieRefusee_ = false;
};

}  // namespace frame
