// One form on screen: its window (or panel), its elements, and the automatic layout that packs
// the controls and sizes the window to them.

#include "qt/view.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <climits>

#include "qt/renderer.h"
#include "ui/controls.h"

namespace qtui {

namespace {

constexpr int kGap = 4;
// A page control's frame, tab bar and the scroll bar of its pages around the area of its pages.
constexpr int kPageFrameWidth = 24;
constexpr int kPageFrameHeight = 34;
// How much of the screen a window sized by its content may take.
constexpr int kMaxAutoWidth = 1000;
constexpr int kMaxAutoHeight = 720;

// The top-level window of a form: the title bar's close button and the window system's
// activations and exposures go to the renderer.
class FormWindow : public QWidget {
 public:
  // A panel is shown inside its parent widget; a window with a parent (its owner) stays in
  // front of it: the window systems keep a window of the dialog kind over its owner.
  FormWindow(Renderer& renderer, ui::Form& form, QWidget* parent, bool panel)
      : QWidget(parent, parent && !panel ? Qt::Dialog | Qt::WindowMinMaxButtonsHint |
                                               Qt::WindowCloseButtonHint
                                         : Qt::WindowFlags()),
        renderer_(renderer),
        form_(form) {}
  ui::Form& form() const { return form_; }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose) {
      auto* w = qobject_cast<QWindow*>(watched);
      if (w && w->isExposed() && !renderer_.closing()) renderer_.exposed(form_);
    }
    return QWidget::eventFilter(watched, event);
  }

 protected:
  bool event(QEvent* event) override {
    // A panel hears of its window's activations too: they are not its own.
    if (event->type() == QEvent::WindowActivate && isWindow() && !renderer_.closing())
      renderer_.userActivated(form_);
    return QWidget::event(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (renderer_.closing() || !form_.visible()) {
      event->accept();
      return;
    }
    // The model decides: its close handler runs and it hides the window.
    event->ignore();
    renderer_.userClosed(form_);
  }

 private:
  Renderer& renderer_;
  ui::Form& form_;
};

constexpr int kPanelLeft = 14;
constexpr int kPanelInset = 2;
// The screen a window with panels must fit, its title bar and borders included (an allowance).
constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 38;
constexpr int kGrowthStep = 8;

}  // namespace

ui::Form* formOf(QWidget* widget) {
  for (QWidget* w = widget; w; w = w->parentWidget())
    if (auto* window = dynamic_cast<FormWindow*>(w)) return &window->form();
  return nullptr;
}

// --- automatic layout ---

Packing packSkyline(const std::vector<QSize>& sizes, int width, int gap) {
  struct Segment {
    int x, end, y;
  };
  width = std::max(width, 1);
  std::vector<Segment> sky{{0, width, 0}};
  Packing out;
  out.size = QSize(0, 0);
  for (QSize s : sizes) {
    int w = std::max(s.width(), 0);
    int h = std::max(s.height(), 0);
    int bestX = 0;
    int bestY = INT_MAX;
    for (size_t i = 0; i < sky.size(); ++i) {
      int x = sky[i].x;
      if (x > 0 && x + w > width) break;
      int y = 0;
      for (size_t j = i; j < sky.size() && (sky[j].x < x + w || j == i); ++j)
        y = std::max(y, sky[j].y);
      if (y < bestY) {
        bestY = y;
        bestX = x;
      }
    }
    out.positions.emplace_back(bestX, bestY);
    out.size = out.size.expandedTo(QSize(bestX + w, bestY + h));
    // The item and the gap after it raise the skyline over its width.
    int end = std::min(width, bestX + w + gap);
    int top = bestY + h + gap;
    std::vector<Segment> next;
    for (const Segment& seg : sky) {
      if (seg.end <= bestX || seg.x >= end) {
        next.push_back(seg);
        continue;
      }
      if (seg.x < bestX) next.push_back({seg.x, bestX, seg.y});
      if (seg.end > end) next.push_back({end, seg.end, seg.y});
    }
    next.push_back({bestX, end, top});
    std::sort(next.begin(), next.end(),
              [](const Segment& a, const Segment& b) { return a.x < b.x; });
    // Neighbours at the same height are one segment.
    sky.clear();
    for (const Segment& seg : next) {
      if (seg.end <= seg.x) continue;
      if (!sky.empty() && sky.back().y == seg.y && sky.back().end == seg.x)
        sky.back().end = seg.end;
      else
        sky.push_back(seg);
    }
  }
  return out;
}

