// Broadcasting a sound: the list of the 24 slots, and what the room and the sound output see of a pick,
// in order on the virtual clock: the busy notice, the presses of the talk button and the plays.
#include "commands/sound_broadcast.h"

#include <algorithm>
#include <cwchar>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "attached_panel_fixture.h"

namespace wardo::commands {
namespace {

using Mic = room::RoomModel::Mic;

// Three sounds in slots 1 to 3, slot 4 without title or file, slot 5 named "annuler", slot 6 "ANNULER".
constexpr const char* kSettings =
    "[TitreSons]\r\n1=Fanfare\r\n2=Applaudissements\r\n3=Gong\r\n5=annuler\r\n6=ANNULER\r\n"
    "[Sons]\r\n1=fanfare.wav\r\n2=bravo.wav\r\n3=gong.wav\r\n5=annule.wav\r\n6=stop.wav\r\n";
constexpr const wchar_t* kSons = L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo\\sons\\";

// Tells where Frame2 stands each time the room link shows or hides its notice.
class Frame2Spy : public chatlink::MicroWaitNotice {
public:
    Frame2Spy(chatlink::MicroWaitNotice& panel, ui::Frame& frame, std::function<void(std::string)> note)
        : panel_(panel), frame_(frame), note_(std::move(note)) {}
    void showNotice() override { after(&MicroWaitNotice::showNotice); }
    void hideNotice() override { after(&MicroWaitNotice::hideNotice); }

private:
    void after(void (MicroWaitNotice::*call)()) {
        (panel_.*call)();
        note_("Frame2 " + std::to_string(frame_.left()));
    }
    chatlink::MicroWaitNotice& panel_;
    ui::Frame& frame_;
    std::function<void(std::string)> note_;
};

class SoundBroadcastTest : public panel::testing::AttachedPanelTest {
protected:
    void SetUp() override {
        panel::Reglages& r = startPanel("", kSettings);
        // The panel's own timers belong to other subsystems: the user's actions here come from timers of
        // the test.
        for (ui::Timer* t : {&r.Boucle, &r.TimerEtat, &r.BoucleLectPseudo, &r.Timer1}) t->setEnabled(false);
        auto& link = program->room;
        spy = std::make_unique<Frame2Spy>(*link.notice, r.Frame2, [this](std::string what) {
            frame2.push_back({desk.loop.nowMs(), std::move(what)});
        });
        link.notice = spy.get();
    }

    SoundBroadcast& part() { return reglages().part<SoundBroadcast>(); }

    // The user opens the list and clicks entry `index`.
    void pick(int index) {
        ASSERT_TRUE(reglages().JoueSons.click());
        ASSERT_TRUE(reglages().ListeSons.userSelect(index));
    }

