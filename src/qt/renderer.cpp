#include "qt/renderer.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "platform/text.h"
#include "qt/view.h"
#include "ui/controls.h"

namespace qtui {

QString toQt(std::string_view cp1252) { return QString::fromStdString(platform::toUtf8(cp1252)); }

std::string fromQt(const QString& text) { return platform::fromUtf8(text.toStdString()); }

void ModalState::leave() {
  if (depth_ > 0 && --depth_ == 0 && onIdle) onIdle();
}

namespace {

// An activation the window system has not confirmed after this long is not awaited any more.
constexpr int kActivationWaitMs = 1000;

// Passes the user's clicks and focus changes to Renderer::userEntered.
class EntryWatcher : public QObject {
 public:
  explicit EntryWatcher(Renderer& renderer) : renderer_(renderer) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    if (event->type() == QEvent::MouseButtonPress) {
      renderer_.userEntered(widget);
    } else if (event->type() == QEvent::FocusIn) {
      // The program's own focus changes are not the user's choice of a window.
      auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
          reason == Qt::ShortcutFocusReason)
        renderer_.userEntered(widget);
    }
    return false;
  }

 private:
  Renderer& renderer_;
};

}  // namespace

// --- the application ---

Renderer::Renderer(ui::Application& application, ModalState& modal)
    : application_(application), modal_(modal) {
  application_.setObserver(this);
  modal_.onIdle = [this] {
    // What waited for the dialog: the model's active window in front, the pending paints.
    if (ui::Form* active = application_.activeForm(); active && existingView(*active))
      raise(*active);
    QTimer::singleShot(0, &queue_, [this] { paintPending(); });
  };
  entries_ = std::make_unique<EntryWatcher>(*this);
  qApp->installEventFilter(entries_.get());
}

Renderer::~Renderer() {
  closing_ = true;
  modal_.onIdle = nullptr;
  application_.setObserver(nullptr);
  if (cursorOverridden_) QApplication::restoreOverrideCursor();
  qApp->removeEventFilter(entries_.get());
  // Panels go before the windows they are shown in, the windows before the main window that
  // owns them: each would delete the widgets of the others.
  for (auto it = views_.begin(); it != views_.end();)
    it = it->second->panel() ? views_.erase(it) : std::next(it);
  for (auto it = views_.begin(); it != views_.end();)
    it = it->first != application_.mainForm() ? views_.erase(it) : std::next(it);
  views_.clear();
}

FormView& Renderer::view(ui::Form& form) {
  auto it = views_.find(&form);
  if (it != views_.end()) return *it->second;
  QWidget* panelArea = form.panelOver ? view(form.panelOver->form()).clientArea() : nullptr;
  // The other windows are owned by the main window: they open, and stay, in front of it.
  ui::Form* main = application_.mainForm();
  QWidget* owner = !form.panelOver && main && main != &form ? window(*main) : nullptr;
  auto& v = views_[&form];
  v = std::make_unique<FormView>(*this, form, panelArea, owner);
  FormView& made = *v;
  // The pages a panel covers grow to show their own content whole.
  if (std::vector<ui::Form*> panels = panelsOf(form); !panels.empty())
    made.fitToPanels(*panels.front()->panelOver, {});
  return made;
}

FormView* Renderer::existingView(const ui::Control& control) const {
  auto it = views_.find(&control.form());
  return it == views_.end() ? nullptr : it->second.get();
}

QWidget* Renderer::window(ui::Form& form) { return view(form).window(); }

QWidget* Renderer::widget(const ui::Control& control) {
  FormView& v = view(control.form());
  if (&control == &control.form()) return v.window();
  Element* e = v.element(control);
  return e ? e->widget : nullptr;
}

QAction* Renderer::action(const ui::Control& menuItem) {
  Element* e = view(menuItem.form()).element(menuItem);
  return e ? e->action() : nullptr;
}

void Renderer::windowShown(ui::Form& form) {
  if (closing_) return;
  if (form.panelOver) {
    showPanel(form);
    exposed(form);
    return;
  }
  QWidget* w = window(form);
  if (placed_.insert(&form).second) place(form, *w);
  w->show();
  w->raise();
}

void Renderer::place(ui::Form& form, QWidget& w) {
  if (form.left() != 0 || form.top() != 0) {
    // Where the model puts it, as far as the screen keeps it whole.
    const QScreen* screen = screenOf(w);
    QPoint at(form.left(), form.top());
    if (screen) {
      const QRect room(screen->availableGeometry().topLeft(), screenRoom(w));
      at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - w.width())));
      at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - w.height())));
    }
    w.move(at);
    return;
  }
  // The other windows open over the main window rather than in a corner of the screen.
  ui::Form* main = application_.mainForm();
  FormView* mainView = main && main != &form ? existingView(*main) : nullptr;
  if (!mainView || !mainView->window()->isVisible()) return;
  QRect over = mainView->window()->frameGeometry();
  QPoint at = over.center() - QPoint(w.width() / 2, w.height() / 2);
  w.move(std::max(at.x(), over.left()), std::max(at.y(), over.top()));
}

void Renderer::windowHidden(ui::Form& form) {
  if (closing_) return;
  if (FormView* v = existingView(form)) v->window()->hide();
  if (expectedActive_ == &form) expectedActive_ = nullptr;
}

void Renderer::windowActivated(ui::Form& form) {
  if (closing_) return;
  // The window comes in front of its panels.
  for (ui::Form* panel : panelsOf(form))
    if (FormView* v = existingView(*panel)) v->window()->hide();
  raise(form);
}

