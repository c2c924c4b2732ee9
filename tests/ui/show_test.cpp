// Show, hide and activation in the headless binding; modal shows and the form's own geometry.
#include <gtest/gtest.h>

#include <algorithm>

#include "test_form.h"

namespace wardo::ui::testing {
namespace {

TEST(Show, ShowingLoadsActivatesAndCountsTheFirstActivation) {
    Fixture f;
    TestForm form(f.runtime, L"Principale");
    form.show();
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(form.activations, 1);
    EXPECT_EQ(form.firstActivations, 1);
    form.show();  // already active: no new activation
    EXPECT_EQ(form.activations, 1);
    EXPECT_EQ(f.host.log,
              (std::vector<std::wstring>{L"show Principale", L"activate Principale", L"show Principale"}));
    form.unload();
    form.show();
    EXPECT_EQ(form.firstActivations, 2) << "a reloaded form counts its first activation again";
}

TEST(Show, HidingTheActiveFormActivatesTheOneShownBefore) {
    Fixture f;
    TestForm panel(f.runtime, L"Reglages");
    TestForm editor(f.runtime, L"MessagesEdit");
    panel.show();
    editor.show();
    EXPECT_EQ(f.host.activeForm(), &editor);
    editor.unload();
    EXPECT_EQ(f.host.activeForm(), &panel);
    EXPECT_EQ(panel.activations, 2);
    EXPECT_EQ(panel.firstActivations, 1);
    panel.hide();
    EXPECT_EQ(f.host.activeForm(), nullptr);
    panel.show();
    EXPECT_EQ(panel.activations, 3);
    EXPECT_EQ(editor.activations, 1);
}

TEST(Show, HideLoadsAnUnloadedFormAndKeepsItHidden) {
    Fixture f;
    TestForm form(f.runtime);
    form.hide();
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.activations, 0);
}

TEST(Show, AModalShowReturnsWhenTheFormHides) {
    Fixture f;
    TestForm starter(f.runtime, L"Principale");
    TestForm picker(f.runtime, L"ConnexMan");
    starter.show();
    picker.Timer1.setEnabled(true);
    picker.Timer1.onTimer = [&picker] { picker.hide(); };
    const auto start = f.desktop.loop.nowMs();
    picker.show(true);
    EXPECT_EQ(f.desktop.loop.nowMs(), start + 1000);
    EXPECT_FALSE(picker.visible());
    EXPECT_TRUE(picker.loaded());
    EXPECT_EQ(f.host.activeForm(), &starter);
    EXPECT_NE(std::find(f.host.log.begin(), f.host.log.end(), L"show ConnexMan modal"), f.host.log.end());
}

TEST(Show, WhileAModalFormIsShownTheOthersTakeNoInput) {
    Fixture f;
    TestForm owner(f.runtime, L"Reglages");
    TestForm picker(f.runtime, L"ConnexMan2");
    owner.show();
    bool ownerClicked = true;
    bool pickerClicked = false;
    bool ownerAfterHide = false;
    f.desktop.loop.post([&] {
        ownerClicked = owner.Command1.click();
        pickerClicked = picker.Command1.click();
        picker.hide();  // the modal form hidden frees the others at once
        ownerAfterHide = owner.Command1.click();
    });
    picker.show(true);
    EXPECT_FALSE(ownerClicked);
    EXPECT_TRUE(pickerClicked);
    EXPECT_TRUE(ownerAfterHide);
    EXPECT_TRUE(f.runtime.modalForms().empty());
    EXPECT_TRUE(owner.Command1.click());
}

TEST(Show, AModalShowReturnsWhenTheFormUnloads) {
    Fixture f;
    TestForm picker(f.runtime, L"ConnexMan");
    f.desktop.loop.post([&picker] { picker.userClose(); });
    picker.show(true);
    EXPECT_FALSE(picker.loaded());
}

TEST(Show, AModalShowOfAVisibleFormIsRefused) {
    Fixture f;
    TestForm form(f.runtime);
    form.show();
    EXPECT_THROW(form.show(true), text::RuntimeError);
}

TEST(Show, AModalShowEndsWhenTheProgramQuits) {
    Fixture f;
    TestForm picker(f.runtime, L"ConnexMan");
    f.desktop.loop.post([&f] { f.desktop.loop.quit(0); });
    picker.show(true);
    EXPECT_TRUE(picker.visible());
}

TEST(Geometry, OuterSizeIsTheClientAreaPlusTheFrame) {
    Fixture f;
    TestForm form(f.runtime);
    EXPECT_EQ(form.clientWidth(), 4710);
    EXPECT_EQ(form.width(), 4710 + 90);
    EXPECT_EQ(form.height(), 6510 + 375);
    form.setBorderStyle(BorderStyle::None);
    EXPECT_EQ(form.width(), 4710);
    form.move(100, 200, 3000, 2000);
    EXPECT_EQ(form.left(), 100);
    EXPECT_EQ(form.clientHeight(), 2000);
    EXPECT_THROW(form.setWidth(-1), text::RuntimeError);
    form.userMoved(5, 6, 3000, 2000);  // the user dragged it: no echo
    EXPECT_EQ(form.top(), 6);
}

TEST(FormProperties, WindowStatePointerAndRegion) {
    Fixture f;
    TestForm form(f.runtime);
    form.show();
    f.host.log.clear();
    form.setWindowState(WindowState::Minimized);
    form.setMousePointer(pointer::kCustom);
    EXPECT_THROW(form.setMousePointer(42), text::RuntimeError);
    EXPECT_THROW(form.setMouseIcon(L"C:\\Wardo\\H_MOVE.CUR"), text::RuntimeError);
    form.setRegion(Region{true, 304, 361, 15, 15});
    form.dragMove();
    EXPECT_EQ(f.host.log, (std::vector<std::wstring>{L"TestForm.WindowState", L"TestForm.MousePointer",
                                                     L"TestForm.Region", L"drag TestForm"}));
    EXPECT_EQ(form.windowState(), WindowState::Minimized);
    EXPECT_EQ(form.region().ellipseWidth, 15);
}

}  // namespace
}  // namespace wardo::ui::testing
