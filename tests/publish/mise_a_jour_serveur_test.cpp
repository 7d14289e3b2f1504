// The update check, the support-file update and the outside programs, against a loopback server
// standing for the maker's.

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
  const std::string autre = "Votre version 5.099 est différente de la nouvelle version 5.1. Voulez-vous télécharger les mises à jour ?";
  // Page served (none: the first question declined), second answer, messages.
  std::tuple<const char*, ui::Answer, Textes> cas[] = {
      {nullptr, ui::Answer::No, {question, "Aucune mise à jour"}},
      {"<p>Version 5.099</p>", ui::Answer::No, {question, "Aucune mise à jour"}},
      {"<p>Version 5,1 du logiciel</p>", ui::Answer::No, {question, autre, "Aucune mise à jour"}},
      {"<p>Version 5,1 du logiciel</p>", ui::Answer::Yes, {question, autre}},
  };
  for (const auto& [page, reponse, messages] : cas) {
    AtelierEditeur a;
    a.ecrire("version.exe", "MZ");
    a.demarrer();
    a.dialogs.queueAnswer(page ? ui::Answer::Yes : ui::Answer::Cancel);
    if (page) a.ecrireDistant("www/version.htm", page);
    a.dialogs.queueAnswer(reponse);
    a.main().versionBClick();
    EXPECT_EQ(a.dialogs.messages(), messages);
    EXPECT_FALSE(a.existe("tmp/version.htm"));
    bool relais = reponse == ui::Answer::Yes;
    EXPECT_EQ(a.existe("tmp/pathexe.txt") && !a.main().visible(), relais);
    if (relais) EXPECT_EQ(a.shell.opened, (Textes{app::web::kVersion, a.chemin("version.exe").string()}));
  }
}

TEST(MiseAJourServeur, UpdateWindowFetchesWhatIsMissingAndALostServerLeavesNoHalfFile) {
  for (bool perdu : {false, true}) {
    AtelierEditeur a(perdu ? 20000 : 0);
    for (const char* f : {"index2.php", "moteur.php", "moteur_multi.php", "choix_liste.php", "version.exe"})
      a.ecrireDistant(std::string("www/") + f, std::string(8000, *f));
    for (int i = 1; i <= 12; ++i) a.ecrireDistant("www/fl" + std::to_string(i) + ".gif", "GIF");
    a.ecrire("version.exe", "mien");
    a.ecrire("moteur_multi.php", "ancien");
    a.demarrer();
    if (perdu) a.pendantAttente = [&a] { if (a.existe("moteur.php")) a.serveur->stop(); };
    a.p().tarvioupdate().BitBtn2Click();
    EXPECT_EQ(a.dialogs.messages().size(), 1u);
    EXPECT_EQ(a.lire("moteur_multi.php").size(), perdu ? 6u : 8000u);
    EXPECT_EQ(a.lire("version.exe"), "mien");
    EXPECT_EQ(platform::listFiles(a.chemin("fleches")).size(), perdu ? 0u : 11u);
  }
}

TEST(MiseAJourServeur, OutsidePrograms) {
  Atelier a(false);
  a.ecrire("modules.txt", "absent.exe\r\n");
  for (const char* f : {"stock2.exe", "Stock1.exe"}) a.ecrire(f, "MZ");
  a.demarrer();
  a.main().module_OKClick();
  a.main().bstockClick();
  EXPECT_EQ(a.dialogs.messages(), Textes{"Le fichier absent.exe est introuvable dans le dossier de la boutique."});
  EXPECT_EQ(a.shell.opened, Textes{a.chemin("Stock1.exe").string()});
}

}  // namespace
}  // namespace publish::test
