#pragma once
// Sizes given to controls for the automatic layout of the front end, which places the controls
// of a container one after the other in declaration order: fixed widths make rows and columns.

#include "ui/control.h"

namespace ui {

// Height of a one-line field (edit, combo box). A label beside a field is given this height so
// that its text is centred on the field's.
inline constexpr int kLineHeight = 22;

// Width and height of a control for the layout; 0 keeps the control's own size that way.
inline void setSize(Control& control, int width, int height = 0) {
  control.setBounds(control.left(), control.top(), width, height);
}

}  // namespace ui
