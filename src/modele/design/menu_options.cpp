#include "modele/design/menu_options.h"

#include <charconv>
#include <optional>
#include <unordered_map>

#include "platform/files.h"
#include "platform/text.h"

namespace design {

namespace {

using O = TOptionsMenu;
constexpr DefautMenu T = DefautMenu::Texte;
constexpr DefautMenu S = DefautMenu::TexteSection;
constexpr DefautMenu P = DefautMenu::PoliceDefaut;
constexpr DefautMenu I = DefautMenu::ImagePage;
constexpr DefautMenu F = DefautMenu::FixePage;
constexpr DefautMenu G = DefautMenu::Garde;

const CleMenu kCles[] = {
    {"famille_titre", &O::famille_titre, T, "0"},

    {"coul_items", &O::coul_items, T, "#000080"},
    {"fond_items", &O::fond_items, T, "#FFFFFF"},
    {"police_items", &O::police_items, P, ""},
    {"gras_items", &O::gras_items, T, "non"},
    {"italique_items", &O::italique_items, T, "non"},
    {"souligne_items", &O::souligne_items, T, "non"},
    {"taille_items", &O::taille_items, T, "13"},
    {"aligne_items", &O::aligne_items, T, "left"},

    {"coul_menu_titres", &O::coul_menu_titres, T, "#000080"},
    {"fond_menu_titres", &O::fond_menu_titres, T, "#c4e1ff"},
    {"police_menu_titres", &O::police_menu_titres, P, ""},
    {"gras_menu_titres", &O::gras_menu_titres, T, "oui"},
    {"italique_menu_titres", &O::italique_menu_titres, T, "non"},
    {"souligne_menu_titres", &O::souligne_menu_titres, T, "non"},
    {"taille_menu_titres", &O::taille_menu_titres, T, "13"},
    {"aligne_menu_titres", &O::aligne_menu_titres, T, "center"},

    {"coul_over_items", &O::coul_over_items, T, "black"},
    {"over", &O::over, T, "non"},
    {"fond_over", &O::fond_over, T, "#BBBBBB"},
    {"police_over", &O::police_over, P, ""},
    {"gras_over", &O::gras_over, T, "non"},
    {"italique_over", &O::italique_over, T, "non"},
    {"souligne_over", &O::souligne_over, T, "oui"},
    {"taille_over", &O::taille_over, T, "13"},

    {"encadrement_menu", &O::encadrement_menu, T, "carre"},
    {"coul_menu_trait", &O::coul_menu_trait, T, "#1781B3"},
    {"largeur_menu", &O::largeur_menu, T, "120"},
    {"hauteur_top", &O::hauteur_top, T, "60"},
    {"liste_deroulante", &O::liste_deroulante, T, "non"},
    {"liste_dynamique", &O::liste_dynamique, T, "non"},

    {"image_menu", &O::image_menu, I, ""},
    {"fond_couleur_menu", &O::fond_couleur_menu, G, ""},
    {"fixe_menu", &O::fixe_menu, F, ""},
    {"menu_centre", &O::menu_centre, T, "oui"},
    {"top_centre", &O::top_centre, T, "oui"},
    {"image_top", &O::image_top, I, ""},
    {"fond_couleur_top", &O::fond_couleur_top, G, ""},
    {"fixe_top", &O::fixe_top, F, ""},

    {"colle_cv", &O::colle_cv, T, "non"},
    {"coul_cv", &O::coul_cv, T, "#0000FF"},
    {"fond_cv", &O::fond_cv, T, "#F9F8FF"},
    {"police_cv", &O::police_cv, P, ""},
    {"gras_cv", &O::gras_cv, T, "non"},
    {"italique_cv", &O::italique_cv, T, "non"},
    {"souligne_cv", &O::souligne_cv, T, "non"},
    {"taille_cv", &O::taille_cv, T, "13"},
    {"aligne_cv", &O::aligne_cv, T, "center"},
    {"encadrement_cv", &O::encadrement_cv, T, "carre"},
    {"coul_trait_cv", &O::coul_trait_cv, T, "#1781B3"},
    {"over_cv", &O::over_cv, T, "non"},
    {"fond_over_cv", &O::fond_over_cv, T, "#00008B"},
    {"police_over_cv", &O::police_over_cv, P, ""},
    {"gras_over_cv", &O::gras_over_cv, T, "non"},
    {"italique_over_cv", &O::italique_over_cv, T, "non"},
    {"souligne_over_cv", &O::souligne_over_cv, T, "non"},
    {"taille_over_cv", &O::taille_over_cv, T, "13"},

    {"recherche_top", &O::recherche_top, T, "top"},
    {"recherche_texte", &O::recherche_texte, T, "RECHERCHE"},
    {"coul_recherche", &O::coul_recherche, T, "#0000FF"},
    {"fond_recherche", &O::fond_recherche, T, "#F9F8FF"},
    {"police_recherche", &O::police_recherche, P, ""},
    {"gras_recherche", &O::gras_recherche, T, "non"},
    {"italique_recherche", &O::italique_recherche, T, "non"},
    {"souligne_recherche", &O::souligne_recherche, T, "non"},
    {"taille_recherche", &O::taille_recherche, T, "13"},
    {"encadrement_recherche", &O::encadrement_recherche, T, "carre"},
    {"coul_trait_recherche", &O::coul_trait_recherche, T, "#1781B3"},

    {"coul_menu_listes", &O::coul_menu_listes, T, "#000080"},
    {"fond_menu_listes", &O::fond_menu_listes, T, "#CCCCEE"},
    {"tirets_listes", &O::tirets_listes, T, "0"},

    {"menuHTM", &O::menuHTM, T, "non"},
    {"topHTM", &O::topHTM, T, "non"},
    {"image_transparent", &O::image_transparent, T, "oui"},
    {"logo_top", &O::logo_top, T, "oui"},

    // coul_logo starts as the logo's line colour
    {"coul_logo", &O::coul_logo, T, "#1781B3"},
    {"fond_logo", &O::fond_logo, T, "#FFFFFF"},
    {"police_logo", &O::police_logo, P, ""},
    {"gras_logo", &O::gras_logo, T, "oui"},
    {"italique_logo", &O::italique_logo, T, "non"},
    {"souligne_logo", &O::souligne_logo, T, "non"},
    {"taille_logo", &O::taille_logo, T, "13"},
    {"aligne_logo", &O::aligne_logo, T, "center"},
    {"encadrement_logo", &O::encadrement_logo, T, "carre"},
    {"coul_logo_trait", &O::coul_logo_trait, T, "#1781B3"},
    {"logo_texte", &O::logo_texte, G, ""},
    {"logo_texte_voir", &O::logo_texte_voir, T, "oui"},
    {"logo_image", &O::logo_image, T, ""},
    {"bouton1_logo", &O::bouton1_logo, G, ""},
    {"longueur_logo", &O::longueur_logo, G, ""},
    {"hauteur_logo", &O::hauteur_logo, G, ""},
    {"x1_logo", &O::x1_logo, G, ""},
    {"y1_logo", &O::y1_logo, G, ""},
    {"puce1_logo", &O::puce1_logo, G, ""},
    {"longueurp_logo", &O::longueurp_logo, G, ""},
    {"hauteurp_logo", &O::hauteurp_logo, G, ""},

    // the links of the top frame: x1 is written twice, as the site's scripts expect it
    {"delais_texte", &O::delais_texte, S, "Délai et Frais"},
    {"delais_texte_voir", &O::delais_texte_voir, T, "oui"},
    {"delais_image", &O::delais_image, T, ""},
    {"bouton1_delais", &O::bouton1_delais, T, ""},
    {"longueur_delais", &O::longueur_delais, T, ""},
    {"hauteur_delais", &O::hauteur_delais, T, ""},
    {"x1_delais", &O::x1_delais, T, ""},
    {"y1_delais", &O::y1_delais, T, ""},
    {"bouton2_delais", &O::bouton2_delais, T, ""},
    {"x2_delais", &O::x2_delais, T, ""},
    {"y2_delais", &O::y2_delais, T, ""},
    {"x1_delais", &O::x1_delais, T, ""},
    {"puce_delais", &O::puce_delais, T, ""},
    {"longueurp_delais", &O::longueurp_delais, T, ""},
    {"hauteurp_delais", &O::hauteurp_delais, T, ""},
    {"accueil_texte", &O::accueil_texte, S, "Accueil"},
    {"accueil_texte_voir", &O::accueil_texte_voir, T, "oui"},
    {"accueil_image", &O::accueil_image, T, ""},
    {"bouton1_accueil", &O::bouton1_accueil, T, ""},
    {"longueur_accueil", &O::longueur_accueil, T, ""},
    {"hauteur_accueil", &O::hauteur_accueil, T, ""},
    {"x1_accueil", &O::x1_accueil, T, ""},
    {"y1_accueil", &O::y1_accueil, T, ""},
    {"bouton2_accueil", &O::bouton2_accueil, T, ""},
    {"x2_accueil", &O::x2_accueil, T, ""},
    {"y2_accueil", &O::y2_accueil, T, ""},
    {"x1_accueil", &O::x1_accueil, T, ""},
    {"puce_accueil", &O::puce_accueil, T, ""},
    {"longueurp_accueil", &O::longueurp_accueil, T, ""},
    {"hauteurp_accueil", &O::hauteurp_accueil, T, ""},
    {"conditions_texte", &O::conditions_texte, S, "Conditions"},
    {"conditions_texte_voir", &O::conditions_texte_voir, T, "oui"},
    {"conditions_image", &O::conditions_image, T, ""},
    {"bouton1_conditions", &O::bouton1_conditions, T, ""},
    {"longueur_conditions", &O::longueur_conditions, T, ""},
    {"hauteur_conditions", &O::hauteur_conditions, T, ""},
    {"x1_conditions", &O::x1_conditions, T, ""},
    {"y1_conditions", &O::y1_conditions, T, ""},
    {"bouton2_conditions", &O::bouton2_conditions, T, ""},
    {"x2_conditions", &O::x2_conditions, T, ""},
    {"y2_conditions", &O::y2_conditions, T, ""},
    {"x1_conditions", &O::x1_conditions, T, ""},
    {"puce_conditions", &O::puce_conditions, T, ""},
    {"longueurp_conditions", &O::longueurp_conditions, T, ""},
    {"hauteurp_conditions", &O::hauteurp_conditions, T, ""},
    {"securite_texte", &O::securite_texte, S, "Votre Sécurité"},
    {"securite_texte_voir", &O::securite_texte_voir, T, "oui"},
    {"securite_image", &O::securite_image, T, ""},
    {"bouton1_securite", &O::bouton1_securite, T, ""},
    {"longueur_securite", &O::longueur_securite, T, ""},
    {"hauteur_securite", &O::hauteur_securite, T, ""},
    {"x1_securite", &O::x1_securite, T, ""},
    {"y1_securite", &O::y1_securite, T, ""},
    {"bouton2_securite", &O::bouton2_securite, T, ""},
    {"x2_securite", &O::x2_securite, T, ""},
    {"y2_securite", &O::y2_securite, T, ""},
    {"x1_securite", &O::x1_securite, T, ""},
    {"puce_securite", &O::puce_securite, T, ""},
    {"longueurp_securite", &O::longueurp_securite, T, ""},
    {"hauteurp_securite", &O::hauteurp_securite, T, ""},
    {"ecrire_texte", &O::ecrire_texte, S, "Nous écrire"},
    {"ecrire_texte_voir", &O::ecrire_texte_voir, T, "oui"},
    {"ecrire_image", &O::ecrire_image, T, ""},
    {"bouton1_ecrire", &O::bouton1_ecrire, T, ""},
    {"longueur_ecrire", &O::longueur_ecrire, T, ""},
    {"hauteur_ecrire", &O::hauteur_ecrire, T, ""},
    {"x1_ecrire", &O::x1_ecrire, T, ""},
    {"y1_ecrire", &O::y1_ecrire, T, ""},
    {"bouton2_ecrire", &O::bouton2_ecrire, T, ""},
    {"x2_ecrire", &O::x2_ecrire, T, ""},
    {"y2_ecrire", &O::y2_ecrire, T, ""},
    {"x1_ecrire", &O::x1_ecrire, T, ""},
    {"puce_ecrire", &O::puce_ecrire, T, ""},
    {"longueurp_ecrire", &O::longueurp_ecrire, T, ""},
    {"hauteurp_ecrire", &O::hauteurp_ecrire, T, ""},
    {"panier_texte", &O::panier_texte, S, "Votre Panier"},
    {"panier_texte_voir", &O::panier_texte_voir, T, "oui"},
    {"panier_image", &O::panier_image, T, ""},
    {"bouton1_panier", &O::bouton1_panier, T, ""},
    {"longueur_panier", &O::longueur_panier, T, ""},
    {"hauteur_panier", &O::hauteur_panier, T, ""},
    {"x1_panier", &O::x1_panier, T, ""},
    {"y1_panier", &O::y1_panier, T, ""},
    {"bouton2_panier", &O::bouton2_panier, T, ""},
    {"x2_panier", &O::x2_panier, T, ""},
    {"y2_panier", &O::y2_panier, T, ""},
    {"x1_panier", &O::x1_panier, T, ""},
    {"puce_panier", &O::puce_panier, T, ""},
    {"longueurp_panier", &O::longueurp_panier, T, ""},
    {"hauteurp_panier", &O::hauteurp_panier, T, ""},
    {"emploi_texte", &O::emploi_texte, S, "?"},
    {"emploi_texte_voir", &O::emploi_texte_voir, T, "oui"},
    {"emploi_image", &O::emploi_image, T, ""},
    {"bouton1_emploi", &O::bouton1_emploi, T, ""},
    {"longueur_emploi", &O::longueur_emploi, T, ""},
    {"hauteur_emploi", &O::hauteur_emploi, T, ""},
    {"x1_emploi", &O::x1_emploi, T, ""},
    {"y1_emploi", &O::y1_emploi, T, ""},
    {"bouton2_emploi", &O::bouton2_emploi, T, ""},
    {"x2_emploi", &O::x2_emploi, T, ""},
    {"y2_emploi", &O::y2_emploi, T, ""},
    {"x1_emploi", &O::x1_emploi, T, ""},
    {"puce_emploi", &O::puce_emploi, T, ""},
    {"longueurp_emploi", &O::longueurp_emploi, T, ""},
    {"hauteurp_emploi", &O::hauteurp_emploi, T, ""},

    {"adresse_top", &O::adresse_top, T, "oui"},
    {"adresse_top_color", &O::adresse_top_color, T, "#808080"},
    {"date_top", &O::date_top, T, "non"},
    {"date_top_color", &O::date_top_color, T, "#808080"},
    {"angle", &O::angle, T, "non"},
    {"angle_color", &O::angle_color, T, "#FFFFFF"},
    {"bandeau_top", &O::bandeau_top, T, "non"},
    {"delais_top", &O::delais_top, T, "oui"},
    {"conditions_top", &O::conditions_top, T, "non"},
    {"az_top", &O::az_top, T, "oui"},
    {"ecrire_top", &O::ecrire_top, T, "oui"},
    {"secur_top", &O::secur_top, T, "oui"},
    {"emploi_top", &O::emploi_top, T, "non"},

    {"coul_bandeau", &O::coul_bandeau, T, "#FFFFFF"},
    {"fond_bandeau", &O::fond_bandeau, T, "#5A6BA5"},
    {"police_bandeau", &O::police_bandeau, T, "Verdana"},
    {"gras_bandeau", &O::gras_bandeau, T, "oui"},
    {"italique_bandeau", &O::italique_bandeau, T, "non"},
    {"souligne_bandeau", &O::souligne_bandeau, T, "non"},
    {"taille_bandeau", &O::taille_bandeau, T, "13"},
    {"aligne_bandeau", &O::aligne_bandeau, T, "center"},
    {"encadrement_bandeau", &O::encadrement_bandeau, T, "rond"},
    {"coul_bandeau_trait", &O::coul_bandeau_trait, T, "#1781B3"},
    {"bandeau_texte", &O::bandeau_texte, G, ""},
    {"bandeau_texte_voir", &O::bandeau_texte_voir, T, "oui"},
    {"bandeau_image", &O::bandeau_image, T, ""},
    {"bouton1_bandeau", &O::bouton1_bandeau, G, ""},
    {"longueur_bandeau", &O::longueur_bandeau, G, ""},
    {"largeur_bandeau", &O::largeur_bandeau, T, "300"},
    {"largeur_cv", &O::largeur_cv, T, "0"},
    {"hauteur_bandeau", &O::hauteur_bandeau, G, ""},
    {"x1_bandeau", &O::x1_bandeau, G, ""},
    {"y1_bandeau", &O::y1_bandeau, G, ""},
    {"puce1_bandeau", &O::puce1_bandeau, G, ""},
    {"longueurp_bandeau", &O::longueurp_bandeau, G, ""},
    {"hauteurp_bandeau", &O::hauteurp_bandeau, G, ""},

    {"hauteur_frame", &O::hauteur_frame, T, "600"},
    {"largeur_frame", &O::largeur_frame, T, "100%"},
    {"accueil_menu", &O::accueil_menu, T, "non"},
};

const CleParFamille kClesParFamille[] = {
    {"image_menu_texte", &O::image_menu_texte},
    {"image_menu_titre", &O::image_menu_titre},
    {"bouton1_menu_titre", &O::bouton1_menu_titre},
    {"longueur_menu_titre", &O::longueur_menu_titre},
    {"hauteur_menu_titre", &O::hauteur_menu_titre},
    {"x1_menu_titre", &O::x1_menu_titre},
    {"y1_menu_titre", &O::y1_menu_titre},
    {"puce1_menu_titre", &O::puce1_menu_titre},
    {"longueurp_menu_titre", &O::longueurp_menu_titre},
    {"hauteurp_menu_titre", &O::hauteurp_menu_titre},
    {"image_menu_bas", &O::image_menu_bas},
    {"bouton1_menu_bas", &O::bouton1_menu_bas},
    {"longueur_menu_bas", &O::longueur_menu_bas},
    {"hauteur_menu_bas", &O::hauteur_menu_bas},
};

const CleParCategorie kClesParCategorie[] = {
    {"image_texte_catego", &O::image_texte_catego},
    {"image_menu_catego", &O::image_menu_catego},
    {"bouton1_menu_catego", &O::bouton1_menu_catego},
    {"longueur_menu_catego", &O::longueur_menu_catego},
    {"hauteur_menu_catego", &O::hauteur_menu_catego},
    {"x1_menu_catego", &O::x1_menu_catego},
    {"y1_menu_catego", &O::y1_menu_catego},
    {"bouton2_menu_catego", &O::bouton2_menu_catego},
    {"x2_menu_catego", &O::x2_menu_catego},
    {"y2_menu_catego", &O::y2_menu_catego},
    {"puce1_menu_catego", &O::puce1_menu_catego},
    {"longueurp_menu_catego", &O::longueurp_menu_catego},
    {"hauteurp_menu_catego", &O::hauteurp_menu_catego},
    {"puce2_menu_catego", &O::puce2_menu_catego},
};

const CleAccueilMenu kClesAccueil[] = {
    {"texteAMG", &TStyleAccueilMenu::texteAMG},       {"souligneAMG", &TStyleAccueilMenu::souligneAMG},
    {"grasAMG", &TStyleAccueilMenu::grasAMG},         {"italiqueAMG", &TStyleAccueilMenu::italiqueAMG},
    {"couleurAMG", &TStyleAccueilMenu::couleurAMG},   {"tailleAMG", &TStyleAccueilMenu::tailleAMG},
    {"centreAMG", &TStyleAccueilMenu::centreAMG},     {"aligneAMG", &TStyleAccueilMenu::aligneAMG},
    {"policeAMG", &TStyleAccueilMenu::policeAMG},
};

// The name=value lookup of the settings files, built once per file: key case ignored, the first
// line bearing a key wins, lines without "=" are no keys.
class Recherche {
 public:
  explicit Recherche(const platform::LineList& lignes) {
    for (const std::string& ligne : lignes) {
      size_t egal = ligne.find('=');
      if (egal == std::string::npos) continue;
      valeurs_.try_emplace(platform::lowerAscii(std::string_view(ligne).substr(0, egal)),
                           ligne.substr(egal + 1));
    }
  }
  // A value found and not empty replaces the field; otherwise the field stays.
  bool lire(std::string_view cle, std::string& champ) const {
    auto it = valeurs_.find(platform::lowerAscii(cle));
    if (it == valeurs_.end() || it->second.empty()) return false;
    champ = it->second;
    return true;
  }

