// Control base: properties, notifications to the binding, user input.
#include "ui/control.h"

#include "ui/basic_controls.h"
#include "ui/form.h"

namespace wardo::ui {

Control::Control(Form& form, ControlKind kind, Text name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
    Control::resetToDefaults();
    form_.add(this);
}

Control::~Control() {
    form_.runtime().host().controlDestroyed(*this);
    form_.remove(this);
}

Text Control::fullName() const {
    if (index_ < 0) return name_;
    return name_ + L"(" + text::decimal(index_) + L")";
}

void Control::touch() const {
    form_.touch();
}
bool Control::designing() const {
    return form_.designing();
}

void Control::changed(Property what) {
    propertyChanged(what);
    if (!designing()) form_.runtime().host().controlChanged(*this, what);
}

void Control::fire(const std::function<void()>& handler) {
    if (!designing()) raiseEvent(handler);
}

int Control::left() const {
    touch();
    return left_;
}
int Control::top() const {
    touch();
    return top_;
}
int Control::width() const {
    touch();
    return width_;
}
int Control::height() const {
    touch();
    return height_;
}
void Control::setLeft(int twips) {
    move(twips, top(), width_, height_);
}
void Control::setTop(int twips) {
    move(left(), twips, width_, height_);
}
void Control::setWidth(int twips) {
    move(left(), top_, twips, height_);
}
void Control::setHeight(int twips) {
    move(left(), top_, width_, twips);
}
void Control::move(int left, int top) {
    move(left, top, width(), height_);
}

void Control::move(int left, int top, int width, int height) {
    touch();
    checkSize(width);
    checkSize(height);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed(Property::Position);
}

const Text& Control::caption() const {
    touch();
    return caption_;
}

void Control::setCaption(const Text& s) {
    touch();
    if (s == caption_) return;
    caption_ = s;
    changed(Property::Caption);
    fire(onChange);
}

Text Control::text() const {
    return caption();
}

bool Control::visible() const {
    touch();
    return visible_;
}

void Control::setVisible(bool v) {
    touch();
    if (v == visible_) return;
    visible_ = v;
    if (!v) storeFocusLost();
    changed(Property::Visible);
}

bool Control::enabled() const {
    touch();
    return enabled_;
}

void Control::setEnabled(bool e) {
    touch();
    if (e == enabled_) return;
    enabled_ = e;
    if (!e) storeFocusLost();
    changed(Property::Enabled);
}

Color Control::foreColor() const {
    touch();
    return fore_;
}
Color Control::backColor() const {
    touch();
    return back_;
}

void Control::setForeColor(Color c) {
    touch();
    if (store(fore_, c)) changed(Property::Colors);
}

void Control::setBackColor(Color c) {
    touch();
    if (store(back_, c)) changed(Property::Colors);
}

const Text& Control::toolTip() const {
    touch();
    return toolTip_;
}

void Control::setToolTip(const Text& s) {
    touch();
    if (store(toolTip_, s)) changed(Property::ToolTip);
}

const Font& Control::font() const {
    touch();
    return font_;
}

void Control::setFont(const Font& f) {
    touch();
    if (store(font_, f)) changed(Property::Font);
}

Alignment Control::alignment() const {
    touch();
    return alignment_;
}

void Control::setAlignment(Alignment a) {
    touch();
    if (store(alignment_, a)) changed(Property::Alignment);
}

Frame* Control::container() const {
    touch();
    return container_;
}

void Control::setContainer(Frame* frame) {
    touch();
    if (frame == container_) return;
    for (Control* c = frame; c != nullptr; c = c->container_) {
        if (c == this) failInvalidPropertyValue();
    }
    if (frame != nullptr && &frame->form() != &form_) {
        failInvalidPropertyValue();
    }
    container_ = frame;
    changed(Property::Container);
}

bool Control::reachable() const {
    if (!form_.takesInput()) return false;
    if (kind_ == ControlKind::Timer) return false;
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_ || !c->enabled_) return false;
    }
    return true;
}

void Control::setFocus() {
    touch();
    if (!reachable()) text::fail(text::ErrorCode::InvalidCall, "Invalid procedure call or argument");
    form_.moveFocus(this, false);
}

bool Control::hasFocus() const {
    return form_.activeControl() == this;
}

void Control::focusEntered() {
    if (reachable()) form_.moveFocus(this, true);
}

void Control::storeFocusLost() {
    if (form_.activeControl() == this) form_.moveFocus(nullptr, true);
}

bool Control::click() {
    if (!reachable()) return false;
    fire(onClick);
    return true;
}

bool Control::dblClick() {
    if (!reachable()) return false;
    fire(onDblClick);
    return true;
}

bool Control::userSetText(const Text& s) {
    if (!reachable() || !typingAllowed()) return false;
    const Text t = clampUserText(s);
    if (t != caption_) {
        caption_ = t;
        propertyChanged(Property::Caption);
        fire(onChange);
    }
    return true;
}

namespace {
bool raise(const Control& c, const Control::MouseHandler& h, int button, int shift, int x, int y) {
    if (!c.reachable()) return false;
    raiseEvent(h, button, shift, x, y);
    return true;
}
}  // namespace

bool Control::mouseDown(int button, int shift, int x, int y) {
    return raise(*this, onMouseDown, button, shift, x, y);
}
bool Control::mouseUp(int button, int shift, int x, int y) {
    return raise(*this, onMouseUp, button, shift, x, y);
}
bool Control::mouseMove(int button, int shift, int x, int y) {
    return raise(*this, onMouseMove, button, shift, x, y);
}

int Control::keyPress(int keyAscii) {
    if (!reachable()) return 0;
    raiseEvent(onKeyPress, keyAscii);
    return keyAscii;
}

void Control::resetToDefaults() {
    left_ = top_ = width_ = height_ = 0;
    caption_.clear();
    visible_ = true;
    enabled_ = true;
    const bool editable =
        kind_ == ControlKind::TextBox || kind_ == ControlKind::ListBox || kind_ == ControlKind::ComboBox;
    fore_ = editable ? colors::kWindowText : colors::kButtonText;
    back_ = editable ? colors::kWindow : colors::kButtonFace;
    toolTip_.clear();
    font_ = Font{};
    alignment_ = Alignment::Left;
    container_ = nullptr;
}

}  // namespace wardo::ui
