#include "ui/controls.h"

#include <algorithm>
#include <stdexcept>

#include "platform/files.h"
#include "platform/text.h"
#include "ui/form.h"

namespace ui {

Label::Label(Control& parent, std::string name, std::string caption)
    : Control(parent, std::move(name), Kind::Label) {
  setCaption(std::move(caption));
}

Button::Button(Control& parent, std::string name, std::string caption)
    : Control(parent, std::move(name), Kind::Button) {
  setCaption(std::move(caption));
}

void Button::setDown(bool down) {
  if (down == down_) return;
  down_ = down;
  notify(Property::Checked);
}

// --- Edit ---

EditMask EditMask::parse(std::string_view mask) {
  EditMask out;
  size_t i = 0;
  for (; i < mask.size() && mask[i] != ';'; ++i) {
    const char c = mask[i];
    if (c == '!') continue;  // where missing digits go: they are kept in their places here
    if (c == '0' || c == '9') {
      out.places.push_back({0, c == '0'});
    } else if (c == '\\' && i + 1 < mask.size()) {
      out.places.push_back({mask[++i], false});
    } else if (std::string_view("LlAaCc#<>").find(c) != std::string_view::npos) {
      throw std::invalid_argument("edit mask place not handled: " + std::string(mask));
    } else {
      out.places.push_back({c, false});
    }
  }
  if (i + 1 < mask.size() && mask[i + 1] == '0')
    throw std::invalid_argument("edit mask without its separators: " + std::string(mask));
  if (i + 3 < mask.size() && mask[i + 2] == ';') out.blank = mask[i + 3];
  return out;
}

std::string EditMask::form(std::string_view text) const {
  std::string out;
  size_t next = 0;
  for (const Place& place : places) {
    if (place.separator) {
      out += place.separator;
      if (next < text.size() && text[next] == place.separator) ++next;
      continue;
    }
    char shown = ' ';
    while (next < text.size()) {
      const char c = text[next++];
      if (c >= '0' && c <= '9') {
        shown = c;
        break;
      }
      if (c == ' ' || c == blank) break;
    }
    out += shown;
  }
  return out;
}

Edit::Edit(Control& parent, std::string name, std::string text)
    : Control(parent, std::move(name), Kind::Edit), text_(std::move(text)) {
  setColour(clWindow);
}

void Edit::setEditMask(std::string_view mask) {
  mask_ = EditMask::parse(mask);
  setText(mask_->form(text_));
}

void Edit::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  notify(Property::Text);
  fire(onChange);
}

void Edit::setReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  notify(Property::ReadOnly);
}

void Edit::type(std::string text) {
  requireReachable();
  if (readOnly_) throw UnreachableControl("read-only edit: " + name());
  // The limits bind typing only: a value set by the program is kept whole.
  if (numbersOnly) std::erase_if(text, [](char c) { return c < '0' || c > '9'; });
  // A mask is the limit of its own: a refused character must not push a digit out.
  if (!mask_ && maxLength > 0 && text.size() > static_cast<size_t>(maxLength))
    text.resize(maxLength);
  // Only what the user types takes the mask: a text read from a file is kept as it was.
  if (mask_) text = mask_->form(text);
  setText(std::move(text));
}

// --- Memo ---

Memo::Memo(Control& parent, std::string name) : Control(parent, std::move(name), Kind::Memo) {
  setColour(clWindow);
}

void Memo::setLines(platform::LineList lines) {
  if (lines == lines_) return;
  lines_ = std::move(lines);
  notify(Property::Text);
  fire(onChange);
}

void Memo::addLine(std::string line) {
  platform::LineList l = lines_;
  l.add(std::move(line));
  setLines(std::move(l));
}

std::string Memo::text() const {
  std::string out;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i) out += "\r\n";
    out += lines_[i];
  }
  return out;
}

void Memo::setText(std::string_view text) { setLines(platform::LineList::fromText(text)); }

void Memo::setReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  notify(Property::ReadOnly);
}

void Memo::setAlignment(Alignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  notify(Property::Alignment);
}

