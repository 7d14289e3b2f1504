#include "ui/menu.h"

namespace ui {

MainMenu::MainMenu(Control& parent, std::string name)
    : Control(parent, std::move(name), Kind::MainMenu) {}

PopupMenu::PopupMenu(Control& parent, std::string name)
    : Control(parent, std::move(name), Kind::PopupMenu) {}

MenuItem::MenuItem(Control& parent, std::string name, std::string caption, std::string shortcut)
    : Control(parent, std::move(name), Kind::MenuItem), shortcut_(std::move(shortcut)) {
  setCaption(std::move(caption));
}

void MenuItem::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  notify(Property::Checked);
}

}  // namespace ui
