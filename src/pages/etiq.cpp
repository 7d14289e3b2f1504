#include "pages/etiq.h"

#include "app/programme.h"

namespace pages {

Tetiq1::Tetiq1(app::Programme& programme) : ui::Form(programme.application(), "Tetiq1", "etiq1"), p_(programme) {
}

}  // namespace pages
