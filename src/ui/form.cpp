// Form base: the load, show, hide, unload cycle and the window's own properties.
#include "ui/form.h"

#include <algorithm>

#include "ui/basic_controls.h"
#include "ui/timer.h"

namespace wardo::ui {

Form::Form(Runtime& runtime, Text name) : runtime_(runtime), name_(std::move(name)) {
    runtime_.add(this);
}

Form::~Form() {
    runtime_.host().formDestroyed(*this);
    runtime_.remove(this);
}

void Form::touch() const {
    if (state_ == State::Unloaded) const_cast<Form*>(this)->load();  // Load on first use, even on a read
}

void Form::load() {
    if (state_ != State::Unloaded) return;
    state_ = State::Designing;
    activations_ = 0;
    focus_ = nullptr;
    try {
        resetToDefaults();
        design();
    } catch (...) {
        state_ = State::Unloaded;
        throw;
    }
    state_ = State::Loaded;
    for (Control* c : controls_) {
        if (c->kind() == ControlKind::Timer) static_cast<Timer*>(c)->restart();
    }
    onLoad();
}

void Form::resetToDefaults() {
    caption_.clear();
    left_ = top_ = clientWidth_ = clientHeight_ = 0;
    visible_ = false;
    windowState_ = WindowState::Normal;
    borderStyle_ = BorderStyle::Sizable;
    back_ = colors::kButtonFace;
    mousePointer_ = pointer::kDefault;
    mouseIcon_.clear();
    region_ = Region{};
    for (Control* c : controls_) c->resetToDefaults();
}

void Form::show(bool modal) {
    load();
    if (modal && visible_)
        text::fail(text::ErrorCode::InvalidCall, "Form already displayed; can't show modally");
    visible_ = true;
    runtime_.host().formShown(*this, modal);
    if (modal) {
        auto& loop = platform().loop;
        runtime_.modal_.push_back(this);
        struct Pop {
            Runtime& rt;
            Form* f;
            ~Pop() { std::erase(rt.modal_, f); }
        } pop{runtime_, this};
        loop.runUntil([this, &loop] { return !visible_ || loop.quitting(); });
    }
}

void Form::hide() {
    load();
    if (!visible_) return;
    visible_ = false;
    runtime_.host().formHidden(*this);
}

void Form::setVisible(bool v) {
    if (v) {
        show(false);
    } else {
        hide();
    }
}

bool Form::unload() {
    if (state_ == State::Unloaded) return true;
    if (unloading_) return false;
    unloading_ = true;
    bool cancel = false;
    try {
        onQueryUnload(cancel);
        if (!cancel) onUnload(cancel);
    } catch (...) {
        unloading_ = false;
        throw;
    }
    unloading_ = false;
    if (cancel) return false;
    for (Control* c : controls_) {
        if (c->kind() == ControlKind::Timer) static_cast<Timer*>(c)->stop();
    }
    visible_ = false;
    focus_ = nullptr;
    state_ = State::Unloaded;
    runtime_.host().formUnloaded(*this);
    return true;
}

bool Form::userClose() {
    return unload();
}

void Form::changed(Property what) {
    if (!designing()) runtime_.host().formChanged(*this, what);
}

const Text& Form::caption() const {
    touch();
    return caption_;
}

void Form::setCaption(const Text& s) {
    touch();
    if (store(caption_, s)) changed(Property::Caption);
}

int Form::left() const {
    touch();
    return left_;
}
int Form::top() const {
    touch();
    return top_;
}
int Form::width() const {
    touch();
    return clientWidth_ + runtime_.host().frameInsets(*this).width;
}
int Form::height() const {
    touch();
    return clientHeight_ + runtime_.host().frameInsets(*this).height;
}
void Form::setLeft(int twips) {
    move(twips, top());
}
void Form::setTop(int twips) {
    move(left(), twips);
}
void Form::setWidth(int twips) {
    move(left(), top_, twips, height());
}
void Form::setHeight(int twips) {
    move(left(), top_, width(), twips);
}
void Form::move(int left, int top) {
    move(left, top, width(), height());
}

void Form::move(int left, int top, int width, int height) {
    touch();
    checkSize(width);
    checkSize(height);
    const FrameInsets frame = runtime_.host().frameInsets(*this);
    const int cw = std::max(0, width - frame.width);
    const int ch = std::max(0, height - frame.height);
    if (left == left_ && top == top_ && cw == clientWidth_ && ch == clientHeight_) return;
    left_ = left;
    top_ = top;
    clientWidth_ = cw;
    clientHeight_ = ch;
    changed(Property::Position);
}

int Form::clientWidth() const {
    touch();
    return clientWidth_;
}
int Form::clientHeight() const {
    touch();
    return clientHeight_;
}

void Form::setClientSize(int width, int height) {
    touch();
    checkSize(width);
    checkSize(height);
    if (width == clientWidth_ && height == clientHeight_) return;
    clientWidth_ = width;
    clientHeight_ = height;
    changed(Property::Position);
}

void Form::userMoved(int left, int top, int width, int height) {
    if (!loaded()) return;
    const FrameInsets frame = runtime_.host().frameInsets(*this);
    left_ = left;
    top_ = top;
    clientWidth_ = std::max(0, width - frame.width);
    clientHeight_ = std::max(0, height - frame.height);
}

WindowState Form::windowState() const {
    touch();
    return windowState_;
}

void Form::setWindowState(WindowState s) {
    touch();
    if (store(windowState_, s)) changed(Property::WindowState);
}

void Form::userSetWindowState(WindowState s) {
    if (loaded()) windowState_ = s;
}

BorderStyle Form::borderStyle() const {
    touch();
    return borderStyle_;
}

void Form::setBorderStyle(BorderStyle b) {
    touch();
    if (store(borderStyle_, b)) changed(Property::BorderStyle);
}

Color Form::backColor() const {
    touch();
    return back_;
}

void Form::setBackColor(Color c) {
    touch();
    if (store(back_, c)) changed(Property::Colors);
}

int Form::mousePointer() const {
    touch();
    return mousePointer_;
}

const Text& Form::mouseIcon() const {
    touch();
    return mouseIcon_;
}

void Form::setMousePointer(int kind) {
    touch();
    if (kind < 0 || (kind > 15 && kind != pointer::kCustom)) {
        failInvalidPropertyValue();
    }
    if (kind == mousePointer_) return;
    mousePointer_ = kind;
    changed(Property::MousePointer);
}

void Form::setMouseIcon(const Text& path) {
    touch();
    if (!path.empty() && !platform().files.fileExists(path)) {
        text::fail(text::ErrorCode::FileNotFound, "File not found");
    }
    mouseIcon_ = path;
    changed(Property::MousePointer);
}

const Region& Form::region() const {
    touch();
    return region_;
}

void Form::setRegion(const Region& r) {
    touch();
    region_ = r;
    changed(Property::Region);
}

platform::WindowHandle Form::handle() {
    touch();
    return runtime_.host().handleOf(*this);
}

void Form::dragMove() {
    touch();
    if (visible_) runtime_.host().beginDragMove(*this);
}

void Form::activated() {
    if (!loaded() || designing()) return;
    ++activations_;
    onActivate();
}

bool Form::takesInput() const {
    if (!loaded() || designing() || !visible_) return false;
    // While a modal form is shown, the other forms are disabled.
    const auto& modal = runtime_.modalForms();
    for (auto it = modal.rbegin(); it != modal.rend(); ++it) {
        if ((*it)->visible_) return *it == this;
    }
    return true;
}

bool Form::mouse(const MouseHandler& h, int button, int shift, int x, int y) {
    if (!takesInput()) return false;
    raiseEvent(h, button, shift, x, y);
    return true;
}

bool Form::mouseDown(int button, int shift, int x, int y) {
    return mouse(onMouseDown, button, shift, x, y);
}
bool Form::mouseUp(int button, int shift, int x, int y) {
    return mouse(onMouseUp, button, shift, x, y);
}
bool Form::mouseMove(int button, int shift, int x, int y) {
    return mouse(onMouseMove, button, shift, x, y);
}

Control* Form::find(const Text& name, int index) const {
    for (Control* c : controls_) {
        if (c->name() == name && c->index() == index) return c;
    }
    return nullptr;
}

void Form::remove(Control* c) {
    std::erase(controls_, c);
    if (focus_ == c) focus_ = nullptr;
    for (Control* other : controls_) {
        if (other->container_ == c) other->container_ = nullptr;
    }
}

void Form::moveFocus(Control* to, bool fromHost) {
    if (to == focus_) return;
    Control* from = focus_;
    focus_ = to;
    if (from != nullptr) from->fire(from->onLostFocus);
    if (to != nullptr) {
        if (!fromHost) runtime_.host().controlChanged(*to, Property::Focus);
        to->fire(to->onGotFocus);
    }
}

}  // namespace wardo::ui
