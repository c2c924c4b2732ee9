// The watched-nicknames editor: what it shows of the table, what "Valider" writes to the section
// "Alertes" and reads back, what the next start reads, and the siren of "Test".
#include <array>
#include <utility>

#include "settings_pane_fixture.h"

namespace wardo::panel::testing {
namespace {

class WatchedNicknames : public SettingsPaneTest {
protected:
    Reglages& openEditor(const std::string& alertes) {
        Reglages& r = showPanel("[Parametres]\r\nSkin=bleu.bmp\r\n[Alertes]\r\n" + alertes);
        EXPECT_TRUE(r.ReyCommand.click());
        return r;
    }
    std::pair<std::wstring, int> slot(int i) {
        return {reglages().Text6(i).text(), reglages().Check3(i).value()};
    }
    std::pair<std::wstring, std::wstring> entry(int i) {
        const app::PseudoAlerte& e = program->PseudosAlerte[static_cast<size_t>(i)];
        return {e.Pseudo, e.Actif};
    }
};

TEST_F(WatchedNicknames, OpeningShowsEachSlotOfTheTableAndChangesNothingElse) {
    Reglages& r = showPanel("[Alertes]\r\n1=1|Bob\r\n2=0|Al\r\n3=\r\n4=1|a|b\r\n5=Zed\r\n6=7|Max\r\n");
    // What an earlier opening left in the boxes goes.
    r.Text6(3).setText(L"ancien");
    r.Check3(3).setValue(1);
    const bool pickUp = r.BoucleLectPseudo.running();
    ASSERT_TRUE(r.ReyCommand.click());
    const std::pair<std::wstring, int> shown[] = {{L"Bob", 1}, {L"Al", 0},  {L"", 0},
                                                  {L"a|b", 1}, {L"Zed", 0}, {L"Max", 0}};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(slot(i), shown[i - 1]) << i;
    EXPECT_EQ(r.FrameChoixAlerte.top(), 250);
    EXPECT_TRUE(r.Image3.visible());
    EXPECT_TRUE(r.Image4.visible());
    EXPECT_TRUE(r.Configurer.visible());
    EXPECT_EQ(r.BoucleLectPseudo.running(), pickUp);
}

TEST_F(WatchedNicknames, AFileWithoutTheSectionGivesSixEmptyUntickedSlots) {
    Reglages& r = showPanel("[Parametres]\r\nStatut=op\r\n");
    r.ReyCommand.click();
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(slot(i), (std::pair<std::wstring, int>{L"", 0})) << i;
}

// A slot as the user leaves it, the key written, and the entry read back from the file.
struct Slot {
    const wchar_t* typed;
    int ticked;
    const wchar_t* line;  // in the file, after "N="
    std::pair<std::wstring, std::wstring> entry;
};

TEST_F(WatchedNicknames, ValiderWritesAllSixSlotsAndReloadsTheTable) {
    Reglages& r = openEditor("1=1|Ancien\r\n2=1|Bob\r\n");
    const std::array<Slot, 6> slots{{
        {L"", 1, L"", {L"", L"0"}},  // emptied, its tick dropped
        {L"Bob", 0, L"0|Bob", {L"Bob", L"0"}},
        {L"Zorro_75", 1, L"1|Zorro_75", {L"Zorro_75", L"1"}},
        {L"a|b|c", 1, L"1|a|b|c", {L"a|b|c", L"1"}},
        {L" Léa", 1, L"1| Léa", {L" Léa", L"1"}},
        // Stored with its blank, which the settings file's reading then drops.
        {L"Max ", 0, L"0|Max ", {L"Max", L"0"}},
    }};
    for (int i = 1; i <= 6; ++i) {
        r.Text6(i).userSetText(slots[i - 1].typed);
        if (r.Check3(i).value() != slots[i - 1].ticked) r.Check3(i).click();
    }
    ASSERT_TRUE(r.ReyCommand1.click());
    EXPECT_EQ(r.FrameChoixAlerte.top(), 10000);
    const std::string ini = readIni();
    for (int i = 1; i <= 6; ++i) {
        const std::string line = std::to_string(i) + "=" + text::toAnsi(slots[i - 1].line);
        EXPECT_NE(ini.find("\r\n" + line + "\r\n"), std::string::npos) << line << "\n" << ini;
        EXPECT_EQ(entry(i), slots[i - 1].entry) << i;
    }
    EXPECT_NE(ini.find("Skin=bleu.bmp\r\n"), std::string::npos) << "the other settings stay";

    // The next opening and the next start see the same.
    r.ReyCommand.click();
    EXPECT_EQ(slot(1), (std::pair<std::wstring, int>{L"", 0}));
    EXPECT_EQ(slot(4), (std::pair<std::wstring, int>{L"a|b|c", 1}));
    nextStart();
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(entry(i), slots[i - 1].entry) << i;
}

TEST_F(WatchedNicknames, ValiderWritesEveryKeyEvenUnchanged) {
    Reglages& r = openEditor("");
    r.ReyCommand1.click();
    EXPECT_NE(readIni().find("[Alertes]\r\n1=\r\n2=\r\n3=\r\n4=\r\n5=\r\n6=\r\n"), std::string::npos)
        << readIni();
}

TEST_F(WatchedNicknames, TestPlaysTheSirenOnce) {
    Reglages& r = openEditor("");
    ASSERT_TRUE(r.testSonAlerte.click());
    ASSERT_EQ(desk.sounds.played().size(), 1u);
    EXPECT_EQ(desk.sounds.played()[0].path, L"C:\\Program Files\\Wardo\\sireneincendie.wav");
    EXPECT_TRUE(desk.sounds.played()[0].async);
}

}  // namespace
}  // namespace wardo::panel::testing
