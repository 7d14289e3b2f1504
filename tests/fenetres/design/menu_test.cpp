#include "fenetres/design/menu.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "modele/design/menu_options.h"
#include "platform/files.h"
#include "platform/gif.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "support/programme_test.h"
#include "support/temp_folder.h"

using namespace design;
using testing_support::ProgrammeDeTest;
using testing_support::TempFolder;

namespace {

std::vector<std::string> mots(const std::string& texte) {
  std::istringstream in(texte);
  std::vector<std::string> r;
  for (std::string m; in >> m;) r.push_back(m);
  return r;
}

// The fixed lines of the file as the format lists them, written out independently of the table.
std::vector<std::string> clesFixesAttendues() {
  std::vector<std::string> cles = mots(
      "coul_items fond_items police_items gras_items italique_items souligne_items taille_items "
      "aligne_items "
      "coul_menu_titres fond_menu_titres police_menu_titres gras_menu_titres italique_menu_titres "
      "souligne_menu_titres taille_menu_titres aligne_menu_titres "
      "coul_over_items over fond_over police_over gras_over italique_over souligne_over "
      "taille_over "
      "encadrement_menu coul_menu_trait largeur_menu hauteur_top liste_deroulante liste_dynamique "
      "image_menu fond_couleur_menu fixe_menu menu_centre top_centre image_top fond_couleur_top "
      "fixe_top "
      "colle_cv coul_cv fond_cv police_cv gras_cv italique_cv souligne_cv taille_cv aligne_cv "
      "encadrement_cv coul_trait_cv over_cv fond_over_cv police_over_cv gras_over_cv "
      "italique_over_cv souligne_over_cv taille_over_cv "
      "recherche_top recherche_texte coul_recherche fond_recherche police_recherche "
      "gras_recherche italique_recherche souligne_recherche taille_recherche "
      "encadrement_recherche coul_trait_recherche "
      "coul_menu_listes fond_menu_listes tirets_listes "
      "menuHTM topHTM image_transparent logo_top "
      "coul_logo fond_logo police_logo gras_logo italique_logo souligne_logo taille_logo "
      "aligne_logo encadrement_logo coul_logo_trait logo_texte logo_texte_voir logo_image "
      "bouton1_logo longueur_logo hauteur_logo x1_logo y1_logo puce1_logo longueurp_logo "
      "hauteurp_logo");
  for (std::string s : {"delais", "accueil", "conditions", "securite", "ecrire", "panier", "emploi"})
    for (std::string m : mots("S_texte S_texte_voir S_image bouton1_S longueur_S hauteur_S x1_S y1_S "
                              "bouton2_S x2_S y2_S x1_S puce_S longueurp_S hauteurp_S"))
      cles.push_back(m.replace(m.find('S'), 1, s));
  for (const auto& m : mots(
           "adresse_top adresse_top_color date_top date_top_color angle angle_color bandeau_top "
           "delais_top conditions_top az_top ecrire_top secur_top emploi_top "
           "coul_bandeau fond_bandeau police_bandeau gras_bandeau italique_bandeau "
           "souligne_bandeau taille_bandeau aligne_bandeau encadrement_bandeau coul_bandeau_trait "
           "bandeau_texte bandeau_texte_voir bandeau_image bouton1_bandeau longueur_bandeau "
           "largeur_bandeau largeur_cv hauteur_bandeau x1_bandeau y1_bandeau puce1_bandeau "
           "longueurp_bandeau hauteurp_bandeau"))
    cles.push_back(m);
  return cles;
}

const std::vector<std::string> kRacinesFamille = mots(
    "image_menu_texte image_menu_titre bouton1_menu_titre longueur_menu_titre hauteur_menu_titre "
    "x1_menu_titre y1_menu_titre puce1_menu_titre longueurp_menu_titre hauteurp_menu_titre "
    "image_menu_bas bouton1_menu_bas longueur_menu_bas hauteur_menu_bas");
const std::vector<std::string> kRacinesCategorie = mots(
    "image_texte_catego image_menu_catego bouton1_menu_catego longueur_menu_catego "
    "hauteur_menu_catego x1_menu_catego y1_menu_catego bouton2_menu_catego x2_menu_catego "
    "y2_menu_catego puce1_menu_catego longueurp_menu_catego hauteurp_menu_catego "
    "puce2_menu_catego");

std::string cle(const std::string& ligne) { return ligne.substr(0, ligne.find('=')); }

const DefautsMenu kDefauts{"Arial", "papier.gif", "oui"};

TOptionsMenu chargees(const TempFolder& dossier, const std::string& contenu,
                      TOptionsMenu depart = {}) {
  dossier.write("menu.opt", contenu);
  chargerOptionsMenu(depart, dossier / "menu.opt", kDefauts);
  return depart;
}

std::string valeur(TOptionsMenu& o, const std::string& c) {
  std::string* champ = champMenu(o, c);
  EXPECT_NE(champ, nullptr) << c;
  return champ ? *champ : "";
}

}  // namespace

