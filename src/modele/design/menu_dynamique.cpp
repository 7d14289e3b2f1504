#include "modele/design/menu_dynamique.h"

#include "platform/files.h"
#include "platform/text.h"

namespace design {

namespace {

using S = TStyleMenuDynamique;

const CleMenuDynamique kCles[] = {
    {"Dmenu_espace", &S::Dmenu_espace, "2", nullptr},
    {"Dmenu_taille_trait", &S::Dmenu_taille_trait, "1", nullptr},
    {"Dmenu_trait", &S::Dmenu_trait, "encadrement", nullptr},
    {"Dmenu_fond_over", &S::Dmenu_fond_over, "#EEEEEE", nullptr},
    {"Dmenu_coul_over", &S::Dmenu_coul_over, "#000080", nullptr},
    {"Dmenu_souligne", &S::Dmenu_souligne, "non", nullptr},
    {"Dmenu_souligne_over", &S::Dmenu_souligne_over, "non", nullptr},
    {"Dmenu_pop_top", &S::Dmenu_pop_top, "-17", nullptr},
    {"Dmenu_pop_left", &S::Dmenu_pop_left, "", nullptr},
    {"Dmenu_pop_width", &S::Dmenu_pop_width, "120", nullptr},
    {"Dmenu_pop_trait", &S::Dmenu_pop_trait, "encadrement", nullptr},
    {"Dmenu_pop_coul_trait", &S::Dmenu_pop_coul_trait, "", &TOptionsMenu::coul_menu_trait},
    {"Dmenu_pop_taille_trait", &S::Dmenu_pop_taille_trait, "1", nullptr},
    {"Dmenu_pop_fond", &S::Dmenu_pop_fond, "#FFFFFF", nullptr},
    {"Dmenu_pop_aligne", &S::Dmenu_pop_aligne, "", &TOptionsMenu::aligne_items},
    {"Dmenu_pop_police", &S::Dmenu_pop_police, "", &TOptionsMenu::police_items},
    {"Dmenu_pop_taille", &S::Dmenu_pop_taille, "", &TOptionsMenu::taille_items},
    {"Dmenu_pop_couleur", &S::Dmenu_pop_couleur, "#000000", nullptr},
    {"Dmenu_pop_gras_items", &S::Dmenu_pop_gras_items, "", &TOptionsMenu::gras_items},
    {"Dmenu_pop_italique_items", &S::Dmenu_pop_italique_items, "", &TOptionsMenu::italique_items},
    {"Dmenu_pop_souligne_items", &S::Dmenu_pop_souligne_items, "non", nullptr},
    {"Dmenu_pop_fond_over", &S::Dmenu_pop_fond_over, "#EEEEEE", nullptr},
    {"Dmenu_pop_gras_over", &S::Dmenu_pop_gras_over, "", &TOptionsMenu::gras_over},
    {"Dmenu_pop_italique_over", &S::Dmenu_pop_italique_over, "", &TOptionsMenu::italique_over},
    {"Dmenu_pop_souligne_over", &S::Dmenu_pop_souligne_over, "non", nullptr},
    {"Dmenu_pop_police_over", &S::Dmenu_pop_police_over, "", &TOptionsMenu::police_over},
    {"Dmenu_pop_taille_over", &S::Dmenu_pop_taille_over, "", &TOptionsMenu::taille_over},
    {"Dmenu_pop_coul_over_items", &S::Dmenu_pop_coul_over_items, "#000080", nullptr},
    {"Dmenu_fleche_inc", &S::Dmenu_fleche_inc, "non", nullptr},
    {"Dmenu_nonaligne", &S::Dmenu_nonaligne, "non", nullptr},
    {"Dmenu_fleche", &S::Dmenu_fleche, "fl4.gif", nullptr},
    {"Dmenu_flecheH", &S::Dmenu_flecheH, "13", nullptr},
    {"Dmenu_flecheW", &S::Dmenu_flecheW, "10", nullptr},
    {"Dmenu_coul_trait", &S::Dmenu_coul_trait, "", &TOptionsMenu::coul_menu_trait},
    {"Dmenu_police", &S::Dmenu_police, "", &TOptionsMenu::police_items},
    {"Dmenu_taille", &S::Dmenu_taille, "", &TOptionsMenu::taille_items},
    {"Dmenu_coul", &S::Dmenu_coul, "", &TOptionsMenu::coul_items},
    {"Dmenu_fond", &S::Dmenu_fond, "", &TOptionsMenu::fond_items},
    {"Dmenu_aligne", &S::Dmenu_aligne, "", &TOptionsMenu::aligne_items},
    {"Dmenu_police_over", &S::Dmenu_police_over, "", &TOptionsMenu::police_over},
    {"Dmenu_taille_over", &S::Dmenu_taille_over, "", &TOptionsMenu::taille_over},
    {"Dmenu_gras", &S::Dmenu_gras, "", &TOptionsMenu::gras_items},
    {"Dmenu_italique", &S::Dmenu_italique, "", &TOptionsMenu::italique_items},
    {"Dmenu_gras_over", &S::Dmenu_gras_over, "", &TOptionsMenu::gras_over},
    {"Dmenu_italique_over", &S::Dmenu_italique_over, "", &TOptionsMenu::italique_over},
    {"Dmenu_titres_encadrement", &S::Dmenu_titres_encadrement, "oui", nullptr},
    {"Dmenu_titres_image", &S::Dmenu_titres_image, "oui", nullptr},
    {"Dmenu_titres_puce", &S::Dmenu_titres_puce, "oui", nullptr},
    {"Dmenu_puce", &S::Dmenu_puce, "oui", nullptr},
    {"Dmenu_titres_fond", &S::Dmenu_titres_fond, "", &TOptionsMenu::fond_menu_titres},
    {"Dmenu_titres_aligne", &S::Dmenu_titres_aligne, "", &TOptionsMenu::aligne_menu_titres},
    {"Dmenu_titres_gras", &S::Dmenu_titres_gras, "", &TOptionsMenu::gras_menu_titres},
    {"Dmenu_titres_italique", &S::Dmenu_titres_italique, "", &TOptionsMenu::italique_menu_titres},
    {"Dmenu_titres_souligne", &S::Dmenu_titres_souligne, "", &TOptionsMenu::souligne_menu_titres},
    {"Dmenu_titres_police", &S::Dmenu_titres_police, "", &TOptionsMenu::police_menu_titres},
    {"Dmenu_titres_taille", &S::Dmenu_titres_taille, "", &TOptionsMenu::taille_menu_titres},
    {"Dmenu_titres_coul", &S::Dmenu_titres_coul, "", &TOptionsMenu::coul_menu_titres},
    {"Dmenu_titres_transparent", &S::Dmenu_titres_transparent, "non", nullptr},
    {"Dmenu_fond_transparent", &S::Dmenu_fond_transparent, "non", nullptr},
    {"Dmenu_pop_fond_transparent", &S::Dmenu_pop_fond_transparent, "non", nullptr},
    {"Dmenu_fond_transparent_over", &S::Dmenu_fond_transparent_over, "non", nullptr},
    {"Dmenu_pop_fond_transparent_over", &S::Dmenu_pop_fond_transparent_over, "non", nullptr},
};

long long entier(std::string_view texte) {
  std::optional<long long> n = platform::toInteger(texte);
  if (!n) throw platform::IntegerError(texte);
  return *n;
}

}  // namespace

std::span<const CleMenuDynamique> clesMenuDynamique() { return kCles; }

std::string defautPopLeft(const TOptionsMenu& menu, std::string_view marges_mg) {
  long long interieure = entier(menu.largeur_menu) - 2;
  if (!marges_mg.empty()) interieure -= entier(marges_mg);
  return platform::fromInteger(interieure + 17);
}

void mettreDefautsMenuDynamique(TStyleMenuDynamique& style, const TOptionsMenu& menu,
                                std::string_view marges_mg) {
  // Computed first: a bad width stops the load before any value changes.
  std::string popLeft = defautPopLeft(menu, marges_mg);
  for (const CleMenuDynamique& c : kCles) style.*c.champ = c.option ? menu.*c.option : c.defaut;
  style.Dmenu_pop_left = popLeft;
  if (menu.encadrement_menu == "transparent") {
    style.Dmenu_titres_transparent = "oui";
    style.Dmenu_fond_transparent = "oui";
    style.Dmenu_pop_fond_transparent = "non";
  }
}

void lireMenuDynamique(TStyleMenuDynamique& style, const platform::LineList& lignes) {
  for (const CleMenuDynamique& c : kCles)
    if (lignes.hasName(c.cle)) style.*c.champ = lignes.value(c.cle);
}

void chargerMenuDynamique(TStyleMenuDynamique& style, const std::filesystem::path& fichier,
                          const TOptionsMenu& menu, std::string_view marges_mg) {
  TStyleMenuDynamique lu;
  mettreDefautsMenuDynamique(lu, menu, marges_mg);
  if (platform::fileExists(fichier)) lireMenuDynamique(lu, platform::LineList::load(fichier));
  style = std::move(lu);
}

platform::LineList lignesMenuDynamique(const TStyleMenuDynamique& style) {
  platform::LineList lignes;
  for (const CleMenuDynamique& c : kCles) lignes.add(std::string(c.cle) + "=" + style.*c.champ);
  return lignes;
}

}  // namespace design
