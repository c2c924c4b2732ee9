// The settings pane "Réglages de base": what it shows when it opens, the entry-sound buttons, its two
// ways out, the connection phrase's check with its blocking error, the operator-code box, hand-edited
// values, and the beep option of the push-to-talk key pane.
#include <array>
#include <functional>

#include "platform/sim/sim_code_page.h"
#include "settings_pane_fixture.h"

namespace wardo::panel::testing {
namespace {

constexpr ui::Color kWhite = 0xFFFFFF, kPink = 0xFF80FF, kGrey = 0x808080;

std::array<ui::Color, 4> signalColours(const Reglages& r) {
    return {r.Signal(1).backColor(), r.Signal(2).backColor(), r.Signal(3).backColor(),
            r.Signal(4).backColor()};
}

// A stored file and what the pane shows of it when it opens.
struct Shown {
    std::string parametres;
    bool avecAccueil;
    std::array<int, 4> checks;  // SignerActions, pasdeding, RetourBarreTaches, IgnorerReentrant
    const wchar_t* accueil;
    const wchar_t* connexion;
    const wchar_t* punish;
    const wchar_t* ban;
    const wchar_t* code;
    wchar_t mask;
    int statut;  // the level button painted, 0 none
    std::array<ui::Color, 4> signals;
};

// The pane in view locks the panel: no menu titles, window images, nickname box nor pick-up.
void expectPaneOpen(const Reglages& r, bool open) {
    EXPECT_EQ(r.Frame1.left(), open ? 150 : 10000);
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{&r.Configurer, &r.Label57,
                                                                          &r.Label58, &r.Image3, &r.Image4})
        EXPECT_EQ(c->visible(), !open) << text::toAnsi(c->name());
    EXPECT_EQ(r.Label2.enabled(), !open);
    EXPECT_EQ(r.BoucleLectPseudo.running(), !open);
}

void PrintTo(const Shown& s, std::ostream* os) {
    *os << s.parametres;
}

class Opening : public SettingsPaneTest, public ::testing::WithParamInterface<Shown> {};

TEST_P(Opening, ShowsTheSettingsInForceAndLocksThePanel) {
    const Shown& s = GetParam();
    Reglages& r = openPane(s.parametres);
    expectPaneOpen(r, true);

    EXPECT_EQ(r.AvecAccueil.value(), s.avecAccueil);
    EXPECT_EQ(r.SansAccueil.value(), !s.avecAccueil);
    EXPECT_EQ((std::array<int, 4>{r.SignerActions.value(), r.pasdeding.value(), r.RetourBarreTaches.value(),
                                  r.IgnorerReentrant.value()}),
              s.checks);
    EXPECT_EQ(r.Text1.text(), s.accueil);
    EXPECT_EQ(r.Text2.text(), s.connexion);
    EXPECT_EQ(r.ListPunish.text(), s.punish);
    EXPECT_EQ(r.ListBan.text(), s.ban);
    EXPECT_EQ(r.saisieCodeOPME.text(), s.code);
    EXPECT_EQ(r.saisieCodeOPME.passwordChar(), s.mask);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(r.Statut(i).backColor() != kWhite, i == s.statut) << i;
    EXPECT_EQ(signalColours(r), s.signals);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsPane, Opening,
    ::testing::Values(
        Shown{"",
              false,
              {1, 1, 0, 1},
              L"(*)$N, bonjour, bienvenue sur notre room ! (*)",
              L"Salut la room !",
              L"1 heure",
              L"15 jours",
              L"",
              0,
              5,
              {kWhite, kWhite, kWhite, kGrey}},
        // The connection phrase in use is the one the start-up lower-cased.
        Shown{"AnnSonore=O\r\nBipEntree=3\r\nSalutNouvUser=O\r\nSignekick=N\r\nAvecDing=N\r\n"
              "RetBarreTaches=O\r\nIgnoreReentrant=N\r\nDureePunish=2j\r\nDureeBan=def\r\nStatut=op\r\n"
              "PhraseAccueil=Yo $N\r\nPhraseConnexion=Me Voila\r\nCodeOPME=<abc>\r\n",
              true,
              {0, 0, 1, 0},
              L"Yo $N",
              L"me voila",
              L"2 jours",
              L"à vie",
              L"abc",
              L'*',
              3,
              {kWhite, kWhite, kPink, kWhite}}));

TEST_F(SettingsPaneTest, OpenedAgainAfterLeavingThroughChoisirShowsEachDurationOnce) {
    Reglages& r = openPane();
    r.ListPunish.userSelect(3);
    ASSERT_TRUE(r.ChoixTouchePriseMicro.click());
    reopenPane();
    reopenPane();
    const std::vector<std::wstring> punish{L"1 heure", L"2 heures", L"1 jour", L"2 jours"};
    const std::vector<std::wstring> ban{L"1 jour", L"15 jours", L"1 mois", L"1 an", L"à vie"};
    std::vector<std::wstring> shown;
    for (int i = 0; i < r.ListPunish.listCount(); ++i) shown.push_back(r.ListPunish.list(i));
    EXPECT_EQ(shown, punish);
    shown.clear();
    for (int i = 0; i < r.ListBan.listCount(); ++i) shown.push_back(r.ListBan.list(i));
    EXPECT_EQ(shown, ban);
    EXPECT_EQ(r.ListPunish.text(), L"1 heure") << "the choice left unvalidated is gone";
}

// A click on an entry-sound button, from the third sound chosen.
struct SoundChoice {
    int index;
    std::array<ui::Color, 4> colours;
    bool on;
    const wchar_t* choix;
    const wchar_t* played;  // nothing for "Aucun"
};

void PrintTo(const SoundChoice& s, std::ostream* os) {
    *os << "Signal(" << s.index << ")";
}

class EntrySound : public SettingsPaneTest, public ::testing::WithParamInterface<SoundChoice> {};

TEST_P(EntrySound, TakesEffectAtOnceAndPlaysTheChosenSound) {
    const SoundChoice& s = GetParam();
    Reglages& r = openPane("AnnSonore=O\r\nBipEntree=3\r\n");
    const std::string ini = readIni();
    ASSERT_TRUE(r.Signal(s.index).click());
    EXPECT_EQ(signalColours(r), s.colours);
    EXPECT_EQ(program->AnnonceSonoreActive, s.on);
    EXPECT_EQ(r.ChoixSonEntree, s.choix);
    const std::wstring path = std::wstring(kProgramFolder) + L"sonentree" + s.choix + L".wav";
    EXPECT_EQ(program->CheminSonEntree, path);
    if (s.played == nullptr) {
        EXPECT_TRUE(desk.sounds.played().empty());
    } else {
        ASSERT_EQ(desk.sounds.played().size(), 1u);
        EXPECT_EQ(desk.sounds.played()[0].path, std::wstring(kProgramFolder) + s.played);
        EXPECT_TRUE(desk.sounds.played()[0].async);
    }
    EXPECT_EQ(readIni(), ini) << "stored only by the validation";
}

INSTANTIATE_TEST_SUITE_P(
    SettingsPane, EntrySound,
    ::testing::Values(SoundChoice{1, {kPink, kWhite, kWhite, kWhite}, true, L"1", L"sonentree1.wav"},
                      SoundChoice{2, {kWhite, kPink, kWhite, kWhite}, true, L"2", L"sonentree2.wav"},
                      SoundChoice{4, {kWhite, kWhite, kWhite, kGrey}, false, L"3", nullptr}));

// The two ways out of the pane: both give the panel back, only the validation stores.
struct WayOut {
    const char* name;
    std::function<bool(Reglages&)> leave;
    bool stores;
    const wchar_t* heading;
};

void PrintTo(const WayOut& w, std::ostream* os) {
    *os << w.name;
}

class LeavingThePane : public SettingsPaneTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(LeavingThePane, GivesThePanelBackLaidOutForTheLevel) {
    const WayOut& w = GetParam();
    Reglages& r = openPane();
    ASSERT_TRUE(r.Statut(4).click());  // "OP+"
    const std::string ini = readIni();
    ASSERT_TRUE(w.leave(r));
    expectPaneOpen(r, false);
    EXPECT_EQ(r.Label1.caption(), w.heading);
    if (w.stores) {
        EXPECT_EQ(stored(L"Statut"), L"opplus");
        EXPECT_EQ(program->NiveauStatut, 2);
        EXPECT_EQ(r.ListPunish.listCount() + r.ListBan.listCount(), 0);
    } else {
        // Nothing of the pane is stored; the key pane this way opens ticks its beep box, whose click
        // stores the beep option it shows.
        EXPECT_EQ(readIni(), ini + "AvecBip=1\r\n");
        EXPECT_EQ(program->NiveauStatut, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SettingsPane, LeavingThePane,
    ::testing::Values(WayOut{"Valider", [](Reglages& r) { return r.ValiderChoix.click(); }, true,
                             L"Panel OP plus"},
                      WayOut{"Choisir", [](Reglages& r) { return r.ChoixTouchePriseMicro.click(); }, false,
                             L"Panel admin"}));

// A connection phrase typed on the pane, from "Salut la room !" stored.
struct Phrase {
    const wchar_t* typed;
    bool accepted;
    ui::Color colour;
};

void PrintTo(const Phrase& p, std::ostream* os) {
    *os << text::toAnsi(p.typed);
}

class ConnectionPhrase : public SettingsPaneTest, public ::testing::WithParamInterface<Phrase> {};

TEST_P(ConnectionPhrase, IsStoredAsTypedOnlyWhenItsCharactersPass) {
    const Phrase& p = GetParam();
    Reglages& r = openPane("PhraseConnexion=Salut la room !\r\n");
    r.Text2.userSetText(p.typed);
    valider();
    EXPECT_EQ(r.Text2.backColor(), p.colour);
    EXPECT_EQ(stored(L"PhraseConnexion"), p.accepted ? p.typed : L"Salut la room !");
    EXPECT_EQ(program->TexteConnexion, p.accepted ? p.typed : L"salut la room !");
    EXPECT_EQ(r.Frame1.left(), p.accepted ? 10000 : 150);
}

INSTANTIATE_TEST_SUITE_P(SettingsPane, ConnectionPhrase,
                         ::testing::Values(Phrase{L"Bonsoir La Room !", true, 0xFFFFC0},
                                           Phrase{L"ÉTÉ À 20 ? oui", true, 0xFFFFC0},
                                           Phrase{L"", true, 0xFFFFC0}, Phrase{L"c'est moi", false, 0x8080FF},
                                           Phrase{L"salut, toi", false, 0x8080FF},
                                           Phrase{L"salut :)", false, 0x8080FF},
                                           Phrase{L"ça va", false, 0x8080FF}));

// The error shows for six seconds during which nothing runs; what the first steps stored stays.
TEST_F(SettingsPaneTest, ARefusedPhraseBlocksSixSecondsAndKeepsThePaneOpenWithTheFirstStepsStored) {
    Reglages& r = openPane("PhraseAccueil=Avant $N\r\nSalutNouvUser=O\r\n");
    ASSERT_TRUE(r.Statut(3).click());
    r.SansAccueil.click();
    r.Text1.userSetText(L"Après $N");
    r.saisieCodeOPME.click();
    r.saisieCodeOPME.userSetText(L"secret");
    r.Text2.userSetText(L"salut :-)");

    std::vector<std::int64_t> ticks;
    desk.loop.startTimer(1000, [&] { ticks.push_back(desk.loop.nowMs()); });
    int errorLeftWhilePainting = -1;
    desk.loop.post([&] { errorLeftWhilePainting = r.FrameErreur.left(); });
    const std::int64_t start = desk.loop.nowMs();
    valider();
    EXPECT_EQ(errorLeftWhilePainting, 60);
    EXPECT_EQ(r.FrameErreur.left(), 10000);
    EXPECT_EQ(desk.loop.nowMs() - start, 6000);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{start + 6000})) << "no tick during the pause";