// --- the file format ---

TEST(MenuOptionsFile, LinesFollowTheFormatOrderWithFamilyOrderAfterTheTitleSwitch) {
  TOptionsMenu o;
  mettreDefautsMenu(o, kDefauts);
  o.x1_panier = "-4";
  SaisiesMenu saisies{{"2", "0", "3", "1"}, "700", "90%", true};
  platform::LineList lignes = lignesMenu(o, saisies);

  std::vector<std::string> attendues = {"famille_titre", "fam0", "fam1", "fam2", "fam3"};
  for (const auto& c : clesFixesAttendues()) attendues.push_back(c);
  for (const char* c : {"hauteur_frame", "largeur_frame", "accueil_menu"}) attendues.push_back(c);
  ASSERT_EQ(clesFixesAttendues().size(), 236u);
  ASSERT_EQ(lignes.size(), attendues.size());
  for (size_t i = 0; i < attendues.size(); ++i) EXPECT_EQ(cle(lignes[i]), attendues[i]) << "ligne " << i;

  EXPECT_EQ(lignes[0], "famille_titre=0");
  EXPECT_EQ(lignes[1], "fam0=2");
  EXPECT_EQ(lignes[4], "fam3=1");
  EXPECT_EQ(lignes[lignes.size() - 3], "hauteur_frame=700");
  EXPECT_EQ(lignes[lignes.size() - 2], "largeur_frame=90%");
  EXPECT_EQ(lignes[lignes.size() - 1], "accueil_menu=oui");
  // Accented defaults are single Windows-1252 bytes.
  EXPECT_EQ(lignes[5 + 95], "delais_texte=D\xE9lai et Frais");
  EXPECT_EQ(lignes[5 + 95 + 3 * 15], "securite_texte=Votre S\xE9" "curit\xE9");
  // The second x1 line of a link repeats the first.
  EXPECT_EQ(lignes[5 + 95 + 5 * 15 + 6], "x1_panier=-4");
  EXPECT_EQ(lignes[5 + 95 + 5 * 15 + 11], "x1_panier=-4");
}

TEST(MenuOptionsFile, EveryKeyRoundTripsThroughTheFile) {
  TempFolder dossier;
  TOptionsMenu o;
  int n = 0;
  auto unique = [&n] { return "v" + std::to_string(++n); };
  std::vector<std::string> fixes = clesFixesAttendues();
  for (const auto& c : fixes) *champMenu(o, c) = unique();
  o.famille_titre = "1";
  for (int f = 0; f < 4; ++f) {
    for (const auto& r : kRacinesFamille) *champMenu(o, r + std::to_string(f)) = unique();
    for (int i = 0; i < 30; ++i)
      for (const auto& r : kRacinesCategorie)
        *champMenu(o, r + std::to_string(f) + "-" + std::to_string(i)) = unique();
  }
  SaisiesMenu saisies{{"3", "1"}, "480", "75%", true};
  platform::LineList lignes = lignesMenu(o, saisies);
  EXPECT_EQ(lignes.size(), 1u + 2 + 236 + 3 + 4 * 14 + 4 * 30 * 14);
  lignes.save(dossier / "menu.opt");

  TOptionsMenu relu;
  chargerOptionsMenu(relu, dossier / "menu.opt", kDefauts);
  TOptionsMenu attendu = o;
  attendu.fam = {"3", "1", "", ""};
  attendu.hauteur_frame = "480";
  attendu.largeur_frame = "75%";
  attendu.accueil_menu = "oui";
  // A background colour wins over an image.
  attendu.image_menu.clear();
  attendu.image_top.clear();
  EXPECT_TRUE(relu == attendu);
}

