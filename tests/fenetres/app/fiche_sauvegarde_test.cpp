// Saving a sheet from the editor, the catalogue index that follows the sheets, deleting a sheet,
// and the question asked before the main window closes on unsaved changes.

#include <gtest/gtest.h>

#include <functional>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style.h"
#include "fenetres/design/style_principal.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/ref_gen.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;
using ui::Answer;
using Lignes = std::vector<std::string>;

namespace {

// A shop with the category Livres and its themes, started.
app::Tmain& boutique(ProgrammeDeTest& t, const char* themes,
                     const char* famille = "famille=1\r\n") {
  t.dossier.write("ident.opt", "nomE=Boutique\r\n");
  t.dossier.write("categories", "Livres\r\n");
  t.dossier.write("Livres.cto", themes);
  t.dossier.write("Livres.fam", famille);
  return t.demarrer().main();
}

std::string valeur(const ProgrammeDeTest& t, const char* fichier, const char* cle) {
  return platform::LineList::load(t.dossier / fichier).value(cle);
}

class SheetSave : public ::testing::Test {
 protected:
  SheetSave() { boutique(t, "Romans\r\nContes\r\n"); }
  app::Tmain& m() { return t.p().main(); }

  // A new sheet typed by hand in the category Livres, theme Romans.
  void nouvelleFiche(const std::string& reference) {
    m().referencer.type(reference);
    m().referencer.pressKey(ui::key::Enter);
    m().catego.select(0);
    m().descriptionT.type("Titre");
    m().prixT.type("10");
  }
  Lignes messages() const { return t.dialogs.messages(); }

  ProgrammeDeTest t;
};

}  // namespace

// Each box is stored under its own key (the file's layout is in fiche_produit_test); what a save
// cleans, keeps and refreshes; a reload then a save gives the same bytes.
TEST_F(SheetSave, EachBoxIsSavedUnderItsKeyAndAReloadSavesTheSameBytes) {
  nouvelleFiche("P1");
  m().famille.clickItem(1);
  m().descriptionT.type("Le #1 & co");
  m().auteurT.type("Vian");
  m().multiE.type("2");
  m().commentaires.type("ligne 1\r\n\r\nligne 3");
  m().CD_check.click();  // the variant takes the sheet's reference and price
  m().type1.type("Broché");
  m().tableau.click();
  m().maxi.setPosition(12);
  m().sauver.click();
  EXPECT_TRUE(messages().empty());
  const std::string fichier = t.dossier.read("P1.ref");
  EXPECT_EQ(app::lireFicheProduit(platform::LineList::fromText(fichier)),
            (app::TFicheProduit{.categorie = "Livres", .reference = "P1",
                                .description = "Le -1 + co", .auteur = "Vian", .prix = "10",
                                .qmulti = "2", .hauteur = "0", .largeur = "0", .mot_cle = "Romans",
                                .commentaires = {"ligne 1", "", "ligne 3"}, .bouton_CD = "oui",
                                .CD_ref = "P1", .CD_prix = "10", .type1 = "Broché"}));
  EXPECT_EQ(t.dossier.read("ref.gen"), "P1#Livres#Romans#Le -1 + co#Vian#\r\n");
  EXPECT_EQ(t.dossier.read("Livres.fam"), "famille=1\r\n");
  EXPECT_EQ(t.dossier.read("Livres_Romans.stl"), "style_fiche=tableau\r\nref_page=12\r\n");
  EXPECT_TRUE(t.dossier.exists("livres-romans_hg.gif"));  // the theme style's frame corners
  EXPECT_EQ(m().fiche.description, "Le -1 + co");
  EXPECT_EQ(m().descriptionT.text(), "Le #1 & co");  // the box keeps what was typed

  m().liste_fiches.clickItem(0);
  EXPECT_EQ(m().commentaires.lines(), (platform::LineList{"ligne 1", "ligne 3"}));
  EXPECT_EQ(m().maxi.position(), 12);
  m().commentaires.type("ligne 1\r\n\r\nligne 3");
  m().sauver.click();
  EXPECT_EQ(t.dossier.read("P1.ref"), fichier);
}

