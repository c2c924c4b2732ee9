// The real windows follow the objects: classes, texts, places in pixels, states, and every change.
#include <windows.h>
// commctrl.h needs the types of windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include "platform/win32/scoped_win.h"
#include "platform/win32/win32_handle.h"
#include "ui_fixture.h"

namespace wardo::ui::win32::test {
namespace {

struct Shown : Fixture {
    KindsForm form{runtime};
    Shown() {
        form.show();
        pump();
    }
    HWND w(const Control& c) const { return host.windowOf(c); }
    LONG_PTR style(const Control& c) const { return GetWindowLongPtrW(w(c), GWL_STYLE); }
};

TEST(Windows, NoWindowBeforeTheFirstShowOrHandle) {
    Fixture f;
    KindsForm form(f.runtime);
    form.load();
    EXPECT_EQ(f.host.windowOf(form), nullptr);
    EXPECT_EQ(f.host.windowOf(form.Label1), nullptr);
    const auto handle = form.handle();  // asking for it creates the windows, hidden
    HWND h = f.host.windowOf(form);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(platform::win32::fromHwnd(h), handle);
    EXPECT_FALSE(IsWindowVisible(h));
}

TEST(Windows, EachKindGetsItsClassTextAndPlace) {
    Shown s;
    HWND form = s.host.windowOf(s.form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(className(form), L"WardoForm");
    EXPECT_EQ(windowText(form), s.form.title);
    EXPECT_TRUE(IsWindowVisible(form));
    RECT client;
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 400);
    RECT outer;
    GetWindowRect(form, &outer);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(s.form.width(), (outer.right - outer.left) * 15);

    struct Expect {
        const Control& c;
        const wchar_t* cls;
        std::wstring text;
    };
    const Expect expected[] = {{s.form.Label1, L"Static", L"Étiquette"},
                               {s.form.Command1, L"Button", L"Connexion à la salle"},
                               {s.form.Check1, L"Button", L"Ne pas montrer"},
                               {s.form.Option1, L"Button", L"Ban Ip + Pseudo"},
                               {s.form.Text1, L"Edit", L"texte"},
                               {s.form.Frame1, L"WardoFrame", L"Cadre"},
                               {s.form.Inner, L"Static", L"dedans"},
                               {s.form.Image1, L"Static", L""},
                               {s.form.List1, L"ListBox", L""},
                               {s.form.Combo1, L"ComboBox", L""}};
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.c.fullName());
        HWND h = s.w(e.c);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(lstrcmpiW(className(h).c_str(), e.cls), 0) << className(h);
        EXPECT_EQ(windowText(h), e.text);
        EXPECT_TRUE(IsWindowVisible(h));
        EXPECT_TRUE(IsWindowEnabled(h));
        const RECT r = placeInParent(h);
        EXPECT_EQ(r.left, e.c.left() / 15);
        EXPECT_EQ(r.top, e.c.top() / 15);
        EXPECT_EQ(r.right - r.left, e.c.width() / 15);
        if (e.c.kind() != ControlKind::ComboBox) {
            EXPECT_EQ(r.bottom - r.top, e.c.height() / 15);
        }
    }
    EXPECT_EQ(GetParent(s.w(s.form.Inner)), s.w(s.form.Frame1));
    EXPECT_EQ(GetParent(s.w(s.form.Label1)), form);
    EXPECT_EQ(s.style(s.form.Command1) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(s.style(s.form.Check1) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_EQ(s.style(s.form.Option1) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
    EXPECT_NE(s.style(s.form.Label1) & SS_NOTIFY, 0);
    EXPECT_EQ(s.style(s.form.Combo1) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessageW(s.w(s.form.Option2), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(s.w(s.form.List1), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(s.w(s.form.Combo1), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(s.w(s.form.List1), LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(s.host.windowOf(s.form.Timer1), nullptr);
}

TEST(Windows, PropertyChangesAreMirrored) {
    Shown s;
    auto& f = s.form;
    f.Label1.setCaption(L"de Bob");
    EXPECT_EQ(windowText(s.w(f.Label1)), L"de Bob");
    f.Frame1.setTop(6500);  // a pane moved out of view
    EXPECT_EQ(placeInParent(s.w(f.Frame1)).top, 433);
    f.Command1.setVisible(false);
    EXPECT_FALSE(IsWindowVisible(s.w(f.Command1)));
    f.Check1.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(s.w(f.Check1)));
    f.Check1.setValue(1);
    EXPECT_EQ(SendMessageW(s.w(f.Check1), BM_GETCHECK, 0, 0), BST_CHECKED);
    f.Option1.setValue(true);
    EXPECT_EQ(SendMessageW(s.w(f.Option1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(s.w(f.Option2), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    f.List1.addItem(L"Sons", 0);
    f.List1.setListIndex(2);
    EXPECT_EQ(SendMessageW(s.w(f.List1), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(s.w(f.List1), LB_GETCURSEL, 0, 0), 2);
    f.Combo1.setListIndex(1);
    EXPECT_EQ(SendMessageW(s.w(f.Combo1), CB_GETCURSEL, 0, 0), 1);
    f.Text1.setText(L"nouveau");
    EXPECT_EQ(windowText(s.w(f.Text1)), L"nouveau");
    f.Text1.setLocked(true);
    EXPECT_NE(s.style(f.Text1) & ES_READONLY, 0);
    f.Text1.setPasswordChar(L'*');
    EXPECT_EQ(SendMessageW(s.w(f.Text1), EM_GETPASSWORDCHAR, 0, 0), L'*');
    f.setCaption(L"Wardo - V 1.52");
    EXPECT_EQ(windowText(s.host.windowOf(f)), L"Wardo - V 1.52");
    f.move(3000, 1500);
    RECT outer;
    GetWindowRect(s.host.windowOf(f), &outer);
    EXPECT_EQ(outer.left, 200);
}

TEST(Windows, ToolTipsAreRegisteredForTheirControls) {
    Shown s;
    HWND form = s.host.windowOf(s.form);
    s.form.Command1.setToolTip(L"Met la capture de pseudo en pause pendant 30 sec");
    s.form.Label1.setToolTip(L"Double cliquer pour entrer le pseudo");
    struct Find {
        HWND owner;
        HWND found = nullptr;
    } find{form};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            auto* f = reinterpret_cast<Find*>(lp);
            if (lstrcmpiW(className(h).c_str(), L"tooltips_class32") != 0) return TRUE;
            TOOLINFOW ti{};
            ti.cbSize = sizeof ti;
            if (SendMessageW(h, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&ti)) == 0 || ti.hwnd != f->owner)
                return TRUE;
            f->found = h;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&find));
    ASSERT_NE(find.found, nullptr);
    EXPECT_EQ(SendMessageW(find.found, TTM_GETTOOLCOUNT, 0, 0), 2);
    s.form.Label1.setToolTip(L"");
    EXPECT_EQ(SendMessageW(find.found, TTM_GETTOOLCOUNT, 0, 0), 1);
    s.form.Command1.setToolTip(L"Pause");  // replaced, not added
    EXPECT_EQ(SendMessageW(find.found, TTM_GETTOOLCOUNT, 0, 0), 1);
}

// The panel has tool tips and is put above all windows when it starts.
TEST(Windows, AFormWithToolTipsCanBePutAboveAllWindows) {
    Shown s;
    HWND form = s.host.windowOf(s.form);
    s.form.Command1.setToolTip(L"Pause");
    SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    EXPECT_NE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST(Windows, TheFormsCustomPointerCoversItsControls) {
    Shown s;
    HWND form = s.host.windowOf(s.form);
    HWND edit = s.w(s.form.Text1);
    auto pointerOver = [](HWND h) {
        SendMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    EXPECT_EQ(pointerOver(form), arrow);
    EXPECT_EQ(pointerOver(edit), LoadCursorA(nullptr, IDC_IBEAM)) << "children keep their own pointer";

    const std::wstring path = writeCursor(uniqueTitle(L"hand") + L".cur");
    s.form.setMousePointer(pointer::kCustom);
    s.form.setMouseIcon(path);
    HCURSOR custom = pointerOver(form);
    EXPECT_NE(custom, arrow);
    EXPECT_NE(custom, nullptr);
    EXPECT_EQ(pointerOver(edit), custom);
    s.form.setMousePointer(pointer::kDefault);
    EXPECT_EQ(pointerOver(form), arrow);
    DeleteFileW(path.c_str());
}

TEST(Windows, AMultiLineChangeRebuildsTheEditWithItsText) {
    Shown s;
    HWND before = s.w(s.form.Text1);
    s.form.Text1.setMultiLine(true);
    HWND after = s.w(s.form.Text1);
    EXPECT_FALSE(IsWindow(before));
    ASSERT_TRUE(IsWindow(after));
    EXPECT_NE(s.style(s.form.Text1) & ES_MULTILINE, 0);
    EXPECT_EQ(windowText(after), L"texte");
    EXPECT_EQ(placeInParent(after).left, 10);
}

TEST(Windows, ChangingContainerReparentsTheWindow) {
    Shown s;
    s.form.Label1.setContainer(&s.form.Frame1);
    EXPECT_EQ(GetParent(s.w(s.form.Label1)), s.w(s.form.Frame1));
    EXPECT_EQ(placeInParent(s.w(s.form.Label1)).left, 10);
    s.form.Inner.setContainer(nullptr);
    EXPECT_EQ(GetParent(s.w(s.form.Inner)), s.host.windowOf(s.form));
}

TEST(Windows, APictureShowsItsBitmapAtTheControlsSize) {
    Shown s;
    const std::wstring path = writeBitmap(uniqueTitle(L"skin") + L".bmp");
    s.form.Image1.setPicture(path);
    HWND h = s.w(s.form.Image1);
    EXPECT_NE(SendMessageW(h, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    const RECT r = placeInParent(h);
    EXPECT_EQ(r.right - r.left, 40);
    s.form.Image1.setPicture(L"");
    EXPECT_EQ(SendMessageW(h, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    DeleteFileW(path.c_str());
}

TEST(Windows, WindowStateRegionAndBorderReachTheWindow) {
    Shown s;
    HWND h = s.host.windowOf(s.form);
    s.form.setRegion(Region{true, 304, 361, 15, 15});
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(h, probe), ERROR);
    DeleteObject(probe);
    s.form.setBorderStyle(BorderStyle::None);
    EXPECT_EQ(GetWindowLongPtrW(h, GWL_STYLE) & WS_CAPTION, 0);
    RECT client;
    GetClientRect(h, &client);
    EXPECT_EQ(client.right, 400);
    s.form.setWindowState(WindowState::Minimized);
    EXPECT_TRUE(s.pumpUntil([h] { return IsIconic(h) != FALSE; }));
}

// The show command of each minimise or maximise that this thread's windows go through.
thread_local std::vector<int> minMaxCommands;

LRESULT CALLBACK recordMinMax(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_MINMAX) minMaxCommands.push_back(LOWORD(lp));
    return CallNextHookEx(nullptr, code, wp, lp);
}

// The program minimises a shown form as "shown minimised": the form stays the active window rather than
// handing the activation to the next window.
TEST(Windows, AFormMinimisedByTheProgramIsShownMinimisedAndStaysActive) {
    Shown s;
    HWND h = s.host.windowOf(s.form);
    platform::win32::ScopedWindow other(CreateWindowExW(0, L"STATIC", L"Autre fenêtre",
                                                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                                        nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(other);
    ASSERT_TRUE(s.pumpUntil([h] {
        SetForegroundWindow(h);
        return GetActiveWindow() == h;
    }));
    minMaxCommands.clear();
    platform::win32::ScopedHook hook(SetWindowsHookExW(WH_CBT, &recordMinMax, nullptr, GetCurrentThreadId()));
    s.form.setWindowState(WindowState::Minimized);
    EXPECT_TRUE(s.pumpUntil([h] { return IsIconic(h) != FALSE; }));
    EXPECT_EQ(minMaxCommands, std::vector<int>{SW_SHOWMINIMIZED});
    EXPECT_EQ(GetActiveWindow(), h);
}

}  // namespace
}  // namespace wardo::ui::win32::test
