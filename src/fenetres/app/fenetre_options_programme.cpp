#include "fenetres/app/fenetre_options_programme.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/fenetre_meta_categories.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/pages/fenetre_options_articles.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace app {

namespace {

const char* const kFondRappel = "#5A6BA5";
const char* const kTitreRappel = "white";

void choisir(ui::ComboBox& combo, std::string_view item) {
  int i = combo.indexOf(item);
  if (i >= 0) combo.setItemIndex(i);
}

std::string ouiNon(const ui::CheckBox& box) { return box.checked() ? "oui" : "non"; }

// Rule N of the options file: taken when not empty, then trimmed.
void lireN(const platform::LineList& lignes, std::string_view cle, std::string& valeur) {
  std::string v = lignes.value(cle);
  if (!v.empty()) valeur = platform::trim(v);
}

}  // namespace

Ttarvioini::Ttarvioini(app::Programme& programme)
    : ui::Form(programme.application(), "Ttarvioini", "tarvioini"), p_(programme) {
  setCaption("Options");
  disposer();
  sepC.setItems({"-", "_"});
  sepC.dropDownList = true;
  baspT.setItems({"", "1", "2", "3", "4", "5"});
  baspT.dropDownList = true;
  listeC.setItems({"Gauche", "Droite"});
  listeC.dropDownList = true;
  police.setItems({"Arial", "Verdana", "Times"});
  police.dropDownList = true;
  // What the user types is a pixel count; a stored value is shown and saved as it is.
  for (ui::Edit* e : {&espE, &espME, &espGE, &espPE}) {
    e->maxLength = 2;
    e->numbersOnly = true;
  }

  onShow = [this] { FormShow(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  BitBtn3.onClick = [this] { BitBtn3Click(); };
  BitBtn4.onClick = [this] { BitBtn4Click(); };
  optarticles.onClick = [this] { optarticlesClick(); };
}

// Fixed widths make the rows: a label and its field fill their group's width.
void Ttarvioini::disposer() {
  using ui::kLineHeight;
  using ui::setSize;
  setBounds(left(), top(), 620, height());
  // Label and field pairs, one a row (or two a row where the label width is halved).
  auto paires = [](std::initializer_list<std::pair<ui::Control*, ui::Control*>> liste,
                   int libelle, int champ) {
    for (auto [l, c] : liste) {
      setSize(*l, libelle, kLineHeight);
      setSize(*c, champ);
    }
  };
  for (ui::Panel* p : {&colonneGauche, &colonneDroite}) setSize(*p, 295);
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &titresG, &cartoucheG, &rechercheG, &rappelG, &taillesG, &lieeG, &espacesG, &metaG,
           &ligneSep, &ligneListe, &ligneLargeur, &lignePolice, &ligneDivers})
    setSize(*c, 287);
  paires({{&themesL, &themesE}, {&accueilL, &accueilE}, {&menuL, &menuE}, {&menuhL, &menuhE},
          {&baspFL, &baspF}, {&baspCL, &baspC}, {&rechFL, &rechF}, {&rechTL, &rechT},
          {&rechLL, &rechL}, {&rechXL, &rechX}, {&fondL, &fondC}, {&titreL, &titreC}},
         100, 171);
  paires({{&sepL, &sepC}, {&listeL, &listeC}, {&policeL, &police},
          {&TOP_distantL, &TOP_distantE}, {&titre_deroulantL, &titre_deroulantE}},
         100, 175);
  setSize(baspT, 80);
  for (ui::CheckBox* c : {&listeRC, &theme_enpremierC, &refC}) setSize(*c, 279);
  paires({{&largeurL, &largeurTE}}, 100, 96);
  setSize(BitBtn3, 75);
  paires({{&menutailleL, &menutailleE}, {&menutailleL_V, &menutailleE_V}}, 95, 39);
  paires({{&menutailleL_T, &menutailleE_T}, {&menutailleL_S, &menutailleE_S}}, 95, 34);
  setSize(optarticles, 75);
  paires({{&couleur_lieeL, &couleur_lieeE}, {&couleur_lieeTL, &couleur_lieeTE}}, 70, 66);
  paires({{&taille_lieeL, &taille_lieeE}, {&taille_lieeTL, &taille_lieeTE}}, 70, 57);
  setSize(gras_lieeC, 70, kLineHeight);
  paires({{&phrase_pcL, &phrase_pcE}}, 70, 127);
  paires({{&espL, &espE}, {&espGL, &espGE}}, 90, 43);
  paires({{&espML, &espME}, {&espPL, &espPE}}, 90, 40);
}

TOptionsProgramme& Ttarvioini::options() { return p_.main().options.options; }

Ttarvioini::ReglagesStyle Ttarvioini::reglagesStyle() {
  const design::TstyleP& style = p_.styleP();
  return {style.themesP.text(), style.couleur_liens, style.couleur_theme};
}