// The second and third variants side by side, each price under its own key; a variant whose
// price box was emptied leaves the sheet's price as typed.
TEST_F(SheetSave, VariantPricesKeepTheirKeysAndAnEmptiedOneLeavesTheSheetsPrice) {
  nouvelleFiche("P1");
  m().CD_check.click();
  m().CD_prixT.type("");
  m().K7_check.click();
  m().K7_prixT.type("12");
  m().VIDEO_check.click();
  m().VIDEO_refT.type("P1V");
  m().VIDEO_prixT.type("15");
  m().sauver.click();
  EXPECT_TRUE(messages().empty());
  const auto f = app::lireFicheProduit(platform::LineList::load(t.dossier / "P1.ref"));
  EXPECT_EQ((Lignes{f.prix, f.CD_prix, f.K7_ref, f.K7_prix, f.VIDEO_ref, f.VIDEO_prix}),
            (Lignes{"10", "", "P1", "12", "P1V", "15"}));
  EXPECT_EQ(m().prixT.text(), "10");
}

// Each refusal: its message (or question), in the order of the checks, and what is left.
TEST(SheetSaveRefusals, ShowTheirMessageInOrderAndWriteNoSheet) {
  using F = std::function<void(app::Tmain&)>;
  const std::string illegal = " comporte des caractères non acceptés ou des espaces";
  const std::string illegalCat = "La catégorie comporte des caractères non acceptés";
  const std::string illegalTh = "Le thème comporte des caractères non acceptés";
  struct Cas {
    F saisir;
    std::vector<Answer> reponses;
    Lignes attendus;
  } cas[] = {
      {[](auto& m) { m.multiE.type("1,5"); }, {}, {"Erreur dans multi"}},
      {[](auto& m) { m.multiE.type("abc"); }, {}, {"Erreur dans multi"}},
      {[](auto& m) { m.multiE.type("-2"); }, {}, {"Erreur dans multi"}},
      {[](auto& m) { m.multiE.type("1e2"); }, {}, {"Erreur dans multi"}},
      {[](auto& m) { m.multiE.type(" 3 "), m.referencer.type("OK1"); }, {}, {}},
      {[](auto& m) { m.chants.setLines(platform::LineList{"<CHOIX>", "Relié=1O"}); }, {},
       {"Le prix 1O du choix Relié n'est pas un nombre"}},
      {[](auto& m) {
         m.chants.setLines(platform::LineList{"<CHOIX>", "Couleur=rouge", "Relié=15 euros"});
         m.referencer.type("OK4");
       },
       {}, {}},
      {[](auto& m) { m.catego.type(" Con"); }, {}, {"Mot réservé interdit dans la catégorie"}},
      {[](auto& m) { m.CD_check.click(), m.CD_refT.type("A B"); }, {}, {"A B" + illegal}},
      {[](auto& m) { m.referencer.type("A.B"); }, {}, {"A.B" + illegal}},
      {[](auto& m) { m.referencer.type("A:B"); }, {}, {"A:B" + illegal}},
      {[](auto& m) { m.referencer.type("A*"); }, {}, {illegal.substr(1)}},
      {[](auto& m) { m.referencer.type("nul"); }, {}, {illegal.substr(1)}},
      {[](auto& m) { m.referencer.type(" "); }, {}, {"La référence est obligatoire"}},
      {[](auto& m) { m.prixT.type("douze euros"); }, {},
       {"Le prix douze euros n'est pas un nombre"}},
      {[](auto& m) { m.prixT.type(" 1.2.3 "); }, {}, {"Le prix 1.2.3 n'est pas un nombre"}},
      {[](auto& m) { m.K7_check.click(), m.K7_prixT.type("-"); }, {},
       {"Le prix - de la variante 2 n'est pas un nombre"}},
      {[](auto& m) { m.CD_check.click(), m.CD_prixT.type("gratuit"); }, {},
       {"Le prix gratuit de la variante 1 n'est pas un nombre"}},
      {[](auto& m) { m.VIDEO_check.click(), m.VIDEO_prixT.type("abc"); }, {},
       {"Le prix abc de la variante 3 n'est pas un nombre"}},
      {[](auto& m) { m.VIDEO_check.click(), m.VIDEO_prixT.type("-5"); }, {},
       {"Le prix -5 de la variante 3 ne peut pas être négatif"}},
      {[](auto& m) { m.prixT.type("12,50 EUR"), m.referencer.type("OK2"); }, {}, {}},
      {[](auto& m) { m.prixT.type(" "), m.referencer.type("OK3"); }, {}, {}},
      {[](auto& m) { m.catego.type("Jeux"); }, {Answer::No},
       {"Voulez-vous ajouter la catégorie Jeux ?"}},
      {[](auto& m) { m.catego.type("../x"); }, {Answer::Yes},
       {"Voulez-vous ajouter la catégorie ../x ?", illegalCat}},
      {[](auto& m) { m.themes.type("a/b"); }, {}, {illegalTh}},
      {[](auto& m) { m.themes.type(""); }, {}, {illegalTh}},
      {[](auto& m) { m.themes.type("Essais"); }, {Answer::Cancel},
       {"Voulez-vous ajouter le thème Essais dans Livres ?"}},
  };
  for (const auto& c : cas) {
    ProgrammeDeTest u;
    app::Tmain& m = boutique(u, "Romans\r\n", "famille=2\r\n");
    m.referencer.type("R1");
    m.referencer.pressKey(ui::key::Enter);
    m.catego.select(0);
    m.famille.clickItem(0);
    c.saisir(m);
    for (Answer a : c.reponses) u.dialogs.queueAnswer(a);
    const bool enregistree = m.SauverFiche();
    const std::string nom = c.attendus.empty() ? "" : c.attendus.back();
    EXPECT_EQ(u.dialogs.messages(), c.attendus) << nom;
    EXPECT_EQ(enregistree, c.attendus.empty()) << nom;
    EXPECT_TRUE(u.dialogs.allAnswersUsed()) << nom;
    if (enregistree) continue;
    EXPECT_FALSE(u.dossier.exists("ref.gen")) << nom;
    EXPECT_FALSE(u.dossier.exists("R1.ref")) << nom;
    EXPECT_FALSE(u.dossier.exists(".ref")) << nom;
    // The category's family is not changed by a save that does not get through.
    EXPECT_EQ(u.dossier.read("Livres.fam"), "famille=2\r\n") << nom;
    EXPECT_FALSE(u.dossier.exists("Essais")) << nom;
    EXPECT_FALSE(std::filesystem::exists(u.dossier.path().parent_path() / "x.cto")) << nom;
  }
}

