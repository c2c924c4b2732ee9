// The announcement and reason editors: scenarios of the user's steps read back from the settings file
// and the window, the delete compaction, and the opening and closing of every list editor.
#include "editors_fixture.h"

namespace wardo::editors::testing {
namespace {

struct Editeur {
    const char* nom;
    void (*ouvre)(app::Program&);
    ListeTextesEdit& (*objet)(app::Program&);
    Text titres, textes;  // the two sections
};
const Editeur kAnnonces{"MessagesEdit", OuvreEditeurAnnonces,
                        [](app::Program& p) -> ListeTextesEdit& { return p.messagesEdit(); },
                        L"TitresAnnonces", L"Annonces"};
const Editeur kRaisons{"RaisonsEdit", OuvreEditeurRaisons,
                       [](app::Program& p) -> ListeTextesEdit& { return p.raisonsEdit(); }, L"TitresRaisons",
                       L"Raisons"};

using Slots = std::vector<std::pair<Text, Text>>;  // slot k at k - 1: {title, text}

class TextEditor : public EditorsTest {
public:
    Editeur e = kAnnonces;
    ListeTextesEdit& ed() { return e.objet(*program); }
    ListeTextesEdit& open() {
        e.ouvre(*program);
        return ed();
    }
    void store(const Slots& slots) {
        for (size_t k = 1; k <= slots.size(); ++k) {
            program->EcritIni(e.titres, text::decimal(static_cast<long long>(k)), slots[k - 1].first);
            program->EcritIni(e.textes, text::decimal(static_cast<long long>(k)), slots[k - 1].second);
        }
    }
    // The user's steps: "click N", "edit", "title=...", "text=...", "ok", "cancel", "delete", "non",
    // "close", "open".
    void act(const Text& step) {
        auto& x = ed();
        const Text arg = step.substr(step.find_first_of(L" =") + 1);
        bool done = true;
        if (step.rfind(L"click ", 0) == 0)
            done = x.Liste.userSelect(std::stoi(arg));
        else if (step.rfind(L"title=", 0) == 0)
            done = x.titre.userSetText(arg);
        else if (step.rfind(L"text=", 0) == 0)
            done = x.Texte.userSetText(arg);
        else if (step == L"edit")
            done = x.ReyCommand1.click();
        else if (step == L"ok")
            done = x.ReyCommand2.click();
        else if (step == L"cancel")
            done = x.ReyCommand4.click();
        else if (step == L"delete")
            done = x.ReyCommand3.click() && x.ReyCommand5.click();
        else if (step == L"non")
            done = x.ReyCommand3.click() && x.ReyCommand6.click();
        else if (step == L"close")
            done = x.userClose();
        else if (step == L"open")
            open();
        ASSERT_TRUE(done) << std::string(step.begin(), step.end());
    }
    // Every key of both sections; the file holds nothing else.
    void expectFile(const Slots& slots) {
        for (int k = 1; k <= 15; ++k) {
            SCOPED_TRACE(k);
            const auto want = k <= static_cast<int>(slots.size()) ? slots[k - 1] : std::pair<Text, Text>{};
            EXPECT_EQ(lit(e.titres, k), want.first);
            EXPECT_EQ(lit(e.textes, k), want.second);
        }
        const Text file = text::fromAnsi(readIni());
        for (const Text& line : text::splitCrLf(file)) {
            const bool header = line == L"[" + e.titres + L"]" || line == L"[" + e.textes + L"]";
            const long key = std::wcstol(line.c_str(), nullptr, 10);
            EXPECT_TRUE(line.empty() || header || (key >= 1 && key <= 15 && line.find(L'=') <= 2)) << file;
        }
    }
    void expectBrowse() {
        auto& x = ed();
        EXPECT_TRUE(x.ReyCommand1.visible() && x.ReyCommand3.visible());
        EXPECT_FALSE(x.ReyCommand2.visible() || x.ReyCommand4.visible() || x.EditionEnCours);
        for (ui::TextBox* b : {&x.titre, &x.Texte}) EXPECT_TRUE(b->locked() && b->foreColor() == 0xFF0000);
    }
};

struct Scenario {
    const char* name;
    Slots stored;
    std::vector<Text> steps;
    Slots file;
    int row;
    std::pair<Text, Text> boxes;
    bool editing = false;
};

std::vector<Scenario> scenarios() {
    const Slots ab = {{L"A", L"a"}, {L"B", L"b"}};
    return {
        {"DeletingSlotOneClosesTheListUp",
         {{L"A", L"a"}, {L"", L"b"}, {L"C", L"c"}},
         {L"click 0", L"delete"},
         {{L"C", L"c"}},
         0,
         {L"C", L"c"}},
        {"AnUntitledTextIsSavedAndListed",
         {{L"A", L"a"}},
         {L"click 1", L"edit", L"title=", L"text=z", L"ok"},
         {{L"A", L"a"}, {L"", L"z"}},
         1,
         {L"", L"z"}},
        {"ADeleteDropsUntitledTextsAndKeepsTitledEmptyOnes",
         {{L"A", L"a"}, {L"T", L""}, {L"", L"z"}},
         {L"click 0", L"delete"},
         {{L"T", L""}},
         0,
         {L"T", L""}},
        {"DuringAnEditTheOtherRowsCannotBeChosen",
         ab,
         {L"click 0", L"edit", L"text=en cours", L"click 1"},
         ab,
         0,
         {L"A", L"en cours"},
         true},
        {"DeletingTheLastUsedSlotSelectsAnEmptyRow", ab, {L"click 1", L"delete"}, {{L"A", L"a"}}, 1, {}},
        {"ClosingDuringAnEditSavesNothing",
         ab,
         {L"click 1", L"edit", L"text=perdu", L"close", L"open"},
         ab,
         -1,
         {}},
        {"TheReopenedEditorKeepsItsCurrentSlot",
         ab,
         {L"click 1", L"close", L"open", L"edit", L"title=B2", L"text=b2", L"ok"},
         {{L"A", L"a"}, {L"B2", L"b2"}},
         1,
         {L"B2", L"b2"}},
        {"WithNoRowClickedAnEditGoesToSlotOne",
         {},
         {L"edit", L"title=Salut", L"text=Bonjour $N", L"ok"},
         {{L"Salut", L"Bonjour $N"}},
         0,
         {L"Salut", L"Bonjour $N"}},
        {"TheTextBoxTakes120Characters",
         {},
         {L"edit", L"title=Pub", L"text=" + Text(130, L'x'), L"ok"},
         {{L"Pub", Text(120, L'x')}},
         0,
         {L"Pub", Text(120, L'x')}},
        {"LineBreaksBecomeBlanksAndStayInTheirKey",
         {},
         {L"edit", L"title=Deux\r\nlignes", L"text=a\r\n[Parametres]\rStatut=noir\nfin", L"ok"},
         {{L"Deux lignes", L"a [Parametres] Statut=noir fin"}},
         0,
         {L"Deux lignes", L"a [Parametres] Statut=noir fin"}},
        {"CancelShowsTheStoredSlotAgain",
         ab,
         {L"click 0", L"edit", L"title=X", L"text=Y", L"cancel"},
         ab,
         0,
         {L"A", L"a"}},
        {"NoDeletesNothing", ab, {L"click 1", L"non"}, ab, 1, {L"B", L"b"}},
    };
}

class TextScenarios : public TextEditor,
                      public ::testing::WithParamInterface<std::tuple<Editeur, Scenario>> {};

TEST_P(TextScenarios, FileListAndBoxes) {
    e = std::get<0>(GetParam());
    const Scenario& s = std::get<1>(GetParam());
    store(s.stored);
    open();
    for (const Text& step : s.steps) ASSERT_NO_FATAL_FAILURE(act(step));
    expectFile(s.file);
    EXPECT_EQ(ed().Liste.listIndex(), s.row);
    EXPECT_EQ(ed().titre.text(), s.boxes.first);
    EXPECT_EQ(ed().Texte.text(), s.boxes.second);
    if (s.row >= 0) {
        EXPECT_EQ(ed().Liste.list(s.row), s.editing ? lit(e.textes, s.row + 1) : s.boxes.second);
    }
    if (!s.editing) expectBrowse();
}
INSTANTIATE_TEST_SUITE_P(Both, TextScenarios,
                         ::testing::Combine(::testing::Values(kAnnonces, kRaisons),
                                            ::testing::ValuesIn(scenarios())),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).nom) + "_" +
                                    std::get<1>(info.param).name;
                         });

