// The status bar, the menu bar, pop-up menus and menu items: outside the automatic layout.

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "qt/view.h"
#include "qt/widgets.h"
#include "ui/controls.h"
#include "ui/menu.h"

namespace qtui {

namespace {

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
        action_->setText(buttonText(item.caption()));
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

}  // namespace

std::unique_ptr<Element> makeMenuElement(FormView& view, ui::Control& control, QWidget* menu) {
  switch (control.kind()) {
    case ui::Kind::StatusBar: return std::make_unique<StatusBarElement>(view, control);
    case ui::Kind::MainMenu: return std::make_unique<MainMenuElement>(view, control);
    case ui::Kind::PopupMenu:
      return std::make_unique<PopupMenuElement>(view, control, view.window());
    default: return std::make_unique<MenuItemElement>(view, control, menu);  // MenuItem
  }
}

}  // namespace qtui
