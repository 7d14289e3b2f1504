#include "fenetres/app/modiftheme.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/app/renommage_fenetre.h"
#include "modele/app/categories_fichiers.h"
#include "platform/files.h"

namespace app {

Tmodiftheme1::Tmodiftheme1(app::Programme& programme) : ui::Form(programme.application(), "Tmodiftheme1", "modiftheme1"), p_(programme) {
  setCaption("Modifier le nom des thèmes");
  disposerRenommage(*this, themes, cadre, edit, fermer, ok, fiches, ouvrir, {this, &themes});
  onShow = [this] { FormShow(); };
  onActivate = [this] { FormActivate(); };
  themes.onClick = [this] { themesClick(); };
  ok.onClick = [this] { okClick(); };
}

void Tmodiftheme1::lister() {
  categorie_ = p_.main().catego.text();
  themes.clearItems();
  ancienTheme.clear();
  if (platform::safeRelativePath(categorie_))
    if (auto liste = chargerThemesCategorie(p_.donnees(), categorie_)) themes.setItems(*liste);
  if (themes.count() == 0) return;
  themes.setItemIndex(0);
  themesClick();
}

void Tmodiftheme1::FormShow() { lister(); }

void Tmodiftheme1::FormActivate() {
  if (p_.main().catego.text() != categorie_) lister();
}

void Tmodiftheme1::themesClick() {
  choisirLigneRenommage(themes, cadre, edit);
  ancienTheme = themes.selected();
}

void Tmodiftheme1::okClick() {
  Tmain& main = p_.main();
  const ResultatRenommage r = renommerTheme(
      p_.donnees(),
      {categorie_, themes.items(), themes.itemIndex(), edit.text(), main.options.options.separateur()},
      progressionRenommage(main), [this] { p_.patienter(); });
  direResultatRenommage(*this, r, fiches);
  if (r.issue == IssueRenommage::refuse) return;
  main.chargerThemes();
  main.themeRenomme(categorie_, ancienTheme, r.nom);
  if (r.issue == IssueRenommage::interrompu) {
    lister();
    return;
  }
  close();
}

}  // namespace app
