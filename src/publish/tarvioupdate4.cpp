#include "publish/tarvioupdate4.h"

#include "app/programme.h"

namespace publish {

Ttarvioupdate::Ttarvioupdate(app::Programme& programme) : ui::Form(programme.application(), "Ttarvioupdate", "tarvioupdate"), p_(programme) {
  setCaption("UpDate");
}

}  // namespace publish
