#include "frame/voir_menu.h"

#include "app/programme.h"

namespace frame {

Tvoir_menu1::Tvoir_menu1(app::Programme& programme) : ui::Form(programme.application(), "Tvoir_menu1", "voir_menu1"), p_(programme) {
}

void adapterPagesImport(const platform::DataFolder&) {}

}  // namespace frame
