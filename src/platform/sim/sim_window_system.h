// The simulated desktop's window tree: windows of other programs created by tests and hosts, the
// messages the program sends them (recorded with their virtual time), the cursor, the keyboard and z-order.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/sim_event_loop.h"
#include "platform/sim/sim_keyboard.h"
#include "platform/window_system.h"

namespace wardo::platform::sim {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

enum class MessageKind { GetTextLength, GetText, SetText, LButtonDown, LButtonUp, SetWindowPos };

// One message as the program sent it. `text` is the text sent (WM_SETTEXT), the text answered
// (WM_GETTEXT), or "HWND_TOPMOST" / "HWND_NOTOPMOST" for SetWindowPos.
struct SentMessage {
    MessageKind kind;
    WindowHandle window;
    std::string text;
    std::int64_t timeMs;
    bool delivered;  // false when the handle named no window
    bool operator==(const SentMessage&) const = default;
};

// How a hosted control behaves; members left empty give a plain window that keeps its own text.
struct ControlHooks {
    std::function<std::string()> text;  // WM_GETTEXT / WM_GETTEXTLENGTH
    // The same for a control that keeps its text: a view of it, valid until the control changes. Read
    // without a copy, and before `text`.
    std::function<std::string_view()> textView;
    std::function<void(const std::string&)> onSetText;  // WM_SETTEXT
    std::function<void()> onMouseDown;
    std::function<void()> onMouseUp;
    std::function<bool()> enabled;  // IsWindowEnabled, for a state that changes on its own
};

class SimWindowSystem : public WindowSystem {
public:
    explicit SimWindowSystem(EventLoop& clock);

    // --- the desktop as tests and hosts build it ---
    // A top-level window (parent = desktop()) goes on top of the non-topmost windows; a child goes last
    // among its siblings, so the first child created is GW_CHILD. Title and class are ANSI bytes.
    WindowHandle create(WindowHandle parent, const std::string& className, const std::string& title = "",
                        std::uint32_t style = kStyleVisible);
    void destroy(WindowHandle w);  // with its children; handles are never reused
    void setEnabled(WindowHandle w, bool enabled);
    void setStyle(WindowHandle w, std::uint32_t style);
    void setVisible(WindowHandle w, bool visible);
    void setTitle(WindowHandle w, const std::string& ansi);  // what GetWindowTextA reads
    void setRect(WindowHandle w, Rect screen);
    ControlHooks& hooks(WindowHandle w);  // w must be a live window
    WindowHandle parent(WindowHandle w) const;
    std::vector<WindowHandle> children(WindowHandle w) const;
    bool isTopmost(WindowHandle w) const;
    WindowHandle activeWindow() const { return active_; }
    void setCursorPos(Point p) { cursor_ = p; }
    SimKeyboard keyboard;

    // --- the message log ---
    const std::vector<SentMessage>& log() const { return log_; }
    std::vector<SentMessage> logFor(WindowHandle w) const;
    void clearLog() { log_.clear(); }
    // On by default. Off, nothing is recorded: for long runs that read large texts again and again.
    void setLogging(bool on) { logging_ = on; }

    // --- WindowSystem ---
    WindowHandle desktop() override { return kDesktop; }
    WindowHandle firstChild(WindowHandle w) override;
    WindowHandle nextSibling(WindowHandle w) override;
    std::string_view classNameInto(WindowHandle w, std::span<char> buffer) override;
    std::string_view windowTextInto(WindowHandle w, std::span<char> buffer) override;
    std::uint32_t style(WindowHandle w) override;
    bool isEnabled(WindowHandle w) override;
    bool isWindow(WindowHandle w) override;
    long getTextLength(WindowHandle w) override;
    std::string getText(WindowHandle w, long bufferSize) override;
    void setText(WindowHandle w, const std::string& ansi) override;
    void mouseDown(WindowHandle w) override;
    void mouseUp(WindowHandle w) override;
    Point cursorPos() override { return cursor_; }
    WindowHandle windowFromPoint(Point p) override;
    bool keyDown(int virtualKey) override { return keyboard.query(virtualKey); }
    void setTopmost(WindowHandle w, bool topmost) override;

    static constexpr WindowHandle kDesktop = 1;

private:
    // The tree is linked as the system's own is, so that every step of a walk is one lookup.
    struct Window {
        WindowHandle parent = 0;
        WindowHandle first = 0;  // children in z-order, first = top
        WindowHandle last = 0;
        WindowHandle previous = 0;  // siblings
        WindowHandle next = 0;
        std::string className;
        std::string title;
        std::uint32_t style = 0;
        bool enabled = true;
        bool topmost = false;
        Rect rect;
        ControlHooks hooks;
    };

    Window* find(WindowHandle w);
    const Window* find(WindowHandle w) const;
    std::string_view controlText(WindowHandle w, std::string& scratch);
    void record(MessageKind kind, WindowHandle w, std::string text, bool delivered);
    WindowHandle firstChildOf(WindowHandle w) const;
    WindowHandle deepestAt(WindowHandle w, Point p) const;
    void placeInZOrder(WindowHandle w);
    void link(WindowHandle w, WindowHandle before);  // among its parent's children; 0: last
    void unlink(WindowHandle w);

    EventLoop& clock_;
    // Indexed by handle (handles are never reused: a destroyed window leaves an empty slot). A window
    // stays where it is while others come and go.
    std::vector<std::unique_ptr<Window>> windows_;
    WindowHandle active_ = 0;
    Point cursor_;
    std::vector<SentMessage> log_;
    bool logging_ = true;
};

}  // namespace wardo::platform::sim
