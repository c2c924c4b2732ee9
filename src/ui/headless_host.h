// A binding without windows: showing a form activates it at once, hiding the active form activates the
// one shown before it, and everything that happens is recorded for tests to read.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "ui/form_host.h"

namespace wardo::ui {

class HeadlessHost : public FormHost {
public:
    void formShown(Form& form, bool modal) override;
    void formHidden(Form& form) override;
    void formUnloaded(Form& form) override;
    void formDestroyed(Form& form) override;
    void controlDestroyed(Control&) override {}
    void controlChanged(Control& control, Property what) override;
    void formChanged(Form& form, Property what) override;
    platform::WindowHandle handleOf(const Form& form) override;
    FrameInsets frameInsets(const Form& form) override;
    void beginDragMove(Form& form) override;

    Form* activeForm() const { return active_; }
    // What happened, one line each: "show Principale", "show ConnexMan modal", "activate Principale",
    // "hide Principale", "unload Principale", "drag Reglages", "Principale.Caption",
    // "Principale.Label2.Caption".
    std::vector<std::wstring> log;
    bool recordChanges = true;

private:
    void activate(Form* form);
    void leave(Form& form);

    Form* active_ = nullptr;
    std::vector<Form*> zOrder_;  // visible forms, the most recently activated last
    std::map<const Form*, platform::WindowHandle> handles_;
    platform::WindowHandle next_ = 0x00010010;
};

std::wstring propertyName(Property p);

}  // namespace wardo::ui
