#include "modele/app/nouveautes.h"

#include "modele/app/fiche_produit.h"
#include "platform/text.h"

namespace app {

namespace {

using platform::DataFolder;
using platform::LineList;
using platform::trim;

// A name read from a file or typed that would leave the data folder names no file.
std::optional<std::filesystem::path> chemin(const DataFolder& dossier, std::string_view nom) {
  if (!platform::safeRelativePath(nom)) return std::nullopt;
  return dossier.path(nom);
}

bool existe(const DataFolder& dossier, std::string_view nom) {
  auto c = chemin(dossier, nom);
  return c && platform::fileExists(*c);
}

std::string apresNom(std::string_view liaison, std::string_view nom) {
  return nom.empty() ? std::string() : std::string(liaison) + std::string(nom);
}

}  // namespace

std::optional<TReglagesNouveautes> chargerReglagesNouveautes(const DataFolder& dossier) {
  if (!dossier.exists("newprod.ini")) return std::nullopt;
  LineList ini = LineList::load(dossier.path("newprod.ini"));
  return TReglagesNouveautes{trim(ini.value("max")), trim(ini.value("multi"))};
}

int TListeNouveautes::derniereLigne(std::string_view reference) const {
  const std::string cherche = trim(reference);
  for (size_t i = lignes.size(); i-- > 0;)
    if (trim(lignes[i]) == cherche) return static_cast<int>(i);
  return -1;
}

std::string fichierListeNouveautes(std::string_view nom) {
  return nom.empty() ? std::string("newprodrefs.new") : std::string(nom) + "refs.new";
}

TListeNouveautes chargerListeNouveautes(const DataFolder& dossier, std::string_view nom) {
  TListeNouveautes liste{fichierListeNouveautes(nom), {}};
  if (existe(dossier, liste.fichier)) liste.lignes = LineList::load(dossier.path(liste.fichier));
  return liste;
}

std::vector<std::string> basculerNouveaute(const DataFolder& dossier, const EntreesNouveaute& e) {
  const std::string& ref = e.reference;
  if (ref.empty() || !existe(dossier, nomFichierFiche(ref))) return {"Reference inexistante"};
  auto reglages = chargerReglagesNouveautes(dossier);
  if (!reglages) return {"Le fichier newprod.ini est introuvable : aucune liste de nouveautés"};
  // A limit below 1 would rotate an empty list: refused like a limit that is not a number.
  auto max = platform::toInteger(reglages->max);
  if (!max || *max < 1)
    return {"La valeur max de newprod.ini doit être un nombre entier supérieur à 0 : '" +
            reglages->max + "'"};
  std::string nom;
  if (!reglages->multi.empty()) {
    if (e.nomListe.empty()) return {};
    nom = e.nomListe;
  }

  TListeNouveautes liste = chargerListeNouveautes(dossier, nom);
  std::vector<std::string> messages;
  if (int i = liste.derniereLigne(ref); i >= 0) {
    liste.lignes.erase(static_cast<size_t>(i));
    messages.push_back(ref + " supprimées des nouveautés" + apresNom(" de ", nom));
  } else {
    // The image is checked before the rotation: a refused sheet never costs the oldest product.
    if (!e.avecImage) return {"Image obligatoire"};
    if (static_cast<long long>(liste.lignes.size()) == *max) {
      messages.push_back(trim(liste.lignes[0]) + " supprimée [trop de nouveautés]" +
                         apresNom(" dans ", nom));
      liste.lignes.erase(0);
    }
    liste.lignes.add(ref);
    const auto nombre = static_cast<long long>(liste.lignes.size());
    messages.push_back(ref + " ajoutée. " + platform::fromInteger(nombre) + " nouveautés sur " +
                       reglages->max + apresNom(" pour ", nom));
  }
  liste.lignes.save(dossier.path(liste.fichier));
  return messages;
}

std::string legendeNouveaute(const DataFolder& dossier, std::string_view nom,
                             std::string_view reference) {
  const bool present = chargerListeNouveautes(dossier, nom).contient(reference);
  if (nom.empty()) return present ? "Supprimer des nouveautés" : "Ajouter aux nouveautés";
  return (present ? "Supprimer de " : "Ajouter à ") + std::string(nom);
}

EtatNouveautes preparerNouveautes(const DataFolder& dossier, std::string_view reference) {
  EtatNouveautes etat;
  auto reglages = chargerReglagesNouveautes(dossier);
  if (!reglages) return etat;
  if (reglages->multi.empty()) {
    if (!dossier.exists("newprod.ref")) return etat;
    etat.bouton = true;
    etat.legende = legendeNouveaute(dossier, "", reference);
    return etat;
  }
  if (!existe(dossier, reglages->multi)) return etat;
  for (const std::string& ligne : LineList::load(dossier.path(reglages->multi))) {
    std::string nom = trim(ligne);
    if (!nom.empty() && existe(dossier, nom + ".ref")) etat.noms.push_back(std::move(nom));
  }
  if (etat.noms.empty()) return etat;
  etat.bouton = etat.listes = true;
  etat.choix = 0;
  etat.legende = "Ajouter à " + etat.noms[0];
  for (size_t i = 0; i < etat.noms.size(); ++i)
    if (chargerListeNouveautes(dossier, etat.noms[i]).contient(reference)) {
      etat.choix = static_cast<int>(i);
      etat.legende = "Supprimer de " + etat.noms[i];
    }
  return etat;
}

}  // namespace app
