// The real files and environment of the Windows build.
#include "platform/win32/win32_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "platform/win32/win32_environment.h"
#include "scratch_folder.h"
#include "settings/settings_file.h"

namespace wardo::platform::win32 {
namespace {

namespace fs = std::filesystem;

int entriesIn(const fs::path& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++n;
    return n;
}

TEST(Win32Files, AtomicWritesReplaceAndLeaveNoTemporaryFile) {
    testing::ScratchFolder folder;
    Win32Files files;
    const std::wstring file = folder.wide() + L"wardo.ini";
    ASSERT_TRUE(files.writeAllAtomic(file, "first"));
    ASSERT_TRUE(files.writeAllAtomic(file, std::string("second\0with nul", 15)));
    EXPECT_EQ(files.readAll(file), std::string("second\0with nul", 15));
    ASSERT_TRUE(files.writeAllAtomic(file, ""));
    EXPECT_EQ(files.readAll(file), "");
    EXPECT_EQ(entriesIn(folder.path()), 1);
}

// Another program that reads the settings file (an editor, a virus scanner, the system's profile
// functions) holds it open for a moment, without letting it be replaced: the save waits for it instead
// of being lost; a file held for good is left whole.
TEST(Win32Files, AnAtomicWriteWaitsForAReaderThatHoldsTheFileForAMoment) {
    testing::ScratchFolder folder;
    Win32Files files;
    const std::wstring file = folder.wide() + L"wardo.ini";
    ASSERT_TRUE(files.writeAllAtomic(file, "old"));
    auto openToRead = [&] {
        return CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    HANDLE reader = openToRead();
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    std::thread readsFor200Ms([reader] {
        Sleep(200);
        CloseHandle(reader);
    });
    EXPECT_TRUE(files.writeAllAtomic(file, "new"));
    readsFor200Ms.join();
    EXPECT_EQ(files.readAll(file), "new");

    HANDLE holder = openToRead();
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(files.writeAllAtomic(file, "lost"));
    CloseHandle(holder);
    EXPECT_EQ(files.readAll(file), "new");
    EXPECT_EQ(entriesIn(folder.path()), 1);
}

// A save replaces the file as the system's own replacement does: the file keeps its attributes.
TEST(Win32Files, AnAtomicWriteKeepsTheFileAttributes) {
    constexpr DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    for (const DWORD kept : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM}, kHiddenSystem}) {
        SCOPED_TRACE(kept);
        testing::ScratchFolder folder;
        Win32Files files;
        const std::wstring file = folder.wide() + L"wardo.ini";
        ASSERT_TRUE(files.writeAllAtomic(file, "[S]\r\nk=old\r\n"));
        ASSERT_TRUE(SetFileAttributesW(file.c_str(), kept));
        settings::EcritIni(files, L"S", L"k", L"new", file);
        EXPECT_EQ(settings::LitIni(files, L"S", L"k", file), L"new");
        EXPECT_EQ(GetFileAttributesW(file.c_str()) & kHiddenSystem, kept);
        EXPECT_EQ(entriesIn(folder.path()), 1);
    }
}

// What saves cut short by the end of their process left, "~wrd<process>-<n>.tmp", goes at the next start,
// hidden or not; a file that a save is still writing stays, and so does every other file.
TEST(Win32Files, AStartRemovesTheTemporaryFilesOfInterruptedSavesAndOnlyThem) {
    testing::ScratchFolder folder;
    Win32Files files;
    const std::set<std::wstring> leftovers = {L"~wrd4242-0.tmp", L"~WRD17-3.TMP", L"~wrd99-12.tmp"};
    const std::set<std::wstring> kept = {L"wardo.ini",   L"~wrd5-0.tmp", L"~wrd.tmp",        L"~wrd12.tmp",
                                         L"~wrd1-x.tmp", L"~wrd-1.tmp",  L"~wrd1-2.tmp.bak", L"notes.tmp"};
    for (const auto* names : {&leftovers, &kept})
        for (const auto& name : *names) std::ofstream(folder.path() / name) << "x";
    SetFileAttributesW((folder.wide() + L"~wrd99-12.tmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    HANDLE writing = CreateFileW((folder.wide() + L"~wrd5-0.tmp").c_str(), GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writing, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(settings::prepareConfigFolder(files, folder.wide()));
    CloseHandle(writing);
    std::set<std::wstring> left;
    for (const auto& e : fs::directory_iterator(folder.path())) left.insert(e.path().filename().wstring());
    EXPECT_EQ(left, kept);
}

TEST(Win32Files, MissingFolderRefusedFileAndDirectories) {
    testing::ScratchFolder folder;
    Win32Files files;
    EXPECT_FALSE(files.writeAllAtomic(folder.wide() + L"absent\\wardo.ini", "x"));
    EXPECT_FALSE(fs::exists(folder.path() / "absent"));
    EXPECT_EQ(files.readAll(folder.wide() + L"absent\\wardo.ini"), std::nullopt);

    const std::wstring locked = folder.wide() + L"locked.ini";
    ASSERT_TRUE(files.writeAllAtomic(locked, "[S]\r\nk=old\r\n"));
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    settings::EcritIni(files, L"S", L"k", L"new", locked);
    EXPECT_EQ(settings::LitIni(files, L"S", L"k", locked), L"old");
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(entriesIn(folder.path()), 1);

    fs::create_directories(folder.path() / "dir.ini");
    EXPECT_FALSE(files.fileExists(folder.wide() + L"dir.ini"));
    EXPECT_TRUE(files.folderExists(folder.wide() + L"dir.ini"));
    EXPECT_TRUE(files.folderExists(folder.wide() + L"DIR.INI\\"));
    EXPECT_TRUE(files.fileExists(folder.wide() + L"LOCKED.ini"));
    EXPECT_EQ(files.readAll(folder.wide() + L"dir.ini"), std::nullopt);
    EXPECT_FALSE(files.writeAllAtomic(folder.wide() + L"dir.ini", "x"));
}

TEST(Win32Files, ListingsCopiesDrivesAndProgramFolder) {
    testing::ScratchFolder folder;
    Win32Files files;
    for (const char* name : {"b.wav", "A.WAV", "c.txt"}) std::ofstream(folder.path() / name) << name;
    fs::create_directories(folder.path() / "zeta");
    fs::create_directories(folder.path() / "Alpha");
    EXPECT_EQ(files.listFiles(folder.wide(), L"*.wav"), (std::vector<std::wstring>{L"A.WAV", L"b.wav"}));
    EXPECT_EQ(files.listFolders(folder.wide()), (std::vector<std::wstring>{L"Alpha", L"zeta"}));
    EXPECT_TRUE(files.listFiles(folder.wide() + L"absent", L"*.*").empty());

    EXPECT_TRUE(files.copyReplacing(folder.wide() + L"b.wav", folder.wide() + L"c.txt"));
    EXPECT_EQ(files.readAll(folder.wide() + L"c.txt"), "b.wav");
    EXPECT_FALSE(files.copyReplacing(folder.wide() + L"none.wav", folder.wide() + L"d.wav"));
    EXPECT_FALSE(files.createFolder(folder.wide() + L"absent\\Sons\\"));
    EXPECT_TRUE(files.createFolder(folder.wide() + L"Sons\\"));
    EXPECT_TRUE(files.createFolder(folder.wide() + L"SONS"));
    EXPECT_TRUE(files.folderExists(folder.wide() + L"Sons"));

    const auto drives = files.listDrives();
    EXPECT_NE(std::find(drives.begin(), drives.end(), L"C:\\"), drives.end());
    const std::wstring program = files.programFolder();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), L'\\');
    EXPECT_TRUE(files.fileExists(program + L"win32_settings_tests.exe"));
}

TEST(Win32Environment, VariablesAndTheConfigurationFolder) {
    Win32Environment env;
    SetEnvironmentVariableW(L"APPDATA", L"C:\\Users\\moi\\AppData\\Roaming");
    EXPECT_EQ(env.variable(L"appdata"), L"C:\\Users\\moi\\AppData\\Roaming");
    EXPECT_EQ(settings::DossierConfigFrom(env), L"C:\\Users\\moi\\AppData\\Roaming\\Wardo\\");
    const std::wstring longValue(5000, L'x');
    SetEnvironmentVariableW(L"WARDO_TEST_LONG", longValue.c_str());
    EXPECT_EQ(env.variable(L"WARDO_TEST_LONG"), longValue);
    SetEnvironmentVariableW(L"APPDATA", nullptr);
    EXPECT_EQ(env.variable(L"APPDATA"), std::nullopt);
    EXPECT_EQ(settings::DossierConfigFrom(env), L"\\Wardo\\");
}

}  // namespace
}  // namespace wardo::platform::win32
