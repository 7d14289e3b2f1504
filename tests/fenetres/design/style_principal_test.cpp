#include "fenetres/design/style_principal.h"

#include <gtest/gtest.h>

#include <functional>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/fond.h"
#include "fenetres/publish/fenetre_mise_a_jour.h"
#include "support/programme_test.h"
#include "support/temp_folder.h"

using design::TStylePrincipal;
using testing_support::ProgrammeDeTest;
using testing_support::TempFolder;

namespace {

const char* const kFichierParDefaut =
    "produit=Produits\r\nlivres=Livres\r\naudio=Audio\r\nservices=Services\r\nauteur=Auteur\r\n"
    "chanteur=Interpr\xE8te\r\narticles=Articles\r\nauteurs=Auteurs\r\nplan=Voir plan du site\r\n"
    "plan_size=1\r\ntexte_suite=Suite\r\ntexte_haut_page=Haut de Page\r\n"
    "texte_accueilP=Accueil\r\ntexte_themesP=Th\xE8mes\r\ntexte_detailsP=D\xE9tails\r\n"
    "texte_detailhP=En savoir plus\r\npolice=0\r\nfond_page=#FFFFFF\r\ncouleur_liens=\r\n"
    "couleur_cat=\r\ncouleur_theme=\r\ncouleur_copyr=\r\nimage_page=\r\nfixe_page=non\r\n"
    "suivante=non\r\nliens_internes=non\r\nmoteur_recherche=non\r\nretour_multi=non\r\n"
    "themes_d=non\r\nthemescat_d=non\r\nthemes_c=oui\r\nmenubp_c=oui\r\ntitret_c=oui\r\n"
    "tableau_c=non\r\necotaxe=non\r\npoids=non\r\nimagespanier=non\r\nfleche_c=oui\r\n"
    "scrm_c=non\r\nscrt_c=non\r\nurl_cgi=https://www.tarvio.fr/cgi/ecomm.php\r\n"
    "url_panier=https://www.tarvio.fr/cgi/commande.php\r\nurl_moteur_recherche=moteur.php\r\n"
    "targetS=_top\r\nurl_retour_multi=\r\nsecurus=no\r\n";

TStylePrincipal lire(std::string_view texte) {
  TStylePrincipal s;
  design::lireStyleP(platform::LineList::fromText(texte), s);
  return s;
}

}  // namespace

// --- the file ---

TEST(StylePrincipalFichier, DefaultsAreWrittenByteForByteInTheKeyOrder) {
  TempFolder dossier;
  design::sauveP(platform::DataFolder(dossier.path()), TStylePrincipal{});
  EXPECT_EQ(dossier.read("styleP"), kFichierParDefaut);
  EXPECT_EQ(design::clesStyleP().size(), 46u);
}

TEST(StylePrincipalFichier, EveryKeyRoundTripsThroughItsOwnField) {
  TStylePrincipal s;
  int n = 0;
  for (const auto& c : design::clesStyleP()) s.*c.champ = "v" + std::to_string(n++);
  s.police = "1";
  s.securus = "yes";
  TStylePrincipal relu;
  design::lireStyleP(design::lignesStyleP(s), relu);
  EXPECT_EQ(relu, s);
}