 private:
  std::unordered_map<std::string, std::string> valeurs_;
};

std::string cleFamille(const char* racine, int n) { return racine + std::to_string(n); }

std::string cleCategorie(const char* racine, int f, int i) {
  return racine + std::to_string(f) + "-" + std::to_string(i);
}

// A position written by the program: decimal, no sign, no leading zero.
std::optional<int> position(std::string_view texte, int borne) {
  int valeur = 0;
  auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  if (erreur != std::errc() || fin != texte.data() + texte.size() || valeur < 0 ||
      valeur >= borne || std::to_string(valeur) != texte)
    return std::nullopt;
  return valeur;
}

}  // namespace

std::span<const CleMenu> clesMenu() { return kCles; }
std::span<const CleParFamille> clesParFamille() { return kClesParFamille; }
std::span<const CleParCategorie> clesParCategorie() { return kClesParCategorie; }
std::span<const CleAccueilMenu> clesAccueilMenu() { return kClesAccueil; }

std::string* champMenu(TOptionsMenu& options, std::string_view cle) {
  for (const CleMenu& c : kCles)
    if (cle == c.cle) return &(options.*c.champ);
  if (platform::startsWith(cle, "fam"))
    if (auto n = position(cle.substr(3), kFamillesMenu)) return &options.fam[*n];
  for (const CleParFamille& c : kClesParFamille) {
    std::string_view racine = c.racine;
    if (!platform::startsWith(cle, racine)) continue;
    if (auto n = position(cle.substr(racine.size()), kFamillesMenu)) return &(options.*c.champ)[*n];
  }
  for (const CleParCategorie& c : kClesParCategorie) {
    std::string_view racine = c.racine;
    if (!platform::startsWith(cle, racine)) continue;
    std::string_view reste = cle.substr(racine.size());
    size_t tiret = reste.find('-');
    if (tiret == std::string_view::npos) continue;
    auto f = position(reste.substr(0, tiret), kFamillesMenu);
    auto i = position(reste.substr(tiret + 1), kCategoriesParFamille);
    if (f && i) return &(options.*c.champ)[*f][*i];
  }
  return nullptr;
}

void mettreDefautsMenu(TOptionsMenu& options, const DefautsMenu& defauts) {
  for (const CleMenu& c : kCles) {
    std::string& champ = options.*c.champ;
    switch (c.sorte) {
      case DefautMenu::Texte:
      case DefautMenu::TexteSection: champ = c.defaut; break;
      case DefautMenu::PoliceDefaut: champ = defauts.police_defaut; break;
      case DefautMenu::ImagePage: champ = defauts.image_page; break;
      case DefautMenu::FixePage: champ = defauts.fixe_page; break;
      case DefautMenu::Garde: break;
    }
  }
}

void lireMenu(TOptionsMenu& options, const platform::LineList& lignes) {
  // The section defaults only stand for a shop without a file.
  for (const CleMenu& c : kCles)
    if (c.sorte == DefautMenu::TexteSection) (options.*c.champ).clear();
  if (lignes.size() < 2) return;
  Recherche recherche(lignes);
  for (const CleMenu& c : kCles) recherche.lire(c.cle, options.*c.champ);
  for (int n = 0; n < kFamillesMenu; ++n) recherche.lire(cleFamille("fam", n), options.fam[n]);
  for (int n = 0; n < kFamillesMenu; ++n) {
    for (const CleParFamille& c : kClesParFamille)
      recherche.lire(cleFamille(c.racine, n), (options.*c.champ)[n]);
    for (int i = 0; i < kCategoriesParFamille; ++i)
      for (const CleParCategorie& c : kClesParCategorie)
        recherche.lire(cleCategorie(c.racine, n, i), (options.*c.champ)[n][i]);
  }
}

void chargerOptionsMenu(TOptionsMenu& options, const std::filesystem::path& fichier,
                        const DefautsMenu& defauts) {
  mettreDefautsMenu(options, defauts);
  if (platform::fileExists(fichier)) lireMenu(options, platform::LineList::load(fichier));
  if (!options.fond_couleur_menu.empty()) options.image_menu.clear();
  if (!options.fond_couleur_top.empty()) options.image_top.clear();
}

platform::LineList lignesMenu(const TOptionsMenu& options, const SaisiesMenu& saisies) {
  platform::LineList lignes;
  for (const CleMenu& c : kCles) {
    std::string valeur;
    if (c.champ == &O::hauteur_frame)
      valeur = saisies.hauteur_frame;
    else if (c.champ == &O::largeur_frame)
      valeur = saisies.largeur_frame;
    else if (c.champ == &O::accueil_menu)
      valeur = saisies.accueil ? "oui" : "non";
    else
      valeur = options.*c.champ;
    lignes.add(std::string(c.cle) + "=" + valeur);
    if (c.champ == &O::famille_titre)
      for (size_t k = 0; k < saisies.famille_order.size(); ++k)
        lignes.add("fam" + std::to_string(k) + "=" + saisies.famille_order[k]);
  }
  auto ajouter = [&lignes](const std::string& cle, const std::string& valeur) {
    if (!valeur.empty()) lignes.add(cle + "=" + valeur);
  };
  for (int n = 0; n < kFamillesMenu; ++n) {
    for (const CleParFamille& c : kClesParFamille)
      ajouter(cleFamille(c.racine, n), (options.*c.champ)[n]);
    for (int i = 0; i < kCategoriesParFamille; ++i)
      for (const CleParCategorie& c : kClesParCategorie)
        ajouter(cleCategorie(c.racine, n, i), (options.*c.champ)[n][i]);
  }
  return lignes;
}

std::vector<CadreMenu> cadresMenu(const TOptionsMenu& o) {
  // Without family titles the menu's top corners sit on the items.
  const std::string& hautMenu = o.famille_titre == "1" ? o.fond_items : o.fond_menu_titres;
  std::vector<CadreMenu> tous = {
      {"menu", o.encadrement_menu, hautMenu, o.fond_items, o.coul_menu_trait},
      {"logo", o.encadrement_logo, o.fond_logo, o.fond_logo, o.coul_logo_trait},
      {"bandeau", o.encadrement_bandeau, o.fond_bandeau, o.fond_bandeau, o.coul_bandeau_trait},
      {"cv", o.encadrement_cv, o.fond_cv, o.fond_cv, o.coul_trait_cv},
  };
  std::vector<CadreMenu> cadres;
  for (auto& c : tous)
    if (c.typeCadre != "transparent") cadres.push_back(std::move(c));
  return cadres;
}

void sauverCoinsMenu(const TOptionsMenu& options, char sepurl, const std::filesystem::path& dossier) {
  for (const CadreMenu& c : cadresMenu(options)) {
    Coins coins = dessinerCoins(c.typeCadre, couleurTexte(c.couleurFondHaut),
                                couleurTexte(c.couleurFond), couleurTexte(c.couleurTrait));
    sauverCoins(coins, c.typeCadre, c.nom, sepurl, dossier);
  }
}

void chargerStyleAccueilMenu(TStyleAccueilMenu& style, const std::filesystem::path& fichier,
                             std::string_view couleur_liens, std::string_view police_defaut) {
  style.texteAMG = "Accueil";
  style.souligneAMG = "oui";
  style.grasAMG = "oui";
  style.italiqueAMG = "non";
  style.couleurAMG = couleur_liens;
  style.tailleAMG = "2";
  style.centreAMG = "center";
  style.aligneAMG = "bas";
  style.policeAMG = police_defaut;
  if (!platform::fileExists(fichier)) return;
  Recherche recherche(platform::LineList::load(fichier));
  for (const CleAccueilMenu& c : kClesAccueil) recherche.lire(c.cle, style.*c.champ);
}

platform::LineList lignesStyleAccueilMenu(const TStyleAccueilMenu& style) {
  platform::LineList lignes;
  for (const CleAccueilMenu& c : kClesAccueil) {
    const std::string& valeur = style.*c.champ;
    if (c.champ == &TStyleAccueilMenu::aligneAMG && valeur.empty()) continue;
    lignes.add(std::string(c.cle) + "=" + valeur);
  }
  return lignes;
}

}  // namespace design
