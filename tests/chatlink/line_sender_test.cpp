// EnvoieChat: what the room receives, in which order, and how long it blocks.
#include <gtest/gtest.h>

#include "room_fixture.h"
#include "text/text.h"

namespace wardo::chatlink {
namespace {

using platform::sim::MessageKind;
using platform::sim::SentMessage;

class LineSender : public testing::RoomFixture {};

TEST_F(LineSender, SetsTheInputLinePressesSendThenPauses) {
    desk.loop.setTimeOfDay(20, 15, 0);
    const auto t0 = now();
    link.EnvoieChat(L"/kick Toto spam");
    std::vector<SentMessage> expected{
        {MessageKind::SetText, room.inputLine(), "/kick Toto spam", t0, true},
        {MessageKind::LButtonDown, room.sendButton(), "", t0, true},
        {MessageKind::LButtonUp, room.sendButton(), "", t0, true},
    };
    EXPECT_EQ(desk.windows.log(), expected);
    EXPECT_EQ(now(), t0 + 150);
    EXPECT_EQ(model().text(), L"(20:15) Moderateur : /kick Toto spam\r\n");
    EXPECT_EQ(model().input(), L"");
}

TEST_F(LineSender, AnEmptyLineStillPressesSend) {
    model().setInput(L"brouillon");
    link.EnvoieChat(L"");
    ASSERT_EQ(desk.windows.log().size(), 3u);
    EXPECT_EQ(desk.windows.log()[0].kind, MessageKind::SetText);
    EXPECT_EQ(desk.windows.log()[0].text, "");
    EXPECT_EQ(model().input(), L"");
    EXPECT_EQ(model().sendPresses(), 1);
    EXPECT_EQ(model().text(), L"") << "the room sends nothing for an empty input line";
}

TEST_F(LineSender, HalfTypedUserTextIsReplacedAndNeverSent) {
    model().setInput(L"salut tout le mo");
    link.EnvoieChat(L"Bienvenue Toto");
    EXPECT_EQ(text::find(model().text(), L"salut"), 0);
    EXPECT_NE(text::find(model().text(), L"Moderateur : Bienvenue Toto"), 0);
    EXPECT_EQ(model().input(), L"");
}

TEST_F(LineSender, TextGoesOutInTheAnsiCodePage) {
    link.EnvoieChat(L"Élodie à 5 € \u4e2d\u6587 \U0001F600!");
    EXPECT_EQ(desk.windows.log().front().text, "\xC9lodie \xE0 5 \x80 ?? ?!");
    EXPECT_NE(text::find(model().text(), L"Élodie à 5 € ?? ?!"), 0);
}

TEST_F(LineSender, ANulCutsTheLineAsTheMessageDoes) {
    link.EnvoieChat(std::wstring(L"avant\0apres", 11));
    EXPECT_EQ(desk.windows.log().front().text, "avant");
    EXPECT_NE(text::find(model().text(), L": avant\r\n"), 0);
}

TEST_F(LineSender, WithoutHandlesTheMessagesGoNowhereAndThePauseStays) {
    RoomLink bare(desk.platform());
    const auto t0 = now();
    bare.EnvoieChat(L"perdu");
    EXPECT_EQ(now(), t0 + 150);
    ASSERT_EQ(desk.windows.log().size(), 3u);
    for (const auto& m : desk.windows.log()) EXPECT_FALSE(m.delivered);

    link.HandleSaisieChat = room.inputLine();
    desk.windows.destroy(room.sendButton());
    link.EnvoieChat(L"sans bouton");
    EXPECT_EQ(model().input(), L"sans bouton") << "typed but never sent";
    EXPECT_EQ(model().text(), L"");
}

}  // namespace
}  // namespace wardo::chatlink