std::vector<ui::Form*> Renderer::panelsOf(const ui::Form& window) const {
  std::vector<ui::Form*> out;
  for (ui::Form* f : application_.forms())
    if (f->panelOver && &f->panelOver->form() == &window) out.push_back(f);
  return out;
}

ui::Form* Renderer::frontPanel(const ui::Form& window) const {
  for (ui::Form* panel : panelsOf(window))
    if (FormView* v = existingView(*panel); v && panel->visible() && !v->window()->isHidden())
      return panel;
  return nullptr;
}

void Renderer::makeRoomFor(FormView& v) {
  if (closing_) return;
  if (v.form.panelOver) {
    view(v.form.panelOver->form()).fitToPanels(*v.form.panelOver, {&v});
  } else if (std::vector<ui::Form*> panels = panelsOf(v.form); !panels.empty()) {
    v.fitToPanels(*panels.front()->panelOver, {});
  }
}

void Renderer::showPanel(ui::Form& panel) {
  for (ui::Form* other : panelsOf(panel.panelOver->form()))
    if (other->panelOver == panel.panelOver && other != &panel)
      if (FormView* v = existingView(*other)) v->window()->hide();
  FormView& v = view(panel);
  v.fitPanel();
  QWidget* w = v.window();
  w->show();
  w->raise();
}

void Renderer::userEntered(QWidget* widget) {
  if (closing_ || waiting()) return;
  ui::Form* form = formOf(widget);
  if (!form || !form->visible() || application_.activeForm() == form) return;
  // Other windows are activated by the window system.
  if (!form->panelOver && panelsOf(*form).empty()) return;
  run([&] { form->activate(); });
}

void Renderer::raise(ui::Form& form) {
  QWidget* w;
  if (form.panelOver) {
    showPanel(form);
    // The window it is shown in is what the window system activates.
    w = window(form.panelOver->form());
  } else {
    w = window(form);
    if (!w->isVisible()) w->show();
  }
  w->raise();
  if (QApplication::activeWindow() == w) {
    expectedActive_ = nullptr;
    return;
  }
  expectedActive_ = &form;
  expectedSince_.start();
  w->activateWindow();
}

void Renderer::cursorChanged(ui::Cursor cursor) {
  if (closing_) return;
  Qt::CursorShape shape = cursor == ui::Cursor::HourGlass ? Qt::WaitCursor
                          : cursor == ui::Cursor::Hand    ? Qt::PointingHandCursor
                          : cursor == ui::Cursor::Drag    ? Qt::DragMoveCursor
                                                          : Qt::ArrowCursor;
  if (cursor == ui::Cursor::Default) {
    if (cursorOverridden_) QApplication::restoreOverrideCursor();
    cursorOverridden_ = false;
  } else if (cursorOverridden_) {
    QApplication::changeOverrideCursor(shape);
  } else {
    QApplication::setOverrideCursor(shape);
    cursorOverridden_ = true;
  }
}

void Renderer::userActivated(ui::Form& shown) {
  if (closing_ || waiting()) return;
  // Activating a window that shows a panel in front activates that panel.
  ui::Form* front = frontPanel(shown);
  ui::Form& form = front ? *front : shown;
  if (expectedActive_) {
    if (expectedActive_ == &form) {
      expectedActive_ = nullptr;
      return;
    }
    if (expectedSince_.elapsed() < kActivationWaitMs) return;
    expectedActive_ = nullptr;
  }
  if (application_.activeForm() == &form) return;
  QTimer::singleShot(0, window(form), [this, &form] {
    if (closing_ || waiting() || expectedActive_ || !form.visible() ||
        application_.activeForm() == &form)
      return;
    run([&] { form.activate(); });
  });
}

void Renderer::exposed(ui::Form& form) {
  FormView& v = view(form);
  if (v.paintQueued) return;
  v.paintQueued = true;
  // Never from inside the window system's event: the paint handler may open windows.
  QTimer::singleShot(0, v.window(), [this, &form, &v] {
    if (closing_ || waiting()) return;  // painted when the dialog or command ends
    v.paintQueued = false;
    if (form.visible()) run([&] { form.paint(); });
  });
}

void Renderer::paintPending() {
  if (closing_) return;
  for (auto& [form, v] : views_) {
    if (!v->paintQueued) continue;
    v->paintQueued = false;
    exposed(const_cast<ui::Form&>(*form));
  }
}

void Renderer::userClosed(ui::Form& form) {
  if (closing_ || waiting()) return;
  run([&] { form.close(); });
}

bool Renderer::waiting() {
  if (modal_.running()) return true;
  if (!ui::Control::commandRunning()) return false;
  waited_ = true;
  return true;
}

void Renderer::run(const std::function<void()>& action) {
  if (closing_) return;
  struct Fin {
    Renderer& r;
    // What waited for the command, as for a dialog: the model's active window in front, the
    // pending paints.
    ~Fin() {
      if (!r.waited_ || ui::Control::commandRunning() || r.closing_ || !r.modal_.onIdle) return;
      r.waited_ = false;
      r.modal_.onIdle();
    }
  } fin{*this};
  try {
    action();
  } catch (const ui::UnreachableControl&) {
    // The widget was a step ahead of the model (disabled meanwhile), or a command is running:
    // nothing to do.
  } catch (const std::exception& e) {
    modal_.enter();
    QMessageBox box(QMessageBox::Critical, toQt(application_.title()),
                    QStringLiteral("Erreur inattendue : ") + toQt(e.what()), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    modal_.leave();
  }
}

}  // namespace qtui
