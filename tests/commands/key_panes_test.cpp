// The push-to-talk key's panes: the key in use shown as its picture with the texts for a key or for
// none, and the chooser that frames the key pressed and stores the choice.
#include <filesystem>

#include "microphone_fixture.h"

namespace wardo::panel::testing {
namespace {

constexpr const wchar_t* kProgramFolder = L"C:\\Program Files\\Wardo\\";
constexpr const wchar_t* kWithKey =
    L"La touche qui vous permet de prendre le voice de la room sans être sur sa page est actuellement :";
constexpr const wchar_t* kWithoutKey =
    L"Vous avez réglé Wardo pour ne pas avoir de touche permettant de prendre le micro !";

class KeyPanes : public MicrophoneTest {
protected:
    KeyPanes() {
        for (const char* key : {"alt", "ctrl", "gauche", "haut", "bas", "droite"}) {
            const auto path =
                desk.files.hostPath(std::wstring(kProgramFolder) + L"touche_" + text::widen(key) + L".bmp");
            std::filesystem::create_directories(path.parent_path());
            std::ofstream(path, std::ios::binary) << "BM key";
        }
    }
    std::vector<int> shown(ui::ControlArray<ui::Picture>& pictures) {
        std::vector<int> v;
        for (int i = 1; i <= 6; ++i)
            if (pictures(i).visible()) v.push_back(i);
        return v;
    }
    std::vector<int> framed() {
        std::vector<int> v;
        for (int i = 1; i <= 6; ++i)
            if (reglages().bordimage(i).visible()) v.push_back(i);
        return v;
    }
    void choose() { reglages().Jeveuxlachanger.click(); }
};

struct KeyShown {
    int code;
    const wchar_t* picture;
    int index;
};

TEST_F(KeyPanes, EachKeyShowsItsOwnPicture) {
    Reglages& r = start();
    for (const KeyShown& k : {KeyShown{18, L"touche_alt.bmp", 1}, KeyShown{17, L"touche_ctrl.bmp", 2},
                              KeyShown{37, L"touche_gauche.bmp", 3}, KeyShown{38, L"touche_haut.bmp", 4},
                              KeyShown{40, L"touche_bas.bmp", 5}, KeyShown{39, L"touche_droite.bmp", 6}}) {
        program->CodeToucheMicro = k.code;
        r.ToucheVoice.click();
        EXPECT_EQ(r.FrameIndicationToucheMicro.left(), 150);
        ASSERT_EQ(shown(r.touchemicencours), std::vector<int>{k.index}) << k.code;
        EXPECT_EQ(r.touchemicencours(k.index).picture(), std::wstring(kProgramFolder) + k.picture);
        EXPECT_EQ(r.ImageTouche(k.index).picture(), std::wstring(kProgramFolder) + k.picture);
        EXPECT_EQ(r.Label80.caption(), kWithKey);
        EXPECT_EQ(r.Jeveuxlachanger.caption(), L"Je veux changer de touche !!");
        EXPECT_EQ(r.cestbon.caption(), L"OK c'est bon je garde cette touche");
    }
    program->CodeToucheMicro = 65;  // a code no picture stands for
    r.ToucheVoice.click();
    EXPECT_TRUE(shown(r.touchemicencours).empty());
    EXPECT_EQ(r.Label80.caption(), kWithKey);
}

TEST_F(KeyPanes, TheBeepOptionIsTickedAsItStands) {
    Reglages& r = start("AvecBip=0\r\n");
    r.ToucheVoice.click();
    EXPECT_EQ(r.AvecOuSansBip.value(), 0);
    program->BipActif = true;
    r.ToucheVoice.click();
    EXPECT_EQ(r.AvecOuSansBip.value(), 1);
}

TEST_F(KeyPanes, TheSettingsPanesChooseButtonShowsTheKey) {
    Reglages& r = start();
    r.Frame1.setLeft(150);
    r.ChoixTouchePriseMicro.click();
    EXPECT_EQ(r.FrameIndicationToucheMicro.left(), 150);
    EXPECT_EQ(shown(r.touchemicencours), std::vector<int>{5});
}

TEST_F(KeyPanes, OpeningTheChooserStopsTheKeyAndItsWait) {
    Reglages& r = start();
    room().otherTakesMic();
    pressKey();
    ASSERT_TRUE(r.TimerToucheMicro.running());
    r.bordimage(3).setVisible(true);
    r.ToucheVoice.click();
    choose();
    EXPECT_EQ(r.FrameIndicationToucheMicro.left(), 15000);
    EXPECT_EQ(r.FrameChoixToucheMicro.left(), 150);
    EXPECT_TRUE(framed().empty());
    EXPECT_TRUE(r.TimerChoixToucheMicro.running());
    EXPECT_FALSE(r.TimerToucheMicro.running());

    room().otherReleasesMic();
    desk.sounds.clear();
    nextPress();
    EXPECT_EQ(room().micPresses(), 0) << "no press acts while the chooser is open";
    EXPECT_TRUE(tones().empty());
}

TEST_F(KeyPanes, KeysDownTogetherChooseTheLastInReadingOrderAndTheLatestPressWins) {
    Reglages& r = start();
    choose();
    desk.windows.keyboard.press(kCtrl);
    desk.windows.keyboard.press(kDown);
    desk.loop.runFor(100);
    EXPECT_EQ(framed(), std::vector<int>{5});
    EXPECT_EQ(program->CodeToucheMicro, 40);
    desk.windows.keyboard.release(kCtrl);
    desk.windows.keyboard.release(kDown);

    desk.windows.keyboard.tap(kAlt);
    desk.loop.runFor(100);
    EXPECT_EQ(framed(), std::vector<int>{1});
    EXPECT_EQ(program->CodeToucheMicro, 18) << "taken at once, before any validation";
    desk.windows.keyboard.tap(kLeft);
    desk.loop.runFor(100);
    EXPECT_EQ(framed(), std::vector<int>{3});

    r.validetouchemicro.click();
    EXPECT_EQ(r.FrameChoixToucheMicro.left(), 15000);
    EXPECT_FALSE(r.TimerChoixToucheMicro.running());
    EXPECT_NE(readIni().find("ToucheMicro=37"), std::string::npos);
    EXPECT_TRUE(program->ToucheMicroActive);
    nextPress(kLeft);
    EXPECT_EQ(room().mic(), Mic::User);
}

struct Validation {
    const char* name;
    const char* stored;
    const char* written;
    bool takes;  // a press of the Down arrow then takes the microphone
};

class ValidatingWithoutAKey : public KeyPanes, public ::testing::WithParamInterface<Validation> {};

TEST_P(ValidatingWithoutAKey, StoresTheCodeInForceAndTurnsTheKeyOn) {
    Reglages& r = start(GetParam().stored);
    choose();
    desk.loop.runFor(500);
    r.validetouchemicro.click();
    EXPECT_NE(readIni().find(GetParam().written), std::string::npos) << readIni();
    EXPECT_TRUE(program->ToucheMicroActive);
    pressKey(kDown);
    EXPECT_EQ(room().mic() == Mic::User, GetParam().takes);
    r.ToucheVoice.click();
    EXPECT_EQ(r.Label80.caption(), GetParam().takes ? kWithKey : kWithoutKey);
}

INSTANTIATE_TEST_SUITE_P(KeyPanes, ValidatingWithoutAKey,
                         ::testing::Values(Validation{"NoneStored", "", "ToucheMicro=40", true},
                                           Validation{"ZeroStored", "ToucheMicro=0\r\n", "ToucheMicro=0",
                                                      false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyPanes, NoKeyStoresZeroAndKeepsTheCodeButNoPressActs) {
    Reglages& r = start();
    choose();
    r.pasdetouchemicro.click();
    EXPECT_NE(readIni().find("ToucheMicro=0"), std::string::npos);
    EXPECT_FALSE(program->ToucheMicroActive);
    EXPECT_EQ(program->CodeToucheMicro, 40);
    EXPECT_EQ(r.FrameChoixToucheMicro.left(), 15000);
    EXPECT_FALSE(r.TimerChoixToucheMicro.running());
    pressKey(kDown);
    EXPECT_EQ(room().micPresses(), 0);
    r.ToucheVoice.click();
    EXPECT_TRUE(shown(r.touchemicencours).empty());
    EXPECT_EQ(r.Label80.caption(), kWithoutKey);
    EXPECT_EQ(r.Jeveuxlachanger.caption(), L"Je veux en définir une maintenant");
    EXPECT_EQ(r.cestbon.caption(), L"OK je reste sans touche micro");
}

}  // namespace
}  // namespace wardo::panel::testing