void Memo::type(std::string_view text) {
  requireReachable();
  if (readOnly_) throw UnreachableControl("read-only memo: " + name());
  if (maxLength > 0 && text.size() > static_cast<size_t>(maxLength)) text = text.substr(0, maxLength);
  setText(text);
}

// --- lists ---

void ItemsControl::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  notify(Property::Items);
}

void ItemsControl::insertItem(size_t index, std::string item) {
  index = std::min(index, items_.size());
  items_.insert(items_.begin() + static_cast<long>(index), std::move(item));
  if (itemIndex_ >= static_cast<int>(index)) ++itemIndex_;
  notify(Property::Items);
}

void ItemsControl::deleteItem(size_t index) {
  if (index >= items_.size()) return;
  items_.erase(items_.begin() + static_cast<long>(index));
  if (itemIndex_ == static_cast<int>(index))
    itemIndex_ = -1;
  else if (itemIndex_ > static_cast<int>(index))
    --itemIndex_;
  notify(Property::Items);
}

int ItemsControl::indexOf(std::string_view item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == item) return static_cast<int>(i);
  return -1;
}

void ItemsControl::setItemIndex(int index) {
  if (index < -1 || index >= count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  notify(Property::ItemIndex);
}

std::string ItemsControl::selected() const {
  return itemIndex_ >= 0 ? items_[static_cast<size_t>(itemIndex_)] : std::string();
}

void ItemsControl::rightClickItem(int index) {
  requireReachable();
  if (onRightClick) fire([&] { onRightClick(index); });
}

ListBox::ListBox(Control& parent, std::string name)
    : ItemsControl(parent, std::move(name), Kind::ListBox) {
  setColour(clWindow);
}

void ListBox::clickItem(int index) {
  requireReachable();
  setItemIndex(index);
  fire(onClick);
}

ComboBox::ComboBox(Control& parent, std::string name)
    : ItemsControl(parent, std::move(name), Kind::ComboBox) {
  setColour(clWindow);
}

void ComboBox::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  int i = indexOf(text_);
  if (i != itemIndex_) {
    itemIndex_ = i;
    notify(Property::ItemIndex);
  }
  notify(Property::Text);
}

void ComboBox::setItemIndex(int index) {
  ItemsControl::setItemIndex(index);
  std::string t = selected();
  if (itemIndex_ >= 0 && t != text_) {
    text_ = std::move(t);
    notify(Property::Text);
  }
}

void ComboBox::select(int index) {
  requireReachable();
  setItemIndex(index);
  fire(onChange);
  fire(onClick);
}

void ComboBox::type(std::string text) {
  requireReachable();
  if (dropDownList) throw UnreachableControl("drop-down list takes no typed text: " + name());
  setText(std::move(text));
  fire(onChange);
}

// --- check boxes and radio buttons ---

CheckBox::CheckBox(Control& parent, std::string name, std::string caption)
    : Control(parent, std::move(name), Kind::CheckBox) {
  setCaption(std::move(caption));
}

void CheckBox::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  notify(Property::Checked);
  fire(onClick);
}

void CheckBox::click() {
  requireReachable();
  setChecked(!checked_);
}

RadioButton::RadioButton(Control& parent, std::string name, std::string caption)
    : Control(parent, std::move(name), Kind::RadioButton) {
  setCaption(std::move(caption));
}

void RadioButton::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  notify(Property::Checked);
  if (!checked) return;
  for (Control* sibling : parent()->children()) {
    auto* other = dynamic_cast<RadioButton*>(sibling);
    if (other && other != this && other->checked_) {
      other->checked_ = false;
      other->notify(Property::Checked);
    }
  }
  fire(onClick);
}

void RadioButton::click() {
  requireReachable();
  setChecked(true);
}

RadioGroup::RadioGroup(Control& parent, std::string name, std::string caption)
    : ItemsControl(parent, std::move(name), Kind::RadioGroup) {
  setCaption(std::move(caption));
}

void RadioGroup::setItemIndex(int index) {
  int before = itemIndex_;
  ItemsControl::setItemIndex(index);
  if (itemIndex_ != before) fire(onClick);
}

void RadioGroup::clickItem(int index) {
  requireReachable();
  setItemIndex(index);
}