TEST_F(SheetSave, StepsBeforeAStopStayDone) {
  m().catego.type("con");
  EXPECT_FALSE(m().SauverFiche());
  EXPECT_EQ(m().catego.text(), "");  // the reserved name is emptied

  // Weights and the price of variant 1 are already in their boxes when the reference is refused.
  t.p().styleP().poids = "oui";
  m().montrerEcotaxePoids();
  nouvelleFiche("P1");
  m().descriptionT.type("(w:1) Livre");
  m().poidsE.type(" 2 ");
  m().type2.setText("  (w:5)Grand ");
  m().CD_check.click();
  m().CD_prixT.type(" 9 ");
  m().referencer.type("P 1");
  t.dialogs.clear();
  EXPECT_FALSE(m().SauverFiche());
  EXPECT_EQ(messages(), Lignes{"P 1 comporte des caractères non acceptés ou des espaces"});
  EXPECT_EQ(m().descriptionT.text(), "(w:2)Livre");
  EXPECT_EQ(m().type2.text(), "Grand");  // no weight typed: the group goes
  EXPECT_EQ(m().prixT.text(), "9");
  EXPECT_FALSE(t.dossier.exists("P 1.ref"));

  // A new category confirmed then a new theme cancelled: the category stays added.
  t.dialogs.clear();
  m().referencer.type("P1");
  m().catego.type("Jeux");
  m().themes.type("Cartes");
  t.dialogs.queueAnswer(Answer::Yes);
  t.dialogs.queueAnswer(Answer::No);
  EXPECT_FALSE(m().SauverFiche());
  EXPECT_EQ(messages(), (Lignes{"Voulez-vous ajouter la catégorie Jeux ?",
                                "La catégorie Jeux a été ajoutée",
                                "Voulez-vous ajouter le thème Cartes dans Jeux ?"}));
  EXPECT_EQ(t.dossier.read("categories"), "Livres\r\nJeux\r\n");
  EXPECT_FALSE(t.dossier.exists("Jeux.fam"));
  EXPECT_FALSE(t.dossier.exists("P1.ref"));

  // Asked again, both exist now or get added: the save goes through.
  t.dialogs.clear();
  t.dialogs.queueAnswer(Answer::Yes);
  EXPECT_TRUE(m().SauverFiche());
  EXPECT_EQ(messages(), Lignes{"Voulez-vous ajouter le thème Cartes dans Jeux ?"});
  EXPECT_EQ(t.dossier.read("Jeux.cto"), "Cartes\r\n");
  EXPECT_EQ(m().themes.items(), Lignes{"Cartes"});
  EXPECT_EQ(t.dossier.read("Jeux.fam"), "famille=0\r\n");
  EXPECT_EQ(t.dossier.read("ref.gen"), "P1#Jeux#Cartes#(w:2)Livre##\r\n");
  EXPECT_TRUE(t.dialogs.allAnswersUsed());
}

