// The user's input on the real controls comes back into the objects and raises their events.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui_fixture.h"

namespace wardo::ui::win32::test {
namespace {

// A double click as the system reports it: down, up, double click, up.
void doubleClick(HWND h) {
    for (const UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageW(h, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(2, 2));
}

struct Shown : Fixture {
    KindsForm form{runtime};
    std::vector<std::wstring> events;
    Shown() {
        form.load();
        auto note = [this](const wchar_t* what) { return [this, what] { events.push_back(what); }; };
        form.Command1.onClick = note(L"Command1_Click");
        form.Check1.onClick = note(L"Check1_Click");
        form.Option1.onClick = note(L"Option1_Click");
        form.Option2.onClick = note(L"Option2_Click");
        form.Text1.onChange = note(L"Text1_Change");
        form.List1.onClick = note(L"List1_Click");
        form.Combo1.onClick = note(L"Combo1_Click");
        form.Label1.onClick = note(L"Label1_Click");
        form.Label1.onMouseDown = [this](int b, int, int x, int y) {
            events.push_back(L"Label1_MouseDown " + std::to_wstring(b) + L" " + std::to_wstring(x) + L" " +
                             std::to_wstring(y));
        };
        form.Label1.onMouseUp = [this](int b, int, int, int) {
            events.push_back(L"Label1_MouseUp " + std::to_wstring(b));
        };
        form.show();
        pump();
    }
    HWND w(const Control& c) const { return host.windowOf(c); }
    void notify(const Control& c, WORD code) {
        SendMessageW(GetParent(w(c)), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w(c)), code),
                     reinterpret_cast<LPARAM>(w(c)));
    }
};

TEST(Input, ACheckBoxClickSetsTheValueAndClicksOnce) {
    Shown s;
    SendMessageW(s.w(s.form.Check1), BM_CLICK, 0, 0);
    EXPECT_EQ(s.form.Check1.value(), 1);
    EXPECT_EQ(SendMessageW(s.w(s.form.Check1), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(s.w(s.form.Check1), BM_CLICK, 0, 0);
    EXPECT_EQ(s.form.Check1.value(), 0);
    EXPECT_EQ(s.events, (std::vector<std::wstring>{L"Check1_Click", L"Check1_Click"}));
}

TEST(Input, AnOptionClickClearsTheOthersInObjectsAndWindows) {
    Shown s;
    SendMessageW(s.w(s.form.Option1), BM_CLICK, 0, 0);
    EXPECT_TRUE(s.form.Option1.value());
    EXPECT_FALSE(s.form.Option2.value());
    EXPECT_EQ(SendMessageW(s.w(s.form.Option2), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(s.events, (std::vector<std::wstring>{L"Option1_Click"}));
}

TEST(Input, TypedTextReachesTheObjectWithOneChange) {
    Shown s;
    SendMessageW(s.w(s.form.Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Salut la room !"));
    EXPECT_EQ(s.form.Text1.text(), L"Salut la room !");
    EXPECT_EQ(s.events, (std::vector<std::wstring>{L"Text1_Change"}));
    s.form.Text1.setText(L"du programme");  // mirrored, not reported back as typing
    EXPECT_EQ(s.events.size(), 2u);
    EXPECT_EQ(windowText(s.w(s.form.Text1)), L"du programme");
}

TEST(Input, ATextBoxClicksWhenTheLeftButtonComesUpOverIt) {
    Shown s;
    s.form.Text1.onClick = [&s] {
        s.events.push_back(L"Text1_Click");
        s.form.Text1.setText(L"");  // as the operator-code box does
    };
    HWND box = s.w(s.form.Text1);
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(-40, 5));  // released beside it
    EXPECT_EQ(s.events, (std::vector<std::wstring>{L"Text1_Click", L"Text1_Change"}));
    EXPECT_EQ(windowText(box), L"");
}

TEST(Input, TextForcedIntoAReadOnlyBoxIsTakenBack) {
    Shown s;
    s.form.Text1.setLocked(true);
    SendMessageW(s.w(s.form.Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"from elsewhere"));
    EXPECT_EQ(s.form.Text1.text(), L"texte");
    EXPECT_EQ(windowText(s.w(s.form.Text1)), L"texte");
    EXPECT_TRUE(s.events.empty());
}

TEST(Input, AListSelectionSetsTheIndexAndClicks) {
    Shown s;
    SendMessageW(s.w(s.form.List1), LB_SETCURSEL, 1, 0);
    s.notify(s.form.List1, LBN_SELCHANGE);
    EXPECT_EQ(s.form.List1.listIndex(), 1);
    EXPECT_EQ(s.form.List1.text(), L"Raisons");
    SendMessageW(s.w(s.form.Combo1), CB_SETCURSEL, 0, 0);
    s.notify(s.form.Combo1, CBN_SELCHANGE);
    EXPECT_EQ(s.form.Combo1.text(), L"1h");
    EXPECT_EQ(s.events, (std::vector<std::wstring>{L"List1_Click", L"Combo1_Click"}));
}

TEST(Input, SelectingInALongListKeepsItScrolled) {
    Shown s;
    for (int i = 0; i < 40; ++i) s.form.List1.addItem(L"Son " + std::to_wstring(i));
    HWND list = s.w(s.form.List1);
    SendMessageW(list, LB_SETTOPINDEX, 30, 0);
    const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    ASSERT_GT(top, 0);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(top + 1), 0);
    s.notify(s.form.List1, LBN_SELCHANGE);
    EXPECT_EQ(s.form.List1.listIndex(), top + 1);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), top);
}

TEST(Input, ADoubleClickInTheFolderListOpensTheFolder) {
    Fixture f;
    struct Chooser : Form {
        using Form::Form;
        DirListBox Dir1{*this, L"Dir1"};
        FileListBox File1{*this, L"File1"};
        void design() override {
            setCaption(uniqueTitle(L"Chooser"));
            setClientSize(6000, 3000);
            Dir1.move(0, 0, 3000, 3000);
            File1.move(3000, 0, 3000, 3000);
            File1.setPattern(L"*.wav");
        }
        void onLoad() override {
            Dir1.onChange = [this] { File1.setPath(Dir1.path()); };
        }
    } form(f.runtime, L"SonsEdit");
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = normalFolder(std::wstring(temp) + uniqueTitle(L"chooser"));
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW((root + L"\\Sons").c_str(), nullptr);
    const std::wstring wav = writeBitmap(L"unused.bmp");  // any file: the pattern decides
    CopyFileW(wav.c_str(), (root + L"\\Sons\\entree.wav").c_str(), FALSE);

    form.show();
    form.Dir1.setPath(root);
    HWND dir = f.host.windowOf(form.Dir1);
    ASSERT_EQ(SendMessageW(dir, LB_GETCOUNT, 0, 0), 2);  // "..", "Sons"
    SendMessageW(dir, LB_SETCURSEL, 1, 0);
    SendMessageW(GetParent(dir), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(dir));
    SendMessageW(GetParent(dir), WM_COMMAND, MAKEWPARAM(0, LBN_DBLCLK), reinterpret_cast<LPARAM>(dir));
    EXPECT_EQ(form.Dir1.path(), root + L"\\Sons");
    EXPECT_EQ(SendMessageW(dir, LB_GETCOUNT, 0, 0), 1);  // ".." only
    HWND files = f.host.windowOf(form.File1);
    ASSERT_EQ(SendMessageW(files, LB_GETCOUNT, 0, 0), 1);
    wchar_t item[64] = {};
    SendMessageW(files, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, L"entree.wav");

    DeleteFileW((root + L"\\Sons\\entree.wav").c_str());
    RemoveDirectoryW((root + L"\\Sons").c_str());
    RemoveDirectoryW(root.c_str());
    DeleteFileW(wav.c_str());
}

TEST(Input, MouseOnALabelGivesTwipsAndAClickUnlessReleasedElsewhere) {
    Shown s;
    HWND label = s.w(s.form.Label1);
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 4));
    EXPECT_EQ(GetCapture(), label) << "the press holds the mouse until the release";
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(10, 4));
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageW(label, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1));
    SendMessageW(label, WM_RBUTTONUP, 0, MAKELPARAM(1, 1));
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 4));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(-300, -40));  // over another window: no click
    EXPECT_EQ(s.events,
              (std::vector<std::wstring>{L"Label1_MouseDown 1 150 60", L"Label1_MouseUp 1", L"Label1_Click",
                                         L"Label1_MouseDown 2 15 15", L"Label1_MouseUp 2",
                                         L"Label1_MouseDown 1 150 60", L"Label1_MouseUp 1"}));
}

