// Controls without behaviour of their own: labels, the outside library's command buttons, frames.
#pragma once
#include <initializer_list>

#include "ui/control.h"

namespace wardo::ui {

class Label : public Control {
public:
    Label(Form& form, Text name, int index = -1)
        : Control(form, ControlKind::Label, std::move(name), index) {}
};

// The command button of the outside control library: caption, colours and the click are what counts.
class Button : public Control {
public:
    Button(Form& form, Text name, int index = -1)
        : Control(form, ControlKind::Button, std::move(name), index) {}
};

// Holds other controls: their places are relative to it, and hiding or disabling it reaches them.
class Frame : public Control {
public:
    Frame(Form& form, Text name, int index = -1)
        : Control(form, ControlKind::Frame, std::move(name), index) {}

    // Puts each of the controls into this frame.
    void contain(std::initializer_list<Control*> controls) {
        for (Control* c : controls) c->setContainer(this);
    }
};

}  // namespace wardo::ui
