// One element per control kind: the Qt widget that shows the control, how it follows the model,
// and which user-action method of the model each user gesture calls.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "platform/files.h"
#include "qt/view.h"
#include "ui/controls.h"
#include "ui/menu.h"

namespace qtui {

namespace {

QColor qtColour(ui::Colour c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// Captions break lines with CR (or CR LF), as the model's texts do.
QString captionText(const std::string& caption) {
  QString s = toQt(caption);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return s;
}

Qt::CursorShape cursorShape(ui::Cursor c) {
  switch (c) {
    case ui::Cursor::HourGlass: return Qt::WaitCursor;
    case ui::Cursor::Hand: return Qt::PointingHandCursor;
    case ui::Cursor::Drag: return Qt::DragMoveCursor;
    case ui::Cursor::Default: break;
  }
  return Qt::ArrowCursor;
}

QStringList qtItems(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(items.size()));
  for (const auto& i : items) out << toQt(i);
  return out;
}

// The classic virtual-key number of a Qt key, 0 for keys the handlers never look at.
int virtualKey(int qtKey) {
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
      qtKey == Qt::Key_Space)
    return qtKey;  // same numbers
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return ui::key::F1 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace: return ui::key::Back;
    case Qt::Key_Tab: return ui::key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return ui::key::Enter;
    case Qt::Key_Escape: return ui::key::Escape;
    case Qt::Key_PageUp: return ui::key::PageUp;
    case Qt::Key_PageDown: return ui::key::PageDown;
    case Qt::Key_End: return ui::key::End;
    case Qt::Key_Home: return ui::key::Home;
    case Qt::Key_Left: return ui::key::Left;
    case Qt::Key_Up: return ui::key::Up;
    case Qt::Key_Right: return ui::key::Right;
    case Qt::Key_Down: return ui::key::Down;
    case Qt::Key_Insert: return ui::key::Insert;
    case Qt::Key_Delete: return ui::key::Delete;
    default: return 0;
  }
}

// The character a key press gives to a key-press handler, 0 for none.
char keyCharacter(const QKeyEvent& event, int vk) {
  if (vk == ui::key::Enter || vk == ui::key::Escape || vk == ui::key::Back || vk == ui::key::Tab)
    return static_cast<char>(vk);
  std::string text = fromQt(event.text());
  if (text.size() != 1 || static_cast<unsigned char>(text[0]) < 32) return 0;
  return text[0];
}

// Sends the key presses of a widget to the key handlers of its control first: a handler that
// swallows the key (sets it to 0) keeps it from the widget; a key-press handler may also change
// the character typed. The focus moving in and out of the widget runs the enter and exit
// handlers (not when the whole window loses the focus, as to a dialog).
class InputForwarder : public QObject {
 public:
  InputForwarder(QObject* parent, FormView& view, ui::Control& control)
      : QObject(parent), view_(view), control_(control) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (view_.updating() || view_.renderer.closing()) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
      auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
      auto& handler = event->type() == QEvent::FocusIn ? control_.onEnter : control_.onExit;
      if (handler && control_.reachable()) view_.act(control_, [&] { control_.fire(handler); });
      return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    if (!control_.onKeyDown && !control_.onKeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    int vk = virtualKey(key->key());
    char typed = keyCharacter(*key, vk);
    if ((vk == 0 && typed == 0) || !control_.reachable()) return false;
    bool swallowed = false;
    char replacement = 0;
    view_.renderer.run([&] {
      Qt::KeyboardModifiers m = key->modifiers();
      ui::Shift shift{m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
                      m.testFlag(Qt::AltModifier)};
      if (vk != 0 && control_.onKeyDown) {
        int k = vk;
        control_.fire([&] { control_.onKeyDown(k, shift); });
        if (k == 0) {
          swallowed = true;
          return;
        }
      }
      if (typed != 0 && control_.onKeyPress) {
        char c = typed;
        control_.fire([&] { control_.onKeyPress(c); });
        if (c == 0)
          swallowed = true;
        else if (c != typed)
          replacement = c;
      }
    });
    if (swallowed) return true;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (replacement != 0 && edit && static_cast<unsigned char>(replacement) >= 32) {
      edit->insert(toQt(std::string(1, replacement)));
      QString text = edit->text();
      view_.act(control_, [&] { static_cast<ui::Edit&>(control_).type(fromQt(text)); });
      return true;
    }
    return false;
  }

 private:
  FormView& view_;
  ui::Control& control_;
};

// Runs a function on the events of an object; true from it stops the event.
class EventHook : public QObject {
 public:
  EventHook(QObject* watched, std::function<bool(QEvent*)> fn)
      : QObject(watched), fn_(std::move(fn)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override { return fn_(event); }

 private:
  std::function<bool(QEvent*)> fn_;
};

void onEvent(QObject* watched, std::function<bool(QEvent*)> fn) {
  new EventHook(watched, std::move(fn));
}

// --- simple kinds ---

class ButtonElement : public Element {
 public:
  ButtonElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    button_ = new QPushButton(parent);
    widget = button_;
    QObject::connect(button_, &QPushButton::clicked, button_,
                     [this] { view.act(control, [this] { control.click(); }); });
    forwardInput(button_);
  }
  QSize naturalSize() const override {
    QSize s = button_->sizeHint();
    // A button of a few characters ("...", "Ok") is a small one; the others get the usual width.
    int text = button_->fontMetrics().horizontalAdvance(button_->text());
    int width = button_->text().size() <= 3 ? std::max(28, text + 16) : std::max(75, s.width());
    return {width, std::max(25, s.height())};
  }

