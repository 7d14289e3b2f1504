#pragma once
// A started program on a temporary shop folder with the identity set, and the helpers the card
// tests share: sheet files and the card written for a reference.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/pages/faire_vignette.h"
#include "platform/lines.h"
#include "support/programme_test.h"

namespace pages::test {

struct AtelierCartes {
  testing_support::ProgrammeDeTest t;

  // Files that the start-up reads go in before start(): options, identity.
  explicit AtelierCartes(std::string_view tarvio = "") {
    t.dossier.write("ident.opt", "nomE=Boutique\r\nlogin=shop\r\next=7\r\ndev2=\r\n");
    if (!tarvio.empty()) t.dossier.write("tarvio.ini", tarvio);
  }
  void demarrer() { t.demarrer(); }
  app::Programme& p() { return t.p(); }
  Tvignette1& v() { return t.p().vignette1(); }

  // A sheet from its lines (CR LF added).
  void fiche(std::string_view reference, std::vector<std::string> lignes) {
    write(std::string(reference) + ".ref", lignes);
  }
  void write(std::string_view nom, const std::vector<std::string>& lignes) {
    t.dossier.write(nom, platform::LineList(lignes).text());
  }
  // The card of a reference: the text of vignette.htm, "" when no card was written.
  std::string carte(std::string_view reference) {
    v().referenceCarte = std::string(reference);
    const auto lignes = v().faireVignette();
    return lignes ? lignes->text() : "";
  }
  std::vector<std::string> lignes(std::string_view reference) {
    return platform::LineList::fromText(carte(reference)).lines();
  }
};

}  // namespace pages::test
