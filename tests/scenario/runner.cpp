#include "runner.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "fenetres/app/programme.h"
#include "fenetres/publish/mise_a_jour_serveur.h"
#include "fenetres/publish/serveurs.h"
#include "platform/files.h"
#include "platform/gif.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "support/ftp_server.h"
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

[[noreturn]] void fail(const std::string& message) { throw Failure(message); }

std::string utf8(std::string_view cp1252) { return platform::toUtf8(cp1252); }

// "\r", "\n", "\t" and "\\" in script arguments.
std::string unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      c = text[++i];
      c = c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    out += c;
  }
  return out;
}

// A value as a script line writes it.
std::string escaped(std::string_view text) {
  std::string out;
  for (char c : text)
    out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : std::string(1, c);
  return utf8(out);
}

std::string shown(std::string_view text) { return "\"" + escaped(text) + "\""; }

std::string join(const std::vector<std::string>& items, std::string_view sep) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) out += (i ? std::string(sep) : "") + items[i];
  return out;
}

std::string flag(bool b) { return b ? "true" : "false"; }

template <typename T>
T* as(ui::Control& c) {
  return dynamic_cast<T*>(&c);
}

bool isMessage(const ui::ShownDialog& d) {
  return d.type == ui::ShownDialog::Type::Message || d.type == ui::ShownDialog::Type::Question;
}

class Runner {
 public:
  Runner(const Options& options, std::ostream& out)
      : options_(options), out_(out), scriptFolder_(fs::absolute(options.script).parent_path()) {}
  ~Runner() { dropData(); }

  // Blanks at the end of a line belong to its argument (a written line, an expected caption).
  void execute(const std::vector<std::string>& lines) {
    for (line_ = 0; line_ < lines.size(); ++line_) {
      const std::string& text = lines[line_];
      size_t start = text.find_first_not_of(" \t");
      if (start == std::string::npos || text[start] == '#') continue;
      size_t space = text.find_first_of(" \t", start);
      size_t argument = space == std::string::npos ? space : text.find_first_not_of(" \t", space);
      dispatch(text.substr(start, space - start),
               argument == std::string::npos ? "" : text.substr(argument), lines);
    }
    if (!dialogs_.allAnswersUsed()) fail("some queued answers were never asked for");
    expectNoMessage();
    if (opened_ < shell_.opened.size()) fail("unexpected open of " + utf8(shell_.opened[opened_]));
  }

  size_t line() const { return line_ + 1; }

