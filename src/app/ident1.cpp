#include "app/ident1.h"

#include "app/programme.h"

namespace app {

Tident::Tident(app::Programme& programme) : ui::Form(programme.application(), "Tident", "ident"), p_(programme) {
}

void Tident::chargerIdent() { app::chargerIdent(p_.donnees(), identite); }

}  // namespace app
