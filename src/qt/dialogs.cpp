#include "qt/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpacerItem>
#include <QUrl>

#include "platform/files.h"
#include "platform/text.h"

namespace qtui {

namespace {

// What a title bar takes beside its title: the window's icon and its three buttons.
constexpr int kTitleBarRoom = 200;

QString nativePath(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

std::filesystem::path fromNativePath(const QString& path) {
  QByteArray bytes = QFile::encodeName(path);
  return std::filesystem::path(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
}

// Counts the dialog as modal for the renderer while it runs.
struct Modal {
  explicit Modal(ModalState& s) : state(s) { state.enter(); }
  ~Modal() { state.leave(); }
  ModalState& state;
};

QMessageBox::Icon icon(ui::MessageKind kind) {
  switch (kind) {
    case ui::MessageKind::Information: return QMessageBox::Information;
    case ui::MessageKind::Warning: return QMessageBox::Warning;
    case ui::MessageKind::Error: return QMessageBox::Critical;
    case ui::MessageKind::Confirmation: return QMessageBox::Question;
    case ui::MessageKind::Plain: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QStringList nameFilters(std::string_view filter) {
  std::vector<std::string> parts = platform::split(filter, '|');
  // The filter may end with a "|" of its own.
  if (parts.size() % 2 == 1 && platform::trim(parts.back()).empty()) parts.pop_back();
  QStringList out;
  for (size_t i = 0; i < parts.size(); i += 2) {
    std::string description = parts[i];
    std::string patterns = i + 1 < parts.size() ? parts[i + 1] : parts[i];
    QStringList globs;
    for (const std::string& p : platform::split(patterns, ';')) {
      QString glob = toQt(platform::trim(p));
      if (!glob.isEmpty() && !globs.contains(glob)) globs << glob;
    }
    if (globs.isEmpty()) continue;
    // Qt reads the patterns from the last parentheses of the entry.
    QString name = toQt(description);
    name.replace(QChar('('), QChar('[')).replace(QChar(')'), QChar(']'));
    out << QStringLiteral("%1 (%2)").arg(name, globs.join(QChar(' ')));
  }
  return out;
}

QString messageText(std::string_view text) {
  QString s = toQt(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return s;
}

QtDialogs::QtDialogs(ModalState& modal, std::string title, std::filesystem::path dataFolder)
    : modal_(modal), title_(std::move(title)), dataFolder_(std::move(dataFolder)) {}

QString QtDialogs::titleOr(std::string_view title) const {
  return toQt(title.empty() ? std::string_view(title_) : title);
}

void QtDialogs::showMessage(std::string_view text) {
  messageBox(text, {}, ui::MessageKind::Plain, ui::Buttons::Ok);
}

ui::Answer QtDialogs::messageBox(std::string_view text, std::string_view, ui::MessageKind kind,
                                 ui::Buttons buttons) {
  Modal modal(modal_);
  // Every message box bears the program's title; its kind shows in its icon.
  const QString title = toQt(title_);
  QMessageBox box(icon(kind), title, messageText(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  // Wide enough for a title bar to show the title whole beside its icon and buttons.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(box.fontMetrics().horizontalAdvance(title) + kTitleBarRoom, 0),
                  grid->rowCount(), 0, 1, grid->columnCount());
  box.setWindowModality(Qt::ApplicationModal);
  std::vector<std::pair<QPushButton*, ui::Answer>> answers;
  auto add = [&](const char* caption, QMessageBox::ButtonRole role, ui::Answer answer) {
    answers.emplace_back(box.addButton(QString::fromUtf8(caption), role), answer);
  };
  switch (buttons) {
    case ui::Buttons::Ok: add("OK", QMessageBox::AcceptRole, ui::Answer::Ok); break;
    case ui::Buttons::OkCancel:
      add("OK", QMessageBox::AcceptRole, ui::Answer::Ok);
      add("Annuler", QMessageBox::RejectRole, ui::Answer::Cancel);
      break;
    case ui::Buttons::YesNo:
      add("Oui", QMessageBox::YesRole, ui::Answer::Yes);
      add("Non", QMessageBox::NoRole, ui::Answer::No);
      break;
    case ui::Buttons::YesNoCancel:
      add("Oui", QMessageBox::YesRole, ui::Answer::Yes);
      add("Non", QMessageBox::NoRole, ui::Answer::No);
      add("Annuler", QMessageBox::RejectRole, ui::Answer::Cancel);
      break;
  }
  box.setDefaultButton(answers.front().first);
  // Escape and the title bar's close button give the most careful answer there is.
  auto escape = answers.front();
  for (ui::Answer careful : {ui::Answer::No, ui::Answer::Cancel})
    for (const auto& a : answers)
      if (a.second == careful) escape = a;
  box.setEscapeButton(escape.first);
  box.exec();
  for (const auto& [button, answer] : answers)
    if (box.clickedButton() == button) return answer;
  return escape.second;
}

std::string QtDialogs::inputBox(std::string_view title, std::string_view prompt,
                                std::string_view value) {
  std::string text(value);
  if (!inputQuery(title, prompt, text)) return std::string(value);
  return text;
}

bool QtDialogs::inputQuery(std::string_view title, std::string_view prompt, std::string& value) {
  Modal modal(modal_);
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(titleOr(title));
  dialog.setLabelText(messageText(prompt));
  dialog.setTextValue(toQt(value));
  dialog.setOkButtonText(QStringLiteral("OK"));
  dialog.setCancelButtonText(QStringLiteral("Annuler"));
  if (dialog.exec() != QDialog::Accepted) return false;
  value = fromQt(dialog.textValue());
  return true;
}

std::optional<std::filesystem::path> QtDialogs::fileDialog(const ui::FileDialogOptions& options,
                                                           bool save) {
  Modal modal(modal_);
  QFileDialog dialog(QApplication::activeWindow(), toQt(options.title));
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The data folders come from a file system that ignores case: so do the masks.
  QDir::Filters entries = dialog.filter();
  entries.setFlag(QDir::CaseSensitive, false);
  dialog.setFilter(entries);
  QStringList filters = nameFilters(options.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  const std::filesystem::path& folder =
      options.initialDir.empty() ? dataFolder_ : options.initialDir;
  if (!folder.empty()) dialog.setDirectory(nativePath(folder));
  if (!options.fileName.empty()) dialog.selectFile(toQt(options.fileName));
  if (!options.defaultExt.empty()) {
    std::string ext = options.defaultExt;
    if (ext.front() == '.') ext.erase(0, 1);
    dialog.setDefaultSuffix(toQt(ext));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return fromNativePath(dialog.selectedFiles().front());
}

std::optional<std::filesystem::path> QtDialogs::openFile(const ui::FileDialogOptions& options) {
  return fileDialog(options, false);
}

std::optional<std::filesystem::path> QtDialogs::saveFile(const ui::FileDialogOptions& options) {
  return fileDialog(options, true);
}

std::optional<ui::Colour> QtDialogs::chooseColour(ui::Colour initial) {
  Modal modal(modal_);
  QColorDialog dialog(QColor((initial >> 16) & 0xFF, (initial >> 8) & 0xFF, initial & 0xFF),
                      QApplication::activeWindow());
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  QColor c = dialog.selectedColor();
  return static_cast<ui::Colour>((c.red() << 16) | (c.green() << 8) | c.blue());
}

bool QtShell::open(const std::string& target) {
  std::filesystem::path local(target);
  if (platform::fileExists(local) || platform::folderExists(local))
    return QDesktopServices::openUrl(QUrl::fromLocalFile(nativePath(local)));
  return QDesktopServices::openUrl(QUrl(toQt(target)));
}

bool QtShell::run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                  const std::filesystem::path& workingFolder) {
  QStringList args;
  for (const auto& a : arguments) args << toQt(a);
  return QProcess::startDetached(nativePath(program), args, nativePath(workingFolder));
}

void QtExit::exit(int code) {
  exited = true;
  this->code = code;
  QCoreApplication::exit(code);
}

}  // namespace qtui
