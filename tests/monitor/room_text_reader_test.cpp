// The poller's read of the room: the newest complete line, whatever the length of the room's text.
#include "monitor/room_text_reader.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_desktop.h"
#include "tools/room/sim_room.h"

namespace wardo::monitor {
namespace {

struct Case {
    const char* texte;
    const char* ligne;  // nullptr: no complete line
};

std::ostream& operator<<(std::ostream& os, const Case& c) {
    return os << ::testing::PrintToString(std::string(c.texte));
}

class NewestCompleteLine : public ::testing::TestWithParam<Case> {};

TEST_P(NewestCompleteLine, IsTheElementBeforeTheLastCrLf) {
    const auto ligne = DerniereLigneComplete(GetParam().texte);
    if (GetParam().ligne == nullptr) {
        EXPECT_FALSE(ligne.has_value());
    } else {
        ASSERT_TRUE(ligne.has_value());
        EXPECT_EQ(*ligne, GetParam().ligne);
    }
}

INSTANTIATE_TEST_SUITE_P(RoomTexts, NewestCompleteLine,
                         ::testing::Values(Case{"", nullptr}, Case{"Bienvenue", nullptr},
                                           Case{"a\nb\rc\n\r", nullptr}, Case{"a\r\n", "a"},
                                           // The line the room is still writing waits for its CR LF.
                                           Case{"a\r\nb", "a"}, Case{"a\r\nb\r\n", "b"},
                                           Case{"a\r\nb\r\nc\r\nd", "c"}, Case{"\r\n", ""},
                                           Case{"a\r\n\r\n", ""}, Case{"a\r\r\nb", "a\r"},
                                           Case{"a\r\n\nb\r\n", "\nb"}, Case{"a\r\n\r\r\n", "\r"}));

class RoomPaneRead : public ::testing::Test {
protected:
    RoomPaneRead() {
        link.HandleTexteChat = room.textPane();
        desk.windows.setLogging(false);
    }

    platform::sim::SimDesktop desk;
    room::SimRoom room{desk.windows, desk.loop};
    chatlink::RoomLink link{desk.platform()};
};

TEST_F(RoomPaneRead, GivesTheNewestLineInTheCodePageAndNothingWithoutAPane) {
    EXPECT_EQ(LitDerniereLigneChat(link), std::nullopt) << "an empty pane";
    room.model().appendRaw(L"Bienvenue\r\n(21:05) Zoé : ça va, 5 €\r\n(21:06) Bo");
    EXPECT_EQ(LitDerniereLigneChat(link), L"(21:05) Zoé : ça va, 5 €");
    room.model().appendRaw(L"b : salut\r\n");
    EXPECT_EQ(LitDerniereLigneChat(link), L"(21:06) Bob : salut");

    link.HandleTexteChat = 0;
    EXPECT_EQ(LitDerniereLigneChat(link), std::nullopt);
    link.HandleTexteChat = room.textPane();
    desk.windows.destroy(room.panel());
    EXPECT_EQ(LitDerniereLigneChat(link), std::nullopt) << "a stale handle";
}

// Line positions used to be 16-bit: past 32,768 lines every read failed and the robot stopped following.
TEST_F(RoomPaneRead, FollowsARoomOfMoreThan32768Lines) {
    std::wstring texte;
    for (int i = 0; i < 40000; ++i) texte += L"(21:05) Bob : ligne " + std::to_wstring(i) + L"\r\n";
    room.model().appendRaw(texte);
    EXPECT_EQ(LitDerniereLigneChat(link), L"(21:05) Bob : ligne 39999");
    room.model().join(L"Zoé");
    EXPECT_EQ(LitDerniereLigneChat(link), L"Rejoint la salle : Zoé");
}

}  // namespace
}  // namespace wardo::monitor
