#include "platform/sim/sim_window_system.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace wardo::platform::sim {

namespace {

// The A functions copy at most bufferSize - 1 bytes and always end the buffer.
std::string cut(std::string_view s, long bufferSize) {
    if (bufferSize <= 0) return {};
    return std::string(s.substr(0, static_cast<std::size_t>(bufferSize - 1)));
}

std::string_view copyInto(std::string_view s, std::span<char> buffer) {
    if (buffer.empty()) return {};
    const std::size_t n = std::min(s.size(), buffer.size() - 1);
    std::copy_n(s.data(), n, buffer.data());
    buffer[n] = '\0';
    return {buffer.data(), n};
}

}  // namespace

SimWindowSystem::SimWindowSystem(EventLoop& clock) : clock_(clock) {
    windows_.resize(kDesktop + 1);
    windows_[kDesktop] = std::make_unique<Window>();
    Window& d = *windows_[kDesktop];
    d.className = "#32769";
    d.style = kStyleVisible;
    d.rect = Rect{0, 0, 1920, 1080};
}

const SimWindowSystem::Window* SimWindowSystem::find(WindowHandle w) const {
    const auto i = static_cast<std::size_t>(w);
    return w > 0 && i < windows_.size() ? windows_[i].get() : nullptr;
}

SimWindowSystem::Window* SimWindowSystem::find(WindowHandle w) {
    return const_cast<Window*>(std::as_const(*this).find(w));
}

WindowHandle SimWindowSystem::create(WindowHandle parent, const std::string& className,
                                     const std::string& title, std::uint32_t style) {
    if (!find(parent)) throw std::invalid_argument("SimWindowSystem::create: no such parent window");
    const auto h = static_cast<WindowHandle>(windows_.size());
    auto w = std::make_unique<Window>();
    w->parent = parent;
    w->className = className;
    w->title = title;
    w->style = style;
    windows_.push_back(std::move(w));
    link(h, 0);
    if (parent == kDesktop) placeInZOrder(h);
    return h;
}

void SimWindowSystem::link(WindowHandle h, WindowHandle before) {
    Window& w = *find(h);
    Window& p = *find(w.parent);
    w.next = before;
    w.previous = before == 0 ? p.last : find(before)->previous;
    (w.previous == 0 ? p.first : find(w.previous)->next) = h;
    (before == 0 ? p.last : find(before)->previous) = h;
}

void SimWindowSystem::unlink(WindowHandle h) {
    Window& w = *find(h);
    Window& p = *find(w.parent);
    (w.previous == 0 ? p.first : find(w.previous)->next) = w.next;
    (w.next == 0 ? p.last : find(w.next)->previous) = w.previous;
    w.previous = w.next = 0;
}

// Top-level windows: topmost ones first, then the others; a window placed here goes first of its group.
void SimWindowSystem::placeInZOrder(WindowHandle h) {
    unlink(h);
    const bool topmost = find(h)->topmost;
    WindowHandle before = find(find(h)->parent)->first;
    while (!topmost && before != 0 && find(before)->topmost) before = find(before)->next;
    link(h, before);
}

void SimWindowSystem::destroy(WindowHandle h) {
    if (h == kDesktop) return;
    Window* w = find(h);
    if (!w) return;
    while (w->first != 0) destroy(w->first);
    unlink(h);
    if (active_ == h) active_ = 0;
    windows_[static_cast<std::size_t>(h)].reset();
}

void SimWindowSystem::setEnabled(WindowHandle h, bool enabled) {
    if (Window* w = find(h)) w->enabled = enabled;
}

void SimWindowSystem::setStyle(WindowHandle h, std::uint32_t style) {
    if (Window* w = find(h)) w->style = style;
}

void SimWindowSystem::setVisible(WindowHandle h, bool visible) {
    if (Window* w = find(h)) w->style = visible ? (w->style | kStyleVisible) : (w->style & ~kStyleVisible);
}

void SimWindowSystem::setTitle(WindowHandle h, const std::string& ansi) {
    if (Window* w = find(h)) w->title = ansi;
}

void SimWindowSystem::setRect(WindowHandle h, Rect screen) {
    if (Window* w = find(h)) w->rect = screen;
}

ControlHooks& SimWindowSystem::hooks(WindowHandle h) {
    Window* w = find(h);
    if (!w) throw std::invalid_argument("SimWindowSystem::hooks: no such window");
    return w->hooks;
}

WindowHandle SimWindowSystem::parent(WindowHandle h) const {
    const Window* w = find(h);
    return w ? w->parent : 0;
}

std::vector<WindowHandle> SimWindowSystem::children(WindowHandle h) const {
    std::vector<WindowHandle> out;
    for (WindowHandle c = firstChildOf(h); c != 0; c = find(c)->next) out.push_back(c);
    return out;
}

bool SimWindowSystem::isTopmost(WindowHandle h) const {
    const Window* w = find(h);
    return w && w->topmost;
}

