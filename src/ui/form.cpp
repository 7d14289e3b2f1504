#include "ui/form.h"

#include <algorithm>

#include "platform/files.h"
#include "ui/dialogs.h"

namespace ui {

Form::Form(Application& application, std::string className, std::string name)
    : Control(std::move(name), Kind::Form), application_(application),
      className_(std::move(className)) {
  form_ = this;
  visible_ = false;
  application_.added(*this);
}

Form::~Form() { application_.removed(*this); }

Dialogs& Form::dialogs() const { return application_.dialogs(); }

void Form::setVisible(bool visible) {
  if (visible) {
    if (!visible_) {
      visible_ = true;
      notify(Property::Visible);
      application_.shown(*this);
      fire(onShow);
    }
    activate();
  } else if (visible_) {
    visible_ = false;
    notify(Property::Visible);
    fire(onHide);
    application_.hidden(*this);
  }
}

void Form::close() {
  keepOpen_ = false;
  fire(onClose);
  if (keepOpen_) return;
  setVisible(false);
}

bool Form::mayDropEdits(std::string_view question, const std::function<bool()>& save) {
  switch (dialogs().messageBox(question, {}, MessageKind::Confirmation, Buttons::YesNoCancel)) {
    case Answer::Yes:
      try {
        return save();
      } catch (const platform::FileError& e) {
        reportError(e);
        return false;
      }
    case Answer::No:
      return true;
    default:
      return false;
  }
}

void Form::activate() {
  if (!visible_ || application_.active_ == this) return;
  application_.makeActive(this);
}

void Form::paint() {
  if (painting_) return;
  painting_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{painting_};
  fire(onPaint);
}

bool Form::active() const { return application_.activeForm() == this; }

Control* Form::find(std::string_view name) const {
  if (name == this->name()) return const_cast<Form*>(this);
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

void Form::addObserver(Observer* observer) { observers_.push_back(observer); }

void Form::removeObserver(Observer* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Form::registerControl(Control& control) {
  controls_.push_back(&control);
  byName_.emplace(control.name(), &control);
}

void Form::unregisterControl(Control& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
  auto it = byName_.find(control.name());
  if (it != byName_.end() && it->second == &control) byName_.erase(it);
}

void Form::notifyObservers(Control& control, Property property) {
  for (Observer* o : observers_) o->changed(control, property);
}

Application::Application(Dialogs& dialogs) : dialogs_(dialogs) {}

Form* Application::findForm(std::string_view className) const {
  for (Form* f : forms_)
    if (f->className() == className) return f;
  return nullptr;
}

void Application::setCursor(Cursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  if (observer_) observer_->cursorChanged(cursor);
}

void Application::added(Form& form) { forms_.push_back(&form); }

void Application::removed(Form& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &form), zOrder_.end());
  if (active_ == &form) active_ = nullptr;
}

void Application::makeActive(Form* form) {
  Form* previous = active_;
  active_ = form;
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), form), zOrder_.end());
  zOrder_.push_back(form);
  if (observer_) observer_->windowActivated(*form);
  if (previous) previous->fire(previous->onDeactivate);
  // The deactivation may have shown another window; this one stays the one asked for.
  if (active_ == form) form->fire(form->onActivate);
}

void Application::shown(Form& form) {
  if (observer_) observer_->windowShown(form);
}

void Application::hidden(Form& form) {
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), &form), zOrder_.end());
  if (observer_) observer_->windowHidden(form);
  if (active_ != &form) return;
  active_ = nullptr;
  form.fire(form.onDeactivate);
  if (!zOrder_.empty() && active_ == nullptr) {
    Form* next = zOrder_.back();
    active_ = next;
    if (observer_) observer_->windowActivated(*next);
    next->fire(next->onActivate);
  }
}

}  // namespace ui
