#include "pages/data.h"

#include "app/programme.h"

namespace pages {

Tdata1::Tdata1(app::Programme& programme) : ui::Form(programme.application(), "Tdata1", "data1"), p_(programme) {
}

}  // namespace pages
