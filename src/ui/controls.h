#pragma once
// The control kinds of the widget model. Event rules: a program change of a check box, radio
// button, radio group choice or scroll bar position runs its click/change handler, only when the
// value really changes; setting an edit's or memo's text fires its change event when the text
// changes; setting a list's or combo's item index, or a page control's active page, fires nothing.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/lines.h"
#include "ui/control.h"

namespace ui {

class Label : public Control {
 public:
  Label(Control& parent, std::string name, std::string caption = {});
};

// Button, SpeedButton and BitBtn alike.
class Button : public Control {
 public:
  Button(Control& parent, std::string name, std::string caption = {});
  // A speed button that stays pressed; the program sets it, a click does not toggle it.
  bool down() const { return down_; }
  void setDown(bool down);

 private:
  bool down_ = false;
};

// The places of a masked edit, read from the toolkit's mask text "mask;1;blank" (as
// "!99/99/00;1;_"): a digit where 0 (required) or 9 (optional) stands, any other character a
// separator kept in the text; the blank character is shown where no digit was given.
struct EditMask {
  struct Place {
    char separator = 0;  // 0: a digit's place
    bool required = false;
  };
  std::vector<Place> places;
  char blank = '_';

  // Throws std::invalid_argument on a mask that takes anything but digits, or that leaves the
  // separators out of the text (";0").
  static EditMask parse(std::string_view mask);
  // The text in the mask's form: every separator in its place, a digit place takes the next
  // digit given (a blank or the blank character leaves it empty), a character that fits no place
  // is refused; an empty place is a space.
  std::string form(std::string_view text) const;
};

class Edit : public Control {
 public:
  Edit(Control& parent, std::string name, std::string text = {});
  const std::string& text() const { return text_; }
  // Fires onChange when it changes; the program's text is kept as given, even in a masked edit
  // (which shows it in the mask's form as best it can).
  void setText(std::string text);
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly);
  const std::optional<EditMask>& editMask() const { return mask_; }
  // The text takes the mask's form at once.
  void setEditMask(std::string_view mask);
  int maxLength = 0;
  bool numbersOnly = false;  // typing keeps the digits only
  bool password = false;     // shown as dots
  std::string labelCaption;  // labelled edits
  std::function<void()> onChange;

  // The user types the whole text: as setText, in the mask's form, refused when unreachable or
  // read-only.
  void type(std::string text);

 private:
  std::string text_;
  bool readOnly_ = false;
  std::optional<EditMask> mask_;
};

class Memo : public Control {
 public:
  Memo(Control& parent, std::string name);
  const platform::LineList& lines() const { return lines_; }
  // Every change fires onChange when the lines differ.
  void setLines(platform::LineList lines);
  void addLine(std::string line);
  void clear() { setLines({}); }
  // Lines joined by CR LF (no final line end), as the toolkit's text.
  std::string text() const;
  void setText(std::string_view text);
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly);
  // Where the lines sit.
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment alignment);
  int maxLength = 0;  // characters the user may type, line ends included; 0: no limit
  std::function<void()> onChange;

  void type(std::string_view text);

 private:
  platform::LineList lines_;
  bool readOnly_ = false;
  Alignment alignment_ = Alignment::Left;
};

// Shared by the list kinds: items and the selected index (-1: none).
class ItemsControl : public Control {
 public:
  using Control::Control;
  const std::vector<std::string>& items() const { return items_; }
  virtual void setItems(std::vector<std::string> items);  // keeps no selection
  void addItem(std::string item) { insertItem(items_.size(), std::move(item)); }
  virtual void insertItem(size_t index, std::string item);
  virtual void deleteItem(size_t index);
  void clearItems() { setItems({}); }
  int indexOf(std::string_view item) const;  // exact match, -1 when absent
  int count() const { return static_cast<int>(items_.size()); }
  int itemIndex() const { return itemIndex_; }
  // Fires nothing (a radio group overrides this).
  virtual void setItemIndex(int index);
  // The selected item, "" when none.
  std::string selected() const;
  // The user presses the right button on an item (index -1: below the last one): onRightClick.
  void rightClickItem(int index);
  std::function<void(int index)> onRightClick;

