#include "modele/app/fiche_produit.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "support/temp_folder.h"

using namespace app;
using platform::DataFolder;
using platform::LineList;
using testing_support::TempFolder;

namespace {

TFicheProduit ficheComplete() {
  return {.categorie = "Livres", .reference = "L-001", .description = "(w:1.5)Les Misérables",
          .auteur = "V. Hugo", .prix = "12,50", .qmulti = "", .image = "hugo.jpg",
          .puce_image = "puce.gif", .hauteur = "120", .largeur = "80", .mot_cle = "Romans",
          .commentaires = {"Tome 1", "", "<LIGNE>L-001a#Relié#15"}, .texte_detail = {"a=b"},
          .titres = {"Fantine", "Cosette"}, .bouton_CD = "oui", .CD_ref = "L-001P", .CD_prix = "9",
          .type1 = "Poche", .pecotaxe = "0,10", .disponible = "non", .etat_visible = "oui",
          .mes_tailles = "oui"};
}

}  // namespace

// The writer emits every key in its fixed order, memo keys once per line, CR LF, Windows-1252.
TEST(FicheProduit, WriterEmitsKeysInFixedOrderByteForByte) {
  TempFolder dir;
  DataFolder df(dir.path());
  sauverFicheProduit(df, ficheComplete());
  const std::string attendu =
      "categorie=Livres\r\nreference=L-001\r\ndescription=(w:1.5)Les Mis\xE9rables\r\n"
      "auteur=V. Hugo\r\nprix=12,50\r\nqmulti=\r\nimage=hugo.jpg\r\npuce_image=puce.gif\r\n"
      "hauteur=120\r\nlargeur=80\r\nmot_cle=Romans\r\ncommentaires=Tome 1\r\ncommentaires=\r\n"
      "commentaires=<LIGNE>L-001a#Reli\xE9#15\r\ntexte_detail=a=b\r\nimage_detail=\r\n"
      "hauteur_detail=\r\nlargeur_detail=\r\ntitres=Fantine\r\ntitres=Cosette\r\n"
      "bouton_CD=oui\r\nbouton_K7=non\r\nbouton_VIDEO=non\r\nCD_ref=L-001P\r\nK7_ref=\r\n"
      "VIDEO_ref=\r\nCD_prix=9\r\nK7_prix=\r\nVIDEO_prix=\r\ntype1=Poche\r\ntype2=\r\ntype3=\r\n"
      "pecotaxe=0,10\r\npecotaxeA=\r\npecotaxeB=\r\npecotaxeC=\r\ndisponible=non\r\n"
      "etat_visible=oui\r\ndetailHTML=non\r\nmes_tailles=oui\r\n";
  EXPECT_EQ(dir.read("L-001.ref"), attendu);
  EXPECT_EQ(clesFicheProduit().size(), 38u);
  EXPECT_EQ(clesFicheProduit().back(), "mes_tailles");
}

TEST(FicheProduit, WriterLeavesOutHiddenStockStateAndKeepsValuesOnOneLine) {
  TFicheProduit f;
  f.description = "ligne 1\r\nprix=0";
  LineList lignes = ecrireFicheProduit(f);
  EXPECT_EQ(lignes.size(), 33u);  // no memo line, no stock state
  EXPECT_EQ(lignes.indexOfName("etat_visible"), -1);
  EXPECT_EQ(lignes[2], "description=ligne 1  prix=0");
  EXPECT_EQ(lireFicheProduit(lignes).prix, "");
}

TEST(FicheProduit, PlainReadingGivesBackWhatWasWritten) {
  TFicheProduit f = ficheComplete();
  EXPECT_EQ(lireFicheProduit(ecrireFicheProduit(f)), f);
  TFicheProduit vide;
  EXPECT_EQ(lireFicheProduit(ecrireFicheProduit(vide)), vide);
}

TEST(FicheProduit, FileNameIsTrimmedReferenceAndMissingSheetIsNoError) {
  TempFolder dir;
  DataFolder df(dir.path());
  TFicheProduit f;
  f.reference = "  AB ";
  sauverFicheProduit(df, f);
  EXPECT_TRUE(dir.exists("AB.ref"));
  ASSERT_TRUE(chargerFicheProduit(df, "ab").has_value());  // found without regard to case
  EXPECT_EQ(chargerFicheProduit(df, "ab")->reference, "  AB ");
  EXPECT_FALSE(chargerFicheProduit(df, "absente").has_value());
  EXPECT_FALSE(chargerFicheProduit(df, "../AB").has_value());
  EXPECT_FALSE(chargerLignesFiche(dir / "absente.ref").has_value());
}

