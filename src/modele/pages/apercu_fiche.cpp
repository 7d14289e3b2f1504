#include "modele/pages/apercu_fiche.h"

namespace pages {

std::string fondApercuFiche(const std::string& fond_page, const std::string& image_page,
                            const std::string& fixe_page) {
  std::string fond = fond_page.empty() ? std::string() : fond_page + " ";
  if (!image_page.empty()) fond = "url(" + image_page + ") ";
  if (fixe_page == "oui") fond += "fixed";
  return fond;
}

platform::LineList pageApercuFiche(const platform::LineList& carte, const std::string& reference,
                                   const std::string& fond) {
  platform::LineList page;
  page.add("<HTML>");
  page.add("<HEAD>");
  page.add("<TITLE>" + reference + "</TITLE>");
  if (!fond.empty()) {
    page.add("<STYLE TYPE=\"text/css\">");
    page.add("<!--");
    page.add("BODY {background: " + fond + ";}");
    page.add("// -->");
    page.add("</STYLE>");
  }
  page.add("</HEAD>");
  page.add("<BODY>");
  page.add("<CENTER>");
  page.add(carte);
  page.add("</CENTER></BODY></HTML>");
  return page;
}

}  // namespace pages
