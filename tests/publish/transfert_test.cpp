// The publishing command and the publication window up to the upload: refusals, questions,
// account loading, baches_ref.inf, change detection and the buttons of the list.

#include "publish/transfert.h"

#include "atelier_publication.h"
#include "publish/Unit3.h"
#include "publish/kelkoo3.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

using Proposes = std::vector<std::pair<std::string, bool>>;
using test::Atelier;

const char* const kQuestionReconstruire =
    "Si vous avez effectué des modifications, il est peut-être nécessaire de reconstruire le site "
    "(ou aperçu). Voulez-vous reconstruire le site avant le transfert ?";
const char* const kQuestionTitre =
    "Il faut donner un titre pour le référencement de votre site (voir onglet INDEX). Voulez-vous "
    "publier le site quand même ?";
const char* const kQuestionDescription =
    "Il manque une description pour le référencement de votre site (voir onglet INDEX). "
    "Voulez-vous publier le site quand même ?";

TEST(Lancement, RefusalsComeFirstInTheirOrderAndWriteNothing) {
  struct Cas {
    const char* nom;
    std::vector<std::string> fichiers;
    const char* message;
  } cas[] = {
      {"offline build before anything",
       {"ftp/boncommande.htm", "ftp.opt"},
       "Transfert impossible avec l'option catalogue hors ligne. Vous devez reconstruire le site."},
      {"no menu", {"accueil.opt", "cv.opt"}, "Le menu n'a pas été défini"},
      {"no home page", {"menu.opt", "cv.opt"}, "La page d'accueil n'a pas été définie"},
      {"no conditions", {"menu.opt", "accueil.opt"}, "La page des conditions de vente n'a pas été définie"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Atelier a(false);
    for (const auto& f : c.fichiers) a.ecrire(f, "host=x\r\n");
    a.demarrer();
    a.main().transfertClick();
    EXPECT_EQ(a.dialogs.messages(), std::vector<std::string>{c.message});
    EXPECT_FALSE(a.fenetre().visible());
    EXPECT_FALSE(a.existe("var.opt"));
  }
}

TEST(Lancement, IndexQuestionsUnlessImportIsTicked) {
  struct Cas {
    const char* nom;
    bool import;
    const char* titre;
    bool description;
    std::vector<ui::Answer> reponses;
    std::vector<std::string> questions;
    bool fenetreOuverte;
  } cas[] = {
      {"import ticked: no index question", true, "", false, {ui::Answer::No},
       {kQuestionReconstruire}, true},
      {"both missing, both accepted", false, "", false,
       {ui::Answer::Yes, ui::Answer::Yes, ui::Answer::No},
       {kQuestionTitre, kQuestionDescription, kQuestionReconstruire}, true},
      {"no title refused", false, "", true, {ui::Answer::No}, {kQuestionTitre}, false},
      {"cancel stops too", false, "Ma boutique", false, {ui::Answer::Cancel},
       {kQuestionDescription}, false},
      {"title and description present", false, "Ma boutique", true, {ui::Answer::No},
       {kQuestionReconstruire}, true},
      {"cancel on rebuild stops", true, "", false, {ui::Answer::Cancel},
       {kQuestionReconstruire}, false},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Atelier a(false);
    a.ecrire("ftp/page.htm", "p");
    a.ecrire("ftp.opt", "host=ftp.vieux.fr\r\n");
    a.demarrer();
    a.sitePubliable();
    a.main().importC.setChecked(c.import);
    a.main().titreE.setText(c.titre);
    if (c.description) a.main().descriptionM.setLines({"Une boutique"});
    a.main().PageControl1.setActivePage(a.main().meta1);
    for (auto r : c.reponses) a.dialogs.queueAnswer(r);
    a.main().transfertClick();
    EXPECT_EQ(a.dialogs.messages(), c.questions);
    EXPECT_EQ(a.fenetre().visible(), c.fenetreOuverte);
    EXPECT_EQ(a.main().PageControl1.activePage(), &a.main().fiche_produit);
    // The account was loaded (and migrated) before any question could stop the command.
    EXPECT_EQ(a.fenetre().HostTxt.text(), "ftp.vieux.fr");
    EXPECT_FALSE(a.existe("ftp.opt"));
  }
}

TEST(Lancement, RebuildEndsTheCommandWithoutOpeningTheWindow) {
  Atelier a(false);
  a.ecrire("ftp/page.htm", "p");
  a.demarrer();
  a.sitePubliable();
  a.dialogs.queueAnswer(ui::Answer::Yes);
  a.main().transfertClick();
  EXPECT_EQ(a.dialogs.messages(), std::vector<std::string>{kQuestionReconstruire});
  EXPECT_FALSE(a.fenetre().visible());
  EXPECT_EQ(a.main().PageControl1.activePageIndex(), 0);
}

TEST(Lancement, StoredAccountFillsOnlyNonEmptyFieldsAndSaveWritesIt) {
  Atelier a(false);
  a.ecrire("ftp/page.htm", "p");
  platform::LineList stockes;
  for (const char* l : {"host=ftp.boutik.example", "port=", "user=moi", "pass=mdp", "rep=www/"})
    stockes.add(crypter(l));
  stockes.save(a.chemin("var.opt"));
  a.demarrer();
  a.sitePubliable();
  a.lancer();
  auto& f = a.fenetre();
  EXPECT_EQ(f.HostTxt.text(), "ftp.boutik.example");
  EXPECT_EQ(f.PortTxt.text(), "21");
  EXPECT_EQ(f.UserTxt.text(), "moi");
  EXPECT_EQ(f.RepTxt.text(), "www/");

  f.PortTxt.type("2121");
  a.dialogs.clear();
  f.BitBtn3.click();
  EXPECT_EQ(a.dialogs.messages(), std::vector<std::string>{"Informations validées\""});
  EXPECT_EQ(decrypter(platform::LineList::load(a.chemin("var.opt"))[1]), "port=2121");

  f.PassTxt.type("\xC7" "a");
  a.dialogs.clear();
  f.BitBtn3.click();
  ASSERT_EQ(a.dialogs.messages().size(), 1u);
  EXPECT_NE(a.dialogs.messages()[0].find("Mot de passe"), std::string::npos);
  EXPECT_EQ(decrypter(platform::LineList::load(a.chemin("var.opt"))[3]), "pass=mdp");
}

TEST(Lancement, EmptySiteClosesTheWindow) {
  Atelier a(false);
  a.demarrer();
  a.sitePubliable();
  a.compte();
  std::filesystem::create_directories(a.chemin("ftp/sous-dossier"));  // folders are not files
  a.lancer();
  EXPECT_EQ(a.dialogs.messages().back(), "Aucun éléments à transférer");
  EXPECT_FALSE(a.fenetre().visible());
}

TEST(Lancement, SizesPageIndexFromBacheIni) {
  Atelier a(false);
  a.ecrire("ftp/page3.htm", "p");
  a.ecrire("bache.ini",
           "abc.ref\r\n"          // qualifies
           "sanspoint\r\n"        // no "." : no reference
           "absent.ref\r\n"       // no such sheet
           "sanspage.ref\r\n"     // no page in the index
           "sanstailles.ref\r\n"  // no sizes file
           "../dehors.ref\r\n"    // never outside the data folder
           "XYZ.ref\r\n");        // index lookup ignores case
  for (const char* f : {"abc.ref", "sanspoint", "sanspage.ref", "sanstailles.ref", "XYZ.ref"})
    a.ecrire(f, "reference=x\r\n");
  a.ecrire("abctailles.txt", "S\r\nM\r\n");
  a.ecrire("sanspointtailles.txt", "S\r\n");
  a.ecrire("sanspagetailles.txt", "S\r\n");
  a.ecrire("XYZtailles.txt", "L\r\n");
  a.ecrire("listeHTM.tmp", "abc=page3.htm \r\nsanstailles=page1.htm\r\nxyz=page9.htm\r\n");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  EXPECT_EQ(a.lire("ftp/baches_ref.inf"), "abc=page3.htm\r\nXYZ=page9.htm\r\n");
  EXPECT_EQ(a.lire("ftp/abctailles.txt"), "S\r\nM\r\n");
  EXPECT_FALSE(a.existe("ftp/sanspagetailles.txt"));
  // Written before the listing: published with the site.
  EXPECT_EQ(a.fenetre().listeFTP.items(),
            (std::vector<std::string>{"abctailles.txt", "baches_ref.inf", "page3.htm", "XYZtailles.txt"}));
}

TEST(Comparaison, TicksExactlyWhatDiffersFromTheMirror) {
  Atelier a(false);
  a.ecrire("ftp/Zeta.htm", "nouveau");
  a.ecrire("ftp/identique.htm", "meme contenu");
  a.ecrire("transfert/identique.htm", "meme contenu");
  a.ecrire("ftp/change.htm", "version 2");
  a.ecrire("transfert/change.htm", "version 1");  // same size, one byte differs
  a.ecrire("ftp/.htaccess", "Options -Indexes");
  a.ecrire("transfert/retire.htm", "page retiree du site");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  EXPECT_TRUE(a.fenetre().visible());
  EXPECT_EQ(a.dialogs.messages(), std::vector<std::string>{kQuestionReconstruire});
  EXPECT_EQ(a.fenetre().listeFTP.items(),
            (std::vector<std::string>{".htaccess", "change.htm", "identique.htm", "Zeta.htm"}));
  EXPECT_EQ(a.proposes(), (Proposes{{".htaccess", true}, {"change.htm", true}, {"Zeta.htm", true}}));

  // "Fichiers modifiés": every site file, the changed ones ticked.
  a.fenetre().modif.click();
  EXPECT_EQ(a.proposes(), (Proposes{{".htaccess", true}, {"change.htm", true},
                                    {"identique.htm", false}, {"Zeta.htm", true}}));

  a.fenetre().BitBtn5.click();
  EXPECT_TRUE(a.coches().empty());
  a.fenetre().memoFTP.toggle(2);
  a.fenetre().BitBtn4.click();  // "Tous": nothing listed twice
  EXPECT_EQ(a.proposes(), (Proposes{{".htaccess", true}, {"change.htm", true},
                                    {"identique.htm", true}, {"Zeta.htm", true}}));

  // A second launch starts again from the mirror.
  a.ecrire("transfert/Zeta.htm", "nouveau");
  a.lancer();
  EXPECT_EQ(a.proposes(), (Proposes{{".htaccess", true}, {"change.htm", true}}));
}

TEST(Comparaison, SiteMapSwitchAndFirstSelection) {
  struct Cas {
    const char* nom;
    std::string kelkoo;   // "" = no kelkoo.ini
    std::string compIni;  // "" = no tmp/comp.ini
    bool planSite;        // ftp/sitemap.xml exists
    bool actif;
    bool premier;
    std::string url;
  } cas[] = {
      {"no base URL file", "", "", false, false, false, ""},
      {"base URL for the login", "autre=http://a\r\nBOUTIK=http://www.boutik.example\r\n", "", true,
       true, false, "http://www.boutik.example"},
      {"googleC non", "boutik=http://www.boutik.example\r\n", "googleC=non\r\n", false, false, false,
       "http://www.boutik.example"},
      {"googleC oui", "boutik=http://www.boutik.example\r\n", "googleC=oui\r\n", false, true, true,
       "http://www.boutik.example"},
      {"login without URL", "autre=http://a\r\n", "", false, false, false, ""},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Atelier a(false);
    a.ecrire("ftp/a.htm", "a");
    a.ecrire("transfert/a.htm", "a");
    if (!c.kelkoo.empty()) a.ecrire("kelkoo.ini", c.kelkoo);
    if (!c.compIni.empty()) a.ecrire("tmp/comp.ini", c.compIni);
    if (c.planSite) a.ecrire("ftp/sitemap.xml", "");
    a.demarrer();
    a.sitePubliable();
    a.compte();
    a.lancer();
    EXPECT_EQ(a.fenetre().planSiteActif, c.actif);
    EXPECT_EQ(a.fenetre().premierPlanSite, c.premier);
    EXPECT_EQ(a.fenetre().urlBoutique, c.url);
  }
}

TEST(Comparaison, FirstSiteMapSendsEveryPlainHtmPageOnce) {
  Atelier a(false);
  for (const char* f : {"a.htm", "b.htm", "index2.htm", "cv.htm", "accueil2.htm", "accueil.htm",
                        "page.html", "x.y.htm", "logo.gif", "accueil_iframe.htm"}) {
    a.ecrire(std::string("ftp/") + f, f);
    a.ecrire(std::string("transfert/") + f, f);
  }
  a.ecrire("ftp/b.htm", "b modifie");
  a.ecrire("kelkoo.ini", "boutik=http://www.boutik.example\r\n");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  EXPECT_EQ(a.dialogs.messages().back(),
            "Initialisation pour sitemap.xml, transfert de tous les fichiers htm obligatoire la "
            "première fois");
  EXPECT_EQ(a.proposes(), (Proposes{{"b.htm", true}, {"a.htm", true}, {"accueil.htm", true}}));
}

TEST(Fenetre, SizeTotals) {
  Atelier a(false);
  a.ecrire("ftp/gros.htm", std::string(235000, 'g'));
  a.ecrire("ftp/petit.htm", std::string(567, 'p'));
  a.ecrire("ftp/envoye.htm", "deja");
  a.ecrire("transfert/envoye.htm", "deja");
  a.ecrire("transfert/ancien.htm", std::string(1000, 'a'));
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  auto& f = a.fenetre();
  f.bouton.click();
  EXPECT_EQ(f.sizeF.caption(), "Fichiers transférés : 1 004 octets");
  EXPECT_EQ(f.sizeA.caption(), "A transférer : 235 567 octets");
  EXPECT_EQ(f.bouton.caption(), "Calculer");
  // The mirror is listed again at each use.
  a.ecrire("transfert/nouveau.htm", "12345");
  f.memoFTP.toggle(0);
  f.bouton.click();
  EXPECT_EQ(f.sizeF.caption(), "Fichiers transférés : 1 009 octets");
  EXPECT_EQ(f.sizeA.caption(), "A transférer : 567 octets");
}

TEST(Fenetre, HostWarningOncePerShowingAndMarketplaceBox) {
  Atelier a(false);
  a.ecrire("ftp/a.htm", "a");
  a.ecrire("vibdd.ini", "url=http://x\r\n");
  a.demarrer();
  a.sitePubliable();
  a.fenetre().HostTxt.setText("   ");
  a.lancer();
  const char* avertissement = "Votre serveur d'hébergement de votre boutique n'est pas défini";
  EXPECT_EQ(a.dialogs.messages(), (std::vector<std::string>{kQuestionReconstruire, avertissement}));
  EXPECT_EQ(a.fenetre().HostTxt.text(), "");
  EXPECT_TRUE(a.fenetre().effacerC.visible());
  a.main().activate();
  a.fenetre().activate();
  EXPECT_EQ(a.dialogs.messages().size(), 2u);
  a.fenetre().BitBtn1.click();
  a.lancer();
  EXPECT_EQ(a.dialogs.messages().back(), avertissement);
}

TEST(Fenetre, HostingLinkOpensThePage) {
  Atelier a(false);
  a.demarrer();
  a.fenetre().show();
  a.fenetre().Lhtm.click();
  ASSERT_EQ(a.shell.opened.size(), 1u);
  EXPECT_EQ(a.shell.opened[0].rfind("https://", 0), 0u);
}

}  // namespace
}  // namespace publish
