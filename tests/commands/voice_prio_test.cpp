// "Voice prio": the take follows the release within one 10 ms tick, however long the wait.
#include "microphone_fixture.h"

namespace wardo::panel::testing {
namespace {

using VoicePrio = MicrophoneTest;

TEST_F(VoicePrio, WaitsWithoutLimitAndTakesWithinATickOfTheRelease) {
    Reglages& r = start();
    room().otherTakesMic();
    r.microprio.click();
    desk.loop.runFor(60000);
    r.microprio.click();  // changes nothing
    EXPECT_EQ(r.microprio.caption(), L"Attente ...");
    EXPECT_TRUE(r.microprio.enabled());
    EXPECT_EQ(room().micPresses(), 0);

    room().otherReleasesMic();
    desk.loop.runFor(10);
    EXPECT_EQ(room().mic(), Mic::User);
    EXPECT_EQ(room().micPresses(), 1);
    desk.loop.runFor(5000);
    EXPECT_EQ(r.microprio.caption(), L"Micro svp !") << "until the microphone is released";
}

}  // namespace
}  // namespace wardo::panel::testing
