#pragma once
// The window `TstyleMDyn` ("Style Menu Dynamique"): edits the drop-down menu's style, kept in
// menudyn.inf. Shown without waiting by the menu editor's "Style Dynamique".

#include <array>
#include <string>

#include "modele/design/menu_dynamique.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class TstyleMDyn : public ui::Form {
 public:
  explicit TstyleMDyn(app::Programme& programme);

  ui::PageControl pages{*this, "pages"};

  ui::TabSheet categoriesT{pages, "categoriesT", "Menu Catégories"};
  ui::ComboBox police{categoriesT, "police"};
  ui::RadioButton web{categoriesT, "web", "Web"};
  ui::RadioButton toutes{categoriesT, "toutes", "Windows"};
  ui::Edit taille_num{categoriesT, "taille_num"};
  ui::UpDown Taille{categoriesT, "Taille", 8, 70};
  ui::Button coulB{categoriesT, "coulB", "Couleur"};
  ui::Button fondB{categoriesT, "fondB", "Fond"};
  ui::CheckBox gras{categoriesT, "gras", "Gras"};
  ui::CheckBox italique{categoriesT, "italique", "Italique"};
  ui::CheckBox souligne{categoriesT, "souligne", "Souligné"};
  ui::RadioGroup aligne{categoriesT, "aligne", "Alignement"};
  ui::CheckBox puce{categoriesT, "puce", "Inclure les puces"};
  ui::CheckBox fond_transparent{categoriesT, "fond_transparent", "Fond Transparent"};

  ui::TabSheet overT{pages, "overT", "Menu Over"};
  ui::ComboBox police_over{overT, "police_over"};
  ui::RadioButton web_over{overT, "web_over", "Web"};
  ui::RadioButton toutes_over{overT, "toutes_over", "Windows"};
  ui::Edit taille_num_over{overT, "taille_num_over"};
  ui::UpDown taille_over{overT, "taille_over", 8, 70};
  ui::Button coulB_over{overT, "coulB_over", "Couleur"};
  ui::Button fondB_over{overT, "fondB_over", "Fond"};
  ui::CheckBox gras_over{overT, "gras_over", "Gras"};
  ui::CheckBox italique_over{overT, "italique_over", "Italique"};
  ui::CheckBox souligne_over{overT, "souligne_over", "Souligné"};
  ui::CheckBox fond_transparent_over{overT, "fond_transparent_over", "Fond Transparent"};

  ui::TabSheet flechesT{pages, "flechesT", "Flèches"};
  ui::CheckBox flecheinc{flechesT, "flecheinc", "Visible"};
  ui::CheckBox nonaligne{flechesT, "nonaligne", "Non alignée"};
  ui::FileListBox ImageP{flechesT, "ImageP", "*.gif;*.jpg;*.jpeg"};
  ui::Button BitBtn1{flechesT, "BitBtn1", "Importer"};
  ui::Image flecheI{flechesT, "flecheI"};
  ui::Label flecheL{flechesT, "flecheL"};
  ui::Label W{flechesT, "W", "W"};
  ui::Label H{flechesT, "H", "H"};
  ui::OpenDialog OpenImage{*this, "OpenImage", "Images|*.gif;*.jpg;*.jpeg"};

  ui::TabSheet popT{pages, "popT", "Menu Pop Thèmes"};
  ui::Edit pop_top{popT, "pop_top"};
  ui::Edit pop_left{popT, "pop_left"};
  ui::Edit pop_width{popT, "pop_width"};
  ui::ComboBox pop_police{popT, "pop_police"};
  ui::RadioButton pop_web{popT, "pop_web", "Web"};
  ui::RadioButton pop_toutes{popT, "pop_toutes", "Windows"};
  ui::Edit pop_taille_num{popT, "pop_taille_num"};
  ui::UpDown pop_taille{popT, "pop_taille", 8, 70};
  ui::Button pop_coulB{popT, "pop_coulB", "Couleur"};
  ui::Button pop_fondB{popT, "pop_fondB", "Fond"};
  ui::CheckBox pop_gras{popT, "pop_gras", "Gras"};
  ui::CheckBox pop_italique{popT, "pop_italique", "Italique"};
  ui::CheckBox pop_souligne{popT, "pop_souligne", "Souligné"};
  ui::RadioGroup pop_aligne{popT, "pop_aligne", "Alignement"};
  ui::CheckBox pop_fond_transparent{popT, "pop_fond_transparent", "Fond Transparent"};

  ui::TabSheet popOverT{pages, "popOverT", "Pop Over"};
  ui::ComboBox pop_police_over{popOverT, "pop_police_over"};
  ui::RadioButton pop_web_over{popOverT, "pop_web_over", "Web"};
  ui::RadioButton pop_toutes_over{popOverT, "pop_toutes_over", "Windows"};
  ui::Edit pop_taille_num_over{popOverT, "pop_taille_num_over"};
  ui::UpDown pop_taille_over{popOverT, "pop_taille_over", 8, 70};
  ui::Button pop_couleur_ovB{popOverT, "pop_couleur_ovB", "Couleur"};
  ui::Button pop_fondovB{popOverT, "pop_fondovB", "Fond"};
  ui::CheckBox pop_gras_over{popOverT, "pop_gras_over", "Gras"};
  ui::CheckBox pop_italique_over{popOverT, "pop_italique_over", "Italique"};
  ui::CheckBox pop_souligne_over{popOverT, "pop_souligne_over", "Souligné"};

  ui::TabSheet titresT{pages, "titresT", "Titres Familles"};
  ui::ComboBox titres_police{titresT, "titres_police"};
  ui::RadioButton web_titres{titresT, "web_titres", "Web"};
  ui::RadioButton toutes_titres{titresT, "toutes_titres", "Windows"};
  ui::Edit taille_num_titres{titresT, "taille_num_titres"};
  ui::UpDown taille_titres{titresT, "taille_titres", 8, 70};
  ui::Button couleur_titresB{titresT, "couleur_titresB", "Couleur"};
  ui::Button fond_titresB{titresT, "fond_titresB", "Fond"};
  ui::CheckBox titres_gras{titresT, "titres_gras", "Gras"};
  ui::CheckBox titres_italique{titresT, "titres_italique", "Italique"};
  ui::CheckBox titres_souligne{titresT, "titres_souligne", "Souligné"};
  ui::RadioGroup titres_aligne{titresT, "titres_aligne", "Alignement"};
  ui::CheckBox titres_encadrement{titresT, "titres_encadrement", "Encadrement"};
  ui::CheckBox titres_image{titresT, "titres_image", "Inclure les images"};
  ui::CheckBox titres_puce{titresT, "titres_puce", "Inclure les puces"};
  ui::CheckBox titres_transparent{titresT, "titres_transparent", "Fond Transparent"};

  ui::TabSheet cadresT{pages, "cadresT", "Cadres"};
  ui::Edit espace{cadresT, "espace"};
  ui::GroupBox cadreMenuG{cadresT, "cadreMenuG", "Menu Catégories"};
  ui::Edit taille_trait{cadreMenuG, "taille_trait"};
  ui::RadioGroup trait{cadreMenuG, "trait", "Type"};
  ui::Button coul_traitB{cadreMenuG, "coul_traitB", "Trait"};
  ui::GroupBox cadrePopG{cadresT, "cadrePopG", "Menu Pop Thèmes"};
  ui::RadioGroup pop_trait{cadrePopG, "pop_trait", "Type"};
  ui::Edit pop_taille_trait{cadrePopG, "pop_taille_trait"};
  ui::Button coul_trait_popB{cadrePopG, "coul_trait_popB", "Trait"};

  // The five previews, each over its line-colour shape.
  ui::Panel apercus{*this, "apercus"};
  ui::Shape categorieS{apercus, "categorieS"};
  ui::Panel categorieP{apercus, "categorieP", "Catégorie"};
  ui::Shape overS{apercus, "overS"};
  ui::Panel overP{apercus, "overP", "Menu Over"};
  ui::Shape popS{apercus, "popS"};
  ui::Panel popP{apercus, "popP", "Menu Pop Thèmes"};
  ui::Shape popOverS{apercus, "popOverS"};
  ui::Panel popOverP{apercus, "popOverP", "Menu Pop Thèmes Over"};
  ui::Shape titresS{apercus, "titresS"};
  ui::Panel titresP{apercus, "titresP", "Titre Familles"};

  ui::Button apB{*this, "apB", "Aperçu"};
  ui::Button ok_bouton{*this, "ok_bouton", "Enregistrer"};
  ui::Button AnnulB{*this, "AnnulB", "Annuler"};
  ui::ColorDialog ColorDialog{*this, "ColorDialog"};

  // The record as last loaded or saved; the site frame generator reads it after its own load.
  TStyleMenuDynamique style;

  // Loads the record (Tvoir_menu1::ouvre_menudyn) into the controls.
  void ouvrir();
  // The controls into the record, then menudyn.inf. Throws platform::FileError.
  void sauve();
  // Repaints the previews from the controls.
  void affiche();

  void ok_boutonClick();
  void AnnulBClick();
  void apBClick();
  void BitBtn1Click();

 private:
  // A font list with its two radios and its size field and up-down.
  struct Police {
    ui::ComboBox& liste;
    ui::RadioButton& web;
    ui::RadioButton& toutes;
    ui::Edit& taille;
    ui::UpDown& reglage;
  };
  void webClick(const Police& p);
  void toutesClick(const Police& p);
  void tailleClick(const Police& p);
  void couleurClick(size_t i);

  app::Programme& p_;
  std::array<Police, 5> polices_;
  std::array<std::string, 12> couleurs_;  // working colours, one per colour button
};

}  // namespace design
