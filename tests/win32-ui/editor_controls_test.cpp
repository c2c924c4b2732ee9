// The controls the list editors rely on, on real windows: a multi-line text box with a length limit,
// read-only boxes with their text colour, and the drive list.
#include <gtest/gtest.h>

#include "ui_fixture.h"

namespace wardo::ui::win32::test {
namespace {

struct Shown : Fixture {
    struct EditorForm : Form {
        using Form::Form;
        TextBox Texte{*this, L"Texte"};
        DriveListBox Drive1{*this, L"Drive1"};
        void design() override {
            setCaption(uniqueTitle(L"Editeur"));
            setClientSize(6000, 3000);
            Texte.move(150, 150, 4500, 1200);
            Texte.setMultiLine(true);
            Texte.setMaxLength(120);
            Drive1.move(150, 2100, 4500, 315);
        }
    } form{runtime, L"MessagesEdit"};
    HWND box;
    Shown() {
        form.show();
        box = host.windowOf(form.Texte);
    }
    void type(const std::wstring& keys) {
        for (wchar_t k : keys) SendMessageW(box, WM_CHAR, k, 0);
    }
    // The text colour the form gives the box when the system asks how to paint it.
    COLORREF paintColour() {
        HDC dc = GetDC(box);
        const bool readOnly = (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) != 0;
        SendMessageW(GetParent(box), readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                     reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box));
        const COLORREF colour = GetTextColor(dc);
        ReleaseDC(box, dc);
        return colour;
    }
};

TEST(EditorControls, AMultiLineBoxTakesLineBreaksUpToItsLimitAndColoursItsText) {
    Shown s;
    EXPECT_NE(GetWindowLongPtrW(s.box, GWL_STYLE) & ES_MULTILINE, 0);
    EXPECT_EQ(SendMessageW(s.box, EM_GETLIMITTEXT, 0, 0), 120);
    s.type(std::wstring(117, L'x') + L"\ryz");  // the line break counts two; "z" is the 121st
    EXPECT_EQ(s.form.Texte.text(), std::wstring(117, L'x') + L"\r\ny");
    EXPECT_EQ(windowText(s.box), s.form.Texte.text());
    s.form.Texte.setForeColor(0x0000FF);  // red
    EXPECT_EQ(s.paintColour(), RGB(255, 0, 0));

    s.form.Texte.setLocked(true);
    s.form.Texte.setForeColor(0xFF0000);  // blue
    s.type(L"\bab");
    EXPECT_EQ(s.form.Texte.text(), std::wstring(117, L'x') + L"\r\ny");
    EXPECT_EQ(s.paintColour(), RGB(0, 0, 255));
}

TEST(EditorControls, TheDriveListShowsTheSystemsDrivesAndReportsAChoice) {
    Shown s;
    std::vector<std::wstring> changes;
    s.form.Drive1.onChange = [&] { changes.push_back(s.form.Drive1.drive()); };
    HWND combo = s.host.windowOf(s.form.Drive1);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), __builtin_popcount(GetLogicalDrives()));
    EXPECT_EQ(s.form.Drive1.drive(), L"C:\\");
    const LRESULT z =
        SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Z:\\"));
    ASSERT_NE(z, CB_ERR) << "Wine maps the Linux root on Z:";
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(z), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(changes, std::vector<std::wstring>{L"Z:\\"});
}

}  // namespace
}  // namespace wardo::ui::win32::test
