// The publishing command and the publication window up to the upload.

#include "fenetres/publish/transfert.h"

#include "atelier_publication.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

using Noms = std::vector<std::string>;
using test::Atelier;

const char* const kReconstruire =
    "Si vous avez effectué des modifications, il est peut-être nécessaire de reconstruire le site "
    "(ou aperçu). Voulez-vous reconstruire le site avant le transfert ?";
const char* const kTitre =
    "Il faut donner un titre pour le référencement de votre site (voir onglet INDEX). Voulez-vous "
    "publier le site quand même ?";
const char* const kDescription =
    "Il manque une description pour le référencement de votre site (voir onglet INDEX). "
    "Voulez-vous publier le site quand même ?";

TEST(Lancement, RefusalsInTheirOrderWriteNothing) {
  struct Cas {
    Noms fichiers;
    const char* message;
  } cas[] = {
      {{"ftp/boncommande.htm", "ftp.opt"},
       "Transfert impossible avec l'option catalogue hors ligne. Vous devez reconstruire le site."},
      {{"accueil.opt", "cv.opt"}, "Le menu n'a pas été défini"},
      {{"menu.opt", "cv.opt"}, "La page d'accueil n'a pas été définie"},
      {{"menu.opt", "accueil.opt"}, "La page des conditions de vente n'a pas été définie"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.message);
    Atelier a(false);
    for (const auto& f : c.fichiers) a.ecrire(f, "host=x\r\n");
    a.demarrer();
    a.main().transfertClick();
    EXPECT_EQ(a.dialogs.messages(), Noms{c.message});
    EXPECT_FALSE(a.fenetre().visible());
    EXPECT_FALSE(a.existe("var.opt"));
  }
}

TEST(Lancement, QuestionsAndTheirAnswers) {
  struct Cas {
    const char* nom;
    bool import, titre, description;
    std::vector<ui::Answer> reponses;
    Noms questions;
    bool fenetreOuverte;
  } cas[] = {
      {"import ticked: no index question", true, false, false, {ui::Answer::No}, {kReconstruire}, true},
      {"both missing, both accepted", false, false, false,
       {ui::Answer::Yes, ui::Answer::Yes, ui::Answer::No}, {kTitre, kDescription, kReconstruire}, true},
      {"no title refused", false, false, true, {ui::Answer::No}, {kTitre}, false},
      {"cancel on the description", false, true, false, {ui::Answer::Cancel}, {kDescription}, false},
      {"rebuild: the window stays closed", false, true, true, {ui::Answer::Yes}, {kReconstruire}, false},
      {"cancel on rebuild", true, false, false, {ui::Answer::Cancel}, {kReconstruire}, false},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Atelier a(false);
    a.ecrire("ftp/page.htm", "p");
    a.ecrire("ftp.opt", "host=ftp.vieux.fr\r\n");
    a.demarrer();
    a.sitePubliable();
    a.main().importC.setChecked(c.import);
    if (c.titre) a.main().titreE.setText("Ma boutique");
    if (c.description) a.main().descriptionM.setLines({"Une boutique"});
    a.main().PageControl1.setActivePage(a.main().meta1);
    for (auto r : c.reponses) a.dialogs.queueAnswer(r);
    a.main().transfertClick();
    EXPECT_EQ(a.dialogs.messages(), c.questions);
    EXPECT_EQ(a.fenetre().visible(), c.fenetreOuverte);
    EXPECT_EQ(a.main().PageControl1.activePageIndex(), 0);
    // The account was migrated and loaded before any question could stop the command.
    EXPECT_EQ(a.fenetre().HostTxt.text(), "ftp.vieux.fr");
    EXPECT_FALSE(a.existe("ftp.opt"));
  }
}

// A build killed midway left ftp/ half-emptied: only the rebuild is offered, nothing is sent.
TEST(Lancement, ASiteLeftByAnUnfinishedBuildIsNeverSent) {
  const char* const kQuestion =
      "La dernière construction du site ne s'est pas terminée : le site est incomplet et ne peut "
      "pas être publié. Voulez-vous reconstruire le site maintenant ?";
  for (ui::Answer reponse : {ui::Answer::No, ui::Answer::Cancel}) {
    Atelier a(false);
    a.ecrire("ftp/index.htm", "p");
    a.ecrire("tmp/construction.en_cours", "");
    a.demarrer();
    a.sitePubliable();
    a.dialogs.queueAnswer(reponse);
    a.main().transfertClick();
    EXPECT_EQ(a.dialogs.messages(), Noms{kQuestion});
    EXPECT_FALSE(a.fenetre().visible());
  }

  // The window opened before a build that did not end sends nothing.
  Atelier a(false);
  a.ecrire("ftp/index.htm", "p");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  ASSERT_TRUE(a.fenetre().visible());
  a.ecrire("tmp/construction.en_cours", "");
  a.dialogs.clear();
  a.fenetre().goftp.click();
  EXPECT_EQ(a.dialogs.messages(),
            Noms{"La dernière construction du site ne s'est pas terminée : le site est incomplet et "
                 "ne peut pas être publié. Reconstruisez le site avant le transfert."});
  EXPECT_EQ(a.hotesDemandes.size(), 0u);
}

