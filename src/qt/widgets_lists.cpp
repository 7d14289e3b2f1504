// List boxes, check lists and combo boxes.

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <functional>

#include "qt/view.h"
#include "qt/widgets.h"
#include "ui/controls.h"

namespace qtui {

namespace {

// A right click on an item of a list reaches the model as the item's index (-1 below the items).
void forwardRightClickOf(FormView& view, ui::Control& control, QListWidget* list) {
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(list, &QListWidget::customContextMenuRequested, list, [&view, &control, list](const QPoint& at) {
    const int row = list->row(list->itemAt(at));
    view.act(control, [&] { static_cast<ui::ItemsControl&>(control).rightClickItem(row); });
  });
}

// Every click on an item of a list reaches the model: Qt tells a new current row as a change,
// and a click on the row that is already current only as a click. Returns the row that was
// current at the press under way: a list forgets it (-1) when the press was no click on a text.
std::shared_ptr<int> forwardItemClicks(FormView& view, QListWidget* list,
                                       std::function<void(int row)> click) {
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
  return rowBeforePress;
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
    // A click on a box ticks it when the button is released, before Qt tells the click: that
    // click is not one on the item's text, even on the current item.
    auto pressedRow = forwardItemClicks(view, list_, [this](int row) {
      view.act(control, [&] { static_cast<ui::CheckListBox&>(control).clickItem(row); });
    });
    QObject::connect(list_, &QListWidget::itemChanged, list_,
                     [this, pressedRow](QListWidgetItem* item) {
                       if (view.updating()) return;
                       *pressedRow = -1;
                       auto& model = static_cast<ui::CheckListBox&>(control);
                       int row = list_->row(item);
                       bool ticked = item->checkState() == Qt::Checked;
                       if (row >= 0 && ticked != model.checked(static_cast<size_t>(row)))
                         view.act(control, [&] { model.toggle(static_cast<size_t>(row)); });
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
      const int changed = model.changedCheck();
      if (changed >= 0 && changed < list_->count()) {
        showCheck(changed);
      } else {
        for (int r = 0; r < list_->count(); ++r) showCheck(r);
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
  void showCheck(int row) {
    auto& model = static_cast<ui::CheckListBox&>(control);
    Qt::CheckState want = model.checked(static_cast<size_t>(row)) ? Qt::Checked : Qt::Unchecked;
    if (list_->item(row)->checkState() != want) list_->item(row)->setCheckState(want);
  }
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

}  // namespace

std::unique_ptr<Element> makeListElement(FormView& view, ui::Control& control, QWidget* host) {
  switch (control.kind()) {
    case ui::Kind::ListBox:
    case ui::Kind::FileListBox: return std::make_unique<ListElement>(view, control, host);
    case ui::Kind::CheckListBox: return std::make_unique<CheckListElement>(view, control, host);
    default: return std::make_unique<ComboElement>(view, control, host);  // ComboBox
  }
}

}  // namespace qtui
