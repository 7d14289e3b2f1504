#include "qt/session.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QTimer>
#include <clocale>

namespace qtui {

void setUpApplication() {
  // Qt takes the desktop's locale for the C library too; no number of the program may follow it.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setStyle(QStringLiteral("Fusion"));
  QFont font = QApplication::font();
  font.setPointSize(8);
  QApplication::setFont(font);
  QApplication::setQuitOnLastWindowClosed(false);
  // The program speaks French whatever the desktop's language, Qt's own dialogs too.
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  auto* translator = new QTranslator(qApp);
  if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
}

std::optional<platform::FolderLock> lockDataFolder(const std::filesystem::path& folder) {
  std::optional<platform::FolderLock> lock = platform::FolderLock::acquire(folder);
  if (lock) return lock;
  QMessageBox box(QMessageBox::Warning, QStringLiteral("tarvio"),
                  QStringLiteral("Tarvio est déjà ouvert sur ce dossier de données :\n%1\n"
                                 "Un seul programme à la fois peut y travailler : "
                                 "celui-ci s'arrête.")
                      .arg(QFile::decodeName(folder.c_str())),
                  QMessageBox::NoButton);
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
  return std::nullopt;
}

Session::Session(std::filesystem::path dataFolder, std::string executableName, ui::Shell* shell)
    : dialogs_(modal_, executableName, dataFolder) {
  app::Environment environment{std::move(dataFolder), dialogs_, shell ? *shell : desktopShell_,
                               exit_, clock_, std::move(executableName)};
  environment.apporterFournitures = true;
  // Long commands (network waits, the site build, renames) call this so that the windows keep
  // repainting; the model refuses the user's actions meanwhile. Called as often as they like: the
  // events are looked at every 30 ms at most.
  environment.patienter = [this] {
    if (patience_.isValid() && patience_.elapsed() < 30) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    patience_.start();
  };
  programme_ = std::make_unique<app::Programme>(std::move(environment));
  renderer_ = std::make_unique<Renderer>(programme_->application(), modal_);
}

// The windows go before the program whose forms they observe.
Session::~Session() { renderer_.reset(); }

void Session::start() {
  QTimer::singleShot(0, &queue_, [this] { renderer_->run([this] { programme_->demarrer(); }); });
}

}  // namespace qtui
