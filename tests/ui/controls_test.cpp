// Control behaviour: check boxes, option groups, lists, text boxes, pictures, focus, reachability.
#include <gtest/gtest.h>

#include "test_form.h"

namespace wardo::ui::testing {
namespace {

struct Shown : Fixture {
    TestForm form{runtime};
    Shown() {
        form.show();
        host.log.clear();
    }
};

TEST(CheckBox, ANewValueRaisesClickOnceTheSameValueNone) {
    Shown s;
    s.form.Check1.setValue(0);
    EXPECT_EQ(s.form.events[L"Check1_Click"], 1);
    s.form.Check1.setValue(0);
    EXPECT_EQ(s.form.events[L"Check1_Click"], 1);
    EXPECT_TRUE(s.form.Check1.click());  // the user ticks it
    EXPECT_EQ(s.form.Check1.value(), 1);
    EXPECT_EQ(s.form.events[L"Check1_Click"], 2);
    EXPECT_EQ(s.host.log, (std::vector<std::wstring>{L"TestForm.Check1.Value", L"TestForm.Check1.Value"}));
}

TEST(CheckBox, ValuesOutsideZeroToTwoAreRefused) {
    Shown s;
    EXPECT_THROW(s.form.Check1.setValue(3), text::RuntimeError);
    EXPECT_THROW(s.form.Check1.setValue(-1), text::RuntimeError);
    EXPECT_EQ(s.form.Check1.value(), 1);
}

TEST(OptionButton, SelectingOneClearsTheOthersOfItsContainerOnly) {
    Shown s;
    auto& f = s.form;
    f.Option3.setValue(true);  // the other frame
    EXPECT_TRUE(f.Option1.value());
    EXPECT_TRUE(f.Option3.value());

    EXPECT_TRUE(f.Option2.click());
    EXPECT_FALSE(f.Option1.value());
    EXPECT_TRUE(f.Option2.value());
    EXPECT_TRUE(f.Option3.value());
    EXPECT_EQ(f.events[L"Option2_Click"], 1);
    EXPECT_EQ(f.events[L"Option1_Click"], 0) << "the cleared button raises nothing";
    EXPECT_EQ(f.events[L"Option3_Click"], 1);

    f.Option2.setValue(true);  // already selected
    EXPECT_EQ(f.events[L"Option2_Click"], 1);
    f.Option2.setValue(false);  // clearing raises nothing and selects nothing else
    EXPECT_FALSE(f.Option1.value());
    EXPECT_EQ(f.events[L"Option2_Click"], 1);
}

TEST(OptionButton, MovingIntoAnotherFrameJoinsThatGroup) {
    Shown s;
    auto& f = s.form;
    f.Option4.setValue(true);
    f.Option2.setContainer(&f.Frame2);
    EXPECT_TRUE(f.Option2.click());
    EXPECT_FALSE(f.Option4.value());
    EXPECT_TRUE(f.Option1.value()) << "its old group is left alone";
}

TEST(ListBox, ANewIndexRaisesClickAndTextIsTheSelectedItem) {
    Shown s;
    auto& l = s.form.List1;
    EXPECT_EQ(l.text(), L"");
    l.setListIndex(1);
    EXPECT_EQ(s.form.events[L"List1_Click"], 1);
    EXPECT_EQ(l.text(), L"Raisons");
    l.setListIndex(1);
    EXPECT_EQ(s.form.events[L"List1_Click"], 1);
    EXPECT_TRUE(l.userSelect(1));  // picking the selected item again still clicks
    EXPECT_EQ(s.form.events[L"List1_Click"], 2);
    l.setListIndex(-1);
    EXPECT_EQ(s.form.events[L"List1_Click"], 3);
    EXPECT_THROW(l.setListIndex(2), text::RuntimeError);
    EXPECT_THROW(l.setListIndex(-2), text::RuntimeError);
    EXPECT_FALSE(l.userSelect(5));
}

TEST(ListBox, TheSelectionFollowsItsItemThroughInsertionsAndRemovals) {
    Shown s;
    auto& l = s.form.List1;
    l.setListIndex(1);  // "Raisons"
    l.addItem(L"first", 0);
    EXPECT_EQ(l.listIndex(), 2);
    EXPECT_EQ(l.text(), L"Raisons");
    l.addItem(L"last");
    l.removeItem(0);
    EXPECT_EQ(l.listIndex(), 1);
    l.removeItem(1);
    EXPECT_EQ(l.listIndex(), -1);
    EXPECT_EQ(l.listCount(), 2);
    EXPECT_EQ(s.form.events[L"List1_Click"], 1) << "only the explicit selection clicked";
    EXPECT_EQ(l.list(0), L"Réglages de base");
    EXPECT_EQ(l.list(7), L"") << "past the end reads empty";
    EXPECT_EQ(l.list(-1), L"");
    EXPECT_THROW(l.list(-2), text::RuntimeError);
    EXPECT_THROW(l.removeItem(2), text::RuntimeError);
    EXPECT_THROW(l.addItem(L"x", 4), text::RuntimeError);
    l.clear();
    EXPECT_EQ(l.listCount(), 0);
    EXPECT_EQ(l.listIndex(), -1);
}

TEST(ComboBox, BehavesAsAList) {
    Shown s;
    auto& c = s.form.Combo1;
    int clicks = 0;
    c.onClick = [&] { ++clicks; };
    c.addItem(L"1h");
    c.addItem(L"15j");
    c.setListIndex(1);
    EXPECT_EQ(c.text(), L"15j");
    EXPECT_EQ(clicks, 1);
}

TEST(TextBox, SetTextRaisesChangeOnlyForANewText) {
    Shown s;
    auto& t = s.form.Text1;
    t.setText(L"abc");
    t.setText(L"abc");
    EXPECT_EQ(s.form.events[L"Text1_Change"], 1);
    EXPECT_EQ(t.caption(), L"abc");              // one storage
    t.setText(L"a text longer than the limit");  // the program is not limited
    EXPECT_EQ(t.text(), L"a text longer than the limit");
}

TEST(TextBox, TypingIsLimitedByMaxLengthAndNotEchoedToTheWindow) {
    Shown s;
    auto& t = s.form.Text1;
    EXPECT_TRUE(t.userSetText(L"0123456789abc"));
    EXPECT_EQ(t.text(), L"0123456789");
    EXPECT_EQ(s.form.events[L"Text1_Change"], 1);
    EXPECT_TRUE(s.host.log.empty());
    EXPECT_THROW(t.setMaxLength(-1), text::RuntimeError);
    t.setLocked(true);  // read-only: the user cannot type, the program still writes
    EXPECT_FALSE(t.userSetText(L"typed"));
    t.setText(L"by the program");
    EXPECT_EQ(t.text(), L"by the program");
}

TEST(Picture, AMissingFileOrOneThatIsNoBitmapFailsAndKeepsThePicture) {
    Shown s;
    auto& files = s.desktop.files;
    ASSERT_TRUE(files.writeAllAtomic(L"C:\\bleu.bmp", "BM"));
    ASSERT_TRUE(files.writeAllAtomic(L"C:\\texte.bmp", "MB, not a bitmap"));
    s.form.Image1.setPicture(L"C:\\bleu.bmp");
    EXPECT_THROW(s.form.Image1.setPicture(L"C:\\rouge.bmp"), text::RuntimeError);
    try {
        s.form.Image1.setPicture(L"C:\\texte.bmp");
        ADD_FAILURE() << "a file that is no bitmap is refused";
    } catch (const text::RuntimeError& e) {
        EXPECT_EQ(e.code(), text::ErrorCode::InvalidPicture);
    }
    EXPECT_EQ(s.form.Image1.picture(), L"C:\\bleu.bmp");
    s.form.Image1.setPicture(L"");
    EXPECT_EQ(s.form.Image1.picture(), L"");
}

TEST(Input, OnlyReachableControlsTakeUserInput) {
    Fixture f;
    TestForm form(f.runtime);
    form.load();
    EXPECT_FALSE(form.Command1.click()) << "hidden form";
    form.show();
    EXPECT_TRUE(form.Command1.click());
    EXPECT_EQ(form.events[L"Command1_Click"], 1);

    form.Command1.setEnabled(false);
    EXPECT_FALSE(form.Command1.click());
    form.Command1.setEnabled(true);
    form.Command1.setVisible(false);
    EXPECT_FALSE(form.Command1.click());

    EXPECT_TRUE(form.Inner.click());
    form.Frame2.setEnabled(false);  // reaches what it holds
    EXPECT_FALSE(form.Inner.click());
    EXPECT_FALSE(form.Option3.click());
    EXPECT_FALSE(form.Inner.mouseDown(mouse::kLeft, 0, 10, 10));
    EXPECT_EQ(form.events[L"Inner_Click"], 1);
    EXPECT_FALSE(form.Timer1.click());
}

TEST(Input, MouseAndKeyEventsCarryTheirArguments) {
    Shown s;
    std::vector<int> got;
    s.form.Label1.onMouseDown = [&](int b, int sh, int x, int y) { got = {b, sh, x, y}; };
    EXPECT_TRUE(s.form.Label1.mouseDown(mouse::kRight, mouse::kShift, 150, 300));
    EXPECT_EQ(got, (std::vector<int>{2, 1, 150, 300}));
    s.form.Text1.onKeyPress = [](int& k) {
        if (k == 13) k = 0;  // Enter validates and is swallowed
    };
    EXPECT_EQ(s.form.Text1.keyPress(13), 0);
    EXPECT_EQ(s.form.Text1.keyPress('a'), 'a');
    EXPECT_TRUE(s.form.mouseUp(mouse::kLeft, 0, 1, 2));
}

TEST(Focus, MovesBetweenControlsAndNeedsAShownForm) {
    Fixture f;
    TestForm form(f.runtime);
    EXPECT_THROW(form.Text1.setFocus(), text::RuntimeError);  // loaded, not shown
    form.show();
    std::vector<std::wstring> seen;
    form.Text1.onGotFocus = [&] { seen.push_back(L"Text1 got"); };
    form.Text1.onLostFocus = [&] { seen.push_back(L"Text1 lost"); };
    form.List1.onGotFocus = [&] { seen.push_back(L"List1 got"); };
    form.Text1.setFocus();
    form.Text1.setFocus();
    form.List1.setFocus();
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"Text1 got", L"Text1 lost", L"List1 got"}));
    EXPECT_TRUE(form.List1.hasFocus());
    form.List1.setVisible(false);
    EXPECT_EQ(form.activeControl(), nullptr);
    form.Command1.setEnabled(false);
    EXPECT_THROW(form.Command1.setFocus(), text::RuntimeError);
}

