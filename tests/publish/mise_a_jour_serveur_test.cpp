// The update check and the support-file update against a loopback server standing for the maker's.

#include <gtest/gtest.h>

#include "app/web.h"
#include "atelier_publication.h"
#include "publish/tarvioupdate4.h"

namespace publish::test {
namespace {

using Textes = std::vector<std::string>;

// The maker's account: its user and the password the program descrambles.
struct AtelierEditeur : Atelier {
  explicit AtelierEditeur(int octetsParSeconde = 0) : Atelier(false) {
    serveur.emplace(octetsParSeconde, "tarvio", "k7vRp2");
  }
};

TEST(MiseAJourServeur, UpdateCheck) {
  const std::string question = "5.099\nVoulez-vous mettre à jour votre logiciel ? (connection obligatoire)";
  struct Cas {
    const char* page;  // nullptr: the first question is declined
    Textes messages;
  };
  Cas cas[] = {
      {nullptr, {question, "Aucune mise à jour"}},
      {"<p>Version 5.099</p>\r\n", {question, "Aucune mise à jour"}},
      {"<p>Version 5,1 du logiciel</p>\r\n",
       {question, "Votre version 5.099 est différente de la nouvelle version 5.1. Voulez-vous télécharger les mises à jour ?",
        "Aucune mise à jour"}},
  };
  for (const auto& c : cas) {
    AtelierEditeur a;
    a.demarrer();
    a.dialogs.queueAnswer(c.page ? ui::Answer::Yes : ui::Answer::Cancel);
    if (c.page) a.ecrireDistant("www/version.htm", c.page);
    a.dialogs.queueAnswer(ui::Answer::No);
    a.main().versionBClick();
    EXPECT_EQ(a.dialogs.messages(), c.messages);
    EXPECT_EQ(a.hotesDemandes.size(), c.page ? 1u : 0u);
    EXPECT_FALSE(a.existe("tmp/version.htm"));
    EXPECT_FALSE(a.existe("tmp/pathexe.txt"));
  }
}

TEST(MiseAJourServeur, NewVersionAcceptedHandsOverToTheUpdater) {
  AtelierEditeur a;
  a.ecrire("version.exe", "MZ");
  a.ecrireDistant("www/version.htm", "version 6.0\r\n");
  a.demarrer();
  a.dialogs.queueAnswer(ui::Answer::Yes);
  a.dialogs.queueAnswer(ui::Answer::Yes);
  a.main().versionBClick();
  EXPECT_EQ(a.shell.opened, (Textes{app::web::kVersion, a.chemin("version.exe").string()}));
  EXPECT_EQ(a.lire("tmp/pathexe.txt").substr(0, 19), "title=tarvio\r\npathe");
  EXPECT_FALSE(a.main().visible());
}

TEST(MiseAJourServeur, UpdateWindowFetchesWhatIsMissing) {
  for (bool complet : {true, false}) {
    AtelierEditeur a;
    a.ecrireDistant("www/index2.php", "<?php $_GET ?>");
    for (const char* f : {"moteur.php", "moteur_multi.php", "choix_liste.php", "version.exe"})
      a.ecrireDistant(std::string("www/") + f, f);
    for (int i = 1; i <= 12; ++i) a.ecrireDistant("www/fl" + std::to_string(i) + ".gif", "GIF");
    if (complet) a.ecrire("version.exe", "mien"), a.ecrire("fleches/a.gif", "mien");
    a.demarrer();
    auto& fenetre = a.p().tarvioupdate();
    fenetre.show();
    fenetre.BitBtn2Click();
    EXPECT_EQ(a.dialogs.messages(), Textes{"Mise à jour terminée"});
    EXPECT_EQ(a.lire("import/index2.php"), "<?php $_GET ?>");
    EXPECT_EQ(a.lire("choix_liste.php"), "choix_liste.php");
    EXPECT_EQ(a.lire("version.exe"), complet ? "mien" : "version.exe");
    EXPECT_EQ(platform::listFiles(a.chemin("fleches")).size(), complet ? 1u : 11u);
    EXPECT_FALSE(fenetre.visible());
  }
}

TEST(MiseAJourServeur, ServerLostMidwayKeepsTheOldScriptsWhole) {
  AtelierEditeur a(20000);
  const std::string gros(8000, 'x');
  for (const char* f : {"index2.php", "moteur.php", "moteur_multi.php", "choix_liste.php"})
    a.ecrireDistant(std::string("www/") + f, gros);
  a.ecrire("moteur_multi.php", "ancien");
  a.demarrer();
  a.pendantAttente = [&a] {
    if (a.existe("moteur.php")) a.serveur->stop();
  };
  auto& fenetre = a.p().tarvioupdate();
  fenetre.show();
  fenetre.BitBtn2Click();
  ASSERT_EQ(a.dialogs.messages().size(), 1u);
  EXPECT_NE(a.dialogs.messages()[0].find("moteur_multi.php"), std::string::npos);
  EXPECT_EQ(a.lire("moteur_multi.php"), "ancien");
  EXPECT_FALSE(a.existe("fleches"));
  EXPECT_TRUE(fenetre.visible());
  EXPECT_FALSE(fenetre.mss.visible());
}

}  // namespace
}  // namespace publish::test

namespace publish::test {
namespace {

TEST(MiseAJourServeur, OutsidePrograms) {
  Atelier a(false);
  a.ecrire("modules.txt", "absent.exe\r\nguide.txt\r\n");
  a.ecrire("guide.txt", "x");
  for (const char* f : {"stock2.exe", "Stock1.exe"}) a.ecrire(f, "MZ");
  a.demarrer();
  auto& m = a.main();
  EXPECT_TRUE(m.autres_modulesL.visible() && m.module_OK.visible());
  m.module_OKClick();
  EXPECT_EQ(a.dialogs.messages(),
            Textes{"Le fichier absent.exe est introuvable dans le dossier de la boutique."});
  m.autres_modulesL.setItemIndex(1);
  m.module_OKClick();
  m.bstockClick();
  EXPECT_EQ(a.shell.opened, (Textes{a.chemin("guide.txt").string(), a.chemin("Stock1.exe").string()}));
}

}  // namespace
}  // namespace publish::test
