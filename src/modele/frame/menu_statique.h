#pragma once
// The static category menu of the left menu: the categories by family, with title rows, text,
// bullet or button links with their roll-over images, or one drop-down list per family; the
// frame around them and the new-products image at the bottom.

#include "modele/frame/menu_gauche.h"
#include "platform/files.h"

namespace frame {

// Appends to the menu body and copies the images it names into ftp/.
void menuStatique(const EntreesMenuGauche& e, const platform::DataFolder& donnees,
                  EtatMenuGauche& m);

}  // namespace frame
