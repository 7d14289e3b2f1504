#pragma once
// Main and popup menus with their items.

#include <string>

#include "ui/control.h"

namespace ui {

class MainMenu : public Control {
 public:
  MainMenu(Control& parent, std::string name);
};

class PopupMenu : public Control {
 public:
  PopupMenu(Control& parent, std::string name);
};

// An item of a menu or of another item (a sub-menu). The user's choice runs onClick.
class MenuItem : public Control {
 public:
  MenuItem(Control& parent, std::string name, std::string caption, std::string shortcut = {});
  bool checked() const { return checked_; }
  void setChecked(bool checked);
  const std::string& shortcut() const { return shortcut_; }

 private:
  bool checked_ = false;
  std::string shortcut_;
};

}  // namespace ui
