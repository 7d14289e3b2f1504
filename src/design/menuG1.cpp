#include "design/menuG1.h"

#include "app/programme.h"

namespace design {

TmenuG::TmenuG(app::Programme& programme) : ui::Form(programme.application(), "TmenuG", "menuG"), p_(programme) {
}

}  // namespace design
