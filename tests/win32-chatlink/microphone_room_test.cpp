// The room link against wardo-room.exe: a press that the room applies late is not undone by a second
// one, and the wait for a busy microphone leaves the processor alone.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <cstdio>
#include <memory>
#include <string>

#include "chatlink/attach.h"
#include "chatlink/room_link.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/win32_platform.h"
#include "tests/e2e/e2e_support.h"
#include "text/text.h"
#include "tools/room/win32/room_client.h"
#include "tools/room/win32/room_protocol.h"

namespace wardo::chatlink {
namespace {

class RoomMicrophone : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        room = std::make_unique<room::RoomProcess>(text::widen(WARDO_ROOM_EXE),
                                                   L"Salon micro " + std::to_wstring(GetCurrentProcessId()),
                                                   L"--no-control");
    }
    static void TearDownTestSuite() { room.reset(); }

    void SetUp() override {
        ASSERT_NE(room->window(), nullptr) << "wardo-room.exe did not open its window";
        StockeHandles(link, RechercheComplete(link, platform::win32::fromHwnd(room->window())));
        ASSERT_NE(link.HandleBoutonMicro2, 0);
        ASSERT_EQ(ask(L"mic delay 0"), room::kRoomDone);
        ASSERT_EQ(ask(L"mic free"), room::kRoomDone);
    }

    // The room's answer, or LLONG_MIN when it did not answer.
    long long ask(const std::wstring& command) { return room->command(command).value_or(LLONG_MIN); }

    static std::unique_ptr<room::RoomProcess> room;
    platform::win32::Win32Platform real;
    RoomLink link{real.platform()};
};
std::unique_ptr<room::RoomProcess> RoomMicrophone::room;

TEST_F(RoomMicrophone, ARoomThatAppliesPressesLateGetsOnePressEach) {
    ASSERT_EQ(ask(L"mic delay 300"), room::kRoomDone);
    const long long before = ask(L"count mic");
    link.PrendMicro();
    EXPECT_TRUE(link.MicroOccupe());
    real.loop().sleep(700);  // a second press would have landed by now
    EXPECT_TRUE(link.MicroOccupe()) << "the robot still holds the microphone";
    EXPECT_EQ(ask(L"count mic"), before + 1);

    link.LibereMicro();
    EXPECT_FALSE(link.MicroOccupe());
    real.loop().sleep(700);
    EXPECT_FALSE(link.MicroOccupe());
    EXPECT_EQ(ask(L"count mic"), before + 2);
}

TEST_F(RoomMicrophone, WaitingForABusyMicrophoneLeavesTheProcessorAlone) {
    ASSERT_EQ(ask(L"mic other"), room::kRoomDone);
    const long long before = ask(L"count mic");
    // How long another member keeps the microphone; WARDO_MIC_WAIT_SECONDS asks for a longer measurement.
    const int seconds = e2e::secondsAsked("WARDO_MIC_WAIT_SECONDS", 3);
    platform::TimerId release = 0;
    release = real.loop().startTimer(seconds * 1000, [&] {
        real.loop().stopTimer(release);
        ask(L"mic free");
    });

    const double cpu0 = e2e::processorMs(GetCurrentProcessId());
    const std::int64_t t0 = real.loop().nowMs();
    link.AttendMicroLibre();
    const std::int64_t wall = real.loop().nowMs() - t0;
    const double cpu = e2e::processorMs(GetCurrentProcessId()) - cpu0;
    const double share = 100.0 * cpu / static_cast<double>(wall > 0 ? wall : 1);
    std::printf("waiting %lld ms for a busy microphone used %.0f ms of processor time (%.2f%% of one core)\n",
                static_cast<long long>(wall), cpu, share);
    RecordProperty("cpu_percent", std::to_string(share));

    EXPECT_GE(wall, seconds * 1000 - 50);
    EXPECT_LT(share, 5.0);
    EXPECT_TRUE(link.MicroOccupe()) << "taken once free";
    EXPECT_EQ(ask(L"count mic"), before + 1);
    link.LibereMicro();
}

}  // namespace
}  // namespace wardo::chatlink
