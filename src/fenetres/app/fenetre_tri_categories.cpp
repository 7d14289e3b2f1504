#include "fenetres/app/fenetre_tri_categories.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/liste_tri.h"
#include "fenetres/app/programme.h"
#include "fenetres/app/sablier.h"
#include "fenetres/design/menu.h"
#include "modele/app/categories_fichiers.h"
#include "modele/app/ref_gen.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace app {

Ttri_cat::Ttri_cat(app::Programme& programme) : ui::Form(programme.application(), "Ttri_cat", "tri_cat"), p_(programme) {
  setCaption("Trier ou supprimer des Catégories");
  setBounds(left(), top(), 300, height());
  ui::setSize(tri_catego, 280, 260);
  for (ui::Button* b : {&alpha, &haut, &bas, &supprimer, &ok, &annuler}) ui::setSize(*b, 90);
  alpha.onClick = [this] { alphaClick(); };
  haut.onClick = [this] { hautClick(); };
  bas.onClick = [this] { basClick(); };
  supprimer.onClick = [this] { supprimerClick(); };
  ok.onClick = [this] { okClick(); };
  annuler.onClick = [this] { annulerClick(); };
}

void Ttri_cat::alphaClick() { trierListeAlpha(tri_catego); }
void Ttri_cat::hautClick() { deplacerLigneListe(tri_catego, -1); }
void Ttri_cat::basClick() { deplacerLigneListe(tri_catego, 1); }

void Ttri_cat::okClick() {
  Tmain& main = p_.main();
  if (p_.donnees().exists("categories")) {
    TListeCategories lignes;
    for (const auto& c : tri_catego.items())
      if (!c.empty()) lignes.push_back(c);
    sauverListeCategories(p_.donnees(), lignes);
    main.chargerCategories();
  }
  close();
  main.reconstruireRefGen();
  main.PageControl1.setActivePage(main.menus);
  CurseurAttente sablier(p_.application());
  p_.menu1().chargerMenu();
  p_.menu1().preparerMenu();
  p_.menu1().show();
}

// Cancel drops the alphabetical order too: only OK keeps an order.
void Ttri_cat::annulerClick() {
  tri_catego.sorted = false;
  close();
}

void Ttri_cat::supprimerClick() {
  const int i = tri_catego.itemIndex();
  if (i >= 0) {
    const platform::DataFolder& dossier = p_.donnees();
    const std::string nom = tri_catego.selected();
    if (suppressionConfirmee(dialogs(), categorieUtilisee(chargerRefGen(dossier), nom), "la catégorie",
                             "utilisée", nom)) {
      // A category whose theme list was lost is deleted all the same: its line and its family go.
      tri_catego.deleteItem(static_cast<size_t>(i));
      supprimerCategorieFichiers(dossier, tri_catego.items(), nom);
      Tmain& main = p_.main();
      main.chargerCategories();
      main.reconstruireRefGen();
      if (tri_catego.count() > 0) tri_catego.setItemIndex(0);
      main.rechargerMenu = true;
      close();
      main.montrerMenus();
    }
  }
  if (tri_catego.count() == 0) close();
}

}  // namespace app
