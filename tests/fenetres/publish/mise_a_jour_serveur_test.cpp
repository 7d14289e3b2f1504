// The support-file check, update check and update, and the outside programs; a loopback server
// stands for the maker's (its user, and the password the program descrambles).

#include <gtest/gtest.h>

#include "atelier_publication.h"
#include "fenetres/publish/fenetre_mise_a_jour.h"
#include "modele/app/web.h"
#include "modele/publish/mise_a_jour.h"

namespace publish::test {
namespace {

using enum ui::Answer;

TEST(MiseAJour, SupportFileCheck) {
  // File left out of the complete set, moteur.php, choix_liste.php (nullptr: absent), installed.
  std::tuple<std::string, const char*, const char*, bool> cas[] = {
      {"", nullptr, nullptr, true}, {"import/index2.php", nullptr, nullptr, false},
      {"version.exe", nullptr, nullptr, true},  // the updater of the other platform: not needed here
      {"fleches/a.gif", nullptr, nullptr, false},
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
  // The file whose arrival stops the server ("": never), whether the server offers the updater
  // (not here: it is left out), the sizes of moteur_multi.php + version.exe, the arrows received.
  std::tuple<const char*, bool, size_t, size_t> cas[] = {
      {"", true, 8004, 11}, {"", false, 8004, 11}, {"moteur.php", true, 10, 0},
      {"fleches/fl5.gif", true, 8004, 0}};
  for (const auto& [perte, updater, tailles, fleches] : cas) {
    SCOPED_TRACE(perte);
    Atelier a(false);
    a.serveur.emplace(*perte ? 20000 : 0, "tarvio", "k7vRp2");
    for (std::string f : {"index2.php", "moteur.php", "moteur_multi.php", "choix_liste.php"})
      a.ecrireDistant("www/" + f, std::string(8000, 'x'));
    if (updater) a.ecrireDistant("www/version.exe", "MZ");
    // Arrows long enough to be still on their way when the server goes.
    for (int i = 1; i <= 12; ++i) a.ecrireDistant("www/fl" + std::to_string(i) + ".gif", std::string(4000, 'G'));
    if (updater) a.ecrire("version.exe", "mien");
    a.ecrire("moteur_multi.php", "ancien");
    a.demarrer();
    const std::string arret = perte;
    if (*perte) a.pendantAttente = [&a, arret] { if (a.existe(arret)) a.serveur->stop(); };
    a.p().tarvioupdate().BitBtn2Click();
    EXPECT_EQ(a.dialogs.messages().size(), 1u);
    EXPECT_EQ(a.lire("moteur_multi.php").size() + (a.existe("version.exe") ? a.lire("version.exe").size() : 0),
              updater ? tailles : tailles - 4);
    EXPECT_EQ(platform::folderExists(a.chemin("fleches")), fleches > 0);
    if (fleches) EXPECT_EQ(platform::listFiles(a.chemin("fleches")).size(), fleches);
    EXPECT_EQ(a.p().tarvioupdate().visible(), *perte != 0) << "closed once done";
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