TEST(Properties, SettersNotifyTheBindingOnlyOnChange) {
    Shown s;
    auto& l = s.form.Label1;
    l.setCaption(L"Wardo");
    l.move(1080, 4800, 1500, 255);
    EXPECT_TRUE(s.host.log.empty());
    l.setLeft(0);
    l.setForeColor(0x0000FF);
    l.setFont(Font{L"Arial", 10, true});
    l.setAlignment(Alignment::Center);
    EXPECT_EQ(s.host.log, (std::vector<std::wstring>{L"TestForm.Label1.Position", L"TestForm.Label1.Colors",
                                                     L"TestForm.Label1.Font", L"TestForm.Label1.Alignment"}));
    EXPECT_THROW(l.setWidth(-1), text::RuntimeError);
    EXPECT_EQ(l.width(), 1500);
}

TEST(Properties, AFrameCannotHoldItselfOrAControlOfAnotherForm) {
    Shown s;
    TestForm other(s.runtime, L"Other");
    EXPECT_THROW(s.form.Frame1.setContainer(&s.form.Frame1), text::RuntimeError);
    s.form.Frame2.setContainer(&s.form.Frame1);
    EXPECT_THROW(s.form.Frame1.setContainer(&s.form.Frame2), text::RuntimeError);
    EXPECT_THROW(s.form.Label1.setContainer(&other.Frame1), text::RuntimeError);
}

}  // namespace
}  // namespace wardo::ui::testing
