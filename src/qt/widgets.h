#pragma once
// Inside the renderer: what the element files (widgets_*.cpp) share, and the maker of each kind's
// element, which makeElement (widgets.cpp) calls.

#include <QColor>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qt/view.h"
#include "ui/control.h"

class QEvent;
class QObject;
class QPaintEvent;
class QWidget;

namespace qtui {

QColor qtColour(ui::Colour c);
// Captions break lines with CR (or CR LF), as the model's texts do.
QString captionText(const std::string& caption);
QStringList qtItems(const std::vector<std::string>& items);
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

// widgets_text.cpp
std::unique_ptr<Element> makeButton(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeLabel(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeEdit(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeMemo(FormView& view, ui::Control& control, QWidget* host);
// widgets_lists.cpp
std::unique_ptr<Element> makeList(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeCheckList(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeCombo(FormView& view, ui::Control& control, QWidget* host);
// widgets_choices.cpp
std::unique_ptr<Element> makeCheckBox(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeRadioButton(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeRadioGroup(FormView& view, ui::Control& control, QWidget* host);
// widgets_containers.cpp
std::unique_ptr<Element> makeGroupBox(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makePanel(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makePageControl(FormView& view, ui::Control& control, QWidget* host);
// A tab of its page control; a sheet in anything else is shown as a panel.
std::unique_ptr<Element> makeTabSheet(FormView& view, ui::Control& control, Element* parent,
                                      QWidget* host);
// widgets_pictures.cpp
std::unique_ptr<Element> makeShape(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeImage(FormView& view, ui::Control& control, QWidget* host);
// widgets_ranges.cpp
std::unique_ptr<Element> makeScrollBar(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeUpDown(FormView& view, ui::Control& control, QWidget* host);
std::unique_ptr<Element> makeGauge(FormView& view, ui::Control& control, QWidget* host);
// widgets_menus.cpp
std::unique_ptr<Element> makeStatusBar(FormView& view, ui::Control& control);
std::unique_ptr<Element> makeMainMenu(FormView& view, ui::Control& control);
std::unique_ptr<Element> makePopupMenu(FormView& view, ui::Control& control);
std::unique_ptr<Element> makeMenuItem(FormView& view, ui::Control& control, QWidget* menu);

}  // namespace qtui
