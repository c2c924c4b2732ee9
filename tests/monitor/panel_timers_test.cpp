// The panel's timers at work: the "Voice prio" countdown of TimerEtat, the 29-second capture pause, and
// the two re-attach buttons.
#include <functional>
#include <memory>

#include "chatlink/pickers/connex_man2.h"
#include "panel_fixture.h"
#include "tools/room/sim_room.h"

namespace wardo::panel::testing {
namespace {

constexpr const char* kStarts = "[Parametres]\r\nAffInfos1=N\r\nAffInfos2=N\r\n";

class PanelTimers : public PanelTest {
protected:
    // The captions a label shows, each with when it changed (virtual ms after the start), for `ms`.
    std::vector<std::pair<std::wstring, std::int64_t>> captions(const ui::Control& label, int ms) {
        std::vector<std::pair<std::wstring, std::int64_t>> seen;
        const std::int64_t start = desk.loop.nowMs();
        std::wstring last = label.caption();
        for (int i = 0; i < ms; ++i) {
            desk.loop.runFor(1);
            if (label.caption() != last) seen.emplace_back(last = label.caption(), desk.loop.nowMs() - start);
        }
        return seen;
    }
    // A user action at a virtual time to come, for the modal scenes.
    room::SimRoom& openRoom(room::SimRoomOptions o = {}) {
        room_ = std::make_unique<room::SimRoom>(desk.windows, desk.loop, std::move(o));
        room_->model().setNick(L"Zorro_75");
        room_->model().say(L"Bob", L"bonsoir");
        return *room_;
    }
    std::unique_ptr<room::SimRoom> room_;
};

TEST_F(PanelTimers, VoicePrioCountsDownOneSecondApart) {
    Reglages& r = showPanel(kStarts);
    r.microprio.setEnabled(false);
    program->DecompteVoicePrio = true;
    const auto seen = captions(r.microprio, 3500);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].first, L"2");
    EXPECT_LE(seen[0].second, 1000);
    EXPECT_EQ(seen[1], std::make_pair(std::wstring(L"1"), seen[0].second + 1000));
    EXPECT_EQ(seen[2], std::make_pair(std::wstring(L"Voice prio"), seen[0].second + 2000));
    EXPECT_TRUE(r.microprio.enabled());
    EXPECT_FALSE(program->DecompteVoicePrio);
    EXPECT_EQ(program->CompteurVoicePrio, 0);
}

TEST_F(PanelTimers, PauseCountsDownFrom29AndResumesThePickUp) {
    Reglages& r = showPanel(kStarts);
    r.MiseEnPause.click();
    EXPECT_FALSE(r.BoucleLectPseudo.running());
    EXPECT_EQ(r.FramePause.top(), 1300);
    std::vector<std::wstring> shown, expected;
    for (int second = 1; second <= 29; ++second) {
        desk.loop.runFor(1000);
        shown.push_back(r.DecompteTempo.caption());
        if (second < 29) {
            EXPECT_FALSE(r.BoucleLectPseudo.running()) << second;
        }
    }
    for (int n = 29; n >= 2; --n) expected.push_back(std::to_wstring(n));
    expected.push_back(L"");
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(r.FramePause.top(), 8000);
    EXPECT_TRUE(r.BoucleLectPseudo.running());
    EXPECT_FALSE(r.TimerPauseCapture.running());
}

TEST_F(PanelTimers, ASecondClickTenSecondsLaterEndsThePause) {
    Reglages& r = showPanel(kStarts);
    r.MiseEnPause.click();
    desk.loop.runFor(10000);
    EXPECT_EQ(r.DecompteTempo.caption(), L"20");
    EXPECT_FALSE(r.BoucleLectPseudo.running());
    r.MiseEnPause.click();
    EXPECT_EQ(r.FramePause.top(), 8000);
    EXPECT_EQ(r.DecompteTempo.caption(), L"");
    EXPECT_TRUE(r.BoucleLectPseudo.running());
    EXPECT_FALSE(r.TimerPauseCapture.running());
}

TEST_F(PanelTimers, RecoAutoFindingTheRoomTypesThePhraseAgainWithoutThePicker) {
    auto& r = openRoom();
    showPanel(kStarts);
    const int sent = r.model().sendPresses();
    reglages().Reconnexion.click();
    EXPECT_EQ(r.model().sendPresses(), sent + 1);
    EXPECT_NE(r.model().text().find(L"Zorro_75 : Salut la room !"), std::wstring::npos);
    EXPECT_EQ(program->PseudoRobot, L"Zorro_75");
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), L"show ConnexMan2 modal"), 0);
}

TEST_F(PanelTimers, RecoAutoNotFindingTheRoomOpensThePickerOverThePanelUntilItCloses) {
    Reglages& panel = showPanel(kStarts);
    panel.move(3000, 2400);
    auto& picker = program->connexMan2();
    bool checked = false;
    desk.loop.at(100, [&] {
        checked = true;
        EXPECT_TRUE(picker.visible());
        EXPECT_EQ(picker.top(), 2700);
        EXPECT_EQ(picker.left(), 3300);
        const auto sent = desk.windows.logFor(picker.handle());
        // The opener's, then the picker's own at its activation.
        EXPECT_EQ(
            std::count_if(sent.begin(), sent.end(), [](const auto& m) { return m.text == "HWND_TOPMOST"; }),
            2);
        EXPECT_FALSE(panel.Image3.visible());
        EXPECT_FALSE(panel.Image4.visible());
        EXPECT_FALSE(panel.BoucleLectPseudo.running());
        picker.ReyCommand1.click();
    });
    panel.Reconnexion.click();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(picker.visible());
    EXPECT_TRUE(panel.Image3.visible());
    EXPECT_TRUE(panel.Image4.visible());
    EXPECT_TRUE(panel.BoucleLectPseudo.running());
}

TEST_F(PanelTimers, RecoManuAttachesToTheRoomTheUserPointsAt) {
    Reglages& panel = showPanel(kStarts);
    auto& r = openRoom({.browserClass = "Navigateur"});  // the user changed rooms
    auto& picker = program->connexMan2();
    desk.loop.at(100, [&] { picker.mouseDown(ui::mouse::kLeft, 0, 60, 60); });
    desk.loop.at(150, [&] { desk.windows.setCursorPos({860, 640}); });
    desk.loop.at(400, [&] { picker.mouseUp(ui::mouse::kLeft, 0, 60, 60); });
    panel.Recomanu.click();
    EXPECT_EQ(program->room.HandlePanneauChat, r.panel());
    EXPECT_EQ(program->PseudoRobot, L"Zorro_75");
    EXPECT_NE(r.model().text().find(L"Zorro_75 : Salut la room !"), std::wstring::npos);
    EXPECT_TRUE(panel.Image3.visible());
    EXPECT_TRUE(panel.BoucleLectPseudo.running());
}

}  // namespace
}  // namespace wardo::panel::testing
