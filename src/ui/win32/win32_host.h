// The binding of form objects to real windows: one window per form, created when the form is first
// shown (or its handle asked for), standard controls for its controls, every property change mirrored
// to them and the user's input fed back into the objects.
#pragma once
#include <windows.h>

#include <map>
#include <memory>

#include "platform/platform.h"
#include "ui/form_host.h"

namespace wardo::ui::win32 {

struct FormRecord;
struct ControlRecord;

class Win32Host : public FormHost {
public:
    explicit Win32Host(platform::Platform& platform);
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    void formShown(Form& form, bool modal) override;
    void formHidden(Form& form) override;
    void formUnloaded(Form& form) override;
    void formDestroyed(Form& form) override;
    void controlDestroyed(Control& control) override;
    void controlChanged(Control& control, Property what) override;
    void formChanged(Form& form, Property what) override;
    platform::WindowHandle handleOf(const Form& form) override;
    FrameInsets frameInsets(const Form& form) override;
    void beginDragMove(Form& form) override;

    // The real windows, for tests and for the program's own window calls; null when there is none.
    HWND windowOf(const Form& form) const;
    HWND windowOf(const Control& control) const;

    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;
    int toTwipsX(int pixels) const { return pixels * tppX_; }
    int toTwipsY(int pixels) const { return pixels * tppY_; }

    // Called by the window procedures (internal).
    void activatedByUser(FormRecord& rec);
    void reportFailure(std::exception_ptr e);

private:
    FormRecord& ensureWindows(Form& form);
    void createControl(FormRecord& rec, Control& c);
    void destroyForm(const Form& form);
    void applyFormPlace(FormRecord& rec);
    void reenableAfterModal(FormRecord& rec);

    platform::Platform& platform_;
    int tppX_;
    int tppY_;
    std::map<const Form*, std::shared_ptr<FormRecord>> forms_;
    const Form* lastActive_ = nullptr;
};

}  // namespace wardo::ui::win32
