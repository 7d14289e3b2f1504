#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/fenetre_style_menu_dynamique.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/saisie_couleur.h"
#include "fenetres/design/style_principal.h"
#include "support/programme_test.h"

using namespace design;
using testing_support::ProgrammeDeTest;

namespace {

struct Editeur : ::testing::Test {
  ProgrammeDeTest t;
  Tmenu1* m = nullptr;

  void SetUp() override {
    t.demarrer();
    t.p().styleP().web.setItemIndex(0);  // web fonts
    m = &t.p().menu1();
    m->show();
  }
  void choisir(const std::string& ligne) { m->style.select(m->style.indexOf(ligne)); }
  std::vector<std::string> messages() const { return t.dialogs.messages(); }
};

// Which controls each element leaves usable and shows, each element displayed right after the
// category items. Columns: enabled titre1 titre2 titre4 alignement police Taille encadrement
// speed_trait Rover deroulante appli_menu, then visible groupe texteBOX top_panel GroupBox6 largeB
// av_mod Llien ImageGIF.
TEST_F(Editeur, EachElementEnablesAndShowsItsControls) {
  struct Cas {
    const char* ligne;
    const char* actifs;
    const char* visibles;
  } cas[] = {
      {"Menu - Catégories", "11111111111", "10010011"},
      {"Menu - Titres", "11111111111", "10010011"},
      {"Menu - Roll Over", "11101111111", "10010011"},
      {"Menu - Listes", "11000011111", "10010011"},
      {"Logo", "11111111000", "11100011"},
      {"Bandeau", "11111111000", "11101011"},
      {"Top - Textes", "11111111101", "00101000"},
      {"Top - Roll Over", "01101100101", "00000000"},
      {"Accueil", "00000000000", "11100111"},
      {"Délais", "00000000000", "11100111"},
      {"Sécurité", "00000000000", "11100111"},
      {"Ecrire", "00000000000", "11100111"},
      {"Panier", "00000000000", "11100111"},
      {"Mode d'emploi", "00000000000", "11100111"},
      {"Recherche", "11101100001", "01100000"},
      {"Conditions", "00000000000", "11100111"},
  };
  auto drapeaux = [](std::initializer_list<bool> valeurs) {
    std::string s;
    for (bool v : valeurs) s += v ? '1' : '0';
    return s;
  };
  for (const Cas& c : cas) {
    choisir("Menu - Catégories");
    choisir(c.ligne);
    EXPECT_EQ(drapeaux({m->titre1.enabled(), m->titre2.enabled(), m->titre4.enabled(),
                        m->alignement.enabled(), m->police.enabled(), m->Taille.enabled(),
                        m->encadrement.enabled(), m->speed_trait.enabled(), m->Rover.enabled(),
                        m->deroulante.enabled(), m->appli_menu.enabled()}),
              c.actifs)
        << c.ligne;
    EXPECT_EQ(drapeaux({m->groupe.visible(), m->texteBOX.visible(), m->top_panel.visible(),
                        m->GroupBox6.visible(), m->largeB.visible(), m->av_mod.visible(),
                        m->Llien.visible(), m->ImageGIF.visible()}),
              c.visibles)
        << c.ligne;
    // Web fonts only, for every element.
    EXPECT_FALSE(m->toutes.enabled()) << c.ligne;
    EXPECT_TRUE(m->web.checked()) << c.ligne;
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(Editeur, ElementNamesLinksAndSizesShown) {
  m->options.taille_items = "11";
  m->options.taille_cv = "15";
  m->options.ecrire_texte = "Nous écrire";
  t.p().ident().identite.email = "shop@exemple.fr";
  struct Cas {
    const char* ligne;
    const char* element;
    const char* taille;
    const char* lien;
  } cas[] = {
      {"Menu - Catégories", "Menu - Catégories", "11", ""},
      {"Menu - Listes", "Menu - Listes", "13", ""},
      {"Logo", "Logo", "13", "Lien : accueil.htm"},
      {"Bandeau", "Bandeau", "13", ""},
      {"Sécurité", "Securite", "15", "Lien : secur.htm"},
      {"Mode d'emploi", "emploi", "15", "Lien : emploi.htm"},
      {"Ecrire", "Ecrire", "15", "Lien : mailto:shop@exemple.fr"},
      {"Délais", "Délais", "15", "Lien : cv.htm#delai"},
  };
  for (const Cas& c : cas) {
    choisir(c.ligne);
    EXPECT_EQ(m->elementCourant, c.element);
    EXPECT_EQ(m->taille_num.text(), c.taille) << c.ligne;
    EXPECT_EQ(m->Llien.caption(), c.lien) << c.ligne;
  }
  EXPECT_EQ(m->top_texte.text(), "Délai et Frais");
  // A section's text is stored under its own key.
  choisir("Ecrire");
  EXPECT_EQ(m->top_panel.caption(), "Nous écrire");
  m->top_texte.type("Contact");
  EXPECT_EQ(m->options.ecrire_texte, "Contact");
  EXPECT_EQ(m->top_panel.caption(), "Contact");
}

// The site generator shows the editor before it writes and reports such values at its own step.
TEST_F(Editeur, PreviewLeavesOutSizesThatAreNoWholeNumbers) {
  choisir("Menu - Catégories");
  const int largeur = m->fam.width();
  m->options.largeur_menu = "12a";
  m->options.taille_items = "1x";
  EXPECT_NO_THROW(m->afficherMenu());
  EXPECT_EQ(m->fam.width(), largeur);
  EXPECT_EQ(m->taille_num.text(), "1x");
  EXPECT_EQ(m->Taille.position(), 13);
}

TEST_F(Editeur, FontAndSizeOfItemsAndTopTextsGoToTheirRollOverToo) {
  struct Cas {
    const char* ligne;
    std::string TOptionsMenu::*police;
    std::string TOptionsMenu::*autrePolice;  // nullptr: the control writes one key
    std::string TOptionsMenu::*taille;
    std::string TOptionsMenu::*autreTaille;
  } cas[] = {
      {"Menu - Catégories", &TOptionsMenu::police_items, &TOptionsMenu::police_over,
       &TOptionsMenu::taille_items, &TOptionsMenu::taille_over},
      {"Top - Textes", &TOptionsMenu::police_cv, &TOptionsMenu::police_over_cv,
       &TOptionsMenu::taille_cv, &TOptionsMenu::taille_over_cv},
      {"Menu - Roll Over", &TOptionsMenu::police_over, nullptr, &TOptionsMenu::taille_over, nullptr},
      {"Top - Roll Over", &TOptionsMenu::police_over_cv, nullptr, &TOptionsMenu::taille_over_cv,
       nullptr},
  };
  for (const Cas& c : cas) {
    m->options.police_items = m->options.police_over = m->options.police_cv =
        m->options.police_over_cv = "Verdana";
    m->options.taille_items = m->options.taille_over = m->options.taille_cv =
        m->options.taille_over_cv = "13";
    choisir(c.ligne);
    m->police.select(m->police.indexOf("Sans Sérif"));
    m->Taille.up();
    EXPECT_EQ(m->options.*c.police, "Sans Sérif") << c.ligne;
    EXPECT_EQ(m->options.*c.taille, "14") << c.ligne;
    EXPECT_EQ(m->taille_num.text(), "14") << c.ligne;
    const bool deux = c.autrePolice != nullptr;
    EXPECT_EQ(deux ? m->options.*c.autrePolice : "", deux ? "Sans Sérif" : "") << c.ligne;
    EXPECT_EQ(deux ? m->options.*c.autreTaille : "", deux ? "14" : "") << c.ligne;
  }
}

TEST_F(Editeur, ColourPromptSeedsWritesAndCancels) {
  choisir("Menu - Titres");
  m->options.coul_menu_titres = " #102030";
  t.dialogs.queueColourCancel();
  m->titre1.click();
  EXPECT_EQ(m->ColorDialog.color, 0x102030u);
  EXPECT_EQ(m->options.coul_menu_titres, " #102030");

  t.dialogs.queueColour(0xA0B0C0);
  t.dialogs.queueText("#a0b0c0");
  m->titre1.click();
  EXPECT_EQ(m->options.coul_menu_titres, "#a0b0c0");
  EXPECT_EQ(m->nfam.font().colour, 0xA0B0C0u);

  // A malformed answer keeps the colour chosen in the dialog.
  t.dialogs.queueColour(0x00FF00);
  t.dialogs.queueText("vert");
  m->titre2.click();
  EXPECT_EQ(m->options.fond_menu_titres, "#00FF00");
  EXPECT_EQ(m->nfam.colour(), 0x00FF00u);

  // The line colour of any menu element is the menu's frame line.
  t.dialogs.queueColour(0x123456);
  t.dialogs.queueText("#123456");
  m->speed_trait.click();
  EXPECT_EQ(m->options.coul_menu_trait, "#123456");
  EXPECT_EQ(m->shape_trait.penColour(), 0x123456u);
  EXPECT_EQ(messages(), std::vector<std::string>{kErreurCouleur});
}

TEST_F(Editeur, EmphasisButtonsToggleAndShow) {
  choisir("Logo");
  m->options.gras_logo = "";
  m->titre4.click();
  EXPECT_EQ(m->options.gras_logo, "non");
  EXPECT_FALSE(m->titre4.down());
  m->titre4.click();
  EXPECT_EQ(m->options.gras_logo, "oui");
  EXPECT_TRUE(m->titre4.down());
  EXPECT_TRUE(m->top_panel.font().bold);
  m->alignement.clickItem(2);
  EXPECT_EQ(m->options.aligne_logo, "right");
  EXPECT_EQ(m->top_panel.alignment(), ui::Alignment::Right);
  m->encadrement.clickItem(1);
  EXPECT_EQ(m->options.encadrement_logo, "rond");
}

TEST_F(Editeur, StoredFontIsPreviewedByItsDesktopName) {
  m->options.police_menu_titres = "Times";
  choisir("Menu - Titres");
  EXPECT_EQ(m->nfam.font().name, "Times New Roman");
  EXPECT_EQ(m->police.text(), "Times");
  EXPECT_EQ(m->options.police_menu_titres, "Times");
}

// An element shows what its own keys hold, each element given other values: the preview's text
// and background colours, the font box and the frame line.
TEST_F(Editeur, EachElementShowsItsStoredColoursFontAndLine) {
  using O = TOptionsMenu;
  struct Cas {
    const char* ligne;
    std::string O::*couleur, O::*fond, O::*police, O::*trait;
    ui::Panel Tmenu1::*apercu;
    const char* nomPolice;
  } cas[] = {
      {"Menu - Catégories", &O::coul_items, &O::fond_items, &O::police_items, &O::coul_menu_trait,
       &Tmenu1::fam, "Arial"},
      {"Menu - Titres", &O::coul_menu_titres, &O::fond_menu_titres, &O::police_menu_titres,
       &O::coul_menu_trait, &Tmenu1::nfam, "Times"},
      {"Logo", &O::coul_logo, &O::fond_logo, &O::police_logo, &O::coul_logo_trait,
       &Tmenu1::top_panel, "Verdana"},
      {"Bandeau", &O::coul_bandeau, &O::fond_bandeau, &O::police_bandeau, &O::coul_bandeau_trait,
       &Tmenu1::top_panel, "Sans Sérif"},
  };
  auto couleur = [](int n, int decalage) {
    char texte[8];
    std::snprintf(texte, sizeof texte, "#%06X", n << decalage);
    return std::string(texte);
  };
  for (int n = 1; const Cas& c : cas) {
    m->options.*c.couleur = couleur(n, 0);
    m->options.*c.fond = couleur(n, 8);
    m->options.*c.police = c.nomPolice;
    m->options.*c.trait = couleur(n++, 16);
  }
  for (int n = 1; const Cas& c : cas) {
    choisir(c.ligne);
    const ui::Panel& apercu = m->*c.apercu;
    EXPECT_EQ(apercu.font().colour, static_cast<ui::Colour>(n)) << c.ligne;
    EXPECT_EQ(apercu.colour(), static_cast<ui::Colour>(n << 8)) << c.ligne;
    EXPECT_EQ(m->police.text(), c.nomPolice) << c.ligne;
    EXPECT_EQ(m->shape_trait.penColour(), std::stoul((m->options.*c.trait).substr(1), nullptr, 16))
        << c.ligne;
    ++n;
  }
}

TEST_F(Editeur, WindowsFontsFollowTheMainSettings) {
  t.p().styleP().web.setItemIndex(1);
  t.dialogs.clear();
  choisir("Menu - Catégories");
  EXPECT_TRUE(m->toutes.enabled());
  m->toutes.click();
  EXPECT_TRUE(m->toutes.checked());
  EXPECT_GT(m->police.count(), 0);
  EXPECT_EQ(m->police.text(), "Verdana");  // the stored font stays until one is chosen
  m->web.click();
  EXPECT_EQ(m->police.items(), (std::vector<std::string>{"Arial", "Times", "Verdana", "Sans Sérif"}));
  choisir("Menu - Listes");
  EXPECT_FALSE(m->toutes.enabled());
  EXPECT_TRUE(m->web.checked());
}

TEST_F(Editeur, SeparatorCountOfTheDropDownList) {
  m->deroulante.click();
  EXPECT_EQ(m->options.liste_deroulante, "oui");
  EXPECT_TRUE(m->tirets1.visible());
  struct Cas {
    const char* texte;
    const char* valeur;
    bool message;
  } cas[] = {{"12", "12", false}, {"", "0", false}, {"7", "7", false}, {"1a", "7", true},
             {"a", "0", true}};
  for (const Cas& c : cas) {
    t.dialogs.clear();
    m->tirets.type(c.texte);
    EXPECT_EQ(m->options.tirets_listes, c.valeur) << c.texte;
    EXPECT_EQ(messages().size(), c.message ? 1u : 0u) << c.texte;
  }
  EXPECT_EQ(messages(), std::vector<std::string>{"Erreur de saisie menu [6]"});
}

TEST_F(Editeur, RollOverSwitchOfMenuAndTop) {
  choisir("Menu - Titres");
  m->Rover.click();
  EXPECT_EQ(m->options.over, "oui");
  EXPECT_TRUE(m->panelover.visible());
  choisir("Top - Roll Over");
  EXPECT_FALSE(m->Rover.checked());
  m->Rover.click();
  EXPECT_EQ(m->options.over_cv, "oui");
  EXPECT_EQ(m->over_texte.caption(), "Texte");
  choisir("Menu - Listes");
  m->dynamique.click();
  EXPECT_EQ(m->options.liste_dynamique, "oui");
}

TEST_F(Editeur, DynamicMenuStyleReloadsTheFileFirst) {
  t.dossier.write("menu.opt", "famille_titre=0\r\nliste_dynamique=oui\r\ncoul_items=#111111\r\n");
  m->options.coul_items = "#222222";
  m->options.liste_dynamique = "non";
  t.dialogs.queueAnswer(ui::Answer::No);
  m->styleD.click();
  EXPECT_EQ(m->options.coul_items, "#111111");
  EXPECT_TRUE(t.p().styleMDyn().visible());
  EXPECT_EQ(messages(), std::vector<std::string>{"Enregistrer les modifications du menu ?"});
  t.dialogs.clear();

  t.p().styleMDyn().hide();
  t.dossier.write("menu.opt", "famille_titre=0\r\nliste_dynamique=non\r\n");
  m->styleD.click();
  EXPECT_FALSE(t.p().styleMDyn().visible());
  EXPECT_EQ(messages(), std::vector<std::string>{
                            "Menu Dynamique non activé - Pour l'activer cocher la case et appuyer "
                            "sur OK en haut de l'onglet Menus"});
}

TEST_F(Editeur, PaintFillsEmptyTextsOrSaysOnceThatNoCategoryIsChosen) {
  m->paint();
  m->paint();
  EXPECT_EQ(messages(), std::vector<std::string>{"Opération Impossible"});

  m->fitems.setItems({"Bols", "Tasses"});
  m->fitems.setItemIndex(1);
  m->options.logo_texte = "";
  m->options.bandeau_texte = "";
  t.p().ident().identite.nomB = "  ";
  t.p().ident().identite.nomE = "Société";
  m->paint();
  EXPECT_EQ(m->fam.caption(), "Tasses");
  EXPECT_EQ(m->over_texte.caption(), "Tasses");
  EXPECT_EQ(m->options.logo_texte, "Société");
  EXPECT_EQ(m->options.bandeau_texte, "Boutique en ligne");
  t.p().ident().identite.nomB = " Ma Boutique ";
  m->options.logo_texte = "";
  m->paint();
  EXPECT_EQ(m->options.logo_texte, "Ma Boutique");

  // The message comes back once the window is painted again without a selection.
  m->fitems.setItemIndex(-1);
  m->paint();
  EXPECT_EQ(messages().size(), 2u);
}

}  // namespace
