// Base of every window of the program: Load on first use, activation, modal and modeless show, hide,
// an unload that can be cancelled, and the window's own properties in twips.
#pragma once
#include <functional>
#include <vector>

#include "ui/control.h"
#include "ui/runtime.h"

namespace wardo::ui {

class Timer;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3 };

// A rounded-rectangle window region, in pixels; `set` false means the plain rectangle.
struct Region {
    bool set = false;
    int width = 0, height = 0;
    int ellipseWidth = 0, ellipseHeight = 0;
    bool operator==(const Region&) const = default;
};

namespace pointer {
constexpr int kDefault = 0;
constexpr int kCustom = 99;
}  // namespace pointer

// Controls are value members of the derived form, registered in declaration order; a control declared
// later lies above the ones declared before it where they overlap. Every control keeps, after each
// load, the values design() gives it and the defaults for the rest.
class Form {
public:
    using MouseHandler = Control::MouseHandler;

    Form(Runtime& runtime, Text name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const Text& name() const { return name_; }
    Runtime& runtime() const { return runtime_; }
    platform::Platform& platform() const { return runtime_.platform(); }

    // Loads the form when it is not: controls take their design values, timers start, onLoad runs.
    // A failure inside onLoad propagates to the caller; the form then stays loaded as far as it got.
    void load();
    bool loaded() const { return state_ != State::Unloaded; }
    void show(bool modal = false);  // modal: returns when the form is hidden or unloaded
    void hide();
    // Runs onQueryUnload and onUnload; false when one of them cancelled. Unloading an unloaded form
    // does nothing and succeeds.
    bool unload();

    const Text& caption() const;
    void setCaption(const Text& s);
    int left() const;
    int top() const;
    int width() const;  // outer size, frame included
    int height() const;
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void move(int left, int top);
    void move(int left, int top, int width, int height);
    int clientWidth() const;
    int clientHeight() const;
    void setClientSize(int width, int height);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    WindowState windowState() const;
    void setWindowState(WindowState s);
    BorderStyle borderStyle() const;
    void setBorderStyle(BorderStyle b);
    Color backColor() const;
    void setBackColor(Color c);
    int mousePointer() const;
    const Text& mouseIcon() const;
    void setMousePointer(int kind);
    // Loads the custom pointer from a cursor file; "" clears it; a missing file: file not found.
    void setMouseIcon(const Text& path);
    const Region& region() const;
    void setRegion(const Region& r);

    platform::WindowHandle handle();
    void dragMove();  // lets the user move the window by its background

    // Called by the binding when the window becomes the program's active window.
    void activated();
    // The user asked to close the window (close box, system keys): an unload that may be cancelled.
    bool userClose();
    // The window system moved, sized or minimised the window on its own.
    void userMoved(int left, int top, int width, int height);
    void userSetWindowState(WindowState s);
    bool mouseDown(int button, int shift, int x, int y);
    bool mouseUp(int button, int shift, int x, int y);
    bool mouseMove(int button, int shift, int x, int y);

    MouseHandler onMouseDown;
    MouseHandler onMouseUp;
    MouseHandler onMouseMove;

    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const Text& name, int index = -1) const;
    Control* activeControl() const { return focus_; }
    bool designing() const { return state_ == State::Designing; }
    // Loaded, shown, and not behind a modal form: the user can reach it.
    bool takesInput() const;

protected:
    // Sets the design values of the form and of every control (places, captions, lists...).
    virtual void design() {}
    virtual void onLoad() {}
    // Every activation; firstActivation() tells the first one since the load.
    virtual void onActivate() {}
    virtual void onQueryUnload(bool& /*cancel*/) {}
    virtual void onUnload(bool& /*cancel*/) {}
    bool firstActivation() const { return activations_ == 1; }

private:
    friend class Control;
    friend class Timer;
    enum class State { Unloaded, Designing, Loaded };

    void add(Control* c) { controls_.push_back(c); }
    void remove(Control* c);
    void moveFocus(Control* to, bool fromHost);
    void changed(Property what);
    void resetToDefaults();
    bool mouse(const MouseHandler& h, int button, int shift, int x, int y);
    void touch() const;

    Runtime& runtime_;
    Text name_;
    State state_ = State::Unloaded;
    std::vector<Control*> controls_;
    Control* focus_ = nullptr;
    int activations_ = 0;
    bool unloading_ = false;

    Text caption_;
    int left_ = 0, top_ = 0, clientWidth_ = 0, clientHeight_ = 0;
    bool visible_ = false;
    WindowState windowState_ = WindowState::Normal;
    BorderStyle borderStyle_ = BorderStyle::Sizable;
    Color back_ = colors::kButtonFace;
    int mousePointer_ = pointer::kDefault;
    Text mouseIcon_;
    Region region_;
};

}  // namespace wardo::ui