TEST(Input, ADoubleClickOnALabelFollowsTheClassicOrder) {
    Shown s;
    s.form.Label1.onDblClick = [&s] { s.events.push_back(L"Label1_DblClick"); };
    HWND label = s.w(s.form.Label1);
    doubleClick(label);
    EXPECT_EQ(s.events,
              (std::vector<std::wstring>{L"Label1_MouseDown 1 30 30", L"Label1_MouseUp 1", L"Label1_Click",
                                         L"Label1_DblClick", L"Label1_MouseUp 1"}));
}

TEST(Input, ADoubleClickOnATextBoxIsItsEventAndTheBoxStillSelectsItsWord) {
    Shown s;
    s.form.Text1.onDblClick = [&s] { s.events.push_back(L"Text1_DblClick"); };
    s.form.Text1.setText(L"deux mots");
    HWND box = s.w(s.form.Text1);
    doubleClick(box);
    EXPECT_EQ(std::count(s.events.begin(), s.events.end(), L"Text1_DblClick"), 1);
    DWORD from = 0, to = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_GT(to, 0u);
}

TEST(Input, MouseOnTheFormItselfHoldsTheMouseUntilTheRelease) {
    Shown s;
    std::vector<std::wstring> seen;
    s.form.onMouseDown = [&](int b, int, int x, int y) {
        seen.push_back(L"down " + std::to_wstring(b) + L" " + std::to_wstring(x) + L" " + std::to_wstring(y));
    };
    s.form.onMouseUp = [&](int b, int, int x, int y) {
        seen.push_back(L"up " + std::to_wstring(b) + L" " + std::to_wstring(x) + L" " + std::to_wstring(y));
    };
    HWND form = s.host.windowOf(s.form);
    SendMessageW(form, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(390, 390));
    EXPECT_EQ(GetCapture(), form);
    SendMessageW(form, WM_RBUTTONUP, 0, MAKELPARAM(-5, 900));  // released over another window
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"down 2 5850 5850", L"up 2 -75 13500"}));
}