TEST(MenuOptionsFile, IndexedSettingsAreWrittenOnlyWhenSet) {
  TOptionsMenu o;
  mettreDefautsMenu(o, kDefauts);
  o.image_menu_catego[1][3] = "bouton";
  platform::LineList lignes = lignesMenu(o, {});
  ASSERT_EQ(lignes.size(), 1u + 236 + 3 + 1);
  EXPECT_EQ(lignes[lignes.size() - 1], "image_menu_catego1-3=bouton");

  // Family by family: the family's own settings, then its categories.
  o.puce2_menu_catego[0][29] = "p.gif";
  o.hauteur_menu_bas[1] = "20";
  o.image_menu_texte[0] = "oui";
  lignes = lignesMenu(o, {});
  std::vector<std::string> fin(lignes.end() - 4, lignes.end());
  EXPECT_EQ(fin, (std::vector<std::string>{"image_menu_texte0=oui", "puce2_menu_catego0-29=p.gif",
                                           "hauteur_menu_bas1=20", "image_menu_catego1-3=bouton"}));
}

TEST(MenuOptionsFile, KeysNameTheirFieldsAndPositionsStayInRange) {
  TOptionsMenu o;
  struct Case {
    const char* cle;
    std::string* attendu;
  } cases[] = {
      {"coul_items", &o.coul_items},
      {"x1_delais", &o.x1_delais},
      {"fam3", &o.fam[3]},
      {"image_menu_titre2", &o.image_menu_titre[2]},
      {"image_menu_catego1-3", &o.image_menu_catego[1][3]},
      {"puce2_menu_catego3-29", &o.puce2_menu_catego[3][29]},
      {"fam4", nullptr},
      {"image_menu_catego4-0", nullptr},
      {"image_menu_catego1-30", nullptr},
      {"image_menu_catego01-3", nullptr},
      {"image_menu_catego1-", nullptr},
  };
  for (const auto& c : cases) EXPECT_EQ(champMenu(o, c.cle), c.attendu) << c.cle;
}

// --- the loader ---

