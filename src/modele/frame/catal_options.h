#pragma once
// The offline catalogue's order-form settings as a record, read by the order-form writer.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace frame {

// Member initialisers are the window's design defaults.
struct TOptionsCatalogue {
  bool logo = false;
  bool titre = true;
  std::string titreE = "BON DE COMMANDE";
  std::string panierE = "Votre Commande";
  std::string produitsE = "Produits";
  std::string quantiteE = "1";
  bool unique = false;
  bool port = false;
  std::string portE = "4";
  bool plC = false;
  std::string fraispE = "Participation frais d'envoi";
  bool numC = false;
  bool pays = true;
  bool fax = false;
  bool obs = true;
  bool cb = true;
  bool crypto = false;
  bool cheque = true;
  bool cr = false;
  std::string crE = "Frais à votre charge";
  bool mandat = false;
  bool autre1 = false;
  std::string autre1E = "A préciser";
  bool autre2 = false;
  std::string autre2E = "A préciser";
  bool autre3 = false;
  std::string autre3E = "A préciser";
  bool observations = false;
  std::string observationsE;
  bool date = true;
  std::string mentionE = "Signature :";

  bool operator==(const TOptionsCatalogue&) const = default;
};

}  // namespace frame

namespace frame {

// The shipping amount the frameset and the order form both charge, as a plain number: the stored
// amount ("4 €" in a shop whose currency reads "€ TTC" gives "4", "12,999" gives "13,00"); "0"
// when shipping is not ticked, the box is empty or holds no amount.
std::string montantPort(const TOptionsCatalogue& c, std::string_view devise);
// The quantity of a line that has none, as the form counts it: the stored text's leading whole
// number ("2 pièces" gives "2"), "1" when it has none from 1.
std::string quantiteDefaut(const TOptionsCatalogue& c);
// The refusal of a typed quantity or shipping amount: "La quantité 1 ex. n'est pas un nombre
// entier d'articles"; none when both are accepted (an empty shipping box is 0). The shipping is
// read in the shop's currency `devise`.
std::optional<std::string> refusCatalogue(const TOptionsCatalogue& c, std::string_view devise);
// The stored values refusCatalogue would refuse, named for the build's message: "la quantité
// du catalogue hors ligne (1 ex.)"; shipping only when it is ticked.
std::vector<std::string> catalogueIllisible(const TOptionsCatalogue& c, std::string_view devise);

}  // namespace frame
