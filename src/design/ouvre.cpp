#include "design/ouvre.h"

#include "app/programme.h"

namespace design {

TForm2::TForm2(app::Programme& programme) : ui::Form(programme.application(), "TForm2", "Form2"), p_(programme) {
}

}  // namespace design
