// Message boxes placed over the panel: the box's corner on the title image's corner, in screen pixels,
// and the box above the panel.
#include "panel_fixture.h"

namespace wardo::panel::testing {
namespace {

struct Placement {
    int panelLeft, panelTop;  // twips
    int menucoLeft, menucoTop;
    int twipsPerPixelX, twipsPerPixelY;
    int x, y;  // the box's corner, pixels
};

void PrintTo(const Placement& p, std::ostream* os) {
    *os << p.panelLeft << "," << p.panelTop << " at " << p.twipsPerPixelX << " by " << p.twipsPerPixelY
        << " twips a pixel";
}

class PlacedBox : public PanelTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(PlacedBox, GoesOnTheTitleImagesCornerAboveThePanel) {
    const Placement& c = GetParam();
    desk.platform().screen.twipsPerPixelX = c.twipsPerPixelX;
    desk.platform().screen.twipsPerPixelY = c.twipsPerPixelY;
    Reglages& r = showPanel();
    r.move(c.panelLeft, c.panelTop);
    r.menuco.move(c.menucoLeft, c.menucoTop);
    r.AfficheMSGBox(L"Votre statut a été réajusté", L"Ajustement de statut");
    ASSERT_EQ(desk.boxes.shown().size(), 1u);
    const auto& box = desk.boxes.shown()[0];
    EXPECT_EQ(box.text, L"Votre statut a été réajusté");
    EXPECT_EQ(box.title, L"Ajustement de statut");
    EXPECT_EQ(box.style, 0);
    ASSERT_TRUE(box.at.has_value());
    EXPECT_EQ(box.at->x, c.x);
    EXPECT_EQ(box.at->y, c.y);
    EXPECT_EQ(r.PositionBoiteX, c.x);
    EXPECT_EQ(r.PositionBoiteY, c.y);
    EXPECT_EQ(box.owner, r.handle()) << "owned by the panel, the box stands above it";
}

INSTANTIATE_TEST_SUITE_P(PanelBoxes, PlacedBox,
                         ::testing::Values(Placement{3000, 1500, 0, 0, 15, 15, 200, 100},
                                           Placement{3010, 1529, 120, 60, 15, 15, 208, 105},
                                           // Partly off the screen: negative, rounded down, not pulled back.
                                           Placement{-1000, -100, 0, 0, 15, 15, -67, -7},
                                           Placement{3000, 1500, 0, 0, 12, 12, 250, 125},
                                           // Each axis at its own ratio.
                                           Placement{3000, 1500, 0, 0, 15, 12, 200, 125},
                                           Placement{3000, 1500, 0, 0, 12, 15, 250, 100}));

TEST_F(PanelTest, TheTwoButtonBoxReturnsTheButtonPressedAndNothingWhenNoBoxShows) {
    Reglages& r = showPanel();
    desk.boxes.answer(platform::BoxAnswer::Yes);
    desk.boxes.answer(platform::BoxAnswer::No);
    desk.boxes.refuseNext();
    EXPECT_EQ(r.AfficheMSGBox2(L"Sûr ?", 36, L"Question"), 6);
    EXPECT_EQ(r.AfficheMSGBox2(L"Sûr ?", 36, L"Question"), 7);
    EXPECT_EQ(r.AfficheMSGBox2(L"Sûr ?", 36, L"Question"), 0);
    ASSERT_EQ(desk.boxes.shown().size(), 2u);
    EXPECT_EQ(desk.boxes.shown()[0].style, 36);
    EXPECT_EQ(desk.boxes.shown()[0].buttons, platform::BoxButtons::YesNo);
    EXPECT_EQ(desk.boxes.shown()[0].icon, platform::BoxIcon::Question);
}

}  // namespace
}  // namespace wardo::panel::testing
