// The room simulator's commands and command line, on the portable room model.
#include "tools/room/win32/room_script.h"

#include <gtest/gtest.h>

#include "text/text.h"
#include "tools/room/win32/room_options.h"
#include "tools/room/win32/room_protocol.h"

namespace wardo::room {
namespace {

class RoomScriptTest : public ::testing::Test {
protected:
    RoomScriptTest() {
        model.clock = [] { return Text(L"09:05"); };
    }
    RoomModel model{L"Modo"};
};

TEST_F(RoomScriptTest, MembersJoinSpeakAndTheRoomAnnounces) {
    EXPECT_EQ(runRoomCommand(model, L"join Bob").answer, kRoomDone);
    EXPECT_EQ(runRoomCommand(model, L"say Bob salut à tous").answer, kRoomDone);
    EXPECT_EQ(runRoomCommand(model, L"notice Votre statut est : op").answer, kRoomDone);
    EXPECT_EQ(runRoomCommand(model, L"raw sans fin").answer, kRoomDone);
    EXPECT_EQ(model.text(),
              L"Rejoint la salle : Bob\r\n(09:05) Bob : salut à tous\r\nVotre statut est : op\r\nsans fin");
}

// What the simulator's own tests do not reach through the window (room_sim_test.cpp).
TEST_F(RoomScriptTest, MicrophoneDelayPressCountAndNick) {
    EXPECT_EQ(runRoomCommand(model, L"mic delay 300").answer, kRoomDone);
    EXPECT_EQ(model.micDelayMs, 300);
    runRoomCommand(model, L"mic delay 0");
    runRoomCommand(model, L"refuse on");
    model.pressMic();
    EXPECT_EQ(model.mic(), RoomModel::Mic::Free);
    EXPECT_EQ(runRoomCommand(model, L"count mic").answer, 1);
    EXPECT_TRUE(runRoomCommand(model, L"clear").cleared);
    runRoomCommand(model, L"nick Autre");
    EXPECT_EQ(model.nick(), L"Autre");
}

TEST_F(RoomScriptTest, MalformedCommandsAreRefusedAndChangeNothing) {
    for (const wchar_t* bad :
         {L"", L" ", L"join", L"join ", L"say", L"mic", L"mic mine", L"mic delay", L"mic delay -1",
          L"mic delay 60001", L"refuse maybe", L"count", L"count all", L"quit now", L"JOIN Bob", L"nick "}) {
        EXPECT_EQ(runRoomCommand(model, bad).answer, kRoomRefused) << "command: " << text::toAnsi(bad);
    }
    EXPECT_EQ(model.text(), L"");
    EXPECT_EQ(model.mic(), RoomModel::Mic::Free);
}

TEST(RoomOptions, DefaultsAndEveryOption) {
    Text error;
    auto options = parseRoomOptions({}, error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->buttons, 9);
    EXPECT_TRUE(options->controlWindow);
    EXPECT_EQ(options->browserClass, L"IEFrame");
    options = parseRoomOptions({L"--title", L"Salon 1", L"--nick", L"Modo", L"--buttons", L"7",
                                L"--no-control", L"--class", L"Navigateur"},
                               error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->title, L"Salon 1");
    EXPECT_EQ(options->nick, L"Modo");
    EXPECT_EQ(options->buttons, 7);
    EXPECT_FALSE(options->controlWindow);
    EXPECT_EQ(options->browserClass, L"Navigateur");
}

TEST(RoomOptions, BadCommandLinesAreRefusedWithAReason) {
    const std::vector<std::vector<Text>> bad = {{L"--title"},
                                                {L"--buttons", L"0"},
                                                {L"--buttons", L"21"},
                                                {L"--buttons", L"x"},
                                                {L"--buttons", L"99999999999"},
                                                {L"--nick", L""},
                                                {L"--class", L""},
                                                {L"--other"}};
    for (const auto& args : bad) {
        Text error;
        EXPECT_FALSE(parseRoomOptions(args, error));
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace wardo::room
