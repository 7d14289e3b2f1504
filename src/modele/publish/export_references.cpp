#include "modele/publish/export_references.h"

#include "platform/text.h"

#include <array>
#include <unordered_map>
#include <unordered_set>

namespace publish {

namespace {

const std::string kEnTetes[] = {
    "Références\tTitres\tCatégories\tPrix\tImage\tThème\tDétail\tPromo\tFiche",
    "Titres\tRéférences\tCatégories\tPrix\tImage\tThème\tDétail\tPromo\tFiche",
    "Catégories\tRéférences\tTitres\tPrix\tImage\tThème\tDétail\tPromo\tFiche",
    "Thème\tRéférences\tTitres\tCatégories\tPrix\tImage\tDétail\tPromo\tFiche",
};

// What the export reads of a sheet: exact keys, trimmed values, the later line winning.
struct FicheExport {
  std::string categorie, reference, description, auteur, prix, image, mot_cle, image_detail;
  platform::LineList variantes;
  std::vector<std::string> commentaires;
};

FicheExport lireFiche(const platform::LineList& lignes) {
  FicheExport f;
  const std::pair<const char*, std::string*> champs[] = {
      {"categorie", &f.categorie}, {"reference", &f.reference}, {"description", &f.description},
      {"auteur", &f.auteur},       {"prix", &f.prix},           {"image", &f.image},
      {"mot_cle", &f.mot_cle},     {"image_detail", &f.image_detail}};
  static const std::unordered_set<std::string> kVariantes{
      "CD_ref", "K7_ref", "VIDEO_ref", "CD_prix", "K7_prix", "VIDEO_prix", "type1", "type2", "type3"};
  for (const auto& ligne : lignes) {
    const size_t egal = ligne.find('=');
    if (egal == std::string::npos) continue;
    const std::string cle = ligne.substr(0, egal);
    const std::string valeur = ligne.substr(egal + 1);
    if (cle == "commentaires") {
      f.commentaires.push_back(valeur);
      continue;
    }
    if (kVariantes.count(cle)) {
      f.variantes.add(cle + "=" + platform::trim(valeur));
      continue;
    }
    for (auto [nom, champ] : champs)
      if (cle == nom) *champ = platform::trim(valeur);
  }
  return f;
}

std::string sansTab(std::string valeur) {
  for (char& c : valeur)
    if (c == '\t') c = ' ';
  return valeur;
}

}  // namespace

std::string ligneExportReference(const std::vector<std::string>& champs) {
  std::string ligne;
  for (size_t i = 0; i < champs.size(); ++i) ligne += (i ? "\t" : "") + champs[i];
  return ligne;
}

std::string ligneExport(const ChampsExport& c, TriExport tri) {
  std::array<std::string, 9> v{c.reference, c.titre, c.categorie, c.prix, c.image,
                               c.theme,     c.detail, c.promo,   c.fiche};
  for (auto& valeur : v) valeur = sansTab(valeur);
  const auto& [reference, titre, categorie, prix, image, theme, detail, promo, fiche] = v;
  switch (tri) {
    case TriExport::titre:
      return ligneExportTitre({titre, reference, categorie, prix, image, theme, detail, promo, fiche});
    case TriExport::categories:
      return ligneExportCategorie({categorie, reference, titre, prix, image, theme, detail, promo, fiche});
    case TriExport::theme:
      return ligneExportTheme({theme, reference, titre, categorie, prix, image, detail, promo, fiche});
    case TriExport::reference:
      break;
  }
  return ligneExportReference({reference, titre, categorie, prix, image, theme, detail, promo, fiche});
}

platform::LineList exporterReferences(const platform::DataFolder& dossier,
                                      const std::vector<std::string>& fiches, TriExport tri,
                                      const std::function<void(int)>& avancement) {
  std::unordered_set<std::string> exportees;  // listeB
  std::vector<std::string> lignes;
  // The promotion files listed once: a lookup per row must not list the folder again.
  std::unordered_map<std::string, std::string> promotions;
  for (auto& nom : platform::listFiles(dossier.root(), "*.pro"))
    promotions.emplace(platform::upperAscii(nom), nom);
  auto promo = [&](const std::string& reference) {
    const auto trouvee = promotions.find(platform::upperAscii(reference + ".pro"));
    if (trouvee == promotions.end()) return std::string();
    return platform::LineList::load(dossier.root() / trouvee->second).value("prixpromo");
  };
  for (size_t i = 0; i < fiches.size(); ++i) {
    if (avancement) avancement(static_cast<int>(i));
    const auto chemin = dossier.path(fiches[i]);
    if (!platform::fileExists(chemin)) continue;  // gone since the listing
    const FicheExport f = lireFiche(platform::LineList::load(chemin));
    ChampsExport rang;
    rang.categorie = f.categorie;
    rang.prix = f.prix;
    rang.image = f.image;
    rang.theme = f.mot_cle;
    rang.detail = f.image_detail;
    std::string titre = f.description;
    auto ajouter = [&](const std::string& reference, const std::string& titreRang,
                       const std::string& fiche) {
      if (reference.empty() || !exportees.insert(reference).second) return;
      rang.reference = reference;
      rang.titre = titreRang;
      rang.promo = promo(reference);
      rang.fiche = fiche;
      lignes.push_back(ligneExport(rang, tri));
    };
    if (!f.reference.empty() && !exportees.count(f.reference)) {
      titre = f.description + " " + f.auteur;
      ajouter(f.reference, titre, "");
    }
    if (!f.variantes.empty())
      for (auto [cleRef, cleType, clePrix] : {std::array{"CD_ref", "type1", "CD_prix"},
                                              std::array{"K7_ref", "type2", "K7_prix"},
                                              std::array{"VIDEO_ref", "type3", "VIDEO_prix"}}) {
        const std::string reference = f.variantes.value(cleRef);
        if (reference.empty()) continue;
        // The variant's price stands for the rows after it, even when the row itself is skipped.
        rang.prix = f.variantes.value(clePrix);
        ajouter(reference, titre + " " + f.variantes.value(cleType), f.reference);
      }
    // A comment row carries its own text and price, after the product's title as variants do.
    for (const auto& commentaire : f.commentaires) {
      const size_t marque = commentaire.find("<LIGNE>");
      if (marque == std::string::npos) continue;
      const std::string ligne = commentaire.substr(marque + 7);
      const size_t diese = ligne.find('#');
      if (diese == std::string::npos) continue;
      const std::string reste = ligne.substr(diese + 1);
      const size_t diese2 = reste.find('#');
      // With one "#" only, the line holds its sub-reference and nothing else.
      const bool complete = diese2 != std::string::npos;
      rang.prix = complete ? platform::trim(reste.substr(diese2 + 1)) : std::string();
      ajouter(platform::trim(ligne.substr(0, diese)),
              titre + " " + (complete ? platform::trim(reste.substr(0, diese2)) : std::string()),
              f.reference);
    }
  }
  if (lignes.empty()) return {};
  platform::sortFrench(lignes);
  platform::LineList resultat{kEnTetes[static_cast<int>(tri)]};
  for (auto& ligne : lignes) resultat.add(std::move(ligne));
  return resultat;
}

}  // namespace publish
