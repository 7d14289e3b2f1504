// Scroll bars, up-down buttons and gauges.

#include <QProgressBar>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "qt/view.h"
#include "qt/widgets.h"
#include "ui/controls.h"

namespace qtui {

namespace {

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

}  // namespace

std::unique_ptr<Element> makeRangeElement(FormView& view, ui::Control& control, QWidget* host) {
  switch (control.kind()) {
    case ui::Kind::ScrollBar: return std::make_unique<ScrollBarElement>(view, control, host);
    case ui::Kind::UpDown: return std::make_unique<UpDownElement>(view, control, host);
    default: return std::make_unique<GaugeElement>(view, control, host);  // Gauge
  }
}

}  // namespace qtui