    // "ms what" for every notice, press of the talk button and play since the case started, in order;
    // at the same ms the notice comes first, then the press, then the sound. Each pass of pending events
    // with nothing to do takes the virtual clock 1 ms: the list's own pass, then the wait's.
    std::vector<std::string> timeline() {
        std::vector<std::pair<std::int64_t, std::string>> all = frame2;
        for (const auto& m : desk.windows.logFor(room.micButton()))
            if (m.kind == platform::sim::MessageKind::LButtonDown) all.push_back({m.timeMs, "press"});
        for (const auto& s : desk.sounds.played()) {
            const std::wstring name =
                s.path.rfind(kSons, 0) == 0 ? s.path.substr(std::wcslen(kSons)) : s.path;
            all.push_back({s.timeMs, (s.async ? "async " : "play ") + text::toAnsi(name)});
        }
        std::stable_sort(all.begin(), all.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::string> out;
        for (const auto& [ms, what] : all) out.push_back(std::to_string(ms - t0) + " " + what);
        return out;
    }

    std::unique_ptr<Frame2Spy> spy;
    std::vector<std::pair<std::int64_t, std::string>> frame2;
};

TEST_F(SoundBroadcastTest, TheListHoldsTheTwentyFourSlotsThenAnnulerAndComesIntoView) {
    part().FichiersSons[10] = L"ancien.wav";
    ASSERT_TRUE(reglages().JoueSons.click());
    const ui::ListBox& l = reglages().ListeSons;
    EXPECT_EQ(l.left(), 960);
    ASSERT_EQ(l.listCount(), 25);
    const std::vector<std::wstring> titles = {L"Fanfare", L"Applaudissements", L"Gong",
                                              L"",        L"annuler",          L"ANNULER"};
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(l.list(i), i < 6 ? titles[static_cast<size_t>(i)] : L"") << "entry " << i;
    EXPECT_EQ(l.list(24), L"ANNULER");
    EXPECT_EQ(part().FichiersSons[1], L"fanfare.wav");
    EXPECT_EQ(part().FichiersSons[4], L"");
    EXPECT_EQ(part().FichiersSons[10], L"") << "the names are read afresh";

    ASSERT_TRUE(reglages().JoueSons.click());
    EXPECT_EQ(l.listCount(), 25) << "filled anew, not added to";
}

TEST_F(SoundBroadcastTest, AnnulerExactlyPutsTheListAwayAndDoesNothingElse) {
    for (int entry : {24, 5}) {
        pick(entry);
        EXPECT_EQ(reglages().ListeSons.left(), 16920);
    }
    EXPECT_TRUE(timeline().empty());
}

// A pick, what the room does meanwhile and what the user does in Frame2, and what follows.
struct Broadcast {
    const char* name;
    int entry;
    bool busy;        // another member speaks when the entry is clicked
    int micDelayMs;   // the room applies each press this late
    int releaseAtMs;  // the other member stops speaking (0: never)
    int cancelAtMs;   // "Annuler" (0: never)
    int nowAtMs;      // "Envoyer le son maintenant ..." (0: never)
    std::vector<std::string> timeline;
    Mic micAfter;
};

std::ostream& operator<<(std::ostream& os, const Broadcast& b) {
    return os << b.name;
}

class Broadcasts : public SoundBroadcastTest, public ::testing::WithParamInterface<Broadcast> {};

TEST_P(Broadcasts, GoThroughTheWaitTheTakeThePlayAndTheRelease) {
    const Broadcast& b = GetParam();
    room.model().micDelayMs = b.micDelayMs;
    if (b.busy) room.model().otherTakesMic();
    if (b.releaseAtMs) desk.loop.at(b.releaseAtMs, [this] { room.model().otherReleasesMic(); });
    if (b.cancelAtMs)
        desk.loop.at(b.cancelAtMs, [this] { ASSERT_TRUE(reglages().annuleremissionson.click()); });
    if (b.nowAtMs) desk.loop.at(b.nowAtMs, [this] { ASSERT_TRUE(reglages().Label70.click()); });
    desk.sounds.setDuration(std::wstring(kSons) + L"fanfare.wav", 1000);

    pick(b.entry);
    EXPECT_EQ(reglages().ListeSons.left(), 15000);
    EXPECT_EQ(timeline(), b.timeline);
    desk.loop.sleep(5000);  // every press the room still owes has landed
    room.model().settle();
    EXPECT_EQ(room.model().mic(), b.micAfter);
    EXPECT_EQ(reglages().Frame2.left(), 10000);
    EXPECT_FALSE(program->MicroPris || program->BipPriseDonne);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SoundBroadcast, Broadcasts, ::testing::Values(
    Broadcast{"FreeMicrophone", 0, false, 0, 0, 0, 0,
              {"1 Frame2 10000", "2 press", "2 play fanfare.wav", "1002 press"}, Mic::Free},
    Broadcast{"LowerCaseAnnulerIsASound", 4, false, 0, 0, 0, 0,
              {"1 Frame2 10000", "2 press", "2 play annule.wav", "1002 press"}, Mic::Free},
    // No title, no file: the folder itself is played.
    Broadcast{"EmptySlot", 3, false, 0, 0, 0, 0,
              {"1 Frame2 10000", "2 press", "2 play ", "1002 press"}, Mic::Free},
    Broadcast{"BusyThenFree", 0, true, 0, 2000, 0, 0,
              {"1 Frame2 480", "2000 Frame2 10000", "2001 press", "2001 play fanfare.wav", "3001 press"},
              Mic::Free},
    Broadcast{"CancelledWhileBusy", 0, true, 0, 0, 700, 0, {"1 Frame2 480", "700 Frame2 10000"}, Mic::Other},
    // The user holds the microphone already: played at once, the microphone never pressed.
    Broadcast{"SendNow", 0, true, 0, 0, 0, 700, {"1 Frame2 480", "700 Frame2 10000", "701 play fanfare.wav"},
              Mic::Other},
    // The room opens the microphone 300 ms after the press: the sound waits for it, and the release
    // finds it taken.
    Broadcast{"SlowRoom", 0, false, 300, 0, 0, 0,
              {"1 Frame2 10000", "2 press", "302 play fanfare.wav", "1302 press"}, Mic::Free}));
// clang-format on

TEST_F(SoundBroadcastTest, TheProgramEndingDuringTheWaitPlaysNothingAndPressesNothing) {
    room.model().otherTakesMic();
    desk.loop.at(400, [this] { program->end(0); });
    pick(0);
    EXPECT_EQ(timeline(), (std::vector<std::string>{"1 Frame2 480", "400 Frame2 10000"}));
}

}  // namespace
}  // namespace wardo::commands
