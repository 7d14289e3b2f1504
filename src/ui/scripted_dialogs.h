#pragma once
// Dialogs for tests and scenario scripts: every message and question is recorded; questions,
// input boxes and file and colour dialogs are answered from queues; a dialog with no queued answer
// throws UnexpectedDialog, which fails the test.

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace ui {

class UnexpectedDialog : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ShownDialog {
  enum class Type { Message, Question, Input, OpenFile, SaveFile, Colour } type;
  std::string text;  // message or prompt
  std::string title;
  MessageKind kind = MessageKind::Plain;
  Buttons buttons = Buttons::Ok;
};

class ScriptedDialogs : public Dialogs {
 public:
  void queueAnswer(Answer answer) { answers_.push_back(answer); }
  void queueText(std::string text) { texts_.push_back(std::move(text)); }
  void queueTextCancel() { texts_.push_back(std::nullopt); }
  void queueFile(std::filesystem::path file) { files_.push_back(std::move(file)); }
  void queueFileCancel() { files_.push_back(std::nullopt); }
  void queueColour(Colour colour) { colours_.push_back(colour); }
  void queueColourCancel() { colours_.push_back(std::nullopt); }

  // Everything shown so far, in order.
  const std::vector<ShownDialog>& shown() const { return shown_; }
  // The texts of the messages and questions, in order.
  std::vector<std::string> messages() const;
  void clear() { shown_.clear(); }
  // True when every queued answer was used.
  bool allAnswersUsed() const;

  void showMessage(std::string_view text) override;
  Answer messageBox(std::string_view text, std::string_view title, MessageKind kind,
                    Buttons buttons) override;
  std::string inputBox(std::string_view title, std::string_view prompt,
                       std::string_view value) override;
  bool inputQuery(std::string_view title, std::string_view prompt, std::string& value) override;
  std::optional<std::filesystem::path> openFile(const FileDialogOptions& options) override;
  std::optional<std::filesystem::path> saveFile(const FileDialogOptions& options) override;
  std::optional<Colour> chooseColour(Colour initial) override;

 private:
  std::vector<ShownDialog> shown_;
  std::deque<Answer> answers_;
  std::deque<std::optional<std::string>> texts_;
  std::deque<std::optional<std::filesystem::path>> files_;
  std::deque<std::optional<Colour>> colours_;
};

}  // namespace ui
