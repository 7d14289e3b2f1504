#include "infopages/fairecv.h"

#include "app/programme.h"

namespace infopages {

Tfaire_cv1::Tfaire_cv1(app::Programme& programme) : ui::Form(programme.application(), "Tfaire_cv1", "faire_cv1"), p_(programme) {
}

// Comes with the page writer of its own; the preview calls it in its place.
void Tfaire_cv1::faire_cv() {}

}  // namespace infopages