TEST(MenuOptionsLoad, WithoutFileEveryDefaultAppliesAndKeptKeysStayEmpty) {
  TempFolder dossier;
  TOptionsMenu o;
  chargerOptionsMenu(o, dossier / "menu.opt", kDefauts);
  // Every default of the format, "P" standing for the default font; any other key is empty.
  std::map<std::string, std::string> defauts;
  for (const std::string& d : platform::split(
           "famille_titre=0;coul_items=#000080;fond_items=#FFFFFF;police_items=P;gras_items=non;"
           "italique_items=non;souligne_items=non;taille_items=13;aligne_items=left;"
           "coul_menu_titres=#000080;fond_menu_titres=#c4e1ff;police_menu_titres=P;"
           "gras_menu_titres=oui;italique_menu_titres=non;souligne_menu_titres=non;"
           "taille_menu_titres=13;aligne_menu_titres=center;coul_over_items=black;over=non;"
           "fond_over=#BBBBBB;police_over=P;gras_over=non;italique_over=non;souligne_over=oui;"
           "taille_over=13;encadrement_menu=carre;coul_menu_trait=#1781B3;largeur_menu=120;"
           "hauteur_top=60;liste_deroulante=non;liste_dynamique=non;image_menu=papier.gif;"
           "fixe_menu=oui;menu_centre=oui;top_centre=oui;image_top=papier.gif;fixe_top=oui;"
           "colle_cv=non;coul_cv=#0000FF;fond_cv=#F9F8FF;police_cv=P;gras_cv=non;italique_cv=non;"
           "souligne_cv=non;taille_cv=13;aligne_cv=center;encadrement_cv=carre;"
           "coul_trait_cv=#1781B3;over_cv=non;fond_over_cv=#00008B;police_over_cv=P;"
           "gras_over_cv=non;italique_over_cv=non;souligne_over_cv=non;taille_over_cv=13;"
           "recherche_top=top;recherche_texte=RECHERCHE;coul_recherche=#0000FF;"
           "fond_recherche=#F9F8FF;police_recherche=P;gras_recherche=non;italique_recherche=non;"
           "souligne_recherche=non;taille_recherche=13;encadrement_recherche=carre;"
           "coul_trait_recherche=#1781B3;coul_menu_listes=#000080;fond_menu_listes=#CCCCEE;"
           "tirets_listes=0;menuHTM=non;topHTM=non;image_transparent=oui;logo_top=oui;"
           "coul_logo=#1781B3;fond_logo=#FFFFFF;police_logo=P;gras_logo=oui;italique_logo=non;"
           "souligne_logo=non;taille_logo=13;aligne_logo=center;encadrement_logo=carre;"
           "coul_logo_trait=#1781B3;logo_texte_voir=oui;delais_texte=D\xE9lai et Frais;"
           "accueil_texte=Accueil;conditions_texte=Conditions;"
           "securite_texte=Votre S\xE9" "curit\xE9;"
           "ecrire_texte=Nous \xE9" "crire;panier_texte=Votre Panier;emploi_texte=?;"
           "delais_texte_voir=oui;accueil_texte_voir=oui;conditions_texte_voir=oui;"
           "securite_texte_voir=oui;ecrire_texte_voir=oui;panier_texte_voir=oui;"
           "emploi_texte_voir=oui;adresse_top=oui;adresse_top_color=#808080;date_top=non;"
           "date_top_color=#808080;angle=non;angle_color=#FFFFFF;bandeau_top=non;delais_top=oui;"
           "conditions_top=non;az_top=oui;ecrire_top=oui;secur_top=oui;emploi_top=non;"
           "coul_bandeau=#FFFFFF;fond_bandeau=#5A6BA5;police_bandeau=Verdana;gras_bandeau=oui;"
           "italique_bandeau=non;souligne_bandeau=non;taille_bandeau=13;aligne_bandeau=center;"
           "encadrement_bandeau=rond;coul_bandeau_trait=#1781B3;bandeau_texte_voir=oui;"
           "largeur_bandeau=300;largeur_cv=0;hauteur_frame=600;largeur_frame=100%;"
           "accueil_menu=non",
           ';')) {
    std::string v = d.substr(d.find('=') + 1);
    defauts[cle(d)] = v == "P" ? "Arial" : v;
  }
  std::vector<std::string> cles = clesFixesAttendues();
  for (const char* c : {"famille_titre", "fam0", "hauteur_frame", "largeur_frame", "accueil_menu"})
    cles.push_back(c);
  size_t verifies = 0;
  for (const std::string& c : cles) {
    auto d = defauts.find(c);
    EXPECT_EQ(valeur(o, c), d == defauts.end() ? "" : d->second) << c;
    verifies += d != defauts.end();
  }
  EXPECT_EQ(verifies, defauts.size());  // every default names a key of the file
}

