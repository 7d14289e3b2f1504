#include "fenetres/design/fenetre_style_menu_dynamique.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/import_image.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/saisie_couleur.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/apercu.h"
#include "fenetres/frame/voir_menu.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/text.h"
#include "ui/layout.h"

namespace design {

namespace {

using S = TStyleMenuDynamique;
using F = TstyleMDyn;

struct Couleur {
  ui::Button F::*bouton;
  std::string S::*champ;
};
const Couleur kCouleurs[] = {
    {&F::coulB, &S::Dmenu_coul},
    {&F::fondB, &S::Dmenu_fond},
    {&F::coulB_over, &S::Dmenu_coul_over},
    {&F::fondB_over, &S::Dmenu_fond_over},
    {&F::pop_coulB, &S::Dmenu_pop_couleur},
    {&F::pop_fondB, &S::Dmenu_pop_fond},
    {&F::pop_couleur_ovB, &S::Dmenu_pop_coul_over_items},
    {&F::pop_fondovB, &S::Dmenu_pop_fond_over},
    {&F::couleur_titresB, &S::Dmenu_titres_coul},
    {&F::fond_titresB, &S::Dmenu_titres_fond},
    {&F::coul_traitB, &S::Dmenu_coul_trait},
    {&F::coul_trait_popB, &S::Dmenu_pop_coul_trait},
};
enum : size_t { kCoul, kFond, kCoulOver, kFondOver, kPopCoul, kPopFond, kPopCoulOver, kPopFondOver,
                kTitresCoul, kTitresFond, kTrait, kPopTrait };

// The yes/no boxes: ticked when the key is "oui".
struct Case {
  ui::CheckBox F::*boite;
  std::string S::*champ;
};
const Case kCases[] = {
    {&F::souligne, &S::Dmenu_souligne},
    {&F::souligne_over, &S::Dmenu_souligne_over},
    {&F::pop_gras, &S::Dmenu_pop_gras_items},
    {&F::pop_italique, &S::Dmenu_pop_italique_items},
    {&F::pop_souligne, &S::Dmenu_pop_souligne_items},
    {&F::pop_gras_over, &S::Dmenu_pop_gras_over},
    {&F::pop_italique_over, &S::Dmenu_pop_italique_over},
    {&F::pop_souligne_over, &S::Dmenu_pop_souligne_over},
    {&F::flecheinc, &S::Dmenu_fleche_inc},
    {&F::nonaligne, &S::Dmenu_nonaligne},
    {&F::gras, &S::Dmenu_gras},
    {&F::italique, &S::Dmenu_italique},
    {&F::gras_over, &S::Dmenu_gras_over},
    {&F::italique_over, &S::Dmenu_italique_over},
    {&F::titres_encadrement, &S::Dmenu_titres_encadrement},
    {&F::titres_image, &S::Dmenu_titres_image},
    {&F::titres_puce, &S::Dmenu_titres_puce},
    {&F::titres_gras, &S::Dmenu_titres_gras},
    {&F::titres_italique, &S::Dmenu_titres_italique},
    {&F::titres_souligne, &S::Dmenu_titres_souligne},
    {&F::titres_transparent, &S::Dmenu_titres_transparent},
    {&F::fond_transparent, &S::Dmenu_fond_transparent},
    {&F::pop_fond_transparent, &S::Dmenu_pop_fond_transparent},
    {&F::fond_transparent_over, &S::Dmenu_fond_transparent_over},
};

struct Champ {
  ui::Edit F::*champ;
  std::string S::*cle;
};
const Champ kChamps[] = {
    {&F::espace, &S::Dmenu_espace},       {&F::taille_trait, &S::Dmenu_taille_trait},
    {&F::pop_taille_trait, &S::Dmenu_pop_taille_trait},
    {&F::pop_top, &S::Dmenu_pop_top},     {&F::pop_left, &S::Dmenu_pop_left},
    {&F::pop_width, &S::Dmenu_pop_width},
};

// The five font lists in the order of polices_, with their size keys and the menu option a size
// that is no number falls back to in the up-down.
struct CleFonte {
  std::string S::*police;
  std::string S::*taille;
  std::string TOptionsMenu::*tailleMenu;
};
const CleFonte kFontes[] = {
    {&S::Dmenu_police, &S::Dmenu_taille, &TOptionsMenu::taille_items},
    {&S::Dmenu_police_over, &S::Dmenu_taille_over, &TOptionsMenu::taille_over},
    {&S::Dmenu_pop_police, &S::Dmenu_pop_taille, &TOptionsMenu::taille_items},
    {&S::Dmenu_pop_police_over, &S::Dmenu_pop_taille_over, &TOptionsMenu::taille_over},
    {&S::Dmenu_titres_police, &S::Dmenu_titres_taille, &TOptionsMenu::taille_menu_titres},
};
enum : size_t { kCategories, kOver, kPop, kPopOver, kTitres };

const char* const kAlignements[] = {"left", "center", "right"};
const char* const kTraits[] = {"encadrement", "trait", ""};
const char* const kPolicesMenu[] = {"Verdana", "Arial", "Times", "Sans Sérif"};

const char* ouiNon(bool oui) { return oui ? "oui" : "non"; }

int rangAlignement(const std::string& v) { return v == "center" ? 1 : v == "right" ? 2 : 0; }
int rangTrait(const std::string& v) { return v == "encadrement" ? 0 : v == "trait" ? 1 : v.empty() ? 2 : -1; }

}  // namespace

TstyleMDyn::TstyleMDyn(app::Programme& programme)
    : ui::Form(programme.application(), "TstyleMDyn", "styleMDyn"),
      p_(programme),
      polices_{{{police, web, toutes, taille_num, Taille},
                {police_over, web_over, toutes_over, taille_num_over, taille_over},
                {pop_police, pop_web, pop_toutes, pop_taille_num, pop_taille},
                {pop_police_over, pop_web_over, pop_toutes_over, pop_taille_num_over,
                 pop_taille_over},
                {titres_police, web_titres, toutes_titres, taille_num_titres, taille_titres}}} {
  setCaption("Style Menu Dynamique");
  setBounds(left(), top(), 560, height());
  ui::setSize(pages, 540, 260);
  ui::setSize(apercus, 540, 60);
  espace.labelCaption = "Marge";
  taille_trait.labelCaption = "Epaisseur";
  pop_taille_trait.labelCaption = "Epaisseur";
  for (ui::GroupBox* g : {&cadreMenuG, &cadrePopG}) ui::setSize(*g, 225, 150);
  pop_top.labelCaption = "Décalage Top";
  pop_left.labelCaption = "Distance Menu G.";
  pop_width.labelCaption = "Largeur";
  for (ui::RadioGroup* g : {&aligne, &pop_aligne, &titres_aligne}) {
    g->columns = 3;
    g->setItems({"Gauche", "Centre", "Droite"});
  }
  for (ui::RadioGroup* g : {&trait, &pop_trait}) {
    g->columns = 3;
    g->setItems({"Autour", "Tout", "Aucun"});
  }
  // Each preview a small box behind a thin bar of its line colour.
  for (ui::Panel* panneau : {&categorieP, &overP, &popP, &popOverP, &titresP})
    ui::setSize(*panneau, 90, 40);
  for (ui::Shape* forme : {&categorieS, &overS, &popS, &popOverS, &titresS})
    ui::setSize(*forme, 6, 40);
  for (ui::Edit* champ : {&espace, &taille_trait, &pop_taille_trait, &pop_top, &pop_left, &pop_width})
    ui::setSize(*champ, 60);
  for (const Police& p : polices_) {
    p.reglage.associate = &p.taille;
    ui::setSize(p.taille, 40);
    p.liste.setItems({std::begin(kPolicesMenu), std::end(kPolicesMenu)});
    p.web.setChecked(true);
    p.web.onClick = [this, &p] { webClick(p); };
    p.toutes.onClick = [this, &p] { toutesClick(p); };
    p.reglage.onClick = [this, &p] { tailleClick(p); };
    p.liste.onChange = [this] { affiche(); };
  }
  for (size_t i = 0; i < std::size(kCouleurs); ++i)
    (this->*kCouleurs[i].bouton).onClick = [this, i] { couleurClick(i); };
  for (const Case& c : kCases) (this->*c.boite).onClick = [this] { affiche(); };
  for (ui::RadioGroup* g : {&aligne, &pop_aligne, &titres_aligne, &trait, &pop_trait})
    g->onClick = [this] { affiche(); };
  ImageP.onClick = [this] { affiche(); };
  ok_bouton.onClick = [this] { ok_boutonClick(); };
  AnnulB.onClick = [this] { AnnulBClick(); };
  apB.onClick = [this] { apBClick(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
}

void TstyleMDyn::ouvrir() {
  const TOptionsMenu& menu = p_.menu1().options;
  const bool titres = p_.menu1().familles.count() > 0 && menu.famille_titre != "1";
  titresT.setTabVisible(titres);
  titresP.setVisible(titres);
  titresS.setVisible(titres);
  toutes.setEnabled(p_.styleP().web.itemIndex() == 1);

  p_.voir_menu1().ouvre_menudyn();
  pages.setActivePage(0);
  const S& s = style;

  flecheinc.setChecked(s.Dmenu_fleche_inc == "oui");
  nonaligne.setChecked(s.Dmenu_nonaligne == "oui");
  ImageP.setDirectory(p_.chemin("fleches"));
  ImageP.setItemIndex(ImageP.indexOf(platform::trim(s.Dmenu_fleche)));

  for (const Champ& c : kChamps) (this->*c.champ).setText(s.*c.cle);
  trait.setItemIndex(rangTrait(s.Dmenu_trait));
  pop_trait.setItemIndex(rangTrait(s.Dmenu_pop_trait));
  puce.setChecked(s.Dmenu_puce != "non");
  for (size_t i = 0; i < std::size(kCouleurs); ++i) couleurs_[i] = s.*kCouleurs[i].champ;

  for (size_t i = 0; i < polices_.size(); ++i) {
    const Police& p = polices_[i];
    const CleFonte& f = kFontes[i];
    p.liste.setText(s.*f.police);
    // A size that is no number (a hand-edited file) must not lock the dialog: the up-down falls
    // back to the menu's size and the text stays as stored until the next save.
    auto taille = platform::toInteger(s.*f.taille);
    if (!taille) taille = platform::toInteger(menu.*f.tailleMenu);
    p.reglage.setPosition(static_cast<int>(taille.value_or(13)));
    p.taille.setText(s.*f.taille);
  }
  aligne.setItemIndex(rangAlignement(s.Dmenu_aligne));
  pop_aligne.setItemIndex(rangAlignement(s.Dmenu_pop_aligne));
  titres_aligne.setItemIndex(rangAlignement(s.Dmenu_titres_aligne));
  for (const Case& c : kCases) (this->*c.boite).setChecked(s.*c.champ == "oui");
  affiche();
}

void TstyleMDyn::sauve() {
  S& s = style;
  for (const Case& c : kCases) s.*c.champ = ouiNon((this->*c.boite).checked());
  s.Dmenu_puce = ouiNon(puce.checked());
  if (ImageP.itemIndex() >= 0) {
    s.Dmenu_fleche = ImageP.selected();
    if (W.caption() != "W") s.Dmenu_flecheW = W.caption();
    if (H.caption() != "H") s.Dmenu_flecheH = H.caption();
  }
  for (const Champ& c : kChamps) s.*c.cle = (this->*c.champ).text();
  for (size_t i = 0; i < polices_.size(); ++i) {
    s.*kFontes[i].police = polices_[i].liste.text();
    s.*kFontes[i].taille = polices_[i].taille.text();
  }
  auto alignement = [](const ui::RadioGroup& g) { return kAlignements[std::max(g.itemIndex(), 0)]; };
  s.Dmenu_aligne = alignement(aligne);
  s.Dmenu_pop_aligne = alignement(pop_aligne);
  s.Dmenu_titres_aligne = alignement(titres_aligne);
  // An unselected frame kind keeps what was loaded.
  if (trait.itemIndex() >= 0) s.Dmenu_trait = kTraits[trait.itemIndex()];
  if (pop_trait.itemIndex() >= 0) s.Dmenu_pop_trait = kTraits[pop_trait.itemIndex()];
  for (size_t i = 0; i < std::size(kCouleurs); ++i) s.*kCouleurs[i].champ = couleurs_[i];
  lignesMenuDynamique(s).save(p_.chemin("menudyn.inf"));
}

void TstyleMDyn::affiche() {
  struct Apercu {
    ui::Panel& panneau;
    ui::Shape& forme;
    size_t police, fond, texte, trait;
    const ui::RadioGroup& alignement;
    const ui::CheckBox &gras, &italique, &souligne;
    bool sansTrait;
  };
  const bool sansTrait = trait.itemIndex() == 2;
  const bool popSansTrait = pop_trait.itemIndex() == 2;
  const Apercu apercus[] = {
      {categorieP, categorieS, kCategories, kFond, kCoul, kTrait, aligne, gras, italique, souligne,
       sansTrait},
      {overP, overS, kOver, kFondOver, kCoulOver, kTrait, aligne, gras_over, italique_over,
       souligne_over, sansTrait},
      {popP, popS, kPop, kPopFond, kPopCoul, kPopTrait, pop_aligne, pop_gras, pop_italique,
       pop_souligne, popSansTrait},
      {popOverP, popOverS, kPopOver, kPopFondOver, kPopCoulOver, kPopTrait, pop_aligne,
       pop_gras_over, pop_italique_over, pop_souligne_over, popSansTrait},
      {titresP, titresS, kTitres, kTitresFond, kTitresCoul, kTrait, titres_aligne, titres_gras,
       titres_italique, titres_souligne, !titres_encadrement.checked()},
  };
  for (const Apercu& a : apercus) {
    a.panneau.setColour(couleurUi(couleurs_[a.fond]));
    ui::Font fonte = a.panneau.font();
    fonte.name = polices_[a.police].liste.text();
    fonte.size = static_cast<int>(
        platform::toInteger(polices_[a.police].taille.text()).value_or(fonte.size));
    fonte.colour = couleurUi(couleurs_[a.texte]);
    fonte.bold = a.gras.checked();
    fonte.italic = a.italique.checked();
    fonte.underline = a.souligne.checked();
    a.panneau.setFont(fonte);
    const int rang = a.alignement.itemIndex();
    a.panneau.setAlignment(rang == 1   ? ui::Alignment::Center
                           : rang == 2 ? ui::Alignment::Right
                                       : ui::Alignment::Left);
    const ui::Colour ligne = couleurUi(couleurs_[a.trait]);
    a.forme.setBrushColour(ligne);
    a.forme.setPenColour(ligne);
  }
  // Without lines the outlines vanish into a brush: the pop-up shapes take the categories' one.
  if (sansTrait) {
    categorieS.setPenColour(categorieS.brushColour());
    overS.setPenColour(overS.brushColour());
  }
  if (popSansTrait) {
    popS.setPenColour(categorieS.brushColour());
    popOverS.setPenColour(categorieS.brushColour());
  }
  if (!titres_encadrement.checked()) titresS.setPenColour(titresS.brushColour());

  flecheI.clearPicture();
  flecheL.setCaption("");
  W.setCaption("");
  H.setCaption("");
  const std::filesystem::path fleche = ImageP.fileName();
  if (!flecheinc.checked() || fleche.empty() || !platform::fileExists(fleche)) return;
  flecheI.loadPicture(fleche);
  flecheL.setCaption(ImageP.selected());
  if (auto taille = platform::imageSize(fleche)) {
    W.setCaption(platform::fromInteger(taille->first));
    H.setCaption(platform::fromInteger(taille->second));
  }
}

void TstyleMDyn::ok_boutonClick() {
  sauve();
  close();
}

void TstyleMDyn::AnnulBClick() { close(); }

void TstyleMDyn::apBClick() {
  sauve();
  frame::apercuSite(p_);
}

void TstyleMDyn::BitBtn1Click() {
  importerImage(OpenImage, ImageP, p_.main().options.options.separateur());
}

void TstyleMDyn::webClick(const Police& p) {
  if (!p.web.checked()) return;
  p.liste.sorted = false;
  p.liste.setItems({std::begin(kPolicesMenu), std::end(kPolicesMenu)});
  if (p.liste.text().empty()) p.liste.setText(p.liste.items().front());
}

void TstyleMDyn::toutesClick(const Police& p) {
  if (!p.toutes.checked()) return;
  p.liste.sorted = true;
  std::vector<std::string> noms = platform::installedFonts();
  platform::sortFrench(noms);
  p.liste.setItems(std::move(noms));
  if (p.liste.text().empty() && p.liste.count() > 0) p.liste.setText(p.liste.items().front());
}

void TstyleMDyn::tailleClick(const Police& p) {
  p.taille.setText(platform::fromInteger(p.reglage.position()));
  affiche();
}

void TstyleMDyn::couleurClick(size_t i) {
  if (auto couleur = choisirCouleur(ColorDialog, couleurs_[i])) couleurs_[i] = *couleur;
  affiche();
}

}  // namespace design
