// The pick-up of the target nickname from the room's input line, tick by tick of BoucleLectPseudo.
#include "monitor/target_pickup.h"

#include "attached_panel_fixture.h"
#include "editors/messages_edit.h"

namespace wardo::monitor {
namespace {

using panel::testing::AttachedPanelTest;
using ui::WindowState;

struct Saisie {
    const char* name;
    std::wstring input;
    std::wstring target;  // empty: not taken, the target stays "Alice"
    bool occupied;
};

void PrintTo(const Saisie& s, std::ostream* os) {
    *os << s.name;
}

class PickUp : public AttachedPanelTest, public ::testing::WithParamInterface<Saisie> {};

TEST_P(PickUp, TakesOnlyANicknameOfferedByTheChatClient) {
    const Saisie& s = GetParam();
    panel::Reglages& r = startPanel();
    r.Label2.setCaption(L"Alice");
    r.setWindowState(WindowState::Minimized);
    room.model().setInput(s.input);
    desk.loop.runFor(500);

    const bool taken = !s.target.empty();
    EXPECT_EQ(r.Label2.caption(), taken ? s.target : L"Alice");
    EXPECT_EQ(room.model().input(), taken ? L"" : s.input);
    EXPECT_EQ(r.windowState(), taken ? WindowState::Normal : WindowState::Minimized);
    EXPECT_EQ(program->SaisieChatOccupee, s.occupied);
}

INSTANTIATE_TEST_SUITE_P(
    InputLine, PickUp,
    ::testing::Values(Saisie{"NicknameAndComma", L"Bob, ", L"Bob", true},
                      Saisie{"NicknameCommaFullStop", L"Bob, .", L"Bob", true},
                      Saisie{"EveryFullStopGoes", L"B.o.b_75, ", L"Bob_75", true},
                      Saisie{"NicknameWithABlank", L"Bob Lee, ", L"", true},
                      Saisie{"Command", L"/kick Bob, ", L"", true},
                      Saisie{"SlashFirst", L"/Bob, ", L"", true},
                      Saisie{"CommaWithoutBlank", L"Bob,", L"", true},
                      Saisie{"Sentence", L"salut tout le monde", L"", true}, Saisie{"Empty", L"", L"", false},
                      // Past position 32767 the scan overflows: the tick ends, nothing taken.
                      Saisie{"HugeNicknameAndComma", std::wstring(40000, L'x') + L", ", L"", true},
                      Saisie{"HugeWithoutBlank", std::wstring(40000, L'x'), L"", true}),
    [](const auto& info) { return info.param.name; });

TEST_F(PickUp, ReadsTheLineEmptiesItAndBringsThePanelForward) {
    startPanel();
    program->messagesEdit().show();
    room.model().setInput(L"Bob, ");
    desk.loop.runFor(500);
    const auto log = desk.windows.logFor(room.inputLine());
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].kind, platform::sim::MessageKind::GetTextLength);
    EXPECT_EQ(log[1].kind, platform::sim::MessageKind::GetText);
    EXPECT_EQ(log[1].text, "Bob, ");
    EXPECT_EQ(log[2].kind, platform::sim::MessageKind::SetText);
    EXPECT_EQ(log[2].text, "");
    EXPECT_EQ(host.activeForm(), &reglages());
    EXPECT_EQ(program->TexteSaisieChat, L"Bob, ");
    EXPECT_EQ(program->LongueurTexteLu, 5);
    EXPECT_TRUE(program->SaisieChatOccupee) << "until the next tick reads the empty line";
    desk.loop.runFor(500);
    EXPECT_FALSE(program->SaisieChatOccupee);
}

TEST_F(PickUp, OffItTakesNothingAndKeepsWhetherTheUserWasTyping) {
    panel::Reglages& r = startPanel();
    room.model().setInput(L"salut tout");
    desk.loop.runFor(500);
    r.BoucleLectPseudo.setEnabled(false);
    room.model().setInput(L"Bob, ");
    desk.loop.runFor(5000);
    EXPECT_EQ(r.Label2.caption(), L"");
    EXPECT_EQ(room.model().input(), L"Bob, ");
    EXPECT_TRUE(program->SaisieChatOccupee);
    EXPECT_EQ(program->TexteSaisieChat, L"salut tout");

    r.BoucleLectPseudo.setEnabled(true);
    desk.loop.runFor(500);
    EXPECT_EQ(r.Label2.caption(), L"Bob");
}

TEST_F(PickUp, AFailedTickLeavesTheNextOneToStartAfresh) {
    panel::Reglages& r = startPanel();
    room.model().setInput(std::wstring(40000, L'x') + L", ");
    desk.loop.runFor(500);
    room.model().setInput(L"Bob, ");
    desk.loop.runFor(500);
    EXPECT_EQ(r.Label2.caption(), L"Bob");
}

TEST_F(PickUp, BeforeTheAttachNothingIsRead) {
    panel::Reglages& r = startPanel();
    program->room.HandleSaisieChat = 0;
    program->SaisieChatOccupee = true;
    room.model().setInput(L"Bob, ");
    desk.loop.runFor(500);
    EXPECT_FALSE(program->SaisieChatOccupee);
    EXPECT_EQ(r.Label2.caption(), L"");
}

// Beyond the inputs above: a slash anywhere, and the exact length where the 16-bit scan overflows.
TEST(PlusieursMots, ASlashAnywhereAndThe16BitScan) {
    EXPECT_TRUE(PlusieursMots(L"a/b"));
    EXPECT_TRUE(PlusieursMots(L"/" + std::wstring(40000, L'x')));
    EXPECT_FALSE(PlusieursMots(std::wstring(32766, L'x')));
    EXPECT_THROW(PlusieursMots(std::wstring(32767, L'x')), text::RuntimeError);
}

}  // namespace
}  // namespace wardo::monitor