 protected:
  void captionChanged() override { button_->setText(captionText(control.caption())); }

 private:
  QPushButton* button_;
};

// Texts longer than this are never needed whole on screen; cutting them spares every paint the
// measure of a huge text.
constexpr int kShownCharacters = 2000;

// A label that cuts its lines short with "..." when its box is narrower than its text: no text
// widens the window it is in.
class ElidingLabel : public QLabel {
 public:
  explicit ElidingLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }
  void setFullText(const QString& text) {
    setText(text.size() > kShownCharacters ? text.left(kShownCharacters) : text);
  }
  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    QFontMetrics metrics = fontMetrics();
    QStringList lines = text().split(QChar('\n'));
    bool fits = std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
      return metrics.horizontalAdvance(line) <= area.width();
    });
    if (fits) {
      QLabel::paintEvent(event);
      return;
    }
    QFrame::paintEvent(event);
    for (QString& line : lines) line = metrics.elidedText(line, Qt::ElideRight, area.width());
    QPainter painter(this);
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), lines.join(QChar('\n')), foregroundRole());
  }
};

class ClickableLabel : public ElidingLabel {
 public:
  using ElidingLabel::ElidingLabel;
  std::function<void()> clicked;
  std::function<void()> doubleClicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked)
      clicked();
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    QLabel::mouseDoubleClickEvent(e);
    if (doubleClicked) doubleClicked();
  }
};

class LabelElement : public Element {
 public:
  LabelElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    label_ = new ClickableLabel(parent);
    widget = label_;
    label_->clicked = [this] {
      if (control.onClick) view.act(control, [this] { control.click(); });
    };
    label_->doubleClicked = [this] {
      if (control.onDblClick) view.act(control, [this] { control.doubleClick(); });
    };
  }
  QSize naturalSize() const override {
    QSize s = label_->sizeHint();
    return {std::max(8, s.width()), std::max(label_->fontMetrics().height(), s.height())};
  }
  bool elides() const override { return true; }

 protected:
  void captionChanged() override { label_->setFullText(captionText(control.caption())); }

 private:
  ClickableLabel* label_;
};

class EditElement : public Element {
 public:
  EditElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    auto& model = static_cast<ui::Edit&>(c);
    if (!model.labelCaption.empty()) {
      widget = new QWidget(parent);
      auto* box = new QVBoxLayout(widget);
      box->setContentsMargins(0, 0, 0, 0);
      box->setSpacing(1);
      label_ = new QLabel(captionText(model.labelCaption), widget);
      label_->setTextFormat(Qt::PlainText);
      edit_ = new QLineEdit(widget);
      box->addWidget(label_);
      box->addWidget(edit_);
    } else {
      edit_ = new QLineEdit(parent);
      widget = edit_;
    }
    QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) {
      view.act(control, [&] { static_cast<ui::Edit&>(control).type(fromQt(text)); });
    });
    forwardInput(edit_);
  }
  QSize naturalSize() const override {
    int h = edit_->sizeHint().height();
    if (label_) h += label_->sizeHint().height() + 1;
    return {121, h};
  }
  void sync(ui::Property p) override {
    auto& model = static_cast<ui::Edit&>(control);
    if (p == ui::Property::Text) {
      QString want = toQt(model.text());
      // The limit binds typing only: a longer text set by the program is shown whole.
      int limit = model.maxLength > 0 ? model.maxLength : 32767;
      edit_->setMaxLength(std::max(limit, static_cast<int>(want.size())));
      edit_->setEchoMode(model.password ? QLineEdit::Password : QLineEdit::Normal);
      if (edit_->text() != want) {
        int cursor = edit_->cursorPosition();
        edit_->setText(want);
        edit_->setCursorPosition(std::min(cursor, static_cast<int>(want.size())));
      }
    } else if (p == ui::Property::ReadOnly) {
      edit_->setReadOnly(model.readOnly());
    }
    Element::sync(p);
  }

 private:
  QLineEdit* edit_ = nullptr;
  QLabel* label_ = nullptr;
};

class MemoElement : public Element {
 public:
  MemoElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    memo_ = new QPlainTextEdit(parent);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    widget = memo_;
    QObject::connect(memo_, &QPlainTextEdit::textChanged, memo_, [this] {
      if (view.updating()) return;
      QString text = memo_->toPlainText();
      view.act(control, [&] { static_cast<ui::Memo&>(control).type(fromQt(text)); });
    });
    forwardInput(memo_);
  }
  QSize naturalSize() const override { return {260, 100}; }
  void sync(ui::Property p) override {
    auto& model = static_cast<ui::Memo&>(control);
    if (p == ui::Property::Text) {
      QStringList lines;
      for (const auto& l : model.lines()) lines << toQt(l);
      QString want = lines.join(QChar('\n'));
      QString shown = memo_->toPlainText();
      // A line end just typed at the end makes no line of the model yet: keep it on screen.
      if (shown != want && shown != want + QChar('\n')) {
        QTextCursor cursor = memo_->textCursor();
        int position = cursor.position();
        memo_->setPlainText(want);
        cursor = memo_->textCursor();
        cursor.setPosition(std::min(position, static_cast<int>(want.size())));
        memo_->setTextCursor(cursor);
      }
    } else if (p == ui::Property::ReadOnly) {
      memo_->setReadOnly(model.readOnly());
    }
    Element::sync(p);
  }

 protected:
  ui::Colour defaultColour() const override { return ui::clWindow; }

 private:
  QPlainTextEdit* memo_;
};

