#pragma once
// The one door to every message box, question, input box and file/colour dialog. The program
// never talks to a toolkit dialog directly: tests script this door, the front end implements it.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ui/control.h"
#include "ui/types.h"

namespace ui {

enum class MessageKind { Plain, Information, Warning, Error, Confirmation };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogOptions {
  std::string title;
  std::string filter;  // "Images|*.jpg;*.gif|Tous|*.*"
  std::filesystem::path initialDir;
  std::string fileName;
  std::string defaultExt;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A plain message with an OK button, titled with the application's title.
  virtual void showMessage(std::string_view text) = 0;
  // A message box; with Buttons::Ok it is a message, otherwise a question.
  virtual Answer messageBox(std::string_view text, std::string_view title, MessageKind kind,
                            Buttons buttons) = 0;
  // The input box: Cancel gives back the text it was opened with.
  virtual std::string inputBox(std::string_view title, std::string_view prompt,
                               std::string_view value) = 0;
  // The input query: false on Cancel (value unchanged), true and the typed text on OK.
  virtual bool inputQuery(std::string_view title, std::string_view prompt, std::string& value) = 0;
  virtual std::optional<std::filesystem::path> openFile(const FileDialogOptions& options) = 0;
  virtual std::optional<std::filesystem::path> saveFile(const FileDialogOptions& options) = 0;
  virtual std::optional<Colour> chooseColour(Colour initial) = 0;

  // Shorthands.
  void warning(std::string_view text, std::string_view title = {}) {
    messageBox(text, title, MessageKind::Warning, Buttons::Ok);
  }
  bool askYesNo(std::string_view text, std::string_view title = {}) {
    return messageBox(text, title, MessageKind::Confirmation, Buttons::YesNo) == Answer::Yes;
  }
};

// The dialog components a window holds (`OpenDialog1`, `ColorDialog1`): settings kept between runs,
// the run itself goes through the form's Dialogs.
class OpenDialog : public Control {
 public:
  OpenDialog(Control& parent, std::string name, std::string filter = {});
  FileDialogOptions options;
  std::filesystem::path fileName;  // the chosen file after a successful execute()
  bool execute();
};

class SaveDialog : public Control {
 public:
  SaveDialog(Control& parent, std::string name, std::string filter = {});
  FileDialogOptions options;
  std::filesystem::path fileName;
  bool execute();
};

class ColorDialog : public Control {
 public:
  ColorDialog(Control& parent, std::string name);
  Colour color = clBlack;
  bool execute();
};

}  // namespace ui
