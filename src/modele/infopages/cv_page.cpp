#include "modele/infopages/cv_page.h"

#include "modele/app/texte_prix.h"
#include "platform/charset.h"
#include "platform/text.h"

namespace infopages {

namespace {

std::string fondConditions(const EntreesPageConditions& e) {
  std::string fond;
  if (!e.fond_page.empty()) fond = e.fond_page + " ";
  if (!e.image_page.empty()) fond += "url(" + e.image_page + ") ";
  if (e.fixe_page == "oui") fond += "fixed";
  return fond;
}

// Overwrites; a copy that fails stops the writer.
void copier(const platform::DataFolder& dossier, const std::string& source,
            const std::string& destination) {
  if (!app::copierFichier(dossier.path(source), dossier.path(destination), false))
    throw platform::FileError("Impossible de copier " + source + " vers " + destination);
}

}  // namespace

platform::LineList lignesPageConditions(const EntreesPageConditions& e,
                                        const platform::DataFolder& dossier) {
  platform::LineList page{"<HTML><HEAD>", platform::kCharsetMeta,
                          "<TITLE>Conditions de vente</TITLE>"};
  const std::string fond = fondConditions(e);
  if (!fond.empty())
    page.add(platform::LineList{"<STYLE TYPE=\"text/css\">", "BODY {background: " + fond + ";}",
                                "</STYLE>"});
  page.add(platform::LineList{"</HEAD>", "<BODY>", "<center>"});

  // The title is written whether "Titre" is ticked or not.
  std::string titre;
  for (const std::string& ligne : platform::loadIfPresent(dossier, fichierRubrique("Titre", e.separateur)))
    titre += platform::trim(ligne) + " ";
  page.add("<FONT color=\"" + e.cvente_titre_color + "\" face=\"" + e.police_defaut +
           "\" size=3><B>" + titre + "</B></FONT>");
  page.add(platform::LineList{"</center>", "<br>"});

  for (const RubriqueConditions& r : e.rubriques) {
    if (r.nom == "Titre" || r.nom == "Bulle" || !r.cochee) continue;
    // The help page and the top bar link "cv.htm#delai".
    if (r.nom == "Délai") page.add("<a name=\"delai\"></a>");
    std::string texte = "<P align=\"justify\"><FONT face=\"" + e.police_defaut +
                        "\" size=2 color=\"" + e.cvente_texte_color + "\">";
    std::string titreRubrique;
    const platform::LineList lignes = platform::loadIfPresent(dossier, fichierRubrique(r.nom, e.separateur));
    for (size_t i = 0; i < lignes.size(); ++i) {
      if (i == 0)
        titreRubrique = platform::trim(lignes[i]);
      else
        texte += platform::trim(lignes[i]) + " ";
    }
    page.add("<UL><LI><FONT face=\"" + e.police_defaut + "\" size=2 color=\"" +
             e.cvente_texte_color + "\"><STRONG>" + titreRubrique);
    page.add(platform::LineList{"</STRONG></FONT></LI></UL>", "<OL>", texte, "</FONT></P></OL>"});
  }
  page.add(platform::LineList{"</BODY>", "</HTML>"});
  return page;
}

void ecrireConditions(const EntreesPageConditions& e, const platform::DataFolder& dossier,
                      const std::function<void()>& convertirAccents) {
  platform::makeFolder(dossier.path("ftp"));
  if (e.cvHTM == "oui") {
    if (dossier.exists("import/cv.htm"))
      copier(dossier, "import/cv.htm", "ftp/cv.htm");
    return;
  }
  if (!e.image_page.empty() && platform::safeRelativePath(e.image_page) &&
      dossier.exists("fonds/" + e.image_page))
    copier(dossier, "fonds/" + e.image_page, "ftp/" + e.image_page);
  lignesPageConditions(e, dossier).save(dossier.path("cv2.htm"));
  // Only this run's conversion reaches ftp/: an old cv.htm is never published in its place.
  const auto converti = dossier.path("cv.htm");
  if (!platform::removeFile(converti) && platform::fileExists(converti))
    throw platform::FileError("Impossible de supprimer le fichier " + converti.string());
  convertirAccents();
  if (dossier.exists("cv.htm")) copier(dossier, "cv.htm", "ftp/cv.htm");
}

}  // namespace infopages
