#pragma once
// Helpers of the front end's tests: Windows-1252 literals, waiting on the event loop, a form
// shown by a renderer of its own, and answering the modal dialog that a model handler opens.

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "platform/text.h"
#include "qt/renderer.h"
#include "ui/scripted_dialogs.h"

namespace qt_testing {

// The test sources are UTF-8; the model holds Windows-1252.
inline std::string cp(const char* utf8) { return platform::fromUtf8(utf8); }

// Runs the event loop until the condition holds (false after the timeout).
inline bool waitFor(const std::function<bool()>& condition, int ms = 3000) {
  return QTest::qWaitFor(condition, ms);
}

// Types text as keys, accented letters too.
inline void type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 128)
      QTest::keyClick(widget, static_cast<char>(c.unicode()));
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// A form of a test's own, shown by a renderer of its own.
template <class F>
struct Dessin {
  Dessin() { form.show(); }
  ui::ScriptedDialogs dialogs;
  ui::Application application{dialogs};
  F form{application};
  qtui::ModalState modal;
  qtui::Renderer renderer{application, modal};
};

// Runs the calls already queued (layouts, paints, activations) and those they queue in turn.
inline void settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// Calls fn with the next modal dialog once it is on screen, from inside its event loop.
inline void whenDialogOpens(std::function<void(QWidget*)> fn) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  auto ticks = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, fn, ticks] {
    if (++*ticks > 500) {  // no dialog came: the test's own checks tell why
      timer->stop();
      timer->deleteLater();
      return;
    }
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      fn(modal);
    }
  });
  timer->start();
}

}  // namespace qt_testing
