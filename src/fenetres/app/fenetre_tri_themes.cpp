#include "fenetres/app/fenetre_tri_themes.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/liste_tri.h"
#include "fenetres/app/programme.h"
#include "modele/app/categories_fichiers.h"
#include "modele/app/ref_gen.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace app {

namespace {

// The theme list of the category the main window shows, when it has one.
bool listeExiste(const platform::DataFolder& dossier, const std::string& categorie) {
  return platform::safeRelativePath(categorie) && dossier.exists(categorie + ".cto");
}

}  // namespace

Ttri_thems::Ttri_thems(app::Programme& programme) : ui::Form(programme.application(), "Ttri_thems", "tri_thems"), p_(programme) {
  setCaption("Trier ou supprimer des Thèmes");
  setBounds(left(), top(), 300, height());
  ui::setSize(nom_cat, 280, ui::kLineHeight);
  ui::setSize(tri_themes, 280, 260);
  for (ui::Button* b : {&alpha, &haut, &bas, &supprimer, &ok, &annuler}) ui::setSize(*b, 90);
  alpha.onClick = [this] { alphaClick(); };
  haut.onClick = [this] { hautClick(); };
  bas.onClick = [this] { basClick(); };
  supprimer.onClick = [this] { supprimerClick(); };
  ok.onClick = [this] { okClick(); };
  annuler.onClick = [this] { annulerClick(); };
}

void Ttri_thems::alphaClick() { trierListeAlpha(tri_themes); }
void Ttri_thems::hautClick() { deplacerLigneListe(tri_themes, -1); }
void Ttri_thems::basClick() { deplacerLigneListe(tri_themes, 1); }

void Ttri_thems::okClick() {
  Tmain& main = p_.main();
  const std::string categorie = main.catego.text();
  if (listeExiste(p_.donnees(), categorie)) {
    sauverThemesCategorie(p_.donnees(), categorie, tri_themes.items());
    main.chargerThemes();
  }
  tri_themes.sorted = false;
  hide();
}

void Ttri_thems::annulerClick() {
  tri_themes.sorted = false;
  close();
}

void Ttri_thems::supprimerClick() {
  const int i = tri_themes.itemIndex();
  if (i >= 0) {
    const platform::DataFolder& dossier = p_.donnees();
    const std::string nom = tri_themes.selected();
    if (suppressionConfirmee(dialogs(), themeUtilise(chargerRefGen(dossier), nom), "le thème",
                             "utilisé", nom)) {
      tri_themes.deleteItem(static_cast<size_t>(i));
      Tmain& main = p_.main();
      const std::string categorie = main.catego.text();
      if (listeExiste(dossier, categorie)) {
        if (tri_themes.count() == 0)
          dialogs().showMessage(
              "Il ne reste qu'un thème : dans ce cas il faut supprimer la catégorie " + categorie);
        else
          sauverThemesCategorie(dossier, categorie, tri_themes.items());
        main.chargerThemes();  // a refused last theme comes back from the file
      }
    }
  }
  if (tri_themes.count() == 0) hide();
}

}  // namespace app
