#include "modele/publish/mise_a_jour.h"

#include "modele/app/texte_prix.h"
#include "platform/files.h"
#include "platform/text.h"

namespace publish {

namespace {

bool contient(const std::filesystem::path& fichier, std::string_view texte, bool rogner = false) {
  for (const auto& ligne : platform::LineList::load(fichier))
    if ((rogner ? platform::trim(ligne) : ligne).find(texte) != std::string::npos) return true;
  return false;
}

}  // namespace

bool supportsInstalles(const std::filesystem::path& donnees) {
  auto index = donnees / "import" / "index2.php";
  bool installe = platform::fileExists(index) && contient(index, "$_GET", true);
  bool actuel = true;
  if (platform::fileExists(donnees / "moteur.php")) actuel = contient(donnees / "moteur.php", "version 1.6");
  if (platform::fileExists(donnees / "choix_liste.php"))
    actuel = contient(donnees / "choix_liste.php", "version 1.03");
  if (!platform::folderExists(donnees / "fleches")) installe = false;
  return installe && actuel;
}

std::vector<FichierSupport> fichiersSupport(const std::filesystem::path& donnees) {
  std::vector<FichierSupport> fichiers{{"index2.php", "import/index2.php"},
                                       {"moteur.php", "moteur.php"},
                                       {"moteur_multi.php", "moteur_multi.php"},
                                       {"choix_liste.php", "choix_liste.php"}};
  if (!platform::fileExists(donnees / kProgrammeMiseAJour))
    fichiers.push_back({kProgrammeMiseAJour, kProgrammeMiseAJour});
  if (!platform::folderExists(donnees / "fleches"))
    for (int i = 1; i <= 11; ++i) {
      std::string nom = "fl" + std::to_string(i) + ".gif";
      fichiers.push_back({nom, "fleches/" + nom});
    }
  return fichiers;
}

std::string versionAnnoncee(const platform::LineList& page) {
  static constexpr std::string_view kMarque = "version ";
  for (const auto& ligne : page) {
    std::string minuscule = platform::lowerAscii(ligne);
    auto position = minuscule.find(kMarque);
    if (position == std::string::npos) continue;
    std::string reste = platform::trim(minuscule.substr(position + kMarque.size()));
    return app::nettoyerPrix(reste.substr(0, reste.find(' ')));
  }
  return {};
}

}  // namespace publish
