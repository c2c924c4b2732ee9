// The panel laid out for each level, control by control, whatever level came before; and the five level
// buttons of the settings pane.
#include "monitor/panel_layout.h"

#include <map>
#include <optional>

#include "panel_fixture.h"

namespace wardo::monitor {
namespace {

using panel::testing::PanelTest;

constexpr int kOut = -1;  // not set at this level: the button keeps what it had

struct Place {
    int left;
    int top = kOut;
};

struct Level {
    int niveau;
    std::vector<std::wstring> menu;
    int menuHeight;
    std::wstring heading;
    std::map<std::wstring, Place> places;
    bool kickdirect, punishdirect, bandirect;
    int miseEnPauseTop;
    std::optional<int> joueSonsWidth;  // set only where JoueSons takes the width of kick
};

std::map<std::wstring, Place> places(int couperemet, int depunir, int coupemic, int remet, int metnoir,
                                     int metbleu, Place matequi, Place quimate, int msgperso, int kick,
                                     int punish, int ban, Place annonce, Place sons) {
    return {{L"microprio", {480}},
            {L"Couperemetmicro", {couperemet}},
            {L"Depunir", {depunir}},
            {L"Coupemicperm", {coupemic}},
            {L"Remetmic", {remet}},
            {L"Metnoir", {metnoir}},
            {L"Metbleu", {metbleu}},
            {L"matequi", matequi},
            {L"quimate", quimate},
            {L"MsgPerso", {msgperso}},
            {L"avertir", {2950}},
            {L"kick", {kick}},
            {L"Punish", {punish}},
            {L"Ban", {ban}},
            {L"Diffannonce", annonce},
            {L"JoueSons", sons},
            // Never moved by the layout.
            {L"Recomanu", {2100, 4725}},
            {L"Reconnexion", {3105, 4725}}};
}

// The positions, menus and headings of each level as the user sees them.
// clang-format off
const Level kLevels[] = {
    {1, {L"Débannir", L"Passer OP simple", L"Passer OP plus", L"Envoyer code opme", L"Gestion des salles",
         L"Banlist et oplist"}, 1200, L"Panel admin",
     places(480, 480, 480, 1440, 480, 1440, {480, 4320}, {1440, 4320}, 480, 2400, 2400, 2400, {2400, 4320},
            {2400, 3915}),
     true, true, true, 3915, std::nullopt},
    {2, {L"Débannir", L"Envoyer code opme", L"Gestion des salles", L"Banlist et oplist"}, 810,
     L"Panel OP plus",
     places(480, 480, 480, 1440, 11480, 111440, {480, 4100}, {1440, 4100}, 480, 2400, 2400, 2400,
            {2400, 4320}, {2400, 3915}),
     true, true, true, 3915, std::nullopt},
    {3, {L"Envoyer code opme", L"Supprimer la salle", L"Banlist et oplist"}, 615, L"Panel opérateur",
     places(480, 480, 480, 1440, 11480, 111440, {480, 4100}, {1440, 4100}, 480, 2400, 2400, 12400,
            {2400, 4100}, {2400, 3495}),
     true, true, false, 3495, 1060},
    {4, {L"Envoyer code opme", L"Supprimer la salle"}, 420, L"Panel user bleu",
     places(11480, 11480, 11480, 11440, 11480, 11440, {480, 14100}, {1440, 14100}, 480, 12400, 12400, 12400,
            {2400, 4100}, {2400, 3060}),
     false, false, false, 3060, 1060},
    {0, {L"Envoyer code opme", L"Supprimer la salle"}, 420, L"Panel user noir",
     places(11480, 11480, 11480, 11440, 11480, 11440, {480, 14100}, {1440, 14100}, 11480, 12400, 12400, 12400,
            {2400, 4100}, {2400, 3060}),
     false, false, false, 3060, 1060},
};
// clang-format on

// Level, then the level it is applied after.
using Case = std::tuple<Level, int>;

void PrintTo(const Level& l, std::ostream* os) {
    *os << "level " << l.niveau;
}

class Layout : public PanelTest, public ::testing::WithParamInterface<Case> {
protected:
    PanelLayout& layout() { return reglages().part<PanelLayout>(); }
};

TEST_P(Layout, EveryControlTakesTheLevelsPlace) {
    const auto& [level, before] = GetParam();
    panel::Reglages& r = loadPanel();
    layout().Appliquerdroits(before);
    layout().Appliquerdroits(level.niveau);

    ASSERT_EQ(r.MenuCdesSupp.listCount(), static_cast<int>(level.menu.size()));
    for (int i = 0; i < r.MenuCdesSupp.listCount(); ++i) EXPECT_EQ(r.MenuCdesSupp.list(i), level.menu[i]);
    EXPECT_EQ(r.MenuCdesSupp.height(), level.menuHeight);
    EXPECT_EQ(r.MenuCdesSupp.left(), 1680);
    EXPECT_EQ(r.Label1.caption(), level.heading);
    for (const auto& [name, place] : level.places) {
        const ui::Control* c = r.find(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->left(), place.left) << name;
        if (place.top != kOut) {
            EXPECT_EQ(c->top(), place.top) << name;
        }
        EXPECT_TRUE(c->visible()) << name;
    }
    EXPECT_EQ(r.kickdirect.visible(), level.kickdirect);
    EXPECT_EQ(r.punishdirect.visible(), level.punishdirect);
    EXPECT_EQ(r.Bandirect.visible(), level.bandirect);
    EXPECT_EQ(r.MiseEnPause.top(), level.miseEnPauseTop);
    EXPECT_EQ(r.MiseEnPause.left(), 3480);
    if (level.joueSonsWidth) {
        EXPECT_EQ(r.JoueSons.width(), *level.joueSonsWidth);
    }
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return "Level" + std::to_string(std::get<0>(info.param).niveau) + "After" +
           std::to_string(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(PanelLayout, Layout,
                         ::testing::Combine(::testing::ValuesIn(kLevels), ::testing::Values(1, 4)), caseName);

// Every property of every control, to compare two states of the panel.
std::vector<std::wstring> snapshot(const panel::Reglages& r) {
    std::vector<std::wstring> out;
    for (const ui::Control* c : r.controls()) {
        out.push_back(c->fullName() + L" " + std::to_wstring(c->left()) + L"," + std::to_wstring(c->top()) +
                      L"," + std::to_wstring(c->width()) + L"," + std::to_wstring(c->height()) + L" " +
                      (c->visible() ? L"v" : L"h") + L" " + c->caption());
    }
    return out;
}

class LayoutOther : public PanelTest {
protected:
    PanelLayout& layout() { return reglages().part<PanelLayout>(); }
};

TEST_F(LayoutOther, ALevelOutsideZeroToFourChangesNothing) {
    panel::Reglages& r = loadPanel();
    layout().Appliquerdroits(3);
    const auto before = snapshot(r);
    for (int niveau : {-1, 5, 32767}) {
        layout().Appliquerdroits(niveau);
        EXPECT_EQ(snapshot(r), before) << niveau;
    }
}

TEST_F(LayoutOther, LetsPendingEventsRunOnceAtItsEnd) {
    loadPanel();
    int ticks = 0;
    desk.loop.startTimer(100, [&] { ++ticks; });
    desk.loop.sleep(150);
    layout().Appliquerdroits(2);
    EXPECT_EQ(ticks, 1);
    desk.loop.sleep(150);
    layout().Appliquerdroits(9);
    EXPECT_EQ(ticks, 2);
}

constexpr ui::Color kWhite = 0xFFFFFF;
constexpr ui::Color kDarkGreen = 0x004000;

// A click on a level button paints it and sets its word, storing nothing and laying nothing out; AffStatut
// paints the same from the word, exactly as written. Only "Rouge" has white text.
TEST_F(LayoutOther, LevelButtonsPaintTheirLevelFromAClickOrFromTheWord) {
    panel::Reglages& r = showPanel();
    const std::string ini = readIni();
    auto expectPainted = [&](int chosen, ui::Color back) {
        for (int i = 1; i <= 5; ++i) EXPECT_EQ(r.Statut(i).backColor(), i == chosen ? back : kWhite) << i;
        EXPECT_EQ(r.Statut(5).foreColor(), chosen == 5 ? kWhite : kDarkGreen);
    };
    const struct {
        int index;
        const wchar_t* word;
        ui::Color back;
    } buttons[] = {{5, L"rouge", 0x0000FF},
                   {1, L"noir", 0x808080},
                   {2, L"bleu", 0xFFFF80},
                   {3, L"op", 0x80FF80},  // (128, 255, 128)
                   {4, L"opplus", 0x00FF00}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.index);
        ASSERT_TRUE(r.Statut(b.index).click());
        EXPECT_EQ(program->MotStatut, b.word);
        expectPainted(b.index, b.back);
        r.Statut(b.index == 5 ? 1 : 5).click();
        program->MotStatut = b.word;
        reglages().part<PanelLayout>().AffStatut();
        expectPainted(b.index, b.back);
        EXPECT_EQ(program->MotStatut, b.word);
    }
    program->MotStatut = L"Rouge";
    reglages().part<PanelLayout>().AffStatut();
    expectPainted(0, kWhite);
    EXPECT_EQ(program->NiveauStatut, 1);
    EXPECT_EQ(r.Label1.caption(), L"Panel admin");
    EXPECT_EQ(readIni(), ini);
}

}  // namespace
}  // namespace wardo::monitor
