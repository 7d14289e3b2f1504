#include "modele/frame/pages_import.h"

#include "modele/frame/valeur_script.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace frame {

namespace {

constexpr std::string_view kScriptPanier = "cgi/commande.php";
constexpr std::string_view kFinAdresse = "\"' >";

}  // namespace

std::optional<std::string> adapterLienPanier(std::string_view ligne, std::string_view url_panier) {
  const size_t script = ligne.find(kScriptPanier);
  if (script == std::string_view::npos) return std::nullopt;
  if (ligne.find("session_client") != std::string_view::npos) return std::nullopt;
  // The address of this link only: its own "http", then its query up to the extension's end.
  const size_t http = ligne.substr(0, script).rfind("http");
  const size_t login = ligne.find("?login", script);
  if (http == std::string_view::npos || login == std::string_view::npos) return std::nullopt;
  const size_t ext = ligne.find("ext=", login);
  if (ext == std::string_view::npos) return std::nullopt;
  size_t fin = ligne.find_first_of("\"' >&", ext + 4);
  if (fin == std::string_view::npos) fin = ligne.size();
  if (ligne.substr(http, login - http).find_first_of(kFinAdresse) != std::string_view::npos ||
      ligne.substr(login, fin - login).find_first_of(kFinAdresse) != std::string_view::npos)
    return std::nullopt;
  return std::string(ligne.substr(0, http)) + "JavaScript:document.location.href='" +
         std::string(url_panier) + std::string(ligne.substr(login, fin - login)) +
         "&session_client='+" + valeurSure("top.session_client") + "+''" + platform::trim(ligne.substr(fin));
}

void adapterPagesImport(const platform::DataFolder& dossier, std::string_view url_panier) {
  for (const char* nom : {"import/top.htm", "import/accueil.htm"}) {
    if (!dossier.exists(nom)) continue;
    platform::LineList page = platform::LineList::load(dossier.path(nom));
    bool modifiee = false;
    for (std::string& ligne : page) {
      if (std::optional<std::string> nouvelle = adapterLienPanier(ligne, url_panier)) {
        ligne = *nouvelle;
        modifiee = true;
      }
    }
    if (modifiee) page.save(dossier.path(nom));
  }
}

}  // namespace frame
