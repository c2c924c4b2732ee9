// Sanctions: the line typed for each mode, duration, signature and ban type, from the pick list, the
// typed reason and the "direct" buttons; the list and the typed-reason frame around them.
#include "commands/sanctions.h"

#include <functional>

#include "attached_panel_fixture.h"

namespace wardo::commands {
namespace {

using panel::testing::AttachedPanelTest;
using panel::testing::Typed;
using M = panel::ModerationButtons;
using Action = std::function<void(panel::Reglages&)>;

// The first saved reason (or announcement), picked after the mode button.
Action pick(ui::Button M::*mode) {
    return [mode](panel::Reglages& r) {
        (r.*mode).click();
        r.ListRaisons.userSelect(0);
    };
}
// "Personnalisée", then the text typed and Enter.
Action typedReason(ui::Button M::*mode, const wchar_t* reason) {
    return [mode, reason](panel::Reglages& r) {
        (r.*mode).click();
        r.ListRaisons.userSelect(16);
        r.RaisonPerso.userSetText(reason);
        r.RaisonPerso.keyPress(13);
    };
}
Action direct(ui::Button M::*button) {
    return [button](panel::Reglages& r) { (r.*button).click(); };
}

struct Sanction {
    const char* name;
    std::string parametres;  // Signekick, DureePunish, DureeBan, Type Ban
    std::string reason;      // the text of the first reason and of the first announcement
    Action run;
    std::vector<Typed> lines;  // the target is Bob, the robot Robo
};

void PrintTo(const Sanction& s, std::ostream* os) {
    *os << s.name;
}

constexpr const char* kSansSignature = "Signekick=N\r\n";

class SanctionLine : public AttachedPanelTest, public ::testing::WithParamInterface<Sanction> {
protected:
    panel::Reglages& start(const std::string& parametres, const std::string& reason) {
        panel::Reglages& r = startPanel(
            parametres, "[TitresRaisons]\r\n1=Motif\r\n[Raisons]\r\n1=" + reason +
                            "\r\n[TitresAnnonces]\r\n1=Annonce\r\n[Annonces]\r\n1=" + reason + "\r\n");
        program->PseudoRobot = L"Robo";
        return r;
    }
};

TEST_P(SanctionLine, TypesTheLinesOfTheMode) {
    const Sanction& s = GetParam();
    panel::Reglages& r = start(s.parametres, s.reason);
    r.Label2.setCaption(L"Bob");
    s.run(r);
    EXPECT_EQ(typed(), s.lines);
    EXPECT_EQ(elapsed(), s.lines.back().atMs + 150);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Modes, SanctionLine, ::testing::Values(
    Sanction{"KickSigned", "", "Pas de pub $N", pick(&M::kick),
             {{"/kick Bob Pas de pub Bob (par Robo )", 0}}},
    Sanction{"KickKeepsLowerN", kSansSignature, "Va $n", pick(&M::kick), {{"/kick Bob Va $n", 0}}},
    Sanction{"KickTitleWithoutText", kSansSignature, "", pick(&M::kick), {{"/kick Bob ", 0}}},
    Sanction{"WarningNeverSigned", "", "Pas de pub $N", pick(&M::avertir),
             {{"(st) Bob (st), Pas de pub Bob", 0}}},
    Sanction{"Announcement", "", "Bienvenue $N !", pick(&M::Diffannonce), {{"Bienvenue Bob !", 0}}},
    Sanction{"Punish1h", "Signekick=N\r\nDureePunish=1h\r\n", "Spam", pick(&M::Punish),
             {{"/punish Bob 1 hours Spam", 0}}},
    Sanction{"Punish2h", "Signekick=N\r\nDureePunish=2h\r\n", "Spam", pick(&M::Punish),
             {{"/punish Bob 2 hours Spam", 0}}},
    Sanction{"Punish1j", "Signekick=N\r\nDureePunish=1j\r\n", "Spam", pick(&M::Punish),
             {{"/punish Bob 1 days Spam", 0}}},
    Sanction{"Punish2jSigned", "DureePunish=2j\r\n", "Spam", pick(&M::Punish),
             {{"/punish Bob 2 days Spam (par Robo )", 0}}},
    // A hand-edited duration: no duration, and the nickname stays apart from the reason.
    Sanction{"PunishUnknownDuration", "Signekick=N\r\nDureePunish=3h\r\n", "Spam", pick(&M::Punish),
             {{"/punish Bob Spam", 0}}},
    Sanction{"BanIpForever", "DureeBan=def\r\nType Ban=IP+Pseudo\r\n", "Spam", pick(&M::Ban),
             {{"/banlist add deny nick Bob no-expire", 0}, {"/banip Bob", 2150},
              {"/kick Bob Spam (par Robo )", 4300}}},
    Sanction{"BanNickHalfMonth", "Signekick=N\r\nDureeBan=15j\r\nType Ban=Pseudo\r\n", "Spam", pick(&M::Ban),
             {{"/banlist add deny nick Bob expire halfmonth", 0}, {"/kick Bob Spam", 4150}}},
    Sanction{"BanDay", "Signekick=N\r\nDureeBan=1j\r\n", "Spam", pick(&M::Ban),
             {{"/banlist add deny nick Bob expire day", 0}, {"/kick Bob Spam", 4150}}},
    Sanction{"BanMonth", "Signekick=N\r\nDureeBan=1m\r\n", "Spam", pick(&M::Ban),
             {{"/banlist add deny nick Bob expire month", 0}, {"/kick Bob Spam", 4150}}},
    Sanction{"BanYear", "Signekick=N\r\nDureeBan=1a\r\n", "Spam", pick(&M::Ban),
             {{"/banlist add deny nick Bob expire year", 0}, {"/kick Bob Spam", 4150}}},
    Sanction{"BanUnknownDuration", "Signekick=N\r\nDureeBan=2a\r\n", "Spam", pick(&M::Ban),
             {{"/banlist add deny nick Bob", 0}, {"/kick Bob Spam", 4150}}},
    Sanction{"TypedKickReplacesBothN", "", "", typedReason(&M::kick, L"Va $n et $N"),
             {{"/kick Bob Va Bob et Bob (par Robo )", 0}}},
    Sanction{"TypedWarning", "", "", typedReason(&M::avertir, L"Calme $n"),
             {{"(st) Bob (st), Calme Bob", 0}}},
    Sanction{"DirectKick", kSansSignature, "", direct(&M::kickdirect), {{"/kick Bob ", 0}}},
    Sanction{"DirectKickSigned", "", "", direct(&M::kickdirect), {{"/kick Bob  (par Robo )", 0}}},
    Sanction{"DirectPunishSigned", "DureePunish=1h\r\n", "", direct(&M::punishdirect),
             {{"/punish Bob 1 hours  (par Robo )", 0}}},
    Sanction{"DirectBan", "Signekick=N\r\nDureeBan=1m\r\nType Ban=IP+Pseudo\r\n", "", direct(&M::Bandirect),
             {{"/banlist add deny nick Bob expire month", 0}, {"/banip Bob", 2150}, {"/kick Bob ", 4300}}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

class ReasonList : public SanctionLine {};

TEST_F(ReasonList, WithoutATargetTheListIsRefilledButStaysClosed) {
    panel::Reglages& r = start("", "Spam");
    program->ModePunir = true;
    r.ListRaisons.clear();
    r.kick.click();
    EXPECT_EQ(r.ListRaisons.listCount(), 17);
    EXPECT_EQ(r.ListRaisons.left(), 12000);
    EXPECT_EQ(r.PseudoManquant.left(), 5720) << "after the warning's second";
    EXPECT_TRUE(program->ModePunir);
    EXPECT_FALSE(program->ModeKick);
}

TEST_F(ReasonList, TheModeButtonsOpenTheListWhereTheyShouldAndSetOneFlag) {
    panel::Reglages& r = start("", "Spam");
    r.Label2.setCaption(L"Bob");
    const struct {
        ui::Button M::*button;
        bool app::Program::*flag;
        int top;
    } modes[] = {{&M::kick, &app::Program::ModeKick, 850},
                 {&M::avertir, &app::Program::ModeAvertir, 1200},
                 {&M::Punish, &app::Program::ModePunir, 1200},
                 {&M::Ban, &app::Program::ModeBan, 1200},
                 {&M::Diffannonce, &app::Program::ModeAnnonce, 1200}};
    for (const auto& m : modes) {
        (r.*m.button).click();
        EXPECT_EQ(r.ListRaisons.top(), m.top);
        EXPECT_EQ(r.ListRaisons.left(), 2070);
        const int set = program->ModeAvertir + program->ModeKick + program->ModePunir + program->ModeBan +
                        program->ModeAnnonce;
        EXPECT_TRUE((*program).*m.flag);
        EXPECT_EQ(set, 1);
    }
    EXPECT_TRUE(typed().empty());
}

TEST_F(ReasonList, FifteenTitlesEmptyOnesIncludedThenTheTwoFixedEntries) {
    panel::Reglages& r =
        startPanel("",
                   "[TitresRaisons]\r\n1=Pub\r\n3=Flood\r\n[Raisons]\r\n1=Pas de pub\r\n"
                   "2=Orphelin\r\n[TitresAnnonces]\r\n2=Regles\r\n[Annonces]\r\n1=Bonjour\r\n");
    r.Label2.setCaption(L"Bob");
    r.kick.click();
    ASSERT_EQ(r.ListRaisons.listCount(), 17);
    EXPECT_EQ(r.ListRaisons.list(0), L"Pub");
    EXPECT_EQ(r.ListRaisons.list(1), L"");
    EXPECT_EQ(r.ListRaisons.list(2), L"Flood");
    EXPECT_EQ(r.ListRaisons.list(14), L"");
    EXPECT_EQ(r.ListRaisons.list(15), L"ANNULER");
    EXPECT_EQ(r.ListRaisons.list(16), L"Personnalisée");
    Sanctions& s = r.part<Sanctions>();
    EXPECT_EQ(s.TextesListeRaisons[1], L"Pas de pub");
    EXPECT_EQ(s.TextesListeRaisons[2], L"Orphelin");

    r.Diffannonce.click();
    EXPECT_EQ(r.ListRaisons.list(0), L"");
    EXPECT_EQ(r.ListRaisons.list(1), L"Regles");
    EXPECT_EQ(s.TextesListeRaisons[1], L"Bonjour");
    EXPECT_EQ(s.TextesListeRaisons[2], L"") << "the reasons' texts are dropped";
}

TEST_F(ReasonList, AnEmptyTitleDoesNothingAnnulerPutsTheListAway) {
    panel::Reglages& r = start("", "Spam");
    r.Label2.setCaption(L"Bob");
    r.kick.click();
    r.ListRaisons.userSelect(5);
    EXPECT_EQ(r.ListRaisons.left(), 2070);
    r.ListRaisons.userSelect(15);
    EXPECT_EQ(r.ListRaisons.left(), 16920);
    EXPECT_TRUE(typed().empty());
    EXPECT_EQ(r.FrameRaisonPerso.top(), 7000);
}

TEST_F(ReasonList, PersonnaliseeOpensTheFrameForTheMode) {
    panel::Reglages& r = start("", "Spam");
    r.Label2.setCaption(L"Bob");
    for (const auto& [mode, hint, top] :
         {std::tuple{&M::avertir, false, 350}, std::tuple{&M::Ban, true, 500}}) {
        (r.*mode).click();
        r.RaisonPerso.setText(L"ancien");
        r.ListRaisons.userSelect(16);
        EXPECT_EQ(r.FrameRaisonPerso.top(), 4150);
        EXPECT_EQ(r.ListRaisons.left(), 16920);
        EXPECT_EQ(r.RaisonPerso.text(), L"");
        EXPECT_TRUE(r.RaisonPerso.hasFocus());
        EXPECT_EQ(r.Label74.visible(), hint);
        EXPECT_EQ(r.RaisonPerso.top(), top);
    }
    r.RaisonPerso.keyPress(13);
    EXPECT_EQ(r.FrameRaisonPerso.top(), 7000) << "Enter on an empty text";
    EXPECT_TRUE(typed().empty());
}

TEST_F(ReasonList, AnnouncementsGoToTheTaskBarTypedReasonsNever) {
    panel::Reglages& r = start("RetBarreTaches=O\r\n", "Bienvenue $N");
    r.Diffannonce.click();
    EXPECT_EQ(r.windowState(), ui::WindowState::Minimized) << "with the list open";
    EXPECT_EQ(r.ListRaisons.left(), 2070);
    r.setWindowState(ui::WindowState::Normal);
    r.ListRaisons.userSelect(0);
    EXPECT_EQ(r.windowState(), ui::WindowState::Minimized);
    EXPECT_EQ(typed(), (std::vector<Typed>{{"Bienvenue ", 0}})) << "no target: \"$N\" goes";

    r.setWindowState(ui::WindowState::Normal);
    r.Label2.setCaption(L"Bob");
    typedReason(&M::kick, L"Dehors")(r);
    EXPECT_EQ(r.windowState(), ui::WindowState::Normal);
}

// The room poller (a stand-in tick on Boucle here) runs at each of the ban's two pumps and types its
// own line between the ban's lines.
TEST_F(ReasonList, TheBanLetsTheTimersRunAfterEachWait) {
    panel::Reglages& r = start("DureeBan=def\r\nType Ban=IP+Pseudo\r\n", "Spam");
    r.Label2.setCaption(L"Bob");
    int ticks = 0;
    r.Boucle.onTimer = [&] { program->room.EnvoieChat(L"poll " + std::to_wstring(++ticks)); };
    r.Ban.click();
    mark();
    r.ListRaisons.userSelect(0);
    EXPECT_EQ(typed(), (std::vector<Typed>{{"/banlist add deny nick Bob no-expire", 0},
                                           {"poll 1", 2150},
                                           {"/banip Bob", 2300},
                                           {"poll 2", 4450},
                                           {"/kick Bob Spam (par Robo )", 4600}}));
}

}  // namespace
}  // namespace wardo::commands
