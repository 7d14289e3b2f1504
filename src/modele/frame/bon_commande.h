#pragma once
// The offline catalogue's printable order form ftp/boncommande.htm, its start script go.bat and
// the disc's autorun.inf. The form's price, shipping and VAT scripts come from the shop's own
// settings import/calculs.ini, import/poids.ini and the tariff files they name.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modele/frame/catal_options.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace frame {

// import/calculs.ini; values as stored.
struct TOptionsTVA {
  std::string taux_tva, appli_tva, tva_port, appli_tva_port, maxi_port;
};

// import/poids.ini; values trimmed.
struct TOptionsPoids {
  std::string calculpoids, codeT, ma_livraison, codeTV, ma_livraisonV;
  std::string pallier, tarifS, pallier1S, tarif1S, pallier2S, tarif2S;
  std::string codeTSurgele, tarif002, tarif004, tarifsurgele;
  std::string libellecongel, libelleaqua, Kdescription, Kpu, Kaisse;
};

// A tariff file: its name and its "weight=price" lines; no lines, no table.
struct TGrilleTarif {
  std::string nom;
  platform::LineList lignes;
};

struct ReglagesCalcul {
  TOptionsTVA tva;
  TOptionsPoids poids;
  TGrilleTarif grilles[3];  // tarif002, tarif004, tarifsurgele
};

// Reads the settings files of import/ (missing ones leave every value empty). Throws FileError.
ReglagesCalcul lireReglagesCalcul(const platform::DataFolder& dossier);

// A tariff line as the form reads it: its key (a weight, or "max") and its price read as every
// amount is, "500=4,50" giving "500=4.50"; none for a line that is no such pair, a blank one too.
std::optional<std::string> palierTarif(std::string_view ligne);
// The lines of the tariff files that palierTarif refuses, blank lines left aside, each named
// with its file for the build's message: "tarif.txt (500=4,5x)".
std::vector<std::string> tarifsIllisibles(const ReglagesCalcul& reglages);

struct EntreesBonCommande {
  TOptionsCatalogue catalogue;  // the controls of Tcatal_ini
  ReglagesCalcul calcul;
  bool frames = false;
  std::string accueilHTM;
  std::string police_defaut, coul_scroll;
  bool secondeDevise = false;  // Tident.dev2C
  std::string dev1, dev2, taux;
  std::string nomB, nomE, capital, rue, codepostal, pays, tel, fax, email, siret, ape;
  std::string boutiqueADR, entADR, capADR, rueADR, cpADR, paysADR, telADR, faxADR, eADR,
      siretADR, apeADR;
};

platform::LineList pageBonCommande(const EntreesBonCommande& e);
// The frameset's keeper of the cart's copies for its frames opened from disc (a script block).
platform::LineList scriptGardeCadres();
// The computing pieces of the form, each a list of script lines.
platform::LineList scriptCalculs(const EntreesBonCommande& e);       // the head's functions
platform::LineList declarationsCalculs(const EntreesBonCommande& e); // start of the rows script
platform::LineList calculLigne(const EntreesBonCommande& e);        // inside a row, slot i
platform::LineList totauxCalculs(const EntreesBonCommande& e);      // after the last row

platform::LineList lignesGoBat();
platform::LineList lignesAutorun();

// A settings value as a script number: "," read as ".", anything not a number gives 0.
std::string nombreScript(std::string_view valeur);
// A settings amount (a threshold, a supplement, a package's price) in whole cents, as the form
// counts: "1,5" gives "150".
std::string centimesScript(std::string_view valeur);
// A quoted script text that cannot end its script block.
std::string texteScript(std::string_view valeur);

}  // namespace frame
