#pragma once
// New-product lists: newprod.ini (read, never written), the single list newprodrefs.new or the
// named lists <name>refs.new, oldest reference first, each held to `max` lines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/lines.h"

namespace app {

// The keys of newprod.ini this side uses (the others are the new-product pages' own).
struct TReglagesNouveautes {
  std::string max;    // trimmed text
  std::string multi;  // "" in the single-list mode, else the file naming the lists
};
// nullopt when newprod.ini is missing.
std::optional<TReglagesNouveautes> chargerReglagesNouveautes(const platform::DataFolder& dossier);

// One list file. Lines are compared trimmed.
struct TListeNouveautes {
  std::string fichier;
  platform::LineList lignes;
  int derniereLigne(std::string_view reference) const;  // -1 when absent
  bool contient(std::string_view reference) const { return derniereLigne(reference) >= 0; }
};
// "newprodrefs.new" for the single list (nom empty), "<nom>refs.new" for a named one.
std::string fichierListeNouveautes(std::string_view nom);
// Empty when the file is missing or its name would leave the data folder.
TListeNouveautes chargerListeNouveautes(const platform::DataFolder& dossier, std::string_view nom);

// A click of the new-product button: the current sheet's reference (trimmed), whether it has an
// image, the chosen list ("" for the single list). The messages to show, in order; the list file
// is written only when it changed.
struct EntreesNouveaute {
  std::string reference;
  bool avecImage = false;
  std::string nomListe;
};
std::vector<std::string> basculerNouveaute(const platform::DataFolder& dossier,
                                           const EntreesNouveaute& e);

// What the sheet tab shows for the current reference: the button (and its caption), and in the
// named-list mode the names offered and the one chosen.
struct EtatNouveautes {
  bool bouton = false;
  bool listes = false;
  std::vector<std::string> noms;
  int choix = -1;
  std::string legende;
};
EtatNouveautes preparerNouveautes(const platform::DataFolder& dossier, std::string_view reference);
// The button's caption for a list ("" for the single list): what the next click does with the
// reference.
std::string legendeNouveaute(const platform::DataFolder& dossier, std::string_view nom,
                             std::string_view reference);

}  // namespace app
