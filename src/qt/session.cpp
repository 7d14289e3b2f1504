#include "qt/session.h"

#include <QApplication>
#include <QFont>
#include <QTimer>

namespace qtui {

void setUpApplication() {
  QApplication::setStyle(QStringLiteral("Fusion"));
  QFont font = QApplication::font();
  font.setPointSize(8);
  QApplication::setFont(font);
  QApplication::setQuitOnLastWindowClosed(false);
}

Session::Session(std::filesystem::path dataFolder, std::string executableName, ui::Shell* shell)
    : dialogs_(modal_, executableName) {
  programme_ = std::make_unique<app::Programme>(app::Environment{
      std::move(dataFolder), dialogs_, shell ? *shell : desktopShell_, exit_, clock_,
      std::move(executableName)});
  renderer_ = std::make_unique<Renderer>(programme_->application(), modal_);
}

// The windows go before the program whose forms they observe.
Session::~Session() { renderer_.reset(); }

void Session::start() {
  QTimer::singleShot(0, [this] { renderer_->run([this] { programme_->demarrer(); }); });
}

}  // namespace qtui