// The dialog shows the options and the file without changing the program's options: a dialog
// left with "Annuler" has changed nothing.
void Ttarvioini::FormShow() {
  TOptionsProgramme v = options();
  const ReglagesStyle style = reglagesStyle();

  sepC.setItemIndex(v.sepurl == "_" ? 1 : 0);
  choisir(listeC, "Droite");
  listeRC.setChecked(false);
  theme_enpremierC.setChecked(false);
  baspS.setChecked(true);
  baspT.setItemIndex(0);
  for (ui::Edit* e : {&rechF, &rechX, &rechT, &rechL, &baspF, &baspC, &accueilE, &menuE, &menuhE,
                      &themesE, &largeurTE})
    e->setText("");
  menutailleE.setText(v.menu_tailles);
  menutailleE_T.setText(v.menu_taille_T);
  menutailleE_V.setText(v.menu_taille_V);
  menutailleE_S.setText(v.menu_taille_S);
  fondC.setText(kFondRappel);
  titreC.setText(kTitreRappel);
  choisir(police, "Arial");
  v.articles_trouves.clear();
  v.i_ref.clear();
  refC.setChecked(false);
  // Unticked like refC, so that a tick left from an earlier show never outlives the file.
  articles.setChecked(false);
  titre_deroulantE.setText(v.titre_deroulant);
  choisir(police, v.police_defaut);

  const std::string& nomB = p_.ident().identite.nomB;
  v.accueil_titre = nomB.empty() ? "Page d'accueil" : nomB + " page d'accueil";
  v.titrethemes = style.themesP;
  v.menu_titre = "menu";
  v.menuh_titre = "top";

  platform::LineList fichier;
  if (p_.donnees().exists("tarvio.ini")) {
    try {
      fichier = platform::LineList::load(p_.chemin("tarvio.ini"));
    } catch (const platform::FileError& e) {
      reportError(e);
    }
    // Only "-" or "_" is an entry: a missing or odd value leaves the separator in use shown.
    choisir(sepC, fichier.value("sepurl").substr(0, 1));

    // These follow the file even when a key is missing.
    v.menu_titres = platform::trim(fichier.value("menu_titres"));
    v.menu_titresR = platform::trim(fichier.value("menu_titresR"));
    v.theme_enpremier = platform::trim(fichier.value("theme_enpremier"));
    v.cartouche_fond = platform::trim(fichier.value("cartouche_fond"));
    v.cartouche_couleur = platform::trim(fichier.value("cartouche_couleur"));
    v.cartouche_souligne = platform::trim(fichier.value("cartouche_souligne"));
    v.cartouche_taille = platform::trim(fichier.value("cartouche_taille"));
    v.recherche_fond = platform::trim(fichier.value("recherche_fond"));
    v.recherche_liens = platform::trim(fichier.value("recherche_liens"));
    v.recherche_titre = platform::trim(fichier.value("recherche_titre"));
    v.recherche_texte = platform::trim(fichier.value("recherche_texte"));
    if (v.menu_titres == "gauche") choisir(listeC, "Gauche");
    if (v.menu_titresR == "oui") listeRC.setChecked(true);
    if (v.theme_enpremier == "oui") theme_enpremierC.setChecked(true);
    struct Couleur {
      ui::Edit& edit;
      const std::string& valeur;
    } couleurs[] = {{baspF, v.cartouche_fond},  {baspC, v.cartouche_couleur},
                    {rechF, v.recherche_fond},  {rechL, v.recherche_liens},
                    {rechT, v.recherche_titre}, {rechX, v.recherche_texte}};
    for (const Couleur& c : couleurs)
      if (!c.valeur.empty()) c.edit.setText(c.valeur);
    if (v.cartouche_souligne == "non") baspS.setChecked(false);
    if (v.cartouche_taille.size() == 1 && v.cartouche_taille[0] >= '1' &&
        v.cartouche_taille[0] <= '5')
      choisir(baspT, v.cartouche_taille);

    lireN(fichier, "accueil_titre", v.accueil_titre);
    accueilE.setText(v.accueil_titre);
    lireN(fichier, "fond_rappel", v.fond_rappel);
    fondC.setText(v.fond_rappel.empty() ? kFondRappel : v.fond_rappel);
    lireN(fichier, "titre_rappel", v.titre_rappel);
    titreC.setText(v.titre_rappel.empty() ? kTitreRappel : v.titre_rappel);
    lireN(fichier, "titrethemes", v.titrethemes);
    themesE.setText(v.titrethemes);
    largeurTE.setText(v.largeur_tableau);
    lireN(fichier, "menu_titre", v.menu_titre);
    menuE.setText(v.menu_titre);
    lireN(fichier, "menuh_titre", v.menuh_titre);
    menuhE.setText(v.menuh_titre);
  }

  struct Nombre {
    const char* cle;
    std::string TOptionsProgramme::*champ;
    ui::Edit& edit;
  } tailles[] = {{"menu_tailles", &TOptionsProgramme::menu_tailles, menutailleE},
                 {"menu_taille_T", &TOptionsProgramme::menu_taille_T, menutailleE_T},
                 {"menu_taille_V", &TOptionsProgramme::menu_taille_V, menutailleE_V},
                 {"menu_taille_S", &TOptionsProgramme::menu_taille_S, menutailleE_S},
                 {"espacePds", &TOptionsProgramme::espacePds, espE}};
  for (const Nombre& n : tailles) {
    lireN(fichier, n.cle, v.*n.champ);
    n.edit.setText(v.*n.champ);
  }
  phrase_pcE.setText(v.phrase_pc);
  v.couleur_liee = platform::trim(v.couleur_liee);
  if (v.couleur_liee.empty()) v.couleur_liee = style.couleur_liens;
  couleur_lieeE.setText(v.couleur_liee);
  taille_lieeE.setText(v.taille_liee);
  gras_lieeC.setChecked(v.gras_liee == "oui");
  v.couleur_lieeT = platform::trim(v.couleur_lieeT);
  if (v.couleur_lieeT.empty()) v.couleur_lieeT = style.couleur_theme;
  couleur_lieeTE.setText(v.couleur_lieeT);
  taille_lieeTE.setText(v.taille_lieeT);
  gras_lieeTC.setChecked(v.gras_lieeT != "non");
  Nombre espaces[] = {{"esp_M", &TOptionsProgramme::esp_M, espME},
                      {"esp_G", &TOptionsProgramme::esp_G, espGE},
                      {"esp_P", &TOptionsProgramme::esp_P, espPE}};
  for (const Nombre& n : espaces) {
    lireN(fichier, n.cle, v.*n.champ);
    n.edit.setText(v.*n.champ);
  }
  lireN(fichier, "i_ref", v.i_ref);
  if (v.i_ref == "oui") refC.setChecked(true);
  v.articles_trouves = fichier.value("articles_trouves");
  if (v.articles_trouves == "oui") articles.setChecked(true);
  TOP_distantE.setText(platform::trim(fichier.value("TOP_distant")));
  std::string deroulant = platform::trim(fichier.value("titre_deroulant"));
  if (!deroulant.empty()) titre_deroulantE.setText(deroulant);
  // The show is also a load: its title defaults and the values it re-read are the program's own
  // from now on, saved or not.
  options() = v;
}

