#include "modele/infopages/accueil_options.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "modele/app/texte_prix.h"
#include "modele/design/coins.h"
#include "platform/files.h"
#include "platform/text.h"

namespace infopages {

namespace {

using O = TOptionsAccueil;
constexpr SorteAccueil T = SorteAccueil::Texte;

const CleAccueil kCles[] = {
    {"espaceYES", &O::espaceYES, T, "oui"},
    {"encadrementR", &O::encadrementR, T, "rond"},
    {"accueilHTM", &O::accueilHTM, T, "non"},
    {"paccueil_encadrement", &O::paccueil_encadrement, T, "transparent"},
    {"paccueil_trait", &O::paccueil_trait, T, "#000000"},
    {"trait_rubriques", &O::trait_rubriques, T, "#1781B3"},
    {"largeur_paccueil", &O::largeur_paccueil, T, "250"},
    {"largeur_rubriques", &O::largeur_rubriques, T, "150"},
    {"image_intro", &O::image_intro, T, ""},
    {"alt_image_intro", &O::alt_image_intro, T, ""},
    {"largeur_image_intro", &O::largeur_image_intro, T, ""},
    {"hauteur_image_intro", &O::hauteur_image_intro, T, ""},
    {"lien_image_intro", &O::lien_image_intro, T, ""},
    {"target_image_intro", &O::target_image_intro, T, ""},
    {"alignement_intro", &O::alignement_intro, T, "center"},
    {"police_intro", &O::police_intro, T, "Arial"},
    {"police_rubriques", &O::police_rubriques, T, "Arial"},
    {"couleur_intro", &O::couleur_intro, T, "#000000"},
    {"fond_intro", &O::fond_intro, T, "#FFFFFF"},
    {"fond_accueil_titre", &O::fond_accueil_titre, T, "#FFFFFF"},
    {"fond_rubriques", &O::fond_rubriques, T, "#FFFFFF"},
    {"haut_fond_rubriques", &O::haut_fond_rubriques, T, "#1781B3"},
    {"gras_intro", &O::gras_intro, T, "non"},
    {"italique_intro", &O::italique_intro, T, "non"},
    {"souligne_intro", &O::souligne_intro, T, "non"},
    {"taille_intro", &O::taille_intro, T, "13"},
    {"titre_intro", &O::titre_intro, SorteAccueil::Garde, ""},
    {"gras_titre_intro", &O::gras_titre_intro, T, "non"},
    {"italique_titre_intro", &O::italique_titre_intro, T, "non"},
    {"souligne_titre_intro", &O::souligne_titre_intro, T, "non"},
    {"taille_titre_intro", &O::taille_titre_intro, T, "13"},
    {"nbre_promo", &O::nbre_promo, T, "2"},
    {"couleur_titre_intro", &O::couleur_titre_intro, T, "#000000"},
    {"texte_index", nullptr, SorteAccueil::ListeTexte, "0"},
    {"ref_index", nullptr, SorteAccueil::ListeVitrine, "0"},
    {"titreMAJ", &O::titreMAJ, T, "oui"},
    {"promo_encadrement", &O::promo_encadrement, T, "carre"},
    {"promo_position", &O::promo_position, T, "horizontale"},
    {"promo_trait", &O::promo_trait, T, "#000000"},
    {"promo_police", &O::promo_police, T, "Arial"},
    {"promo_alignement", &O::promo_alignement, T, "left"},
    {"promo_titre_alignement", &O::promo_titre_alignement, T, "center"},
    {"promo_largeur", &O::promo_largeur, T, "150"},
    {"promo_hauteur", &O::promo_hauteur, T, "50"},
    {"promo_titre_couleur", &O::promo_titre_couleur, T, "#FFFFFF"},
    {"promo_titre_fond", &O::promo_titre_fond, T, "#008000"},
    {"promo_titre_gras", &O::promo_titre_gras, T, "non"},
    {"promo_titre_italique", &O::promo_titre_italique, T, "non"},
    {"promo_titre_souligne", &O::promo_titre_souligne, T, "non"},
    {"promo_titre_taille", &O::promo_titre_taille, T, "13"},
    {"promo_texte_couleur", &O::promo_texte_couleur, T, "#0000FF"},
    {"promo_texte_fond", &O::promo_texte_fond, T, "#FFFFFF"},
    {"promo_texte_gras", &O::promo_texte_gras, T, "non"},
    {"promo_texte_italique", &O::promo_texte_italique, T, "non"},
    {"promo_texte_souligne", &O::promo_texte_souligne, T, "non"},
    {"promo_texte_taille", &O::promo_texte_taille, T, "13"},
    {"promo_span", &O::promo_span, T, "non"},
    {"rubriques_index", nullptr, SorteAccueil::ListeRubriques, ""},
};

// Name=value lookup over a whole file at once: key case ignored, the first line wins.
class Recherche {
 public:
  explicit Recherche(const platform::LineList& lignes) {
    for (const std::string& ligne : lignes) {
      size_t egal = ligne.find('=');
      if (egal == std::string::npos) continue;
      valeurs_.try_emplace(platform::lowerAscii(ligne.substr(0, egal)), ligne.substr(egal + 1));
    }
  }
  std::optional<std::string> valeur(std::string_view cle) const {
    auto it = valeurs_.find(platform::lowerAscii(cle));
    if (it == valeurs_.end()) return std::nullopt;
    return it->second;
  }
  std::string texte(std::string_view cle) const { return valeur(cle).value_or(""); }
  // A count kept only when it is a whole number of 0 or more; a hand-edited value such as "3a"
  // counts as absent rather than stopping the load. Never more items than the file has lines.
  std::optional<size_t> compte(std::string_view cle, size_t plafond) const {
    std::optional<std::string> v = valeur(cle);
    if (!v || v->empty()) return std::nullopt;
    std::optional<long long> n = platform::toInteger(platform::trim(*v));
    if (!n || *n < 0) return std::nullopt;
    return std::min(static_cast<size_t>(*n), plafond);
  }

