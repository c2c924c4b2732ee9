// LitIni and EcritIni over the simulated desktop's files: the program's settings file rules.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/sim/sim_environment.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/temp_folder.h"

namespace wardo::settings {
namespace {

using text::Text;
namespace fs = std::filesystem;

class SettingsFile : public ::testing::Test {
protected:
    SettingsFile() : files(folder.path()) {
        env.set(L"APPDATA", L"C:\\Users\\moi\\AppData\\Roaming");
        fs::create_directories(folder.path() / "C/Users/moi/AppData/Roaming/Wardo");
        ini = settingsFilePath(DossierConfigFrom(env));
    }

    std::string bytes() { return files.readAll(ini).value_or("<missing>"); }

    platform::sim::TempFolder folder;
    platform::sim::SimFiles files;
    platform::sim::SimEnvironment env;
    Text ini;
};

TEST_F(SettingsFile, ConfigurationFolderComesFromAppData) {
    EXPECT_EQ(ini, L"C:\\Users\\moi\\AppData\\Roaming\\Wardo\\wardo.ini");
    // Unset, it is "\Wardo\" at the root of the current drive.
    env.unset(L"APPDATA");
    EXPECT_EQ(DossierConfigFrom(env), L"\\Wardo\\");
    fs::create_directories(folder.path() / "C/Wardo");
    EcritIni(files, L"Parametres", L"AffWarning", L"N", settingsFilePath(DossierConfigFrom(env)));
    EXPECT_TRUE(fs::exists(folder.path() / "C/Wardo/wardo.ini"));
}

TEST_F(SettingsFile, EmptyAndMissingReadAlike) {
    EXPECT_EQ(LitIni(files, L"Parametres", L"AffInfos1", ini), L"");  // no file yet
    EcritIni(files, L"Parametres", L"AffInfos1", L"", ini);
    EXPECT_EQ(bytes(), "[Parametres]\r\nAffInfos1=\r\n");
    EXPECT_EQ(LitIni(files, L"Parametres", L"AffInfos1", ini), L"");
    EXPECT_EQ(LitIni(files, L"Parametres", L"AffInfos2", ini), L"");
    EXPECT_EQ(LitIni(files, L"Autre", L"AffInfos1", ini), L"");
}

TEST_F(SettingsFile, LongValuesAreCutTo799OnReading) {
    const Text thousand(1000, L'a');
    EcritIni(files, L"Annonces", L"1", thousand, ini);
    EXPECT_EQ(LitIni(files, L"Annonces", L"1", ini), Text(799, L'a'));
    EXPECT_NE(bytes().find(std::string(1000, 'a')), std::string::npos);  // the file keeps it whole
    EcritIni(files, L"Annonces", L"2", Text(799, L'b'), ini);
    EXPECT_EQ(LitIni(files, L"Annonces", L"2", ini), Text(799, L'b'));
    EcritIni(files, L"Annonces", L"3", L"\"" + Text(799, L'c') + L"\"", ini);
    EXPECT_EQ(LitIni(files, L"Annonces", L"3", ini), Text(799, L'c'));
}

TEST_F(SettingsFile, TextsCrossTheAnsiCodePage) {
    EcritIni(files, L"Parametres", L"TexteAccueil", L"Bienvenue \u00e0 toi \u20ac \u4e2d", ini);
    EXPECT_EQ(bytes(), "[Parametres]\r\nTexteAccueil=Bienvenue \xE0 toi \x80 ?\r\n");
    EXPECT_EQ(LitIni(files, L"Parametres", L"TexteAccueil", ini), L"Bienvenue \u00e0 toi \u20ac ?");
}

TEST_F(SettingsFile, MissingFolderLosesWritesSilentlyAndCreatesNothing) {
    env.set(L"APPDATA", L"C:\\Nulle\\Part");
    const Text lost = settingsFilePath(DossierConfigFrom(env));
    EXPECT_NO_THROW(EcritIni(files, L"Parametres", L"AffWarning", L"N", lost));
    EXPECT_EQ(LitIni(files, L"Parametres", L"AffWarning", lost), L"");
    EXPECT_FALSE(fs::exists(folder.path() / "C/Nulle"));
}

TEST_F(SettingsFile, AtomicWriteLeavesOnlyTheFile) {
    for (int i = 1; i <= 24; ++i) EcritIni(files, L"Raisons", text::decimal(i), L"raison", ini);
    const auto dir = folder.path() / "C/Users/moi/AppData/Roaming/Wardo";
    int count = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        EXPECT_EQ(entry.path().filename(), "wardo.ini");
        ++count;
    }
    EXPECT_EQ(count, 1);
}

// A save replaces the file as the system's own replacement does: the file keeps its attributes (on this
// desktop its permissions). A write the system refuses is lost and leaves the file whole.
TEST_F(SettingsFile, ASaveKeepsTheFileAttributesAndARefusedOneLeavesItWhole) {
    using fs::perms;
    const perms own = perms::owner_read | perms::owner_write;
    const struct {
        const char* what;
        perms mode;
        std::function<void()> refuse;
    } cases[] = {
        {"private", own, nullptr},
        {"shared", own | perms::group_read | perms::group_write | perms::others_read, nullptr},
        {"read-only", perms::owner_read | perms::group_read, nullptr},
        {"refused", own, [&] { files.setWriteRefused(ini, true); }},
        {"disk full", own, [&] { files.setWritesLeft(0); }},
    };
    const auto host = files.hostPath(ini);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        files.setWriteRefused(ini, false);
        files.setWritesLeft(std::nullopt);
        fs::remove(host);
        EcritIni(files, L"Parametres", L"Bip", L"O", ini);
        fs::permissions(host, c.mode);
        if (c.refuse) c.refuse();
        EcritIni(files, L"Parametres", L"Bip", L"N", ini);
        const bool writable = c.refuse == nullptr && (c.mode & perms::owner_write) != perms::none;
        EXPECT_EQ(bytes(), writable ? "[Parametres]\r\nBip=N\r\n" : "[Parametres]\r\nBip=O\r\n");
        EXPECT_EQ(fs::status(host).permissions(), c.mode);
        fs::permissions(host, own);
    }
}