// Each key's own rule, line by line: the sheet editor's reading against the plain reading.
TEST(FicheProduit, EditorAndPlainReadingFollowEachKeysRule) {
  using S = std::string TFicheProduit::*;
  struct Cas {
    const char* ligne;
    S champ;
    const char *avant, *editeur, *brut;
  } cas[] = {
      {"categorie=  Livres ", &TFicheProduit::categorie, "X", "Livres", "  Livres "},
      {"categorie=", &TFicheProduit::categorie, "X", "", ""},
      {"reference= P1 ", &TFicheProduit::reference, "X", "P1", " P1 "},
      {"description= Titre ", &TFicheProduit::description, "X", "Titre", " Titre "},
      {"auteur=", &TFicheProduit::auteur, "X", "", ""},
      {"prix= 5 ", &TFicheProduit::prix, "X", "5", " 5 "},
      {"pecotaxeC=", &TFicheProduit::pecotaxeC, "X", "", ""},
      {"qmulti= 6", &TFicheProduit::qmulti, "X", "6", " 6"},
      {"puce_image= ", &TFicheProduit::puce_image, "X", "X", " "},
      {"puce_image= p.gif ", &TFicheProduit::puce_image, "X", "p.gif", " p.gif "},
      {"mot_cle=", &TFicheProduit::mot_cle, "X", "X", ""},
      {"mot_cle= Rock", &TFicheProduit::mot_cle, "X", "Rock", " Rock"},
      {"image= a.jpg ", &TFicheProduit::image, "X", "a.jpg", " a.jpg "},
      {"image=", &TFicheProduit::image, "X", "", ""},
      {"image_detail= d.jpg", &TFicheProduit::image_detail, "X", " d.jpg", " d.jpg"},
      {"image_detail=", &TFicheProduit::image_detail, "X", "", ""},
      {"bouton_K7=", &TFicheProduit::bouton_K7, "oui", "oui", ""},
      {"CD_ref= A1 ", &TFicheProduit::CD_ref, "X", " A1 ", " A1 "},
      {"VIDEO_ref=", &TFicheProduit::VIDEO_ref, "X", "X", ""},
      {"K7_prix= 3", &TFicheProduit::K7_prix, "X", " 3", " 3"},
      {"CD_prix=", &TFicheProduit::CD_prix, "X", "X", ""},
      {"type2=", &TFicheProduit::type2, "X", "X", ""},
      {"type3= Luxe", &TFicheProduit::type3, "X", " Luxe", " Luxe"},
      {"disponible=non", &TFicheProduit::disponible, "oui", "non", "non"},
      {"disponible=peut-etre", &TFicheProduit::disponible, "oui", "oui", "peut-etre"},
      {"detailHTML=oui", &TFicheProduit::detailHTML, "non", "oui", "oui"},
      {"detailHTML=OUI", &TFicheProduit::detailHTML, "non", "non", "OUI"},
      {"mes_tailles=oui", &TFicheProduit::mes_tailles, "non", "oui", "oui"},
      {"mes_tailles=x", &TFicheProduit::mes_tailles, "oui", "non", "x"},
      {"hauteur=120", &TFicheProduit::hauteur, "X", "X", "120"},
      {"largeur_detail=40", &TFicheProduit::largeur_detail, "X", "X", "40"},
      {"Prix=5", &TFicheProduit::prix, "X", "X", "X"},  // keys are compared exactly
      {"prix 5", &TFicheProduit::prix, "X", "X", "X"},  // no "=": skipped
      {"prix=a=b", &TFicheProduit::prix, "X", "a=b", "a=b"},
  };
  for (const auto& c : cas) {
    TFicheProduit editeur, brut;
    editeur.*c.champ = c.avant;
    brut.*c.champ = c.avant;
    lireFicheEditeur({c.ligne}, editeur);
    lireFicheProduit({c.ligne}, brut);
    EXPECT_EQ(editeur.*c.champ, c.editeur) << c.ligne;
    EXPECT_EQ(brut.*c.champ, c.brut) << c.ligne;
  }
}

TEST(FicheProduit, EditorStockStateReactsToItsTwoWordsOnly) {
  for (auto [ligne, attendu] : {std::pair{"etat_visible=oui", "oui"}, {"etat_visible=non", "non"},
                                {"etat_visible=", "avant"}}) {
    TFicheProduit f;
    f.etat_visible = "avant";
    lireFicheEditeur({ligne}, f);
    EXPECT_EQ(f.etat_visible, attendu) << ligne;
  }
}