class TextEditors : public TextEditor, public ::testing::WithParamInterface<Editeur> {
public:
    TextEditors() { e = GetParam(); }
};
INSTANTIATE_TEST_SUITE_P(Both, TextEditors, ::testing::Values(kAnnonces, kRaisons),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_P(TextEditors, AnEditIsRedAndWritableAndSavesTheTitleFirst) {
    auto& x = open();
    act(L"edit");
    EXPECT_TRUE(x.EditionEnCours && x.ReyCommand2.visible() && x.ReyCommand4.visible());
    EXPECT_FALSE(x.ReyCommand1.visible() || x.ReyCommand3.visible());
    for (ui::TextBox* b : {&x.titre, &x.Texte}) EXPECT_TRUE(!b->locked() && b->foreColor() == 0x0000FF);
    act(L"title=T");
    act(L"ok");
    EXPECT_EQ(text::fromAnsi(readIni()), L"[" + e.titres + L"]\r\n1=T\r\n[" + e.textes + L"]\r\n1=\r\n");
    act(L"click 3");
    ASSERT_TRUE(x.ReyCommand3.click());
    EXPECT_TRUE(x.Frame1.visible());
    EXPECT_EQ(x.Frame1.left(), 3700);
    ASSERT_TRUE(x.ReyCommand6.click());
    EXPECT_FALSE(x.Frame1.visible());
    EXPECT_EQ(x.Frame1.left(), 5960);
}

// The disk fills up after `writesLeft` writes: the file holds the whole list of before or the whole
// compacted one, never a list part-way through.
TEST_P(TextEditors, ACompactionIsStoredWholeOrNotAtAll) {
    for (int writesLeft : {0, 1}) {
        SCOPED_TRACE(writesLeft);
        const Slots before = {{L"A", L"a"}, {L"B", L"b"}, {L"C", L"c"}};
        store(before);
        open();
        act(L"click 0");
        desk.files.setWritesLeft(writesLeft);
        act(L"delete");
        desk.files.setWritesLeft(std::nullopt);
        expectFile(writesLeft == 0 ? before : Slots{{L"B", L"b"}, {L"C", L"c"}});
        EXPECT_EQ(ed().Liste.list(0), writesLeft == 0 ? L"a" : L"b") << "the list shows what the file holds";
        ASSERT_TRUE(ed().unload());
    }
}

// A title emptied in the file by another writer: on cancel, only the reason editor keeps the one it holds.
TEST_F(TextEditor, OnCancelOnlyTheReasonEditorKeepsATitleEmptiedElsewhere) {
    for (const auto& [editeur, shown] : {std::pair{kAnnonces, L""}, std::pair{kRaisons, L"Vieux"}}) {
        SCOPED_TRACE(editeur.nom);
        e = editeur;
        store({{L"Vieux", L"v"}});
        open();
        act(L"click 0");
        program->EcritIni(e.titres, L"1", L"");
        act(L"edit");
        act(L"cancel");
        EXPECT_EQ(ed().titre.text(), shown);
    }
}

TEST_F(EditorsTest, EditorsOpenAtThePanelsPlaceAndPutThePanelBackOnTopWhenClosed) {
    struct Case {
        void (*ouvre)(app::Program&);
        ui::Form& (*objet)(app::Program&);
        const wchar_t* caption;
        int width, height;
    };
    const Case cases[] = {
        {OuvreEditeurAnnonces, [](app::Program& p) -> ui::Form& { return p.messagesEdit(); },
         L"Choix d'une annonce", 9165, 9720},
        {OuvreEditeurRaisons, [](app::Program& p) -> ui::Form& { return p.raisonsEdit(); },
         L"Choix d'une raison", 9165, 9045},
        {OuvreEditeurSons, [](app::Program& p) -> ui::Form& { return p.sonsEdit(); }, L"Choix des sons", 4635,
         9615},
    };
    program->reglages().move(2400, 1800);
    for (const Case& c : cases) {
        for (bool onTop : {true, false}) {
            SCOPED_TRACE(std::wstring(c.caption) + (onTop ? L" on top" : L""));
            program->ReglagesPremierPlan = onTop;
            desk.windows.clearLog();
            c.ouvre(*program);
            ui::Form& f = c.objet(*program);
            EXPECT_EQ(f.caption(), c.caption);
            EXPECT_EQ(f.clientWidth(), c.width);
            EXPECT_EQ(f.clientHeight(), c.height);
            EXPECT_EQ(f.left(), 2400);
            EXPECT_EQ(f.top(), 1800);
            EXPECT_TRUE(f.visible());
            const std::vector<std::string> away{"HWND_NOTOPMOST"}, back{"HWND_NOTOPMOST", "HWND_TOPMOST"};
            EXPECT_EQ(panelOrder(), onTop ? away : std::vector<std::string>{});
            ASSERT_TRUE(f.userClose());
            EXPECT_EQ(panelOrder(), onTop ? back : std::vector<std::string>{});
        }
    }
}

}  // namespace
}  // namespace wardo::editors::testing
