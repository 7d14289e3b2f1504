// The support-file check, update check and update, and the outside programs; a loopback server
// stands for the maker's (its user, and the password the program descrambles).

#include <gtest/gtest.h>

#include "app/web.h"
#include "atelier_publication.h"
#include "publish/mise_a_jour.h"
#include "publish/tarvioupdate4.h"

namespace publish::test {
namespace {

using enum ui::Answer;

TEST(MiseAJour, SupportFileCheck) {
  // File left out of the complete set, moteur.php, choix_liste.php (nullptr: absent), installed.
  std::tuple<std::string, const char*, const char*, bool> cas[] = {
      {"", nullptr, nullptr, true}, {"import/index2.php", nullptr, nullptr, false},
      {"version.exe", nullptr, nullptr, false}, {"fleches/a.gif", nullptr, nullptr, false},
      {"", "version 1.5", nullptr, false}, {"", "version 1.6", nullptr, true},
      {"", "vieux", "version 1.03", true}, {"", "version 1.6", "vieux", false}};
  for (const auto& [sans, moteur, choix, installe] : cas) {
    testing_support::TempFolder d;
    auto ecrire = [&](const std::string& nom, const char* texte) {
      if (!texte || nom == sans) return;
      std::filesystem::create_directories((d.path() / nom).parent_path());
      platform::writeFileAtomic(d.path() / nom, texte);
    };
    for (const char* nom : {"import/index2.php", "version.exe", "fleches/a.gif"}) ecrire(nom, " $_GET ");
    ecrire("moteur.php", moteur), ecrire("choix_liste.php", choix);
    EXPECT_EQ(supportsInstalles(d.path()), installe) << sans << (moteur ? moteur : "-") << (choix ? choix : "-");
  }
}

TEST(MiseAJourServeur, UpdateCheck) {
  const std::string q = "5.099\nVoulez-vous mettre à jour votre logiciel ? (connection obligatoire)";
  const std::string q2 = "Votre version 5.099 est différente de la nouvelle version 5.1. Voulez-vous télécharger les mises à jour ?";
  std::tuple<const char*, ui::Answer, std::vector<std::string>> cas[] = {  // page served (none: declined), answer
      {nullptr, No, {q, "Aucune mise à jour"}},
      {"Version 5.099", No, {q, "Aucune mise à jour"}},
      {"<p>Version 5,1 du logiciel", No, {q, q2, "Aucune mise à jour"}},
      {"<p>Version 5,1 du logiciel", Yes, {q, q2}}};
  for (const auto& [page, reponse, messages] : cas) {
    Atelier a(false);
    a.serveur.emplace(0, "tarvio", "k7vRp2");
    if (a.ecrire("version.exe", "MZ"), page) a.ecrireDistant("www/version.htm", page);
    a.demarrer();
    a.dialogs.queueAnswer(page ? Yes : Cancel), a.dialogs.queueAnswer(reponse);
    a.main().versionBClick();
    EXPECT_EQ(a.dialogs.messages(), messages);
    EXPECT_FALSE(a.existe("tmp/version.htm"));
    EXPECT_EQ(a.existe("tmp/pathexe.txt") && !a.main().visible(), reponse == Yes);
    if (reponse == Yes) {
      EXPECT_EQ(a.shell.opened,
                (std::vector<std::string>{app::web::kVersion, a.chemin("version.exe").string()}));
    }
  }
}

TEST(MiseAJourServeur, UpdateWindowFetchesWhatIsMissingAndALostServerLeavesNoHalfFile) {
  for (bool perdu : {false, true}) {
    Atelier a(false);
    a.serveur.emplace(perdu ? 20000 : 0, "tarvio", "k7vRp2");
    for (std::string f : {"index2.php", "moteur.php", "moteur_multi.php", "choix_liste.php", "version.exe"})
      a.ecrireDistant("www/" + f, std::string(8000, 'x'));
    for (int i = 1; i <= 12; ++i) a.ecrireDistant("www/fl" + std::to_string(i) + ".gif", "GIF");
    a.ecrire("version.exe", "mien"), a.ecrire("moteur_multi.php", "ancien");
    a.demarrer();
    if (perdu) a.pendantAttente = [&a] { if (a.existe("moteur.php")) a.serveur->stop(); };
    a.p().tarvioupdate().BitBtn2Click();
    EXPECT_EQ(a.dialogs.messages().size(), 1u);
    EXPECT_EQ(a.lire("moteur_multi.php").size() + a.lire("version.exe").size(), perdu ? 10u : 8004u);
    EXPECT_EQ(platform::listFiles(a.chemin("fleches")).size(), perdu ? 0u : 11u);
  }
}

TEST(MiseAJourServeur, OutsidePrograms) {
  Atelier a(false);
  a.ecrire("modules.txt", "absent.exe\r\n"), a.ecrire("stock2.exe", "MZ"), a.ecrire("Stock1.exe", "MZ");
  a.demarrer();
  a.main().module_OKClick(), a.main().bstockClick();
  EXPECT_EQ(a.dialogs.messages(), std::vector<std::string>{"Le fichier absent.exe est introuvable dans le dossier de la boutique."});
  EXPECT_EQ(a.shell.opened, std::vector<std::string>{a.chemin("Stock1.exe").string()});
}

}  // namespace
}  // namespace publish::test
