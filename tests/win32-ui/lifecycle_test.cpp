// Show, activation, closing (cancelled or not) and modal shows on real windows, with the messages a
// form's window receives.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui_fixture.h"

namespace wardo::ui::win32::test {
namespace {

// Records the messages of interest sent to one window, interleaved with the form's own events.
class MessageLog {
public:
    explicit MessageLog(std::vector<std::wstring>& log) : log_(log) {
        active_ = this;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &hook, nullptr, GetCurrentThreadId());
    }
    ~MessageLog() {
        UnhookWindowsHookEx(hook_);
        active_ = nullptr;
    }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
    HWND window = nullptr;  // null: the first form window seen

private:
    static LRESULT CALLBACK hook(int code, WPARAM wp, LPARAM lp) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
        if (code == HC_ACTION && active_ != nullptr) active_->note(*m);
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    void note(const CWPSTRUCT& m) {
        if (window == nullptr && className(m.hwnd) == L"WardoForm") window = m.hwnd;
        if (m.hwnd != window) return;
        switch (m.message) {
            case WM_SHOWWINDOW:
                log_.push_back(m.wParam ? L"WM_SHOWWINDOW 1" : L"WM_SHOWWINDOW 0");
                break;
            case WM_ACTIVATE:
                log_.push_back(LOWORD(m.wParam) == WA_INACTIVE ? L"WM_ACTIVATE 0" : L"WM_ACTIVATE 1");
                break;
            case WM_CLOSE:
                log_.push_back(L"WM_CLOSE");
                break;
            case WM_DESTROY:
                log_.push_back(L"WM_DESTROY");
                break;
            default:
                break;
        }
    }
    static inline MessageLog* active_ = nullptr;
    std::vector<std::wstring>& log_;
    HHOOK hook_ = nullptr;
};

TEST(Lifecycle, ShowActivateAndCloseSequence) {
    Fixture f;
    KindsForm form(f.runtime);
    MessageLog messages(form.log);
    form.show();
    ASSERT_TRUE(f.pumpUntil([&] { return GetForegroundWindow() == f.host.windowOf(form); }));
    f.pump();
    EXPECT_EQ(form.log,
              (std::vector<std::wstring>{L"Load", L"WM_SHOWWINDOW 1", L"WM_ACTIVATE 1", L"Activate"}));

    form.log.clear();
    form.cancelClose = true;
    HWND h = f.host.windowOf(form);
    SendMessageW(h, WM_CLOSE, 0, 0);
    EXPECT_EQ(form.log, (std::vector<std::wstring>{L"WM_CLOSE", L"QueryUnload"}));
    EXPECT_TRUE(IsWindow(h));
    EXPECT_TRUE(IsWindowVisible(h));
    EXPECT_TRUE(form.loaded());
    EXPECT_EQ(f.host.windowOf(form), h);

    form.log.clear();
    form.cancelClose = false;
    SendMessageW(h, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(h));
    // The handlers run first; the window goes only once nothing cancelled.
    EXPECT_EQ(form.log, (std::vector<std::wstring>{L"WM_CLOSE", L"QueryUnload", L"Unload", L"WM_ACTIVATE 0",
                                                   L"WM_DESTROY"}));
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(f.host.windowOf(form), nullptr);
}

TEST(Lifecycle, AReloadBuildsFreshWindowsFromTheDesign) {
    Fixture f;
    KindsForm form(f.runtime);
    form.show();
    form.Label1.setCaption(L"changed");
    HWND first = f.host.windowOf(form);
    ASSERT_TRUE(form.unload());
    EXPECT_FALSE(IsWindow(first));
    form.show();
    EXPECT_EQ(windowText(f.host.windowOf(form.Label1)), L"Étiquette");
}

TEST(Lifecycle, ActivationFollowsTheProgramsOwnForms) {
    Fixture f;
    KindsForm a(f.runtime, L"A");
    KindsForm b(f.runtime, L"B");
    a.show();
    ASSERT_TRUE(f.pumpUntil([&] { return GetForegroundWindow() == f.host.windowOf(a); }));
    b.show();
    ASSERT_TRUE(f.pumpUntil([&] { return GetForegroundWindow() == f.host.windowOf(b); }));
    b.hide();
    ASSERT_TRUE(f.pumpUntil([&] { return std::count(a.log.begin(), a.log.end(), L"Activate") == 2; }));
    EXPECT_EQ(std::count(b.log.begin(), b.log.end(), L"Activate"), 1);
}

TEST(Lifecycle, AModalShowDisablesTheOtherFormsUntilItHides) {
    Fixture f;
    KindsForm owner(f.runtime, L"Owner");
    KindsForm picker(f.runtime, L"Picker");
    owner.show();
    bool ownerDisabled = false;
    picker.Timer1.onTimer = [&] {
        ownerDisabled = !IsWindowEnabled(f.host.windowOf(owner));
        SendMessageW(f.host.windowOf(picker.Command1), BM_CLICK, 0, 0);
    };
    picker.Command1.onClick = [&] { picker.hide(); };
    picker.Timer1.setEnabled(true);
    picker.show(true);  // returns once the button hid it
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(f.host.windowOf(owner)));
    EXPECT_FALSE(IsWindowVisible(f.host.windowOf(picker)));
    EXPECT_TRUE(picker.loaded());
}

TEST(Lifecycle, DestroyingAShownFormTakesItsWindowsAway) {
    Fixture f;
    HWND h = nullptr;
    {
        KindsForm form(f.runtime);
        form.show();
        h = f.host.windowOf(form);
    }
    EXPECT_FALSE(IsWindow(h));
    f.pump();
}

TEST(Lifecycle, TheUsersMoveReachesTheObject) {
    Fixture f;
    KindsForm form(f.runtime);
    form.show();
    SetWindowPos(f.host.windowOf(form), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(form.left(), 4500);
    EXPECT_EQ(form.top(), 3000);
    EXPECT_EQ(form.clientWidth(), 6000);
}

}  // namespace
}  // namespace wardo::ui::win32::test
