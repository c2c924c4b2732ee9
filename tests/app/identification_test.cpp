// Learning the robot's own nickname from the line where the room shows its connection phrase.
#include <limits>

#include "app_fixture.h"

namespace wardo::app::testing {
namespace {

class Identification : public RoomTest {
protected:
    Identification() {
        desk.loop.setTimeOfDay(21, 5, 0);
        startUp();
        desk.loop.runFor(1000);
    }
    bool recupnombot(const std::wstring& t) { return principale().recupnombot(t); }
};

TEST_F(Identification, ConnectionButtonFindsTheRoomTypesThePhraseAndLearnsTheNickname) {
    auto& r = openRoom();
    r.model().setNick(L"Zorro_75");
    r.model().say(L"Bob", L"bonsoir");
    principale().Connexionroom.click();
    EXPECT_EQ(program->PseudoRobot, L"Zorro_75");
    EXPECT_EQ(reglages().pseudomodo.caption(), L"de Zorro_75");
    EXPECT_TRUE(reglages().visible());
    EXPECT_FALSE(principale().visible());
    EXPECT_EQ(r.model().text(), L"(21:05) Bob : bonsoir\r\n(21:05) Zorro_75 : Salut la room !\r\n");
    // The poller starts after what the room already shows.
    EXPECT_EQ(program->DerniereLigneChat, L"(21:05) Zorro_75 : Salut la room !");
    EXPECT_EQ(program->DerniereLigneTraitee, program->DerniereLigneChat);
}

TEST_F(Identification, ReadsTheRoomAfterThePhraseAndTheTwoPauses) {
    auto& r = openRoom();
    ASSERT_TRUE(principale().ReConnexAuto());
    const auto start = desk.loop.nowMs();
    principale().connection();
    EXPECT_GE(desk.loop.nowMs() - start, 400);
    const auto log = desk.windows.logFor(r.textPane());
    ASSERT_FALSE(log.empty());
    EXPECT_GE(log.front().timeMs - start, 400);
}

TEST_F(Identification, PhraseOnlyInTheFirstLineIsNotFound) {
    auto& r = openRoom();
    r.model().showsUserLines = false;
    r.model().notice(L"Zorro : Salut la room !");
    r.model().notice(L"Bob : salut");
    ASSERT_TRUE(principale().ConnexAuto());
    EXPECT_EQ(program->PseudoRobot, L"");
    EXPECT_FALSE(program->reglagesCreated());
    EXPECT_EQ(program->DerniereLigneChat, L"Bob : salut");
}

TEST_F(Identification, NoLineBreakChangesNothing) {
    auto& r = openRoom();
    r.model().showsUserLines = false;
    r.model().appendRaw(L"Zorro : Salut la room !");
    program->DerniereLigneChat = L"avant";
    ASSERT_TRUE(principale().ConnexAuto());
    EXPECT_EQ(program->DerniereLigneChat, L"avant");
    EXPECT_EQ(program->PseudoRobot, L"");
}

TEST_F(Identification, PhraseInTheUnfinishedLastLineShowsThePanelWithTheOldNickname) {
    auto& r = openRoom();
    r.model().showsUserLines = false;
    r.model().notice(L"Bob : salut");
    r.model().appendRaw(L"(21:05) Zorro : Salut la room !");
    program->PseudoRobot = L"Ancien";
    ASSERT_TRUE(principale().ConnexAuto());
    EXPECT_EQ(program->PseudoRobot, L"Ancien");
    EXPECT_EQ(reglages().pseudomodo.caption(), L"de Ancien");
    EXPECT_TRUE(reglages().visible());
    EXPECT_EQ(program->DerniereLigneChat, L"Bob : salut");
}

TEST_F(Identification, TooManyLinesOnlyMovesThePollerMarkers) {
    auto& r = openRoom();
    r.model().showsUserLines = false;
    std::wstring many;
    for (int i = 0; i < 32767; ++i) many += L"x\r\n";
    r.model().appendRaw(many + L"Zorro : Salut la room !\r\n");
    ASSERT_TRUE(principale().ConnexAuto());
    EXPECT_EQ(program->DerniereLigneChat, L"Zorro : Salut la room !");
    EXPECT_EQ(program->PseudoRobot, L"");
    EXPECT_FALSE(program->reglagesCreated());
}

// The room's text read back after "Salut la room !" was typed, from a robot known as "Ancien".
TEST_F(Identification, TheNicknameIsReadFromTheLastLineOfThePhrase) {
    const struct {
        const wchar_t* text;
        bool read;
        const wchar_t* nickname;
    } cases[] = {
        {L"(21:05) Zorro : Salut la room !\r\n", true, L"Zorro"},
        {L"  Zorro  : Salut la room !\r\n", true, L"Zorro"},
        // A time stamp without parentheses: its own ":" cuts the nickname.
        {L"21:05 Zorro : Salut la room !\r\n", true, L"21"},
        // A part in parentheses goes with the character after it.
        {L"Zo(rr)o_ : Salut la room !\r\n", true, L"Zo_"},
        // A later member typing the same phrase wins.
        {L"(21:05) Zorro : Salut la room !\r\n(21:05) Bob : Salut la room !\r\n\r\n", true, L"Bob"},
        {L"(21:05) Zorro : SALUT LA ROOM !\r\n", true, L"Ancien"},
        {L": Salut la room !\r\n", true, L""},
        // No ":" once the group is removed: it stops, keeping what the earlier lines gave.
        {L"Zorro : Salut la room !\r\nSalut la room !\r\nBob : Salut la room !\r\n", false, L"Zorro"},
        // A ")" well before its "(": the group would have a negative length.
        {L"a) bc (d : Salut la room !\r\n", false, L"Ancien"},
        // ")" just before "(": a group of one "(" is removed, nothing fails.
        {L"Bo)(b : Salut la room !\r\n", true, L"Bo)b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(text::toAnsi(c.text));
        program->PseudoRobot = L"Ancien";
        EXPECT_EQ(recupnombot(c.text), c.read);
        EXPECT_EQ(program->PseudoRobot, c.nickname);
    }
}

TEST_F(Identification, TheCaptionShowsTheLastNicknameReadAndNoEmptyOne) {
    ASSERT_TRUE(recupnombot(L"(21:05) Zorro : Salut la room !\r\n(21:05) Bob : Salut la room !\r\n"));
    EXPECT_EQ(reglages().pseudomodo.caption(), L"de Bob");
    EXPECT_TRUE(recupnombot(L": Salut la room !\r\n"));
    EXPECT_EQ(reglages().pseudomodo.caption(), L"de Bob");
}

TEST_F(Identification, AnUnreadableLineLoadsNoPanel) {
    EXPECT_FALSE(recupnombot(L"Zorro : Salut la room !\r\nSalut la room !\r\n"));
    EXPECT_FALSE(program->reglagesCreated());
}

TEST_F(Identification, EmptyPhraseTakesTheNewestCompleteLine) {
    program->TexteConnexion = L"";
    EXPECT_TRUE(recupnombot(L"Al : a\r\nBob : b\r\n"));
    EXPECT_EQ(program->PseudoRobot, L"Bob");
    // Any complete line without ":" stops it.
    EXPECT_FALSE(recupnombot(L"Carl : c\r\nnon\r\nDan : d\r\n"));
    EXPECT_EQ(program->PseudoRobot, L"Carl");
}

TEST_F(Identification, EmptyPhraseTypesAnEmptyLineAndStillIdentifies) {
    auto& r = openRoom();
    program->TexteConnexion = L"";
    r.model().say(L"Bob", L"coucou");
    r.model().say(L"Al", L"yo");
    ASSERT_TRUE(principale().ConnexAuto());
    EXPECT_EQ(r.model().sendPresses(), 1);
    EXPECT_EQ(program->PseudoRobot, L"Al");
}

// A pane of the room answers WM_GETTEXTLENGTH with the largest length there is (0x7FFFFFFF where a long
// holds 32 bits, as on Windows): the read must not overflow, and the identification ends quietly.
class LengthOfThePane : public platform::sim::SimWindowSystem {
public:
    using SimWindowSystem::SimWindowSystem;
    long getTextLength(platform::WindowHandle w) override {
        return w == largest ? std::numeric_limits<long>::max() : SimWindowSystem::getTextLength(w);
    }
    platform::WindowHandle largest = 0;
};

TEST(IdentificationRead, APaneAnsweringTheLargestLengthEndsItQuietly) {
    for (const bool largest : {false, true}) {
        SCOPED_TRACE(largest);
        platform::sim::SimDesktop desk;
        LengthOfThePane windows{desk.loop};
        platform::Platform p{windows,  desk.loop,   desk.boxes,   desk.sounds, desk.files,
                             desk.env, desk.digest, desk.network, {}};
        desk.loop.setTimeOfDay(21, 5, 0);
        room::SimRoom r{windows, desk.loop};
        r.model().setNick(L"Zorro_75");
        r.model().say(L"Bob", L"bonsoir");
        if (largest) windows.largest = r.textPane();
        ui::HeadlessHost host;
        Program program(p, host);
        program.principale().show();
        ASSERT_TRUE(program.principale().ConnexAuto());
        EXPECT_EQ(program.PseudoRobot, largest ? L"" : L"Zorro_75");
        EXPECT_EQ(program.DerniereLigneChat, largest ? L"" : L"(21:05) Zorro_75 : Salut la room !");
        EXPECT_EQ(program.reglagesCreated(), !largest);
    }
}

}  // namespace
}  // namespace wardo::app::testing
