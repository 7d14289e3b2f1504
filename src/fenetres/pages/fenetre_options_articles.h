#pragma once
// The window `TarticlesT` ("Options articles trouvés"): the list-page header options of
// articles.ini, with a preview of one card written with them.

#include "modele/pages/vignette_entete.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

inline constexpr const char* kFicheActiveAbsente =
    "Visualiser une fiche active avant cette opération";

class TarticlesT : public ui::Form {
 public:
  explicit TarticlesT(app::Programme& programme);

  ui::GroupBox articlesG{*this, "articlesG", "Articles trouvés"};
  ui::Label phrase_articlesL{articlesG, "phrase_articlesL", "Texte"};
  ui::Edit phrase_articles{articlesG, "phrase_articles"};
  ui::Label police_articlesL{articlesG, "police_articlesL", "Police"};
  ui::Edit police_articles{articlesG, "police_articles"};
  ui::Label couleur_articlesL{articlesG, "couleur_articlesL", "Couleur"};
  ui::Edit couleur_articles{articlesG, "couleur_articles"};
  ui::Label taille_articlesL{articlesG, "taille_articlesL", "Taille"};
  ui::Edit taille_articles{articlesG, "taille_articles"};
  ui::CheckBox gras_articles{articlesG, "gras_articles", "Gras"};

  ui::GroupBox pagesG{*this, "pagesG", "Pages"};
  ui::Label phrase_pagesL{pagesG, "phrase_pagesL", "Texte"};
  ui::Edit phrase_pages{pagesG, "phrase_pages"};
  ui::Label police_pagesL{pagesG, "police_pagesL", "Police"};
  ui::Edit police_pages{pagesG, "police_pages"};
  ui::Label taille_pagesL{pagesG, "taille_pagesL", "Taille"};
  ui::Edit taille_pages{pagesG, "taille_pages"};
  ui::CheckBox gras_pages{pagesG, "gras_pages", "Gras"};

  ui::GroupBox rubriquesG{*this, "rubriquesG", "Sous-rubriques"};
  ui::CheckBox rubriquesC{rubriquesG, "rubriquesC", "Afficher"};
  ui::Label flecheL{rubriquesG, "flecheL", "Flèche"};
  ui::Edit flecheE{rubriquesG, "flecheE"};
  ui::Label phrase_rubriquesL{rubriquesG, "phrase_rubriquesL", "Texte"};
  ui::Edit phrase_rubriques{rubriquesG, "phrase_rubriques"};
  ui::Label police_rubriquesL{rubriquesG, "police_rubriquesL", "Police"};
  ui::Edit police_rubriques{rubriquesG, "police_rubriques"};
  ui::Label couleur_rubriquesL{rubriquesG, "couleur_rubriquesL", "Couleur"};
  ui::Edit couleur_rubriques{rubriquesG, "couleur_rubriques"};
  ui::Label taille_rubriquesL{rubriquesG, "taille_rubriquesL", "Taille"};
  ui::Edit taille_rubriques{rubriquesG, "taille_rubriques"};
  ui::CheckBox gras_rubriques{rubriquesG, "gras_rubriques", "Gras"};

  ui::GroupBox alignementG{*this, "alignementG", "Alignement"};
  ui::Label haligneL{alignementG, "haligneL", "Haut"};
  ui::ComboBox haligneE{alignementG, "haligneE"};
  ui::Label baligneL{alignementG, "baligneL", "Bas"};
  ui::ComboBox baligneE{alignementG, "baligneE"};
  ui::CheckBox retourE{alignementG, "retourE", "Retour ligne"};

  ui::Panel boutons{*this, "boutons"};
  ui::Button enrB{boutons, "enrB", "Enregistrer"};
  ui::Button voir_vignette{boutons, "voir_vignette", "Aperçu"};

  void FormShow();
  void sauver();
  void enrBClick();
  void voir_vignetteClick();

 private:
  // The options as the controls show them, and back.
  TOptionsArticles lire() const;
  void montrer(const TOptionsArticles& o);

  app::Programme& p_;
};

}  // namespace pages
