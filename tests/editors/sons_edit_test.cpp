// The sound editor: the preview of stored sounds, the chooser, the full and title-only edits with the
// copy into the sounds folder, the delete, and what a failed copy leaves.
#include "editors_fixture.h"

namespace wardo::editors::testing {
namespace {

using platform::sim::SoundKind;

class Sons : public EditorsTest {
public:
    static constexpr const wchar_t* kSons = L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo\\Sons\\";

    SonsEdit& open() {
        OuvreEditeurSons(*program);
        return ed();
    }
    SonsEdit& ed() { return program->sonsEdit(); }
    // Sounds started since the last call.
    std::vector<std::wstring> played() {
        std::vector<std::wstring> out;
        for (const auto& s : desk.sounds.played())
            out.push_back(s.kind == SoundKind::Wav ? s.path + (s.async ? L"" : L" (sync)") : L"<beep>");
        desk.sounds.clear();
        return out;
    }
    // "Remplacer ce son", then the file picked in the chooser's folder and the title typed.
    void replace(const Text& folder, const Text& file, const Text& title) {
        ASSERT_TRUE(ed().ReyCommand1.click());
        choose(folder, file, title);
    }
    void choose(const Text& folder, const Text& file, const Text& title) {
        auto& e = ed();
        e.Dir1.setPath(folder);
        const int at = [&] {
            for (int i = 0; i < e.File1.listCount(); ++i)
                if (e.File1.list(i) == file) return i;
            return -1;
        }();
        ASSERT_GE(at, 0) << "no " << std::string(file.begin(), file.end());
        ASSERT_TRUE(e.File1.userSelect(at));
        ASSERT_TRUE(e.TitreSon.userSetText(title));
    }
    std::string sound(const Text& name) { return desk.files.readAll(kSons + name).value_or("<none>"); }
};

TEST_F(Sons, LoadListsTheTitlesAndAClickPlaysTheStoredSound) {
    writeIni("[TitreSons]\r\n1=Applause\r\n2=Sans fichier\r\n[Sons]\r\n1=bravo.wav\r\n");
    program->DossierConfig.clear();
    auto& e = open();
    EXPECT_EQ(program->DossierConfig, kConfig) << "the window sets the folder itself";
    ASSERT_EQ(e.Liste.listCount(), 24);
    EXPECT_EQ(e.Liste.list(0), L"Applause");
    EXPECT_EQ(e.Fichiers[1], L"bravo.wav");
    EXPECT_EQ(e.Frame2.left(), 8000);
    EXPECT_EQ(e.File1.pattern(), L"*.wav");
    EXPECT_TRUE(e.Label9.visible());
    EXPECT_FALSE(e.ReyCommand2.visible());
    ASSERT_TRUE(e.Liste.userSelect(0));
    EXPECT_EQ(e.TitreSon.text(), L"Applause");
    EXPECT_EQ(e.FichierWave.text(), L"bravo.wav");
    EXPECT_EQ(played(), std::vector<std::wstring>{std::wstring(kConfig) + L"sons\\bravo.wav"});
    ASSERT_TRUE(e.Liste.userSelect(1));
    EXPECT_EQ(e.FichierWave.text(), L"");
    EXPECT_TRUE(played().empty());
}

TEST_F(Sons, AFullEditCopiesTheFileIntoANewSoundsFolderThenNamesIt) {
    makeFile(L"C:\\Musique\\fanfare.wav", "RIFF fanfare");
    auto& e = open();
    ASSERT_TRUE(e.Liste.userSelect(2));
    played();
    ASSERT_TRUE(e.ReyCommand1.click());
    EXPECT_EQ(e.Frame2.left(), 120);
    EXPECT_FALSE(e.Label9.visible());
    EXPECT_EQ(e.TitreSon.foreColor(), 0x0000FF);
    EXPECT_FALSE(e.FichierWave.locked());
    choose(L"C:\\Musique", L"fanfare.wav", L"Fanfare");
    EXPECT_EQ(e.CheminChoisi, L"C:\\Musique\\fanfare.wav");
    EXPECT_EQ(e.FichierWave.text(), L"fanfare.wav");
    EXPECT_EQ(played(), std::vector<std::wstring>{L"C:\\Musique\\fanfare.wav"});
    ASSERT_TRUE(e.ReyCommand2.click());
    EXPECT_EQ(sound(L"fanfare.wav"), "RIFF fanfare");
    EXPECT_EQ(lit(L"TitreSons", 3), L"Fanfare");
    EXPECT_EQ(lit(L"Sons", 3), L"fanfare.wav");
    EXPECT_EQ(e.Frame2.left(), 6000);
    EXPECT_EQ(e.Liste.listIndex(), 2);
    EXPECT_EQ(e.FichierWave.text(), L"fanfare.wav");
    EXPECT_EQ(played(), std::vector<std::wstring>{std::wstring(kConfig) + L"sons\\fanfare.wav"});
    EXPECT_TRUE(e.Label9.visible() && e.ReyCommand1.visible());
    EXPECT_TRUE(e.TitreSon.locked());
}

TEST_F(Sons, AnEmptyTitleBeepsAndKeepsTheEditOpen) {
    auto& e = open();
    ASSERT_TRUE(e.ReyCommand1.click());
    ASSERT_TRUE(e.ReyCommand2.click());
    EXPECT_EQ(played(), std::vector<std::wstring>{L"<beep>"});
    EXPECT_TRUE(e.ReyCommand2.visible());
    EXPECT_EQ(e.Frame2.left(), 120);
    EXPECT_FALSE(e.TitreSon.locked());
    EXPECT_EQ(readIni(), "");
}

TEST_F(Sons, ATitleOnlyEditWritesTheTitleAlone) {
    writeIni("[TitreSons]\r\n1=Vieux\r\n[Sons]\r\n1=a.wav\r\n");
    auto& e = open();
    ASSERT_TRUE(e.Liste.userSelect(0));
    ASSERT_TRUE(e.Label9.click());
    EXPECT_TRUE(e.TitreSeul);
    EXPECT_TRUE(e.TitreSon.hasFocus());
    EXPECT_EQ(e.FichierWave.foreColor(), 0xFF0000);
    EXPECT_TRUE(e.FichierWave.locked());
    EXPECT_EQ(e.Frame2.left(), 8000);
    ASSERT_TRUE(e.TitreSon.userSetText(L"Neuf"));
    ASSERT_TRUE(e.ReyCommand2.click());
    EXPECT_EQ(readIni(), "[TitreSons]\r\n1=Neuf\r\n[Sons]\r\n1=a.wav\r\n");
    EXPECT_FALSE(e.TitreSeul);
    EXPECT_EQ(e.Liste.listIndex(), -1) << "no row is selected afterwards";
    EXPECT_FALSE(desk.files.folderExists(kSons));
}

TEST_F(Sons, CancelOffersTheTitleEditAgainAndAFullEditAfterItCopies) {
    makeFile(L"C:\\Musique\\b.wav", "RIFF b");
    writeIni("[TitreSons]\r\n1=Vieux\r\n[Sons]\r\n1=a.wav\r\n");
    auto& e = open();
    ASSERT_TRUE(e.ReyCommand1.click());
    ASSERT_TRUE(e.ReyCommand4.click());
    EXPECT_TRUE(e.Label9.visible());
    EXPECT_EQ(e.Frame2.left(), 8000);
    EXPECT_EQ(e.TitreSon.text(), L"Vieux") << "the current slot's stored values";
    ASSERT_TRUE(e.Label9.click());
    ASSERT_TRUE(e.ReyCommand4.click());
    EXPECT_FALSE(e.TitreSeul);
    replace(L"C:\\Musique", L"b.wav", L"Bis");
    ASSERT_TRUE(e.ReyCommand2.click());
    EXPECT_EQ(lit(L"TitreSons", 1), L"Bis");
    EXPECT_EQ(lit(L"Sons", 1), L"b.wav");
    EXPECT_EQ(sound(L"b.wav"), "RIFF b");
}

TEST_F(Sons, ADeleteClosesUpFileNameFirstAndLeavesTheSoundFile) {
    makeFile(std::wstring(kSons) + L"b.wav");
    writeIni("[TitreSons]\r\n1=A\r\n2=B\r\n3=C\r\n[Sons]\r\n1=a.wav\r\n2=b.wav\r\n3=c.wav\r\n");
    auto& e = open();
    ASSERT_TRUE(e.Liste.userSelect(1));
    played();
    ASSERT_TRUE(e.ReyCommand3.click());
    EXPECT_EQ(e.Frame1.left(), 1290);
    ASSERT_TRUE(e.ReyCommand5.click());
    EXPECT_FALSE(e.Frame1.visible());
    for (int k = 1; k <= 24; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(lit(L"TitreSons", k), k == 1 ? L"A" : k == 2 ? L"C" : L"");
        EXPECT_EQ(lit(L"Sons", k), k == 1 ? L"a.wav" : k == 2 ? L"c.wav" : L"");
    }
    EXPECT_EQ(sound(L"b.wav"), "RIFF");
    EXPECT_EQ(e.TitreSon.text(), L"C");
    EXPECT_EQ(played(), std::vector<std::wstring>{std::wstring(kConfig) + L"sons\\c.wav"});
    ASSERT_TRUE(e.Liste.userSelect(2));
    EXPECT_EQ(e.TitreSon.text(), L"");
    EXPECT_EQ(e.FichierWave.text(), L"");
    EXPECT_TRUE(played().empty());
}

TEST_F(Sons, ADeleteDuringATitleEditEndsItSoTheNextReplaceCopies) {
    makeFile(L"C:\\Musique\\b.wav", "RIFF b");
    writeIni("[TitreSons]\r\n1=A\r\n2=B\r\n[Sons]\r\n1=a.wav\r\n2=b0.wav\r\n");
    auto& e = open();
    ASSERT_TRUE(e.Liste.userSelect(0));
    ASSERT_TRUE(e.ReyCommand3.click());
    ASSERT_TRUE(e.Label9.click());
    ASSERT_TRUE(e.ReyCommand5.click());
    EXPECT_FALSE(e.TitreSeul);
    EXPECT_EQ(e.TitreSon.foreColor(), 0xFF0000);
    replace(L"C:\\Musique", L"b.wav", L"Bis");
    ASSERT_TRUE(e.ReyCommand2.click());
    EXPECT_EQ(lit(L"Sons", 1), L"b.wav");
    EXPECT_EQ(sound(L"b.wav"), "RIFF b");
}

TEST_F(Sons, AFileOfTheSameNameReplacesTheOneEverySlotNames) {
    makeFile(std::wstring(kSons) + L"cri.wav", "old");
    makeFile(L"C:\\Autre\\cri.wav", "new");
    writeIni("[TitreSons]\r\n1=Un\r\n2=Deux\r\n[Sons]\r\n1=cri.wav\r\n2=cri.wav\r\n");
    auto& e = open();
    ASSERT_TRUE(e.Liste.userSelect(0));
    replace(L"C:\\Autre", L"cri.wav", L"Un");
    ASSERT_TRUE(e.ReyCommand2.click());
    EXPECT_EQ(sound(L"cri.wav"), "new");
    EXPECT_EQ(lit(L"Sons", 2), L"cri.wav");
}

TEST_F(Sons, TheChooserBuildsPathsAtADrivesRootAndInTheSoundsFolder) {
    makeFile(L"D:\\racine.wav");
    makeFile(std::wstring(kSons) + L"deja.wav", "deja");
    auto& e = open();
    ASSERT_TRUE(e.ReyCommand1.click());
    e.Drive1.setDrive(L"D:");
    EXPECT_EQ(e.Dir1.path(), L"D:\\");
    ASSERT_TRUE(e.File1.userSelect(0));
    EXPECT_EQ(e.CheminChoisi, L"D:\\racine.wav");
    // A file chosen in the sounds folder itself is kept as it is.
    choose(std::wstring(kSons), L"deja.wav", L"Deja");
    ASSERT_TRUE(e.ReyCommand2.click());
    EXPECT_EQ(lit(L"Sons", 1), L"deja.wav");
    EXPECT_EQ(sound(L"deja.wav"), "deja");
    EXPECT_TRUE(desk.boxes.shown().empty());
}

TEST_F(Sons, ADriveThatCannotBeReadPutsTheDriveListBack) {
    std::filesystem::create_directories(desk.root() / "E");
    auto& e = open();
    const Text before = e.Dir1.path();
    std::filesystem::remove(desk.root() / "E");  // the disc is taken out
    ASSERT_TRUE(e.Drive1.userSelect(1));
    EXPECT_EQ(e.Dir1.path(), before);
    EXPECT_EQ(e.Drive1.drive(), L"C:\\");
}

// A copy that fails leaves the slot as it was, keeps the edit open and tells the user why.
TEST_F(Sons, AFailedCopyChangesNothingAndTellsTheUser) {
    struct Case {
        const char* what;
        void (*breakIt)(Sons&);
        const wchar_t* says;
    };
    const Case cases[] = {
        {"no file clicked", [](Sons& s) { s.ed().File1.setPath(L"C:\\Musique"); }, L"Aucun fichier WAV"},
        {"source gone",
         [](Sons& s) { std::filesystem::remove(s.desk.files.hostPath(L"C:\\Musique\\n.wav")); },
         L"n'a pas pu être copié"},
        {"target refused",
         [](Sons& s) { s.desk.files.setWriteRefused(std::wstring(kSons) + L"n.wav", true); },
         L"n'a pas pu être copié"},
        {"no configuration folder", [](Sons& s) { s.program->DossierConfig = L"C:\\Absent\\Wardo\\"; },
         L"n'a pas pu être copié"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        makeFile(L"C:\\Musique\\n.wav");
        writeIni("[TitreSons]\r\n1=A\r\n[Sons]\r\n1=a.wav\r\n");
        const std::string before = readIni();
        desk.boxes.clear();
        auto& e = open();
        ASSERT_TRUE(e.Liste.userSelect(0));
        replace(L"C:\\Musique", L"n.wav", L"Nouveau");
        c.breakIt(*this);
        ASSERT_TRUE(e.ReyCommand2.click());
        EXPECT_EQ(readIni(), before);
        ASSERT_EQ(desk.boxes.shown().size(), 1u);
        EXPECT_NE(desk.boxes.shown()[0].text.find(c.says), std::wstring::npos) << desk.boxes.shown()[0].text;
        EXPECT_EQ(desk.boxes.shown()[0].title, L"Choix des sons");
        EXPECT_TRUE(e.ReyCommand2.visible()) << "the edit stays open";
        EXPECT_EQ(e.Frame2.left(), 120);
        ASSERT_TRUE(e.ReyCommand4.click());
        ASSERT_TRUE(e.unload());
        desk.files.setWriteRefused(std::wstring(kSons) + L"n.wav", false);
    }
}

}  // namespace
}  // namespace wardo::editors::testing