TEST(MenuOptionsLoad, FileRules) {
  struct Case {
    const char* nom;
    const char* contenu;
    std::vector<std::pair<const char*, const char*>> attendus;
  } cases[] = {
      {"a file of one line is not read and empties the section texts",
       "coul_items=#111111\r\n",
       {{"coul_items", "#000080"}, {"delais_texte", ""}, {"emploi_texte", ""}}},
      {"an empty file empties the section texts", "", {{"accueil_texte", ""}}},
      {"a missing section text stays empty",
       "famille_titre=0\r\naccueil_texte=Maison\r\n",
       {{"accueil_texte", "Maison"}, {"emploi_texte", ""}}},
      {"keys ignore letter case", "x=1\r\nCOUL_Items=#111111\r\n", {{"coul_items", "#111111"}}},
      {"the first of two lines wins",
       "coul_items=#111111\r\ncoul_items=#222222\r\n",
       {{"coul_items", "#111111"}}},
      {"an empty value keeps the default",
       "coul_items=\r\ncoul_items=#222222\r\n",
       {{"coul_items", "#000080"}}},
      {"the value is the rest of the line", "x=1\r\nlogo_texte=a=b \r\n", {{"logo_texte", "a=b "}}},
      {"lines without = and unknown keys are ignored",
       "coul_items\r\nfoo=bar\r\n=x\r\ntaille_items=15\n",
       {{"coul_items", "#000080"}, {"taille_items", "15"}}},
      {"only fam0 to fam3 are read",
       "fam0=2\r\nfam3=0\r\nfam4=1\r\n",
       {{"fam0", "2"}, {"fam1", ""}, {"fam3", "0"}}},
      {"lines marked by the catalogue repair are no family order",
       "***\r\n***\r\nfamille_titre=1\r\n",
       {{"fam0", ""}, {"famille_titre", "1"}}},
      {"a background colour wins over an image",
       "image_menu=a.gif\r\nfond_couleur_menu=#FFEEDD\r\nimage_top=b.gif\r\n",
       {{"image_menu", ""}, {"fond_couleur_menu", "#FFEEDD"}, {"image_top", "b.gif"}}},
      {"the top background likewise",
       "image_top=b.gif\r\nfond_couleur_top=#000000\r\n",
       {{"image_top", ""}, {"image_menu", "papier.gif"}}},
      {"the last category position is read from the first load",
       "x=1\r\nimage_menu_catego3-29=puce\r\nIMAGE_MENU_CATEGO1-3=bouton\r\nx1_menu_titre2=-3\r\n",
       {{"image_menu_catego3-29", "puce"}, {"image_menu_catego1-3", "bouton"},
        {"x1_menu_titre2", "-3"}}},
      {"the frame keys are read",
       "hauteur_frame=450\r\nlargeur_frame=80%\r\naccueil_menu=oui\r\n",
       {{"hauteur_frame", "450"}, {"largeur_frame", "80%"}, {"accueil_menu", "oui"}}},
  };
  for (const auto& c : cases) {
    TempFolder dossier;
    TOptionsMenu o = chargees(dossier, c.contenu);
    for (const auto& [k, v] : c.attendus) EXPECT_EQ(valeur(o, k), v) << c.nom << " : " << k;
  }
}

TEST(MenuOptionsLoad, KeptAndIndexedSettingsCarryOverFromAnEarlierLoad) {
  TempFolder dossier;
  TOptionsMenu o = chargees(dossier,
                            "logo_texte=Ma boutique\r\nfond_couleur_top=#123456\r\n"
                            "coul_items=#111111\r\nbouton1_menu_titre0=b.gif\r\nfam0=1\r\n");
  o = chargees(dossier, "famille_titre=1\r\nlargeur_menu=150\r\n", o);
  EXPECT_EQ(o.logo_texte, "Ma boutique");
  EXPECT_EQ(o.fond_couleur_top, "#123456");
  EXPECT_EQ(o.bouton1_menu_titre[0], "b.gif");
  EXPECT_EQ(o.fam[0], "1");
  EXPECT_EQ(o.coul_items, "#000080");  // has a default, so it is reset
  EXPECT_EQ(o.image_top, "");          // the kept colour still wins
  EXPECT_EQ(o.largeur_menu, "150");
}

// --- the corner images ---

TEST(MenuCorners, TransparentFramesGetNoImagesAndTheOthersAlwaysGetTheirs) {
  TempFolder dossier;
  TOptionsMenu o;
  mettreDefautsMenu(o, kDefauts);
  o.encadrement_logo = "transparent";
  o.encadrement_cv = "aucun";
  sauverCoinsMenu(o, '-', dossier.path());
  for (std::string nom : {"menu", "bandeau", "cv"})
    for (const char* coin : {"_hg.gif", "_hd.gif", "_bg.gif", "_bd.gif"})
      EXPECT_TRUE(dossier.exists(nom + coin)) << nom << coin;
  for (const char* coin : {"_hg.gif", "_hd.gif", "_bg.gif", "_bd.gif"})
    EXPECT_FALSE(dossier.exists(std::string("logo") + coin)) << coin;
  // Only square corners are opaque.
  EXPECT_EQ(platform::readGif(dossier / "menu_hg.gif")->transparentIndex, -1);
  EXPECT_GE(platform::readGif(dossier / "bandeau_hg.gif")->transparentIndex, 0);
  EXPECT_GE(platform::readGif(dossier / "cv_bd.gif")->transparentIndex, 0);
}