// A right click on an item of a list reaches the model as the item's index (-1 below the items).
void forwardRightClickOf(FormView& view, ui::Control& control, QListWidget* list) {
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(list, &QListWidget::customContextMenuRequested, list, [&view, &control, list](const QPoint& at) {
    const int row = list->row(list->itemAt(at));
    view.act(control, [&] { static_cast<ui::ItemsControl&>(control).rightClickItem(row); });
  });
}

// Every click on an item of a list reaches the model: Qt tells a new current row as a change,
// and a click on the row that is already current only as a click.
void forwardItemClicks(FormView& view, QListWidget* list, std::function<void(int row)> click) {
  auto rowBeforePress = std::make_shared<int>(-1);
  QObject::connect(list, &QListWidget::currentRowChanged, list, [&view, click](int row) {
    if (!view.updating() && row >= 0) click(row);
  });
  onEvent(list->viewport(), [list, rowBeforePress](QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) *rowBeforePress = list->currentRow();
    return false;
  });
  QObject::connect(list, &QListWidget::itemClicked, list,
                   [&view, list, click, rowBeforePress](QListWidgetItem* item) {
                     int row = list->row(item);
                     if (!view.updating() && row >= 0 && row == *rowBeforePress) click(row);
                     *rowBeforePress = -1;
                   });
}

// ListBox and FileListBox: a click selects and runs the control's click handler.
class ListElement : public Element {
 public:
  ListElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    list_ = new QListWidget(parent);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    widget = list_;
    forwardItemClicks(view, list_, [this](int row) { clickItem(row); });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, list_, [this](QListWidgetItem*) {
      if (!view.updating()) view.act(control, [this] { control.doubleClick(); });
    });
    forwardInput(list_);
    forwardRightClickOf(view, control, list_);
  }
  QSize naturalSize() const override { return {170, 180}; }
  void sync(ui::Property p) override {
    auto& model = static_cast<ui::ItemsControl&>(control);
    if (p == ui::Property::Items && shown_ != model.items()) {
      shown_ = model.items();
      list_->clear();
      list_->addItems(qtItems(shown_));
      showSelection(model.itemIndex());
    } else if (p == ui::Property::ItemIndex) {
      showSelection(model.itemIndex());
    }
    Element::sync(p);
  }

 protected:
  ui::Colour defaultColour() const override { return ui::clWindow; }

 private:
  void showSelection(int index) {
    QList<QListWidgetItem*> selected = list_->selectedItems();
    bool shown = index < 0 ? selected.isEmpty()
                           : selected.size() == 1 && list_->row(selected.front()) == index;
    if (list_->currentRow() == index && shown) return;
    if (index < 0) {
      list_->clearSelection();
      list_->setCurrentRow(-1);
    } else {
      list_->setCurrentRow(index);
    }
  }
  void clickItem(int row) {
    view.act(control, [&] {
      if (auto* files = dynamic_cast<ui::FileListBox*>(&control))
        files->clickItem(row);
      else
        static_cast<ui::ListBox&>(control).clickItem(row);
    });
    // The handler may have put the selection back (a question answered "Annuler") while the
    // list was still handling the click, which then selects the clicked row: once the click is
    // over, the list shows the model's selection again.
    QTimer::singleShot(0, list_, [this] {
      FormView::Updating u(view);
      showSelection(static_cast<ui::ItemsControl&>(control).itemIndex());
    });
  }
  QListWidget* list_;
  std::vector<std::string> shown_;
};

class CheckListElement : public Element {
 public:
  CheckListElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    list_ = new QListWidget(parent);
    widget = list_;
    QObject::connect(list_, &QListWidget::itemChanged, list_, [this](QListWidgetItem* item) {
      if (view.updating()) return;
      auto& model = static_cast<ui::CheckListBox&>(control);
      int row = list_->row(item);
      bool ticked = item->checkState() == Qt::Checked;
      if (row >= 0 && ticked != model.checked(static_cast<size_t>(row)))
        view.act(control, [&] { model.toggle(static_cast<size_t>(row)); });
    });
    forwardItemClicks(view, list_, [this](int row) {
      view.act(control, [&] {
        static_cast<ui::CheckListBox&>(control).setItemIndex(row);
        control.click();
      });
    });
    forwardInput(list_);
    forwardRightClickOf(view, control, list_);
  }
  QSize naturalSize() const override { return {170, 150}; }
  void sync(ui::Property p) override {
    auto& model = static_cast<ui::CheckListBox&>(control);
    if (p == ui::Property::Items && shown_ != model.items()) {
      shown_ = model.items();
      list_->clear();
      for (const auto& i : shown_) {
        auto* item = new QListWidgetItem(toQt(i), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
      }
      p = ui::Property::Checked;
    }
    if (p == ui::Property::Checked) {
      for (int r = 0; r < list_->count(); ++r) {
        Qt::CheckState want = model.checked(static_cast<size_t>(r)) ? Qt::Checked : Qt::Unchecked;
        if (list_->item(r)->checkState() != want) list_->item(r)->setCheckState(want);
      }
      if (list_->currentRow() != model.itemIndex()) list_->setCurrentRow(model.itemIndex());
    } else if (p == ui::Property::ItemIndex) {
      if (list_->currentRow() != model.itemIndex()) list_->setCurrentRow(model.itemIndex());
    }
    Element::sync(p);
  }

 protected:
  ui::Colour defaultColour() const override { return ui::clWindow; }

 private:
  QListWidget* list_;
  std::vector<std::string> shown_;
};

