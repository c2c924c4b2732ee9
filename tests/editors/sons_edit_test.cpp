// The sound editor: the preview of stored sounds, the chooser, the full and title-only edits with the
// copy into the sounds folder, the delete, and what a failed copy leaves.
#include "editors_fixture.h"

namespace wardo::editors::testing {
namespace {

class Sons : public EditorsTest {
public:
    static constexpr const wchar_t* kSons = L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo\\Sons\\";

    SonsEdit& open() {
        OuvreEditeurSons(*program);
        return ed();
    }
    SonsEdit& ed() { return program->sonsEdit(); }
    // Sounds started since the last call: a file played at once, or "<beep>".
    std::vector<Text> played() {
        std::vector<Text> out;
        for (const auto& s : desk.sounds.played())
            out.push_back(s.kind == platform::sim::SoundKind::Wav && s.async ? s.path : L"<beep>");
        desk.sounds.clear();
        return out;
    }
    // The file picked in the chooser's folder, and the title typed.
    void choose(const Text& folder, const Text& file, const Text& title) {
        auto& e = ed();
        e.Dir1.setPath(folder);
        int at = -1;
        for (int i = 0; i < e.File1.listCount(); ++i)
            if (e.File1.list(i) == file) at = i;
        ASSERT_TRUE(e.File1.userSelect(at));
        ASSERT_TRUE(e.TitreSon.userSetText(title));
    }
    void replace(const Text& folder, const Text& file, const Text& title) {
        ASSERT_TRUE(ed().ReyCommand1.click());  // "Remplacer ce son"
        choose(folder, file, title);
        ASSERT_TRUE(ed().ReyCommand2.click());  // "Valider modif"
    }
    std::string sound(const Text& name) { return desk.files.readAll(kSons + name).value_or("<none>"); }
    Text sons(const Text& name) { return std::wstring(kConfig) + L"sons\\" + name; }
};

TEST_F(Sons, LoadListsTheTitlesAndAClickPlaysTheStoredSound) {
    writeIni("[TitreSons]\r\n1=Applause\r\n2=Sans fichier\r\n[Sons]\r\n1=bravo.wav\r\n");
    program->DossierConfig.clear();
    auto& e = open();
    EXPECT_EQ(program->DossierConfig, kConfig) << "the window sets the folder itself";
    ASSERT_EQ(e.Liste.listCount(), 24);
    EXPECT_EQ(e.Frame2.left(), 8000);
    EXPECT_EQ(e.File1.pattern(), L"*.wav");
    ASSERT_TRUE(e.Liste.userSelect(0));
    EXPECT_EQ(e.TitreSon.text(), L"Applause");
    EXPECT_EQ(e.FichierWave.text(), L"bravo.wav");
    ASSERT_TRUE(e.Liste.userSelect(1));
    EXPECT_EQ(e.FichierWave.text(), L"");
    EXPECT_EQ(played(), std::vector<Text>{sons(L"bravo.wav")});
}

TEST_F(Sons, AFullEditCopiesTheFileIntoANewSoundsFolderThenNamesIt) {
    makeFile(L"C:\\Musique\\fanfare.wav", "RIFF fanfare");
    auto& e = open();
    ASSERT_TRUE(e.Liste.userSelect(2));
    ASSERT_TRUE(e.ReyCommand1.click());
    EXPECT_EQ(e.Frame2.left(), 120);
    EXPECT_FALSE(e.Label9.visible() || e.FichierWave.locked());
    EXPECT_EQ(e.TitreSon.foreColor(), 0x0000FF);
    ASSERT_TRUE(e.ReyCommand2.click());
    EXPECT_EQ(played(), std::vector<Text>{L"<beep>"}) << "an empty title is refused";
    EXPECT_TRUE(e.ReyCommand2.visible());
    choose(L"C:\\Musique", L"fanfare.wav", L"Fanfare");
    EXPECT_EQ(e.FichierWave.text(), L"fanfare.wav");
    ASSERT_TRUE(e.ReyCommand2.click());
    EXPECT_EQ(sound(L"fanfare.wav"), "RIFF fanfare");
    EXPECT_EQ(lit(L"TitreSons", 3), L"Fanfare");
    EXPECT_EQ(lit(L"Sons", 3), L"fanfare.wav");
    EXPECT_EQ(e.Frame2.left(), 6000);
    EXPECT_EQ(e.Liste.listIndex(), 2);
    EXPECT_EQ(played(), (std::vector<Text>{L"C:\\Musique\\fanfare.wav", sons(L"fanfare.wav")}));
    EXPECT_TRUE(e.Label9.visible() && e.ReyCommand1.visible() && e.TitreSon.locked());
}

TEST_F(Sons, ATitleOnlyEditWritesTheTitleAlone) {
    writeIni("[TitreSons]\r\n1=Vieux\r\n[Sons]\r\n1=a.wav\r\n");
    auto& e = open();
    ASSERT_TRUE(e.Liste.userSelect(0));
    ASSERT_TRUE(e.Label9.click());
    EXPECT_TRUE(e.TitreSeul && e.TitreSon.hasFocus() && e.FichierWave.locked());
    EXPECT_EQ(e.Frame2.left(), 8000);
    ASSERT_TRUE(e.TitreSon.userSetText(L"Neuf"));
    ASSERT_TRUE(e.ReyCommand2.click());
    EXPECT_EQ(readIni(), "[TitreSons]\r\n1=Neuf\r\n[Sons]\r\n1=a.wav\r\n");
    EXPECT_FALSE(e.TitreSeul);
    EXPECT_EQ(e.Liste.listIndex(), -1) << "no row is selected afterwards";
    EXPECT_FALSE(desk.files.folderExists(kSons));
}

TEST_F(Sons, AfterEitherEditIsCancelledAFullEditStillCopies) {
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
    replace(L"C:\\Musique", L"b.wav", L"Bis");
    EXPECT_EQ(lit(L"Sons", 1), L"b.wav");
    EXPECT_EQ(sound(L"b.wav"), "RIFF b");
}

TEST_F(Sons, ADeleteClosesUpAndLeavesTheSoundFile) {
    makeFile(std::wstring(kSons) + L"b.wav", "RIFF");
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
    ASSERT_TRUE(e.Liste.userSelect(2));
    EXPECT_EQ(e.TitreSon.text() + e.FichierWave.text(), L"");
    EXPECT_EQ(played(), std::vector<Text>{sons(L"c.wav")});
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
    EXPECT_EQ(lit(L"Sons", 1), L"b.wav");
    EXPECT_EQ(sound(L"b.wav"), "RIFF b");
}

TEST_F(Sons, TheChooserCopiesOverASameNamedFileAndKeepsOneAlreadyInTheSoundsFolder) {
    makeFile(std::wstring(kSons) + L"cri.wav", "old");
    makeFile(L"C:\\Autre\\cri.wav", "new");
    makeFile(L"D:\\racine.wav", "RIFF");
    writeIni("[TitreSons]\r\n1=Un\r\n2=Deux\r\n[Sons]\r\n1=cri.wav\r\n2=cri.wav\r\n");
    auto& e = open();
    replace(L"C:\\Autre", L"cri.wav", L"Un");
    EXPECT_EQ(sound(L"cri.wav"), "new") << "for every slot that names it";
    replace(kSons, L"cri.wav", L"Deux");
    EXPECT_EQ(sound(L"cri.wav"), "new");
    EXPECT_TRUE(desk.boxes.shown().empty());
    ASSERT_TRUE(e.ReyCommand1.click());
    e.Drive1.setDrive(L"D:");
    ASSERT_TRUE(e.File1.userSelect(0));
    EXPECT_EQ(e.CheminChoisi, L"D:\\racine.wav") << "no doubled backslash at a drive's root";
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
    const Text source = L"C:\\Musique\\n.wav", target = std::wstring(kSons) + L"n.wav";
    const struct {
        const char* what;
        std::function<void()> breakIt;
        const wchar_t* says;
    } cases[] = {
        {"no file clicked", [&] { ed().File1.setPath(L"C:\\"); }, L"Aucun fichier WAV"},
        {"source gone", [&] { std::filesystem::remove(desk.files.hostPath(source)); },
         L"n'a pas pu être copié"},
        {"target refused", [&] { desk.files.setWriteRefused(target, true); }, L"n'a pas pu être copié"},
        {"no configuration folder", [&] { program->DossierConfig = L"C:\\Absent\\Wardo\\"; },
         L"n'a pas pu être copié"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        makeFile(source, "RIFF");
        writeIni("[TitreSons]\r\n1=A\r\n[Sons]\r\n1=a.wav\r\n");
        desk.boxes.clear();
        auto& e = open();
        ASSERT_TRUE(e.ReyCommand1.click());
        choose(L"C:\\Musique", L"n.wav", L"Nouveau");
        c.breakIt();
        ASSERT_TRUE(e.ReyCommand2.click());
        EXPECT_EQ(readIni(), "[TitreSons]\r\n1=A\r\n[Sons]\r\n1=a.wav\r\n");
        ASSERT_EQ(desk.boxes.shown().size(), 1u);
        EXPECT_NE(desk.boxes.shown()[0].text.find(c.says), std::wstring::npos);
        EXPECT_EQ(desk.boxes.shown()[0].title, L"Choix des sons");
        EXPECT_TRUE(e.ReyCommand2.visible()) << "the edit stays open";
        ASSERT_TRUE(e.unload());
        desk.files.setWriteRefused(target, false);
    }
}

// A name that the code page cannot hold would be stored with "?" in place of its letters, and the slot
// would play the default sound: such a file is refused, with a word to rename it.
TEST_F(Sons, AFileNameTheCodePageCannotHoldIsRefusedWithAWordToRenameIt) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"Café à 5 €.wav", false}, {L"Dvořák.wav", true}, {L"声.wav", true}};
    for (const auto& [name, refused] : cases) {
        SCOPED_TRACE(text::toAnsi(name));
        makeFile(std::wstring(L"C:\\Musique\\") + name, "RIFF");
        writeIni("[TitreSons]\r\n1=A\r\n[Sons]\r\n1=a.wav\r\n");
        desk.boxes.clear();
        auto& e = open();
        replace(L"C:\\Musique", name, L"Nouveau");
        EXPECT_EQ(lit(L"Sons", 1), refused ? L"a.wav" : name);
        EXPECT_EQ(sound(name), refused ? "<none>" : "RIFF");
        EXPECT_EQ(e.ReyCommand2.visible(), refused) << "the edit stays open";
        ASSERT_EQ(desk.boxes.shown().size(), refused ? 1u : 0u);
        if (refused) {
            EXPECT_NE(desk.boxes.shown()[0].text.find(name), std::wstring::npos);
            EXPECT_NE(desk.boxes.shown()[0].text.find(L"renommez"), std::wstring::npos);
            EXPECT_EQ(desk.boxes.shown()[0].title, L"Choix des sons");
        }
        ASSERT_TRUE(e.unload());
    }
}

}  // namespace
}  // namespace wardo::editors::testing