 private:
  void dispatch(const std::string& command, const std::string& line,
                const std::vector<std::string>& lines) {
    // Names and keywords take no blank at their end; texts keep theirs.
    const std::string arg = platform::trimRight(line);
    if (command == "data") return newData(arg);
    if (data_.empty()) newData("");
    if (command == "write") {
      auto content = block(lines);
      fs::create_directories(dataPath(arg).parent_path());
      return platform::LineList(content).save(dataPath(arg));
    }
    if (command == "server") return startServer(arg);
    if (command == "expect-file") return expectFile(arg, block(lines));
    if (command == "expect-same") return expectSame(arg);
    if (command == "copy") {
      const auto [de, vers] = twoPaths(arg, "copy PATH PATH");
      if (!platform::copyFile(dataPath(de), dataPath(vers), false)) fail("cannot copy " + de);
      return;
    }
    if (command == "expect-same-picture" || command == "expect-other-picture")
      return expectPicture(arg, command == "expect-same-picture");
    if (command == "expect-no-file") {
      if (platform::fileExists(dataPath(arg))) fail("file exists: " + arg);
      return;
    }
    if (command == "expect-line") {
      // A line among the file's lines, for files whose other lines a script need not fix.
      size_t blank = line.find(' ');
      if (blank == std::string::npos) fail("expect-line PATH TEXT");
      const std::string nom = line.substr(0, blank), voulue = text(line.substr(blank + 1));
      if (!platform::fileExists(dataPath(nom))) fail("missing file " + nom);
      for (const std::string& l : platform::LineList::load(dataPath(nom)))
        if (l == voulue) return;
      return fail("no line \"" + utf8(voulue) + "\" in " + nom);
    }
    if (command == "ls") {
      out_ << "ls " << arg << ":\n";
      for (const auto& name : platform::listFiles(dataPath(arg), "*"))
        out_ << "  " << utf8(name) << "\n";
      for (const auto& name : platform::listFolders(dataPath(arg)))
        out_ << "  " << utf8(name) << "/\n";
      return;
    }
    if (command == "answer") {
      static const std::map<std::string, ui::Answer> answers = {
          {"yes", ui::Answer::Yes},
          {"no", ui::Answer::No},
          {"cancel", ui::Answer::Cancel},
          {"ok", ui::Answer::Ok}};
      if (!answers.count(arg)) fail("answer yes|no|cancel|ok");
      return dialogs_.queueAnswer(answers.at(arg));
    }
    if (command == "answer-text") return dialogs_.queueText(text(line));
    if (command == "answer-text-cancel") return dialogs_.queueTextCancel();
    if (command == "answer-file") return dialogs_.queueFile(relativeToScript(text(arg)));
    if (command == "answer-file-cancel") return dialogs_.queueFileCancel();
    if (command == "answer-colour") {
      if (arg.size() != 7 || arg[0] != '#') fail("colour #RRGGBB");
      return dialogs_.queueColour(static_cast<ui::Colour>(std::strtoul(arg.c_str() + 1, nullptr, 16)));
    }
    if (command == "answer-colour-cancel") return dialogs_.queueColourCancel();
    if (command == "expect-message") return expectMessage(text(line));
    if (command == "expect-no-message") return expectNoMessage();
    if (command == "expect-exit") {
      if (!exit_.exited) fail("the program did not end");
      if (std::to_string(exit_.code) != arg) fail("exit code " + std::to_string(exit_.code));
      return;
    }
    if (command == "expect-opened") {
      const std::string expected = text(arg);
      if (opened_ >= shell_.opened.size()) fail("nothing opened; expected " + utf8(expected));
      const std::string& actual = shell_.opened[opened_++];
      if (actual != expected) fail("opened " + utf8(actual) + " instead of " + utf8(expected));
      return;
    }
    if (command == "start") {
      // "start fournitures": as the desktop program starts, with the files it ships.
      if (!arg.empty() && arg != "fournitures") fail("start [fournitures]");
      programme_.reset();
      app::Environment env{data_, dialogs_, shell_, exit_, clock_, "tarvio"};
      env.apporterFournitures = !arg.empty();
      env.redirigerFtp = [this](std::string& host, int& port) {
        if (auto it = servers_.find(host); it != servers_.end())
          host = it->second->host(), port = it->second->port();
      };
      return guard([&] {
        programme_ = std::make_unique<app::Programme>(env);
        programme_->demarrer();
      });
    }
    guard([&] { ui(command, line); });
  }

  void ui(const std::string& command, const std::string& line) {
    if (!programme_) fail("\"start\" first");
    const std::string arg = platform::trimRight(line);
    if (command == "show") return form(arg).show();
    if (command == "activate") return form(arg).activate();
    if (command == "paint") return form(arg).paint();
    if (command == "close") return form(arg).close();
    // "W.c REST": the target, then the rest of the line after one blank, blanks kept.
    const size_t space = line.find(' ');
    const std::string target = line.substr(0, space);
    const std::string value = space == std::string::npos ? "" : line.substr(space + 1);
    if (command == "click") {
      if (auto* arrows = as<ui::UpDown>(control(target)); arrows && !value.empty())
        return pressArrow(*arrows, platform::trimRight(value));
      return click(control(target), text(value));
    }
    if (command == "leave") return control(target).leave();
    if (command == "menu") return click(control(target), "");
    if (command == "select") return select(control(target), text(value));
    if (command == "right-click") {
      auto* list = as<ui::ItemsControl>(control(target));
      if (!list) fail(target + " has no items");
      return list->rightClickItem(index(*list, text(value)));
    }
    if (command == "set") return set(target, text(value));
    if (command == "check") return check(target, platform::trimRight(value));
    if (command == "key") return key(control(target), platform::trimRight(value));
    if (command == "expect-value") {
      const std::string actual = valueOf(target), expected = text(value);
      if (actual != expected) fail(target + " is " + shown(actual) + ", expected " + shown(expected));
      return;
    }
    if (command == "dump") return void(out_ << target << " = " << escaped(valueOf(target)) << "\n");
    fail("unknown command: " + command);
  }