class ComboElement : public Element {
 public:
  ComboElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    combo_ = new QComboBox(parent);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    widget = combo_;
    QObject::connect(combo_, &QComboBox::activated, combo_, [this](int index) {
      if (!view.updating())
        view.act(control, [&] { static_cast<ui::ComboBox&>(control).select(index); });
    });
    forwardInput(combo_);
  }
  QSize naturalSize() const override { return {145, combo_->sizeHint().height()}; }
  void sync(ui::Property p) override {
    auto& model = static_cast<ui::ComboBox&>(control);
    setEditable(!model.dropDownList);
    if (p == ui::Property::Items && shown_ != model.items()) {
      shown_ = model.items();
      combo_->clear();
      combo_->addItems(qtItems(shown_));
      p = ui::Property::ItemIndex;
    }
    if (p == ui::Property::ItemIndex || p == ui::Property::Text) {
      if (combo_->currentIndex() != model.itemIndex()) combo_->setCurrentIndex(model.itemIndex());
      QString want = toQt(model.text());
      if (combo_->isEditable() && combo_->currentText() != want) combo_->setEditText(want);
    }
    Element::sync(p);
  }

 protected:
  ui::Colour defaultColour() const override { return ui::clWindow; }

 private:
  void setEditable(bool editable) {
    if (combo_->isEditable() == editable) return;
    combo_->setEditable(editable);
    if (!editable) return;
    combo_->lineEdit()->setMaxLength(32767);
    QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, combo_, [this](const QString& t) {
      view.act(control, [&] { static_cast<ui::ComboBox&>(control).type(fromQt(t)); });
    });
    forwardInput(combo_->lineEdit());
  }
  QComboBox* combo_;
  std::vector<std::string> shown_;
};

class CheckBoxElement : public Element {
 public:
  CheckBoxElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    box_ = new QCheckBox(parent);
    widget = box_;
    QObject::connect(box_, &QCheckBox::clicked, box_,
                     [this] { view.act(control, [this] { control.click(); }); });
    forwardInput(box_);
  }
  QSize naturalSize() const override { return box_->sizeHint(); }
  void sync(ui::Property p) override {
    if (p == ui::Property::Checked) box_->setChecked(static_cast<ui::CheckBox&>(control).checked());
    Element::sync(p);
  }

 protected:
  void captionChanged() override { box_->setText(captionText(control.caption())); }

 private:
  QCheckBox* box_;
};

class RadioButtonElement : public Element {
 public:
  RadioButtonElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    radio_ = new QRadioButton(parent);
    // The model unchecks the others of the container.
    radio_->setAutoExclusive(false);
    widget = radio_;
    QObject::connect(radio_, &QRadioButton::clicked, radio_,
                     [this] { view.act(control, [this] { control.click(); }); });
    forwardInput(radio_);
  }
  QSize naturalSize() const override { return radio_->sizeHint(); }
  void sync(ui::Property p) override {
    if (p == ui::Property::Checked)
      radio_->setChecked(static_cast<ui::RadioButton&>(control).checked());
    Element::sync(p);
  }

 protected:
  void captionChanged() override { radio_->setText(captionText(control.caption())); }

 private:
  QRadioButton* radio_;
};

class RadioGroupElement : public Element {
 public:
  RadioGroupElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    group_ = new QGroupBox(parent);
    grid_ = new QGridLayout(group_);
    grid_->setContentsMargins(6, 2, 6, 4);
    grid_->setSpacing(2);
    widget = group_;
  }
  QSize naturalSize() const override { return group_->sizeHint(); }
  void sync(ui::Property p) override {
    auto& model = static_cast<ui::RadioGroup&>(control);
    if (p == ui::Property::Items && (shown_ != model.items() || columns_ != model.columns)) {
      rebuild(model);
      p = ui::Property::ItemIndex;
    }
    if (p == ui::Property::ItemIndex)
      for (size_t i = 0; i < radios_.size(); ++i)
        radios_[i]->setChecked(static_cast<int>(i) == model.itemIndex());
    Element::sync(p);
  }

 protected:
  void captionChanged() override { group_->setTitle(captionText(control.caption())); }

 private:
  void rebuild(ui::RadioGroup& model) {
    // Later: the click being handled may be one of these buttons.
    for (QRadioButton* r : radios_) {
      grid_->removeWidget(r);
      r->hide();
      r->deleteLater();
    }
    radios_.clear();
    shown_ = model.items();
    columns_ = model.columns;
    int columns = std::max(1, columns_);
    int perColumn = (static_cast<int>(shown_.size()) + columns - 1) / columns;
    for (size_t i = 0; i < shown_.size(); ++i) {
      auto* r = new QRadioButton(toQt(shown_[i]), group_);
      r->setAutoExclusive(false);
      int index = static_cast<int>(i);
      grid_->addWidget(r, index % std::max(1, perColumn), index / std::max(1, perColumn));
      QObject::connect(r, &QRadioButton::clicked, r, [this, index] {
        view.act(control, [&] { static_cast<ui::RadioGroup&>(control).clickItem(index); });
      });
      radios_.push_back(r);
    }
    view.scheduleLayout();
  }
  QGroupBox* group_;
  QGridLayout* grid_;
  std::vector<QRadioButton*> radios_;
  std::vector<std::string> shown_;
  int columns_ = 1;
};