TEST(Input, AButtonClicksOnceAndNotAtAllOnceDisabled) {
    Shown s;
    SendMessageW(s.w(s.form.Command1), BM_CLICK, 0, 0);
    EXPECT_EQ(s.events, (std::vector<std::wstring>{L"Command1_Click"}));
    s.form.Command1.setEnabled(false);
    SendMessageW(s.w(s.form.Command1), BM_CLICK, 0, 0);
    s.notify(s.form.Command1, BN_CLICKED);  // another program may still send it
    EXPECT_EQ(s.events.size(), 1u);
}

TEST(Input, AHandlersFailureIsRaisedByTheEventLoopNotAcrossTheSystem) {
    Shown s;
    s.form.Command1.onClick = [] { text::fail(text::ErrorCode::Overflow, "Overflow"); };
    SendMessageW(s.w(s.form.Command1), BM_CLICK, 0, 0);
    EXPECT_THROW(s.pump(), text::RuntimeError);
    EXPECT_TRUE(IsWindow(s.w(s.form.Command1)));
}

TEST(Input, KeyPressCanSwallowAKey) {
    Shown s;
    s.form.Text1.setText(L"");
    s.form.Text1.onKeyPress = [](int& k) {
        if (k == 'x') k = 0;
        if (k == 'a') k = 'b';
    };
    SendMessageW(s.w(s.form.Text1), WM_CHAR, 'x', 0);
    SendMessageW(s.w(s.form.Text1), WM_CHAR, 'a', 0);
    EXPECT_EQ(s.form.Text1.text(), L"b");
}

}  // namespace
}  // namespace wardo::ui::win32::test
