// The sheet reader and writer: what the writer writes reads back to the same sheet, and writing
// it again gives the same lines.

#include <cstdint>

#include "fuzz_check.h"
#include "modele/app/fiche_produit.h"
#include "platform/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto lignes = platform::LineList::fromText(fuzz::text(data, size));
  const app::TFicheProduit fiche = app::lireFicheProduit(lignes);
  const platform::LineList ecrite = app::ecrireFicheProduit(fiche);
  const app::TFicheProduit relue = app::lireFicheProduit(platform::LineList::fromText(ecrite.text()));
  FUZZ_CHECK(app::ecrireFicheProduit(relue) == ecrite);

  app::TFicheProduit editeur;
  app::lireFicheEditeur(lignes, editeur);
  (void)app::poidsDuTexte(fiche.description);
  (void)app::texteAvecPoids(fiche.description, fiche.prix);
  FUZZ_CHECK(app::nettoyerTexteFiche(fiche.description).find('#') == std::string::npos);
  return 0;
}
