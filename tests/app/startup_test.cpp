// The start-up window: what its load reads from the settings file, its frames and its start-up timer.
#include <set>

#include "app_fixture.h"
#include "settings/settings_file.h"

namespace wardo::app::testing {
namespace {

class StartUp : public AppTest {};

TEST_F(StartUp, MissingSettingsFileShowsEveryFrameAndTheDefaultPhrase) {
    auto& p = startUp();
    EXPECT_EQ(p.caption(), L"Connexion à la room");
    EXPECT_EQ(p.Frame1.top(), 0);
    EXPECT_TRUE(program->AfficherInfos1);
    EXPECT_TRUE(program->AfficherInfos2);
    EXPECT_EQ(program->TexteConnexion, L"Salut la room !");
    EXPECT_EQ(program->DossierConfig, L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo\\");
    EXPECT_EQ(p.Label2.caption(), L"1.52");
    EXPECT_EQ(program->CleTexte.size(), 20u);
    EXPECT_EQ(program->CleLiaison.size(), 21u);
}

// Only a capital "N" turns a frame off.
TEST_F(StartUp, OnlyACapitalNTurnsTheFirstRunFrameOff) {
    writeIni("[Parametres]\r\nAffWarning=N\r\nAffInfos1=N\r\nAffInfos2=n\r\n");
    EXPECT_EQ(startUp().Frame1.top(), 6500);
    EXPECT_FALSE(program->AfficherInfos1);
    EXPECT_TRUE(program->AfficherInfos2);
    writeIni("[Parametres]\r\nAffWarning=n\r\n");
    freshProgram();
    EXPECT_EQ(startUp().Frame1.top(), 0);
}

// The stored phrase in force is lower-cased; one the room would refuse gives way to the default but
// stays stored.
TEST_F(StartUp, StoredPhraseIsLowerCasedOrReplacedWhenRefused) {
    const std::pair<const char*, const wchar_t*> cases[] = {
        {"Bonjour A TOUS 2 \xC9T\xC9", L"bonjour a tous 2 été"},
        {"Salut, la room", L"Salut la room !"},
    };
    for (const auto& [stored, inForce] : cases) {
        writeIni(std::string("[Parametres]\r\nPhraseConnexion=") + stored + "\r\n");
        freshProgram();
        startUp();
        EXPECT_EQ(program->TexteConnexion, inForce) << stored;
        EXPECT_NE(readIni().find(stored), std::string::npos);
    }
}

TEST_F(StartUp, WatchedNicknamesTakeTheFlagBeforeTheFirstBar) {
    writeIni("[Alertes]\r\n1=1|Bob\r\n2=0|Al|ice\r\n3=Carl\r\n5=1|\r\n");
    startUp();
    // {flag, nickname}; a hand-edited slot without its flag keeps the nickname with its alert off.
    const std::pair<std::wstring, std::wstring> slots[] = {
        {L"1", L"Bob"}, {L"0", L"Al|ice"}, {L"0", L"Carl"}, {L"0", L""}, {L"1", L""}};
    for (size_t i = 1; i <= 5; ++i) {
        const auto& a = program->PseudosAlerte[i];
        EXPECT_EQ(std::pair(a.Actif, a.Pseudo), slots[i - 1]) << i;
    }
}

TEST_F(StartUp, SlotEmptiedDuringTheRunIsClearedAtTheNextReload) {
    writeIni("[Alertes]\r\n1=1|Bob\r\n");
    startUp();
    program->EcritIni(L"Alertes", L"1", L"");
    principale().LecturePseudosAlerte();
    EXPECT_EQ(program->PseudosAlerte[1].Actif, L"0");
    EXPECT_EQ(program->PseudosAlerte[1].Pseudo, L"");
}

TEST_F(StartUp, WaitingFrameCoversTheButtonForOneSecondAfterTheFirstActivation) {
    auto& p = startUp();
    EXPECT_EQ(p.Frame6.top(), 200);
    desk.loop.runFor(999);
    EXPECT_EQ(p.Frame6.top(), 200);
    desk.loop.runFor(1);
    EXPECT_EQ(p.Frame6.top(), 7000);
    EXPECT_FALSE(p.TimerDemarrage.running());
    EXPECT_EQ(p.FrameMsg.left(), 5000);
    // Later activations change nothing.
    p.hide();
    p.show();
    EXPECT_EQ(p.Frame6.top(), 7000);
    EXPECT_FALSE(p.TimerDemarrage.running());
}

TEST_F(StartUp, ServerMessageThatCameDuringTheWaitIsShownAtTheEnd) {
    auto& p = startUp();
    program->MessageServeurPresent = true;
    program->MessageServeur = L"Maintenance ce soir\r\nà 22 h";
    desk.loop.runFor(1000);
    EXPECT_EQ(p.FrameMsg.left(), 300);
    EXPECT_EQ(p.Label41.caption(), L"Maintenance ce soir\r\nà 22 h");
    p.Command11.click();
    EXPECT_EQ(p.FrameMsg.left(), 6000);
}

TEST_F(StartUp, TickingTheCheckBoxWritesAtOnceAndKeepsTheFrameOpen) {
    auto& p = startUp();
    p.Check1.click();
    EXPECT_NE(readIni().find("AffWarning=N"), std::string::npos);
    EXPECT_FALSE(p.Check1.visible());
    EXPECT_EQ(p.Frame1.top(), 0);
    p.ReyCommand1.click();
    EXPECT_EQ(p.Frame1.top(), 6500);
}

// On a fresh computer no installer has made the folder: the start makes it, so the first setting stored
// is kept. With APPDATA unset the folder is "\Wardo\" at the root of the drive.
TEST_F(StartUp, AMissingConfigurationFolderIsMadeAndKeepsTheFirstSetting) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {kAppData, L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo\\wardo.ini"},
        {nullptr, L"C:\\Wardo\\wardo.ini"}};
    for (const auto& [appData, ini] : cases) {
        SCOPED_TRACE(ini);
        std::filesystem::remove_all(desk.files.hostPath(L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo"));
        if (appData)
            desk.env.set(L"APPDATA", appData);
        else
            desk.env.unset(L"APPDATA");
        freshProgram();
        startUp().Check1.click();
        EXPECT_EQ(settings::LitIni(desk.files, L"Parametres", L"AffWarning", ini), L"N");
        EXPECT_TRUE(desk.boxes.shown().empty());
    }
    EXPECT_EQ(program->DossierConfig, L"\\Wardo\\");
}

// A folder that cannot be made is told once, in a box; the program goes on with its defaults.
TEST_F(StartUp, AFolderThatCannotBeMadeIsToldOnceAndTheDefaultsHold) {
    const auto wardo = std::wstring(kAppData) + L"\\Wardo";
    const struct {
        const char* what;
        const wchar_t* appData;
        std::function<void()> breakIt;
    } cases[] = {
        {"APPDATA names no folder", L"C:\\Nowhere", [] {}},
        {"a file in its place", kAppData,
         [&] {
             std::filesystem::remove_all(desk.files.hostPath(wardo));
             std::ofstream(desk.files.hostPath(wardo)) << "x";
         }},
        {"refused by the system", kAppData,
         [&] {
             std::filesystem::remove_all(desk.files.hostPath(wardo));
             desk.files.setWriteRefused(wardo, true);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        desk.env.set(L"APPDATA", c.appData);
        c.breakIt();
        desk.boxes.clear();
        freshProgram();
        auto& p = startUp();
        p.Check1.click();
        desk.loop.runFor(1000);
        ASSERT_EQ(desk.boxes.shown().size(), 1u);
        EXPECT_EQ(desk.boxes.shown()[0].title, L"Wardo");
        EXPECT_NE(desk.boxes.shown()[0].text.find(std::wstring(c.appData) + L"\\Wardo\\"),
                  std::wstring::npos);
        EXPECT_EQ(p.Frame1.top(), 0);
        EXPECT_EQ(program->TexteConnexion, L"Salut la room !");
        EXPECT_FALSE(desk.files.folderExists(std::wstring(c.appData) + L"\\Wardo"));
        desk.files.setWriteRefused(wardo, false);
    }
}

// A save cut short by the program's end leaves its temporary file beside the settings file; the next
// start removes it, and only files that our saves name so.
TEST_F(StartUp, AStartRemovesTheTemporaryFilesOfInterruptedSaves) {
    const std::wstring config = std::wstring(kAppData) + L"\\Wardo\\";
    writeIni("[Parametres]\r\nAffWarning=N\r\n");
    startUp();
    desk.files.setWritesInterrupted(true);
    program->EcritIni(L"Parametres", L"Bip", L"O");
    desk.files.setWritesInterrupted(false);
    const std::set<std::wstring> others = {L"wardo.ini",  L"~wrd.tmp",      L"~wrd1.txt", L"wrd2.tmp",
                                           L"~wrdx3.tmp", L"~wrd4.tmp.bak", L"notes.tmp"};
    for (const auto& name : others)
        if (name != L"wardo.ini") makeFile(config + name, "x");
    const auto names = desk.files.listFiles(config, L"*");
    ASSERT_EQ(names.size(), others.size() + 1) << "the interrupted save's temporary file";

    freshProgram();
    startUp();
    const auto after = desk.files.listFiles(config, L"*");
    EXPECT_EQ(std::set<std::wstring>(after.begin(), after.end()), others);
    EXPECT_EQ(readIni(), "[Parametres]\r\nAffWarning=N\r\n");
}

TEST_F(StartUp, ClosingTheWindowEndsTheProgramAtOnce) {
    auto& p = startUp();
    EXPECT_FALSE(p.userClose());
    EXPECT_TRUE(desk.loop.quitting());
    EXPECT_TRUE(p.loaded());
}

}  // namespace
}  // namespace wardo::app::testing
