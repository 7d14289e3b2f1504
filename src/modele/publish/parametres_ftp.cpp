#include "modele/publish/parametres_ftp.h"

#include "modele/publish/brouillage.h"
#include "modele/publish/empreintes_miroir.h"

#include <filesystem>

namespace publish {

namespace {

std::string nomDuChamp(const std::string& ligne) {
  std::string nom = ligne.substr(0, ligne.find('='));
  if (nom == "host") return "Serveur";
  if (nom == "port") return "Port";
  if (nom == "user") return "Utilisateur";
  if (nom == "pass") return "Mot de passe";
  if (nom == "rep") return "Répertoire";
  return nom;
}

}  // namespace

platform::LineList lignesParametresFTP(const TParametresFTP& p) {
  return {"host=" + p.host, "port=" + p.port, "user=" + p.user, "pass=" + p.pass, "rep=" + p.rep};
}

platform::LineList crypterLignes(const platform::LineList& claires) {
  platform::LineList cryptees;
  for (const auto& ligne : claires) {
    std::string crypte = crypter(ligne);
    // The value itself is never shown: only the name of its field.
    if (crypte.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
      throw platform::FileError("Le champ « " + nomDuChamp(ligne) +
                                " » contient un caractère qui ne peut pas être enregistré. "
                                "Les informations n'ont pas été enregistrées.");
    cryptees.add(std::move(crypte));
  }
  return cryptees;
}

void sauverParametresFTP(const platform::DataFolder& dossier, const TParametresFTP& parametres) {
  platform::LineList lignes = crypterLignes(lignesParametresFTP(parametres));
  const auto fichier = dossier.path("var.opt");
  lignes.save(fichier, platform::Access::owner);
}

std::optional<std::string> migrerAncienFichierFTP(const platform::DataFolder& dossier) {
  const auto ancien = dossier.path("ftp.opt");
  if (!platform::fileExists(ancien)) return std::nullopt;
  try {
    platform::LineList lignes = platform::LineList::load(ancien);
    if (lignes.empty()) return std::nullopt;
    const platform::LineList cryptees = crypterLignes(lignes);
    // The place of the account saved until now must not pass to the one the old file brings.
    garderLieuAncien(dossier);
    cryptees.save(dossier.path("var.opt"), platform::Access::owner);
  } catch (const platform::FileError& e) {
    return std::string(e.what());
  }
  if (!platform::removeFile(ancien))
    return "ERREUR Impossible de supprimer l'ancien fichier " + ancien.string();
  return std::nullopt;
}

void chargerParametresFTP(const platform::DataFolder& dossier, TParametresFTP& parametres) {
  const auto fichier = dossier.path("var.opt");
  if (!platform::fileExists(fichier)) return;
  platform::LineList lignes;
  for (const auto& ligne : platform::LineList::load(fichier)) lignes.add(decrypter(ligne));
  if (lignes.empty()) return;
  const std::pair<const char*, std::string TParametresFTP::*> champs[] = {
      {"host", &TParametresFTP::host}, {"port", &TParametresFTP::port},
      {"user", &TParametresFTP::user}, {"pass", &TParametresFTP::pass},
      {"rep", &TParametresFTP::rep}};
  // A value saved empty is the account's too: a folder typed over it must not outlive a close.
  for (const auto& [nom, champ] : champs)
    if (lignes.hasName(nom)) parametres.*champ = lignes.value(nom);
}

}  // namespace publish
