// The panel started beside a simulated room, with the tones it beeps and the talk button's presses read
// back. The room-text poller's timer stays off: `pollerTick` runs one of its ticks where a test wants it.
#pragma once
#include <memory>
#include <utility>
#include <vector>

#include "monitor/room_poller.h"
#include "panel_fixture.h"
#include "tools/room/sim_room.h"

namespace wardo::panel::testing {

// Virtual-key codes.
constexpr int kCtrl = 17, kAlt = 18, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

using Mic = room::RoomModel::Mic;

// Public: the scenario tables call these helpers.
class MicrophoneTest : public PanelTest {
public:
    using PanelTest::desk;
    using PanelTest::reglages;

    using Tone = std::pair<int, int>;  // frequency, duration

    // `ini` goes after the lines that let the first activation start the panel.
    Reglages& start(const std::string& ini = "") {
        room_ = std::make_unique<room::SimRoom>(desk);
        room_->model().setNick(L"Zorro_75");
        room_->model().say(L"Bob", L"bonsoir");
        showPanel("[Parametres]\r\nAffInfos1=N\r\nAffInfos2=N\r\n" + ini);
        EXPECT_TRUE(principale().ReConnexAuto());
        reglages().Boucle.setEnabled(false);
        desk.sounds.clear();
        return reglages();
    }
    room::RoomModel& room() { return room_->model(); }

    // One tick of the room-text poller, which keeps the microphone and key latches in step.
    void pollerTick() { reglages().part<monitor::RoomPoller>().Boucle_Timer(); }
    // The key held long enough for the 50 ms timer to see it, then let go.
    void pressKey(int vk = kDown, int holdMs = 60) {
        desk.windows.keyboard.press(vk);
        desk.loop.runFor(holdMs);
        desk.windows.keyboard.release(vk);
    }
    // A press as the user makes them one after the other: two ticks of the poller (the first may still
    // read the previous press) have seen the key up before.
    void nextPress(int vk = kDown) {
        for (int tick = 0; tick < 2; ++tick) {
            desk.loop.runFor(200);
            pollerTick();
        }
        pressKey(vk);
    }
    std::vector<Tone> tones() const {
        std::vector<Tone> t;
        for (const auto& s : desk.sounds.played()) t.emplace_back(s.frequencyHz, s.durationMs);
        return t;
    }
    // When the last tone of that frequency started; -1 when none.
    std::int64_t lastToneAt(int hz) const {
        std::int64_t at = -1;
        for (const auto& s : desk.sounds.played())
            if (s.frequencyHz == hz) at = s.timeMs;
        return at;
    }

protected:
    std::unique_ptr<room::SimRoom> room_;
};

}  // namespace wardo::panel::testing
