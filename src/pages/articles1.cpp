#include "pages/articles1.h"

#include "app/programme.h"

namespace pages {

TarticlesT::TarticlesT(app::Programme& programme) : ui::Form(programme.application(), "TarticlesT", "articlesT"), p_(programme) {
}

}  // namespace pages
