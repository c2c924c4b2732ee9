// Win32WindowSystem against real windows of this process: tree walk, names, texts, states, presses.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/scoped_win.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/win32_window_system.h"
#include "test_support.h"
#include "tests/e2e/e2e_support.h"
#include "text/text.h"

namespace wardo::platform::win32 {
namespace {

int clicks = 0;

LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) ++clicks;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class WindowSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &frameProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"WardoTestFrame";
        RegisterClassExW(&wc);
        title = test::uniqueTitle(L"Fenêtre de test");
        frame.reset(CreateWindowExW(0, L"WardoTestFrame", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50,
                                    60, 400, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        ASSERT_TRUE(frame);
        edit = make(L"Edit", L"abc", 0, 10);
        button = make(L"Button", L"Un", 0, 50);
        disabled = make(L"Button", L"Deux", WS_DISABLED, 90);
        hidden = make(L"Static", L"caché", 0, 130, false);
        clicks = 0;
        e2e::pumpFor(50);
    }

    HWND make(const wchar_t* cls, const wchar_t* text, DWORD style, int y, bool visible = true) {
        return CreateWindowExW(0, cls, text, WS_CHILD | style | (visible ? WS_VISIBLE : 0), 10, y, 150, 30,
                               frame.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    }

    Win32WindowSystem ws;
    ScopedWindow frame;
    std::wstring title;
    HWND edit = nullptr, button = nullptr, disabled = nullptr, hidden = nullptr;
};

TEST_F(WindowSystemTest, WalksChildrenInCreationOrderAndStopsAtZero) {
    const WindowHandle f = fromHwnd(frame.get());
    EXPECT_EQ(ws.firstChild(f), fromHwnd(edit));
    EXPECT_EQ(ws.nextSibling(fromHwnd(edit)), fromHwnd(button));
    EXPECT_EQ(ws.nextSibling(fromHwnd(button)), fromHwnd(disabled));
    EXPECT_EQ(ws.nextSibling(fromHwnd(disabled)), fromHwnd(hidden));
    EXPECT_EQ(ws.nextSibling(fromHwnd(hidden)), 0);
    EXPECT_EQ(ws.firstChild(fromHwnd(edit)), 0);
    EXPECT_EQ(ws.firstChild(0), 0);
    EXPECT_EQ(ws.nextSibling(0), 0);
}

TEST_F(WindowSystemTest, FindsItsTopLevelWindowFromTheDesktop) {
    WindowHandle found = 0;
    int steps = 0;
    for (WindowHandle w = ws.firstChild(ws.desktop()); w != 0 && steps < 100000;
         w = ws.nextSibling(w), ++steps) {
        if (ws.classNameA(w, 255) == "WardoTestFrame" && ws.windowTextA(w, 255) == text::toAnsi(title))
            found = w;
    }
    EXPECT_EQ(found, fromHwnd(frame.get()));
}

TEST_F(WindowSystemTest, NamesAndTitlesAreCutToTheBuffer) {
    const WindowHandle f = fromHwnd(frame.get());
    EXPECT_EQ(ws.classNameA(f, 255), "WardoTestFrame");
    EXPECT_EQ(ws.classNameA(f, 6), "Wardo");
    EXPECT_EQ(ws.windowTextA(f, 255), text::toAnsi(title));
    EXPECT_EQ(ws.windowTextA(f, 4), "Fen");
    EXPECT_EQ(ws.windowTextA(f, 5), "Fen\xEA");
    EXPECT_EQ(ws.classNameA(f, 0), "");
    EXPECT_EQ(ws.windowTextA(0, 255), "");
    EXPECT_EQ(ws.classNameA(0, 255), "");
    const std::string longTitle(300, 'x');
    SetWindowTextA(frame.get(), longTitle.c_str());
    EXPECT_EQ(ws.windowTextA(f, 255), std::string(254, 'x'));
}

TEST_F(WindowSystemTest, ReadsStyleEnabledStateAndLife) {
    EXPECT_NE(ws.style(fromHwnd(frame.get())) & kStyleVisible, 0U);
    EXPECT_EQ(ws.style(fromHwnd(hidden)) & kStyleVisible, 0U);
    EXPECT_TRUE(ws.isEnabled(fromHwnd(button)));
    EXPECT_FALSE(ws.isEnabled(fromHwnd(disabled)));
    EXPECT_FALSE(ws.isEnabled(0));
    EXPECT_EQ(ws.style(0), 0U);
    const WindowHandle gone = fromHwnd(button);
    EXPECT_TRUE(ws.isWindow(gone));
    DestroyWindow(button);
    EXPECT_FALSE(ws.isWindow(gone));
    EXPECT_FALSE(ws.isEnabled(gone));
    EXPECT_EQ(ws.getTextLength(gone), 0);
    EXPECT_EQ(ws.getText(gone, 100), "");
}

TEST_F(WindowSystemTest, TextMessagesGoThroughTheAnsiCodePage) {
    const WindowHandle e = fromHwnd(edit);
    ws.setText(e, "caf\xE9 \x80 5");  // "café € 5" in Windows-1252
    wchar_t wide[32] = {};
    GetWindowTextW(edit, wide, 32);
    EXPECT_STREQ(wide, L"caf\u00E9 \u20AC 5");
    EXPECT_EQ(ws.getTextLength(e), 8);
    EXPECT_EQ(ws.getText(e, 9), "caf\xE9 \x80 5");
    EXPECT_EQ(ws.getText(e, 4), "caf");
    EXPECT_EQ(ws.getText(e, 1), "");
    ws.setText(e, "");
    EXPECT_EQ(ws.getTextLength(e), 0);
}

TEST_F(WindowSystemTest, ButtonDownThenUpClicksTheButton) {
    const WindowHandle b = fromHwnd(button);
    ws.mouseDown(b);
    EXPECT_EQ(clicks, 0);
    ws.mouseUp(b);
    EXPECT_EQ(clicks, 1);
    ws.mouseUp(b);  // an up without its down is no press
    EXPECT_EQ(clicks, 1);
    ws.mouseDown(0);
    ws.mouseUp(0);
}

TEST_F(WindowSystemTest, TopmostOrderAndWindowUnderAPoint) {
    const WindowHandle f = fromHwnd(frame.get());
    ws.setTopmost(f, true);
    EXPECT_NE(GetWindowLongW(frame.get(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    RECT r;
    GetWindowRect(button, &r);
    EXPECT_EQ(ws.windowFromPoint(Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}), fromHwnd(button));
    ws.setTopmost(f, false);
    EXPECT_EQ(GetWindowLongW(frame.get(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    ws.setTopmost(0, true);
}

TEST_F(WindowSystemTest, CursorPositionAndKeys) {
    ASSERT_TRUE(SetCursorPos(123, 234));
    e2e::waitFor([&] { return ws.cursorPos().x == 123; }, 1000);
    EXPECT_EQ(ws.cursorPos().x, 123);
    EXPECT_EQ(ws.cursorPos().y, 234);
    EXPECT_FALSE(ws.keyDown(0));
    EXPECT_FALSE(ws.keyDown(-5));
    EXPECT_FALSE(ws.keyDown(0x1000));
}

// F24 is on no keyboard, so nothing else reacts to it.
TEST_F(WindowSystemTest, AKeyReadsDownWhileHeldOrOnceAfterAPressSinceTheLastQuery) {
    auto key = [](bool down) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = VK_F24;
        in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        ASSERT_EQ(SendInput(1, &in, sizeof in), 1U);
        e2e::pumpFor(30);
    };
    ws.keyDown(VK_F24);
    EXPECT_FALSE(ws.keyDown(VK_F24));
    key(true);
    key(false);
    EXPECT_TRUE(ws.keyDown(VK_F24)) << "tapped since the last query";
    EXPECT_FALSE(ws.keyDown(VK_F24));
    key(true);
    EXPECT_TRUE(ws.keyDown(VK_F24));
    EXPECT_TRUE(ws.keyDown(VK_F24)) << "still held";
    key(false);
    EXPECT_FALSE(ws.keyDown(VK_F24));
}

TEST(WindowHandles, RoundTripThroughThirtyTwoBitsBySignExtension) {
    EXPECT_EQ(toHwnd(0), nullptr);
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(toHwnd(-2)), -2);
    EXPECT_EQ(toHwnd(-1), HWND_TOPMOST);
    EXPECT_EQ(fromHwnd(toHwnd(0x7FFFFFFF)), 0x7FFFFFFF);
    EXPECT_EQ(fromHwnd(toHwnd(-0x7FFFFFFF - 1)), -0x7FFFFFFF - 1);
}

}  // namespace
}  // namespace wardo::platform::win32