void Ttarvioini::BitBtn1Click() {
  TOptionsProgramme n = options();
  auto texte = [](const ui::Edit& e) { return platform::trim(e.text()); };
  n.sepurl = sepC.selected().empty() ? n.sepurl : sepC.selected();
  n.cartouche_fond = texte(baspF);
  n.cartouche_couleur = texte(baspC);
  if (baspT.itemIndex() > 0) {
    n.cartouche_taille = baspT.selected();
    n.cartouche_souligne = ouiNon(baspS);
  }
  n.recherche_fond = texte(rechF);
  n.recherche_texte = texte(rechX);
  n.recherche_titre = texte(rechT);
  n.recherche_liens = texte(rechL);
  n.accueil_titre = texte(accueilE);
  n.titrethemes = texte(themesE);
  n.menu_titre = texte(menuE);
  n.menuh_titre = texte(menuhE);
  n.menu_tailles = texte(menutailleE);
  n.menu_taille_T = texte(menutailleE_T);
  n.menu_taille_V = texte(menutailleE_V);
  n.menu_taille_S = texte(menutailleE_S);
  n.phrase_pc = texte(phrase_pcE);
  n.couleur_liee = texte(couleur_lieeE);
  n.taille_liee = texte(taille_lieeE);
  n.gras_liee = ouiNon(gras_lieeC);
  n.couleur_lieeT = texte(couleur_lieeTE);
  n.taille_lieeT = texte(taille_lieeTE);
  n.gras_lieeT = ouiNon(gras_lieeTC);
  n.police_defaut = police.selected();
  n.espacePds = texte(espE);
  n.esp_M = texte(espME);
  n.esp_G = texte(espGE);
  n.esp_P = texte(espPE);
  n.menu_titres = listeC.selected() == "Gauche" ? "gauche" : "";
  n.menu_titresR = ouiNon(listeRC);
  n.theme_enpremier = ouiNon(theme_enpremierC);
  n.fond_rappel = texte(fondC);
  if (n.fond_rappel.empty()) n.fond_rappel = kFondRappel;
  n.titre_rappel = texte(titreC);
  if (n.titre_rappel.empty()) n.titre_rappel = kTitreRappel;
  n.largeur_tableau = texte(largeurTE);
  n.articles_trouves = articles.checked() ? "oui" : "";
  n.i_ref = refC.checked() ? "oui" : "";
  n.TOP_distant = texte(TOP_distantE);
  n.titre_deroulant = texte(titre_deroulantE);
  sauverOptionsProgramme(p_.donnees(), n);
  options() = n;
  close();
}

void Ttarvioini::BitBtn2Click() { close(); }

void Ttarvioini::BitBtn3Click() { largeurTE.setText(""); }

void Ttarvioini::BitBtn4Click() { p_.metacat().show(); }

void Ttarvioini::optarticlesClick() { p_.articlesT().show(); }

}  // namespace app
