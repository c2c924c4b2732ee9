// The real platform and the Win32 binding for one test, a form with one control of each kind, and
// bounded message pumping.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/win32_platform.h"
#include "platform/win32/window_text.h"
#include "tests/win32-platform/test_support.h"
#include "ui/ui.h"
#include "ui/win32/win32_host.h"

namespace wardo::ui::win32::test {

struct Fixture {
    platform::win32::Win32Platform real;
    Win32Host host{real.platform()};
    Runtime runtime{real.platform(), host};

    // Pumps the loop until `done` or `timeoutMs`; waits for messages between passes.
    bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
    void pump(int passes = 5);
};

using platform::win32::test::uniqueTitle;
std::wstring className(HWND h);
using platform::win32::windowText;
// Place of a child window in its parent's client area, in pixels.
RECT placeInParent(HWND h);
// A small 24-bit bitmap file in the temporary folder; its path.
std::wstring writeBitmap(const std::wstring& name);
// A 32 x 32 monochrome cursor file in the temporary folder; its path.
std::wstring writeCursor(const std::wstring& name);

class KindsForm : public Form {
public:
    explicit KindsForm(Runtime& rt, const Text& name = L"KindsForm")
        : Form(rt, name), title(uniqueTitle(name)) {}

    Label Label1{*this, L"Label1"};
    Button Command1{*this, L"Command1"};
    CheckBox Check1{*this, L"Check1"};
    OptionButton Option1{*this, L"Option1"};
    OptionButton Option2{*this, L"Option2"};
    TextBox Text1{*this, L"Text1"};
    Frame Frame1{*this, L"Frame1"};
    Label Inner{*this, L"Inner"};
    Picture Image1{*this, L"Image1"};
    ListBox List1{*this, L"List1"};
    ComboBox Combo1{*this, L"Combo1"};
    Timer Timer1{*this, L"Timer1"};

    std::vector<std::wstring> log;
    bool cancelClose = false;
    Text title;  // unique to this process

protected:
    void design() override;
    void onLoad() override { log.push_back(L"Load"); }
    void onActivate() override { log.push_back(L"Activate"); }
    void onQueryUnload(bool& cancel) override {
        log.push_back(L"QueryUnload");
        cancel = cancelClose;
    }
    void onUnload(bool&) override { log.push_back(L"Unload"); }
};

}  // namespace wardo::ui::win32::test
