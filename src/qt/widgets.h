#pragma once
// Inside the renderer: what the element files (widgets_*.cpp) share, and the maker of each kind's
// element, which makeElement (widgets.cpp) calls.

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qt/view.h"
#include "ui/control.h"

class QEvent;
class QLineEdit;
class QObject;
class QPaintEvent;
class QWidget;

namespace qtui {

QColor qtColour(ui::Colour c);
// What the user typed in a line edit: a masked edit's text drops its empty places, its display
// keeps them (as the mask's blank character).
QString typedText(const QLineEdit& edit);
// Horizontal only: the caller adds the vertical part.
Qt::Alignment qtAlignment(ui::Alignment a);
// Captions break lines with CR (or CR LF), as the model's texts do.
QString captionText(const std::string& caption);
// The same for a button, box, tab or menu item, where Qt takes an "&" for a keyboard mnemonic:
// the data they show (a category "Thé & infusions") is shown as typed.
QString buttonText(const std::string& caption);
QStringList qtItems(const std::vector<std::string>& items);
// The picture of a file; a null picture when there is no file or it cannot be read.
QPixmap loadPixmap(const std::filesystem::path& file);
// Runs a function on the events of an object; true from it stops the event.
void onEvent(QObject* watched, std::function<bool(QEvent*)> fn);

// A label that cuts its lines short with "..." when its box is narrower than its text: no text
// widens the window it is in.
class ElidingLabel : public QLabel {
 public:
  explicit ElidingLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }
  void setFullText(const QString& text);
  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The element of a control of each family, one file each.
std::unique_ptr<Element> makeTextElement(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeListElement(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeChoiceElement(FormView& view, ui::Control& control, QWidget* host);
// A tab sheet is a tab of its page control; in anything else it is shown as a panel.
std::unique_ptr<Element> makeContainerElement(FormView& view, ui::Control& control, Element* parent,
                                              QWidget* host);
std::unique_ptr<Element> makePictureElement(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeRangeElement(FormView& view, ui::Control& control, QWidget* host);
// menu: the menu a menu item goes in.
std::unique_ptr<Element> makeMenuElement(FormView& view, ui::Control& control, QWidget* menu);

}  // namespace qtui
