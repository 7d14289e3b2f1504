#include "design/hexa1.h"

#include "app/programme.h"

namespace design {

Thexa1::Thexa1(app::Programme& programme) : ui::Form(programme.application(), "Thexa1", "hexa1"), p_(programme) {
}

}  // namespace design
