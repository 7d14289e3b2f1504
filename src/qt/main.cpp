// The desktop program: the shop's data folder is the folder of the executable (or the folder
// named by TARVIO_DONNEES), and the program ends with the code its main window asks for.

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "qt/session.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  qtui::setUpApplication();

  QByteArray folder = qgetenv("TARVIO_DONNEES");
  if (folder.isEmpty()) folder = QFile::encodeName(QCoreApplication::applicationDirPath());
  std::string executable =
      qtui::fromQt(QFileInfo(QCoreApplication::applicationFilePath()).fileName());

  try {
    qtui::Session session(std::filesystem::path(folder.toStdString()), executable);
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