// --- containers ---

class GroupBoxElement : public Element {
 public:
  GroupBoxElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    box_ = new QGroupBox(parent);
    widget = box_;
  }
  bool container() const override { return true; }
  QMargins hostMargins() const override { return {6, box_->fontMetrics().height() + 6, 6, 6}; }
  QSize naturalSize() const override {
    return {box_->fontMetrics().horizontalAdvance(box_->title()) + 24,
            box_->fontMetrics().height() + 12};
  }

 protected:
  void captionChanged() override { box_->setTitle(captionText(control.caption())); }

 private:
  QGroupBox* box_;
};

// A panel shows its caption in its middle, under its children.
class CaptionPanel : public QFrame {
 public:
  using QFrame::QFrame;
  QString caption;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QFrame::paintEvent(e);
    if (caption.isEmpty()) return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter, caption);
  }
};

class PanelElement : public Element {
 public:
  PanelElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    panel_ = new CaptionPanel(parent);
    panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    widget = panel_;
  }
  bool container() const override { return true; }
  QMargins hostMargins() const override { return {4, 4, 4, 4}; }
  QSize naturalSize() const override {
    QSize text = panel_->fontMetrics().size(0, panel_->caption);
    return {std::max(40, text.width() + 16), std::max(24, text.height() + 10)};
  }

 protected:
  void captionChanged() override {
    panel_->caption = captionText(control.caption());
    panel_->update();
  }

 private:
  CaptionPanel* panel_;
};

class TabSheetElement;

class PageControlElement : public Element {
 public:
  PageControlElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    tabs_ = new QTabWidget(parent);
    widget = tabs_;
    QObject::connect(tabs_, &QTabWidget::currentChanged, tabs_, [this](int index) {
      if (view.updating() || index < 0 || index >= static_cast<int>(pages_.size())) return;
      auto& model = static_cast<ui::PageControl&>(control);
      int page = pages_[static_cast<size_t>(index)]->pageIndex();
      view.act(control, [&] { model.selectTab(page); });
    });
  }
  QTabWidget* tabs() const { return tabs_; }
  // Every page is a tab of the tab widget, in the model's order, from its creation on.
  void addPage(ui::TabSheet& page, QWidget* widget) {
    tabs_->addTab(widget, QString());
    pages_.push_back(&page);
  }
  // Hidden pages are hidden tabs: a tab that comes and goes never rebuilds the others, so the
  // focus stays where the user is typing.
  void showTabs();
  QSize naturalSize() const override { return {400, 300}; }
  void sync(ui::Property p) override {
    if (p == ui::Property::ActivePage) showTabs();
    Element::sync(p);
  }

 private:
  QTabWidget* tabs_;
  std::vector<ui::TabSheet*> pages_;
};

class TabSheetElement : public Element {
 public:
  TabSheetElement(FormView& v, ui::Control& c, PageControlElement& pages)
      : Element(v, c), pages_(pages) {
    scroll_ = new QScrollArea(pages.tabs());
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    page_ = new QWidget;
    scroll_->setWidget(page_);
    widget = scroll_;
    FormView::Updating u(v);
    pages.addPage(static_cast<ui::TabSheet&>(c), scroll_);
  }
  QWidget* host() override { return page_; }
  bool placed() const override { return false; }
  bool container() const override { return true; }
  int packWidth() const override { return 400; }
  QMargins hostMargins() const override { return {6, 6, 6, 6}; }
  QSize naturalSize() const override { return {0, 0}; }
  void sync(ui::Property p) override {
    if (p == ui::Property::Visible || p == ui::Property::Enabled) {
      pages_.showTabs();
      view.scheduleLayout();
      return;
    }
    Element::sync(p);
  }
  // The page, not the scroll area around it, carries the look.
  QWidget* lookTarget() const override { return page_; }

 protected:
  void captionChanged() override { pages_.showTabs(); }

 private:
  PageControlElement& pages_;
  QScrollArea* scroll_;
  QWidget* page_;
};

