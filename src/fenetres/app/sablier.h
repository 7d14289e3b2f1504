#pragma once
// The hourglass over a control, or over the whole program, for the length of a command, restored
// however the command ends.

#include "ui/control.h"
#include "ui/form.h"

namespace app {

template <class Cible>
class CurseurAttente {
 public:
  explicit CurseurAttente(Cible& cible) : cible_(cible) { cible_.setCursor(ui::Cursor::HourGlass); }
  ~CurseurAttente() { cible_.setCursor(ui::Cursor::Default); }
  CurseurAttente(const CurseurAttente&) = delete;
  CurseurAttente& operator=(const CurseurAttente&) = delete;

 private:
  Cible& cible_;
};

}  // namespace app
