#include "fenetres/publish/fenetre_brouillage.h"

#include "fenetres/app/programme.h"

namespace publish {

TForm3::TForm3(app::Programme& programme)
    : ui::Form(programme.application(), "TForm3", "Form3"), p_(programme) {}

}  // namespace publish