CheckListBox::CheckListBox(Control& parent, std::string name)
    : ItemsControl(parent, std::move(name), Kind::CheckListBox) {
  setColour(clWindow);
}

void CheckListBox::syncChecks() { checks_.resize(items_.size(), false); }

void CheckListBox::setItems(std::vector<std::string> items) {
  checks_.assign(items.size(), false);
  ItemsControl::setItems(std::move(items));
}

void CheckListBox::insertItem(size_t index, std::string item) {
  syncChecks();
  index = std::min(index, items_.size());
  checks_.insert(checks_.begin() + static_cast<long>(index), false);
  ItemsControl::insertItem(index, std::move(item));
}

void CheckListBox::deleteItem(size_t index) {
  syncChecks();
  if (index < checks_.size()) checks_.erase(checks_.begin() + static_cast<long>(index));
  ItemsControl::deleteItem(index);
}

bool CheckListBox::checked(size_t index) const {
  return index < checks_.size() && index < items_.size() && checks_[index];
}

void CheckListBox::setChecked(size_t index, bool checked) {
  syncChecks();
  if (index >= checks_.size() || checks_[index] == checked) return;
  checks_[index] = checked;
  // A renderer redraws that one tick, not the whole list's: ticking n items costs n, not n².
  changedCheck_ = static_cast<int>(index);
  notify(Property::Checked);
  changedCheck_ = -1;
}

void CheckListBox::setChecks(std::vector<bool> checks) {
  checks.resize(items_.size(), false);
  syncChecks();
  if (checks == checks_) return;
  checks_ = std::move(checks);
  notify(Property::Checked);
}

void CheckListBox::clickItem(int index) {
  requireReachable();
  setItemIndex(index);
  fire(onClick);
}

void CheckListBox::toggle(size_t index) {
  requireReachable();
  syncChecks();
  if (index >= checks_.size()) return;
  setChecked(index, !checks_[index]);
  fire(onClickCheck);
}

// --- file list ---

FileListBox::FileListBox(Control& parent, std::string name, std::string mask)
    : ItemsControl(parent, std::move(name), Kind::FileListBox), mask_(std::move(mask)) {
  setColour(clWindow);
}

void FileListBox::setDirectory(std::filesystem::path directory) {
  directory_ = std::move(directory);
  update();
}

void FileListBox::setMask(std::string mask) {
  mask_ = std::move(mask);
  update();
}

void FileListBox::update() {
  if (directory_.empty()) {
    setItems({});
    return;
  }
  std::vector<std::string> names = platform::listFiles(directory_, mask_);
  setItems(filter ? filter(std::move(names)) : std::move(names));
}

std::filesystem::path FileListBox::fileName() const {
  if (itemIndex_ < 0) return {};
  return directory_ / items_[static_cast<size_t>(itemIndex_)];
}

bool FileListBox::selectFile(std::string_view name) {
  for (size_t i = 0; i < items_.size(); ++i)
    if (platform::fileNamesEqual(items_[i], name)) {
      setItemIndex(static_cast<int>(i));
      return true;
    }
  return false;
}

void FileListBox::clickItem(int index) {
  requireReachable();
  setItemIndex(index);
  fire(onClick);
}

// --- pages ---

PageControl::PageControl(Control& parent, std::string name)
    : Control(parent, std::move(name), Kind::PageControl) {}

TabSheet* PageControl::activePage() const {
  return activePage_ >= 0 ? pages_[static_cast<size_t>(activePage_)] : nullptr;
}

void PageControl::setActivePage(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size()) || index == activePage_) return;
  activePage_ = index;
  notify(Property::ActivePage);
}

void PageControl::setActivePage(const TabSheet& page) { setActivePage(page.pageIndex()); }

void PageControl::selectTab(int index) {
  requireReachable();
  if (index < 0 || index >= static_cast<int>(pages_.size()) ||
      !pages_[static_cast<size_t>(index)]->visible())
    throw UnreachableControl("no such tab in " + name());
  if (index == activePage_) return;
  setActivePage(index);
  fire(onChange);
}

