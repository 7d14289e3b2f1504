#include "modele/app/promotions.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "modele/app/fiche_produit.h"
#include "modele/app/fiches_catalogue.h"
#include "modele/app/identite.h"
#include "modele/app/texte_prix.h"
#include "platform/image.h"
#include "platform/text.h"

namespace app {

using platform::LineList;
using platform::trim;

namespace {

// Entry names are checked with nomValide before they become file names, so the data folder is
// joined directly: the case-blind lookup of a missing name would list the folder each time.
std::filesystem::path chemin(const platform::DataFolder& dossier, std::string_view nom) {
  return dossier.root() / std::string(nom);
}

bool existeExact(const std::filesystem::path& fichier) {
  std::error_code ec;
  return std::filesystem::is_regular_file(fichier, ec);
}

std::optional<LineList> chargerSiPresent(const std::filesystem::path& fichier) {
  if (!platform::fileExists(fichier)) return std::nullopt;
  return LineList::load(fichier);
}

// The entries "Définitif" is writing into their sheets, named before the first sheet is written.
constexpr const char* kDefinitifEnCours = "definitif.en_cours";

// The shop's currency, with which its stored prices are read ("24 € TTC").
std::string deviseBoutique(const platform::DataFolder& dossier) {
  TIdentite identite;
  chargerIdent(dossier, identite);
  return identite.dev1;
}

void avant(const std::function<void()>& avantEcriture) {
  if (avantEcriture) avantEcriture();
}

std::string cleDe(std::string_view ligne) {
  size_t egal = ligne.find('=');
  return egal == std::string_view::npos ? std::string() : std::string(ligne.substr(0, egal));
}

std::string valeurDe(std::string_view ligne) {
  size_t egal = ligne.find('=');
  return egal == std::string_view::npos ? std::string() : trim(ligne.substr(egal + 1));
}

// The sheet's values as the rebuild and "Définitif" compare them: trimmed, a later line wins.
std::unordered_map<std::string, std::string> valeursFiche(const LineList& fiche) {
  std::unordered_map<std::string, std::string> v;
  for (const auto& ligne : fiche)
    if (ligne.find('=') != std::string::npos) v[cleDe(ligne)] = valeurDe(ligne);
  return v;
}

void remplacerValeur(LineList& fiche, std::string_view cle, std::string_view valeur) {
  for (auto& ligne : fiche)
    if (ligne.find('=') != std::string::npos && cleDe(ligne) == cle)
      ligne = std::string(cle) + "=" + std::string(valeur);
}

std::optional<LigneCommentaire> commentaireDe(const std::string& ligne) {
  if (cleDe(ligne) != "commentaires") return std::nullopt;
  return lireLigneCommentaire(valeurDe(ligne));
}

constexpr const char* kVariantes[3][3] = {
    {"CD_ref", "CD_prix", "type1"}, {"K7_ref", "K7_prix", "type2"}, {"VIDEO_ref", "VIDEO_prix", "type3"}};

}  // namespace

TPromotion lirePromotion(const LineList& lignes) {
  return {lignes.value("categorie"), lignes.value("reference"), lignes.value("referenceCOMM"),
          lignes.value("titre"),     lignes.value("prix"),      lignes.value("mot_cle"),
          lignes.value("taux"),      lignes.value("prixpromo")};
}

LineList ecrirePromotion(const TPromotion& p) {
  LineList l{"categorie=" + p.categorie, "reference=" + p.reference};
  if (!p.referenceCOMM.empty()) l.add("referenceCOMM=" + p.referenceCOMM);
  for (const std::string& ligne : {"titre=" + p.titre, "prix=" + p.prix, "mot_cle=" + p.mot_cle,
                                   "taux=" + p.taux, "prixpromo=" + p.prixpromo})
    l.add(ligne);
  return l;
}

std::optional<TPromotion> chargerPromotion(const platform::DataFolder& dossier,
                                           std::string_view entree) {
  if (!nomValide(entree)) return std::nullopt;
  auto lignes = chargerSiPresent(chemin(dossier, std::string(entree) + ".pro"));
  if (!lignes) return std::nullopt;
  return lirePromotion(*lignes);
}

std::optional<LigneCommentaire> lireLigneCommentaire(std::string_view ligne) {
  size_t debut = ligne.find("<LIGNE>");
  if (debut == std::string_view::npos) return std::nullopt;
  std::string_view reste = ligne.substr(debut + 7);
  size_t d1 = reste.find('#');
  if (d1 == std::string_view::npos) return std::nullopt;
  size_t d2 = reste.find('#', d1 + 1);
  if (d2 == std::string_view::npos) return std::nullopt;
  return LigneCommentaire{trim(reste.substr(0, d1)), trim(reste.substr(d1 + 1, d2 - d1 - 1)),
                          trim(reste.substr(d2 + 1))};
}

void remplacerPrixCommentaire(std::string& ligne, std::string_view prix) {
  size_t debut = ligne.find("<LIGNE>");
  size_t diese = ligne.find('#', debut);
  diese = ligne.find('#', diese + 1);
  ligne = ligne.substr(0, diese + 1) + std::string(prix);
}

std::vector<EntreeFiche> entreesDeFiche(const LineList& fiche) {
  std::unordered_map<std::string, std::string> v;
  std::vector<std::string> ordre;  // the main entry's keys as the sheet holds them
  std::vector<LigneCommentaire> lignesCommentaire;
  for (const auto& ligne : fiche) {
    if (ligne.find('=') == std::string::npos) continue;
    std::string cle = cleDe(ligne);
    if (cle == "commentaires") {
      if (auto c = lireLigneCommentaire(valeurDe(ligne))) lignesCommentaire.push_back(*c);
      continue;
    }
    if ((cle == "categorie" || cle == "reference" || cle == "description" || cle == "prix" ||
         cle == "mot_cle") &&
        !v.contains(cle))
      ordre.push_back(cle);
    v[cle] = valeurDe(ligne);
  }
  std::vector<EntreeFiche> entrees;
  const std::string& ref = v["reference"];
  if (!ref.empty()) {
    EntreeFiche e{ref, {}};
    for (const auto& cle : ordre) e.lignes.add((cle == "description" ? "titre" : cle) + "=" + v[cle]);
    entrees.push_back(std::move(e));
  }
  for (const auto& [cleRef, clePrix, cleType] : kVariantes) {
    if (v[cleRef].empty()) continue;
    entrees.push_back({v[cleRef],
                       {"categorie=" + v["categorie"], "reference=" + ref, "referenceCOMM=" + v[cleRef],
                        "titre=" + v["description"] + " " + v[cleType], "prix=" + v[clePrix],
                        "mot_cle=" + v["mot_cle"]}});
  }
  for (const auto& c : lignesCommentaire)
    entrees.push_back({c.sousReference,
                       {"reference=" + ref, "categorie=" + v["categorie"], "referenceCOMM=" + c.sousReference,
                        "titre=" + c.texte, "prix=" + c.prix, "mot_cle=" + v["mot_cle"]}});
  return entrees;
}

ResultatRepertoire repertoirePromotions(const platform::DataFolder& dossier,
                                        const std::vector<std::string>& aParquer,
                                        const std::function<void(const std::string&)>& refus,
                                        const std::function<void()>& avantEcriture) {
  ResultatRepertoire r;
  std::unordered_map<std::string, std::string> parquees;  // lower-cased name -> name on disk
  for (const auto& nom : platform::listFiles(dossier.root(), "*._pr"))
    parquees[platform::lowerAscii(nom)] = nom;
  for (const auto& entree : aParquer) {
    if (!nomValide(entree)) continue;
    const std::string pr = entree + "._pr";
    if (!existeExact(chemin(dossier, entree + ".pro"))) continue;
    // A parked copy left from an earlier run is older than the current file.
    if (auto it = parquees.find(platform::lowerAscii(pr)); it != parquees.end()) {
      avant(avantEcriture);
      platform::removeFile(chemin(dossier, it->second));
    }
    avant(avantEcriture);
    if (platform::renameFileExact(chemin(dossier, entree + ".pro"), chemin(dossier, pr))) {
      parquees[platform::lowerAscii(pr)] = pr;
      r.parquees.push_back(entree);
    }
  }
  std::unordered_set<std::string> vues;
  for (const auto& nomFiche : fichesCatalogue(dossier)) {
    for (auto& e : entreesDeFiche(LineList::load(chemin(dossier, nomFiche)))) {
      if (vues.contains(e.reference)) continue;
      if (!nomValide(e.reference)) {
        refus(e.reference);
        continue;
      }
      const std::filesystem::path pro = chemin(dossier, e.reference + ".pro");
      auto it = parquees.find(platform::lowerAscii(e.reference + "._pr"));
      avant(avantEcriture);
      if (it != parquees.end() && platform::renameFileExact(chemin(dossier, it->second), pro)) {
        parquees.erase(it);
        std::erase(r.parquees, e.reference);
      } else {
        e.lignes.saveExact(pro);
      }
      vues.insert(e.reference);
      r.entrees.push_back(e.reference);
    }
  }
  return r;
}

void supprimerParquees(const platform::DataFolder& dossier, const std::vector<std::string>& avant,
                       const ResultatRepertoire& rebuild) {
  std::unordered_set<std::string> gardees;
  for (const auto& e : rebuild.parquees) gardees.insert(platform::lowerAscii(e + "._pr"));
  for (const auto& nom : avant)
    if (!gardees.contains(platform::lowerAscii(nom)) && existeExact(chemin(dossier, nom)))
      platform::removeFile(chemin(dossier, nom));
}

std::vector<std::string> entreesPromotions(const platform::DataFolder& dossier) {
  std::vector<std::string> entrees;
  for (auto nom : platform::listFiles(dossier.root(), "*.pro")) {
    nom.resize(nom.size() - 4);
    entrees.push_back(std::move(nom));
  }
  return entrees;
}

void ecrireListesPromo(const platform::DataFolder& dossier) {
  const auto fichiers = platform::listFiles(dossier.root(), "*.pro");
  LineList chemins, titres;
  for (const auto& nom : fichiers) {
    const TPromotion p = lirePromotion(LineList::load(chemin(dossier, nom)));
    if (p.prixpromo.empty()) continue;
    chemins.add((dossier.root() / (p.reference + ".ref")).string());
    titres.add(p.titre);
  }
  if (fichiers.empty() && !platform::fileExists(chemin(dossier, "promo.prx"))) return;
  chemins.save(chemin(dossier, "promo.prx"));
  titres.save(chemin(dossier, "promo_titres.prx"));
}

std::optional<double> nombrePrix(std::string_view texte, std::string_view devise) {
  const auto montant = lireMontant(texte, devise);
  if (!montant) return std::nullopt;
  return platform::val(*montant).value;
}

std::string sansPourcent(std::string_view texte) {
  std::string t = platform::trim(texte);
  if (t.ends_with('%')) t = platform::trim(std::string_view(t).substr(0, t.size() - 1));
  return t;
}

std::optional<double> nombreTaux(std::string_view texte) { return nombrePrix(sansPourcent(texte)); }

std::optional<std::string> refusTaux(std::string_view taux) {
  const std::string nombre = sansPourcent(taux);
  // An emptied box would read as 0: a "promotion" at the same price.
  if (nombre.empty()) return "Le taux est obligatoire";
  if (auto refus = refusNombre("Le taux", nombre, Signe::libre, {}, Decimales::libres)) return refus;
  if (nombreTaux(nombre).value_or(0) < -100)
    return "Le taux " + trim(taux) + " ne peut pas être inférieur à -100 %";
  return std::nullopt;
}

std::optional<std::string> refusPrixInitial(std::string_view prix) {
  // An emptied box would leave the product without a price, taking no order.
  if (trim(prix).empty()) return "Le prix initial est obligatoire";
  return refusNombre("Le prix initial", prix, Signe::positif);
}

std::string prixApresTaux(double prix, double taux, int decimales) {
  const double echelle = std::pow(10.0, decimales);
  const double valeur = std::round((prix + prix * taux / 100) * echelle) / echelle;
  return platform::fromNumber(valeur, decimales);
}

std::string prixPromotion(double prix, double taux, bool arrondi) {
  return nettoyerPrix(prixApresTaux(prix, taux, arrondi ? 1 : 2));
}

ResultatCalcul appliquerTaux(const platform::DataFolder& dossier,
                             const std::vector<std::string>& entrees, std::string_view taux,
                             bool arrondi, const std::function<void(int n)>& progression,
                             const std::function<void()>& avantEcriture) {
  ResultatCalcul r;
  if (auto refus = refusTaux(taux)) {
    r.erreur = *refus;
    return r;
  }
  const auto t = nombreTaux(taux);
  const std::string devise = deviseBoutique(dossier);
  std::vector<std::pair<std::string, TPromotion>> calculees;
  for (const auto& entree : entrees) {
    auto p = chargerPromotion(dossier, entree);
    if (!p) continue;
    const auto prix = nombrePrix(p->prix, devise);
    if (!prix) {
      r.erreur = "Le prix de la référence " + entree + " (" + p->prix +
                 ") n'est pas un nombre : aucun prix n'a été modifié.";
      return r;
    }
    p->taux = std::string(taux);
    p->prixpromo = prixPromotion(*prix, *t, arrondi);
    calculees.emplace_back(entree, std::move(*p));
  }
  for (const auto& [entree, p] : calculees) {
    avant(avantEcriture);
    ecrirePromotion(p).saveExact(chemin(dossier, entree + ".pro"));
    ++r.traitees;
    if (progression) progression(r.traitees);
  }
  return r;
}

std::vector<std::string> preparerDefinitif(const platform::DataFolder& dossier) {
  std::vector<std::string> restantes;
  for (const auto& entree : entreesPromotions(dossier)) {
    auto p = chargerPromotion(dossier, entree);
    if (p && p->prixpromo.empty())
      platform::removeFile(chemin(dossier, entree + ".pro"));
    else
      restantes.push_back(entree);
  }
  return restantes;
}

namespace {

// The models of a promoted sheet are sold at the promotion's rate; once its price is final they
// keep the prices the card sold them at: its .dif with each amount at the rate, none when it has
// no models or no rate. Written after the promotion is gone, so that a stop in between never
// applies the rate twice.
std::optional<LineList> modelesDefinitifs(const platform::DataFolder& dossier, const TPromotion& p,
                                          std::string_view devise) {
  const auto taux = nombreTaux(p.taux);
  if (trim(p.taux).empty() || !taux || *taux < -100 || !nomValide(p.reference)) return std::nullopt;
  auto lignes = chargerSiPresent(chemin(dossier, p.reference + ".dif"));
  if (!lignes) return std::nullopt;
  const bool arrondi = chargerStylePromo(dossier).arrondi == "oui";
  for (std::string& ligne : *lignes) {
    const size_t egal = ligne.rfind('=');
    const auto montant =
        egal == std::string::npos ? std::nullopt : lireMontant(ligne.substr(egal + 1), devise);
    if (!montant || trim(ligne.substr(egal + 1)).empty()) continue;
    // With the decimal comma the shopkeeper types.
    std::string prix = platform::fromNumber(
        platform::val(prixPromotion(platform::val(*montant).value, *taux, arrondi)).value, 2);
    std::replace(prix.begin(), prix.end(), '.', ',');
    ligne = ligne.substr(0, egal + 1) + prix;
  }
  return lignes;
}

// In definitif.en_cours, after the entries: each line of a sheet's models as "Définitif" writes
// them, behind "<reference.dif>" (no entry name holds "<"), so that a start after a kill writes
// them once the sheet's promotion is gone.
std::string ligneModele(const std::string& reference, const std::string& ligne) {
  return "<" + reference + ".dif>" + ligne;
}

std::optional<std::pair<std::string, std::string>> lireLigneModele(std::string_view ligne) {
  const size_t fin = ligne.find(".dif>");
  if (!ligne.starts_with('<') || fin == std::string_view::npos) return std::nullopt;
  return std::pair{std::string(ligne.substr(1, fin - 1)), std::string(ligne.substr(fin + 5))};
}

}  // namespace

ResultatDefinitif rendreDefinitif(const platform::DataFolder& dossier,
                                  const std::vector<std::string>& entrees,
                                  const std::function<void()>& avantEcriture) {
  // Entries grouped by sheet, so that each sheet is read and written once.
  struct Groupe {
    std::string reference;
    std::vector<std::pair<std::string, TPromotion>> promos;
  };
  std::vector<Groupe> groupes;
  std::unordered_map<std::string, size_t> parFiche;
  const std::string devise = deviseBoutique(dossier);
  for (const auto& entree : entrees) {
    auto p = chargerPromotion(dossier, entree);
    if (!p) continue;
    const auto promo = nombrePrix(p->prixpromo, devise);
    if (!promo || *promo <= 0) continue;
    auto [it, nouveau] = parFiche.try_emplace(p->reference, groupes.size());
    if (nouveau) groupes.push_back({p->reference, {}});
    groupes[it->second].promos.emplace_back(entree, std::move(*p));
  }
  ResultatDefinitif r;
  struct Ecriture {
    std::string reference;
    LineList fiche;
    std::vector<std::string> appliquees;
    std::optional<LineList> modeles;  // at the rate of the sheet's own promotion applied
  };
  std::vector<Ecriture> ecritures;
  for (auto& g : groupes) {
    std::optional<LineList> fiche;
    if (nomValide(g.reference)) fiche = chargerSiPresent(chemin(dossier, nomFichierFiche(g.reference)));
    std::vector<std::string> appliquees;
    for (const auto& [entree, p] : g.promos) {
      bool fait = false;
      if (fiche && p.referenceCOMM.empty()) {
        auto v = valeursFiche(*fiche);
        if (fiche->size() > 1 && v["prix"] == trim(p.prix)) {
          remplacerValeur(*fiche, "prix", p.prixpromo);
          if (v["CD_ref"] == p.reference) remplacerValeur(*fiche, "CD_prix", p.prixpromo);
          fait = true;
        }
      } else if (fiche) {
        std::string* derniere = nullptr;
        for (auto& ligne : *fiche)
          if (auto c = commentaireDe(ligne); c && c->sousReference == p.referenceCOMM) derniere = &ligne;
        if (derniere) {
          remplacerPrixCommentaire(*derniere, p.prixpromo);
          fait = true;
        } else {
          auto v = valeursFiche(*fiche);
          for (const auto& [cleRef, clePrix, cleType] : kVariantes)
            if (!fait && v[cleRef] == p.referenceCOMM) {
              remplacerValeur(*fiche, clePrix, p.prixpromo);
              fait = true;
            }
        }
      }
      if (fait)
        appliquees.push_back(entree);
      else
        r.ignorees.push_back(entree);
    }
    if (appliquees.empty()) continue;
    r.appliquees += static_cast<int>(appliquees.size());
    std::optional<LineList> modeles;
    for (const auto& [entree, p] : g.promos)
      if (p.referenceCOMM.empty() && std::count(appliquees.begin(), appliquees.end(), entree))
        modeles = modelesDefinitifs(dossier, p, devise);
    ecritures.push_back({g.reference, std::move(*fiche), std::move(appliquees), std::move(modeles)});
  }
  if (ecritures.empty()) return r;
  // Named before the first sheet is written: a kill between a sheet and the removal of its
  // promotions is completed at the next start, so that no build applies a rate twice.
  LineList enCours;
  for (const auto& e : ecritures)
    for (const auto& entree : e.appliquees) enCours.add(entree);
  for (const auto& e : ecritures)
    if (e.modeles)
      for (const auto& ligne : *e.modeles) enCours.add(ligneModele(e.reference, ligne));
  avant(avantEcriture);
  enCours.save(chemin(dossier, kDefinitifEnCours));
  for (const auto& e : ecritures) {
    avant(avantEcriture);
    sauverLignesFiche(dossier, e.reference, e.fiche);
    for (const auto& entree : e.appliquees) {
      avant(avantEcriture);
      platform::removeFile(chemin(dossier, entree + ".pro"));
    }
    if (e.modeles) {
      avant(avantEcriture);
      e.modeles->save(chemin(dossier, e.reference + ".dif"));
    }
  }
  // The index holds no price, but its date must stay after the sheets', or the next start-up
  // takes it for one left behind by a stopped save and rebuilds it.
  if (auto index = chargerSiPresent(chemin(dossier, "ref.gen"))) {
    avant(avantEcriture);
    index->save(chemin(dossier, "ref.gen"));
  }
  avant(avantEcriture);
  platform::removeFile(chemin(dossier, kDefinitifEnCours));
  return r;
}

bool reprendrePromotions(const platform::DataFolder& dossier) {
  // The entries of a sheet, read once for all its promotion files.
  std::unordered_map<std::string, std::vector<EntreeFiche>> fiches;
  auto entreesFiche = [&](const std::string& reference) -> const std::vector<EntreeFiche>& {
    auto [it, nouvelle] = fiches.try_emplace(reference);
    if (nouvelle && nomValide(reference))
      if (auto fiche = chargerSiPresent(chemin(dossier, nomFichierFiche(reference))))
        it->second = entreesDeFiche(*fiche);
    return it->second;
  };
  bool repris = false;
  // "Définitif" cut short: a promotion whose sheet already holds its price is done.
  if (auto enCours = chargerSiPresent(chemin(dossier, kDefinitifEnCours))) {
    std::vector<std::pair<std::string, LineList>> modeles;
    for (const auto& entree : *enCours) {
      if (auto m = lireLigneModele(entree); m && nomValide(m->first)) {
        if (modeles.empty() || modeles.back().first != m->first) modeles.emplace_back(m->first, LineList{});
        modeles.back().second.add(m->second);
        continue;
      }
      if (!nomValide(entree)) continue;
      const auto p = chargerPromotion(dossier, entree);
      if (!p) continue;
      for (const auto& e : entreesFiche(trim(p->reference)))
        if (e.reference == entree && e.lignes.value("prix") == trim(p->prixpromo)) {
          platform::removeFile(chemin(dossier, entree + ".pro"));
          break;
        }
    }
    // A sheet whose promotion is gone sells its models as the card did: written again, whether
    // the kill came before or after them.
    for (const auto& [reference, lignes] : modeles)
      if (!existeExact(chemin(dossier, reference + ".pro"))) lignes.save(chemin(dossier, reference + ".dif"));
    platform::removeFile(chemin(dossier, kDefinitifEnCours));
    repris = true;
  }
  // A rebuild of the list cut short: an entry parked while its sheet still names it is put back,
  // or its card would sell at the full price; the others are the orphans the window deletes.
  for (const auto& nom : platform::listFiles(dossier.root(), "*._pr")) {
    const std::string entree = nom.substr(0, nom.size() - 4);
    if (!nomValide(entree) || existeExact(chemin(dossier, entree + ".pro"))) continue;
    const TPromotion p = lirePromotion(LineList::load(chemin(dossier, nom)));
    for (const auto& e : entreesFiche(trim(p.reference)))
      if (e.reference == entree) {
        repris = platform::renameFileExact(chemin(dossier, nom), chemin(dossier, entree + ".pro")) || repris;
        break;
      }
  }
  if (repris) ecrireListesPromo(dossier);
  return repris;
}

bool changerPrixEntree(const platform::DataFolder& dossier, std::string_view entree,
                       std::string_view nouveau) {
  if (!nomValide(entree)) return false;
  const auto fichierPro = chemin(dossier, std::string(entree) + ".pro");
  auto pro = chargerSiPresent(fichierPro);
  if (!pro) return false;
  const std::string reference = pro->value("reference");
  if (!nomValide(reference)) return false;
  auto fiche = chargerSiPresent(chemin(dossier, nomFichierFiche(reference)));
  if (!fiche) return false;
  std::vector<std::string> clesPrix;
  for (auto& ligne : *fiche) {
    if (ligne.find('=') == std::string::npos) continue;
    const std::string cle = cleDe(ligne);
    if (auto c = commentaireDe(ligne)) {
      if (c->sousReference == entree) remplacerPrixCommentaire(ligne, nouveau);
    } else if (valeurDe(ligne) == entree) {
      if (cle == "reference") clesPrix.push_back("prix");
      for (const auto& [cleRef, clePrix, cleType] : kVariantes)
        if (cle == cleRef) clesPrix.push_back(clePrix);
    }
  }
  for (const auto& cle : clesPrix) remplacerValeur(*fiche, cle, nouveau);
  sauverLignesFiche(dossier, reference, *fiche);
  recalculerPromotionsFiche(dossier, reference);
  // An entry without a promotion takes the new price alone.
  pro = LineList::load(fichierPro);
  remplacerValeur(*pro, "prix", nouveau);
  pro->save(fichierPro);
  return true;
}

namespace {

int decimalesPromo(const platform::DataFolder& dossier) {
  return chargerStylePromo(dossier).arrondi == "oui" ? 1 : 2;
}

int recalculerFiche(const platform::DataFolder& dossier, std::string_view reference, int decimales) {
  if (!nomValide(reference)) return 0;
  auto fiche = chargerSiPresent(chemin(dossier, nomFichierFiche(reference)));
  if (!fiche) return 0;
  int recalculees = 0;
  std::unordered_set<std::string> vues;  // the first entry of a reference is the one kept
  for (const auto& e : entreesDeFiche(*fiche)) {
    if (!vues.insert(e.reference).second || !nomValide(e.reference)) continue;
    const auto fichierPro = chemin(dossier, e.reference + ".pro");
    auto pro = chargerSiPresent(fichierPro);
    if (!pro) continue;
    const TPromotion p = lirePromotion(*pro);
    const std::string prix = e.lignes.value("prix");
    if (p.prixpromo.empty() || trim(p.reference) != e.lignes.value("reference") ||
        trim(p.prix) == prix)
      continue;
    // Without a rate, or with a price or rate that reads as no number, there is nothing to compute
    // the promotion from: it stays as it was set.
    if (prix.empty() || trim(p.taux).empty()) continue;
    const auto nouveau = nombrePrix(prix, deviseBoutique(dossier));
    const auto taux = nombreTaux(p.taux);
    if (!nouveau || !taux) continue;
    pro->setValue("prix", prix);
    pro->setValue("prixpromo", prixPromotion(*nouveau, *taux, decimales == 1));
    pro->save(fichierPro);
    ++recalculees;
  }
  return recalculees;
}

}  // namespace

int recalculerPromotionsFiche(const platform::DataFolder& dossier, std::string_view reference) {
  return recalculerFiche(dossier, reference, decimalesPromo(dossier));
}

int recalculerPromotions(const platform::DataFolder& dossier) {
  std::vector<std::string> fiches;
  std::unordered_set<std::string> vues;
  for (const auto& entree : entreesPromotions(dossier))
    if (auto p = chargerPromotion(dossier, entree); p && !p->prixpromo.empty()) {
      std::string reference = trim(p->reference);
      if (vues.insert(reference).second) fiches.push_back(std::move(reference));
    }
  if (fiches.empty()) return 0;
  const int decimales = decimalesPromo(dossier);
  int recalculees = 0;
  for (const auto& reference : fiches) recalculees += recalculerFiche(dossier, reference, decimales);
  return recalculees;
}

namespace {
struct CleStyle {
  const char* cle;
  std::string TStylePromo::*champ;
};
constexpr CleStyle kClesStyle[] = {
    {"ok_PROMO_PRIX", &TStylePromo::ok_PROMO_PRIX},
    {"image_PROMO_PRIX", &TStylePromo::image_PROMO_PRIX},
    {"largeur_image_PROMO_PRIX", &TStylePromo::largeur_image_PROMO_PRIX},
    {"hauteur_image_PROMO_PRIX", &TStylePromo::hauteur_image_PROMO_PRIX},
    {"couleur_texte_PROMO_PRIX", &TStylePromo::couleur_texte_PROMO_PRIX},
    {"arrondi", &TStylePromo::arrondi},
    {"ligne", &TStylePromo::ligne},
    {"pourcent", &TStylePromo::pourcent},
};
}  // namespace

TStylePromo chargerStylePromo(const platform::DataFolder& dossier) {
  TStylePromo style;
  auto lignes = chargerSiPresent(chemin(dossier, "promo_prix.opt"));
  if (!lignes) {
    if (auto taille = platform::imageSize(dossier.path("puces/" + style.image_PROMO_PRIX))) {
      style.largeur_image_PROMO_PRIX = platform::fromInteger(taille->first);
      style.hauteur_image_PROMO_PRIX = platform::fromInteger(taille->second);
    }
    return style;
  }
  for (const auto& [cle, champ] : kClesStyle) style.*champ = lignes->value(cle);
  return style;
}

void sauverStylePromo(const platform::DataFolder& dossier, const TStylePromo& style) {
  LineList lignes;
  for (const auto& [cle, champ] : kClesStyle) lignes.add(std::string(cle) + "=" + style.*champ);
  lignes.save(chemin(dossier, "promo_prix.opt"));
}

}  // namespace app
