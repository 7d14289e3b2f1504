#pragma once
// Mirrors the windows of the widget model as Qt widgets. Each form gets its top-level window
// the first time it is shown; from then on the renderer observes it: a model change updates the
// widget, a user's action on a widget goes to the model through the user-action methods the
// tests use. Widgets updated from the model never send the change back.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

class QAction;
class QWidget;

namespace qtui {

// The one conversion between the model's Windows-1252 text and Qt's text.
QString toQt(std::string_view cp1252);
std::string fromQt(const QString& text);

// Counts the modal dialogs running: while one runs, the model is not entered from window events
// (paints and activations wait until the last dialog is closed).
class ModalState {
 public:
  void enter() { ++depth_; }
  void leave();
  bool running() const { return depth_ > 0; }
  // Called when the last dialog closes.
  std::function<void()> onIdle;

 private:
  int depth_ = 0;
};

class FormView;

class Renderer : public ui::ApplicationObserver {
 public:
  Renderer(ui::Application& application, ModalState& modal);
  ~Renderer() override;
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // The top-level window of a form, built (not shown) on first use.
  QWidget* window(ui::Form& form);
  // The widget that shows a control, nullptr for menu items and non-visual components.
  QWidget* widget(const ui::Control& control);
  // The action of a menu item (for an item with sub-items, the action that opens its menu).
  QAction* action(const ui::Control& menuItem);

  void windowShown(ui::Form& form) override;
  void windowHidden(ui::Form& form) override;
  void windowActivated(ui::Form& form) override;
  void cursorChanged(ui::Cursor cursor) override;

  // Window events from Qt.
  void userActivated(ui::Form& form);
  void exposed(ui::Form& form);
  void userClosed(ui::Form& form);

  // The user clicked or moved the focus into the widget. Panels shown inside another window get
  // no activation from the window system: this tells which of them, or that window, is in front.
  void userEntered(QWidget* widget);

  // Runs a user's action on the model; an error escaping the model is shown, never thrown
  // through Qt.
  void run(const std::function<void()>& action);
  bool closing() const { return closing_; }
  // The window a panel is shown in grows to show it whole, a window with panels to show its
  // pages whole (FormView::fitToPanels).
  void makeRoomFor(FormView& view);

 private:
  FormView& view(ui::Form& form);
  FormView* existingView(const ui::Control& control) const;
  // While a dialog or a command runs (a long command processes the events), window events do
  // not enter the model: they wait for its end (paints and activations) or are dropped.
  bool waiting();
  void paintPending();
  void raise(ui::Form& form);
  // Where a window first appears.
  void place(ui::Form& form, QWidget& window);
  // The panels shown over the page controls of a window.
  std::vector<ui::Form*> panelsOf(const ui::Form& window) const;
  // The panel of the window that is on screen in front of it, if any.
  ui::Form* frontPanel(const ui::Form& window) const;
  // A panel comes in front of its window (and of the other panels over the same page control).
  void showPanel(ui::Form& panel);

  ui::Application& application_;
  ModalState& modal_;
  std::map<const ui::Form*, std::unique_ptr<FormView>> views_;
  // A window the model made active whose activation by the window system is still on its way:
  // activations of other windows meanwhile are echoes of earlier changes, not the user's.
  const ui::Form* expectedActive_ = nullptr;
  QElapsedTimer expectedSince_;
  std::set<const ui::Form*> placed_;
  bool cursorOverridden_ = false;
  bool closing_ = false;
  bool waited_ = false;  // a window event waited for the running command
  // Watches the user's clicks and focus changes for userEntered.
  std::unique_ptr<QObject> entries_;
  // Context of the renderer's queued calls: they are dropped with it.
  QObject queue_;
};

}  // namespace qtui
