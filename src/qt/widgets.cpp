// One element per control kind: the Qt widget that shows the control, how it follows the model,
// and which user-action method of the model each user gesture calls. Here: what every element
// does (keys, focus, look), the window's own area, and makeElement, which picks the kind's maker
// (widgets_*.cpp).

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <functional>
#include <memory>

#include "qt/view.h"
#include "qt/widgets.h"
#include "ui/controls.h"
#include "ui/menu.h"

namespace qtui {

namespace {

Qt::CursorShape cursorShape(ui::Cursor c) {
  switch (c) {
    case ui::Cursor::HourGlass: return Qt::WaitCursor;
    case ui::Cursor::Hand: return Qt::PointingHandCursor;
    case ui::Cursor::Drag: return Qt::DragMoveCursor;
    case ui::Cursor::Default: break;
  }
  return Qt::ArrowCursor;
}

// The classic virtual-key number of a Qt key, 0 for keys the handlers never look at.
int virtualKey(int qtKey) {
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
      qtKey == Qt::Key_Space)
    return qtKey;  // same numbers
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return ui::key::F1 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace: return ui::key::Back;
    case Qt::Key_Tab: return ui::key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return ui::key::Enter;
    case Qt::Key_Escape: return ui::key::Escape;
    case Qt::Key_PageUp: return ui::key::PageUp;
    case Qt::Key_PageDown: return ui::key::PageDown;
    case Qt::Key_End: return ui::key::End;
    case Qt::Key_Home: return ui::key::Home;
    case Qt::Key_Left: return ui::key::Left;
    case Qt::Key_Up: return ui::key::Up;
    case Qt::Key_Right: return ui::key::Right;
    case Qt::Key_Down: return ui::key::Down;
    case Qt::Key_Insert: return ui::key::Insert;
    case Qt::Key_Delete: return ui::key::Delete;
    default: return 0;
  }
}

// The character a key press gives to a key-press handler, 0 for none.
char keyCharacter(const QKeyEvent& event, int vk) {
  if (vk == ui::key::Enter || vk == ui::key::Escape || vk == ui::key::Back || vk == ui::key::Tab)
    return static_cast<char>(vk);
  std::string text = fromQt(event.text());
  if (text.size() != 1 || static_cast<unsigned char>(text[0]) < 32) return 0;
  return text[0];
}

// Sends the key presses of a widget to the key handlers of its control first: a handler that
// swallows the key (sets it to 0) keeps it from the widget; a key-press handler may also change
// the character typed. The focus moving in and out of the widget runs the enter and exit
// handlers (not when the whole window loses the focus, as to a dialog).
class InputForwarder : public QObject {
 public:
  InputForwarder(QObject* parent, FormView& view, ui::Control& control)
      : QObject(parent), view_(view), control_(control) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (view_.updating() || view_.renderer.closing()) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
      auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
      auto& handler = event->type() == QEvent::FocusIn ? control_.onEnter : control_.onExit;
      if (handler && control_.reachable()) view_.act(control_, [&] { control_.fire(handler); });
      return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    if (!control_.onKeyDown && !control_.onKeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    int vk = virtualKey(key->key());
    char typed = keyCharacter(*key, vk);
    if ((vk == 0 && typed == 0) || !control_.reachable()) return false;
    bool swallowed = false;
    char replacement = 0;
    view_.renderer.run([&] {
      Qt::KeyboardModifiers m = key->modifiers();
      ui::Shift shift{m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
                      m.testFlag(Qt::AltModifier)};
      if (vk != 0 && control_.onKeyDown) {
        int k = vk;
        control_.fire([&] { control_.onKeyDown(k, shift); });
        if (k == 0) {
          swallowed = true;
          return;
        }
      }
      if (typed != 0 && control_.onKeyPress) {
        char c = typed;
        control_.fire([&] { control_.onKeyPress(c); });
        if (c == 0)
          swallowed = true;
        else if (c != typed)
          replacement = c;
      }
    });
    if (swallowed) return true;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (replacement != 0 && edit && static_cast<unsigned char>(replacement) >= 32) {
      edit->insert(toQt(std::string(1, replacement)));
      QString text = typedText(*edit);
      view_.act(control_, [&] { static_cast<ui::Edit&>(control_).type(fromQt(text)); });
      return true;
    }
    return false;
  }

 private:
  FormView& view_;
  ui::Control& control_;
};

// Runs a function on the events of an object; true from it stops the event.
class EventHook : public QObject {
 public:
  EventHook(QObject* watched, std::function<bool(QEvent*)> fn)
      : QObject(watched), fn_(std::move(fn)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override { return fn_(event); }

 private:
  std::function<bool(QEvent*)> fn_;
};

// The window's client area: the form's own controls are laid out in it.
class FormElement : public Element {
 public:
  FormElement(FormView& v, ui::Control& c) : Element(v, c) { widget = new QWidget; }
  bool placed() const override { return false; }
  bool container() const override { return true; }
  int packWidth() const override { return 480; }
  QMargins hostMargins() const override { return {6, 6, 6, 6}; }
  QSize naturalSize() const override { return {0, 0}; }
  void sync(ui::Property p) override {
    switch (p) {
      case ui::Property::Caption: view.window()->setWindowTitle(toQt(control.caption())); break;
      case ui::Property::Font:
      case ui::Property::Colour: applyLook(); break;
      case ui::Property::Bounds: view.refit(); break;
      case ui::Property::Cursor: widget->setCursor(cursorShape(control.cursor())); break;
      default: break;  // shown, hidden and activated through the application
    }
  }
};

class NothingElement : public Element {
 public:
  using Element::Element;
  void sync(ui::Property) override {}
};

}  // namespace

