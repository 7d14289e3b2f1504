// The menu editor's button and bullet images, as the user makes them: a template chosen in the
// picker is drawn into the slot's file, its size goes into the menu options, and the built menu
// shows it.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fenetres/app/programme.h"
#include "fenetres/design/gif_titre.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "platform/gif.h"
#include "support/programme_test.h"

using namespace design;
using testing_support::ProgrammeDeTest;

namespace {

void ecrireModele(const std::filesystem::path& chemin, int largeur, int hauteur) {
  platform::Bitmap b(largeur, hauteur, {200, 220, 255});
  b.fillRect(0, 0, largeur, hauteur, {200, 220, 255}, {0, 0, 128});
  std::filesystem::create_directories(chemin.parent_path());
  ASSERT_TRUE(platform::writeGif(chemin, platform::quantize(b), -1));
}

struct Images : ::testing::Test {
  ProgrammeDeTest t;
  Tmenu1* m = nullptr;

  void SetUp() override {
    t.dossier.write("categories", "Bols\r\nTasses\r\nThés\r\nRomans\r\n");
    for (const char* c : {"Bols", "Tasses", "Thés"})
      t.dossier.write(std::string(c) + ".fam", "famille=0\r\n");
    t.dossier.write("Romans.fam", "famille=1\r\n");
    t.dossier.write("ref.gen", "");
    ecrireModele(t.dossier / "menu_boutons/bleu.gif", 80, 30);
    ecrireModele(t.dossier / "puces/rond.gif", 12, 10);
    t.demarrer();
    t.p().styleP().web.setItemIndex(0);
    m = &t.p().menu1();
    m->show();
    m->familles.clickItem(0);
  }
  void element(const std::string& ligne) { m->style.select(m->style.indexOf(ligne)); }
  // The kind in "Type", then the template picked in the picker, which is closed.
  void choisir(int sorte, const char* modele) {
    m->imageT.clickItem(sorte);
    m->im1.click();
    Tgif_titres& selecteur = t.p().gif_titres();
    ASSERT_TRUE(selecteur.visible());
    const int i = selecteur.gifs_liste.indexOf(modele);
    ASSERT_GE(i, 0) << modele;
    selecteur.gifs_liste.clickItem(i);
    selecteur.okB.click();
  }
  platform::GifImage gif(const std::string& nom) {
    auto g = platform::readGif(t.dossier / nom);
    if (!g) ADD_FAILURE() << "illisible : " << nom;
    return g.value_or(platform::GifImage{});
  }
};

}  // namespace

