// Buttons, labels, edits and memos: the controls that show and take a text.

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "qt/view.h"
#include "qt/widgets.h"
#include "ui/controls.h"

namespace qtui {

// Texts longer than this are never needed whole on screen; cutting them spares every paint the
// measure of a huge text.
constexpr int kShownCharacters = 2000;

void ElidingLabel::setFullText(const QString& text) {
  setText(text.size() > kShownCharacters ? text.left(kShownCharacters) : text);
}

void ElidingLabel::paintEvent(QPaintEvent* event) {
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

namespace {

class ButtonElement : public Element {
 public:
  ButtonElement(FormView& v, ui::Control& c, QWidget* parent) : Element(v, c) {
    button_ = new QPushButton(parent);
    widget = button_;
    QObject::connect(button_, &QPushButton::clicked, button_,
                     [this] { view.act(control, [this] { control.click(); }); });
    forwardInput(button_);
  }
  void sync(ui::Property p) override {
    if (p == ui::Property::Checked) {
      // A speed button left down shows pressed: checked while down, and only then checkable,
      // so that a click never toggles it on its own (the model's handler decides).
      const bool down = static_cast<ui::Button&>(control).down();
      button_->setCheckable(down);
      button_->setChecked(down);
    }
    Element::sync(p);
  }
  QSize naturalSize() const override {
    QSize s = button_->sizeHint();
    // A button of a few characters ("...", "Ok") is a small one; the others get the usual width.
    int text = button_->fontMetrics().horizontalAdvance(button_->text());
    int width = button_->text().size() <= 3 ? std::max(28, text + 16) : std::max(75, s.width());
    return {width, std::max(25, s.height())};
  }

 protected:
  void captionChanged() override { button_->setText(buttonText(control.caption())); }

 private:
  QPushButton* button_;
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

// The widget's input mask for the model's: the digit places keep their meaning (the letters that
// say required and optional are the other way round), separators are escaped.
QString inputMask(const ui::EditMask& mask) {
  QString out;
  for (const ui::EditMask::Place& place : mask.places) {
    if (!place.separator) {
      out += place.required ? QChar('9') : QChar('0');
      continue;
    }
    QString separator = toQt(std::string(1, place.separator));
    if (QStringLiteral("AaNnXx90Dd#HhBb><![]{}\\;").contains(separator)) out += QChar('\\');
    out += separator;
  }
  return out + QChar(';') + toQt(std::string(1, mask.blank));
}

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
    if (const auto& mask = model.editMask()) edit_->setInputMask(inputMask(*mask));
    QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this] {
      const QString typed = typedText(*edit_);
      view.act(control, [&] { static_cast<ui::Edit&>(control).type(fromQt(typed)); });
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
    if (p == ui::Property::Text && model.editMask()) {
      // The model's empty places are blanks, the widget's the mask's blank character; a text
      // the program set out of the mask's form is shown in it as best it can.
      QString want = toQt(model.editMask()->form(model.text()));
      want.replace(QChar(' '), QChar(model.editMask()->blank));
      if (edit_->displayText() != want) {
        int cursor = edit_->cursorPosition();
        edit_->setText(want);
        edit_->setCursorPosition(cursor);
      }
    } else if (p == ui::Property::Text) {
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
    } else if (p == ui::Property::Alignment) {
      const Qt::Alignment alignment = qtAlignment(model.alignment());
      QTextOption option = memo_->document()->defaultTextOption();
      option.setAlignment(alignment);
      memo_->document()->setDefaultTextOption(option);
      // An unwrapped line is centred or right-aligned on the memo's width: a longer one would
      // start left of the memo, where no scrolling reaches. Such text wraps instead.
      memo_->setLineWrapMode(alignment & Qt::AlignLeft ? QPlainTextEdit::NoWrap
                                                       : QPlainTextEdit::WidgetWidth);
    }
    Element::sync(p);
  }

 protected:
  ui::Colour defaultColour() const override { return ui::clWindow; }

 private:
  QPlainTextEdit* memo_;
};

}  // namespace

std::unique_ptr<Element> makeTextElement(FormView& view, ui::Control& control, QWidget* host) {
  switch (control.kind()) {
    case ui::Kind::Button: return std::make_unique<ButtonElement>(view, control, host);
    case ui::Kind::Label: return std::make_unique<LabelElement>(view, control, host);
    case ui::Kind::Edit: return std::make_unique<EditElement>(view, control, host);
    default: return std::make_unique<MemoElement>(view, control, host);  // Memo
  }
}

}  // namespace qtui
