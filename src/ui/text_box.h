// Text boxes: the text (one storage with the caption), multi-line, read-only, length limit, password.
#pragma once
#include "ui/control.h"

namespace wardo::ui {

class TextBox : public Control {
public:
    TextBox(Form& form, Text name, int index = -1);

    bool multiLine() const;
    void setMultiLine(bool m);
    bool locked() const;  // read-only for the user
    void setLocked(bool l);
    int maxLength() const;  // 0 = no limit; limits typing only
    void setMaxLength(int n);
    wchar_t passwordChar() const;  // 0 = plain text
    void setPasswordChar(wchar_t c);
    void resetToDefaults() override;

protected:
    Text clampUserText(const Text& s) const override;
    bool typingAllowed() const override { return !locked_; }

private:
    bool multiLine_ = false;
    bool locked_ = false;
    int maxLength_ = 0;
    wchar_t passwordChar_ = 0;
};

}  // namespace wardo::ui