// Each kind of slot: its file, the key of its template and the size recorded (by their keys).
TEST_F(Images, EachSlotWritesItsFileAndRecordsItsSize) {
  struct Cas {
    std::function<void()> selection;
    int sorte;
    const char *fichier, *modele, *cleModele, *cleLargeur, *cleHauteur, *taille;
  } cas[] = {
      {[&] { m->fitems.clickItem(1); }, 1, "btout0-1.gif", "bleu.gif", "bouton1_menu_catego0-1",
       "longueur_menu_catego0-1", "hauteur_menu_catego0-1", "80x30"},
      {[&] { m->familles.clickItem(1); }, 1, "btout1.gif", "bleu.gif", "bouton1_menu_titre1",
       "longueur_menu_titre1", "hauteur_menu_titre1", "80x30"},
      {[&] { m->familles.clickItem(0), m->appli_menu.clickItem(2); }, 1, "bas0.gif", "bleu.gif",
       "bouton1_menu_bas0", "longueur_menu_bas0", "hauteur_menu_bas0", "80x30"},
      {[&] { element("Logo"); }, 1, "logo.gif", "bleu.gif", "bouton1_logo", "longueur_logo",
       "hauteur_logo", "80x30"},
      {[&] { element("Panier"); }, 1, "panier_out.gif", "bleu.gif", "bouton1_panier",
       "longueur_panier", "hauteur_panier", "80x30"},
      {[&] { element("Menu - Catégories"), m->fitems.clickItem(2); }, 2, "pout0-2.gif",
       "rond.gif", "puce1_menu_catego0-2", "longueurp_menu_catego0-2", "hauteurp_menu_catego0-2",
       "12x10"},
      {[&] { m->familles.clickItem(0); }, 2, "pout0.gif", "rond.gif", "puce1_menu_titre0",
       "longueurp_menu_titre0", "hauteurp_menu_titre0", "12x10"},
      {[&] { element("Bandeau"); }, 2, "pbandeau.gif", "rond.gif", "puce1_bandeau",
       "longueurp_bandeau", "hauteurp_bandeau", "12x10"},
      {[&] { element("Délais"); }, 2, "pdelais.gif", "rond.gif", "puce_delais",
       "longueurp_delais", "hauteurp_delais", "12x10"},
  };
  m->transpar.click();
  ASSERT_EQ(m->options.image_transparent, "non");
  for (Cas& c : cas) {
    c.selection();
    choisir(c.sorte, c.modele);
    EXPECT_TRUE(t.dossier.exists(c.fichier)) << c.fichier;
    EXPECT_EQ(*champMenu(m->options, c.cleModele), c.modele) << c.fichier;
    EXPECT_EQ(*champMenu(m->options, c.cleLargeur) + "x" + *champMenu(m->options, c.cleHauteur),
              c.taille)
        << c.fichier;
    EXPECT_EQ(m->ImageGIF.picture(), t.dossier / c.fichier) << c.fichier;
  }
  // A bottom item has no text: without transparency its file is the template.
  EXPECT_EQ(t.dossier.read("bas0.gif"), t.dossier.read("menu_boutons/bleu.gif"));
  // The others carry their entry's text.
  EXPECT_NE(t.dossier.read("btout0-1.gif"), t.dossier.read("menu_boutons/bleu.gif"));
  EXPECT_TRUE(t.dialogs.messages().empty());
}

// A new template starts the text at the corner and the element's frame becomes transparent;
// "Centré" centres it, a typed position is kept; the over image has its own file and position.
TEST_F(Images, PositionsFrameAndRollOver) {
  m->familles.clickItem(0);
  m->fitems.clickItem(0);
  m->options.encadrement_menu = "carre";
  choisir(1, "bleu.gif");
  auto& o = m->options;
  EXPECT_EQ(o.x1_menu_catego[0][0], "0");
  EXPECT_EQ(o.y1_menu_catego[0][0], "0");
  EXPECT_EQ(o.encadrement_menu, "transparent");
  EXPECT_EQ(m->encadrement.itemIndex(), 2);
  // Transparent by default: the colour of pixel (0, 0).
  platform::GifImage g = gif("btout0-0.gif");
  EXPECT_EQ(g.transparentIndex, g.paletteIndexAt(0, 0));

  m->absX.click();
  const std::string centreX = o.x1_menu_catego[0][0];
  EXPECT_NE(centreX, "0");
  EXPECT_EQ(m->horizontal.text(), centreX);
  m->horizontal.type("12a");
  EXPECT_EQ(m->horizontal.text(), "12");
  EXPECT_EQ(o.x1_menu_catego[0][0], "12");

  m->transpar.click();
  EXPECT_EQ(o.image_transparent, "non");
  EXPECT_EQ(gif("btout0-0.gif").transparentIndex, -1);

  // The over image: its own template, file and position; the size is the normal image's.
  o.longueur_menu_catego[0][0] = "inchangé";
  m->rollover.click();
  ASSERT_TRUE(m->overB.enabled());
  m->overB.click();
  EXPECT_EQ(m->overB.caption(), Tmenu1::libelleRollOver);
  choisir(1, "bleu.gif");
  EXPECT_TRUE(t.dossier.exists("btover0-0.gif"));
  EXPECT_EQ(o.bouton2_menu_catego[0][0], "bleu.gif");
  EXPECT_EQ(o.x2_menu_catego[0][0], "0");
  EXPECT_EQ(o.x1_menu_catego[0][0], "12");
  EXPECT_EQ(o.longueur_menu_catego[0][0], "inchangé");
  // Unticking "Roll Out" drops the over template.
  m->rollover.click();
  EXPECT_EQ(o.bouton2_menu_catego[0][0], "");
  EXPECT_EQ(m->overB.caption(), Tmenu1::libelleRollOut);
}

