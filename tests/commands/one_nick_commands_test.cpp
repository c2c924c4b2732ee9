// The one-nick commands: each button and each menu procedure types its exact lines with its pauses on
// the virtual clock; the buttons go to the task bar afterwards when asked, the menu procedures never.
#include "commands/one_nick_commands.h"

#include <functional>

#include "attached_panel_fixture.h"

namespace wardo::commands {
namespace {

using panel::testing::AttachedPanelTest;
using panel::testing::Typed;

struct Commande {
    const char* name;
    std::function<void(panel::Reglages&)> run;
    std::vector<Typed> lines;  // the target is "Bob Lee"
    std::int64_t durationMs;
    bool minimises;
};

void PrintTo(const Commande& c, std::ostream* os) {
    *os << c.name;
}

std::function<void(panel::Reglages&)> bouton(ui::Button panel::ModerationButtons::*b) {
    return [b](panel::Reglages& r) { (r.*b).click(); };
}
std::function<void(panel::Reglages&)> procedure(void (CommandesPseudo::*p)()) {
    return [p](panel::Reglages& r) { (r.part<CommandesPseudo>().*p)(); };
}

using M = panel::ModerationButtons;

class OneNickCommand : public AttachedPanelTest, public ::testing::WithParamInterface<Commande> {};

TEST_P(OneNickCommand, TypesItsLinesWithItsPauses) {
    const Commande& c = GetParam();
    panel::Reglages& r = startPanel("RetBarreTaches=O\r\n");
    r.Label2.setCaption(L"Bob Lee");
    c.run(r);
    EXPECT_EQ(typed(), c.lines);
    EXPECT_EQ(elapsed(), c.durationMs);
    EXPECT_EQ(r.windowState(), c.minimises ? ui::WindowState::Minimized : ui::WindowState::Normal);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, OneNickCommand,
    ::testing::Values(
        Commande{"Depunir", bouton(&M::Depunir), {{"/unpunish Bob Lee", 0}}, 650, true},
        Commande{"CoupeMic", bouton(&M::Coupemicperm), {{"/blockmic Bob Lee", 0}}, 650, true},
        Commande{"CoupeRemetMicro",
                 bouton(&M::Couperemetmicro),
                 {{"/blockmic Bob Lee", 0}, {"/unblockmic Bob Lee", 650}},
                 1300,
                 true},
        Commande{"RemetMic", bouton(&M::Remetmic), {{"/unblockmic Bob Lee", 0}}, 650, true},
        Commande{"MetBleu",
                 bouton(&M::Metbleu),
                 {{"/oplist remove Bob Lee", 0}, {"/addfriend Bob Lee", 1150}},
                 1800,
                 true},
        Commande{"MetNoir", bouton(&M::Metnoir), {{"/oplist remove Bob Lee", 0}}, 650, true},
        Commande{"MateQui", bouton(&M::matequi), {{"/watchlist Bob Lee", 0}}, 150, true},
        Commande{"QuiMate", bouton(&M::quimate), {{"/whowatching Bob Lee", 0}}, 650, true},
        Commande{
            "Debannir", procedure(&CommandesPseudo::Debannir), {{"/banlist remove Bob Lee", 0}}, 650, false},
        Commande{
            "PasseOpSimple",
            procedure(&CommandesPseudo::PasseOpSimple),
            {{"/oplist remove Bob Lee", 0}, {"/oplist add Bob Lee", 1150}, {"/oplist add Bob Lee", 2300}},
            2950,
            false},
        Commande{"PasseOpPlus",
                 procedure(&CommandesPseudo::PasseOpPlus),
                 {{"/oplist remove Bob Lee", 0}, {"/oplist add Bob Lee +", 1150}},
                 2300,
                 false}),
    [](const auto& info) { return info.param.name; });

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