TEST(StylePrincipalFichier, LoaderRules) {
  using S = TStylePrincipal;
  struct Case {
    const char* texte;
    std::string S::*champ;
    const char* attendu;
  } cases[] = {
      {"produit=\r\nfond_page=\r\n", &S::produit, "Produits"},  // empty value keeps the default
      {"produit=\r\nfond_page=\r\n", &S::fond_page, "#FFFFFF"},
      {"plan=\r\n", &S::plan, ""},  // plan takes an empty value
      {"livres=A\r\nlivres=B\r\n", &S::livres, "B"},
      {"Livres=A\r\nlivres =B\r\n", &S::livres, "Livres"},  // keys compared exactly
      {"articles= a=b \r\nsans egal\r\n", &S::articles, " a=b "},
      {"audio=X\nservices=Y\n", &S::services, "Y"},
      {"plan=\r\nliste_complete=Tout voir\r\n", &S::plan, "Tout voir"},  // older site-map key
      {"plan=Plan\r\nliste_complete=\r\n", &S::plan, ""},
      {"police=1\r\n", &S::police, "1"},
      {"police=Windows\r\n", &S::police, "0"},
      {"police=7\r\n", &S::police, "0"},
      {"securus=yes\r\n", &S::securus, "yes"},
      {"securus=YES\r\n", &S::securus, "no"},
      {"securus=yes\r\nsecurus=no\r\n", &S::securus, "yes"},
      // Older script addresses move to today's; an address of the shop's own stays.
      {"url_cgi=http://www.tarvio.fr/cgi/ecomm.php\r\n", &S::url_cgi, design::kUrlCgiDefaut},
      {"url_panier=http://cgi.tarvio.fr/commande.php\r\n", &S::url_panier,
       design::kUrlPanierDefaut},
      {"url_cgi=pro.php\r\n", &S::url_cgi, "pro.php"},
      {"url_panier=http://www.tarvio.fr/cgi/ecomm.php\r\n", &S::url_panier,
       "http://www.tarvio.fr/cgi/ecomm.php"},
  };
  for (const auto& c : cases) EXPECT_EQ(lire(c.texte).*c.champ, c.attendu) << c.texte;
  // The older site-map key's own default changes nothing.
  EXPECT_EQ(lire("liste_complete=Liste Compl\xE8te\r\nangle_fond=5\r\n"), S{});
}

TEST(StylePrincipalFichier, MissingFileLeavesTheStartValuesAndFramesIsOneLine) {
  TempFolder dossier;
  platform::DataFolder donnees(dossier.path());
  TStylePrincipal depart;
  depart.produit = "Objets";
  EXPECT_EQ(design::chargerStyleP(donnees, depart), depart);
  design::sauverFrames(donnees, "non");
  EXPECT_EQ(dossier.read("frames.inf"), "frames=non\r\n");
}

// --- the window ---

namespace {

class FenetreStyleP : public ::testing::Test {
 protected:
  void creer() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\n");
    t.demarrer();
  }
  design::TstyleP& w() { return t.p().styleP(); }
  app::Tmain& main() { return t.p().main(); }
  ProgrammeDeTest t;
};

}  // namespace

TEST_F(FenetreStyleP, LoadedFileIsWrittenBackUnchanged) {
  std::string texte = kFichierParDefaut;
  for (auto [de, vers] : {std::pair{"Produits", "Objets"}, {"police=0", "police=1"},
                          {"couleur_cat=", "couleur_cat=#123456"}, {"fixe_page=non", "fixe_page=oui"},
                          {"retour_multi=non", "retour_multi=peut-etre"}, {"targetS=_top", "targetS=_blank"},
                          {"url_retour_multi=", "url_retour_multi=r.php"}, {"securus=no", "securus=yes"}})
    texte.replace(texte.find(de), std::string(de).size(), vers);
  t.dossier.write("styleP", texte);
  creer();
  EXPECT_EQ(w().produits.text(), "Objets");
  EXPECT_EQ(w().web.itemIndex(), 1);
  EXPECT_TRUE(w().fixe.checked());
  EXPECT_TRUE(w().Tcat.checked());
  EXPECT_EQ(w().Tcat_color.brushColour(), 0x123456u);
  EXPECT_TRUE(w().securus.checked());
  EXPECT_TRUE(t.dialogs.messages().empty()) << "loading Windows fonts never warns";
  std::filesystem::remove(t.dossier / "styleP");
  w().sauveP();
  EXPECT_EQ(t.dossier.read("styleP"), texte);
}

TEST_F(FenetreStyleP, ExistingImageWinsOverColourAndColourOverMissingImage) {
  struct Case {
    const char* image;
    bool existe;
    const char* fond_page;  // expected afterwards
    const char* image_page;
  } cases[] = {
      {"ciel.gif", true, "", "ciel.gif"},
      {"perdu.gif", false, "#00FF00", ""},
      {"../ciel.gif", true, "#00FF00", ""},  // never a file outside fonds/
      {"", true, "#00FF00", ""},             // the absolute path of an existing file, below
  };
  for (const auto& c : cases) {
    ProgrammeDeTest u;
    u.dossier.write("ident.opt", "nomE=B\r\n");
    u.dossier.write("ciel.gif", "GIF89a");
    if (c.existe) u.dossier.write("fonds/ciel.gif", "GIF89a");
    std::string image = *c.image ? c.image : (u.dossier / "ciel.gif").string();
    u.dossier.write("styleP", "fond_page=#00FF00\r\nimage_page=" + image + "\r\n");
    u.demarrer();
    auto& s = u.p().styleP();
    EXPECT_EQ(s.fond_page, c.fond_page) << c.image;
    EXPECT_EQ(s.image_page, c.image_page) << c.image;
    EXPECT_EQ(s.cadre.picture().empty(), !*c.image_page) << c.image;
    s.sauveP();
    EXPECT_NE(u.dossier.read("styleP").find(std::string("\r\nfond_page=") + c.fond_page + "\r\n"),
              std::string::npos);
  }
}

