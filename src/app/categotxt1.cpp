#include "app/categotxt1.h"

#include "app/programme.h"

namespace app {

Tcategotxt::Tcategotxt(app::Programme& programme) : ui::Form(programme.application(), "Tcategotxt", "categotxt"), p_(programme) {
}

}  // namespace app
