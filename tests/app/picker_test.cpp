// The drag-and-drop pickers: a press on the picker, the hand dragged over the room's chat panel, the
// release there, with the window under the cursor recorded every 100 ms.
#include "app_fixture.h"
#include "chatlink/pickers/connex_man.h"
#include "chatlink/pickers/connex_man2.h"

namespace wardo::app::testing {
namespace {

using chatlink::Picker;
using platform::Point;
using ui::mouse::kLeft;
using ui::mouse::kMiddle;
using ui::mouse::kRight;

// Points of the simulated room (its browser window spans 100..900 x 100..700): a bare part of the chat
// panel, right of its buttons, and a point of the browser above the panel.
constexpr Point kOnPanel{860, 640};
constexpr Point kAbovePanel{105, 120};
constexpr Point kOffRoom{1500, 900};

class Pickers : public RoomTest {
protected:
    Pickers() { desk.windows.setCursorPos(kOffRoom); }

    room::SimRoom& openRoom(room::SimRoomOptions o = {}) {
        room::SimRoom& r = RoomTest::openRoom(std::move(o));
        r.model().setNick(L"Zorro_75");
        // The robot's phrase is never the room's first line, which the identification skips.
        r.model().say(L"Bob", L"bonsoir");
        return r;
    }
    chatlink::RoomLink& link() { return program->room; }

    // A press (or release) of `button` on the picker's window or on its label.
    static void mouse(Picker& picker, bool down, bool onLabel, int button = kLeft) {
        if (onLabel) {
            down ? picker.Label1.mouseDown(button, 0, 60, 60) : picker.Label1.mouseUp(button, 0, 60, 60);
        } else {
            down ? picker.mouseDown(button, 0, 60, 60) : picker.mouseUp(button, 0, 60, 60);
        }
    }

    // Press where the cursor is, carry it to `to`, hold it there `holdMs`, release.
    void drag(Picker& picker, Point to, int holdMs, bool onLabel = false, int button = kLeft) {
        mouse(picker, true, onLabel, button);
        desk.windows.setCursorPos(to);
        desk.loop.runFor(holdMs);
        mouse(picker, false, onLabel, button);
    }

    // A user action at a virtual time to come, for the modal scenes.

