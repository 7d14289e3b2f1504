#include "frame/apercu.h"

namespace frame {

// The preview comes with the frame generator; until then the editors' "Aperçu" saves only.
void apercuSite(app::Programme&) {}

}  // namespace frame
