#include "app/tri_theme1.h"

#include "app/programme.h"

namespace app {

Ttri_thems::Ttri_thems(app::Programme& programme) : ui::Form(programme.application(), "Ttri_thems", "tri_thems"), p_(programme) {
}

}  // namespace app
