#include "fenetres/app/fiche_disposition.h"

#include "fenetres/app/fiche.h"
#include "ui/layout.h"

#include <initializer_list>

namespace app {

void disposerFiche(Tmain& f) {
  using ui::setSize;
  constexpr int kLigne = ui::kLineHeight;
  // Sheet tab: a left column of rows 407 wide beside a column 190 wide, wide enough for the
  // captions of the pictures ("tasse-the.jpg [96 x 72]", "Image Détail [aucune]"), then rows
  // across. The widths in a row fill its panel exactly, so that the next row starts below it.
  setSize(f.ligneFiche, 407);
  setSize(f.referencer, 90);
  setSize(f.descriptionT, 175);
  setSize(f.prixT, 70);

  setSize(f.blocClassement, 407);
  setSize(f.auteur_nom, 70, kLigne);
  setSize(f.auteurT, 325);
  setSize(f.categoL, 70, kLigne);
  setSize(f.catego, 135);
  setSize(f.themesL, 50, kLigne);
  setSize(f.themes, 132);
  for (ui::Edit* e : {&f.ecotaxeE, &f.poidsE, &f.multiE}) setSize(*e, 70);

  setSize(f.colonneFiche, 190);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&f.famille, &f.nom_image, &f.voir_detail})
    setSize(*c, 182);

  struct Ligne {
    ui::Panel& panneau;
    ui::CheckBox& coche;
    ui::Edit& libelle;
    ui::Label& refL;
    ui::Edit& ref;
    ui::Label& prixL;
    ui::Edit& prix;
    ui::Edit& ecotaxe;
    ui::Edit& poids;
  } lignes[] = {
      {f.ligneCD, f.CD_check, f.type1, f.CD_refL, f.CD_refT, f.CD_prixL, f.CD_prixT, f.ecotaxeAE,
       f.poidsAE},
      {f.ligneK7, f.K7_check, f.type2, f.K7_refL, f.K7_refT, f.K7_prixL, f.K7_prixT, f.ecotaxeBE,
       f.poidsBE},
      {f.ligneVIDEO, f.VIDEO_check, f.type3, f.VIDEO_refL, f.VIDEO_refT, f.VIDEO_prixL,
       f.VIDEO_prixT, f.ecotaxeCE, f.poidsCE},
  };
  for (Ligne& l : lignes) {
    setSize(l.panneau, 407);
    setSize(l.coche, 16, kLigne);
    setSize(l.libelle, 70);
    setSize(l.refL, 24, kLigne);
    setSize(l.ref, 75);
    setSize(l.prixL, 26, kLigne);
    setSize(l.prix, 60);
    setSize(l.ecotaxe, 50);
    setSize(l.poids, 50);
  }

  // The theme's page settings beside the sheet's commands, two by two.
  setSize(f.ligneCommandes, 407);
  setSize(f.Lmaxi, 170);
  setSize(f.maxi, 146);
  for (ui::Button* b : {&f.formes, &f.voir_vignette, &f.sauver, &f.effacer}) setSize(*b, 75);

  setSize(f.commentairesG, 347);
  setSize(f.commentaires, 335, 70);
  // Each button with the box that tells whether its text holds lines, one pair a line.
  setSize(f.blocTextes, 190);
  setSize(f.presentation, 160);
  setSize(f.liste_titres, 160);
  for (ui::CheckBox* c : {&f.intro, &f.titre_chants}) setSize(*c, 16, 25);
  for (ui::Panel* p : {&f.ligneOptions, &f.ligneTailles, &f.ligneLiens}) setSize(*p, 541);
  setSize(f.pucesC, 120);
  setSize(f.ma_puce, kLigne, kLigne);

  // Image tab: the list 190 wide, the preview and the detail text 347 wide beside it.
  setSize(f.imageD_box, 190);
  setSize(f.listejpg, 178, 330);
  for (ui::Button* b : {&f.BitBtn24, &f.BitBtn18}) setSize(*b, 120);
  setSize(f.colonneDetail, 347);
  setSize(f.nom_image_detail, 339);
  f.applimage.columns = 2;
  setSize(f.applimage, 200);
  setSize(f.BitBtn3, 75);
  setSize(f.texteDL, 339);
  setSize(f.texteD, 339, 200);

  // Supplement tab: the two texts side by side, the sizes below with the price buttons.
  for (ui::Panel* p : {&f.blocPresentations, &f.blocChants}) setSize(*p, 268);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&f.presentationsL, &f.chantsL})
    setSize(*c, 260);
  for (ui::Memo* m : {&f.presentations, &f.chants}) setSize(*m, 260, 170);
  setSize(f.taillesG, 268);
  setSize(f.taillesM, 256, 120);

  // Index tab: the title and the description across, the keywords beside the other fields.
  setSize(f.titreE, 541);
  setSize(f.descriptionG, 541);
  setSize(f.descriptionM, 529, 80);
  setSize(f.motsG, 190);
  setSize(f.motsL, 178, 180);
}

}  // namespace app
