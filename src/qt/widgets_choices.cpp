// Check boxes, radio buttons and radio groups.

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <algorithm>

#include "qt/view.h"
#include "qt/widgets.h"
#include "ui/controls.h"

namespace qtui {

namespace {

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
  void captionChanged() override { box_->setText(buttonText(control.caption())); }

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
  void captionChanged() override { radio_->setText(buttonText(control.caption())); }

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
  void captionChanged() override { group_->setTitle(buttonText(control.caption())); }

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
      auto* r = new QRadioButton(buttonText(shown_[i]), group_);
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

}  // namespace

std::unique_ptr<Element> makeChoiceElement(FormView& view, ui::Control& control, QWidget* host) {
  switch (control.kind()) {
    case ui::Kind::CheckBox: return std::make_unique<CheckBoxElement>(view, control, host);
    case ui::Kind::RadioButton: return std::make_unique<RadioButtonElement>(view, control, host);
    default: return std::make_unique<RadioGroupElement>(view, control, host);  // RadioGroup
  }
}

}  // namespace qtui