    // The same drag, played by the user while a modal show runs: press at 100 ms, on `to` at 150 ms,
    // release at 400 ms.
    void dragLater(Picker& picker, Point to, bool onLabel = false) {
        desk.loop.at(100, [&picker, onLabel] { mouse(picker, true, onLabel); });
        desk.loop.at(150, [this, to] { desk.windows.setCursorPos(to); });
        desk.loop.at(400, [&picker, onLabel] { mouse(picker, false, onLabel); });
    }
};

struct Release {
    const char* name;
    bool onLabel;
    int button;
    friend std::ostream& operator<<(std::ostream& os, const Release& r) { return os << r.name; }
};

class PickerRelease : public Pickers, public ::testing::WithParamInterface<Release> {};

TEST_P(PickerRelease, OnTheChatPanelAttachesAndIdentifies) {
    auto& r = openRoom();
    auto& picker = program->connexMan();
    picker.show();
    drag(picker, kOnPanel, 150, GetParam().onLabel, GetParam().button);

    EXPECT_EQ(link().HandlePanneauChat, r.panel());
    EXPECT_EQ(link().HandleTexteChat, r.textPane());
    EXPECT_EQ(link().HandleTexteChatControle, r.textPane());
    EXPECT_EQ(link().HandleBoutonMicro2, r.mic2Button());
    EXPECT_FALSE(picker.visible());
    EXPECT_EQ(program->PseudoRobot, L"Zorro_75");
    EXPECT_TRUE(reglages().visible());
}

INSTANTIATE_TEST_SUITE_P(AnyButtonOnWindowOrLabel, PickerRelease,
                         ::testing::Values(Release{"LeftOnWindow", false, kLeft},
                                           Release{"RightOnLabel", true, kRight},
                                           Release{"MiddleOnWindow", false, kMiddle}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Pickers, ReleaseOverAWindowWithoutTheControlsOverwritesTheHandlesAndWaits) {
    auto& r = openRoom();
    ASSERT_TRUE(principale().ReConnexAuto());
    const int typed = r.model().sendPresses();
    auto& picker = program->connexMan();
    picker.show();
    drag(picker, kAbovePanel, 150);

    const auto under = desk.windows.windowFromPoint(kAbovePanel);
    ASSERT_NE(under, 0);
    EXPECT_EQ(link().HandlePanneauChat, under);
    for (auto h : {link().HandleTexteChat, link().HandleTexteChatControle, link().HandleSaisieChat,
                   link().HandleBoutonEnvoi, link().HandleBoutonMicro, link().HandleBoutonMicro2})
        EXPECT_EQ(h, 0);
    EXPECT_TRUE(picker.visible());
    EXPECT_FALSE(picker.Timer1.running());
    EXPECT_EQ(r.model().sendPresses(), typed);
    EXPECT_TRUE(desk.boxes.shown().empty());

    // The user may try again: the next press starts the timer afresh, its first tick 100 ms later.
    desk.windows.setCursorPos(kAbovePanel);
    drag(picker, kOnPanel, 100);
    EXPECT_EQ(link().HandlePanneauChat, r.panel());
    EXPECT_FALSE(picker.visible());
}

TEST_F(Pickers, PanelWithSevenButtonsAttachesWithoutMicrophones) {
    auto& r = openRoom({.buttons = 7});
    auto& picker = program->connexMan();
    picker.show();
    drag(picker, kOnPanel, 150);
    EXPECT_EQ(link().HandleBoutonEnvoi, r.sendButton());
    EXPECT_EQ(link().HandleBoutonMicro, 0);
    EXPECT_EQ(link().HandleBoutonMicro2, 0);
    EXPECT_FALSE(picker.visible());
    EXPECT_EQ(program->PseudoRobot, L"Zorro_75");
}

class LastTick : public Pickers, public ::testing::WithParamInterface<int> {};

// The timer ticks 100, 200, 300 ms after the load; the drag reaches the panel at 250 ms. A release at
// 299 ms takes what the tick of 200 ms saw, one at 300 ms what that tick saw.
TEST_P(LastTick, ReleaseTakesTheWindowOfTheLastTick) {
    auto& r = openRoom();
    auto& picker = program->connexMan();
    desk.windows.setCursorPos(kAbovePanel);
    picker.show();
    desk.loop.runFor(250);
    drag(picker, kOnPanel, GetParam());
    const bool reachedPanel = GetParam() >= 50;
    EXPECT_EQ(link().HandlePanneauChat, reachedPanel ? r.panel() : desk.windows.windowFromPoint(kAbovePanel));
    EXPECT_EQ(picker.visible(), !reachedPanel);
}

INSTANTIATE_TEST_SUITE_P(HeldOnThePanel, LastTick, ::testing::Values(49, 50),
                         [](const auto& info) { return std::to_string(info.param) + "ms"; });

TEST_F(Pickers, PressStartsTheDragWithTheHandFromBesideTheProgram) {
    auto& picker = program->connexMan();
    picker.show();
    picker.mouseUp(kLeft, 0, 0, 0);
    ASSERT_FALSE(picker.Timer1.running());
    // Without the cursor file the drag still starts, under the default pointer.
    picker.mouseDown(kLeft, 0, 0, 0);
    EXPECT_TRUE(picker.Timer1.running());
    EXPECT_EQ(picker.mousePointer(), 99);
    EXPECT_EQ(picker.mouseIcon(), L"");
    picker.mouseUp(kLeft, 0, 0, 0);

    makeFile(desk.files.programFolder() + L"H_MOVE.CUR", "cursor");
    picker.mouseDown(kLeft, 0, 0, 0);
    EXPECT_EQ(picker.mouseIcon(), L"C:\\Program Files\\Wardo\\H_MOVE.CUR");
    picker.mouseUp(kLeft, 0, 0, 0);
    EXPECT_EQ(picker.mousePointer(), 0);
}

// Whether or not the room then shows the typed phrase, the panel shows; without it, no nickname.
class AfterAFailedAttach : public Pickers, public ::testing::WithParamInterface<bool> {};

TEST_P(AfterAFailedAttach, ThePickerOpensOnTopAttachesAndShowsThePanel) {
    const bool phraseShows = GetParam();
    auto& r = openRoom({.browserClass = "Navigateur"});
    r.model().showsUserLines = phraseShows;
    startUp();
    desk.loop.runFor(1000);
    dragLater(program->connexMan(), kOnPanel);
    principale().Connexionroom.click();

    const auto& log = host.log;
    const auto hidden = std::find(log.begin(), log.end(), L"hide Principale");
    EXPECT_NE(std::find(hidden, log.end(), L"show ConnexMan modal"), log.end());
    const auto handle = program->connexMan().handle();
    const auto& sent = desk.windows.log();
    EXPECT_TRUE(std::any_of(sent.begin(), sent.end(), [&](const auto& m) {
        return m.kind == platform::sim::MessageKind::SetWindowPos && m.window == handle &&
               m.text == "HWND_TOPMOST";
    }));
    EXPECT_EQ(link().HandlePanneauChat, r.panel());
    EXPECT_FALSE(program->connexMan().visible());
    EXPECT_FALSE(principale().visible());
    EXPECT_EQ(program->PseudoRobot, phraseShows ? L"Zorro_75" : L"");
    EXPECT_TRUE(reglages().visible());
}

INSTANTIATE_TEST_SUITE_P(PhraseShownOrNot, AfterAFailedAttach, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "PhraseShown" : "PhraseNeverShown"; });

struct SecondPickerRelease {
    const char* name;
    bool onLabel;
    bool shownWhileTyping;
    friend std::ostream& operator<<(std::ostream& os, const SecondPickerRelease& r) { return os << r.name; }
};

class SecondPicker : public Pickers, public ::testing::WithParamInterface<SecondPickerRelease> {};

// As the panel's re-attach button opens it: placed, images hidden, modal.
TEST_P(SecondPicker, AttachesIdentifiesAndGivesThePanelItsImagesBack) {
    auto& r = openRoom();
    auto& image3 = reglages().Image3;
    auto& image4 = reglages().Image4;
    reglages().show();
    image3.setVisible(false);
    image4.setVisible(false);
    auto& picker = program->connexMan2();
    auto& inputHook = desk.windows.hooks(r.inputLine()).onSetText;
    bool shownWhileTyping = !GetParam().shownWhileTyping;
    inputHook = [&, typed = inputHook](const std::string& s) {
        shownWhileTyping = picker.visible();
        typed(s);
    };
    dragLater(picker, kOnPanel, GetParam().onLabel);
    picker.show(true);

    EXPECT_EQ(shownWhileTyping, GetParam().shownWhileTyping);
    EXPECT_EQ(link().HandlePanneauChat, r.panel());
    EXPECT_EQ(program->PseudoRobot, L"Zorro_75");
    EXPECT_FALSE(picker.visible());
    EXPECT_FALSE(picker.Timer1.running());  // shown again, it waits for a press
    EXPECT_TRUE(image3.visible());
    EXPECT_TRUE(image4.visible());
}

INSTANTIATE_TEST_SUITE_P(ReleasePlaces, SecondPicker,
                         ::testing::Values(SecondPickerRelease{"OnLabelHidesFirst", true, false},
                                           SecondPickerRelease{"OnWindowHidesLast", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Pickers, CancelAfterAFailedReleaseKeepsItsZerosAndGivesTheImagesBack) {
    openRoom();
    ASSERT_TRUE(principale().ReConnexAuto());
    auto& image3 = reglages().Image3;
    image3.setVisible(false);
    auto& picker = program->connexMan2();
    EXPECT_EQ(picker.ReyCommand1.caption(), L"Annuler");
    dragLater(picker, kAbovePanel);
    desk.loop.at(500, [&] { picker.ReyCommand1.click(); });
    picker.show(true);
    EXPECT_FALSE(picker.visible());
    EXPECT_TRUE(image3.visible());
    EXPECT_EQ(link().HandleTexteChat, 0);
    EXPECT_EQ(link().HandleBoutonEnvoi, 0);
    EXPECT_FALSE(desk.loop.quitting());
}

class ClosingAPicker : public Pickers, public ::testing::WithParamInterface<bool> {};

TEST_P(ClosingAPicker, EndsTheProgram) {
    Picker& picker = GetParam() ? static_cast<Picker&>(program->connexMan2()) : program->connexMan();
    desk.loop.at(100, [&] { EXPECT_FALSE(picker.userClose()); });
    picker.show(true);
    EXPECT_TRUE(desk.loop.quitting());
    EXPECT_EQ(desk.loop.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Either, ClosingAPicker, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "ConnexMan2" : "ConnexMan"; });

}  // namespace
}  // namespace wardo::app::testing
