#include "ui/dialogs.h"

#include "ui/form.h"

namespace ui {

OpenDialog::OpenDialog(Control& parent, std::string name, std::string filter)
    : Control(parent, std::move(name), Kind::Component) {
  options.filter = std::move(filter);
  Control::setVisible(false);
}

bool OpenDialog::execute() {
  auto chosen = form().dialogs().openFile(options);
  if (!chosen) return false;
  fileName = *chosen;
  return true;
}

SaveDialog::SaveDialog(Control& parent, std::string name, std::string filter)
    : Control(parent, std::move(name), Kind::Component) {
  options.filter = std::move(filter);
  Control::setVisible(false);
}

bool SaveDialog::execute() {
  auto chosen = form().dialogs().saveFile(options);
  if (!chosen) return false;
  fileName = *chosen;
  return true;
}

ColorDialog::ColorDialog(Control& parent, std::string name)
    : Control(parent, std::move(name), Kind::Component) {
  Control::setVisible(false);
}

bool ColorDialog::execute() {
  auto chosen = form().dialogs().chooseColour(color);
  if (!chosen) return false;
  color = *chosen;
  return true;
}

}  // namespace ui
