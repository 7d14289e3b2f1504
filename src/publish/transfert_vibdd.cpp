// The marketplace upload that follows the site upload comes with its own work; until then it
// sends nothing and lets the publication end normally.

#include "publish/transfert.h"

namespace publish {

bool Ttransfert1::transfertVibdd() { return true; }

}  // namespace publish
