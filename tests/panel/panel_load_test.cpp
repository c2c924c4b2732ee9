// Loading the panel: its shape, caption, place and menus, and every stored setting read into the
// program's variables with the defaults of a fresh installation.
#include <functional>

#include "panel_fixture.h"

namespace wardo::panel::testing {
namespace {

constexpr const wchar_t* kProgramFolder = L"C:\\Program Files\\Wardo\\";
constexpr const wchar_t* kSkins = L"C:\\Users\\Modo\\AppData\\Roaming\\Wardo\\skins\\";

class PanelLoad : public PanelTest {
protected:
    size_t count(const std::string& s, const std::string& what) {
        size_t n = 0;
        for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
        return n;
    }
};

TEST_F(PanelLoad, WithoutParametersEveryDefaultAndModeWrittenOnce) {
    desk.platform().screen.widthTwips = 1024 * 15;
    desk.platform().screen.heightTwips = 16215;
    Reglages& r = loadPanel("[Alertes]\r\n1=1|Bob\r\n");
    const app::Program& p = *program;
    EXPECT_FALSE(p.AnnonceSonoreActive);
    EXPECT_FALSE(p.AccueilActif);
    EXPECT_EQ(r.ChoixSonEntree, L"1");
    EXPECT_EQ(p.CheminSonEntree, std::wstring(kProgramFolder) + L"sonentree1.wav");
    EXPECT_TRUE(p.SignatureActive);
    EXPECT_TRUE(p.DingAutorise);
    EXPECT_TRUE(p.IgnoreReentrantActif);
    EXPECT_FALSE(p.RetourBarreTachesActif);
    EXPECT_EQ(p.CodeDureePunish, L"1h");
    EXPECT_EQ(p.CodeDureeBan, L"15j");
    EXPECT_TRUE(r.banpseudo.value());
    EXPECT_FALSE(r.banippseudo.value());
    EXPECT_EQ(p.MotStatut, L"rouge");
    EXPECT_EQ(p.NiveauStatut, 1);
    EXPECT_EQ(p.TexteAccueil, L"(*)$N, bonjour, bienvenue sur notre room ! (*)");
    EXPECT_EQ(p.CodeOpme, L"");
    EXPECT_EQ(p.CodeToucheMicro, 40);
    EXPECT_TRUE(p.ToucheMicroActive);
    EXPECT_TRUE(p.BipActif);
    EXPECT_EQ(r.NomSkin, L"");
    EXPECT_EQ(p.CleTexte.size(), 20u);
    EXPECT_FALSE(r.PanneauLance);
    EXPECT_EQ(r.DossierSkins, kSkins);
    EXPECT_EQ(count(readIni(), "Mode=Wardo"), 1u);
    EXPECT_EQ(count(readIni(), "[Parametres]"), 1u);

    // Borderless, rounded, captioned and centred; the layout of the "rouge" level.
    EXPECT_EQ(r.borderStyle(), ui::BorderStyle::None);
    EXPECT_EQ(r.region(), (ui::Region{true, 304, 361, 15, 15}));
    EXPECT_EQ(r.caption(), L"Wardo - V 1.52");
    EXPECT_EQ(r.width(), 4560);
    EXPECT_EQ(r.height(), 5415);
    EXPECT_EQ(r.left(), (1024 * 15 - 4560) / 2);
    EXPECT_EQ(r.top(), 5400);
    EXPECT_EQ(r.Label1.caption(), L"Panel admin");

    EXPECT_EQ(r.MenuConfig.left(), 360);
    ASSERT_EQ(r.MenuConfig.listCount(), 5);
    const wchar_t* config[] = {L"Réglages de base", L"Raisons", L"Annonces", L"Sons", L"Skins"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(r.MenuConfig.list(i), config[i]);
    ASSERT_EQ(r.MenuAide.listCount(), 2);
    EXPECT_EQ(r.MenuAide.list(0), L"Aide");
    EXPECT_EQ(r.MenuAide.list(1), L"A propos");
}

TEST_F(PanelLoad, TheNicknameFoundByTheIdentificationLoadsThePanelBeforeItShows) {
    writeIni("[Parametres]\r\nStatut=op\r\n");
    startUp();
    ASSERT_TRUE(principale().recupnombot(L"(21:05) Zorro : Salut la room !\r\n"));
    ASSERT_TRUE(program->reglagesCreated());
    EXPECT_TRUE(reglages().loaded());
    EXPECT_FALSE(reglages().visible());
    EXPECT_EQ(reglages().pseudomodo.caption(), L"de Zorro");
    EXPECT_EQ(reglages().Label1.caption(), L"Panel opérateur");
    EXPECT_FALSE(reglages().PanneauLance);
    EXPECT_TRUE(reglages().Boucle.running());
    EXPECT_FALSE(reglages().BoucleLectPseudo.running());
}

TEST_F(PanelLoad, AModeAlreadyStoredIsNotRewritten) {
    loadPanel("[Parametres]\r\nMode=Autre\r\n");
    EXPECT_EQ(count(readIni(), "Mode="), 1u);
    EXPECT_NE(readIni().find("Mode=Autre"), std::string::npos);
}

// One stored value and what the load makes of it; the values the settings pane writes are read back
// with its keys.
struct StoredValue {
    const char* line;
    std::function<void(const app::Program&, const Reglages&)> expect;
};

void PrintTo(const StoredValue& v, std::ostream* os) {
    *os << v.line;
}

class StoredValues : public PanelLoad, public ::testing::WithParamInterface<StoredValue> {};

TEST_P(StoredValues, AreReadAsTheRulesSay) {
    Reglages& r = loadPanel(std::string("[Parametres]\r\n") + GetParam().line + "\r\n");
    GetParam().expect(*program, r);
}

using P = const app::Program&;
using R = const Reglages&;

INSTANTIATE_TEST_SUITE_P(
    PanelLoad, StoredValues,
    ::testing::Values(StoredValue{"AnnSonore=o", [](P p, R) { EXPECT_FALSE(p.AnnonceSonoreActive); }},
                      StoredValue{"Signekick=n", [](P p, R) { EXPECT_TRUE(p.SignatureActive); }},
                      StoredValue{"IgnoreReentrant=N", [](P p, R) { EXPECT_FALSE(p.IgnoreReentrantActif); }},
                      StoredValue{"BipEntree=3",
                                  [](P p, R r) {
                                      EXPECT_EQ(r.ChoixSonEntree, L"3");
                                      EXPECT_EQ(p.CheminSonEntree,
                                                std::wstring(kProgramFolder) + L"sonentree3.wav");
                                  }},
                      StoredValue{"BipEntree=4",
                                  [](P p, R r) {
                                      EXPECT_EQ(r.ChoixSonEntree, L"4");
                                      EXPECT_EQ(p.CheminSonEntree, L"");
                                  }},
                      StoredValue{"Statut=ROUGE",
                                  [](P p, R r) {
                                      EXPECT_EQ(p.MotStatut, L"ROUGE");
                                      EXPECT_EQ(p.NiveauStatut, 0);
                                      EXPECT_EQ(r.Label1.caption(), L"Panel user noir");
                                  }},
                      StoredValue{"AvecBip=non", [](P p, R) { EXPECT_TRUE(p.BipActif); }},
                      StoredValue{"Largeur=D", [](P, R r) { EXPECT_FALSE(r.region().set); }},
                      StoredValue{"Largeur=d", [](P, R r) { EXPECT_TRUE(r.region().set); }}));

// The rounded region is the 4560 by 5415 twips window in the screen's own pixels: at 12 twips a pixel
// a region of 15's pixels would leave out the close and minimise images at the top right.
TEST_F(PanelLoad, TheRoundedRegionCoversTheWindowInTheScreensPixels) {
    struct Case {
        int twipsPerPixelX, twipsPerPixelY, width, height;
    };
    for (const Case& c : {Case{15, 15, 304, 361}, Case{12, 12, 380, 451}, Case{15, 12, 304, 451}}) {
        freshProgram();
        desk.platform().screen.twipsPerPixelX = c.twipsPerPixelX;
        desk.platform().screen.twipsPerPixelY = c.twipsPerPixelY;
        Reglages& r = loadPanel();
        EXPECT_EQ(r.region(), (ui::Region{true, c.width, c.height, 15, 15}))
            << r.region().width << " by " << r.region().height << " pixels at " << c.twipsPerPixelX << " by "
            << c.twipsPerPixelY << " twips a pixel";
    }
}

// The push-to-talk key's code, rounded to the nearest even; anything else is no key, and the load goes on.
TEST_F(PanelLoad, TheStoredKeyCodeIsRoundedOrNoKey) {
    const std::pair<const char*, int> cases[] = {{"0", 0},     {"18", 18}, {"38.5", 38},
                                                 {"37.5", 38}, {"Alt", 0}, {"99999999999", 0}};
    for (const auto& [stored, code] : cases) {
        freshProgram();
        Reglages& r = loadPanel(std::string("[Parametres]\r\nToucheMicro=") + stored + "\r\n");
        EXPECT_EQ(program->CodeToucheMicro, code) << stored;
        EXPECT_TRUE(program->ToucheMicroActive) << stored;
        EXPECT_TRUE(program->BipActif) << stored;
        EXPECT_EQ(r.Label1.caption(), L"Panel admin") << stored;
    }
}

// A skin that is gone or is no bitmap keeps the title's own picture, and every later step still runs.
TEST_F(PanelLoad, AMissingOrDamagedSkinKeepsTheTitlePictureAndTheLoadGoesOn) {
    makeFile(std::wstring(kProgramFolder) + L"titre.bmp", "BM title");
    makeFile(std::wstring(kSkins) + L"abime.bmp", "not a bitmap");
    for (const char* skin : {"absent.bmp", "abime.bmp"}) {
        freshProgram();
        Reglages& r = loadPanel(std::string("[Parametres]\r\nStatut=op\r\nSkin=") + skin + "\r\n");
        EXPECT_EQ(r.menuco.picture(), std::wstring(kProgramFolder) + L"titre.bmp") << skin;
        EXPECT_EQ(r.Label1.caption(), L"Panel opérateur") << skin;
        EXPECT_EQ(r.MenuCdesSupp.listCount(), 3) << skin;
        EXPECT_FALSE(r.PanneauLance);
    }
}

}  // namespace
}  // namespace wardo::panel::testing
