#include "runner.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "app/programme.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "ui/controls.h"
#include "ui/menu.h"
#include "ui/scripted_dialogs.h"
#include "ui/services.h"

namespace scenario {

namespace fs = std::filesystem;

namespace {

// A mismatch or a script error; what() is UTF-8.
struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string utf8(std::string_view cp1252) { return platform::toUtf8(cp1252); }

// "\r", "\n", "\t" and "\\" in script arguments.
std::string unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      char c = text[++i];
      out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out;
}

std::string join(const std::vector<std::string>& items, std::string_view sep) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) out += sep;
    out += items[i];
  }
  return out;
}

const std::map<std::string, int>& keyNames() {
  static const std::map<std::string, int> names = {
      {"Enter", ui::key::Enter},   {"Escape", ui::key::Escape}, {"Delete", ui::key::Delete},
      {"Back", ui::key::Back},     {"Tab", ui::key::Tab},       {"Up", ui::key::Up},
      {"Down", ui::key::Down},     {"Left", ui::key::Left},     {"Right", ui::key::Right},
      {"Home", ui::key::Home},     {"End", ui::key::End},       {"PageUp", ui::key::PageUp},
      {"PageDown", ui::key::PageDown}, {"Insert", ui::key::Insert}, {"F1", ui::key::F1},
      {"Space", ui::key::Space}};
  return names;
}

class Runner {
 public:
  Runner(const Options& options, std::ostream& out) : options_(options), out_(out) {
    scriptFolder_ = fs::absolute(options.script).parent_path();
  }

  ~Runner() {
    programme_.reset();
    if (temporary_) {
      std::error_code ec;
      fs::remove_all(data_, ec);
    }
  }

  // Blanks at the end of a line belong to its argument (a written line, an expected caption).
  void execute(const std::vector<std::string>& lines) {
    for (line_ = 0; line_ < lines.size(); ++line_) {
      const std::string& text = lines[line_];
      size_t start = text.find_first_not_of(" \t");
      if (start == std::string::npos || text[start] == '#') continue;
      size_t space = text.find_first_of(" \t", start);
      std::string command = text.substr(start, space - start);
      std::string rest;
      if (space != std::string::npos) {
        size_t argument = text.find_first_not_of(" \t", space);
        if (argument != std::string::npos) rest = text.substr(argument);
      }
      dispatch(command, rest, lines);
    }
    finish();
  }

  size_t line() const { return line_ + 1; }

 private:
  // --- the commands ---

  void dispatch(const std::string& command, const std::string& line,
                const std::vector<std::string>& lines) {
    // Names and keywords take no blank at their end; texts keep theirs.
    const std::string arg = platform::trimRight(line);
    if (command == "data") return newData(arg);
    ensureData();
    if (command == "write") return writeFile(arg, block(lines));
    if (command == "expect-file") return expectFile(arg, block(lines));
    if (command == "expect-no-file") return expectNoFile(arg);
    if (command == "expect-line") return expectLine(line);
    if (command == "ls") return list(arg);
    if (command == "answer") return answer(arg);
    if (command == "answer-text") return dialogs_.queueText(text(line));
    if (command == "answer-text-cancel") return dialogs_.queueTextCancel();
    if (command == "answer-file") return dialogs_.queueFile(answerPath(arg));
    if (command == "answer-file-cancel") return dialogs_.queueFileCancel();
    if (command == "answer-colour") return dialogs_.queueColour(colour(arg));
    if (command == "answer-colour-cancel") return dialogs_.queueColourCancel();
    if (command == "expect-message") return expectMessage(text(line));
    if (command == "expect-no-message") return expectNoMessage();
    if (command == "expect-exit") return expectExit(arg);
    if (command == "expect-opened") return expectOpened(text(arg));
    if (command == "start") return start();
    guard([&] { ui(command, line); });
  }

  void ui(const std::string& command, const std::string& line) {
    const std::string arg = platform::trimRight(line);
    requireProgramme();
    if (command == "show") return form(arg).show();
    if (command == "activate") return form(arg).activate();
    if (command == "paint") return form(arg).paint();
    if (command == "close") return form(arg).close();
    auto [target, value] = splitTarget(line);
    if (command == "click") return click(target, value);
    if (command == "select") return select(target, value);
    if (command == "set") return set(target, value);
    if (command == "check") return check(target, platform::trimRight(value));
    if (command == "key") return key(target, platform::trimRight(value));
    if (command == "menu") return click(target, "");
    if (command == "expect-value") return expectValue(target, value);
    if (command == "dump") return dump(target);
    fail("unknown command: " + command);
  }

