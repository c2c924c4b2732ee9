// The poller on the virtual clock against the simulated room: which lines it hands over, when, and
// what each tick keeps in step.
#include "monitor_fixture.h"

namespace wardo::monitor::testing {
namespace {

const std::wstring kWelcomeBob = L"(*)Bob, bonjour, bienvenue sur notre room ! (*) ";
const std::string kWelcome = "SalutNouvUser=O\r\n";

class Poller : public MonitoredRoom {};

TEST_F(Poller, GreetsAJoinAtTheNextTickAndOnlyTheNewestOfLinesThatCameTogether) {
    attach(kWelcome);
    desk.loop.runFor(50);
    const auto joined = now();
    room.model().join(L"Alice");
    room.model().join(L"Bob");
    desk.loop.runFor(1000);
    const auto greetings = typed();
    ASSERT_EQ(greetings.size(), 1u);
    EXPECT_EQ(greetings[0].line, kWelcomeBob);
    // Typed at the first tick after the join.
    const auto t = ticks();
    const auto first = std::find_if(t.begin(), t.end(), [&](auto at) { return at > joined; });
    ASSERT_NE(first, t.end());
    EXPECT_EQ(greetings[0].atMs, *first);
    EXPECT_LE(*first - joined, 200);
    // The robot's own greeting came back as the newest line and changed nothing.
    EXPECT_EQ(program->DerniereLigneTraitee, L"(21:05) Zorro_75 : " + kWelcomeBob);
}

TEST_F(Poller, TheSameLineTwiceInARowIsInterpretedOnce) {
    attach();
    room.model().notice(L"Eve : /ding");
    desk.loop.runFor(200);
    room.model().notice(L"Eve : /ding");
    desk.loop.runFor(1000);
    EXPECT_EQ(desk.sounds.played().size(), 1u);
    // Another line between them makes it new again.
    room.model().notice(L"Eve : re");
    desk.loop.runFor(200);
    room.model().notice(L"Eve : /ding");
    desk.loop.runFor(200);
    EXPECT_EQ(desk.sounds.played().size(), 2u);
}

TEST_F(Poller, TheNewestLineAtIdentificationIsNeverInterpreted) {
    room.model().showsUserLines = false;  // the phrase is not shown: the join stays the newest line
    room.model().join(L"Bob");
    attach(kWelcome);
    EXPECT_EQ(program->DerniereLigneTraitee, L"Rejoint la salle : Bob");
    desk.loop.runFor(2000);
    EXPECT_TRUE(typed().empty());
}

TEST_F(Poller, AnUnfinishedLineWaitsForItsLineBreak) {
    attach(kWelcome);
    room.model().appendRaw(L"Rejoint la salle : Bob");
    desk.loop.runFor(1000);
    EXPECT_TRUE(typed().empty());
    room.model().appendRaw(L"\r\n");
    desk.loop.runFor(200);
    ASSERT_EQ(typed().size(), 1u);
    EXPECT_EQ(typed()[0].line, kWelcomeBob);
}

TEST_F(Poller, ALineThatFailsEndsItsTickAndIsNeverRetried) {
    attach();
    program->MicroPris = true;
    room.model().notice(L"Opération impossible. Votre statut est : OPPLUS");
    desk.loop.runFor(200);
    // The tick ended in the interpretation: the microphone flags were not refreshed.
    EXPECT_TRUE(program->MicroPris);
    EXPECT_EQ(program->DerniereLigneTraitee, L"Opération impossible. Votre statut est : OPPLUS");
    desk.loop.runFor(1000);
    EXPECT_FALSE(program->MicroPris);
    EXPECT_TRUE(desk.boxes.shown().empty());
    EXPECT_EQ(program->MotStatut, L"rouge");
    // The next line is followed as usual.
    room.model().notice(L"Eve : /ding");
    desk.loop.runFor(200);
    EXPECT_EQ(desk.sounds.played().size(), 1u);
}

TEST_F(Poller, TheRobotsOwnWelcomeComingBackIsNeverGreeted) {
    attach(kWelcome + "AnnSonore=O\r\nPhraseAccueil=Salut $N ! Join: le quiz ce soir\r\n");
    room.model().join(L"Bob");
    desk.loop.runFor(3000);
    const auto greetings = typed();
    ASSERT_EQ(greetings.size(), 1u);
    EXPECT_EQ(greetings[0].line, L"Salut Bob ! Join: le quiz ce soir ");
    EXPECT_EQ(desk.sounds.played().size(), 1u);
    EXPECT_NE(reglages().FrameAlerteUserEntre.left(), 150);  // no alert
    EXPECT_EQ(program->DerniereLigneTraitee, L"(21:05) Zorro_75 : Salut Bob ! Join: le quiz ce soir ");
}

TEST_F(Poller, WhileTheStatusBoxWaitsThePollerFollowsTheRoomWithoutHandlingItsLineAgain) {
    attach(kWelcome + "[Alertes]\r\n1=1|Mechant\r\n");
    program->MicroPris = true;
    bool nestedTick = false;
    std::int64_t joined = 0;
    std::vector<Typed> greeted;
    std::wstring alerted;
    desk.boxes.whileShown = [&](const auto&) {
        // The box waits for the user; meanwhile the poller goes on.
        desk.loop.runFor(200);
        nestedTick = !program->MicroPris;
        joined = now();
        room.model().join(L"Bob");
        desk.loop.runFor(200);
        greeted = typed();
        room.model().join(L"Mechant");
        desk.loop.runFor(200);
        alerted = reglages().PseudoEnAlerteArrive.caption();
    };
    room.model().notice(L"Les droits de modérateur ont été appliqués /ding");
    desk.loop.runFor(200);
    EXPECT_TRUE(nestedTick);
    ASSERT_EQ(greeted.size(), 1u);
    EXPECT_EQ(greeted[0].line, kWelcomeBob);
    EXPECT_LE(greeted[0].atMs - joined, 200);
    EXPECT_EQ(alerted, L"Mechant");
    // The notice's line was handled once, and to its end as it came: its "/ding" after the box.
    EXPECT_EQ(desk.boxes.shown().size(), 1u);
    ASSERT_EQ(desk.sounds.played().size(), 2u);  // the siren, then the call
    EXPECT_EQ(desk.sounds.played()[1].path, desk.files.programFolder() + L"sonentree1.wav");
}

TEST_F(Poller, ANoticeReadWhileTheStatusBoxWaitsAppliesItsLevelButOpensNoSecondBox) {
    attach();
    std::wstring heading;
    desk.boxes.whileShown = [&](const auto&) {
        if (desk.boxes.shown().size() > 1) return;
        room.model().notice(L"Opération impossible. Votre statut est : OPPLUS.");
        desk.loop.runFor(200);
        heading = reglages().Label1.caption();
    };
    room.model().notice(L"Les droits de modérateur ont été appliqués");
    desk.loop.runFor(200);
    EXPECT_EQ(heading, L"Panel OP plus");
    EXPECT_EQ(program->MotStatut, L"opplus");
    EXPECT_EQ(program->NiveauStatut, 2);
    EXPECT_EQ(desk.boxes.shown().size(), 1u);
    // Once the box is answered, the next notice has its own.
    room.model().notice(L"Operation failed! Your current level is: FRIEND.");
    desk.loop.runFor(200);
    EXPECT_EQ(desk.boxes.shown().size(), 2u);
    EXPECT_EQ(program->NiveauStatut, 4);
}

TEST_F(Poller, ARoomOfFortyThousandLinesIsStillFollowed) {
    attach(kWelcome);
    desk.windows.setLogging(false);
    std::wstring hours;
    for (int i = 0; i < 40'000; ++i) hours += L"(20:00) Membre" + std::to_wstring(i % 50) + L" : bonsoir\r\n";
    room.model().appendRaw(hours);
    desk.loop.runFor(200);
    room.model().join(L"Bob");
    desk.loop.runFor(200);
    const std::wstring greeting = L"(21:05) Zorro_75 : " + kWelcomeBob + L"\r\n";
    const std::wstring& all = room.model().text();
    ASSERT_GE(all.size(), greeting.size());
    EXPECT_EQ(all.substr(all.size() - greeting.size()), greeting);
    room.model().notice(L"Eve : /ding");
    desk.loop.runFor(200);
    EXPECT_EQ(desk.sounds.played().size(), 1u);
}

TEST_F(Poller, WithoutARoomNothingIsInterpretedOrRefreshed) {
    loadPanel(kQuiet);
    program->MicroPris = true;
    program->ToucheMicroEnfoncee = true;
    desk.loop.runFor(2000);
    EXPECT_TRUE(program->MicroPris);
    EXPECT_TRUE(program->ToucheMicroEnfoncee);
    EXPECT_EQ(reglages().Label78(2).caption(), L"");
    EXPECT_TRUE(desk.boxes.shown().empty());
}

TEST_F(Poller, EveryTickKeepsTheMicrophoneAndKeyLatchesAndTheHandleDisplayInStep) {
    attach();
    auto& p = *program;
    p.MicroPris = p.BipPriseDonne = p.ToucheMicroEnfoncee = true;
    room.model().otherTakesMic();
    desk.windows.keyboard.press(40);  // the default push-to-talk key, held
    desk.loop.runFor(1000);
    EXPECT_TRUE(p.MicroPris);
    EXPECT_TRUE(p.BipPriseDonne);
    EXPECT_TRUE(p.ToucheMicroEnfoncee);
    EXPECT_EQ(reglages().Label78(2).caption(), text::decimal(room.textPane()));

    // No new line: the free microphone and the released key are still seen at the next tick.
    room.model().otherReleasesMic();
    desk.windows.keyboard.release(40);
    desk.loop.runFor(200);
    EXPECT_FALSE(p.MicroPris);
    EXPECT_FALSE(p.BipPriseDonne);
    EXPECT_FALSE(p.ToucheMicroEnfoncee);
}

}  // namespace
}  // namespace wardo::monitor::testing
