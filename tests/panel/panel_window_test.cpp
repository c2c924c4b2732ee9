// The panel as a window: its first activations, dragging, menus, close images, minimising and closing,
// and the notice that a sound waits for the microphone.
#include "attached_panel_fixture.h"
#include "editors/messages_edit.h"
#include "editors/raisons_edit.h"
#include "editors/sons_edit.h"
#include "tools/room/sim_room.h"

namespace wardo::panel::testing {
namespace {

class PanelWindow : public PanelTest {
protected:
    int drags() { return static_cast<int>(std::count(host.log.begin(), host.log.end(), L"drag Reglages")); }
};

// Which frame the first activation shows, and the start once none is due, are checked with the frames
// themselves (help panes); the other first steps run even while a frame is due.
TEST_F(PanelWindow, TheFirstActivationPutsThePanelOnTopAndClearsTheModesWhileAFrameIsDue) {
    program->ModeBan = true;
    program->ModeAvertir = program->ModePunir = program->ModeKick = true;
    Reglages& r = showPanel();
    EXPECT_EQ(r.FrameInfos.left(), 150);
    EXPECT_FALSE(launched());
    EXPECT_TRUE(r.BoucleLectPseudo.running());
    EXPECT_TRUE(program->ReglagesPremierPlan);
    EXPECT_GE(topmostCalls("HWND_TOPMOST"), 1);
    EXPECT_FALSE(program->ModeAvertir || program->ModePunir || program->ModeKick);
    EXPECT_TRUE(program->ModeBan);
}

TEST_F(PanelWindow, StartsAtTheFirstActivationAfterTheFramesAndOnlyOnce) {
    Reglages& r = showPanel();
    r.BoucleLectPseudo.setEnabled(false);
    reactivate();
    EXPECT_TRUE(r.BoucleLectPseudo.running()) << "each activation repeats the first steps";
    EXPECT_FALSE(launched());

    program->AfficherInfos1 = false;
    program->AfficherInfos2 = false;
    const int before = topmostCalls("HWND_TOPMOST");
    reactivate();
    EXPECT_TRUE(launched());
    EXPECT_TRUE(r.TimerEtat.running());
    EXPECT_EQ(topmostCalls("HWND_TOPMOST"), before + 2);  // the activation's, then lancement's

    r.BoucleLectPseudo.setEnabled(false);
    program->ModeKick = true;
    reactivate();
    EXPECT_FALSE(r.BoucleLectPseudo.running());
    EXPECT_TRUE(program->ModeKick);
    EXPECT_EQ(topmostCalls("HWND_TOPMOST"), before + 2);
}

// The panel's timers at design, and the pick-up, switched on once the panel starts, reading the room's
// input line every 500 ms on the clock.
TEST_F(AttachedPanelTest, TimersFromTheDesignRunFromTheLoadAndThePickUpEvery500Ms) {
    attach();
    Reglages& r = loadPanel("[Parametres]\r\nAffInfos1=N\r\nAffInfos2=N\r\n");
    const std::tuple<ui::Timer&, int, bool> timers[] = {
        {r.Boucle, 200, true},
        {r.TimerEtat, 1000, true},
        {r.BoucleLectPseudo, 500, false},
        {r.TimerPauseCapture, 1000, false},
        {r.Timer1, 50, true},
        {r.PriseMicro, 10, false},
        {r.AttenteLacheMicro, 50, false},
        {r.TimerChoixToucheMicro, 100, false},
        {r.TimerToucheMicro, 5, false},
    };
    for (const auto& [timer, interval, running] : timers) {
        EXPECT_EQ(timer.interval(), interval) << text::toAnsi(timer.name());
        EXPECT_EQ(timer.running(), running) << text::toAnsi(timer.name());
    }

    r.show();
    ASSERT_TRUE(launched());
    mark();
    // A tick may take a little of the clock: each one is due 500 ms after the one before.
    const auto until = [&](std::int64_t ms) { desk.loop.runFor(ms - elapsed()); };
    std::int64_t tick = 500;
    for (const wchar_t* nick : {L"Bob", L"Carla"}) {
        const text::Text before = r.Label2.caption();
        room.model().setInput(nick + std::wstring(L", "));
        until(tick - 1);
        EXPECT_EQ(r.Label2.caption(), before) << text::toAnsi(nick);
        until(tick);
        EXPECT_EQ(r.Label2.caption(), nick);
        tick += 500;
    }
}

TEST_F(PanelWindow, DraggedByTheBackgroundAndTheTitleWithTheLeftButtonOnly) {
    Reglages& r = showPanel();
    r.MenuConfig.setVisible(true);
    r.MenuAide.setVisible(true);
    ASSERT_TRUE(r.menuco.mouseDown(ui::mouse::kRight, 0, 10, 10));
    EXPECT_FALSE(r.MenuConfig.visible());
    EXPECT_FALSE(r.MenuAide.visible());
    EXPECT_EQ(drags(), 0);
    r.menuco.mouseDown(ui::mouse::kLeft, 0, 10, 10);
    EXPECT_EQ(drags(), 1);
    r.mouseDown(ui::mouse::kRight, 0, 10, 10);
    EXPECT_EQ(drags(), 1);
    r.mouseDown(ui::mouse::kLeft, 0, 10, 10);
    EXPECT_EQ(drags(), 2);

    for (ui::ListBox* menu : {&r.MenuConfig, &r.MenuCdesSupp, &r.MenuAide, &r.MenuListes, &r.MenuSalles})
        menu->setVisible(true);
    r.menuco.mouseMove(0, 0, 20, 20);
    for (ui::ListBox* menu : {&r.MenuConfig, &r.MenuCdesSupp, &r.MenuAide, &r.MenuListes, &r.MenuSalles})
        EXPECT_FALSE(menu->visible()) << text::toAnsi(menu->name());
}

TEST_F(PanelWindow, ConfigurerTogglesItsMenuAndAnEntryClosesIt) {
    Reglages& r = showPanel();
    r.MenuCdesSupp.setVisible(true);
    r.MenuAide.setVisible(true);
    ASSERT_TRUE(r.Configurer.click());
    EXPECT_TRUE(r.MenuConfig.visible());
    EXPECT_FALSE(r.MenuCdesSupp.visible());
    EXPECT_FALSE(r.MenuAide.visible());
    r.Configurer.click();
    EXPECT_FALSE(r.MenuConfig.visible());

    r.Configurer.click();
    r.MenuConfig.addItem(L"");
    r.MenuConfig.userSelect(5);  // the empty line
    EXPECT_TRUE(r.MenuConfig.visible());
    for (int item = 0; item < 5; ++item) {
        r.MenuConfig.setVisible(true);
        r.MenuConfig.userSelect(item);
        EXPECT_FALSE(r.MenuConfig.visible()) << item;
    }
    // "Raisons", "Annonces" and "Sons" opened their editors.
    EXPECT_TRUE(program->raisonsEdit().visible());
    EXPECT_TRUE(program->messagesEdit().visible());
    EXPECT_TRUE(program->sonsEdit().visible());
}

TEST_F(PanelWindow, CloseRequestsFromTheWindowSystemLeaveThePanelOpen) {
    Reglages& r = showPanel();
    EXPECT_FALSE(r.userClose());
    EXPECT_FALSE(r.unload());
    EXPECT_TRUE(r.visible());
    EXPECT_FALSE(desk.loop.quitting());
}

TEST_F(PanelWindow, TheCloseImageEndsTheProgramAfterLeavingTheTopOfTheOrder) {
    Reglages& r = showPanel();
    const std::string ini = readIni();
    ASSERT_TRUE(r.Image3.click());
    EXPECT_TRUE(desk.loop.quitting());
    EXPECT_EQ(topmostCalls("HWND_NOTOPMOST"), 1);
    EXPECT_EQ(readIni(), ini) << "nothing is saved";
}

TEST_F(PanelWindow, TheMinimiseImageMinimises) {
    Reglages& r = showPanel();
    r.Image4.click();
    EXPECT_EQ(r.windowState(), ui::WindowState::Minimized);
}

TEST_F(PanelWindow, TheFifthClickOnPseudoMakesTheWindowRectangularAndEndsTheProgram) {
    Reglages& r = showPanel();
    for (int i = 0; i < 4; ++i) {
        r.Label15.click();
        desk.loop.runFor(60'000);
    }
    EXPECT_FALSE(desk.loop.quitting());
    EXPECT_EQ(readIni().find("Largeur"), std::string::npos);
    r.Label15.click();
    EXPECT_TRUE(desk.loop.quitting());
    EXPECT_NE(readIni().find("Largeur=D"), std::string::npos);
}

// The help and about panes' close images are tried with the help menu.
TEST_F(PanelWindow, PaneCloseImagesPutTheirPaneAwayAndBringBackTheWindowImages) {
    Reglages& r = showPanel();
    r.FrameAlerteUserEntre.setLeft(150);
    r.Image3.setVisible(false);
    r.Image4.setVisible(false);
    ASSERT_TRUE(r.Image2.click());
    EXPECT_EQ(r.FrameAlerteUserEntre.left(), 12000);
    EXPECT_TRUE(r.Image3.visible());
    EXPECT_TRUE(r.Image4.visible());
    r.FrameRaisonPerso.setTop(4150);
    r.Annuler.click();
    EXPECT_EQ(r.FrameRaisonPerso.top(), 7000);
    r.FrameIndicationToucheMicro.setLeft(150);
    r.cestbon.click();
    EXPECT_EQ(r.FrameIndicationToucheMicro.left(), 15000);
}

TEST_F(PanelWindow, TheBusyMicrophoneNoticeShowsWhileTheRoomLinkWaits) {
    room::SimRoom room(desk);
    Reglages& r = showPanel();
    auto& link = program->room;
    link.HandleBoutonMicro = room.micButton();
    link.HandleBoutonMicro2 = room.mic2Button();
    room.model().otherTakesMic();
    int seenLeft = -1;
    desk.loop.startTimer(100, [&] {
        seenLeft = r.Frame2.left();
        link.EmissionSonAnnulee = true;
    });
    link.AttendMicroLibre();
    EXPECT_EQ(seenLeft, 480);
    EXPECT_EQ(r.Frame2.left(), 10000);
}

}  // namespace
}  // namespace wardo::panel::testing
