// Load on first use, unload (cancelled or not) and the return to design values at the next load.
#include <gtest/gtest.h>

#include "test_form.h"

namespace wardo::ui::testing {
namespace {

TEST(LoadCycle, TouchingAnyPropertyLoadsTheFormExactlyOnce) {
    Fixture f;
    TestForm form(f.runtime);
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.loads, 0);

    form.Label1.setCaption(L"de Bob");  // load runs first, then the write wins over the design value
    EXPECT_TRUE(form.loaded());
    EXPECT_EQ(form.Label1.caption(), L"de Bob");

    form.load();
    form.Command1.caption();
    form.caption();
    EXPECT_EQ(form.loads, 1);

    TestForm other(f.runtime, L"Other");
    EXPECT_EQ(other.Label1.caption(), L"Wardo");  // a read loads too
    EXPECT_EQ(other.loads, 1);
}

TEST(LoadCycle, DesignValuesRaiseNoEventsAndReachNoWindow) {
    Fixture f;
    TestForm form(f.runtime);
    form.load();
    EXPECT_EQ(form.Check1.value(), 1);
    EXPECT_TRUE(form.Option1.value());
    EXPECT_TRUE(form.events.empty());
    EXPECT_TRUE(f.host.log.empty());
}

TEST(LoadCycle, ReloadAfterUnloadRestoresDesignValuesAndRunsLoadAgain) {
    Fixture f;
    TestForm form(f.runtime);
    form.onLoadExtra = [&form] { form.List1.addItem(L"ajouté au chargement"); };
    form.show();
    form.Label1.setCaption(L"changed");
    form.Label1.move(1, 2, 3, 4);
    form.Label1.setToolTip(L"not in the design");
    form.Check1.setValue(0);
    form.Option2.setValue(true);
    form.Frame1.setTop(0);
    form.Text1.setText(L"typed");
    form.List1.setListIndex(1);
    form.Image1.setStretch(true);
    form.setCaption(L"other caption");
    form.Inner.setContainer(nullptr);

    ASSERT_TRUE(form.unload());
    EXPECT_FALSE(form.loaded());
    EXPECT_FALSE(form.visible());

    EXPECT_EQ(form.Label1.caption(), L"Wardo");  // reloads
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(form.Label1.left(), 1080);
    EXPECT_EQ(form.Label1.width(), 1500);
    EXPECT_EQ(form.Label1.toolTip(), L"");
    EXPECT_EQ(form.Check1.value(), 1);
    EXPECT_TRUE(form.Option1.value());
    EXPECT_FALSE(form.Option2.value());
    EXPECT_EQ(form.Frame1.top(), 6500);
    EXPECT_EQ(form.Text1.text(), L"design text");
    EXPECT_EQ(form.List1.listCount(), 3);
    EXPECT_EQ(form.List1.listIndex(), -1);
    EXPECT_FALSE(form.Image1.stretch());
    EXPECT_EQ(form.caption(), L"Fenêtre d'essai");
    EXPECT_EQ(form.Inner.container(), &form.Frame2);
    EXPECT_FALSE(form.visible());  // a reload does not show
}

TEST(LoadCycle, CancelledUnloadKeepsEverything) {
    for (bool atQuery : {true, false}) {
        Fixture f;
        TestForm form(f.runtime);
        form.show();
        form.Timer1.setEnabled(true);
        form.Label1.setCaption(L"kept");
        (atQuery ? form.cancelQuery : form.cancelUnload) = true;
        const auto handle = form.handle();

        EXPECT_FALSE(form.unload());
        EXPECT_EQ(form.events[L"QueryUnload"], 1);
        EXPECT_EQ(form.events[L"Unload"], atQuery ? 0 : 1);
        EXPECT_TRUE(form.loaded());
        EXPECT_TRUE(form.visible());
        EXPECT_EQ(form.Label1.caption(), L"kept");
        EXPECT_EQ(form.handle(), handle);
        EXPECT_EQ(form.loads, 1);
        f.desktop.loop.runFor(1000);
        EXPECT_EQ(form.events[L"Timer1_Timer"], 1) << "the timer still runs";
        EXPECT_EQ(f.host.log.back().find(L"unload"), std::wstring::npos);
    }
}

TEST(LoadCycle, UnloadingAnUnloadedFormDoesNothing) {
    Fixture f;
    TestForm form(f.runtime);
    EXPECT_TRUE(form.unload());
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.events[L"QueryUnload"], 0);
    EXPECT_EQ(form.loads, 0);
}

TEST(LoadCycle, UnloadFromInsideUnloadIsRefused) {
    Fixture f;
    TestForm form(f.runtime);
    form.load();
    struct Reentrant : TestForm {
        using TestForm::TestForm;
        bool inner = true;
        void onUnload(bool&) override { inner = unload(); }
    } reentrant(f.runtime, L"Reentrant");
    reentrant.load();
    EXPECT_TRUE(reentrant.unload());
    EXPECT_FALSE(reentrant.inner);
    EXPECT_FALSE(reentrant.loaded());
}

TEST(LoadCycle, AFailingLoadPropagatesAndLeavesTheFormLoaded) {
    Fixture f;
    TestForm form(f.runtime);
    form.onLoadExtra = [&form] { form.Image1.setPicture(L"C:\\skins\\absent.bmp"); };
    try {
        form.load();
        FAIL() << "the missing picture must fail the load";
    } catch (const text::RuntimeError& e) {
        EXPECT_EQ(e.code(), text::ErrorCode::FileNotFound);
    }
    EXPECT_TRUE(form.loaded());
    EXPECT_EQ(form.Image1.picture(), L"");
    EXPECT_EQ(form.loads, 1);  // not retried by the next access
}

TEST(LoadCycle, HandleIsStableWhileLoadedAndNewAfterAReload) {
    Fixture f;
    TestForm a(f.runtime, L"A");
    TestForm b(f.runtime, L"B");
    const auto ha = a.handle();
    EXPECT_TRUE(a.loaded());
    EXPECT_NE(ha, 0);
    EXPECT_NE(b.handle(), ha);
    EXPECT_EQ(a.handle(), ha);
    a.unload();
    EXPECT_NE(a.handle(), ha);
}

TEST(LoadCycle, RuntimeKnowsEveryFormAndFormsKnowTheirControlsInOrder) {
    Fixture f;
    {
        TestForm form(f.runtime);
        ASSERT_EQ(f.runtime.forms().size(), 1u);
        ASSERT_EQ(form.controls().size(), 16u);
        EXPECT_EQ(form.controls().front(), &form.Label1);
        EXPECT_EQ(form.find(L"Label78", 0), &form.Label78_0);
        EXPECT_EQ(form.find(L"Label78"), nullptr);
        EXPECT_EQ(form.Label78_0.fullName(), L"Label78(0)");
    }
    EXPECT_TRUE(f.runtime.forms().empty());
}

}  // namespace
}  // namespace wardo::ui::testing