 private:
  std::unordered_map<std::string, std::string> valeurs_;
};

std::string cle(const char* racine, size_t i) { return racine + std::to_string(i); }

std::string colonnes(std::string_view valeur) {
  std::optional<long long> n = platform::toInteger(app::nettoyerPrix(valeur));
  if (!n || *n == 0) return "2";
  return std::to_string(std::clamp<long long>(*n, 1, 9));
}

}  // namespace

std::span<const CleAccueil> clesAccueil() { return kCles; }

std::vector<RubriqueCochee> rubriquesInitiales() {
  std::vector<RubriqueCochee> r;
  for (const char* nom : {"Titre", "Visite", "ESPACE", "Produits", "Thèmes", "Auteurs", "ESPACE",
                          "Panier", "Paiement sécurisé", "FAQ", "Conditions de vente",
                          "Livraison", "ESPACE", "Contact"})
    r.push_back({nom, true});
  return r;
}

void mettreDefautsAccueil(TOptionsAccueil& o) {
  for (const CleAccueil& c : kCles)
    if (c.sorte == SorteAccueil::Texte) o.*c.champ = c.defaut;
  o.texte_index = "0";
  o.ref_index = "0";
  o.vitrine.clear();
  for (RubriqueCochee& r : o.rubriques) r.coche = r.nom != "Auteurs";
}

void lireAccueil(TOptionsAccueil& o, const platform::LineList& lignes) {
  if (lignes.empty()) return;
  const Recherche r(lignes);
  const size_t plafond = lignes.size();
  for (const CleAccueil& c : kCles) {
    switch (c.sorte) {
      case SorteAccueil::Texte:
      case SorteAccueil::Garde:
        if (std::string v = r.texte(c.cle); !v.empty()) o.*c.champ = v;
        break;
      case SorteAccueil::ListeTexte:
        if (auto n = r.compte(c.cle, plafond); n && *n > 0) {
          o.texte_index = std::to_string(*n);
          o.texte.clear();
          for (size_t i = 0; i < *n; ++i) o.texte.push_back(r.texte(cle("texte", i)));
        }
        break;
      case SorteAccueil::ListeVitrine:
        if (auto n = r.compte(c.cle, plafond); n && *n > 0) {
          o.ref_index = std::to_string(*n);
          for (size_t i = 0; i < *n; ++i)
            o.vitrine.push_back(
                {r.texte(cle("titre", i)), r.texte(cle("ref", i)), r.texte(cle("titres", i))});
        }
        break;
      case SorteAccueil::ListeRubriques:
        if (auto n = r.compte(c.cle, plafond)) {
          o.rubriques.clear();
          for (size_t i = 0; i < *n; ++i)
            o.rubriques.push_back({r.texte(cle("rubrique", i)), r.texte(cle("checked", i)) != "non"});
        }
        break;
    }
  }
  o.nbre_promo = colonnes(o.nbre_promo);
}

void chargerOptionsAccueil(TOptionsAccueil& o, const std::filesystem::path& fichier) {
  mettreDefautsAccueil(o);
  if (platform::fileExists(fichier))
    lireAccueil(o, platform::LineList::load(fichier));
  else
    o.espaceYES = "non";
  if (o.promo_hauteur == "100%") o.promo_hauteur = "0";
}

platform::LineList lignesAccueil(const TOptionsAccueil& o) {
  platform::LineList l;
  auto ajouter = [&l](const std::string& c, const std::string& v) { l.add(c + "=" + v); };
  for (const CleAccueil& c : kCles) {
    switch (c.sorte) {
      case SorteAccueil::Texte:
      case SorteAccueil::Garde:
        ajouter(c.cle, o.*c.champ);
        break;
      case SorteAccueil::ListeTexte:
        if (o.texte.empty()) break;
        ajouter(c.cle, std::to_string(o.texte.size()));
        for (size_t i = 0; i < o.texte.size(); ++i) ajouter(cle("texte", i), o.texte[i]);
        break;
      case SorteAccueil::ListeVitrine:
        if (o.vitrine.empty()) break;
        ajouter(c.cle, std::to_string(o.vitrine.size()));
        for (size_t i = 0; i < o.vitrine.size(); ++i) {
          ajouter(cle("titre", i), o.vitrine[i].titre);
          ajouter(cle("ref", i), o.vitrine[i].ref);
          ajouter(cle("titres", i), o.vitrine[i].titres);
        }
        break;
      case SorteAccueil::ListeRubriques:
        if (o.rubriques.empty()) break;
        ajouter(c.cle, std::to_string(o.rubriques.size()));
        for (size_t i = 0; i < o.rubriques.size(); ++i) {
          ajouter(cle("rubrique", i), o.rubriques[i].nom);
          ajouter(cle("checked", i), o.rubriques[i].coche ? "oui" : "non");
        }
        break;
    }
  }
  return l;
}

std::vector<CadreAccueil> cadresAccueil(const TOptionsAccueil& o) {
  // Without a title bar the showcase's top corners sit on the text.
  const std::string& hautPromo = o.promo_span == "oui" ? o.promo_texte_fond : o.promo_titre_fond;
  return {
      {"promo", o.promo_encadrement, hautPromo, o.promo_texte_fond, o.promo_trait},
      {"rubriques", o.encadrementR, o.haut_fond_rubriques, o.fond_rubriques, o.trait_rubriques},
  };
}

void sauverCoinsAccueil(const TOptionsAccueil& o, char sepurl, const std::filesystem::path& dossier) {
  for (const CadreAccueil& c : cadresAccueil(o)) {
    design::Coins coins =
        design::dessinerCoins(c.typeCadre, design::couleurTexte(c.couleurFondHaut),
                              design::couleurTexte(c.couleurFond), design::couleurTexte(c.couleurTrait));
    design::sauverCoins(coins, c.typeCadre, c.nom, sepurl, dossier);
  }
}

}  // namespace infopages
