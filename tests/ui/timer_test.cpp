// Timers tick on the virtual clock, only while their form is loaded and they are enabled.
#include <gtest/gtest.h>

#include "test_form.h"

namespace wardo::ui::testing {
namespace {

using platform::sim::SimEventLoop;

TEST(Timer, TicksOnlyWhileEnabledAndTheFormLoaded) {
    Fixture f;
    TestForm form(f.runtime);
    form.Timer1.setEnabled(true);  // loads the form, starts counting now
    const auto start = f.desktop.loop.nowMs();
    f.desktop.loop.runFor(3500);
    EXPECT_EQ(form.tickTimes, (std::vector<std::int64_t>{start + 1000, start + 2000, start + 3000}));

    form.Timer1.setEnabled(false);
    f.desktop.loop.runFor(3000);
    EXPECT_EQ(form.events[L"Timer1_Timer"], 3);

    form.Timer1.setEnabled(true);
    ASSERT_TRUE(form.unload());
    EXPECT_FALSE(form.Timer1.running());
    EXPECT_EQ(f.desktop.loop.activeTimers(), 0u);
    f.desktop.loop.runFor(3000);
    EXPECT_EQ(form.events[L"Timer1_Timer"], 3);
}

TEST(Timer, ATimerEnabledAtDesignStartsWithTheLoad) {
    Fixture f;
    struct Picker : Form {
        using Form::Form;
        Timer Timer1{*this, L"Timer1"};
        int ticks = 0;
        void design() override { Timer1.setInterval(100); }
        void onLoad() override {
            Timer1.onTimer = [this] { ++ticks; };
        }
    } picker(f.runtime, L"ConnexMan");
    f.desktop.loop.runFor(1000);
    EXPECT_EQ(picker.ticks, 0) << "not loaded yet";
    picker.load();
    f.desktop.loop.runFor(1000);
    EXPECT_EQ(picker.ticks, 10);
    picker.unload();
    f.desktop.loop.runFor(1000);
    picker.load();  // design state again: enabled
    f.desktop.loop.runFor(250);
    EXPECT_EQ(picker.ticks, 12);
}

// A new interval, or the timer disabled and enabled again, counts afresh from that moment.
TEST(Timer, ANewIntervalOrARestartCountsAfresh) {
    Fixture f;
    TestForm form(f.runtime);
    form.Timer1.setEnabled(true);
    const auto start = f.desktop.loop.nowMs();
    f.desktop.loop.runFor(900);
    form.Timer1.setInterval(500);
    f.desktop.loop.runFor(600);
    form.Timer1.setInterval(500);  // same value: no restart
    f.desktop.loop.runFor(600);
    form.Timer1.setEnabled(false);
    form.Timer1.setEnabled(true);
    f.desktop.loop.runFor(500);
    EXPECT_EQ(form.tickTimes, (std::vector<std::int64_t>{start + 1400, start + 1900, start + 2600}));
    form.Timer1.setInterval(0);
    EXPECT_FALSE(form.Timer1.running());
    EXPECT_TRUE(form.Timer1.enabled());
    EXPECT_THROW(form.Timer1.setInterval(-5), text::RuntimeError);
}

TEST(Timer, ATickMayUnloadItsOwnForm) {
    Fixture f;
    TestForm form(f.runtime);
    form.Timer1.setEnabled(true);
    form.Timer1.onTimer = [&form] { form.unload(); };
    f.desktop.loop.runFor(2500);
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(f.desktop.loop.activeTimers(), 0u);
}

TEST(Timer, DestroyingTheFormStopsItsTimers) {
    Fixture f;
    {
        TestForm form(f.runtime);
        form.Timer1.setEnabled(true);
        EXPECT_EQ(f.desktop.loop.activeTimers(), 1u);
    }
    EXPECT_EQ(f.desktop.loop.activeTimers(), 0u);
    f.desktop.loop.runFor(2000);
}

}  // namespace
}  // namespace wardo::ui::testing
