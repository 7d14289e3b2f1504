#pragma once
// The offline catalogue's order-form settings as a record, read by the order-form writer.

#include <string>

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
