// The panel as it loads: the moderation buttons with their captions where the user finds them, and every
// pane out of view.
#include "panel_fixture.h"

namespace wardo::panel::testing {
namespace {

struct Designed {
    const wchar_t* name;
    int left, top, width, height;
    const wchar_t* caption;  // nullptr: not checked
};

void expectDesigned(const Reglages& r, const Designed& d) {
    const ui::Control* c = r.find(d.name);
    ASSERT_NE(c, nullptr) << text::toAnsi(d.name);
    EXPECT_EQ(c->left(), d.left) << text::toAnsi(d.name);
    EXPECT_EQ(c->top(), d.top) << text::toAnsi(d.name);
    EXPECT_EQ(c->width(), d.width) << text::toAnsi(d.name);
    EXPECT_EQ(c->height(), d.height) << text::toAnsi(d.name);
    if (d.caption) {
        EXPECT_EQ(c->caption(), d.caption) << text::toAnsi(d.name);
    }
}

TEST_F(PanelTest, ModerationButtonsStandWhereTheDesignPutsThem) {
    const Designed buttons[] = {
        {L"microprio", 480, 2160, 1100, 345, L"Voice prio"},
        {L"avertir", 2950, 2160, 1065, 345, L"Avertir"},
        {L"Couperemetmicro", 480, 2620, 1845, 345, L"Coupe/Remet micro"},
        {L"kick", 2400, 2640, 1060, 345, L"Kick"},
        {L"kickdirect", 3480, 2640, 555, 345, L"direct"},
        {L"Depunir", 480, 3060, 1845, 345, L"Dépunir"},
        {L"Punish", 2400, 3060, 1060, 345, nullptr},
        {L"punishdirect", 3480, 3060, 555, 345, L"direct"},
        {L"Coupemicperm", 480, 3495, 920, 345, L"Coupe mic"},
        {L"Remetmic", 1440, 3495, 900, 345, L"Remet mic"},
        {L"Ban", 2400, 3495, 1060, 345, nullptr},
        {L"Bandirect", 3480, 3480, 555, 345, L"direct"},
        {L"Metnoir", 480, 3915, 900, 345, L"Met noir"},
        {L"Metbleu", 1440, 3915, 900, 345, L"Met bleu"},
        {L"JoueSons", 2400, 3915, 1060, 345, L"Sons  "},
        {L"MiseEnPause", 3480, 3915, 555, 345, L"Pause"},
        {L"matequi", 480, 4320, 900, 345, L"Mate qui"},
        {L"quimate", 1440, 4320, 900, 345, L"Qui mate"},
        {L"Diffannonce", 2400, 4320, 840, 345, L"Annoncer"},
        {L"MsgPerso", 480, 4725, 1570, 345, L"Msg aux couleurs"},
        {L"Recomanu", 2100, 4725, 945, 345, L"Reco manu"},
        {L"Reconnexion", 3105, 4725, 945, 345, L"Reco auto"},
        {L"Label2", 1665, 1440, 2055, 375, L""},
        {L"PseudoManu", 1665, 7560, 2055, 375, L""},
        {L"PseudoManquant", 5720, 1440, 3015, 375, L" Pseudo user manquant !"},
    };
    Reglages& r = loadPanel();  // laid out for "rouge", which keeps the design places
    for (const Designed& d : buttons) expectDesigned(r, d);
    EXPECT_FALSE(r.Punish.caption().empty());
    EXPECT_FALSE(r.Ban.caption().empty());
}

// Each pane, list and menu that comes into view later lies at its design place when the panel loads,
// beyond the panel's 4560 by 5415 twips, so none covers it; where each shows is checked with the pane's
// own behaviour.
TEST_F(PanelTest, PanesLieAtTheirDesignPlacesOutOfViewWhenThePanelLoads) {
    const Designed panes[] = {
        {L"Frame1", 15000, 60, 4215, 5200, nullptr},
        {L"FrameSkins", 7000, 250, 4215, 4800, nullptr},
        {L"FrameAide", 12000, 250, 4215, 4800, nullptr},
        {L"FrameAPropos", 10000, 250, 4215, 4800, nullptr},
        {L"FrameAlerteUserEntré", 15000, 250, 4215, 4800, nullptr},
        {L"FrameInfos", 12000, 120, 4215, 5010, nullptr},
        {L"FrameInfos2", 12000, 150, 4215, 5010, nullptr},
        {L"FrameIndicationToucheMicro", 15000, 250, 4215, 4800, nullptr},
        {L"FrameChoixToucheMicro", 15000, 250, 4215, 4800, nullptr},
        {L"FrameRaisonPerso", 320, 7000, 3825, 850, nullptr},
        {L"FrameChoixAlerte", 150, 10000, 4215, 5010, nullptr},
        {L"FrameErreur", 10000, 3390, 4100, 1575, nullptr},
        {L"FramePause", 440, 8000, 3700, 600, nullptr},
        {L"Frame2", 10000, 2160, 3580, 2850, nullptr},
        {L"ListRaisons", 12000, 850, 2100, 4110, nullptr},
        {L"MenuSalles", 8000, 615, 2445, 1005, nullptr},
        {L"MenuListes", 5280, 600, 2445, 1200, nullptr},
    };
    Reglages& r = loadPanel();
    for (const Designed& d : panes) expectDesigned(r, d);
}

}  // namespace
}  // namespace wardo::panel::testing
