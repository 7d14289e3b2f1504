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

// The form counts in whole numbers, exact up to 2^53: amounts in cents, rates in ten-thousandths
// of a percent, weights in thousandths. Each is read as every amount is (lireMontant), never
// below 0; none for an empty value, one that is no such number or one too large to count.
// A settings amount (a threshold, a supplement, a package's price): "4,35" gives 435; none too
// for more than two decimals.
std::optional<long long> centimesReglage(std::string_view valeur);
// A rate in percent, with or without its sign: "5,5" and "5,5 %" give 55000, rounded half up
// past four decimals.
std::optional<long long> tauxReglage(std::string_view valeur);
// A weight, of a tariff's tier or of a product's mark, its letters and signs left aside:
// "1,5" and "1.5kg" give 1500, "250k" 250000, rounded half up past three decimals. The form's
// `lire_poids` reads a mark by the same rule.
std::optional<long long> poidsLu(std::string_view valeur);

// A tariff line as the form reads it: its key ("max" or a weight, poidsLu) and its price
// (centimesReglage), "1,5=4,50" giving "1500=450"; none for a line that is no such pair, a blank
// one too.
std::optional<std::string> palierTarif(std::string_view ligne);
// What the form cannot read of the settings, each named with its file for the build's message:
// the amounts of calculs.ini and poids.ini that are not read as above, "poids.ini (pallier1S=NaN)",
// and the lines of the tariff files that palierTarif refuses, blank lines left aside,
// "tarif.txt (500=4,5x)". The form counts such a value as absent and leaves such a line out.
std::vector<std::string> reglagesIllisibles(const ReglagesCalcul& reglages);
// The VAT rates that apply and are not read, "calculs.ini (taux_tva=abc)", counted 0 %, and the
// build's message that names them.
std::vector<std::string> tauxIllisibles(const ReglagesCalcul& reglages);
std::string messageTauxIllisibles(const std::vector<std::string>& noms);

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
// A quoted script text that cannot end its script block.
std::string texteScript(std::string_view valeur);

}  // namespace frame
