#include "ui/scripted_dialogs.h"

#include "platform/text.h"

namespace ui {

namespace {

// Messages in exceptions are read on a UTF-8 terminal.
std::string quoted(std::string_view text) { return "\"" + platform::toUtf8(text) + "\""; }

}  // namespace

std::vector<std::string> ScriptedDialogs::messages() const {
  std::vector<std::string> out;
  for (const auto& d : shown_)
    if (d.type == ShownDialog::Type::Message || d.type == ShownDialog::Type::Question)
      out.push_back(d.text);
  return out;
}

bool ScriptedDialogs::allAnswersUsed() const {
  return answers_.empty() && texts_.empty() && files_.empty() && colours_.empty();
}

void ScriptedDialogs::showMessage(std::string_view text) {
  shown_.push_back({ShownDialog::Type::Message, std::string(text), {}, MessageKind::Plain, Buttons::Ok});
}

Answer ScriptedDialogs::messageBox(std::string_view text, std::string_view title, MessageKind kind,
                                   Buttons buttons) {
  if (buttons == Buttons::Ok) {
    shown_.push_back({ShownDialog::Type::Message, std::string(text), std::string(title), kind, buttons});
    return Answer::Ok;
  }
  shown_.push_back({ShownDialog::Type::Question, std::string(text), std::string(title), kind, buttons});
  if (answers_.empty()) throw UnexpectedDialog("unexpected question " + quoted(text));
  Answer a = answers_.front();
  answers_.pop_front();
  bool allowed = (buttons == Buttons::OkCancel && (a == Answer::Ok || a == Answer::Cancel)) ||
                 (buttons == Buttons::YesNo && (a == Answer::Yes || a == Answer::No)) ||
                 (buttons == Buttons::YesNoCancel && a != Answer::Ok);
  if (!allowed) throw UnexpectedDialog("the question " + quoted(text) + " has no such button");
  return a;
}

std::string ScriptedDialogs::inputBox(std::string_view title, std::string_view prompt,
                                      std::string_view value) {
  std::string v(value);
  inputQuery(title, prompt, v);
  return v;
}

bool ScriptedDialogs::inputQuery(std::string_view title, std::string_view prompt, std::string& value) {
  shown_.push_back({ShownDialog::Type::Input, std::string(prompt), std::string(title), MessageKind::Plain,
                    Buttons::OkCancel});
  if (texts_.empty()) throw UnexpectedDialog("unexpected input box " + quoted(prompt));
  auto answer = texts_.front();
  texts_.pop_front();
  if (!answer) return false;
  value = *answer;
  return true;
}

std::optional<std::filesystem::path> ScriptedDialogs::openFile(const FileDialogOptions& options) {
  shown_.push_back({ShownDialog::Type::OpenFile, options.filter, options.title, MessageKind::Plain,
                    Buttons::OkCancel});
  if (files_.empty()) throw UnexpectedDialog("unexpected open dialog");
  auto answer = files_.front();
  files_.pop_front();
  return answer;
}

std::optional<std::filesystem::path> ScriptedDialogs::saveFile(const FileDialogOptions& options) {
  shown_.push_back({ShownDialog::Type::SaveFile, options.filter, options.title, MessageKind::Plain,
                    Buttons::OkCancel});
  if (files_.empty()) throw UnexpectedDialog("unexpected save dialog");
  auto answer = files_.front();
  files_.pop_front();
  return answer;
}

std::optional<Colour> ScriptedDialogs::chooseColour(Colour) {
  shown_.push_back({ShownDialog::Type::Colour, {}, {}, MessageKind::Plain, Buttons::OkCancel});
  if (colours_.empty()) throw UnexpectedDialog("unexpected colour dialog");
  auto answer = colours_.front();
  colours_.pop_front();
  return answer;
}

}  // namespace ui