    EXPECT_EQ(stored(L"Statut"), L"op");
    EXPECT_EQ(stored(L"SalutNouvUser"), L"N");
    EXPECT_EQ(program->NiveauStatut, 3);
    EXPECT_EQ(stored(L"PhraseAccueil"), L"Avant $N");
    EXPECT_FALSE(holds("CodeOPME"));
    EXPECT_EQ(r.Frame1.left(), 150);
    EXPECT_FALSE(r.Image3.visible());
    EXPECT_EQ(r.Label1.caption(), L"Panel admin") << "not laid out yet";

    r.Text2.userSetText(L"salut");
    valider();
    EXPECT_EQ(stored(L"PhraseConnexion"), L"salut");
    EXPECT_EQ(stored(L"PhraseAccueil"), L"Après $N");
    EXPECT_EQ(program->CodeOpme, L"secret");
    EXPECT_EQ(r.Label1.caption(), L"Panel opérateur");
}

TEST_F(SettingsPaneTest, AnEmptyWelcomeBoxChangesNeitherTheStoredNorTheWelcomeInForce) {
    Reglages& r = openPane("PhraseAccueil=Salut $N\r\n");
    r.Text1.userSetText(L"");
    valider();
    EXPECT_EQ(stored(L"PhraseAccueil"), L"Salut $N");
    EXPECT_EQ(program->TexteAccueil, L"Salut $N");
}

// The word chosen on the level buttons becomes the level only when it is one of the five.
TEST_F(SettingsPaneTest, TheLevelFollowsOnlyAnExactLevelWord) {
    const std::pair<const wchar_t*, int> cases[] = {{L"rouge", 1}, {L"ROUGE", 3}, {L"bleu", 4}};
    for (const auto& [word, level] : cases) {
        freshProgram();
        openPane("Statut=op\r\n");
        program->MotStatut = word;
        valider();
        EXPECT_EQ(program->NiveauStatut, level) << text::toAnsi(word);
        EXPECT_EQ(stored(L"Statut"), word);
    }
}

// A click empties the masked box and shows what the user types in clear; the validation masks it again.
TEST_F(SettingsPaneTest, ATypedCodeIsStoredEncipheredAndMaskedAgain) {
    Reglages& r = openPane("CodeOPME=<ancien>\r\n");
    ASSERT_EQ(r.saisieCodeOPME.passwordChar(), L'*');
    ASSERT_TRUE(r.saisieCodeOPME.click());
    EXPECT_EQ(r.saisieCodeOPME.text(), L"");
    EXPECT_EQ(r.saisieCodeOPME.passwordChar(), 0);
    r.saisieCodeOPME.userSetText(L"Opme-2024");
    valider();
    const text::Text hex = stored(L"CodeOPME");
    EXPECT_EQ(hex.size(), 64u);
    EXPECT_EQ(hex.find_first_not_of(L"0123456789ABCDEF"), text::Text::npos);
    EXPECT_EQ(cipher::DecrypteTexte(cipher::HexVersTexte(hex), cipher::CleTexte()), L"Opme-2024");
    EXPECT_EQ(program->CodeOpme, L"Opme-2024");
    EXPECT_EQ(r.saisieCodeOPME.passwordChar(), L'*');
}

// Values read back are at most 799 characters: 380 characters of code take 768 digits, 381 take 832.
TEST_F(SettingsPaneTest, ACodeComesBackWholeUpTo380CharactersAndAsNoCodeBeyond) {
    for (const size_t length : {size_t{380}, size_t{381}}) {
        const std::wstring code(length, L'k');
        freshProgram();
        Reglages& r = openPane();
        r.saisieCodeOPME.click();
        r.saisieCodeOPME.userSetText(code);
        valider();
        EXPECT_EQ(program->CodeOpme, code) << "in force until the end of this run";
        nextStart();
        EXPECT_EQ(program->CodeOpme, length == 380 ? code : L"") << length;
    }
}

// The enciphered bytes never cross the code page, which under UTF-8 would not give them back.
TEST_F(SettingsPaneTest, ACodeComesBackAtTheNextStartWhateverTheCodePage) {
    for (const text::AnsiCodePage* codePage : {&text::windows1252(), &platform::sim::utf8CodePage()}) {
        const platform::sim::UsingCodePage inForce(*codePage);
        freshProgram();
        Reglages& r = openPane();
        r.saisieCodeOPME.click();
        r.saisieCodeOPME.userSetText(L"Opme-2024 été");
        valider();
        nextStart();
        EXPECT_EQ(program->CodeOpme, L"Opme-2024 été") << (codePage == &text::windows1252());
    }
}

// A hand-edited value that the pane cannot show keeps its meaning: the validation writes it back or
// leaves it.
struct HandEdited {
    std::string line;
    std::function<void(const Reglages&)> shown;
    std::string after;  // the line in the file after the validation
};

void PrintTo(const HandEdited& h, std::ostream* os) {
    *os << h.line;
}

class HandEditedValue : public SettingsPaneTest, public ::testing::WithParamInterface<HandEdited> {};

TEST_P(HandEditedValue, KeepsItsMeaningThroughTheValidation) {
    const HandEdited& h = GetParam();
    Reglages& r = openPane(h.line + "\r\n");
    h.shown(r);
    valider();
    EXPECT_NE(readIni().find("\r\n" + h.after + "\r\n"), std::string::npos) << readIni();
}

INSTANTIATE_TEST_SUITE_P(
    SettingsPane, HandEditedValue,
    ::testing::Values(
        HandEdited{"DureePunish=3h",
                   [](const Reglages& r) {
                       EXPECT_EQ(r.ListPunish.text(), L"");
                       EXPECT_EQ(r.ListPunish.listCount(), 4);
                   },
                   "DureePunish=3h"},
        HandEdited{"DureeBan=2a", [](const Reglages& r) { EXPECT_EQ(r.ListBan.text(), L""); }, "DureeBan=2a"},
        HandEdited{"Type Ban=ip+pseudo",
                   [](const Reglages& r) {
                       EXPECT_FALSE(r.banpseudo.value());
                       EXPECT_FALSE(r.banippseudo.value());
                   },
                   "Type Ban=ip+pseudo"},
        HandEdited{"Statut=Rouge",
                   [](const Reglages& r) {
                       for (int i = 1; i <= 5; ++i) EXPECT_EQ(r.Statut(i).backColor(), kWhite) << i;
                   },
                   "Statut=Rouge"},
        HandEdited{
            "AnnSonore=O\r\nBipEntree=4",
            [](const Reglages& r) {
                EXPECT_EQ(signalColours(r), (std::array<ui::Color, 4>{kWhite, kWhite, kWhite, kWhite}));
            },
            "BipEntree=4"}));

// Every section, key, comment and line the pane does not own is still there after a validation.
TEST_F(SettingsPaneTest, TheValidationKeepsEveryOtherSetting) {
    const std::string others[] = {
        "; mes réglages", "AffWarning=N", "Skin=bleu.bmp",      "ToucheMicro=18",       "Serveur=0A1B",
        "[Alertes]",      "1=1|Bob",      "[Annonces]",         "1=Bienvenue à tous !", "[TitresAnnonces]",
        "1=Accueil",      "[Autre]",      "Cle inconnue=valeur"};
    std::string ini;
    for (const auto& line : others) ini += line + "\r\n";
    Reglages& r = openPane(ini);
    r.Signal(2).click();
    r.banippseudo.click();
    r.Text1.userSetText(L"Coucou $N");
    valider();
    const std::string after = readIni();
    for (const auto& line : others) EXPECT_NE(after.find(line + "\r\n"), std::string::npos) << line;
    EXPECT_EQ(after.rfind("[Parametres]"), 0u) << after;
}

// A file the system refuses to write loses nothing of what it holds; the settings still take effect.
TEST_F(SettingsPaneTest, AFileThatCannotBeWrittenStaysAsItWasAndThePaneStillCloses) {
    Reglages& r = openPane("Statut=op\r\nPhraseAccueil=Salut $N\r\n");
    const std::string ini = readIni();
    desk.files.setWriteRefused(kIni, true);
    r.Statut(2).click();
    r.Text1.userSetText(L"Coucou $N");
    valider();
    EXPECT_EQ(readIni(), ini);
    EXPECT_EQ(program->NiveauStatut, 4);
    EXPECT_EQ(program->TexteAccueil, L"Coucou $N");
    EXPECT_EQ(r.Frame1.left(), 10000);
}

// The beep option of the push-to-talk key pane is stored at each click, without any validation.
TEST_F(SettingsPaneTest, TheBeepBoxStoresItsOptionAtEachClick) {
    Reglages& r = showPanel("[Parametres]\r\nAvecBip=0\r\n");
    const std::pair<const wchar_t*, bool> clicks[] = {{L"1", true}, {L"0", false}, {L"1", true}};
    for (const auto& [value, on] : clicks) {
        ASSERT_TRUE(r.AvecOuSansBip.click());
        EXPECT_EQ(stored(L"AvecBip"), value);
        EXPECT_EQ(program->BipActif, on);
    }
}

}  // namespace
}  // namespace wardo::panel::testing
