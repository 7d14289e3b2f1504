#include "pages/vignette.h"

#include "app/programme.h"

namespace pages {

Tvignette1::Tvignette1(app::Programme& programme) : ui::Form(programme.application(), "Tvignette1", "vignette1"), p_(programme) {
}

}  // namespace pages
