#include "design/metacat4.h"

#include "app/programme.h"

namespace design {

Tmetacat::Tmetacat(app::Programme& programme) : ui::Form(programme.application(), "Tmetacat", "metacat"), p_(programme) {
}

}  // namespace design
