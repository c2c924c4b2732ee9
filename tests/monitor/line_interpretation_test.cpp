// The interpretation of one line at a time: joins and the welcome phrase, watched nicknames, the entry
// sound and "/ding"; status and rights notices; the alert frame. Lines go straight to the procedures,
// the poller held still, and every typed line and sound is read back with its virtual time.
#include <optional>

#include "monitor_fixture.h"

namespace wardo::monitor::testing {
namespace {

constexpr const wchar_t* kSon = L"sonentree1.wav";
constexpr const wchar_t* kSirene = L"sireneincendie.wav";

class Interpretation : public MonitoredRoom {
protected:
    void attachStill(const std::string& ini = "") {
        attach(ini);
        reglages().Boucle.setEnabled(false);
    }
    // Each line in turn, as the poller hands it over; true when one of them could not be read.
    bool feed(const std::vector<std::wstring>& lines) {
        bool failed = false;
        for (std::wstring line : lines) {
            try {
                interpretation().traiteligne(line);
            } catch (const text::RuntimeError&) {
                failed = true;
            }
        }
        return failed;
    }
};

struct JoinCase {
    const char* name;
    std::string ini;  // keys of [Parametres], then any other section
    std::vector<std::wstring> lines;
    std::vector<Typed> typed;
    std::vector<Started> sounds;  // a siren comes with the alert frame for Bob
    bool userTyping = false;
    bool fails = false;
};

std::ostream& operator<<(std::ostream& os, const JoinCase& c) {
    return os << c.name;
}

const std::wstring kBob = L"(*)Bob, bonjour, bienvenue sur notre room ! (*)";
const std::wstring kAlice = L"(*)Alice, bonjour, bienvenue sur notre room ! (*)";
const std::string kOn = "SalutNouvUser=O\r\nAnnSonore=O\r\n";

// clang-format off
const JoinCase kJoins[] = {
    {"TimeStampBeforeTheFrenchJoin", kOn, {L"(21:05) Rejoint la salle : Bob   "},
     {{kBob + L" ", 0}}, {{kSon, 150}}},
    {"RemarkAfterTheNickname", kOn, {L"Rejoint la salle : Bob (absent)"}, {{kBob + L" ", 0}}, {{kSon, 150}}},
    {"FrenchJoinOnlyAtTheStart", kOn, {L"Eve : Rejoint la salle : Bob"}, {}, {}},
    {"EnglishJoinAnywhereTakesTheRestOfTheLine", kOn, {L"  Eve says Join: Bob"},
     {{L"(*)Eve says Bob, bonjour, bienvenue sur notre room ! (*) ", 0}}, {{kSon, 150}}},
    {"EmptyNicknameIsNoJoin", kOn, {L"Rejoint la salle :    "}, {}, {}},
    {"TheFinalBlankAlternates", kOn, {L"Rejoint la salle : Bob", L"Join: Alice", L"Rejoint la salle : Bob"},
     {{kBob + L" ", 0}, {kAlice, 150}, {kBob + L" ", 300}}, {{kSon, 150}, {kSon, 300}, {kSon, 450}}},
    {"NoWelcomeWhileTheUserTypes", kOn, {L"Join: Bob"}, {}, {{kSon, 0}}, true},
    {"WatchedNicknameInAnotherCaseReplacesTheEntrySound", kOn + "[Alertes]\r\n1=0|Bob\r\n2=1|bOB\r\n",
     {L"Join: Bob"}, {{kBob + L" ", 0}}, {{kSirene, 150}}},
    {"WatchedTwiceSirenTwiceAtEveryJoin", "AnnSonore=O\r\n[Alertes]\r\n3=1|Bob\r\n5=1|BOB\r\n",
     {L"Join: Bob", L"Join: Bob"}, {}, {{kSirene, 0}, {kSirene, 0}, {kSirene, 0}, {kSirene, 0}}},
    {"ReentrantNicknameGreetedOnceEvenAfterOtherLines", kOn,
     {L"Join: Bob", L"(21:06) Eve : salut Bob", L"Join: Bob", L"Join: Alice", L"Join: Bob"},
     {{kBob + L" ", 0}, {kAlice, 150}, {kBob + L" ", 300}}, {{kSon, 150}, {kSon, 300}, {kSon, 450}}},
    {"ReentrantNicknameGreetedAgainWhenNotIgnored", kOn + "IgnoreReentrant=N\r\n",
     {L"Join: Bob", L"Join: Bob"}, {{kBob + L" ", 0}, {kBob, 150}}, {{kSon, 150}, {kSon, 300}}},
    {"OnlyTheCapitalMarkIsReplaced", "SalutNouvUser=O\r\nPhraseAccueil=Salut $n, $N et $N !\r\n",
     {L"Join: Bob"}, {{L"Salut $n, Bob et Bob ! ", 0}}, {}},
    {"CommandForgedInTheNicknameIsNeverTyped", kOn + "PhraseAccueil=$N, bienvenue !\r\n",
     {L"Join: /kick Zorro_75 dehors", L"Join:  /ban Zorro_75", L"Join: Bob"},
     {{L"Bob, bienvenue ! ", 0}}, {{kSon, 0}, {kSon, 0}, {kSon, 150}}},
    {"CommandForgedBehindAnyBlankOrControlIsNeverTyped", "SalutNouvUser=O\r\nPhraseAccueil=$N, bienvenue !\r\n",
     {L"Join: \t/kick Alice", L"Join: \v/kick Alice", L"Join: \f/kick Alice", L"Join: \u00a0/kick Alice",
      L"Join: \r/kick Alice", L"Join: \n/kick Alice", L"Join: \x01/kick Alice", L"Join: \u0085/kick Alice",
      L"Join: \u2003/kick Alice", L"Join: \u3000/kick Alice", L"Join: \u200b/kick Alice",
      L"Join: \ufeff/kick Alice", L"Join:  \t\u00a0 /kick Alice", L"Join: Bob"},
     {{L"Bob, bienvenue ! ", 0}}, {}},
    {"ControlCharactersOfANicknameAreTypedAsBlanks", "SalutNouvUser=O\r\nPhraseAccueil=Salut $N !\r\n",
     {L"Join: Bob\nEve", L"Join: Bob\r\n\tEve"}, {{L"Salut Bob Eve ! ", 0}, {L"Salut Bob   Eve !", 150}}, {}},
    {"UsersOwnCommandIsTyped", "SalutNouvUser=O\r\nPhraseAccueil=/msg $N Bienvenue\r\n", {L"Join: Bob"},
     {{L"/msg Bob Bienvenue ", 0}}, {}},
    {"RobotsOwnLineIsNoJoin", kOn + "PhraseAccueil=Salut $N ! Join: le quiz ce soir\r\n",
     {L"(21:05) Zorro_75 : Salut Bob ! Join: le quiz ce soir", L"Zorro_75 : Join: Bob"}, {}, {}},
    {"AnotherMembersLineStaysAJoin", kOn, {L"(21:05) Zorro_7 : Join: Bob"},
     {{L"(*)Zorro_7 : Bob, bonjour, bienvenue sur notre room ! (*) ", 0}}, {{kSon, 150}}},
    {"DingPlaysWithTheEntrySoundOff", "", {L"(21:06) Eve : /ding"}, {}, {{kSon, 0}}},
    {"DingSilentWhenCallsAreNotAllowed", "AnnSonore=O\r\nAvecDing=N\r\n", {L"Eve : /ding"}, {}, {}},
    {"NoEntrySoundChosen", kOn + "BipEntree=4\r\n", {L"Join: Bob", L"Eve : /ding"}, {{kBob + L" ", 0}}, {}},
    {"BracketGroupOfNegativeLengthIsNotRead", kOn + "[Alertes]\r\n1=1|Bob\r\n", {L"Join: Bob ) x (/ding"},
     {}, {}, false, true},
};
// clang-format on

class Joins : public Interpretation, public ::testing::WithParamInterface<JoinCase> {};

TEST_P(Joins, TypeSoundAndAlertAsTheLinesSay) {
    const JoinCase& c = GetParam();
    attachStill(c.ini);
    if (c.userTyping) {
        room.model().setInput(L"je tape");
        program->SaisieChatOccupee = true;
    }
    EXPECT_EQ(feed(c.lines), c.fails);
    EXPECT_EQ(typed(), c.typed);
    EXPECT_EQ(sounds(), c.sounds);
    for (const auto& s : desk.sounds.played()) EXPECT_TRUE(s.async);
    const bool alert = !c.sounds.empty() && c.sounds[0].file == kSirene;
    EXPECT_EQ(reglages().FrameAlerteUserEntre.left() == 150, alert);
    EXPECT_EQ(reglages().PseudoEnAlerteArrive.caption(), alert ? L"Bob" : L"");
    EXPECT_TRUE(desk.boxes.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Lines, Joins, ::testing::ValuesIn(kJoins),
                         [](const auto& info) { return std::string(info.param.name); });

struct StatusCase {
    const char* name;
    std::string statut;  // the stored level word; "" when none is stored
    std::wstring line;
    std::wstring mot;
    int niveau;
    std::wstring heading;
    std::optional<std::string> stored;  // Statut in the file afterwards; nothing when not written
    bool box;
    bool fails = false;
};

std::ostream& operator<<(std::ostream& os, const StatusCase& c) {
    return os << c.name;
}

// clang-format off
const StatusCase kStatus[] = {
    {"FrenchNotice", "op", L"(21:05) Opération impossible. Votre statut est : OPPLUS.", L"opplus", 2,
     L"Panel OP plus", "opplus", true},
    {"EnglishNotice", "", L"Operation failed! Your current level is: OPERATOR. Try again", L"op", 3,
     L"Panel opérateur", "op", true},
    {"PlainUser", "", L"Opération impossible. Votre statut est : USER.", L"noir", 0, L"Panel user noir",
     "noir", true},
    {"Friend", "", L"Operation failed! Your current level is: FRIEND.", L"bleu", 4, L"Panel user bleu",
     "bleu", true},
    {"UnknownWordStoresTheCurrentOne", "", L"Opération impossible. Votre statut est : OWNER.", L"rouge",
     1, L"Panel admin", "rouge", true},
    {"WordInLowerCaseIsUnknown", "op", L"Opération impossible. Votre statut est : opplus.", L"op", 3,
     L"Panel opérateur", "op", true},
    {"NoticeWithoutItsWholePhrase", "op", L"Votre statut est : OPPLUS.", L"op", 3, L"Panel opérateur",
     std::nullopt, false},
    {"EmptyWord", "op", L"Opération impossible. Votre statut est : .", L"op", 3, L"Panel opérateur",
     std::nullopt, false},
    {"NoFullStop", "op", L"Opération impossible. Votre statut est : OPPLUS", L"op", 3, L"Panel opérateur",
     std::nullopt, false, true},
    {"FrenchRights", "op", L"(21:05) Les droits de modérateur ont été appliqués", L"op", 1,
     L"Panel admin", std::nullopt, true},
    {"EnglishRights", "bleu", L"Operator rights were applied successfully.", L"bleu", 1, L"Panel admin",
     std::nullopt, true},
};
// clang-format on

class StatusNotices : public Interpretation, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusNotices, SetTheLevelStoreTheWordAndTellTheUser) {
    const StatusCase& c = GetParam();
    attachStill(c.statut.empty() ? "" : "Statut=" + c.statut + "\r\n");
    const std::string before = readIni();
    EXPECT_EQ(feed({c.line}), c.fails);
    EXPECT_EQ(program->MotStatut, c.mot);
    EXPECT_EQ(program->NiveauStatut, c.niveau);
    EXPECT_EQ(reglages().Label1.caption(), c.heading);
    if (c.stored) {
        EXPECT_NE(readIni().find("Statut=" + *c.stored + "\r\n"), std::string::npos) << readIni();
    } else {
        EXPECT_EQ(readIni(), before);
    }
    ASSERT_EQ(desk.boxes.shown().size(), c.box ? 1u : 0u);
    if (c.box) {
        EXPECT_EQ(desk.boxes.shown()[0].text, L"Votre statut a été réajusté");
        EXPECT_EQ(desk.boxes.shown()[0].title, L"Ajustement de statut");
        EXPECT_EQ(desk.boxes.shown()[0].buttons, platform::BoxButtons::Ok);
    }
    EXPECT_TRUE(typed().empty());
}

INSTANTIATE_TEST_SUITE_P(Lines, StatusNotices, ::testing::ValuesIn(kStatus),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Interpretation, AlertFrameShowsTheNicknameAndTimeAndHidesThePanelsImages) {
    attachStill();
    desk.loop.userTimeFormat = L"h:mm:ss tt";  // the user's own time format
    desk.loop.setTimeOfDay(21, 5, 7);
    interpretation().AlerteEntree(L"Bob");
    auto& r = reglages();
    EXPECT_EQ(r.FrameAlerteUserEntre.left(), 150);
    EXPECT_EQ(r.PseudoEnAlerteArrive.caption(), L"Bob");
    EXPECT_EQ(r.HeureArriveePseudoEnAlerte.caption(), L"9:05:07 PM");
    EXPECT_FALSE(r.Image3.visible());
    EXPECT_FALSE(r.Image4.visible());
    EXPECT_EQ(sounds(), (std::vector<Started>{{kSirene, 0}}));

    // A second alert while the frame is open overwrites it; closing it brings the images back.
    desk.loop.sleep(60'000);
    interpretation().AlerteEntree(L"Eve");
    EXPECT_EQ(r.PseudoEnAlerteArrive.caption(), L"Eve");
    EXPECT_EQ(r.HeureArriveePseudoEnAlerte.caption(), L"9:06:07 PM");
    r.Image2.click();
    EXPECT_EQ(r.FrameAlerteUserEntre.left(), 12000);
    EXPECT_TRUE(r.Image3.visible());
}

}  // namespace
}  // namespace wardo::monitor::testing
