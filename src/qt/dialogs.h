#pragma once
// The desktop services of the Qt front end: real message boxes, input boxes and file and colour
// dialogs with French buttons, the shell (browser, outside programs) and the end of the process.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

#include "qt/renderer.h"
#include "ui/dialogs.h"
#include "ui/services.h"

namespace qtui {

// A model filter ("Images|*.jpg;*.gif|Tous|*.*") as Qt's name filters ("Images (*.jpg *.gif)").
// A lone description without patterns is taken as its own patterns; repeated patterns once.
QStringList nameFilters(std::string_view filter);

// Message texts break lines with CR (or CR LF); Qt wants LF.
QString messageText(std::string_view text);

class QtDialogs : public ui::Dialogs {
 public:
  // title: the application's title, shown on plain messages and untitled boxes; dataFolder:
  // where a file dialog opens when the program names no folder.
  QtDialogs(ModalState& modal, std::string title, std::filesystem::path dataFolder = {});

  void showMessage(std::string_view text) override;
  ui::Answer messageBox(std::string_view text, std::string_view title, ui::MessageKind kind,
                        ui::Buttons buttons) override;
  std::string inputBox(std::string_view title, std::string_view prompt,
                       std::string_view value) override;
  bool inputQuery(std::string_view title, std::string_view prompt, std::string& value) override;
  std::optional<std::filesystem::path> openFile(const ui::FileDialogOptions& options) override;
  std::optional<std::filesystem::path> saveFile(const ui::FileDialogOptions& options) override;
  std::optional<ui::Colour> chooseColour(ui::Colour initial) override;

 private:
  std::optional<std::filesystem::path> fileDialog(const ui::FileDialogOptions& options, bool save);
  QString titleOr(std::string_view title) const;
  ModalState& modal_;
  std::string title_;
  std::filesystem::path dataFolder_;
};

class QtShell : public ui::Shell {
 public:
  // Local files (existing paths) are opened as files, anything else as an address.
  bool open(const std::string& target) override;
  bool run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
           const std::filesystem::path& workingFolder) override;
};

// Ends the event loop with the code; the process then exits with it.
class QtExit : public ui::ProcessExit {
 public:
  void exit(int code) override;
  bool exited = false;
  int code = 0;
};

}  // namespace qtui