void PageControlElement::showTabs() {
  auto& model = static_cast<ui::PageControl&>(control);
  for (size_t i = 0; i < pages_.size(); ++i) {
    int index = static_cast<int>(i);
    const ui::TabSheet& page = *pages_[i];
    tabs_->setTabText(index, captionText(page.caption()));
    tabs_->setTabEnabled(index, page.enabled());
    if (tabs_->isTabVisible(index) != page.tabVisible()) {
      tabs_->setTabVisible(index, page.tabVisible());
      view.scheduleLayout();  // the window makes room for the tabs shown
    }
  }
  auto active = std::find(pages_.begin(), pages_.end(), model.activePage());
  if (active != pages_.end() && (*active)->tabVisible())
    tabs_->setCurrentIndex(static_cast<int>(active - pages_.begin()));
}

// --- drawing kinds ---

class ShapeWidget : public QWidget {
 public:
  ShapeWidget(QWidget* parent, ui::Shape& shape) : QWidget(parent), shape_(shape) {}
  std::function<void()> clicked;

 protected:
  // A shape with a click handler is a button of its own (the colour swatches).
  void mousePressEvent(QMouseEvent* e) override {
    if (shape_.onClick)
      e->accept();
    else
      QWidget::mousePressEvent(e);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked)
      clicked();
  }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(qtColour(shape_.penColour()), 1));
    painter.setBrush(qtColour(shape_.brushColour()));
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    using F = ui::Shape::Figure;
    F figure = shape_.shape();
    if (figure == F::Square || figure == F::Circle) {
      double side = std::min(r.width(), r.height());
      r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    if (figure == F::Ellipse || figure == F::Circle)
      painter.drawEllipse(r);
    else if (figure == F::RoundRect)
      painter.drawRoundedRect(r, r.width() / 4, r.height() / 4);
    else
      painter.drawRect(r);
  }

 private:
  ui::Shape& shape_;
};

class ShapeElement : public Element {
 public:
  ShapeElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    auto* shape = new ShapeWidget(parent, static_cast<ui::Shape&>(c));
    shape->clicked = [this] {
      if (control.onClick) view.act(control, [this] { control.click(); });
    };
    widget = shape;
  }
  QSize naturalSize() const override { return {24, 24}; }
  void sync(ui::Property p) override {
    if (p == ui::Property::Shape) widget->update();
    Element::sync(p);
  }
};

// A picture fitted in its box: stretched when asked, otherwise shrunk (never enlarged) with its
// proportions kept.
class PictureWidget : public QWidget {
 public:
  using QWidget::QWidget;
  QPixmap picture;
  bool stretch = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch) {
      painter.drawPixmap(rect(), picture);
      return;
    }
    QSize size = picture.size();
    if (size.width() > width() || size.height() > height())
      size.scale(this->size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint(0, 0), size), picture);
  }
};

class ImageElement : public Element {
 public:
  ImageElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    picture_ = new PictureWidget(parent);
    widget = picture_;
  }
  QSize naturalSize() const override { return {105, 105}; }
  void sync(ui::Property p) override {
    if (p == ui::Property::Picture) {
      auto& model = static_cast<ui::Image&>(control);
      picture_->picture = QPixmap();
      picture_->stretch = model.stretch;
      if (!model.picture().empty()) {
        // Read as bytes: a stored name need not be valid in the locale's encoding.
        try {
          std::string bytes = platform::readFile(model.picture());
          picture_->picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                         static_cast<uint>(bytes.size()));
        } catch (const platform::FileError&) {
        }
      }
      picture_->update();
    }
    Element::sync(p);
  }

 private:
  PictureWidget* picture_;
};

// --- ranges ---

class ScrollBarElement : public Element {
 public:
  ScrollBarElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    bar_ = new QScrollBar(Qt::Horizontal, parent);
    widget = bar_;
    QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [this](int value) {
      if (view.updating()) return;
      view.act(control, [&] {
        if (control.reachable()) static_cast<ui::ScrollBar&>(control).setPosition(value);
      });
    });
  }
  QSize naturalSize() const override { return {121, bar_->sizeHint().height()}; }
  void sync(ui::Property p) override {
    if (p == ui::Property::Position) {
      auto& model = static_cast<ui::ScrollBar&>(control);
      bar_->setRange(model.min(), std::max(model.min(), model.max()));
      bar_->setValue(model.position());
    }
    Element::sync(p);
  }

 private:
  QScrollBar* bar_;
};

class UpDownElement : public Element {
 public:
  UpDownElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    widget = new QWidget(parent);
    auto* box = new QVBoxLayout(widget);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    auto* up = new QToolButton(widget);
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(widget);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up, down}) {
      b->setFixedSize(18, 13);
      box->addWidget(b);
    }
    auto& model = static_cast<ui::UpDown&>(c);
    QObject::connect(up, &QToolButton::clicked, up,
                     [this, &model] { view.act(control, [&] { model.up(); }); });
    QObject::connect(down, &QToolButton::clicked, down,
                     [this, &model] { view.act(control, [&] { model.down(); }); });
  }
  QSize naturalSize() const override { return {18, 26}; }
};

class GaugeElement : public Element {
 public:
  GaugeElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    bar_ = new QProgressBar(parent);
    widget = bar_;
  }
  QSize naturalSize() const override { return {150, 18}; }
  void sync(ui::Property p) override {
    if (p == ui::Property::Progress) {
      auto& model = static_cast<ui::Gauge&>(control);
      bar_->setRange(model.minValue(), std::max(model.minValue(), model.maxValue()));
      bar_->setValue(std::clamp(model.progress(), bar_->minimum(), bar_->maximum()));
    }
    Element::sync(p);
  }

 private:
  QProgressBar* bar_;
};

