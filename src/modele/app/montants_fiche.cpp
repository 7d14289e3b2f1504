#include "modele/app/montants_fiche.h"

#include "modele/app/promotions.h"
#include "platform/text.h"

#include <algorithm>
#include <set>

namespace app {

namespace {

using platform::trim;

// "label=amount" lines: a line without "=" is a label alone and carries no amount.
void ajouterLignes(std::vector<MontantFiche>& montants, std::span<const std::string> lignes,
                   const std::string& nature, Signe signe) {
  for (const std::string& ligne : lignes)
    if (size_t egal = ligne.rfind('='); egal != std::string::npos)
      montants.push_back(
          {nature + " " + trim(ligne.substr(0, egal)), ligne.substr(egal + 1), signe, true});
}

bool avecChiffre(std::string_view texte) {
  return texte.find_first_of("0123456789") != std::string_view::npos;
}

// A list line's text without an amount and without a digit ("rouge", "sur devis") is a label;
// with a digit ("1O", "1950-1960") it may be a mistyped amount.
bool etiquette(const MontantFiche& m, std::string_view devise) {
  return m.etiquette && !lireMontant(m.texte, devise) && !avecChiffre(m.texte);
}

}  // namespace

std::optional<int> lireMultiple(std::string_view texte) {
  const std::string t = trim(texte);
  if (t.empty()) return 0;
  if (t.size() > 6 || t.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const int n = std::stoi(t);
  if (n < 1) return std::nullopt;
  return n;
}

std::vector<MontantFiche> montantsFiche(const TFicheProduit& f) {
  std::vector<MontantFiche> montants{{"", f.prix, Signe::positif}};
  const std::pair<const std::string&, const std::string&> variantes[] = {
      {f.CD_prix, f.type1}, {f.K7_prix, f.type2}, {f.VIDEO_prix, f.type3}};
  int n = 0;
  for (const auto& [prix, libelle] : variantes) {
    std::string lieu = "de la variante " + std::to_string(++n);
    if (!trim(libelle).empty()) lieu += " " + trim(libelle);
    montants.push_back({lieu, prix, Signe::positif});
  }
  for (const std::string& ligne : f.commentaires)
    if (auto c = lireLigneCommentaire(ligne))
      montants.push_back({"de la ligne " + c->sousReference, c->prix, Signe::positif});
  // The card reads choices only when the first titles line is the marker.
  std::vector<std::string> titres;
  for (const std::string& l : f.titres)
    if (!l.empty()) titres.push_back(l);
  if (!titres.empty() && titres.front() == "<CHOIX>")
    ajouterLignes(montants, std::span(titres).subspan(1), "du choix", Signe::libre);
  return montants;
}

std::vector<MontantFiche> montantsListe(std::span<const std::string> lignes,
                                        std::string_view extension) {
  std::vector<MontantFiche> montants;
  if (extension == ".sup")
    ajouterLignes(montants, lignes, "du supplément", Signe::libre);
  else
    ajouterLignes(montants, lignes, "du modèle", Signe::positif);
  return montants;
}

std::vector<MontantFiche> montantsPromotions(
    const TFicheProduit& f, const std::function<std::string(const std::string&)>& prixPromo) {
  std::vector<std::string> entrees{f.reference, f.CD_ref, f.K7_ref, f.VIDEO_ref};
  for (const std::string& ligne : f.commentaires)
    if (auto c = lireLigneCommentaire(ligne)) entrees.push_back(c->sousReference);
  std::vector<MontantFiche> montants;
  for (const std::string& entree : entrees) {
    if (trim(entree).empty()) continue;
    std::string prix = prixPromo(trim(entree));
    if (trim(prix).empty()) continue;
    std::string lieu = "en promotion";
    if (trim(entree) != trim(f.reference)) lieu += " " + trim(entree);
    montants.push_back({lieu, std::move(prix), Signe::positif});
  }
  return montants;
}

std::vector<std::string> montantsIllisibles(std::string_view reference,
                                            const std::vector<MontantFiche>& montants,
                                            std::string_view devise) {
  std::vector<std::string> noms;
  std::set<std::string> vus;
  for (const MontantFiche& m : montants)
    if (!etiquette(m, devise) && refusNombre({}, m.texte, m.signe, {}, Decimales::deux, devise))
      if (std::string nom = std::string(reference) + (m.lieu.empty() ? "" : " " + m.lieu) + " (" +
                            trim(m.texte) + ")";
          vus.insert(nom).second)
        noms.push_back(std::move(nom));
  return noms;
}

std::string listeNoms(const std::vector<std::string>& noms) {
  std::string liste;
  for (const auto& nom : noms) liste += (liste.empty() ? "" : ", ") + nom;
  return liste;
}

std::string messagePrixIllisibles(const std::vector<std::string>& noms) {
  return "Ces prix ne sont pas des nombres, sont négatifs ou ont plus de deux décimales, "
         "corrigez-les : " + listeNoms(noms) + ".";
}

std::optional<std::string> refusMontants(const std::vector<MontantFiche>& montants,
                                         const std::vector<MontantFiche>& deja,
                                         std::string_view devise) {
  for (const MontantFiche& m : montants) {
    if (etiquette(m, devise)) continue;
    const bool tenue = m.etiquette && !lireMontant(m.texte, devise) &&
                       std::any_of(deja.begin(), deja.end(), [&](const MontantFiche& d) {
                         return d.lieu == m.lieu && d.texte == m.texte;
                       });
    if (tenue) continue;
    if (auto refus = refusNombre("Le prix", m.texte, m.signe, m.lieu, Decimales::deux, devise))
      return refus;
  }
  return std::nullopt;
}

}  // namespace app
