#include "publish/kelkoo3.h"

#include "app/programme.h"

namespace publish {

Tkelkoo2::Tkelkoo2(app::Programme& programme) : ui::Form(programme.application(), "Tkelkoo2", "kelkoo2"), p_(programme) {
}

}  // namespace publish
