#include "app/tri_catego1.h"

#include "app/programme.h"

namespace app {

Ttri_cat::Ttri_cat(app::Programme& programme) : ui::Form(programme.application(), "Ttri_cat", "tri_cat"), p_(programme) {
}

}  // namespace app