TEST_F(FenetreStyleP, AStoredColourThatIsNoColourIsToldAndTheProgramStarts) {
  t.dossier.write("styleP", "fond_page=#12\r\nfixe_page=oui\r\n");
  creer();
  EXPECT_EQ(t.dialogs.messages(),
            std::vector<std::string>{"'$' n'est pas une valeur enti\xE8re correcte"});
  EXPECT_TRUE(w().fixe.checked());
  t.p().tarvioupdate().close();  // no support files here
  EXPECT_TRUE(main().active());
}

TEST_F(FenetreStyleP, EachOptionBoxSetsItsOwnKeyAndNoOther) {
  creer();
  const std::pair<const char*, const char*> options[] = {
      {"fixe", "fixe_page"},      {"suite", "suivante"},        {"internes", "liens_internes"},
      {"mrB", "moteur_recherche"}, {"themes", "themes_d"},       {"themescat", "themescat_d"},
      {"thC", "themes_c"},        {"menubpC", "menubp_c"},      {"titreTC", "titret_c"},
      {"multC", "tableau_c"},     {"ecotaxeC", "ecotaxe"},      {"poidsC", "poids"},
      {"imagespanierC", "imagespanier"}, {"flecheTC", "fleche_c"}, {"scrmC", "scrm_c"},
      {"scrtC", "scrt_c"},
  };
  for (auto [nom, cle] : options) {
    SCOPED_TRACE(nom);
    auto* boite = w().find<ui::CheckBox>(nom);
    ASSERT_NE(boite, nullptr);
    std::string TStylePrincipal::*champ = nullptr;
    for (const auto& c : design::clesStyleP())
      if (std::string_view(c.cle) == cle) champ = c.champ;
    ASSERT_NE(champ, nullptr);
    const TStylePrincipal avant = w().valeurs();
    boite->show();
    boite->click();
    TStylePrincipal apres = w().valeurs();
    EXPECT_EQ(apres.*champ, boite->checked() ? "oui" : "non");
    EXPECT_NE(apres.*champ, avant.*champ);
    apres.*champ = avant.*champ;
    EXPECT_EQ(apres, avant);
    boite->click();
  }
  EXPECT_EQ(w().valeurs(), TStylePrincipal{});
}

TEST_F(FenetreStyleP, TextColourButtonsAndBoxes) {
  creer();
  w().show();
  t.dialogs.queueColourCancel();
  w().Tliens_color.click();
  EXPECT_EQ(w().couleur_liens, "");
  EXPECT_FALSE(w().Tliens.checked());

  t.dialogs.queueColour(0x1781B3);
  t.dialogs.queueText(" #a1b2c3 ");
  w().Tcat_color.click();
  EXPECT_EQ(w().couleur_cat, "#a1b2c3");
  EXPECT_TRUE(w().Tcat.checked());
  EXPECT_EQ(w().Tcat_color.brushColour(), 0xA1B2C3u);

  t.dialogs.queueColour(0x1781B3);
  t.dialogs.queueText("rouge");
  w().Tcopyr_color.click();
  EXPECT_EQ(w().couleur_copyr, "#1781B3");
  EXPECT_EQ(t.dialogs.messages().back(), "Erreur, la couleur doit être de type,#AABBCC");

  w().Tcat.click();
  EXPECT_EQ(w().couleur_cat, "");
  EXPECT_EQ(w().Tcat_color.brushColour(), 0x808080u);
  w().Tcopyr.click();
  EXPECT_EQ(w().Tcopyr_color.brushColour(), 0x000080u);
  EXPECT_TRUE(t.dialogs.allAnswersUsed());
}

