// The desktop program: the shop's data folder is the folder of the executable (or the folder
// named by TARVIO_DONNEES), and the program ends with the code its main window asks for.

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <optional>

#include "qt/session.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  qtui::setUpApplication();

  QByteArray folder = qgetenv("TARVIO_DONNEES");
  if (folder.isEmpty()) folder = QFile::encodeName(QCoreApplication::applicationDirPath());
  std::string executable =
      qtui::fromQt(QFileInfo(QCoreApplication::applicationFilePath()).fileName());

  try {
    const std::filesystem::path data(folder.toStdString());
    // One program at a time on a data folder: a second one would overwrite the first's saves.
    std::optional<platform::FolderLock> lock = qtui::lockDataFolder(data);
    if (!lock) return EXIT_FAILURE;
    qtui::Session session(data, executable);
    session.start();
    int code = QApplication::exec();
    return session.exitCode(code);
  } catch (const std::exception& e) {
    QMessageBox::critical(
        nullptr, QStringLiteral("tarvio"),
        QStringLiteral("Le programme n'a pas pu démarrer : ") + qtui::toQt(e.what()));
    return EXIT_FAILURE;
  }
}
