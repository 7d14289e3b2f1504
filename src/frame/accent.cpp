#include "frame/accent.h"

#include "app/programme.h"

namespace frame {

Taccents1::Taccents1(app::Programme& programme) : ui::Form(programme.application(), "Taccents1", "accents1"), p_(programme) {
}

}  // namespace frame
