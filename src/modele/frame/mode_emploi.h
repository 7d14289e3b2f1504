#pragma once
// The shopper's help page ftp/emploi.htm: a fixed French text with the shop's names, the payment
// means of the conditions of sale and the links of the layout. In the frameset layout a whole
// page that reloads the site when opened alone; in the single-page layout a fragment that the
// preview wraps into the page frame.

#include <string>

#include "platform/lines.h"

namespace frame {

struct EntreesModeEmploi {
  bool frames = false;  // the frameset layout
  std::string police_defaut, coul_scroll;
  std::string nomB, nomE, email;  // identity
  std::string lienAccueil;        // the home page link
  std::string cvente_cb, cvente_cheque, cvente_mandat, cvente_cr, cvente_cc;
  std::string cibleLiens;       // target of the bank-card link
  std::string pageSecurite;     // the maker's secure payment script
};

platform::LineList pageModeEmploi(const EntreesModeEmploi& e);

}  // namespace frame