TEST(MenuCorners, MenuTopCornersTakeTheItemFillWithoutFamilyTitles) {
  struct Case {
    const char* famille_titre;
    platform::Rgb haut;
  } cases[] = {{"0", {0xC4, 0xE1, 0xFF}}, {"1", {0xFC, 0xEF, 0xBC}}};
  for (const auto& c : cases) {
    TempFolder dossier;
    TOptionsMenu o;
    mettreDefautsMenu(o, kDefauts);
    o.famille_titre = c.famille_titre;
    o.fond_items = "#FCEFBC";
    sauverCoinsMenu(o, '-', dossier.path());
    // Inside the line of a square corner: the top fill above, the item fill below.
    platform::Bitmap hg = platform::readGif(dossier / "menu_hg.gif")->toBitmap();
    platform::Bitmap bg = platform::readGif(dossier / "menu_bg.gif")->toBitmap();
    EXPECT_TRUE(hg.pixel(3, 3) == c.haut) << c.famille_titre;
    EXPECT_TRUE(bg.pixel(3, 2) == (platform::Rgb{0xFC, 0xEF, 0xBC})) << c.famille_titre;
  }
}

// --- the editor window ---

namespace {

class MenuEditor : public ::testing::Test {
 protected:
  MenuEditor() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\n");
    t.demarrer();
    t.dialogs.clear();
  }
  Tmenu1& menu() { return t.p().menu1(); }
  platform::LineList fichier(const std::string& nom) {
    return platform::LineList::load(t.dossier / nom);
  }
  ProgrammeDeTest t;
};

}  // namespace

TEST_F(MenuEditor, OkWritesTheFileFromTheOptionsAndTheControlsThenTheCorners) {
  menu().options.coul_items = "#ABCDEF";
  menu().famille_order.setItems({"1", "0", "2", "3"});
  menu().hauteur_frameE.setText("512");
  menu().largeur_frameE.setText("98%");
  menu().accueilC.click();
  menu().ok_bouton.click();

  EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{"Menu enregistr\xE9"});
  platform::LineList f = fichier("menu.opt");
  EXPECT_EQ(f.value("coul_items"), "#ABCDEF");
  EXPECT_EQ(f[1], "fam0=1");
  EXPECT_EQ(f[4], "fam3=3");
  EXPECT_EQ(f.value("hauteur_frame"), "512");
  EXPECT_EQ(f.value("largeur_frame"), "98%");
  EXPECT_EQ(f.value("accueil_menu"), "oui");
  EXPECT_EQ(menu().options.hauteur_frame, "512");
  EXPECT_EQ(menu().options.largeur_frame, "98%");
  for (const char* nom : {"menu_hg.gif", "logo_hd.gif", "bandeau_bg.gif", "cv_bd.gif"})
    EXPECT_TRUE(t.dossier.exists(nom)) << nom;
}

TEST_F(MenuEditor, AFailedSaveIsReportedNotConfirmedAndChangesNothingElse) {
  std::filesystem::create_directory(t.dossier / "menu.opt");
  menu().hauteur_frameE.setText("999");
  menu().ok_bouton.click();
  auto messages = t.dialogs.messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0], "Menu enregistr\xE9");
  EXPECT_FALSE(t.dossier.exists("menu_hg.gif"));
  EXPECT_EQ(menu().options.hauteur_frame, "600");
}