TEST_F(SettingsFile, AGroupEndsAsItsWritesOneByOneOrNotAtAll) {
    const std::vector<IniEntry> entries = {{L"TitresAnnonces", L"2", L"Salut"},
                                           {L"Annonces", L"2", L"Bonjour $N"},
                                           {L"TitresAnnonces", L"1", L""},
                                           {L"Parametres", L"Bip", L"N"}};
    const std::string before = "[Parametres]\r\nBip=O\r\n\r\n[TitresAnnonces]\r\n1=Vieux\r\n";
    ASSERT_TRUE(files.writeAllAtomic(ini, before));
    for (const auto& e : entries) EcritIni(files, e.section, e.key, e.value, ini);
    const std::string oneByOne = bytes();

    ASSERT_TRUE(files.writeAllAtomic(ini, before));
    EXPECT_TRUE(EcritIniGroupe(files, entries, ini));
    EXPECT_EQ(bytes(), oneByOne);

    ASSERT_TRUE(files.writeAllAtomic(ini, before));
    files.setWritesLeft(0);  // the disk is full
    EXPECT_FALSE(EcritIniGroupe(files, entries, ini));
    EXPECT_EQ(bytes(), before);
}

TEST_F(SettingsFile, HandEditsBetweenCallsAreSeen) {
    EcritIni(files, L"Alertes", L"1", L"1|Toto", ini);
    ASSERT_TRUE(files.writeAllAtomic(ini, "[ALERTES]\n 1 = 0|Titi \n"));
    EXPECT_EQ(LitIni(files, L"Alertes", L"1", ini), L"0|Titi");
    EcritIni(files, L"Alertes", L"2", L"1|Tata", ini);
    EXPECT_EQ(bytes(), "[ALERTES]\n 1 = 0|Titi \n2=1|Tata\r\n");
}

}  // namespace
}  // namespace wardo::settings
