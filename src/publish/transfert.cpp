#include "publish/transfert.h"

#include "app/programme.h"

namespace publish {

Ttransfert1::Ttransfert1(app::Programme& programme) : ui::Form(programme.application(), "Ttransfert1", "transfert1"), p_(programme) {
  setCaption("Transfert des pages du Site");
}

}  // namespace publish