TEST(Lancement, SizesPageIndexFromBacheIniAndEmptySite) {
  Atelier a(false);
  a.ecrire("ftp/page3.htm", "p");
  a.ecrire("bache.ini",
           "abc.ref\r\nsanspoint\r\nabsent.ref\r\nsanspage.ref\r\nsanstailles.ref\r\n"
           "../dehors.ref\r\nXYZ.ref\r\n");
  for (const char* f : {"abc.ref", "sanspoint", "sanspage.ref", "sanstailles.ref", "XYZ.ref"})
    a.ecrire(f, "reference=x\r\n");
  for (const char* f : {"abctailles.txt", "sanspointtailles.txt", "sanspagetailles.txt", "XYZtailles.txt"})
    a.ecrire(f, "S\r\n");
  a.ecrire("listeHTM.tmp", "abc=page3.htm \r\nsanstailles=page1.htm\r\nxyz=page9.htm\r\n");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  EXPECT_EQ(a.lire("ftp/baches_ref.inf"), "abc=page3.htm\r\nXYZ=page9.htm\r\n");
  EXPECT_FALSE(a.existe("ftp/sanspagetailles.txt"));
  // Written before the listing: published with the site.
  EXPECT_EQ(a.fenetre().listeFTP.items(),
            (Noms{"abctailles.txt", "baches_ref.inf", "page3.htm", "XYZtailles.txt"}));

  for (const auto& f : a.fenetre().listeFTP.items()) std::filesystem::remove(a.chemin("ftp/" + f));
  std::filesystem::remove(a.chemin("bache.ini"));
  std::filesystem::create_directories(a.chemin("ftp/dossier"));  // folders are not sent
  a.lancer();
  EXPECT_EQ(a.dialogs.messages().back(), "Aucun éléments à transférer");
  EXPECT_FALSE(a.fenetre().visible());
}

TEST(Comparaison, TicksExactlyWhatDiffersFromTheMirror) {
  Atelier a(false);
  a.ecrire("ftp/Zeta.htm", "nouveau");
  a.ecrire("ftp/identique.htm", "meme contenu");
  a.ecrire("transfert/identique.htm", "meme contenu");
  a.ecrire("ftp/change.htm", "version 2");
  a.ecrire("transfert/change.htm", "version 1");  // same size, one byte differs
  a.ecrire("ftp/.htaccess", "Options -Indexes");
  a.ecrire("transfert/retire.htm", std::string(1000, 'r'));
  a.lieuDuCompte();
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  // Hidden files are neither listed nor sent.
  EXPECT_EQ(a.fenetre().listeFTP.items(), (Noms{"change.htm", "identique.htm", "Zeta.htm"}));
  EXPECT_EQ(a.fenetre().memoFTP.items(), (Noms{"change.htm", "Zeta.htm"}));
  EXPECT_EQ(a.coches(), (Noms{"change.htm", "Zeta.htm"}));

  auto& f = a.fenetre();
  f.modif.click();  // every site file, the changed ones ticked
  EXPECT_EQ(f.memoFTP.items(), (Noms{"change.htm", "identique.htm", "Zeta.htm"}));
  EXPECT_EQ(a.coches(), (Noms{"change.htm", "Zeta.htm"}));
  f.BitBtn5.click();
  EXPECT_TRUE(a.coches().empty());
  f.memoFTP.toggle(1);
  f.bouton.click();
  EXPECT_EQ(f.sizeF.caption(), "Fichiers transférés : 1 021 octets");
  EXPECT_EQ(f.sizeA.caption(), "A transférer : 12 octets");
  f.BitBtn4.click();  // "Tous" lists nothing twice
  EXPECT_EQ(f.memoFTP.items().size(), 3u);
  EXPECT_EQ(a.coches().size(), 3u);
}

