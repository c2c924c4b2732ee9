// Class names and window texts as the attach reads them, and the window-order routines.
#include <gtest/gtest.h>

#include "chatlink/window_order.h"
#include "room_fixture.h"
#include "text/text.h"

namespace wardo::chatlink {
namespace {

using platform::sim::MessageKind;

class WindowNames : public testing::RoomFixture {};

TEST_F(WindowNames, ClassAndTitleOfTheRoomWindow) {
    EXPECT_EQ(link.ClasseFenetre(room.browser()), L"IEFrame");
    EXPECT_EQ(link.TexteFenetre(room.browser()), L"Salle de discussion");
    EXPECT_EQ(link.ClasseFenetre(room.inputLine()), L"Edit");
    EXPECT_EQ(link.TexteFenetre(room.inputLine()), L"") << "a control of another program shows no title";
}

TEST_F(WindowNames, NoWindowGivesEmptyTexts) {
    EXPECT_EQ(link.ClasseFenetre(0), L"");
    EXPECT_EQ(link.TexteFenetre(0), L"");
    auto w = desk.windows.create(desk.windows.desktop(), "Temp", "Titre");
    desk.windows.destroy(w);
    EXPECT_EQ(link.ClasseFenetre(w), L"");
    EXPECT_EQ(link.TexteFenetre(w), L"");
}

TEST_F(WindowNames, LongNamesAreCutTo254Characters) {
    std::string title(300, 'a');
    title[253] = '\xE9';  // the last character kept, 'é'
    auto w = desk.windows.create(desk.windows.desktop(), std::string(400, 'C'), title);
    EXPECT_EQ(link.ClasseFenetre(w), std::wstring(254, L'C'));
    const auto t = link.TexteFenetre(w);
    ASSERT_EQ(t.size(), 254u);
    EXPECT_EQ(t.back(), L'é');
    auto exact = desk.windows.create(desk.windows.desktop(), "X", std::string(254, 'b'));
    EXPECT_EQ(link.TexteFenetre(exact).size(), 254u);
}

TEST_F(WindowNames, PutAboveAllAndBack) {
    auto mine = desk.windows.create(desk.windows.desktop(), "Panel", "Reglages");
    auto other = desk.windows.create(desk.windows.desktop(), "Other", "Autre");
    MetPremierPlan(desk.windows, mine);
    EXPECT_TRUE(desk.windows.isTopmost(mine));
    EXPECT_EQ(desk.windows.activeWindow(), mine);
    RetirePremierPlan(desk.windows, mine);
    EXPECT_FALSE(desk.windows.isTopmost(mine));
    const auto log = desk.windows.logFor(mine);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].kind, MessageKind::SetWindowPos);
    EXPECT_EQ(log[0].text, "HWND_TOPMOST");
    EXPECT_EQ(log[1].text, "HWND_NOTOPMOST");
    (void)other;
    MetPremierPlan(desk.windows, 0);  // no window: nothing happens
    EXPECT_FALSE(desk.windows.log().back().delivered);
}

}  // namespace
}  // namespace wardo::chatlink