TEST(FicheProduit, ImageLinesEmptyThePictureSizesThatCameBefore) {
  TFicheProduit f;
  f.hauteur = f.largeur = f.hauteur_detail = f.largeur_detail = "99";
  lireFicheEditeur({"hauteur=120", "image=a.jpg"}, f);
  EXPECT_EQ(f.hauteur, "");
  EXPECT_EQ(f.largeur, "");
  EXPECT_EQ(f.hauteur_detail, "99");
  lireFicheEditeur({"image_detail="}, f);
  EXPECT_EQ(f.hauteur_detail, "");
  EXPECT_EQ(f.largeur_detail, "");
}

TEST(FicheProduit, EditorDropsEmptyMemoLinesWhilePlainReadingKeepsThem) {
  TFicheProduit f;
  f.commentaires = {"un", "", "trois"};
  f.presentations = {"", "intro"};
  LineList lignes = ecrireFicheProduit(f);
  TFicheProduit editeur;
  lireFicheEditeur(lignes, editeur);
  EXPECT_EQ(editeur.commentaires, (std::vector<std::string>{"un", "trois"}));
  EXPECT_EQ(editeur.presentations, (std::vector<std::string>{"intro"}));
  EXPECT_EQ(lireFicheProduit(lignes).commentaires, f.commentaires);
}

TEST(FicheProduit, LaterLineWinsAndOwnSizesFollowTheFilesLastLine) {
  struct Cas {
    LineList lignes;
    const char* mesTailles;
  } cas[] = {
      {{"prix=1", "mes_tailles=oui"}, "oui"},
      {{"mes_tailles=oui", "famille=2"}, "non"},  // any later line unticks it
      {{"mes_tailles=oui", "mes_tailles=non"}, "non"},
      {{"prix=1"}, "non"},
  };
  for (const auto& c : cas) {
    TFicheProduit f;
    lireFicheEditeur(c.lignes, f);
    EXPECT_EQ(f.mes_tailles, c.mesTailles) << c.lignes.text();
  }
  TFicheProduit f;
  // The editor keeps the values of the sheet shown before when a key is missing.
  f.description = "Ancien titre";
  f.auteur = "Ancien auteur";
  lireFicheEditeur({"prix=1", "prix=2", "CD_ref=A", "CD_ref=", "CD_ref=B"}, f);
  EXPECT_EQ(f.prix, "2");
  EXPECT_EQ(f.CD_ref, "B");
  EXPECT_EQ(f.description, "Ancien titre");
  EXPECT_EQ(f.auteur, "Ancien auteur");
}

TEST(Poids, ReaderTakesTheWeightGroup) {
  struct Cas {
    const char* texte;
    std::optional<std::string> poids;
  } cas[] = {{"(w:1.5)Titre", "1.5"}, {"(w: 2 ) Titre", "2 "}, {"Titre (w:3)", "3"},
             {"(w:1.5 sans fin", ""},  {"Titre", std::nullopt},  {"(W:1)Titre", std::nullopt}};
  for (const auto& c : cas) EXPECT_EQ(poidsDuTexte(c.texte), c.poids) << c.texte;
}

TEST(Poids, SaveSetsReplacesOrRemovesTheLeadingGroup) {
  struct Cas {
    const char *texte, *poids, *attendu;
  } cas[] = {
      {"Titre", "2", "(w:2)Titre"},
      {"(w:1.5)  Titre", "2", "(w:2)Titre"},
      {"(w:1.5) Titre", "", "Titre"},
      {"(w:1.5) Titre", "  ", "Titre"},
      {" Titre ", "", " Titre "},
      {"Titre", " 0.7 ", "(w:0.7)Titre"},
      {"(w:1.5 Titre", "2", "(w:2)(w:1.5 Titre"},
      {"Titre (w:1)", "", "Titre (w:1)"},
  };
  for (const auto& c : cas) EXPECT_EQ(texteAvecPoids(c.texte, c.poids), c.attendu) << c.texte;
  // What the save writes, the reader takes back.
  EXPECT_EQ(poidsDuTexte(texteAvecPoids("Robe", "0,3")), "0,3");
}

TEST(FicheProduit, CleanerTurnsIndexSeparatorAndAmpersand) {
  EXPECT_EQ(nettoyerTexteFiche("A#B & C##"), "A-B + C--");
  EXPECT_EQ(nettoyerTexteFiche("été=1"), "été=1");
}

