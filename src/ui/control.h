// Base of every control: name, place in twips, caption or text, state, colours, font and the events
// that user input raises. The object is the truth; a binding mirrors it to a real window.
#pragma once
#include <functional>
#include <utility>

#include "ui/property.h"

namespace wardo::ui {

class Form;
class Frame;

// Runs an event's handler, if it has one, from a copy: a handler may replace itself while it runs.
template <class Handler, class... Args>
void raiseEvent(const Handler& handler, Args&&... args) {
    if (!handler) return;
    Handler copy = handler;
    copy(std::forward<Args>(args)...);
}

class Control {
public:
    using MouseHandler = std::function<void(int button, int shift, int x, int y)>;

    // Registers the control with its form; `index` >= 0 makes it an element of a control array.
    Control(Form& form, ControlKind kind, Text name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const Text& name() const { return name_; }
    int index() const { return index_; }
    Text fullName() const;  // "Label78(3)" for an element of an array
    Form& form() const { return form_; }

    // Every property access loads the form first, as the classic runtime does.
    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);   // negative: invalid property value
    void setHeight(int twips);  // negative: invalid property value
    void move(int left, int top);
    void move(int left, int top, int width, int height);

    // Caption and text share one storage; a change raises Change.
    const Text& caption() const;
    void setCaption(const Text& s);
    virtual Text text() const;
    void setText(const Text& s) { setCaption(s); }

    bool visible() const;
    void setVisible(bool v);
    bool enabled() const;
    void setEnabled(bool e);
    Color foreColor() const;
    Color backColor() const;
    void setForeColor(Color c);
    void setBackColor(Color c);
    const Text& toolTip() const;
    void setToolTip(const Text& s);
    const Font& font() const;
    void setFont(const Font& f);
    Alignment alignment() const;
    void setAlignment(Alignment a);

    // The frame that holds the control; null for the form itself.
    Frame* container() const;
    void setContainer(Frame* frame);

    // Moves the keyboard focus here; the form must be shown and the control able to take input
    // (invalid call otherwise, as the classic runtime says).
    void setFocus();
    bool hasFocus() const;

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onChange;
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;
    MouseHandler onMouseMove;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    // User input, from the binding or from tests. Each returns false (and does nothing) when the user
    // could not reach the control: form not loaded or hidden, control or a frame around it disabled or
    // hidden.
    virtual bool click();
    virtual bool dblClick();
    bool userSetText(const Text& s);
    bool mouseDown(int button, int shift, int x, int y);
    bool mouseUp(int button, int shift, int x, int y);
    bool mouseMove(int button, int shift, int x, int y);
    // Returns the key after the handler: 0 when it swallowed the key.
    int keyPress(int keyAscii);
    // The window system moved the focus here.
    void focusEntered();

    bool reachable() const;

    // Back to the state before the design: used when the form loads again.
    virtual void resetToDefaults();

protected:
    void touch() const;                               // loads the form unless it is being designed
    void changed(Property what);                      // tells the binding, outside the design
    void fire(const std::function<void()>& handler);  // raises an event, outside the design
    bool designing() const;
    // Hook for kinds whose behaviour follows a property (timers).
    virtual void propertyChanged(Property) {}
    virtual Text clampUserText(const Text& s) const { return s; }
    virtual bool typingAllowed() const { return true; }

    Text caption_;

private:
    friend class Form;
    void storeFocusLost();

    Form& form_;
    ControlKind kind_;
    Text name_;
    int index_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    Color fore_ = 0, back_ = 0;
    Text toolTip_;
    Font font_;
    Alignment alignment_ = Alignment::Left;
    Frame* container_ = nullptr;
};

}  // namespace wardo::ui
