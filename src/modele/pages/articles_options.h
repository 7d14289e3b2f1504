#pragma once
// articles.ini as the list-page options window writes it: every key, in the file's order.

#include "modele/pages/vignette_entete.h"
#include "platform/lines.h"

namespace pages {

// The check boxes of the file: "oui" when ticked, empty when not.
bool caseOptionsArticles(const char* cle);

platform::LineList lignesOptionsArticles(const TOptionsArticles& o);

}  // namespace pages
