#include "modele/app/annexes_fiche.h"

#include "modele/app/fiche_produit.h"
#include "platform/text.h"

namespace app {

using platform::DataFolder;
using platform::LineList;

LineList chargerAnnexe(const DataFolder& dossier, std::string_view nom) {
  if (!dossier.exists(nom)) return {};
  return LineList::load(dossier.path(nom));
}

LineList nettoyerListePrix(const LineList& lignes) {
  LineList propres;
  for (const std::string& ligne : lignes) {
    std::string l = platform::trim(ligne);
    if (!l.empty()) propres.add(nettoyerTexteFiche(l));
  }
  return propres;
}

bool sauverListePrix(const DataFolder& dossier, std::string_view nom, const LineList& lignes) {
  // Blank lines alone would leave an empty list on the order form.
  LineList propres = nettoyerListePrix(lignes);
  if (propres.empty()) return false;
  propres.save(dossier.path(nom));
  return true;
}

bool supprimerAnnexe(const DataFolder& dossier, std::string_view nom) {
  if (!dossier.exists(nom)) return false;
  if (!platform::removeFile(dossier.path(nom)))
    throw platform::FileError("Impossible de supprimer " + std::string(nom));
  return true;
}

void sauverTaillesFiche(const DataFolder& dossier, std::string_view reference,
                        const LineList& tailles) {
  tailles.save(dossier.path(std::string(reference) + "tailles.txt"));
}

std::string fichierHabillageGauche(std::string_view nom) { return std::string(nom) + ".txt"; }
std::string fichierHabillageDroite(std::string_view nom) { return std::string(nom) + "d.txt"; }

std::string sauverHabillage(const DataFolder& dossier, std::string_view fichier,
                            const LineList& lignes) {
  const auto chemin = dossier.path(fichier);
  if (!lignes.empty()) {
    lignes.save(chemin);
    return chemin.string() + " enregistré";
  }
  supprimerAnnexe(dossier, fichier);
  return chemin.string() + " supprimé";
}

}  // namespace app