// --- bars and menus: outside the automatic layout ---

class StatusBarElement : public Element {
 public:
  StatusBarElement(FormView& v, ui::Control& c) : Element(v, c) {
    bar_ = new QStatusBar;
    bar_->setSizeGripEnabled(false);
    widget = bar_;
    v.setStatusBar(bar_);
  }
  bool placed() const override { return false; }
  void sync(ui::Property p) override {
    if (p == ui::Property::Panels) {
      const auto& panels = static_cast<ui::StatusBar&>(control).panels();
      while (labels_.size() < panels.size()) {
        auto* label = new ElidingLabel(bar_);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The panels share the bar's width; their texts never widen it.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        bar_->addWidget(label, 1);
        labels_.push_back(label);
      }
      for (size_t i = 0; i < labels_.size(); ++i)
        labels_[i]->setFullText(i < panels.size() ? toQt(panels[i]) : QString());
      return;
    }
    if (p == ui::Property::Visible) {
      bar_->setVisible(control.visible());
      return;
    }
    Element::sync(p);
  }

 private:
  QStatusBar* bar_;
  std::vector<ElidingLabel*> labels_;
};

class MainMenuElement : public Element {
 public:
  MainMenuElement(FormView& v, ui::Control& c) : Element(v, c) {
    bar_ = new QMenuBar;
    v.setMenuBar(bar_);
  }
  bool placed() const override { return false; }
  QWidget* host() override { return bar_; }
  QWidget* menuHolder() const { return bar_; }
  void sync(ui::Property) override {}

 private:
  QMenuBar* bar_;
};

class PopupMenuElement : public Element {
 public:
  PopupMenuElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    menu_ = new QMenu(parent);
  }
  bool placed() const override { return false; }
  QWidget* host() override { return menu_; }
  QMenu* menu() const override { return menu_; }
  void sync(ui::Property) override {}

 private:
  QMenu* menu_;
};

class MenuItemElement : public Element {
 public:
  MenuItemElement(FormView& v, ui::Control& c, QWidget* holder) : Element(v, c) {
    if (!c.children().empty()) {
      menu_ = new QMenu(holder);
      action_ = menu_->menuAction();
      // Opening a menu is a click of its item.
      QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] {
        if (control.onClick && !view.updating()) view.act(control, [this] { control.click(); });
      });
    } else {
      action_ = new QAction(holder);
      auto& item = static_cast<ui::MenuItem&>(c);
      if (!item.shortcut().empty()) action_->setShortcut(QKeySequence(toQt(item.shortcut())));
      QObject::connect(action_, &QAction::triggered, action_,
                       [this] { view.act(control, [this] { control.click(); }); });
    }
    holder->addAction(action_);
  }
  bool placed() const override { return false; }
  QWidget* host() override { return menu_; }
  QAction* action() const override { return action_; }
  QMenu* menu() const override { return menu_; }
  void sync(ui::Property p) override {
    auto& item = static_cast<ui::MenuItem&>(control);
    switch (p) {
      case ui::Property::Caption:
        action_->setSeparator(item.caption() == "-");
        action_->setText(toQt(item.caption()));
        break;
      case ui::Property::Enabled: action_->setEnabled(item.enabled()); break;
      case ui::Property::Visible: action_->setVisible(item.visible()); break;
      case ui::Property::Checked:
        if (item.checked()) action_->setCheckable(true);
        action_->setChecked(item.checked());
        break;
      case ui::Property::Hint: action_->setToolTip(toQt(item.hint())); break;
      default: break;
    }
  }

 private:
  QMenu* menu_ = nullptr;
  QAction* action_ = nullptr;
};

// The window's client area: the form's own controls are laid out in it.
class FormElement : public Element {
 public:
  FormElement(FormView& v, ui::Control& c) : Element(v, c) { widget = new QWidget; }
  bool placed() const override { return false; }
  bool container() const override { return true; }
  int packWidth() const override { return 480; }
  QMargins hostMargins() const override { return {6, 6, 6, 6}; }
  QSize naturalSize() const override { return {0, 0}; }
  void sync(ui::Property p) override {
    switch (p) {
      case ui::Property::Caption: view.window()->setWindowTitle(toQt(control.caption())); break;
      case ui::Property::Font:
      case ui::Property::Colour: applyLook(); break;
      case ui::Property::Bounds: view.refit(); break;
      case ui::Property::Cursor: widget->setCursor(cursorShape(control.cursor())); break;
      default: break;  // shown, hidden and activated through the application
    }
  }
};

class NothingElement : public Element {
 public:
  using Element::Element;
  void sync(ui::Property) override {}
};

}  // namespace

// --- the common part ---

QSize Element::naturalSize() const { return widget ? widget->sizeHint() : QSize(); }

