// The one-nick buttons type their exact lines with their pauses on the virtual clock and go to the task bar
// afterwards when asked; the menu procedures (their lines are checked through the menus) never do.
#include "commands/one_nick_commands.h"

#include "attached_panel_fixture.h"

namespace wardo::commands {
namespace {

using panel::testing::AttachedPanelTest;
using panel::testing::Typed;

using M = panel::ModerationButtons;

struct Commande {
    const char* name;
    ui::Button M::*button;
    std::vector<Typed> lines;  // the target is "Bob Lee"
    std::int64_t durationMs;
};

void PrintTo(const Commande& c, std::ostream* os) {
    *os << c.name;
}

class OneNickCommand : public AttachedPanelTest, public ::testing::WithParamInterface<Commande> {};

TEST_P(OneNickCommand, TypesItsLinesWithItsPausesThenGoesToTheTaskBar) {
    const Commande& c = GetParam();
    panel::Reglages& r = startPanel("RetBarreTaches=O\r\n");
    r.Label2.setCaption(L"Bob Lee");
    (r.*c.button).click();
    EXPECT_EQ(typed(), c.lines);
    EXPECT_EQ(elapsed(), c.durationMs);
    EXPECT_EQ(r.windowState(), ui::WindowState::Minimized);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Commands, OneNickCommand, ::testing::Values(
    Commande{"Depunir", &M::Depunir, {{"/unpunish Bob Lee", 0}}, 650},
    Commande{"CoupeMic", &M::Coupemicperm, {{"/blockmic Bob Lee", 0}}, 650},
    Commande{"CoupeRemetMicro", &M::Couperemetmicro, {{"/blockmic Bob Lee", 0}, {"/unblockmic Bob Lee", 650}},
             1300},
    Commande{"RemetMic", &M::Remetmic, {{"/unblockmic Bob Lee", 0}}, 650},
    Commande{"MetBleu", &M::Metbleu, {{"/oplist remove Bob Lee", 0}, {"/addfriend Bob Lee", 1150}}, 1800},
    Commande{"MetNoir", &M::Metnoir, {{"/oplist remove Bob Lee", 0}}, 650},
    Commande{"MateQui", &M::matequi, {{"/watchlist Bob Lee", 0}}, 150},
    Commande{"QuiMate", &M::quimate, {{"/whowatching Bob Lee", 0}}, 650}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(OneNickCommand, MenuProceduresTypeWithAnEmptyTargetAndNeverMinimise) {
    panel::Reglages& r = startPanel("RetBarreTaches=O\r\n");
    r.part<CommandesPseudo>().Debannir();
    EXPECT_EQ(typed(), (std::vector<Typed>{{"/banlist remove ", 0}}));
    EXPECT_EQ(elapsed(), 650);
    EXPECT_EQ(r.windowState(), ui::WindowState::Normal);
}

TEST_F(OneNickCommand, TheOperatorCodeIsTypedOnlyWhenThereIsOneThePauseAlways) {
    panel::Reglages& r = startPanel();
    program->CodeOpme = L"";
    r.part<CommandesPseudo>().EnvoieCodeOpme();
    EXPECT_TRUE(typed().empty());
    EXPECT_EQ(elapsed(), 500);

    mark();
    program->CodeOpme = L"s3cret";
    r.part<CommandesPseudo>().EnvoieCodeOpme();
    EXPECT_EQ(typed(), (std::vector<Typed>{{"/opme s3cret", 0}}));
    EXPECT_EQ(elapsed(), 650);
}

}  // namespace
}  // namespace wardo::commands