// A site file linked out of the shop's folder is refused before anything is listed, its mirror
// copy or not: ticked, the upload would stop at it with part of the site sent.
TEST(Comparaison, ASiteFileLinkedOutOfTheFolderIsRefusedBeforeTheList) {
  for (bool copie : {true, false}) {
    SCOPED_TRACE(copie ? "with its mirror copy" : "without a mirror copy");
    testing_support::TempFolder dehors;
    dehors.write("page.htm", "ailleurs");
    Atelier a(false);
    a.ecrire("ftp/a.htm", "page a");
    std::filesystem::create_symlink(dehors.path() / "page.htm", a.chemin("ftp/lien.htm"));
    if (copie) a.ecrire("transfert/lien.htm", "ailleurs");
    a.lieuDuCompte();
    a.demarrer();
    a.sitePubliable();
    a.compte();
    a.lancer();
    EXPECT_TRUE(a.dialogs.messages().back().starts_with("Le lien symbolique "))
        << a.dialogs.messages().back();
    EXPECT_TRUE(a.fenetre().memoFTP.items().empty());
  }
}

TEST(Comparaison, SiteMapSwitchAndFirstSelection) {
  struct Cas {
    const char* nom;
    std::string kelkoo, compIni;
    bool actif;
    std::string url;
  } cas[] = {
      {"no base URL file", "", "", false, ""},
      {"base URL for the login", "autre=http://a\r\nBOUTIK=http://www.boutik.example\r\n",
       "googleC=oui\r\n", true, "http://www.boutik.example"},
      {"googleC non", "boutik=http://www.boutik.example\r\n", "googleC=non\r\n", false,
       "http://www.boutik.example"},
      {"login without URL", "autre=http://a\r\n", "", false, ""},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Atelier a(false);
    for (const char* f : {"a.htm", "b.htm", "index2.htm", "accueil2.htm", "accueil.htm", "page.html",
                          "x.y.htm", "logo.gif"}) {
      a.ecrire(std::string("ftp/") + f, f);
      a.ecrire(std::string("transfert/") + f, f);
    }
    a.ecrire("ftp/b.htm", "b modifie");
    a.lieuDuCompte();
    if (!c.kelkoo.empty()) a.ecrire("kelkoo.ini", c.kelkoo);
    if (!c.compIni.empty()) a.ecrire("tmp/comp.ini", c.compIni);
    a.demarrer();
    a.sitePubliable();
    a.compte();
    a.lancer();
    EXPECT_EQ(a.fenetre().planSiteActif, c.actif);
    EXPECT_EQ(a.fenetre().premierPlanSite, c.actif);
    EXPECT_EQ(a.fenetre().urlBoutique, c.url);
    if (c.actif) {
      EXPECT_EQ(a.dialogs.messages().back(),
                "Initialisation pour sitemap.xml, transfert de tous les fichiers htm obligatoire la "
                "première fois");
      // Every page the site map lists, whatever its extension.
      EXPECT_EQ(a.coches(), (Noms{"b.htm", "a.htm", "accueil.htm", "page.html"}));
    } else {
      EXPECT_EQ(a.coches(), Noms{"b.htm"});
    }
  }
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
  EXPECT_EQ(a.dialogs.messages(), (Noms{kReconstruire, avertissement}));
  EXPECT_TRUE(a.fenetre().effacerC.visible());
  a.main().activate();
  a.fenetre().activate();
  EXPECT_EQ(a.dialogs.messages().size(), 2u);
  a.fenetre().BitBtn1.click();
  a.lancer();
  EXPECT_EQ(a.dialogs.messages().back(), avertissement);
}

}  // namespace
TEST(Lancement, ARefusedSaveStopsTheRebuild) {
  Atelier a(false);
  a.ecrire("ftp/page.htm", "p");
  a.demarrer();
  a.sitePubliable();
  a.main().referencer.setText("R1");
  a.main().multiE.setText("1,5");  // a decimal multiple refuses the save
  ASSERT_TRUE(a.main().sauver.enabled());
  a.dialogs.queueAnswer(ui::Answer::Yes);
  a.main().transfertClick();
  EXPECT_EQ(a.dialogs.messages(), (Noms{kReconstruire, "Erreur dans multi"}));
  // Nothing was rebuilt: no index of product pages, no preview opened.
  EXPECT_FALSE(a.existe("listeHTM.tmp"));
  EXPECT_TRUE(a.shell.opened.empty());
  EXPECT_FALSE(a.existe("R1.ref"));
}

}  // namespace publish