TEST_F(FenetreStyleP, BackgroundColourImageAndDefault) {
  t.dossier.write("fonds/ciel.gif", "GIF89a");
  creer();
  w().show();
  w().SpeedButton2.click();
  EXPECT_EQ(t.p().fonds().appelantImage, "style_principal");
  w().imageFondChoisie("ciel.gif");
  EXPECT_EQ(w().image_page, "ciel.gif");
  EXPECT_EQ(w().fond_page, "");
  w().activate();
  EXPECT_EQ(t.p().fonds().appelantImage, "");

  t.dialogs.queueColourCancel();
  w().SpeedButton1.click();
  EXPECT_EQ(w().image_page, "") << "cancelling the colour still drops the image";

  w().imageFondChoisie("ciel.gif");
  t.dialogs.queueColour(0x102030);
  t.dialogs.queueTextCancel();
  w().SpeedButton1.click();
  EXPECT_EQ(w().fond_page, "#102030");
  EXPECT_EQ(w().image_page, "");
  EXPECT_TRUE(w().cadre.picture().empty());
  EXPECT_EQ(w().cadre.colour(), 0x102030u);

  w().SpeedButton3.click();
  EXPECT_EQ(w().fond_page, "");
  EXPECT_EQ(w().image_page, "");
}

TEST_F(FenetreStyleP, FontWarningOnlyForTheUsersChoiceOfWindows) {
  t.dossier.write("styleP", "police=1\r\n");
  creer();
  w().show();
  EXPECT_TRUE(t.dialogs.messages().empty());
  w().web.clickItem(0);
  w().web.clickItem(1);
  EXPECT_EQ(t.dialogs.messages().size(), 1u);  // its text is in the scenario style_principal
}

TEST_F(FenetreStyleP, ShowFollowsTheFramesetChoiceAndTheImportedIndex) {
  creer();
  main().options.frames = "non";
  w().show();
  EXPECT_TRUE(w().framesC.checked());
  EXPECT_FALSE(w().scrmC.visible());
  EXPECT_FALSE(w().scrtC.visible());
  EXPECT_EQ(w().menubp_c, "oui");

  w().hide();
  t.dossier.write("import/index.htm", "<html></html>");
  main().importC.setChecked(true);
  w().show();
  EXPECT_EQ(main().options.frames, "oui");
  EXPECT_FALSE(w().framesC.checked());
  EXPECT_FALSE(w().framesC.enabled());
  EXPECT_TRUE(w().scrmC.visible());

  // Once Import is unticked the choice is the user's again.
  w().hide();
  main().importC.setChecked(false);
  w().show();
  EXPECT_TRUE(w().framesC.enabled());
}

TEST_F(FenetreStyleP, AFailedSaveIsReportedAndTheCommandStops) {
  creer();
  w().show();
  std::filesystem::create_directory(t.dossier / "styleP");
  w().BitBtn1.click();
  EXPECT_EQ(t.dossier.read("frames.inf"), "frames=oui\r\n");
  EXPECT_EQ(t.dialogs.messages().size(), 1u);
  EXPECT_EQ(t.p().application().cursor(), ui::Cursor::Default);
  main().activate();  // the save on leaving fails the same way
  EXPECT_EQ(t.dialogs.messages().size(), 2u);
}

// Saving on leaving and the tab that comes back are in the scenario style_principal.
TEST_F(FenetreStyleP, ActivationPlacesTheWindowOverTheMainWindow) {
  creer();
  main().setBounds(100, 50, 797, 606);
  main().Style1.click();
  EXPECT_EQ(w().left(), 114);
  EXPECT_EQ(w().top(), 130);
}

TEST_F(FenetreStyleP, TheAuthorLabelNamesTheMainWindowsListButtons) {
  t.dossier.write("styleP", "chanteur=Voix\r\n");
  creer();
  EXPECT_EQ(main().b_auteur.caption(), "Liste Auteur");
  EXPECT_EQ(main().b_chanteur.caption(), "Liste Voix");
  w().show();
  w().auteur.type("Créateur");
  EXPECT_EQ(main().b_auteur.caption(), "Liste Créateur");
  EXPECT_EQ(main().b_chanteur.caption(), "Liste Voix");
  w().auteur.type("");
  EXPECT_EQ(main().b_auteur.caption(), "Liste Créateur");
}
