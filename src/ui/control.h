#pragma once
// The base of every control of the widget model: a named node of its form with the state every
// control has (caption, visibility, enabled, font, colour, bounds) and its events. A renderer
// observes changes; tests act as a user through the user-action methods.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/types.h"

namespace platform {
class FileError;
}

namespace ui {

class Control;
class Form;

class Observer {
 public:
  virtual ~Observer() = default;
  virtual void changed(Control& control, Property property) = 0;
};

// A user action on a control the user could not reach (disabled or hidden).
class UnreachableControl : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class Kind {
  Form,
  Button,
  Label,
  Edit,
  Memo,
  ListBox,
  ComboBox,
  CheckBox,
  RadioButton,
  RadioGroup,
  CheckListBox,
  FileListBox,
  PageControl,
  TabSheet,
  GroupBox,
  Panel,
  Shape,
  Image,
  ScrollBar,
  UpDown,
  Gauge,
  StatusBar,
  MainMenu,
  PopupMenu,
  MenuItem,
  Component,  // not shown: dialogs components, working objects
};

class Control {
 public:
  Control(Control& parent, std::string name, Kind kind);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  Control* parent() const { return parent_; }
  Form& form() const { return *form_; }
  const std::vector<Control*>& children() const { return children_; }

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  bool visible() const { return visible_; }
  virtual void setVisible(bool visible);
  void show() { setVisible(true); }
  void hide() { setVisible(false); }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  const Font& font() const { return font_; }
  void setFont(const Font& font);
  void setFontColour(Colour colour);
  void setFontBold(bool bold);
  Colour colour() const { return colour_; }
  void setColour(Colour colour);
  const std::string& hint() const { return hint_; }
  void setHint(std::string hint);
  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor cursor);
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setBounds(int left, int top, int width, int height);
  int tag = 0;

  // The program puts the keyboard focus in the control (a renderer moves it there).
  void setFocus();

  // True when the user can reach the control: no command is running, and it and every container
  // up to its form are visible and enabled.
  bool reachable() const;
  // True while a handler runs. The front end lets the user's events in while a long command
  // keeps its windows painted: the user's actions are refused then, so no command is re-entered.
  static bool commandRunning();

  // Handlers, named as the toolkit names them.
  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void()> onEnter;
  std::function<void()> onExit;
  std::function<void(int& key, Shift shift)> onKeyDown;
  std::function<void(char& key)> onKeyPress;

  // Runs a handler. At the outermost level (a user's action or a window event) a file error or an
  // unreadable number is told to the user in French instead of escaping: the command stops there, and the files, which
  // are only ever replaced whole, stay as they were.
  void fire(const std::function<void()>& handler);
  // The same box, for the few handlers that go on after such an error (a window that opens with
  // its defaults, a run that reports and stops partway).
  void reportError(const std::runtime_error& error);

  // User actions. click() throws UnreachableControl on a control the user cannot reach.
  virtual void click();
  void doubleClick();
  // The user moves the focus elsewhere (Tab, a click on another control): onExit.
  void leave();
  // A key pressed while the control has the focus: onKeyDown, then onKeyPress for a character
  // key that onKeyDown did not swallow (set to 0).
  void pressKey(int key, Shift shift = {});

 protected:
  // The constructor of a Form: a root without parent.
  Control(std::string name, Kind kind);
  // Tells the form's observers (the renderer) that a property changed.
  void notify(Property property);
  void requireReachable() const;

 private:
  friend class Form;
  Kind kind_;
  std::string name_;
  Control* parent_ = nullptr;
  Form* form_ = nullptr;
  std::vector<Control*> children_;
  std::string caption_;
  std::string hint_;
  bool visible_ = true;
  bool enabled_ = true;
  Font font_;
  Colour colour_ = clBtnFace;
  Cursor cursor_ = Cursor::Default;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace ui
