#include "modele/publish/transfert_regles.h"

#include "modele/app/texte_prix.h"
#include "platform/files.h"
#include "platform/text.h"

#include <cstdio>
#include <ctime>
#include <unordered_set>

namespace publish {

namespace {

// Pages that are frames or parts of pages, never listed in the site map.
constexpr std::string_view kHorsPlanSite[] = {"index2.htm", "index3.html", "index3.htm",
                                               "cv.htm",     "cvf.htm",     "accueil_iframe.htm"};
// In the single-page layout the home page is reached through index.htm only.
constexpr std::string_view kAccueilSansFrames[] = {"accueil.htm", "accueil2.htm"};

bool horsPlanSite(std::string_view nom, bool framesOui) {
  for (auto exclu : kHorsPlanSite)
    if (nom == exclu) return true;
  if (!framesOui)
    for (auto exclu : kAccueilSansFrames)
      if (nom == exclu) return true;
  return false;
}

}  // namespace

bool fichiersIdentiques(const std::filesystem::path& a, const std::filesystem::path& b) {
  try {
    if (platform::fileSize(a) != platform::fileSize(b)) return false;
    return platform::readFile(a) == platform::readFile(b);
  } catch (const platform::FileError&) {
    return false;
  }
}

std::string texteDate(std::chrono::system_clock::time_point t) {
  std::time_t secondes = std::chrono::system_clock::to_time_t(t);
  std::tm jour{};
  localtime_r(&secondes, &jour);
  char texte[64];
  std::snprintf(texte, sizeof texte, "lastmod=%04d-%02d-%02d", jour.tm_year + 1900, jour.tm_mon + 1,
                jour.tm_mday);
  return texte;
}

platform::LineList pageRedirection(std::string_view accueil, std::string_view police) {
  return {
      "<HTML>",
      "<HEAD>",
      "<TITLE>Page d'accueil</TITLE>",
      "<script language=\"JavaScript\">",
      "function reframe()",
      "{",
      "if(parent.frames.length <= 1)",
      "{",
      "location.replace(\"index2.php?url_principal=" + std::string(accueil) + "\");",
      "}",
      "}",
      "</script>",
      "</HEAD>",
      "<BODY OnLoad=\"reframe()\" Marginwidth=0 marginheight=0 leftmargin=0 topmargin=8>",
      "<br><br><br><br>",
      "<center>",
      "<font face=\"" + std::string(police) + "\"><b>PAGE D'ACCUEIL</b></font>",
      "</center>",
      "</BODY>",
      "</HTML>",
  };
}

std::string extensionPremierPoint(std::string_view nom) {
  size_t point = nom.find('.');
  if (point == std::string_view::npos) return {};
  return platform::trim(nom.substr(point + 1));
}

bool entreDansPlanSite(std::string_view nom, bool framesOui) {
  std::string extension = extensionPremierPoint(nom);
  if (extension != "htm" && extension != "html" && extension != "php") return false;
  return !horsPlanSite(nom, framesOui);
}

std::string urlLignePlanSite(std::string_view ligne) {
  size_t blanc = ligne.find(' ');
  if (blanc == std::string_view::npos) return {};
  return platform::trim(ligne.substr(0, blanc));
}

platform::LineList fusionnerPlanSite(const platform::LineList& nouvelles,
                                     const platform::LineList& anciennes,
                                     std::string_view urlBoutique, bool framesOui) {
  std::unordered_set<std::string> ecartees;
  for (auto exclu : kHorsPlanSite) ecartees.insert(std::string(urlBoutique) + "/" + std::string(exclu));
  if (!framesOui)
    for (auto exclu : kAccueilSansFrames)
      ecartees.insert(std::string(urlBoutique) + "/" + std::string(exclu));
  for (const auto& ligne : nouvelles) ecartees.insert(urlLignePlanSite(ligne));

  platform::LineList fusion = nouvelles;
  for (const auto& ligne : anciennes)
    if (!ecartees.count(urlLignePlanSite(ligne))) fusion.add(ligne);
  return fusion;
}

std::string formaterTaille(long long octets) {
  std::string texte = app::formaterPrix(platform::fromInteger(octets));
  return texte.substr(0, texte.find(','));
}

}  // namespace publish