// --- one form ---

FormView::FormView(Renderer& r, ui::Form& f, QWidget* panelArea, QWidget* owner)
    : renderer(r), form(f) {
  auto* window = new FormWindow(r, f, panelArea ? panelArea : owner, panelArea != nullptr);
  window_ = window;
  if (panelArea) {
    // Borderless, and opaque over the pages it covers; shown when the model shows it. A click
    // inside it is its own, never passed on to the window it is shown in.
    window_->setAutoFillBackground(true);
    window_->setAttribute(Qt::WA_NoMousePropagation);
    window_->hide();
  }
  window_->setObjectName(toQt(f.className()));
  auto* box = new QVBoxLayout(window_);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  scroll_ = new QScrollArea(window_);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  box->addWidget(scroll_, 1);

  elements_[&form] = makeElement(*this, form, nullptr);
  scroll_->setWidget(elements_[&form]->widget);
  for (ui::Control* c : form.controls()) {
    Element* parent = element(*c->parent());
    elements_[c] = makeElement(*this, *c, parent);
  }
  {
    Updating u(*this);
    element(form)->syncAll();
    for (ui::Control* c : form.controls()) element(*c)->syncAll();
  }
  layout();
  if (!panelArea) {
    window_->winId();
    if (QWindow* w = window_->windowHandle()) w->installEventFilter(window);
  }
  form.addObserver(this);
}

FormView::~FormView() {
  form.removeObserver(this);
  delete window_;
}

QWidget* FormView::clientArea() const { return elements_.at(&form)->widget; }

Element* FormView::element(const ui::Control& control) const {
  auto it = elements_.find(&control);
  return it == elements_.end() ? nullptr : it->second.get();
}

void FormView::changed(ui::Control& control, ui::Property property) {
  if (renderer.closing()) return;
  Element* e = element(control);
  if (!e) return;
  Updating u(*this);
  e->sync(property);
}

void FormView::act(ui::Control& control, const std::function<void()>& action) {
  if (updating_ > 0 || renderer.closing()) return;
  renderer.run(action);
  if (renderer.closing()) return;
  // The widget shows what the model holds, whether the action was taken or refused.
  if (Element* e = element(control)) {
    Updating u(*this);
    e->syncAll();
  }
}

void FormView::scheduleLayout() {
  if (layoutQueued_) return;
  layoutQueued_ = true;
  QTimer::singleShot(0, window_, [this] {
    // Shown, or changed, by its handlers (never measured while it is being shown, before its
    // show handler has set it up): a panel, or the pages of a window with panels, get room.
    if (form.visible()) renderer.makeRoomFor(*this);
    layout();
  });
}

void FormView::setMenuBar(QMenuBar* bar) { window_->layout()->setMenuBar(bar); }

void FormView::setStatusBar(QStatusBar* bar) {
  bar->setParent(window_);
  static_cast<QVBoxLayout*>(window_->layout())->addWidget(bar);
}

std::vector<Element*> FormView::placedChildren(const ui::Control& control) const {
  std::vector<Element*> out;
  for (ui::Control* c : control.children()) {
    Element* e = element(*c);
    if (e && e->placed() && c->visible()) out.push_back(e);
  }
  return out;
}