void Element::sync(ui::Property property) {
  if (!widget) return;
  switch (property) {
    case ui::Property::Caption:
      captionChanged();
      view.scheduleLayout();
      break;
    case ui::Property::Enabled: widget->setEnabled(control.enabled()); break;
    case ui::Property::Visible:
      widget->setVisible(control.visible());
      view.scheduleLayout();
      break;
    case ui::Property::Font:
      applyLook();
      view.scheduleLayout();
      break;
    case ui::Property::Colour: applyLook(); break;
    case ui::Property::Hint: widget->setToolTip(toQt(control.hint())); break;
    case ui::Property::Cursor:
      if (control.cursor() == ui::Cursor::Default)
        widget->unsetCursor();
      else
        widget->setCursor(cursorShape(control.cursor()));
      break;
    case ui::Property::Bounds: view.scheduleLayout(); break;
    case ui::Property::Focus: widget->setFocus(Qt::OtherFocusReason); break;
    default: break;
  }
}

void Element::syncAll() {
  using P = ui::Property;
  for (P p : {P::Caption, P::Items, P::ItemIndex, P::Text, P::Checked, P::Enabled, P::Visible,
              P::Font, P::Colour, P::Position, P::ActivePage, P::Picture, P::Panels, P::Progress,
              P::ReadOnly, P::Hint, P::Cursor, P::Shape})
    sync(p);
}

void Element::applyLook() {
  QWidget* widget = lookTarget();
  if (!widget) return;
  const ui::Font& f = control.font();
  const ui::Font standard;
  QFont font = QApplication::font(widget);
  if (!f.name.empty() && f.name != standard.name) font.setFamily(toQt(f.name));
  if (f.size > 0 && f.size != standard.size) font.setPointSize(f.size);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  widget->setFont(font);

  QPalette palette = QApplication::palette(widget);
  if (f.colour != ui::clBlack) {
    QColor c = qtColour(f.colour);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      palette.setColor(role, c);
  }
  bool painted = control.colour() != defaultColour();
  if (painted) {
    // Only the role the kind paints its face with, so that children keep their own faces.
    QPalette::ColorRole role = defaultColour() == ui::clWindow      ? QPalette::Base
                               : control.kind() == ui::Kind::Button ? QPalette::Button
                                                                    : QPalette::Window;
    palette.setColor(role, qtColour(control.colour()));
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(painted && defaultColour() != ui::clWindow);
}

void Element::forwardInput(QWidget* target) {
  // Handlers are looked at when a key comes: they may be bound after the window is built.
  target->installEventFilter(new InputForwarder(target, view, control));
}

std::unique_ptr<Element> makeElement(FormView& view, ui::Control& control, Element* parent) {
  using K = ui::Kind;
  QWidget* host = parent ? parent->host() : nullptr;
  if (!host && parent) host = view.element(view.form)->host();
  std::unique_ptr<Element> e;
  switch (control.kind()) {
    case K::Form: e = std::make_unique<FormElement>(view, control); break;
    case K::Button: e = std::make_unique<ButtonElement>(view, control, host); break;
    case K::Label: e = std::make_unique<LabelElement>(view, control, host); break;
    case K::Edit: e = std::make_unique<EditElement>(view, control, host); break;
    case K::Memo: e = std::make_unique<MemoElement>(view, control, host); break;
    case K::ListBox:
    case K::FileListBox: e = std::make_unique<ListElement>(view, control, host); break;
    case K::CheckListBox: e = std::make_unique<CheckListElement>(view, control, host); break;
    case K::ComboBox: e = std::make_unique<ComboElement>(view, control, host); break;
    case K::CheckBox: e = std::make_unique<CheckBoxElement>(view, control, host); break;
    case K::RadioButton: e = std::make_unique<RadioButtonElement>(view, control, host); break;
    case K::RadioGroup: e = std::make_unique<RadioGroupElement>(view, control, host); break;
    case K::PageControl: e = std::make_unique<PageControlElement>(view, control, host); break;
    case K::TabSheet:
      if (auto* pages = dynamic_cast<PageControlElement*>(parent))
        e = std::make_unique<TabSheetElement>(view, control, *pages);
      else
        e = std::make_unique<PanelElement>(view, control, host);
      break;
    case K::GroupBox: e = std::make_unique<GroupBoxElement>(view, control, host); break;
    case K::Panel: e = std::make_unique<PanelElement>(view, control, host); break;
    case K::Shape: e = std::make_unique<ShapeElement>(view, control, host); break;
    case K::Image: e = std::make_unique<ImageElement>(view, control, host); break;
    case K::ScrollBar: e = std::make_unique<ScrollBarElement>(view, control, host); break;
    case K::UpDown: e = std::make_unique<UpDownElement>(view, control, host); break;
    case K::Gauge: e = std::make_unique<GaugeElement>(view, control, host); break;
    case K::StatusBar: e = std::make_unique<StatusBarElement>(view, control); break;
    case K::MainMenu: e = std::make_unique<MainMenuElement>(view, control); break;
    case K::PopupMenu: e = std::make_unique<PopupMenuElement>(view, control, view.window()); break;
    case K::MenuItem:
      if (parent && parent->host())
        e = std::make_unique<MenuItemElement>(view, control, parent->host());
      else
        e = std::make_unique<NothingElement>(view, control);
      break;
    case K::Component: e = std::make_unique<NothingElement>(view, control); break;
  }
  if (e->widget) e->widget->setObjectName(toQt(control.name()));
  if (QAction* a = e->action()) a->setObjectName(toQt(control.name()));
  return e;
}

}  // namespace qtui
