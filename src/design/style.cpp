#include "design/style.h"

#include "app/programme.h"

namespace design {

TForm1::TForm1(app::Programme& programme) : ui::Form(programme.application(), "TForm1", "Form1"), p_(programme) {
}

}  // namespace design
