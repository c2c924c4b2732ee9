// The panel's timers in the real program against the room simulator: the push-to-talk key pressed on
// the real keyboard while another window is in front, "Voice prio" taking the microphone as soon as
// another member leaves it, also from a client that answers late, "Reco manu" re-attaching to another
// room with a real drag, and what the program costs the processor while the room is idle and while it
// watches a client that does not answer its press.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "attached_panel.h"
#include "tools/room/win32/room_protocol.h"

namespace wardo::e2e {
namespace {

// A room found by the automatic search, the program started beside it, and its panel once the panel's
// first activation has started its timers.
class RunningPanel : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(run_.panel, nullptr); }

    DWORD pid() const { return run_.id(); }
    long long ask(const std::wstring& command) const { return run_.ask(command); }
    HWND button(const wchar_t* caption) { return run_.find(caption); }
    Mic mic() const { return roomMic(run_.roomWindow()); }
    bool micBecomes(Mic m, unsigned ms) {
        return waitFor([&] { return mic() == m; }, ms);
    }

    AttachedPanel run_{"[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=N\r\n"};
    HWND panel_ = run_.panel;
};

// The real keyboard, through the system's input queue; the arrows are extended keys.
void pressKey(WORD vk, unsigned holdMs = 150) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[0].ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
    in[1].ki.dwFlags = KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP;
    SendInput(1, &in[0], sizeof(INPUT));
    pumpFor(holdMs);
    SendInput(1, &in[1], sizeof(INPUT));
}