// The over image of a top element keeps its own position (the normal one is not moved).
TEST_F(Images, TopElementOverPositionIsItsOwn) {
  element("Panier");
  choisir(1, "bleu.gif");
  m->horizontal.type("5");
  m->overB.setCaption(Tmenu1::libelleRollOver);  // the editor hides the switch of the sections
  choisir(1, "bleu.gif");
  m->horizontal.type("9");
  EXPECT_EQ(m->options.x1_panier, "5");
  EXPECT_EQ(m->options.x2_panier, "9");
  EXPECT_TRUE(t.dossier.exists("panier_over.gif"));
}

// A bullet missing from puces/ writes nothing and keeps the size recorded.
TEST_F(Images, AMissingBulletKeepsTheRecordedSize) {
  m->familles.clickItem(0);
  m->fitems.clickItem(0);
  m->options.puce1_menu_catego[0][0] = "disparu.gif";
  m->options.longueurp_menu_catego[0][0] = "14";
  m->imageT.clickItem(2);
  EXPECT_FALSE(t.dossier.exists("pout0-0.gif"));
  EXPECT_EQ(m->options.longueurp_menu_catego[0][0], "14");
}

// "Générer": every other category of the family gets the template, its position and its file;
// titles leave the current one alone; bottom items are all drawn.
TEST_F(Images, GenerateAppliesTheSlotToItsWholeList) {
  m->familles.clickItem(0);
  m->fitems.clickItem(0);
  choisir(1, "bleu.gif");
  m->horizontal.type("4");
  m->vertical.type("3");
  m->gear.click();
  for (int j = 1; j < 3; ++j) {
    const std::string n = "btout0-" + std::to_string(j) + ".gif";
    EXPECT_TRUE(t.dossier.exists(n)) << n;
    EXPECT_EQ(m->options.image_menu_catego[0][j], "bouton") << j;
    EXPECT_EQ(m->options.bouton1_menu_catego[0][j], "bleu.gif") << j;
    EXPECT_EQ(m->options.x1_menu_catego[0][j], "4") << j;
    EXPECT_EQ(m->options.y1_menu_catego[0][j], "3") << j;
    EXPECT_EQ(m->options.longueur_menu_catego[0][j], "80") << j;
  }
  EXPECT_EQ(m->fitems.itemIndex(), 0);
  // A slot shows the position stored for it.
  m->options.x1_menu_catego[0][2] = "9";
  m->fitems.clickItem(2);
  EXPECT_EQ(m->horizontal.text(), "9");
  EXPECT_EQ(m->vertical.text(), "3");
  m->fitems.clickItem(0);

  m->familles.clickItem(0);
  choisir(1, "bleu.gif");
  m->horizontal.type("6");
  m->vertical.type("2");
  t.dossier.write("btout0.gif", "avant");
  m->gear.click();
  EXPECT_EQ(t.dossier.read("btout0.gif"), "avant");
  EXPECT_TRUE(t.dossier.exists("btout1.gif"));
  EXPECT_EQ(m->options.image_menu_titre[1], "bouton");
  EXPECT_EQ(m->options.x1_menu_titre[1], "6");
  EXPECT_EQ(m->options.y1_menu_titre[1], "2");

  m->appli_menu.clickItem(2);
  choisir(1, "bleu.gif");
  t.dossier.write("bas0.gif", "avant");
  m->gear.click();
  EXPECT_NE(t.dossier.read("bas0.gif"), "avant");
  EXPECT_TRUE(t.dossier.exists("bas1.gif"));
}