 protected:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

class ListBox : public ItemsControl {
 public:
  ListBox(Control& parent, std::string name);
  bool sorted = false;
  // The user clicks an item: selects it, then onClick.
  void clickItem(int index);
};

class ComboBox : public ItemsControl {
 public:
  ComboBox(Control& parent, std::string name);
  // The edit part. Setting the index puts the item in it; setting the text fires nothing.
  const std::string& text() const { return text_; }
  void setText(std::string text);
  void setItemIndex(int index) override;
  bool dropDownList = false;  // the user cannot type a text of his own
  bool sorted = false;
  std::function<void()> onChange;

  // The user picks an item: selected and shown, then onChange and onClick.
  void select(int index);
  // The user types a text (not in a drop-down list): onChange.
  void type(std::string text);

 private:
  std::string text_;
};

class CheckBox : public Control {
 public:
  CheckBox(Control& parent, std::string name, std::string caption = {});
  bool checked() const { return checked_; }
  void setChecked(bool checked);  // onClick when it changes
  void click() override;          // the user toggles it

 private:
  bool checked_ = false;
};

class RadioButton : public Control {
 public:
  RadioButton(Control& parent, std::string name, std::string caption = {});
  bool checked() const { return checked_; }
  // Checking one unchecks the radio buttons of the same container; onClick of the one that
  // becomes checked, when it changes.
  void setChecked(bool checked);
  void click() override;

 private:
  bool checked_ = false;
};

class RadioGroup : public ItemsControl {
 public:
  RadioGroup(Control& parent, std::string name, std::string caption = {});
  void setItemIndex(int index) override;  // onClick when it changes
  void clickItem(int index);
  int columns = 1;
};

class CheckListBox : public ItemsControl {
 public:
  CheckListBox(Control& parent, std::string name);
  // Ticks belong to their items: new items come unticked, a deleted item takes its tick along.
  void setItems(std::vector<std::string> items) override;
  void insertItem(size_t index, std::string item) override;
  void deleteItem(size_t index) override;
  bool checked(size_t index) const;
  void setChecked(size_t index, bool checked);  // fires nothing
  // Every tick at once, one notification (fires nothing); missing ones are unticked.
  void setChecks(std::vector<bool> checks);
  // The item whose tick the current Checked notification is about; -1: any of them.
  int changedCheck() const { return changedCheck_; }
  // The user clicks an item's text: selects it, then onClick; its tick stays.
  void clickItem(int index);
  // The user clicks an item's box: its tick alone changes, the selected item stays the one the
  // window shows and acts on; then onClickCheck.
  void toggle(size_t index);
  std::function<void()> onClickCheck;

 private:
  void syncChecks();
  std::vector<bool> checks_;
  int changedCheck_ = -1;
};

// The names of the files of a folder matching a mask, re-read when the folder or the mask is set.
class FileListBox : public ItemsControl {
 public:
  FileListBox(Control& parent, std::string name, std::string mask = "*.*");
  const std::filesystem::path& directory() const { return directory_; }
  void setDirectory(std::filesystem::path directory);
  const std::string& mask() const { return mask_; }
  void setMask(std::string mask);
  void update();  // re-reads the folder; the selection is lost
  // The names kept of a listing, for a list whose mask also matches files it must not show.
  std::function<std::vector<std::string>(std::vector<std::string>)> filter;
  // Full path of the selected file, empty when none.
  std::filesystem::path fileName() const;
  // Selects the item of that file name, letter case ignored (fires nothing); false when absent.
  bool selectFile(std::string_view name);
  void clickItem(int index);

 private:
  std::filesystem::path directory_;
  std::string mask_;
};

class TabSheet;

class PageControl : public Control {
 public:
  PageControl(Control& parent, std::string name);
  const std::vector<TabSheet*>& pages() const { return pages_; }
  int activePageIndex() const { return activePage_; }
  TabSheet* activePage() const;
  void setActivePage(int index);  // fires nothing
  void setActivePage(const TabSheet& page);
  // The user picks a tab: onChange after the page changed.
  void selectTab(int index);
  std::function<void()> onChange;

