// Images and picture boxes: a bitmap file shown in the control, stretched or not.
#pragma once
#include "ui/control.h"

namespace wardo::ui {

class Picture : public Control {
public:
    Picture(Form& form, Text name, int index = -1);

    const Text& picture() const;  // the file shown, "" for none
    // Loads a bitmap file; "" clears the picture. A file that does not exist: file not found; a file
    // that is not a bitmap: invalid picture. Either way the picture stays as it was.
    void setPicture(const Text& path);
    bool stretch() const;
    void setStretch(bool s);
    void resetToDefaults() override;

private:
    Text picture_;
    bool stretch_ = false;
};

}  // namespace wardo::ui