std::vector<SentMessage> SimWindowSystem::logFor(WindowHandle h) const {
    std::vector<SentMessage> out;
    std::copy_if(log_.begin(), log_.end(), std::back_inserter(out),
                 [h](const SentMessage& m) { return m.window == h; });
    return out;
}

WindowHandle SimWindowSystem::firstChild(WindowHandle h) {
    return firstChildOf(h);
}

WindowHandle SimWindowSystem::firstChildOf(WindowHandle h) const {
    const Window* w = find(h);
    return w ? w->first : 0;
}

WindowHandle SimWindowSystem::nextSibling(WindowHandle h) {
    const Window* w = find(h);
    return w ? w->next : 0;
}

std::string_view SimWindowSystem::classNameInto(WindowHandle h, std::span<char> buffer) {
    const Window* w = find(h);
    return w ? copyInto(w->className, buffer) : std::string_view();
}

std::string_view SimWindowSystem::windowTextInto(WindowHandle h, std::span<char> buffer) {
    const Window* w = find(h);
    return w ? copyInto(w->title, buffer) : std::string_view();
}

std::uint32_t SimWindowSystem::style(WindowHandle h) {
    const Window* w = find(h);
    return w ? w->style : 0;
}

bool SimWindowSystem::isEnabled(WindowHandle h) {
    const Window* w = find(h);
    if (!w) return false;
    return w->hooks.enabled ? w->hooks.enabled() : w->enabled;
}

bool SimWindowSystem::isWindow(WindowHandle h) {
    return find(h) != nullptr;
}

void SimWindowSystem::record(MessageKind kind, WindowHandle w, std::string text, bool delivered) {
    if (logging_) log_.push_back(SentMessage{kind, w, std::move(text), clock_.nowMs(), delivered});
}

// A view of the control's text; `scratch` holds it when a hook makes it afresh.
std::string_view SimWindowSystem::controlText(WindowHandle h, std::string& scratch) {
    const Window* w = find(h);
    if (!w) return {};
    if (w->hooks.textView) return w->hooks.textView();
    if (!w->hooks.text) return w->title;
    scratch = w->hooks.text();
    return scratch;
}

long SimWindowSystem::getTextLength(WindowHandle h) {
    bool live = find(h) != nullptr;
    std::string scratch;
    const auto length = static_cast<long>(controlText(h, scratch).size());
    record(MessageKind::GetTextLength, h, {}, live);
    return length;
}

std::string SimWindowSystem::getText(WindowHandle h, long bufferSize) {
    bool live = find(h) != nullptr;
    std::string scratch;
    std::string t = cut(controlText(h, scratch), bufferSize);
    if (logging_) record(MessageKind::GetText, h, t, live);
    return t;
}

void SimWindowSystem::setText(WindowHandle h, const std::string& bytes) {
    // WM_SETTEXT carries a NUL-terminated string: whatever follows a NUL never arrives.
    const std::string ansi = bytes.substr(0, bytes.find('\0'));
    Window* w = find(h);
    record(MessageKind::SetText, h, ansi, w != nullptr);
    if (!w) return;
    if (w->hooks.onSetText) {
        // The hook may destroy windows: keep a copy of it alive while it runs.
        auto hook = w->hooks.onSetText;
        hook(ansi);
    } else {
        w->title = ansi;
    }
}

void SimWindowSystem::mouseDown(WindowHandle h) {
    Window* w = find(h);
    record(MessageKind::LButtonDown, h, {}, w != nullptr);
    if (w && w->hooks.onMouseDown) {
        auto hook = w->hooks.onMouseDown;
        hook();
    }
}

void SimWindowSystem::mouseUp(WindowHandle h) {
    Window* w = find(h);
    record(MessageKind::LButtonUp, h, {}, w != nullptr);
    if (w && w->hooks.onMouseUp) {
        auto hook = w->hooks.onMouseUp;
        hook();
    }
}

// The deepest visible and enabled window under the point, searched in z-order.
WindowHandle SimWindowSystem::deepestAt(WindowHandle h, Point p) const {
    for (WindowHandle c = firstChildOf(h); c != 0; c = find(c)->next) {
        const Window* cw = find(c);
        if ((cw->style & kStyleVisible) && cw->enabled && cw->rect.contains(p)) return deepestAt(c, p);
    }
    return h;
}

WindowHandle SimWindowSystem::windowFromPoint(Point p) {
    for (WindowHandle top = firstChildOf(kDesktop); top != 0; top = find(top)->next) {
        const Window* w = find(top);
        if ((w->style & kStyleVisible) && w->rect.contains(p)) return deepestAt(top, p);
    }
    return 0;
}

void SimWindowSystem::setTopmost(WindowHandle h, bool topmost) {
    Window* w = find(h);
    record(MessageKind::SetWindowPos, h, topmost ? "HWND_TOPMOST" : "HWND_NOTOPMOST", w != nullptr);
    if (!w || h == kDesktop) return;
    w->topmost = topmost;
    if (w->parent == kDesktop) {
        placeInZOrder(h);
        active_ = h;
    }
}

}  // namespace wardo::platform::sim