TEST(FicheSideFiles, PriceNoteLinkedProductsPageAndSizes) {
  TempFolder dir;
  DataFolder df(dir.path());
  EXPECT_EQ(notePrixFiche(df, "P1"), "");
  dir.write("P1.sup", "");
  EXPECT_EQ(notePrixFiche(df, "P1"), "Prix Supp.");
  dir.write("P1.dif", "");
  EXPECT_EQ(notePrixFiche(df, "P1"), "Prix Diff.");

  EXPECT_FALSE(aProduitsLies(df, "P1"));
  dir.write("tmp/P1.pcl", "ref=P2 nom=x\r\n");
  EXPECT_TRUE(aProduitsLies(df, "P1"));
  EXPECT_FALSE(aProduitsLies(df, "../P1"));

  EXPECT_EQ(pageDuProduit(df, "P1"), "");
  dir.write("listeHTM.tmp", "P0=page0.htm\r\np1=page2.htm\r\nP1=page3.htm\r\n");
  EXPECT_EQ(pageDuProduit(df, "P1"), "page2.htm");
  EXPECT_EQ(pageDuProduit(df, "P9"), "");

  EXPECT_TRUE(chargerTaillesFiche(df, "P1").empty());
  dir.write("P1tailles.txt", "S\r\nM\r\n");
  EXPECT_EQ(chargerTaillesFiche(df, "P1"), (LineList{"S", "M"}));
}

TEST(FicheSideFiles, PromotionalPriceOnlyForASheetListedInPromoList) {
  TempFolder dir;
  DataFolder df(dir.path());
  const std::string chemin = (dir.path() / "P1.ref").string();
  dir.write("P1.pro", "categorie=A\r\nprixpromo=9,90\r\n");
  EXPECT_EQ(prixPromoFiche(df, chemin, "P1"), "");  // no promo.prx
  dir.write("promo.prx", "autre.ref\r\n  " + platform::upperAscii(chemin) + " \r\n");
  EXPECT_EQ(prixPromoFiche(df, chemin, "P1"), "9,90");
  EXPECT_EQ(prixPromoFiche(df, (dir.path() / "P2.ref").string(), "P1"), "");
  dir.write("P1.pro", "categorie=A\r\n");
  EXPECT_EQ(prixPromoFiche(df, chemin, "P1"), "");
}

TEST(FicheSideFiles, BulletListKeepsNamesOfExistingImportFiles) {
  TempFolder dir;
  DataFolder df(dir.path());
  EXPECT_TRUE(chargerListePuces(df).empty());
  dir.write("import/rouge.gif", "x");
  dir.write("import/bleu.gif", "x");
  dir.write("secret.gif", "x");
  dir.write("puces.ini", "  rouge.gif \r\n\r\nabsente.gif\r\n../secret.gif\r\nBLEU.GIF\r\n");
  EXPECT_EQ(chargerListePuces(df), (std::vector<std::string>{"rouge.gif", "BLEU.GIF"}));
}

TEST(FicheSideFiles, SaveRewritesThreeLinesOfThePromotionAndKeepsTheRest) {
  TempFolder dir;
  DataFolder df(dir.path());
  dir.write("P1.pro",
            "categorie=Ancienne\r\nprixpromo=5\r\nTitre=garde\r\ntitre=Ancien\r\nsans egal\r\n"
            "mot_cle=X\r\ntitre=Encore\r\n");
  mettreAJourPromotionFiche(df, "P1", "Livres", "Nouveau (w:1)", "  Romans ");
  EXPECT_EQ(dir.read("P1.pro"),
            "categorie=Livres\r\nprixpromo=5\r\nTitre=garde\r\ntitre=Nouveau (w:1)\r\nsans egal\r\n"
            "mot_cle=Romans\r\ntitre=Nouveau (w:1)\r\n");
  dir.write("P2.pro", "");
  mettreAJourPromotionFiche(df, "P2", "Livres", "T", "R");
  EXPECT_EQ(dir.read("P2.pro"), "");
  mettreAJourPromotionFiche(df, "P3", "Livres", "T", "R");
  EXPECT_FALSE(dir.exists("P3.pro"));
}

TEST(FicheProduit, NulBytesOfValuesAreDroppedByBothReadings) {
  using namespace std::string_literals;
  const LineList lignes{"description=Le\0 Rouge\0"s, "auteur=\0"s, "commentaires=<b>\0gras</b>"s,
                        "type1=Po\0che"s};
  TFicheProduit editeur;
  lireFicheEditeur(lignes, editeur);
  for (const TFicheProduit& f : {lireFicheProduit(lignes), editeur}) {
    EXPECT_EQ(f.description, "Le Rouge");
    EXPECT_EQ(f.auteur, "");
    EXPECT_EQ(f.commentaires, std::vector<std::string>{"<b>gras</b>"});
    EXPECT_EQ(f.type1, "Poche");
  }
}
