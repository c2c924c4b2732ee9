// Finding the room's browser window, the chat panel and its controls, and the handle display.
#include "chatlink/attach.h"

#include "app_fixture.h"

namespace wardo::app::testing {
namespace {

class Attach : public RoomTest {
protected:
    chatlink::RoomLink& link() { return program->room; }
};

TEST_F(Attach, FirstVisibleTitledExactIEFrameWinsOverDecoysAboveIt) {
    auto& right = openRoom();
    // Each new top-level window goes on top: these three come before the right one in the walk.
    openRoom({.visible = false});
    openRoom({.title = ""});
    openRoom({.browserClass = "ieframe"});
    EXPECT_EQ(principale().ChercheIEFrame(), right.browser());
}

TEST_F(Attach, HigherOfTwoValidBrowserWindowsWins) {
    openRoom();
    auto& higher = openRoom({.title = "Autre salle"});
    EXPECT_EQ(principale().ChercheIEFrame(), higher.browser());
}

TEST_F(Attach, NoBrowserWindowStoresNothing) {
    link().HandleTexteChat = 1234;
    EXPECT_EQ(principale().ChercheIEFrame(), 0);
    EXPECT_FALSE(principale().ConnexAuto());
    EXPECT_EQ(link().HandleTexteChat, 1234);
    // The silent re-search has no early exit: it stores zeros.
    EXPECT_FALSE(principale().ReConnexAuto());
    EXPECT_EQ(link().HandleTexteChat, 0);
    EXPECT_EQ(link().HandleTexteChatControle, 0);
}

TEST_F(Attach, FindsEveryControlByPathAndPosition) {
    auto& r = openRoom();
    EXPECT_TRUE(principale().ConnexAuto());
    EXPECT_EQ(link().HandlePanneauChat, r.panel());
    EXPECT_EQ(link().HandleTexteChat, r.textPane());
    EXPECT_EQ(link().HandleTexteChatControle, r.textPane());
    EXPECT_EQ(link().HandleSaisieChat, r.inputLine());
    EXPECT_EQ(link().HandleBoutonEnvoi, r.sendButton());
    EXPECT_EQ(link().HandleBoutonMicro, r.micButton());
    EXPECT_EQ(link().HandleBoutonMicro2, r.mic2Button());
}

TEST_F(Attach, SevenButtonsStillAttachWithoutMicrophones) {
    auto& r = openRoom({.buttons = 7});
    EXPECT_TRUE(principale().ConnexAuto());
    EXPECT_EQ(link().HandleBoutonEnvoi, r.sendButton());
    EXPECT_EQ(link().HandleBoutonMicro, 0);
    EXPECT_EQ(link().HandleBoutonMicro2, 0);
    EXPECT_TRUE(link().MicroOccupe());
}

TEST_F(Attach, FailedAttachOverwritesTheHandlesOfAnEarlierOne) {
    auto& first = openRoom();
    ASSERT_TRUE(principale().ConnexAuto());
    desk.windows.destroy(first.browser());
    auto& broken = openRoom({.withTextPane = false});
    EXPECT_FALSE(principale().ConnexAuto());
    EXPECT_EQ(link().HandleTexteChat, 0);
    EXPECT_EQ(link().HandleSaisieChat, broken.inputLine());
    EXPECT_EQ(link().HandlePanneauChat, broken.panel());
}

TEST_F(Attach, BrokenPathEndsOnNoPanel) {
    openRoom({.withPath = false});
    EXPECT_FALSE(principale().ConnexAuto());
    EXPECT_EQ(link().HandlePanneauChat, 0);
    EXPECT_EQ(link().HandleBoutonEnvoi, 0);
}

TEST_F(Attach, ReConnexAutoStoresButNeverIdentifies) {
    auto& r = openRoom();
    EXPECT_TRUE(principale().ReConnexAuto());
    EXPECT_EQ(link().HandleTexteChat, r.textPane());
    EXPECT_EQ(r.model().sendPresses(), 0);
}

TEST_F(Attach, HandleDisplayShowsFreshAndStoredValuesAndReddensChanges) {
    auto& r = openRoom();
    ASSERT_TRUE(principale().ConnexAuto());
    auto& l = reglages().Label78;
    principale().affichehandles();
    EXPECT_EQ(l(1).caption(), text::decimal(r.panel()));
    EXPECT_EQ(l(6).caption(), text::decimal(r.sendButton()));
    for (int i = 7; i <= 12; ++i) EXPECT_EQ(l(i).foreColor(), 0x000000) << i;
    EXPECT_EQ(l(8).caption(), text::decimal(r.textPane()));

    // The room's window closes: every stored handle that is not 0 turns red.
    desk.windows.destroy(r.browser());
    principale().affichehandles();
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(l(i).caption(), L"0") << i;
    for (int i = 7; i <= 12; ++i) EXPECT_EQ(l(i).foreColor(), 0x0000FF) << i;
    EXPECT_EQ(l(0).caption().size(), 75u);
}

// Each control is the first of its class in child order, whatever comes around it; buttons are counted
// over the panel's "Button" children only, and child classes match whatever their letter case.
TEST_F(Attach, ControlsAreFoundAmongOtherChildrenInChildOrder) {
    auto& ws = desk.windows;
    const auto panel = ws.create(ws.desktop(), "ChatPanel", "Salle");
    std::vector<platform::WindowHandle> buttons;
    auto button = [&] { buttons.push_back(ws.create(panel, "Button")); };
    button();
    const auto saisie = ws.create(panel, "EDIT");
    ws.create(panel, "Static");
    const auto texte = ws.create(panel, "RichEdit20W");
    ws.create(panel, "Edit");
    for (int i = 0; i < 6; ++i) button();
    ws.create(panel, "ButtonBar");
    for (int i = 0; i < 3; ++i) button();
    ws.create(panel, "RichEdit20W");

    const auto found = chatlink::RechercheControles(link(), panel);
    EXPECT_EQ(found.panel, panel);
    EXPECT_EQ(found.texte, texte);
    EXPECT_EQ(found.saisie, saisie);
    EXPECT_EQ(found.envoi, buttons[0]);
    EXPECT_EQ(found.micro, buttons[7]);
    EXPECT_EQ(found.micro2, buttons[8]);
}

// A caption write is a window message to the label: a display that shows the same handles writes none,
// and a changed handle rewrites its own label alone, in red.
TEST_F(Attach, HandleDisplayRewritesAndReddensOnlyWhatChanged) {
    openRoom({.buttons = 7});
    ASSERT_TRUE(principale().ConnexAuto());
    principale().affichehandles();
    auto& l = reglages().Label78;
    // Microphone handles are 0 on both sides: equal, so black.
    EXPECT_EQ(l(10).foreColor(), 0x000000);
    host.log.clear();
    principale().affichehandles();
    EXPECT_TRUE(host.log.empty());
    link().HandleBoutonEnvoi = 42;
    principale().affichehandles();
    EXPECT_EQ(host.log,
              (std::vector<std::wstring>{L"Reglages.Label78(12).Caption", L"Reglages.Label78(12).Colors"}));
    EXPECT_EQ(l(12).foreColor(), 0x0000FF);
    EXPECT_EQ(l(7).foreColor(), 0x000000);
}

}  // namespace
}  // namespace wardo::app::testing