QSize FormView::arrange(Element& e, int width, int limit) {
  const ui::Control& c = e.control;
  // A form's size is its window's: the caller gives the width of its client area.
  bool own = c.kind() != ui::Kind::Form;
  int w = own && c.width() > 0 ? c.width() : width;
  int h = own && c.height() > 0 ? c.height() : 0;
  if (&c == growing_ && w > 0 && h > 0) {
    w += growth_.width();
    h += growth_.height();
  }
  if (c.kind() == ui::Kind::PageControl) {
    int inner = w > 0 ? w - kPageFrameWidth : 0;
    QSize most(0, 0);
    for (ui::Control* page : c.children())
      if (Element* pe = element(*page); pe && pe->container())
        most = most.expandedTo(arrange(*pe, inner, w > 0 ? inner : limit - kPageFrameWidth));
    return {w > 0 ? w : most.width() + kPageFrameWidth,
            h > 0 ? h : std::min(most.height() + kPageFrameHeight, kMaxAutoHeight - 100)};
  }
  if (!e.container()) {
    QSize natural = e.naturalSize();
    return {w > 0 ? w : natural.width(), h > 0 ? h : natural.height()};
  }
  QMargins m = e.hostMargins();
  // The width the children have: the container's own, or what its own container gives it.
  int available = std::max(0, (w > 0 ? w : limit) - m.left() - m.right());
  std::vector<Element*> kids = placedChildren(c);
  std::vector<QSize> sizes;
  int widest = 0;
  for (Element* k : kids) {
    QSize size = arrange(*k, 0, available);
    // A text wider than the room there is is cut short; it never widens its container.
    if (k->elides() && size.width() > available) size.setWidth(available);
    sizes.push_back(size);
    widest = std::max(widest, size.width());
  }
  int inner =
      w > 0 ? w - m.left() - m.right() : std::max(widest, std::min(e.packWidth(), available));
  // A grown page control keeps its neighbours where its model size puts them: they are packed
  // around that size, then those beside it move right by its growth, those below it down.
  auto grown = std::find_if(kids.begin(), kids.end(),
                            [&](Element* k) { return &k->control == growing_; });
  const size_t g = static_cast<size_t>(grown - kids.begin());
  if (grown != kids.end()) {
    sizes[g] -= growth_;
    inner -= growth_.width();
  }
  Packing packing = packSkyline(sizes, inner, kGap);
  if (grown != kids.end()) {
    const QRect model(packing.positions[g], sizes[g]);
    for (QPoint& at : packing.positions) {
      if (at.y() > model.bottom())
        at.ry() += growth_.height();
      else if (at.x() > model.right())
        at.rx() += growth_.width();
    }
    sizes[g] += growth_;
    packing.size += growth_;
  }
  for (size_t i = 0; i < kids.size(); ++i)
    kids[i]->widget->setGeometry(QRect(QPoint(m.left(), m.top()) + packing.positions[i], sizes[i]));
  QSize natural = e.naturalSize();
  QSize content(packing.size.width() + m.left() + m.right(),
                packing.size.height() + m.top() + m.bottom());
  QSize out(w > 0 ? w : std::max(content.width(), natural.width()),
            h > 0 ? h : std::max(content.height(), natural.height()));
  if (e.host() != e.widget) {
    // Pages and the window's client area scroll when their content is larger than they are.
    e.host()->setMinimumSize(content.expandedTo(QSize(out.width(), 0)));
  }
  return out;
}

void FormView::layout() {
  layoutQueued_ = false;
  Element* root = element(form);
  // Room for the vertical scroll bar, so that a tall content never needs a horizontal one.
  int scrollBar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  // A panel spreads its controls over the whole room it is shown in.
  int width = form.panelOver ? std::max(form.width(), panelRoom().width())
              : form.width() > 0 ? form.width() + growth_.width()
                                 : 0;
  int clientWidth = width > 0 ? width - scrollBar : 0;
  QSize content = arrange(*root, clientWidth, clientWidth > 0 ? clientWidth : kMaxAutoWidth);
  root->host()->setMinimumSize(content);
  if (!sized_) fitWindow();
}

