// Group boxes, panels, page controls and their tab sheets: the containers whose children are
// laid out in them.

#include <QGroupBox>
#include <QPainter>
#include <QScrollArea>
#include <QTabWidget>
#include <algorithm>

#include "qt/view.h"
#include "qt/widgets.h"
#include "ui/controls.h"

namespace qtui {

namespace {

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
  void captionChanged() override { box_->setTitle(buttonText(control.caption())); }

 private:
  QGroupBox* box_;
};

// A panel shows its picture repeated from its top left corner, then its caption across its
// middle where its alignment puts it, both under its children.
class CaptionPanel : public QFrame {
 public:
  using QFrame::QFrame;
  QString caption;
  Qt::Alignment alignment = Qt::AlignHCenter;
  QPixmap picture;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QFrame::paintEvent(e);
    if (picture.isNull() && caption.isEmpty()) return;
    QPainter painter(this);
    if (!picture.isNull()) painter.drawTiledPixmap(contentsRect(), picture);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), alignment | Qt::AlignVCenter, caption);
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
  void sync(ui::Property p) override {
    auto* model = dynamic_cast<ui::Panel*>(&control);  // a tab sheet shown as a panel has neither
    if (model && p == ui::Property::Alignment) {
      panel_->alignment = qtAlignment(model->alignment());
      panel_->update();
    } else if (model && p == ui::Property::Picture) {
      panel_->picture = loadPixmap(model->picture());
      panel_->update();
    }
    Element::sync(p);
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
    tabs_->setTabText(index, buttonText(page.caption()));
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

}  // namespace

std::unique_ptr<Element> makeContainerElement(FormView& view, ui::Control& control, Element* parent,
                                              QWidget* host) {
  switch (control.kind()) {
    case ui::Kind::GroupBox: return std::make_unique<GroupBoxElement>(view, control, host);
    case ui::Kind::PageControl: return std::make_unique<PageControlElement>(view, control, host);
    case ui::Kind::TabSheet:
      if (auto* pages = dynamic_cast<PageControlElement*>(parent))
        return std::make_unique<TabSheetElement>(view, control, *pages);
      return std::make_unique<PanelElement>(view, control, host);
    default: return std::make_unique<PanelElement>(view, control, host);  // Panel
  }
}

}  // namespace qtui