// The user works in another program's window.
class KeyInAnotherWindow : public RunningPanel {
protected:
    void SetUp() override {
        RunningPanel::SetUp();
        if (HasFatalFailure()) return;
        other_.reset(CreateWindowExW(0, L"STATIC", L"Autre programme", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                     300, 200, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(other_);
        // The panel may still be coming to the front as it starts; Wine also brings its key state in line
        // with the X server's when the focus moves, which would let go of a key pressed meanwhile: the
        // other window is in front, and stays there, before a key is pressed.
        ASSERT_TRUE(waitFor(
            [&] {
                SetForegroundWindow(other_.get());
                pumpFor(500);
                return GetForegroundWindow() == other_.get();
            },
            10000));
    }
    platform::win32::ScopedWindow other_;
};

// A held or repeated key acts once; the second press acts once the room-text poller has seen the key up
// and cleared its latch.
TEST_F(KeyInAnotherWindow, TheDownArrowTakesTheMicrophoneOnceAndASecondPressReleasesIt) {
    const long long before = ask(L"count mic");
    ASSERT_NE(GetForegroundWindow(), panel_);
    pressKey(VK_DOWN);
    EXPECT_TRUE(micBecomes(Mic::User, 5000));
    pumpFor(1500);
    EXPECT_EQ(ask(L"count mic"), before + 1);
    EXPECT_EQ(mic(), Mic::User);
    EXPECT_NE(GetForegroundWindow(), panel_) << "the robot leaves the user where they work";

    pressKey(VK_DOWN);
    EXPECT_TRUE(micBecomes(Mic::Free, 5000));
    pumpFor(1000);
    EXPECT_EQ(ask(L"count mic"), before + 2);
}

TEST_F(RunningPanel, VoicePrioTakesTheMicrophoneAsSoonAsTheMemberLeavesIt) {
    ASSERT_EQ(ask(L"mic other"), room::kRoomDone);
    HWND prio = button(L"Voice prio");
    ASSERT_NE(prio, nullptr);
    press(prio);
    EXPECT_TRUE(waitFor([&] { return windowText(prio) == L"Attente ..."; }, 5000));
    pumpFor(1000);
    const long long before = ask(L"count mic");
    EXPECT_EQ(mic(), Mic::Other);

    ASSERT_EQ(ask(L"mic free"), room::kRoomDone);
    const ULONGLONG freed = GetTickCount64();
    EXPECT_TRUE(micBecomes(Mic::User, 5000));
    const ULONGLONG took = GetTickCount64() - freed;
    std::printf("\"Voice prio\" took the microphone %llu ms after the member left it\n", took);
    EXPECT_LT(took, 1000u);
    EXPECT_EQ(ask(L"count mic"), before + 1);
    EXPECT_TRUE(waitFor([&] { return windowText(prio) == L"Micro svp !" && !IsWindowEnabled(prio); }, 5000));

    // Released in the room: the button counts down and is usable again.
    ASSERT_EQ(ask(L"mic free"), room::kRoomDone);
    EXPECT_TRUE(waitFor([&] { return windowText(prio) == L"Voice prio" && IsWindowEnabled(prio); }, 6000));
}

// The client applies each press 1.5 s late: one press, which the robot keeps.
TEST_F(RunningPanel, VoicePrioKeepsTheMicrophoneOfAClientThatAnswersLate) {
    ASSERT_EQ(ask(L"mic delay 1500"), room::kRoomDone);
    ASSERT_EQ(ask(L"mic other"), room::kRoomDone);
    HWND prio = button(L"Voice prio");
    ASSERT_NE(prio, nullptr);
    press(prio);
    ASSERT_TRUE(waitFor([&] { return windowText(prio) == L"Attente ..."; }, 5000));

    const long long before = ask(L"count mic");
    ASSERT_EQ(ask(L"mic free"), room::kRoomDone);
    EXPECT_TRUE(micBecomes(Mic::User, 5000));
    pumpFor(5000);  // past a second press 3 s after the first, and past its landing
    EXPECT_EQ(mic(), Mic::User);
    EXPECT_EQ(ask(L"count mic"), before + 1);
    EXPECT_EQ(windowText(prio), L"Micro svp !");
    EXPECT_FALSE(IsWindowEnabled(prio));
}

// The room refuses the microphone: two presses 3 s apart, the buttons watched between them in sleeps.
TEST_F(RunningPanel, AClientThatNeverAnswersGetsTwoPressesWatchedOnLittleProcessorTime) {
    ASSERT_EQ(ask(L"refuse on"), room::kRoomDone);
    HWND prio = button(L"Voice prio");
    ASSERT_NE(prio, nullptr);
    const long long before = ask(L"count mic");
    press(prio);
    ASSERT_TRUE(waitFor([&] { return ask(L"count mic") == before + 1; }, 5000));
    const double watching = processorShare(pid(), 5000, "the program watching a client that never answers");
    RecordProperty("cpu_percent_watching", std::to_string(watching));
    EXPECT_GE(watching, 0);
    EXPECT_LT(watching, 2.0);
    EXPECT_EQ(ask(L"count mic"), before + 2);
    // The take is over: the microphone reads free, so the button counts down and comes back.
    EXPECT_TRUE(waitFor([&] { return windowText(prio) == L"Voice prio" && IsWindowEnabled(prio); }, 8000));
    EXPECT_EQ(ask(L"count mic"), before + 2);
}

TEST_F(RunningPanel, RecoManuReattachesToTheRoomTheUserDragsTo) {
    // The user has moved to another room, which the automatic search does not see.
    GreetedRoom other(L"Zorro_76", L"--class Navigateur", L"Bienvenue dans l'autre salle !");
    ASSERT_NE(other.window(), nullptr);
    HWND reco = button(L"Reco manu");
    ASSERT_NE(reco, nullptr);
    press(reco);

    HWND label = nullptr;
    ASSERT_TRUE(waitFor(
        [&] {
            HWND w = FindWindowExW(nullptr, nullptr, nullptr, nullptr);
            for (; w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner != pid() || w == panel_ || !IsWindowVisible(w)) continue;
                for (HWND c = GetWindow(w, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
                    if (windowText(c).find(L"sur ce texte") != std::wstring::npos) label = c;
            }
            return label != nullptr;
        },
        10000));
    HWND picker = GetAncestor(label, GA_ROOT);
    RECT at{}, panelAt{};
    GetWindowRect(picker, &at);
    GetWindowRect(panel_, &panelAt);
    EXPECT_EQ(at.left - panelAt.left, pixels(300));
    EXPECT_EQ(at.top - panelAt.top, pixels(300));
    EXPECT_TRUE(waitFor([&] { return topmost(picker); }, 5000));
    ASSERT_TRUE(dragPickerOnto(label, other.window()));

    EXPECT_TRUE(waitForRoomText(other.window(), "Zorro_76 : Salut la room !", 10000))
        << roomText(other.window());
    EXPECT_NE(run_.find(L"de Zorro_76", 10000), nullptr);
    EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(picker); }, 5000));
    EXPECT_TRUE(run_.program().running());
}

TEST_F(RunningPanel, AnIdleRoomCostsTheProgramLittleProcessorTime) {
    pumpFor(1000);
    // WARDO_IDLE_CPU_SECONDS asks for a longer measurement.
    const double share = processorShare(pid(), secondsAsked("WARDO_IDLE_CPU_SECONDS", 10) * 1000u,
                                        "the program in an idle room");
    ASSERT_GE(share, 0) << "the program's process is found";
    RecordProperty("cpu_percent", std::to_string(share));
    EXPECT_TRUE(run_.program().running());
    EXPECT_LT(share, 2.0);
}

}  // namespace
}  // namespace wardo::e2e
