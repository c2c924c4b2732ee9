// The controls the list editors rely on, on real windows: a multi-line text box with a length limit,
// read-only boxes with their text colour, and the drive list.
#include <gtest/gtest.h>

#include "ui_fixture.h"

namespace wardo::ui::win32::test {
namespace {

struct EditorForm : Form {
    using Form::Form;
    TextBox Texte{*this, L"Texte"};
    TextBox titre{*this, L"titre"};
    DriveListBox Drive1{*this, L"Drive1"};
    void design() override {
        setCaption(uniqueTitle(L"Editeur"));
        setClientSize(6000, 3000);
        Texte.move(150, 150, 4500, 1200);
        Texte.setMultiLine(true);
        Texte.setMaxLength(120);
        titre.move(150, 1500, 4500, 315);
        titre.setText(L"Titre");
        Drive1.move(150, 2100, 4500, 315);
    }
};

struct Shown : Fixture {
    EditorForm form{runtime, L"MessagesEdit"};
    Shown() {
        form.show();
        pump();
    }
    HWND w(const Control& c) const { return host.windowOf(c); }
    void type(const Control& c, const std::wstring& keys) {
        for (wchar_t k : keys) SendMessageW(w(c), WM_CHAR, k, 0);
    }
    // The text colour the form gives the box when the system asks it how to paint it.
    COLORREF paintColour(const Control& c) {
        HDC dc = GetDC(w(c));
        const UINT ask =
            (GetWindowLongPtrW(w(c), GWL_STYLE) & ES_READONLY) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
        SendMessageW(GetParent(w(c)), ask, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(w(c)));
        const COLORREF colour = GetTextColor(dc);
        ReleaseDC(w(c), dc);
        return colour;
    }
};

TEST(EditorControls, AMultiLineBoxTakesLineBreaksUpToItsLimit) {
    Shown s;
    HWND box = s.w(s.form.Texte);
    EXPECT_NE(GetWindowLongPtrW(box, GWL_STYLE) & ES_MULTILINE, 0);
    EXPECT_EQ(SendMessageW(box, EM_GETLIMITTEXT, 0, 0), 120);
    s.type(s.form.Texte, std::wstring(117, L'x') + L"\r");
    EXPECT_EQ(s.form.Texte.text(), std::wstring(117, L'x') + L"\r\n");
    s.type(s.form.Texte, L"yz");  // the 120th character goes in, the next one is refused
    EXPECT_EQ(s.form.Texte.text(), std::wstring(117, L'x') + L"\r\ny");
    EXPECT_EQ(windowText(box), s.form.Texte.text());
}

TEST(EditorControls, ReadOnlyBoxesRefuseTypingAndShowTheirColour) {
    Shown s;
    s.form.titre.setLocked(true);
    s.form.titre.setForeColor(0xFF0000);  // blue
    EXPECT_NE(GetWindowLongPtrW(s.w(s.form.titre), GWL_STYLE) & ES_READONLY, 0);
    s.type(s.form.titre, L"abc");
    EXPECT_EQ(s.form.titre.text(), L"Titre");
    EXPECT_EQ(s.paintColour(s.form.titre), RGB(0, 0, 255));

    s.form.titre.setLocked(false);
    s.form.titre.setForeColor(0x0000FF);  // red
    SendMessageW(s.w(s.form.titre), EM_SETSEL, 5, 5);
    s.type(s.form.titre, L"!");
    EXPECT_EQ(s.form.titre.text(), L"Titre!");
    EXPECT_EQ(s.paintColour(s.form.titre), RGB(255, 0, 0));
}

TEST(EditorControls, TheDriveListShowsTheSystemsDrivesAndReportsAChoice) {
    Shown s;
    std::vector<std::wstring> changes;
    s.form.Drive1.onChange = [&] { changes.push_back(s.form.Drive1.drive()); };
    HWND combo = s.w(s.form.Drive1);
    wchar_t drives[256] = {};
    GetLogicalDriveStringsW(255, drives);
    int count = 0;
    for (const wchar_t* d = drives; *d; d += lstrlenW(d) + 1) ++count;
    ASSERT_GE(count, 2) << "Wine gives at least C: and Z:";
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), count);
    EXPECT_EQ(s.form.Drive1.drive(), L"C:\\");
    const LRESULT z =
        SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Z:\\"));
    ASSERT_NE(z, CB_ERR);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(z), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(s.form.Drive1.drive(), L"Z:\\");
    EXPECT_EQ(changes, std::vector<std::wstring>{L"Z:\\"});
}

}  // namespace
}  // namespace wardo::ui::win32::test
