// The announcement and reason editors: browse and edit states, saving a slot, the delete compaction,
// and the opening and closing of every list editor with the panel's window order.
#include "editors_fixture.h"

namespace wardo::editors::testing {
namespace {

struct Editeur {
    const char* nom;
    void (*ouvre)(app::Program&);
    ListeTextesEdit& (*objet)(app::Program&);
    std::string titres, textes;  // the two sections
};
void PrintTo(const Editeur& e, std::ostream* os) {
    *os << e.nom;
}

const Editeur kAnnonces{"MessagesEdit", OuvreEditeurAnnonces,
                        [](app::Program& p) -> ListeTextesEdit& { return p.messagesEdit(); },
                        "TitresAnnonces", "Annonces"};
const Editeur kRaisons{"RaisonsEdit", OuvreEditeurRaisons,
                       [](app::Program& p) -> ListeTextesEdit& { return p.raisonsEdit(); }, "TitresRaisons",
                       "Raisons"};

class TextEditors : public EditorsTest, public ::testing::WithParamInterface<Editeur> {
protected:
    ListeTextesEdit& ed() { return GetParam().objet(*program); }
    ListeTextesEdit& open() {
        GetParam().ouvre(*program);
        return ed();
    }
    // Slot k (from 1) is {title, text}; both sections written in full, empty values included.
    void stored(const std::vector<std::pair<std::string, std::string>>& slots) {
        std::string t = "[" + GetParam().titres + "]\r\n", x = "[" + GetParam().textes + "]\r\n";
        for (size_t k = 1; k <= slots.size(); ++k) {
            t += std::to_string(k) + "=" + slots[k - 1].first + "\r\n";
            x += std::to_string(k) + "=" + slots[k - 1].second + "\r\n";
        }
        writeIni(t + x);
    }
    Text titre(int k) { return lit(text::widen(GetParam().titres.c_str()), k); }
    Text texte(int k) { return lit(text::widen(GetParam().textes.c_str()), k); }
    void click(int row) { ASSERT_TRUE(ed().Liste.userSelect(row)); }
    void edit(const Text& t, const Text& x) {
        ASSERT_TRUE(ed().ReyCommand1.click());
        ASSERT_TRUE(ed().titre.userSetText(t));
        ASSERT_TRUE(ed().Texte.userSetText(x));
        ASSERT_TRUE(ed().ReyCommand2.click());
    }
    void remove() {
        ASSERT_TRUE(ed().ReyCommand3.click());
        ASSERT_TRUE(ed().ReyCommand5.click());
    }
    void expectBrowse() {
        auto& e = ed();
        EXPECT_TRUE(e.ReyCommand1.visible() && e.ReyCommand3.visible());
        EXPECT_FALSE(e.ReyCommand2.visible() || e.ReyCommand4.visible());
        for (ui::TextBox* b : {&e.titre, &e.Texte}) {
            EXPECT_TRUE(b->locked());
            EXPECT_EQ(b->foreColor(), 0xFF0000);
        }
        EXPECT_FALSE(e.EditionEnCours);
    }
};
INSTANTIATE_TEST_SUITE_P(Both, TextEditors, ::testing::Values(kAnnonces, kRaisons),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_P(TextEditors, LoadListsTheTextsAndAClickShowsItsSlot) {
    stored({{"A", "a"}, {"", ""}, {"C", "c $N"}});
    auto& e = open();
    ASSERT_EQ(e.Liste.listCount(), 15);
    EXPECT_EQ(e.Liste.list(0), L"a");
    EXPECT_EQ(e.Liste.list(2), L"c $N");
    EXPECT_EQ(e.Liste.list(14), L"");
    EXPECT_EQ(e.Liste.listIndex(), -1);
    EXPECT_EQ(e.titre.text(), L"");
    EXPECT_FALSE(e.Frame1.visible());
    expectBrowse();
    click(2);
    EXPECT_EQ(e.EmplacementCourant, 2);
    EXPECT_EQ(e.titre.text(), L"C");
    EXPECT_EQ(e.Texte.text(), L"c $N");
}

TEST_P(TextEditors, AnEditIsRedAndWritableAndItsSlotIsSavedTitleFirst) {
    auto& e = open();
    click(1);
    ASSERT_TRUE(e.ReyCommand1.click());
    EXPECT_TRUE(e.EditionEnCours);
    EXPECT_TRUE(e.ReyCommand2.visible() && e.ReyCommand4.visible());
    EXPECT_FALSE(e.ReyCommand1.visible() || e.ReyCommand3.visible());
    EXPECT_EQ(e.titre.foreColor(), 0x0000FF);
    EXPECT_FALSE(e.Texte.locked());
    ASSERT_TRUE(e.titre.userSetText(L"Pub"));
    ASSERT_TRUE(e.Texte.userSetText(std::wstring(130, L'x')));
    EXPECT_EQ(e.Texte.text().size(), 120u) << "the text box takes 120 characters";
    ASSERT_TRUE(e.ReyCommand2.click());
    const std::string x(120, 'x');
    EXPECT_EQ(readIni(),
              "[" + GetParam().titres + "]\r\n2=Pub\r\n[" + GetParam().textes + "]\r\n2=" + x + "\r\n");
    EXPECT_EQ(e.Liste.list(1), std::wstring(120, L'x'));
    EXPECT_EQ(e.Liste.listIndex(), 1);
    EXPECT_EQ(e.titre.text(), L"Pub");
    expectBrowse();
}

TEST_P(TextEditors, DeletingSlotOneClosesTheListUpKeyByKey) {
    stored({{"A", "a"}, {"", "b"}, {"C", "c"}});
    auto& e = open();
    click(0);
    ASSERT_TRUE(e.ReyCommand3.click());
    EXPECT_TRUE(e.Frame1.visible());
    EXPECT_EQ(e.Frame1.left(), 3700);
    ASSERT_TRUE(e.ReyCommand5.click());
    EXPECT_FALSE(e.Frame1.visible());
    EXPECT_EQ(titre(1), L"C");
    EXPECT_EQ(texte(1), L"c");
    for (int k = 2; k <= 15; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(titre(k), L"");
        EXPECT_EQ(texte(k), L"");
    }
    EXPECT_EQ(readIni().find("=b"), std::string::npos);
    EXPECT_EQ(e.Liste.listIndex(), 0);
    EXPECT_EQ(e.titre.text(), L"C");
    EXPECT_EQ(e.Texte.text(), L"c");
    expectBrowse();
}

// The file holds either the whole list before the delete or the whole compacted list, whenever the
// disk fills up.
TEST_P(TextEditors, ACompactionThatCannotBeWrittenLeavesTheFileAsItWas) {
    for (int writesLeft : {0, 1}) {
        SCOPED_TRACE(writesLeft);
        stored({{"A", "a"}, {"B", "b"}, {"C", "c"}});
        const std::string before = readIni();
        auto& e = open();
        click(0);
        desk.files.setWritesLeft(writesLeft);
        remove();
        desk.files.setWritesLeft(std::nullopt);
        if (writesLeft == 0) {
            EXPECT_EQ(readIni(), before);
            EXPECT_EQ(e.Liste.list(0), L"a") << "the list shows what the file holds";
        } else {
            EXPECT_EQ(titre(1), L"B");
            EXPECT_EQ(titre(2), L"C");
            EXPECT_EQ(titre(3), L"");
        }
        ASSERT_TRUE(e.unload());
    }
}

TEST_P(TextEditors, AnUntitledTextStaysUntilTheNextDeleteAndATitledEmptyTextSurvivesIt) {
    stored({{"A", "a"}, {"T", ""}});
    auto& e = open();
    click(2);
    edit(L"", L"z");
    EXPECT_EQ(titre(3), L"");
    EXPECT_EQ(texte(3), L"z");
    EXPECT_EQ(e.Liste.list(2), L"z");
    click(0);
    remove();
    EXPECT_EQ(titre(1), L"T");
    EXPECT_EQ(texte(1), L"");
    EXPECT_EQ(titre(2), L"");
    EXPECT_EQ(texte(2), L"");
    EXPECT_EQ(e.Liste.list(2), L"");
}

TEST_P(TextEditors, DuringAnEditTheListStaysOnTheEditedSlot) {
    stored({{"A", "a"}, {"B", "b"}});
    auto& e = open();
    click(0);
    ASSERT_TRUE(e.ReyCommand1.click());
    ASSERT_TRUE(e.Texte.userSetText(L"en cours"));
    click(1);
    EXPECT_EQ(e.Liste.listIndex(), 0);
    EXPECT_EQ(e.EmplacementCourant, 0);
    EXPECT_EQ(e.titre.text(), L"A");
    EXPECT_EQ(e.Texte.text(), L"en cours");
}

TEST_P(TextEditors, DeletingTheLastUsedSlotSelectsAnEmptyRow) {
    stored({{"A", "a"}, {"B", "b"}});
    auto& e = open();
    click(1);
    remove();
    EXPECT_EQ(e.Liste.listIndex(), 1);
    EXPECT_EQ(e.titre.text(), L"");
    EXPECT_EQ(e.Texte.text(), L"");
    EXPECT_EQ(titre(1), L"A");
}

TEST_P(TextEditors, ClosingDuringAnEditSavesNothingAndKeepsTheCurrentSlot) {
    stored({{"A", "a"}, {"B", "b"}});
    auto& e = open();
    click(1);
    ASSERT_TRUE(e.ReyCommand1.click());
    ASSERT_TRUE(e.Texte.userSetText(L"perdu"));
    const std::string before = readIni();
    ASSERT_TRUE(e.userClose());
    EXPECT_EQ(readIni(), before);
    open();
    expectBrowse();
    EXPECT_EQ(e.Liste.listIndex(), -1);
    EXPECT_EQ(e.Liste.list(1), L"b");
    EXPECT_EQ(e.EmplacementCourant, 1);
    edit(L"B2", L"b2");  // no row clicked: the current slot of before
    EXPECT_EQ(titre(2), L"B2");
}

TEST_P(TextEditors, WithNoRowClickedAnEditGoesToSlotOne) {
    auto& e = open();
    edit(L"Salut", L"Bonjour $N");
    EXPECT_EQ(titre(1), L"Salut");
    EXPECT_EQ(texte(1), L"Bonjour $N");
    EXPECT_EQ(e.Liste.listIndex(), 0);
}

TEST_P(TextEditors, LineBreaksBecomeBlanksAndNeverReachAnotherKey) {
    writeIni("[Parametres]\r\nStatut=op\r\n");
    auto& e = open();
    edit(L"Deux\r\nlignes", L"a\r\n[Parametres]\rStatut=noir\nfin");
    EXPECT_EQ(texte(1), L"a [Parametres] Statut=noir fin");
    EXPECT_EQ(titre(1), L"Deux lignes");
    EXPECT_EQ(program->LitIni(L"Parametres", L"Statut"), L"op");
    EXPECT_EQ(e.Liste.list(0), L"a [Parametres] Statut=noir fin");
    EXPECT_EQ(e.Texte.text(), L"a [Parametres] Statut=noir fin");
    const std::string file = readIni();
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 6) << file;
}

TEST_P(TextEditors, NoHidesTheConfirmationAndChangesNothing) {
    stored({{"A", "a"}});
    auto& e = open();
    const std::string before = readIni();
    ASSERT_TRUE(e.ReyCommand3.click());
    ASSERT_TRUE(e.ReyCommand6.click());
    EXPECT_FALSE(e.Frame1.visible());
    EXPECT_EQ(e.Frame1.left(), 5960);
    EXPECT_EQ(readIni(), before);
}

// A title emptied in the file by another writer: the reason editor keeps the title it holds.
TEST_F(EditorsTest, OnCancelOnlyTheReasonEditorKeepsATitleEmptiedElsewhere) {
    struct Case {
        Editeur e;
        const wchar_t* shown;
    };
    for (const Case& c : {Case{kAnnonces, L""}, Case{kRaisons, L"Vieux"}}) {
        SCOPED_TRACE(c.e.nom);
        const Text titres = text::widen(c.e.titres.c_str());
        program->EcritIni(titres, L"1", L"Vieux");
        c.e.ouvre(*program);
        auto& ed = c.e.objet(*program);
        ASSERT_TRUE(ed.Liste.userSelect(0));
        program->EcritIni(titres, L"1", L"");
        ASSERT_TRUE(ed.ReyCommand1.click());
        ASSERT_TRUE(ed.ReyCommand4.click());
        EXPECT_EQ(ed.titre.text(), c.shown);
        EXPECT_EQ(ed.Liste.listIndex(), 0);
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
            host.log.clear();
            c.ouvre(*program);
            ui::Form& f = c.objet(*program);
            EXPECT_EQ(f.caption(), c.caption);
            EXPECT_EQ(f.clientWidth(), c.width);
            EXPECT_EQ(f.clientHeight(), c.height);
            EXPECT_EQ(f.left(), 2400);
            EXPECT_EQ(f.top(), 1800);
            EXPECT_NE(std::find(host.log.begin(), host.log.end(), L"show " + f.name()), host.log.end());
            EXPECT_EQ(panelOrder(),
                      onTop ? std::vector<std::string>{"HWND_NOTOPMOST"} : std::vector<std::string>{});
            ASSERT_TRUE(f.userClose());
            EXPECT_EQ(panelOrder(), onTop ? (std::vector<std::string>{"HWND_NOTOPMOST", "HWND_TOPMOST"})
                                          : std::vector<std::string>{});
        }
    }
}

}  // namespace
}  // namespace wardo::editors::testing
