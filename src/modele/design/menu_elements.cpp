#include "modele/design/menu_elements.h"

#include <algorithm>

#include "platform/text.h"

namespace design {

namespace {

using O = TOptionsMenu;

const ElementMenu kElements[] = {
    {"Menu - Catégories", "Menu - Catégories"},
    {"Menu - Titres", "Menu - Titres"},
    {"Menu - Roll Over", "Menu - Roll Over"},
    {"Menu - Listes", "Menu - Listes"},
    {"Logo", "Logo"},
    {"Bandeau", "Bandeau"},
    {"Top - Textes", "Top - Textes"},
    {"Top - Roll Over", "Top - Roll Over"},
    {"Accueil", "Accueil"},
    {"Délais", "Délais"},
    {"Sécurité", "Securite"},
    {"Ecrire", "Ecrire"},
    {"Panier", "Panier"},
    {"Mode d'emploi", "emploi"},
    {"Recherche", "Recherche"},
    {"Conditions", "Conditions"},
};

const SectionTop kSections[] = {
    {"Accueil", &O::accueil_texte, &O::accueil_image, "Lien : accueil.htm"},
    {"Délais", &O::delais_texte, &O::delais_image, "Lien : cv.htm#delai"},
    {"Securite", &O::securite_texte, &O::securite_image, "Lien : secur.htm"},
    {"Ecrire", &O::ecrire_texte, &O::ecrire_image, "Lien : mailto:", true},
    {"Panier", &O::panier_texte, &O::panier_image, "Lien : voir guide formulaire"},
    {"emploi", &O::emploi_texte, &O::emploi_image, "Lien : emploi.htm"},
    {"Conditions", &O::conditions_texte, &O::conditions_image, "Lien : cv.htm"},
};

// One row of a style control's table. An element ending in "*" stands for every element that
// begins with what precedes it.
struct LigneReglage {
  ReglageMenu reglage;
  const char* element;
  ChampMenu cle;
  ChampMenu seconde = nullptr;  // the few controls that write two keys
};

using R = ReglageMenu;
const LigneReglage kReglages[] = {
    {R::CouleurTexte, "Menu - Catégories", &O::coul_items},
    {R::CouleurTexte, "Menu - Roll Over", &O::coul_over_items},
    {R::CouleurTexte, "Menu - Titres", &O::coul_menu_titres},
    {R::CouleurTexte, "Menu - Listes", &O::coul_menu_listes},
    {R::CouleurTexte, "Logo", &O::coul_logo},
    {R::CouleurTexte, "Bandeau", &O::coul_bandeau},
    {R::CouleurTexte, "Top - Textes", &O::coul_cv},
    {R::CouleurTexte, "Recherche", &O::coul_recherche},

    {R::Fond, "Menu - Catégories", &O::fond_items},
    {R::Fond, "Menu - Titres", &O::fond_menu_titres},
    {R::Fond, "Menu - Roll Over", &O::fond_over},
    {R::Fond, "Menu - Listes", &O::fond_menu_listes},
    {R::Fond, "Logo", &O::fond_logo},
    {R::Fond, "Bandeau", &O::fond_bandeau},
    {R::Fond, "Top - Textes", &O::fond_cv},
    {R::Fond, "Recherche", &O::fond_recherche},
    {R::Fond, "Top - Roll Over", &O::fond_over_cv},

    {R::Trait, "Menu*", &O::coul_menu_trait},
    {R::Trait, "Logo", &O::coul_logo_trait},
    {R::Trait, "Bandeau", &O::coul_bandeau_trait},
    {R::Trait, "Top - Textes", &O::coul_trait_cv},
    {R::Trait, "Recherche", &O::coul_trait_recherche},

    {R::Gras, "Menu - Catégories", &O::gras_items},
    {R::Gras, "Menu - Titres", &O::gras_menu_titres},
    {R::Gras, "Menu - Roll Over", &O::gras_over},
    {R::Gras, "Logo", &O::gras_logo},
    {R::Gras, "Bandeau", &O::gras_bandeau},
    {R::Gras, "Top - Textes", &O::gras_cv},
    {R::Gras, "Top - Roll Over", &O::gras_over_cv},
    {R::Gras, "Recherche", &O::gras_recherche},

    {R::Italique, "Menu - Catégories", &O::italique_items},
    {R::Italique, "Menu - Titres", &O::italique_menu_titres},
    {R::Italique, "Menu - Roll Over", &O::italique_over},
    {R::Italique, "Logo", &O::italique_logo},
    {R::Italique, "Bandeau", &O::italique_bandeau},
    {R::Italique, "Top - Textes", &O::italique_cv},
    {R::Italique, "Top - Roll Over", &O::italique_over_cv},
    {R::Italique, "Recherche", &O::italique_recherche},

    {R::Souligne, "Menu - Catégories", &O::souligne_items},
    {R::Souligne, "Menu - Titres", &O::souligne_menu_titres},
    {R::Souligne, "Menu - Roll Over", &O::souligne_over},
    {R::Souligne, "Logo", &O::souligne_logo},
    {R::Souligne, "Bandeau", &O::souligne_bandeau},
    {R::Souligne, "Top - Textes", &O::souligne_cv},
    {R::Souligne, "Top - Roll Over", &O::souligne_over_cv},
    {R::Souligne, "Recherche", &O::souligne_recherche},

    {R::Alignement, "Menu - Catégories", &O::aligne_items},
    {R::Alignement, "Menu - Titres", &O::aligne_menu_titres},
    {R::Alignement, "Logo", &O::aligne_logo},
    {R::Alignement, "Bandeau", &O::aligne_bandeau},
    {R::Alignement, "Top - Textes", &O::aligne_cv},

    // The category items' font and size go to their rolled-over state too, and the top texts'
    // to theirs.
    {R::Police, "Menu - Catégories", &O::police_items, &O::police_over},
    {R::Police, "Menu - Titres", &O::police_menu_titres},
    {R::Police, "Menu - Roll Over", &O::police_over},
    {R::Police, "Logo", &O::police_logo},
    {R::Police, "Bandeau", &O::police_bandeau},
    {R::Police, "Top - Textes", &O::police_cv, &O::police_over_cv},
    {R::Police, "Top - Roll Over", &O::police_over_cv},
    {R::Police, "Recherche", &O::police_recherche},

    {R::Taille, "Menu - Catégories", &O::taille_items, &O::taille_over},
    {R::Taille, "Menu - Titres", &O::taille_menu_titres},
    {R::Taille, "Menu - Roll Over", &O::taille_over},
    {R::Taille, "Logo", &O::taille_logo},
    {R::Taille, "Bandeau", &O::taille_bandeau},
    {R::Taille, "Top - Textes", &O::taille_cv, &O::taille_over_cv},
    {R::Taille, "Top - Roll Over", &O::taille_over_cv},
    {R::Taille, "Recherche", &O::taille_recherche},

    {R::Encadrement, "Menu*", &O::encadrement_menu},
    {R::Encadrement, "Logo", &O::encadrement_logo},
    {R::Encadrement, "Bandeau", &O::encadrement_bandeau},
    {R::Encadrement, "Top - Textes", &O::encadrement_cv},
    {R::Encadrement, "Recherche", &O::encadrement_recherche},

    {R::Texte, "Logo", &O::logo_texte},
    {R::Texte, "Bandeau", &O::bandeau_texte},
    {R::Texte, "Délais", &O::delais_texte},
    {R::Texte, "Accueil", &O::accueil_texte},
    {R::Texte, "Conditions", &O::conditions_texte},
    {R::Texte, "Securite", &O::securite_texte},
    {R::Texte, "Ecrire", &O::ecrire_texte},
    {R::Texte, "Panier", &O::panier_texte},
    {R::Texte, "emploi", &O::emploi_texte},
    {R::Texte, "Recherche", &O::recherche_texte},

    {R::RollOver, "Menu*", &O::over},
    {R::RollOver, "Top*", &O::over_cv},
};

bool correspond(std::string_view motif, std::string_view element) {
  if (!motif.empty() && motif.back() == '*') return element.starts_with(motif.substr(0, motif.size() - 1));
  return motif == element;
}

template <size_t N>
int rang(const char* const (&valeurs)[N], std::string_view valeur) {
  for (size_t i = 0; i < N; ++i)
    if (valeur == valeurs[i]) return static_cast<int>(i);
  return -1;
}

}  // namespace

const StyleMenu kStyleItems{&O::coul_items,     &O::fond_items,     &O::police_items,
                            &O::gras_items,     &O::italique_items, &O::souligne_items,
                            &O::taille_items,   &O::aligne_items};
const StyleMenu kStyleTitres{&O::coul_menu_titres,     &O::fond_menu_titres,
                             &O::police_menu_titres,   &O::gras_menu_titres,
                             &O::italique_menu_titres, &O::souligne_menu_titres,
                             &O::taille_menu_titres,   &O::aligne_menu_titres};
const StyleMenu kStyleLogo{&O::coul_logo,     &O::fond_logo,     &O::police_logo,
                           &O::gras_logo,     &O::italique_logo, &O::souligne_logo,
                           &O::taille_logo,   &O::aligne_logo};
const StyleMenu kStyleBandeau{&O::coul_bandeau,     &O::fond_bandeau,     &O::police_bandeau,
                              &O::gras_bandeau,     &O::italique_bandeau, &O::souligne_bandeau,
                              &O::taille_bandeau,   &O::aligne_bandeau};
const StyleMenu kStyleCv{&O::coul_cv,     &O::fond_cv,     &O::police_cv, &O::gras_cv,
                         &O::italique_cv, &O::souligne_cv, &O::taille_cv, &O::aligne_cv};
const StyleMenu kStyleRecherche{&O::coul_recherche,     &O::fond_recherche,
                                &O::police_recherche,   &O::gras_recherche,
                                &O::italique_recherche, &O::souligne_recherche,
                                &O::taille_recherche,   nullptr};

std::span<const ElementMenu> elementsMenu() { return kElements; }

std::string elementDeLigne(std::string_view ligne) {
  for (const ElementMenu& e : kElements)
    if (ligne == e.ligne) return e.nom;
  return std::string(ligne);
}

bool commenceParMenu(std::string_view element) { return element.starts_with("Menu"); }
bool commenceParTop(std::string_view element) { return element.starts_with("Top"); }

const SectionTop* sectionTop(std::string_view element) {
  for (const SectionTop& s : kSections)
    if (element == s.nom) return &s;
  return nullptr;
}

std::vector<ChampMenu> clesReglage(ReglageMenu reglage, std::string_view element) {
  for (const LigneReglage& l : kReglages) {
    if (l.reglage != reglage || !correspond(l.element, element)) continue;
    if (l.seconde) return {l.cle, l.seconde};
    return {l.cle};
  }
  return {};
}

int rangAlignement(std::string_view valeur) { return rang(kAlignementsMenu, valeur); }
int rangEncadrement(std::string_view valeur) { return rang(kEncadrementsMenu, valeur); }

int rangImage(std::string_view sorte) {
  if (sorte.empty()) return 0;
  if (sorte == "bouton") return 1;
  if (sorte == "puce") return 2;
  return -1;
}

std::string policeAffichee(std::string_view police) {
  if (police == "Times") return "Times New Roman";
  if (police == "sans-serif") return "MS Sans Serif";
  return std::string(police);
}

std::string basculer(std::string_view valeur) { return valeur == "non" ? "oui" : "non"; }

SaisieTirets lireTirets(std::string_view texte) {
  auto chiffres = std::count_if(texte.begin(), texte.end(),
                                [](char c) { return c >= '0' && c <= '9'; });
  SaisieTirets r;
  if (chiffres == 0)
    r.valeur = "0";
  else if (static_cast<size_t>(chiffres) == texte.size())
    r.valeur = std::string(texte);
  r.erreur = static_cast<size_t>(chiffres) != texte.size();
  return r;
}

}  // namespace design
