#include "modele/publish/vibdd.h"

#include "modele/app/texte_prix.h"
#include "platform/ftp.h"
#include "platform/text.h"

namespace publish {

TParametresVibdd chargerParametresVibdd(const platform::LineList& lignes) {
  return {lignes.value("url")};
}

std::string cleVibdd(std::string_view url, char sepurl) { return app::nomURL(url, sepurl); }

ListesVibdd::ListesVibdd(std::string_view login, std::string_view url_) : url(url_) {
  references.add("login=" + std::string(login));
  references.add("url=" + url);
}

void ListesVibdd::ajouterFiche(const platform::LineList& fiche) {
  references.add(platform::trim(fiche.value("reference")) + "=" + url);
  const std::string image = platform::trim(fiche.value("image"));
  if (!image.empty()) images.add(url + "/" + image);
}

bool estFichierTailles(std::string_view nom) { return nom.find("tailles") != std::string_view::npos; }

bool repertoireVibddValide(std::string_view login) {
  return platform::isFtpName(login) && login.find('\\') == std::string_view::npos &&
         login != "." && login != "..";
}

}  // namespace publish
