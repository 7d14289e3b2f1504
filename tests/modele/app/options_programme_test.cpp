#include "modele/app/options_programme.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using namespace app;
using testing_support::TempFolder;

namespace {

OptionsDemarrage charger(const TempFolder& dossier) {
  return chargerOptionsDemarrage(platform::DataFolder(dossier.path()));
}

}  // namespace

TEST(OptionsDemarrage, EmptyFolderGivesTheBuiltInValues) {
  TempFolder dossier;
  OptionsDemarrage r = charger(dossier);
  const TOptionsProgramme& o = r.options;
  struct Case {
    const std::string& valeur;
    const char* attendu;
  } cases[] = {
      {o.sepurl, "-"},
      {o.police_defaut, "Verdana"},
      {o.fond_rappel, "#5A6BA5"},
      {o.titre_rappel, "white"},
      {o.mot_recherche, "Recherche mot-cl\xE9"},
      {o.menu_tailles, "1"},
      {o.menu_taille_T, "2"},
      {o.menu_taille_S, "2"},
      {o.phrase_pc, "Produits compl\xE9mentaires"},
      {o.fen_pc_width, "800"},
      {o.espacePds, "4"},
      {o.vscrollx, "100"},
      {o.esp_M, "4"},
      {o.titre_deroulant, "--- SELECTIONNER ---"},
      {o.taille_liee, "1"},
      {o.taille_lieeT, "2"},
      {o.gras_lieeT, "oui"},
      {r.frames, "oui"},
      {r.accueilLf, "800"},
      {r.accueilHf, "500"},
      {r.etat.phrase, "Dates disponibles"},
      {r.etat.couleur, "navy"},
      {r.etat.size, "2"},
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(cases[i].valeur, cases[i].attendu) << "case " << i;
}

// Each line is a whole tarvio.ini; the option named is compared after the load.
TEST(OptionsDemarrage, TarvioIniRules) {
  struct Case {
    const char* fichier;
    std::string TOptionsProgramme::*champ;
    const char* attendu;
  } cases[] = {
      // Rule U: always taken, trimmed; empty or missing empties the option.
      {"cartouche_fond=  #FF0000 \r\n", &TOptionsProgramme::cartouche_fond, "#FF0000"},
      {"largeur_tableau=\r\n", &TOptionsProgramme::largeur_tableau, ""},
      {"refmod=oui\r\n", &TOptionsProgramme::refmod, "oui"},
      {"police_defaut=\r\n", &TOptionsProgramme::police_defaut, "Verdana"},
      {"police_defaut=Times\r\n", &TOptionsProgramme::police_defaut, "Times"},
      {"fond_rappel=   \r\n", &TOptionsProgramme::fond_rappel, "#5A6BA5"},
      {"mot_recherche= Chercher \r\n", &TOptionsProgramme::mot_recherche, "Chercher"},
      // Rule N: an empty value keeps the default, blanks only empty it.
      {"fen_pc_width=\r\n", &TOptionsProgramme::fen_pc_width, "800"},
      {"fen_pc_width=   \r\n", &TOptionsProgramme::fen_pc_width, ""},
      {"espacePds= 12 \r\n", &TOptionsProgramme::espacePds, "12"},
      {"titre_deroulant=\r\n", &TOptionsProgramme::titre_deroulant, "--- SELECTIONNER ---"},
      {"phrase_pc=Voir aussi\r\n", &TOptionsProgramme::phrase_pc, "Voir aussi"},
      // Non-numeric values are stored as typed.
      {"esp_M=abc\r\n", &TOptionsProgramme::esp_M, "abc"},
      // Key case ignored, first line wins, value after the first "=".
      {"POLICE_DEFAUT=Arial\r\npolice_defaut=Times\r\n", &TOptionsProgramme::police_defaut,
       "Arial"},
      {"phrase_pc=a=b\r\n", &TOptionsProgramme::phrase_pc, "a=b"},
      {"phrase_pc\r\nphrase_pc=x\r\n", &TOptionsProgramme::phrase_pc, "x"},
      {"titleinv=oui\ntitre_rappel=black\n", &TOptionsProgramme::titre_rappel, "black"},
      // The heading of the linked-products pop-up survives a restart.
      {"couleur_lieeT=#112233\r\n", &TOptionsProgramme::couleur_lieeT, "#112233"},
      {"gras_lieeT=non\r\n", &TOptionsProgramme::gras_lieeT, "non"},
      {"taille_lieeT=\r\n", &TOptionsProgramme::taille_lieeT, "2"},
      // The separator: first character, untrimmed.
      {"sepurl=_-x\r\n", &TOptionsProgramme::sepurl, "_"},
      {"sepurl=-\r\n", &TOptionsProgramme::sepurl, "-"},
      {"sepurl= _\r\n", &TOptionsProgramme::sepurl, " "},
      {"sepurl=\r\n", &TOptionsProgramme::sepurl, "-"},
  };
  for (const auto& c : cases) {
    TempFolder dossier;
    dossier.write("tarvio.ini", c.fichier);
    EXPECT_EQ(charger(dossier).options.*c.champ, c.attendu) << c.fichier;
  }
}

TEST(OptionsDemarrage, PagesTakeASpacingThatIsNoPixelCountAsItsDefault) {
  TOptionsProgramme o;
  struct Case {
    std::string TOptionsProgramme::*champ;
    const char* valeur;
    const char* attendu;
  } cases[] = {{&TOptionsProgramme::esp_M, "12", "12"}, {&TOptionsProgramme::esp_M, "abc", "4"},
               {&TOptionsProgramme::esp_G, "1 0", "2"}, {&TOptionsProgramme::esp_P, "-3", "4"},
               {&TOptionsProgramme::espacePds, "2.5", "4"},
               {&TOptionsProgramme::espacePds, "", "4"}};
  for (const auto& c : cases) {
    o.*c.champ = c.valeur;
    EXPECT_EQ(o.espacement(c.champ), c.attendu) << c.valeur;
  }
}

TEST(OptionsDemarrage, SeparatorFollowsTheGeneratedSiteOnlyWhenUnset) {
  struct Case {
    const char* tarvio;  // nullptr: no file
    const char* listeHTM;
    const char* attendu;
  } cases[] = {
      {nullptr, "REF1=robe-rouge.htm\r\nREF2=pulls.htm\r\n", "-"},
      {nullptr, "REF1=robe-rouge.htm\r\nREF2=robe_bleue.htm\r\n", "_"},
      {nullptr, "REF_1=robes.htm\r\n", "_"},
      {"sepurl=\r\n", "REF1=robe_rouge.htm\r\n", "_"},
      {"sepurl=-\r\n", "REF1=robe_rouge.htm\r\n", "-"},
      {"sepurl=_\r\n", "REF1=robe-rouge.htm\r\n", "_"},
  };
  for (const auto& c : cases) {
    TempFolder dossier;
    if (c.tarvio) dossier.write("tarvio.ini", c.tarvio);
    dossier.write("listeHTM.tmp", c.listeHTM);
    EXPECT_EQ(charger(dossier).options.sepurl, c.attendu) << c.listeHTM;
  }
}

TEST(OptionsDemarrage, SmallFilesAreTakenUntrimmedWhenNotEmpty) {
  struct Case {
    const char* nom;
    const char* contenu;
    std::string OptionsDemarrage::*champ;
    const char* attendu;
  } cases[] = {
      {"frames.inf", "frames=non\r\n", &OptionsDemarrage::frames, "non"},
      {"frames.inf", "frames=oui\r\n", &OptionsDemarrage::frames, "oui"},
      {"frames.inf", "frames=\r\n", &OptionsDemarrage::frames, "non"},
      {"frames.inf", "", &OptionsDemarrage::frames, "non"},
      {"frames.inf", "FRAMES= oui\r\n", &OptionsDemarrage::frames, " oui"},
      {"FRAMES.INF", "frames=non\r\n", &OptionsDemarrage::frames, "non"},
      {"accueilF.inf", "accueilLf=640 \r\naccueilHf=\r\n", &OptionsDemarrage::accueilLf, "640 "},
      {"accueilF.inf", "accueilLf=640 \r\naccueilHf=\r\n", &OptionsDemarrage::accueilHf, "500"},
  };
  for (const auto& c : cases) {
    TempFolder dossier;
    dossier.write(c.nom, c.contenu);
    EXPECT_EQ(charger(dossier).*c.champ, c.attendu) << c.nom << " " << c.contenu;
  }

  TempFolder dossier;
  dossier.write("etat.txt", "phrase= En stock\r\npolice=Arial\r\ncouleur=\r\nSIZE=3\r\n");
  TAffichageEtat etat = charger(dossier).etat;
  EXPECT_EQ(etat.phrase, " En stock");
  EXPECT_EQ(etat.police, "Arial");
  EXPECT_EQ(etat.couleur, "navy");
  EXPECT_EQ(etat.size, "3");
  EXPECT_EQ(etat.gras, "");
}

TEST(OptionsDemarrage, FilesDoNotLeakIntoEachOther) {
  TempFolder dossier;
  // A key of one file never answers a lookup made on the next one.
  dossier.write("accueilF.inf", "phrase=Ailleurs\r\ntitleinv=oui\r\n");
  dossier.write("etat.txt", "accueilLf=10\r\n");
  OptionsDemarrage r = charger(dossier);
  EXPECT_EQ(r.etat.phrase, "Dates disponibles");
  EXPECT_EQ(r.accueilLf, "800");
  EXPECT_EQ(r.options.titleinv, "");
}

TEST(OptionsDemarrage, CardDisplayFileOverridesTarvioIni) {
  TempFolder dossier;
  dossier.write("tarvio.ini", "vig_visual=non\r\nvscrollx=50\r\nvscrolly=5\r\n");
  dossier.write("vignettes/tarvio_add.ini", "vig_visual= oui \r\nvscrollx=\r\nVSCROLLY=   \r\n");
  TOptionsProgramme o = charger(dossier).options;
  EXPECT_EQ(o.vig_visual, "oui");
  EXPECT_EQ(o.vscrollx, "50");
  EXPECT_EQ(o.vscrolly, "");
}

TEST(OptionsDemarrage, PanierProOnlyForTheExactName) {
  EXPECT_EQ(panierPro("pro.php"), "oui");
  EXPECT_EQ(panierPro("PRO.PHP"), "");
  EXPECT_EQ(panierPro(" pro.php"), "");
  EXPECT_EQ(panierPro(""), "");
}

namespace {

TOptionsProgramme optionsDialogue() {
  TempFolder vide;
  TOptionsProgramme o = charger(vide).options;
  o.sepurl = "_";
  o.cartouche_fond = "#EEEEEE";
  o.accueil_titre = "Ma boutique page d'accueil";
  o.police_defaut = "Arial";
  o.largeur_tableau = "";
  o.TOP_distant = "http://exemple.fr/top.htm";
  o.titre_deroulant = "--- Choisir ---";
  o.couleur_lieeT = "#003366";
  // Every key written only when set is set, so that their order shows.
  o.menu_titres = "gauche", o.menu_titresR = "oui", o.theme_enpremier = "non";
  o.cartouche_couleur = "#C1", o.cartouche_souligne = "non", o.cartouche_taille = "3";
  o.recherche_fond = "#R1", o.recherche_liens = "#R2", o.recherche_titre = "#R3";
  o.recherche_texte = "#R4", o.titrethemes = "Rayons", o.menu_titre = "m", o.menuh_titre = "h";
  return o;
}

}  // namespace

TEST(SauverOptionsProgramme, RewritesTheFileByteForByte) {
  TempFolder dossier;
  dossier.write("tarvio.ini",
                "refmod=oui\r\n"
                "sepurl=-\r\n"
                "\r\n"
                "url_extF=.php\r\n"
                "Police_defaut=Verdana\r\n"
                "sans signe egal\r\n"
                "auteurs=oui\r\n"
                "url_extF_mg=x\r\n"
                "coul_scroll=#C0C0C0\r\n");
  sauverOptionsProgramme(platform::DataFolder(dossier.path()), optionsDialogue());
  EXPECT_EQ(dossier.read("tarvio.ini"),
            "refmod=oui\r\n"
            "sans signe egal\r\n"
            "auteurs=oui\r\n"
            "coul_scroll=#C0C0C0\r\n"
            "sepurl=_\r\n"
            "menu_titres=gauche\r\nmenu_titresR=oui\r\ntheme_enpremier=non\r\n"
            "cartouche_fond=#EEEEEE\r\ncartouche_couleur=#C1\r\n"
            "cartouche_souligne=non\r\ncartouche_taille=3\r\n"
            "recherche_fond=#R1\r\nrecherche_liens=#R2\r\nrecherche_titre=#R3\r\n"
            "recherche_texte=#R4\r\naccueil_titre=Ma boutique page d'accueil\r\n"
            "titrethemes=Rayons\r\nmenu_titre=m\r\nmenuh_titre=h\r\n"
            "fond_rappel=#5A6BA5\r\n"
            "titre_rappel=white\r\n"
            "police_defaut=Arial\r\n"
            "espacePds=4\r\n"
            "esp_M=4\r\n"
            "esp_G=2\r\n"
            "esp_P=4\r\n"
            "menu_tailles=1\r\n"
            "menu_taille_T=2\r\n"
            "menu_taille_V=2\r\n"
            "menu_taille_S=2\r\n"
            "largeur_tableau=\r\n"
            "phrase_pc=Produits compl\xE9mentaires\r\n"
            "couleur_liee=\r\n"
            "taille_liee=1\r\n"
            "gras_liee=non\r\n"
            "couleur_lieeT=#003366\r\n"
            "taille_lieeT=2\r\n"
            "gras_lieeT=oui\r\n"
            "fen_pc_width=800\r\n"
            "fen_pc_height=400\r\n"
            "articles_trouves=\r\n"
            "i_ref=\r\n"
            "TOP_distant=http://exemple.fr/top.htm\r\n"
            "titre_deroulant=--- Choisir ---\r\n");
}

TEST(SauverOptionsProgramme, SavedValuesComeBackAtTheNextStart) {
  TempFolder dossier;
  // Stale lines in other letter cases would hide the appended block from the reader.
  dossier.write("tarvio.ini", "SEPURL=-\r\nPOLICE_DEFAUT=Times\r\nTitre_Deroulant=old\r\n");
  TOptionsProgramme saved = optionsDialogue();
  sauverOptionsProgramme(platform::DataFolder(dossier.path()), saved);
  TOptionsProgramme relu = charger(dossier).options;
  EXPECT_EQ(relu.sepurl, "_");
  EXPECT_EQ(relu.police_defaut, "Arial");
  EXPECT_EQ(relu.cartouche_fond, "#EEEEEE");
  EXPECT_EQ(relu.titre_deroulant, "--- Choisir ---");
  EXPECT_EQ(relu.couleur_lieeT, "#003366");
  EXPECT_EQ(relu.TOP_distant, "http://exemple.fr/top.htm");
  EXPECT_EQ(relu.accueil_titre, "Ma boutique page d'accueil");
}

TEST(SauverOptionsProgramme, CreatesAMissingFile) {
  TempFolder dossier;
  TOptionsProgramme o = optionsDialogue();
  o.recherche_fond = "";
  sauverOptionsProgramme(platform::DataFolder(dossier.path()), o);
  platform::LineList lignes = platform::LineList::fromText(dossier.read("tarvio.ini"));
  EXPECT_EQ(lignes[0], "sepurl=_");
  EXPECT_FALSE(lignes.hasName("recherche_fond"));
  EXPECT_TRUE(lignes.hasName("i_ref"));
}