TEST_F(SheetSave, ThemeAndCategoryNamesTrimmedAndAnEmptyCategoryRefused) {
  // A theme in other case and with blanks is not new; the sheet keeps the typed case, without the
  // blanks (a theme stored with them stops the build).
  nouvelleFiche("P1");
  m().catego.type(" Livres ");
  m().themes.type(" romans ");
  EXPECT_TRUE(m().SauverFiche());
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(t.dossier.read("Livres.cto"), "Romans\r\nContes\r\n");
  EXPECT_EQ(t.dossier.read("ref.gen"), "P1#Livres#romans#Titre##\r\n");
  EXPECT_EQ(m().catego.text(), "Livres");  // the category's blanks are dropped
  EXPECT_EQ(m().themes.text(), "romans");
  EXPECT_EQ(valeur(t, "P1.ref", "mot_cle"), "romans");

  // An empty category: the question without a name, "Catégorie vide !", and nothing is written.
  t.dialogs.clear();
  nouvelleFiche("P2");
  m().catego.type("");
  m().themes.type("Divers");
  t.dialogs.queueAnswer(Answer::Yes);
  EXPECT_FALSE(m().SauverFiche());
  EXPECT_EQ(messages(), (Lignes{"Voulez-vous ajouter la catégorie  ?", "Catégorie vide !"}));
  for (const char* fichier : {".fam", ".cto", "_Divers.stl", "P2.ref"})
    EXPECT_FALSE(t.dossier.exists(fichier)) << fichier;
  EXPECT_EQ(t.dossier.read("ref.gen"), "P1#Livres#romans#Titre##\r\n");

  // A new theme named as a file of the folder passes the name test, that file untouched.
  t.dialogs.queueAnswer(Answer::No);  // the refused sheet's edits are dropped
  nouvelleFiche("P1");
  t.dialogs.clear();
  m().themes.type("categories");
  t.dialogs.queueAnswer(Answer::Yes);
  EXPECT_TRUE(m().SauverFiche());
  EXPECT_EQ(messages(), Lignes{"Voulez-vous ajouter le thème categories dans Livres ?"});
  EXPECT_EQ(t.dossier.read("categories"), "Livres\r\n");
  EXPECT_EQ(t.dossier.read("Livres.cto"), "Romans\r\nContes\r\ncategories\r\n");
}

