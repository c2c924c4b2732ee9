// What of the simulated desktop's files could hide a fault of the program: paths that stay in their drive,
// wildcards and folders as strict as the system's, full disks. (Its MD5 meets the RFC 1321 suite in the
// server link's tests.)
#include "platform/sim/sim_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/sim/temp_folder.h"

namespace wardo::platform::sim {
namespace {

namespace fs = std::filesystem;

class SimFilesTest : public ::testing::Test {
protected:
    SimFilesTest() : files(folder.path()) {}
    void touch(const fs::path& relative) {
        fs::create_directories((folder.path() / relative).parent_path());
        std::ofstream(folder.path() / relative) << "x";
    }
    TempFolder folder;
    SimFiles files;
};

TEST_F(SimFilesTest, WindowsPathsMapOntoDriveFolders) {
    EXPECT_EQ(files.hostPath(L"C:\\A\\b.ini"), folder.path() / "C/A/b.ini");
    EXPECT_EQ(files.hostPath(L"\\Wardo\\x"), folder.path() / "C/Wardo/x");
    EXPECT_EQ(files.hostPath(L"d:/Sons//a.wav"), folder.path() / "D/Sons/a.wav");
    // Nothing climbs out of the drive.
    EXPECT_EQ(files.hostPath(L"C:\\..\\..\\etc\\passwd"), folder.path() / "C/etc/passwd");
    EXPECT_EQ(files.hostPath(L"C:\\a\\.\\..\\b"), folder.path() / "C/b");
}

TEST_F(SimFilesTest, ListingsAreFilteredAndSorted) {
    for (const char* name : {"b.wav", "A.WAV", "c.wav.txt", "d.wa", "e.wavx"})
        touch(fs::path("C/Sons") / name);
    fs::create_directories(folder.path() / "C/Sons/zeta");
    fs::create_directories(folder.path() / "C/Sons/Alpha");
    EXPECT_EQ(files.listFiles(L"C:\\Sons\\", L"*.wav"), (std::vector<std::wstring>{L"A.WAV", L"b.wav"}));
    EXPECT_EQ(files.listFiles(L"C:\\Sons", L"?.wa"), std::vector<std::wstring>{L"d.wa"});
    EXPECT_EQ(files.listFiles(L"C:\\Sons", L"*").size(), 5u);
    EXPECT_EQ(files.listFolders(L"C:\\Sons"), (std::vector<std::wstring>{L"Alpha", L"zeta"}));
    EXPECT_TRUE(files.listFiles(L"C:\\Absent", L"*.*").empty());
    fs::create_directories(folder.path() / "E");
    EXPECT_EQ(files.listDrives(), (std::vector<std::wstring>{L"C:\\", L"E:\\"}));
}

TEST_F(SimFilesTest, WritesNeedTheirFolderAndCopiesReplace) {
    EXPECT_FALSE(files.writeAllAtomic(L"C:\\Absent\\f.txt", "x"));
    EXPECT_FALSE(fs::exists(folder.path() / "C/Absent"));
    ASSERT_TRUE(files.writeAllAtomic(L"C:\\a.txt", std::string("one\0two", 7)));
    ASSERT_TRUE(files.writeAllAtomic(L"C:\\b.txt", "old"));
    EXPECT_TRUE(files.copyReplacing(L"C:\\a.txt", L"C:\\b.txt"));
    EXPECT_EQ(files.readAll(L"C:\\b.txt"), std::string("one\0two", 7));
    EXPECT_FALSE(files.copyReplacing(L"C:\\none.txt", L"C:\\c.txt"));
    EXPECT_EQ(files.readAll(L"C:\\c.txt"), std::nullopt);
    EXPECT_EQ(files.programFolder(), L"C:\\Program Files\\Wardo\\");
}

TEST_F(SimFilesTest, FoldersAreCreatedOneLevelAtATimeAndDisksFillUp) {
    EXPECT_FALSE(files.createFolder(L"C:\\Wardo\\Sons\\"));  // its parent is missing
    EXPECT_TRUE(files.createFolder(L"C:\\Wardo"));
    EXPECT_TRUE(files.createFolder(L"c:\\WARDO\\Sons\\"));
    EXPECT_TRUE(files.createFolder(L"C:\\Wardo\\sons"));  // already there
    EXPECT_TRUE(fs::is_directory(folder.path() / "C/Wardo/Sons"));

    files.setWritesLeft(1);
    EXPECT_TRUE(files.writeAllAtomic(L"C:\\Wardo\\a.txt", "1"));
    EXPECT_FALSE(files.writeAllAtomic(L"C:\\Wardo\\a.txt", "2"));
    EXPECT_FALSE(files.copyReplacing(L"C:\\Wardo\\a.txt", L"C:\\Wardo\\b.txt"));
    EXPECT_EQ(files.readAll(L"C:\\Wardo\\a.txt"), "1");
    files.setWritesLeft(std::nullopt);
    EXPECT_TRUE(files.writeAllAtomic(L"C:\\Wardo\\a.txt", "3"));
}

}  // namespace
}  // namespace wardo::platform::sim
