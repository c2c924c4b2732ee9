// The target nickname: cleared by a click, typed by hand after a double-click, and the one-second
// warning when a button finds none.
#include "commands/target.h"

#include "attached_panel_fixture.h"

namespace wardo::commands {
namespace {

using panel::testing::AttachedPanelTest;
using panel::testing::Typed;

class Target : public AttachedPanelTest {};

TEST_F(Target, AClickClearsItADoubleClickOpensTheEntryOverIt) {
    panel::Reglages& r = startPanel();
    r.Label2.setCaption(L"Bob");
    // The window system's order: the click, then the double-click.
    r.Label2.click();
    r.Label2.dblClick();
    EXPECT_EQ(r.Label2.caption(), L"");
    EXPECT_TRUE(r.PseudoManu.visible());
    EXPECT_EQ(r.PseudoManu.top(), 1440);
    EXPECT_EQ(r.PseudoManu.left(), r.Label2.left());
    EXPECT_EQ(r.PseudoManu.text(), L"");
    EXPECT_TRUE(r.PseudoManu.hasFocus());
}

TEST_F(Target, EnterCopiesTheTypedTextAsItIsAndPutsTheEntryAway) {
    panel::Reglages& r = startPanel();
    r.Label2.dblClick();
    r.PseudoManu.userSetText(L" Bob Lee");
    r.PseudoManu.keyPress('a');
    EXPECT_EQ(r.Label2.caption(), L"") << "ordinary typing";
    EXPECT_EQ(r.PseudoManu.top(), 1440);
    r.PseudoManu.keyPress(13);
    EXPECT_EQ(r.Label2.caption(), L" Bob Lee");
    EXPECT_EQ(r.PseudoManu.top(), 7560);

    r.Label2.setCaption(L"Alice");
    r.Label2.click();
    r.Label2.dblClick();
    r.PseudoManu.keyPress(13);
    EXPECT_EQ(r.Label2.caption(), L"") << "Enter in an empty box leaves the target empty";
}

// "Coupe mic" without a target: the warning is in view at the one pass of events (a timer due then
// reads it), stays for a blocking second, and nothing is typed nor minimised.
TEST_F(Target, WithoutATargetAButtonShowsTheWarningForOneSecondAndDoesNothing) {
    panel::Reglages& r = startPanel("RetBarreTaches=O\r\n");
    std::vector<std::pair<int, std::int64_t>> seen;
    r.Boucle.onTimer = [&] { seen.emplace_back(r.PseudoManquant.left(), elapsed()); };
    desk.loop.sleep(200);  // Boucle is due, not yet fired
    mark();
    r.Coupemicperm.click();
    EXPECT_EQ(seen, (std::vector<std::pair<int, std::int64_t>>{{720, 0}}));
    EXPECT_EQ(elapsed(), 1000);
    EXPECT_EQ(r.PseudoManquant.left(), 5720);
    EXPECT_EQ(r.PseudoManquant.caption(), L" Pseudo user manquant !");
    EXPECT_TRUE(typed().empty());
    EXPECT_EQ(r.windowState(), ui::WindowState::Normal);
}

}  // namespace
}  // namespace wardo::commands