// A theme of a hand-edited list is checked like a typed one: its "#" would split the index line.
TEST_F(SheetSave, AListedThemeIsCheckedLikeATypedOne) {
  t.dossier.write("Livres.cto", "Romans\r\nA#B\r\n");
  m().chargerThemes();
  nouvelleFiche("P1");
  m().themes.select(1);
  ASSERT_EQ(m().themes.text(), "A#B");
  EXPECT_FALSE(m().SauverFiche());
  EXPECT_EQ(messages(), std::vector<std::string>{"Le thème comporte des caractères non acceptés"});
  EXPECT_FALSE(t.dossier.exists("P1.ref"));
  EXPECT_FALSE(t.dossier.exists("ref.gen"));
}

TEST_F(SheetSave, IndexLineReplacedUnderTheExactKeyRuleAndPromotionFollows) {
  t.dossier.write("ref.gen", "P1#A#a#t#x#\r\nQ#B#b#u#y#\r\nsans diese\r\n P1 #A#a#t#x#\r\np1#C#c#v#z#\r\n");
  t.dossier.write("P1.pro", "prixpromo=8\r\nCategorie=garde\r\ncategorie=ancienne\r\ntitre=ancien\r\n"
                            "mot_cle=vieux\r\nsans egal\r\n");
  nouvelleFiche("P1");
  m().themes.type("Romans ");
  EXPECT_TRUE(m().SauverFiche());
  EXPECT_EQ(t.dossier.read("ref.gen"), "Q#B#b#u#y#\r\np1#C#c#v#z#\r\nP1#Livres#Romans#Titre##\r\n");
  EXPECT_EQ(t.dossier.read("P1.pro"), "prixpromo=8\r\nCategorie=garde\r\ncategorie=Livres\r\n"
                                      "titre=Titre\r\nmot_cle=Romans\r\nsans egal\r\n");
  // The promotions of the variant references are not touched.
  t.dossier.write("P1V.pro", "titre=ancien\r\n");
  m().CD_check.click();
  m().CD_refT.type("P1V");
  m().themes.type("Romans");
  EXPECT_TRUE(m().SauverFiche());
  EXPECT_EQ(t.dossier.read("P1V.pro"), "titre=ancien\r\n");
  EXPECT_EQ(t.dossier.read("ref.gen"), "Q#B#b#u#y#\r\np1#C#c#v#z#\r\nP1#Livres#Romans#Titre##\r\n");
}

TEST_F(SheetSave, AnotherProductsSheetIsReplacedOnlyWhenTheUserSaysSo) {
  t.dossier.write("P2.ref", "categorie=Livres\r\nreference=P2\r\ndescription=Autre\r\n");
  nouvelleFiche("P1");
  EXPECT_TRUE(m().SauverFiche());
  // The box changed without loading P2: its sheet is not overwritten without a question.
  m().referencer.type("P2");
  t.dialogs.queueAnswer(Answer::No);
  EXPECT_FALSE(m().SauverFiche());
  EXPECT_EQ(messages().back(), "La fiche P2 existe déjà. Voulez-vous la remplacer ?");
  EXPECT_EQ(t.dossier.read("P2.ref"), "categorie=Livres\r\nreference=P2\r\ndescription=Autre\r\n");
  t.dialogs.queueAnswer(Answer::Yes);
  EXPECT_TRUE(m().SauverFiche());
  EXPECT_EQ(valeur(t, "P2.ref", "description"), "Titre");
  // Now P2 is the sheet being edited: saving it again asks nothing.
  t.dialogs.clear();
  EXPECT_TRUE(m().SauverFiche());
  EXPECT_TRUE(messages().empty());
}