TEST_F(MenuEditor, AModelIsWrittenOnceThenOkWritesMenuOptAgain) {
  std::filesystem::create_directory(t.dossier / "modeles");
  auto modele = t.dossier / "modeles" / "hiver.mnl";
  menu().options.coul_items = "#010203";
  t.dialogs.queueFile(modele);
  menu().BitBtn1Click();
  EXPECT_EQ(menu().modeleN.caption(), "Mod\xE8le : hiver.mnl");
  EXPECT_FALSE(menu().sauverModele);
  EXPECT_EQ(platform::LineList::load(modele), fichier("menu.opt"));

  menu().options.coul_items = "#040506";
  menu().ok_bouton.click();
  EXPECT_EQ(fichier("menu.opt").value("coul_items"), "#040506");
  EXPECT_EQ(platform::LineList::load(modele).value("coul_items"), "#010203");

  // An existing model is replaced only on Yes.
  t.dialogs.queueFile(modele);
  t.dialogs.queueAnswer(ui::Answer::No);
  menu().BitBtn1Click();
  EXPECT_EQ(platform::LineList::load(modele).value("coul_items"), "#010203");
  EXPECT_EQ(t.dialogs.messages().back(), "Mod\xE8le d\xE9j\xE0 existant. Voulez-vous continuer ?");
  t.dialogs.queueFile(modele);
  t.dialogs.queueAnswer(ui::Answer::Yes);
  menu().BitBtn1Click();
  EXPECT_EQ(platform::LineList::load(modele).value("coul_items"), "#040506");
  EXPECT_TRUE(t.dialogs.allAnswersUsed());
}

TEST_F(MenuEditor, AnOpenedModelIsReadOnceInsteadOfMenuOpt) {
  t.dossier.write("menu.opt", "famille_titre=0\r\ncoul_items=#111111\r\n");
  t.dossier.write("ete.mnl", "famille_titre=0\r\ncoul_items=#222222\r\n");
  t.dialogs.queueFile(t.dossier / "ete.mnl");
  menu().Button2Click();
  EXPECT_EQ(menu().options.coul_items, "#222222");
  EXPECT_EQ(menu().modeleN.caption(), "Mod\xE8le : ete.mnl");
  EXPECT_TRUE(menu().fichierModele.empty());
  menu().chargerMenu();
  EXPECT_EQ(menu().options.coul_items, "#111111");
}

TEST_F(MenuEditor, LoadSetsTheSearchPlaceAndTheFrameSizes) {
  struct Case {
    const char* recherche_top;
    int attendu;
  } cases[] = {{"menu", 2}, {"aucune", 0}, {"top", 1}, {"aucun", 0}, {"gauche", 0}, {"menu", 2}};
  for (const auto& c : cases) {
    t.dossier.write("menu.opt", std::string("recherche_top=") + c.recherche_top +
                                    "\r\nhauteur_frame=480\r\nlargeur_frame=90%\r\n");
    EXPECT_TRUE(menu().chargerMenu());
    EXPECT_EQ(menu().recherche.itemIndex(), c.attendu) << c.recherche_top;
    EXPECT_EQ(menu().hauteur_frameE.text(), "480");
    EXPECT_EQ(menu().largeur_frameE.text(), "90%");
  }
}

TEST_F(MenuEditor, WithoutFramesTheMenuImportIsClearedAndDisabled) {
  t.dossier.write("import/menu.htm", "<p>menu</p>");
  menu().importHTM.setChecked(true);
  t.p().main().options.frames = "oui";
  t.dialogs.queueAnswer(ui::Answer::No);  // the box ticked is an edit of the menu
  menu().chargerMenu();
  EXPECT_TRUE(menu().importHTM.enabled());
  EXPECT_TRUE(menu().importHTM.checked());
  t.p().main().options.frames = "non";
  menu().chargerMenu();
  EXPECT_FALSE(menu().importHTM.enabled());
  EXPECT_FALSE(menu().importHTM.checked());
}

TEST_F(MenuEditor, DefaultsFollowTheCurrentSiteSettings) {
  t.p().main().options.options.police_defaut = "Times";
  t.p().styleP().image_page = "bois.jpg";
  t.p().styleP().fixe_page = "oui";
  menu().chargerMenu();
  EXPECT_EQ(menu().options.police_logo, "Times");
  EXPECT_EQ(menu().options.image_menu, "bois.jpg");
  EXPECT_EQ(menu().options.fixe_top, "oui");
}
