#include "frame/cadre_page.h"

#include "app/fiche.h"
#include "app/programme.h"
#include "design/menu.h"
#include "design/style_principal.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace frame {

std::string pageTop(app::Programme& programme) {
  std::string& distant = programme.main().options.options.TOP_distant;
  distant = platform::trim(distant);
  if (!distant.empty()) return distant;
  return programme.menu1().options.topHTM == "oui" ? "top.htm" : "top2.htm";
}

int largeurColonne(std::string_view largeur_menu) {
  return static_cast<int>(platform::toInteger(largeur_menu).value_or(0)) + 30;
}

std::string transparence(std::string_view image, std::string_view imagePage) {
  return image == imagePage ? "ALLOWTRANSPARENCY=\"true\"" : "";
}

std::string espaceur(std::string_view hauteur) {
  return "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=" + std::string(hauteur) +
         " BORDER=0><br>";
}

}  // namespace frame