  void newData(const std::string& arg) {
    programme_.reset();
    if (temporary_) {
      std::error_code ec;
      fs::remove_all(data_, ec);
    }
    if (options_.data) {
      data_ = *options_.data;
      temporary_ = false;
      fs::create_directories(data_);
    } else {
      std::string pattern = (fs::temp_directory_path() / "tarvio-scenario-XXXXXX").string();
      if (!::mkdtemp(pattern.data())) fail("cannot create a temporary folder");
      data_ = pattern;
      temporary_ = true;
    }
    if (!arg.empty()) {
      fs::path source = scriptPath(arg);
      if (!fs::is_directory(source)) fail("no such folder: " + source.string());
      fs::copy(source, data_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
  }

  void ensureData() {
    if (data_.empty()) newData("");
  }

  void start() {
    programme_.reset();
    app::Environment env{data_, dialogs_, shell_, exit_, clock_, "tarvio"};
    guard([&] {
      programme_ = std::make_unique<app::Programme>(env);
      programme_->demarrer();
    });
  }

  std::vector<std::string> block(const std::vector<std::string>& lines) {
    std::vector<std::string> content;
    size_t first = line_ + 1;
    for (++line_; line_ < lines.size(); ++line_) {
      if (platform::trim(lines[line_]) == "end") return content;
      content.push_back(platform::fromUtf8(lines[line_]));
    }
    line_ = first - 1;
    fail("block without \"end\"");
    return content;
  }

  void writeFile(const std::string& arg, const std::vector<std::string>& content) {
    fs::path path = dataPath(arg);
    fs::create_directories(path.parent_path());
    platform::LineList(content).save(path);
  }

  void expectFile(const std::string& arg, const std::vector<std::string>& content) {
    fs::path path = dataPath(arg);
    if (!platform::fileExists(path)) fail("missing file " + arg);
    std::string actual = platform::readFile(path);
    std::string expected = platform::LineList(content).text();
    if (actual != expected)
      fail("file " + arg + " differs:\n--- expected\n" + utf8(expected) + "--- actual\n" + utf8(actual));
  }

  // The file holds a line equal to the text (path and text separated by the first blank).
  void expectLine(const std::string& line) {
    size_t blank = line.find(' ');
    if (blank == std::string::npos) fail("expect-line PATH TEXT");
    const std::string arg = line.substr(0, blank);
    fs::path path = dataPath(arg);
    if (!platform::fileExists(path)) fail("missing file " + arg);
    const std::string wanted = text(line.substr(blank + 1));
    for (const std::string& l : platform::LineList::load(path))
      if (l == wanted) return;
    fail("no line \"" + utf8(wanted) + "\" in " + arg);
  }

  void expectNoFile(const std::string& arg) {
    if (platform::fileExists(dataPath(arg))) fail("file exists: " + arg);
  }

  void list(const std::string& arg) {
    out_ << "ls " << arg << ":\n";
    for (const auto& name : platform::listFiles(dataPath(arg), "*")) out_ << "  " << utf8(name) << "\n";
    for (const auto& name : platform::listFolders(dataPath(arg))) out_ << "  " << utf8(name) << "/\n";
  }

  void answer(const std::string& arg) {
    static const std::map<std::string, ui::Answer> answers = {
        {"yes", ui::Answer::Yes}, {"no", ui::Answer::No}, {"cancel", ui::Answer::Cancel}, {"ok", ui::Answer::Ok}};
    auto it = answers.find(arg);
    if (it == answers.end()) fail("answer yes|no|cancel|ok");
    dialogs_.queueAnswer(it->second);
  }

  void expectMessage(const std::string& expected) {
    const auto& shown = dialogs_.shown();
    while (seen_ < shown.size()) {
      const auto& d = shown[seen_++];
      if (d.type != ui::ShownDialog::Type::Message && d.type != ui::ShownDialog::Type::Question) continue;
      if (d.text != expected)
        fail("message \"" + utf8(escape(d.text)) + "\" instead of \"" + utf8(escape(expected)) + "\"");
      return;
    }
    fail("no message \"" + utf8(escape(expected)) + "\"");
  }

  void expectNoMessage() {
    const auto& shown = dialogs_.shown();
    for (size_t i = seen_; i < shown.size(); ++i)
      if (shown[i].type == ui::ShownDialog::Type::Message || shown[i].type == ui::ShownDialog::Type::Question)
        fail("unexpected message \"" + utf8(escape(shown[i].text)) + "\"");
    seen_ = shown.size();
  }

  void expectExit(const std::string& arg) {
    if (!exit_.exited) fail("the program did not end");
    if (std::to_string(exit_.code) != arg) fail("exit code " + std::to_string(exit_.code));
  }

  void expectOpened(const std::string& expected) {
    if (opened_ >= shell_.opened.size()) fail("nothing opened; expected " + utf8(expected));
    const std::string& actual = shell_.opened[opened_++];
    if (actual != expected) fail("opened " + utf8(actual) + " instead of " + utf8(expected));
  }

  void finish() {
    if (!dialogs_.allAnswersUsed()) fail("some queued answers were never asked for");
    expectNoMessage();
    if (opened_ < shell_.opened.size()) fail("unexpected open of " + utf8(shell_.opened[opened_]));
  }

  // --- controls ---

  void click(ui::Control& c, const std::string& item) {
    if (item.empty()) return c.click();
    if (auto* list = dynamic_cast<ui::ListBox*>(&c)) return list->clickItem(index(*list, item));
    if (auto* files = dynamic_cast<ui::FileListBox*>(&c)) return files->clickItem(index(*files, item));
    if (auto* group = dynamic_cast<ui::RadioGroup*>(&c)) return group->clickItem(index(*group, item));
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&c)) return combo->select(index(*combo, item));
    if (auto* checks = dynamic_cast<ui::CheckListBox*>(&c))
      return checks->toggle(static_cast<size_t>(index(*checks, item)));
    if (auto* pages = dynamic_cast<ui::PageControl*>(&c)) {
      const auto& tabs = pages->pages();
      for (size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i]->name() == item || tabs[i]->caption() == item) return pages->selectTab(static_cast<int>(i));
      fail("no tab " + utf8(item));
    }
    fail(c.name() + " has no items");
  }

  void click(const std::string& target, const std::string& item) { click(control(target), text(item)); }

  // An item of a check-list box is selected by a click on its text, which leaves its tick alone.
  void select(const std::string& target, const std::string& item) {
    ui::Control& c = control(target);
    auto* checks = dynamic_cast<ui::CheckListBox*>(&c);
    if (!checks || item.empty()) return click(c, text(item));
    checks->setItemIndex(index(*checks, text(item)));
    checks->click();
  }

  int index(const ui::ItemsControl& list, const std::string& item) {
    int i = list.indexOf(item);
    if (i >= 0) return i;
    if (auto n = platform::toInteger(item); n && *n >= 0 && *n < list.count()) return static_cast<int>(*n);
    fail("no item \"" + utf8(item) + "\" in " + list.name() + " (" + utf8(join(list.items(), "|")) + ")");
    return -1;
  }

  void set(const std::string& target, const std::string& value) {
    ui::Control& c = control(target);
    std::string v = text(value);
    if (auto* edit = dynamic_cast<ui::Edit*>(&c)) return edit->type(v);
    if (auto* memo = dynamic_cast<ui::Memo*>(&c)) return memo->type(memoText(v));
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&c)) return combo->type(v);
    fail(target + " takes no text");
  }

  void check(const std::string& target, const std::string& value) {
    ui::Control& c = control(target);
    if (value != "on" && value != "off") fail("check W.c on|off");
    bool on = value == "on";
    if (auto* box = dynamic_cast<ui::CheckBox*>(&c)) {
      if (box->checked() != on) box->click();
      return;
    }
    if (auto* radio = dynamic_cast<ui::RadioButton*>(&c)) {
      if (!on) fail("a radio button is unticked by ticking another");
      return radio->click();
    }
    fail(target + " is not a check box");
  }

  void key(const std::string& target, const std::string& value) {
    ui::Control& c = control(target);
    auto it = keyNames().find(value);
    if (it != keyNames().end()) return c.pressKey(it->second);
    if (value.size() == 1) return c.pressKey(static_cast<unsigned char>(value[0]));
    fail("unknown key " + value);
  }

  void expectValue(const std::string& target, const std::string& expected) {
    std::string actual = value(target);
    if (actual != text(expected))
      fail(target + " is \"" + utf8(escape(actual)) + "\", expected \"" + utf8(escape(text(expected))) + "\"");
  }

  void dump(const std::string& target) { out_ << target << " = " << utf8(escape(value(target))) << "\n"; }

  std::string value(const std::string& target) {
    static const char* properties[] = {"text", "caption", "checked", "itemindex", "items", "visible",
                                       "enabled", "selected", "position", "active", "colour", "bold"};
    std::string path = target;
    std::string property;
    size_t dot = path.rfind('.');
    if (dot != std::string::npos) {
      std::string last = path.substr(dot + 1);
      for (const char* p : properties)
        if (last == p && !findControl(path)) {
          property = last;
          path = path.substr(0, dot);
        }
    }
    ui::Control& c = control(path);
    return property.empty() ? defaultValue(c) : propertyValue(c, property);
  }

  static std::string flag(bool b) { return b ? "true" : "false"; }

  std::string propertyValue(ui::Control& c, const std::string& p) {
    if (p == "caption") return c.caption();
    if (p == "visible") return flag(c.visible());
    if (p == "enabled") return flag(c.enabled());
    if (p == "active") {
      if (auto* f = dynamic_cast<ui::Form*>(&c)) return flag(f->active());
      if (auto* pages = dynamic_cast<ui::PageControl*>(&c)) return pages->activePage() ? pages->activePage()->name() : "";
    }
    if (p == "colour") {
      char buf[8];
      std::snprintf(buf, sizeof buf, "#%06X", c.font().colour);
      return buf;
    }
    if (p == "bold") return flag(c.font().bold);
    if (auto* list = dynamic_cast<ui::ItemsControl*>(&c)) {
      if (p == "items") return join(list->items(), "|");
      if (p == "itemindex") return std::to_string(list->itemIndex());
      if (p == "selected") return list->selected();
    }
    if (p == "text") {
      if (auto* e = dynamic_cast<ui::Edit*>(&c)) return e->text();
      if (auto* m = dynamic_cast<ui::Memo*>(&c)) return join(m->lines().lines(), "\n");
      if (auto* combo = dynamic_cast<ui::ComboBox*>(&c)) return combo->text();
    }
    if (p == "checked") {
      if (auto* b = dynamic_cast<ui::CheckBox*>(&c)) return flag(b->checked());
      if (auto* r = dynamic_cast<ui::RadioButton*>(&c)) return flag(r->checked());
      if (auto* m = dynamic_cast<ui::MenuItem*>(&c)) return flag(m->checked());
      if (auto* checks = dynamic_cast<ui::CheckListBox*>(&c)) {
        std::vector<std::string> ticks;
        for (size_t i = 0; i < checks->items().size(); ++i) ticks.push_back(flag(checks->checked(i)));
        return join(ticks, "|");
      }
    }
    if (p == "position") {
      if (auto* s = dynamic_cast<ui::ScrollBar*>(&c)) return std::to_string(s->position());
      if (auto* u = dynamic_cast<ui::UpDown*>(&c)) return std::to_string(u->position());
      if (auto* g = dynamic_cast<ui::Gauge*>(&c)) return std::to_string(g->progress());
    }
    fail(c.name() + " has no property " + p);
    return {};
  }

  std::string defaultValue(ui::Control& c) {
    if (dynamic_cast<ui::Edit*>(&c) || dynamic_cast<ui::Memo*>(&c) || dynamic_cast<ui::ComboBox*>(&c))
      return propertyValue(c, "text");
    if (dynamic_cast<ui::CheckBox*>(&c) || dynamic_cast<ui::RadioButton*>(&c)) return propertyValue(c, "checked");
    if (dynamic_cast<ui::ItemsControl*>(&c)) return propertyValue(c, "selected");
    if (dynamic_cast<ui::PageControl*>(&c)) return propertyValue(c, "active");
    if (dynamic_cast<ui::ScrollBar*>(&c) || dynamic_cast<ui::UpDown*>(&c) || dynamic_cast<ui::Gauge*>(&c))
      return propertyValue(c, "position");
    if (auto* s = dynamic_cast<ui::StatusBar*>(&c)) return join(s->panels(), "|");
    if (auto* i = dynamic_cast<ui::Image*>(&c)) return i->picture().filename().string();
    return c.caption();
  }

  // --- lookups ---

  ui::Form& form(const std::string& className) {
    requireProgramme();
    ui::Form* f = programme_->fenetre(className);
    if (!f) fail("no window " + className);
    return *f;
  }

  ui::Control* findControl(const std::string& target) {
    size_t dot = target.find('.');
    std::string w = target.substr(0, dot);
    ui::Form* f = programme_ ? programme_->fenetre(w) : nullptr;
    if (!f) return nullptr;
    if (dot == std::string::npos) return f;
    return f->find(target.substr(dot + 1));
  }

  ui::Control& control(const std::string& target) {
    requireProgramme();
    ui::Control* c = findControl(target);
    if (!c) fail("no control " + target);
    return *c;
  }

  // "W.c REST": the target, then the rest of the line after one blank, blanks kept.
  std::pair<std::string, std::string> splitTarget(const std::string& arg) {
    size_t space = arg.find(' ');
    if (space == std::string::npos) return {arg, ""};
    return {arg.substr(0, space), arg.substr(space + 1)};
  }

  // Script text (UTF-8, escapes) as Windows-1252, then {data} as the folder's own bytes.
  std::string text(const std::string& arg) {
    std::string t = platform::fromUtf8(unescape(arg));
    const std::string data = data_.string();
    for (size_t pos = 0; (pos = t.find("{data}", pos)) != std::string::npos; pos += data.size())
      t.replace(pos, 6, data);
    return t;
  }

  // A memo's lines are joined by "\n" in scripts; the memo's own text ends its lines with CR LF.
  static std::string memoText(const std::string& script) {
    std::string out;
    for (char c : script) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
  }

  // The file an open or save dialog answers: {data} expanded, the name in Windows-1252 as the
  // program spells it; relative to the script.
  fs::path answerPath(const std::string& arg) {
    fs::path p = text(arg);
    return p.is_absolute() ? p : scriptFolder_ / p;
  }

  fs::path dataPath(const std::string& arg) {
    auto relative = platform::safeRelativePath(platform::fromUtf8(arg));
    if (!relative) fail("path leaves the data folder: " + arg);
    return platform::resolvePath(data_ / *relative);
  }

  fs::path scriptPath(const std::string& arg) {
    fs::path p = unescape(arg);
    return p.is_absolute() ? p : scriptFolder_ / p;
  }

  ui::Colour colour(const std::string& arg) {
    if (arg.size() != 7 || arg[0] != '#') fail("colour #RRGGBB");
    return static_cast<ui::Colour>(std::strtoul(arg.c_str() + 1, nullptr, 16));
  }

  void requireProgramme() {
    if (!programme_) fail("\"start\" first");
  }

  template <typename F>
  void guard(F&& f) {
    try {
      f();
    } catch (const ui::UnexpectedDialog& e) {
      fail(e.what());
    } catch (const ui::UnreachableControl& e) {
      fail(e.what());
    } catch (const platform::FileError& e) {
      fail(std::string("file error: ") + utf8(e.what()));
    }
  }

  [[noreturn]] void fail(const std::string& message) { throw Failure(message); }

  const Options& options_;
  std::ostream& out_;
  fs::path scriptFolder_;
  fs::path data_;
  bool temporary_ = false;
  size_t line_ = 0;
  ui::ScriptedDialogs dialogs_;
  ui::RecordingShell shell_;
  ui::RecordingExit exit_;
  ui::FixedClock clock_{std::chrono::system_clock::time_point(std::chrono::seconds(1767225600))};
  std::unique_ptr<app::Programme> programme_;
  size_t seen_ = 0;
  size_t opened_ = 0;
};

}  // namespace

int run(const Options& options, std::ostream& out, std::ostream& err) {
  std::ifstream in(options.script, std::ios::binary);
  if (!in) {
    err << options.script.string() << ": cannot read the script\n";
    return 1;
  }
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  Runner runner(options, out);
  try {
    runner.execute(lines);
  } catch (const Failure& f) {
    err << options.script.string() << ":" << runner.line() << ": " << f.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    err << options.script.string() << ":" << runner.line() << ": error: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace scenario