TEST_F(SheetSave, ARefusedSaveStopsTheStyleEditorAndThePreview) {
  nouvelleFiche("P 1");
  m().formes.click();
  EXPECT_FALSE(t.p().Form1().visible());
  m().voir_vignette.click();
  EXPECT_EQ(messages(), Lignes(2, "P 1 comporte des caractères non acceptés ou des espaces"));
  EXPECT_FALSE(t.dossier.exists("livres-romans_hg.gif"));
  EXPECT_EQ(m().voir_vignette.cursor(), ui::Cursor::Default);

  m().referencer.type("P1");
  m().formes.click();
  EXPECT_EQ(t.p().Form1().referenceStyle, "P1");
  EXPECT_TRUE(t.dossier.exists("P1.ref"));
}

// The stock state is stored only while its box is shown.
TEST_F(SheetSave, StockState) {
  nouvelleFiche("P1");
  m().indispo.setChecked(true);
  m().etatB.setVisible(true);
  m().etatB.setChecked(true);
  EXPECT_TRUE(m().SauverFiche());
  EXPECT_EQ(valeur(t, "P1.ref", "disponible"), "non");
  EXPECT_EQ(valeur(t, "P1.ref", "etat_visible"), "oui");
  m().etatB.setVisible(false);
  EXPECT_TRUE(m().SauverFiche());
  EXPECT_EQ(t.dossier.read("P1.ref").find("etat_visible"), std::string::npos);
}

// Closing asks to save an edited sheet (Oui / Non / Annuler) and ends with code 4; Annuler, or
// a save that is refused, keeps the program open with its edits.
TEST(SheetClose, OffersToSaveChangesAndAnnulerKeepsTheProgramOpen) {
  struct Cas {
    bool modifier;
    std::vector<Answer> reponses;
    const char* reference;
    bool enregistree;
    bool fermee;
  } cas[] = {
      {false, {}, "P1", false, true},
      {true, {Answer::No}, "P1", false, true},
      {true, {Answer::Yes}, "P1", true, true},
      {true, {Answer::Yes}, "P 1", false, false},  // the save is refused
      {true, {Answer::Cancel}, "P1", false, false},
  };
  for (const auto& c : cas) {
    ProgrammeDeTest u;
    u.dossier.write("P1.ref", "categorie=Livres\r\nreference=P1\r\nmot_cle=Romans\r\ndescription=Avant\r\n");
    app::Tmain& m = boutique(u, "Romans\r\n");
    m.liste_fiches.clickItem(0);
    if (c.modifier) m.descriptionT.type("Après"), m.referencer.type(c.reference);
    for (Answer a : c.reponses) u.dialogs.queueAnswer(a);
    m.Quitter1.click();
    const int n = static_cast<int>(&c - cas);
    EXPECT_EQ(u.sortie.exited, c.fermee) << n;
    if (c.fermee) EXPECT_EQ(u.sortie.code, 4) << n;
    EXPECT_EQ(m.visible(), !c.fermee) << n;
    if (!c.fermee) EXPECT_EQ(m.descriptionT.text(), "Après") << n;
    EXPECT_EQ(valeur(u, "P1.ref", "description"), c.enregistree ? "Après" : "Avant") << n;
    EXPECT_TRUE(u.dialogs.allAnswersUsed()) << n;
    if (!c.reponses.empty()) {
      EXPECT_EQ(u.dialogs.messages().front(), "Enregistrer la fiche en cours ?");
      EXPECT_EQ(u.dialogs.shown().front().buttons, ui::Buttons::YesNoCancel);
    }
  }
}

// --- deletion ---

