#pragma once
// Inside the renderer: one element per control (its widget and how it follows the model), one
// view per form (its window, its elements, the automatic layout).

#include <QMargins>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "qt/renderer.h"
#include "ui/control.h"

class QAction;
class QMenu;
class QMenuBar;
class QScreen;
class QScrollArea;
class QStatusBar;

namespace qtui {

class FormView;

class Element {
 public:
  Element(FormView& view, ui::Control& control) : view(view), control(control) {}
  virtual ~Element() = default;
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;

  FormView& view;
  ui::Control& control;
  // The widget placed in the parent's area; nullptr for what is not laid out as a widget.
  QWidget* widget = nullptr;

  // Where the widgets of child controls go, and the margins of their area inside it.
  virtual QWidget* host() { return widget; }
  virtual QMargins hostMargins() const { return {0, 0, 0, 0}; }
  // Takes part in the automatic layout of its parent.
  virtual bool placed() const { return widget != nullptr; }
  // Size without children (or around them for containers, see FormView::arrange).
  virtual QSize naturalSize() const;
  // Lays out the child controls; containers only.
  virtual bool container() const { return false; }
  // Its text is cut short rather than made wider than its container.
  virtual bool elides() const { return false; }
  // Width over which a container without a width of its own spreads its children.
  virtual int packWidth() const { return 180; }

  // Shows the model's value of one property.
  virtual void sync(ui::Property property);
  void syncAll();

  virtual QAction* action() const { return nullptr; }
  virtual QMenu* menu() const { return nullptr; }

 protected:
  void applyLook();
  virtual QWidget* lookTarget() const { return widget; }
  // Background the kind has by default; other colours are painted.
  virtual ui::Colour defaultColour() const { return ui::clBtnFace; }
  virtual void captionChanged() {}
  // Keys and focus changes of the widget go to the control's key, enter and exit handlers.
  void forwardInput(QWidget* target);
};

std::unique_ptr<Element> makeElement(FormView& view, ui::Control& control, Element* parent);

// The form whose window (or panel) holds the widget: the innermost one.
ui::Form* formOf(QWidget* widget);

// The screen a window is on (the primary one when it has none yet); null without any screen.
const QScreen* screenOf(const QWidget& window);
// The room a window has on the screen it is on, its title bar and borders left out.
QSize screenRoom(const QWidget& window);

// Positions of items placed one after the other, each at the highest then leftmost place where
// it fits in the width, gap pixels apart: a tall item makes a column beside it that later items
// fill before going below it. An item wider than the width goes alone at the left.
struct Packing {
  std::vector<QPoint> positions;
  QSize size;  // the extent of the items
};
Packing packSkyline(const std::vector<QSize>& sizes, int width, int gap);

class FormView : public ui::Observer {
 public:
  // panelArea: where a panel is shown (the client area of the window it is shown in), nullptr
  // for a window of its own; owner: the window a window of its own stays in front of.
  FormView(Renderer& renderer, ui::Form& form, QWidget* panelArea = nullptr,
           QWidget* owner = nullptr);
  ~FormView() override;

  Renderer& renderer;
  ui::Form& form;

  // The form's top-level window, or for a panel the widget it is shown in.
  QWidget* window() const { return window_; }
  // The widget the form's own controls are laid out in.
  QWidget* clientArea() const;
  // Shown inside another form's window.
  bool panel() const { return form.panelOver != nullptr; }
  Element* element(const ui::Control& control) const;

  void changed(ui::Control& control, ui::Property property) override;

  // A user's action on a control: run by the model, then the control shows the model's state.
  void act(ui::Control& control, const std::function<void()>& action);
  // True while widgets are being updated from the model: their signals are not user actions.
  bool updating() const { return updating_ > 0; }
  // Marks the widget changes made while it lives as the model's, not the user's.
  struct Updating {
    explicit Updating(FormView& v) : view(v) { ++view.updating_; }
    ~Updating() { --view.updating_; }
    FormView& view;
  };

  void scheduleLayout();
  // The window takes the model's size again (the form's bounds changed).
  void refit() {
    sized_ = false;
    scheduleLayout();
  }
  void layout();
  // A panel covers the pages of its page control below the tabs, a little in from the left.
  void fitPanel();
  // A window with panels: the page control they cover, and the window with it, grow (never
  // shrink) until its pages and these panels fit whole, as far as a 1280 x 1024 screen allows.
  void fitToPanels(const ui::Control& pages, const std::vector<FormView*>& panels);
  void setMenuBar(QMenuBar* bar);
  void setStatusBar(QStatusBar* bar);

  bool paintQueued = false;

 private:
  friend class Element;
  // Lays out the element and returns its size; width: the client width of a form, limit: the
  // width its container has for it.
  QSize arrange(Element& element, int width, int limit);
  std::vector<Element*> placedChildren(const ui::Control& control) const;
  void fitWindow();
  // The room a panel has over its page control (its width and height).
  QSize panelRoom() const;
  // The size the element's children take once laid out in that width.
  QSize extentAt(Element& element, int width);
  // The same for the form's content in a client area of that width (with a scroll bar's room).
  QSize contentAt(int width);

  QWidget* window_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  std::map<const ui::Control*, std::unique_ptr<Element>> elements_;
  int updating_ = 0;
  bool layoutQueued_ = false;
  bool sized_ = false;
  // What the page control that panels cover grows by beyond its model size.
  const ui::Control* growing_ = nullptr;
  QSize growth_{0, 0};
};

}  // namespace qtui
