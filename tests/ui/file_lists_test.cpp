// Drive, folder and file lists over the simulated file system.
#include <gtest/gtest.h>

#include "test_form.h"

namespace wardo::ui::testing {
namespace {

struct Chooser : Form {
    using Form::Form;
    DriveListBox Drive1{*this, L"Drive1"};
    DirListBox Dir1{*this, L"Dir1"};
    FileListBox File1{*this, L"File1"};
    std::vector<std::wstring> events;
    void design() override { File1.setPattern(L"*.wav"); }
    void onLoad() override {
        Drive1.onChange = [this] { events.push_back(L"Drive1_Change " + Drive1.drive()); };
        Dir1.onChange = [this] { events.push_back(L"Dir1_Change " + Dir1.path()); };
        File1.onClick = [this] { events.push_back(L"File1_Click " + File1.fileName()); };
    }
};

struct Files : Fixture {
    Chooser form{runtime, L"SonsEdit"};
    Files() {
        auto& f = desktop.files;
        for (const wchar_t* p : {L"C:\\Sons\\b.wav", L"C:\\Sons\\A.WAV", L"C:\\Sons\\notes.txt", L"C:\\x.wav",
                                 L"D:\\Musique\\c.wav"}) {
            std::filesystem::create_directories(f.hostPath(p).parent_path());
            EXPECT_TRUE(f.writeAllAtomic(p, "RIFF"));
        }
        std::filesystem::create_directories(f.hostPath(L"C:\\Sons\\Vieux"));
        form.show();
    }
};

TEST(FileLists, TheDriveListStartsOnTheSystemDriveAndRaisesChange) {
    Files s;
    EXPECT_EQ(s.form.Drive1.listCount(), 2);
    EXPECT_EQ(s.form.Drive1.drive(), L"C:\\");
    EXPECT_TRUE(s.form.events.empty());
    s.form.Drive1.setDrive(L"d:");
    EXPECT_EQ(s.form.Drive1.drive(), L"D:\\");
    EXPECT_TRUE(s.form.Drive1.userSelect(0));
    EXPECT_EQ(s.form.events, (std::vector<std::wstring>{L"Drive1_Change D:\\", L"Drive1_Change C:\\"}));
    EXPECT_THROW(s.form.Drive1.setDrive(L"Q:\\"), text::RuntimeError);
}

TEST(FileLists, TheFolderListShowsSubFoldersAndOpensThemOnADoubleClick) {
    Files s;
    auto& dir = s.form.Dir1;
    dir.setPath(L"C:\\");
    EXPECT_EQ(dir.listCount(), 1);  // a root has no ".."
    EXPECT_EQ(dir.list(0), L"Sons");
    dir.setListIndex(0);
    EXPECT_TRUE(dir.dblClick());
    EXPECT_EQ(dir.path(), L"C:\\Sons");
    EXPECT_EQ(dir.list(0), L"..");
    EXPECT_EQ(dir.list(1), L"Vieux");
    dir.setListIndex(0);
    dir.dblClick();
    EXPECT_EQ(dir.path(), L"C:\\");
    dir.setPath(L"c:\\");  // the same folder: no Change
    EXPECT_EQ(s.form.events,
              (std::vector<std::wstring>{L"Dir1_Change C:\\", L"Dir1_Change C:\\Sons", L"Dir1_Change C:\\"}));
    EXPECT_THROW(dir.setPath(L"C:\\Absent"), text::RuntimeError);
    EXPECT_EQ(dir.path(), L"C:\\");
}

TEST(FileLists, TheFileListKeepsToItsPattern) {
    Files s;
    auto& file = s.form.File1;
    file.setPath(L"C:\\Sons\\");
    EXPECT_EQ(file.path(), L"C:\\Sons");
    ASSERT_EQ(file.listCount(), 2);
    EXPECT_EQ(file.list(0), L"A.WAV");
    EXPECT_EQ(file.fileName(), L"");
    EXPECT_TRUE(file.userSelect(1));
    EXPECT_EQ(file.fileName(), L"b.wav");
    EXPECT_EQ(joinPath(file.path(), file.fileName()), L"C:\\Sons\\b.wav");
    file.setPath(L"C:");
    EXPECT_EQ(joinPath(file.path(), file.list(0)), L"C:\\x.wav") << "no doubled backslash at a root";
    file.setPattern(L"*.*");
    EXPECT_EQ(file.listCount(), 1);
    EXPECT_THROW(file.setPath(L"E:\\"), text::RuntimeError);
}

TEST(FileLists, AReloadForgetsThePaths) {
    Files s;
    s.form.File1.setPath(L"C:\\Sons");
    s.form.unload();
    EXPECT_EQ(s.form.File1.path(), L"");
    EXPECT_EQ(s.form.File1.listCount(), 0);
    EXPECT_EQ(s.form.File1.pattern(), L"*.wav");
}

}  // namespace
}  // namespace wardo::ui::testing
