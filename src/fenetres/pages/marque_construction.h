#pragma once
// The mark of an unfinished build. A build empties ftp/ before it fills it again: a build that
// was stopped midway (killed, a failed write) leaves a site with most pages missing, which must
// never be published nor shown as the shop's site.

#include "platform/files.h"

namespace pages {

inline constexpr const char* kConstructionInacheveeApercu =
    "La dernière construction du site ne s'est pas terminée : le site est incomplet. "
    "Reconstruisez le site avant de l'afficher.";
inline constexpr const char* kConstructionInacheveeTransfert =
    "La dernière construction du site ne s'est pas terminée : le site est incomplet et ne peut "
    "pas être publié. Reconstruisez le site avant le transfert.";
inline constexpr const char* kConstructionInacheveeQuestion =
    "La dernière construction du site ne s'est pas terminée : le site est incomplet et ne peut "
    "pas être publié. Voulez-vous reconstruire le site maintenant ?";

// Written (durably) before the build touches anything, removed once it has written its last file.
void marquerDebutConstruction(const platform::DataFolder& dossier);
void marquerFinConstruction(const platform::DataFolder& dossier);
bool constructionInachevee(const platform::DataFolder& dossier);

}  // namespace pages
