#include "pages/page1.h"

#include "app/programme.h"

namespace pages {

Tpage::Tpage(app::Programme& programme) : ui::Form(programme.application(), "Tpage", "page"), p_(programme) {
}

}  // namespace pages