 private:
  friend class TabSheet;
  std::vector<TabSheet*> pages_;
  int activePage_ = -1;
};

class TabSheet : public Control {
 public:
  TabSheet(PageControl& parent, std::string name, std::string caption);
  int pageIndex() const;
  // A hidden tab keeps its page but shows no tab.
  bool tabVisible() const { return visible(); }
  void setTabVisible(bool v) { setVisible(v); }
  PageControl& pageControl() const { return pageControl_; }

 private:
  PageControl& pageControl_;
};

class GroupBox : public Control {
 public:
  GroupBox(Control& parent, std::string name, std::string caption = {});
};

class Panel : public Control {
 public:
  Panel(Control& parent, std::string name, std::string caption = {});
  // Where the caption sits.
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment alignment);
  // A picture repeated over the panel, under its children (a page background); empty: none.
  const std::filesystem::path& picture() const { return picture_; }
  void loadPicture(std::filesystem::path file);

 private:
  Alignment alignment_ = Alignment::Center;
  std::filesystem::path picture_;
};

class Shape : public Control {
 public:
  enum class Figure { Rectangle, Square, RoundRect, Ellipse, Circle };
  Shape(Control& parent, std::string name);
  Figure shape() const { return shape_; }
  Colour brushColour() const { return brush_; }
  Colour penColour() const { return pen_; }
  void setShape(Figure shape);
  void setBrushColour(Colour colour);
  void setPenColour(Colour colour);

 private:
  Figure shape_ = Figure::Rectangle;
  Colour brush_ = clWhite;
  Colour pen_ = clBlack;
};

// A picture shown from its file or drawn in memory; neither: no picture.
class Image : public Control {
 public:
  Image(Control& parent, std::string name);
  const std::filesystem::path& picture() const { return picture_; }
  void loadPicture(std::filesystem::path file);  // drops a drawn picture
  void clearPicture() { loadPicture({}); }
  const platform::Bitmap& bitmap() const { return bitmap_; }
  void showBitmap(platform::Bitmap bitmap);  // drops the file
  bool stretch = false;

 private:
  std::filesystem::path picture_;
  platform::Bitmap bitmap_;
};

class ScrollBar : public Control {
 public:
  ScrollBar(Control& parent, std::string name, int min = 0, int max = 100);
  int position() const { return position_; }
  void setPosition(int position);  // clamped; onChange when it changes
  int min() const { return min_; }
  int max() const { return max_; }
  void setRange(int min, int max);
  std::function<void()> onChange;

 private:
  int min_, max_, position_;
};

class UpDown : public Control {
 public:
  UpDown(Control& parent, std::string name, int min = 0, int max = 100);
  int position() const { return position_; }
  void setPosition(int position);  // clamped; fires nothing
  int min() const { return min_; }
  int max() const { return max_; }
  void setRange(int min, int max);
  Edit* associate = nullptr;  // shows the position
  // The user presses an arrow: position moves by one, then onClick.
  void up();
  void down();

 private:
  int min_, max_, position_;
};

class Gauge : public Control {
 public:
  Gauge(Control& parent, std::string name);
  int progress() const { return progress_; }
  void setProgress(int progress);
  int minValue() const { return min_; }
  int maxValue() const { return max_; }
  void setRange(int min, int max);

 private:
  int min_ = 0, max_ = 100, progress_ = 0;
};

class StatusBar : public Control {
 public:
  StatusBar(Control& parent, std::string name, size_t panels = 1);
  const std::vector<std::string>& panels() const { return panels_; }
  const std::string& panelText(size_t index) const { return panels_.at(index); }
  void setPanelText(size_t index, std::string text);

 private:
  std::vector<std::string> panels_;
};

// A non-visual object of a form (dialog components, working objects): named, never shown.
class Component : public Control {
 public:
  Component(Control& parent, std::string name);
};

}  // namespace ui