class SheetDeletion : public SheetSave {
 protected:
  SheetDeletion() {
    for (const char* r : {"A", "P1", "Z"})
      t.dossier.write(std::string(r) + ".ref",
                      std::string("categorie=Livres\r\nreference=") + r + "\r\nmot_cle=Romans\r\n");
    t.dossier.write("P1.pro", "prixpromo=5\r\n");
    t.dossier.write("P1.sup", "s\r\n");
    t.dossier.write("ref.gen", kIndex);
    m().liste_fiches.update();
  }
  void supprimer(const std::string& reference, Answer reponse) {
    m().referencer.type(reference);
    t.dialogs.queueAnswer(reponse);
    m().effacer.click();
  }
  static constexpr const char* kIndex =
      "A#Livres#Romans###\r\nP1#Livres#Romans###\r\nZ#Livres#Romans###\r\n";
};

TEST_F(SheetDeletion, TheSheetBecomesABackupAndTheFirstSheetIsLoaded) {
  m().liste_fiches.clickItem(1);
  supprimer("P1", Answer::Yes);
  EXPECT_EQ(messages(),
            Lignes{"Etes-vous sûr de vouloir supprimer la fiche P1 (renommée en *.bak)"});
  EXPECT_FALSE(t.dossier.exists("P1.ref"));
  EXPECT_EQ(t.dossier.read("P1.bak"), "categorie=Livres\r\nreference=P1\r\nmot_cle=Romans\r\n");
  EXPECT_FALSE(t.dossier.exists("P1.pro"));
  EXPECT_TRUE(t.dossier.exists("P1.sup"));  // other side files stay
  EXPECT_EQ(t.dossier.read("ref.gen"), "A#Livres#Romans###\r\nZ#Livres#Romans###\r\n");
  EXPECT_EQ(m().liste_fiches.items(), (Lignes{"A.ref", "Z.ref"}));
  EXPECT_EQ(m().fiche.reference, "A");  // the first sheet is loaded
  EXPECT_FALSE(m().rechargerPremiereFiche);
  EXPECT_EQ(m().liste_fiches.itemIndex(), 1);  // the position held before is selected again

  // A second deletion under the same reference keeps only the newer backup.
  t.dossier.write("P1.ref", "reference=P1\r\ndescription=neuve\r\n");
  m().liste_fiches.update();
  supprimer(" P1 ", Answer::Yes);
  EXPECT_EQ(t.dossier.read("P1.bak"), "reference=P1\r\ndescription=neuve\r\n");
}

TEST_F(SheetDeletion, NothingChangesUnlessAnExistingSheetIsConfirmed) {
  struct Cas {
    const char* reference;
    Answer reponse;
    int selection, attendue;  // selected before, after
  } cas[] = {
      {"P1", Answer::No, 0, 0},  {"P1", Answer::Cancel, -1, 0}, {"P1", Answer::No, 2, 2},
      {"X9", Answer::Yes, 2, 2}, {"../Z", Answer::Yes, 0, 0},    {"Z Z", Answer::Yes, 0, 0},
  };
  for (const auto& c : cas) {
    m().liste_fiches.setItemIndex(c.selection);
    m().fiche.reference = "inchangée";
    supprimer(c.reference, c.reponse);
    EXPECT_EQ(m().liste_fiches.itemIndex(), c.attendue) << c.reference;
    EXPECT_EQ(m().fiche.reference, "inchangée") << c.reference;  // nothing loaded
    EXPECT_TRUE(t.dossier.exists("P1.ref") && t.dossier.exists("Z.ref")) << c.reference;
    EXPECT_EQ(t.dossier.read("ref.gen"), kIndex) << c.reference;
  }
  EXPECT_TRUE(t.dialogs.allAnswersUsed());

  // A sheet that cannot be renamed keeps its promotion and index line.
  std::filesystem::create_directory(t.dossier / "P1.bak");
  supprimer("P1", Answer::Yes);
  EXPECT_EQ(messages().back(), "Impossible de supprimer cette fiche.");
  EXPECT_TRUE(t.dossier.exists("P1.ref") && t.dossier.exists("P1.pro"));
  EXPECT_EQ(t.dossier.read("ref.gen"), kIndex);
}