TabSheet::TabSheet(PageControl& parent, std::string name, std::string caption)
    : Control(parent, std::move(name), Kind::TabSheet), pageControl_(parent) {
  setCaption(std::move(caption));
  parent.pages_.push_back(this);
  if (parent.activePage_ < 0) parent.activePage_ = 0;
}

int TabSheet::pageIndex() const {
  const auto& pages = pageControl_.pages();
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

GroupBox::GroupBox(Control& parent, std::string name, std::string caption)
    : Control(parent, std::move(name), Kind::GroupBox) {
  setCaption(std::move(caption));
}

Panel::Panel(Control& parent, std::string name, std::string caption)
    : Control(parent, std::move(name), Kind::Panel) {
  setCaption(std::move(caption));
}

void Panel::setAlignment(Alignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  notify(Property::Alignment);
}

void Panel::loadPicture(std::filesystem::path file) {
  picture_ = std::move(file);
  notify(Property::Picture);
}

Shape::Shape(Control& parent, std::string name) : Control(parent, std::move(name), Kind::Shape) {}

void Shape::setShape(Figure shape) {
  if (shape == shape_) return;
  shape_ = shape;
  notify(Property::Shape);
}

void Shape::setBrushColour(Colour colour) {
  if (colour == brush_) return;
  brush_ = colour;
  notify(Property::Shape);
}

void Shape::setPenColour(Colour colour) {
  if (colour == pen_) return;
  pen_ = colour;
  notify(Property::Shape);
}

Image::Image(Control& parent, std::string name) : Control(parent, std::move(name), Kind::Image) {}

void Image::loadPicture(std::filesystem::path file) {
  picture_ = std::move(file);
  bitmap_ = {};
  notify(Property::Picture);
}

void Image::showBitmap(platform::Bitmap bitmap) {
  bitmap_ = std::move(bitmap);
  picture_.clear();
  notify(Property::Picture);
}

// --- ranges ---

ScrollBar::ScrollBar(Control& parent, std::string name, int min, int max)
    : Control(parent, std::move(name), Kind::ScrollBar), min_(min), max_(max), position_(min) {}

void ScrollBar::setPosition(int position) {
  position = std::clamp(position, min_, std::max(min_, max_));
  if (position == position_) return;
  position_ = position;
  notify(Property::Position);
  fire(onChange);
}

void ScrollBar::setRange(int min, int max) {
  min_ = min;
  max_ = max;
  notify(Property::Position);
  setPosition(position_);
}

UpDown::UpDown(Control& parent, std::string name, int min, int max)
    : Control(parent, std::move(name), Kind::UpDown), min_(min), max_(max), position_(min) {}

void UpDown::setPosition(int position) {
  position = std::clamp(position, min_, std::max(min_, max_));
  if (position == position_) return;
  position_ = position;
  notify(Property::Position);
  if (associate) associate->setText(std::to_string(position_));
}

void UpDown::setRange(int min, int max) {
  min_ = min;
  max_ = max;
  setPosition(position_);
}

void UpDown::up() {
  requireReachable();
  setPosition(position_ + 1);
  fire(onClick);
}

void UpDown::down() {
  requireReachable();
  setPosition(position_ - 1);
  fire(onClick);
}

Gauge::Gauge(Control& parent, std::string name) : Control(parent, std::move(name), Kind::Gauge) {}

void Gauge::setProgress(int progress) {
  if (progress == progress_) return;
  progress_ = progress;
  notify(Property::Progress);
}

void Gauge::setRange(int min, int max) {
  min_ = min;
  max_ = max;
  notify(Property::Progress);
}

StatusBar::StatusBar(Control& parent, std::string name, size_t panels)
    : Control(parent, std::move(name), Kind::StatusBar), panels_(panels) {}

void StatusBar::setPanelText(size_t index, std::string text) {
  if (index >= panels_.size()) panels_.resize(index + 1);
  if (panels_[index] == text) return;
  panels_[index] = std::move(text);
  notify(Property::Panels);
}

Component::Component(Control& parent, std::string name)
    : Control(parent, std::move(name), Kind::Component) {
  Control::setVisible(false);
}

}  // namespace ui
