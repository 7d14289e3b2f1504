#pragma once
// The conditions-of-sale page writer: ftp/cv.htm from the settings and the section texts.

#include <functional>
#include <string>
#include <vector>

#include "modele/infopages/cv_options.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace infopages {

// The values the writer reads, gathered by its caller at the moment of the call.
struct EntreesPageConditions {
  std::string cvHTM;
  std::string cvente_titre_color;
  std::string cvente_texte_color;
  std::vector<RubriqueConditions> rubriques;  // the editor's list as it stands
  std::string police_defaut;
  std::string fond_page;
  std::string image_page;
  std::string fixe_page;
  char separateur = '-';
};

// The page before entity conversion, reading the sections' .vub files.
platform::LineList lignesPageConditions(const EntreesPageConditions& e,
                                        const platform::DataFolder& dossier);

// Writes ftp/cv.htm: the shop's import/cv.htm when cvHTM is "oui" (nothing when it is
// missing), else the page through cv2.htm, convertirAccents (cv2.htm into cv.htm) and cv.htm.
// Also copies the background image into ftp/. Throws platform::FileError.
void ecrireConditions(const EntreesPageConditions& e, const platform::DataFolder& dossier,
                      const std::function<void()>& convertirAccents);

}  // namespace infopages