TEST_F(SheetSave, RebuildShowsItsProgress) {
  EXPECT_TRUE(m().reconstruireRefGen());
  EXPECT_EQ(t.dossier.read("ref.gen"), "");
  for (int i = 0; i < 3; ++i) {
    app::TFicheProduit f;
    f.reference = "R" + std::to_string(i);
    f.categorie = "Livres";
    f.mot_cle = "Romans";
    f.description = "Titre " + std::to_string(i);
    t.dossier.write(app::nomFichierFiche(f.reference), app::ecrireFicheProduit(f).text());
  }
  EXPECT_TRUE(m().reconstruireRefGen());
  EXPECT_EQ(m().stats.panelText(2), "Traitement de 3 sur 3 fiches");
  EXPECT_EQ(t.dossier.read("ref.gen"), "R0#Livres#Romans#Titre 0##\r\nR1#Livres#Romans#Titre 1##\r\n"
                                       "R2#Livres#Romans#Titre 2##\r\n");
}

// A save killed between the sheet and its index line, and the temporary files of killed writes:
// the next start mends the index and drops the temporaries.
TEST(Demarrage, MendsAnIndexLeftBehindAndDropsStaleTemporaries) {
  ProgrammeDeTest t;
  t.dossier.write("ident.opt", "nomE=Boutique\r\n");
  t.dossier.write("P1.ref", "reference=P1\r\ncategorie=Livres\r\nmot_cle=Romans\r\ndescription=Nouveau\r\n");
  t.dossier.write("P2.ref", "reference=P2\r\ncategorie=Livres\r\nmot_cle=Romans\r\ndescription=Autre\r\n");
  t.dossier.write("ref.gen", "P1#Livres#Romans#Ancien##\r\nP2#Livres#Romans#Autre##\r\n");
  const auto date = std::filesystem::file_time_type::clock::now();
  std::filesystem::last_write_time(t.dossier / "ref.gen", date);
  std::filesystem::last_write_time(t.dossier / "P2.ref", date - std::chrono::hours(1));
  std::filesystem::last_write_time(t.dossier / "P1.ref", date + std::chrono::seconds(1));
  for (const char* f : {".P1.ref.tmp81723", "ftp/.page.htm.tmp9", "transfert/.a.htm.part77"})
    t.dossier.write(f, "moitié");
  t.demarrer();
  EXPECT_EQ(t.dossier.read("ref.gen"), "P1#Livres#Romans#Nouveau##\r\nP2#Livres#Romans#Autre##\r\n");
  for (const char* f : {".P1.ref.tmp81723", "ftp/.page.htm.tmp9", "transfert/.a.htm.part77"})
    EXPECT_FALSE(t.dossier.exists(f)) << f;

  // An index in step with its sheets is left as it is (its order is the order of the saves).
  t.dossier.write("ref.gen", "P2#Livres#Romans#Autre##\r\nP1#Livres#Romans#Nouveau##\r\n");
  std::filesystem::last_write_time(t.dossier / "ref.gen", date + std::chrono::hours(1));
  t.programme.reset();
  t.demarrer();
  EXPECT_EQ(t.dossier.read("ref.gen"), "P2#Livres#Romans#Autre##\r\nP1#Livres#Romans#Nouveau##\r\n");

  // A deletion stopped before the index was written: the line of the sheet gone goes.
  t.dossier.write("ref.gen", "P2#Livres#Romans#Autre##\r\nP3#Livres#Romans#Efface##\r\nP1#Livres#Romans#Nouveau##\r\n");
  std::filesystem::last_write_time(t.dossier / "ref.gen", date + std::chrono::hours(1));
  t.programme.reset();
  t.demarrer();
  EXPECT_EQ(t.dossier.read("ref.gen"), "P1#Livres#Romans#Nouveau##\r\nP2#Livres#Romans#Autre##\r\n");
}