void FormView::fitWindow() {
  sized_ = true;
  if (form.panelOver) {
    fitPanel();
    return;
  }
  int menu = 0;
  if (auto* bar = window_->layout()->menuBar()) menu = bar->sizeHint().height();
  int status = 0;
  if (auto* bar = window_->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
    status = bar->isVisibleTo(window_) ? bar->sizeHint().height() : 0;
  QSize content = element(form)->host()->minimumSize();
  // The client area of the model includes the status bar; the menu bar is outside it.
  int width = form.width() > 0 ? form.width() + growth_.width()
                               : std::min(content.width(), kMaxAutoWidth);
  int height = form.height() > 0 ? form.height() + growth_.height() + menu
                                 : std::min(content.height() + status, kMaxAutoHeight) + menu;
  // The window fits the screen it is on: on a smaller screen it is smaller, and its content
  // scrolls. A window of fixed size keeps it otherwise, whatever its content asks for.
  const QSize wanted(width, height);
  const QSize size = wanted.boundedTo(screenRoom(*window_));
  if (form.fixedSize && form.width() > 0 && form.height() > 0) {
    window_->setMinimumSize(size);
    window_->setMaximumSize(wanted);
  }
  window_->resize(size);
}

const QScreen* screenOf(const QWidget& window) {
  return window.screen() ? window.screen() : QGuiApplication::primaryScreen();
}

QSize screenRoom(const QWidget& window) {
  const QScreen* screen = screenOf(window);
  if (!screen) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
  return screen->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
}

QSize FormView::panelRoom() const {
  auto* pages = qobject_cast<QTabWidget*>(renderer.widget(*form.panelOver));
  if (!pages) return {0, 0};
  int top = pages->tabBar()->sizeHint().height() + kPanelInset;
  return {pages->width() - 1 - kPanelInset - kPanelLeft, pages->height() - 1 - kPanelInset - top};
}

void FormView::fitPanel() {
  auto* pages = qobject_cast<QTabWidget*>(renderer.widget(*form.panelOver));
  QWidget* area = window_->parentWidget();
  if (!pages || !area) return;
  QPoint corner = pages->mapTo(area, QPoint(0, 0));
  QRect room(corner + QPoint(kPanelLeft, pages->tabBar()->sizeHint().height() + kPanelInset),
             panelRoom());
  if (window_->geometry() == room) return;
  window_->setGeometry(room);
  scheduleLayout();  // the controls spread over the room
}

QSize FormView::extentAt(Element& e, int width) {
  arrange(e, width, width);
  // What the children take, not the width they were given.
  QRect used = e.host()->childrenRect();
  QMargins m = e.hostMargins();
  return {used.right() + 1 + m.right(), used.bottom() + 1 + m.bottom()};
}

QSize FormView::contentAt(int width) {
  int scrollBar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  // As layout() does: a panel never packs its controls narrower than its form.
  width = std::max(width, form.width());
  return extentAt(*element(form), width - scrollBar) + QSize(scrollBar, 0);
}

void FormView::fitToPanels(const ui::Control& pages, const std::vector<FormView*>& panels) {
  if (form.width() <= 0 || form.height() <= 0) return;
  Element* pagesElement = element(pages);
  auto* tabs = pagesElement ? qobject_cast<QTabWidget*>(pagesElement->widget) : nullptr;
  if (!tabs) return;
  int menu = 0;
  if (auto* bar = window_->layout()->menuBar()) menu = bar->sizeHint().height();
  const int maxWidth = kScreenWidth - kFrameWidth - form.width();
  const int maxHeight = kScreenHeight - kFrameHeight - menu - form.height();
  // Room lost around a panel and around a page, beside the size of the page control.
  const int tabBar = tabs->tabBar()->sizeHint().height();
  const QSize aroundPanel(kPanelLeft + kPanelInset + 1, tabBar + 2 * kPanelInset + 1);
  const QSize aroundPage(kPageFrameWidth, kPageFrameHeight);
  QSize chosen = growth_;
  for (int dw = growth_.width();; dw += kGrowthStep) {
    dw = std::min(dw, std::max(maxWidth, growth_.width()));
    const int pagesWidth = pages.width() + dw;
    int dh = growth_.height();
    bool fits = true;
    auto need = [&](QSize content, QSize around) {
      fits = fits && content.width() + around.width() <= pagesWidth;
      dh = std::max(dh, content.height() + around.height() - pages.height());
    };
    need({tabs->tabBar()->sizeHint().width(), 0}, {kPageFrameWidth, 0});  // every tab shown whole
    for (FormView* panel : panels)
      need(panel->contentAt(pagesWidth - aroundPanel.width()), aroundPanel);
    for (ui::Control* page : pages.children())
      if (Element* e = element(*page); e && e->container())
        need(extentAt(*e, pagesWidth - aroundPage.width()), aroundPage);
    chosen = {dw, std::min(dh, std::max(maxHeight, growth_.height()))};
    if ((fits && dh <= maxHeight) || dw >= maxWidth) break;
  }
  if (chosen == growth_ && growing_ == &pages) return;
  growing_ = &pages;
  growth_ = chosen;
  sized_ = false;
  layout();
  for (FormView* panel : panels) {
    panel->fitPanel();
    panel->scheduleLayout();
  }
}

}  // namespace qtui
