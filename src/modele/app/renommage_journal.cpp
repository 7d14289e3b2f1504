#include "modele/app/renommage_journal.h"

#include <algorithm>

#include "modele/app/fiche_produit.h"
#include "platform/text.h"

namespace app {

namespace {

namespace fs = std::filesystem;
using Sorte = EtapeRenommage::Sorte;
using platform::DataFolder, platform::FileError, platform::LineList;

LineList formater(const std::vector<EtapeRenommage>& etapes) {
  LineList l;
  for (const auto& e : etapes) {
    switch (e.sorte) {
      case Sorte::renommer:
      case Sorte::copier:
        l.add((e.sorte == Sorte::renommer ? "renommer=" : "copier=") + e.fichier + "\t" + e.cible);
        break;
      case Sorte::valeur:
        // The old value last: it is taken as read, blanks and all.
        l.add("valeur=" + e.fichier + "\t" + e.cle + "\t" + e.nouvelle + "\t" + e.ancienne);
        break;
      case Sorte::liste:
        l.add("liste=" + e.fichier);
        for (const auto& a : e.avant) l.add("-" + a);
        for (const auto& a : e.apres) l.add("+" + a);
        break;
    }
  }
  l.add("fin");
  return l;
}

// The fields of a line between tabs; the last takes the rest of the line.
std::optional<std::vector<std::string>> champs(std::string_view texte, size_t nombre) {
  std::vector<std::string> c;
  while (c.size() + 1 < nombre) {
    const size_t tab = texte.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    c.emplace_back(texte.substr(0, tab));
    texte.remove_prefix(tab + 1);
  }
  c.emplace_back(texte);
  return c;
}

std::vector<EtapeRenommage> lire(const LineList& lignes) {
  const FileError endommage(std::string("Le fichier ") + nomJournalRenommage +
                            " est endommagé : le changement de nom interrompu ne peut pas être "
                            "achevé.");
  std::vector<EtapeRenommage> etapes;
  bool fin = false;
  for (const auto& ligne : lignes) {
    if (fin) throw endommage;
    if (ligne == "fin") {
      fin = true;
      continue;
    }
    if (!ligne.empty() && (ligne[0] == '-' || ligne[0] == '+')) {
      if (etapes.empty() || etapes.back().sorte != Sorte::liste) throw endommage;
      (ligne[0] == '-' ? etapes.back().avant : etapes.back().apres).push_back(ligne.substr(1));
      continue;
    }
    const size_t egal = ligne.find('=');
    if (egal == std::string::npos) throw endommage;
    const std::string cle = ligne.substr(0, egal);
    const std::string_view reste = std::string_view(ligne).substr(egal + 1);
    EtapeRenommage e;
    if (cle == "renommer" || cle == "copier") {
      auto c = champs(reste, 2);
      if (!c) throw endommage;
      e.sorte = cle == "renommer" ? Sorte::renommer : Sorte::copier;
      e.fichier = (*c)[0];
      e.cible = (*c)[1];
    } else if (cle == "valeur") {
      auto c = champs(reste, 4);
      if (!c) throw endommage;
      e.sorte = Sorte::valeur;
      e.fichier = (*c)[0];
      e.cle = (*c)[1];
      e.nouvelle = (*c)[2];
      e.ancienne = (*c)[3];
    } else if (cle == "liste") {
      e.sorte = Sorte::liste;
      e.fichier = std::string(reste);
    } else {
      throw endommage;
    }
    etapes.push_back(std::move(e));
  }
  if (!fin) throw endommage;
  return etapes;
}

// A rename in whatever state a kill left it: not begun, done, or both names on one file (killed
// between the link and the unlink). Only the letter case may change on the file itself.
// `entreDeux` runs between the link and the unlink.
void renommer(const DataFolder& dossier, const std::string& de, const std::string& vers,
              const std::function<void()>* entreDeux = nullptr) {
  const fs::path source = dossier.path(de);
  if (!platform::fileExists(source)) return;
  const fs::path voulu = dossier.root() / vers;
  const fs::path cible = dossier.path(vers);
  if (platform::fileExists(cible)) {
    std::error_code ec;
    if (!fs::equivalent(source, cible, ec))
      throw FileError("Le fichier " + vers + " existe déjà : " + de + " ne peut pas prendre son nom");
    if (source == voulu) return;
    if (!platform::fileNamesEqual(de, vers)) {
      if (!platform::removeFile(source)) throw FileError("Impossible de supprimer le fichier " + de);
      return;
    }
  }
  struct Entre {
    explicit Entre(const std::function<void()>* f) { platform::betweenLinkAndUnlink = f; }
    ~Entre() { platform::betweenLinkAndUnlink = nullptr; }
  } entre(entreDeux);
  if (!platform::renameFile(source, voulu))
    throw FileError("Impossible de renommer " + de + " en " + vers);
}

void supprimer(const DataFolder& dossier, const std::string& nom) {
  if (dossier.exists(nom) && !platform::removeFile(dossier.path(nom)))
    throw FileError("Impossible de supprimer le fichier " + nom);
}

void copier(const DataFolder& dossier, const std::string& de, const std::string& vers) {
  if (dossier.exists(vers) || !dossier.exists(de)) return;
  platform::writeFileAtomic(dossier.root() / vers, platform::readFile(dossier.path(de)));
}

void changerValeur(const DataFolder& dossier, const EtapeRenommage& e, const std::string& valeur) {
  if (!dossier.exists(e.fichier)) return;
  const fs::path chemin = dossier.path(e.fichier);
  LineList lignes = LineList::load(chemin);
  if (remplacerValeurFiche(lignes, e.cle, valeur) > 0) lignes.saveExact(chemin);
}

// `ecriture` runs inside the step too, where a kill leaves it half taken.
void prendre(const DataFolder& dossier, const EtapeRenommage& e,
             const std::function<void()>* ecriture = nullptr) {
  switch (e.sorte) {
    case Sorte::renommer:
      return renommer(dossier, e.fichier, e.cible, ecriture);
    case Sorte::copier:
      return copier(dossier, e.fichier, e.cible);
    case Sorte::valeur:
      if (e.contenu) return e.contenu->saveExact(dossier.root() / e.fichier);
      return changerValeur(dossier, e, e.nouvelle);
    case Sorte::liste:
      return LineList(e.apres).save(dossier.path(e.fichier));
  }
}

void defaire(const DataFolder& dossier, const EtapeRenommage& e) {
  switch (e.sorte) {
    case Sorte::renommer:
      return renommer(dossier, e.cible, e.fichier);
    case Sorte::copier:
      return supprimer(dossier, e.cible);
    case Sorte::valeur:
      return changerValeur(dossier, e, e.ancienne);
    case Sorte::liste:
      return LineList(e.avant).save(dossier.path(e.fichier));
  }
}

void oublierJournal(const DataFolder& dossier) { supprimer(dossier, nomJournalRenommage); }

}  // namespace

ResultatEcritures ecrireRenommage(const DataFolder& dossier,
                                  const std::vector<EtapeRenommage>& etapes,
                                  const std::vector<TEntreeRefGen>& index,
                                  const std::function<void()>& avantEcriture) {
  const std::function<void()> ecriture = [&] {
    if (avantEcriture) avantEcriture();
  };
  // A record already there is a rename still to complete: a second one would take its place.
  if (dossier.exists(nomJournalRenommage))
    return {IssueEcritures::annulees,
            "un changement de nom interrompu reste à achever (Construction > Réparation)"};
  bool enregistre = false;
  size_t prises = 0;
  try {
    ecriture();
    formater(etapes).save(dossier.root() / nomJournalRenommage);
    enregistre = true;
    for (; prises < etapes.size(); ++prises) {
      ecriture();
      prendre(dossier, etapes[prises], avantEcriture ? &ecriture : nullptr);
    }
    ecriture();
    sauverRefGen(dossier, index);
  } catch (const FileError& erreur) {
    if (!enregistre) return {IssueEcritures::annulees, erreur.what()};
    try {
      // The step that failed may be half taken: it is undone too.
      for (size_t i = std::min(prises + 1, etapes.size()); i-- > 0;) defaire(dossier, etapes[i]);
      oublierJournal(dossier);
    } catch (const FileError&) {
      return {IssueEcritures::interrompues, erreur.what()};
    }
    return {IssueEcritures::annulees, erreur.what()};
  }
  try {
    ecriture();
    oublierJournal(dossier);
  } catch (const FileError& erreur) {
    // Every name is changed; the next start finds nothing left to do and removes the record.
    return {IssueEcritures::faites, erreur.what()};
  }
  return {};
}

bool reprendreRenommage(const DataFolder& dossier) {
  if (!dossier.exists(nomJournalRenommage)) return false;
  for (const auto& e : lire(LineList::load(dossier.path(nomJournalRenommage)))) prendre(dossier, e);
  reconstruireFichierRefGen(dossier);
  oublierJournal(dossier);
  return true;
}

}  // namespace app
