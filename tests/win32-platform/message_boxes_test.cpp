// Message boxes placed at a point and answered (a helper thread plays the user), and sounds that fail fast.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "platform/win32/scoped_win.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_sounds.h"
#include "test_support.h"
#include "tests/e2e/e2e_support.h"

namespace wardo::platform::win32 {
namespace {

// Finds the box by its unique caption once it is shown and activated (a placed box takes its place as it
// is activated), notes where it stands and presses `button` in it.
class BoxUser {
public:
    BoxUser(std::wstring title, int button)
        : thread_([this, title = std::move(title), button] {
              HWND box = e2e::waitForBox(GetCurrentProcessId(), title, 5000);
              if (box == nullptr) return;
              GetWindowRect(box, &rect);
              found = true;
              PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
          }) {}
    ~BoxUser() { thread_.join(); }

    RECT rect{};
    std::atomic<bool> found{false};

private:
    std::thread thread_;
};

// Each box after a placed one: the hook went with it, an unplaced box is not moved to its point.
TEST(Win32MessageBoxes, ABoxAnswersTheButtonPressedAndOpensWhereAsked) {
    struct Case {
        BoxButtons buttons;
        BoxIcon icon;
        bool placed;
        int press;
        BoxAnswer expected;
    };
    const Case cases[] = {{BoxButtons::YesNo, BoxIcon::Question, true, IDNO, BoxAnswer::No},
                          {BoxButtons::OkCancel, BoxIcon::Information, false, IDOK, BoxAnswer::Ok},
                          {BoxButtons::OkCancel, BoxIcon::Exclamation, false, IDCANCEL, BoxAnswer::Cancel}};
    Win32MessageBoxes boxes;
    const Point at{123, 145};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.press);
        const std::wstring title = test::uniqueTitle(L"Ajustement de statut");
        BoxUser user(title, c.press);
        EXPECT_EQ(
            boxes.show(L"Votre statut a été réajusté", title, c.buttons, c.icon, c.placed ? &at : nullptr),
            c.expected);
        ASSERT_TRUE(user.found);
        EXPECT_EQ(user.rect.left == 123 && user.rect.top == 145, c.placed);
    }
}

// A plain window of this thread, activated: a placement hook left behind would move it to the point.
RECT placeOfAnActivatedWindow() {
    const std::wstring title = test::uniqueTitle(L"Fenetre");
    HWND w = CreateWindowExW(0, L"STATIC", title.c_str(), WS_POPUP | WS_VISIBLE, 40, 30, 50, 50, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(w);
    RECT r{};
    GetWindowRect(w, &r);
    DestroyWindow(w);
    return r;
}

thread_local int createdWindowsSeen = 0;
LRESULT CALLBACK countCreations(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND) ++createdWindowsSeen;
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST(Win32MessageBoxes, StyleCodesInAndTheButtonsCodeOutAndOtherHooksStillHearTheBox) {
    Win32MessageBoxes boxes;
    createdWindowsSeen = 0;
    ScopedHook earlier(SetWindowsHookExW(WH_CBT, &countCreations, nullptr, GetCurrentThreadId()));
    const Point at{210, 160};
    for (const auto& [button, code] : {std::pair{IDYES, 6}, std::pair{IDNO, 7}}) {
        const std::wstring title = test::uniqueTitle(L"Question");
        BoxUser user(title, button);
        EXPECT_EQ(boxes.showStyled(L"Sûr ?", title, 36, &at), code);
        ASSERT_TRUE(user.found);
        EXPECT_EQ(user.rect.left, 210);
        EXPECT_EQ(user.rect.top, 160);
    }
    EXPECT_GT(createdWindowsSeen, 0) << "the placing hook passes on what it does not handle";
    const RECT after = placeOfAnActivatedWindow();
    EXPECT_EQ(after.left, 40);
    EXPECT_EQ(after.top, 30);
}

// An earlier hook that lets no window be created: the box cannot be shown.
LRESULT CALLBACK refuseCreations(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND) return 1;
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST(Win32MessageBoxes, ABoxThatCannotBeShownAnswersNothingAndLeavesNoHook) {
    Win32MessageBoxes boxes;
    const Point at{321, 234};
    int code = -1;
    {
        ScopedHook refuse(SetWindowsHookExW(WH_CBT, &refuseCreations, nullptr, GetCurrentThreadId()));
        code = boxes.showStyled(L"?", test::uniqueTitle(L"Impossible"), 0, &at);
    }
    EXPECT_EQ(code, 0);
    const RECT after = placeOfAnActivatedWindow();
    EXPECT_EQ(after.left, 40);
    EXPECT_EQ(after.top, 30);
}

TEST(Win32Sounds, MissingFilesFailFastAndBeepsTakeTheirTime) {
    Win32Sounds sounds;
    const ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(sounds.playWav(L"Z:\\nowhere\\absent.wav", false));
    sounds.playWav(L"Z:\\nowhere\\absent.wav", true);
    EXPECT_LT(GetTickCount64() - start, 5000U);
    // A beep blocks for its duration, whether or not the system can sound it.
    for (const int frequency : {1, 1000}) {
        LARGE_INTEGER f, t0, t1;
        QueryPerformanceFrequency(&f);
        QueryPerformanceCounter(&t0);
        sounds.beep(frequency, 40);
        QueryPerformanceCounter(&t1);
        EXPECT_GE((t1.QuadPart - t0.QuadPart) * 1000 / f.QuadPart, 35) << frequency << " Hz";
    }
    sounds.beep(1000, 0);
    sounds.beep(1000, -5);
}

}  // namespace
}  // namespace wardo::platform::win32