  // --- the data folder and its files ---

  void dropData() {
    programme_.reset();
    std::error_code ec;
    if (temporary_) fs::remove_all(data_, ec);
  }

  void newData(const std::string& arg) {
    dropData();
    temporary_ = !options_.data;
    if (options_.data) {
      data_ = *options_.data;
      fs::create_directories(data_);
    } else {
      std::string pattern = (fs::temp_directory_path() / "tarvio-scenario-XXXXXX").string();
      if (!::mkdtemp(pattern.data())) fail("cannot create a temporary folder");
      data_ = pattern;
    }
    if (arg.empty()) return;
    fs::path source = relativeToScript(unescape(arg));
    if (!fs::is_directory(source)) fail("no such folder: " + source.string());
    fs::copy(source, data_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }

  std::vector<std::string> block(const std::vector<std::string>& lines) {
    std::vector<std::string> content;
    for (size_t i = line_ + 1; i < lines.size(); ++i) {
      if (platform::trim(lines[i]) == "end") {
        line_ = i;
        return content;
      }
      content.push_back(platform::fromUtf8(lines[i]));
    }
    fail("block without \"end\"");
  }

  void expectFile(const std::string& arg, const std::vector<std::string>& content) {
    fs::path path = dataPath(arg);
    if (!platform::fileExists(path)) fail("missing file " + arg);
    const std::string actual = platform::readFile(path), expected = platform::LineList(content).text();
    if (actual != expected)
      fail("file " + arg + " differs:\n--- expected\n" + utf8(expected) + "--- actual\n" + utf8(actual));
  }

  // "HOST:PATH" names a file of the server started for HOST; any other path one of the data folder.
  fs::path dataPath(const std::string& arg) {
    if (size_t colon = arg.find(':'); colon != std::string::npos && servers_.count(arg.substr(0, colon))) {
      auto relative = platform::safeRelativePath(platform::fromUtf8(arg.substr(colon + 1)));
      if (!relative) fail("path leaves the server's folder: " + arg);
      return servers_.at(arg.substr(0, colon))->home().path() / *relative;
    }
    auto relative = platform::safeRelativePath(platform::fromUtf8(arg));
    if (!relative) fail("path leaves the data folder: " + arg);
    return platform::resolvePath(data_ / *relative);
  }

  std::pair<std::string, std::string> twoPaths(const std::string& arg, const std::string& usage) {
    const size_t blank = arg.find(' ');
    if (blank == std::string::npos) fail(usage);
    return {arg.substr(0, blank), platform::trim(arg.substr(blank + 1))};
  }

  // Two GIFs decoded: the same colour at every pixel, or (other) the same size with some pixel
  // of another colour, as a caption drawn with other text gives.
  void expectPicture(const std::string& arg, bool same) {
    const auto [a, b] = twoPaths(arg, "expect-same-picture PATH PATH");
    const auto ia = platform::readGif(dataPath(a)), ib = platform::readGif(dataPath(b));
    if (!ia || !ib) fail("not a readable GIF: " + (ia ? b : a));
    if (ia->width != ib->width || ia->height != ib->height) fail(a + " and " + b + " differ in size");
    bool egales = true;
    for (int y = 0; y < ia->height && egales; ++y)
      for (int x = 0; x < ia->width && egales; ++x) {
        auto couleur = [&](const platform::GifImage& g) {
          const int i = g.paletteIndexAt(x, y);
          return i < 0 || i >= static_cast<int>(g.palette.size()) ? platform::Rgb{} : g.palette[static_cast<size_t>(i)];
        };
        const platform::Rgb ca = couleur(*ia), cb = couleur(*ib);
        egales = ca.r == cb.r && ca.g == cb.g && ca.b == cb.b;
      }
    if (egales != same) fail(a + " and " + b + (same ? " show other pixels" : " show the same pixels"));
  }

  void expectSame(const std::string& arg) {
    const size_t blank = arg.find(' ');
    if (blank == std::string::npos) fail("expect-same PATH PATH");
    const std::string a = arg.substr(0, blank), b = platform::trim(arg.substr(blank + 1));
    for (const std::string& name : {a, b})
      if (!platform::fileExists(dataPath(name))) fail("missing file " + name);
    if (platform::readFile(dataPath(a)) != platform::readFile(dataPath(b))) fail(a + " and " + b + " differ");
  }

  // --- loopback servers standing for the program's outside servers ---

  // The account the program uses on a fixed host, as it builds it.
  static std::pair<std::string, std::string> fixedAccount(const std::string& host) {
    if (host == publish::kServeurEditeur) return {publish::kUtilisateurEditeur, publish::motDePasseEditeur()};
    if (host == publish::kServeurMarche) return {publish::kUtilisateurMarche, publish::kMotDePasseMarche};
    if (host == publish::kServeurWebmarchand)
      return {publish::kUtilisateurWebmarchand, publish::kMotDePasseWebmarchand};
    fail("no fixed account on " + host + ": give the user and the password");
  }

  // "HOST [FOLDER]" for a fixed host (the folder copied into the server's home), "HOST USER
  // PASSWORD [USER2 PASSWORD2]" for any other, USER2 a second account whose home is the folder
  // HOST:USER2; the program's connections to HOST then reach the server. A last word
  // "no-dot-names": the server refuses names beginning with ".".
  void startServer(const std::string& arg) {
    if (programme_) fail("\"server\" comes before \"start\"");
    std::vector<std::string> words;
    for (size_t pos = 0; pos < arg.size();) {
      size_t end = arg.find(' ', pos);
      if (end == std::string::npos) end = arg.size();
      if (end > pos) words.push_back(arg.substr(pos, end - pos));
      pos = end + 1;
    }
    testing_support::FtpServerRules rules;
    if (words.size() > 1 && words.back() == "no-dot-names") {
      rules.noDotNames = true;
      words.pop_back();
    }
    if (words.size() == 5) {
      rules.otherUser = words[3];
      rules.otherPassword = text(words[4]);
      words.resize(3);
    }
    if (words.empty() || words.size() > 3)
      fail("server HOST [FOLDER] [no-dot-names] | server HOST USER PASSWORD [USER2 PASSWORD2] "
           "[no-dot-names]");
    auto [user, password] = words.size() == 3 ? std::pair{words[1], text(words[2])} : fixedAccount(words[0]);
    auto& server = servers_[words[0]] =
        std::make_unique<testing_support::FtpServer>(0, user, password, rules);
    if (words.size() != 2) return;
    fs::path source = relativeToScript(unescape(words[1]));
    if (!fs::is_directory(source)) fail("no such folder: " + source.string());
    fs::copy(source, server->home().path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }

  void pressArrow(ui::UpDown& arrows, const std::string& which) {
    if (which == "up") return arrows.up();
    if (which == "down") return arrows.down();
    fail("click W.c up|down on an up-down control");
  }

  fs::path relativeToScript(const fs::path& p) { return p.is_absolute() ? p : scriptFolder_ / p; }

  // Script text (UTF-8, escapes) as Windows-1252, then {data} as the folder's own bytes.
  std::string text(const std::string& arg) {
    std::string t = platform::fromUtf8(unescape(arg));
    const std::string data = data_.string();
    for (size_t pos = 0; (pos = t.find("{data}", pos)) != std::string::npos; pos += data.size())
      t.replace(pos, 6, data);
    return t;
  }

  // --- messages ---

  void expectMessage(const std::string& expected) {
    const auto& shownDialogs = dialogs_.shown();
    while (seen_ < shownDialogs.size()) {
      const auto& d = shownDialogs[seen_++];
      if (!isMessage(d)) continue;
      if (d.text != expected) fail("message " + shown(d.text) + " instead of " + shown(expected));
      return;
    }
    fail("no message " + shown(expected));
  }

  void expectNoMessage() {
    const auto& shownDialogs = dialogs_.shown();
    for (; seen_ < shownDialogs.size(); ++seen_)
      if (isMessage(shownDialogs[seen_]))
        fail("unexpected message " + shown(shownDialogs[seen_].text));
  }

  // --- controls ---

  void click(ui::Control& c, const std::string& item) {
    if (item.empty()) return c.click();
    if (auto* list = as<ui::ListBox>(c)) return list->clickItem(index(*list, item));
    if (auto* files = as<ui::FileListBox>(c)) return files->clickItem(index(*files, item));
    if (auto* group = as<ui::RadioGroup>(c)) return group->clickItem(index(*group, item));
    if (auto* combo = as<ui::ComboBox>(c)) return combo->select(index(*combo, item));
    if (auto* checks = as<ui::CheckListBox>(c))
      return checks->toggle(static_cast<size_t>(index(*checks, item)));
    if (auto* pages = as<ui::PageControl>(c)) {
      const auto& tabs = pages->pages();
      for (size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i]->name() == item || tabs[i]->caption() == item) return pages->selectTab(static_cast<int>(i));
      fail("no tab " + utf8(item));
    }
    fail(c.name() + " has no items");
  }

  // An item of a check-list box is selected by a click on its text, which leaves its tick alone.
  void select(ui::Control& c, const std::string& item) {
    auto* checks = as<ui::CheckListBox>(c);
    if (!checks || item.empty()) return click(c, item);
    checks->clickItem(index(*checks, item));
  }

  int index(const ui::ItemsControl& list, const std::string& item) {
    if (int i = list.indexOf(item); i >= 0) return i;
    if (auto n = platform::toInteger(item); n && *n >= 0 && *n < list.count()) return static_cast<int>(*n);
    fail("no item \"" + utf8(item) + "\" in " + list.name() + " (" + utf8(join(list.items(), "|")) + ")");
  }

  void set(const std::string& target, const std::string& v) {
    ui::Control& c = control(target);
    if (auto* edit = as<ui::Edit>(c)) return edit->type(v);
    if (auto* combo = as<ui::ComboBox>(c)) return combo->type(v);
    auto* memo = as<ui::Memo>(c);
    if (!memo) fail(target + " takes no text");
    // A memo's lines are joined by "\n" in scripts; the memo's own text ends its lines with CR LF.
    std::string lines;
    for (char ch : v) lines += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    memo->type(lines);
  }

  void check(const std::string& target, const std::string& value) {
    ui::Control& c = control(target);
    if (value != "on" && value != "off") fail("check W.c on|off");
    if (auto* box = as<ui::CheckBox>(c)) {
      if (box->checked() != (value == "on")) box->click();
      return;
    }
    if (!as<ui::RadioButton>(c)) fail(target + " is not a check box");
    if (value == "off") fail("a radio button is unticked by ticking another");
    c.click();
  }

  void key(ui::Control& c, const std::string& value) {
    static const std::map<std::string, int> names = {
        {"Enter", ui::key::Enter}, {"Escape", ui::key::Escape}, {"Delete", ui::key::Delete},
        {"Back", ui::key::Back},   {"Tab", ui::key::Tab},       {"Up", ui::key::Up},
        {"Down", ui::key::Down},   {"Left", ui::key::Left},     {"Right", ui::key::Right},
        {"Home", ui::key::Home},   {"End", ui::key::End},       {"PageUp", ui::key::PageUp},
        {"PageDown", ui::key::PageDown}, {"Insert", ui::key::Insert}, {"F1", ui::key::F1},
        {"Space", ui::key::Space}};
    if (auto it = names.find(value); it != names.end()) return c.pressKey(it->second);
    if (value.size() != 1) fail("unknown key " + value);
    c.pressKey(static_cast<unsigned char>(value[0]));
  }

  // "W.c" or "W.c.prop": a property name ends the target unless a control bears that name.
  std::string valueOf(const std::string& target) {
    static const std::vector<std::string> properties = {
        "text", "caption", "checked", "itemindex", "items", "visible", "enabled", "selected",
        "position", "active", "colour", "bold", "background"};
    const size_t dot = target.rfind('.');
    if (dot != std::string::npos && !findControl(target) &&
        std::count(properties.begin(), properties.end(), target.substr(dot + 1)))
      return property(control(target.substr(0, dot)), target.substr(dot + 1));
    return property(control(target), "");
  }

  // A property of a control; without a name, the control's usual value.
  std::string property(ui::Control& c, std::string p) {
    if (p.empty()) {
      if (as<ui::Edit>(c) || as<ui::Memo>(c) || as<ui::ComboBox>(c)) p = "text";
      else if (as<ui::CheckBox>(c) || as<ui::RadioButton>(c)) p = "checked";
      else if (as<ui::ItemsControl>(c)) p = "selected";
      else if (as<ui::PageControl>(c)) p = "active";
      else if (as<ui::ScrollBar>(c) || as<ui::UpDown>(c) || as<ui::Gauge>(c)) p = "position";
      else if (auto* s = as<ui::StatusBar>(c)) return join(s->panels(), "|");
      else if (auto* i = as<ui::Image>(c)) return i->picture().filename().string();
      else p = "caption";
    }
    if (p == "caption") return c.caption();
    if (p == "visible") return flag(c.visible());
    if (p == "enabled") return flag(c.enabled());
    if (p == "bold") return flag(c.font().bold);
    if (p == "colour" || p == "background") {
      char buf[8];
      std::snprintf(buf, sizeof buf, "#%06X", p == "colour" ? c.font().colour : c.colour());
      return buf;
    }
    if (p == "active") {
      if (auto* f = as<ui::Form>(c)) return flag(f->active());
      if (auto* pages = as<ui::PageControl>(c))
        return pages->activePage() ? pages->activePage()->name() : "";
    }
    if (auto* list = as<ui::ItemsControl>(c)) {
      if (p == "items") return join(list->items(), "|");
      if (p == "itemindex") return std::to_string(list->itemIndex());
      if (p == "selected") return list->selected();
    }
    if (p == "text") {
      if (auto* e = as<ui::Edit>(c)) return e->text();
      if (auto* m = as<ui::Memo>(c)) return join(m->lines().lines(), "\n");
      if (auto* combo = as<ui::ComboBox>(c)) return combo->text();
    }
    if (p == "checked") {
      if (auto* b = as<ui::CheckBox>(c)) return flag(b->checked());
      if (auto* r = as<ui::RadioButton>(c)) return flag(r->checked());
      if (auto* m = as<ui::MenuItem>(c)) return flag(m->checked());
      if (auto* checks = as<ui::CheckListBox>(c)) {
        std::vector<std::string> ticks;
        for (size_t i = 0; i < checks->items().size(); ++i) ticks.push_back(flag(checks->checked(i)));
        return join(ticks, "|");
      }
    }
    if (p == "position") {
      if (auto* s = as<ui::ScrollBar>(c)) return std::to_string(s->position());
      if (auto* u = as<ui::UpDown>(c)) return std::to_string(u->position());
      if (auto* g = as<ui::Gauge>(c)) return std::to_string(g->progress());
    }
    fail(c.name() + " has no property " + p);
  }

  // --- lookups ---

  ui::Form& form(const std::string& className) {
    ui::Form* f = programme_->fenetre(className);
    if (!f) fail("no window " + className);
    return *f;
  }

  ui::Control* findControl(const std::string& target) {
    const size_t dot = target.find('.');
    ui::Form* f = programme_ ? programme_->fenetre(target.substr(0, dot)) : nullptr;
    if (!f || dot == std::string::npos) return f;
    return f->find(target.substr(dot + 1));
  }

  ui::Control& control(const std::string& target) {
    if (!programme_) fail("\"start\" first");
    ui::Control* c = findControl(target);
    if (!c) fail("no control " + target);
    return *c;
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
  std::map<std::string, std::unique_ptr<testing_support::FtpServer>> servers_;  // by host
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
    return 0;
  } catch (const Failure& f) {
    err << options.script.string() << ":" << runner.line() << ": " << f.what() << "\n";
  } catch (const std::exception& e) {
    err << options.script.string() << ":" << runner.line() << ": error: " << e.what() << "\n";
  }
  return 1;
}

}  // namespace scenario
