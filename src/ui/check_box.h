// Check boxes (value 0, 1 or 2 for greyed) and option buttons (exclusive within their container).
#pragma once
#include "ui/control.h"

namespace wardo::ui {

class CheckBox : public Control {
public:
    CheckBox(Form& form, Text name, int index = -1);
    int value() const;
    // A new value raises Click, as the classic check box does; 0..2 only.
    void setValue(int v);
    bool click() override;  // the user toggles it
    void resetToDefaults() override;

private:
    int value_ = 0;
};

class OptionButton : public Control {
public:
    OptionButton(Form& form, Text name, int index = -1);
    bool value() const;
    // Setting true clears the other option buttons of the same container and raises Click.
    void setValue(bool v);
    bool click() override;  // the user selects it
    void resetToDefaults() override;

private:
    bool value_ = false;
};

}  // namespace wardo::ui
