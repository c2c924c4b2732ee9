// The binding between form objects and whatever displays them (real windows, or none in tests).
#pragma once
#include "platform/window_system.h"
#include "ui/property.h"

namespace wardo::ui {

class Form;
class Control;

// Width and height a form's frame (borders, title bar) adds to its client area, in twips.
struct FrameInsets {
    int width = 0;
    int height = 0;
};

class FormHost {
public:
    virtual ~FormHost() = default;

    // The form became visible; the host activates it (calling Form::activated) when the window
    // system does. A modal show is followed by the form's own modal loop.
    virtual void formShown(Form& form, bool modal) = 0;
    virtual void formHidden(Form& form) = 0;
    // The form's windows go away; its objects stay.
    virtual void formUnloaded(Form& form) = 0;
    // The object is being destroyed: forget every reference to it.
    virtual void formDestroyed(Form& form) = 0;
    virtual void controlDestroyed(Control& control) = 0;

    virtual void controlChanged(Control& control, Property what) = 0;
    virtual void formChanged(Form& form, Property what) = 0;

    virtual platform::WindowHandle handleOf(const Form& form) = 0;
    virtual FrameInsets frameInsets(const Form& form) = 0;
    // The user drags the form by its background, as if by its title bar.
    virtual void beginDragMove(Form& form) = 0;
};

}  // namespace wardo::ui
