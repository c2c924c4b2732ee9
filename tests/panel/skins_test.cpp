// The skins pane: the folder listed in lower case, the preview, the choice on the title image and in the
// settings file, and a folder that is empty, missing or holds what is no bitmap.
#include "panel_fixture.h"

namespace wardo::panel::testing {
namespace {

constexpr const wchar_t* kSkins = L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo\\skins\\";
constexpr const wchar_t* kTitle = L"C:\\Program Files\\Wardo\\titre.bmp";

class Skins : public PanelTest {
protected:
    Skins() { makeFile(kTitle, "BM title"); }

    void skin(const wchar_t* file, const std::string& bytes = "BM skin") {
        makeFile(kSkins + std::wstring(file), bytes);
    }

    // The panel started, then "Skins" from the configuration menu.
    Reglages& openSkins() {
        if (!program->reglagesCreated() || !reglages().visible()) showStarted();
        Reglages& r = reglages();
        EXPECT_TRUE(r.Configurer.click());
        EXPECT_TRUE(r.MenuConfig.userSelect(4));
        return r;
    }
    std::vector<std::wstring> listed(Reglages& r) {
        std::vector<std::wstring> items;
        for (int i = 0; i < r.List1.listCount(); ++i) items.push_back(r.List1.list(i));
        return items;
    }
    void expectPaneOpen(Reglages& r, bool open) {
        EXPECT_EQ(r.FrameSkins.left(), open ? 150 : 12000);
        EXPECT_EQ(r.Image3.visible(), !open);
        EXPECT_EQ(r.Image4.visible(), !open);
    }
};

TEST_F(Skins, ListsBitmapsInLowerCaseAndPreviewsTheFirst) {
    skin(L"Ocean.BMP");
    skin(L"foret.bmp");
    skin(L"Nuit.Bmp.bmp");
    skin(L"lisezmoi.txt");
    skin(L"vieux.bmpx");
    Reglages& r = openSkins();
    EXPECT_EQ(listed(r), (std::vector<std::wstring>{L"foret", L"nuit", L"ocean"}));
    EXPECT_EQ(r.List1.listIndex(), 0);
    EXPECT_EQ(r.NomSkin, L"foret");
    EXPECT_EQ(r.Image6.picture(), kSkins + std::wstring(L"foret.bmp"));
    EXPECT_FALSE(r.MenuConfig.visible());
    expectPaneOpen(r, true);
    EXPECT_EQ(r.menuco.picture(), kTitle);
}

TEST_F(Skins, ChoosingStoresTheLowerCaseNameAndPutsTheFileOnTheTitle) {
    skin(L"foret.bmp");
    skin(L"Ocean.BMP");
    Reglages& r = openSkins();
    ASSERT_TRUE(r.List1.userSelect(1));
    EXPECT_EQ(r.Image6.picture(), kSkins + std::wstring(L"Ocean.BMP"));
    EXPECT_EQ(r.menuco.picture(), kTitle) << "the preview leaves the title alone";
    ASSERT_TRUE(r.choisir.click());
    EXPECT_EQ(r.menuco.picture(), kSkins + std::wstring(L"Ocean.BMP"));
    EXPECT_NE(readIni().find("Skin=ocean.bmp\r\n"), std::string::npos) << readIni();
    expectPaneOpen(r, false);
}

TEST_F(Skins, ClosingWithoutChoosingLeavesTheTitleAndTheStoredSkin) {
    skin(L"foret.bmp");
    skin(L"ocean.bmp");
    Reglages& r = openSkins();
    r.List1.userSelect(1);
    ASSERT_TRUE(r.Image5.click());
    expectPaneOpen(r, false);
    EXPECT_EQ(r.menuco.picture(), kTitle);
    EXPECT_EQ(readIni().find("Skin="), std::string::npos);
}

// On a file system that tells case apart, the stored lower-case name still finds "Ocean.BMP".
TEST_F(Skins, TheChosenSkinShowsAgainAfterARestart) {
    for (const bool caseSensitive : {false, true}) {
        desk.files.setCaseSensitive(caseSensitive);
        freshProgram();
        skin(L"Ocean.BMP", "BM ocean");
        openSkins().choisir.click();
        freshProgram();
        showPanel();
        EXPECT_EQ(reglages().NomSkin, L"ocean.bmp");
        EXPECT_EQ(desk.files.readAll(reglages().menuco.picture()), "BM ocean") << caseSensitive;
    }
}

// Nothing to show or a file that is no bitmap: an empty preview, and "Choisir ce skin" changes nothing
// and keeps the pane open.
struct Unusable {
    const char* name;
    bool folder;
    const char* bitmap;  // the one file of the folder, nullptr: none
};

class UnusableSkins : public Skins, public ::testing::WithParamInterface<Unusable> {};

TEST_P(UnusableSkins, PreviewStaysEmptyAndChoosingChangesNothing) {
    if (GetParam().folder) std::filesystem::create_directories(desk.files.hostPath(kSkins));
    if (GetParam().bitmap) skin(L"abime.bmp", GetParam().bitmap);
    Reglages& r = openSkins();
    expectPaneOpen(r, true);
    EXPECT_EQ(r.Image6.picture(), L"");
    ASSERT_TRUE(r.choisir.click());
    expectPaneOpen(r, true);
    EXPECT_EQ(r.menuco.picture(), kTitle);
    EXPECT_EQ(readIni().find("Skin="), std::string::npos);
    ASSERT_TRUE(r.Image5.click());
    expectPaneOpen(r, false);
}

INSTANTIATE_TEST_SUITE_P(Skins, UnusableSkins,
                         ::testing::Values(Unusable{"MissingFolder", false, nullptr},
                                           Unusable{"EmptyFolder", true, nullptr},
                                           Unusable{"NoBitmap", true, "not a bitmap"},
                                           Unusable{"EmptyFile", true, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Skins, ADamagedBitmapClearsAnEarlierPreviewAndANewSkinShowsAtTheNextOpening) {
    skin(L"abime.bmp", "not a bitmap");
    skin(L"bleu.bmp");
    Reglages& r = openSkins();
    r.List1.userSelect(1);
    ASSERT_EQ(r.Image6.picture(), kSkins + std::wstring(L"bleu.bmp"));
    r.List1.userSelect(0);
    EXPECT_EQ(r.Image6.picture(), L"");
    r.Image5.click();

    skin(L"rouge.bmp");
    openSkins();
    EXPECT_EQ(listed(r), (std::vector<std::wstring>{L"abime", L"bleu", L"rouge"}));
}

}  // namespace
}  // namespace wardo::panel::testing