QColor qtColour(ui::Colour c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

QString typedText(const QLineEdit& edit) {
  return edit.inputMask().isEmpty() ? edit.text() : edit.displayText();
}

Qt::Alignment qtAlignment(ui::Alignment a) {
  switch (a) {
    case ui::Alignment::Left: return Qt::AlignLeft;
    case ui::Alignment::Right: return Qt::AlignRight;
    case ui::Alignment::Center: break;
  }
  return Qt::AlignHCenter;
}

// Captions break lines with CR (or CR LF), as the model's texts do.
QString captionText(const std::string& caption) {
  QString s = toQt(caption);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return s;
}

QString buttonText(const std::string& caption) {
  QString s = captionText(caption);
  s.replace(QChar('&'), QStringLiteral("&&"));
  return s;
}

QStringList qtItems(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(items.size()));
  for (const auto& i : items) out << toQt(i);
  return out;
}

void onEvent(QObject* watched, std::function<bool(QEvent*)> fn) {
  new EventHook(watched, std::move(fn));
}

// --- the common part ---

QSize Element::naturalSize() const { return widget ? widget->sizeHint() : QSize(); }

void Element::sync(ui::Property property) {
  if (!widget) return;
  switch (property) {
    case ui::Property::Caption:
      captionChanged();
      view.scheduleLayout();
      break;
    case ui::Property::Enabled: widget->setEnabled(control.enabled()); break;
    case ui::Property::Visible:
      widget->setVisible(control.visible());
      view.scheduleLayout();
      break;
    case ui::Property::Font:
      applyLook();
      view.scheduleLayout();
      break;
    case ui::Property::Colour: applyLook(); break;
    case ui::Property::Hint: widget->setToolTip(toQt(control.hint())); break;
    case ui::Property::Cursor:
      if (control.cursor() == ui::Cursor::Default)
        widget->unsetCursor();
      else
        widget->setCursor(cursorShape(control.cursor()));
      break;
    case ui::Property::Bounds: view.scheduleLayout(); break;
    case ui::Property::Focus: widget->setFocus(Qt::OtherFocusReason); break;
    default: break;
  }
}

void Element::syncAll() {
  using P = ui::Property;
  for (P p : {P::Caption, P::Items, P::ItemIndex, P::Text, P::Checked, P::Enabled, P::Visible,
              P::Font, P::Colour, P::Position, P::ActivePage, P::Picture, P::Panels, P::Progress,
              P::ReadOnly, P::Hint, P::Cursor, P::Shape, P::Alignment})
    sync(p);
}

void Element::applyLook() {
  QWidget* widget = lookTarget();
  if (!widget) return;
  const ui::Font& f = control.font();
  const ui::Font standard;
  QFont font = QApplication::font(widget);
  if (!f.name.empty() && f.name != standard.name) font.setFamily(toQt(f.name));
  if (f.size > 0 && f.size != standard.size) font.setPointSize(f.size);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  widget->setFont(font);

  QPalette palette = QApplication::palette(widget);
  if (f.colour != ui::clBlack) {
    QColor c = qtColour(f.colour);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      palette.setColor(role, c);
  }
  bool painted = control.colour() != defaultColour();
  if (painted) {
    // Only the role the kind paints its face with, so that children keep their own faces.
    QPalette::ColorRole role = defaultColour() == ui::clWindow      ? QPalette::Base
                               : control.kind() == ui::Kind::Button ? QPalette::Button
                                                                    : QPalette::Window;
    palette.setColor(role, qtColour(control.colour()));
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(painted && defaultColour() != ui::clWindow);
}

void Element::forwardInput(QWidget* target) {
  // Handlers are looked at when a key comes: they may be bound after the window is built.
  target->installEventFilter(new InputForwarder(target, view, control));
}

std::unique_ptr<Element> makeElement(FormView& view, ui::Control& control, Element* parent) {
  using K = ui::Kind;
  QWidget* host = parent ? parent->host() : nullptr;
  if (!host && parent) host = view.element(view.form)->host();
  std::unique_ptr<Element> e;
  switch (control.kind()) {
    case K::Form: e = std::make_unique<FormElement>(view, control); break;
    case K::Button:
    case K::Label:
    case K::Edit:
    case K::Memo: e = makeTextElement(view, control, host); break;
    case K::ListBox:
    case K::FileListBox:
    case K::CheckListBox:
    case K::ComboBox: e = makeListElement(view, control, host); break;
    case K::CheckBox:
    case K::RadioButton:
    case K::RadioGroup: e = makeChoiceElement(view, control, host); break;
    case K::PageControl:
    case K::TabSheet:
    case K::GroupBox:
    case K::Panel: e = makeContainerElement(view, control, parent, host); break;
    case K::Shape:
    case K::Image: e = makePictureElement(view, control, host); break;
    case K::ScrollBar:
    case K::UpDown:
    case K::Gauge: e = makeRangeElement(view, control, host); break;
    case K::StatusBar:
    case K::MainMenu:
    case K::PopupMenu: e = makeMenuElement(view, control, nullptr); break;
    case K::MenuItem:
      if (parent && parent->host())
        e = makeMenuElement(view, control, parent->host());
      else
        e = std::make_unique<NothingElement>(view, control);
      break;
    case K::Component: e = std::make_unique<NothingElement>(view, control); break;
  }
  if (e->widget) e->widget->setObjectName(toQt(control.name()));
  if (QAction* a = e->action()) a->setObjectName(toQt(control.name()));
  return e;
}

}  // namespace qtui
