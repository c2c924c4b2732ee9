// Check boxes and option buttons.
#include "ui/check_box.h"

#include "ui/form.h"

namespace wardo::ui {

CheckBox::CheckBox(Form& form, Text name, int index)
    : Control(form, ControlKind::CheckBox, std::move(name), index) {}

int CheckBox::value() const {
    touch();
    return value_;
}

void CheckBox::setValue(int v) {
    touch();
    if (v < 0 || v > 2) failInvalidPropertyValue();
    if (v == value_) return;
    value_ = v;
    changed(Property::Value);
    fire(onClick);
}

bool CheckBox::click() {
    if (!reachable()) return false;
    setValue(value_ == 0 ? 1 : 0);
    return true;
}

void CheckBox::resetToDefaults() {
    Control::resetToDefaults();
    value_ = 0;
}

OptionButton::OptionButton(Form& form, Text name, int index)
    : Control(form, ControlKind::OptionButton, std::move(name), index) {}

bool OptionButton::value() const {
    touch();
    return value_;
}

void OptionButton::setValue(bool v) {
    touch();
    if (v == value_) return;
    value_ = v;
    if (v) {
        for (Control* c : form().controls()) {
            if (c == this || c->kind() != ControlKind::OptionButton || c->container() != container())
                continue;
            auto* other = static_cast<OptionButton*>(c);
            if (other->value_) {
                other->value_ = false;
                other->changed(Property::Value);
            }
        }
    }
    changed(Property::Value);
    if (v) fire(onClick);
}

bool OptionButton::click() {
    if (!reachable()) return false;
    setValue(true);
    return true;
}

void OptionButton::resetToDefaults() {
    Control::resetToDefaults();
    value_ = false;
}

}  // namespace wardo::ui
