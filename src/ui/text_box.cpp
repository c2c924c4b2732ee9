// Text boxes.
#include "ui/text_box.h"

namespace wardo::ui {

TextBox::TextBox(Form& form, Text name, int index)
    : Control(form, ControlKind::TextBox, std::move(name), index) {}

bool TextBox::multiLine() const {
    touch();
    return multiLine_;
}

void TextBox::setMultiLine(bool m) {
    touch();
    if (store(multiLine_, m)) changed(Property::EditStyle);
}

bool TextBox::locked() const {
    touch();
    return locked_;
}

void TextBox::setLocked(bool l) {
    touch();
    if (store(locked_, l)) changed(Property::EditStyle);
}

int TextBox::maxLength() const {
    touch();
    return maxLength_;
}

void TextBox::setMaxLength(int n) {
    touch();
    if (n < 0) failInvalidPropertyValue();
    if (store(maxLength_, n)) changed(Property::EditStyle);
}

wchar_t TextBox::passwordChar() const {
    touch();
    return passwordChar_;
}

void TextBox::setPasswordChar(wchar_t c) {
    touch();
    if (store(passwordChar_, c)) changed(Property::EditStyle);
}

void TextBox::resetToDefaults() {
    Control::resetToDefaults();
    multiLine_ = false;
    locked_ = false;
    maxLength_ = 0;
    passwordChar_ = 0;
}

Text TextBox::clampUserText(const Text& s) const {
    if (maxLength_ > 0 && s.size() > static_cast<size_t>(maxLength_)) return s.substr(0, maxLength_);
    return s;
}

}  // namespace wardo::ui