// "Générer" with no template to draw from says so and changes no slot.
TEST_F(Images, GenerateWithoutItsTemplateSaysSo) {
  struct Cas {
    const char* modele;
    const char* message;
  } cas[] = {{"", "Aucun modèle d'image : choisissez d'abord un modèle (bouton \"Choisir\") ou "
                  "importez-en un dans le dossier menu_boutons."},
             {"disparu.gif", "Le modèle d'image disparu.gif est introuvable dans le dossier "
                             "menu_boutons : choisissez-en un autre."}};
  for (const Cas& c : cas) {
    m->familles.clickItem(0);
    m->fitems.clickItem(0);
    m->options.bouton1_menu_catego[0][0] = c.modele;
    m->imageT.clickItem(1);
    t.dialogs.clear();
    m->gear.click();
    EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{c.message}) << c.modele;
    EXPECT_EQ(m->options.image_menu_catego[0][1], "") << c.modele;
    EXPECT_FALSE(t.dossier.exists("btout0-1.gif")) << c.modele;
  }
}

// Showing an element sets up the image group for its kind.
TEST_F(Images, EachElementShowsTheImageControlsOfItsKind) {
  m->options.delais_image = "";
  m->options.panier_image = "bouton";
  m->options.bouton1_panier = "bleu.gif";
  m->options.emploi_image = "puce";
  struct Cas {
    const char* element;
    int sorte;
    bool choisir, alignement;
  } cas[] = {{"Délais", 0, false, false},
             {"Panier", 1, true, true},
             {"Mode d'emploi", 2, true, false},
             {"Délais", 0, false, false}};
  for (const Cas& c : cas) {
    element(c.element);
    EXPECT_EQ(m->imageT.itemIndex(), c.sorte) << c.element;
    EXPECT_EQ(m->im1.enabled(), c.choisir) << c.element;
    EXPECT_EQ(m->alignT.visible(), c.alignement) << c.element;
  }
  EXPECT_TRUE(t.dossier.exists("panier_out.gif"));
  EXPECT_EQ(m->options.panier_image, "bouton");
  EXPECT_EQ(m->options.emploi_image, "puce");
}

// A family holds more categories than its thirty image settings: the thirty-first has none to
// choose, and nothing is written.
TEST(ImagesAuDela, TheThirtyFirstCategoryHasNoImage) {
  ProgrammeDeTest t;
  std::string categories;
  for (int i = 0; i < 31; ++i) {
    const std::string c = "C" + std::to_string(100 + i);
    categories += c + "\r\n";
    t.dossier.write(c + ".fam", "famille=0\r\n");
  }
  t.dossier.write("categories", categories);
  t.dossier.write("ref.gen", "");
  ecrireModele(t.dossier / "menu_boutons/bleu.gif", 80, 30);
  t.demarrer();
  Tmenu1& m = t.p().menu1();
  m.show();
  m.fitems.clickItem(30);
  m.imageT.clickItem(1);
  EXPECT_FALSE(m.im1.enabled());
  m.fitems.clickItem(29);
  m.imageT.clickItem(0);
  m.imageT.clickItem(1);
  EXPECT_TRUE(m.im1.enabled());
  EXPECT_EQ(m.options.image_menu_catego[0][29], "bouton");
}

// "Texte" shows the slot's own flag, the top links' too, and draws the text or not.
TEST_F(Images, TextSwitchFollowsTheSlot) {
  m->options.panier_texte_voir = "non";
  m->options.delais_texte_voir = "";
  struct Cas {
    const char* element;
    bool coche;
  } cas[] = {{"Panier", false}, {"Délais", true}, {"Panier", false}};
  for (const Cas& c : cas) {
    element(c.element);
    EXPECT_EQ(m->imtexte.checked(), c.coche) << c.element;
  }
  choisir(1, "bleu.gif");
  m->transpar.click();  // neither text nor transparency: the template itself
  EXPECT_EQ(t.dossier.read("panier_out.gif"), t.dossier.read("menu_boutons/bleu.gif"));
  m->imtexte.click();
  EXPECT_EQ(m->options.panier_texte_voir, "oui");
  EXPECT_NE(t.dossier.read("panier_out.gif"), t.dossier.read("menu_boutons/bleu.gif"));
}
