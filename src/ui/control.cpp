#include "ui/control.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace ui {

namespace {
thread_local int handlerDepth = 0;
}  // namespace

void Control::fire(const std::function<void()>& handler) {
  if (!handler) return;
  ++handlerDepth;
  struct Leave {
    ~Leave() { --handlerDepth; }
  } leave;
  if (handlerDepth > 1) return handler();
  try {
    handler();
  } catch (const platform::FileError& e) {
    reportError(e);
  } catch (const platform::IntegerError& e) {
    reportError(e);
  }
}

void Control::reportError(const std::runtime_error& error) {
  form().dialogs().messageBox(error.what(), form().application().title(), MessageKind::Error,
                              Buttons::Ok);
}

Control::Control(Control& parent, std::string name, Kind kind)
    : kind_(kind), name_(std::move(name)), parent_(&parent), form_(parent.form_) {
  parent.children_.push_back(this);
  font_ = parent.font_;
  form_->registerControl(*this);
}

Control::Control(std::string name, Kind kind) : kind_(kind), name_(std::move(name)) {}

Control::~Control() {
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    form_->unregisterControl(*this);
  }
}

void Control::notify(Property property) {
  if (form_) form_->notifyObservers(*this, property);
}

void Control::setCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  notify(Property::Visible);
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  notify(Property::Enabled);
}

void Control::setFont(const Font& font) {
  if (font == font_) return;
  font_ = font;
  notify(Property::Font);
}

void Control::setFontColour(Colour colour) {
  Font f = font_;
  f.colour = colour;
  setFont(f);
}

void Control::setFontBold(bool bold) {
  Font f = font_;
  f.bold = bold;
  setFont(f);
}

void Control::setColour(Colour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  notify(Property::Colour);
}

void Control::setHint(std::string hint) {
  if (hint == hint_) return;
  hint_ = std::move(hint);
  notify(Property::Hint);
}

void Control::setCursor(Cursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  notify(Property::Cursor);
}

void Control::setBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  notify(Property::Bounds);
}

void Control::setFocus() {
  form_->focus_ = this;
  notify(Property::Focus);
}

bool Control::commandRunning() { return handlerDepth > 0; }

bool Control::reachable() const {
  if (commandRunning()) return false;
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->enabled_) return false;
    // A form is reached whether shown or not: tests drive windows that are not on screen.
    if (c->parent_ && !c->visible_) return false;
  }
  return true;
}

void Control::requireReachable() const {
  if (commandRunning())
    throw UnreachableControl("a command is running: " + form().name() + "." + name_);
  if (!reachable())
    throw UnreachableControl("control not reachable by the user: " + form().name() + "." + name_);
}

void Control::click() {
  requireReachable();
  fire(onClick);
}

void Control::doubleClick() {
  requireReachable();
  fire(onDblClick);
}

void Control::leave() {
  requireReachable();
  fire(onExit);
}

void Control::pressKey(int key, Shift shift) {
  requireReachable();
  if (onKeyDown) fire([&] { onKeyDown(key, shift); });
  if (key == 0 || !onKeyPress) return;
  char c = 0;
  if (key == key::Enter || key == key::Escape || key == key::Back || key == key::Tab ||
      (key >= 32 && key < 127 && key != key::Delete && !(key >= key::PageUp && key <= key::Down)))
    c = static_cast<char>(key);
  if (c) fire([&] { onKeyPress(c); });
}

}  // namespace ui
