#pragma once
// Windows and the application that knows them. Showing a window makes it the active one (the
// previous active window deactivates first); dialogs of the Dialogs door do not change the
// active window.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace ui {

class Application;
class Dialogs;
class PageControl;

class Form : public Control {
 public:
  // className is the window's class name (`Tmain`), name its form variable (`main`).
  Form(Application& application, std::string className, std::string name);
  ~Form() override;

  const std::string& className() const { return className_; }
  Application& application() const { return application_; }
  Dialogs& dialogs() const;

  // A window of a single fixed border: its size is the model's, whatever its texts; a text
  // longer than its place is cut short.
  bool fixedSize = false;
  // A borderless panel shown inside the window of this page control, over its pages, while it
  // is in front of that window (shown or activated after it); nullptr: a window of its own.
  PageControl* panelOver = nullptr;

  std::function<void()> onCreate;
  std::function<void()> onShow;
  std::function<void()> onHide;
  std::function<void()> onActivate;
  std::function<void()> onDeactivate;
  std::function<void()> onPaint;
  std::function<void()> onClose;

  // show() makes the window visible (onShow when it was hidden) and active; hide() hides it
  // (onHide when it was visible) and the window shown before it becomes active.
  void setVisible(bool visible) override;
  // onClose, then hidden, unless onClose called keepOpen().
  void close();
  void keepOpen() { keepOpen_ = true; }
  // Before edits not saved go: Oui saves them, Non drops them, Annuler keeps them. True when they
  // may go; false on Annuler or when the save refused or failed (the user was told why).
  bool mayDropEdits(std::string_view question, const std::function<bool()>& save);
  // The window comes to the front: the active window deactivates, this one activates. Nothing
  // happens when it already is the active one.
  void activate();
  // One paint of the window: onPaint, never re-entered from inside itself.
  void paint();
  bool active() const;

  // The control of this form registered under name, or nullptr.
  Control* find(std::string_view name) const;
  template <typename T>
  T* find(std::string_view name) const {
    return dynamic_cast<T*>(find(name));
  }
  // The control the program last put the focus in, or nullptr.
  Control* focused() const { return focus_; }
  // Every control of the form, in declaration order.
  const std::vector<Control*>& controls() const { return controls_; }

  void addObserver(Observer* observer);
  void removeObserver(Observer* observer);

 private:
  friend class Control;
  void registerControl(Control& control);
  void unregisterControl(Control& control);
  void notifyObservers(Control& control, Property property);

  Application& application_;
  std::string className_;
  bool keepOpen_ = false;
  std::vector<Control*> controls_;
  std::map<std::string, Control*, std::less<>> byName_;
  std::vector<Observer*> observers_;
  bool painting_ = false;
  Control* focus_ = nullptr;
};

// Tells a front end that windows appear, disappear or change focus.
class ApplicationObserver {
 public:
  virtual ~ApplicationObserver() = default;
  virtual void windowShown(Form& form) = 0;
  virtual void windowHidden(Form& form) = 0;
  virtual void windowActivated(Form& form) = 0;
  virtual void cursorChanged(Cursor cursor) = 0;
};

class Application {
 public:
  explicit Application(Dialogs& dialogs);
  Dialogs& dialogs() const { return dialogs_; }
  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }

  // Every window, in creation order.
  const std::vector<Form*>& forms() const { return forms_; }
  Form* findForm(std::string_view className) const;
  Form* activeForm() const { return active_; }
  Form* mainForm() const { return forms_.empty() ? nullptr : forms_.front(); }

  // The screen cursor (the hourglass during long commands).
  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor cursor);

  void setObserver(ApplicationObserver* observer) { observer_ = observer; }

 private:
  friend class Form;
  void added(Form& form);
  void removed(Form& form);
  void makeActive(Form* form);
  void shown(Form& form);
  void hidden(Form& form);

  Dialogs& dialogs_;
  std::string title_;
  std::vector<Form*> forms_;
  std::vector<Form*> zOrder_;  // visible windows, front last
  Form* active_ = nullptr;
  Cursor cursor_ = Cursor::Default;
  ApplicationObserver* observer_ = nullptr;
};

}  // namespace ui
